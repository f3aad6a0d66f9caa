<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutPage</name>
    <message>
        <source>Varimonde Printer Setup Utility</source>
        <translation>Varimonde Drucker-Einrichtungsprogramm</translation>
    </message>
    <message>
        <source>Utility Version 1.00</source>
        <translation>Programmversion 1.00</translation>
    </message>
    <message>
        <source>Language: English</source>
        <translation>Sprache: Englisch</translation>
    </message>
    <message>
        <source>Provides direct link to Varimonde&apos;s web page</source>
        <translation>Öffnet die Webseite von Varimonde</translation>
    </message>
    <message>
        <source>Contact Varimonde Technical Support via e-mail</source>
        <translation>E-Mail an den technischen Support von Varimonde</translation>
    </message>
    <message>
        <source>Utility Version %1.%2</source>
        <translation>Programmversion %1.%2</translation>
    </message>
    <message>
        <source>Language: %1</source>
        <translation>Sprache: %1</translation>
    </message>
</context>
<context>
    <name>BinaryPage</name>
    <message>
        <source>Binary File</source>
        <translation>Binärdatei</translation>
    </message>
    <message>
        <source>Load &amp;Binary File To Memory.</source>
        <translation>&amp;Binärdatei in den Speicher laden</translation>
    </message>
    <message>
        <source>Use to upload new firmware to printer</source>
        <translation>Neue Firmware zum Drucker übertragen</translation>
    </message>
    <message>
        <source>Upload to Pri&amp;nter</source>
        <translation>An &amp;Drucker senden</translation>
    </message>
    <message>
        <source>Stop the transfer to the printer (Esc)</source>
        <translation>Übertragung zum Drucker abbrechen (Esc)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Binary File Information/Status</source>
        <translation>Binärdatei: Angaben/Status</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>Dateiname:</translation>
    </message>
    <message>
        <source>None Loaded</source>
        <translation>Keine geladen</translation>
    </message>
    <message>
        <source>File Size:</source>
        <translation>Größe:</translation>
    </message>
    <message>
        <source>0 Bytes</source>
        <translation>0 Byte</translation>
    </message>
    <message>
        <source>No file loaded in Memory</source>
        <translation>Keine Datei im Speicher</translation>
    </message>
    <message>
        <source>No File Loaded to Printer</source>
        <translation>Keine Datei zum Drucker übertragen</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>You must select a file to load into memory.</source>
        <translation>Bitte eine Datei wählen, die in den Speicher geladen werden soll.</translation>
    </message>
    <message>
        <source>%1 Bytes</source>
        <translation>%1 Byte</translation>
    </message>
    <message>
        <source>Loading file into Memory</source>
        <translation>Datei wird in den Speicher geladen</translation>
    </message>
    <message>
        <source>Loading Failed: no file in Memory</source>
        <translation>Laden fehlgeschlagen: keine Datei im Speicher</translation>
    </message>
    <message>
        <source>Firmware %1, %2 bytes, SHA-256 %3</source>
        <translation>Firmware %1, %2 Byte, SHA-256 %3</translation>
    </message>
    <message>
        <source>File Loaded into Memory</source>
        <translation>Datei in den Speicher geladen</translation>
    </message>
    <message>
        <source>SHA-256: </source>
        <translation>SHA-256: </translation>
    </message>
    <message>
        <source>Uploading File</source>
        <translation>Datei wird übertragen</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Übertragung läuft</translation>
    </message>
    <message>
        <source>Upload Cancelled</source>
        <translation>Übertragung abgebrochen</translation>
    </message>
    <message>
        <source>Firmware, none loaded</source>
        <translation>Firmware, keine geladen</translation>
    </message>
    <message>
        <source>File Uploaded</source>
        <translation>Datei übertragen</translation>
    </message>
    <message>
        <source>Upload Failed</source>
        <translation>Übertragung fehlgeschlagen</translation>
    </message>
    <message>
        <source>All Files(*.*)|*.*</source>
        <translation>Alle Dateien(*.*)|*.*</translation>
    </message>
</context>
<context>
    <name>CalibrationBlocks</name>
    <message>
        <source>Index type must be BAR or GAP</source>
        <translation>Der Indextyp muss BAR oder GAP sein</translation>
    </message>
    <message>
        <source>CALIBRATION</source>
        <translation>KALIBRIERUNG</translation>
    </message>
    <message>
        <source>Print Type must be DT or TT</source>
        <translation>Der Drucktyp muss DT oder TT sein</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Kalibrierung</translation>
    </message>
    <message>
        <source>Type must be Wax, Wax/Resin, or Preimum Resin</source>
        <translation>Der Typ muss Wachs, Wachs/Harz oder Premium-Harz sein</translation>
    </message>
</context>
<context>
    <name>CalibrationPage</name>
    <message>
        <source>Calibration Information</source>
        <translation>Kalibrierungsangaben</translation>
    </message>
    <message>
        <source>&amp;Index Type:</source>
        <translation>&amp;Markentyp:</translation>
    </message>
    <message>
        <source>Index Type:</source>
        <translation>Markentyp:</translation>
    </message>
    <message>
        <source>Printer &amp;Type:</source>
        <translation>Drucker&amp;typ:</translation>
    </message>
    <message>
        <source>Printer Type:</source>
        <translation>Druckertyp:</translation>
    </message>
    <message>
        <source>Ribbon Information</source>
        <translation>Farbband</translation>
    </message>
    <message>
        <source>Ribbon Material:</source>
        <translation>Farbband:</translation>
    </message>
    <message>
        <source>To determine ribbon material, look at the foil lead of your Varimonde-brand ribbon:</source>
        <translation>Das Farbbandmaterial steht auf dem Vorlauf Ihres Varimonde-Farbbands:</translation>
    </message>
    <message>
        <source>Blue = WAX</source>
        <translation>Blau = Wachs</translation>
    </message>
    <message>
        <source>Silver = WAX/RESIN Combo</source>
        <translation>Silber = Wachs/Harz</translation>
    </message>
    <message>
        <source>Gold = PREMIUM RESIN</source>
        <translation>Gold = Premium-Harz</translation>
    </message>
    <message>
        <source>Before Calibrating your printer, make sure your labels and ribbon (if applicable) are properly loaded.  The labels should be print-side up, aligned against the left hand side of the printer so that they pass over the appropriate sensor.</source>
        <translation>Vor dem Kalibrieren prüfen, ob Etiketten und (falls verwendet) Farbband richtig eingelegt sind. Die Etiketten liegen mit der Druckseite nach oben und an der linken Seite des Druckers an, damit sie über den richtigen Sensor laufen.</translation>
    </message>
    <message>
        <source>&amp;Calibrate Printer</source>
        <translation>&amp;Kalibrieren</translation>
    </message>
    <message>
        <source>Printer Test Label</source>
        <translation>Testetikett</translation>
    </message>
    <message>
        <source>Test Label Type</source>
        <translation>Testetikett-Art</translation>
    </message>
    <message>
        <source>&amp;4X3 Label</source>
        <translation>Etikett &amp;4X3</translation>
    </message>
    <message>
        <source>&amp;2.4X1 Label</source>
        <translation>Etikett &amp;2.4X1</translation>
    </message>
    <message>
        <source>&amp;Print Label</source>
        <translation>Etikett &amp;drucken</translation>
    </message>
    <message>
        <source>&amp;Ribbon Material:</source>
        <translation>Fa&amp;rbband:</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Kalibrierung</translation>
    </message>
    <message>
        <source>Test label %1</source>
        <translation>Testetikett %1</translation>
    </message>
</context>
<context>
    <name>CommPage</name>
    <message>
        <source>Communications</source>
        <translation>Verbindung</translation>
    </message>
    <message>
        <source>&amp;Serial Communications</source>
        <translation>&amp;Serielle Schnittstelle</translation>
    </message>
    <message>
        <source>&amp;ParallelCommunications</source>
        <translation>&amp;Parallele Schnittstelle</translation>
    </message>
    <message>
        <source>&amp;USB Printer</source>
        <translation>&amp;USB-Drucker</translation>
    </message>
    <message>
        <source>&amp;Network</source>
        <translation>Net&amp;zwerk</translation>
    </message>
    <message>
        <source>Serial Comm</source>
        <translation>Seriell</translation>
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
        <translation>Pa&amp;rität:</translation>
    </message>
    <message>
        <source>PARITY:</source>
        <translation>Parität:</translation>
    </message>
    <message>
        <source>&amp;DATABITS:</source>
        <translation>&amp;Datenbits:</translation>
    </message>
    <message>
        <source>DATABITS:</source>
        <translation>Datenbits:</translation>
    </message>
    <message>
        <source>S&amp;TOPBITS:</source>
        <translation>S&amp;toppbits:</translation>
    </message>
    <message>
        <source>STOPBITS:</source>
        <translation>Stoppbits:</translation>
    </message>
    <message>
        <source>Default Varimonde Settings:</source>
        <translation>Varimonde-Standard:</translation>
    </message>
    <message>
        <source>9600,N,8,1</source>
        <translation>9600,N,8,1</translation>
    </message>
    <message>
        <source>&amp;Apply </source>
        <translation>Überneh&amp;men</translation>
    </message>
    <message>
        <source>Not applied</source>
        <translation>Nicht aktiv</translation>
    </message>
    <message>
        <source>The port or line settings shown are not in force until Apply is pressed.</source>
        <translation>Die angezeigten Einstellungen gelten erst nach „Übernehmen“.</translation>
    </message>
    <message>
        <source>Parallel Comm</source>
        <translation>Parallel</translation>
    </message>
    <message>
        <source>Select Parallel Port</source>
        <translation>Parallele Schnittstelle wählen</translation>
    </message>
    <message>
        <source>Parallel Port</source>
        <translation>Parallele Schnittstelle</translation>
    </message>
    <message>
        <source>Select Parallel Port the Printer is connected to on the PC.</source>
        <translation>Parallele Schnittstelle des PCs wählen, an der der Drucker hängt.</translation>
    </message>
    <message>
        <source>USB Printer</source>
        <translation>USB-Drucker</translation>
    </message>
    <message>
        <source>Select the USB printer</source>
        <translation>USB-Drucker wählen</translation>
    </message>
    <message>
        <source>The USB printers connected now, with maker and model. The list follows printers as they are plugged in or out.</source>
        <translation>Die jetzt angeschlossenen USB-Drucker mit Hersteller und Modell. Die Liste folgt dem Ein- und Ausstecken.</translation>
    </message>
    <message>
        <source>Network Printer</source>
        <translation>Netzwerkdrucker</translation>
    </message>
    <message>
        <source>&amp;Host:</source>
        <translation>&amp;Host:</translation>
    </message>
    <message>
        <source>name or IP address</source>
        <translation>Name oder IP-Adresse</translation>
    </message>
    <message>
        <source>Host:</source>
        <translation>Host:</translation>
    </message>
    <message>
        <source>P&amp;ort:</source>
        <translation>P&amp;ort:</translation>
    </message>
    <message>
        <source>9100</source>
        <translation>9100</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>The printer&apos;s network name or IPv4 or IPv6 address, and its raw print port: 9100 on most printers.</source>
        <translation>Netzwerkname oder IPv4- bzw. IPv6-Adresse des Druckers und sein Raw-Druckport: 9100 bei den meisten Druckern.</translation>
    </message>
    <message>
        <source>&amp;Give up after</source>
        <translation>&amp;Abbruch nach</translation>
    </message>
    <message>
        <source>Seconds without an answer</source>
        <translation>Sekunden ohne Antwort</translation>
    </message>
    <message>
        <source>s without an answer and</source>
        <translation>s ohne Antwort und</translation>
    </message>
    <message>
        <source>Seconds without progress</source>
        <translation>Sekunden ohne Fortschritt</translation>
    </message>
    <message>
        <source>s without progress</source>
        <translation>s ohne Fortschritt</translation>
    </message>
    <message>
        <source>F&amp;ind Printers…</source>
        <translation>Druc&amp;ker suchen…</translation>
    </message>
    <message>
        <source>Look for printers on the network and pick one.</source>
        <translation>Drucker im Netzwerk suchen und einen wählen.</translation>
    </message>
    <message>
        <source>The address shown is not in force until Apply is pressed.</source>
        <translation>Die angezeigte Adresse gilt erst nach „Übernehmen“.</translation>
    </message>
    <message>
        <source>A send fails when the printer gives no answer at all for this long: it is off, or the line is cut.</source>
        <translation>Ein Senden schlägt fehl, wenn der Drucker so lange gar nicht antwortet: Er ist aus oder die Leitung ist unterbrochen.</translation>
    </message>
    <message>
        <source>A send fails when the printer still answers but takes no data for this long: check paper, ribbon and the printer&apos;s display.</source>
        <translation>Ein Senden schlägt fehl, wenn der Drucker noch antwortet, aber so lange keine Daten annimmt: Papier, Farbband und Druckeranzeige prüfen.</translation>
    </message>
    <message>
        <source>Utility Settings</source>
        <translation>Programmeinstellungen</translation>
    </message>
    <message>
        <source>Invalid Value in COMM Settings</source>
        <translation>Ungültiger Wert in den Verbindungseinstellungen</translation>
    </message>
    <message>
        <source>No such USB printer</source>
        <translation>Diesen USB-Drucker gibt es nicht</translation>
    </message>
    <message>
        <source>No such link</source>
        <translation>Diese Verbindungsart gibt es nicht</translation>
    </message>
    <message>
        <source>No USB printer found</source>
        <translation>Kein USB-Drucker gefunden</translation>
    </message>
</context>
<context>
    <name>CommandLineHelp</name>
    <message>
        <source>After --calibrate: DT (direct thermal) or TT (thermal transfer).</source>
        <translation>Nach --calibrate: DT (Thermodirekt) oder TT (Thermotransfer).</translation>
    </message>
    <message>
        <source>After --calibrate with TT: WAX (0, the default), &quot;WAX/RESIN COMBO&quot; (1) or &quot;PREMIUM RESIN&quot; (2).</source>
        <translation>Nach --calibrate mit TT: WAX (0, die Voreinstellung), &quot;WAX/RESIN COMBO&quot; (1) oder &quot;PREMIUM RESIN&quot; (2).</translation>
    </message>
    <message>
        <source>After --store-graphic or --store-format: the identifier, at most 8 characters.</source>
        <translation>Nach --store-graphic oder --store-format: der Bezeichner, höchstens 8 Zeichen.</translation>
    </message>
    <message>
        <source>After --store-graphic: the file is a PCX.</source>
        <translation>Nach --store-graphic: die Datei ist ein PCX.</translation>
    </message>
    <message>
        <source>After --store-graphic: make the picture (PNG, JPEG, GIF, BMP) a 1-bit BMP, dots darker than the threshold black.</source>
        <translation>Nach --store-graphic: das Bild (PNG, JPEG, GIF, BMP) zu einem 1-Bit-BMP machen; Punkte dunkler als die Schwelle werden schwarz.</translation>
    </message>
    <message>
        <source>With --convert: spread the greys by error diffusion.</source>
        <translation>Mit --convert: die Grautöne durch Fehlerdiffusion verteilen.</translation>
    </message>
    <message>
        <source>With --convert: the grey (1-255, default 128) below which a dot is black.</source>
        <translation>Mit --convert: der Grauwert (1-255, Voreinstellung 128), unter dem ein Punkt schwarz wird.</translation>
    </message>
    <message>
        <source>With --convert: scale to this many dots across, keeping the aspect (the printer prints 203 dots an inch).</source>
        <translation>Mit --convert: auf so viele Punkte Breite skalieren, das Seitenverhältnis bleibt (der Drucker druckt 203 Punkte pro Zoll).</translation>
    </message>
    <message>
        <source>With --convert: swap black and white.</source>
        <translation>Mit --convert: Schwarz und Weiß vertauschen.</translation>
    </message>
    <message>
        <source>After --recall-format: how many labels.</source>
        <translation>Nach --recall-format: wie viele Etiketten.</translation>
    </message>
    <message>
        <source>A printer to send to; give it once for each printer.</source>
        <translation>Ein Drucker, an den gesendet wird; für jeden Drucker einmal angeben.</translation>
    </message>
    <message>
        <source>Read targets from a file, one a line; blank lines and comments (from a # at the start or after a blank) are skipped.</source>
        <translation>Ziele aus einer Datei lesen, eines je Zeile; Leerzeilen und Kommentare (ab einem # am Zeilenanfang oder nach einem Leerzeichen) werden übersprungen.</translation>
    </message>
    <message>
        <source>Send nothing: write what would be sent to each printer to standard output.</source>
        <translation>Nichts senden: was jeder Drucker erhielte, auf die Standardausgabe schreiben.</translation>
    </message>
    <message>
        <source>With --dry-run: write to a file instead; a name ending in .bmp gets the image of the one --convert alone.</source>
        <translation>Mit --dry-run: stattdessen in eine Datei schreiben; ein Name auf .bmp erhält das Bild eines einzelnen --convert.</translation>
    </message>
    <message>
        <source>With --dry-run: a hex dump, one block per transmission.</source>
        <translation>Mit --dry-run: ein Hex-Dump, ein Block je Übertragung.</translation>
    </message>
    <message>
        <source>At most this many printers at once (default: 1000 network and USB printers, one transfer per serial or parallel port).</source>
        <translation>Höchstens so viele Drucker gleichzeitig (Voreinstellung: 1000 Netzwerk- und USB-Drucker, eine Übertragung je seriellem oder parallelem Anschluss).</translation>
    </message>
    <message>
        <source>Write a JSON report of every printer&apos;s outcome; with --dry-run, of what each would be sent.</source>
        <translation>Einen JSON-Bericht über das Ergebnis jedes Druckers schreiben; mit --dry-run über das, was jeder erhielte.</translation>
    </message>
    <message>
        <source>Seconds a printer may take no data before it has failed (default 10, at most 86400); a network printer: seconds it may leave us without any answer.</source>
        <translation>Sekunden, die ein Drucker ohne Datenannahme bleiben darf, bevor er als fehlgeschlagen gilt (Voreinstellung 10, höchstens 86400); bei einem Netzwerkdrucker: Sekunden, die er uns ganz ohne Antwort lassen darf.</translation>
    </message>
    <message>
        <source>Seconds a network printer that still answers may take no data before it has failed (default 60, at most 86400).</source>
        <translation>Sekunden, die ein Netzwerkdrucker, der noch antwortet, ohne Datenannahme bleiben darf, bevor er als fehlgeschlagen gilt (Voreinstellung 60, höchstens 86400).</translation>
    </message>
    <message>
        <source>Seconds to wait for a network printer to answer (default 5, at most 86400).</source>
        <translation>Sekunden, die auf die Antwort eines Netzwerkdruckers gewartet wird (Voreinstellung 5, höchstens 86400).</translation>
    </message>
    <message>
        <source>Write progress as JSON Lines events on standard output (start, progress, done, failed, cancelled); the summary then goes to standard error.</source>
        <translation>Den Fortschritt als JSON-Lines-Ereignisse auf die Standardausgabe schreiben (start, progress, done, failed, cancelled); die Zusammenfassung geht dann auf die Standardfehlerausgabe.</translation>
    </message>
    <message>
        <source>Seconds between progress lines or events of each printer when standard error is not a terminal (default 10, at most 86400); one also comes at each tenth of the way.</source>
        <translation>Sekunden zwischen den Fortschrittszeilen oder -ereignissen jedes Druckers, wenn die Standardfehlerausgabe kein Terminal ist (Voreinstellung 10, höchstens 86400); zudem kommt eine bei jedem Zehntel des Wegs.</translation>
    </message>
    <message>
        <source>Write only failures and the summary.</source>
        <translation>Nur Fehlschläge und die Zusammenfassung schreiben.</translation>
    </message>
    <message>
        <source>The language of the texts (de, es, fr, it, ja, pl, pt_BR, zh_CN; en for English); without it the LANGUAGE variable and the locale decide. Reports, events and exit codes are the same in every language.</source>
        <translation>Die Sprache der Texte (de, es, fr, it, ja, pl, pt_BR, zh_CN; en für Englisch); ohne sie entscheiden die Variable LANGUAGE und das Gebietsschema. Berichte, Ereignisse und Exit-Codes sind in jeder Sprache gleich.</translation>
    </message>
    <message>
        <source>Send the configuration of a profile, as Upload Settings to Printer does after Import Profile.</source>
        <translation>Die Einstellungen eines Profils senden, wie es „An Drucker senden“ nach „Importieren“ tut.</translation>
    </message>
    <message>
        <source>Calibrate media sensing for the index type; needs --print-type, and takes --ribbon for thermal transfer.</source>
        <translation>Die Materialerkennung für den Markentyp kalibrieren; braucht --print-type und nimmt --ribbon für Thermotransfer.</translation>
    </message>
    <message>
        <source>Print test label 1 (4X3) or 2 (2.4X1).</source>
        <translation>Testetikett 1 (4X3) oder 2 (2.4X1) drucken.</translation>
    </message>
    <message>
        <source>Store a 1-bit BMP graphic (PCX with --pcx) under the identifier given with --id; with --convert, any picture made into a 1-bit BMP.</source>
        <translation>Eine 1-Bit-BMP-Grafik (PCX mit --pcx) unter dem mit --id angegebenen Bezeichner speichern; mit --convert jedes Bild, zu einem 1-Bit-BMP gemacht.</translation>
    </message>
    <message>
        <source>Print a label format file as it is.</source>
        <translation>Eine Etikettenformat-Datei unverändert drucken.</translation>
    </message>
    <message>
        <source>Store a label format file under the identifier of --id.</source>
        <translation>Eine Etikettenformat-Datei unter dem Bezeichner von --id speichern.</translation>
    </message>
    <message>
        <source>Print a stored graphic.</source>
        <translation>Eine gespeicherte Grafik drucken.</translation>
    </message>
    <message>
        <source>Print a stored format, --quantity labels (1 unless given).</source>
        <translation>Ein gespeichertes Format drucken, --quantity Etiketten (1, wenn nicht angegeben).</translation>
    </message>
    <message>
        <source>Delete a stored graphic or format.</source>
        <translation>Eine gespeicherte Grafik oder ein gespeichertes Format löschen.</translation>
    </message>
    <message>
        <source>Have the printer print the list of stored objects.</source>
        <translation>Den Drucker die Liste der gespeicherten Objekte drucken lassen.</translation>
    </message>
    <message>
        <source>Upload a firmware image; its SHA-256 is shown first.</source>
        <translation>Ein Firmware-Abbild hochladen; zuerst wird seine SHA-256 angezeigt.</translation>
    </message>
    <message>
        <source>Send a file&apos;s bytes unchanged.</source>
        <translation>Die Bytes einer Datei unverändert senden.</translation>
    </message>
    <message>
        <source>Sets up Varimonde thermal label printers without a window: sends each printer the same bytes as the window&apos;s buttons would, to one printer or many at once.
Without options the window opens.

Targets: COMn[:baud,parity,data,stop], a serial device path[:settings], LPT1, LPT2, usb:DEVICE, tcp://HOST[:PORT] (9100 unless given; an IPv6 address in brackets).
Actions run in the order given, the same on every printer; each printer&apos;s run stops at its first failure.

Exit status: 0 every printer done, 1 a printer failed, 2 bad arguments or input, 130 interrupted.</source>
        <translation>Richtet Varimonde-Thermoetikettendrucker ohne Fenster ein: sendet jedem Drucker dieselben Bytes wie die Schaltflächen des Fensters, an einen Drucker oder an viele zugleich.
Ohne Optionen öffnet sich das Fenster.

Ziele: COMn[:baud,parity,data,stop], der Pfad eines seriellen Geräts[:Einstellungen], LPT1, LPT2, usb:DEVICE, tcp://HOST[:PORT] (9100, wenn nicht angegeben; eine IPv6-Adresse in eckigen Klammern).
Aktionen laufen in der angegebenen Reihenfolge, auf jedem Drucker gleich; der Lauf eines Druckers endet bei seinem ersten Fehlschlag.

Exit-Status: 0 jeder Drucker fertig, 1 ein Drucker fehlgeschlagen, 2 falsche Argumente oder Eingaben, 130 unterbrochen.</translation>
    </message>
    <message>
        <source>Show this help and end.</source>
        <translation>Diese Hilfe anzeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the version and end.</source>
        <translation>Die Version anzeigen und beenden.</translation>
    </message>
    <message>
        <source>Find network printers: sweep the --range given (port 9100), browse DNS-SD with --dns-sd, and ask each over SNMP; prints a table (JSON with --report).</source>
        <translation>Netzwerkdrucker finden: den mit --range angegebenen Bereich absuchen (Port 9100), mit --dns-sd DNS-SD durchsuchen und jeden über SNMP fragen; gibt eine Tabelle aus (JSON mit --report).</translation>
    </message>
    <message>
        <source>With --discover: a CIDR range (at most /22) or a host; repeatable.</source>
        <translation>Mit --discover: ein CIDR-Bereich (höchstens /22) oder ein Host; wiederholbar.</translation>
    </message>
    <message>
        <source>With --discover: a raw port to try besides 9100; repeatable.</source>
        <translation>Mit --discover: ein Raw-Port, der neben 9100 versucht wird; wiederholbar.</translation>
    </message>
    <message>
        <source>With --discover: also browse DNS-SD (_pdl-datastream, _printer, _ipp) through the Avahi daemon.</source>
        <translation>Mit --discover: auch DNS-SD (_pdl-datastream, _printer, _ipp) über den Avahi-Dienst durchsuchen.</translation>
    </message>
    <message>
        <source>With --discover: write a targets file of the printers found. A file that --discover did not write is not replaced without --force.</source>
        <translation>Mit --discover: eine Zieldatei mit den gefundenen Druckern schreiben. Eine Datei, die --discover nicht geschrieben hat, wird ohne --force nicht ersetzt.</translation>
    </message>
    <message>
        <source>With --write-targets: replace the file even when it was not written by --discover (a targets file made by hand).</source>
        <translation>Mit --write-targets: die Datei auch dann ersetzen, wenn --discover sie nicht geschrieben hat (eine von Hand erstellte Zieldatei).</translation>
    </message>
    <message>
        <source>Read the status of every network target over SNMP; the exit status is 1 when any reports an error or does not answer. A printer on a serial, parallel or USB line cannot be asked: it is listed and counted apart.</source>
        <translation>Den Status jedes Netzwerkziels über SNMP lesen; der Exit-Status ist 1, wenn eines einen Fehler meldet oder nicht antwortet. Ein Drucker an einer seriellen, parallelen oder USB-Leitung kann nicht gefragt werden: er wird aufgeführt und gesondert gezählt.</translation>
    </message>
    <message>
        <source>Read the SNMP secrets from a file only its owner may read, or from standard input (-): lines community=NAME, auth=PHRASE, priv=PHRASE.</source>
        <translation>Die SNMP-Geheimnisse aus einer Datei lesen, die nur ihr Eigentümer lesen darf, oder von der Standardeingabe (-): Zeilen community=NAME, auth=PHRASE, priv=PHRASE.</translation>
    </message>
    <message>
        <source>The SNMP v2c community (default public); other users see it: prefer --snmp-secrets.</source>
        <translation>Die SNMP-v2c-Community (Voreinstellung public); andere Benutzer sehen sie: besser --snmp-secrets.</translation>
    </message>
    <message>
        <source>The UDP port printers answer SNMP on (default 161).</source>
        <translation>Der UDP-Port, auf dem Drucker SNMP beantworten (Voreinstellung 161).</translation>
    </message>
    <message>
        <source>Ask over SNMP v3 as this user.</source>
        <translation>Über SNMP v3 als dieser Benutzer fragen.</translation>
    </message>
    <message>
        <source>With --snmp-user: the SHA authentication pass phrase; other users see it: prefer --snmp-secrets.</source>
        <translation>Mit --snmp-user: die SHA-Authentifizierungspassphrase; andere Benutzer sehen sie: besser --snmp-secrets.</translation>
    </message>
    <message>
        <source>With --snmp-user: the AES privacy pass phrase; other users see it: prefer --snmp-secrets.</source>
        <translation>Mit --snmp-user: die AES-Verschlüsselungspassphrase; andere Benutzer sehen sie: besser --snmp-secrets.</translation>
    </message>
    <message>
        <source>With --status: also write one row per printer (name, location, model, serial, status, alerts, odometer, media, when read) to this file: CSV, or JSON when its name ends in .json.</source>
        <translation>Mit --status: zusätzlich eine Zeile je Drucker (Name, Standort, Modell, Seriennummer, Status, Warnungen, Zähler, Material, Zeitpunkt des Lesens) in diese Datei schreiben: CSV, oder JSON, wenn ihr Name auf .json endet.</translation>
    </message>
    <message>
        <source>Read every network target over SNMP again and again, each at most once in this many seconds, and write a JSON line on standard output for each change (online, offline, status, alert-raised, alert-cleared) and each odometer read; Ctrl-C ends it (exit 130).</source>
        <translation>Jedes Netzwerkziel immer wieder über SNMP lesen, jedes höchstens einmal in so vielen Sekunden, und für jede Änderung (online, offline, status, alert-raised, alert-cleared) und jeden gelesenen Zählerstand eine JSON-Zeile auf die Standardausgabe schreiben; Strg-C beendet es (Exit 130).</translation>
    </message>
    <message>
        <source>With --watch: serve the printers&apos; state for Prometheus at http://ADDRESS:PORT/metrics (port 0: any free port, said on standard error).</source>
        <translation>Mit --watch: den Zustand der Drucker für Prometheus unter http://ADDRESS:PORT/metrics bereitstellen (Port 0: irgendein freier Port, auf der Standardfehlerausgabe genannt).</translation>
    </message>
    <message>
        <source>Send even to a network printer whose SNMP status reports an error (no paper, door open, jammed, offline).</source>
        <translation>Auch an einen Netzwerkdrucker senden, dessen SNMP-Status einen Fehler meldet (kein Papier, Klappe offen, Stau, offline).</translation>
    </message>
</context>
<context>
    <name>CommandLineText</name>
    <message>
        <source> Did you mean --%1?</source>
        <translation> Meinten Sie --%1?</translation>
    </message>
    <message>
        <source>%1 goes with --convert</source>
        <translation>%1 gehört zu --convert</translation>
    </message>
    <message>
        <source>--convert makes a BMP: leave out --pcx</source>
        <translation>--convert erzeugt ein BMP: --pcx weglassen</translation>
    </message>
    <message>
        <source>--dither and --threshold exclude each other</source>
        <translation>--dither und --threshold schließen einander aus</translation>
    </message>
    <message>
        <source>--threshold takes a grey from %1 to %2, not &quot;%3&quot;</source>
        <translation>--threshold nimmt einen Grauwert von %1 bis %2, nicht „%3“</translation>
    </message>
    <message>
        <source>--width takes a number of dots from 1 to %1, not &quot;%2&quot;</source>
        <translation>--width nimmt eine Zahl von Punkten von 1 bis %1, nicht „%2“</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 Byte</translation>
    </message>
    <message>
        <source>%1 takes a whole number of at least 1, not &quot;%2&quot;</source>
        <translation>%1 nimmt eine ganze Zahl ab 1, nicht „%2“</translation>
    </message>
    <message>
        <source>%1 takes a whole number of seconds from 1 to %2, not &quot;%3&quot;</source>
        <translation>%1 nimmt eine ganze Zahl von Sekunden von 1 bis %2, nicht „%3“</translation>
    </message>
    <message>
        <source>%1 belongs right after an action that takes it (%2)</source>
        <translation>%1 gehört direkt hinter eine Aktion, die es annimmt (%2)</translation>
    </message>
    <message>
        <source>%1 is given twice for %2</source>
        <translation>%1 ist für %2 zweimal angegeben</translation>
    </message>
    <message>
        <source>%1 needs %2</source>
        <translation>%1 braucht %2</translation>
    </message>
    <message>
        <source>Firmware %1: %2, SHA-256 %3</source>
        <translation>Firmware %1: %2, SHA-256 %3</translation>
    </message>
    <message>
        <source>--%1 goes with --dry-run</source>
        <translation>--%1 gehört zu --dry-run</translation>
    </message>
    <message>
        <source>--progress takes json, not &quot;%1&quot;</source>
        <translation>--progress nimmt json, nicht „%1“</translation>
    </message>
    <message>
        <source>--progress goes with a run that sends: leave out --dry-run</source>
        <translation>--progress gehört zu einem Lauf, der sendet: --dry-run weglassen</translation>
    </message>
    <message>
        <source>--discover finds printers: leave out --to and --targets</source>
        <translation>--discover sucht Drucker: --to und --targets weglassen</translation>
    </message>
    <message>
        <source>no printer to send to: give --to or --targets</source>
        <translation>kein Drucker zum Senden: --to oder --targets angeben</translation>
    </message>
    <message>
        <source>%1 gives what the file gives: leave out one</source>
        <translation>%1 gibt an, was die Datei angibt: eines weglassen</translation>
    </message>
    <message>
        <source>nothing to send: give at least one action, such as --profile or --firmware</source>
        <translation>nichts zu senden: mindestens eine Aktion angeben, etwa --profile oder --firmware</translation>
    </message>
    <message>
        <source>--output %1 takes the image of one --convert, not %2</source>
        <translation>--output %1 nimmt das Bild eines einzigen --convert, nicht von %2</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;: targets go after --to</source>
        <translation>unerwartetes Argument „%1“: Ziele gehören hinter --to</translation>
    </message>
    <message>
        <source>--discover, --status and --watch send nothing: leave out the actions and --dry-run</source>
        <translation>--discover, --status und --watch senden nichts: Aktionen und --dry-run weglassen</translation>
    </message>
    <message>
        <source>the report</source>
        <translation>den Bericht</translation>
    </message>
    <message>
        <source>varimonde-setup: interrupted before the output was written</source>
        <translation>varimonde-setup: unterbrochen, bevor die Ausgabe geschrieben war</translation>
    </message>
    <message>
        <source>varimonde-setup: cannot write the output: %1</source>
        <translation>varimonde-setup: die Ausgabe kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>Try &apos;varimonde-setup --help&apos; for more information.</source>
        <translation>Mehr dazu mit &apos;varimonde-setup --help&apos;.</translation>
    </message>
    <message>
        <source>varimonde-setup: interrupted while the files were read</source>
        <translation>varimonde-setup: unterbrochen, während die Dateien gelesen wurden</translation>
    </message>
    <message>
        <source>varimonde-setup: interrupted before the bytes were shown</source>
        <translation>varimonde-setup: unterbrochen, bevor die Bytes gezeigt wurden</translation>
    </message>
    <message>
        <source>--discover, --status and --watch exclude each other</source>
        <translation>--discover, --status und --watch schließen einander aus</translation>
    </message>
    <message>
        <source>--inventory goes with --status</source>
        <translation>--inventory gehört zu --status</translation>
    </message>
    <message>
        <source>--metrics goes with --watch</source>
        <translation>--metrics gehört zu --watch</translation>
    </message>
    <message>
        <source>--%1 goes with --discover</source>
        <translation>--%1 gehört zu --discover</translation>
    </message>
    <message>
        <source>--force goes with --write-targets</source>
        <translation>--force gehört zu --write-targets</translation>
    </message>
    <message>
        <source>the targets file</source>
        <translation>die Zieldatei</translation>
    </message>
    <message>
        <source>the inventory</source>
        <translation>das Inventar</translation>
    </message>
    <message>
        <source>%1: not a network printer; its status cannot be read, it is not watched</source>
        <translation>%1: kein Netzwerkdrucker; sein Status kann nicht gelesen werden, er wird nicht beobachtet</translation>
    </message>
    <message>
        <source>varimonde-setup: no network printer to watch</source>
        <translation>varimonde-setup: kein Netzwerkdrucker zu beobachten</translation>
    </message>
    <message>
        <source>varimonde-setup: cannot serve metrics on %1</source>
        <translation>varimonde-setup: Metriken können nicht auf %1 angeboten werden</translation>
    </message>
    <message>
        <source>serving metrics on http://%1:%2/metrics</source>
        <translation>Metriken unter http://%1:%2/metrics</translation>
    </message>
    <message>
        <source>watched %1 printer for %2 s: %3 reads, %4 events; %5 online, %6 not</source>
        <translation>%1 Drucker %2 s lang beobachtet: %3 Abfragen, %4 Ereignisse; %5 erreichbar, %6 nicht</translation>
    </message>
    <message>
        <source>watched %1 printers for %2 s: %3 reads, %4 events; %5 online, %6 not</source>
        <translation>%1 Drucker %2 s lang beobachtet: %3 Abfragen, %4 Ereignisse; %5 erreichbar, %6 nicht</translation>
    </message>
    <message>
        <source>varimonde-setup: cannot write %1: %2</source>
        <translation>varimonde-setup: kann %1 nicht schreiben: %2</translation>
    </message>
    <message>
        <source>sent %1 bytes in %2 s</source>
        <translation>%1 Byte in %2 s gesendet</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <translation>fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>cancelled after %1 bytes</source>
        <translation>nach %1 Byte abgebrochen</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>%1 konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 holds more than %2 bytes: not a secrets file</source>
        <translation>%1 enthält mehr als %2 Byte: keine Geheimnisdatei</translation>
    </message>
    <message>
        <source>%1 is not community=, auth= or priv=</source>
        <translation>%1 ist weder community= noch auth= noch priv=</translation>
    </message>
    <message>
        <source>%1: %2 is empty</source>
        <translation>%1: %2 ist leer</translation>
    </message>
    <message>
        <source>%1: %2 holds a control character</source>
        <translation>%1: %2 enthält ein Steuerzeichen</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>die Standardeingabe</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2</source>
        <translation>%1 konnte nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>an empty target: %1</source>
        <translation>ein leeres Ziel: %1</translation>
    </message>
    <message>
        <source>target &quot;%1&quot;: %2</source>
        <translation>Ziel „%1“: %2</translation>
    </message>
    <message>
        <source>%1 of %2 bytes delivered</source>
        <translation>%1 von %2 Byte zugestellt</translation>
    </message>
    <message>
        <source>rate not known yet</source>
        <translation>Rate noch unbekannt</translation>
    </message>
    <message>
        <source>time left not known</source>
        <translation>Restzeit unbekannt</translation>
    </message>
    <message>
        <source>sent</source>
        <translation>gesendet</translation>
    </message>
    <message>
        <source>--watch takes seconds from 1 to 86400, not &quot;%1&quot;</source>
        <translation>--watch nimmt Sekunden von 1 bis 86400, nicht „%1“</translation>
    </message>
    <message>
        <source>--metrics takes ADDRESS:PORT, such as 127.0.0.1:9464 or [::1]:9464, not &quot;%1&quot;</source>
        <translation>--metrics nimmt ADRESSE:PORT, etwa 127.0.0.1:9464 oder [::1]:9464, nicht „%1“</translation>
    </message>
    <message>
        <source>--%1 takes a port from 1 to 65535, not &quot;%2&quot;</source>
        <translation>--%1 nimmt einen Port von 1 bis 65535, nicht „%2“</translation>
    </message>
    <message>
        <source>--discover needs --range or --dns-sd: nothing is swept unless asked</source>
        <translation>--discover braucht --range oder --dns-sd: ohne Auftrag wird nichts abgesucht</translation>
    </message>
    <message>
        <source>pass phrases (--snmp-auth, --snmp-priv, auth=, priv=) go with --snmp-user</source>
        <translation>Passphrasen (--snmp-auth, --snmp-priv, auth=, priv=) gehören zu --snmp-user</translation>
    </message>
    <message>
        <source>--write-targets %1: the file was not written by --discover (a targets file made by hand?) and is left as it is; give --force to replace it</source>
        <translation>--write-targets %1: die Datei wurde nicht von --discover geschrieben (eine von Hand erstellte Zieldatei?) und bleibt, wie sie ist; mit --force wird sie ersetzt</translation>
    </message>
    <message>
        <source>SNMP privacy needs authentication: give --snmp-auth too</source>
        <translation>SNMP-Verschlüsselung braucht Authentifizierung: auch --snmp-auth angeben</translation>
    </message>
    <message>
        <source>SNMP v3 pass phrases have at least 8 characters</source>
        <translation>SNMP-v3-Passphrasen haben mindestens 8 Zeichen</translation>
    </message>
    <message>
        <source>the SNMP community is empty</source>
        <translation>die SNMP-Community ist leer</translation>
    </message>
    <message>
        <source>an empty range</source>
        <translation>ein leerer Bereich</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a host name or address</source>
        <translation>„%1“ ist kein Hostname und keine Adresse</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an IPv4 range such as 192.168.1.0/24</source>
        <translation>„%1“ ist kein IPv4-Bereich wie 192.168.1.0/24</translation>
    </message>
    <message>
        <source>the range %1 is wider than /%2 (%3 addresses): give smaller ranges</source>
        <translation>der Bereich %1 ist breiter als /%2 (%3 Adressen): kleinere Bereiche angeben</translation>
    </message>
</context>
<context>
    <name>ConfigPage</name>
    <message>
        <source>&amp;Darkness </source>
        <translation>&amp;Schwärzung</translation>
    </message>
    <message>
        <source>Darkness:</source>
        <translation>Wert:</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Warning: Darkness Greater than 50 May Decrease the Life of the Printhead.</source>
        <translation>Achtung: Eine Schwärzung über 50 kann die Lebensdauer des Druckkopfs verkürzen.</translation>
    </message>
    <message>
        <source>&amp;Width</source>
        <translation>&amp;Breite</translation>
    </message>
    <message>
        <source>Printer Width:</source>
        <translation>Druckbreite:</translation>
    </message>
    <message>
        <source>416 represents 4.16 inches wide.  For 3.00 inch media use 300.</source>
        <translation>416 steht für 4,16 Zoll Breite. Für 3,00 Zoll breites Material 300 eingeben.</translation>
    </message>
    <message>
        <source>416</source>
        <translation>416</translation>
    </message>
    <message>
        <source>Default for a 2 inch: 224</source>
        <translation>Standard für 2 Zoll: 224</translation>
    </message>
    <message>
        <source>Default for a 4 inch: 416</source>
        <translation>Standard für 4 Zoll: 416</translation>
    </message>
    <message>
        <source>&amp;PrintSpeed</source>
        <translation>&amp;Geschwindigkeit</translation>
    </message>
    <message>
        <source>Select PrintSpeed</source>
        <translation>Druckgeschwindigkeit wählen</translation>
    </message>
    <message>
        <source>PrintSpeed</source>
        <translation>Druckgeschwindigkeit</translation>
    </message>
    <message>
        <source>Configure the speed at which your printer prints.  This may affect print quality.</source>
        <translation>Das Drucktempo einstellen. Es kann die Druckqualität beeinflussen.</translation>
    </message>
    <message>
        <source>Print &amp;Mode</source>
        <translation>Druck&amp;modus</translation>
    </message>
    <message>
        <source>Configure your printer for Direct Thermal or Thermal Transfer mode</source>
        <translation>Drucker für Thermodirekt- oder Thermotransferdruck einrichten</translation>
    </message>
    <message>
        <source>Print Mode</source>
        <translation>Druckmodus</translation>
    </message>
    <message>
        <source>Configure your printer to Direct Thermal (DT) or Thermal Transfer (TT) mode.</source>
        <translation>Drucker auf Thermodirekt (DT) oder Thermotransfer (TT) einstellen.</translation>
    </message>
    <message>
        <source>Kestra emulation reduces printer performance and lowers print resolution.  Kestra emulation should only be used to make your Tornelo backwards compatible.</source>
        <translation>Die Kestra-Emulation verringert Druckgeschwindigkeit und Auflösung. Sie nur verwenden, um den Tornelo rückwärtskompatibel zu machen.</translation>
    </message>
    <message>
        <source>&amp;Kestra Emulation</source>
        <translation>&amp;Kestra-Emulation</translation>
    </message>
    <message>
        <source>Dis&amp;able Emulation in Printer</source>
        <translation>Emulation &amp;aus</translation>
    </message>
    <message>
        <source>Kestra emulation allows your old labels to print properly in the Tornelo.  Use the Scaler to change label size (default 100}</source>
        <translation>Mit der Kestra-Emulation drucken alte Etiketten auf dem Tornelo richtig. Mit der Skala die Etikettengröße ändern (Standard 100)</translation>
    </message>
    <message>
        <source>Scaler:</source>
        <translation>Skala:</translation>
    </message>
    <message>
        <source>Right-Click to Set Value Manually</source>
        <translation>Rechtsklick, um den Wert von Hand einzugeben</translation>
    </message>
    <message>
        <source>100</source>
        <translation>100</translation>
    </message>
    <message>
        <source>Varimonde recommends setting your text buffer to no more than 32K.</source>
        <translation>Varimonde empfiehlt einen Textpuffer von höchstens 32K.</translation>
    </message>
    <message>
        <source>&amp;Text Buffer</source>
        <translation>&amp;Textpuffer</translation>
    </message>
    <message>
        <source>Text Buffer (Main)</source>
        <translation>Textpuffer (Haupt)</translation>
    </message>
    <message>
        <source>4096</source>
        <translation>4096</translation>
    </message>
    <message>
        <source>Right-Click to set buffer manually.</source>
        <translation>Rechtsklick, um den Puffer von Hand einzustellen.</translation>
    </message>
    <message>
        <source>Text Buffer (Overflow)</source>
        <translation>Textpuffer (Überlauf)</translation>
    </message>
    <message>
        <source>Right-Click to set buffer manually</source>
        <translation>Rechtsklick, um den Puffer von Hand einzustellen</translation>
    </message>
    <message>
        <source>Note: Changing these settings will delete any stored graphics, and will reduce the amount of memory reserved for graphics.</source>
        <translation>Hinweis: Eine Änderung dieser Einstellungen löscht alle gespeicherten Grafiken und verkleinert den Speicher für Grafiken.</translation>
    </message>
    <message>
        <source>Uploads current settings to printer</source>
        <translation>Sendet die aktuellen Einstellungen an den Drucker</translation>
    </message>
    <message>
        <source>&amp;Upload Settings to Printer</source>
        <translation>An &amp;Drucker senden</translation>
    </message>
    <message>
        <source>Imports saved profile for easy duplication of printer configurations</source>
        <translation>Importiert ein gespeichertes Profil, um Druckerkonfigurationen einfach zu übertragen</translation>
    </message>
    <message>
        <source>&amp;Import Profile</source>
        <translation>&amp;Importieren</translation>
    </message>
    <message>
        <source>Saves and exports profile for future printer setup</source>
        <translation>Speichert und exportiert das Profil für spätere Druckereinrichtungen</translation>
    </message>
    <message>
        <source>E&amp;xport Profile</source>
        <translation>E&amp;xportieren</translation>
    </message>
    <message>
        <source>Opens seperate window with Varimonde commands for printer setup.</source>
        <translation>Öffnet ein eigenes Fenster mit Varimonde-Befehlen zur Druckereinrichtung.</translation>
    </message>
    <message>
        <source>&amp;Show Details</source>
        <translation>Details an&amp;zeigen</translation>
    </message>
    <message>
        <source>Please Enter Desired Scaler</source>
        <translation>Bitte den gewünschten Skalenwert eingeben</translation>
    </message>
    <message>
        <source>Scaler Setting</source>
        <translation>Skaleneinstellung</translation>
    </message>
    <message>
        <source>Maximum Value is 250</source>
        <translation>Der höchste Wert ist 250</translation>
    </message>
    <message>
        <source>Invalid Data</source>
        <translation>Ungültige Angabe</translation>
    </message>
    <message>
        <source>Set Value for Main Text Buffer</source>
        <translation>Wert für den Haupt-Textpuffer</translation>
    </message>
    <message>
        <source>Primary Text Buffer</source>
        <translation>Haupt-Textpuffer</translation>
    </message>
    <message>
        <source>Enter value for Overflow Buffer</source>
        <translation>Wert für den Überlaufpuffer eingeben</translation>
    </message>
    <message>
        <source>Overflow Buffer</source>
        <translation>Überlaufpuffer</translation>
    </message>
    <message>
        <source>Overflow must fall between 0 and (Text Buffer-1024)</source>
        <translation>Der Überlauf muss zwischen 0 und (Textpuffer-1024) liegen</translation>
    </message>
    <message>
        <source>Overflow Buffer Warning</source>
        <translation>Warnung zum Überlaufpuffer</translation>
    </message>
    <message>
        <source>Configuration block</source>
        <translation>Konfigurationsblock</translation>
    </message>
</context>
<context>
    <name>DetailsWindow</name>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Send Anyway</source>
        <translation>Trotzdem senden</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>Interrupted while the files were read: cancelled before sending.</source>
        <translation>Beim Lesen der Dateien unterbrochen: vor dem Senden abgebrochen.</translation>
    </message>
    <message>
        <source>Interrupted: the transfer was stopped and its end not waited for.</source>
        <translation>Unterbrochen: Die Übertragung wurde angehalten, ohne auf ihr Ende zu warten.</translation>
    </message>
    <message>
        <source>Interrupted before this printer&apos;s turn: nothing was sent.</source>
        <translation>Unterbrochen, bevor dieser Drucker an der Reihe war: Es wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Ungültiger Eigenschaftswert</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Typen unverträglich</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
    <message>
        <source>Cancel was selected.</source>
        <translation>Abbrechen wurde gewählt.</translation>
    </message>
    <message>
        <source>Subscript out of range: there are no bytes in memory to send</source>
        <translation>Index außerhalb des gültigen Bereichs: Es sind keine Bytes zum Senden im Speicher</translation>
    </message>
    <message>
        <source>The transfer was cancelled.</source>
        <translation>Die Übertragung wurde abgebrochen.</translation>
    </message>
    <message>
        <source>The transfer was stopped.</source>
        <translation>Die Übertragung wurde angehalten.</translation>
    </message>
    <message>
        <source>Bad file name or number</source>
        <translation>Dateiname oder -nummer falsch</translation>
    </message>
    <message>
        <source>%1 is out of paper: load labels and try again.</source>
        <translation>%1 hat kein Papier: Etiketten einlegen und erneut versuchen.</translation>
    </message>
    <message>
        <source>%1 is offline: put the printer online and try again.</source>
        <translation>%1 ist offline: Drucker online schalten und erneut versuchen.</translation>
    </message>
    <message>
        <source>%1 reports an error: check the printer&apos;s cover, labels and ribbon, then try again.</source>
        <translation>%1 meldet einen Fehler: Prüfen Sie Abdeckung, Etiketten und Farbband des Druckers und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Device I/O error: %1 accepted no data for %2 seconds. Check that the printer is on, online and has paper.</source>
        <translation>Geräte-E/A-Fehler: %1 hat %2 Sekunden lang keine Daten angenommen. Prüfen Sie, ob der Drucker eingeschaltet und online ist und Papier hat.</translation>
    </message>
    <message>
        <source>%1 bytes delivered</source>
        <translation>%1 Byte zugestellt</translation>
    </message>
    <message>
        <source>No printer address is set: enter the printer&apos;s network name or IP address on the Communication Settings tab.</source>
        <translation>Keine Druckeradresse eingestellt: Geben Sie den Netzwerknamen oder die IP-Adresse des Druckers auf der Registerkarte „Verbindung“ ein.</translation>
    </message>
    <message>
        <source>could not look %1 up within %2 s: check the name and the DNS server</source>
        <translation>%1 konnte nicht innerhalb von %2 s aufgelöst werden: Namen und DNS-Server prüfen</translation>
    </message>
    <message>
        <source>The printer&apos;s network name &quot;%1&quot; could not be found (port %2): check the name, or enter the printer&apos;s IP address instead.</source>
        <translation>Der Netzwerkname „%1“ des Druckers wurde nicht gefunden (Port %2): Prüfen Sie den Namen oder geben Sie stattdessen die IP-Adresse des Druckers ein.</translation>
    </message>
    <message>
        <source>%1 did not answer within %2 seconds: check the address, and that the printer is on and connected to the network.</source>
        <translation>%1 hat nicht innerhalb von %2 Sekunden geantwortet: Prüfen Sie die Adresse und ob der Drucker eingeschaltet und mit dem Netzwerk verbunden ist.</translation>
    </message>
    <message>
        <source>%1 refused the connection: check that this is the printer&apos;s address and that it takes print jobs on port %2 (9100 on most printers).</source>
        <translation>%1 hat die Verbindung abgelehnt: Prüfen Sie, ob dies die Adresse des Druckers ist und ob er Druckaufträge an Port %2 annimmt (9100 bei den meisten Druckern).</translation>
    </message>
    <message>
        <source>%1 cannot be reached: %2</source>
        <translation>%1 ist nicht erreichbar: %2</translation>
    </message>
    <message>
        <source>%1 closed the connection during the transfer: the printer may have been switched off or restarted.</source>
        <translation>%1 hat die Verbindung während der Übertragung geschlossen: Der Drucker wurde vielleicht ausgeschaltet oder neu gestartet.</translation>
    </message>
    <message>
        <source>The connection to %1 failed during the transfer: %2</source>
        <translation>Die Verbindung zu %1 ist während der Übertragung ausgefallen: %2</translation>
    </message>
    <message>
        <source>%1 stopped answering: nothing came back for %2 s. Check that the printer is on and connected to the network.</source>
        <translation>%1 antwortet nicht mehr: %2 s lang kam nichts zurück. Prüfen Sie, ob der Drucker eingeschaltet und mit dem Netzwerk verbunden ist.</translation>
    </message>
    <message>
        <source>%1 %2; the wait for an answer is set on the Communication Settings tab (Give up after) or with --stall-limit.</source>
        <translation>%1 %2; die Wartezeit auf eine Antwort wird auf der Registerkarte „Verbindung“ (Abbruch nach) oder mit --stall-limit eingestellt.</translation>
    </message>
    <message>
        <source>%1 took no data for %2 s though it still answers: check paper, ribbon and the printer&apos;s display. %3; the wait for progress is set on the Communication Settings tab (Give up after) or with --busy-limit.</source>
        <translation>%1 hat %2 s lang keine Daten angenommen, antwortet aber noch: Papier, Farbband und Druckeranzeige prüfen. %3; die Wartezeit auf Fortschritt wird auf der Registerkarte „Verbindung“ (Abbruch nach) oder mit --busy-limit eingestellt.</translation>
    </message>
    <message>
        <source>%1 does not exist on this computer. No serial ports were found: check that the printer&apos;s cable or USB adapter is plugged in.</source>
        <translation>%1 gibt es auf diesem Computer nicht. Es wurden keine seriellen Schnittstellen gefunden: Prüfen Sie, ob das Druckerkabel oder der USB-Adapter eingesteckt ist.</translation>
    </message>
    <message>
        <source>%1 does not exist on this computer. Serial ports found: %2. Choose one of them on the Communication Settings tab and press Apply.</source>
        <translation>%1 gibt es auf diesem Computer nicht. Gefundene serielle Schnittstellen: %2. Wählen Sie eine davon auf der Registerkarte „Verbindung“ und drücken Sie „Übernehmen“.</translation>
    </message>
    <message>
        <source>Permission denied on %1. Your user must be in the group &apos;%2&apos; that owns the port: run &apos;sudo usermod -aG %2 $USER&apos;, then log out and in again.</source>
        <translation>Zugriff auf %1 verweigert. Ihr Benutzer muss in der Gruppe &apos;%2&apos; sein, der die Schnittstelle gehört: Führen Sie &apos;sudo usermod -aG %2 $USER&apos; aus, melden Sie sich dann ab und wieder an.</translation>
    </message>
    <message>
        <source>Permission denied on %1. Ask your administrator for read and write access to it.</source>
        <translation>Zugriff auf %1 verweigert. Bitten Sie Ihren Administrator um Lese- und Schreibrechte.</translation>
    </message>
    <message>
        <source>%1 is in use by another program%2. Close that program and try again.</source>
        <translation>%1 wird von einem anderen Programm benutzt%2. Schließen Sie dieses Programm und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>%1 is already open: another transfer is still running.</source>
        <translation>%1 ist bereits geöffnet: Eine andere Übertragung läuft noch.</translation>
    </message>
    <message>
        <source>%1 does not accept the line settings: %2</source>
        <translation>%1 nimmt die Leitungseinstellungen nicht an: %2</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>No parallel or USB printer ports were found.</source>
        <translation>Es wurden keine parallelen oder USB-Druckeranschlüsse gefunden.</translation>
    </message>
    <message>
        <source>Parallel and USB printer ports found: %1. Choose one of them on the Communication Settings tab.</source>
        <translation>Gefundene parallele und USB-Druckeranschlüsse: %1. Wählen Sie einen davon auf der Registerkarte „Verbindung“.</translation>
    </message>
    <message>
        <source>Another transfer to the printer is still running: wait for it to finish, or cancel it, then try again.</source>
        <translation>Eine andere Übertragung zum Drucker läuft noch: Warten Sie, bis sie fertig ist, oder brechen Sie sie ab, und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>No USB printer is connected.</source>
        <translation>Es ist kein USB-Drucker angeschlossen.</translation>
    </message>
    <message>
        <source>USB Printer %1 is not connected.</source>
        <translation>USB-Drucker %1 ist nicht angeschlossen.</translation>
    </message>
    <message>
        <source>Check that the printer is switched on and its USB cable is plugged in at both ends, and that the usblp driver is loaded (lsmod | grep usblp; load it with: sudo modprobe usblp).</source>
        <translation>Prüfen Sie, ob der Drucker eingeschaltet und sein USB-Kabel an beiden Enden eingesteckt ist und ob der Treiber usblp geladen ist (lsmod | grep usblp; laden mit: sudo modprobe usblp).</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>Fehler: %1</translation>
    </message>
    <message>
        <source>Could not set comm state: the serial port cannot send with %1 data bits. Choose 5 to 8 data bits.</source>
        <translation>Schnittstellenzustand nicht einstellbar: Die serielle Schnittstelle kann nicht mit %1 Datenbits senden. Wählen Sie 5 bis 8 Datenbits.</translation>
    </message>
    <message>
        <source>%1 stopped working during the transfer: the device or its USB adapter was removed or failed (%2).</source>
        <translation>%1 hat während der Übertragung versagt: Das Gerät oder sein USB-Adapter wurde entfernt oder ist ausgefallen (%2).</translation>
    </message>
    <message>
        <source>%1 failed during the transfer: %2</source>
        <translation>%1 ist während der Übertragung ausgefallen: %2</translation>
    </message>
    <message>
        <source>%1 accepted no data for %2 seconds: check that the printer is on, online and connected.</source>
        <translation>%1 hat %2 Sekunden lang keine Daten angenommen: Prüfen Sie, ob der Drucker eingeschaltet, online und angeschlossen ist.</translation>
    </message>
    <message>
        <source>Interrupted: nothing more was sent.</source>
        <translation>Unterbrochen: Es wurde nichts mehr gesendet.</translation>
    </message>
    <message>
        <source>Interrupted: the transfer was stopped and what was queued discarded; %1 bytes delivered.</source>
        <translation>Unterbrochen: Die Übertragung wurde angehalten und die Warteschlange verworfen; %1 Byte zugestellt.</translation>
    </message>
    <message>
        <source>Printer Setup</source>
        <translation>Druckereinrichtung</translation>
    </message>
    <message>
        <source>Invalid Width Argument.</source>
        <translation>Ungültige Breitenangabe.</translation>
    </message>
    <message>
        <source>Maximum Width is 416</source>
        <translation>Die größte Breite ist 416</translation>
    </message>
    <message>
        <source>Invalid Print Mode. Valid Modes are DT and TT</source>
        <translation>Ungültiger Druckmodus. Gültige Modi sind DT und TT</translation>
    </message>
    <message>
        <source>Invalid Print Speed</source>
        <translation>Ungültige Druckgeschwindigkeit</translation>
    </message>
    <message>
        <source>an IPv6 address needs its closing ]</source>
        <translation>einer IPv6-Adresse fehlt die schließende ]</translation>
    </message>
    <message>
        <source>write an IPv6 address in brackets: tcp://[2001:db8::5]:9100</source>
        <translation>eine IPv6-Adresse in eckigen Klammern schreiben: tcp://[2001:db8::5]:9100</translation>
    </message>
    <message>
        <source>name the USB printer device: usb:/dev/usb/lp0</source>
        <translation>das Gerät des USB-Druckers angeben: usb:/dev/usb/lp0</translation>
    </message>
    <message>
        <source>give COMn[:settings], a serial device path[:settings], LPT1, LPT2, usb:DEVICE or tcp://HOST[:PORT]</source>
        <translation>COMn[:Einstellungen], einen seriellen Gerätepfad[:Einstellungen], LPT1, LPT2, usb:GERÄT oder tcp://HOST[:PORT] angeben</translation>
    </message>
    <message>
        <source>COM ports are numbered 1 to %1</source>
        <translation>COM-Anschlüsse sind von 1 bis %1 nummeriert</translation>
    </message>
    <message>
        <source>the line settings &quot;%1&quot; must read baud,parity,data bits,stop bits, such as 9600,N,8,1</source>
        <translation>die Leitungseinstellungen „%1“ müssen Baud,Parität,Datenbits,Stoppbits lauten, etwa 9600,N,8,1</translation>
    </message>
    <message>
        <source>Invalid Parallel Port</source>
        <translation>Ungültige parallele Schnittstelle</translation>
    </message>
    <message>
        <source>Invalid Network Printer: enter the printer&apos;s network name or its IPv4 or IPv6 address.</source>
        <translation>Ungültiger Netzwerkdrucker: geben Sie den Netzwerknamen des Druckers oder seine IPv4- oder IPv6-Adresse ein.</translation>
    </message>
    <message>
        <source>Invalid Network Port: enter a number from 1 to 65535 (9100 on most printers).</source>
        <translation>Ungültiger Netzwerkport: geben Sie eine Zahl von 1 bis 65535 ein (9100 bei den meisten Druckern).</translation>
    </message>
    <message>
        <source>File not found: %1</source>
        <translation>Datei nicht gefunden: %1</translation>
    </message>
    <message>
        <source>Permission denied: %1</source>
        <translation>Zugriff verweigert: %1</translation>
    </message>
    <message>
        <source>Disk full: %1</source>
        <translation>Datenträger voll: %1</translation>
    </message>
    <message>
        <source>Device I/O error: %1 (%2)</source>
        <translation>E/A-Fehler des Geräts: %1 (%2)</translation>
    </message>
    <message>
        <source>Bad file name: %1</source>
        <translation>Ungültiger Dateiname: %1</translation>
    </message>
    <message>
        <source>Path/File access error: %1 (%2)</source>
        <translation>Fehler beim Zugriff auf Pfad/Datei: %1 (%2)</translation>
    </message>
    <message>
        <source>Permission denied: %1 (%2)</source>
        <translation>Zugriff verweigert: %1 (%2)</translation>
    </message>
    <message>
        <source>Disk full or out of resources: %1 (%2)</source>
        <translation>Datenträger voll oder keine Ressourcen mehr: %1 (%2)</translation>
    </message>
    <message>
        <source>%1 was not written: %2</source>
        <translation>%1 wurde nicht geschrieben: %2</translation>
    </message>
    <message>
        <source>it is a symbolic link, and nothing is written through one; name the file itself.</source>
        <translation>es ist ein symbolischer Link, und durch einen solchen wird nichts geschrieben; nennen Sie die Datei selbst.</translation>
    </message>
    <message>
        <source>it is a folder; name a file in it.</source>
        <translation>es ist ein Ordner; nennen Sie eine Datei darin.</translation>
    </message>
    <message>
        <source>only a regular file is written here.</source>
        <translation>hier wird nur eine gewöhnliche Datei geschrieben.</translation>
    </message>
    <message>
        <source>it is neither a file, a character device nor a pipe.</source>
        <translation>es ist weder eine Datei noch ein zeichenorientiertes Gerät noch eine Pipe.</translation>
    </message>
    <message>
        <source>it belongs to user %1, not to user %2 for whom the program runs as root.</source>
        <translation>es gehört Benutzer %1, nicht Benutzer %2, für den das Programm als root läuft.</translation>
    </message>
    <message>
        <source>%1 was not written: nothing opened the pipe to read it within %2 s.</source>
        <translation>%1 wurde nicht geschrieben: niemand hat die Pipe innerhalb von %2 s zum Lesen geöffnet.</translation>
    </message>
    <message>
        <source>%1 was not written: interrupted.</source>
        <translation>%1 wurde nicht geschrieben: unterbrochen.</translation>
    </message>
    <message>
        <source>it changed while it was being written.</source>
        <translation>es hat sich beim Schreiben geändert.</translation>
    </message>
    <message>
        <source>no file name was given.</source>
        <translation>es wurde kein Dateiname angegeben.</translation>
    </message>
    <message>
        <source>only a regular file is written.</source>
        <translation>es wird nur eine gewöhnliche Datei geschrieben.</translation>
    </message>
    <message>
        <source>%1 (no COM number reaches it)</source>
        <translation>%1 (keine COM-Nummer erreicht ihn)</translation>
    </message>
    <message>
        <source>Put the printer online (its pause or feed button) and try again.</source>
        <translation>Schalten Sie den Drucker online (Pause- oder Vorschubtaste) und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Open the printer, clear the jammed labels, close it and try again.</source>
        <translation>Öffnen Sie den Drucker, entfernen Sie die gestauten Etiketten, schließen Sie ihn und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Close the printer&apos;s cover and try again.</source>
        <translation>Schließen Sie die Abdeckung des Druckers und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Load labels, close the printer and try again.</source>
        <translation>Legen Sie Etiketten ein, schließen Sie den Drucker und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Load a ribbon, close the printer and try again.</source>
        <translation>Legen Sie ein Farbband ein, schließen Sie den Drucker und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Take the printed labels out and try again.</source>
        <translation>Nehmen Sie die gedruckten Etiketten heraus und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The printer reports %1: nothing was sent. %2</source>
        <translation>Der Drucker meldet %1: es wurde nichts gesendet. %2</translation>
    </message>
    <message>
        <source>The printer reports %1: nothing was sent. %2 Give --ignore-status to send anyway.</source>
        <translation>Der Drucker meldet %1: es wurde nichts gesendet. %2 Mit --ignore-status wird trotzdem gesendet.</translation>
    </message>
    <message>
        <source>No printer address is set: name the printer with --to tcp://HOST.</source>
        <translation>Keine Druckeradresse eingestellt: Nennen Sie den Drucker mit --to tcp://HOST.</translation>
    </message>
    <message>
        <source>%1 %2; the wait for an answer is set with --stall-limit.</source>
        <translation>%1 %2; die Wartezeit auf eine Antwort wird mit --stall-limit eingestellt.</translation>
    </message>
    <message>
        <source>%1 took no data for %2 s though it still answers: check paper, ribbon and the printer&apos;s display. %3; the wait for progress is set with --busy-limit.</source>
        <translation>%1 hat %2 s lang keine Daten angenommen, antwortet aber noch: Papier, Farbband und Druckeranzeige prüfen. %3; die Wartezeit auf Fortschritt wird mit --busy-limit eingestellt.</translation>
    </message>
    <message>
        <source>%1 does not exist on this computer. Serial ports found: %2. Name one of them with --to.</source>
        <translation>%1 gibt es auf diesem Computer nicht. Gefundene serielle Schnittstellen: %2. Nennen Sie eine davon mit --to.</translation>
    </message>
    <message>
        <source>Parallel and USB printer ports found: %1. Name one of them with --to.</source>
        <translation>Gefundene parallele und USB-Druckeranschlüsse: %1. Nennen Sie einen davon mit --to.</translation>
    </message>
    <message>
        <source>ignoring the settings in %1, which cannot be read: it is not a regular file; starting values apply, and the file is left as it is</source>
        <translation>die Einstellungen in %1 werden übergangen, die Datei kann nicht gelesen werden: sie ist keine reguläre Datei; es gelten die Anfangswerte, und die Datei bleibt, wie sie ist</translation>
    </message>
    <message>
        <source>ignoring the settings in %1, which cannot be read: it is larger than %2 KiB; starting values apply, and the file is left as it is</source>
        <translation>die Einstellungen in %1 werden übergangen, die Datei kann nicht gelesen werden: sie ist größer als %2 KiB; es gelten die Anfangswerte, und die Datei bleibt, wie sie ist</translation>
    </message>
    <message>
        <source>ignoring the settings in %1, which cannot be read; starting values apply, and the file is left as it is</source>
        <translation>die Einstellungen in %1 werden übergangen, die Datei kann nicht gelesen werden; es gelten die Anfangswerte, und die Datei bleibt, wie sie ist</translation>
    </message>
    <message>
        <source>ignoring the settings in %1, which cannot be read; starting values apply, and the file is written afresh</source>
        <translation>die Einstellungen in %1 werden übergangen, die Datei kann nicht gelesen werden; es gelten die Anfangswerte, und die Datei wird neu geschrieben</translation>
    </message>
    <message>
        <source>ignoring the settings in %1, which cannot be understood; starting values apply, and the file is written afresh</source>
        <translation>die Einstellungen in %1 werden übergangen, die Datei ist nicht verständlich; es gelten die Anfangswerte, und die Datei wird neu geschrieben</translation>
    </message>
    <message>
        <source>the settings will not be saved: %1</source>
        <translation>die Einstellungen werden nicht gespeichert: %1</translation>
    </message>
    <message>
        <source>the settings were not saved: %1</source>
        <translation>die Einstellungen wurden nicht gespeichert: %1</translation>
    </message>
    <message>
        <source>the sweep could not try %1 of %2 addresses and ports (too many open files): printers may be missing</source>
        <translation>die Suche konnte %1 von %2 Adressen und Ports nicht versuchen (zu viele offene Dateien): es können Drucker fehlen</translation>
    </message>
    <message>
        <source>DNS-SD browsing failed: %1</source>
        <translation>DNS-SD-Suche fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>DNS-SD: the Avahi daemon went away (%1)</source>
        <translation>DNS-SD: der Avahi-Dienst ist nicht mehr da (%1)</translation>
    </message>
    <message>
        <source>DNS-SD is not available: no Avahi daemon runs; looking the other ways.</source>
        <translation>DNS-SD ist nicht verfügbar: kein Avahi-Dienst läuft; es wird auf den anderen Wegen gesucht.</translation>
    </message>
    <message>
        <source>DNS-SD is not available: %1; looking the other ways.</source>
        <translation>DNS-SD ist nicht verfügbar: %1; es wird auf den anderen Wegen gesucht.</translation>
    </message>
    <message>
        <source>%1: not a network printer: its status cannot be read</source>
        <translation>%1: kein Netzwerkdrucker: sein Status kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>File too large: %1 has %2 bytes; a file must be smaller than 2 GiB (%3 bytes) to be held in memory.</source>
        <translation>Datei zu groß: %1 hat %2 Bytes; eine Datei muss kleiner als 2 GiB (%3 Bytes) sein, um im Speicher gehalten zu werden.</translation>
    </message>
    <message>
        <source>Out of memory: %1 bytes do not fit in memory.</source>
        <translation>Zu wenig Speicher: %1 Bytes passen nicht in den Speicher.</translation>
    </message>
    <message>
        <source>Input past end of file: %1</source>
        <translation>Eingabe hinter dem Dateiende: %1</translation>
    </message>
    <message>
        <source>an SNMP v3 pass phrase is unusable</source>
        <translation>eine SNMP-v3-Passphrase ist unbrauchbar</translation>
    </message>
    <message>
        <source>cannot open an SNMP session</source>
        <translation>eine SNMP-Sitzung kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>no SNMP answer</source>
        <translation>keine SNMP-Antwort</translation>
    </message>
    <message>
        <source>SNMP failed: %1</source>
        <translation>SNMP fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>SNMP error: %1</source>
        <translation>SNMP-Fehler: %1</translation>
    </message>
    <message>
        <source>the printer refused the request (the SNMP user or its pass phrases)</source>
        <translation>der Drucker hat die Anfrage abgelehnt (der SNMP-Benutzer oder seine Passphrasen)</translation>
    </message>
    <message>
        <source>SNMP failed: the agent named no engine</source>
        <translation>SNMP fehlgeschlagen: der Agent hat keine Engine genannt</translation>
    </message>
    <message>
        <source>the name was not looked up in time</source>
        <translation>der Name wurde nicht rechtzeitig aufgelöst</translation>
    </message>
    <message>
        <source>the name could not be found</source>
        <translation>der Name wurde nicht gefunden</translation>
    </message>
    <message>
        <source>Input past end of file: the profile is empty or cut off</source>
        <translation>Eingabe hinter dem Dateiende: das Profil ist leer oder abgeschnitten</translation>
    </message>
</context>
<context>
    <name>FileDrop</name>
    <message>
        <source>Drop one file at a time.</source>
        <translation>Bitte nur eine Datei ablegen.</translation>
    </message>
    <message>
        <source>%1 is not a file on this computer: drop a file.</source>
        <translation>%1 ist keine Datei auf diesem Computer: bitte eine Datei ablegen.</translation>
    </message>
    <message>
        <source>%1 is a folder: drop a file.</source>
        <translation>%1 ist ein Ordner: bitte eine Datei ablegen.</translation>
    </message>
</context>
<context>
    <name>FindPrintersDialog</name>
    <message>
        <source>Find Printers</source>
        <translation>Drucker suchen</translation>
    </message>
    <message>
        <source>&amp;Range:</source>
        <translation>&amp;Bereich:</translation>
    </message>
    <message>
        <source>192.168.1.0/24, or hosts</source>
        <translation>192.168.1.0/24 oder Hosts</translation>
    </message>
    <message>
        <source>CIDR ranges of at most /22 or host names, separated by spaces or commas. Port 9100 of each address is tried; DNS-SD and SNMP are asked too.</source>
        <translation>CIDR-Bereiche bis höchstens /22 oder Hostnamen, durch Leerzeichen oder Kommas getrennt. Port 9100 jeder Adresse wird versucht; DNS-SD und SNMP werden ebenfalls gefragt.</translation>
    </message>
    <message>
        <source>Range:</source>
        <translation>Bereich:</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Starten</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>Sto&amp;ppen</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>&amp;Filter:</translation>
    </message>
    <message>
        <source>any text of a row</source>
        <translation>beliebiger Text einer Zeile</translation>
    </message>
    <message>
        <source>Filter:</source>
        <translation>Filter:</translation>
    </message>
    <message>
        <source>Search Progress</source>
        <translation>Suchfortschritt</translation>
    </message>
    <message>
        <source>Printers Found</source>
        <translation>Gefundene Drucker</translation>
    </message>
    <message>
        <source>Nothing is scanned until Start is pressed.</source>
        <translation>Gesucht wird erst nach „Starten“.</translation>
    </message>
    <message>
        <source>&amp;Use This Printer</source>
        <translation>Diesen Drucker &amp;verwenden</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Schl&amp;ießen</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Make and Model</source>
        <translation>Hersteller und Modell</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Found By</source>
        <translation>Gefunden über</translation>
    </message>
    <message>
        <source>1 printer found.</source>
        <translation>1 Drucker gefunden.</translation>
    </message>
    <message>
        <source>%1 printers found.</source>
        <translation>%1 Drucker gefunden.</translation>
    </message>
    <message>
        <source>Looking...</source>
        <translation>Suche läuft...</translation>
    </message>
    <message>
        <source>&amp;Watch</source>
        <translation>&amp;Überwachen</translation>
    </message>
    <message>
        <source>Reads the printers found again every few seconds over SNMP and shows their status and alerts as they change.</source>
        <translation>Fragt die gefundenen Drucker alle paar Sekunden erneut per SNMP ab und zeigt Status und Alarme, sobald sie sich ändern.</translation>
    </message>
    <message>
        <source>Printer Details</source>
        <translation>Druckerdetails</translation>
    </message>
    <message>
        <source>Select a printer to see what it reports.</source>
        <translation>Drucker auswählen, um seine Meldungen zu sehen.</translation>
    </message>
    <message>
        <source>Alerts</source>
        <translation>Alarme</translation>
    </message>
    <message>
        <source>critical</source>
        <translation>kritisch</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>other</source>
        <translation>sonstige</translation>
    </message>
    <message>
        <source>at uptime %1</source>
        <translation>bei Betriebszeit %1</translation>
    </message>
    <message>
        <source>Printer:</source>
        <translation>Drucker:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Status:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>Modell:</translation>
    </message>
    <message>
        <source>Serial:</source>
        <translation>Seriennummer:</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Standort:</translation>
    </message>
    <message>
        <source>Uptime:</source>
        <translation>Betriebszeit:</translation>
    </message>
    <message>
        <source>Front panel:</source>
        <translation>Bedienfeld:</translation>
    </message>
    <message>
        <source>group %1, code %2</source>
        <translation>Gruppe %1, Code %2</translation>
    </message>
    <message>
        <source>Alert:</source>
        <translation>Alarm:</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: %2, raised %3</source>
        <translation>%1: %2, ausgelöst %3</translation>
    </message>
    <message>
        <source>Media:</source>
        <translation>Material:</translation>
    </message>
    <message>
        <source>Odometer:</source>
        <translation>Zähler:</translation>
    </message>
    <message>
        <source>This printer has no raw port: it was only named (over IPP), and nothing is sent to an IPP port.</source>
        <translation>Dieser Drucker hat keinen Raw-Port: Er wurde nur genannt (über IPP), und an einen IPP-Port wird nichts gesendet.</translation>
    </message>
    <message>
        <source>Last answer:</source>
        <translation>Letzte Antwort:</translation>
    </message>
</context>
<context>
    <name>GraphicCheck</name>
    <message>
        <source>%1 × %2 dots, %3 × %4 mm</source>
        <translation>%1 × %2 Punkte, %3 × %4 mm</translation>
    </message>
    <message>
        <source> Use Convert… to make one.</source>
        <translation> Mit „Konvertieren…“ lässt sich eines erstellen.</translation>
    </message>
    <message>
        <source>%1 is empty.</source>
        <translation>%1 ist leer.</translation>
    </message>
    <message>
        <source>%1 is a %2 image, but %3 is chosen as its type: store it as %2.</source>
        <translation>%1 ist ein %2-Bild, als Typ ist aber %3 gewählt: speichern Sie es als %2.</translation>
    </message>
    <message>
        <source>%1 is a %2 image, not a %3: the printer stores 1-bit BMP or PCX images only.</source>
        <translation>%1 ist ein %2-Bild, kein %3: der Drucker speichert nur 1-Bit-BMP- oder -PCX-Bilder.</translation>
    </message>
    <message>
        <source>%1 is not a %2 image.</source>
        <translation>%1 ist kein %2-Bild.</translation>
    </message>
    <message>
        <source>%1 is an %2-bit colour image: the printer stores black-and-white (1-bit) images only.</source>
        <translation>%1 ist ein %2-Bit-Farbbild: der Drucker speichert nur Schwarzweißbilder (1 Bit).</translation>
    </message>
    <message>
        <source>%1 is a %2-bit colour image: the printer stores black-and-white (1-bit) images only.</source>
        <translation>%1 ist ein %2-Bit-Farbbild: der Drucker speichert nur Schwarzweißbilder (1 Bit).</translation>
    </message>
    <message>
        <source>%1 is cut short: it ends inside its header.</source>
        <translation>%1 ist abgeschnitten: die Datei endet in ihrem Kopf.</translation>
    </message>
    <message>
        <source>%1 has no pixels: its header gives %2 × %3 dots.</source>
        <translation>%1 hat keine Pixel: sein Kopf gibt %2 × %3 Punkte an.</translation>
    </message>
    <message>
        <source>%1 is cut short: its header gives %2 bytes, the file has %3.</source>
        <translation>%1 ist abgeschnitten: sein Kopf gibt %2 Bytes an, die Datei hat %3.</translation>
    </message>
    <message>
        <source>%1&apos;s header gives its size as %2 bytes, but the file has %3.</source>
        <translation>Der Kopf von %1 gibt die Größe mit %2 Bytes an, die Datei hat aber %3.</translation>
    </message>
    <message>
        <source>%1 has a bitmap header of %2 bytes, which no Windows bitmap has.</source>
        <translation>%1 hat einen Bitmap-Kopf von %2 Bytes, den keine Windows-Bitmap hat.</translation>
    </message>
    <message>
        <source>%1 gives %2 colour planes; a Windows bitmap has one.</source>
        <translation>%1 gibt %2 Farbebenen an; eine Windows-Bitmap hat eine.</translation>
    </message>
    <message>
        <source>%1 gives a bit depth of %2, which no Windows bitmap has.</source>
        <translation>%1 gibt eine Farbtiefe von %2 an, die keine Windows-Bitmap hat.</translation>
    </message>
    <message>
        <source>method %1</source>
        <translation>Verfahren %1</translation>
    </message>
    <message>
        <source>%1 is compressed (%2): the printer stores uncompressed bitmaps only.</source>
        <translation>%1 ist komprimiert (%2): der Drucker speichert nur unkomprimierte Bitmaps.</translation>
    </message>
    <message>
        <source>%1 has a palette of %2 colours; a 1-bit image has 2 at most.</source>
        <translation>%1 hat eine Palette von %2 Farben; ein 1-Bit-Bild hat höchstens 2.</translation>
    </message>
    <message>
        <source>%1&apos;s pixel data would start at byte %2, inside its header and palette.</source>
        <translation>Die Pixeldaten von %1 begännen bei Byte %2, innerhalb von Kopf und Palette.</translation>
    </message>
    <message>
        <source>%1&apos;s header gives %2 bytes of pixel data, but %3 × %4 dots need %5.</source>
        <translation>Der Kopf von %1 gibt %2 Bytes Pixeldaten an, %3 × %4 Punkte brauchen aber %5.</translation>
    </message>
    <message>
        <source>%1 is cut short: %2 × %3 dots need %4 bytes of pixel data, the file has %5 after its header.</source>
        <translation>%1 ist abgeschnitten: %2 × %3 Punkte brauchen %4 Bytes Pixeldaten, die Datei hat nach ihrem Kopf %5.</translation>
    </message>
    <message>
        <source>%1 is not a PCX image.</source>
        <translation>%1 ist kein PCX-Bild.</translation>
    </message>
    <message>
        <source>%1 is not run-length encoded as a PCX image is.</source>
        <translation>%1 ist nicht lauflängenkodiert, wie es ein PCX-Bild ist.</translation>
    </message>
    <message>
        <source>%1 gives %2 bits per pixel in %3 planes, which no PCX image has.</source>
        <translation>%1 gibt %2 Bits je Pixel in %3 Ebenen an, was kein PCX-Bild hat.</translation>
    </message>
    <message>
        <source>%1&apos;s lines of %2 bytes cannot hold %3 dots.</source>
        <translation>Die Zeilen von %1 mit %2 Bytes fassen keine %3 Punkte.</translation>
    </message>
    <message>
        <source>%1 is cut short: its pixel data ends after %2 of %3 lines.</source>
        <translation>%1 ist abgeschnitten: die Pixeldaten enden nach %2 von %3 Zeilen.</translation>
    </message>
    <message>
        <source>bit fields</source>
        <extracomment>A BMP compression kind: the pixels are read through colour masks.</extracomment>
        <translation>Bitfelder</translation>
    </message>
    <message>
        <source> Add --convert to make one.</source>
        <translation> Mit --convert lässt sich eines erstellen.</translation>
    </message>
</context>
<context>
    <name>GraphicConvertDialog</name>
    <message>
        <source>Convert Graphic</source>
        <translation>Grafik umwandeln</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>For the printer (1-bit)</source>
        <translation>Für den Drucker (1 Bit)</translation>
    </message>
    <message>
        <source>Original Picture</source>
        <translation>Originalbild</translation>
    </message>
    <message>
        <source>Converted Picture</source>
        <translation>Umgewandeltes Bild</translation>
    </message>
    <message>
        <source>Conversion</source>
        <translation>Umwandlung</translation>
    </message>
    <message>
        <source>Scale the picture, keeping its aspect</source>
        <translation>Bild skalieren, Seitenverhältnis bleibt</translation>
    </message>
    <message>
        <source>&amp;Width in dots:</source>
        <translation>&amp;Breite in Punkten:</translation>
    </message>
    <message>
        <source>Width in Dots</source>
        <translation>Breite in Punkten</translation>
    </message>
    <message>
        <source>Swap black and white</source>
        <translation>Schwarz und Weiß tauschen</translation>
    </message>
    <message>
        <source>&amp;Invert</source>
        <translation>&amp;Invertieren</translation>
    </message>
    <message>
        <source>Dots darker than this grey print black</source>
        <translation>Punkte dunkler als dieses Grau werden schwarz gedruckt</translation>
    </message>
    <message>
        <source>&amp;Threshold:</source>
        <translation>&amp;Schwelle:</translation>
    </message>
    <message>
        <source>Threshold</source>
        <translation>Schwelle</translation>
    </message>
    <message>
        <source>Spread the greys as patterns of dots</source>
        <translation>Grautöne als Punktmuster verteilen</translation>
    </message>
    <message>
        <source>&amp;Dither (error diffusion)</source>
        <translation>&amp;Dithering (Fehlerdiffusion)</translation>
    </message>
    <message>
        <source>Save the converted picture as a BMP file</source>
        <translation>Umgewandeltes Bild als BMP-Datei speichern</translation>
    </message>
    <message>
        <source>&amp;Save as BMP…</source>
        <translation>Als BMP &amp;speichern…</translation>
    </message>
    <message>
        <source>Make the converted picture the graphic to store</source>
        <translation>Umgewandeltes Bild als zu speichernde Grafik nehmen</translation>
    </message>
    <message>
        <source>&amp;Use</source>
        <translation>&amp;Verwenden</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Wider than the printable width of %1 dots set on Printer Configuration: the printer cuts off the rest.</source>
        <translation>Breiter als die unter Druckerkonfiguration eingestellte Druckbreite von %1 Punkten: Der Drucker schneidet den Rest ab.</translation>
    </message>
    <message>
        <source>Bitmaps (*.bmp)|*.bmp</source>
        <translation>Bitmaps (*.bmp)|*.bmp</translation>
    </message>
    <message>
        <source>The picture could not be saved to %1: %2</source>
        <translation>Das Bild konnte nicht in %1 gespeichert werden: %2</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>varimonde-setup: --lang takes a language code such as de or pt_BR; the texts stay in English.</source>
        <translation>varimonde-setup: --lang erwartet einen Sprachcode wie de oder pt_BR; die Texte bleiben englisch.</translation>
    </message>
    <message>
        <source>varimonde-setup: no translation into %1; the texts stay in English.</source>
        <translation>varimonde-setup: keine Übersetzung für %1; die Texte bleiben englisch.</translation>
    </message>
</context>
<context>
    <name>LinkAddress</name>
    <message>
        <source>Serial %1 %2</source>
        <translation>Seriell %1 %2</translation>
    </message>
    <message>
        <source>Parallel %1 (%2)</source>
        <translation>Parallel %1 (%2)</translation>
    </message>
    <message>
        <source>USB Printer %1</source>
        <translation>USB-Drucker %1</translation>
    </message>
    <message>
        <source>(none found)</source>
        <translation>(keiner gefunden)</translation>
    </message>
    <message>
        <source>Network %1</source>
        <translation>Netzwerk %1</translation>
    </message>
    <message>
        <source>(no address set)</source>
        <translation>(keine Adresse eingestellt)</translation>
    </message>
</context>
<context>
    <name>LogWindow</name>
    <message>
        <source>Send Log</source>
        <translation>Sendeprotokoll</translation>
    </message>
    <message>
        <source>Sends</source>
        <translation>Sendungen</translation>
    </message>
    <message>
        <source>Bytes of the selected send</source>
        <translation>Bytes der gewählten Sendung</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>&amp;Reset Settings...</source>
        <translation>Einstellungen &amp;zurücksetzen...</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>S&amp;chließen</translation>
    </message>
    <message>
        <source>The log could not be saved: %1</source>
        <translation>Das Protokoll konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>Text Files(*.txt)|*.txt|All Files(*.*)|*.*</source>
        <translation>Textdateien(*.txt)|*.txt|Alle Dateien(*.*)|*.*</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Exit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>&amp;Log</source>
        <translation>Protoko&amp;ll</translation>
    </message>
    <message>
        <source>Communication Settings</source>
        <translation>Verbindung</translation>
    </message>
    <message>
        <source>Printer Configuration</source>
        <translation>Druckerkonfiguration</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Kalibrierung</translation>
    </message>
    <message>
        <source>Data Storage</source>
        <translation>Datenspeicher</translation>
    </message>
    <message>
        <source>Binary Transfer</source>
        <translation>Binärübertragung</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Printer link</source>
        <translation>Druckerverbindung</translation>
    </message>
    <message>
        <source>Last send</source>
        <translation>Letzte Sendung</translation>
    </message>
    <message>
        <source>The next send goes to: %1
Gives up after %2 s without an answer and %3 s without progress</source>
        <translation>Das nächste Senden geht an: %1
Gibt nach %2 s ohne Antwort und %3 s ohne Fortschritt auf</translation>
    </message>
    <message>
        <source>The next send goes to: %1</source>
        <translation>Die nächste Sendung geht an: %1</translation>
    </message>
    <message>
        <source>%1 of %2 bytes delivered</source>
        <translation>%1 von %2 Byte zugestellt</translation>
    </message>
    <message>
        <source>Sent at %1 (%2)</source>
        <translation>Gesendet um %1 (%2)</translation>
    </message>
    <message>
        <source>Cancelled at %1 (%2)</source>
        <translation>Abgebrochen um %1 (%2)</translation>
    </message>
    <message>
        <source>Failed at %1: %2 (%3)</source>
        <translation>Fehlgeschlagen um %1: %2 (%3)</translation>
    </message>
    <message>
        <source>Forget the window&apos;s size and place, the folders the file dialogs open in and the printer link?</source>
        <translation>Größe und Lage des Fensters, die Ordner der Dateidialoge und die Druckerverbindung vergessen?</translation>
    </message>
    <message>
        <source>Reset Settings</source>
        <translation>Einstellungen zurücksetzen</translation>
    </message>
    <message>
        <source>Quit without sending the changed settings?</source>
        <translation>Beenden, ohne die geänderten Einstellungen zu senden?</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>A transfer to the printer is running. Stop it and quit?</source>
        <translation>Eine Übertragung zum Drucker läuft. Abbrechen und beenden?</translation>
    </message>
    <message>
        <source>Stop and Quit</source>
        <translation>Abbrechen und beenden</translation>
    </message>
    <message>
        <source>Keep Sending</source>
        <translation>Weiter senden</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>The next send goes to: %1
Gives up after %2 s without progress</source>
        <translation>Das nächste Senden geht an: %1
Gibt nach %2 s ohne Fortschritt auf</translation>
    </message>
</context>
<context>
    <name>OperationBuilders</name>
    <message>
        <source>an empty identifier: the printer could never be asked for it</source>
        <translation>ein leerer Bezeichner: der Drucker könnte nie danach gefragt werden</translation>
    </message>
    <message>
        <source>No such USB printer: a USB printer is lp&lt;n&gt; in %1, such as %1/lp0</source>
        <translation>Kein solcher USB-Drucker: ein USB-Drucker ist lp&lt;n&gt; in %1, etwa %1/lp0</translation>
    </message>
    <message>
        <source>Darkness must be a whole number from %1 to %2</source>
        <translation>Die Schwärzung muss eine ganze Zahl von %1 bis %2 sein</translation>
    </message>
    <message>
        <source>--ribbon is for thermal transfer (--print-type TT) only</source>
        <translation>--ribbon gilt nur für Thermotransfer (--print-type TT)</translation>
    </message>
    <message>
        <source>--test-label takes 1 (the 4X3 label) or 2 (the 2.4X1 label), not &quot;%1&quot;</source>
        <translation>--test-label nimmt 1 (das 4X3-Etikett) oder 2 (das 2.4X1-Etikett), nicht „%1“</translation>
    </message>
</context>
<context>
    <name>PortDiscovery</name>
    <message>
        <source>%1 (not connected)</source>
        <translation>%1 (nicht angeschlossen)</translation>
    </message>
</context>
<context>
    <name>ProfileActions</name>
    <message>
        <source>Error Opening File</source>
        <translation>Fehler beim Öffnen der Datei</translation>
    </message>
    <message>
        <source>Load Configuration</source>
        <translation>Konfiguration laden</translation>
    </message>
</context>
<context>
    <name>ProfileFile</name>
    <message>
        <source>Varimonde Printer Profile (*.vsp)|*.vsp|All Files(*.*)|*.*</source>
        <translation>Varimonde-Druckerprofil (*.vsp)|*.vsp|Alle Dateien(*.*)|*.*</translation>
    </message>
</context>
<context>
    <name>SendLog</name>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Verbindung</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Gesendet</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Sent</source>
        <comment>a send&apos;s outcome</comment>
        <translation>Gesendet</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <comment>a send&apos;s outcome</comment>
        <translation>Abgebrochen</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>... %1 bytes not kept ...</source>
        <translation>... %1 Byte nicht aufbewahrt ...</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 Byte</translation>
    </message>
    <message>
        <source>%1 of %2 bytes delivered</source>
        <translation>%1 von %2 Byte zugestellt</translation>
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
        <translation>Verbinde mit %1…</translation>
    </message>
    <message>
        <source>Sending to %1…</source>
        <translation>Sende an %1…</translation>
    </message>
    <message>
        <source>Printer Not Ready</source>
        <translation>Drucker nicht bereit</translation>
    </message>
    <message>
        <source>Send to %1</source>
        <translation>An %1 senden</translation>
    </message>
    <message>
        <source>Apply the change first?</source>
        <translation>Die Änderung zuerst übernehmen?</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>SnmpAnswer</name>
    <message>
        <source>ten-thousandths of an inch</source>
        <translation>Zehntausendstel Zoll</translation>
    </message>
    <message>
        <source>micrometers</source>
        <translation>Mikrometer</translation>
    </message>
    <message>
        <source>characters</source>
        <translation>Zeichen</translation>
    </message>
    <message>
        <source>lines</source>
        <translation>Zeilen</translation>
    </message>
    <message>
        <source>impressions</source>
        <translation>Drucke</translation>
    </message>
    <message>
        <source>sheets</source>
        <translation>Blatt</translation>
    </message>
    <message>
        <source>dot rows</source>
        <translation>Punktzeilen</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>Stunden</translation>
    </message>
    <message>
        <source>feet</source>
        <translation>Fuß</translation>
    </message>
    <message>
        <source>meters</source>
        <translation>Meter</translation>
    </message>
    <message>
        <source>other</source>
        <translation>sonstige Einheit</translation>
    </message>
    <message>
        <source>%1 d %2:%3:%4</source>
        <translation>%1 T %2:%3:%4</translation>
    </message>
</context>
<context>
    <name>StorageCommands</name>
    <message>
        <source>The identifier contains a control character (%1), which the printer would take as part of a command. Use letters, digits and symbols.</source>
        <translation>Der Bezeichner enthält ein Steuerzeichen (%1), das der Drucker als Teil eines Befehls nähme. Verwenden Sie Buchstaben, Ziffern und Symbole.</translation>
    </message>
    <message>
        <source>The identifier contains “%1”, which the printer cannot receive. Use letters, digits and symbols of Western European text.</source>
        <translation>Der Bezeichner enthält „%1“, das der Drucker nicht empfangen kann. Verwenden Sie Buchstaben, Ziffern und Symbole westeuropäischer Schrift.</translation>
    </message>
    <message>
        <source>Valid Identifier must be no more than 8 characters.</source>
        <translation>Ein gültiger Bezeichner hat höchstens 8 Zeichen.</translation>
    </message>
    <message>
        <source>Identifier must be 8 chars or less</source>
        <translation>Der Bezeichner darf höchstens 8 Zeichen haben</translation>
    </message>
    <message>
        <source>Invalid Quantity: enter a whole number of labels from 1 to 32767</source>
        <translation>Ungültige Anzahl: geben Sie eine ganze Zahl von Etiketten von 1 bis 32767 ein</translation>
    </message>
</context>
<context>
    <name>StoragePage</name>
    <message>
        <source>Graphic Storage</source>
        <translation>Grafikspeicher</translation>
    </message>
    <message>
        <source>Graphic Type</source>
        <translation>Grafikformat</translation>
    </message>
    <message>
        <source>Select Bitmap</source>
        <translation>Bitmap wählen</translation>
    </message>
    <message>
        <source>&amp;BMP</source>
        <translation>&amp;BMP</translation>
    </message>
    <message>
        <source>Select PCX</source>
        <translation>PCX wählen</translation>
    </message>
    <message>
        <source>PC&amp;X</source>
        <translation>PC&amp;X</translation>
    </message>
    <message>
        <source>Graphic File</source>
        <translation>Grafikdatei</translation>
    </message>
    <message>
        <source>Bro&amp;wse</source>
        <translation>D&amp;urchsuchen</translation>
    </message>
    <message>
        <source>Send stored graphics / programs to printer</source>
        <translation>Grafik oder Programm im Drucker speichern</translation>
    </message>
    <message>
        <source>&amp;Store Graphic to Printer</source>
        <translation>&amp;Grafik speichern</translation>
    </message>
    <message>
        <source>File Size:</source>
        <translation>Größe:</translation>
    </message>
    <message>
        <source>0 Bytes</source>
        <translation>0 Byte</translation>
    </message>
    <message>
        <source>Storing Progress</source>
        <translation>Speicherfortschritt</translation>
    </message>
    <message>
        <source>Stop the transfer to the printer (Esc)</source>
        <translation>Übertragung zum Drucker abbrechen (Esc)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Graphic Preview</source>
        <translation>Grafikvorschau</translation>
    </message>
    <message>
        <source>Make a black-and-white (1-bit) BMP from a picture of any kind</source>
        <translation>Ein Schwarzweiß-BMP (1 Bit) aus einem beliebigen Bild erzeugen</translation>
    </message>
    <message>
        <source>Con&amp;vert…</source>
        <translation>U&amp;mwandeln…</translation>
    </message>
    <message>
        <source>Note: You may only store BLACK AND WHITE Images</source>
        <translation>Hinweis: Nur SCHWARZWEISS-Bilder speicherbar</translation>
    </message>
    <message>
        <source>Stored Formats</source>
        <translation>Gespeicherte Formate</translation>
    </message>
    <message>
        <source>Format Type</source>
        <translation>Formatart</translation>
    </message>
    <message>
        <source>Program is already named.  User will not be prompted.</source>
        <translation>Das Programm ist schon benannt; es wird nicht nachgefragt.</translation>
    </message>
    <message>
        <source>Pri&amp;nt Format</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>Converts standard formats to stored formats.  The user will be prompted for the stored formats name</source>
        <translation>Wandelt übliche Formate in Speicherformate um. Der Name für das gespeicherte Objekt wird abgefragt</translation>
    </message>
    <message>
        <source>Store Form&amp;at</source>
        <translation>Spei&amp;chern</translation>
    </message>
    <message>
        <source>Format File</source>
        <translation>Formatdatei</translation>
    </message>
    <message>
        <source>B&amp;rowse</source>
        <translation>Du&amp;rchsuchen</translation>
    </message>
    <message>
        <source>Prin&amp;t Format</source>
        <translation>Format dr&amp;ucken</translation>
    </message>
    <message>
        <source>View File</source>
        <translation>Ansehen</translation>
    </message>
    <message>
        <source>Prints list of all stored formats / graphics</source>
        <translation>Druckt eine Liste aller gespeicherten Formate und Grafiken</translation>
    </message>
    <message>
        <source>L&amp;ist Stored Objects</source>
        <translation>Aufliste&amp;n</translation>
    </message>
    <message>
        <source> Note: Removing stored objects from the printer increases available memory.</source>
        <translation> Hinweis: Gespeicherte Objekte vom Drucker zu entfernen, gibt Speicher frei.</translation>
    </message>
    <message>
        <source>&amp;Delete Stored Object</source>
        <translation>Lö&amp;schen</translation>
    </message>
    <message>
        <source>Prints sample of stored object</source>
        <translation>Druckt ein Muster des gespeicherten Objekts</translation>
    </message>
    <message>
        <source>Recall Stored &amp;Object</source>
        <translation>&amp;Objekt abrufen</translation>
    </message>
    <message>
        <source>Recall Type</source>
        <translation>Abrufart</translation>
    </message>
    <message>
        <source>Recall I&amp;mage</source>
        <translation>B&amp;ild</translation>
    </message>
    <message>
        <source>Recall &amp;Format</source>
        <translation>&amp;Format</translation>
    </message>
    <message>
        <source>Drawing…</source>
        <translation>Zeichne…</translation>
    </message>
    <message>
        <source>Not a 1-bit %1 the printer takes</source>
        <translation>Kein 1-Bit-%1, wie der Drucker es annimmt</translation>
    </message>
    <message>
        <source>Cannot be stored as %1</source>
        <translation>Kann nicht als %1 gespeichert werden</translation>
    </message>
    <message>
        <source>&amp;Print Format</source>
        <translation>Forma&amp;t drucken</translation>
    </message>
    <message>
        <source>Store Format to Prin&amp;ter</source>
        <translation>Forma&amp;t speichern</translation>
    </message>
    <message>
        <source>DATA STORAGE</source>
        <translation>DATENSPEICHER</translation>
    </message>
    <message>
        <source>READ INTO MEMORY</source>
        <translation>IN DEN SPEICHER GELESEN</translation>
    </message>
    <message>
        <source>Out of memory: %1 is too large to send as a label format.</source>
        <translation>Zu wenig Speicher: %1 ist zu groß, um als Etikettenformat gesendet zu werden.</translation>
    </message>
    <message>
        <source>Pictures (*.bmp;*.pcx)|*.bmp;*.pcx</source>
        <translation>Bilder (*.bmp;*.pcx)|*.bmp;*.pcx</translation>
    </message>
    <message>
        <source>%1 Bytes</source>
        <translation>%1 Byte</translation>
    </message>
    <message>
        <source>READING INTO MEMORY</source>
        <translation>WIRD IN DEN SPEICHER GELESEN</translation>
    </message>
    <message>
        <source>READING FAILED</source>
        <translation>LESEN FEHLGESCHLAGEN</translation>
    </message>
    <message>
        <source>CONVERTED INTO MEMORY</source>
        <translation>UMGEWANDELT IM SPEICHER</translation>
    </message>
    <message>
        <source>No graphic has been read. Use Browse to choose one first.</source>
        <translation>Es wurde keine Grafik gelesen. Zuerst mit Durchsuchen eine wählen.</translation>
    </message>
    <message>
        <source>Enter Identifier</source>
        <translation>Kennung eingeben</translation>
    </message>
    <message>
        <source>SENDING FILE TO PRINTER</source>
        <translation>DATEI WIRD AN DEN DRUCKER GESENDET</translation>
    </message>
    <message>
        <source>Sending</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>FINISHED STORING %1</source>
        <translation>%1 GESPEICHERT</translation>
    </message>
    <message>
        <source>STORING CANCELLED</source>
        <translation>SPEICHERN ABGEBROCHEN</translation>
    </message>
    <message>
        <source>STORING FAILED</source>
        <translation>SPEICHERN FEHLGESCHLAGEN</translation>
    </message>
    <message>
        <source>Text Files(*.txt)|*.txt|All Files(*.*)|*.*</source>
        <translation>Textdateien(*.txt)|*.txt|Alle Dateien(*.*)|*.*</translation>
    </message>
    <message>
        <source>You must select a pre-created label format.</source>
        <translation>Sie müssen ein vorbereitetes Etikettenformat wählen.</translation>
    </message>
    <message>
        <source>You must select a label file to send to the printer.</source>
        <translation>Sie müssen eine Etikettendatei wählen, die an den Drucker gesendet wird.</translation>
    </message>
    <message>
        <source>Label Format Printing</source>
        <translation>Etikettenformat drucken</translation>
    </message>
    <message>
        <source>Enter Format Identifier</source>
        <translation>Kennung des Formats eingeben</translation>
    </message>
    <message>
        <source>8 Characters or less please</source>
        <translation>Bitte höchstens 8 Zeichen</translation>
    </message>
    <message>
        <source>File Format Storage</source>
        <translation>Format speichern</translation>
    </message>
    <message>
        <source>Enter Stored Graphic to Print</source>
        <translation>Zu druckende gespeicherte Grafik eingeben</translation>
    </message>
    <message>
        <source>Enter Label Format to Print</source>
        <translation>Zu druckendes Etikettenformat eingeben</translation>
    </message>
    <message>
        <source>Enter Quantity</source>
        <translation>Anzahl eingeben</translation>
    </message>
    <message>
        <source>Delete Stored Object</source>
        <translation>Gespeichertes Objekt löschen</translation>
    </message>
    <message>
        <source>Enter Identifier of Object to Delete</source>
        <translation>Kennung des zu löschenden Objekts eingeben</translation>
    </message>
    <message>
        <source>Graphic %1, %2 bytes</source>
        <translation>Grafik %1, %2 Byte</translation>
    </message>
    <message>
        <source>Label format %1</source>
        <translation>Etikettenformat %1</translation>
    </message>
    <message>
        <source>Label format %1, stored as %2</source>
        <translation>Etikettenformat %1, gespeichert als %2</translation>
    </message>
    <message>
        <source>Recall graphic %1</source>
        <translation>Grafik %1 abrufen</translation>
    </message>
    <message>
        <source>Recall format %1</source>
        <translation>Format %1 abrufen</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>%1 löschen</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
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
        <translation>der Drucker hat seit %1 s keine Daten angenommen</translation>
    </message>
    <message>
        <source>%1/s</source>
        <translation>%1/s</translation>
    </message>
    <message>
        <source>about %1 left</source>
        <translation>noch etwa %1</translation>
    </message>
    <message>
        <source>%1 %2 of %3</source>
        <translation>%1: %2 von %3</translation>
    </message>
</context>
</TS>
