<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AboutPage</name>
    <message>
        <source>Varimonde Printer Setup Utility</source>
        <translation>Varimonde 打印机设置实用程序</translation>
    </message>
    <message>
        <source>Utility Version 1.00</source>
        <translation>实用程序版本 1.00</translation>
    </message>
    <message>
        <source>Language: English</source>
        <translation>语言：英语</translation>
    </message>
    <message>
        <source>Provides direct link to Varimonde&apos;s web page</source>
        <translation>打开 Varimonde 网站</translation>
    </message>
    <message>
        <source>Contact Varimonde Technical Support via e-mail</source>
        <translation>发送电子邮件给 Varimonde 技术支持</translation>
    </message>
    <message>
        <source>Utility Version %1.%2</source>
        <translation>实用程序版本 %1.%2</translation>
    </message>
    <message>
        <source>Language: %1</source>
        <translation>语言：%1</translation>
    </message>
</context>
<context>
    <name>BinaryPage</name>
    <message>
        <source>Binary File</source>
        <translation>二进制文件</translation>
    </message>
    <message>
        <source>Load &amp;Binary File To Memory.</source>
        <translation>将二进制文件载入内存(&amp;B)</translation>
    </message>
    <message>
        <source>Use to upload new firmware to printer</source>
        <translation>向打印机上传新固件</translation>
    </message>
    <message>
        <source>Upload to Pri&amp;nter</source>
        <translation>上传到打印机(&amp;N)</translation>
    </message>
    <message>
        <source>Stop the transfer to the printer (Esc)</source>
        <translation>停止向打印机传输 (Esc)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>Binary File Information/Status</source>
        <translation>二进制文件信息/状态</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>文件名：</translation>
    </message>
    <message>
        <source>None Loaded</source>
        <translation>未载入</translation>
    </message>
    <message>
        <source>File Size:</source>
        <translation>文件大小：</translation>
    </message>
    <message>
        <source>0 Bytes</source>
        <translation>0 字节</translation>
    </message>
    <message>
        <source>No file loaded in Memory</source>
        <translation>内存中没有文件</translation>
    </message>
    <message>
        <source>No File Loaded to Printer</source>
        <translation>未向打印机上传文件</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>进度</translation>
    </message>
    <message>
        <source>You must select a file to load into memory.</source>
        <translation>请选择要载入内存的文件。</translation>
    </message>
    <message>
        <source>%1 Bytes</source>
        <translation>%1 字节</translation>
    </message>
    <message>
        <source>Loading file into Memory</source>
        <translation>正在将文件载入内存</translation>
    </message>
    <message>
        <source>Loading Failed: no file in Memory</source>
        <translation>载入失败：内存中没有文件</translation>
    </message>
    <message>
        <source>Firmware %1, %2 bytes, SHA-256 %3</source>
        <translation>固件 %1，%2 字节，SHA-256 %3</translation>
    </message>
    <message>
        <source>File Loaded into Memory</source>
        <translation>文件已载入内存</translation>
    </message>
    <message>
        <source>SHA-256: </source>
        <translation>SHA-256：</translation>
    </message>
    <message>
        <source>Uploading File</source>
        <translation>正在上传文件</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>正在上传</translation>
    </message>
    <message>
        <source>Upload Cancelled</source>
        <translation>上传已取消</translation>
    </message>
    <message>
        <source>Firmware, none loaded</source>
        <translation>固件，未载入</translation>
    </message>
    <message>
        <source>File Uploaded</source>
        <translation>文件已上传</translation>
    </message>
    <message>
        <source>Upload Failed</source>
        <translation>上传失败</translation>
    </message>
    <message>
        <source>All Files(*.*)|*.*</source>
        <translation>所有文件(*.*)|*.*</translation>
    </message>
</context>
<context>
    <name>CalibrationBlocks</name>
    <message>
        <source>Index type must be BAR or GAP</source>
        <translation>索引类型必须为 BAR 或 GAP</translation>
    </message>
    <message>
        <source>CALIBRATION</source>
        <translation>校准</translation>
    </message>
    <message>
        <source>Print Type must be DT or TT</source>
        <translation>打印类型必须为 DT 或 TT</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>校准</translation>
    </message>
    <message>
        <source>Type must be Wax, Wax/Resin, or Preimum Resin</source>
        <translation>类型必须为蜡基、混合基或高级树脂基</translation>
    </message>
</context>
<context>
    <name>CalibrationPage</name>
    <message>
        <source>Calibration Information</source>
        <translation>校准信息</translation>
    </message>
    <message>
        <source>&amp;Index Type:</source>
        <translation>索引类型(&amp;I)：</translation>
    </message>
    <message>
        <source>Index Type:</source>
        <translation>索引类型：</translation>
    </message>
    <message>
        <source>Printer &amp;Type:</source>
        <translation>打印方式(&amp;T)：</translation>
    </message>
    <message>
        <source>Printer Type:</source>
        <translation>打印方式：</translation>
    </message>
    <message>
        <source>Ribbon Information</source>
        <translation>碳带信息</translation>
    </message>
    <message>
        <source>Ribbon Material:</source>
        <translation>碳带材质：</translation>
    </message>
    <message>
        <source>To determine ribbon material, look at the foil lead of your Varimonde-brand ribbon:</source>
        <translation>碳带材质印在 Varimonde 原装碳带的引带上：</translation>
    </message>
    <message>
        <source>Blue = WAX</source>
        <translation>蓝 = 蜡基</translation>
    </message>
    <message>
        <source>Silver = WAX/RESIN Combo</source>
        <translation>银 = 混合基</translation>
    </message>
    <message>
        <source>Gold = PREMIUM RESIN</source>
        <translation>金 = 高级树脂基</translation>
    </message>
    <message>
        <source>Before Calibrating your printer, make sure your labels and ribbon (if applicable) are properly loaded.  The labels should be print-side up, aligned against the left hand side of the printer so that they pass over the appropriate sensor.</source>
        <translation>校准打印机之前，请确认标签和碳带（如使用）已正确装好。标签打印面朝上，靠紧打印机左侧，以便从相应的传感器上方经过。</translation>
    </message>
    <message>
        <source>&amp;Calibrate Printer</source>
        <translation>校准打印机(&amp;C)</translation>
    </message>
    <message>
        <source>Printer Test Label</source>
        <translation>测试标签</translation>
    </message>
    <message>
        <source>Test Label Type</source>
        <translation>测试标签类型</translation>
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
        <translation>打印标签(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Ribbon Material:</source>
        <translation>碳带(&amp;R)：</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>校准</translation>
    </message>
    <message>
        <source>Test label %1</source>
        <translation>测试标签 %1</translation>
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
        <translation>串口通信(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;ParallelCommunications</source>
        <translation>并口通信(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;USB Printer</source>
        <translation>USB 打印机(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Network</source>
        <translation>网络(&amp;N)</translation>
    </message>
    <message>
        <source>Serial Comm</source>
        <translation>串口</translation>
    </message>
    <message>
        <source>&amp;COM: </source>
        <translation>COM(&amp;C)：</translation>
    </message>
    <message>
        <source>COM:</source>
        <translation>COM：</translation>
    </message>
    <message>
        <source>&amp;BAUD:</source>
        <translation>波特率(&amp;B)：</translation>
    </message>
    <message>
        <source>BAUD:</source>
        <translation>波特率：</translation>
    </message>
    <message>
        <source>PA&amp;RITY:</source>
        <translation>校验位(&amp;R)：</translation>
    </message>
    <message>
        <source>PARITY:</source>
        <translation>校验位：</translation>
    </message>
    <message>
        <source>&amp;DATABITS:</source>
        <translation>数据位(&amp;D)：</translation>
    </message>
    <message>
        <source>DATABITS:</source>
        <translation>数据位：</translation>
    </message>
    <message>
        <source>S&amp;TOPBITS:</source>
        <translation>停止位(&amp;T)：</translation>
    </message>
    <message>
        <source>STOPBITS:</source>
        <translation>停止位：</translation>
    </message>
    <message>
        <source>Default Varimonde Settings:</source>
        <translation>Varimonde 默认设置：</translation>
    </message>
    <message>
        <source>9600,N,8,1</source>
        <translation>9600,N,8,1</translation>
    </message>
    <message>
        <source>&amp;Apply </source>
        <translation>应用(&amp;A)</translation>
    </message>
    <message>
        <source>Not applied</source>
        <translation>未应用</translation>
    </message>
    <message>
        <source>The port or line settings shown are not in force until Apply is pressed.</source>
        <translation>显示的设置在按“应用”后才生效。</translation>
    </message>
    <message>
        <source>Parallel Comm</source>
        <translation>并口</translation>
    </message>
    <message>
        <source>Select Parallel Port</source>
        <translation>选择并口</translation>
    </message>
    <message>
        <source>Parallel Port</source>
        <translation>并口</translation>
    </message>
    <message>
        <source>Select Parallel Port the Printer is connected to on the PC.</source>
        <translation>请选择打印机所连接的电脑并口。</translation>
    </message>
    <message>
        <source>USB Printer</source>
        <translation>USB 打印机</translation>
    </message>
    <message>
        <source>Select the USB printer</source>
        <translation>选择 USB 打印机</translation>
    </message>
    <message>
        <source>The USB printers connected now, with maker and model. The list follows printers as they are plugged in or out.</source>
        <translation>当前连接的 USB 打印机及其厂商和型号。插入或拔出打印机时列表随之更新。</translation>
    </message>
    <message>
        <source>Network Printer</source>
        <translation>网络打印机</translation>
    </message>
    <message>
        <source>&amp;Host:</source>
        <translation>主机(&amp;H)：</translation>
    </message>
    <message>
        <source>name or IP address</source>
        <translation>名称或 IP 地址</translation>
    </message>
    <message>
        <source>Host:</source>
        <translation>主机：</translation>
    </message>
    <message>
        <source>P&amp;ort:</source>
        <translation>端口(&amp;O)：</translation>
    </message>
    <message>
        <source>9100</source>
        <translation>9100</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>端口：</translation>
    </message>
    <message>
        <source>The printer&apos;s network name or IPv4 or IPv6 address, and its raw print port: 9100 on most printers.</source>
        <translation>打印机的网络名称或 IPv4、IPv6 地址，以及其原始打印端口：大多数打印机为 9100。</translation>
    </message>
    <message>
        <source>&amp;Give up after</source>
        <translation>放弃等待(&amp;G)</translation>
    </message>
    <message>
        <source>Seconds without an answer</source>
        <translation>无应答秒数</translation>
    </message>
    <message>
        <source>s without an answer and</source>
        <translation>秒无应答，</translation>
    </message>
    <message>
        <source>Seconds without progress</source>
        <translation>无进展秒数</translation>
    </message>
    <message>
        <source>s without progress</source>
        <translation>秒无进展</translation>
    </message>
    <message>
        <source>F&amp;ind Printers…</source>
        <translation>查找打印机(&amp;I)…</translation>
    </message>
    <message>
        <source>Look for printers on the network and pick one.</source>
        <translation>在网络上查找打印机并选择一台。</translation>
    </message>
    <message>
        <source>The address shown is not in force until Apply is pressed.</source>
        <translation>显示的地址在按“应用”后才生效。</translation>
    </message>
    <message>
        <source>A send fails when the printer gives no answer at all for this long: it is off, or the line is cut.</source>
        <translation>打印机在这段时间内完全没有应答时，发送失败：打印机已关机或线路已断开。</translation>
    </message>
    <message>
        <source>A send fails when the printer still answers but takes no data for this long: check paper, ribbon and the printer&apos;s display.</source>
        <translation>打印机仍有应答但在这段时间内不接收数据时，发送失败：请检查纸张、碳带和打印机显示屏。</translation>
    </message>
    <message>
        <source>Utility Settings</source>
        <translation>程序设置</translation>
    </message>
    <message>
        <source>Invalid Value in COMM Settings</source>
        <translation>通信设置中的值无效</translation>
    </message>
    <message>
        <source>No such USB printer</source>
        <translation>没有此 USB 打印机</translation>
    </message>
    <message>
        <source>No such link</source>
        <translation>没有此连接</translation>
    </message>
    <message>
        <source>No USB printer found</source>
        <translation>未找到 USB 打印机</translation>
    </message>
</context>
<context>
    <name>CommandLineHelp</name>
    <message>
        <source>After --calibrate: DT (direct thermal) or TT (thermal transfer).</source>
        <translation>用在 --calibrate 之后：DT（热敏）或 TT（热转印）。</translation>
    </message>
    <message>
        <source>After --calibrate with TT: WAX (0, the default), &quot;WAX/RESIN COMBO&quot; (1) or &quot;PREMIUM RESIN&quot; (2).</source>
        <translation>用在带 TT 的 --calibrate 之后：WAX（0，默认）、&quot;WAX/RESIN COMBO&quot;（1）或 &quot;PREMIUM RESIN&quot;（2）。</translation>
    </message>
    <message>
        <source>After --store-graphic or --store-format: the identifier, at most 8 characters.</source>
        <translation>用在 --store-graphic 或 --store-format 之后：标识符，最多 8 个字符。</translation>
    </message>
    <message>
        <source>After --store-graphic: the file is a PCX.</source>
        <translation>用在 --store-graphic 之后：文件为 PCX。</translation>
    </message>
    <message>
        <source>After --store-graphic: make the picture (PNG, JPEG, GIF, BMP) a 1-bit BMP, dots darker than the threshold black.</source>
        <translation>用在 --store-graphic 之后：将图片（PNG、JPEG、GIF、BMP）转为 1 位 BMP，比阈值暗的点为黑色。</translation>
    </message>
    <message>
        <source>With --convert: spread the greys by error diffusion.</source>
        <translation>与 --convert 一起使用：以误差扩散表现灰度。</translation>
    </message>
    <message>
        <source>With --convert: the grey (1-255, default 128) below which a dot is black.</source>
        <translation>与 --convert 一起使用：灰度阈值（1-255，默认 128），低于它的点为黑色。</translation>
    </message>
    <message>
        <source>With --convert: scale to this many dots across, keeping the aspect (the printer prints 203 dots an inch).</source>
        <translation>与 --convert 一起使用：保持宽高比缩放到这么多点宽（打印机每英寸打印 203 点）。</translation>
    </message>
    <message>
        <source>With --convert: swap black and white.</source>
        <translation>与 --convert 一起使用：黑白互换。</translation>
    </message>
    <message>
        <source>After --recall-format: how many labels.</source>
        <translation>用在 --recall-format 之后：标签张数。</translation>
    </message>
    <message>
        <source>A printer to send to; give it once for each printer.</source>
        <translation>要发送到的打印机；每台打印机给出一次。</translation>
    </message>
    <message>
        <source>Read targets from a file, one a line; blank lines and comments (from a # at the start or after a blank) are skipped.</source>
        <translation>从文件读取目标，每行一个；空行和注释（从行首或空白后的 # 开始）将被跳过。</translation>
    </message>
    <message>
        <source>Send nothing: write what would be sent to each printer to standard output.</source>
        <translation>不发送任何内容：将要发送到每台打印机的内容写到标准输出。</translation>
    </message>
    <message>
        <source>With --dry-run: write to a file instead; a name ending in .bmp gets the image of the one --convert alone.</source>
        <translation>与 --dry-run 一起使用：改为写入文件；以 .bmp 结尾的文件名得到唯一一个 --convert 的图像。</translation>
    </message>
    <message>
        <source>With --dry-run: a hex dump, one block per transmission.</source>
        <translation>与 --dry-run 一起使用：十六进制转储，每次传输一个块。</translation>
    </message>
    <message>
        <source>At most this many printers at once (default: 1000 network and USB printers, one transfer per serial or parallel port).</source>
        <translation>同时处理的打印机数上限（默认：网络和 USB 打印机 1000 台，串口或并口每个端口一次传输）。</translation>
    </message>
    <message>
        <source>Write a JSON report of every printer&apos;s outcome; with --dry-run, of what each would be sent.</source>
        <translation>写出每台打印机结果的 JSON 报告；与 --dry-run 一起时，写出每台将收到的内容。</translation>
    </message>
    <message>
        <source>Seconds a printer may take no data before it has failed (default 10, at most 86400); a network printer: seconds it may leave us without any answer.</source>
        <translation>打印机不接收数据多少秒后判为失败（默认 10，最多 86400）；网络打印机：完全没有应答多少秒后判为失败。</translation>
    </message>
    <message>
        <source>Seconds a network printer that still answers may take no data before it has failed (default 60, at most 86400).</source>
        <translation>仍在应答的网络打印机不接收数据多少秒后判为失败（默认 60，最多 86400）。</translation>
    </message>
    <message>
        <source>Seconds to wait for a network printer to answer (default 5, at most 86400).</source>
        <translation>等待网络打印机应答的秒数（默认 5，最多 86400）。</translation>
    </message>
    <message>
        <source>Write progress as JSON Lines events on standard output (start, progress, done, failed, cancelled); the summary then goes to standard error.</source>
        <translation>以 JSON Lines 事件（start、progress、done、failed、cancelled）将进度写到标准输出；此时摘要写到标准错误。</translation>
    </message>
    <message>
        <source>Seconds between progress lines or events of each printer when standard error is not a terminal (default 10, at most 86400); one also comes at each tenth of the way.</source>
        <translation>标准错误不是终端时，每台打印机进度行或事件的间隔秒数（默认 10，最多 86400）；每完成十分之一也会输出一次。</translation>
    </message>
    <message>
        <source>Write only failures and the summary.</source>
        <translation>只写出失败和摘要。</translation>
    </message>
    <message>
        <source>The language of the texts (de, es, fr, it, ja, pl, pt_BR, zh_CN; en for English); without it the LANGUAGE variable and the locale decide. Reports, events and exit codes are the same in every language.</source>
        <translation>文本的语言（de、es、fr、it、ja、pl、pt_BR、zh_CN；英语为 en）；不指定时由 LANGUAGE 变量和区域设置决定。报告、事件和退出码在各语言中都相同。</translation>
    </message>
    <message>
        <source>Send the configuration of a profile, as Upload Settings to Printer does after Import Profile.</source>
        <translation>发送配置文件中的设置，与“导入”之后“将设置上传到打印机”的作用相同。</translation>
    </message>
    <message>
        <source>Calibrate media sensing for the index type; needs --print-type, and takes --ribbon for thermal transfer.</source>
        <translation>按索引类型校准介质检测；需要 --print-type，热转印时可加 --ribbon。</translation>
    </message>
    <message>
        <source>Print test label 1 (4X3) or 2 (2.4X1).</source>
        <translation>打印测试标签 1（4X3）或 2（2.4X1）。</translation>
    </message>
    <message>
        <source>Store a 1-bit BMP graphic (PCX with --pcx) under the identifier given with --id; with --convert, any picture made into a 1-bit BMP.</source>
        <translation>以 --id 给出的标识符存储 1 位 BMP 图形（使用 --pcx 时为 PCX）；使用 --convert 时，任何图片都先转为 1 位 BMP。</translation>
    </message>
    <message>
        <source>Print a label format file as it is.</source>
        <translation>按原样打印标签格式文件。</translation>
    </message>
    <message>
        <source>Store a label format file under the identifier of --id.</source>
        <translation>以 --id 的标识符存储标签格式文件。</translation>
    </message>
    <message>
        <source>Print a stored graphic.</source>
        <translation>打印已存储的图形。</translation>
    </message>
    <message>
        <source>Print a stored format, --quantity labels (1 unless given).</source>
        <translation>打印已存储的格式，共 --quantity 张标签（未给出时为 1）。</translation>
    </message>
    <message>
        <source>Delete a stored graphic or format.</source>
        <translation>删除已存储的图形或格式。</translation>
    </message>
    <message>
        <source>Have the printer print the list of stored objects.</source>
        <translation>让打印机打印已存储对象的列表。</translation>
    </message>
    <message>
        <source>Upload a firmware image; its SHA-256 is shown first.</source>
        <translation>上传固件映像；先显示其 SHA-256。</translation>
    </message>
    <message>
        <source>Send a file&apos;s bytes unchanged.</source>
        <translation>原样发送文件的字节。</translation>
    </message>
    <message>
        <source>Sets up Varimonde thermal label printers without a window: sends each printer the same bytes as the window&apos;s buttons would, to one printer or many at once.
Without options the window opens.

Targets: COMn[:baud,parity,data,stop], a serial device path[:settings], LPT1, LPT2, usb:DEVICE, tcp://HOST[:PORT] (9100 unless given; an IPv6 address in brackets).
Actions run in the order given, the same on every printer; each printer&apos;s run stops at its first failure.

Exit status: 0 every printer done, 1 a printer failed, 2 bad arguments or input, 130 interrupted.</source>
        <translation>无需窗口即可设置 Varimonde 热敏标签打印机：向每台打印机发送与窗口按钮相同的字节，可发送到一台或同时发送到多台打印机。
不带选项时打开窗口。

目标：COMn[:baud,parity,data,stop]、串口设备路径[:设置]、LPT1、LPT2、usb:DEVICE、tcp://HOST[:PORT]（未给出时为 9100；IPv6 地址放在方括号中）。
操作按给出的顺序执行，每台打印机上都相同；每台打印机在第一次失败时停止。

退出状态：0 所有打印机完成，1 有打印机失败，2 参数或输入有误，130 已中断。</translation>
    </message>
    <message>
        <source>Show this help and end.</source>
        <translation>显示此帮助并退出。</translation>
    </message>
    <message>
        <source>Show the version and end.</source>
        <translation>显示版本并退出。</translation>
    </message>
    <message>
        <source>Find network printers: sweep the --range given (port 9100), browse DNS-SD with --dns-sd, and ask each over SNMP; prints a table (JSON with --report).</source>
        <translation>查找网络打印机：扫描 --range 给出的范围（端口 9100），用 --dns-sd 浏览 DNS-SD，并通过 SNMP 询问每一台；输出表格（使用 --report 时为 JSON）。</translation>
    </message>
    <message>
        <source>With --discover: a CIDR range (at most /22) or a host; repeatable.</source>
        <translation>与 --discover 一起使用：CIDR 范围（最多 /22）或主机；可重复。</translation>
    </message>
    <message>
        <source>With --discover: a raw port to try besides 9100; repeatable.</source>
        <translation>与 --discover 一起使用：除 9100 外还要尝试的原始端口；可重复。</translation>
    </message>
    <message>
        <source>With --discover: also browse DNS-SD (_pdl-datastream, _printer, _ipp) through the Avahi daemon.</source>
        <translation>与 --discover 一起使用：还通过 Avahi 守护进程浏览 DNS-SD（_pdl-datastream、_printer、_ipp）。</translation>
    </message>
    <message>
        <source>With --discover: write a targets file of the printers found. A file that --discover did not write is not replaced without --force.</source>
        <translation>与 --discover 一起使用：写出所找到打印机的目标文件。不是 --discover 写的文件，没有 --force 时不会被替换。</translation>
    </message>
    <message>
        <source>With --write-targets: replace the file even when it was not written by --discover (a targets file made by hand).</source>
        <translation>与 --write-targets 一起使用：即使文件不是 --discover 写的（手工编写的目标文件）也替换它。</translation>
    </message>
    <message>
        <source>Read the status of every network target over SNMP; the exit status is 1 when any reports an error or does not answer. A printer on a serial, parallel or USB line cannot be asked: it is listed and counted apart.</source>
        <translation>通过 SNMP 读取每个网络目标的状态；任何一台报告错误或不应答时退出状态为 1。串口、并口或 USB 线路上的打印机无法询问：将单独列出并计数。</translation>
    </message>
    <message>
        <source>Read the SNMP secrets from a file only its owner may read, or from standard input (-): lines community=NAME, auth=PHRASE, priv=PHRASE.</source>
        <translation>从只有其所有者可读的文件或标准输入（-）读取 SNMP 机密：各行为 community=NAME、auth=PHRASE、priv=PHRASE。</translation>
    </message>
    <message>
        <source>The SNMP v2c community (default public); other users see it: prefer --snmp-secrets.</source>
        <translation>SNMP v2c 团体名（默认 public）；其他用户能看到它：请优先使用 --snmp-secrets。</translation>
    </message>
    <message>
        <source>The UDP port printers answer SNMP on (default 161).</source>
        <translation>打印机应答 SNMP 的 UDP 端口（默认 161）。</translation>
    </message>
    <message>
        <source>Ask over SNMP v3 as this user.</source>
        <translation>以此用户通过 SNMP v3 询问。</translation>
    </message>
    <message>
        <source>With --snmp-user: the SHA authentication pass phrase; other users see it: prefer --snmp-secrets.</source>
        <translation>与 --snmp-user 一起使用：SHA 认证口令；其他用户能看到它：请优先使用 --snmp-secrets。</translation>
    </message>
    <message>
        <source>With --snmp-user: the AES privacy pass phrase; other users see it: prefer --snmp-secrets.</source>
        <translation>与 --snmp-user 一起使用：AES 加密口令；其他用户能看到它：请优先使用 --snmp-secrets。</translation>
    </message>
    <message>
        <source>With --status: also write one row per printer (name, location, model, serial, status, alerts, odometer, media, when read) to this file: CSV, or JSON when its name ends in .json.</source>
        <translation>与 --status 一起使用：另外将每台打印机一行（名称、位置、型号、序列号、状态、警报、计数器、介质、读取时间）写入此文件：CSV，文件名以 .json 结尾时为 JSON。</translation>
    </message>
    <message>
        <source>Read every network target over SNMP again and again, each at most once in this many seconds, and write a JSON line on standard output for each change (online, offline, status, alert-raised, alert-cleared) and each odometer read; Ctrl-C ends it (exit 130).</source>
        <translation>通过 SNMP 反复读取每个网络目标，每个最多每隔这么多秒读取一次，并在每次变化（online、offline、status、alert-raised、alert-cleared）和每次读取计数器时向标准输出写一行 JSON；按 Ctrl-C 结束（退出码 130）。</translation>
    </message>
    <message>
        <source>With --watch: serve the printers&apos; state for Prometheus at http://ADDRESS:PORT/metrics (port 0: any free port, said on standard error).</source>
        <translation>与 --watch 一起使用：在 http://ADDRESS:PORT/metrics 为 Prometheus 提供打印机状态（端口 0：任意空闲端口，在标准错误中给出）。</translation>
    </message>
    <message>
        <source>Send even to a network printer whose SNMP status reports an error (no paper, door open, jammed, offline).</source>
        <translation>即使网络打印机的 SNMP 状态报告错误（缺纸、盖子打开、卡纸、脱机）也发送。</translation>
    </message>
</context>
<context>
    <name>CommandLineText</name>
    <message>
        <source> Did you mean --%1?</source>
        <translation> 您是想用 --%1 吗？</translation>
    </message>
    <message>
        <source>%1 goes with --convert</source>
        <translation>%1 需与 --convert 一起使用</translation>
    </message>
    <message>
        <source>--convert makes a BMP: leave out --pcx</source>
        <translation>--convert 生成 BMP：请去掉 --pcx</translation>
    </message>
    <message>
        <source>--dither and --threshold exclude each other</source>
        <translation>--dither 与 --threshold 不能同时使用</translation>
    </message>
    <message>
        <source>--threshold takes a grey from %1 to %2, not &quot;%3&quot;</source>
        <translation>--threshold 取 %1 到 %2 的灰度值，而不是“%3”</translation>
    </message>
    <message>
        <source>--width takes a number of dots from 1 to %1, not &quot;%2&quot;</source>
        <translation>--width 取 1 到 %1 的点数，而不是“%2”</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 字节</translation>
    </message>
    <message>
        <source>%1 takes a whole number of at least 1, not &quot;%2&quot;</source>
        <translation>%1 取不小于 1 的整数，而不是“%2”</translation>
    </message>
    <message>
        <source>%1 takes a whole number of seconds from 1 to %2, not &quot;%3&quot;</source>
        <translation>%1 取 1 到 %2 的整数秒数，而不是“%3”</translation>
    </message>
    <message>
        <source>%1 belongs right after an action that takes it (%2)</source>
        <translation>%1 应紧跟在接受它的操作之后（%2）</translation>
    </message>
    <message>
        <source>%1 is given twice for %2</source>
        <translation>%1 为 %2 指定了两次</translation>
    </message>
    <message>
        <source>%1 needs %2</source>
        <translation>%1 需要 %2</translation>
    </message>
    <message>
        <source>Firmware %1: %2, SHA-256 %3</source>
        <translation>固件 %1：%2，SHA-256 %3</translation>
    </message>
    <message>
        <source>--%1 goes with --dry-run</source>
        <translation>--%1 需与 --dry-run 一起使用</translation>
    </message>
    <message>
        <source>--progress takes json, not &quot;%1&quot;</source>
        <translation>--progress 取 json，而不是“%1”</translation>
    </message>
    <message>
        <source>--progress goes with a run that sends: leave out --dry-run</source>
        <translation>--progress 用于实际发送的运行：请去掉 --dry-run</translation>
    </message>
    <message>
        <source>--discover finds printers: leave out --to and --targets</source>
        <translation>--discover 用于查找打印机：请去掉 --to 和 --targets</translation>
    </message>
    <message>
        <source>no printer to send to: give --to or --targets</source>
        <translation>没有要发送的打印机：请指定 --to 或 --targets</translation>
    </message>
    <message>
        <source>%1 gives what the file gives: leave out one</source>
        <translation>%1 与文件给出的内容相同：请去掉其中之一</translation>
    </message>
    <message>
        <source>nothing to send: give at least one action, such as --profile or --firmware</source>
        <translation>没有要发送的内容：请至少指定一个操作，例如 --profile 或 --firmware</translation>
    </message>
    <message>
        <source>--output %1 takes the image of one --convert, not %2</source>
        <translation>--output %1 只接受一个 --convert 的图像，而不是 %2 个</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;: targets go after --to</source>
        <translation>意外的参数“%1”：目标应写在 --to 之后</translation>
    </message>
    <message>
        <source>--discover, --status and --watch send nothing: leave out the actions and --dry-run</source>
        <translation>--discover、--status 和 --watch 不发送任何内容：请去掉操作和 --dry-run</translation>
    </message>
    <message>
        <source>the report</source>
        <translation>报告</translation>
    </message>
    <message>
        <source>varimonde-setup: interrupted before the output was written</source>
        <translation>varimonde-setup：在写入输出之前被中断</translation>
    </message>
    <message>
        <source>varimonde-setup: cannot write the output: %1</source>
        <translation>varimonde-setup：无法写入输出：%1</translation>
    </message>
    <message>
        <source>Try &apos;varimonde-setup --help&apos; for more information.</source>
        <translation>更多信息请运行 &apos;varimonde-setup --help&apos;。</translation>
    </message>
    <message>
        <source>varimonde-setup: interrupted while the files were read</source>
        <translation>varimonde-setup：读取文件时被中断</translation>
    </message>
    <message>
        <source>varimonde-setup: interrupted before the bytes were shown</source>
        <translation>varimonde-setup：在显示字节之前被中断</translation>
    </message>
    <message>
        <source>--discover, --status and --watch exclude each other</source>
        <translation>--discover、--status 和 --watch 不能同时使用</translation>
    </message>
    <message>
        <source>--inventory goes with --status</source>
        <translation>--inventory 需与 --status 一起使用</translation>
    </message>
    <message>
        <source>--metrics goes with --watch</source>
        <translation>--metrics 需与 --watch 一起使用</translation>
    </message>
    <message>
        <source>--%1 goes with --discover</source>
        <translation>--%1 需与 --discover 一起使用</translation>
    </message>
    <message>
        <source>--force goes with --write-targets</source>
        <translation>--force 需与 --write-targets 一起使用</translation>
    </message>
    <message>
        <source>the targets file</source>
        <translation>目标文件</translation>
    </message>
    <message>
        <source>the inventory</source>
        <translation>清单</translation>
    </message>
    <message>
        <source>%1: not a network printer; its status cannot be read, it is not watched</source>
        <translation>%1：不是网络打印机；无法读取其状态，不予监视</translation>
    </message>
    <message>
        <source>varimonde-setup: no network printer to watch</source>
        <translation>varimonde-setup：没有可监视的网络打印机</translation>
    </message>
    <message>
        <source>varimonde-setup: cannot serve metrics on %1</source>
        <translation>varimonde-setup：无法在 %1 上提供指标</translation>
    </message>
    <message>
        <source>serving metrics on http://%1:%2/metrics</source>
        <translation>正在 http://%1:%2/metrics 提供指标</translation>
    </message>
    <message>
        <source>watched %1 printer for %2 s: %3 reads, %4 events; %5 online, %6 not</source>
        <translation>已监视 %1 台打印机 %2 秒：读取 %3 次，事件 %4 个；在线 %5 台，离线 %6 台</translation>
    </message>
    <message>
        <source>watched %1 printers for %2 s: %3 reads, %4 events; %5 online, %6 not</source>
        <translation>已监视 %1 台打印机 %2 秒：读取 %3 次，事件 %4 个；在线 %5 台，离线 %6 台</translation>
    </message>
    <message>
        <source>varimonde-setup: cannot write %1: %2</source>
        <translation>varimonde-setup：无法写入%1：%2</translation>
    </message>
    <message>
        <source>sent %1 bytes in %2 s</source>
        <translation>已在 %2 秒内发送 %1 字节</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <translation>失败：%1</translation>
    </message>
    <message>
        <source>cancelled after %1 bytes</source>
        <translation>发送 %1 字节后已取消</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>无法读取 %1：%2</translation>
    </message>
    <message>
        <source>%1 holds more than %2 bytes: not a secrets file</source>
        <translation>%1 超过 %2 字节：不是密钥文件</translation>
    </message>
    <message>
        <source>%1 is not community=, auth= or priv=</source>
        <translation>%1 不是 community=、auth= 或 priv=</translation>
    </message>
    <message>
        <source>%1: %2 is empty</source>
        <translation>%1：%2 为空</translation>
    </message>
    <message>
        <source>%1: %2 holds a control character</source>
        <translation>%1：%2 含有控制字符</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>标准输入</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2</source>
        <translation>无法打开 %1：%2</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 不是普通文件</translation>
    </message>
    <message>
        <source>an empty target: %1</source>
        <translation>空目标：%1</translation>
    </message>
    <message>
        <source>target &quot;%1&quot;: %2</source>
        <translation>目标“%1”：%2</translation>
    </message>
    <message>
        <source>%1 of %2 bytes delivered</source>
        <translation>已送达 %1/%2 字节</translation>
    </message>
    <message>
        <source>rate not known yet</source>
        <translation>速率尚未知</translation>
    </message>
    <message>
        <source>time left not known</source>
        <translation>剩余时间未知</translation>
    </message>
    <message>
        <source>sent</source>
        <translation>已发送</translation>
    </message>
    <message>
        <source>--watch takes seconds from 1 to 86400, not &quot;%1&quot;</source>
        <translation>--watch 需要 1 到 86400 之间的秒数，而不是“%1”</translation>
    </message>
    <message>
        <source>--metrics takes ADDRESS:PORT, such as 127.0.0.1:9464 or [::1]:9464, not &quot;%1&quot;</source>
        <translation>--metrics 需要 ADDRESS:PORT，例如 127.0.0.1:9464 或 [::1]:9464，而不是“%1”</translation>
    </message>
    <message>
        <source>--%1 takes a port from 1 to 65535, not &quot;%2&quot;</source>
        <translation>--%1 需要 1 到 65535 之间的端口，而不是“%2”</translation>
    </message>
    <message>
        <source>--discover needs --range or --dns-sd: nothing is swept unless asked</source>
        <translation>--discover 需要 --range 或 --dns-sd：未经要求不扫描任何地址</translation>
    </message>
    <message>
        <source>pass phrases (--snmp-auth, --snmp-priv, auth=, priv=) go with --snmp-user</source>
        <translation>口令 (--snmp-auth、--snmp-priv、auth=、priv=) 需与 --snmp-user 一起使用</translation>
    </message>
    <message>
        <source>--write-targets %1: the file was not written by --discover (a targets file made by hand?) and is left as it is; give --force to replace it</source>
        <translation>--write-targets %1：该文件不是由 --discover 写入的（手工编写的目标文件？），保持原样；给出 --force 才会替换它</translation>
    </message>
    <message>
        <source>SNMP privacy needs authentication: give --snmp-auth too</source>
        <translation>SNMP 加密需要认证：请同时给出 --snmp-auth</translation>
    </message>
    <message>
        <source>SNMP v3 pass phrases have at least 8 characters</source>
        <translation>SNMP v3 口令至少有 8 个字符</translation>
    </message>
    <message>
        <source>the SNMP community is empty</source>
        <translation>SNMP 团体名为空</translation>
    </message>
    <message>
        <source>an empty range</source>
        <translation>空范围</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a host name or address</source>
        <translation>“%1”不是主机名或地址</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an IPv4 range such as 192.168.1.0/24</source>
        <translation>“%1”不是 IPv4 范围，例如 192.168.1.0/24</translation>
    </message>
    <message>
        <source>the range %1 is wider than /%2 (%3 addresses): give smaller ranges</source>
        <translation>范围 %1 宽于 /%2（%3 个地址）：请给出更小的范围</translation>
    </message>
</context>
<context>
    <name>ConfigPage</name>
    <message>
        <source>&amp;Darkness </source>
        <translation>打印浓度(&amp;D)</translation>
    </message>
    <message>
        <source>Darkness:</source>
        <translation>打印浓度：</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Warning: Darkness Greater than 50 May Decrease the Life of the Printhead.</source>
        <translation>警告：打印浓度大于 50 可能缩短打印头寿命。</translation>
    </message>
    <message>
        <source>&amp;Width</source>
        <translation>打印宽度(&amp;W)</translation>
    </message>
    <message>
        <source>Printer Width:</source>
        <translation>打印宽度：</translation>
    </message>
    <message>
        <source>416 represents 4.16 inches wide.  For 3.00 inch media use 300.</source>
        <translation>416 表示宽 4.16 英寸。3.00 英寸的介质请填 300。</translation>
    </message>
    <message>
        <source>416</source>
        <translation>416</translation>
    </message>
    <message>
        <source>Default for a 2 inch: 224</source>
        <translation>2 英寸默认值：224</translation>
    </message>
    <message>
        <source>Default for a 4 inch: 416</source>
        <translation>4 英寸默认值：416</translation>
    </message>
    <message>
        <source>&amp;PrintSpeed</source>
        <translation>打印速度(&amp;P)</translation>
    </message>
    <message>
        <source>Select PrintSpeed</source>
        <translation>选择打印速度</translation>
    </message>
    <message>
        <source>PrintSpeed</source>
        <translation>打印速度</translation>
    </message>
    <message>
        <source>Configure the speed at which your printer prints.  This may affect print quality.</source>
        <translation>设置打印速度。可能影响打印质量。</translation>
    </message>
    <message>
        <source>Print &amp;Mode</source>
        <translation>打印模式(&amp;M)</translation>
    </message>
    <message>
        <source>Configure your printer for Direct Thermal or Thermal Transfer mode</source>
        <translation>将打印机设为热敏或热转印模式</translation>
    </message>
    <message>
        <source>Print Mode</source>
        <translation>打印模式</translation>
    </message>
    <message>
        <source>Configure your printer to Direct Thermal (DT) or Thermal Transfer (TT) mode.</source>
        <translation>将打印机设为热敏 (DT) 或热转印 (TT) 模式。</translation>
    </message>
    <message>
        <source>Kestra emulation reduces printer performance and lowers print resolution.  Kestra emulation should only be used to make your Tornelo backwards compatible.</source>
        <translation>Kestra 仿真会降低打印性能和分辨率。仅在需要让 Tornelo 向下兼容时使用。</translation>
    </message>
    <message>
        <source>&amp;Kestra Emulation</source>
        <translation>Kestra 仿真(&amp;K)</translation>
    </message>
    <message>
        <source>Dis&amp;able Emulation in Printer</source>
        <translation>禁用打印机仿真(&amp;A)</translation>
    </message>
    <message>
        <source>Kestra emulation allows your old labels to print properly in the Tornelo.  Use the Scaler to change label size (default 100}</source>
        <translation>Kestra 仿真可让旧标签在 Tornelo 上正确打印。用缩放更改标签尺寸（默认 100）</translation>
    </message>
    <message>
        <source>Scaler:</source>
        <translation>缩放：</translation>
    </message>
    <message>
        <source>Right-Click to Set Value Manually</source>
        <translation>右键单击可手动输入数值</translation>
    </message>
    <message>
        <source>100</source>
        <translation>100</translation>
    </message>
    <message>
        <source>Varimonde recommends setting your text buffer to no more than 32K.</source>
        <translation>Varimonde 建议文本缓冲区不超过 32K。</translation>
    </message>
    <message>
        <source>&amp;Text Buffer</source>
        <translation>文本缓冲区(&amp;T)</translation>
    </message>
    <message>
        <source>Text Buffer (Main)</source>
        <translation>文本缓冲区（主）</translation>
    </message>
    <message>
        <source>4096</source>
        <translation>4096</translation>
    </message>
    <message>
        <source>Right-Click to set buffer manually.</source>
        <translation>右键单击可手动设置缓冲区。</translation>
    </message>
    <message>
        <source>Text Buffer (Overflow)</source>
        <translation>文本缓冲区（溢出）</translation>
    </message>
    <message>
        <source>Right-Click to set buffer manually</source>
        <translation>右键单击可手动设置缓冲区</translation>
    </message>
    <message>
        <source>Note: Changing these settings will delete any stored graphics, and will reduce the amount of memory reserved for graphics.</source>
        <translation>注意：更改这些设置会删除所有已存储的图形，并减少为图形保留的内存。</translation>
    </message>
    <message>
        <source>Uploads current settings to printer</source>
        <translation>将当前设置上传到打印机</translation>
    </message>
    <message>
        <source>&amp;Upload Settings to Printer</source>
        <translation>将设置上传到打印机(&amp;U)</translation>
    </message>
    <message>
        <source>Imports saved profile for easy duplication of printer configurations</source>
        <translation>导入已保存的配置文件，便于复制打印机配置</translation>
    </message>
    <message>
        <source>&amp;Import Profile</source>
        <translation>导入(&amp;I)</translation>
    </message>
    <message>
        <source>Saves and exports profile for future printer setup</source>
        <translation>保存并导出配置文件，供以后设置打印机使用</translation>
    </message>
    <message>
        <source>E&amp;xport Profile</source>
        <translation>导出(&amp;X)</translation>
    </message>
    <message>
        <source>Opens seperate window with Varimonde commands for printer setup.</source>
        <translation>在单独的窗口中打开用于设置打印机的 Varimonde 命令。</translation>
    </message>
    <message>
        <source>&amp;Show Details</source>
        <translation>显示详细信息(&amp;S)</translation>
    </message>
    <message>
        <source>Please Enter Desired Scaler</source>
        <translation>请输入所需的缩放值</translation>
    </message>
    <message>
        <source>Scaler Setting</source>
        <translation>缩放设置</translation>
    </message>
    <message>
        <source>Maximum Value is 250</source>
        <translation>最大值为 250</translation>
    </message>
    <message>
        <source>Invalid Data</source>
        <translation>数据无效</translation>
    </message>
    <message>
        <source>Set Value for Main Text Buffer</source>
        <translation>设置主文本缓冲区的值</translation>
    </message>
    <message>
        <source>Primary Text Buffer</source>
        <translation>主文本缓冲区</translation>
    </message>
    <message>
        <source>Enter value for Overflow Buffer</source>
        <translation>请输入溢出缓冲区的值</translation>
    </message>
    <message>
        <source>Overflow Buffer</source>
        <translation>溢出缓冲区</translation>
    </message>
    <message>
        <source>Overflow must fall between 0 and (Text Buffer-1024)</source>
        <translation>溢出值必须在 0 到（文本缓冲区-1024）之间</translation>
    </message>
    <message>
        <source>Overflow Buffer Warning</source>
        <translation>溢出缓冲区警告</translation>
    </message>
    <message>
        <source>Configuration block</source>
        <translation>配置块</translation>
    </message>
</context>
<context>
    <name>DetailsWindow</name>
    <message>
        <source>Details</source>
        <translation>详细信息</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Send Anyway</source>
        <translation>仍然发送</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>Interrupted while the files were read: cancelled before sending.</source>
        <translation>读取文件时中断：已在发送前取消。</translation>
    </message>
    <message>
        <source>Interrupted: the transfer was stopped and its end not waited for.</source>
        <translation>已中断：传输已停止，未等待其结束。</translation>
    </message>
    <message>
        <source>Interrupted before this printer&apos;s turn: nothing was sent.</source>
        <translation>在轮到此打印机之前已中断：未发送任何内容。</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>无效的属性值</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>类型不匹配</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>溢出</translation>
    </message>
    <message>
        <source>Cancel was selected.</source>
        <translation>已选择取消。</translation>
    </message>
    <message>
        <source>Subscript out of range: there are no bytes in memory to send</source>
        <translation>下标越界：内存中没有可发送的字节</translation>
    </message>
    <message>
        <source>The transfer was cancelled.</source>
        <translation>传输已取消。</translation>
    </message>
    <message>
        <source>The transfer was stopped.</source>
        <translation>传输已停止。</translation>
    </message>
    <message>
        <source>Bad file name or number</source>
        <translation>文件名或文件号错误</translation>
    </message>
    <message>
        <source>%1 is out of paper: load labels and try again.</source>
        <translation>%1 缺纸：请装入标签后重试。</translation>
    </message>
    <message>
        <source>%1 is offline: put the printer online and try again.</source>
        <translation>%1 处于脱机状态：请将打印机联机后重试。</translation>
    </message>
    <message>
        <source>%1 reports an error: check the printer&apos;s cover, labels and ribbon, then try again.</source>
        <translation>%1 报告错误：请检查打印机的盖子、标签和色带，然后重试。</translation>
    </message>
    <message>
        <source>Device I/O error: %1 accepted no data for %2 seconds. Check that the printer is on, online and has paper.</source>
        <translation>设备 I/O 错误：%1 在 %2 秒内未接受任何数据。请检查打印机是否已开机、联机并有纸。</translation>
    </message>
    <message>
        <source>%1 bytes delivered</source>
        <translation>已送达 %1 字节</translation>
    </message>
    <message>
        <source>No printer address is set: enter the printer&apos;s network name or IP address on the Communication Settings tab.</source>
        <translation>未设置打印机地址：请在通信设置选项卡中输入打印机的网络名称或 IP 地址。</translation>
    </message>
    <message>
        <source>could not look %1 up within %2 s: check the name and the DNS server</source>
        <translation>无法在 %2 秒内解析 %1：请检查名称和 DNS 服务器</translation>
    </message>
    <message>
        <source>The printer&apos;s network name &quot;%1&quot; could not be found (port %2): check the name, or enter the printer&apos;s IP address instead.</source>
        <translation>找不到打印机的网络名称“%1”（端口 %2）：请检查名称，或改为输入打印机的 IP 地址。</translation>
    </message>
    <message>
        <source>%1 did not answer within %2 seconds: check the address, and that the printer is on and connected to the network.</source>
        <translation>%1 在 %2 秒内无应答：请检查地址，以及打印机是否已开机并连接到网络。</translation>
    </message>
    <message>
        <source>%1 refused the connection: check that this is the printer&apos;s address and that it takes print jobs on port %2 (9100 on most printers).</source>
        <translation>%1 拒绝了连接：请检查这是否为打印机的地址，以及它是否在端口 %2（大多数打印机为 9100）上接受打印作业。</translation>
    </message>
    <message>
        <source>%1 cannot be reached: %2</source>
        <translation>无法访问 %1：%2</translation>
    </message>
    <message>
        <source>%1 closed the connection during the transfer: the printer may have been switched off or restarted.</source>
        <translation>%1 在传输过程中关闭了连接：打印机可能已关机或重启。</translation>
    </message>
    <message>
        <source>The connection to %1 failed during the transfer: %2</source>
        <translation>与 %1 的连接在传输过程中失败：%2</translation>
    </message>
    <message>
        <source>%1 stopped answering: nothing came back for %2 s. Check that the printer is on and connected to the network.</source>
        <translation>%1 停止响应：%2 秒内没有任何回应。请检查打印机是否已开机并连接到网络。</translation>
    </message>
    <message>
        <source>%1 %2; the wait for an answer is set on the Communication Settings tab (Give up after) or with --stall-limit.</source>
        <translation>%1 %2；等待应答的时间可在通信设置选项卡（放弃时限）或用 --stall-limit 设置。</translation>
    </message>
    <message>
        <source>%1 took no data for %2 s though it still answers: check paper, ribbon and the printer&apos;s display. %3; the wait for progress is set on the Communication Settings tab (Give up after) or with --busy-limit.</source>
        <translation>%1 仍有应答，但 %2 秒内未接收数据：请检查纸张、色带和打印机显示屏。%3；等待进展的时间可在通信设置选项卡（放弃时限）或用 --busy-limit 设置。</translation>
    </message>
    <message>
        <source>%1 does not exist on this computer. No serial ports were found: check that the printer&apos;s cable or USB adapter is plugged in.</source>
        <translation>此计算机上不存在 %1。未找到串口：请检查打印机电缆或 USB 适配器是否已插好。</translation>
    </message>
    <message>
        <source>%1 does not exist on this computer. Serial ports found: %2. Choose one of them on the Communication Settings tab and press Apply.</source>
        <translation>此计算机上不存在 %1。找到的串口：%2。请在通信设置选项卡中选择其中一个并按“应用”。</translation>
    </message>
    <message>
        <source>Permission denied on %1. Your user must be in the group &apos;%2&apos; that owns the port: run &apos;sudo usermod -aG %2 $USER&apos;, then log out and in again.</source>
        <translation>%1 权限被拒绝。您的用户必须属于拥有该端口的组 &apos;%2&apos;：运行 &apos;sudo usermod -aG %2 $USER&apos;，然后注销并重新登录。</translation>
    </message>
    <message>
        <source>Permission denied on %1. Ask your administrator for read and write access to it.</source>
        <translation>%1 权限被拒绝。请向管理员申请读写权限。</translation>
    </message>
    <message>
        <source>%1 is in use by another program%2. Close that program and try again.</source>
        <translation>%1 正被另一个程序使用%2。请关闭该程序后重试。</translation>
    </message>
    <message>
        <source>%1 is already open: another transfer is still running.</source>
        <translation>%1 已打开：另一个传输仍在进行。</translation>
    </message>
    <message>
        <source>%1 does not accept the line settings: %2</source>
        <translation>%1 不接受线路设置：%2</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>无法打开 %1：%2</translation>
    </message>
    <message>
        <source>No parallel or USB printer ports were found.</source>
        <translation>未找到并口或 USB 打印机端口。</translation>
    </message>
    <message>
        <source>Parallel and USB printer ports found: %1. Choose one of them on the Communication Settings tab.</source>
        <translation>找到的并口和 USB 打印机端口：%1。请在通信设置选项卡中选择其中一个。</translation>
    </message>
    <message>
        <source>Another transfer to the printer is still running: wait for it to finish, or cancel it, then try again.</source>
        <translation>另一个到打印机的传输仍在进行：请等待其完成或取消它，然后重试。</translation>
    </message>
    <message>
        <source>No USB printer is connected.</source>
        <translation>未连接 USB 打印机。</translation>
    </message>
    <message>
        <source>USB Printer %1 is not connected.</source>
        <translation>USB 打印机 %1 未连接。</translation>
    </message>
    <message>
        <source>Check that the printer is switched on and its USB cable is plugged in at both ends, and that the usblp driver is loaded (lsmod | grep usblp; load it with: sudo modprobe usblp).</source>
        <translation>请检查打印机是否已开机、USB 电缆两端是否插好，以及 usblp 驱动是否已加载（lsmod | grep usblp；加载方法：sudo modprobe usblp）。</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>错误：%1</translation>
    </message>
    <message>
        <source>Could not set comm state: the serial port cannot send with %1 data bits. Choose 5 to 8 data bits.</source>
        <translation>无法设置端口状态：串口无法以 %1 个数据位发送。请选择 5 到 8 个数据位。</translation>
    </message>
    <message>
        <source>%1 stopped working during the transfer: the device or its USB adapter was removed or failed (%2).</source>
        <translation>%1 在传输过程中停止工作：设备或其 USB 适配器已被拔出或出现故障（%2）。</translation>
    </message>
    <message>
        <source>%1 failed during the transfer: %2</source>
        <translation>%1 在传输过程中出错：%2</translation>
    </message>
    <message>
        <source>%1 accepted no data for %2 seconds: check that the printer is on, online and connected.</source>
        <translation>%1 在 %2 秒内未接受任何数据：请检查打印机是否已开机、联机并已连接。</translation>
    </message>
    <message>
        <source>Interrupted: nothing more was sent.</source>
        <translation>已中断：未再发送任何内容。</translation>
    </message>
    <message>
        <source>Interrupted: the transfer was stopped and what was queued discarded; %1 bytes delivered.</source>
        <translation>已中断：传输已停止，队列中的内容已丢弃；已送达 %1 字节。</translation>
    </message>
    <message>
        <source>Printer Setup</source>
        <translation>打印机设置</translation>
    </message>
    <message>
        <source>Invalid Width Argument.</source>
        <translation>宽度值无效。</translation>
    </message>
    <message>
        <source>Maximum Width is 416</source>
        <translation>最大宽度为 416</translation>
    </message>
    <message>
        <source>Invalid Print Mode. Valid Modes are DT and TT</source>
        <translation>打印模式无效。有效模式为 DT 和 TT</translation>
    </message>
    <message>
        <source>Invalid Print Speed</source>
        <translation>打印速度无效</translation>
    </message>
    <message>
        <source>an IPv6 address needs its closing ]</source>
        <translation>IPv6 地址缺少右方括号 ]</translation>
    </message>
    <message>
        <source>write an IPv6 address in brackets: tcp://[2001:db8::5]:9100</source>
        <translation>请将 IPv6 地址写在方括号中：tcp://[2001:db8::5]:9100</translation>
    </message>
    <message>
        <source>name the USB printer device: usb:/dev/usb/lp0</source>
        <translation>请指定 USB 打印机设备：usb:/dev/usb/lp0</translation>
    </message>
    <message>
        <source>give COMn[:settings], a serial device path[:settings], LPT1, LPT2, usb:DEVICE or tcp://HOST[:PORT]</source>
        <translation>请给出 COMn[:设置]、串行设备路径[:设置]、LPT1、LPT2、usb:设备 或 tcp://主机[:端口]</translation>
    </message>
    <message>
        <source>COM ports are numbered 1 to %1</source>
        <translation>COM 端口编号为 1 到 %1</translation>
    </message>
    <message>
        <source>the line settings &quot;%1&quot; must read baud,parity,data bits,stop bits, such as 9600,N,8,1</source>
        <translation>线路设置“%1”必须写成 波特率,校验,数据位,停止位，例如 9600,N,8,1</translation>
    </message>
    <message>
        <source>Invalid Parallel Port</source>
        <translation>并行端口无效</translation>
    </message>
    <message>
        <source>Invalid Network Printer: enter the printer&apos;s network name or its IPv4 or IPv6 address.</source>
        <translation>网络打印机无效：请输入打印机的网络名称或其 IPv4 或 IPv6 地址。</translation>
    </message>
    <message>
        <source>Invalid Network Port: enter a number from 1 to 65535 (9100 on most printers).</source>
        <translation>网络端口无效：请输入 1 到 65535 之间的数字（大多数打印机为 9100）。</translation>
    </message>
    <message>
        <source>File not found: %1</source>
        <translation>找不到文件：%1</translation>
    </message>
    <message>
        <source>Permission denied: %1</source>
        <translation>权限被拒绝：%1</translation>
    </message>
    <message>
        <source>Disk full: %1</source>
        <translation>磁盘已满：%1</translation>
    </message>
    <message>
        <source>Device I/O error: %1 (%2)</source>
        <translation>设备输入/输出错误：%1（%2）</translation>
    </message>
    <message>
        <source>Bad file name: %1</source>
        <translation>文件名无效：%1</translation>
    </message>
    <message>
        <source>Path/File access error: %1 (%2)</source>
        <translation>路径/文件访问错误：%1（%2）</translation>
    </message>
    <message>
        <source>Permission denied: %1 (%2)</source>
        <translation>权限被拒绝：%1（%2）</translation>
    </message>
    <message>
        <source>Disk full or out of resources: %1 (%2)</source>
        <translation>磁盘已满或资源不足：%1（%2）</translation>
    </message>
    <message>
        <source>%1 was not written: %2</source>
        <translation>%1 未写入：%2</translation>
    </message>
    <message>
        <source>it is a symbolic link, and nothing is written through one; name the file itself.</source>
        <translation>它是符号链接，不会通过链接写入任何内容；请指定文件本身。</translation>
    </message>
    <message>
        <source>it is a folder; name a file in it.</source>
        <translation>它是文件夹；请指定其中的文件。</translation>
    </message>
    <message>
        <source>only a regular file is written here.</source>
        <translation>此处只写入普通文件。</translation>
    </message>
    <message>
        <source>it is neither a file, a character device nor a pipe.</source>
        <translation>它既不是文件，也不是字符设备或管道。</translation>
    </message>
    <message>
        <source>it belongs to user %1, not to user %2 for whom the program runs as root.</source>
        <translation>它属于用户 %1，而不属于程序以 root 身份为之运行的用户 %2。</translation>
    </message>
    <message>
        <source>%1 was not written: nothing opened the pipe to read it within %2 s.</source>
        <translation>%1 未写入：%2 秒内没有任何程序打开管道读取。</translation>
    </message>
    <message>
        <source>%1 was not written: interrupted.</source>
        <translation>%1 未写入：已中断。</translation>
    </message>
    <message>
        <source>it changed while it was being written.</source>
        <translation>它在写入期间发生了变化。</translation>
    </message>
    <message>
        <source>no file name was given.</source>
        <translation>未给出文件名。</translation>
    </message>
    <message>
        <source>only a regular file is written.</source>
        <translation>只写入普通文件。</translation>
    </message>
    <message>
        <source>%1 (no COM number reaches it)</source>
        <translation>%1（没有 COM 编号对应它）</translation>
    </message>
    <message>
        <source>Put the printer online (its pause or feed button) and try again.</source>
        <translation>请让打印机联机（按暂停或进纸按钮）后重试。</translation>
    </message>
    <message>
        <source>Open the printer, clear the jammed labels, close it and try again.</source>
        <translation>请打开打印机，清除卡住的标签，关上后重试。</translation>
    </message>
    <message>
        <source>Close the printer&apos;s cover and try again.</source>
        <translation>请关上打印机盖后重试。</translation>
    </message>
    <message>
        <source>Load labels, close the printer and try again.</source>
        <translation>请装入标签，关上打印机后重试。</translation>
    </message>
    <message>
        <source>Load a ribbon, close the printer and try again.</source>
        <translation>请装入色带，关上打印机后重试。</translation>
    </message>
    <message>
        <source>Take the printed labels out and try again.</source>
        <translation>请取出已打印的标签后重试。</translation>
    </message>
    <message>
        <source>The printer reports %1: nothing was sent. %2</source>
        <translation>打印机报告 %1：未发送任何内容。%2</translation>
    </message>
    <message>
        <source>The printer reports %1: nothing was sent. %2 Give --ignore-status to send anyway.</source>
        <translation>打印机报告 %1：未发送任何内容。%2 如仍要发送，请给出 --ignore-status。</translation>
    </message>
    <message>
        <source>No printer address is set: name the printer with --to tcp://HOST.</source>
        <translation>未设置打印机地址：请用 --to tcp://主机 指定打印机。</translation>
    </message>
    <message>
        <source>%1 %2; the wait for an answer is set with --stall-limit.</source>
        <translation>%1 %2；等待应答的时间可用 --stall-limit 设置。</translation>
    </message>
    <message>
        <source>%1 took no data for %2 s though it still answers: check paper, ribbon and the printer&apos;s display. %3; the wait for progress is set with --busy-limit.</source>
        <translation>%1 仍有应答，但 %2 秒内未接收数据：请检查纸张、色带和打印机显示屏。%3；等待进展的时间可用 --busy-limit 设置。</translation>
    </message>
    <message>
        <source>%1 does not exist on this computer. Serial ports found: %2. Name one of them with --to.</source>
        <translation>此计算机上不存在 %1。找到的串口：%2。请用 --to 指定其中一个。</translation>
    </message>
    <message>
        <source>Parallel and USB printer ports found: %1. Name one of them with --to.</source>
        <translation>找到的并口和 USB 打印机端口：%1。请用 --to 指定其中一个。</translation>
    </message>
    <message>
        <source>ignoring the settings in %1, which cannot be read: it is not a regular file; starting values apply, and the file is left as it is</source>
        <translation>忽略 %1 中的设置：它不是普通文件，无法读取；使用初始值，文件保持原样</translation>
    </message>
    <message>
        <source>ignoring the settings in %1, which cannot be read: it is larger than %2 KiB; starting values apply, and the file is left as it is</source>
        <translation>忽略 %1 中的设置：文件大于 %2 KiB，无法读取；使用初始值，文件保持原样</translation>
    </message>
    <message>
        <source>ignoring the settings in %1, which cannot be read; starting values apply, and the file is left as it is</source>
        <translation>忽略 %1 中的设置：无法读取；使用初始值，文件保持原样</translation>
    </message>
    <message>
        <source>ignoring the settings in %1, which cannot be read; starting values apply, and the file is written afresh</source>
        <translation>忽略 %1 中的设置：无法读取；使用初始值，文件将重新写入</translation>
    </message>
    <message>
        <source>ignoring the settings in %1, which cannot be understood; starting values apply, and the file is written afresh</source>
        <translation>忽略 %1 中的设置：无法理解其内容；使用初始值，文件将重新写入</translation>
    </message>
    <message>
        <source>the settings will not be saved: %1</source>
        <translation>设置将不会保存：%1</translation>
    </message>
    <message>
        <source>the settings were not saved: %1</source>
        <translation>设置未能保存：%1</translation>
    </message>
    <message>
        <source>the sweep could not try %1 of %2 addresses and ports (too many open files): printers may be missing</source>
        <translation>扫描未能尝试 %2 个地址和端口中的 %1 个（打开的文件过多）：可能有打印机未被发现</translation>
    </message>
    <message>
        <source>DNS-SD browsing failed: %1</source>
        <translation>DNS-SD 浏览失败：%1</translation>
    </message>
    <message>
        <source>DNS-SD: the Avahi daemon went away (%1)</source>
        <translation>DNS-SD：Avahi 守护进程已退出（%1）</translation>
    </message>
    <message>
        <source>DNS-SD is not available: no Avahi daemon runs; looking the other ways.</source>
        <translation>DNS-SD 不可用：没有正在运行的 Avahi 守护进程；改用其他方式查找。</translation>
    </message>
    <message>
        <source>DNS-SD is not available: %1; looking the other ways.</source>
        <translation>DNS-SD 不可用：%1；改用其他方式查找。</translation>
    </message>
    <message>
        <source>%1: not a network printer: its status cannot be read</source>
        <translation>%1：不是网络打印机：无法读取其状态</translation>
    </message>
    <message>
        <source>File too large: %1 has %2 bytes; a file must be smaller than 2 GiB (%3 bytes) to be held in memory.</source>
        <translation>文件太大：%1 有 %2 字节；文件必须小于 2 GiB（%3 字节）才能保存在内存中。</translation>
    </message>
    <message>
        <source>Out of memory: %1 bytes do not fit in memory.</source>
        <translation>内存不足：%1 字节无法放入内存。</translation>
    </message>
    <message>
        <source>Input past end of file: %1</source>
        <translation>读取超出文件末尾：%1</translation>
    </message>
    <message>
        <source>an SNMP v3 pass phrase is unusable</source>
        <translation>SNMP v3 密码短语不可用</translation>
    </message>
    <message>
        <source>cannot open an SNMP session</source>
        <translation>无法打开 SNMP 会话</translation>
    </message>
    <message>
        <source>no SNMP answer</source>
        <translation>无 SNMP 应答</translation>
    </message>
    <message>
        <source>SNMP failed: %1</source>
        <translation>SNMP 失败：%1</translation>
    </message>
    <message>
        <source>SNMP error: %1</source>
        <translation>SNMP 错误：%1</translation>
    </message>
    <message>
        <source>the printer refused the request (the SNMP user or its pass phrases)</source>
        <translation>打印机拒绝了请求（SNMP 用户或其密码短语）</translation>
    </message>
    <message>
        <source>SNMP failed: the agent named no engine</source>
        <translation>SNMP 失败：代理未给出引擎</translation>
    </message>
    <message>
        <source>the name was not looked up in time</source>
        <translation>未能及时解析该名称</translation>
    </message>
    <message>
        <source>the name could not be found</source>
        <translation>找不到该名称</translation>
    </message>
    <message>
        <source>Input past end of file: the profile is empty or cut off</source>
        <translation>读取超出文件末尾：配置文件为空或不完整</translation>
    </message>
</context>
<context>
    <name>FileDrop</name>
    <message>
        <source>Drop one file at a time.</source>
        <translation>请一次只拖放一个文件。</translation>
    </message>
    <message>
        <source>%1 is not a file on this computer: drop a file.</source>
        <translation>%1 不是本机上的文件：请拖放文件。</translation>
    </message>
    <message>
        <source>%1 is a folder: drop a file.</source>
        <translation>%1 是文件夹：请拖放文件。</translation>
    </message>
</context>
<context>
    <name>FindPrintersDialog</name>
    <message>
        <source>Find Printers</source>
        <translation>查找打印机</translation>
    </message>
    <message>
        <source>&amp;Range:</source>
        <translation>范围(&amp;R)：</translation>
    </message>
    <message>
        <source>192.168.1.0/24, or hosts</source>
        <translation>192.168.1.0/24 或主机</translation>
    </message>
    <message>
        <source>CIDR ranges of at most /22 or host names, separated by spaces or commas. Port 9100 of each address is tried; DNS-SD and SNMP are asked too.</source>
        <translation>最大 /22 的 CIDR 范围或主机名，以空格或逗号分隔。会尝试每个地址的 9100 端口，并查询 DNS-SD 和 SNMP。</translation>
    </message>
    <message>
        <source>Range:</source>
        <translation>范围：</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>开始(&amp;S)</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>停止(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>筛选(&amp;F)：</translation>
    </message>
    <message>
        <source>any text of a row</source>
        <translation>行中的任意文本</translation>
    </message>
    <message>
        <source>Filter:</source>
        <translation>筛选：</translation>
    </message>
    <message>
        <source>Search Progress</source>
        <translation>搜索进度</translation>
    </message>
    <message>
        <source>Printers Found</source>
        <translation>找到的打印机</translation>
    </message>
    <message>
        <source>Nothing is scanned until Start is pressed.</source>
        <translation>按“开始”之前不会扫描。</translation>
    </message>
    <message>
        <source>&amp;Use This Printer</source>
        <translation>使用此打印机(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>地址</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>端口</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Make and Model</source>
        <translation>制造商和型号</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>序列号</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Found By</source>
        <translation>发现方式</translation>
    </message>
    <message>
        <source>1 printer found.</source>
        <translation>找到 1 台打印机。</translation>
    </message>
    <message>
        <source>%1 printers found.</source>
        <translation>找到 %1 台打印机。</translation>
    </message>
    <message>
        <source>Looking...</source>
        <translation>正在查找...</translation>
    </message>
    <message>
        <source>&amp;Watch</source>
        <translation>监视(&amp;W)</translation>
    </message>
    <message>
        <source>Reads the printers found again every few seconds over SNMP and shows their status and alerts as they change.</source>
        <translation>每隔几秒通过 SNMP 重新读取找到的打印机，并在状态和警报变化时显示。</translation>
    </message>
    <message>
        <source>Printer Details</source>
        <translation>打印机详细信息</translation>
    </message>
    <message>
        <source>Select a printer to see what it reports.</source>
        <translation>选择一台打印机以查看其报告的信息。</translation>
    </message>
    <message>
        <source>Alerts</source>
        <translation>警报</translation>
    </message>
    <message>
        <source>critical</source>
        <translation>严重</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>other</source>
        <translation>其他</translation>
    </message>
    <message>
        <source>at uptime %1</source>
        <translation>运行时间 %1 时</translation>
    </message>
    <message>
        <source>Printer:</source>
        <translation>打印机：</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>状态：</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>名称：</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>型号：</translation>
    </message>
    <message>
        <source>Serial:</source>
        <translation>序列号：</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>位置：</translation>
    </message>
    <message>
        <source>Uptime:</source>
        <translation>运行时间：</translation>
    </message>
    <message>
        <source>Front panel:</source>
        <translation>前面板：</translation>
    </message>
    <message>
        <source>group %1, code %2</source>
        <translation>组 %1，代码 %2</translation>
    </message>
    <message>
        <source>Alert:</source>
        <translation>警报：</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>%1: %2, raised %3</source>
        <translation>%1：%2，发生于 %3</translation>
    </message>
    <message>
        <source>Media:</source>
        <translation>介质：</translation>
    </message>
    <message>
        <source>Odometer:</source>
        <translation>计数器：</translation>
    </message>
    <message>
        <source>This printer has no raw port: it was only named (over IPP), and nothing is sent to an IPP port.</source>
        <translation>此打印机没有原始端口：它只是（通过 IPP）被列出，不会向 IPP 端口发送任何内容。</translation>
    </message>
    <message>
        <source>Last answer:</source>
        <translation>最后应答：</translation>
    </message>
</context>
<context>
    <name>GraphicCheck</name>
    <message>
        <source>%1 × %2 dots, %3 × %4 mm</source>
        <translation>%1 × %2 点，%3 × %4 毫米</translation>
    </message>
    <message>
        <source> Use Convert… to make one.</source>
        <translation> 请使用“转换…”生成一个。</translation>
    </message>
    <message>
        <source>%1 is empty.</source>
        <translation>%1 为空。</translation>
    </message>
    <message>
        <source>%1 is a %2 image, but %3 is chosen as its type: store it as %2.</source>
        <translation>%1 是 %2 图像，但所选类型为 %3：请以 %2 存储。</translation>
    </message>
    <message>
        <source>%1 is a %2 image, not a %3: the printer stores 1-bit BMP or PCX images only.</source>
        <translation>%1 是 %2 图像，不是 %3：打印机只存储 1 位 BMP 或 PCX 图像。</translation>
    </message>
    <message>
        <source>%1 is not a %2 image.</source>
        <translation>%1 不是 %2 图像。</translation>
    </message>
    <message>
        <source>%1 is an %2-bit colour image: the printer stores black-and-white (1-bit) images only.</source>
        <translation>%1 是 %2 位彩色图像：打印机只存储黑白（1 位）图像。</translation>
    </message>
    <message>
        <source>%1 is a %2-bit colour image: the printer stores black-and-white (1-bit) images only.</source>
        <translation>%1 是 %2 位彩色图像：打印机只存储黑白（1 位）图像。</translation>
    </message>
    <message>
        <source>%1 is cut short: it ends inside its header.</source>
        <translation>%1 不完整：文件在其文件头内结束。</translation>
    </message>
    <message>
        <source>%1 has no pixels: its header gives %2 × %3 dots.</source>
        <translation>%1 没有像素：其文件头给出 %2 × %3 点。</translation>
    </message>
    <message>
        <source>%1 is cut short: its header gives %2 bytes, the file has %3.</source>
        <translation>%1 不完整：文件头给出 %2 字节，文件只有 %3 字节。</translation>
    </message>
    <message>
        <source>%1&apos;s header gives its size as %2 bytes, but the file has %3.</source>
        <translation>%1 的文件头给出的大小为 %2 字节，但文件有 %3 字节。</translation>
    </message>
    <message>
        <source>%1 has a bitmap header of %2 bytes, which no Windows bitmap has.</source>
        <translation>%1 的位图文件头为 %2 字节，没有任何 Windows 位图是这样的。</translation>
    </message>
    <message>
        <source>%1 gives %2 colour planes; a Windows bitmap has one.</source>
        <translation>%1 给出 %2 个颜色平面；Windows 位图只有一个。</translation>
    </message>
    <message>
        <source>%1 gives a bit depth of %2, which no Windows bitmap has.</source>
        <translation>%1 给出的位深为 %2，没有任何 Windows 位图是这样的。</translation>
    </message>
    <message>
        <source>method %1</source>
        <translation>方法 %1</translation>
    </message>
    <message>
        <source>%1 is compressed (%2): the printer stores uncompressed bitmaps only.</source>
        <translation>%1 已压缩（%2）：打印机只存储未压缩的位图。</translation>
    </message>
    <message>
        <source>%1 has a palette of %2 colours; a 1-bit image has 2 at most.</source>
        <translation>%1 的调色板有 %2 种颜色；1 位图像最多只有 2 种。</translation>
    </message>
    <message>
        <source>%1&apos;s pixel data would start at byte %2, inside its header and palette.</source>
        <translation>%1 的像素数据将从第 %2 字节开始，位于文件头和调色板之内。</translation>
    </message>
    <message>
        <source>%1&apos;s header gives %2 bytes of pixel data, but %3 × %4 dots need %5.</source>
        <translation>%1 的文件头给出 %2 字节像素数据，但 %3 × %4 点需要 %5 字节。</translation>
    </message>
    <message>
        <source>%1 is cut short: %2 × %3 dots need %4 bytes of pixel data, the file has %5 after its header.</source>
        <translation>%1 不完整：%2 × %3 点需要 %4 字节像素数据，文件头之后只有 %5 字节。</translation>
    </message>
    <message>
        <source>%1 is not a PCX image.</source>
        <translation>%1 不是 PCX 图像。</translation>
    </message>
    <message>
        <source>%1 is not run-length encoded as a PCX image is.</source>
        <translation>%1 没有像 PCX 图像那样采用行程编码。</translation>
    </message>
    <message>
        <source>%1 gives %2 bits per pixel in %3 planes, which no PCX image has.</source>
        <translation>%1 给出每像素 %2 位、%3 个平面，没有任何 PCX 图像是这样的。</translation>
    </message>
    <message>
        <source>%1&apos;s lines of %2 bytes cannot hold %3 dots.</source>
        <translation>%1 的每行 %2 字节容纳不下 %3 点。</translation>
    </message>
    <message>
        <source>%1 is cut short: its pixel data ends after %2 of %3 lines.</source>
        <translation>%1 不完整：像素数据在 %3 行中的第 %2 行之后结束。</translation>
    </message>
    <message>
        <source>bit fields</source>
        <extracomment>A BMP compression kind: the pixels are read through colour masks.</extracomment>
        <translation>位域</translation>
    </message>
    <message>
        <source> Add --convert to make one.</source>
        <translation> 添加 --convert 即可生成一个。</translation>
    </message>
</context>
<context>
    <name>GraphicConvertDialog</name>
    <message>
        <source>Convert Graphic</source>
        <translation>转换图形</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>原图</translation>
    </message>
    <message>
        <source>For the printer (1-bit)</source>
        <translation>用于打印机（1 位）</translation>
    </message>
    <message>
        <source>Original Picture</source>
        <translation>原始图像</translation>
    </message>
    <message>
        <source>Converted Picture</source>
        <translation>转换后的图像</translation>
    </message>
    <message>
        <source>Conversion</source>
        <translation>转换</translation>
    </message>
    <message>
        <source>Scale the picture, keeping its aspect</source>
        <translation>按比例缩放图像</translation>
    </message>
    <message>
        <source>&amp;Width in dots:</source>
        <translation>宽度（点）(&amp;W)：</translation>
    </message>
    <message>
        <source>Width in Dots</source>
        <translation>宽度（点）</translation>
    </message>
    <message>
        <source>Swap black and white</source>
        <translation>黑白互换</translation>
    </message>
    <message>
        <source>&amp;Invert</source>
        <translation>反转(&amp;I)</translation>
    </message>
    <message>
        <source>Dots darker than this grey print black</source>
        <translation>比此灰度深的点打印为黑色</translation>
    </message>
    <message>
        <source>&amp;Threshold:</source>
        <translation>阈值(&amp;T)：</translation>
    </message>
    <message>
        <source>Threshold</source>
        <translation>阈值</translation>
    </message>
    <message>
        <source>Spread the greys as patterns of dots</source>
        <translation>以点阵图案表现灰度</translation>
    </message>
    <message>
        <source>&amp;Dither (error diffusion)</source>
        <translation>抖动（误差扩散）(&amp;D)</translation>
    </message>
    <message>
        <source>Save the converted picture as a BMP file</source>
        <translation>将转换后的图像另存为 BMP 文件</translation>
    </message>
    <message>
        <source>&amp;Save as BMP…</source>
        <translation>另存为 BMP(&amp;S)…</translation>
    </message>
    <message>
        <source>Make the converted picture the graphic to store</source>
        <translation>将转换后的图像作为要存储的图形</translation>
    </message>
    <message>
        <source>&amp;Use</source>
        <translation>使用(&amp;U)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Wider than the printable width of %1 dots set on Printer Configuration: the printer cuts off the rest.</source>
        <translation>宽于打印机配置中设定的 %1 点可打印宽度：超出部分将被打印机截掉。</translation>
    </message>
    <message>
        <source>Bitmaps (*.bmp)|*.bmp</source>
        <translation>位图 (*.bmp)|*.bmp</translation>
    </message>
    <message>
        <source>The picture could not be saved to %1: %2</source>
        <translation>无法将图像保存到 %1：%2</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>varimonde-setup: --lang takes a language code such as de or pt_BR; the texts stay in English.</source>
        <translation>varimonde-setup：--lang 需要语言代码，例如 de 或 pt_BR；文本保持英文。</translation>
    </message>
    <message>
        <source>varimonde-setup: no translation into %1; the texts stay in English.</source>
        <translation>varimonde-setup：没有 %1 的翻译；文本保持英文。</translation>
    </message>
</context>
<context>
    <name>LinkAddress</name>
    <message>
        <source>Serial %1 %2</source>
        <translation>串口 %1 %2</translation>
    </message>
    <message>
        <source>Parallel %1 (%2)</source>
        <translation>并口 %1 (%2)</translation>
    </message>
    <message>
        <source>USB Printer %1</source>
        <translation>USB 打印机 %1</translation>
    </message>
    <message>
        <source>(none found)</source>
        <translation>(未找到)</translation>
    </message>
    <message>
        <source>Network %1</source>
        <translation>网络 %1</translation>
    </message>
    <message>
        <source>(no address set)</source>
        <translation>(未设置地址)</translation>
    </message>
</context>
<context>
    <name>LogWindow</name>
    <message>
        <source>Send Log</source>
        <translation>发送日志</translation>
    </message>
    <message>
        <source>Sends</source>
        <translation>发送记录</translation>
    </message>
    <message>
        <source>Bytes of the selected send</source>
        <translation>所选发送的字节</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>另存为(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Reset Settings...</source>
        <translation>重置设置(&amp;R)...</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>关闭(&amp;L)</translation>
    </message>
    <message>
        <source>The log could not be saved: %1</source>
        <translation>无法保存日志：%1</translation>
    </message>
    <message>
        <source>Text Files(*.txt)|*.txt|All Files(*.*)|*.*</source>
        <translation>文本文件(*.txt)|*.txt|所有文件(*.*)|*.*</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Exit</source>
        <translation>退出(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Log</source>
        <translation>日志(&amp;L)</translation>
    </message>
    <message>
        <source>Communication Settings</source>
        <translation>通信设置</translation>
    </message>
    <message>
        <source>Printer Configuration</source>
        <translation>打印机配置</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>校准</translation>
    </message>
    <message>
        <source>Data Storage</source>
        <translation>数据存储</translation>
    </message>
    <message>
        <source>Binary Transfer</source>
        <translation>二进制传输</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Printer link</source>
        <translation>打印机连接</translation>
    </message>
    <message>
        <source>Last send</source>
        <translation>上次发送</translation>
    </message>
    <message>
        <source>The next send goes to: %1
Gives up after %2 s without an answer and %3 s without progress</source>
        <translation>下次发送到：%1
无应答 %2 秒、无进展 %3 秒后放弃</translation>
    </message>
    <message>
        <source>The next send goes to: %1</source>
        <translation>下次发送到：%1</translation>
    </message>
    <message>
        <source>%1 of %2 bytes delivered</source>
        <translation>已送达 %1/%2 字节</translation>
    </message>
    <message>
        <source>Sent at %1 (%2)</source>
        <translation>%1 已发送（%2）</translation>
    </message>
    <message>
        <source>Cancelled at %1 (%2)</source>
        <translation>%1 已取消（%2）</translation>
    </message>
    <message>
        <source>Failed at %1: %2 (%3)</source>
        <translation>%1 失败：%2（%3）</translation>
    </message>
    <message>
        <source>Forget the window&apos;s size and place, the folders the file dialogs open in and the printer link?</source>
        <translation>要清除窗口的大小和位置、文件对话框的文件夹以及打印机连接吗？</translation>
    </message>
    <message>
        <source>Reset Settings</source>
        <translation>重置设置</translation>
    </message>
    <message>
        <source>Quit without sending the changed settings?</source>
        <translation>不发送已更改的设置就退出吗？</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>A transfer to the printer is running. Stop it and quit?</source>
        <translation>正在向打印机传输。停止并退出吗？</translation>
    </message>
    <message>
        <source>Stop and Quit</source>
        <translation>停止并退出</translation>
    </message>
    <message>
        <source>Keep Sending</source>
        <translation>继续发送</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>页面</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>The next send goes to: %1
Gives up after %2 s without progress</source>
        <translation>下次发送到：%1
无进展 %2 秒后放弃</translation>
    </message>
</context>
<context>
    <name>OperationBuilders</name>
    <message>
        <source>an empty identifier: the printer could never be asked for it</source>
        <translation>标识符为空：永远无法向打印机查询它</translation>
    </message>
    <message>
        <source>No such USB printer: a USB printer is lp&lt;n&gt; in %1, such as %1/lp0</source>
        <translation>没有这台 USB 打印机：USB 打印机是 %1 中的 lp&lt;n&gt;，例如 %1/lp0</translation>
    </message>
    <message>
        <source>Darkness must be a whole number from %1 to %2</source>
        <translation>浓度必须是 %1 到 %2 之间的整数</translation>
    </message>
    <message>
        <source>--ribbon is for thermal transfer (--print-type TT) only</source>
        <translation>--ribbon 仅用于热转印（--print-type TT）</translation>
    </message>
    <message>
        <source>--test-label takes 1 (the 4X3 label) or 2 (the 2.4X1 label), not &quot;%1&quot;</source>
        <translation>--test-label 取 1（4X3 标签）或 2（2.4X1 标签），而不是“%1”</translation>
    </message>
</context>
<context>
    <name>PortDiscovery</name>
    <message>
        <source>%1 (not connected)</source>
        <translation>%1 (未连接)</translation>
    </message>
</context>
<context>
    <name>ProfileActions</name>
    <message>
        <source>Error Opening File</source>
        <translation>打开文件时出错</translation>
    </message>
    <message>
        <source>Load Configuration</source>
        <translation>载入配置</translation>
    </message>
</context>
<context>
    <name>ProfileFile</name>
    <message>
        <source>Varimonde Printer Profile (*.vsp)|*.vsp|All Files(*.*)|*.*</source>
        <translation>Varimonde 打印机配置文件 (*.vsp)|*.vsp|所有文件(*.*)|*.*</translation>
    </message>
</context>
<context>
    <name>SendLog</name>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>连接</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>已发送</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>持续时间</translation>
    </message>
    <message>
        <source>Sent</source>
        <comment>a send&apos;s outcome</comment>
        <translation>已发送</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <comment>a send&apos;s outcome</comment>
        <translation>已取消</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>失败：%1</translation>
    </message>
    <message>
        <source>... %1 bytes not kept ...</source>
        <translation>... 未保留 %1 字节 ...</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 字节</translation>
    </message>
    <message>
        <source>%1 of %2 bytes delivered</source>
        <translation>已送达 %1 / %2 字节</translation>
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
        <translation>正在连接 %1…</translation>
    </message>
    <message>
        <source>Sending to %1…</source>
        <translation>正在发送到 %1…</translation>
    </message>
    <message>
        <source>Printer Not Ready</source>
        <translation>打印机未就绪</translation>
    </message>
    <message>
        <source>Send to %1</source>
        <translation>发送到 %1</translation>
    </message>
    <message>
        <source>Apply the change first?</source>
        <translation>先应用更改吗？</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>SnmpAnswer</name>
    <message>
        <source>ten-thousandths of an inch</source>
        <translation>万分之一英寸</translation>
    </message>
    <message>
        <source>micrometers</source>
        <translation>微米</translation>
    </message>
    <message>
        <source>characters</source>
        <translation>字符</translation>
    </message>
    <message>
        <source>lines</source>
        <translation>行</translation>
    </message>
    <message>
        <source>impressions</source>
        <translation>次打印</translation>
    </message>
    <message>
        <source>sheets</source>
        <translation>张</translation>
    </message>
    <message>
        <source>dot rows</source>
        <translation>点行</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>小时</translation>
    </message>
    <message>
        <source>feet</source>
        <translation>英尺</translation>
    </message>
    <message>
        <source>meters</source>
        <translation>米</translation>
    </message>
    <message>
        <source>other</source>
        <translation>其他单位</translation>
    </message>
    <message>
        <source>%1 d %2:%3:%4</source>
        <translation>%1 天 %2:%3:%4</translation>
    </message>
</context>
<context>
    <name>StorageCommands</name>
    <message>
        <source>The identifier contains a control character (%1), which the printer would take as part of a command. Use letters, digits and symbols.</source>
        <translation>标识符包含控制字符（%1），打印机会把它当作命令的一部分。请使用字母、数字和符号。</translation>
    </message>
    <message>
        <source>The identifier contains “%1”, which the printer cannot receive. Use letters, digits and symbols of Western European text.</source>
        <translation>标识符包含“%1”，打印机无法接收。请使用西欧文字的字母、数字和符号。</translation>
    </message>
    <message>
        <source>Valid Identifier must be no more than 8 characters.</source>
        <translation>有效的标识符不能超过 8 个字符。</translation>
    </message>
    <message>
        <source>Identifier must be 8 chars or less</source>
        <translation>标识符不能超过 8 个字符</translation>
    </message>
    <message>
        <source>Invalid Quantity: enter a whole number of labels from 1 to 32767</source>
        <translation>数量无效：请输入 1 到 32767 之间的整数标签数</translation>
    </message>
</context>
<context>
    <name>StoragePage</name>
    <message>
        <source>Graphic Storage</source>
        <translation>图形存储</translation>
    </message>
    <message>
        <source>Graphic Type</source>
        <translation>图形类型</translation>
    </message>
    <message>
        <source>Select Bitmap</source>
        <translation>选择 BMP</translation>
    </message>
    <message>
        <source>&amp;BMP</source>
        <translation>&amp;BMP</translation>
    </message>
    <message>
        <source>Select PCX</source>
        <translation>选择 PCX</translation>
    </message>
    <message>
        <source>PC&amp;X</source>
        <translation>PC&amp;X</translation>
    </message>
    <message>
        <source>Graphic File</source>
        <translation>图形文件</translation>
    </message>
    <message>
        <source>Bro&amp;wse</source>
        <translation>浏览(&amp;W)</translation>
    </message>
    <message>
        <source>Send stored graphics / programs to printer</source>
        <translation>将图形或程序存入打印机</translation>
    </message>
    <message>
        <source>&amp;Store Graphic to Printer</source>
        <translation>将图形存入打印机(&amp;S)</translation>
    </message>
    <message>
        <source>File Size:</source>
        <translation>文件大小：</translation>
    </message>
    <message>
        <source>0 Bytes</source>
        <translation>0 字节</translation>
    </message>
    <message>
        <source>Storing Progress</source>
        <translation>存储进度</translation>
    </message>
    <message>
        <source>Stop the transfer to the printer (Esc)</source>
        <translation>停止向打印机传输 (Esc)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>Graphic Preview</source>
        <translation>图形预览</translation>
    </message>
    <message>
        <source>Make a black-and-white (1-bit) BMP from a picture of any kind</source>
        <translation>从任意图片生成黑白（1 位）BMP</translation>
    </message>
    <message>
        <source>Con&amp;vert…</source>
        <translation>转换(&amp;V)…</translation>
    </message>
    <message>
        <source>Note: You may only store BLACK AND WHITE Images</source>
        <translation>注意：只能存储黑白图像</translation>
    </message>
    <message>
        <source>Stored Formats</source>
        <translation>已存储格式</translation>
    </message>
    <message>
        <source>Format Type</source>
        <translation>格式类型</translation>
    </message>
    <message>
        <source>Program is already named.  User will not be prompted.</source>
        <translation>程序已命名，不会提示输入。</translation>
    </message>
    <message>
        <source>Pri&amp;nt Format</source>
        <translation>打印(&amp;N)</translation>
    </message>
    <message>
        <source>Converts standard formats to stored formats.  The user will be prompted for the stored formats name</source>
        <translation>将常见格式转换为存储格式。会提示输入存储对象的名称</translation>
    </message>
    <message>
        <source>Store Form&amp;at</source>
        <translation>存储(&amp;A)</translation>
    </message>
    <message>
        <source>Format File</source>
        <translation>格式文件</translation>
    </message>
    <message>
        <source>B&amp;rowse</source>
        <translation>浏览(&amp;R)</translation>
    </message>
    <message>
        <source>Prin&amp;t Format</source>
        <translation>打印格式(&amp;T)</translation>
    </message>
    <message>
        <source>View File</source>
        <translation>查看文件</translation>
    </message>
    <message>
        <source>Prints list of all stored formats / graphics</source>
        <translation>打印所有已存储格式和图形的列表</translation>
    </message>
    <message>
        <source>L&amp;ist Stored Objects</source>
        <translation>列出已存储对象(&amp;I)</translation>
    </message>
    <message>
        <source> Note: Removing stored objects from the printer increases available memory.</source>
        <translation> 注意：从打印机删除已存储的对象可增加可用内存。</translation>
    </message>
    <message>
        <source>&amp;Delete Stored Object</source>
        <translation>删除已存储对象(&amp;D)</translation>
    </message>
    <message>
        <source>Prints sample of stored object</source>
        <translation>打印已存储对象的样张</translation>
    </message>
    <message>
        <source>Recall Stored &amp;Object</source>
        <translation>调用已存储对象(&amp;O)</translation>
    </message>
    <message>
        <source>Recall Type</source>
        <translation>调用类型</translation>
    </message>
    <message>
        <source>Recall I&amp;mage</source>
        <translation>调用图像(&amp;M)</translation>
    </message>
    <message>
        <source>Recall &amp;Format</source>
        <translation>调用格式(&amp;F)</translation>
    </message>
    <message>
        <source>Drawing…</source>
        <translation>正在绘制…</translation>
    </message>
    <message>
        <source>Not a 1-bit %1 the printer takes</source>
        <translation>不是打印机接受的 1 位 %1</translation>
    </message>
    <message>
        <source>Cannot be stored as %1</source>
        <translation>无法存储为 %1</translation>
    </message>
    <message>
        <source>&amp;Print Format</source>
        <translation>打印格式(&amp;P)</translation>
    </message>
    <message>
        <source>Store Format to Prin&amp;ter</source>
        <translation>将格式存入打印机(&amp;T)</translation>
    </message>
    <message>
        <source>DATA STORAGE</source>
        <translation>数据存储</translation>
    </message>
    <message>
        <source>READ INTO MEMORY</source>
        <translation>已读入内存</translation>
    </message>
    <message>
        <source>Out of memory: %1 is too large to send as a label format.</source>
        <translation>内存不足：%1 太大，无法作为标签格式发送。</translation>
    </message>
    <message>
        <source>Pictures (*.bmp;*.pcx)|*.bmp;*.pcx</source>
        <translation>图像 (*.bmp;*.pcx)|*.bmp;*.pcx</translation>
    </message>
    <message>
        <source>%1 Bytes</source>
        <translation>%1 字节</translation>
    </message>
    <message>
        <source>READING INTO MEMORY</source>
        <translation>正在读入内存</translation>
    </message>
    <message>
        <source>READING FAILED</source>
        <translation>读取失败</translation>
    </message>
    <message>
        <source>CONVERTED INTO MEMORY</source>
        <translation>已转换到内存</translation>
    </message>
    <message>
        <source>No graphic has been read. Use Browse to choose one first.</source>
        <translation>尚未读取图形。请先用“浏览”选择一个。</translation>
    </message>
    <message>
        <source>Enter Identifier</source>
        <translation>请输入标识符</translation>
    </message>
    <message>
        <source>SENDING FILE TO PRINTER</source>
        <translation>正在向打印机发送文件</translation>
    </message>
    <message>
        <source>Sending</source>
        <translation>正在发送</translation>
    </message>
    <message>
        <source>FINISHED STORING %1</source>
        <translation>%1 已存储</translation>
    </message>
    <message>
        <source>STORING CANCELLED</source>
        <translation>存储已取消</translation>
    </message>
    <message>
        <source>STORING FAILED</source>
        <translation>存储失败</translation>
    </message>
    <message>
        <source>Text Files(*.txt)|*.txt|All Files(*.*)|*.*</source>
        <translation>文本文件(*.txt)|*.txt|所有文件(*.*)|*.*</translation>
    </message>
    <message>
        <source>You must select a pre-created label format.</source>
        <translation>您必须选择一个预先创建的标签格式。</translation>
    </message>
    <message>
        <source>You must select a label file to send to the printer.</source>
        <translation>您必须选择要发送到打印机的标签文件。</translation>
    </message>
    <message>
        <source>Label Format Printing</source>
        <translation>打印标签格式</translation>
    </message>
    <message>
        <source>Enter Format Identifier</source>
        <translation>请输入格式标识符</translation>
    </message>
    <message>
        <source>8 Characters or less please</source>
        <translation>请不超过 8 个字符</translation>
    </message>
    <message>
        <source>File Format Storage</source>
        <translation>格式存储</translation>
    </message>
    <message>
        <source>Enter Stored Graphic to Print</source>
        <translation>请输入要打印的已存储图形</translation>
    </message>
    <message>
        <source>Enter Label Format to Print</source>
        <translation>请输入要打印的标签格式</translation>
    </message>
    <message>
        <source>Enter Quantity</source>
        <translation>请输入数量</translation>
    </message>
    <message>
        <source>Delete Stored Object</source>
        <translation>删除已存储对象</translation>
    </message>
    <message>
        <source>Enter Identifier of Object to Delete</source>
        <translation>请输入要删除对象的标识符</translation>
    </message>
    <message>
        <source>Graphic %1, %2 bytes</source>
        <translation>图形 %1，%2 字节</translation>
    </message>
    <message>
        <source>Label format %1</source>
        <translation>标签格式 %1</translation>
    </message>
    <message>
        <source>Label format %1, stored as %2</source>
        <translation>标签格式 %1，存储为 %2</translation>
    </message>
    <message>
        <source>Recall graphic %1</source>
        <translation>调用图形 %1</translation>
    </message>
    <message>
        <source>Recall format %1</source>
        <translation>调用格式 %1</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>删除 %1</translation>
    </message>
    <message>
        <source>List</source>
        <translation>列表</translation>
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
        <translation>%1 分钟</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 小时 %2 分钟</translation>
    </message>
    <message>
        <source>the printer has taken no data for %1 s</source>
        <translation>打印机已 %1 秒未接收数据</translation>
    </message>
    <message>
        <source>%1/s</source>
        <translation>%1/秒</translation>
    </message>
    <message>
        <source>about %1 left</source>
        <translation>约剩 %1</translation>
    </message>
    <message>
        <source>%1 %2 of %3</source>
        <translation>%1：%2 / %3</translation>
    </message>
</context>
</TS>
