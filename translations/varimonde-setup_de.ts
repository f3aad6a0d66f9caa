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
        <source>This printer has no raw port: it was only named (over IPP), and nothing is sent to an IPP port.</source>
        <translation>Dieser Drucker hat keinen Raw-Port: Er wurde nur genannt (über IPP), und an einen IPP-Port wird nichts gesendet.</translation>
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
</context>
</TS>
