<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>AboutPage</name>
    <message>
        <source>Varimonde Printer Setup Utility</source>
        <translation>Varimonde プリンター設定ユーティリティ</translation>
    </message>
    <message>
        <source>Utility Version 1.00</source>
        <translation>ユーティリティ バージョン 1.00</translation>
    </message>
    <message>
        <source>Language: English</source>
        <translation>言語: 英語</translation>
    </message>
    <message>
        <source>Provides direct link to Varimonde&apos;s web page</source>
        <translation>Varimonde の Web ページを開きます</translation>
    </message>
    <message>
        <source>Contact Varimonde Technical Support via e-mail</source>
        <translation>Varimonde テクニカルサポートにメールする</translation>
    </message>
    <message>
        <source>Utility Version %1.%2</source>
        <translation>ユーティリティ バージョン %1.%2</translation>
    </message>
    <message>
        <source>Language: %1</source>
        <translation>言語: %1</translation>
    </message>
</context>
<context>
    <name>BinaryPage</name>
    <message>
        <source>Binary File</source>
        <translation>バイナリファイル</translation>
    </message>
    <message>
        <source>Load &amp;Binary File To Memory.</source>
        <translation>バイナリファイルをメモリに読み込む(&amp;B)</translation>
    </message>
    <message>
        <source>Use to upload new firmware to printer</source>
        <translation>新しいファームウェアをプリンターに転送します</translation>
    </message>
    <message>
        <source>Upload to Pri&amp;nter</source>
        <translation>プリンターへ転送(&amp;N)</translation>
    </message>
    <message>
        <source>Stop the transfer to the printer (Esc)</source>
        <translation>プリンターへの転送を中止します (Esc)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>キャンセル(&amp;C)</translation>
    </message>
    <message>
        <source>Binary File Information/Status</source>
        <translation>バイナリファイルの情報/状態</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>ファイル名:</translation>
    </message>
    <message>
        <source>None Loaded</source>
        <translation>未読み込み</translation>
    </message>
    <message>
        <source>File Size:</source>
        <translation>サイズ:</translation>
    </message>
    <message>
        <source>0 Bytes</source>
        <translation>0 バイト</translation>
    </message>
    <message>
        <source>No file loaded in Memory</source>
        <translation>メモリにファイルがありません</translation>
    </message>
    <message>
        <source>No File Loaded to Printer</source>
        <translation>プリンターに転送したファイルはありません</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>進行状況</translation>
    </message>
    <message>
        <source>You must select a file to load into memory.</source>
        <translation>メモリに読み込むファイルを選択してください。</translation>
    </message>
    <message>
        <source>%1 Bytes</source>
        <translation>%1 バイト</translation>
    </message>
    <message>
        <source>Loading file into Memory</source>
        <translation>ファイルをメモリに読み込み中</translation>
    </message>
    <message>
        <source>Loading Failed: no file in Memory</source>
        <translation>読み込み失敗: メモリにファイルがありません</translation>
    </message>
    <message>
        <source>Firmware %1, %2 bytes, SHA-256 %3</source>
        <translation>ファームウェア %1、%2 バイト、SHA-256 %3</translation>
    </message>
    <message>
        <source>File Loaded into Memory</source>
        <translation>ファイルをメモリに読み込みました</translation>
    </message>
    <message>
        <source>SHA-256: </source>
        <translation>SHA-256: </translation>
    </message>
    <message>
        <source>Uploading File</source>
        <translation>ファイルを転送中</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>転送中</translation>
    </message>
    <message>
        <source>Upload Cancelled</source>
        <translation>転送を中止しました</translation>
    </message>
    <message>
        <source>Firmware, none loaded</source>
        <translation>ファームウェア、未読み込み</translation>
    </message>
    <message>
        <source>File Uploaded</source>
        <translation>ファイルを転送しました</translation>
    </message>
    <message>
        <source>Upload Failed</source>
        <translation>転送に失敗しました</translation>
    </message>
    <message>
        <source>All Files(*.*)|*.*</source>
        <translation>すべてのファイル(*.*)|*.*</translation>
    </message>
</context>
<context>
    <name>CalibrationBlocks</name>
    <message>
        <source>Index type must be BAR or GAP</source>
        <translation>インデックスの種類は BAR または GAP にしてください</translation>
    </message>
    <message>
        <source>CALIBRATION</source>
        <translation>キャリブレーション</translation>
    </message>
    <message>
        <source>Print Type must be DT or TT</source>
        <translation>印刷の種類は DT または TT にしてください</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>キャリブレーション</translation>
    </message>
    <message>
        <source>Type must be Wax, Wax/Resin, or Preimum Resin</source>
        <translation>種類はワックス、ワックス/レジン、プレミアムレジンのいずれかにしてください</translation>
    </message>
</context>
<context>
    <name>CalibrationPage</name>
    <message>
        <source>Calibration Information</source>
        <translation>キャリブレーション情報</translation>
    </message>
    <message>
        <source>&amp;Index Type:</source>
        <translation>検出方式(&amp;I):</translation>
    </message>
    <message>
        <source>Index Type:</source>
        <translation>検出方式:</translation>
    </message>
    <message>
        <source>Printer &amp;Type:</source>
        <translation>印字方式(&amp;T):</translation>
    </message>
    <message>
        <source>Printer Type:</source>
        <translation>印字方式:</translation>
    </message>
    <message>
        <source>Ribbon Information</source>
        <translation>リボン情報</translation>
    </message>
    <message>
        <source>Ribbon Material:</source>
        <translation>リボンの種類:</translation>
    </message>
    <message>
        <source>To determine ribbon material, look at the foil lead of your Varimonde-brand ribbon:</source>
        <translation>リボンの種類は、Varimonde 純正リボンのリーダー部分で確認できます:</translation>
    </message>
    <message>
        <source>Blue = WAX</source>
        <translation>青 = ワックス</translation>
    </message>
    <message>
        <source>Silver = WAX/RESIN Combo</source>
        <translation>銀 = ワックス/レジン</translation>
    </message>
    <message>
        <source>Gold = PREMIUM RESIN</source>
        <translation>金 = プレミアムレジン</translation>
    </message>
    <message>
        <source>Before Calibrating your printer, make sure your labels and ribbon (if applicable) are properly loaded.  The labels should be print-side up, aligned against the left hand side of the printer so that they pass over the appropriate sensor.</source>
        <translation>キャリブレーションの前に、ラベルとリボン (使用する場合) が正しくセットされていることを確認してください。ラベルは印字面を上にして、適切なセンサーの上を通るようプリンターの左側に揃えます。</translation>
    </message>
    <message>
        <source>&amp;Calibrate Printer</source>
        <translation>較正(&amp;C)</translation>
    </message>
    <message>
        <source>Printer Test Label</source>
        <translation>テストラベル</translation>
    </message>
    <message>
        <source>Test Label Type</source>
        <translation>テストラベルの種類</translation>
    </message>
    <message>
        <source>&amp;4X3 Label</source>
        <translation>4X3(&amp;4)</translation>
    </message>
    <message>
        <source>&amp;2.4X1 Label</source>
        <translation>2.4X1(&amp;2)</translation>
    </message>
    <message>
        <source>&amp;Print Label</source>
        <translation>ラベルを印刷(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Ribbon Material:</source>
        <translation>リボン(&amp;R):</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>キャリブレーション</translation>
    </message>
    <message>
        <source>Test label %1</source>
        <translation>テストラベル %1</translation>
    </message>
</context>
<context>
    <name>CommPage</name>
    <message>
        <source>Communications</source>
        <translation>通信</translation>
    </message>
    <message>
        <source>&amp;Serial Communications</source>
        <translation>シリアル通信(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;ParallelCommunications</source>
        <translation>パラレル通信(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;USB Printer</source>
        <translation>USB プリンター(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Network</source>
        <translation>ネットワーク(&amp;N)</translation>
    </message>
    <message>
        <source>Serial Comm</source>
        <translation>シリアル</translation>
    </message>
    <message>
        <source>&amp;COM: </source>
        <translation>COM(&amp;C):</translation>
    </message>
    <message>
        <source>COM:</source>
        <translation>COM:</translation>
    </message>
    <message>
        <source>&amp;BAUD:</source>
        <translation>ボーレート(&amp;B):</translation>
    </message>
    <message>
        <source>BAUD:</source>
        <translation>ボーレート:</translation>
    </message>
    <message>
        <source>PA&amp;RITY:</source>
        <translation>パリティ(&amp;R):</translation>
    </message>
    <message>
        <source>PARITY:</source>
        <translation>パリティ:</translation>
    </message>
    <message>
        <source>&amp;DATABITS:</source>
        <translation>データ長(&amp;D):</translation>
    </message>
    <message>
        <source>DATABITS:</source>
        <translation>データ長:</translation>
    </message>
    <message>
        <source>S&amp;TOPBITS:</source>
        <translation>ストップ(&amp;T):</translation>
    </message>
    <message>
        <source>STOPBITS:</source>
        <translation>ストップビット:</translation>
    </message>
    <message>
        <source>Default Varimonde Settings:</source>
        <translation>Varimonde の既定値:</translation>
    </message>
    <message>
        <source>9600,N,8,1</source>
        <translation>9600,N,8,1</translation>
    </message>
    <message>
        <source>&amp;Apply </source>
        <translation>適用(&amp;A)</translation>
    </message>
    <message>
        <source>Not applied</source>
        <translation>未適用</translation>
    </message>
    <message>
        <source>The port or line settings shown are not in force until Apply is pressed.</source>
        <translation>表示中の設定は「適用」を押すまで有効になりません。</translation>
    </message>
    <message>
        <source>Parallel Comm</source>
        <translation>パラレル</translation>
    </message>
    <message>
        <source>Select Parallel Port</source>
        <translation>パラレルポートを選択</translation>
    </message>
    <message>
        <source>Parallel Port</source>
        <translation>パラレルポート</translation>
    </message>
    <message>
        <source>Select Parallel Port the Printer is connected to on the PC.</source>
        <translation>プリンターを接続した PC のパラレルポートを選択してください。</translation>
    </message>
    <message>
        <source>USB Printer</source>
        <translation>USB プリンター</translation>
    </message>
    <message>
        <source>Select the USB printer</source>
        <translation>USB プリンターを選択</translation>
    </message>
    <message>
        <source>The USB printers connected now, with maker and model. The list follows printers as they are plugged in or out.</source>
        <translation>現在接続されている USB プリンター (メーカーとモデル)。抜き差しに合わせて一覧が更新されます。</translation>
    </message>
    <message>
        <source>Network Printer</source>
        <translation>ネットワークプリンター</translation>
    </message>
    <message>
        <source>&amp;Host:</source>
        <translation>ホスト(&amp;H):</translation>
    </message>
    <message>
        <source>name or IP address</source>
        <translation>名前または IP アドレス</translation>
    </message>
    <message>
        <source>Host:</source>
        <translation>ホスト:</translation>
    </message>
    <message>
        <source>P&amp;ort:</source>
        <translation>ポート(&amp;O):</translation>
    </message>
    <message>
        <source>9100</source>
        <translation>9100</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>ポート:</translation>
    </message>
    <message>
        <source>The printer&apos;s network name or IPv4 or IPv6 address, and its raw print port: 9100 on most printers.</source>
        <translation>プリンターのネットワーク名または IPv4/IPv6 アドレスと、RAW 印刷ポート (ほとんどのプリンターは 9100)。</translation>
    </message>
    <message>
        <source>&amp;Give up after</source>
        <translation>中止(&amp;G)</translation>
    </message>
    <message>
        <source>Seconds without an answer</source>
        <translation>応答のない秒数</translation>
    </message>
    <message>
        <source>s without an answer and</source>
        <translation>秒 応答なし、</translation>
    </message>
    <message>
        <source>Seconds without progress</source>
        <translation>進行のない秒数</translation>
    </message>
    <message>
        <source>s without progress</source>
        <translation>秒 進行なし</translation>
    </message>
    <message>
        <source>F&amp;ind Printers…</source>
        <translation>プリンターを検索(&amp;I)…</translation>
    </message>
    <message>
        <source>Look for printers on the network and pick one.</source>
        <translation>ネットワーク上のプリンターを探して選びます。</translation>
    </message>
    <message>
        <source>The address shown is not in force until Apply is pressed.</source>
        <translation>表示中のアドレスは「適用」を押すまで有効になりません。</translation>
    </message>
    <message>
        <source>A send fails when the printer gives no answer at all for this long: it is off, or the line is cut.</source>
        <translation>この時間プリンターがまったく応答しないと送信は失敗します: 電源が切れているか、回線が切れています。</translation>
    </message>
    <message>
        <source>A send fails when the printer still answers but takes no data for this long: check paper, ribbon and the printer&apos;s display.</source>
        <translation>プリンターは応答するがこの時間データを受け付けないと送信は失敗します: 用紙、リボン、プリンターの表示を確認してください。</translation>
    </message>
    <message>
        <source>Utility Settings</source>
        <translation>ユーティリティの設定</translation>
    </message>
    <message>
        <source>Invalid Value in COMM Settings</source>
        <translation>通信設定の値が正しくありません</translation>
    </message>
    <message>
        <source>No such USB printer</source>
        <translation>その USB プリンターはありません</translation>
    </message>
    <message>
        <source>No such link</source>
        <translation>その接続はありません</translation>
    </message>
    <message>
        <source>No USB printer found</source>
        <translation>USB プリンターが見つかりません</translation>
    </message>
</context>
<context>
    <name>CommandLineHelp</name>
    <message>
        <source>After --calibrate: DT (direct thermal) or TT (thermal transfer).</source>
        <translation>--calibrate の後に: DT (ダイレクトサーマル) または TT (熱転写)。</translation>
    </message>
    <message>
        <source>After --calibrate with TT: WAX (0, the default), &quot;WAX/RESIN COMBO&quot; (1) or &quot;PREMIUM RESIN&quot; (2).</source>
        <translation>--calibrate で TT のとき: WAX (0、既定)、&quot;WAX/RESIN COMBO&quot; (1) または &quot;PREMIUM RESIN&quot; (2)。</translation>
    </message>
    <message>
        <source>After --store-graphic or --store-format: the identifier, at most 8 characters.</source>
        <translation>--store-graphic または --store-format の後に: 識別子 (8 文字まで)。</translation>
    </message>
    <message>
        <source>After --store-graphic: the file is a PCX.</source>
        <translation>--store-graphic の後に: ファイルは PCX です。</translation>
    </message>
    <message>
        <source>After --store-graphic: make the picture (PNG, JPEG, GIF, BMP) a 1-bit BMP, dots darker than the threshold black.</source>
        <translation>--store-graphic の後に: 画像 (PNG、JPEG、GIF、BMP) を 1 ビット BMP にします。しきい値より暗いドットが黒になります。</translation>
    </message>
    <message>
        <source>With --convert: spread the greys by error diffusion.</source>
        <translation>--convert と共に: 灰色を誤差拡散で表現します。</translation>
    </message>
    <message>
        <source>With --convert: the grey (1-255, default 128) below which a dot is black.</source>
        <translation>--convert と共に: これより暗い灰色のドットを黒にするしきい値 (1-255、既定 128)。</translation>
    </message>
    <message>
        <source>With --convert: scale to this many dots across, keeping the aspect (the printer prints 203 dots an inch).</source>
        <translation>--convert と共に: 縦横比を保ったまま、この幅 (ドット数) に拡大・縮小します (プリンターは 1 インチに 203 ドット印字します)。</translation>
    </message>
    <message>
        <source>With --convert: swap black and white.</source>
        <translation>--convert と共に: 白と黒を反転します。</translation>
    </message>
    <message>
        <source>After --recall-format: how many labels.</source>
        <translation>--recall-format の後に: ラベルの枚数。</translation>
    </message>
    <message>
        <source>A printer to send to; give it once for each printer.</source>
        <translation>送信先のプリンター。プリンターごとに 1 回ずつ指定します。</translation>
    </message>
    <message>
        <source>Read targets from a file, one a line; blank lines and comments (from a # at the start or after a blank) are skipped.</source>
        <translation>送信先をファイルから 1 行に 1 つずつ読み込みます。空行とコメント (行頭または空白の後の # から) は読み飛ばします。</translation>
    </message>
    <message>
        <source>Send nothing: write what would be sent to each printer to standard output.</source>
        <translation>何も送信しません。各プリンターに送信される内容を標準出力に書き出します。</translation>
    </message>
    <message>
        <source>With --dry-run: write to a file instead; a name ending in .bmp gets the image of the one --convert alone.</source>
        <translation>--dry-run と共に: 代わりにファイルに書き出します。名前が .bmp で終わるファイルには、ただ 1 つの --convert の画像を書き出します。</translation>
    </message>
    <message>
        <source>With --dry-run: a hex dump, one block per transmission.</source>
        <translation>--dry-run と共に: 16 進ダンプ (送信 1 回につき 1 ブロック)。</translation>
    </message>
    <message>
        <source>At most this many printers at once (default: 1000 network and USB printers, one transfer per serial or parallel port).</source>
        <translation>同時に扱うプリンターの最大数 (既定: ネットワークと USB のプリンターは 1000、シリアル・パラレルポートはポートごとに 1 転送)。</translation>
    </message>
    <message>
        <source>Write a JSON report of every printer&apos;s outcome; with --dry-run, of what each would be sent.</source>
        <translation>各プリンターの結果を JSON レポートに書き出します。--dry-run では、各プリンターに送信される内容を書き出します。</translation>
    </message>
    <message>
        <source>Seconds a printer may take no data before it has failed (default 10, at most 86400); a network printer: seconds it may leave us without any answer.</source>
        <translation>プリンターがデータを受け取らないまま失敗とみなすまでの秒数 (既定 10、最大 86400)。ネットワークプリンターでは、まったく応答がないまま待つ秒数です。</translation>
    </message>
    <message>
        <source>Seconds a network printer that still answers may take no data before it has failed (default 60, at most 86400).</source>
        <translation>応答はあるネットワークプリンターがデータを受け取らないまま失敗とみなすまでの秒数 (既定 60、最大 86400)。</translation>
    </message>
    <message>
        <source>Seconds to wait for a network printer to answer (default 5, at most 86400).</source>
        <translation>ネットワークプリンターの応答を待つ秒数 (既定 5、最大 86400)。</translation>
    </message>
    <message>
        <source>Write progress as JSON Lines events on standard output (start, progress, done, failed, cancelled); the summary then goes to standard error.</source>
        <translation>進行状況を JSON Lines のイベント (start、progress、done、failed、cancelled) として標準出力に書き出します。このとき要約は標準エラー出力に出ます。</translation>
    </message>
    <message>
        <source>Seconds between progress lines or events of each printer when standard error is not a terminal (default 10, at most 86400); one also comes at each tenth of the way.</source>
        <translation>標準エラー出力が端末でないとき、各プリンターの進行状況の行またはイベントの間隔の秒数 (既定 10、最大 86400)。10 分の 1 進むごとにも 1 つ出ます。</translation>
    </message>
    <message>
        <source>Write only failures and the summary.</source>
        <translation>失敗と要約だけを書き出します。</translation>
    </message>
    <message>
        <source>The language of the texts (de, es, fr, it, ja, pl, pt_BR, zh_CN; en for English); without it the LANGUAGE variable and the locale decide. Reports, events and exit codes are the same in every language.</source>
        <translation>テキストの言語 (de、es、fr、it、ja、pl、pt_BR、zh_CN。英語は en)。指定しなければ LANGUAGE 変数とロケールで決まります。レポート、イベント、終了コードはどの言語でも同じです。</translation>
    </message>
    <message>
        <source>Send the configuration of a profile, as Upload Settings to Printer does after Import Profile.</source>
        <translation>プロファイルの設定を送信します。「読み込み」の後の「プリンターへ送信」と同じです。</translation>
    </message>
    <message>
        <source>Calibrate media sensing for the index type; needs --print-type, and takes --ribbon for thermal transfer.</source>
        <translation>検出方式に合わせて用紙検出をキャリブレーションします。--print-type が必要で、熱転写では --ribbon も指定できます。</translation>
    </message>
    <message>
        <source>Print test label 1 (4X3) or 2 (2.4X1).</source>
        <translation>テストラベル 1 (4X3) または 2 (2.4X1) を印刷します。</translation>
    </message>
    <message>
        <source>Store a 1-bit BMP graphic (PCX with --pcx) under the identifier given with --id; with --convert, any picture made into a 1-bit BMP.</source>
        <translation>1 ビット BMP のグラフィック (--pcx では PCX) を --id で指定した識別子で保存します。--convert では、どんな画像も 1 ビット BMP にして保存します。</translation>
    </message>
    <message>
        <source>Print a label format file as it is.</source>
        <translation>ラベルフォーマットのファイルをそのまま印刷します。</translation>
    </message>
    <message>
        <source>Store a label format file under the identifier of --id.</source>
        <translation>ラベルフォーマットのファイルを --id の識別子で保存します。</translation>
    </message>
    <message>
        <source>Print a stored graphic.</source>
        <translation>保存したグラフィックを印刷します。</translation>
    </message>
    <message>
        <source>Print a stored format, --quantity labels (1 unless given).</source>
        <translation>保存したフォーマットを --quantity 枚 (指定がなければ 1 枚) 印刷します。</translation>
    </message>
    <message>
        <source>Delete a stored graphic or format.</source>
        <translation>保存したグラフィックまたはフォーマットを削除します。</translation>
    </message>
    <message>
        <source>Have the printer print the list of stored objects.</source>
        <translation>保存されているオブジェクトの一覧をプリンターに印刷させます。</translation>
    </message>
    <message>
        <source>Upload a firmware image; its SHA-256 is shown first.</source>
        <translation>ファームウェアイメージをアップロードします。最初にその SHA-256 を表示します。</translation>
    </message>
    <message>
        <source>Send a file&apos;s bytes unchanged.</source>
        <translation>ファイルのバイトを変更せずに送信します。</translation>
    </message>
    <message>
        <source>Sets up Varimonde thermal label printers without a window: sends each printer the same bytes as the window&apos;s buttons would, to one printer or many at once.
Without options the window opens.

Targets: COMn[:baud,parity,data,stop], a serial device path[:settings], LPT1, LPT2, usb:DEVICE, tcp://HOST[:PORT] (9100 unless given; an IPv6 address in brackets).
Actions run in the order given, the same on every printer; each printer&apos;s run stops at its first failure.

Exit status: 0 every printer done, 1 a printer failed, 2 bad arguments or input, 130 interrupted.</source>
        <translation>Varimonde サーマルラベルプリンターをウィンドウなしで設定します。ウィンドウのボタンと同じバイトを、1 台または多数のプリンターに同時に送信します。
オプションがなければウィンドウが開きます。

送信先: COMn[:baud,parity,data,stop]、シリアルデバイスのパス[:設定]、LPT1、LPT2、usb:DEVICE、tcp://HOST[:PORT] (指定がなければ 9100。IPv6 アドレスは角かっこで囲みます)。
アクションは指定した順に、どのプリンターでも同じように実行します。各プリンターは最初の失敗で止まります。

終了ステータス: 0 すべてのプリンターが完了、1 失敗したプリンターがある、2 引数または入力が不正、130 中断。</translation>
    </message>
    <message>
        <source>Show this help and end.</source>
        <translation>このヘルプを表示して終了します。</translation>
    </message>
    <message>
        <source>Show the version and end.</source>
        <translation>バージョンを表示して終了します。</translation>
    </message>
    <message>
        <source>Find network printers: sweep the --range given (port 9100), browse DNS-SD with --dns-sd, and ask each over SNMP; prints a table (JSON with --report).</source>
        <translation>ネットワークプリンターを探します。--range の範囲を走査し (ポート 9100)、--dns-sd で DNS-SD を探索し、見つけた各プリンターに SNMP で問い合わせて表を出力します (--report では JSON)。</translation>
    </message>
    <message>
        <source>With --discover: a CIDR range (at most /22) or a host; repeatable.</source>
        <translation>--discover と共に: CIDR の範囲 (最大 /22) またはホスト。繰り返し指定できます。</translation>
    </message>
    <message>
        <source>With --discover: a raw port to try besides 9100; repeatable.</source>
        <translation>--discover と共に: 9100 のほかに試す RAW ポート。繰り返し指定できます。</translation>
    </message>
    <message>
        <source>With --discover: also browse DNS-SD (_pdl-datastream, _printer, _ipp) through the Avahi daemon.</source>
        <translation>--discover と共に: Avahi デーモンを通して DNS-SD (_pdl-datastream、_printer、_ipp) も探索します。</translation>
    </message>
    <message>
        <source>With --discover: write a targets file of the printers found. A file that --discover did not write is not replaced without --force.</source>
        <translation>--discover と共に: 見つかったプリンターの送信先ファイルを書き出します。--discover が書いたものでないファイルは、--force がなければ置き換えません。</translation>
    </message>
    <message>
        <source>With --write-targets: replace the file even when it was not written by --discover (a targets file made by hand).</source>
        <translation>--write-targets と共に: --discover が書いたものでないファイル (手で作った送信先ファイル) でも置き換えます。</translation>
    </message>
    <message>
        <source>Read the status of every network target over SNMP; the exit status is 1 when any reports an error or does not answer. A printer on a serial, parallel or USB line cannot be asked: it is listed and counted apart.</source>
        <translation>ネットワーク上の各送信先の状態を SNMP で読み取ります。エラーを報告するか応答しないものがあれば終了ステータスは 1 です。シリアル、パラレル、USB で接続したプリンターには問い合わせできないため、一覧に載せて別に数えます。</translation>
    </message>
    <message>
        <source>Read the SNMP secrets from a file only its owner may read, or from standard input (-): lines community=NAME, auth=PHRASE, priv=PHRASE.</source>
        <translation>SNMP の秘密情報を、所有者だけが読めるファイルまたは標準入力 (-) から読み込みます。行の形式は community=NAME、auth=PHRASE、priv=PHRASE です。</translation>
    </message>
    <message>
        <source>The SNMP v2c community (default public); other users see it: prefer --snmp-secrets.</source>
        <translation>SNMP v2c のコミュニティ (既定 public)。他のユーザーから見えるため、--snmp-secrets を使ってください。</translation>
    </message>
    <message>
        <source>The UDP port printers answer SNMP on (default 161).</source>
        <translation>プリンターが SNMP に応答する UDP ポート (既定 161)。</translation>
    </message>
    <message>
        <source>Ask over SNMP v3 as this user.</source>
        <translation>このユーザーとして SNMP v3 で問い合わせます。</translation>
    </message>
    <message>
        <source>With --snmp-user: the SHA authentication pass phrase; other users see it: prefer --snmp-secrets.</source>
        <translation>--snmp-user と共に: SHA 認証のパスフレーズ。他のユーザーから見えるため、--snmp-secrets を使ってください。</translation>
    </message>
    <message>
        <source>With --snmp-user: the AES privacy pass phrase; other users see it: prefer --snmp-secrets.</source>
        <translation>--snmp-user と共に: AES 暗号化のパスフレーズ。他のユーザーから見えるため、--snmp-secrets を使ってください。</translation>
    </message>
    <message>
        <source>With --status: also write one row per printer (name, location, model, serial, status, alerts, odometer, media, when read) to this file: CSV, or JSON when its name ends in .json.</source>
        <translation>--status と共に: プリンターごとに 1 行 (名前、場所、モデル、シリアル番号、状態、警告、積算カウンター、用紙、読み取り時刻) をこのファイルにも書き出します。CSV 形式、名前が .json で終わるときは JSON 形式です。</translation>
    </message>
    <message>
        <source>Read every network target over SNMP again and again, each at most once in this many seconds, and write a JSON line on standard output for each change (online, offline, status, alert-raised, alert-cleared) and each odometer read; Ctrl-C ends it (exit 130).</source>
        <translation>ネットワーク上の各送信先を SNMP で繰り返し読み取り (それぞれこの秒数に最大 1 回)、変化 (online、offline、status、alert-raised、alert-cleared) と積算カウンターの読み取りのたびに JSON の行を標準出力に書き出します。Ctrl-C で終了します (終了コード 130)。</translation>
    </message>
    <message>
        <source>With --watch: serve the printers&apos; state for Prometheus at http://ADDRESS:PORT/metrics (port 0: any free port, said on standard error).</source>
        <translation>--watch と共に: プリンターの状態を Prometheus 向けに http://ADDRESS:PORT/metrics で提供します (ポート 0 は空いている任意のポートで、標準エラー出力に表示します)。</translation>
    </message>
    <message>
        <source>Send even to a network printer whose SNMP status reports an error (no paper, door open, jammed, offline).</source>
        <translation>SNMP の状態がエラー (用紙切れ、カバー開放、紙詰まり、オフライン) を報告しているネットワークプリンターにも送信します。</translation>
    </message>
</context>
<context>
    <name>CommandLineText</name>
    <message>
        <source> Did you mean --%1?</source>
        <translation> --%1 のことですか?</translation>
    </message>
    <message>
        <source>%1 goes with --convert</source>
        <translation>%1 は --convert と一緒に使います</translation>
    </message>
    <message>
        <source>--convert makes a BMP: leave out --pcx</source>
        <translation>--convert は BMP を作ります: --pcx を外してください</translation>
    </message>
    <message>
        <source>--dither and --threshold exclude each other</source>
        <translation>--dither と --threshold は同時に使えません</translation>
    </message>
    <message>
        <source>--threshold takes a grey from %1 to %2, not &quot;%3&quot;</source>
        <translation>--threshold には %1 から %2 までの灰色を指定します。「%3」は使えません</translation>
    </message>
    <message>
        <source>--width takes a number of dots from 1 to %1, not &quot;%2&quot;</source>
        <translation>--width には 1 から %1 までのドット数を指定します。「%2」は使えません</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 バイト</translation>
    </message>
    <message>
        <source>%1 takes a whole number of at least 1, not &quot;%2&quot;</source>
        <translation>%1 には 1 以上の整数を指定します。「%2」は使えません</translation>
    </message>
    <message>
        <source>%1 takes a whole number of seconds from 1 to %2, not &quot;%3&quot;</source>
        <translation>%1 には 1 から %2 までの整数の秒数を指定します。「%3」は使えません</translation>
    </message>
    <message>
        <source>%1 belongs right after an action that takes it (%2)</source>
        <translation>%1 はそれを取るアクションの直後に置きます (%2)</translation>
    </message>
    <message>
        <source>%1 is given twice for %2</source>
        <translation>%1 が %2 に二度指定されています</translation>
    </message>
    <message>
        <source>%1 needs %2</source>
        <translation>%1 には %2 が必要です</translation>
    </message>
    <message>
        <source>Firmware %1: %2, SHA-256 %3</source>
        <translation>ファームウェア %1: %2、SHA-256 %3</translation>
    </message>
    <message>
        <source>--%1 goes with --dry-run</source>
        <translation>--%1 は --dry-run と一緒に使います</translation>
    </message>
    <message>
        <source>--progress takes json, not &quot;%1&quot;</source>
        <translation>--progress には json を指定します。「%1」は使えません</translation>
    </message>
    <message>
        <source>--progress goes with a run that sends: leave out --dry-run</source>
        <translation>--progress は送信する実行で使います: --dry-run を外してください</translation>
    </message>
    <message>
        <source>--discover finds printers: leave out --to and --targets</source>
        <translation>--discover はプリンターを探します: --to と --targets を外してください</translation>
    </message>
    <message>
        <source>no printer to send to: give --to or --targets</source>
        <translation>送信先のプリンターがありません: --to か --targets を指定してください</translation>
    </message>
    <message>
        <source>%1 gives what the file gives: leave out one</source>
        <translation>%1 はファイルと同じものを指定しています: どちらかを外してください</translation>
    </message>
    <message>
        <source>nothing to send: give at least one action, such as --profile or --firmware</source>
        <translation>送信するものがありません: --profile や --firmware などのアクションを一つ以上指定してください</translation>
    </message>
    <message>
        <source>--output %1 takes the image of one --convert, not %2</source>
        <translation>--output %1 には --convert 一つの画像を出力します。%2 個は出力できません</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;: targets go after --to</source>
        <translation>予期しない引数「%1」: 送信先は --to の後に指定します</translation>
    </message>
    <message>
        <source>--discover, --status and --watch send nothing: leave out the actions and --dry-run</source>
        <translation>--discover、--status、--watch は何も送信しません: アクションと --dry-run を外してください</translation>
    </message>
    <message>
        <source>the report</source>
        <translation>レポート</translation>
    </message>
    <message>
        <source>varimonde-setup: interrupted before the output was written</source>
        <translation>varimonde-setup: 出力を書き込む前に中断されました</translation>
    </message>
    <message>
        <source>varimonde-setup: cannot write the output: %1</source>
        <translation>varimonde-setup: 出力を書き込めません: %1</translation>
    </message>
    <message>
        <source>Try &apos;varimonde-setup --help&apos; for more information.</source>
        <translation>詳しくは &apos;varimonde-setup --help&apos; を実行してください。</translation>
    </message>
    <message>
        <source>varimonde-setup: interrupted while the files were read</source>
        <translation>varimonde-setup: ファイルの読み込み中に中断されました</translation>
    </message>
    <message>
        <source>varimonde-setup: interrupted before the bytes were shown</source>
        <translation>varimonde-setup: バイトを表示する前に中断されました</translation>
    </message>
    <message>
        <source>--discover, --status and --watch exclude each other</source>
        <translation>--discover、--status、--watch は同時に使えません</translation>
    </message>
    <message>
        <source>--inventory goes with --status</source>
        <translation>--inventory は --status と一緒に使います</translation>
    </message>
    <message>
        <source>--metrics goes with --watch</source>
        <translation>--metrics は --watch と一緒に使います</translation>
    </message>
    <message>
        <source>--%1 goes with --discover</source>
        <translation>--%1 は --discover と一緒に使います</translation>
    </message>
    <message>
        <source>--force goes with --write-targets</source>
        <translation>--force は --write-targets と一緒に使います</translation>
    </message>
    <message>
        <source>the targets file</source>
        <translation>送信先ファイル</translation>
    </message>
    <message>
        <source>the inventory</source>
        <translation>インベントリ</translation>
    </message>
    <message>
        <source>%1: not a network printer; its status cannot be read, it is not watched</source>
        <translation>%1: ネットワークプリンターではありません。状態を読み取れないので監視しません</translation>
    </message>
    <message>
        <source>varimonde-setup: no network printer to watch</source>
        <translation>varimonde-setup: 監視するネットワークプリンターがありません</translation>
    </message>
    <message>
        <source>varimonde-setup: cannot serve metrics on %1</source>
        <translation>varimonde-setup: %1 でメトリクスを提供できません</translation>
    </message>
    <message>
        <source>serving metrics on http://%1:%2/metrics</source>
        <translation>http://%1:%2/metrics でメトリクスを提供しています</translation>
    </message>
    <message>
        <source>watched %1 printer for %2 s: %3 reads, %4 events; %5 online, %6 not</source>
        <translation>%1 台のプリンターを %2 秒監視しました: 読み取り %3 回、イベント %4 件。オンライン %5 台、オフライン %6 台</translation>
    </message>
    <message>
        <source>watched %1 printers for %2 s: %3 reads, %4 events; %5 online, %6 not</source>
        <translation>%1 台のプリンターを %2 秒監視しました: 読み取り %3 回、イベント %4 件。オンライン %5 台、オフライン %6 台</translation>
    </message>
    <message>
        <source>varimonde-setup: cannot write %1: %2</source>
        <translation>varimonde-setup: %1を書き込めません: %2</translation>
    </message>
    <message>
        <source>sent %1 bytes in %2 s</source>
        <translation>%1 バイトを %2 秒で送信しました</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <translation>失敗: %1</translation>
    </message>
    <message>
        <source>cancelled after %1 bytes</source>
        <translation>%1 バイト送信後に中止しました</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>%1 を読み取れませんでした: %2</translation>
    </message>
    <message>
        <source>%1 holds more than %2 bytes: not a secrets file</source>
        <translation>%1 は %2 バイトを超えています: 秘密情報ファイルではありません</translation>
    </message>
    <message>
        <source>%1 is not community=, auth= or priv=</source>
        <translation>%1 は community=、auth=、priv= のどれでもありません</translation>
    </message>
    <message>
        <source>%1: %2 is empty</source>
        <translation>%1: %2 が空です</translation>
    </message>
    <message>
        <source>%1: %2 holds a control character</source>
        <translation>%1: %2 に制御文字が含まれています</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>標準入力</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2</source>
        <translation>%1 を開けませんでした: %2</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 は通常のファイルではありません</translation>
    </message>
    <message>
        <source>an empty target: %1</source>
        <translation>空の送信先: %1</translation>
    </message>
    <message>
        <source>target &quot;%1&quot;: %2</source>
        <translation>送信先「%1」: %2</translation>
    </message>
    <message>
        <source>%1 of %2 bytes delivered</source>
        <translation>%2 バイト中 %1 バイトを送信済み</translation>
    </message>
    <message>
        <source>rate not known yet</source>
        <translation>速度はまだ不明</translation>
    </message>
    <message>
        <source>time left not known</source>
        <translation>残り時間は不明</translation>
    </message>
    <message>
        <source>sent</source>
        <translation>送信済み</translation>
    </message>
    <message>
        <source>--watch takes seconds from 1 to 86400, not &quot;%1&quot;</source>
        <translation>--watch には 1 から 86400 の秒数を指定します (「%1」ではなく)</translation>
    </message>
    <message>
        <source>--metrics takes ADDRESS:PORT, such as 127.0.0.1:9464 or [::1]:9464, not &quot;%1&quot;</source>
        <translation>--metrics には 127.0.0.1:9464 や [::1]:9464 のような ADDRESS:PORT を指定します (「%1」ではなく)</translation>
    </message>
    <message>
        <source>--%1 takes a port from 1 to 65535, not &quot;%2&quot;</source>
        <translation>--%1 には 1 から 65535 のポートを指定します (「%2」ではなく)</translation>
    </message>
    <message>
        <source>--discover needs --range or --dns-sd: nothing is swept unless asked</source>
        <translation>--discover には --range か --dns-sd が必要です: 指定がなければ何も探索しません</translation>
    </message>
    <message>
        <source>pass phrases (--snmp-auth, --snmp-priv, auth=, priv=) go with --snmp-user</source>
        <translation>パスフレーズ (--snmp-auth, --snmp-priv, auth=, priv=) は --snmp-user と一緒に使います</translation>
    </message>
    <message>
        <source>--write-targets %1: the file was not written by --discover (a targets file made by hand?) and is left as it is; give --force to replace it</source>
        <translation>--write-targets %1: このファイルは --discover が書いたものではない (手作業で作った送信先ファイル?) ため、そのままにします。置き換えるには --force を指定してください</translation>
    </message>
    <message>
        <source>SNMP privacy needs authentication: give --snmp-auth too</source>
        <translation>SNMP の暗号化には認証が必要です: --snmp-auth も指定してください</translation>
    </message>
    <message>
        <source>SNMP v3 pass phrases have at least 8 characters</source>
        <translation>SNMP v3 のパスフレーズは 8 文字以上です</translation>
    </message>
    <message>
        <source>the SNMP community is empty</source>
        <translation>SNMP コミュニティが空です</translation>
    </message>
    <message>
        <source>an empty range</source>
        <translation>空の範囲</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a host name or address</source>
        <translation>「%1」はホスト名でもアドレスでもありません</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an IPv4 range such as 192.168.1.0/24</source>
        <translation>「%1」は 192.168.1.0/24 のような IPv4 の範囲ではありません</translation>
    </message>
    <message>
        <source>the range %1 is wider than /%2 (%3 addresses): give smaller ranges</source>
        <translation>範囲 %1 は /%2 (%3 アドレス) より広いです: より小さい範囲を指定してください</translation>
    </message>
</context>
<context>
    <name>ConfigPage</name>
    <message>
        <source>&amp;Darkness </source>
        <translation>印字濃度(&amp;D)</translation>
    </message>
    <message>
        <source>Darkness:</source>
        <translation>印字濃度:</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Warning: Darkness Greater than 50 May Decrease the Life of the Printhead.</source>
        <translation>注意: 印字濃度が 50 を超えると印字ヘッドの寿命が短くなることがあります。</translation>
    </message>
    <message>
        <source>&amp;Width</source>
        <translation>印字幅(&amp;W)</translation>
    </message>
    <message>
        <source>Printer Width:</source>
        <translation>印字幅:</translation>
    </message>
    <message>
        <source>416 represents 4.16 inches wide.  For 3.00 inch media use 300.</source>
        <translation>416 は幅 4.16 インチを表します。3.00 インチの用紙には 300 を指定します。</translation>
    </message>
    <message>
        <source>416</source>
        <translation>416</translation>
    </message>
    <message>
        <source>Default for a 2 inch: 224</source>
        <translation>2 インチの既定値: 224</translation>
    </message>
    <message>
        <source>Default for a 4 inch: 416</source>
        <translation>4 インチの既定値: 416</translation>
    </message>
    <message>
        <source>&amp;PrintSpeed</source>
        <translation>印字速度(&amp;P)</translation>
    </message>
    <message>
        <source>Select PrintSpeed</source>
        <translation>印字速度を選択</translation>
    </message>
    <message>
        <source>PrintSpeed</source>
        <translation>印字速度</translation>
    </message>
    <message>
        <source>Configure the speed at which your printer prints.  This may affect print quality.</source>
        <translation>印字速度を設定します。印字品質に影響することがあります。</translation>
    </message>
    <message>
        <source>Print &amp;Mode</source>
        <translation>印字モード(&amp;M)</translation>
    </message>
    <message>
        <source>Configure your printer for Direct Thermal or Thermal Transfer mode</source>
        <translation>プリンターをダイレクトサーマルまたは熱転写モードに設定します</translation>
    </message>
    <message>
        <source>Print Mode</source>
        <translation>印字モード</translation>
    </message>
    <message>
        <source>Configure your printer to Direct Thermal (DT) or Thermal Transfer (TT) mode.</source>
        <translation>ダイレクトサーマル (DT) か熱転写 (TT) かを設定します。</translation>
    </message>
    <message>
        <source>Kestra emulation reduces printer performance and lowers print resolution.  Kestra emulation should only be used to make your Tornelo backwards compatible.</source>
        <translation>Kestra エミュレーションは印刷性能と解像度を下げます。Tornelo に下位互換性を持たせる場合にのみ使用してください。</translation>
    </message>
    <message>
        <source>&amp;Kestra Emulation</source>
        <translation>Kestra エミュレーション(&amp;K)</translation>
    </message>
    <message>
        <source>Dis&amp;able Emulation in Printer</source>
        <translation>エミュレーション無効(&amp;A)</translation>
    </message>
    <message>
        <source>Kestra emulation allows your old labels to print properly in the Tornelo.  Use the Scaler to change label size (default 100}</source>
        <translation>Kestra エミュレーションを使うと、古いラベルを Tornelo で正しく印刷できます。ラベルの大きさは倍率で変更します (既定値 100)</translation>
    </message>
    <message>
        <source>Scaler:</source>
        <translation>倍率:</translation>
    </message>
    <message>
        <source>Right-Click to Set Value Manually</source>
        <translation>右クリックで値を直接入力</translation>
    </message>
    <message>
        <source>100</source>
        <translation>100</translation>
    </message>
    <message>
        <source>Varimonde recommends setting your text buffer to no more than 32K.</source>
        <translation>Varimonde はテキストバッファーを 32K 以下にすることを推奨します。</translation>
    </message>
    <message>
        <source>&amp;Text Buffer</source>
        <translation>テキストバッファー(&amp;T)</translation>
    </message>
    <message>
        <source>Text Buffer (Main)</source>
        <translation>バッファー (メイン)</translation>
    </message>
    <message>
        <source>4096</source>
        <translation>4096</translation>
    </message>
    <message>
        <source>Right-Click to set buffer manually.</source>
        <translation>右クリックでバッファーを直接設定します。</translation>
    </message>
    <message>
        <source>Text Buffer (Overflow)</source>
        <translation>バッファー (予備)</translation>
    </message>
    <message>
        <source>Right-Click to set buffer manually</source>
        <translation>右クリックでバッファーを直接設定</translation>
    </message>
    <message>
        <source>Note: Changing these settings will delete any stored graphics, and will reduce the amount of memory reserved for graphics.</source>
        <translation>注意: この設定を変更すると保存済みのグラフィックがすべて削除され、グラフィック用のメモリが減ります。</translation>
    </message>
    <message>
        <source>Uploads current settings to printer</source>
        <translation>現在の設定をプリンターに送信します</translation>
    </message>
    <message>
        <source>&amp;Upload Settings to Printer</source>
        <translation>プリンターへ送信(&amp;U)</translation>
    </message>
    <message>
        <source>Imports saved profile for easy duplication of printer configurations</source>
        <translation>保存したプロファイルを読み込み、プリンター構成を簡単に複製します</translation>
    </message>
    <message>
        <source>&amp;Import Profile</source>
        <translation>読み込み(&amp;I)</translation>
    </message>
    <message>
        <source>Saves and exports profile for future printer setup</source>
        <translation>今後のプリンター設定のためにプロファイルを保存して書き出します</translation>
    </message>
    <message>
        <source>E&amp;xport Profile</source>
        <translation>書き出し(&amp;X)</translation>
    </message>
    <message>
        <source>Opens seperate window with Varimonde commands for printer setup.</source>
        <translation>プリンター設定用の Varimonde コマンドを別ウィンドウで開きます。</translation>
    </message>
    <message>
        <source>&amp;Show Details</source>
        <translation>詳細を表示(&amp;S)</translation>
    </message>
    <message>
        <source>Please Enter Desired Scaler</source>
        <translation>倍率を入力してください</translation>
    </message>
    <message>
        <source>Scaler Setting</source>
        <translation>倍率の設定</translation>
    </message>
    <message>
        <source>Maximum Value is 250</source>
        <translation>最大値は 250 です</translation>
    </message>
    <message>
        <source>Invalid Data</source>
        <translation>無効なデータです</translation>
    </message>
    <message>
        <source>Set Value for Main Text Buffer</source>
        <translation>メインのテキストバッファーの値</translation>
    </message>
    <message>
        <source>Primary Text Buffer</source>
        <translation>メインのテキストバッファー</translation>
    </message>
    <message>
        <source>Enter value for Overflow Buffer</source>
        <translation>予備バッファーの値を入力してください</translation>
    </message>
    <message>
        <source>Overflow Buffer</source>
        <translation>予備バッファー</translation>
    </message>
    <message>
        <source>Overflow must fall between 0 and (Text Buffer-1024)</source>
        <translation>予備バッファーは 0 から (テキストバッファー-1024) の間にしてください</translation>
    </message>
    <message>
        <source>Overflow Buffer Warning</source>
        <translation>予備バッファーの警告</translation>
    </message>
    <message>
        <source>Configuration block</source>
        <translation>設定ブロック</translation>
    </message>
</context>
<context>
    <name>DetailsWindow</name>
    <message>
        <source>Details</source>
        <translation>詳細</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Send Anyway</source>
        <translation>それでも送信</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>Interrupted while the files were read: cancelled before sending.</source>
        <translation>ファイルの読み込み中に中断されました: 送信前にキャンセルしました。</translation>
    </message>
    <message>
        <source>Interrupted: the transfer was stopped and its end not waited for.</source>
        <translation>中断されました: 転送を停止し、その終了は待ちませんでした。</translation>
    </message>
    <message>
        <source>Interrupted before this printer&apos;s turn: nothing was sent.</source>
        <translation>このプリンターの順番の前に中断されました: 何も送信していません。</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>無効なプロパティ値</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>型が一致しません</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>オーバーフロー</translation>
    </message>
    <message>
        <source>Cancel was selected.</source>
        <translation>キャンセルが選択されました。</translation>
    </message>
    <message>
        <source>Subscript out of range: there are no bytes in memory to send</source>
        <translation>インデックスが範囲外です: 送信するバイトがメモリにありません</translation>
    </message>
    <message>
        <source>The transfer was cancelled.</source>
        <translation>転送はキャンセルされました。</translation>
    </message>
    <message>
        <source>The transfer was stopped.</source>
        <translation>転送は停止されました。</translation>
    </message>
    <message>
        <source>Bad file name or number</source>
        <translation>ファイル名または番号が不正です</translation>
    </message>
    <message>
        <source>%1 is out of paper: load labels and try again.</source>
        <translation>%1 は用紙切れです: ラベルをセットして再試行してください。</translation>
    </message>
    <message>
        <source>%1 is offline: put the printer online and try again.</source>
        <translation>%1 はオフラインです: プリンターをオンラインにして再試行してください。</translation>
    </message>
    <message>
        <source>%1 reports an error: check the printer&apos;s cover, labels and ribbon, then try again.</source>
        <translation>%1 がエラーを報告しています: プリンターのカバー、ラベル、リボンを確認してから再試行してください。</translation>
    </message>
    <message>
        <source>Device I/O error: %1 accepted no data for %2 seconds. Check that the printer is on, online and has paper.</source>
        <translation>デバイス I/O エラー: %1 は %2 秒間データを受け付けませんでした。プリンターの電源、オンライン状態、用紙を確認してください。</translation>
    </message>
    <message>
        <source>%1 bytes delivered</source>
        <translation>%1 バイトを送達</translation>
    </message>
    <message>
        <source>No printer address is set: enter the printer&apos;s network name or IP address on the Communication Settings tab.</source>
        <translation>プリンターのアドレスが設定されていません: 通信設定タブでプリンターのネットワーク名または IP アドレスを入力してください。</translation>
    </message>
    <message>
        <source>could not look %1 up within %2 s: check the name and the DNS server</source>
        <translation>%2 秒以内に %1 を名前解決できませんでした: 名前と DNS サーバーを確認してください</translation>
    </message>
    <message>
        <source>The printer&apos;s network name &quot;%1&quot; could not be found (port %2): check the name, or enter the printer&apos;s IP address instead.</source>
        <translation>プリンターのネットワーク名「%1」が見つかりません (ポート %2): 名前を確認するか、代わりにプリンターの IP アドレスを入力してください。</translation>
    </message>
    <message>
        <source>%1 did not answer within %2 seconds: check the address, and that the printer is on and connected to the network.</source>
        <translation>%1 は %2 秒以内に応答しませんでした: アドレスと、プリンターの電源およびネットワーク接続を確認してください。</translation>
    </message>
    <message>
        <source>%1 refused the connection: check that this is the printer&apos;s address and that it takes print jobs on port %2 (9100 on most printers).</source>
        <translation>%1 が接続を拒否しました: プリンターのアドレスであること、ポート %2 (ほとんどのプリンターは 9100) で印刷ジョブを受け付けることを確認してください。</translation>
    </message>
    <message>
        <source>%1 cannot be reached: %2</source>
        <translation>%1 に到達できません: %2</translation>
    </message>
    <message>
        <source>%1 closed the connection during the transfer: the printer may have been switched off or restarted.</source>
        <translation>%1 が転送中に接続を閉じました: プリンターの電源が切られたか再起動した可能性があります。</translation>
    </message>
    <message>
        <source>The connection to %1 failed during the transfer: %2</source>
        <translation>転送中に %1 への接続が失敗しました: %2</translation>
    </message>
    <message>
        <source>%1 stopped answering: nothing came back for %2 s. Check that the printer is on and connected to the network.</source>
        <translation>%1 が応答しなくなりました: %2 秒間何も返ってきません。プリンターの電源とネットワーク接続を確認してください。</translation>
    </message>
    <message>
        <source>%1 %2; the wait for an answer is set on the Communication Settings tab (Give up after) or with --stall-limit.</source>
        <translation>%1 %2。応答の待ち時間は通信設定タブ (打ち切り) または --stall-limit で設定します。</translation>
    </message>
    <message>
        <source>%1 took no data for %2 s though it still answers: check paper, ribbon and the printer&apos;s display. %3; the wait for progress is set on the Communication Settings tab (Give up after) or with --busy-limit.</source>
        <translation>%1 は応答していますが %2 秒間データを受け取っていません: 用紙、リボン、プリンターの表示を確認してください。%3。進行の待ち時間は通信設定タブ (打ち切り) または --busy-limit で設定します。</translation>
    </message>
    <message>
        <source>%1 does not exist on this computer. No serial ports were found: check that the printer&apos;s cable or USB adapter is plugged in.</source>
        <translation>%1 はこのコンピューターにありません。シリアルポートが見つかりません: プリンターのケーブルまたは USB アダプターが接続されているか確認してください。</translation>
    </message>
    <message>
        <source>%1 does not exist on this computer. Serial ports found: %2. Choose one of them on the Communication Settings tab and press Apply.</source>
        <translation>%1 はこのコンピューターにありません。見つかったシリアルポート: %2。通信設定タブでいずれかを選び、適用を押してください。</translation>
    </message>
    <message>
        <source>Permission denied on %1. Your user must be in the group &apos;%2&apos; that owns the port: run &apos;sudo usermod -aG %2 $USER&apos;, then log out and in again.</source>
        <translation>%1 へのアクセスが拒否されました。ユーザーはポートを所有するグループ &apos;%2&apos; に属している必要があります: &apos;sudo usermod -aG %2 $USER&apos; を実行し、ログインし直してください。</translation>
    </message>
    <message>
        <source>Permission denied on %1. Ask your administrator for read and write access to it.</source>
        <translation>%1 へのアクセスが拒否されました。管理者に読み書きの権限を依頼してください。</translation>
    </message>
    <message>
        <source>%1 is in use by another program%2. Close that program and try again.</source>
        <translation>%1 は別のプログラムが使用中です%2。そのプログラムを閉じてから再試行してください。</translation>
    </message>
    <message>
        <source>%1 is already open: another transfer is still running.</source>
        <translation>%1 は既に開かれています: 別の転送が実行中です。</translation>
    </message>
    <message>
        <source>%1 does not accept the line settings: %2</source>
        <translation>%1 は回線設定を受け付けません: %2</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>%1 を開けません: %2</translation>
    </message>
    <message>
        <source>No parallel or USB printer ports were found.</source>
        <translation>パラレルポートも USB プリンターポートも見つかりません。</translation>
    </message>
    <message>
        <source>Parallel and USB printer ports found: %1. Choose one of them on the Communication Settings tab.</source>
        <translation>見つかったパラレル/USB プリンターポート: %1。通信設定タブでいずれかを選んでください。</translation>
    </message>
    <message>
        <source>Another transfer to the printer is still running: wait for it to finish, or cancel it, then try again.</source>
        <translation>プリンターへの別の転送が実行中です: 終了を待つかキャンセルしてから再試行してください。</translation>
    </message>
    <message>
        <source>No USB printer is connected.</source>
        <translation>USB プリンターが接続されていません。</translation>
    </message>
    <message>
        <source>USB Printer %1 is not connected.</source>
        <translation>USB プリンター %1 は接続されていません。</translation>
    </message>
    <message>
        <source>Check that the printer is switched on and its USB cable is plugged in at both ends, and that the usblp driver is loaded (lsmod | grep usblp; load it with: sudo modprobe usblp).</source>
        <translation>プリンターの電源が入っていること、USB ケーブルが両端で接続されていること、usblp ドライバーが読み込まれていることを確認してください (lsmod | grep usblp、読み込むには sudo modprobe usblp)。</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>エラー: %1</translation>
    </message>
    <message>
        <source>Could not set comm state: the serial port cannot send with %1 data bits. Choose 5 to 8 data bits.</source>
        <translation>ポートの状態を設定できません: シリアルポートは %1 データビットでは送信できません。5～8 データビットを選んでください。</translation>
    </message>
    <message>
        <source>%1 stopped working during the transfer: the device or its USB adapter was removed or failed (%2).</source>
        <translation>%1 は転送中に動作を停止しました: デバイスまたは USB アダプターが取り外されたか故障しました (%2)。</translation>
    </message>
    <message>
        <source>%1 failed during the transfer: %2</source>
        <translation>%1 は転送中に失敗しました: %2</translation>
    </message>
    <message>
        <source>%1 accepted no data for %2 seconds: check that the printer is on, online and connected.</source>
        <translation>%1 は %2 秒間データを受け付けませんでした: プリンターの電源、オンライン状態、接続を確認してください。</translation>
    </message>
    <message>
        <source>Interrupted: nothing more was sent.</source>
        <translation>中断されました: それ以上は送信していません。</translation>
    </message>
    <message>
        <source>Interrupted: the transfer was stopped and what was queued discarded; %1 bytes delivered.</source>
        <translation>中断されました: 転送を停止し、キューにあったものを破棄しました。%1 バイトを送達。</translation>
    </message>
    <message>
        <source>Printer Setup</source>
        <translation>プリンターのセットアップ</translation>
    </message>
    <message>
        <source>Invalid Width Argument.</source>
        <translation>幅の値が正しくありません。</translation>
    </message>
    <message>
        <source>Maximum Width is 416</source>
        <translation>最大幅は 416 です</translation>
    </message>
    <message>
        <source>Invalid Print Mode. Valid Modes are DT and TT</source>
        <translation>印刷モードが正しくありません。有効なモードは DT と TT です</translation>
    </message>
    <message>
        <source>Invalid Print Speed</source>
        <translation>印刷速度が正しくありません</translation>
    </message>
    <message>
        <source>an IPv6 address needs its closing ]</source>
        <translation>IPv6 アドレスに閉じる ] がありません</translation>
    </message>
    <message>
        <source>write an IPv6 address in brackets: tcp://[2001:db8::5]:9100</source>
        <translation>IPv6 アドレスは角かっこで囲んでください: tcp://[2001:db8::5]:9100</translation>
    </message>
    <message>
        <source>name the USB printer device: usb:/dev/usb/lp0</source>
        <translation>USB プリンターのデバイスを指定してください: usb:/dev/usb/lp0</translation>
    </message>
    <message>
        <source>give COMn[:settings], a serial device path[:settings], LPT1, LPT2, usb:DEVICE or tcp://HOST[:PORT]</source>
        <translation>COMn[:設定]、シリアルデバイスのパス[:設定]、LPT1、LPT2、usb:デバイス、tcp://ホスト[:ポート] のいずれかを指定してください</translation>
    </message>
    <message>
        <source>COM ports are numbered 1 to %1</source>
        <translation>COM ポートの番号は 1 から %1 までです</translation>
    </message>
    <message>
        <source>the line settings &quot;%1&quot; must read baud,parity,data bits,stop bits, such as 9600,N,8,1</source>
        <translation>回線設定「%1」は ボーレート,パリティ,データビット,ストップビット の形にしてください (例: 9600,N,8,1)</translation>
    </message>
    <message>
        <source>Invalid Parallel Port</source>
        <translation>パラレルポートが正しくありません</translation>
    </message>
    <message>
        <source>Invalid Network Printer: enter the printer&apos;s network name or its IPv4 or IPv6 address.</source>
        <translation>ネットワークプリンターが正しくありません。プリンターのネットワーク名または IPv4/IPv6 アドレスを入力してください。</translation>
    </message>
    <message>
        <source>Invalid Network Port: enter a number from 1 to 65535 (9100 on most printers).</source>
        <translation>ネットワークポートが正しくありません。1 から 65535 までの数を入力してください (ほとんどのプリンターは 9100)。</translation>
    </message>
    <message>
        <source>File not found: %1</source>
        <translation>ファイルが見つかりません: %1</translation>
    </message>
    <message>
        <source>Permission denied: %1</source>
        <translation>アクセスが拒否されました: %1</translation>
    </message>
    <message>
        <source>Disk full: %1</source>
        <translation>ディスクがいっぱいです: %1</translation>
    </message>
    <message>
        <source>Device I/O error: %1 (%2)</source>
        <translation>デバイスの入出力エラー: %1 (%2)</translation>
    </message>
    <message>
        <source>Bad file name: %1</source>
        <translation>ファイル名が正しくありません: %1</translation>
    </message>
    <message>
        <source>Path/File access error: %1 (%2)</source>
        <translation>パス/ファイルのアクセスエラー: %1 (%2)</translation>
    </message>
    <message>
        <source>Permission denied: %1 (%2)</source>
        <translation>アクセスが拒否されました: %1 (%2)</translation>
    </message>
    <message>
        <source>Disk full or out of resources: %1 (%2)</source>
        <translation>ディスクがいっぱいか、リソースが足りません: %1 (%2)</translation>
    </message>
    <message>
        <source>%1 was not written: %2</source>
        <translation>%1 は書き込まれませんでした: %2</translation>
    </message>
    <message>
        <source>it is a symbolic link, and nothing is written through one; name the file itself.</source>
        <translation>シンボリックリンクです。リンクを通しては何も書き込みません。ファイルそのものを指定してください。</translation>
    </message>
    <message>
        <source>it is a folder; name a file in it.</source>
        <translation>フォルダーです。その中のファイルを指定してください。</translation>
    </message>
    <message>
        <source>only a regular file is written here.</source>
        <translation>ここに書き込むのは通常のファイルだけです。</translation>
    </message>
    <message>
        <source>it is neither a file, a character device nor a pipe.</source>
        <translation>ファイルでも、キャラクターデバイスでも、パイプでもありません。</translation>
    </message>
    <message>
        <source>it belongs to user %1, not to user %2 for whom the program runs as root.</source>
        <translation>ユーザー %1 の所有です。プログラムが root として動いている対象のユーザー %2 のものではありません。</translation>
    </message>
    <message>
        <source>%1 was not written: nothing opened the pipe to read it within %2 s.</source>
        <translation>%1 は書き込まれませんでした: %2 秒以内にパイプを読み取り用に開くものがありませんでした。</translation>
    </message>
    <message>
        <source>%1 was not written: interrupted.</source>
        <translation>%1 は書き込まれませんでした: 中断されました。</translation>
    </message>
    <message>
        <source>it changed while it was being written.</source>
        <translation>書き込み中に変更されました。</translation>
    </message>
    <message>
        <source>no file name was given.</source>
        <translation>ファイル名が指定されていません。</translation>
    </message>
    <message>
        <source>only a regular file is written.</source>
        <translation>書き込むのは通常のファイルだけです。</translation>
    </message>
    <message>
        <source>%1 (no COM number reaches it)</source>
        <translation>%1 (どの COM 番号からも使えません)</translation>
    </message>
    <message>
        <source>Put the printer online (its pause or feed button) and try again.</source>
        <translation>プリンターをオンラインにして (一時停止またはフィードボタン)、もう一度試してください。</translation>
    </message>
    <message>
        <source>Open the printer, clear the jammed labels, close it and try again.</source>
        <translation>プリンターを開けて詰まったラベルを取り除き、閉じてからもう一度試してください。</translation>
    </message>
    <message>
        <source>Close the printer&apos;s cover and try again.</source>
        <translation>プリンターのカバーを閉じて、もう一度試してください。</translation>
    </message>
    <message>
        <source>Load labels, close the printer and try again.</source>
        <translation>ラベルをセットし、プリンターを閉じてからもう一度試してください。</translation>
    </message>
    <message>
        <source>Load a ribbon, close the printer and try again.</source>
        <translation>リボンをセットし、プリンターを閉じてからもう一度試してください。</translation>
    </message>
    <message>
        <source>Take the printed labels out and try again.</source>
        <translation>印刷済みのラベルを取り出して、もう一度試してください。</translation>
    </message>
    <message>
        <source>The printer reports %1: nothing was sent. %2</source>
        <translation>プリンターは %1 と報告しています。何も送っていません。%2</translation>
    </message>
    <message>
        <source>The printer reports %1: nothing was sent. %2 Give --ignore-status to send anyway.</source>
        <translation>プリンターは %1 と報告しています。何も送っていません。%2 それでも送るには --ignore-status を指定してください。</translation>
    </message>
    <message>
        <source>No printer address is set: name the printer with --to tcp://HOST.</source>
        <translation>プリンターのアドレスが設定されていません: --to tcp://ホスト でプリンターを指定してください。</translation>
    </message>
    <message>
        <source>%1 %2; the wait for an answer is set with --stall-limit.</source>
        <translation>%1 %2。応答の待ち時間は --stall-limit で設定します。</translation>
    </message>
    <message>
        <source>%1 took no data for %2 s though it still answers: check paper, ribbon and the printer&apos;s display. %3; the wait for progress is set with --busy-limit.</source>
        <translation>%1 は応答していますが %2 秒間データを受け取っていません: 用紙、リボン、プリンターの表示を確認してください。%3。進行の待ち時間は --busy-limit で設定します。</translation>
    </message>
    <message>
        <source>%1 does not exist on this computer. Serial ports found: %2. Name one of them with --to.</source>
        <translation>%1 はこのコンピューターにありません。見つかったシリアルポート: %2。いずれかを --to で指定してください。</translation>
    </message>
    <message>
        <source>Parallel and USB printer ports found: %1. Name one of them with --to.</source>
        <translation>見つかったパラレル/USB プリンターポート: %1。いずれかを --to で指定してください。</translation>
    </message>
    <message>
        <source>ignoring the settings in %1, which cannot be read: it is not a regular file; starting values apply, and the file is left as it is</source>
        <translation>%1 の設定を無視します。通常のファイルではないため読み込めません。初期値を使い、ファイルはそのままにします</translation>
    </message>
    <message>
        <source>ignoring the settings in %1, which cannot be read: it is larger than %2 KiB; starting values apply, and the file is left as it is</source>
        <translation>%1 の設定を無視します。%2 KiB を超えるため読み込めません。初期値を使い、ファイルはそのままにします</translation>
    </message>
    <message>
        <source>ignoring the settings in %1, which cannot be read; starting values apply, and the file is left as it is</source>
        <translation>%1 の設定を無視します。読み込めません。初期値を使い、ファイルはそのままにします</translation>
    </message>
    <message>
        <source>ignoring the settings in %1, which cannot be read; starting values apply, and the file is written afresh</source>
        <translation>%1 の設定を無視します。読み込めません。初期値を使い、ファイルは新しく書き直します</translation>
    </message>
    <message>
        <source>ignoring the settings in %1, which cannot be understood; starting values apply, and the file is written afresh</source>
        <translation>%1 の設定を無視します。内容を解釈できません。初期値を使い、ファイルは新しく書き直します</translation>
    </message>
    <message>
        <source>the settings will not be saved: %1</source>
        <translation>設定は保存されません: %1</translation>
    </message>
    <message>
        <source>the settings were not saved: %1</source>
        <translation>設定を保存できませんでした: %1</translation>
    </message>
    <message>
        <source>the sweep could not try %1 of %2 addresses and ports (too many open files): printers may be missing</source>
        <translation>%2 個のアドレスとポートのうち %1 個を試せませんでした (開いているファイルが多すぎます)。見つかっていないプリンターがあるかもしれません</translation>
    </message>
    <message>
        <source>DNS-SD browsing failed: %1</source>
        <translation>DNS-SD の検索に失敗しました: %1</translation>
    </message>
    <message>
        <source>DNS-SD: the Avahi daemon went away (%1)</source>
        <translation>DNS-SD: Avahi デーモンが停止しました (%1)</translation>
    </message>
    <message>
        <source>DNS-SD is not available: no Avahi daemon runs; looking the other ways.</source>
        <translation>DNS-SD を使えません: Avahi デーモンが動いていません。ほかの方法で探します。</translation>
    </message>
    <message>
        <source>DNS-SD is not available: %1; looking the other ways.</source>
        <translation>DNS-SD を使えません: %1。ほかの方法で探します。</translation>
    </message>
    <message>
        <source>%1: not a network printer: its status cannot be read</source>
        <translation>%1: ネットワークプリンターではありません: 状態を読み取れません</translation>
    </message>
    <message>
        <source>File too large: %1 has %2 bytes; a file must be smaller than 2 GiB (%3 bytes) to be held in memory.</source>
        <translation>ファイルが大きすぎます: %1 は %2 バイトです。メモリーに保持するには 2 GiB (%3 バイト) 未満である必要があります。</translation>
    </message>
    <message>
        <source>Out of memory: %1 bytes do not fit in memory.</source>
        <translation>メモリ不足: %1 バイトがメモリーに収まりません。</translation>
    </message>
    <message>
        <source>Input past end of file: %1</source>
        <translation>ファイルの終わりを越えて読み取りました: %1</translation>
    </message>
    <message>
        <source>an SNMP v3 pass phrase is unusable</source>
        <translation>SNMP v3 のパスフレーズが使用できません</translation>
    </message>
    <message>
        <source>cannot open an SNMP session</source>
        <translation>SNMP セッションを開けません</translation>
    </message>
    <message>
        <source>no SNMP answer</source>
        <translation>SNMP の応答がありません</translation>
    </message>
    <message>
        <source>SNMP failed: %1</source>
        <translation>SNMP に失敗しました: %1</translation>
    </message>
    <message>
        <source>SNMP error: %1</source>
        <translation>SNMP エラー: %1</translation>
    </message>
    <message>
        <source>the printer refused the request (the SNMP user or its pass phrases)</source>
        <translation>プリンターが要求を拒否しました (SNMP ユーザーまたはそのパスフレーズ)</translation>
    </message>
    <message>
        <source>SNMP failed: the agent named no engine</source>
        <translation>SNMP に失敗しました: エージェントがエンジンを示しませんでした</translation>
    </message>
    <message>
        <source>the name was not looked up in time</source>
        <translation>名前を時間内に解決できませんでした</translation>
    </message>
    <message>
        <source>the name could not be found</source>
        <translation>名前が見つかりません</translation>
    </message>
    <message>
        <source>Input past end of file: the profile is empty or cut off</source>
        <translation>ファイルの終わりを越えて読み取りました: プロファイルが空か、途中で切れています</translation>
    </message>
</context>
<context>
    <name>FileDrop</name>
    <message>
        <source>Drop one file at a time.</source>
        <translation>ファイルは 1 つずつドロップしてください。</translation>
    </message>
    <message>
        <source>%1 is not a file on this computer: drop a file.</source>
        <translation>%1 はこのコンピューター上のファイルではありません。ファイルをドロップしてください。</translation>
    </message>
    <message>
        <source>%1 is a folder: drop a file.</source>
        <translation>%1 はフォルダーです。ファイルをドロップしてください。</translation>
    </message>
</context>
<context>
    <name>FindPrintersDialog</name>
    <message>
        <source>Find Printers</source>
        <translation>プリンターの検索</translation>
    </message>
    <message>
        <source>&amp;Range:</source>
        <translation>範囲(&amp;R):</translation>
    </message>
    <message>
        <source>192.168.1.0/24, or hosts</source>
        <translation>192.168.1.0/24 またはホスト</translation>
    </message>
    <message>
        <source>CIDR ranges of at most /22 or host names, separated by spaces or commas. Port 9100 of each address is tried; DNS-SD and SNMP are asked too.</source>
        <translation>/22 までの CIDR 範囲またはホスト名を、空白かカンマで区切って指定します。各アドレスのポート 9100 を試し、DNS-SD と SNMP にも問い合わせます。</translation>
    </message>
    <message>
        <source>Range:</source>
        <translation>範囲:</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>開始(&amp;S)</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>停止(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>フィルター(&amp;F):</translation>
    </message>
    <message>
        <source>any text of a row</source>
        <translation>行の任意の文字列</translation>
    </message>
    <message>
        <source>Filter:</source>
        <translation>フィルター:</translation>
    </message>
    <message>
        <source>Search Progress</source>
        <translation>検索の進行状況</translation>
    </message>
    <message>
        <source>Printers Found</source>
        <translation>見つかったプリンター</translation>
    </message>
    <message>
        <source>Nothing is scanned until Start is pressed.</source>
        <translation>「開始」を押すまで検索しません。</translation>
    </message>
    <message>
        <source>&amp;Use This Printer</source>
        <translation>このプリンターを使用(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>閉じる(&amp;C)</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>アドレス</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>ポート</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Make and Model</source>
        <translation>メーカーとモデル</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>シリアル番号</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>Found By</source>
        <translation>検出方法</translation>
    </message>
    <message>
        <source>1 printer found.</source>
        <translation>1 台のプリンターが見つかりました。</translation>
    </message>
    <message>
        <source>%1 printers found.</source>
        <translation>%1 台のプリンターが見つかりました。</translation>
    </message>
    <message>
        <source>Looking...</source>
        <translation>検索中...</translation>
    </message>
    <message>
        <source>&amp;Watch</source>
        <translation>監視(&amp;W)</translation>
    </message>
    <message>
        <source>Reads the printers found again every few seconds over SNMP and shows their status and alerts as they change.</source>
        <translation>見つかったプリンターを数秒ごとに SNMP で読み直し、状態とアラートの変化を表示します。</translation>
    </message>
    <message>
        <source>Printer Details</source>
        <translation>プリンターの詳細</translation>
    </message>
    <message>
        <source>Select a printer to see what it reports.</source>
        <translation>プリンターを選択すると、その報告内容が表示されます。</translation>
    </message>
    <message>
        <source>Alerts</source>
        <translation>アラート</translation>
    </message>
    <message>
        <source>critical</source>
        <translation>重大</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>other</source>
        <translation>その他</translation>
    </message>
    <message>
        <source>at uptime %1</source>
        <translation>稼働時間 %1 の時点</translation>
    </message>
    <message>
        <source>Printer:</source>
        <translation>プリンター:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>状態:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>名前:</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>モデル:</translation>
    </message>
    <message>
        <source>Serial:</source>
        <translation>シリアル番号:</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>設置場所:</translation>
    </message>
    <message>
        <source>Uptime:</source>
        <translation>稼働時間:</translation>
    </message>
    <message>
        <source>Front panel:</source>
        <translation>操作パネル:</translation>
    </message>
    <message>
        <source>group %1, code %2</source>
        <translation>グループ %1、コード %2</translation>
    </message>
    <message>
        <source>Alert:</source>
        <translation>アラート:</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: %2, raised %3</source>
        <translation>%1: %2、発生 %3</translation>
    </message>
    <message>
        <source>Media:</source>
        <translation>用紙:</translation>
    </message>
    <message>
        <source>Odometer:</source>
        <translation>積算カウンター:</translation>
    </message>
    <message>
        <source>This printer has no raw port: it was only named (over IPP), and nothing is sent to an IPP port.</source>
        <translation>このプリンターには RAW ポートがありません。IPP で名前が示されただけで、IPP ポートには何も送信しません。</translation>
    </message>
    <message>
        <source>Last answer:</source>
        <translation>最終応答:</translation>
    </message>
</context>
<context>
    <name>GraphicCheck</name>
    <message>
        <source>%1 × %2 dots, %3 × %4 mm</source>
        <translation>%1 × %2 ドット、%3 × %4 mm</translation>
    </message>
    <message>
        <source> Use Convert… to make one.</source>
        <translation> 「変換…」で作成できます。</translation>
    </message>
    <message>
        <source>%1 is empty.</source>
        <translation>%1 は空です。</translation>
    </message>
    <message>
        <source>%1 is a %2 image, but %3 is chosen as its type: store it as %2.</source>
        <translation>%1 は %2 画像ですが、種類に %3 が選ばれています。%2 として保存してください。</translation>
    </message>
    <message>
        <source>%1 is a %2 image, not a %3: the printer stores 1-bit BMP or PCX images only.</source>
        <translation>%1 は %3 ではなく %2 画像です。プリンターが保存できるのは 1 ビットの BMP または PCX 画像だけです。</translation>
    </message>
    <message>
        <source>%1 is not a %2 image.</source>
        <translation>%1 は %2 画像ではありません。</translation>
    </message>
    <message>
        <source>%1 is an %2-bit colour image: the printer stores black-and-white (1-bit) images only.</source>
        <translation>%1 は %2 ビットのカラー画像です。プリンターが保存できるのは白黒 (1 ビット) 画像だけです。</translation>
    </message>
    <message>
        <source>%1 is a %2-bit colour image: the printer stores black-and-white (1-bit) images only.</source>
        <translation>%1 は %2 ビットのカラー画像です。プリンターが保存できるのは白黒 (1 ビット) 画像だけです。</translation>
    </message>
    <message>
        <source>%1 is cut short: it ends inside its header.</source>
        <translation>%1 は途中で切れています。ヘッダーの中で終わっています。</translation>
    </message>
    <message>
        <source>%1 has no pixels: its header gives %2 × %3 dots.</source>
        <translation>%1 には画素がありません。ヘッダーは %2 × %3 ドットとしています。</translation>
    </message>
    <message>
        <source>%1 is cut short: its header gives %2 bytes, the file has %3.</source>
        <translation>%1 は途中で切れています。ヘッダーは %2 バイトとしていますが、ファイルは %3 バイトです。</translation>
    </message>
    <message>
        <source>%1&apos;s header gives its size as %2 bytes, but the file has %3.</source>
        <translation>%1 のヘッダーはサイズを %2 バイトとしていますが、ファイルは %3 バイトです。</translation>
    </message>
    <message>
        <source>%1 has a bitmap header of %2 bytes, which no Windows bitmap has.</source>
        <translation>%1 のビットマップヘッダーは %2 バイトですが、そのような Windows ビットマップはありません。</translation>
    </message>
    <message>
        <source>%1 gives %2 colour planes; a Windows bitmap has one.</source>
        <translation>%1 はカラープレーンを %2 としていますが、Windows ビットマップは 1 つです。</translation>
    </message>
    <message>
        <source>%1 gives a bit depth of %2, which no Windows bitmap has.</source>
        <translation>%1 はビット深度を %2 としていますが、そのような Windows ビットマップはありません。</translation>
    </message>
    <message>
        <source>method %1</source>
        <translation>方式 %1</translation>
    </message>
    <message>
        <source>%1 is compressed (%2): the printer stores uncompressed bitmaps only.</source>
        <translation>%1 は圧縮されています (%2)。プリンターが保存できるのは非圧縮のビットマップだけです。</translation>
    </message>
    <message>
        <source>%1 has a palette of %2 colours; a 1-bit image has 2 at most.</source>
        <translation>%1 のパレットは %2 色ですが、1 ビット画像は 2 色までです。</translation>
    </message>
    <message>
        <source>%1&apos;s pixel data would start at byte %2, inside its header and palette.</source>
        <translation>%1 の画素データはバイト %2 から始まることになり、ヘッダーとパレットの中です。</translation>
    </message>
    <message>
        <source>%1&apos;s header gives %2 bytes of pixel data, but %3 × %4 dots need %5.</source>
        <translation>%1 のヘッダーは画素データを %2 バイトとしていますが、%3 × %4 ドットには %5 バイト必要です。</translation>
    </message>
    <message>
        <source>%1 is cut short: %2 × %3 dots need %4 bytes of pixel data, the file has %5 after its header.</source>
        <translation>%1 は途中で切れています。%2 × %3 ドットには画素データが %4 バイト必要ですが、ヘッダーの後は %5 バイトです。</translation>
    </message>
    <message>
        <source>%1 is not a PCX image.</source>
        <translation>%1 は PCX 画像ではありません。</translation>
    </message>
    <message>
        <source>%1 is not run-length encoded as a PCX image is.</source>
        <translation>%1 は PCX 画像のようにランレングス符号化されていません。</translation>
    </message>
    <message>
        <source>%1 gives %2 bits per pixel in %3 planes, which no PCX image has.</source>
        <translation>%1 は %3 プレーンで 1 画素あたり %2 ビットとしていますが、そのような PCX 画像はありません。</translation>
    </message>
    <message>
        <source>%1&apos;s lines of %2 bytes cannot hold %3 dots.</source>
        <translation>%1 の %2 バイトの行には %3 ドットが収まりません。</translation>
    </message>
    <message>
        <source>%1 is cut short: its pixel data ends after %2 of %3 lines.</source>
        <translation>%1 は途中で切れています。画素データは %3 行のうち %2 行で終わっています。</translation>
    </message>
    <message>
        <source>bit fields</source>
        <extracomment>A BMP compression kind: the pixels are read through colour masks.</extracomment>
        <translation>ビットフィールド</translation>
    </message>
    <message>
        <source> Add --convert to make one.</source>
        <translation> --convert を付けると作成できます。</translation>
    </message>
</context>
<context>
    <name>GraphicConvertDialog</name>
    <message>
        <source>Convert Graphic</source>
        <translation>グラフィックの変換</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>元の画像</translation>
    </message>
    <message>
        <source>For the printer (1-bit)</source>
        <translation>プリンター用 (1 ビット)</translation>
    </message>
    <message>
        <source>Original Picture</source>
        <translation>元の画像</translation>
    </message>
    <message>
        <source>Converted Picture</source>
        <translation>変換後の画像</translation>
    </message>
    <message>
        <source>Conversion</source>
        <translation>変換</translation>
    </message>
    <message>
        <source>Scale the picture, keeping its aspect</source>
        <translation>縦横比を保って拡大縮小します</translation>
    </message>
    <message>
        <source>&amp;Width in dots:</source>
        <translation>ドット単位の幅(&amp;W):</translation>
    </message>
    <message>
        <source>Width in Dots</source>
        <translation>ドット単位の幅</translation>
    </message>
    <message>
        <source>Swap black and white</source>
        <translation>白黒を反転します</translation>
    </message>
    <message>
        <source>&amp;Invert</source>
        <translation>反転(&amp;I)</translation>
    </message>
    <message>
        <source>Dots darker than this grey print black</source>
        <translation>この灰色より濃い点を黒で印字します</translation>
    </message>
    <message>
        <source>&amp;Threshold:</source>
        <translation>しきい値(&amp;T):</translation>
    </message>
    <message>
        <source>Threshold</source>
        <translation>しきい値</translation>
    </message>
    <message>
        <source>Spread the greys as patterns of dots</source>
        <translation>灰色を点のパターンで表現します</translation>
    </message>
    <message>
        <source>&amp;Dither (error diffusion)</source>
        <translation>ディザ (誤差拡散)(&amp;D)</translation>
    </message>
    <message>
        <source>Save the converted picture as a BMP file</source>
        <translation>変換後の画像を BMP ファイルに保存します</translation>
    </message>
    <message>
        <source>&amp;Save as BMP…</source>
        <translation>BMP で保存(&amp;S)…</translation>
    </message>
    <message>
        <source>Make the converted picture the graphic to store</source>
        <translation>変換後の画像を保存するグラフィックにします</translation>
    </message>
    <message>
        <source>&amp;Use</source>
        <translation>使用(&amp;U)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Wider than the printable width of %1 dots set on Printer Configuration: the printer cuts off the rest.</source>
        <translation>プリンター構成で設定した印字幅 %1 ドットより広いため、プリンターは残りを切り捨てます。</translation>
    </message>
    <message>
        <source>Bitmaps (*.bmp)|*.bmp</source>
        <translation>ビットマップ (*.bmp)|*.bmp</translation>
    </message>
    <message>
        <source>The picture could not be saved to %1: %2</source>
        <translation>画像を %1 に保存できませんでした: %2</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>varimonde-setup: --lang takes a language code such as de or pt_BR; the texts stay in English.</source>
        <translation>varimonde-setup: --lang には de や pt_BR などの言語コードを指定します。表示は英語のままです。</translation>
    </message>
    <message>
        <source>varimonde-setup: no translation into %1; the texts stay in English.</source>
        <translation>varimonde-setup: %1 の翻訳はありません。表示は英語のままです。</translation>
    </message>
</context>
<context>
    <name>LinkAddress</name>
    <message>
        <source>Serial %1 %2</source>
        <translation>シリアル %1 %2</translation>
    </message>
    <message>
        <source>Parallel %1 (%2)</source>
        <translation>パラレル %1 (%2)</translation>
    </message>
    <message>
        <source>USB Printer %1</source>
        <translation>USB プリンター %1</translation>
    </message>
    <message>
        <source>(none found)</source>
        <translation>(見つかりません)</translation>
    </message>
    <message>
        <source>Network %1</source>
        <translation>ネットワーク %1</translation>
    </message>
    <message>
        <source>(no address set)</source>
        <translation>(アドレス未設定)</translation>
    </message>
</context>
<context>
    <name>LogWindow</name>
    <message>
        <source>Send Log</source>
        <translation>送信ログ</translation>
    </message>
    <message>
        <source>Sends</source>
        <translation>送信</translation>
    </message>
    <message>
        <source>Bytes of the selected send</source>
        <translation>選択した送信のバイト</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>コピー(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>名前を付けて保存(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Reset Settings...</source>
        <translation>設定をリセット(&amp;R)...</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>閉じる(&amp;L)</translation>
    </message>
    <message>
        <source>The log could not be saved: %1</source>
        <translation>ログを保存できませんでした: %1</translation>
    </message>
    <message>
        <source>Text Files(*.txt)|*.txt|All Files(*.*)|*.*</source>
        <translation>テキストファイル(*.txt)|*.txt|すべてのファイル(*.*)|*.*</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Exit</source>
        <translation>終了(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Log</source>
        <translation>ログ(&amp;L)</translation>
    </message>
    <message>
        <source>Communication Settings</source>
        <translation>通信設定</translation>
    </message>
    <message>
        <source>Printer Configuration</source>
        <translation>プリンター構成</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>キャリブレーション</translation>
    </message>
    <message>
        <source>Data Storage</source>
        <translation>データ保存</translation>
    </message>
    <message>
        <source>Binary Transfer</source>
        <translation>バイナリ転送</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Printer link</source>
        <translation>プリンター接続</translation>
    </message>
    <message>
        <source>Last send</source>
        <translation>最後の送信</translation>
    </message>
    <message>
        <source>The next send goes to: %1
Gives up after %2 s without an answer and %3 s without progress</source>
        <translation>次の送信先: %1
応答なし %2 秒、進行なし %3 秒で中止します</translation>
    </message>
    <message>
        <source>The next send goes to: %1</source>
        <translation>次の送信先: %1</translation>
    </message>
    <message>
        <source>%1 of %2 bytes delivered</source>
        <translation>%2 バイト中 %1 バイトを送信済み</translation>
    </message>
    <message>
        <source>Sent at %1 (%2)</source>
        <translation>%1 に送信 (%2)</translation>
    </message>
    <message>
        <source>Cancelled at %1 (%2)</source>
        <translation>%1 に中止 (%2)</translation>
    </message>
    <message>
        <source>Failed at %1: %2 (%3)</source>
        <translation>%1 に失敗: %2 (%3)</translation>
    </message>
    <message>
        <source>Forget the window&apos;s size and place, the folders the file dialogs open in and the printer link?</source>
        <translation>ウィンドウの大きさと位置、ファイルダイアログのフォルダー、プリンターの接続先を消去しますか?</translation>
    </message>
    <message>
        <source>Reset Settings</source>
        <translation>設定のリセット</translation>
    </message>
    <message>
        <source>Quit without sending the changed settings?</source>
        <translation>変更した設定を送信せずに終了しますか?</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>A transfer to the printer is running. Stop it and quit?</source>
        <translation>プリンターへの転送中です。中止して終了しますか?</translation>
    </message>
    <message>
        <source>Stop and Quit</source>
        <translation>中止して終了</translation>
    </message>
    <message>
        <source>Keep Sending</source>
        <translation>送信を続ける</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>ページ</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>The next send goes to: %1
Gives up after %2 s without progress</source>
        <translation>次の送信先: %1
進行なし %2 秒で中止します</translation>
    </message>
</context>
<context>
    <name>OperationBuilders</name>
    <message>
        <source>an empty identifier: the printer could never be asked for it</source>
        <translation>空の識別子です。プリンターに問い合わせることができません</translation>
    </message>
    <message>
        <source>No such USB printer: a USB printer is lp&lt;n&gt; in %1, such as %1/lp0</source>
        <translation>その USB プリンターはありません。USB プリンターは %1 の lp&lt;n&gt; です (例: %1/lp0)</translation>
    </message>
    <message>
        <source>Darkness must be a whole number from %1 to %2</source>
        <translation>濃度は %1 から %2 までの整数にしてください</translation>
    </message>
    <message>
        <source>--ribbon is for thermal transfer (--print-type TT) only</source>
        <translation>--ribbon は熱転写 (--print-type TT) 専用です</translation>
    </message>
    <message>
        <source>--test-label takes 1 (the 4X3 label) or 2 (the 2.4X1 label), not &quot;%1&quot;</source>
        <translation>--test-label には 1 (4X3 ラベル) または 2 (2.4X1 ラベル) を指定します。「%1」は使えません</translation>
    </message>
</context>
<context>
    <name>PortDiscovery</name>
    <message>
        <source>%1 (not connected)</source>
        <translation>%1 (未接続)</translation>
    </message>
</context>
<context>
    <name>ProfileActions</name>
    <message>
        <source>Error Opening File</source>
        <translation>ファイルを開けません</translation>
    </message>
    <message>
        <source>Load Configuration</source>
        <translation>構成の読み込み</translation>
    </message>
</context>
<context>
    <name>ProfileFile</name>
    <message>
        <source>Varimonde Printer Profile (*.vsp)|*.vsp|All Files(*.*)|*.*</source>
        <translation>Varimonde プリンタープロファイル (*.vsp)|*.vsp|すべてのファイル(*.*)|*.*</translation>
    </message>
</context>
<context>
    <name>SendLog</name>
    <message>
        <source>Time</source>
        <translation>時刻</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>接続</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>送信内容</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>結果</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>所要時間</translation>
    </message>
    <message>
        <source>Sent</source>
        <comment>a send&apos;s outcome</comment>
        <translation>送信済み</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <comment>a send&apos;s outcome</comment>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>失敗: %1</translation>
    </message>
    <message>
        <source>... %1 bytes not kept ...</source>
        <translation>... %1 バイトは保持していません ...</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 バイト</translation>
    </message>
    <message>
        <source>%1 of %2 bytes delivered</source>
        <translation>%2 バイト中 %1 バイトを送達</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 秒</translation>
    </message>
</context>
<context>
    <name>SendPresenter</name>
    <message>
        <source>Connecting to %1…</source>
        <translation>%1 に接続中…</translation>
    </message>
    <message>
        <source>Sending to %1…</source>
        <translation>%1 に送信中…</translation>
    </message>
    <message>
        <source>Printer Not Ready</source>
        <translation>プリンターの準備ができていません</translation>
    </message>
    <message>
        <source>Send to %1</source>
        <translation>%1 に送信</translation>
    </message>
    <message>
        <source>Apply the change first?</source>
        <translation>先に変更を適用しますか?</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>適用</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>SnmpAnswer</name>
    <message>
        <source>ten-thousandths of an inch</source>
        <translation>1/10000 インチ</translation>
    </message>
    <message>
        <source>micrometers</source>
        <translation>マイクロメートル</translation>
    </message>
    <message>
        <source>characters</source>
        <translation>文字</translation>
    </message>
    <message>
        <source>lines</source>
        <translation>行</translation>
    </message>
    <message>
        <source>impressions</source>
        <translation>印刷数</translation>
    </message>
    <message>
        <source>sheets</source>
        <translation>枚</translation>
    </message>
    <message>
        <source>dot rows</source>
        <translation>ドット行</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>時間</translation>
    </message>
    <message>
        <source>feet</source>
        <translation>フィート</translation>
    </message>
    <message>
        <source>meters</source>
        <translation>メートル</translation>
    </message>
    <message>
        <source>other</source>
        <translation>その他の単位</translation>
    </message>
    <message>
        <source>%1 d %2:%3:%4</source>
        <translation>%1 日 %2:%3:%4</translation>
    </message>
</context>
<context>
    <name>StorageCommands</name>
    <message>
        <source>The identifier contains a control character (%1), which the printer would take as part of a command. Use letters, digits and symbols.</source>
        <translation>識別子に制御文字 (%1) が含まれています。プリンターはこれをコマンドの一部とみなします。文字、数字、記号を使ってください。</translation>
    </message>
    <message>
        <source>The identifier contains “%1”, which the printer cannot receive. Use letters, digits and symbols of Western European text.</source>
        <translation>識別子に「%1」が含まれていますが、プリンターはこれを受け取れません。西ヨーロッパの文字、数字、記号を使ってください。</translation>
    </message>
    <message>
        <source>Valid Identifier must be no more than 8 characters.</source>
        <translation>有効な識別子は 8 文字以内です。</translation>
    </message>
    <message>
        <source>Identifier must be 8 chars or less</source>
        <translation>識別子は 8 文字以内にしてください</translation>
    </message>
    <message>
        <source>Invalid Quantity: enter a whole number of labels from 1 to 32767</source>
        <translation>数量が正しくありません。ラベル数を 1 から 32767 までの整数で入力してください</translation>
    </message>
</context>
<context>
    <name>StoragePage</name>
    <message>
        <source>Graphic Storage</source>
        <translation>グラフィックの保存</translation>
    </message>
    <message>
        <source>Graphic Type</source>
        <translation>グラフィックの種類</translation>
    </message>
    <message>
        <source>Select Bitmap</source>
        <translation>BMP を選択</translation>
    </message>
    <message>
        <source>&amp;BMP</source>
        <translation>&amp;BMP</translation>
    </message>
    <message>
        <source>Select PCX</source>
        <translation>PCX を選択</translation>
    </message>
    <message>
        <source>PC&amp;X</source>
        <translation>PC&amp;X</translation>
    </message>
    <message>
        <source>Graphic File</source>
        <translation>グラフィックファイル</translation>
    </message>
    <message>
        <source>Bro&amp;wse</source>
        <translation>参照(&amp;W)</translation>
    </message>
    <message>
        <source>Send stored graphics / programs to printer</source>
        <translation>グラフィックやプログラムをプリンターに保存します</translation>
    </message>
    <message>
        <source>&amp;Store Graphic to Printer</source>
        <translation>グラフィック保存(&amp;S)</translation>
    </message>
    <message>
        <source>File Size:</source>
        <translation>サイズ:</translation>
    </message>
    <message>
        <source>0 Bytes</source>
        <translation>0 バイト</translation>
    </message>
    <message>
        <source>Storing Progress</source>
        <translation>保存の進行状況</translation>
    </message>
    <message>
        <source>Stop the transfer to the printer (Esc)</source>
        <translation>プリンターへの転送を中止します (Esc)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>キャンセル(&amp;C)</translation>
    </message>
    <message>
        <source>Graphic Preview</source>
        <translation>グラフィックのプレビュー</translation>
    </message>
    <message>
        <source>Make a black-and-white (1-bit) BMP from a picture of any kind</source>
        <translation>任意の画像から白黒 (1 ビット) の BMP を作成します</translation>
    </message>
    <message>
        <source>Con&amp;vert…</source>
        <translation>変換(&amp;V)…</translation>
    </message>
    <message>
        <source>Note: You may only store BLACK AND WHITE Images</source>
        <translation>注意: 保存できるのは白黒画像だけです</translation>
    </message>
    <message>
        <source>Stored Formats</source>
        <translation>保存済みフォーマット</translation>
    </message>
    <message>
        <source>Format Type</source>
        <translation>フォーマットの種類</translation>
    </message>
    <message>
        <source>Program is already named.  User will not be prompted.</source>
        <translation>プログラムには名前があるため、入力を求めません。</translation>
    </message>
    <message>
        <source>Pri&amp;nt Format</source>
        <translation>印刷(&amp;N)</translation>
    </message>
    <message>
        <source>Converts standard formats to stored formats.  The user will be prompted for the stored formats name</source>
        <translation>一般的な形式を保存用の形式に変換します。保存する名前の入力を求められます</translation>
    </message>
    <message>
        <source>Store Form&amp;at</source>
        <translation>保存(&amp;A)</translation>
    </message>
    <message>
        <source>Format File</source>
        <translation>フォーマットファイル</translation>
    </message>
    <message>
        <source>B&amp;rowse</source>
        <translation>参照(&amp;R)</translation>
    </message>
    <message>
        <source>Prin&amp;t Format</source>
        <translation>フォーマットを印刷(&amp;T)</translation>
    </message>
    <message>
        <source>View File</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>Prints list of all stored formats / graphics</source>
        <translation>保存済みのフォーマットとグラフィックの一覧を印刷します</translation>
    </message>
    <message>
        <source>L&amp;ist Stored Objects</source>
        <translation>一覧(&amp;I)</translation>
    </message>
    <message>
        <source> Note: Removing stored objects from the printer increases available memory.</source>
        <translation> 注意: プリンターから保存済みオブジェクトを削除すると空きメモリが増えます。</translation>
    </message>
    <message>
        <source>&amp;Delete Stored Object</source>
        <translation>削除(&amp;D)</translation>
    </message>
    <message>
        <source>Prints sample of stored object</source>
        <translation>保存済みオブジェクトの見本を印刷します</translation>
    </message>
    <message>
        <source>Recall Stored &amp;Object</source>
        <translation>呼び出し(&amp;O)</translation>
    </message>
    <message>
        <source>Recall Type</source>
        <translation>呼び出しの種類</translation>
    </message>
    <message>
        <source>Recall I&amp;mage</source>
        <translation>画像(&amp;M)</translation>
    </message>
    <message>
        <source>Recall &amp;Format</source>
        <translation>書式(&amp;F)</translation>
    </message>
    <message>
        <source>Drawing…</source>
        <translation>描画中…</translation>
    </message>
    <message>
        <source>Not a 1-bit %1 the printer takes</source>
        <translation>プリンターが受け付ける 1 ビットの %1 ではありません</translation>
    </message>
    <message>
        <source>Cannot be stored as %1</source>
        <translation>%1 として保存できません</translation>
    </message>
    <message>
        <source>&amp;Print Format</source>
        <translation>フォーマットを印刷(&amp;P)</translation>
    </message>
    <message>
        <source>Store Format to Prin&amp;ter</source>
        <translation>フォーマットを保存(&amp;T)</translation>
    </message>
    <message>
        <source>DATA STORAGE</source>
        <translation>データ保存</translation>
    </message>
    <message>
        <source>READ INTO MEMORY</source>
        <translation>メモリに読み込みました</translation>
    </message>
    <message>
        <source>Out of memory: %1 is too large to send as a label format.</source>
        <translation>メモリ不足: %1 はラベルフォーマットとして送信するには大きすぎます。</translation>
    </message>
    <message>
        <source>Pictures (*.bmp;*.pcx)|*.bmp;*.pcx</source>
        <translation>画像 (*.bmp;*.pcx)|*.bmp;*.pcx</translation>
    </message>
    <message>
        <source>%1 Bytes</source>
        <translation>%1 バイト</translation>
    </message>
    <message>
        <source>READING INTO MEMORY</source>
        <translation>メモリに読み込み中</translation>
    </message>
    <message>
        <source>READING FAILED</source>
        <translation>読み込みに失敗しました</translation>
    </message>
    <message>
        <source>CONVERTED INTO MEMORY</source>
        <translation>変換してメモリに置きました</translation>
    </message>
    <message>
        <source>No graphic has been read. Use Browse to choose one first.</source>
        <translation>グラフィックが読み込まれていません。先に参照で選んでください。</translation>
    </message>
    <message>
        <source>Enter Identifier</source>
        <translation>識別子を入力してください</translation>
    </message>
    <message>
        <source>SENDING FILE TO PRINTER</source>
        <translation>ファイルをプリンターに送信中</translation>
    </message>
    <message>
        <source>Sending</source>
        <translation>送信中</translation>
    </message>
    <message>
        <source>FINISHED STORING %1</source>
        <translation>%1 を保存しました</translation>
    </message>
    <message>
        <source>STORING CANCELLED</source>
        <translation>保存を中止しました</translation>
    </message>
    <message>
        <source>STORING FAILED</source>
        <translation>保存に失敗しました</translation>
    </message>
    <message>
        <source>Text Files(*.txt)|*.txt|All Files(*.*)|*.*</source>
        <translation>テキストファイル(*.txt)|*.txt|すべてのファイル(*.*)|*.*</translation>
    </message>
    <message>
        <source>You must select a pre-created label format.</source>
        <translation>作成済みのラベルフォーマットを選んでください。</translation>
    </message>
    <message>
        <source>You must select a label file to send to the printer.</source>
        <translation>プリンターに送るラベルファイルを選んでください。</translation>
    </message>
    <message>
        <source>Label Format Printing</source>
        <translation>ラベルフォーマットの印刷</translation>
    </message>
    <message>
        <source>Enter Format Identifier</source>
        <translation>フォーマットの識別子を入力してください</translation>
    </message>
    <message>
        <source>8 Characters or less please</source>
        <translation>8 文字以内で入力してください</translation>
    </message>
    <message>
        <source>File Format Storage</source>
        <translation>フォーマットの保存</translation>
    </message>
    <message>
        <source>Enter Stored Graphic to Print</source>
        <translation>印刷する保存済みグラフィックを入力してください</translation>
    </message>
    <message>
        <source>Enter Label Format to Print</source>
        <translation>印刷するラベルフォーマットを入力してください</translation>
    </message>
    <message>
        <source>Enter Quantity</source>
        <translation>枚数を入力してください</translation>
    </message>
    <message>
        <source>Delete Stored Object</source>
        <translation>保存済みオブジェクトの削除</translation>
    </message>
    <message>
        <source>Enter Identifier of Object to Delete</source>
        <translation>削除するオブジェクトの識別子を入力してください</translation>
    </message>
    <message>
        <source>Graphic %1, %2 bytes</source>
        <translation>グラフィック %1、%2 バイト</translation>
    </message>
    <message>
        <source>Label format %1</source>
        <translation>ラベルフォーマット %1</translation>
    </message>
    <message>
        <source>Label format %1, stored as %2</source>
        <translation>ラベルフォーマット %1、%2 として保存</translation>
    </message>
    <message>
        <source>Recall graphic %1</source>
        <translation>グラフィック %1 の呼び出し</translation>
    </message>
    <message>
        <source>Recall format %1</source>
        <translation>フォーマット %1 の呼び出し</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>%1 の削除</translation>
    </message>
    <message>
        <source>List</source>
        <translation>一覧</translation>
    </message>
</context>
<context>
    <name>TransferProgress</name>
    <message>
        <source>%1 s</source>
        <translation>%1 秒</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 分</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 時間 %2 分</translation>
    </message>
    <message>
        <source>the printer has taken no data for %1 s</source>
        <translation>プリンターが %1 秒間データを受け取っていません</translation>
    </message>
    <message>
        <source>%1/s</source>
        <translation>%1/秒</translation>
    </message>
    <message>
        <source>about %1 left</source>
        <translation>残り約 %1</translation>
    </message>
    <message>
        <source>%1 %2 of %3</source>
        <translation>%1: %2 / %3</translation>
    </message>
</context>
</TS>
