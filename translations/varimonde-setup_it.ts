<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>AboutPage</name>
    <message>
        <source>Varimonde Printer Setup Utility</source>
        <translation>Configurazione Varimonde</translation>
    </message>
    <message>
        <source>Utility Version 1.00</source>
        <translation>Versione dell&apos;utilità 1.00</translation>
    </message>
    <message>
        <source>Language: English</source>
        <translation>Lingua: inglese</translation>
    </message>
    <message>
        <source>Provides direct link to Varimonde&apos;s web page</source>
        <translation>Apre il sito web di Varimonde</translation>
    </message>
    <message>
        <source>Contact Varimonde Technical Support via e-mail</source>
        <translation>Scrivi all&apos;assistenza tecnica Varimonde</translation>
    </message>
    <message>
        <source>Utility Version %1.%2</source>
        <translation>Versione dell&apos;utilità %1.%2</translation>
    </message>
    <message>
        <source>Language: %1</source>
        <translation>Lingua: %1</translation>
    </message>
</context>
<context>
    <name>BinaryPage</name>
    <message>
        <source>Binary File</source>
        <translation>File binario</translation>
    </message>
    <message>
        <source>Load &amp;Binary File To Memory.</source>
        <translation>Carica file &amp;binario in memoria</translation>
    </message>
    <message>
        <source>Use to upload new firmware to printer</source>
        <translation>Invia un nuovo firmware alla stampante</translation>
    </message>
    <message>
        <source>Upload to Pri&amp;nter</source>
        <translation>Invia alla s&amp;tampante</translation>
    </message>
    <message>
        <source>Stop the transfer to the printer (Esc)</source>
        <translation>Interrompi l&apos;invio alla stampante (Esc)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Binary File Information/Status</source>
        <translation>File binario: informazioni/stato</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>Nome file:</translation>
    </message>
    <message>
        <source>None Loaded</source>
        <translation>Nessuno caricato</translation>
    </message>
    <message>
        <source>File Size:</source>
        <translation>Dimens.:</translation>
    </message>
    <message>
        <source>0 Bytes</source>
        <translation>0 byte</translation>
    </message>
    <message>
        <source>No file loaded in Memory</source>
        <translation>Nessun file in memoria</translation>
    </message>
    <message>
        <source>No File Loaded to Printer</source>
        <translation>Nessun file inviato alla stampante</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Avanzamento</translation>
    </message>
    <message>
        <source>You must select a file to load into memory.</source>
        <translation>Scegliere un file da caricare in memoria.</translation>
    </message>
    <message>
        <source>%1 Bytes</source>
        <translation>%1 byte</translation>
    </message>
    <message>
        <source>Loading file into Memory</source>
        <translation>Caricamento del file in memoria</translation>
    </message>
    <message>
        <source>Loading Failed: no file in Memory</source>
        <translation>Caricamento non riuscito: nessun file in memoria</translation>
    </message>
    <message>
        <source>Firmware %1, %2 bytes, SHA-256 %3</source>
        <translation>Firmware %1, %2 byte, SHA-256 %3</translation>
    </message>
    <message>
        <source>File Loaded into Memory</source>
        <translation>File caricato in memoria</translation>
    </message>
    <message>
        <source>SHA-256: </source>
        <translation>SHA-256: </translation>
    </message>
    <message>
        <source>Uploading File</source>
        <translation>Invio del file</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Invio in corso</translation>
    </message>
    <message>
        <source>Upload Cancelled</source>
        <translation>Invio annullato</translation>
    </message>
    <message>
        <source>Firmware, none loaded</source>
        <translation>Firmware, nessuno caricato</translation>
    </message>
    <message>
        <source>File Uploaded</source>
        <translation>File inviato</translation>
    </message>
    <message>
        <source>Upload Failed</source>
        <translation>Invio non riuscito</translation>
    </message>
    <message>
        <source>All Files(*.*)|*.*</source>
        <translation>Tutti i file(*.*)|*.*</translation>
    </message>
</context>
<context>
    <name>CalibrationBlocks</name>
    <message>
        <source>Index type must be BAR or GAP</source>
        <translation>Il tipo di indice deve essere BAR o GAP</translation>
    </message>
    <message>
        <source>CALIBRATION</source>
        <translation>CALIBRAZIONE</translation>
    </message>
    <message>
        <source>Print Type must be DT or TT</source>
        <translation>Il tipo di stampa deve essere DT o TT</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Calibrazione</translation>
    </message>
    <message>
        <source>Type must be Wax, Wax/Resin, or Preimum Resin</source>
        <translation>Il tipo deve essere Cera, Cera/Resina o Resina Premium</translation>
    </message>
</context>
<context>
    <name>CalibrationPage</name>
    <message>
        <source>Calibration Information</source>
        <translation>Dati di calibrazione</translation>
    </message>
    <message>
        <source>&amp;Index Type:</source>
        <translation>&amp;Tacca:</translation>
    </message>
    <message>
        <source>Index Type:</source>
        <translation>Tipo di tacca:</translation>
    </message>
    <message>
        <source>Printer &amp;Type:</source>
        <translation>&amp;Modo:</translation>
    </message>
    <message>
        <source>Printer Type:</source>
        <translation>Tipo di stampa:</translation>
    </message>
    <message>
        <source>Ribbon Information</source>
        <translation>Nastro</translation>
    </message>
    <message>
        <source>Ribbon Material:</source>
        <translation>Nastro:</translation>
    </message>
    <message>
        <source>To determine ribbon material, look at the foil lead of your Varimonde-brand ribbon:</source>
        <translation>Il tipo di nastro è indicato sulla coda iniziale del nastro Varimonde:</translation>
    </message>
    <message>
        <source>Blue = WAX</source>
        <translation>Blu = CERA</translation>
    </message>
    <message>
        <source>Silver = WAX/RESIN Combo</source>
        <translation>Argento = CERA/RESINA</translation>
    </message>
    <message>
        <source>Gold = PREMIUM RESIN</source>
        <translation>Oro = RESINA PREMIUM</translation>
    </message>
    <message>
        <source>Before Calibrating your printer, make sure your labels and ribbon (if applicable) are properly loaded.  The labels should be print-side up, aligned against the left hand side of the printer so that they pass over the appropriate sensor.</source>
        <translation>Prima di calibrare la stampante, verificare che etichette e nastro (se usato) siano caricati correttamente. Le etichette vanno con il lato di stampa in alto, allineate al lato sinistro della stampante, così da passare sul sensore giusto.</translation>
    </message>
    <message>
        <source>&amp;Calibrate Printer</source>
        <translation>&amp;Calibra</translation>
    </message>
    <message>
        <source>Printer Test Label</source>
        <translation>Etichetta di prova</translation>
    </message>
    <message>
        <source>Test Label Type</source>
        <translation>Tipo di etichetta di prova</translation>
    </message>
    <message>
        <source>&amp;4X3 Label</source>
        <translation>&amp;4X3</translation>
    </message>
    <message>
        <source>&amp;2.4X1 Label</source>
        <translation>&amp;2.4X1</translation>
    </message>
    <message>
        <source>&amp;Print Label</source>
        <translation>&amp;Stampa</translation>
    </message>
    <message>
        <source>&amp;Ribbon Material:</source>
        <translation>&amp;Nastro:</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Calibrazione</translation>
    </message>
    <message>
        <source>Test label %1</source>
        <translation>Etichetta di prova %1</translation>
    </message>
</context>
<context>
    <name>CommPage</name>
    <message>
        <source>Communications</source>
        <translation>Comunicazione</translation>
    </message>
    <message>
        <source>&amp;Serial Communications</source>
        <translation>Comunicazione &amp;seriale</translation>
    </message>
    <message>
        <source>&amp;ParallelCommunications</source>
        <translation>Comunicazione para&amp;llela</translation>
    </message>
    <message>
        <source>&amp;USB Printer</source>
        <translation>Stampante &amp;USB</translation>
    </message>
    <message>
        <source>&amp;Network</source>
        <translation>&amp;Rete</translation>
    </message>
    <message>
        <source>Serial Comm</source>
        <translation>Seriale</translation>
    </message>
    <message>
        <source>&amp;COM: </source>
        <translation>&amp;COM:</translation>
    </message>
    <message>
        <source>COM:</source>
        <translation>COM:</translation>
    </message>
    <message>
        <source>&amp;BAUD:</source>
        <translation>&amp;Baud:</translation>
    </message>
    <message>
        <source>BAUD:</source>
        <translation>Baud:</translation>
    </message>
    <message>
        <source>PA&amp;RITY:</source>
        <translation>Par&amp;ità:</translation>
    </message>
    <message>
        <source>PARITY:</source>
        <translation>Parità:</translation>
    </message>
    <message>
        <source>&amp;DATABITS:</source>
        <translation>&amp;Dati:</translation>
    </message>
    <message>
        <source>DATABITS:</source>
        <translation>Bit di dati:</translation>
    </message>
    <message>
        <source>S&amp;TOPBITS:</source>
        <translation>S&amp;top:</translation>
    </message>
    <message>
        <source>STOPBITS:</source>
        <translation>Bit di stop:</translation>
    </message>
    <message>
        <source>Default Varimonde Settings:</source>
        <translation>Predefiniti Varimonde:</translation>
    </message>
    <message>
        <source>9600,N,8,1</source>
        <translation>9600,N,8,1</translation>
    </message>
    <message>
        <source>&amp;Apply </source>
        <translation>&amp;Applica</translation>
    </message>
    <message>
        <source>Not applied</source>
        <translation>Inattivo</translation>
    </message>
    <message>
        <source>The port or line settings shown are not in force until Apply is pressed.</source>
        <translation>Le impostazioni mostrate valgono solo dopo «Applica».</translation>
    </message>
    <message>
        <source>Parallel Comm</source>
        <translation>Parallela</translation>
    </message>
    <message>
        <source>Select Parallel Port</source>
        <translation>Scegli la porta parallela</translation>
    </message>
    <message>
        <source>Parallel Port</source>
        <translation>Porta parallela</translation>
    </message>
    <message>
        <source>Select Parallel Port the Printer is connected to on the PC.</source>
        <translation>Scegli la porta parallela del PC a cui è collegata la stampante.</translation>
    </message>
    <message>
        <source>USB Printer</source>
        <translation>Stampante USB</translation>
    </message>
    <message>
        <source>Select the USB printer</source>
        <translation>Scegli la stampante USB</translation>
    </message>
    <message>
        <source>The USB printers connected now, with maker and model. The list follows printers as they are plugged in or out.</source>
        <translation>Le stampanti USB collegate ora, con produttore e modello. L&apos;elenco segue le stampanti collegate o scollegate.</translation>
    </message>
    <message>
        <source>Network Printer</source>
        <translation>Stampante di rete</translation>
    </message>
    <message>
        <source>&amp;Host:</source>
        <translation>&amp;Host:</translation>
    </message>
    <message>
        <source>name or IP address</source>
        <translation>nome o indirizzo IP</translation>
    </message>
    <message>
        <source>Host:</source>
        <translation>Host:</translation>
    </message>
    <message>
        <source>P&amp;ort:</source>
        <translation>&amp;Porta:</translation>
    </message>
    <message>
        <source>9100</source>
        <translation>9100</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Porta:</translation>
    </message>
    <message>
        <source>The printer&apos;s network name or IPv4 or IPv6 address, and its raw print port: 9100 on most printers.</source>
        <translation>Il nome di rete o l&apos;indirizzo IPv4 o IPv6 della stampante e la sua porta di stampa diretta: 9100 sulla maggior parte delle stampanti.</translation>
    </message>
    <message>
        <source>&amp;Give up after</source>
        <translation>A&amp;bbandona</translation>
    </message>
    <message>
        <source>Seconds without an answer</source>
        <translation>Secondi senza risposta</translation>
    </message>
    <message>
        <source>s without an answer and</source>
        <translation>s senza risposta e</translation>
    </message>
    <message>
        <source>Seconds without progress</source>
        <translation>Secondi senza avanzamento</translation>
    </message>
    <message>
        <source>s without progress</source>
        <translation>s senza avanzamento</translation>
    </message>
    <message>
        <source>F&amp;ind Printers…</source>
        <translation>&amp;Cerca…</translation>
    </message>
    <message>
        <source>Look for printers on the network and pick one.</source>
        <translation>Cerca stampanti in rete e scegline una.</translation>
    </message>
    <message>
        <source>The address shown is not in force until Apply is pressed.</source>
        <translation>L&apos;indirizzo mostrato vale solo dopo «Applica».</translation>
    </message>
    <message>
        <source>A send fails when the printer gives no answer at all for this long: it is off, or the line is cut.</source>
        <translation>Un invio non riesce se la stampante non risponde affatto per questo tempo: è spenta o la linea è interrotta.</translation>
    </message>
    <message>
        <source>A send fails when the printer still answers but takes no data for this long: check paper, ribbon and the printer&apos;s display.</source>
        <translation>Un invio non riesce se la stampante risponde ancora ma non accetta dati per questo tempo: controllare carta, nastro e display della stampante.</translation>
    </message>
    <message>
        <source>Utility Settings</source>
        <translation>Impostazioni del programma</translation>
    </message>
    <message>
        <source>Invalid Value in COMM Settings</source>
        <translation>Valore non valido nelle impostazioni di comunicazione</translation>
    </message>
    <message>
        <source>No such USB printer</source>
        <translation>Stampante USB inesistente</translation>
    </message>
    <message>
        <source>No such link</source>
        <translation>Collegamento inesistente</translation>
    </message>
    <message>
        <source>No USB printer found</source>
        <translation>Nessuna stampante USB trovata</translation>
    </message>
</context>
<context>
    <name>CommandLineHelp</name>
    <message>
        <source>After --calibrate: DT (direct thermal) or TT (thermal transfer).</source>
        <translation>Dopo --calibrate: DT (termico diretto) o TT (trasferimento termico).</translation>
    </message>
    <message>
        <source>After --calibrate with TT: WAX (0, the default), &quot;WAX/RESIN COMBO&quot; (1) or &quot;PREMIUM RESIN&quot; (2).</source>
        <translation>Dopo --calibrate con TT: WAX (0, il predefinito), &quot;WAX/RESIN COMBO&quot; (1) o &quot;PREMIUM RESIN&quot; (2).</translation>
    </message>
    <message>
        <source>After --store-graphic or --store-format: the identifier, at most 8 characters.</source>
        <translation>Dopo --store-graphic o --store-format: l&apos;identificatore, al massimo 8 caratteri.</translation>
    </message>
    <message>
        <source>After --store-graphic: the file is a PCX.</source>
        <translation>Dopo --store-graphic: il file è un PCX.</translation>
    </message>
    <message>
        <source>After --store-graphic: make the picture (PNG, JPEG, GIF, BMP) a 1-bit BMP, dots darker than the threshold black.</source>
        <translation>Dopo --store-graphic: rendere l&apos;immagine (PNG, JPEG, GIF, BMP) un BMP a 1 bit, con i punti più scuri della soglia in nero.</translation>
    </message>
    <message>
        <source>With --convert: spread the greys by error diffusion.</source>
        <translation>Con --convert: distribuire i grigi con la diffusione dell&apos;errore.</translation>
    </message>
    <message>
        <source>With --convert: the grey (1-255, default 128) below which a dot is black.</source>
        <translation>Con --convert: il grigio (1-255, predefinito 128) sotto il quale un punto è nero.</translation>
    </message>
    <message>
        <source>With --convert: scale to this many dots across, keeping the aspect (the printer prints 203 dots an inch).</source>
        <translation>Con --convert: scalare a questa larghezza in punti, mantenendo le proporzioni (la stampante stampa 203 punti per pollice).</translation>
    </message>
    <message>
        <source>With --convert: swap black and white.</source>
        <translation>Con --convert: scambiare il nero e il bianco.</translation>
    </message>
    <message>
        <source>After --recall-format: how many labels.</source>
        <translation>Dopo --recall-format: quante etichette.</translation>
    </message>
    <message>
        <source>A printer to send to; give it once for each printer.</source>
        <translation>Una stampante a cui inviare; va data una volta per ogni stampante.</translation>
    </message>
    <message>
        <source>Read targets from a file, one a line; blank lines and comments (from a # at the start or after a blank) are skipped.</source>
        <translation>Leggere le destinazioni da un file, una per riga; le righe vuote e i commenti (da un # a inizio riga o dopo uno spazio) vengono saltati.</translation>
    </message>
    <message>
        <source>Send nothing: write what would be sent to each printer to standard output.</source>
        <translation>Non inviare nulla: scrivere sullo standard output ciò che verrebbe inviato a ogni stampante.</translation>
    </message>
    <message>
        <source>With --dry-run: write to a file instead; a name ending in .bmp gets the image of the one --convert alone.</source>
        <translation>Con --dry-run: scrivere invece in un file; un nome che finisce in .bmp riceve l&apos;immagine di un solo --convert.</translation>
    </message>
    <message>
        <source>With --dry-run: a hex dump, one block per transmission.</source>
        <translation>Con --dry-run: un dump esadecimale, un blocco per trasmissione.</translation>
    </message>
    <message>
        <source>At most this many printers at once (default: 1000 network and USB printers, one transfer per serial or parallel port).</source>
        <translation>Al massimo questo numero di stampanti alla volta (predefinito: 1000 stampanti di rete e USB, un trasferimento per porta seriale o parallela).</translation>
    </message>
    <message>
        <source>Write a JSON report of every printer&apos;s outcome; with --dry-run, of what each would be sent.</source>
        <translation>Scrivere un rapporto JSON dell&apos;esito di ogni stampante; con --dry-run, di ciò che verrebbe inviato a ciascuna.</translation>
    </message>
    <message>
        <source>Seconds a printer may take no data before it has failed (default 10, at most 86400); a network printer: seconds it may leave us without any answer.</source>
        <translation>Secondi in cui una stampante può non prendere dati prima che l&apos;invio fallisca (predefinito 10, al massimo 86400); una stampante di rete: secondi in cui può lasciarci senza alcuna risposta.</translation>
    </message>
    <message>
        <source>Seconds a network printer that still answers may take no data before it has failed (default 60, at most 86400).</source>
        <translation>Secondi in cui una stampante di rete che risponde ancora può non prendere dati prima che l&apos;invio fallisca (predefinito 60, al massimo 86400).</translation>
    </message>
    <message>
        <source>Seconds to wait for a network printer to answer (default 5, at most 86400).</source>
        <translation>Secondi di attesa della risposta di una stampante di rete (predefinito 5, al massimo 86400).</translation>
    </message>
    <message>
        <source>Write progress as JSON Lines events on standard output (start, progress, done, failed, cancelled); the summary then goes to standard error.</source>
        <translation>Scrivere l&apos;avanzamento come eventi JSON Lines sullo standard output (start, progress, done, failed, cancelled); il riepilogo va allora sullo standard error.</translation>
    </message>
    <message>
        <source>Seconds between progress lines or events of each printer when standard error is not a terminal (default 10, at most 86400); one also comes at each tenth of the way.</source>
        <translation>Secondi tra le righe o gli eventi di avanzamento di ogni stampante quando lo standard error non è un terminale (predefinito 10, al massimo 86400); ne arriva uno anche a ogni decimo del percorso.</translation>
    </message>
    <message>
        <source>Write only failures and the summary.</source>
        <translation>Scrivere solo i fallimenti e il riepilogo.</translation>
    </message>
    <message>
        <source>The language of the texts (de, es, fr, it, ja, pl, pt_BR, zh_CN; en for English); without it the LANGUAGE variable and the locale decide. Reports, events and exit codes are the same in every language.</source>
        <translation>La lingua dei testi (de, es, fr, it, ja, pl, pt_BR, zh_CN; en per l&apos;inglese); senza di essa decidono la variabile LANGUAGE e le impostazioni locali. Rapporti, eventi e codici di uscita sono uguali in ogni lingua.</translation>
    </message>
    <message>
        <source>Send the configuration of a profile, as Upload Settings to Printer does after Import Profile.</source>
        <translation>Inviare la configurazione di un profilo, come fa «Invia alla stampante» dopo «Importa».</translation>
    </message>
    <message>
        <source>Calibrate media sensing for the index type; needs --print-type, and takes --ribbon for thermal transfer.</source>
        <translation>Calibrare il rilevamento del supporto per il tipo di tacca; richiede --print-type e accetta --ribbon per il trasferimento termico.</translation>
    </message>
    <message>
        <source>Print test label 1 (4X3) or 2 (2.4X1).</source>
        <translation>Stampare l&apos;etichetta di prova 1 (4X3) o 2 (2.4X1).</translation>
    </message>
    <message>
        <source>Store a 1-bit BMP graphic (PCX with --pcx) under the identifier given with --id; with --convert, any picture made into a 1-bit BMP.</source>
        <translation>Memorizzare una grafica BMP a 1 bit (PCX con --pcx) con l&apos;identificatore dato da --id; con --convert, qualsiasi immagine resa un BMP a 1 bit.</translation>
    </message>
    <message>
        <source>Print a label format file as it is.</source>
        <translation>Stampare così com&apos;è un file di formato etichetta.</translation>
    </message>
    <message>
        <source>Store a label format file under the identifier of --id.</source>
        <translation>Memorizzare un file di formato etichetta con l&apos;identificatore di --id.</translation>
    </message>
    <message>
        <source>Print a stored graphic.</source>
        <translation>Stampare una grafica memorizzata.</translation>
    </message>
    <message>
        <source>Print a stored format, --quantity labels (1 unless given).</source>
        <translation>Stampare un formato memorizzato, --quantity etichette (1 se non indicato).</translation>
    </message>
    <message>
        <source>Delete a stored graphic or format.</source>
        <translation>Eliminare una grafica o un formato memorizzati.</translation>
    </message>
    <message>
        <source>Have the printer print the list of stored objects.</source>
        <translation>Far stampare alla stampante l&apos;elenco degli oggetti memorizzati.</translation>
    </message>
    <message>
        <source>Upload a firmware image; its SHA-256 is shown first.</source>
        <translation>Caricare un&apos;immagine del firmware; prima viene mostrato il suo SHA-256.</translation>
    </message>
    <message>
        <source>Send a file&apos;s bytes unchanged.</source>
        <translation>Inviare i byte di un file senza modifiche.</translation>
    </message>
    <message>
        <source>Sets up Varimonde thermal label printers without a window: sends each printer the same bytes as the window&apos;s buttons would, to one printer or many at once.
Without options the window opens.

Targets: COMn[:baud,parity,data,stop], a serial device path[:settings], LPT1, LPT2, usb:DEVICE, tcp://HOST[:PORT] (9100 unless given; an IPv6 address in brackets).
Actions run in the order given, the same on every printer; each printer&apos;s run stops at its first failure.

Exit status: 0 every printer done, 1 a printer failed, 2 bad arguments or input, 130 interrupted.</source>
        <translation>Configura le stampanti di etichette termiche Varimonde senza finestra: invia a ogni stampante gli stessi byte dei pulsanti della finestra, a una stampante o a molte insieme.
Senza opzioni si apre la finestra.

Destinazioni: COMn[:baud,parity,data,stop], il percorso di un dispositivo seriale[:impostazioni], LPT1, LPT2, usb:DEVICE, tcp://HOST[:PORT] (9100 se non indicata; un indirizzo IPv6 tra parentesi quadre).
Le azioni vengono eseguite nell&apos;ordine dato, uguali su ogni stampante; ogni stampante si ferma al suo primo fallimento.

Stato di uscita: 0 tutte le stampanti completate, 1 una stampante fallita, 2 argomenti o input errati, 130 interrotto.</translation>
    </message>
    <message>
        <source>Show this help and end.</source>
        <translation>Mostrare questo aiuto e terminare.</translation>
    </message>
    <message>
        <source>Show the version and end.</source>
        <translation>Mostrare la versione e terminare.</translation>
    </message>
    <message>
        <source>Find network printers: sweep the --range given (port 9100), browse DNS-SD with --dns-sd, and ask each over SNMP; prints a table (JSON with --report).</source>
        <translation>Trovare le stampanti di rete: scandire l&apos;intervallo --range dato (porta 9100), esplorare DNS-SD con --dns-sd e interrogare ciascuna via SNMP; stampa una tabella (JSON con --report).</translation>
    </message>
    <message>
        <source>With --discover: a CIDR range (at most /22) or a host; repeatable.</source>
        <translation>Con --discover: un intervallo CIDR (al massimo /22) o un host; ripetibile.</translation>
    </message>
    <message>
        <source>With --discover: a raw port to try besides 9100; repeatable.</source>
        <translation>Con --discover: una porta raw da provare oltre alla 9100; ripetibile.</translation>
    </message>
    <message>
        <source>With --discover: also browse DNS-SD (_pdl-datastream, _printer, _ipp) through the Avahi daemon.</source>
        <translation>Con --discover: esplorare anche DNS-SD (_pdl-datastream, _printer, _ipp) tramite il demone Avahi.</translation>
    </message>
    <message>
        <source>With --discover: write a targets file of the printers found. A file that --discover did not write is not replaced without --force.</source>
        <translation>Con --discover: scrivere un file di destinazioni delle stampanti trovate. Un file che --discover non ha scritto non viene sostituito senza --force.</translation>
    </message>
    <message>
        <source>With --write-targets: replace the file even when it was not written by --discover (a targets file made by hand).</source>
        <translation>Con --write-targets: sostituire il file anche se non è stato scritto da --discover (un file di destinazioni fatto a mano).</translation>
    </message>
    <message>
        <source>Read the status of every network target over SNMP; the exit status is 1 when any reports an error or does not answer. A printer on a serial, parallel or USB line cannot be asked: it is listed and counted apart.</source>
        <translation>Leggere via SNMP lo stato di ogni destinazione di rete; lo stato di uscita è 1 quando una segnala un errore o non risponde. Una stampante su una linea seriale, parallela o USB non può essere interrogata: viene elencata e contata a parte.</translation>
    </message>
    <message>
        <source>Read the SNMP secrets from a file only its owner may read, or from standard input (-): lines community=NAME, auth=PHRASE, priv=PHRASE.</source>
        <translation>Leggere i segreti SNMP da un file che solo il suo proprietario può leggere, o dallo standard input (-): righe community=NAME, auth=PHRASE, priv=PHRASE.</translation>
    </message>
    <message>
        <source>The SNMP v2c community (default public); other users see it: prefer --snmp-secrets.</source>
        <translation>La community SNMP v2c (predefinita public); gli altri utenti la vedono: meglio --snmp-secrets.</translation>
    </message>
    <message>
        <source>The UDP port printers answer SNMP on (default 161).</source>
        <translation>La porta UDP su cui le stampanti rispondono a SNMP (predefinita 161).</translation>
    </message>
    <message>
        <source>Ask over SNMP v3 as this user.</source>
        <translation>Interrogare via SNMP v3 come questo utente.</translation>
    </message>
    <message>
        <source>With --snmp-user: the SHA authentication pass phrase; other users see it: prefer --snmp-secrets.</source>
        <translation>Con --snmp-user: la passphrase di autenticazione SHA; gli altri utenti la vedono: meglio --snmp-secrets.</translation>
    </message>
    <message>
        <source>With --snmp-user: the AES privacy pass phrase; other users see it: prefer --snmp-secrets.</source>
        <translation>Con --snmp-user: la passphrase di riservatezza AES; gli altri utenti la vedono: meglio --snmp-secrets.</translation>
    </message>
    <message>
        <source>With --status: also write one row per printer (name, location, model, serial, status, alerts, odometer, media, when read) to this file: CSV, or JSON when its name ends in .json.</source>
        <translation>Con --status: scrivere anche una riga per stampante (nome, posizione, modello, numero di serie, stato, avvisi, contatore, supporto, ora della lettura) in questo file: CSV, o JSON se il suo nome finisce in .json.</translation>
    </message>
    <message>
        <source>Read every network target over SNMP again and again, each at most once in this many seconds, and write a JSON line on standard output for each change (online, offline, status, alert-raised, alert-cleared) and each odometer read; Ctrl-C ends it (exit 130).</source>
        <translation>Leggere via SNMP ogni destinazione di rete più e più volte, ciascuna al massimo una volta in questo numero di secondi, e scrivere una riga JSON sullo standard output per ogni cambiamento (online, offline, status, alert-raised, alert-cleared) e ogni lettura del contatore; Ctrl-C lo termina (uscita 130).</translation>
    </message>
    <message>
        <source>With --watch: serve the printers&apos; state for Prometheus at http://ADDRESS:PORT/metrics (port 0: any free port, said on standard error).</source>
        <translation>Con --watch: servire lo stato delle stampanti per Prometheus su http://ADDRESS:PORT/metrics (porta 0: una porta libera qualsiasi, indicata sullo standard error).</translation>
    </message>
    <message>
        <source>Send even to a network printer whose SNMP status reports an error (no paper, door open, jammed, offline).</source>
        <translation>Inviare anche a una stampante di rete il cui stato SNMP segnala un errore (carta esaurita, sportello aperto, inceppamento, fuori linea).</translation>
    </message>
</context>
<context>
    <name>CommandLineText</name>
    <message>
        <source> Did you mean --%1?</source>
        <translation> Forse intendevi --%1?</translation>
    </message>
    <message>
        <source>%1 goes with --convert</source>
        <translation>%1 va con --convert</translation>
    </message>
    <message>
        <source>--convert makes a BMP: leave out --pcx</source>
        <translation>--convert produce un BMP: togli --pcx</translation>
    </message>
    <message>
        <source>--dither and --threshold exclude each other</source>
        <translation>--dither e --threshold si escludono a vicenda</translation>
    </message>
    <message>
        <source>--threshold takes a grey from %1 to %2, not &quot;%3&quot;</source>
        <translation>--threshold accetta un grigio da %1 a %2, non «%3»</translation>
    </message>
    <message>
        <source>--width takes a number of dots from 1 to %1, not &quot;%2&quot;</source>
        <translation>--width accetta un numero di punti da 1 a %1, non «%2»</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 byte</translation>
    </message>
    <message>
        <source>%1 takes a whole number of at least 1, not &quot;%2&quot;</source>
        <translation>%1 accetta un numero intero di almeno 1, non «%2»</translation>
    </message>
    <message>
        <source>%1 takes a whole number of seconds from 1 to %2, not &quot;%3&quot;</source>
        <translation>%1 accetta un numero intero di secondi da 1 a %2, non «%3»</translation>
    </message>
    <message>
        <source>%1 belongs right after an action that takes it (%2)</source>
        <translation>%1 va subito dopo un&apos;azione che lo accetta (%2)</translation>
    </message>
    <message>
        <source>%1 is given twice for %2</source>
        <translation>%1 è indicato due volte per %2</translation>
    </message>
    <message>
        <source>%1 needs %2</source>
        <translation>%1 richiede %2</translation>
    </message>
    <message>
        <source>Firmware %1: %2, SHA-256 %3</source>
        <translation>Firmware %1: %2, SHA-256 %3</translation>
    </message>
    <message>
        <source>--%1 goes with --dry-run</source>
        <translation>--%1 va con --dry-run</translation>
    </message>
    <message>
        <source>--progress takes json, not &quot;%1&quot;</source>
        <translation>--progress accetta json, non «%1»</translation>
    </message>
    <message>
        <source>--progress goes with a run that sends: leave out --dry-run</source>
        <translation>--progress va con un&apos;esecuzione che invia: togli --dry-run</translation>
    </message>
    <message>
        <source>--discover finds printers: leave out --to and --targets</source>
        <translation>--discover cerca stampanti: togli --to e --targets</translation>
    </message>
    <message>
        <source>no printer to send to: give --to or --targets</source>
        <translation>nessuna stampante a cui inviare: indica --to o --targets</translation>
    </message>
    <message>
        <source>%1 gives what the file gives: leave out one</source>
        <translation>%1 indica ciò che indica il file: togline uno</translation>
    </message>
    <message>
        <source>nothing to send: give at least one action, such as --profile or --firmware</source>
        <translation>niente da inviare: indica almeno un&apos;azione, come --profile o --firmware</translation>
    </message>
    <message>
        <source>--output %1 takes the image of one --convert, not %2</source>
        <translation>--output %1 accetta l&apos;immagine di un solo --convert, non di %2</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;: targets go after --to</source>
        <translation>argomento inatteso «%1»: le destinazioni vanno dopo --to</translation>
    </message>
    <message>
        <source>--discover, --status and --watch send nothing: leave out the actions and --dry-run</source>
        <translation>--discover, --status e --watch non inviano nulla: togli le azioni e --dry-run</translation>
    </message>
    <message>
        <source>the report</source>
        <translation>il rapporto</translation>
    </message>
    <message>
        <source>varimonde-setup: interrupted before the output was written</source>
        <translation>varimonde-setup: interrotto prima che l&apos;output fosse scritto</translation>
    </message>
    <message>
        <source>varimonde-setup: cannot write the output: %1</source>
        <translation>varimonde-setup: impossibile scrivere l&apos;output: %1</translation>
    </message>
    <message>
        <source>Try &apos;varimonde-setup --help&apos; for more information.</source>
        <translation>Prova &apos;varimonde-setup --help&apos; per maggiori informazioni.</translation>
    </message>
    <message>
        <source>varimonde-setup: interrupted while the files were read</source>
        <translation>varimonde-setup: interrotto durante la lettura dei file</translation>
    </message>
    <message>
        <source>varimonde-setup: interrupted before the bytes were shown</source>
        <translation>varimonde-setup: interrotto prima di mostrare i byte</translation>
    </message>
    <message>
        <source>--discover, --status and --watch exclude each other</source>
        <translation>--discover, --status e --watch si escludono a vicenda</translation>
    </message>
    <message>
        <source>--inventory goes with --status</source>
        <translation>--inventory va con --status</translation>
    </message>
    <message>
        <source>--metrics goes with --watch</source>
        <translation>--metrics va con --watch</translation>
    </message>
    <message>
        <source>--%1 goes with --discover</source>
        <translation>--%1 va con --discover</translation>
    </message>
    <message>
        <source>--force goes with --write-targets</source>
        <translation>--force va con --write-targets</translation>
    </message>
    <message>
        <source>the targets file</source>
        <translation>il file delle destinazioni</translation>
    </message>
    <message>
        <source>the inventory</source>
        <translation>l&apos;inventario</translation>
    </message>
    <message>
        <source>%1: not a network printer; its status cannot be read, it is not watched</source>
        <translation>%1: non è una stampante di rete; il suo stato non si può leggere, non viene sorvegliata</translation>
    </message>
    <message>
        <source>varimonde-setup: no network printer to watch</source>
        <translation>varimonde-setup: nessuna stampante di rete da sorvegliare</translation>
    </message>
    <message>
        <source>varimonde-setup: cannot serve metrics on %1</source>
        <translation>varimonde-setup: impossibile servire le metriche su %1</translation>
    </message>
    <message>
        <source>serving metrics on http://%1:%2/metrics</source>
        <translation>metriche servite su http://%1:%2/metrics</translation>
    </message>
    <message>
        <source>watched %1 printer for %2 s: %3 reads, %4 events; %5 online, %6 not</source>
        <translation>%1 stampante sorvegliata per %2 s: %3 letture, %4 eventi; %5 in linea, %6 no</translation>
    </message>
    <message>
        <source>watched %1 printers for %2 s: %3 reads, %4 events; %5 online, %6 not</source>
        <translation>%1 stampanti sorvegliate per %2 s: %3 letture, %4 eventi; %5 in linea, %6 no</translation>
    </message>
    <message>
        <source>varimonde-setup: cannot write %1: %2</source>
        <translation>varimonde-setup: impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>sent %1 bytes in %2 s</source>
        <translation>%1 byte inviati in %2 s</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <translation>non riuscito: %1</translation>
    </message>
    <message>
        <source>cancelled after %1 bytes</source>
        <translation>annullato dopo %1 byte</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>impossibile leggere %1: %2</translation>
    </message>
    <message>
        <source>%1 holds more than %2 bytes: not a secrets file</source>
        <translation>%1 contiene più di %2 byte: non è un file di segreti</translation>
    </message>
    <message>
        <source>%1 is not community=, auth= or priv=</source>
        <translation>%1 non è community=, auth= né priv=</translation>
    </message>
    <message>
        <source>%1: %2 is empty</source>
        <translation>%1: %2 è vuoto</translation>
    </message>
    <message>
        <source>%1: %2 holds a control character</source>
        <translation>%1: %2 contiene un carattere di controllo</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>lo standard input</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2</source>
        <translation>impossibile aprire %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 non è un file normale</translation>
    </message>
    <message>
        <source>an empty target: %1</source>
        <translation>una destinazione vuota: %1</translation>
    </message>
    <message>
        <source>target &quot;%1&quot;: %2</source>
        <translation>destinazione «%1»: %2</translation>
    </message>
    <message>
        <source>%1 of %2 bytes delivered</source>
        <translation>%1 di %2 byte consegnati</translation>
    </message>
    <message>
        <source>rate not known yet</source>
        <translation>velocità non ancora nota</translation>
    </message>
    <message>
        <source>time left not known</source>
        <translation>tempo rimanente sconosciuto</translation>
    </message>
    <message>
        <source>sent</source>
        <translation>inviati</translation>
    </message>
    <message>
        <source>--watch takes seconds from 1 to 86400, not &quot;%1&quot;</source>
        <translation>--watch accetta secondi da 1 a 86400, non «%1»</translation>
    </message>
    <message>
        <source>--metrics takes ADDRESS:PORT, such as 127.0.0.1:9464 or [::1]:9464, not &quot;%1&quot;</source>
        <translation>--metrics accetta INDIRIZZO:PORTA, come 127.0.0.1:9464 o [::1]:9464, non «%1»</translation>
    </message>
    <message>
        <source>--%1 takes a port from 1 to 65535, not &quot;%2&quot;</source>
        <translation>--%1 accetta una porta da 1 a 65535, non «%2»</translation>
    </message>
    <message>
        <source>--discover needs --range or --dns-sd: nothing is swept unless asked</source>
        <translation>--discover richiede --range o --dns-sd: nulla viene scandito se non richiesto</translation>
    </message>
    <message>
        <source>pass phrases (--snmp-auth, --snmp-priv, auth=, priv=) go with --snmp-user</source>
        <translation>le passphrase (--snmp-auth, --snmp-priv, auth=, priv=) vanno con --snmp-user</translation>
    </message>
    <message>
        <source>--write-targets %1: the file was not written by --discover (a targets file made by hand?) and is left as it is; give --force to replace it</source>
        <translation>--write-targets %1: il file non è stato scritto da --discover (un file delle destinazioni fatto a mano?) e resta com&apos;è; indicare --force per sostituirlo</translation>
    </message>
    <message>
        <source>SNMP privacy needs authentication: give --snmp-auth too</source>
        <translation>la cifratura SNMP richiede l&apos;autenticazione: indicare anche --snmp-auth</translation>
    </message>
    <message>
        <source>SNMP v3 pass phrases have at least 8 characters</source>
        <translation>le passphrase SNMP v3 hanno almeno 8 caratteri</translation>
    </message>
    <message>
        <source>the SNMP community is empty</source>
        <translation>la community SNMP è vuota</translation>
    </message>
    <message>
        <source>an empty range</source>
        <translation>un intervallo vuoto</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a host name or address</source>
        <translation>«%1» non è un nome host né un indirizzo</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an IPv4 range such as 192.168.1.0/24</source>
        <translation>«%1» non è un intervallo IPv4 come 192.168.1.0/24</translation>
    </message>
    <message>
        <source>the range %1 is wider than /%2 (%3 addresses): give smaller ranges</source>
        <translation>l&apos;intervallo %1 è più ampio di /%2 (%3 indirizzi): indicare intervalli più piccoli</translation>
    </message>
</context>
<context>
    <name>ConfigPage</name>
    <message>
        <source>&amp;Darkness </source>
        <translation>&amp;Densità</translation>
    </message>
    <message>
        <source>Darkness:</source>
        <translation>Valore:</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Warning: Darkness Greater than 50 May Decrease the Life of the Printhead.</source>
        <translation>Attenzione: una densità oltre 50 può ridurre la durata della testina.</translation>
    </message>
    <message>
        <source>&amp;Width</source>
        <translation>&amp;Larghezza</translation>
    </message>
    <message>
        <source>Printer Width:</source>
        <translation>Larghezza:</translation>
    </message>
    <message>
        <source>416 represents 4.16 inches wide.  For 3.00 inch media use 300.</source>
        <translation>416 indica 4,16 pollici di larghezza. Per supporti da 3,00 pollici usare 300.</translation>
    </message>
    <message>
        <source>416</source>
        <translation>416</translation>
    </message>
    <message>
        <source>Default for a 2 inch: 224</source>
        <translation>Predefinito per 2 pollici: 224</translation>
    </message>
    <message>
        <source>Default for a 4 inch: 416</source>
        <translation>Predefinito per 4 pollici: 416</translation>
    </message>
    <message>
        <source>&amp;PrintSpeed</source>
        <translation>&amp;Velocità</translation>
    </message>
    <message>
        <source>Select PrintSpeed</source>
        <translation>Scegli la velocità di stampa</translation>
    </message>
    <message>
        <source>PrintSpeed</source>
        <translation>Velocità di stampa</translation>
    </message>
    <message>
        <source>Configure the speed at which your printer prints.  This may affect print quality.</source>
        <translation>Imposta la velocità di stampa. Può influire sulla qualità.</translation>
    </message>
    <message>
        <source>Print &amp;Mode</source>
        <translation>&amp;Modalità</translation>
    </message>
    <message>
        <source>Configure your printer for Direct Thermal or Thermal Transfer mode</source>
        <translation>Imposta la stampante in modalità termica diretta o a trasferimento termico</translation>
    </message>
    <message>
        <source>Print Mode</source>
        <translation>Modalità di stampa</translation>
    </message>
    <message>
        <source>Configure your printer to Direct Thermal (DT) or Thermal Transfer (TT) mode.</source>
        <translation>Imposta la stampante in termico diretto (DT) o trasferimento termico (TT).</translation>
    </message>
    <message>
        <source>Kestra emulation reduces printer performance and lowers print resolution.  Kestra emulation should only be used to make your Tornelo backwards compatible.</source>
        <translation>L&apos;emulazione Kestra riduce le prestazioni e la risoluzione di stampa. Usarla solo per rendere la Tornelo retrocompatibile.</translation>
    </message>
    <message>
        <source>&amp;Kestra Emulation</source>
        <translation>Emulazione &amp;Kestra</translation>
    </message>
    <message>
        <source>Dis&amp;able Emulation in Printer</source>
        <translation>Disattiva l&apos;em&amp;ulazione</translation>
    </message>
    <message>
        <source>Kestra emulation allows your old labels to print properly in the Tornelo.  Use the Scaler to change label size (default 100}</source>
        <translation>Con l&apos;emulazione Kestra le vecchie etichette stampano bene sulla Tornelo. Scala: misura dell&apos;etichetta (predefinita 100)</translation>
    </message>
    <message>
        <source>Scaler:</source>
        <translation>Scala:</translation>
    </message>
    <message>
        <source>Right-Click to Set Value Manually</source>
        <translation>Clic destro per impostare il valore a mano</translation>
    </message>
    <message>
        <source>100</source>
        <translation>100</translation>
    </message>
    <message>
        <source>Varimonde recommends setting your text buffer to no more than 32K.</source>
        <translation>Varimonde consiglia un buffer di testo di non più di 32K.</translation>
    </message>
    <message>
        <source>&amp;Text Buffer</source>
        <translation>&amp;Buffer di testo</translation>
    </message>
    <message>
        <source>Text Buffer (Main)</source>
        <translation>Buffer (principale)</translation>
    </message>
    <message>
        <source>4096</source>
        <translation>4096</translation>
    </message>
    <message>
        <source>Right-Click to set buffer manually.</source>
        <translation>Clic destro per impostare il buffer a mano.</translation>
    </message>
    <message>
        <source>Text Buffer (Overflow)</source>
        <translation>Buffer (overflow)</translation>
    </message>
    <message>
        <source>Right-Click to set buffer manually</source>
        <translation>Clic destro per impostare il buffer a mano</translation>
    </message>
    <message>
        <source>Note: Changing these settings will delete any stored graphics, and will reduce the amount of memory reserved for graphics.</source>
        <translation>Nota: modificare queste impostazioni cancella tutta la grafica memorizzata e riduce la memoria riservata alla grafica.</translation>
    </message>
    <message>
        <source>Uploads current settings to printer</source>
        <translation>Invia le impostazioni attuali alla stampante</translation>
    </message>
    <message>
        <source>&amp;Upload Settings to Printer</source>
        <translation>Invia alla s&amp;tampante</translation>
    </message>
    <message>
        <source>Imports saved profile for easy duplication of printer configurations</source>
        <translation>Importa un profilo salvato per duplicare facilmente la configurazione di una stampante</translation>
    </message>
    <message>
        <source>&amp;Import Profile</source>
        <translation>&amp;Importa</translation>
    </message>
    <message>
        <source>Saves and exports profile for future printer setup</source>
        <translation>Salva ed esporta il profilo per configurare stampanti in futuro</translation>
    </message>
    <message>
        <source>E&amp;xport Profile</source>
        <translation>E&amp;sporta</translation>
    </message>
    <message>
        <source>Opens seperate window with Varimonde commands for printer setup.</source>
        <translation>Apre una finestra separata con i comandi Varimonde per configurare la stampante.</translation>
    </message>
    <message>
        <source>&amp;Show Details</source>
        <translation>Most&amp;ra dettagli</translation>
    </message>
    <message>
        <source>Please Enter Desired Scaler</source>
        <translation>Inserisci la scala desiderata</translation>
    </message>
    <message>
        <source>Scaler Setting</source>
        <translation>Impostazione della scala</translation>
    </message>
    <message>
        <source>Maximum Value is 250</source>
        <translation>Il valore massimo è 250</translation>
    </message>
    <message>
        <source>Invalid Data</source>
        <translation>Dato non valido</translation>
    </message>
    <message>
        <source>Set Value for Main Text Buffer</source>
        <translation>Valore del buffer di testo principale</translation>
    </message>
    <message>
        <source>Primary Text Buffer</source>
        <translation>Buffer di testo principale</translation>
    </message>
    <message>
        <source>Enter value for Overflow Buffer</source>
        <translation>Inserisci il valore del buffer di overflow</translation>
    </message>
    <message>
        <source>Overflow Buffer</source>
        <translation>Buffer di overflow</translation>
    </message>
    <message>
        <source>Overflow must fall between 0 and (Text Buffer-1024)</source>
        <translation>L&apos;overflow deve essere tra 0 e (buffer di testo-1024)</translation>
    </message>
    <message>
        <source>Overflow Buffer Warning</source>
        <translation>Avviso sul buffer di overflow</translation>
    </message>
    <message>
        <source>Configuration block</source>
        <translation>Blocco di configurazione</translation>
    </message>
</context>
<context>
    <name>DetailsWindow</name>
    <message>
        <source>Details</source>
        <translation>Dettagli</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Send Anyway</source>
        <translation>Invia comunque</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>Interrupted while the files were read: cancelled before sending.</source>
        <translation>Interrotto durante la lettura dei file: annullato prima dell&apos;invio.</translation>
    </message>
    <message>
        <source>Interrupted: the transfer was stopped and its end not waited for.</source>
        <translation>Interrotto: il trasferimento è stato fermato senza attenderne la fine.</translation>
    </message>
    <message>
        <source>Interrupted before this printer&apos;s turn: nothing was sent.</source>
        <translation>Interrotto prima del turno di questa stampante: non è stato inviato nulla.</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Valore della proprietà non valido</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Tipo non corrispondente</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Overflow</translation>
    </message>
    <message>
        <source>Cancel was selected.</source>
        <translation>È stato scelto Annulla.</translation>
    </message>
    <message>
        <source>Subscript out of range: there are no bytes in memory to send</source>
        <translation>Indice non compreso nell&apos;intervallo: nessun byte in memoria da inviare</translation>
    </message>
    <message>
        <source>The transfer was cancelled.</source>
        <translation>Il trasferimento è stato annullato.</translation>
    </message>
    <message>
        <source>The transfer was stopped.</source>
        <translation>Il trasferimento è stato interrotto.</translation>
    </message>
    <message>
        <source>Bad file name or number</source>
        <translation>Nome o numero di file non valido</translation>
    </message>
    <message>
        <source>%1 is out of paper: load labels and try again.</source>
        <translation>%1 ha finito la carta: caricare le etichette e riprovare.</translation>
    </message>
    <message>
        <source>%1 is offline: put the printer online and try again.</source>
        <translation>%1 è fuori linea: mettere in linea la stampante e riprovare.</translation>
    </message>
    <message>
        <source>%1 reports an error: check the printer&apos;s cover, labels and ribbon, then try again.</source>
        <translation>%1 segnala un errore: controllare il coperchio, le etichette e il nastro della stampante, poi riprovare.</translation>
    </message>
    <message>
        <source>Device I/O error: %1 accepted no data for %2 seconds. Check that the printer is on, online and has paper.</source>
        <translation>Errore di I/O del dispositivo: %1 non ha accettato dati per %2 secondi. Verificare che la stampante sia accesa, in linea e abbia carta.</translation>
    </message>
    <message>
        <source>%1 bytes delivered</source>
        <translation>%1 byte consegnati</translation>
    </message>
    <message>
        <source>No printer address is set: enter the printer&apos;s network name or IP address on the Communication Settings tab.</source>
        <translation>Nessun indirizzo di stampante impostato: inserire il nome di rete o l&apos;indirizzo IP della stampante nella scheda Comunicazione.</translation>
    </message>
    <message>
        <source>could not look %1 up within %2 s: check the name and the DNS server</source>
        <translation>impossibile risolvere %1 entro %2 s: controllare il nome e il server DNS</translation>
    </message>
    <message>
        <source>The printer&apos;s network name &quot;%1&quot; could not be found (port %2): check the name, or enter the printer&apos;s IP address instead.</source>
        <translation>Impossibile trovare il nome di rete «%1» della stampante (porta %2): controllare il nome o inserire l&apos;indirizzo IP della stampante.</translation>
    </message>
    <message>
        <source>%1 did not answer within %2 seconds: check the address, and that the printer is on and connected to the network.</source>
        <translation>%1 non ha risposto entro %2 secondi: controllare l&apos;indirizzo e che la stampante sia accesa e collegata alla rete.</translation>
    </message>
    <message>
        <source>%1 refused the connection: check that this is the printer&apos;s address and that it takes print jobs on port %2 (9100 on most printers).</source>
        <translation>%1 ha rifiutato la connessione: verificare che sia l&apos;indirizzo della stampante e che accetti lavori sulla porta %2 (9100 nella maggior parte delle stampanti).</translation>
    </message>
    <message>
        <source>%1 cannot be reached: %2</source>
        <translation>%1 non è raggiungibile: %2</translation>
    </message>
    <message>
        <source>%1 closed the connection during the transfer: the printer may have been switched off or restarted.</source>
        <translation>%1 ha chiuso la connessione durante il trasferimento: la stampante potrebbe essere stata spenta o riavviata.</translation>
    </message>
    <message>
        <source>The connection to %1 failed during the transfer: %2</source>
        <translation>La connessione a %1 non è riuscita durante il trasferimento: %2</translation>
    </message>
    <message>
        <source>%1 stopped answering: nothing came back for %2 s. Check that the printer is on and connected to the network.</source>
        <translation>%1 ha smesso di rispondere: nessuna risposta per %2 s. Verificare che la stampante sia accesa e collegata alla rete.</translation>
    </message>
    <message>
        <source>%1 %2; the wait for an answer is set on the Communication Settings tab (Give up after) or with --stall-limit.</source>
        <translation>%1 %2; l&apos;attesa di una risposta si imposta nella scheda Comunicazione (Rinuncia dopo) o con --stall-limit.</translation>
    </message>
    <message>
        <source>%1 took no data for %2 s though it still answers: check paper, ribbon and the printer&apos;s display. %3; the wait for progress is set on the Communication Settings tab (Give up after) or with --busy-limit.</source>
        <translation>%1 non ha preso dati per %2 s pur rispondendo ancora: controllare carta, nastro e display della stampante. %3; l&apos;attesa di un progresso si imposta nella scheda Comunicazione (Rinuncia dopo) o con --busy-limit.</translation>
    </message>
    <message>
        <source>%1 does not exist on this computer. No serial ports were found: check that the printer&apos;s cable or USB adapter is plugged in.</source>
        <translation>%1 non esiste su questo computer. Nessuna porta seriale trovata: verificare che il cavo della stampante o l&apos;adattatore USB sia collegato.</translation>
    </message>
    <message>
        <source>%1 does not exist on this computer. Serial ports found: %2. Choose one of them on the Communication Settings tab and press Apply.</source>
        <translation>%1 non esiste su questo computer. Porte seriali trovate: %2. Sceglierne una nella scheda Comunicazione e premere Applica.</translation>
    </message>
    <message>
        <source>Permission denied on %1. Your user must be in the group &apos;%2&apos; that owns the port: run &apos;sudo usermod -aG %2 $USER&apos;, then log out and in again.</source>
        <translation>Permesso negato su %1. L&apos;utente deve far parte del gruppo &apos;%2&apos; proprietario della porta: eseguire &apos;sudo usermod -aG %2 $USER&apos;, poi uscire e rientrare.</translation>
    </message>
    <message>
        <source>Permission denied on %1. Ask your administrator for read and write access to it.</source>
        <translation>Permesso negato su %1. Chiedere all&apos;amministratore l&apos;accesso in lettura e scrittura.</translation>
    </message>
    <message>
        <source>%1 is in use by another program%2. Close that program and try again.</source>
        <translation>%1 è in uso da parte di un altro programma%2. Chiudere quel programma e riprovare.</translation>
    </message>
    <message>
        <source>%1 is already open: another transfer is still running.</source>
        <translation>%1 è già aperta: è ancora in corso un altro trasferimento.</translation>
    </message>
    <message>
        <source>%1 does not accept the line settings: %2</source>
        <translation>%1 non accetta le impostazioni di linea: %2</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>Impossibile aprire %1: %2</translation>
    </message>
    <message>
        <source>No parallel or USB printer ports were found.</source>
        <translation>Nessuna porta parallela o di stampante USB trovata.</translation>
    </message>
    <message>
        <source>Parallel and USB printer ports found: %1. Choose one of them on the Communication Settings tab.</source>
        <translation>Porte parallele e di stampante USB trovate: %1. Sceglierne una nella scheda Comunicazione.</translation>
    </message>
    <message>
        <source>Another transfer to the printer is still running: wait for it to finish, or cancel it, then try again.</source>
        <translation>È ancora in corso un altro trasferimento alla stampante: attendere che finisca o annullarlo, poi riprovare.</translation>
    </message>
    <message>
        <source>No USB printer is connected.</source>
        <translation>Nessuna stampante USB collegata.</translation>
    </message>
    <message>
        <source>USB Printer %1 is not connected.</source>
        <translation>La stampante USB %1 non è collegata.</translation>
    </message>
    <message>
        <source>Check that the printer is switched on and its USB cable is plugged in at both ends, and that the usblp driver is loaded (lsmod | grep usblp; load it with: sudo modprobe usblp).</source>
        <translation>Verificare che la stampante sia accesa, che il cavo USB sia collegato a entrambe le estremità e che il driver usblp sia caricato (lsmod | grep usblp; caricarlo con: sudo modprobe usblp).</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>Errore: %1</translation>
    </message>
    <message>
        <source>Could not set comm state: the serial port cannot send with %1 data bits. Choose 5 to 8 data bits.</source>
        <translation>Impossibile impostare lo stato della porta: la porta seriale non può inviare con %1 bit di dati. Scegliere da 5 a 8 bit di dati.</translation>
    </message>
    <message>
        <source>%1 stopped working during the transfer: the device or its USB adapter was removed or failed (%2).</source>
        <translation>%1 ha smesso di funzionare durante il trasferimento: il dispositivo o il suo adattatore USB è stato rimosso o si è guastato (%2).</translation>
    </message>
    <message>
        <source>%1 failed during the transfer: %2</source>
        <translation>%1 non ha funzionato durante il trasferimento: %2</translation>
    </message>
    <message>
        <source>%1 accepted no data for %2 seconds: check that the printer is on, online and connected.</source>
        <translation>%1 non ha accettato dati per %2 secondi: verificare che la stampante sia accesa, in linea e collegata.</translation>
    </message>
    <message>
        <source>Interrupted: nothing more was sent.</source>
        <translation>Interrotto: non è stato inviato altro.</translation>
    </message>
    <message>
        <source>Interrupted: the transfer was stopped and what was queued discarded; %1 bytes delivered.</source>
        <translation>Interrotto: il trasferimento è stato fermato e ciò che era in coda scartato; %1 byte consegnati.</translation>
    </message>
    <message>
        <source>Printer Setup</source>
        <translation>Configurazione stampante</translation>
    </message>
    <message>
        <source>Invalid Width Argument.</source>
        <translation>Larghezza non valida.</translation>
    </message>
    <message>
        <source>Maximum Width is 416</source>
        <translation>La larghezza massima è 416</translation>
    </message>
    <message>
        <source>Invalid Print Mode. Valid Modes are DT and TT</source>
        <translation>Modalità di stampa non valida. Le modalità valide sono DT e TT</translation>
    </message>
    <message>
        <source>Invalid Print Speed</source>
        <translation>Velocità di stampa non valida</translation>
    </message>
    <message>
        <source>an IPv6 address needs its closing ]</source>
        <translation>all&apos;indirizzo IPv6 manca la ] di chiusura</translation>
    </message>
    <message>
        <source>write an IPv6 address in brackets: tcp://[2001:db8::5]:9100</source>
        <translation>scrivere l&apos;indirizzo IPv6 tra parentesi quadre: tcp://[2001:db8::5]:9100</translation>
    </message>
    <message>
        <source>name the USB printer device: usb:/dev/usb/lp0</source>
        <translation>indicare il dispositivo della stampante USB: usb:/dev/usb/lp0</translation>
    </message>
    <message>
        <source>give COMn[:settings], a serial device path[:settings], LPT1, LPT2, usb:DEVICE or tcp://HOST[:PORT]</source>
        <translation>indicare COMn[:impostazioni], un percorso di dispositivo seriale[:impostazioni], LPT1, LPT2, usb:DISPOSITIVO o tcp://HOST[:PORTA]</translation>
    </message>
    <message>
        <source>COM ports are numbered 1 to %1</source>
        <translation>le porte COM sono numerate da 1 a %1</translation>
    </message>
    <message>
        <source>the line settings &quot;%1&quot; must read baud,parity,data bits,stop bits, such as 9600,N,8,1</source>
        <translation>le impostazioni di linea &quot;%1&quot; devono essere baud,parità,bit di dati,bit di stop, ad esempio 9600,N,8,1</translation>
    </message>
    <message>
        <source>Invalid Parallel Port</source>
        <translation>Porta parallela non valida</translation>
    </message>
    <message>
        <source>Invalid Network Printer: enter the printer&apos;s network name or its IPv4 or IPv6 address.</source>
        <translation>Stampante di rete non valida: inserire il nome di rete della stampante o il suo indirizzo IPv4 o IPv6.</translation>
    </message>
    <message>
        <source>Invalid Network Port: enter a number from 1 to 65535 (9100 on most printers).</source>
        <translation>Porta di rete non valida: inserire un numero da 1 a 65535 (9100 sulla maggior parte delle stampanti).</translation>
    </message>
    <message>
        <source>File not found: %1</source>
        <translation>File non trovato: %1</translation>
    </message>
    <message>
        <source>Permission denied: %1</source>
        <translation>Permesso negato: %1</translation>
    </message>
    <message>
        <source>Disk full: %1</source>
        <translation>Disco pieno: %1</translation>
    </message>
    <message>
        <source>Device I/O error: %1 (%2)</source>
        <translation>Errore di I/O del dispositivo: %1 (%2)</translation>
    </message>
    <message>
        <source>Bad file name: %1</source>
        <translation>Nome di file non valido: %1</translation>
    </message>
    <message>
        <source>Path/File access error: %1 (%2)</source>
        <translation>Errore di accesso a percorso/file: %1 (%2)</translation>
    </message>
    <message>
        <source>Permission denied: %1 (%2)</source>
        <translation>Permesso negato: %1 (%2)</translation>
    </message>
    <message>
        <source>Disk full or out of resources: %1 (%2)</source>
        <translation>Disco pieno o risorse esaurite: %1 (%2)</translation>
    </message>
    <message>
        <source>%1 was not written: %2</source>
        <translation>%1 non è stato scritto: %2</translation>
    </message>
    <message>
        <source>it is a symbolic link, and nothing is written through one; name the file itself.</source>
        <translation>è un collegamento simbolico, e nulla viene scritto attraverso uno di essi; indicare il file stesso.</translation>
    </message>
    <message>
        <source>it is a folder; name a file in it.</source>
        <translation>è una cartella; indicare un file al suo interno.</translation>
    </message>
    <message>
        <source>only a regular file is written here.</source>
        <translation>qui viene scritto solo un file normale.</translation>
    </message>
    <message>
        <source>it is neither a file, a character device nor a pipe.</source>
        <translation>non è né un file, né un dispositivo a caratteri, né una pipe.</translation>
    </message>
    <message>
        <source>it belongs to user %1, not to user %2 for whom the program runs as root.</source>
        <translation>appartiene all&apos;utente %1, non all&apos;utente %2 per cui il programma è eseguito come root.</translation>
    </message>
    <message>
        <source>%1 was not written: nothing opened the pipe to read it within %2 s.</source>
        <translation>%1 non è stato scritto: nessuno ha aperto la pipe in lettura entro %2 s.</translation>
    </message>
    <message>
        <source>%1 was not written: interrupted.</source>
        <translation>%1 non è stato scritto: interrotto.</translation>
    </message>
    <message>
        <source>it changed while it was being written.</source>
        <translation>è cambiato durante la scrittura.</translation>
    </message>
    <message>
        <source>no file name was given.</source>
        <translation>non è stato indicato alcun nome di file.</translation>
    </message>
    <message>
        <source>only a regular file is written.</source>
        <translation>viene scritto solo un file normale.</translation>
    </message>
    <message>
        <source>%1 (no COM number reaches it)</source>
        <translation>%1 (nessun numero COM lo raggiunge)</translation>
    </message>
    <message>
        <source>Put the printer online (its pause or feed button) and try again.</source>
        <translation>Mettere la stampante in linea (tasto pausa o avanzamento) e riprovare.</translation>
    </message>
    <message>
        <source>Open the printer, clear the jammed labels, close it and try again.</source>
        <translation>Aprire la stampante, rimuovere le etichette inceppate, richiuderla e riprovare.</translation>
    </message>
    <message>
        <source>Close the printer&apos;s cover and try again.</source>
        <translation>Chiudere il coperchio della stampante e riprovare.</translation>
    </message>
    <message>
        <source>Load labels, close the printer and try again.</source>
        <translation>Caricare le etichette, chiudere la stampante e riprovare.</translation>
    </message>
    <message>
        <source>Load a ribbon, close the printer and try again.</source>
        <translation>Caricare un nastro, chiudere la stampante e riprovare.</translation>
    </message>
    <message>
        <source>Take the printed labels out and try again.</source>
        <translation>Togliere le etichette stampate e riprovare.</translation>
    </message>
    <message>
        <source>The printer reports %1: nothing was sent. %2</source>
        <translation>La stampante segnala %1: non è stato inviato nulla. %2</translation>
    </message>
    <message>
        <source>The printer reports %1: nothing was sent. %2 Give --ignore-status to send anyway.</source>
        <translation>La stampante segnala %1: non è stato inviato nulla. %2 Indicare --ignore-status per inviare comunque.</translation>
    </message>
    <message>
        <source>No printer address is set: name the printer with --to tcp://HOST.</source>
        <translation>Nessun indirizzo di stampante impostato: indicare la stampante con --to tcp://HOST.</translation>
    </message>
    <message>
        <source>%1 %2; the wait for an answer is set with --stall-limit.</source>
        <translation>%1 %2; l&apos;attesa di una risposta si imposta con --stall-limit.</translation>
    </message>
    <message>
        <source>%1 took no data for %2 s though it still answers: check paper, ribbon and the printer&apos;s display. %3; the wait for progress is set with --busy-limit.</source>
        <translation>%1 non ha preso dati per %2 s pur rispondendo ancora: controllare carta, nastro e display della stampante. %3; l&apos;attesa di un progresso si imposta con --busy-limit.</translation>
    </message>
    <message>
        <source>%1 does not exist on this computer. Serial ports found: %2. Name one of them with --to.</source>
        <translation>%1 non esiste su questo computer. Porte seriali trovate: %2. Indicarne una con --to.</translation>
    </message>
    <message>
        <source>Parallel and USB printer ports found: %1. Name one of them with --to.</source>
        <translation>Porte parallele e di stampante USB trovate: %1. Indicarne una con --to.</translation>
    </message>
    <message>
        <source>ignoring the settings in %1, which cannot be read: it is not a regular file; starting values apply, and the file is left as it is</source>
        <translation>le impostazioni in %1 vengono ignorate, perché non si possono leggere: non è un file normale; valgono i valori iniziali e il file resta com’è</translation>
    </message>
    <message>
        <source>ignoring the settings in %1, which cannot be read: it is larger than %2 KiB; starting values apply, and the file is left as it is</source>
        <translation>le impostazioni in %1 vengono ignorate, perché non si possono leggere: il file supera %2 KiB; valgono i valori iniziali e il file resta com’è</translation>
    </message>
    <message>
        <source>ignoring the settings in %1, which cannot be read; starting values apply, and the file is left as it is</source>
        <translation>le impostazioni in %1 vengono ignorate, perché non si possono leggere; valgono i valori iniziali e il file resta com’è</translation>
    </message>
    <message>
        <source>ignoring the settings in %1, which cannot be read; starting values apply, and the file is written afresh</source>
        <translation>le impostazioni in %1 vengono ignorate, perché non si possono leggere; valgono i valori iniziali e il file viene riscritto</translation>
    </message>
    <message>
        <source>ignoring the settings in %1, which cannot be understood; starting values apply, and the file is written afresh</source>
        <translation>le impostazioni in %1 vengono ignorate, perché non si possono interpretare; valgono i valori iniziali e il file viene riscritto</translation>
    </message>
    <message>
        <source>the settings will not be saved: %1</source>
        <translation>le impostazioni non verranno salvate: %1</translation>
    </message>
    <message>
        <source>the settings were not saved: %1</source>
        <translation>le impostazioni non sono state salvate: %1</translation>
    </message>
    <message>
        <source>the sweep could not try %1 of %2 addresses and ports (too many open files): printers may be missing</source>
        <translation>la scansione non ha potuto provare %1 di %2 indirizzi e porte (troppi file aperti): potrebbero mancare delle stampanti</translation>
    </message>
    <message>
        <source>DNS-SD browsing failed: %1</source>
        <translation>ricerca DNS-SD non riuscita: %1</translation>
    </message>
    <message>
        <source>DNS-SD: the Avahi daemon went away (%1)</source>
        <translation>DNS-SD: il servizio Avahi non c’è più (%1)</translation>
    </message>
    <message>
        <source>DNS-SD is not available: no Avahi daemon runs; looking the other ways.</source>
        <translation>DNS-SD non è disponibile: nessun servizio Avahi è in esecuzione; la ricerca prosegue per le altre vie.</translation>
    </message>
    <message>
        <source>DNS-SD is not available: %1; looking the other ways.</source>
        <translation>DNS-SD non è disponibile: %1; la ricerca prosegue per le altre vie.</translation>
    </message>
    <message>
        <source>%1: not a network printer: its status cannot be read</source>
        <translation>%1: non è una stampante di rete: il suo stato non si può leggere</translation>
    </message>
    <message>
        <source>File too large: %1 has %2 bytes; a file must be smaller than 2 GiB (%3 bytes) to be held in memory.</source>
        <translation>File troppo grande: %1 ha %2 byte; un file deve essere più piccolo di 2 GiB (%3 byte) per stare in memoria.</translation>
    </message>
    <message>
        <source>Out of memory: %1 bytes do not fit in memory.</source>
        <translation>Memoria insufficiente: %1 byte non entrano in memoria.</translation>
    </message>
    <message>
        <source>Input past end of file: %1</source>
        <translation>Lettura oltre la fine del file: %1</translation>
    </message>
    <message>
        <source>an SNMP v3 pass phrase is unusable</source>
        <translation>una passphrase SNMP v3 non è utilizzabile</translation>
    </message>
    <message>
        <source>cannot open an SNMP session</source>
        <translation>impossibile aprire una sessione SNMP</translation>
    </message>
    <message>
        <source>no SNMP answer</source>
        <translation>nessuna risposta SNMP</translation>
    </message>
    <message>
        <source>SNMP failed: %1</source>
        <translation>SNMP non riuscito: %1</translation>
    </message>
    <message>
        <source>SNMP error: %1</source>
        <translation>errore SNMP: %1</translation>
    </message>
    <message>
        <source>the printer refused the request (the SNMP user or its pass phrases)</source>
        <translation>la stampante ha rifiutato la richiesta (l&apos;utente SNMP o le sue passphrase)</translation>
    </message>
    <message>
        <source>SNMP failed: the agent named no engine</source>
        <translation>SNMP non riuscito: l&apos;agente non ha indicato alcun motore</translation>
    </message>
    <message>
        <source>the name was not looked up in time</source>
        <translation>il nome non è stato risolto in tempo</translation>
    </message>
    <message>
        <source>the name could not be found</source>
        <translation>il nome non è stato trovato</translation>
    </message>
    <message>
        <source>Input past end of file: the profile is empty or cut off</source>
        <translation>Lettura oltre la fine del file: il profilo è vuoto o troncato</translation>
    </message>
</context>
<context>
    <name>FileDrop</name>
    <message>
        <source>Drop one file at a time.</source>
        <translation>Rilascia un solo file alla volta.</translation>
    </message>
    <message>
        <source>%1 is not a file on this computer: drop a file.</source>
        <translation>%1 non è un file di questo computer: rilascia un file.</translation>
    </message>
    <message>
        <source>%1 is a folder: drop a file.</source>
        <translation>%1 è una cartella: rilascia un file.</translation>
    </message>
</context>
<context>
    <name>FindPrintersDialog</name>
    <message>
        <source>Find Printers</source>
        <translation>Cerca stampanti</translation>
    </message>
    <message>
        <source>&amp;Range:</source>
        <translation>&amp;Intervallo:</translation>
    </message>
    <message>
        <source>192.168.1.0/24, or hosts</source>
        <translation>192.168.1.0/24, o host</translation>
    </message>
    <message>
        <source>CIDR ranges of at most /22 or host names, separated by spaces or commas. Port 9100 of each address is tried; DNS-SD and SNMP are asked too.</source>
        <translation>Intervalli CIDR di al massimo /22 o nomi host, separati da spazi o virgole. Si prova la porta 9100 di ogni indirizzo; si interrogano anche DNS-SD e SNMP.</translation>
    </message>
    <message>
        <source>Range:</source>
        <translation>Intervallo:</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Avvia</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>&amp;Ferma</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>&amp;Filtro:</translation>
    </message>
    <message>
        <source>any text of a row</source>
        <translation>qualsiasi testo di una riga</translation>
    </message>
    <message>
        <source>Filter:</source>
        <translation>Filtro:</translation>
    </message>
    <message>
        <source>Search Progress</source>
        <translation>Avanzamento della ricerca</translation>
    </message>
    <message>
        <source>Printers Found</source>
        <translation>Stampanti trovate</translation>
    </message>
    <message>
        <source>Nothing is scanned until Start is pressed.</source>
        <translation>Non si cerca nulla finché non si preme «Avvia».</translation>
    </message>
    <message>
        <source>&amp;Use This Printer</source>
        <translation>&amp;Usa questa stampante</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Indirizzo</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Make and Model</source>
        <translation>Marca e modello</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>N. di serie</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Found By</source>
        <translation>Trovata con</translation>
    </message>
    <message>
        <source>1 printer found.</source>
        <translation>1 stampante trovata.</translation>
    </message>
    <message>
        <source>%1 printers found.</source>
        <translation>%1 stampanti trovate.</translation>
    </message>
    <message>
        <source>Looking...</source>
        <translation>Ricerca in corso...</translation>
    </message>
    <message>
        <source>&amp;Watch</source>
        <translation>&amp;Monitora</translation>
    </message>
    <message>
        <source>Reads the printers found again every few seconds over SNMP and shows their status and alerts as they change.</source>
        <translation>Rilegge via SNMP le stampanti trovate ogni pochi secondi e mostra stato e allarmi appena cambiano.</translation>
    </message>
    <message>
        <source>Printer Details</source>
        <translation>Dettagli stampante</translation>
    </message>
    <message>
        <source>Select a printer to see what it reports.</source>
        <translation>Selezionare una stampante per vedere cosa segnala.</translation>
    </message>
    <message>
        <source>Alerts</source>
        <translation>Allarmi</translation>
    </message>
    <message>
        <source>critical</source>
        <translation>critico</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>avviso</translation>
    </message>
    <message>
        <source>other</source>
        <translation>altro</translation>
    </message>
    <message>
        <source>at uptime %1</source>
        <translation>al tempo di attività %1</translation>
    </message>
    <message>
        <source>Printer:</source>
        <translation>Stampante:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Stato:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>Modello:</translation>
    </message>
    <message>
        <source>Serial:</source>
        <translation>N. di serie:</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Posizione:</translation>
    </message>
    <message>
        <source>Uptime:</source>
        <translation>Tempo di attività:</translation>
    </message>
    <message>
        <source>Front panel:</source>
        <translation>Pannello frontale:</translation>
    </message>
    <message>
        <source>group %1, code %2</source>
        <translation>gruppo %1, codice %2</translation>
    </message>
    <message>
        <source>Alert:</source>
        <translation>Allarme:</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: %2, raised %3</source>
        <translation>%1: %2, generato %3</translation>
    </message>
    <message>
        <source>Media:</source>
        <translation>Supporto:</translation>
    </message>
    <message>
        <source>Odometer:</source>
        <translation>Contatore:</translation>
    </message>
    <message>
        <source>This printer has no raw port: it was only named (over IPP), and nothing is sent to an IPP port.</source>
        <translation>Questa stampante non ha una porta raw: è stata solo nominata (tramite IPP), e a una porta IPP non si invia nulla.</translation>
    </message>
    <message>
        <source>Last answer:</source>
        <translation>Ultima risposta:</translation>
    </message>
</context>
<context>
    <name>GraphicCheck</name>
    <message>
        <source>%1 × %2 dots, %3 × %4 mm</source>
        <translation>%1 × %2 punti, %3 × %4 mm</translation>
    </message>
    <message>
        <source> Use Convert… to make one.</source>
        <translation> Usare Converti… per crearne una.</translation>
    </message>
    <message>
        <source>%1 is empty.</source>
        <translation>%1 è vuoto.</translation>
    </message>
    <message>
        <source>%1 is a %2 image, but %3 is chosen as its type: store it as %2.</source>
        <translation>%1 è un&apos;immagine %2, ma come tipo è scelto %3: memorizzarla come %2.</translation>
    </message>
    <message>
        <source>%1 is a %2 image, not a %3: the printer stores 1-bit BMP or PCX images only.</source>
        <translation>%1 è un&apos;immagine %2, non %3: la stampante memorizza solo immagini BMP o PCX a 1 bit.</translation>
    </message>
    <message>
        <source>%1 is not a %2 image.</source>
        <translation>%1 non è un&apos;immagine %2.</translation>
    </message>
    <message>
        <source>%1 is an %2-bit colour image: the printer stores black-and-white (1-bit) images only.</source>
        <translation>%1 è un&apos;immagine a colori a %2 bit: la stampante memorizza solo immagini in bianco e nero (1 bit).</translation>
    </message>
    <message>
        <source>%1 is a %2-bit colour image: the printer stores black-and-white (1-bit) images only.</source>
        <translation>%1 è un&apos;immagine a colori a %2 bit: la stampante memorizza solo immagini in bianco e nero (1 bit).</translation>
    </message>
    <message>
        <source>%1 is cut short: it ends inside its header.</source>
        <translation>%1 è troncato: termina dentro la sua intestazione.</translation>
    </message>
    <message>
        <source>%1 has no pixels: its header gives %2 × %3 dots.</source>
        <translation>%1 non ha pixel: la sua intestazione indica %2 × %3 punti.</translation>
    </message>
    <message>
        <source>%1 is cut short: its header gives %2 bytes, the file has %3.</source>
        <translation>%1 è troncato: l&apos;intestazione indica %2 byte, il file ne ha %3.</translation>
    </message>
    <message>
        <source>%1&apos;s header gives its size as %2 bytes, but the file has %3.</source>
        <translation>L&apos;intestazione di %1 indica una dimensione di %2 byte, ma il file ne ha %3.</translation>
    </message>
    <message>
        <source>%1 has a bitmap header of %2 bytes, which no Windows bitmap has.</source>
        <translation>%1 ha un&apos;intestazione bitmap di %2 byte, che nessuna bitmap Windows ha.</translation>
    </message>
    <message>
        <source>%1 gives %2 colour planes; a Windows bitmap has one.</source>
        <translation>%1 indica %2 piani di colore; una bitmap Windows ne ha uno.</translation>
    </message>
    <message>
        <source>%1 gives a bit depth of %2, which no Windows bitmap has.</source>
        <translation>%1 indica una profondità di %2 bit, che nessuna bitmap Windows ha.</translation>
    </message>
    <message>
        <source>method %1</source>
        <translation>metodo %1</translation>
    </message>
    <message>
        <source>%1 is compressed (%2): the printer stores uncompressed bitmaps only.</source>
        <translation>%1 è compresso (%2): la stampante memorizza solo bitmap non compresse.</translation>
    </message>
    <message>
        <source>%1 has a palette of %2 colours; a 1-bit image has 2 at most.</source>
        <translation>%1 ha una tavolozza di %2 colori; un&apos;immagine a 1 bit ne ha al massimo 2.</translation>
    </message>
    <message>
        <source>%1&apos;s pixel data would start at byte %2, inside its header and palette.</source>
        <translation>I dati dei pixel di %1 inizierebbero al byte %2, dentro l&apos;intestazione e la tavolozza.</translation>
    </message>
    <message>
        <source>%1&apos;s header gives %2 bytes of pixel data, but %3 × %4 dots need %5.</source>
        <translation>L&apos;intestazione di %1 indica %2 byte di dati dei pixel, ma %3 × %4 punti ne richiedono %5.</translation>
    </message>
    <message>
        <source>%1 is cut short: %2 × %3 dots need %4 bytes of pixel data, the file has %5 after its header.</source>
        <translation>%1 è troncato: %2 × %3 punti richiedono %4 byte di dati dei pixel, il file ne ha %5 dopo l&apos;intestazione.</translation>
    </message>
    <message>
        <source>%1 is not a PCX image.</source>
        <translation>%1 non è un&apos;immagine PCX.</translation>
    </message>
    <message>
        <source>%1 is not run-length encoded as a PCX image is.</source>
        <translation>%1 non ha la codifica run-length di un&apos;immagine PCX.</translation>
    </message>
    <message>
        <source>%1 gives %2 bits per pixel in %3 planes, which no PCX image has.</source>
        <translation>%1 indica %2 bit per pixel in %3 piani, che nessuna immagine PCX ha.</translation>
    </message>
    <message>
        <source>%1&apos;s lines of %2 bytes cannot hold %3 dots.</source>
        <translation>Le righe di %2 byte di %1 non possono contenere %3 punti.</translation>
    </message>
    <message>
        <source>%1 is cut short: its pixel data ends after %2 of %3 lines.</source>
        <translation>%1 è troncato: i dati dei pixel finiscono dopo %2 righe su %3.</translation>
    </message>
    <message>
        <source>bit fields</source>
        <extracomment>A BMP compression kind: the pixels are read through colour masks.</extracomment>
        <translation>campi di bit</translation>
    </message>
    <message>
        <source> Add --convert to make one.</source>
        <translation> Aggiungere --convert per crearne una.</translation>
    </message>
</context>
<context>
    <name>GraphicConvertDialog</name>
    <message>
        <source>Convert Graphic</source>
        <translation>Converti grafica</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Originale</translation>
    </message>
    <message>
        <source>For the printer (1-bit)</source>
        <translation>Per la stampante (1 bit)</translation>
    </message>
    <message>
        <source>Original Picture</source>
        <translation>Immagine originale</translation>
    </message>
    <message>
        <source>Converted Picture</source>
        <translation>Immagine convertita</translation>
    </message>
    <message>
        <source>Conversion</source>
        <translation>Conversione</translation>
    </message>
    <message>
        <source>Scale the picture, keeping its aspect</source>
        <translation>Ridimensiona l&apos;immagine mantenendo le proporzioni</translation>
    </message>
    <message>
        <source>&amp;Width in dots:</source>
        <translation>&amp;Larghezza in punti:</translation>
    </message>
    <message>
        <source>Width in Dots</source>
        <translation>Larghezza in punti</translation>
    </message>
    <message>
        <source>Swap black and white</source>
        <translation>Scambia bianco e nero</translation>
    </message>
    <message>
        <source>&amp;Invert</source>
        <translation>&amp;Inverti</translation>
    </message>
    <message>
        <source>Dots darker than this grey print black</source>
        <translation>I punti più scuri di questo grigio sono stampati in nero</translation>
    </message>
    <message>
        <source>&amp;Threshold:</source>
        <translation>&amp;Soglia:</translation>
    </message>
    <message>
        <source>Threshold</source>
        <translation>Soglia</translation>
    </message>
    <message>
        <source>Spread the greys as patterns of dots</source>
        <translation>Rendi i grigi come motivi di punti</translation>
    </message>
    <message>
        <source>&amp;Dither (error diffusion)</source>
        <translation>&amp;Dithering (diffusione dell&apos;errore)</translation>
    </message>
    <message>
        <source>Save the converted picture as a BMP file</source>
        <translation>Salva l&apos;immagine convertita come file BMP</translation>
    </message>
    <message>
        <source>&amp;Save as BMP…</source>
        <translation>&amp;Salva come BMP…</translation>
    </message>
    <message>
        <source>Make the converted picture the graphic to store</source>
        <translation>Usa l&apos;immagine convertita come grafica da memorizzare</translation>
    </message>
    <message>
        <source>&amp;Use</source>
        <translation>&amp;Usa</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Wider than the printable width of %1 dots set on Printer Configuration: the printer cuts off the rest.</source>
        <translation>Più largo della larghezza stampabile di %1 punti impostata in Configurazione: la stampante taglia il resto.</translation>
    </message>
    <message>
        <source>Bitmaps (*.bmp)|*.bmp</source>
        <translation>Bitmap (*.bmp)|*.bmp</translation>
    </message>
    <message>
        <source>The picture could not be saved to %1: %2</source>
        <translation>Impossibile salvare l&apos;immagine in %1: %2</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>varimonde-setup: --lang takes a language code such as de or pt_BR; the texts stay in English.</source>
        <translation>varimonde-setup: --lang vuole un codice di lingua come de o pt_BR; i testi restano in inglese.</translation>
    </message>
    <message>
        <source>varimonde-setup: no translation into %1; the texts stay in English.</source>
        <translation>varimonde-setup: nessuna traduzione per %1; i testi restano in inglese.</translation>
    </message>
</context>
<context>
    <name>LinkAddress</name>
    <message>
        <source>Serial %1 %2</source>
        <translation>Seriale %1 %2</translation>
    </message>
    <message>
        <source>Parallel %1 (%2)</source>
        <translation>Parallela %1 (%2)</translation>
    </message>
    <message>
        <source>USB Printer %1</source>
        <translation>Stampante USB %1</translation>
    </message>
    <message>
        <source>(none found)</source>
        <translation>(nessuna trovata)</translation>
    </message>
    <message>
        <source>Network %1</source>
        <translation>Rete %1</translation>
    </message>
    <message>
        <source>(no address set)</source>
        <translation>(nessun indirizzo impostato)</translation>
    </message>
</context>
<context>
    <name>LogWindow</name>
    <message>
        <source>Send Log</source>
        <translation>Registro degli invii</translation>
    </message>
    <message>
        <source>Sends</source>
        <translation>Invii</translation>
    </message>
    <message>
        <source>Bytes of the selected send</source>
        <translation>Byte dell&apos;invio scelto</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>&amp;Salva con nome...</translation>
    </message>
    <message>
        <source>&amp;Reset Settings...</source>
        <translation>&amp;Ripristina impostazioni...</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>C&amp;hiudi</translation>
    </message>
    <message>
        <source>The log could not be saved: %1</source>
        <translation>Impossibile salvare il registro: %1</translation>
    </message>
    <message>
        <source>Text Files(*.txt)|*.txt|All Files(*.*)|*.*</source>
        <translation>File di testo(*.txt)|*.txt|Tutti i file(*.*)|*.*</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Log</source>
        <translation>Registr&amp;o</translation>
    </message>
    <message>
        <source>Communication Settings</source>
        <translation>Comunicazione</translation>
    </message>
    <message>
        <source>Printer Configuration</source>
        <translation>Configurazione</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Calibrazione</translation>
    </message>
    <message>
        <source>Data Storage</source>
        <translation>Memorizzazione</translation>
    </message>
    <message>
        <source>Binary Transfer</source>
        <translation>Trasferimento binario</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Printer link</source>
        <translation>Collegamento stampante</translation>
    </message>
    <message>
        <source>Last send</source>
        <translation>Ultimo invio</translation>
    </message>
    <message>
        <source>The next send goes to: %1
Gives up after %2 s without an answer and %3 s without progress</source>
        <translation>Il prossimo invio va a: %1
Rinuncia dopo %2 s senza risposta e %3 s senza avanzamento</translation>
    </message>
    <message>
        <source>The next send goes to: %1</source>
        <translation>Il prossimo invio va a: %1</translation>
    </message>
    <message>
        <source>%1 of %2 bytes delivered</source>
        <translation>%1 di %2 byte consegnati</translation>
    </message>
    <message>
        <source>Sent at %1 (%2)</source>
        <translation>Inviato alle %1 (%2)</translation>
    </message>
    <message>
        <source>Cancelled at %1 (%2)</source>
        <translation>Annullato alle %1 (%2)</translation>
    </message>
    <message>
        <source>Failed at %1: %2 (%3)</source>
        <translation>Non riuscito alle %1: %2 (%3)</translation>
    </message>
    <message>
        <source>Forget the window&apos;s size and place, the folders the file dialogs open in and the printer link?</source>
        <translation>Dimenticare dimensione e posizione della finestra, le cartelle delle finestre dei file e il collegamento alla stampante?</translation>
    </message>
    <message>
        <source>Reset Settings</source>
        <translation>Ripristina impostazioni</translation>
    </message>
    <message>
        <source>Quit without sending the changed settings?</source>
        <translation>Uscire senza inviare le impostazioni modificate?</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>A transfer to the printer is running. Stop it and quit?</source>
        <translation>È in corso un invio alla stampante. Interromperlo e uscire?</translation>
    </message>
    <message>
        <source>Stop and Quit</source>
        <translation>Interrompi ed esci</translation>
    </message>
    <message>
        <source>Keep Sending</source>
        <translation>Continua l&apos;invio</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pagine</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>The next send goes to: %1
Gives up after %2 s without progress</source>
        <translation>Il prossimo invio va a: %1
Rinuncia dopo %2 s senza avanzamento</translation>
    </message>
</context>
<context>
    <name>OperationBuilders</name>
    <message>
        <source>an empty identifier: the printer could never be asked for it</source>
        <translation>un identificatore vuoto: non si potrebbe mai chiederlo alla stampante</translation>
    </message>
    <message>
        <source>No such USB printer: a USB printer is lp&lt;n&gt; in %1, such as %1/lp0</source>
        <translation>Stampante USB inesistente: una stampante USB è lp&lt;n&gt; in %1, ad esempio %1/lp0</translation>
    </message>
    <message>
        <source>Darkness must be a whole number from %1 to %2</source>
        <translation>La densità deve essere un numero intero da %1 a %2</translation>
    </message>
    <message>
        <source>--ribbon is for thermal transfer (--print-type TT) only</source>
        <translation>--ribbon vale solo per il trasferimento termico (--print-type TT)</translation>
    </message>
    <message>
        <source>--test-label takes 1 (the 4X3 label) or 2 (the 2.4X1 label), not &quot;%1&quot;</source>
        <translation>--test-label accetta 1 (l&apos;etichetta 4X3) o 2 (l&apos;etichetta 2.4X1), non &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>PortDiscovery</name>
    <message>
        <source>%1 (not connected)</source>
        <translation>%1 (non collegata)</translation>
    </message>
</context>
<context>
    <name>ProfileActions</name>
    <message>
        <source>Error Opening File</source>
        <translation>Errore nell&apos;apertura del file</translation>
    </message>
    <message>
        <source>Load Configuration</source>
        <translation>Carica configurazione</translation>
    </message>
</context>
<context>
    <name>ProfileFile</name>
    <message>
        <source>Varimonde Printer Profile (*.vsp)|*.vsp|All Files(*.*)|*.*</source>
        <translation>Profilo stampante Varimonde (*.vsp)|*.vsp|Tutti i file(*.*)|*.*</translation>
    </message>
</context>
<context>
    <name>SendLog</name>
    <message>
        <source>Time</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Collegamento</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Inviato</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensione</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Esito</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durata</translation>
    </message>
    <message>
        <source>Sent</source>
        <comment>a send&apos;s outcome</comment>
        <translation>Inviato</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <comment>a send&apos;s outcome</comment>
        <translation>Annullato</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Non riuscito: %1</translation>
    </message>
    <message>
        <source>... %1 bytes not kept ...</source>
        <translation>... %1 byte non conservati ...</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 byte</translation>
    </message>
    <message>
        <source>%1 of %2 bytes delivered</source>
        <translation>%1 di %2 byte consegnati</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
</context>
<context>
    <name>SendPresenter</name>
    <message>
        <source>Connecting to %1…</source>
        <translation>Connessione a %1…</translation>
    </message>
    <message>
        <source>Sending to %1…</source>
        <translation>Invio a %1…</translation>
    </message>
    <message>
        <source>Printer Not Ready</source>
        <translation>Stampante non pronta</translation>
    </message>
    <message>
        <source>Send to %1</source>
        <translation>Invia a %1</translation>
    </message>
    <message>
        <source>Apply the change first?</source>
        <translation>Applicare prima la modifica?</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Applica</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>SnmpAnswer</name>
    <message>
        <source>ten-thousandths of an inch</source>
        <translation>decimillesimi di pollice</translation>
    </message>
    <message>
        <source>micrometers</source>
        <translation>micrometri</translation>
    </message>
    <message>
        <source>characters</source>
        <translation>caratteri</translation>
    </message>
    <message>
        <source>lines</source>
        <translation>righe</translation>
    </message>
    <message>
        <source>impressions</source>
        <translation>stampe</translation>
    </message>
    <message>
        <source>sheets</source>
        <translation>fogli</translation>
    </message>
    <message>
        <source>dot rows</source>
        <translation>righe di punti</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>ore</translation>
    </message>
    <message>
        <source>feet</source>
        <translation>piedi</translation>
    </message>
    <message>
        <source>meters</source>
        <translation>metri</translation>
    </message>
    <message>
        <source>other</source>
        <translation>altra unità</translation>
    </message>
    <message>
        <source>%1 d %2:%3:%4</source>
        <translation>%1 g %2:%3:%4</translation>
    </message>
</context>
<context>
    <name>StorageCommands</name>
    <message>
        <source>The identifier contains a control character (%1), which the printer would take as part of a command. Use letters, digits and symbols.</source>
        <translation>L&apos;identificatore contiene un carattere di controllo (%1), che la stampante prenderebbe come parte di un comando. Usare lettere, cifre e simboli.</translation>
    </message>
    <message>
        <source>The identifier contains “%1”, which the printer cannot receive. Use letters, digits and symbols of Western European text.</source>
        <translation>L&apos;identificatore contiene «%1», che la stampante non può ricevere. Usare lettere, cifre e simboli dell&apos;Europa occidentale.</translation>
    </message>
    <message>
        <source>Valid Identifier must be no more than 8 characters.</source>
        <translation>Un identificatore valido non deve superare gli 8 caratteri.</translation>
    </message>
    <message>
        <source>Identifier must be 8 chars or less</source>
        <translation>L&apos;identificatore deve avere al massimo 8 caratteri</translation>
    </message>
    <message>
        <source>Invalid Quantity: enter a whole number of labels from 1 to 32767</source>
        <translation>Quantità non valida: inserire un numero intero di etichette da 1 a 32767</translation>
    </message>
</context>
<context>
    <name>StoragePage</name>
    <message>
        <source>Graphic Storage</source>
        <translation>Memorizzazione grafica</translation>
    </message>
    <message>
        <source>Graphic Type</source>
        <translation>Tipo di grafica</translation>
    </message>
    <message>
        <source>Select Bitmap</source>
        <translation>Scegli BMP</translation>
    </message>
    <message>
        <source>&amp;BMP</source>
        <translation>&amp;BMP</translation>
    </message>
    <message>
        <source>Select PCX</source>
        <translation>Scegli PCX</translation>
    </message>
    <message>
        <source>PC&amp;X</source>
        <translation>PC&amp;X</translation>
    </message>
    <message>
        <source>Graphic File</source>
        <translation>File grafico</translation>
    </message>
    <message>
        <source>Bro&amp;wse</source>
        <translation>&amp;Sfoglia</translation>
    </message>
    <message>
        <source>Send stored graphics / programs to printer</source>
        <translation>Memorizza grafica o programmi nella stampante</translation>
    </message>
    <message>
        <source>&amp;Store Graphic to Printer</source>
        <translation>&amp;Memorizza grafica</translation>
    </message>
    <message>
        <source>File Size:</source>
        <translation>Dimens.:</translation>
    </message>
    <message>
        <source>0 Bytes</source>
        <translation>0 byte</translation>
    </message>
    <message>
        <source>Storing Progress</source>
        <translation>Avanzamento memorizzazione</translation>
    </message>
    <message>
        <source>Stop the transfer to the printer (Esc)</source>
        <translation>Interrompi l&apos;invio alla stampante (Esc)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Graphic Preview</source>
        <translation>Anteprima grafica</translation>
    </message>
    <message>
        <source>Make a black-and-white (1-bit) BMP from a picture of any kind</source>
        <translation>Crea un BMP in bianco e nero (1 bit) da un&apos;immagine di qualsiasi tipo</translation>
    </message>
    <message>
        <source>Con&amp;vert…</source>
        <translation>Con&amp;verti…</translation>
    </message>
    <message>
        <source>Note: You may only store BLACK AND WHITE Images</source>
        <translation>Nota: solo immagini in BIANCO E NERO</translation>
    </message>
    <message>
        <source>Stored Formats</source>
        <translation>Formati memorizzati</translation>
    </message>
    <message>
        <source>Format Type</source>
        <translation>Tipo di formato</translation>
    </message>
    <message>
        <source>Program is already named.  User will not be prompted.</source>
        <translation>Il programma ha già un nome: non verrà chiesto.</translation>
    </message>
    <message>
        <source>Pri&amp;nt Format</source>
        <translation>S&amp;tampa</translation>
    </message>
    <message>
        <source>Converts standard formats to stored formats.  The user will be prompted for the stored formats name</source>
        <translation>Converte i formati comuni nei formati memorizzati. Verrà chiesto il nome dell&apos;oggetto memorizzato</translation>
    </message>
    <message>
        <source>Store Form&amp;at</source>
        <translation>Memori&amp;zza</translation>
    </message>
    <message>
        <source>Format File</source>
        <translation>File di formato</translation>
    </message>
    <message>
        <source>B&amp;rowse</source>
        <translation>Sfogl&amp;ia</translation>
    </message>
    <message>
        <source>Prin&amp;t Format</source>
        <translation>Stampa forma&amp;to</translation>
    </message>
    <message>
        <source>View File</source>
        <translation>Vedi</translation>
    </message>
    <message>
        <source>Prints list of all stored formats / graphics</source>
        <translation>Stampa l&apos;elenco di formati e grafiche memorizzati</translation>
    </message>
    <message>
        <source>L&amp;ist Stored Objects</source>
        <translation>Elen&amp;ca</translation>
    </message>
    <message>
        <source> Note: Removing stored objects from the printer increases available memory.</source>
        <translation> Nota: rimuovere oggetti memorizzati dalla stampante libera memoria.</translation>
    </message>
    <message>
        <source>&amp;Delete Stored Object</source>
        <translation>E&amp;limina</translation>
    </message>
    <message>
        <source>Prints sample of stored object</source>
        <translation>Stampa un campione dell&apos;oggetto memorizzato</translation>
    </message>
    <message>
        <source>Recall Stored &amp;Object</source>
        <translation>Ric&amp;hiama oggetto</translation>
    </message>
    <message>
        <source>Recall Type</source>
        <translation>Tipo di richiamo</translation>
    </message>
    <message>
        <source>Recall I&amp;mage</source>
        <translation>Immagi&amp;ne</translation>
    </message>
    <message>
        <source>Recall &amp;Format</source>
        <translation>&amp;Formato</translation>
    </message>
    <message>
        <source>Drawing…</source>
        <translation>Disegno…</translation>
    </message>
    <message>
        <source>Not a 1-bit %1 the printer takes</source>
        <translation>Non è un %1 a 1 bit come lo accetta la stampante</translation>
    </message>
    <message>
        <source>Cannot be stored as %1</source>
        <translation>Non memorizzabile come %1</translation>
    </message>
    <message>
        <source>&amp;Print Format</source>
        <translation>Stampa fo&amp;rmato</translation>
    </message>
    <message>
        <source>Store Format to Prin&amp;ter</source>
        <translation>Memorizza fo&amp;rmato</translation>
    </message>
    <message>
        <source>DATA STORAGE</source>
        <translation>MEMORIZZAZIONE</translation>
    </message>
    <message>
        <source>READ INTO MEMORY</source>
        <translation>LETTO IN MEMORIA</translation>
    </message>
    <message>
        <source>Out of memory: %1 is too large to send as a label format.</source>
        <translation>Memoria insufficiente: %1 è troppo grande per essere inviato come formato etichetta.</translation>
    </message>
    <message>
        <source>Pictures (*.bmp;*.pcx)|*.bmp;*.pcx</source>
        <translation>Immagini (*.bmp;*.pcx)|*.bmp;*.pcx</translation>
    </message>
    <message>
        <source>%1 Bytes</source>
        <translation>%1 byte</translation>
    </message>
    <message>
        <source>READING INTO MEMORY</source>
        <translation>LETTURA IN MEMORIA</translation>
    </message>
    <message>
        <source>READING FAILED</source>
        <translation>LETTURA NON RIUSCITA</translation>
    </message>
    <message>
        <source>CONVERTED INTO MEMORY</source>
        <translation>CONVERTITO IN MEMORIA</translation>
    </message>
    <message>
        <source>No graphic has been read. Use Browse to choose one first.</source>
        <translation>Nessuna grafica è stata letta. Scegline prima una con Sfoglia.</translation>
    </message>
    <message>
        <source>Enter Identifier</source>
        <translation>Inserisci l&apos;identificatore</translation>
    </message>
    <message>
        <source>SENDING FILE TO PRINTER</source>
        <translation>INVIO DEL FILE ALLA STAMPANTE</translation>
    </message>
    <message>
        <source>Sending</source>
        <translation>Invio</translation>
    </message>
    <message>
        <source>FINISHED STORING %1</source>
        <translation>%1 MEMORIZZATO</translation>
    </message>
    <message>
        <source>STORING CANCELLED</source>
        <translation>MEMORIZZAZIONE ANNULLATA</translation>
    </message>
    <message>
        <source>STORING FAILED</source>
        <translation>MEMORIZZAZIONE NON RIUSCITA</translation>
    </message>
    <message>
        <source>Text Files(*.txt)|*.txt|All Files(*.*)|*.*</source>
        <translation>File di testo(*.txt)|*.txt|Tutti i file(*.*)|*.*</translation>
    </message>
    <message>
        <source>You must select a pre-created label format.</source>
        <translation>Devi scegliere un formato etichetta già preparato.</translation>
    </message>
    <message>
        <source>You must select a label file to send to the printer.</source>
        <translation>Devi scegliere un file etichetta da inviare alla stampante.</translation>
    </message>
    <message>
        <source>Label Format Printing</source>
        <translation>Stampa formato etichetta</translation>
    </message>
    <message>
        <source>Enter Format Identifier</source>
        <translation>Inserisci l&apos;identificatore del formato</translation>
    </message>
    <message>
        <source>8 Characters or less please</source>
        <translation>Al massimo 8 caratteri</translation>
    </message>
    <message>
        <source>File Format Storage</source>
        <translation>Memorizzazione formato</translation>
    </message>
    <message>
        <source>Enter Stored Graphic to Print</source>
        <translation>Inserisci la grafica memorizzata da stampare</translation>
    </message>
    <message>
        <source>Enter Label Format to Print</source>
        <translation>Inserisci il formato etichetta da stampare</translation>
    </message>
    <message>
        <source>Enter Quantity</source>
        <translation>Inserisci la quantità</translation>
    </message>
    <message>
        <source>Delete Stored Object</source>
        <translation>Elimina oggetto memorizzato</translation>
    </message>
    <message>
        <source>Enter Identifier of Object to Delete</source>
        <translation>Inserisci l&apos;identificatore dell&apos;oggetto da eliminare</translation>
    </message>
    <message>
        <source>Graphic %1, %2 bytes</source>
        <translation>Grafica %1, %2 byte</translation>
    </message>
    <message>
        <source>Label format %1</source>
        <translation>Formato etichetta %1</translation>
    </message>
    <message>
        <source>Label format %1, stored as %2</source>
        <translation>Formato etichetta %1, memorizzato come %2</translation>
    </message>
    <message>
        <source>Recall graphic %1</source>
        <translation>Richiama grafica %1</translation>
    </message>
    <message>
        <source>Recall format %1</source>
        <translation>Richiama formato %1</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>Elimina %1</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Elenco</translation>
    </message>
</context>
<context>
    <name>TransferProgress</name>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>the printer has taken no data for %1 s</source>
        <translation>la stampante non accetta dati da %1 s</translation>
    </message>
    <message>
        <source>%1/s</source>
        <translation>%1/s</translation>
    </message>
    <message>
        <source>about %1 left</source>
        <translation>circa %1 rimanenti</translation>
    </message>
    <message>
        <source>%1 %2 of %3</source>
        <translation>%1: %2 di %3</translation>
    </message>
</context>
</TS>
