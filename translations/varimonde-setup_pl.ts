<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>AboutPage</name>
    <message>
        <source>Varimonde Printer Setup Utility</source>
        <translation>Narzędzie konfiguracji drukarek Varimonde</translation>
    </message>
    <message>
        <source>Utility Version 1.00</source>
        <translation>Wersja narzędzia 1.00</translation>
    </message>
    <message>
        <source>Language: English</source>
        <translation>Język: angielski</translation>
    </message>
    <message>
        <source>Provides direct link to Varimonde&apos;s web page</source>
        <translation>Otwiera stronę internetową Varimonde</translation>
    </message>
    <message>
        <source>Contact Varimonde Technical Support via e-mail</source>
        <translation>Napisz do pomocy technicznej Varimonde</translation>
    </message>
    <message>
        <source>Utility Version %1.%2</source>
        <translation>Wersja narzędzia %1.%2</translation>
    </message>
    <message>
        <source>Language: %1</source>
        <translation>Język: %1</translation>
    </message>
</context>
<context>
    <name>BinaryPage</name>
    <message>
        <source>Binary File</source>
        <translation>Plik binarny</translation>
    </message>
    <message>
        <source>Load &amp;Binary File To Memory.</source>
        <translation>Wczytaj plik &amp;binarny do pamięci</translation>
    </message>
    <message>
        <source>Use to upload new firmware to printer</source>
        <translation>Wyślij nowe oprogramowanie do drukarki</translation>
    </message>
    <message>
        <source>Upload to Pri&amp;nter</source>
        <translation>Wyślij do d&amp;rukarki</translation>
    </message>
    <message>
        <source>Stop the transfer to the printer (Esc)</source>
        <translation>Przerwij wysyłanie do drukarki (Esc)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <source>Binary File Information/Status</source>
        <translation>Plik binarny: informacje/stan</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>Nazwa pliku:</translation>
    </message>
    <message>
        <source>None Loaded</source>
        <translation>Nie wczytano</translation>
    </message>
    <message>
        <source>File Size:</source>
        <translation>Rozmiar:</translation>
    </message>
    <message>
        <source>0 Bytes</source>
        <translation>0 bajtów</translation>
    </message>
    <message>
        <source>No file loaded in Memory</source>
        <translation>Brak pliku w pamięci</translation>
    </message>
    <message>
        <source>No File Loaded to Printer</source>
        <translation>Nie wysłano pliku do drukarki</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Postęp</translation>
    </message>
    <message>
        <source>You must select a file to load into memory.</source>
        <translation>Wybierz plik do wczytania do pamięci.</translation>
    </message>
    <message>
        <source>%1 Bytes</source>
        <translation>%1 bajtów</translation>
    </message>
    <message>
        <source>Loading file into Memory</source>
        <translation>Wczytywanie pliku do pamięci</translation>
    </message>
    <message>
        <source>Loading Failed: no file in Memory</source>
        <translation>Wczytanie nieudane: brak pliku w pamięci</translation>
    </message>
    <message>
        <source>Firmware %1, %2 bytes, SHA-256 %3</source>
        <translation>Firmware %1, %2 bajtów, SHA-256 %3</translation>
    </message>
    <message>
        <source>File Loaded into Memory</source>
        <translation>Plik wczytany do pamięci</translation>
    </message>
    <message>
        <source>SHA-256: </source>
        <translation>SHA-256: </translation>
    </message>
    <message>
        <source>Uploading File</source>
        <translation>Wysyłanie pliku</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Wysyłanie</translation>
    </message>
    <message>
        <source>Upload Cancelled</source>
        <translation>Wysyłanie anulowane</translation>
    </message>
    <message>
        <source>Firmware, none loaded</source>
        <translation>Firmware, nie wczytano</translation>
    </message>
    <message>
        <source>File Uploaded</source>
        <translation>Plik wysłany</translation>
    </message>
    <message>
        <source>Upload Failed</source>
        <translation>Wysyłanie nie powiodło się</translation>
    </message>
    <message>
        <source>All Files(*.*)|*.*</source>
        <translation>Wszystkie pliki(*.*)|*.*</translation>
    </message>
</context>
<context>
    <name>CalibrationBlocks</name>
    <message>
        <source>Index type must be BAR or GAP</source>
        <translation>Typ indeksu musi być BAR lub GAP</translation>
    </message>
    <message>
        <source>CALIBRATION</source>
        <translation>KALIBRACJA</translation>
    </message>
    <message>
        <source>Print Type must be DT or TT</source>
        <translation>Typ druku musi być DT lub TT</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Kalibracja</translation>
    </message>
    <message>
        <source>Type must be Wax, Wax/Resin, or Preimum Resin</source>
        <translation>Typ musi być Wosk, Wosk/Żywica lub Żywica Premium</translation>
    </message>
</context>
<context>
    <name>CalibrationPage</name>
    <message>
        <source>Calibration Information</source>
        <translation>Dane kalibracji</translation>
    </message>
    <message>
        <source>&amp;Index Type:</source>
        <translation>Zn&amp;acznik:</translation>
    </message>
    <message>
        <source>Index Type:</source>
        <translation>Typ znacznika:</translation>
    </message>
    <message>
        <source>Printer &amp;Type:</source>
        <translation>&amp;Tryb:</translation>
    </message>
    <message>
        <source>Printer Type:</source>
        <translation>Tryb druku:</translation>
    </message>
    <message>
        <source>Ribbon Information</source>
        <translation>Taśma barwiąca</translation>
    </message>
    <message>
        <source>Ribbon Material:</source>
        <translation>Taśma:</translation>
    </message>
    <message>
        <source>To determine ribbon material, look at the foil lead of your Varimonde-brand ribbon:</source>
        <translation>Rodzaj taśmy barwiącej poznasz po kolorze rozbiegu taśmy Varimonde:</translation>
    </message>
    <message>
        <source>Blue = WAX</source>
        <translation>Nieb. = wosk</translation>
    </message>
    <message>
        <source>Silver = WAX/RESIN Combo</source>
        <translation>Srebrna = wosk/żywica</translation>
    </message>
    <message>
        <source>Gold = PREMIUM RESIN</source>
        <translation>Złota = żywica premium</translation>
    </message>
    <message>
        <source>Before Calibrating your printer, make sure your labels and ribbon (if applicable) are properly loaded.  The labels should be print-side up, aligned against the left hand side of the printer so that they pass over the appropriate sensor.</source>
        <translation>Przed kalibracją drukarki sprawdź, czy etykiety i taśma barwiąca (jeśli jest używana) są prawidłowo założone. Etykiety leżą stroną do druku do góry i przylegają do lewej strony drukarki, tak aby przechodziły nad właściwym czujnikiem.</translation>
    </message>
    <message>
        <source>&amp;Calibrate Printer</source>
        <translation>&amp;Kalibruj</translation>
    </message>
    <message>
        <source>Printer Test Label</source>
        <translation>Etykieta testowa</translation>
    </message>
    <message>
        <source>Test Label Type</source>
        <translation>Rodzaj etykiety testowej</translation>
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
        <translation>&amp;Drukuj etykietę</translation>
    </message>
    <message>
        <source>&amp;Ribbon Material:</source>
        <translation>Taś&amp;ma:</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Kalibracja</translation>
    </message>
    <message>
        <source>Test label %1</source>
        <translation>Etykieta testowa %1</translation>
    </message>
</context>
<context>
    <name>CommPage</name>
    <message>
        <source>Communications</source>
        <translation>Połączenie</translation>
    </message>
    <message>
        <source>&amp;Serial Communications</source>
        <translation>Port &amp;szeregowy</translation>
    </message>
    <message>
        <source>&amp;ParallelCommunications</source>
        <translation>Port &amp;równoległy</translation>
    </message>
    <message>
        <source>&amp;USB Printer</source>
        <translation>Drukarka &amp;USB</translation>
    </message>
    <message>
        <source>&amp;Network</source>
        <translation>Sie&amp;ć</translation>
    </message>
    <message>
        <source>Serial Comm</source>
        <translation>Szeregowy</translation>
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
        <translation>&amp;Bodów:</translation>
    </message>
    <message>
        <source>BAUD:</source>
        <translation>Bodów:</translation>
    </message>
    <message>
        <source>PA&amp;RITY:</source>
        <translation>Parzys&amp;tość:</translation>
    </message>
    <message>
        <source>PARITY:</source>
        <translation>Parzystość:</translation>
    </message>
    <message>
        <source>&amp;DATABITS:</source>
        <translation>&amp;Dane:</translation>
    </message>
    <message>
        <source>DATABITS:</source>
        <translation>Bity danych:</translation>
    </message>
    <message>
        <source>S&amp;TOPBITS:</source>
        <translation>St&amp;op:</translation>
    </message>
    <message>
        <source>STOPBITS:</source>
        <translation>Bity stopu:</translation>
    </message>
    <message>
        <source>Default Varimonde Settings:</source>
        <translation>Domyślne ustawienia Varimonde:</translation>
    </message>
    <message>
        <source>9600,N,8,1</source>
        <translation>9600,N,8,1</translation>
    </message>
    <message>
        <source>&amp;Apply </source>
        <translation>Z&amp;astosuj</translation>
    </message>
    <message>
        <source>Not applied</source>
        <translation>Nieaktywne</translation>
    </message>
    <message>
        <source>The port or line settings shown are not in force until Apply is pressed.</source>
        <translation>Pokazane ustawienia obowiązują dopiero po „Zastosuj”.</translation>
    </message>
    <message>
        <source>Parallel Comm</source>
        <translation>Równoległy</translation>
    </message>
    <message>
        <source>Select Parallel Port</source>
        <translation>Wybierz port równoległy</translation>
    </message>
    <message>
        <source>Parallel Port</source>
        <translation>Port równoległy</translation>
    </message>
    <message>
        <source>Select Parallel Port the Printer is connected to on the PC.</source>
        <translation>Wybierz port równoległy komputera, do którego podłączona jest drukarka.</translation>
    </message>
    <message>
        <source>USB Printer</source>
        <translation>Drukarka USB</translation>
    </message>
    <message>
        <source>Select the USB printer</source>
        <translation>Wybierz drukarkę USB</translation>
    </message>
    <message>
        <source>The USB printers connected now, with maker and model. The list follows printers as they are plugged in or out.</source>
        <translation>Drukarki USB podłączone teraz, z producentem i modelem. Lista nadąża za podłączaniem i odłączaniem drukarek.</translation>
    </message>
    <message>
        <source>Network Printer</source>
        <translation>Drukarka sieciowa</translation>
    </message>
    <message>
        <source>&amp;Host:</source>
        <translation>&amp;Host:</translation>
    </message>
    <message>
        <source>name or IP address</source>
        <translation>nazwa lub adres IP</translation>
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
        <translation>Nazwa sieciowa lub adres IPv4 albo IPv6 drukarki oraz jej port druku bezpośredniego: 9100 w większości drukarek.</translation>
    </message>
    <message>
        <source>&amp;Give up after</source>
        <translation>&amp;Przerwij po</translation>
    </message>
    <message>
        <source>Seconds without an answer</source>
        <translation>Sekundy bez odpowiedzi</translation>
    </message>
    <message>
        <source>s without an answer and</source>
        <translation>s bez odpowiedzi i</translation>
    </message>
    <message>
        <source>Seconds without progress</source>
        <translation>Sekundy bez postępu</translation>
    </message>
    <message>
        <source>s without progress</source>
        <translation>s bez postępu</translation>
    </message>
    <message>
        <source>F&amp;ind Printers…</source>
        <translation>&amp;Wyszukaj…</translation>
    </message>
    <message>
        <source>Look for printers on the network and pick one.</source>
        <translation>Wyszukaj drukarki w sieci i wybierz jedną.</translation>
    </message>
    <message>
        <source>The address shown is not in force until Apply is pressed.</source>
        <translation>Pokazany adres obowiązuje dopiero po „Zastosuj”.</translation>
    </message>
    <message>
        <source>A send fails when the printer gives no answer at all for this long: it is off, or the line is cut.</source>
        <translation>Wysyłka kończy się błędem, gdy drukarka przez ten czas w ogóle nie odpowiada: jest wyłączona albo linia jest przerwana.</translation>
    </message>
    <message>
        <source>A send fails when the printer still answers but takes no data for this long: check paper, ribbon and the printer&apos;s display.</source>
        <translation>Wysyłka kończy się błędem, gdy drukarka wciąż odpowiada, ale przez ten czas nie przyjmuje danych: sprawdź papier, taśmę i wyświetlacz drukarki.</translation>
    </message>
    <message>
        <source>Utility Settings</source>
        <translation>Ustawienia programu</translation>
    </message>
    <message>
        <source>Invalid Value in COMM Settings</source>
        <translation>Nieprawidłowa wartość w ustawieniach połączenia</translation>
    </message>
    <message>
        <source>No such USB printer</source>
        <translation>Nie ma takiej drukarki USB</translation>
    </message>
    <message>
        <source>No such link</source>
        <translation>Nie ma takiego połączenia</translation>
    </message>
    <message>
        <source>No USB printer found</source>
        <translation>Nie znaleziono drukarki USB</translation>
    </message>
</context>
<context>
    <name>CommandLineHelp</name>
    <message>
        <source>After --calibrate: DT (direct thermal) or TT (thermal transfer).</source>
        <translation>Po --calibrate: DT (druk termiczny bezpośredni) lub TT (termotransfer).</translation>
    </message>
    <message>
        <source>After --calibrate with TT: WAX (0, the default), &quot;WAX/RESIN COMBO&quot; (1) or &quot;PREMIUM RESIN&quot; (2).</source>
        <translation>Po --calibrate z TT: WAX (0, domyślnie), &quot;WAX/RESIN COMBO&quot; (1) lub &quot;PREMIUM RESIN&quot; (2).</translation>
    </message>
    <message>
        <source>After --store-graphic or --store-format: the identifier, at most 8 characters.</source>
        <translation>Po --store-graphic lub --store-format: identyfikator, najwyżej 8 znaków.</translation>
    </message>
    <message>
        <source>After --store-graphic: the file is a PCX.</source>
        <translation>Po --store-graphic: plik jest w formacie PCX.</translation>
    </message>
    <message>
        <source>After --store-graphic: make the picture (PNG, JPEG, GIF, BMP) a 1-bit BMP, dots darker than the threshold black.</source>
        <translation>Po --store-graphic: zamienić obraz (PNG, JPEG, GIF, BMP) na 1-bitowy BMP; punkty ciemniejsze od progu stają się czarne.</translation>
    </message>
    <message>
        <source>With --convert: spread the greys by error diffusion.</source>
        <translation>Z --convert: rozproszyć szarości metodą dyfuzji błędu.</translation>
    </message>
    <message>
        <source>With --convert: the grey (1-255, default 128) below which a dot is black.</source>
        <translation>Z --convert: szarość (1-255, domyślnie 128), poniżej której punkt jest czarny.</translation>
    </message>
    <message>
        <source>With --convert: scale to this many dots across, keeping the aspect (the printer prints 203 dots an inch).</source>
        <translation>Z --convert: przeskalować do tylu punktów szerokości, z zachowaniem proporcji (drukarka drukuje 203 punkty na cal).</translation>
    </message>
    <message>
        <source>With --convert: swap black and white.</source>
        <translation>Z --convert: zamienić czerń i biel.</translation>
    </message>
    <message>
        <source>After --recall-format: how many labels.</source>
        <translation>Po --recall-format: ile etykiet.</translation>
    </message>
    <message>
        <source>A printer to send to; give it once for each printer.</source>
        <translation>Drukarka, do której wysłać; podaj raz dla każdej drukarki.</translation>
    </message>
    <message>
        <source>Read targets from a file, one a line; blank lines and comments (from a # at the start or after a blank) are skipped.</source>
        <translation>Wczytać cele z pliku, po jednym w wierszu; puste wiersze i komentarze (od # na początku lub po odstępie) są pomijane.</translation>
    </message>
    <message>
        <source>Send nothing: write what would be sent to each printer to standard output.</source>
        <translation>Nic nie wysyłać: wypisać na standardowe wyjście to, co otrzymałaby każda drukarka.</translation>
    </message>
    <message>
        <source>With --dry-run: write to a file instead; a name ending in .bmp gets the image of the one --convert alone.</source>
        <translation>Z --dry-run: zapisać zamiast tego do pliku; nazwa kończąca się na .bmp dostaje obraz jedynego --convert.</translation>
    </message>
    <message>
        <source>With --dry-run: a hex dump, one block per transmission.</source>
        <translation>Z --dry-run: zrzut szesnastkowy, jeden blok na transmisję.</translation>
    </message>
    <message>
        <source>At most this many printers at once (default: 1000 network and USB printers, one transfer per serial or parallel port).</source>
        <translation>Najwyżej tyle drukarek naraz (domyślnie: 1000 drukarek sieciowych i USB, jedna transmisja na port szeregowy lub równoległy).</translation>
    </message>
    <message>
        <source>Write a JSON report of every printer&apos;s outcome; with --dry-run, of what each would be sent.</source>
        <translation>Zapisać raport JSON z wyniku każdej drukarki; z --dry-run z tego, co otrzymałaby każda.</translation>
    </message>
    <message>
        <source>Seconds a printer may take no data before it has failed (default 10, at most 86400); a network printer: seconds it may leave us without any answer.</source>
        <translation>Liczba sekund, przez które drukarka może nie przyjmować danych, zanim jej wysyłanie zakończy się niepowodzeniem (domyślnie 10, najwyżej 86400); drukarka sieciowa: sekundy, przez które może nic nie odpowiadać.</translation>
    </message>
    <message>
        <source>Seconds a network printer that still answers may take no data before it has failed (default 60, at most 86400).</source>
        <translation>Liczba sekund, przez które drukarka sieciowa, która jeszcze odpowiada, może nie przyjmować danych, zanim jej wysyłanie zakończy się niepowodzeniem (domyślnie 60, najwyżej 86400).</translation>
    </message>
    <message>
        <source>Seconds to wait for a network printer to answer (default 5, at most 86400).</source>
        <translation>Liczba sekund oczekiwania na odpowiedź drukarki sieciowej (domyślnie 5, najwyżej 86400).</translation>
    </message>
    <message>
        <source>Write progress as JSON Lines events on standard output (start, progress, done, failed, cancelled); the summary then goes to standard error.</source>
        <translation>Wypisywać postęp jako zdarzenia JSON Lines na standardowe wyjście (start, progress, done, failed, cancelled); podsumowanie trafia wtedy na standardowe wyjście błędów.</translation>
    </message>
    <message>
        <source>Seconds between progress lines or events of each printer when standard error is not a terminal (default 10, at most 86400); one also comes at each tenth of the way.</source>
        <translation>Liczba sekund między wierszami lub zdarzeniami postępu każdej drukarki, gdy standardowe wyjście błędów nie jest terminalem (domyślnie 10, najwyżej 86400); jeden pojawia się też po każdej dziesiątej części.</translation>
    </message>
    <message>
        <source>Write only failures and the summary.</source>
        <translation>Wypisywać tylko niepowodzenia i podsumowanie.</translation>
    </message>
    <message>
        <source>The language of the texts (de, es, fr, it, ja, pl, pt_BR, zh_CN; en for English); without it the LANGUAGE variable and the locale decide. Reports, events and exit codes are the same in every language.</source>
        <translation>Język tekstów (de, es, fr, it, ja, pl, pt_BR, zh_CN; en dla angielskiego); bez niej decydują zmienna LANGUAGE i ustawienia regionalne. Raporty, zdarzenia i kody wyjścia są takie same w każdym języku.</translation>
    </message>
    <message>
        <source>Send the configuration of a profile, as Upload Settings to Printer does after Import Profile.</source>
        <translation>Wysłać konfigurację z profilu, tak jak robi to „Wyślij do drukarki” po „Importuj”.</translation>
    </message>
    <message>
        <source>Calibrate media sensing for the index type; needs --print-type, and takes --ribbon for thermal transfer.</source>
        <translation>Skalibrować wykrywanie nośnika dla rodzaju znacznika; wymaga --print-type i przyjmuje --ribbon dla termotransferu.</translation>
    </message>
    <message>
        <source>Print test label 1 (4X3) or 2 (2.4X1).</source>
        <translation>Wydrukować etykietę testową 1 (4X3) lub 2 (2.4X1).</translation>
    </message>
    <message>
        <source>Store a 1-bit BMP graphic (PCX with --pcx) under the identifier given with --id; with --convert, any picture made into a 1-bit BMP.</source>
        <translation>Zapisać grafikę BMP 1-bitową (PCX z --pcx) pod identyfikatorem podanym w --id; z --convert dowolny obraz zamieniony na 1-bitowy BMP.</translation>
    </message>
    <message>
        <source>Print a label format file as it is.</source>
        <translation>Wydrukować plik formatu etykiety bez zmian.</translation>
    </message>
    <message>
        <source>Store a label format file under the identifier of --id.</source>
        <translation>Zapisać plik formatu etykiety pod identyfikatorem z --id.</translation>
    </message>
    <message>
        <source>Print a stored graphic.</source>
        <translation>Wydrukować zapisaną grafikę.</translation>
    </message>
    <message>
        <source>Print a stored format, --quantity labels (1 unless given).</source>
        <translation>Wydrukować zapisany format, --quantity etykiet (1, jeśli nie podano).</translation>
    </message>
    <message>
        <source>Delete a stored graphic or format.</source>
        <translation>Usunąć zapisaną grafikę lub format.</translation>
    </message>
    <message>
        <source>Have the printer print the list of stored objects.</source>
        <translation>Kazać drukarce wydrukować listę zapisanych obiektów.</translation>
    </message>
    <message>
        <source>Upload a firmware image; its SHA-256 is shown first.</source>
        <translation>Wgrać obraz oprogramowania układowego; najpierw wyświetlany jest jego SHA-256.</translation>
    </message>
    <message>
        <source>Send a file&apos;s bytes unchanged.</source>
        <translation>Wysłać bajty pliku bez zmian.</translation>
    </message>
    <message>
        <source>Sets up Varimonde thermal label printers without a window: sends each printer the same bytes as the window&apos;s buttons would, to one printer or many at once.
Without options the window opens.

Targets: COMn[:baud,parity,data,stop], a serial device path[:settings], LPT1, LPT2, usb:DEVICE, tcp://HOST[:PORT] (9100 unless given; an IPv6 address in brackets).
Actions run in the order given, the same on every printer; each printer&apos;s run stops at its first failure.

Exit status: 0 every printer done, 1 a printer failed, 2 bad arguments or input, 130 interrupted.</source>
        <translation>Konfiguruje termiczne drukarki etykiet Varimonde bez okna: wysyła każdej drukarce te same bajty co przyciski okna, do jednej drukarki lub do wielu naraz.
Bez opcji otwiera się okno.

Cele: COMn[:baud,parity,data,stop], ścieżka urządzenia szeregowego[:ustawienia], LPT1, LPT2, usb:DEVICE, tcp://HOST[:PORT] (9100, jeśli nie podano; adres IPv6 w nawiasach kwadratowych).
Akcje wykonują się w podanej kolejności, takie same na każdej drukarce; praca każdej drukarki kończy się na jej pierwszym niepowodzeniu.

Kod wyjścia: 0 każda drukarka gotowa, 1 drukarka zawiodła, 2 błędne argumenty lub dane, 130 przerwano.</translation>
    </message>
    <message>
        <source>Show this help and end.</source>
        <translation>Wyświetlić tę pomoc i zakończyć.</translation>
    </message>
    <message>
        <source>Show the version and end.</source>
        <translation>Wyświetlić wersję i zakończyć.</translation>
    </message>
    <message>
        <source>Find network printers: sweep the --range given (port 9100), browse DNS-SD with --dns-sd, and ask each over SNMP; prints a table (JSON with --report).</source>
        <translation>Znaleźć drukarki sieciowe: przeszukać zakres podany w --range (port 9100), przeglądać DNS-SD z --dns-sd i zapytać każdą przez SNMP; wypisuje tabelę (JSON z --report).</translation>
    </message>
    <message>
        <source>With --discover: a CIDR range (at most /22) or a host; repeatable.</source>
        <translation>Z --discover: zakres CIDR (najwyżej /22) lub host; można powtarzać.</translation>
    </message>
    <message>
        <source>With --discover: a raw port to try besides 9100; repeatable.</source>
        <translation>Z --discover: port raw do wypróbowania oprócz 9100; można powtarzać.</translation>
    </message>
    <message>
        <source>With --discover: also browse DNS-SD (_pdl-datastream, _printer, _ipp) through the Avahi daemon.</source>
        <translation>Z --discover: przeglądać też DNS-SD (_pdl-datastream, _printer, _ipp) przez demona Avahi.</translation>
    </message>
    <message>
        <source>With --discover: write a targets file of the printers found. A file that --discover did not write is not replaced without --force.</source>
        <translation>Z --discover: zapisać plik celów ze znalezionymi drukarkami. Plik, którego nie zapisało --discover, nie jest zastępowany bez --force.</translation>
    </message>
    <message>
        <source>With --write-targets: replace the file even when it was not written by --discover (a targets file made by hand).</source>
        <translation>Z --write-targets: zastąpić plik, nawet jeśli nie zapisało go --discover (plik celów przygotowany ręcznie).</translation>
    </message>
    <message>
        <source>Read the status of every network target over SNMP; the exit status is 1 when any reports an error or does not answer. A printer on a serial, parallel or USB line cannot be asked: it is listed and counted apart.</source>
        <translation>Odczytać przez SNMP stan każdego celu sieciowego; kod wyjścia to 1, gdy któryś zgłasza błąd lub nie odpowiada. Drukarki na łączu szeregowym, równoległym lub USB nie można zapytać: jest wymieniana i liczona osobno.</translation>
    </message>
    <message>
        <source>Read the SNMP secrets from a file only its owner may read, or from standard input (-): lines community=NAME, auth=PHRASE, priv=PHRASE.</source>
        <translation>Wczytać sekrety SNMP z pliku, który może czytać tylko jego właściciel, lub ze standardowego wejścia (-): wiersze community=NAME, auth=PHRASE, priv=PHRASE.</translation>
    </message>
    <message>
        <source>The SNMP v2c community (default public); other users see it: prefer --snmp-secrets.</source>
        <translation>Społeczność SNMP v2c (domyślnie public); inni użytkownicy ją widzą: lepiej --snmp-secrets.</translation>
    </message>
    <message>
        <source>The UDP port printers answer SNMP on (default 161).</source>
        <translation>Port UDP, na którym drukarki odpowiadają przez SNMP (domyślnie 161).</translation>
    </message>
    <message>
        <source>Ask over SNMP v3 as this user.</source>
        <translation>Pytać przez SNMP v3 jako ten użytkownik.</translation>
    </message>
    <message>
        <source>With --snmp-user: the SHA authentication pass phrase; other users see it: prefer --snmp-secrets.</source>
        <translation>Z --snmp-user: hasło uwierzytelniania SHA; inni użytkownicy je widzą: lepiej --snmp-secrets.</translation>
    </message>
    <message>
        <source>With --snmp-user: the AES privacy pass phrase; other users see it: prefer --snmp-secrets.</source>
        <translation>Z --snmp-user: hasło szyfrowania AES; inni użytkownicy je widzą: lepiej --snmp-secrets.</translation>
    </message>
    <message>
        <source>With --status: also write one row per printer (name, location, model, serial, status, alerts, odometer, media, when read) to this file: CSV, or JSON when its name ends in .json.</source>
        <translation>Z --status: zapisać też po jednym wierszu na drukarkę (nazwa, lokalizacja, model, numer seryjny, stan, alerty, licznik, nośnik, czas odczytu) do tego pliku: CSV albo JSON, gdy nazwa kończy się na .json.</translation>
    </message>
    <message>
        <source>Read every network target over SNMP again and again, each at most once in this many seconds, and write a JSON line on standard output for each change (online, offline, status, alert-raised, alert-cleared) and each odometer read; Ctrl-C ends it (exit 130).</source>
        <translation>Odczytywać przez SNMP każdy cel sieciowy raz po raz, każdy najwyżej raz na tyle sekund, i wypisywać wiersz JSON na standardowe wyjście przy każdej zmianie (online, offline, status, alert-raised, alert-cleared) i każdym odczycie licznika; Ctrl-C kończy (kod 130).</translation>
    </message>
    <message>
        <source>With --watch: serve the printers&apos; state for Prometheus at http://ADDRESS:PORT/metrics (port 0: any free port, said on standard error).</source>
        <translation>Z --watch: udostępniać stan drukarek dla Prometheusa pod http://ADDRESS:PORT/metrics (port 0: dowolny wolny port, podany na standardowym wyjściu błędów).</translation>
    </message>
    <message>
        <source>Send even to a network printer whose SNMP status reports an error (no paper, door open, jammed, offline).</source>
        <translation>Wysyłać nawet do drukarki sieciowej, której stan SNMP zgłasza błąd (brak papieru, otwarta pokrywa, zacięcie, offline).</translation>
    </message>
</context>
<context>
    <name>CommandLineText</name>
    <message>
        <source> Did you mean --%1?</source>
        <translation> Czy chodziło o --%1?</translation>
    </message>
    <message>
        <source>%1 goes with --convert</source>
        <translation>%1 idzie w parze z --convert</translation>
    </message>
    <message>
        <source>--convert makes a BMP: leave out --pcx</source>
        <translation>--convert tworzy BMP: pomiń --pcx</translation>
    </message>
    <message>
        <source>--dither and --threshold exclude each other</source>
        <translation>--dither i --threshold wykluczają się</translation>
    </message>
    <message>
        <source>--threshold takes a grey from %1 to %2, not &quot;%3&quot;</source>
        <translation>--threshold przyjmuje szarość od %1 do %2, nie „%3”</translation>
    </message>
    <message>
        <source>--width takes a number of dots from 1 to %1, not &quot;%2&quot;</source>
        <translation>--width przyjmuje liczbę punktów od 1 do %1, nie „%2”</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bajtów</translation>
    </message>
    <message>
        <source>%1 takes a whole number of at least 1, not &quot;%2&quot;</source>
        <translation>%1 przyjmuje liczbę całkowitą co najmniej 1, nie „%2”</translation>
    </message>
    <message>
        <source>%1 takes a whole number of seconds from 1 to %2, not &quot;%3&quot;</source>
        <translation>%1 przyjmuje całkowitą liczbę sekund od 1 do %2, nie „%3”</translation>
    </message>
    <message>
        <source>%1 belongs right after an action that takes it (%2)</source>
        <translation>%1 należy podać zaraz po akcji, która go przyjmuje (%2)</translation>
    </message>
    <message>
        <source>%1 is given twice for %2</source>
        <translation>%1 podano dwa razy dla %2</translation>
    </message>
    <message>
        <source>%1 needs %2</source>
        <translation>%1 wymaga %2</translation>
    </message>
    <message>
        <source>Firmware %1: %2, SHA-256 %3</source>
        <translation>Firmware %1: %2, SHA-256 %3</translation>
    </message>
    <message>
        <source>--%1 goes with --dry-run</source>
        <translation>--%1 idzie w parze z --dry-run</translation>
    </message>
    <message>
        <source>--progress takes json, not &quot;%1&quot;</source>
        <translation>--progress przyjmuje json, nie „%1”</translation>
    </message>
    <message>
        <source>--progress goes with a run that sends: leave out --dry-run</source>
        <translation>--progress dotyczy uruchomienia, które wysyła: pomiń --dry-run</translation>
    </message>
    <message>
        <source>--discover finds printers: leave out --to and --targets</source>
        <translation>--discover wyszukuje drukarki: pomiń --to i --targets</translation>
    </message>
    <message>
        <source>no printer to send to: give --to or --targets</source>
        <translation>brak drukarki, do której można wysłać: podaj --to lub --targets</translation>
    </message>
    <message>
        <source>%1 gives what the file gives: leave out one</source>
        <translation>%1 podaje to samo co plik: pomiń jedno z nich</translation>
    </message>
    <message>
        <source>nothing to send: give at least one action, such as --profile or --firmware</source>
        <translation>nic do wysłania: podaj co najmniej jedną akcję, np. --profile lub --firmware</translation>
    </message>
    <message>
        <source>--output %1 takes the image of one --convert, not %2</source>
        <translation>--output %1 przyjmuje obraz jednego --convert, nie %2</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;: targets go after --to</source>
        <translation>nieoczekiwany argument „%1”: cele podaje się po --to</translation>
    </message>
    <message>
        <source>--discover, --status and --watch send nothing: leave out the actions and --dry-run</source>
        <translation>--discover, --status i --watch niczego nie wysyłają: pomiń akcje i --dry-run</translation>
    </message>
    <message>
        <source>the report</source>
        <translation>raportu</translation>
    </message>
    <message>
        <source>varimonde-setup: interrupted before the output was written</source>
        <translation>varimonde-setup: przerwano przed zapisaniem wyjścia</translation>
    </message>
    <message>
        <source>varimonde-setup: cannot write the output: %1</source>
        <translation>varimonde-setup: nie można zapisać wyjścia: %1</translation>
    </message>
    <message>
        <source>Try &apos;varimonde-setup --help&apos; for more information.</source>
        <translation>Więcej informacji: &apos;varimonde-setup --help&apos;.</translation>
    </message>
    <message>
        <source>varimonde-setup: interrupted while the files were read</source>
        <translation>varimonde-setup: przerwano podczas czytania plików</translation>
    </message>
    <message>
        <source>varimonde-setup: interrupted before the bytes were shown</source>
        <translation>varimonde-setup: przerwano przed pokazaniem bajtów</translation>
    </message>
    <message>
        <source>--discover, --status and --watch exclude each other</source>
        <translation>--discover, --status i --watch wykluczają się</translation>
    </message>
    <message>
        <source>--inventory goes with --status</source>
        <translation>--inventory idzie w parze z --status</translation>
    </message>
    <message>
        <source>--metrics goes with --watch</source>
        <translation>--metrics idzie w parze z --watch</translation>
    </message>
    <message>
        <source>--%1 goes with --discover</source>
        <translation>--%1 idzie w parze z --discover</translation>
    </message>
    <message>
        <source>--force goes with --write-targets</source>
        <translation>--force idzie w parze z --write-targets</translation>
    </message>
    <message>
        <source>the targets file</source>
        <translation>pliku celów</translation>
    </message>
    <message>
        <source>the inventory</source>
        <translation>inwentarza</translation>
    </message>
    <message>
        <source>%1: not a network printer; its status cannot be read, it is not watched</source>
        <translation>%1: to nie drukarka sieciowa; nie można odczytać jej stanu, nie jest obserwowana</translation>
    </message>
    <message>
        <source>varimonde-setup: no network printer to watch</source>
        <translation>varimonde-setup: brak drukarki sieciowej do obserwowania</translation>
    </message>
    <message>
        <source>varimonde-setup: cannot serve metrics on %1</source>
        <translation>varimonde-setup: nie można udostępnić metryk na %1</translation>
    </message>
    <message>
        <source>serving metrics on http://%1:%2/metrics</source>
        <translation>metryki udostępniane na http://%1:%2/metrics</translation>
    </message>
    <message>
        <source>watched %1 printer for %2 s: %3 reads, %4 events; %5 online, %6 not</source>
        <translation>obserwowano %1 drukarkę przez %2 s: %3 odczytów, %4 zdarzeń; %5 dostępnych, %6 nie</translation>
    </message>
    <message>
        <source>watched %1 printers for %2 s: %3 reads, %4 events; %5 online, %6 not</source>
        <translation>obserwowano drukarki (%1) przez %2 s: %3 odczytów, %4 zdarzeń; %5 dostępnych, %6 nie</translation>
    </message>
    <message>
        <source>varimonde-setup: cannot write %1: %2</source>
        <translation>varimonde-setup: nie można zapisać %1: %2</translation>
    </message>
    <message>
        <source>sent %1 bytes in %2 s</source>
        <translation>wysłano %1 bajtów w %2 s</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <translation>niepowodzenie: %1</translation>
    </message>
    <message>
        <source>cancelled after %1 bytes</source>
        <translation>anulowano po %1 bajtach</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>nie można odczytać %1: %2</translation>
    </message>
    <message>
        <source>%1 holds more than %2 bytes: not a secrets file</source>
        <translation>%1 zawiera ponad %2 bajtów: to nie plik z sekretami</translation>
    </message>
    <message>
        <source>%1 is not community=, auth= or priv=</source>
        <translation>%1 to nie community=, auth= ani priv=</translation>
    </message>
    <message>
        <source>%1: %2 is empty</source>
        <translation>%1: %2 jest puste</translation>
    </message>
    <message>
        <source>%1: %2 holds a control character</source>
        <translation>%1: %2 zawiera znak sterujący</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>standardowe wejście</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2</source>
        <translation>nie można otworzyć %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 nie jest zwykłym plikiem</translation>
    </message>
    <message>
        <source>an empty target: %1</source>
        <translation>pusty cel: %1</translation>
    </message>
    <message>
        <source>target &quot;%1&quot;: %2</source>
        <translation>cel „%1”: %2</translation>
    </message>
    <message>
        <source>%1 of %2 bytes delivered</source>
        <translation>Dostarczono %1 z %2 bajtów</translation>
    </message>
    <message>
        <source>rate not known yet</source>
        <translation>szybkość jeszcze nieznana</translation>
    </message>
    <message>
        <source>time left not known</source>
        <translation>pozostały czas nieznany</translation>
    </message>
    <message>
        <source>sent</source>
        <translation>wysłano</translation>
    </message>
    <message>
        <source>--watch takes seconds from 1 to 86400, not &quot;%1&quot;</source>
        <translation>--watch przyjmuje sekundy od 1 do 86400, nie „%1”</translation>
    </message>
    <message>
        <source>--metrics takes ADDRESS:PORT, such as 127.0.0.1:9464 or [::1]:9464, not &quot;%1&quot;</source>
        <translation>--metrics przyjmuje ADRES:PORT, np. 127.0.0.1:9464 lub [::1]:9464, nie „%1”</translation>
    </message>
    <message>
        <source>--%1 takes a port from 1 to 65535, not &quot;%2&quot;</source>
        <translation>--%1 przyjmuje port od 1 do 65535, nie „%2”</translation>
    </message>
    <message>
        <source>--discover needs --range or --dns-sd: nothing is swept unless asked</source>
        <translation>--discover wymaga --range lub --dns-sd: nic nie jest przeszukiwane bez polecenia</translation>
    </message>
    <message>
        <source>pass phrases (--snmp-auth, --snmp-priv, auth=, priv=) go with --snmp-user</source>
        <translation>hasła (--snmp-auth, --snmp-priv, auth=, priv=) idą w parze z --snmp-user</translation>
    </message>
    <message>
        <source>--write-targets %1: the file was not written by --discover (a targets file made by hand?) and is left as it is; give --force to replace it</source>
        <translation>--write-targets %1: pliku nie zapisało --discover (plik celów zrobiony ręcznie?) i zostaje bez zmian; podaj --force, aby go zastąpić</translation>
    </message>
    <message>
        <source>SNMP privacy needs authentication: give --snmp-auth too</source>
        <translation>szyfrowanie SNMP wymaga uwierzytelniania: podaj też --snmp-auth</translation>
    </message>
    <message>
        <source>SNMP v3 pass phrases have at least 8 characters</source>
        <translation>hasła SNMP v3 mają co najmniej 8 znaków</translation>
    </message>
    <message>
        <source>the SNMP community is empty</source>
        <translation>społeczność SNMP jest pusta</translation>
    </message>
    <message>
        <source>an empty range</source>
        <translation>pusty zakres</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a host name or address</source>
        <translation>„%1” nie jest nazwą hosta ani adresem</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an IPv4 range such as 192.168.1.0/24</source>
        <translation>„%1” nie jest zakresem IPv4, takim jak 192.168.1.0/24</translation>
    </message>
    <message>
        <source>the range %1 is wider than /%2 (%3 addresses): give smaller ranges</source>
        <translation>zakres %1 jest szerszy niż /%2 (%3 adresów): podaj mniejsze zakresy</translation>
    </message>
</context>
<context>
    <name>ConfigPage</name>
    <message>
        <source>&amp;Darkness </source>
        <translation>Za&amp;czernienie</translation>
    </message>
    <message>
        <source>Darkness:</source>
        <translation>Wartość:</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Warning: Darkness Greater than 50 May Decrease the Life of the Printhead.</source>
        <translation>Uwaga: zaczernienie powyżej 50 może skrócić żywotność głowicy.</translation>
    </message>
    <message>
        <source>&amp;Width</source>
        <translation>&amp;Szerokość</translation>
    </message>
    <message>
        <source>Printer Width:</source>
        <translation>Szerokość:</translation>
    </message>
    <message>
        <source>416 represents 4.16 inches wide.  For 3.00 inch media use 300.</source>
        <translation>416 oznacza 4,16 cala szerokości. Dla materiału 3,00 cala wpisz 300.</translation>
    </message>
    <message>
        <source>416</source>
        <translation>416</translation>
    </message>
    <message>
        <source>Default for a 2 inch: 224</source>
        <translation>Domyślnie dla 2 cali: 224</translation>
    </message>
    <message>
        <source>Default for a 4 inch: 416</source>
        <translation>Domyślnie dla 4 cali: 416</translation>
    </message>
    <message>
        <source>&amp;PrintSpeed</source>
        <translation>Pręd&amp;kość</translation>
    </message>
    <message>
        <source>Select PrintSpeed</source>
        <translation>Wybierz prędkość druku</translation>
    </message>
    <message>
        <source>PrintSpeed</source>
        <translation>Prędkość druku</translation>
    </message>
    <message>
        <source>Configure the speed at which your printer prints.  This may affect print quality.</source>
        <translation>Ustawia prędkość druku. Może wpływać na jakość.</translation>
    </message>
    <message>
        <source>Print &amp;Mode</source>
        <translation>T&amp;ryb</translation>
    </message>
    <message>
        <source>Configure your printer for Direct Thermal or Thermal Transfer mode</source>
        <translation>Ustawia drukarkę na druk termiczny bezpośredni lub termotransferowy</translation>
    </message>
    <message>
        <source>Print Mode</source>
        <translation>Tryb druku</translation>
    </message>
    <message>
        <source>Configure your printer to Direct Thermal (DT) or Thermal Transfer (TT) mode.</source>
        <translation>Ustawia druk termiczny bezpośredni (DT) lub termotransfer (TT).</translation>
    </message>
    <message>
        <source>Kestra emulation reduces printer performance and lowers print resolution.  Kestra emulation should only be used to make your Tornelo backwards compatible.</source>
        <translation>Emulacja Kestra obniża wydajność i rozdzielczość druku. Używaj jej tylko, aby Tornelo zachowała zgodność wsteczną.</translation>
    </message>
    <message>
        <source>&amp;Kestra Emulation</source>
        <translation>&amp;Emulacja Kestra</translation>
    </message>
    <message>
        <source>Dis&amp;able Emulation in Printer</source>
        <translation>Wyłącz em&amp;ulację</translation>
    </message>
    <message>
        <source>Kestra emulation allows your old labels to print properly in the Tornelo.  Use the Scaler to change label size (default 100}</source>
        <translation>Emulacja Kestra pozwala poprawnie drukować stare etykiety na Tornelo. Skalą zmienia się rozmiar etykiety (domyślnie 100)</translation>
    </message>
    <message>
        <source>Scaler:</source>
        <translation>Skala:</translation>
    </message>
    <message>
        <source>Right-Click to Set Value Manually</source>
        <translation>Prawy klik, aby wpisać wartość ręcznie</translation>
    </message>
    <message>
        <source>100</source>
        <translation>100</translation>
    </message>
    <message>
        <source>Varimonde recommends setting your text buffer to no more than 32K.</source>
        <translation>Varimonde zaleca bufor tekstu nie większy niż 32K.</translation>
    </message>
    <message>
        <source>&amp;Text Buffer</source>
        <translation>&amp;Bufor tekstu</translation>
    </message>
    <message>
        <source>Text Buffer (Main)</source>
        <translation>Bufor (główny)</translation>
    </message>
    <message>
        <source>4096</source>
        <translation>4096</translation>
    </message>
    <message>
        <source>Right-Click to set buffer manually.</source>
        <translation>Prawy klik, aby ustawić bufor ręcznie.</translation>
    </message>
    <message>
        <source>Text Buffer (Overflow)</source>
        <translation>Bufor (nadmiar)</translation>
    </message>
    <message>
        <source>Right-Click to set buffer manually</source>
        <translation>Prawy klik, aby ustawić bufor ręcznie</translation>
    </message>
    <message>
        <source>Note: Changing these settings will delete any stored graphics, and will reduce the amount of memory reserved for graphics.</source>
        <translation>Uwaga: zmiana tych ustawień usuwa wszystkie zapisane grafiki i zmniejsza pamięć zarezerwowaną na grafiki.</translation>
    </message>
    <message>
        <source>Uploads current settings to printer</source>
        <translation>Wysyła bieżące ustawienia do drukarki</translation>
    </message>
    <message>
        <source>&amp;Upload Settings to Printer</source>
        <translation>&amp;Wyślij do drukarki</translation>
    </message>
    <message>
        <source>Imports saved profile for easy duplication of printer configurations</source>
        <translation>Importuje zapisany profil, aby łatwo powielić konfigurację drukarki</translation>
    </message>
    <message>
        <source>&amp;Import Profile</source>
        <translation>&amp;Importuj</translation>
    </message>
    <message>
        <source>Saves and exports profile for future printer setup</source>
        <translation>Zapisuje i eksportuje profil do przyszłej konfiguracji drukarek</translation>
    </message>
    <message>
        <source>E&amp;xport Profile</source>
        <translation>Eksp&amp;ortuj</translation>
    </message>
    <message>
        <source>Opens seperate window with Varimonde commands for printer setup.</source>
        <translation>Otwiera osobne okno z poleceniami Varimonde do konfiguracji drukarki.</translation>
    </message>
    <message>
        <source>&amp;Show Details</source>
        <translation>&amp;Pokaż szczegóły</translation>
    </message>
    <message>
        <source>Please Enter Desired Scaler</source>
        <translation>Podaj żądaną skalę</translation>
    </message>
    <message>
        <source>Scaler Setting</source>
        <translation>Ustawienie skali</translation>
    </message>
    <message>
        <source>Maximum Value is 250</source>
        <translation>Największa wartość to 250</translation>
    </message>
    <message>
        <source>Invalid Data</source>
        <translation>Nieprawidłowe dane</translation>
    </message>
    <message>
        <source>Set Value for Main Text Buffer</source>
        <translation>Wartość głównego bufora tekstu</translation>
    </message>
    <message>
        <source>Primary Text Buffer</source>
        <translation>Główny bufor tekstu</translation>
    </message>
    <message>
        <source>Enter value for Overflow Buffer</source>
        <translation>Podaj wartość bufora nadmiaru</translation>
    </message>
    <message>
        <source>Overflow Buffer</source>
        <translation>Bufor nadmiaru</translation>
    </message>
    <message>
        <source>Overflow must fall between 0 and (Text Buffer-1024)</source>
        <translation>Nadmiar musi mieścić się między 0 a (bufor tekstu-1024)</translation>
    </message>
    <message>
        <source>Overflow Buffer Warning</source>
        <translation>Ostrzeżenie o buforze nadmiaru</translation>
    </message>
    <message>
        <source>Configuration block</source>
        <translation>Blok konfiguracji</translation>
    </message>
</context>
<context>
    <name>DetailsWindow</name>
    <message>
        <source>Details</source>
        <translation>Szczegóły</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Send Anyway</source>
        <translation>Wyślij mimo to</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>Interrupted while the files were read: cancelled before sending.</source>
        <translation>Przerwano podczas odczytu plików: anulowano przed wysłaniem.</translation>
    </message>
    <message>
        <source>Interrupted: the transfer was stopped and its end not waited for.</source>
        <translation>Przerwano: przesyłanie zatrzymano bez czekania na jego koniec.</translation>
    </message>
    <message>
        <source>Interrupted before this printer&apos;s turn: nothing was sent.</source>
        <translation>Przerwano przed kolejką tej drukarki: nic nie wysłano.</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Nieprawidłowa wartość właściwości</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Niezgodność typów</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Przepełnienie</translation>
    </message>
    <message>
        <source>Cancel was selected.</source>
        <translation>Wybrano Anuluj.</translation>
    </message>
    <message>
        <source>Subscript out of range: there are no bytes in memory to send</source>
        <translation>Indeks poza zakresem: w pamięci nie ma bajtów do wysłania</translation>
    </message>
    <message>
        <source>The transfer was cancelled.</source>
        <translation>Przesyłanie zostało anulowane.</translation>
    </message>
    <message>
        <source>The transfer was stopped.</source>
        <translation>Przesyłanie zostało zatrzymane.</translation>
    </message>
    <message>
        <source>Bad file name or number</source>
        <translation>Zła nazwa lub numer pliku</translation>
    </message>
    <message>
        <source>%1 is out of paper: load labels and try again.</source>
        <translation>W %1 skończył się papier: załaduj etykiety i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>%1 is offline: put the printer online and try again.</source>
        <translation>%1 jest w trybie offline: przełącz drukarkę w tryb online i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>%1 reports an error: check the printer&apos;s cover, labels and ribbon, then try again.</source>
        <translation>%1 zgłasza błąd: sprawdź pokrywę, etykiety i taśmę drukarki, a następnie spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Device I/O error: %1 accepted no data for %2 seconds. Check that the printer is on, online and has paper.</source>
        <translation>Błąd we/wy urządzenia: %1 nie przyjął danych przez %2 s. Sprawdź, czy drukarka jest włączona, w trybie online i ma papier.</translation>
    </message>
    <message>
        <source>%1 bytes delivered</source>
        <translation>dostarczono %1 bajtów</translation>
    </message>
    <message>
        <source>No printer address is set: enter the printer&apos;s network name or IP address on the Communication Settings tab.</source>
        <translation>Nie ustawiono adresu drukarki: wpisz nazwę sieciową lub adres IP drukarki na karcie Komunikacja.</translation>
    </message>
    <message>
        <source>could not look %1 up within %2 s: check the name and the DNS server</source>
        <translation>nie udało się odnaleźć %1 w ciągu %2 s: sprawdź nazwę i serwer DNS</translation>
    </message>
    <message>
        <source>The printer&apos;s network name &quot;%1&quot; could not be found (port %2): check the name, or enter the printer&apos;s IP address instead.</source>
        <translation>Nie znaleziono nazwy sieciowej drukarki „%1” (port %2): sprawdź nazwę lub wpisz zamiast niej adres IP drukarki.</translation>
    </message>
    <message>
        <source>%1 did not answer within %2 seconds: check the address, and that the printer is on and connected to the network.</source>
        <translation>%1 nie odpowiedział w ciągu %2 s: sprawdź adres oraz czy drukarka jest włączona i podłączona do sieci.</translation>
    </message>
    <message>
        <source>%1 refused the connection: check that this is the printer&apos;s address and that it takes print jobs on port %2 (9100 on most printers).</source>
        <translation>%1 odrzucił połączenie: sprawdź, czy to adres drukarki i czy przyjmuje zadania na porcie %2 (9100 w większości drukarek).</translation>
    </message>
    <message>
        <source>%1 cannot be reached: %2</source>
        <translation>%1 jest nieosiągalny: %2</translation>
    </message>
    <message>
        <source>%1 closed the connection during the transfer: the printer may have been switched off or restarted.</source>
        <translation>%1 zamknął połączenie podczas przesyłania: drukarka mogła zostać wyłączona lub uruchomiona ponownie.</translation>
    </message>
    <message>
        <source>The connection to %1 failed during the transfer: %2</source>
        <translation>Połączenie z %1 zawiodło podczas przesyłania: %2</translation>
    </message>
    <message>
        <source>%1 stopped answering: nothing came back for %2 s. Check that the printer is on and connected to the network.</source>
        <translation>%1 przestał odpowiadać: przez %2 s nic nie wróciło. Sprawdź, czy drukarka jest włączona i podłączona do sieci.</translation>
    </message>
    <message>
        <source>%1 %2; the wait for an answer is set on the Communication Settings tab (Give up after) or with --stall-limit.</source>
        <translation>%1 %2; czas oczekiwania na odpowiedź ustawia się na karcie Komunikacja (Zrezygnuj po) lub opcją --stall-limit.</translation>
    </message>
    <message>
        <source>%1 took no data for %2 s though it still answers: check paper, ribbon and the printer&apos;s display. %3; the wait for progress is set on the Communication Settings tab (Give up after) or with --busy-limit.</source>
        <translation>%1 nie przyjął danych przez %2 s, choć nadal odpowiada: sprawdź papier, taśmę i wyświetlacz drukarki. %3; czas oczekiwania na postęp ustawia się na karcie Komunikacja (Zrezygnuj po) lub opcją --busy-limit.</translation>
    </message>
    <message>
        <source>%1 does not exist on this computer. No serial ports were found: check that the printer&apos;s cable or USB adapter is plugged in.</source>
        <translation>%1 nie istnieje na tym komputerze. Nie znaleziono portów szeregowych: sprawdź, czy kabel drukarki lub adapter USB jest podłączony.</translation>
    </message>
    <message>
        <source>%1 does not exist on this computer. Serial ports found: %2. Choose one of them on the Communication Settings tab and press Apply.</source>
        <translation>%1 nie istnieje na tym komputerze. Znalezione porty szeregowe: %2. Wybierz jeden z nich na karcie Komunikacja i naciśnij Zastosuj.</translation>
    </message>
    <message>
        <source>Permission denied on %1. Your user must be in the group &apos;%2&apos; that owns the port: run &apos;sudo usermod -aG %2 $USER&apos;, then log out and in again.</source>
        <translation>Brak dostępu do %1. Twój użytkownik musi należeć do grupy &apos;%2&apos;, do której należy port: uruchom &apos;sudo usermod -aG %2 $USER&apos;, a następnie wyloguj się i zaloguj ponownie.</translation>
    </message>
    <message>
        <source>Permission denied on %1. Ask your administrator for read and write access to it.</source>
        <translation>Brak dostępu do %1. Poproś administratora o prawo odczytu i zapisu.</translation>
    </message>
    <message>
        <source>%1 is in use by another program%2. Close that program and try again.</source>
        <translation>%1 jest używany przez inny program%2. Zamknij ten program i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>%1 is already open: another transfer is still running.</source>
        <translation>%1 jest już otwarty: trwa inne przesyłanie.</translation>
    </message>
    <message>
        <source>%1 does not accept the line settings: %2</source>
        <translation>%1 nie przyjmuje ustawień linii: %2</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>Nie można otworzyć %1: %2</translation>
    </message>
    <message>
        <source>No parallel or USB printer ports were found.</source>
        <translation>Nie znaleziono portów równoległych ani portów drukarek USB.</translation>
    </message>
    <message>
        <source>Parallel and USB printer ports found: %1. Choose one of them on the Communication Settings tab.</source>
        <translation>Znalezione porty równoległe i porty drukarek USB: %1. Wybierz jeden z nich na karcie Komunikacja.</translation>
    </message>
    <message>
        <source>Another transfer to the printer is still running: wait for it to finish, or cancel it, then try again.</source>
        <translation>Trwa jeszcze inne przesyłanie do drukarki: poczekaj na jego koniec lub je anuluj, a następnie spróbuj ponownie.</translation>
    </message>
    <message>
        <source>No USB printer is connected.</source>
        <translation>Nie podłączono drukarki USB.</translation>
    </message>
    <message>
        <source>USB Printer %1 is not connected.</source>
        <translation>Drukarka USB %1 nie jest podłączona.</translation>
    </message>
    <message>
        <source>Check that the printer is switched on and its USB cable is plugged in at both ends, and that the usblp driver is loaded (lsmod | grep usblp; load it with: sudo modprobe usblp).</source>
        <translation>Sprawdź, czy drukarka jest włączona, kabel USB podłączony z obu stron, a sterownik usblp załadowany (lsmod | grep usblp; załaduj go poleceniem: sudo modprobe usblp).</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>Błąd: %1</translation>
    </message>
    <message>
        <source>Could not set comm state: the serial port cannot send with %1 data bits. Choose 5 to 8 data bits.</source>
        <translation>Nie można ustawić stanu portu: port szeregowy nie wysyła z %1 bitami danych. Wybierz od 5 do 8 bitów danych.</translation>
    </message>
    <message>
        <source>%1 stopped working during the transfer: the device or its USB adapter was removed or failed (%2).</source>
        <translation>%1 przestał działać podczas przesyłania: urządzenie lub jego adapter USB odłączono albo uległ awarii (%2).</translation>
    </message>
    <message>
        <source>%1 failed during the transfer: %2</source>
        <translation>%1 zawiódł podczas przesyłania: %2</translation>
    </message>
    <message>
        <source>%1 accepted no data for %2 seconds: check that the printer is on, online and connected.</source>
        <translation>%1 nie przyjął danych przez %2 s: sprawdź, czy drukarka jest włączona, w trybie online i podłączona.</translation>
    </message>
    <message>
        <source>Interrupted: nothing more was sent.</source>
        <translation>Przerwano: nic więcej nie wysłano.</translation>
    </message>
    <message>
        <source>Interrupted: the transfer was stopped and what was queued discarded; %1 bytes delivered.</source>
        <translation>Przerwano: przesyłanie zatrzymano, a kolejkę odrzucono; dostarczono %1 bajtów.</translation>
    </message>
    <message>
        <source>Printer Setup</source>
        <translation>Konfiguracja drukarki</translation>
    </message>
    <message>
        <source>Invalid Width Argument.</source>
        <translation>Nieprawidłowa szerokość.</translation>
    </message>
    <message>
        <source>Maximum Width is 416</source>
        <translation>Maksymalna szerokość to 416</translation>
    </message>
    <message>
        <source>Invalid Print Mode. Valid Modes are DT and TT</source>
        <translation>Nieprawidłowy tryb druku. Prawidłowe tryby to DT i TT</translation>
    </message>
    <message>
        <source>Invalid Print Speed</source>
        <translation>Nieprawidłowa szybkość druku</translation>
    </message>
    <message>
        <source>an IPv6 address needs its closing ]</source>
        <translation>adresowi IPv6 brakuje zamykającego ]</translation>
    </message>
    <message>
        <source>write an IPv6 address in brackets: tcp://[2001:db8::5]:9100</source>
        <translation>zapisz adres IPv6 w nawiasach kwadratowych: tcp://[2001:db8::5]:9100</translation>
    </message>
    <message>
        <source>name the USB printer device: usb:/dev/usb/lp0</source>
        <translation>podaj urządzenie drukarki USB: usb:/dev/usb/lp0</translation>
    </message>
    <message>
        <source>give COMn[:settings], a serial device path[:settings], LPT1, LPT2, usb:DEVICE or tcp://HOST[:PORT]</source>
        <translation>podaj COMn[:ustawienia], ścieżkę urządzenia szeregowego[:ustawienia], LPT1, LPT2, usb:URZĄDZENIE lub tcp://HOST[:PORT]</translation>
    </message>
    <message>
        <source>COM ports are numbered 1 to %1</source>
        <translation>porty COM mają numery od 1 do %1</translation>
    </message>
    <message>
        <source>the line settings &quot;%1&quot; must read baud,parity,data bits,stop bits, such as 9600,N,8,1</source>
        <translation>ustawienia linii „%1” muszą mieć postać szybkość,parzystość,bity danych,bity stopu, np. 9600,N,8,1</translation>
    </message>
    <message>
        <source>Invalid Parallel Port</source>
        <translation>Nieprawidłowy port równoległy</translation>
    </message>
    <message>
        <source>Invalid Network Printer: enter the printer&apos;s network name or its IPv4 or IPv6 address.</source>
        <translation>Nieprawidłowa drukarka sieciowa: wpisz nazwę sieciową drukarki lub jej adres IPv4 albo IPv6.</translation>
    </message>
    <message>
        <source>Invalid Network Port: enter a number from 1 to 65535 (9100 on most printers).</source>
        <translation>Nieprawidłowy port sieciowy: wpisz liczbę od 1 do 65535 (9100 w większości drukarek).</translation>
    </message>
    <message>
        <source>File not found: %1</source>
        <translation>Nie znaleziono pliku: %1</translation>
    </message>
    <message>
        <source>Permission denied: %1</source>
        <translation>Odmowa dostępu: %1</translation>
    </message>
    <message>
        <source>Disk full: %1</source>
        <translation>Dysk pełny: %1</translation>
    </message>
    <message>
        <source>Device I/O error: %1 (%2)</source>
        <translation>Błąd we/wy urządzenia: %1 (%2)</translation>
    </message>
    <message>
        <source>Bad file name: %1</source>
        <translation>Nieprawidłowa nazwa pliku: %1</translation>
    </message>
    <message>
        <source>Path/File access error: %1 (%2)</source>
        <translation>Błąd dostępu do ścieżki/pliku: %1 (%2)</translation>
    </message>
    <message>
        <source>Permission denied: %1 (%2)</source>
        <translation>Odmowa dostępu: %1 (%2)</translation>
    </message>
    <message>
        <source>Disk full or out of resources: %1 (%2)</source>
        <translation>Dysk pełny lub brak zasobów: %1 (%2)</translation>
    </message>
    <message>
        <source>%1 was not written: %2</source>
        <translation>%1 nie został zapisany: %2</translation>
    </message>
    <message>
        <source>it is a symbolic link, and nothing is written through one; name the file itself.</source>
        <translation>to dowiązanie symboliczne, a przez dowiązanie nic nie jest zapisywane; podaj sam plik.</translation>
    </message>
    <message>
        <source>it is a folder; name a file in it.</source>
        <translation>to folder; podaj plik w nim.</translation>
    </message>
    <message>
        <source>only a regular file is written here.</source>
        <translation>tutaj zapisywany jest tylko zwykły plik.</translation>
    </message>
    <message>
        <source>it is neither a file, a character device nor a pipe.</source>
        <translation>to nie jest ani plik, ani urządzenie znakowe, ani potok.</translation>
    </message>
    <message>
        <source>it belongs to user %1, not to user %2 for whom the program runs as root.</source>
        <translation>należy do użytkownika %1, a nie do użytkownika %2, dla którego program działa jako root.</translation>
    </message>
    <message>
        <source>%1 was not written: nothing opened the pipe to read it within %2 s.</source>
        <translation>%1 nie został zapisany: nikt nie otworzył potoku do odczytu w ciągu %2 s.</translation>
    </message>
    <message>
        <source>%1 was not written: interrupted.</source>
        <translation>%1 nie został zapisany: przerwano.</translation>
    </message>
    <message>
        <source>it changed while it was being written.</source>
        <translation>zmienił się w trakcie zapisu.</translation>
    </message>
    <message>
        <source>no file name was given.</source>
        <translation>nie podano nazwy pliku.</translation>
    </message>
    <message>
        <source>only a regular file is written.</source>
        <translation>zapisywany jest tylko zwykły plik.</translation>
    </message>
    <message>
        <source>%1 (no COM number reaches it)</source>
        <translation>%1 (żaden numer COM do niego nie prowadzi)</translation>
    </message>
    <message>
        <source>Put the printer online (its pause or feed button) and try again.</source>
        <translation>Przełącz drukarkę w tryb online (przycisk pauzy lub wysuwu) i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Open the printer, clear the jammed labels, close it and try again.</source>
        <translation>Otwórz drukarkę, usuń zacięte etykiety, zamknij ją i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Close the printer&apos;s cover and try again.</source>
        <translation>Zamknij pokrywę drukarki i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Load labels, close the printer and try again.</source>
        <translation>Załaduj etykiety, zamknij drukarkę i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Load a ribbon, close the printer and try again.</source>
        <translation>Załaduj taśmę, zamknij drukarkę i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Take the printed labels out and try again.</source>
        <translation>Wyjmij wydrukowane etykiety i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>The printer reports %1: nothing was sent. %2</source>
        <translation>Drukarka zgłasza %1: nic nie wysłano. %2</translation>
    </message>
    <message>
        <source>The printer reports %1: nothing was sent. %2 Give --ignore-status to send anyway.</source>
        <translation>Drukarka zgłasza %1: nic nie wysłano. %2 Podaj --ignore-status, aby mimo to wysłać.</translation>
    </message>
    <message>
        <source>No printer address is set: name the printer with --to tcp://HOST.</source>
        <translation>Nie ustawiono adresu drukarki: wskaż drukarkę opcją --to tcp://HOST.</translation>
    </message>
    <message>
        <source>%1 %2; the wait for an answer is set with --stall-limit.</source>
        <translation>%1 %2; czas oczekiwania na odpowiedź ustawia się opcją --stall-limit.</translation>
    </message>
    <message>
        <source>%1 took no data for %2 s though it still answers: check paper, ribbon and the printer&apos;s display. %3; the wait for progress is set with --busy-limit.</source>
        <translation>%1 nie przyjął danych przez %2 s, choć nadal odpowiada: sprawdź papier, taśmę i wyświetlacz drukarki. %3; czas oczekiwania na postęp ustawia się opcją --busy-limit.</translation>
    </message>
    <message>
        <source>%1 does not exist on this computer. Serial ports found: %2. Name one of them with --to.</source>
        <translation>%1 nie istnieje na tym komputerze. Znalezione porty szeregowe: %2. Wskaż jeden z nich opcją --to.</translation>
    </message>
    <message>
        <source>Parallel and USB printer ports found: %1. Name one of them with --to.</source>
        <translation>Znalezione porty równoległe i porty drukarek USB: %1. Wskaż jeden z nich opcją --to.</translation>
    </message>
    <message>
        <source>ignoring the settings in %1, which cannot be read: it is not a regular file; starting values apply, and the file is left as it is</source>
        <translation>pomijam ustawienia w %1, których nie można odczytać: to nie jest zwykły plik; obowiązują wartości początkowe, a plik pozostaje bez zmian</translation>
    </message>
    <message>
        <source>ignoring the settings in %1, which cannot be read: it is larger than %2 KiB; starting values apply, and the file is left as it is</source>
        <translation>pomijam ustawienia w %1, których nie można odczytać: plik jest większy niż %2 KiB; obowiązują wartości początkowe, a plik pozostaje bez zmian</translation>
    </message>
    <message>
        <source>ignoring the settings in %1, which cannot be read; starting values apply, and the file is left as it is</source>
        <translation>pomijam ustawienia w %1, których nie można odczytać; obowiązują wartości początkowe, a plik pozostaje bez zmian</translation>
    </message>
    <message>
        <source>ignoring the settings in %1, which cannot be read; starting values apply, and the file is written afresh</source>
        <translation>pomijam ustawienia w %1, których nie można odczytać; obowiązują wartości początkowe, a plik zostanie zapisany od nowa</translation>
    </message>
    <message>
        <source>ignoring the settings in %1, which cannot be understood; starting values apply, and the file is written afresh</source>
        <translation>pomijam ustawienia w %1, których nie można zrozumieć; obowiązują wartości początkowe, a plik zostanie zapisany od nowa</translation>
    </message>
    <message>
        <source>the settings will not be saved: %1</source>
        <translation>ustawienia nie zostaną zapisane: %1</translation>
    </message>
    <message>
        <source>the settings were not saved: %1</source>
        <translation>ustawienia nie zostały zapisane: %1</translation>
    </message>
    <message>
        <source>the sweep could not try %1 of %2 addresses and ports (too many open files): printers may be missing</source>
        <translation>przeszukiwanie nie mogło sprawdzić %1 z %2 adresów i portów (zbyt wiele otwartych plików): może brakować drukarek</translation>
    </message>
    <message>
        <source>DNS-SD browsing failed: %1</source>
        <translation>wyszukiwanie DNS-SD nie powiodło się: %1</translation>
    </message>
    <message>
        <source>DNS-SD: the Avahi daemon went away (%1)</source>
        <translation>DNS-SD: usługa Avahi przestała działać (%1)</translation>
    </message>
    <message>
        <source>DNS-SD is not available: no Avahi daemon runs; looking the other ways.</source>
        <translation>DNS-SD jest niedostępne: usługa Avahi nie działa; szukam innymi sposobami.</translation>
    </message>
    <message>
        <source>DNS-SD is not available: %1; looking the other ways.</source>
        <translation>DNS-SD jest niedostępne: %1; szukam innymi sposobami.</translation>
    </message>
    <message>
        <source>%1: not a network printer: its status cannot be read</source>
        <translation>%1: to nie drukarka sieciowa: nie można odczytać jej stanu</translation>
    </message>
    <message>
        <source>File too large: %1 has %2 bytes; a file must be smaller than 2 GiB (%3 bytes) to be held in memory.</source>
        <translation>Plik zbyt duży: %1 ma %2 bajtów; plik musi być mniejszy niż 2 GiB (%3 bajtów), by zmieścić się w pamięci.</translation>
    </message>
    <message>
        <source>Out of memory: %1 bytes do not fit in memory.</source>
        <translation>Za mało pamięci: %1 bajtów nie mieści się w pamięci.</translation>
    </message>
    <message>
        <source>Input past end of file: %1</source>
        <translation>Odczyt poza końcem pliku: %1</translation>
    </message>
    <message>
        <source>an SNMP v3 pass phrase is unusable</source>
        <translation>hasło SNMP v3 jest nie do użycia</translation>
    </message>
    <message>
        <source>cannot open an SNMP session</source>
        <translation>nie można otworzyć sesji SNMP</translation>
    </message>
    <message>
        <source>no SNMP answer</source>
        <translation>brak odpowiedzi SNMP</translation>
    </message>
    <message>
        <source>SNMP failed: %1</source>
        <translation>SNMP nie powiodło się: %1</translation>
    </message>
    <message>
        <source>SNMP error: %1</source>
        <translation>błąd SNMP: %1</translation>
    </message>
    <message>
        <source>the printer refused the request (the SNMP user or its pass phrases)</source>
        <translation>drukarka odrzuciła żądanie (użytkownik SNMP lub jego hasła)</translation>
    </message>
    <message>
        <source>SNMP failed: the agent named no engine</source>
        <translation>SNMP nie powiodło się: agent nie podał silnika</translation>
    </message>
    <message>
        <source>the name was not looked up in time</source>
        <translation>nazwa nie została ustalona na czas</translation>
    </message>
    <message>
        <source>the name could not be found</source>
        <translation>nie znaleziono nazwy</translation>
    </message>
    <message>
        <source>Input past end of file: the profile is empty or cut off</source>
        <translation>Odczyt poza końcem pliku: profil jest pusty lub ucięty</translation>
    </message>
</context>
<context>
    <name>FileDrop</name>
    <message>
        <source>Drop one file at a time.</source>
        <translation>Upuść tylko jeden plik naraz.</translation>
    </message>
    <message>
        <source>%1 is not a file on this computer: drop a file.</source>
        <translation>%1 nie jest plikiem na tym komputerze: upuść plik.</translation>
    </message>
    <message>
        <source>%1 is a folder: drop a file.</source>
        <translation>%1 to folder: upuść plik.</translation>
    </message>
</context>
<context>
    <name>FindPrintersDialog</name>
    <message>
        <source>Find Printers</source>
        <translation>Znajdź drukarki</translation>
    </message>
    <message>
        <source>&amp;Range:</source>
        <translation>&amp;Zakres:</translation>
    </message>
    <message>
        <source>192.168.1.0/24, or hosts</source>
        <translation>192.168.1.0/24 lub hosty</translation>
    </message>
    <message>
        <source>CIDR ranges of at most /22 or host names, separated by spaces or commas. Port 9100 of each address is tried; DNS-SD and SNMP are asked too.</source>
        <translation>Zakresy CIDR najwyżej /22 lub nazwy hostów, oddzielone spacjami lub przecinkami. Sprawdzany jest port 9100 każdego adresu; pytane są też DNS-SD i SNMP.</translation>
    </message>
    <message>
        <source>Range:</source>
        <translation>Zakres:</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>Za&amp;trzymaj</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>&amp;Filtr:</translation>
    </message>
    <message>
        <source>any text of a row</source>
        <translation>dowolny tekst wiersza</translation>
    </message>
    <message>
        <source>Filter:</source>
        <translation>Filtr:</translation>
    </message>
    <message>
        <source>Search Progress</source>
        <translation>Postęp wyszukiwania</translation>
    </message>
    <message>
        <source>Printers Found</source>
        <translation>Znalezione drukarki</translation>
    </message>
    <message>
        <source>Nothing is scanned until Start is pressed.</source>
        <translation>Nic nie jest wyszukiwane przed „Start”.</translation>
    </message>
    <message>
        <source>&amp;Use This Printer</source>
        <translation>&amp;Użyj tej drukarki</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Za&amp;mknij</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adres</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Make and Model</source>
        <translation>Producent i model</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Nr seryjny</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stan</translation>
    </message>
    <message>
        <source>Found By</source>
        <translation>Znaleziona przez</translation>
    </message>
    <message>
        <source>1 printer found.</source>
        <translation>Znaleziono 1 drukarkę.</translation>
    </message>
    <message>
        <source>%1 printers found.</source>
        <translation>Znalezione drukarki: %1.</translation>
    </message>
    <message>
        <source>Looking...</source>
        <translation>Wyszukiwanie...</translation>
    </message>
    <message>
        <source>&amp;Watch</source>
        <translation>&amp;Monitoruj</translation>
    </message>
    <message>
        <source>Reads the printers found again every few seconds over SNMP and shows their status and alerts as they change.</source>
        <translation>Co kilka sekund ponownie odczytuje znalezione drukarki przez SNMP i pokazuje zmiany ich stanu i alarmów.</translation>
    </message>
    <message>
        <source>Printer Details</source>
        <translation>Szczegóły drukarki</translation>
    </message>
    <message>
        <source>Select a printer to see what it reports.</source>
        <translation>Wybierz drukarkę, aby zobaczyć, co zgłasza.</translation>
    </message>
    <message>
        <source>Alerts</source>
        <translation>Alarmy</translation>
    </message>
    <message>
        <source>critical</source>
        <translation>krytyczny</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>ostrzeżenie</translation>
    </message>
    <message>
        <source>other</source>
        <translation>inny</translation>
    </message>
    <message>
        <source>at uptime %1</source>
        <translation>przy czasie pracy %1</translation>
    </message>
    <message>
        <source>Printer:</source>
        <translation>Drukarka:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Stan:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nazwa:</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>Model:</translation>
    </message>
    <message>
        <source>Serial:</source>
        <translation>Nr seryjny:</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Lokalizacja:</translation>
    </message>
    <message>
        <source>Uptime:</source>
        <translation>Czas pracy:</translation>
    </message>
    <message>
        <source>Front panel:</source>
        <translation>Panel przedni:</translation>
    </message>
    <message>
        <source>group %1, code %2</source>
        <translation>grupa %1, kod %2</translation>
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
        <translation>%1: %2, zgłoszony %3</translation>
    </message>
    <message>
        <source>Media:</source>
        <translation>Nośnik:</translation>
    </message>
    <message>
        <source>Odometer:</source>
        <translation>Licznik:</translation>
    </message>
    <message>
        <source>This printer has no raw port: it was only named (over IPP), and nothing is sent to an IPP port.</source>
        <translation>Ta drukarka nie ma portu raw: została tylko wymieniona (przez IPP), a do portu IPP nic nie jest wysyłane.</translation>
    </message>
    <message>
        <source>Last answer:</source>
        <translation>Ostatnia odpowiedź:</translation>
    </message>
</context>
<context>
    <name>GraphicCheck</name>
    <message>
        <source>%1 × %2 dots, %3 × %4 mm</source>
        <translation>%1 × %2 punktów, %3 × %4 mm</translation>
    </message>
    <message>
        <source> Use Convert… to make one.</source>
        <translation> Użyj opcji Konwertuj…, aby ją utworzyć.</translation>
    </message>
    <message>
        <source>%1 is empty.</source>
        <translation>%1 jest pusty.</translation>
    </message>
    <message>
        <source>%1 is a %2 image, but %3 is chosen as its type: store it as %2.</source>
        <translation>%1 to obraz %2, ale jako typ wybrano %3: zapisz go jako %2.</translation>
    </message>
    <message>
        <source>%1 is a %2 image, not a %3: the printer stores 1-bit BMP or PCX images only.</source>
        <translation>%1 to obraz %2, a nie %3: drukarka przechowuje tylko 1-bitowe obrazy BMP lub PCX.</translation>
    </message>
    <message>
        <source>%1 is not a %2 image.</source>
        <translation>%1 nie jest obrazem %2.</translation>
    </message>
    <message>
        <source>%1 is an %2-bit colour image: the printer stores black-and-white (1-bit) images only.</source>
        <translation>%1 to kolorowy obraz %2-bitowy: drukarka przechowuje tylko obrazy czarno-białe (1-bitowe).</translation>
    </message>
    <message>
        <source>%1 is a %2-bit colour image: the printer stores black-and-white (1-bit) images only.</source>
        <translation>%1 to kolorowy obraz %2-bitowy: drukarka przechowuje tylko obrazy czarno-białe (1-bitowe).</translation>
    </message>
    <message>
        <source>%1 is cut short: it ends inside its header.</source>
        <translation>%1 jest ucięty: kończy się w nagłówku.</translation>
    </message>
    <message>
        <source>%1 has no pixels: its header gives %2 × %3 dots.</source>
        <translation>%1 nie ma pikseli: nagłówek podaje %2 × %3 punktów.</translation>
    </message>
    <message>
        <source>%1 is cut short: its header gives %2 bytes, the file has %3.</source>
        <translation>%1 jest ucięty: nagłówek podaje %2 bajtów, plik ma %3.</translation>
    </message>
    <message>
        <source>%1&apos;s header gives its size as %2 bytes, but the file has %3.</source>
        <translation>Nagłówek %1 podaje rozmiar %2 bajtów, ale plik ma %3.</translation>
    </message>
    <message>
        <source>%1 has a bitmap header of %2 bytes, which no Windows bitmap has.</source>
        <translation>%1 ma nagłówek mapy bitowej o rozmiarze %2 bajtów, jakiego nie ma żadna mapa bitowa Windows.</translation>
    </message>
    <message>
        <source>%1 gives %2 colour planes; a Windows bitmap has one.</source>
        <translation>%1 podaje %2 płaszczyzn kolorów; mapa bitowa Windows ma jedną.</translation>
    </message>
    <message>
        <source>%1 gives a bit depth of %2, which no Windows bitmap has.</source>
        <translation>%1 podaje głębię %2 bitów, jakiej nie ma żadna mapa bitowa Windows.</translation>
    </message>
    <message>
        <source>method %1</source>
        <translation>metoda %1</translation>
    </message>
    <message>
        <source>%1 is compressed (%2): the printer stores uncompressed bitmaps only.</source>
        <translation>%1 jest skompresowany (%2): drukarka przechowuje tylko nieskompresowane mapy bitowe.</translation>
    </message>
    <message>
        <source>%1 has a palette of %2 colours; a 1-bit image has 2 at most.</source>
        <translation>%1 ma paletę %2 kolorów; obraz 1-bitowy ma najwyżej 2.</translation>
    </message>
    <message>
        <source>%1&apos;s pixel data would start at byte %2, inside its header and palette.</source>
        <translation>Dane pikseli %1 zaczynałyby się od bajtu %2, wewnątrz nagłówka i palety.</translation>
    </message>
    <message>
        <source>%1&apos;s header gives %2 bytes of pixel data, but %3 × %4 dots need %5.</source>
        <translation>Nagłówek %1 podaje %2 bajtów danych pikseli, ale %3 × %4 punktów wymaga %5.</translation>
    </message>
    <message>
        <source>%1 is cut short: %2 × %3 dots need %4 bytes of pixel data, the file has %5 after its header.</source>
        <translation>%1 jest ucięty: %2 × %3 punktów wymaga %4 bajtów danych pikseli, plik ma %5 po nagłówku.</translation>
    </message>
    <message>
        <source>%1 is not a PCX image.</source>
        <translation>%1 nie jest obrazem PCX.</translation>
    </message>
    <message>
        <source>%1 is not run-length encoded as a PCX image is.</source>
        <translation>%1 nie jest zakodowany metodą RLE jak obraz PCX.</translation>
    </message>
    <message>
        <source>%1 gives %2 bits per pixel in %3 planes, which no PCX image has.</source>
        <translation>%1 podaje %2 bitów na piksel w %3 płaszczyznach, czego nie ma żaden obraz PCX.</translation>
    </message>
    <message>
        <source>%1&apos;s lines of %2 bytes cannot hold %3 dots.</source>
        <translation>Wiersze %1 o długości %2 bajtów nie pomieszczą %3 punktów.</translation>
    </message>
    <message>
        <source>%1 is cut short: its pixel data ends after %2 of %3 lines.</source>
        <translation>%1 jest ucięty: dane pikseli kończą się po %2 z %3 wierszy.</translation>
    </message>
    <message>
        <source>bit fields</source>
        <extracomment>A BMP compression kind: the pixels are read through colour masks.</extracomment>
        <translation>pola bitowe</translation>
    </message>
    <message>
        <source> Add --convert to make one.</source>
        <translation> Dodaj --convert, aby ją utworzyć.</translation>
    </message>
</context>
<context>
    <name>GraphicConvertDialog</name>
    <message>
        <source>Convert Graphic</source>
        <translation>Konwertuj grafikę</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Oryginał</translation>
    </message>
    <message>
        <source>For the printer (1-bit)</source>
        <translation>Dla drukarki (1 bit)</translation>
    </message>
    <message>
        <source>Original Picture</source>
        <translation>Obraz oryginalny</translation>
    </message>
    <message>
        <source>Converted Picture</source>
        <translation>Obraz przekonwertowany</translation>
    </message>
    <message>
        <source>Conversion</source>
        <translation>Konwersja</translation>
    </message>
    <message>
        <source>Scale the picture, keeping its aspect</source>
        <translation>Skaluj obraz z zachowaniem proporcji</translation>
    </message>
    <message>
        <source>&amp;Width in dots:</source>
        <translation>&amp;Szerokość w punktach:</translation>
    </message>
    <message>
        <source>Width in Dots</source>
        <translation>Szerokość w punktach</translation>
    </message>
    <message>
        <source>Swap black and white</source>
        <translation>Zamień czerń i biel</translation>
    </message>
    <message>
        <source>&amp;Invert</source>
        <translation>&amp;Odwróć</translation>
    </message>
    <message>
        <source>Dots darker than this grey print black</source>
        <translation>Punkty ciemniejsze niż ta szarość drukują się na czarno</translation>
    </message>
    <message>
        <source>&amp;Threshold:</source>
        <translation>&amp;Próg:</translation>
    </message>
    <message>
        <source>Threshold</source>
        <translation>Próg</translation>
    </message>
    <message>
        <source>Spread the greys as patterns of dots</source>
        <translation>Rozprosz szarości jako wzory punktów</translation>
    </message>
    <message>
        <source>&amp;Dither (error diffusion)</source>
        <translation>&amp;Rozpraszanie (dyfuzja błędu)</translation>
    </message>
    <message>
        <source>Save the converted picture as a BMP file</source>
        <translation>Zapisz przekonwertowany obraz jako plik BMP</translation>
    </message>
    <message>
        <source>&amp;Save as BMP…</source>
        <translation>&amp;Zapisz jako BMP…</translation>
    </message>
    <message>
        <source>Make the converted picture the graphic to store</source>
        <translation>Użyj przekonwertowanego obrazu jako grafiki do zapisania</translation>
    </message>
    <message>
        <source>&amp;Use</source>
        <translation>&amp;Użyj</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Wider than the printable width of %1 dots set on Printer Configuration: the printer cuts off the rest.</source>
        <translation>Szerszy niż szerokość druku %1 punktów ustawiona w Konfiguracji: drukarka obetnie resztę.</translation>
    </message>
    <message>
        <source>Bitmaps (*.bmp)|*.bmp</source>
        <translation>Mapy bitowe (*.bmp)|*.bmp</translation>
    </message>
    <message>
        <source>The picture could not be saved to %1: %2</source>
        <translation>Nie można zapisać obrazu w %1: %2</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>varimonde-setup: --lang takes a language code such as de or pt_BR; the texts stay in English.</source>
        <translation>varimonde-setup: --lang przyjmuje kod języka, np. de lub pt_BR; teksty pozostają po angielsku.</translation>
    </message>
    <message>
        <source>varimonde-setup: no translation into %1; the texts stay in English.</source>
        <translation>varimonde-setup: brak tłumaczenia dla %1; teksty pozostają po angielsku.</translation>
    </message>
</context>
<context>
    <name>LinkAddress</name>
    <message>
        <source>Serial %1 %2</source>
        <translation>Szeregowy %1 %2</translation>
    </message>
    <message>
        <source>Parallel %1 (%2)</source>
        <translation>Równoległy %1 (%2)</translation>
    </message>
    <message>
        <source>USB Printer %1</source>
        <translation>Drukarka USB %1</translation>
    </message>
    <message>
        <source>(none found)</source>
        <translation>(nie znaleziono)</translation>
    </message>
    <message>
        <source>Network %1</source>
        <translation>Sieć %1</translation>
    </message>
    <message>
        <source>(no address set)</source>
        <translation>(nie ustawiono adresu)</translation>
    </message>
</context>
<context>
    <name>LogWindow</name>
    <message>
        <source>Send Log</source>
        <translation>Dziennik wysyłek</translation>
    </message>
    <message>
        <source>Sends</source>
        <translation>Wysyłki</translation>
    </message>
    <message>
        <source>Bytes of the selected send</source>
        <translation>Bajty wybranej wysyłki</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiuj</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>Zapisz &amp;jako...</translation>
    </message>
    <message>
        <source>&amp;Reset Settings...</source>
        <translation>&amp;Resetuj ustawienia...</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>Zam&amp;knij</translation>
    </message>
    <message>
        <source>The log could not be saved: %1</source>
        <translation>Nie udało się zapisać dziennika: %1</translation>
    </message>
    <message>
        <source>Text Files(*.txt)|*.txt|All Files(*.*)|*.*</source>
        <translation>Pliki tekstowe(*.txt)|*.txt|Wszystkie pliki(*.*)|*.*</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>&amp;Log</source>
        <translation>Dzie&amp;nnik</translation>
    </message>
    <message>
        <source>Communication Settings</source>
        <translation>Połączenie</translation>
    </message>
    <message>
        <source>Printer Configuration</source>
        <translation>Konfiguracja</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Kalibracja</translation>
    </message>
    <message>
        <source>Data Storage</source>
        <translation>Pamięć danych</translation>
    </message>
    <message>
        <source>Binary Transfer</source>
        <translation>Transfer binarny</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Printer link</source>
        <translation>Połączenie z drukarką</translation>
    </message>
    <message>
        <source>Last send</source>
        <translation>Ostatnia wysyłka</translation>
    </message>
    <message>
        <source>The next send goes to: %1
Gives up after %2 s without an answer and %3 s without progress</source>
        <translation>Następna wysyłka trafi do: %1
Rezygnuje po %2 s bez odpowiedzi i %3 s bez postępu</translation>
    </message>
    <message>
        <source>The next send goes to: %1</source>
        <translation>Następna wysyłka trafi do: %1</translation>
    </message>
    <message>
        <source>%1 of %2 bytes delivered</source>
        <translation>Dostarczono %1 z %2 bajtów</translation>
    </message>
    <message>
        <source>Sent at %1 (%2)</source>
        <translation>Wysłano o %1 (%2)</translation>
    </message>
    <message>
        <source>Cancelled at %1 (%2)</source>
        <translation>Anulowano o %1 (%2)</translation>
    </message>
    <message>
        <source>Failed at %1: %2 (%3)</source>
        <translation>Niepowodzenie o %1: %2 (%3)</translation>
    </message>
    <message>
        <source>Forget the window&apos;s size and place, the folders the file dialogs open in and the printer link?</source>
        <translation>Zapomnieć rozmiar i położenie okna, foldery okien plików i połączenie z drukarką?</translation>
    </message>
    <message>
        <source>Reset Settings</source>
        <translation>Resetuj ustawienia</translation>
    </message>
    <message>
        <source>Quit without sending the changed settings?</source>
        <translation>Zakończyć bez wysyłania zmienionych ustawień?</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>A transfer to the printer is running. Stop it and quit?</source>
        <translation>Trwa wysyłanie do drukarki. Przerwać i zakończyć?</translation>
    </message>
    <message>
        <source>Stop and Quit</source>
        <translation>Przerwij i zakończ</translation>
    </message>
    <message>
        <source>Keep Sending</source>
        <translation>Wysyłaj dalej</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Strony</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stan</translation>
    </message>
    <message>
        <source>The next send goes to: %1
Gives up after %2 s without progress</source>
        <translation>Następna wysyłka trafi do: %1
Rezygnuje po %2 s bez postępu</translation>
    </message>
</context>
<context>
    <name>OperationBuilders</name>
    <message>
        <source>an empty identifier: the printer could never be asked for it</source>
        <translation>pusty identyfikator: nie można by nigdy zapytać o niego drukarki</translation>
    </message>
    <message>
        <source>No such USB printer: a USB printer is lp&lt;n&gt; in %1, such as %1/lp0</source>
        <translation>Nie ma takiej drukarki USB: drukarka USB to lp&lt;n&gt; w %1, np. %1/lp0</translation>
    </message>
    <message>
        <source>Darkness must be a whole number from %1 to %2</source>
        <translation>Zaczernienie musi być liczbą całkowitą od %1 do %2</translation>
    </message>
    <message>
        <source>--ribbon is for thermal transfer (--print-type TT) only</source>
        <translation>--ribbon dotyczy tylko termotransferu (--print-type TT)</translation>
    </message>
    <message>
        <source>--test-label takes 1 (the 4X3 label) or 2 (the 2.4X1 label), not &quot;%1&quot;</source>
        <translation>--test-label przyjmuje 1 (etykieta 4X3) lub 2 (etykieta 2.4X1), a nie „%1”</translation>
    </message>
</context>
<context>
    <name>PortDiscovery</name>
    <message>
        <source>%1 (not connected)</source>
        <translation>%1 (niepodłączona)</translation>
    </message>
</context>
<context>
    <name>ProfileActions</name>
    <message>
        <source>Error Opening File</source>
        <translation>Błąd otwierania pliku</translation>
    </message>
    <message>
        <source>Load Configuration</source>
        <translation>Wczytaj konfigurację</translation>
    </message>
</context>
<context>
    <name>ProfileFile</name>
    <message>
        <source>Varimonde Printer Profile (*.vsp)|*.vsp|All Files(*.*)|*.*</source>
        <translation>Profil drukarki Varimonde (*.vsp)|*.vsp|Wszystkie pliki(*.*)|*.*</translation>
    </message>
</context>
<context>
    <name>SendLog</name>
    <message>
        <source>Time</source>
        <translation>Czas</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Połączenie</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Wysłano</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Rozmiar</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Czas trwania</translation>
    </message>
    <message>
        <source>Sent</source>
        <comment>a send&apos;s outcome</comment>
        <translation>Wysłano</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <comment>a send&apos;s outcome</comment>
        <translation>Anulowano</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Niepowodzenie: %1</translation>
    </message>
    <message>
        <source>... %1 bytes not kept ...</source>
        <translation>... %1 bajtów nie zachowano ...</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bajtów</translation>
    </message>
    <message>
        <source>%1 of %2 bytes delivered</source>
        <translation>dostarczono %1 z %2 bajtów</translation>
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
        <translation>Łączenie z %1…</translation>
    </message>
    <message>
        <source>Sending to %1…</source>
        <translation>Wysyłanie do %1…</translation>
    </message>
    <message>
        <source>Printer Not Ready</source>
        <translation>Drukarka nie jest gotowa</translation>
    </message>
    <message>
        <source>Send to %1</source>
        <translation>Wyślij do %1</translation>
    </message>
    <message>
        <source>Apply the change first?</source>
        <translation>Najpierw zastosować zmianę?</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Zastosuj</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>SnmpAnswer</name>
    <message>
        <source>ten-thousandths of an inch</source>
        <translation>dziesięciotysięczne cala</translation>
    </message>
    <message>
        <source>micrometers</source>
        <translation>mikrometry</translation>
    </message>
    <message>
        <source>characters</source>
        <translation>znaki</translation>
    </message>
    <message>
        <source>lines</source>
        <translation>wiersze</translation>
    </message>
    <message>
        <source>impressions</source>
        <translation>wydruki</translation>
    </message>
    <message>
        <source>sheets</source>
        <translation>arkusze</translation>
    </message>
    <message>
        <source>dot rows</source>
        <translation>wiersze punktów</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>godziny</translation>
    </message>
    <message>
        <source>feet</source>
        <translation>stopy</translation>
    </message>
    <message>
        <source>meters</source>
        <translation>metry</translation>
    </message>
    <message>
        <source>other</source>
        <translation>inna jednostka</translation>
    </message>
    <message>
        <source>%1 d %2:%3:%4</source>
        <translation>%1 d %2:%3:%4</translation>
    </message>
</context>
<context>
    <name>StorageCommands</name>
    <message>
        <source>The identifier contains a control character (%1), which the printer would take as part of a command. Use letters, digits and symbols.</source>
        <translation>Identyfikator zawiera znak sterujący (%1), który drukarka wzięłaby za część polecenia. Użyj liter, cyfr i symboli.</translation>
    </message>
    <message>
        <source>The identifier contains “%1”, which the printer cannot receive. Use letters, digits and symbols of Western European text.</source>
        <translation>Identyfikator zawiera „%1”, którego drukarka nie może odebrać. Użyj liter, cyfr i symboli pisma zachodnioeuropejskiego.</translation>
    </message>
    <message>
        <source>Valid Identifier must be no more than 8 characters.</source>
        <translation>Prawidłowy identyfikator może mieć najwyżej 8 znaków.</translation>
    </message>
    <message>
        <source>Identifier must be 8 chars or less</source>
        <translation>Identyfikator może mieć najwyżej 8 znaków</translation>
    </message>
    <message>
        <source>Invalid Quantity: enter a whole number of labels from 1 to 32767</source>
        <translation>Nieprawidłowa liczba: wpisz całkowitą liczbę etykiet od 1 do 32767</translation>
    </message>
</context>
<context>
    <name>StoragePage</name>
    <message>
        <source>Graphic Storage</source>
        <translation>Zapis grafiki</translation>
    </message>
    <message>
        <source>Graphic Type</source>
        <translation>Format grafiki</translation>
    </message>
    <message>
        <source>Select Bitmap</source>
        <translation>Wybierz BMP</translation>
    </message>
    <message>
        <source>&amp;BMP</source>
        <translation>&amp;BMP</translation>
    </message>
    <message>
        <source>Select PCX</source>
        <translation>Wybierz PCX</translation>
    </message>
    <message>
        <source>PC&amp;X</source>
        <translation>PC&amp;X</translation>
    </message>
    <message>
        <source>Graphic File</source>
        <translation>Plik grafiki</translation>
    </message>
    <message>
        <source>Bro&amp;wse</source>
        <translation>&amp;Przeglądaj</translation>
    </message>
    <message>
        <source>Send stored graphics / programs to printer</source>
        <translation>Zapisz grafikę lub program w drukarce</translation>
    </message>
    <message>
        <source>&amp;Store Graphic to Printer</source>
        <translation>Zap&amp;isz grafikę</translation>
    </message>
    <message>
        <source>File Size:</source>
        <translation>Rozmiar:</translation>
    </message>
    <message>
        <source>0 Bytes</source>
        <translation>0 bajtów</translation>
    </message>
    <message>
        <source>Storing Progress</source>
        <translation>Postęp zapisu</translation>
    </message>
    <message>
        <source>Stop the transfer to the printer (Esc)</source>
        <translation>Przerwij wysyłanie do drukarki (Esc)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <source>Graphic Preview</source>
        <translation>Podgląd grafiki</translation>
    </message>
    <message>
        <source>Make a black-and-white (1-bit) BMP from a picture of any kind</source>
        <translation>Tworzy czarno-biały BMP (1 bit) z dowolnego obrazu</translation>
    </message>
    <message>
        <source>Con&amp;vert…</source>
        <translation>Kon&amp;wertuj…</translation>
    </message>
    <message>
        <source>Note: You may only store BLACK AND WHITE Images</source>
        <translation>Uwaga: tylko obrazy CZARNO-BIAŁE</translation>
    </message>
    <message>
        <source>Stored Formats</source>
        <translation>Zapisane formaty</translation>
    </message>
    <message>
        <source>Format Type</source>
        <translation>Rodzaj formatu</translation>
    </message>
    <message>
        <source>Program is already named.  User will not be prompted.</source>
        <translation>Program ma już nazwę: pytanie nie padnie.</translation>
    </message>
    <message>
        <source>Pri&amp;nt Format</source>
        <translation>&amp;Drukuj</translation>
    </message>
    <message>
        <source>Converts standard formats to stored formats.  The user will be prompted for the stored formats name</source>
        <translation>Zamienia popularne formaty na formaty zapisywane w drukarce. Program zapyta o nazwę zapisywanego obiektu</translation>
    </message>
    <message>
        <source>Store Form&amp;at</source>
        <translation>Zapi&amp;sz</translation>
    </message>
    <message>
        <source>Format File</source>
        <translation>Plik formatu</translation>
    </message>
    <message>
        <source>B&amp;rowse</source>
        <translation>Prz&amp;eglądaj</translation>
    </message>
    <message>
        <source>Prin&amp;t Format</source>
        <translation>Drukuj forma&amp;t</translation>
    </message>
    <message>
        <source>View File</source>
        <translation>Pokaż</translation>
    </message>
    <message>
        <source>Prints list of all stored formats / graphics</source>
        <translation>Drukuje listę zapisanych formatów i grafik</translation>
    </message>
    <message>
        <source>L&amp;ist Stored Objects</source>
        <translation>&amp;Lista</translation>
    </message>
    <message>
        <source> Note: Removing stored objects from the printer increases available memory.</source>
        <translation> Uwaga: usunięcie zapisanych obiektów z drukarki zwalnia pamięć.</translation>
    </message>
    <message>
        <source>&amp;Delete Stored Object</source>
        <translation>&amp;Usuń</translation>
    </message>
    <message>
        <source>Prints sample of stored object</source>
        <translation>Drukuje próbkę zapisanego obiektu</translation>
    </message>
    <message>
        <source>Recall Stored &amp;Object</source>
        <translation>Przywołaj &amp;obiekt</translation>
    </message>
    <message>
        <source>Recall Type</source>
        <translation>Rodzaj przywołania</translation>
    </message>
    <message>
        <source>Recall I&amp;mage</source>
        <translation>Ob&amp;raz</translation>
    </message>
    <message>
        <source>Recall &amp;Format</source>
        <translation>&amp;Format</translation>
    </message>
    <message>
        <source>Drawing…</source>
        <translation>Rysowanie…</translation>
    </message>
    <message>
        <source>Not a 1-bit %1 the printer takes</source>
        <translation>To nie jest 1-bitowy %1, jaki przyjmuje drukarka</translation>
    </message>
    <message>
        <source>Cannot be stored as %1</source>
        <translation>Nie można zapisać jako %1</translation>
    </message>
    <message>
        <source>&amp;Print Format</source>
        <translation>Drukuj forma&amp;t</translation>
    </message>
    <message>
        <source>Store Format to Prin&amp;ter</source>
        <translation>Zapisz forma&amp;t</translation>
    </message>
    <message>
        <source>DATA STORAGE</source>
        <translation>PAMIĘĆ DANYCH</translation>
    </message>
    <message>
        <source>READ INTO MEMORY</source>
        <translation>WCZYTANO DO PAMIĘCI</translation>
    </message>
    <message>
        <source>Out of memory: %1 is too large to send as a label format.</source>
        <translation>Za mało pamięci: %1 jest zbyt duży, by wysłać go jako format etykiety.</translation>
    </message>
    <message>
        <source>Pictures (*.bmp;*.pcx)|*.bmp;*.pcx</source>
        <translation>Obrazy (*.bmp;*.pcx)|*.bmp;*.pcx</translation>
    </message>
    <message>
        <source>%1 Bytes</source>
        <translation>%1 bajtów</translation>
    </message>
    <message>
        <source>READING INTO MEMORY</source>
        <translation>WCZYTYWANIE DO PAMIĘCI</translation>
    </message>
    <message>
        <source>READING FAILED</source>
        <translation>BŁĄD ODCZYTU</translation>
    </message>
    <message>
        <source>CONVERTED INTO MEMORY</source>
        <translation>PRZEKONWERTOWANO DO PAMIĘCI</translation>
    </message>
    <message>
        <source>No graphic has been read. Use Browse to choose one first.</source>
        <translation>Nie wczytano grafiki. Najpierw wybierz ją przyciskiem Przeglądaj.</translation>
    </message>
    <message>
        <source>Enter Identifier</source>
        <translation>Podaj identyfikator</translation>
    </message>
    <message>
        <source>SENDING FILE TO PRINTER</source>
        <translation>WYSYŁANIE PLIKU DO DRUKARKI</translation>
    </message>
    <message>
        <source>Sending</source>
        <translation>Wysyłanie</translation>
    </message>
    <message>
        <source>FINISHED STORING %1</source>
        <translation>ZAPISANO %1</translation>
    </message>
    <message>
        <source>STORING CANCELLED</source>
        <translation>ZAPIS ANULOWANY</translation>
    </message>
    <message>
        <source>STORING FAILED</source>
        <translation>BŁĄD ZAPISU</translation>
    </message>
    <message>
        <source>Text Files(*.txt)|*.txt|All Files(*.*)|*.*</source>
        <translation>Pliki tekstowe(*.txt)|*.txt|Wszystkie pliki(*.*)|*.*</translation>
    </message>
    <message>
        <source>You must select a pre-created label format.</source>
        <translation>Musisz wybrać przygotowany wcześniej format etykiety.</translation>
    </message>
    <message>
        <source>You must select a label file to send to the printer.</source>
        <translation>Musisz wybrać plik etykiety do wysłania do drukarki.</translation>
    </message>
    <message>
        <source>Label Format Printing</source>
        <translation>Drukowanie formatu etykiety</translation>
    </message>
    <message>
        <source>Enter Format Identifier</source>
        <translation>Podaj identyfikator formatu</translation>
    </message>
    <message>
        <source>8 Characters or less please</source>
        <translation>Najwyżej 8 znaków</translation>
    </message>
    <message>
        <source>File Format Storage</source>
        <translation>Zapis formatu</translation>
    </message>
    <message>
        <source>Enter Stored Graphic to Print</source>
        <translation>Podaj zapisaną grafikę do wydrukowania</translation>
    </message>
    <message>
        <source>Enter Label Format to Print</source>
        <translation>Podaj format etykiety do wydrukowania</translation>
    </message>
    <message>
        <source>Enter Quantity</source>
        <translation>Podaj liczbę</translation>
    </message>
    <message>
        <source>Delete Stored Object</source>
        <translation>Usuń zapisany obiekt</translation>
    </message>
    <message>
        <source>Enter Identifier of Object to Delete</source>
        <translation>Podaj identyfikator obiektu do usunięcia</translation>
    </message>
    <message>
        <source>Graphic %1, %2 bytes</source>
        <translation>Grafika %1, %2 bajtów</translation>
    </message>
    <message>
        <source>Label format %1</source>
        <translation>Format etykiety %1</translation>
    </message>
    <message>
        <source>Label format %1, stored as %2</source>
        <translation>Format etykiety %1, zapisany jako %2</translation>
    </message>
    <message>
        <source>Recall graphic %1</source>
        <translation>Przywołanie grafiki %1</translation>
    </message>
    <message>
        <source>Recall format %1</source>
        <translation>Przywołanie formatu %1</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>Usunięcie %1</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Lista</translation>
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
        <translation>drukarka nie przyjmuje danych od %1 s</translation>
    </message>
    <message>
        <source>%1/s</source>
        <translation>%1/s</translation>
    </message>
    <message>
        <source>about %1 left</source>
        <translation>zostało około %1</translation>
    </message>
    <message>
        <source>%1 %2 of %3</source>
        <translation>%1: %2 z %3</translation>
    </message>
</context>
</TS>
