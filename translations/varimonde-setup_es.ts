<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AboutPage</name>
    <message>
        <source>Varimonde Printer Setup Utility</source>
        <translation>Configuración Varimonde</translation>
    </message>
    <message>
        <source>Utility Version 1.00</source>
        <translation>Versión de la utilidad 1.00</translation>
    </message>
    <message>
        <source>Language: English</source>
        <translation>Idioma: inglés</translation>
    </message>
    <message>
        <source>Provides direct link to Varimonde&apos;s web page</source>
        <translation>Abre la página web de Varimonde</translation>
    </message>
    <message>
        <source>Contact Varimonde Technical Support via e-mail</source>
        <translation>Escribir al soporte técnico de Varimonde</translation>
    </message>
    <message>
        <source>Utility Version %1.%2</source>
        <translation>Versión de la utilidad %1.%2</translation>
    </message>
    <message>
        <source>Language: %1</source>
        <translation>Idioma: %1</translation>
    </message>
</context>
<context>
    <name>BinaryPage</name>
    <message>
        <source>Binary File</source>
        <translation>Archivo binario</translation>
    </message>
    <message>
        <source>Load &amp;Binary File To Memory.</source>
        <translation>Cargar archivo &amp;binario en memoria</translation>
    </message>
    <message>
        <source>Use to upload new firmware to printer</source>
        <translation>Enviar un nuevo firmware a la impresora</translation>
    </message>
    <message>
        <source>Upload to Pri&amp;nter</source>
        <translation>Enviar a la &amp;impresora</translation>
    </message>
    <message>
        <source>Stop the transfer to the printer (Esc)</source>
        <translation>Detener el envío a la impresora (Esc)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Binary File Information/Status</source>
        <translation>Archivo binario: información/estado</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>Nombre del archivo:</translation>
    </message>
    <message>
        <source>None Loaded</source>
        <translation>Ninguno cargado</translation>
    </message>
    <message>
        <source>File Size:</source>
        <translation>Tamaño:</translation>
    </message>
    <message>
        <source>0 Bytes</source>
        <translation>0 bytes</translation>
    </message>
    <message>
        <source>No file loaded in Memory</source>
        <translation>Ningún archivo en memoria</translation>
    </message>
    <message>
        <source>No File Loaded to Printer</source>
        <translation>Ningún archivo enviado a la impresora</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>You must select a file to load into memory.</source>
        <translation>Elija un archivo para cargar en memoria.</translation>
    </message>
    <message>
        <source>%1 Bytes</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>Loading file into Memory</source>
        <translation>Cargando el archivo en memoria</translation>
    </message>
    <message>
        <source>Loading Failed: no file in Memory</source>
        <translation>Error de carga: ningún archivo en memoria</translation>
    </message>
    <message>
        <source>Firmware %1, %2 bytes, SHA-256 %3</source>
        <translation>Firmware %1, %2 bytes, SHA-256 %3</translation>
    </message>
    <message>
        <source>File Loaded into Memory</source>
        <translation>Archivo cargado en memoria</translation>
    </message>
    <message>
        <source>SHA-256: </source>
        <translation>SHA-256: </translation>
    </message>
    <message>
        <source>Uploading File</source>
        <translation>Enviando el archivo</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Enviando</translation>
    </message>
    <message>
        <source>Upload Cancelled</source>
        <translation>Envío cancelado</translation>
    </message>
    <message>
        <source>Firmware, none loaded</source>
        <translation>Firmware, ninguno cargado</translation>
    </message>
    <message>
        <source>File Uploaded</source>
        <translation>Archivo enviado</translation>
    </message>
    <message>
        <source>Upload Failed</source>
        <translation>Error en el envío</translation>
    </message>
    <message>
        <source>All Files(*.*)|*.*</source>
        <translation>Todos los archivos(*.*)|*.*</translation>
    </message>
</context>
<context>
    <name>CalibrationBlocks</name>
    <message>
        <source>Index type must be BAR or GAP</source>
        <translation>El tipo de índice debe ser BAR o GAP</translation>
    </message>
    <message>
        <source>CALIBRATION</source>
        <translation>CALIBRACIÓN</translation>
    </message>
    <message>
        <source>Print Type must be DT or TT</source>
        <translation>El tipo de impresión debe ser DT o TT</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Calibración</translation>
    </message>
    <message>
        <source>Type must be Wax, Wax/Resin, or Preimum Resin</source>
        <translation>El tipo debe ser Cera, Cera/Resina o Resina Premium</translation>
    </message>
</context>
<context>
    <name>CalibrationPage</name>
    <message>
        <source>Calibration Information</source>
        <translation>Datos de calibración</translation>
    </message>
    <message>
        <source>&amp;Index Type:</source>
        <translation>&amp;Marca:</translation>
    </message>
    <message>
        <source>Index Type:</source>
        <translation>Tipo de marca:</translation>
    </message>
    <message>
        <source>Printer &amp;Type:</source>
        <translation>Tip&amp;o:</translation>
    </message>
    <message>
        <source>Printer Type:</source>
        <translation>Tipo de impresión:</translation>
    </message>
    <message>
        <source>Ribbon Information</source>
        <translation>Cinta</translation>
    </message>
    <message>
        <source>Ribbon Material:</source>
        <translation>Cinta:</translation>
    </message>
    <message>
        <source>To determine ribbon material, look at the foil lead of your Varimonde-brand ribbon:</source>
        <translation>El tipo de cinta figura en la guía inicial de su cinta Varimonde:</translation>
    </message>
    <message>
        <source>Blue = WAX</source>
        <translation>Azul = CERA</translation>
    </message>
    <message>
        <source>Silver = WAX/RESIN Combo</source>
        <translation>Plata = CERA/RESINA</translation>
    </message>
    <message>
        <source>Gold = PREMIUM RESIN</source>
        <translation>Oro = RESINA PREMIUM</translation>
    </message>
    <message>
        <source>Before Calibrating your printer, make sure your labels and ribbon (if applicable) are properly loaded.  The labels should be print-side up, aligned against the left hand side of the printer so that they pass over the appropriate sensor.</source>
        <translation>Antes de calibrar la impresora, compruebe que las etiquetas y la cinta (si la usa) estén bien cargadas. Las etiquetas van con la cara de impresión hacia arriba y alineadas con el lado izquierdo de la impresora, para que pasen sobre el sensor correcto.</translation>
    </message>
    <message>
        <source>&amp;Calibrate Printer</source>
        <translation>&amp;Calibrar</translation>
    </message>
    <message>
        <source>Printer Test Label</source>
        <translation>Etiqueta de prueba</translation>
    </message>
    <message>
        <source>Test Label Type</source>
        <translation>Tipo de etiqueta de prueba</translation>
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
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>&amp;Ribbon Material:</source>
        <translation>Ci&amp;nta:</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Calibración</translation>
    </message>
    <message>
        <source>Test label %1</source>
        <translation>Etiqueta de prueba %1</translation>
    </message>
</context>
<context>
    <name>CommPage</name>
    <message>
        <source>Communications</source>
        <translation>Comunicación</translation>
    </message>
    <message>
        <source>&amp;Serial Communications</source>
        <translation>Comunicación &amp;serie</translation>
    </message>
    <message>
        <source>&amp;ParallelCommunications</source>
        <translation>Comunicación paralel&amp;o</translation>
    </message>
    <message>
        <source>&amp;USB Printer</source>
        <translation>Impresora &amp;USB</translation>
    </message>
    <message>
        <source>&amp;Network</source>
        <translation>&amp;Red</translation>
    </message>
    <message>
        <source>Serial Comm</source>
        <translation>Serie</translation>
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
        <translation>&amp;Baudios:</translation>
    </message>
    <message>
        <source>BAUD:</source>
        <translation>Baudios:</translation>
    </message>
    <message>
        <source>PA&amp;RITY:</source>
        <translation>&amp;Paridad:</translation>
    </message>
    <message>
        <source>PARITY:</source>
        <translation>Paridad:</translation>
    </message>
    <message>
        <source>&amp;DATABITS:</source>
        <translation>&amp;Datos:</translation>
    </message>
    <message>
        <source>DATABITS:</source>
        <translation>Bits de datos:</translation>
    </message>
    <message>
        <source>S&amp;TOPBITS:</source>
        <translation>P&amp;arada:</translation>
    </message>
    <message>
        <source>STOPBITS:</source>
        <translation>Bits de parada:</translation>
    </message>
    <message>
        <source>Default Varimonde Settings:</source>
        <translation>Valores Varimonde por defecto:</translation>
    </message>
    <message>
        <source>9600,N,8,1</source>
        <translation>9600,N,8,1</translation>
    </message>
    <message>
        <source>&amp;Apply </source>
        <translation>Apl&amp;icar</translation>
    </message>
    <message>
        <source>Not applied</source>
        <translation>Inactivo</translation>
    </message>
    <message>
        <source>The port or line settings shown are not in force until Apply is pressed.</source>
        <translation>Los ajustes mostrados no rigen hasta pulsar «Aplicar».</translation>
    </message>
    <message>
        <source>Parallel Comm</source>
        <translation>Paralelo</translation>
    </message>
    <message>
        <source>Select Parallel Port</source>
        <translation>Elegir el puerto paralelo</translation>
    </message>
    <message>
        <source>Parallel Port</source>
        <translation>Puerto paralelo</translation>
    </message>
    <message>
        <source>Select Parallel Port the Printer is connected to on the PC.</source>
        <translation>Elija el puerto paralelo del PC al que está conectada la impresora.</translation>
    </message>
    <message>
        <source>USB Printer</source>
        <translation>Impresora USB</translation>
    </message>
    <message>
        <source>Select the USB printer</source>
        <translation>Elegir la impresora USB</translation>
    </message>
    <message>
        <source>The USB printers connected now, with maker and model. The list follows printers as they are plugged in or out.</source>
        <translation>Las impresoras USB conectadas ahora, con fabricante y modelo. La lista sigue a las impresoras que se conectan o desconectan.</translation>
    </message>
    <message>
        <source>Network Printer</source>
        <translation>Impresora de red</translation>
    </message>
    <message>
        <source>&amp;Host:</source>
        <translation>&amp;Host:</translation>
    </message>
    <message>
        <source>name or IP address</source>
        <translation>nombre o dirección IP</translation>
    </message>
    <message>
        <source>Host:</source>
        <translation>Host:</translation>
    </message>
    <message>
        <source>P&amp;ort:</source>
        <translation>&amp;Puerto:</translation>
    </message>
    <message>
        <source>9100</source>
        <translation>9100</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Puerto:</translation>
    </message>
    <message>
        <source>The printer&apos;s network name or IPv4 or IPv6 address, and its raw print port: 9100 on most printers.</source>
        <translation>El nombre de red o la dirección IPv4 o IPv6 de la impresora, y su puerto de impresión directa: 9100 en la mayoría.</translation>
    </message>
    <message>
        <source>&amp;Give up after</source>
        <translation>&amp;Abandonar</translation>
    </message>
    <message>
        <source>Seconds without an answer</source>
        <translation>Segundos sin respuesta</translation>
    </message>
    <message>
        <source>s without an answer and</source>
        <translation>s sin respuesta y</translation>
    </message>
    <message>
        <source>Seconds without progress</source>
        <translation>Segundos sin progreso</translation>
    </message>
    <message>
        <source>s without progress</source>
        <translation>s sin progreso</translation>
    </message>
    <message>
        <source>F&amp;ind Printers…</source>
        <translation>&amp;Buscar…</translation>
    </message>
    <message>
        <source>Look for printers on the network and pick one.</source>
        <translation>Buscar impresoras en la red y elegir una.</translation>
    </message>
    <message>
        <source>The address shown is not in force until Apply is pressed.</source>
        <translation>La dirección mostrada no rige hasta pulsar «Aplicar».</translation>
    </message>
    <message>
        <source>A send fails when the printer gives no answer at all for this long: it is off, or the line is cut.</source>
        <translation>Un envío falla si la impresora no responde nada durante este tiempo: está apagada o la línea está cortada.</translation>
    </message>
    <message>
        <source>A send fails when the printer still answers but takes no data for this long: check paper, ribbon and the printer&apos;s display.</source>
        <translation>Un envío falla si la impresora aún responde pero no acepta datos durante este tiempo: revise papel, cinta y la pantalla de la impresora.</translation>
    </message>
    <message>
        <source>Utility Settings</source>
        <translation>Ajustes del programa</translation>
    </message>
    <message>
        <source>Invalid Value in COMM Settings</source>
        <translation>Valor no válido en los ajustes de comunicación</translation>
    </message>
    <message>
        <source>No such USB printer</source>
        <translation>No existe esa impresora USB</translation>
    </message>
    <message>
        <source>No such link</source>
        <translation>No existe esa conexión</translation>
    </message>
    <message>
        <source>No USB printer found</source>
        <translation>No se encontró ninguna impresora USB</translation>
    </message>
</context>
<context>
    <name>CommandLineHelp</name>
    <message>
        <source>After --calibrate: DT (direct thermal) or TT (thermal transfer).</source>
        <translation>Tras --calibrate: DT (térmico directo) o TT (transferencia térmica).</translation>
    </message>
    <message>
        <source>After --calibrate with TT: WAX (0, the default), &quot;WAX/RESIN COMBO&quot; (1) or &quot;PREMIUM RESIN&quot; (2).</source>
        <translation>Tras --calibrate con TT: WAX (0, por omisión), &quot;WAX/RESIN COMBO&quot; (1) o &quot;PREMIUM RESIN&quot; (2).</translation>
    </message>
    <message>
        <source>After --store-graphic or --store-format: the identifier, at most 8 characters.</source>
        <translation>Tras --store-graphic o --store-format: el identificador, 8 caracteres como máximo.</translation>
    </message>
    <message>
        <source>After --store-graphic: the file is a PCX.</source>
        <translation>Tras --store-graphic: el archivo es un PCX.</translation>
    </message>
    <message>
        <source>After --store-graphic: make the picture (PNG, JPEG, GIF, BMP) a 1-bit BMP, dots darker than the threshold black.</source>
        <translation>Tras --store-graphic: convertir la imagen (PNG, JPEG, GIF, BMP) en un BMP de 1 bit; los puntos más oscuros que el umbral, en negro.</translation>
    </message>
    <message>
        <source>With --convert: spread the greys by error diffusion.</source>
        <translation>Con --convert: repartir los grises por difusión de error.</translation>
    </message>
    <message>
        <source>With --convert: the grey (1-255, default 128) below which a dot is black.</source>
        <translation>Con --convert: el gris (1-255, por omisión 128) por debajo del cual un punto es negro.</translation>
    </message>
    <message>
        <source>With --convert: scale to this many dots across, keeping the aspect (the printer prints 203 dots an inch).</source>
        <translation>Con --convert: escalar a este ancho en puntos, conservando la proporción (la impresora imprime 203 puntos por pulgada).</translation>
    </message>
    <message>
        <source>With --convert: swap black and white.</source>
        <translation>Con --convert: intercambiar blanco y negro.</translation>
    </message>
    <message>
        <source>After --recall-format: how many labels.</source>
        <translation>Tras --recall-format: cuántas etiquetas.</translation>
    </message>
    <message>
        <source>A printer to send to; give it once for each printer.</source>
        <translation>Una impresora a la que enviar; se da una vez por cada impresora.</translation>
    </message>
    <message>
        <source>Read targets from a file, one a line; blank lines and comments (from a # at the start or after a blank) are skipped.</source>
        <translation>Leer los destinos de un archivo, uno por línea; se omiten las líneas en blanco y los comentarios (desde un # al principio o tras un blanco).</translation>
    </message>
    <message>
        <source>Send nothing: write what would be sent to each printer to standard output.</source>
        <translation>No enviar nada: escribir en la salida estándar lo que se enviaría a cada impresora.</translation>
    </message>
    <message>
        <source>With --dry-run: write to a file instead; a name ending in .bmp gets the image of the one --convert alone.</source>
        <translation>Con --dry-run: escribir en un archivo; un nombre que termina en .bmp recibe la imagen de un único --convert.</translation>
    </message>
    <message>
        <source>With --dry-run: a hex dump, one block per transmission.</source>
        <translation>Con --dry-run: un volcado hexadecimal, un bloque por transmisión.</translation>
    </message>
    <message>
        <source>At most this many printers at once (default: 1000 network and USB printers, one transfer per serial or parallel port).</source>
        <translation>Como máximo este número de impresoras a la vez (por omisión: 1000 impresoras de red y USB, una transferencia por puerto serie o paralelo).</translation>
    </message>
    <message>
        <source>Write a JSON report of every printer&apos;s outcome; with --dry-run, of what each would be sent.</source>
        <translation>Escribir un informe JSON del resultado de cada impresora; con --dry-run, de lo que se enviaría a cada una.</translation>
    </message>
    <message>
        <source>Seconds a printer may take no data before it has failed (default 10, at most 86400); a network printer: seconds it may leave us without any answer.</source>
        <translation>Segundos que una impresora puede pasar sin tomar datos antes de darse por fallida (por omisión 10, como máximo 86400); una impresora de red: segundos que puede pasar sin respondernos nada.</translation>
    </message>
    <message>
        <source>Seconds a network printer that still answers may take no data before it has failed (default 60, at most 86400).</source>
        <translation>Segundos que una impresora de red que aún responde puede pasar sin tomar datos antes de darse por fallida (por omisión 60, como máximo 86400).</translation>
    </message>
    <message>
        <source>Seconds to wait for a network printer to answer (default 5, at most 86400).</source>
        <translation>Segundos de espera a que responda una impresora de red (por omisión 5, como máximo 86400).</translation>
    </message>
    <message>
        <source>Write progress as JSON Lines events on standard output (start, progress, done, failed, cancelled); the summary then goes to standard error.</source>
        <translation>Escribir el progreso como eventos JSON Lines en la salida estándar (start, progress, done, failed, cancelled); el resumen va entonces a la salida de error estándar.</translation>
    </message>
    <message>
        <source>Seconds between progress lines or events of each printer when standard error is not a terminal (default 10, at most 86400); one also comes at each tenth of the way.</source>
        <translation>Segundos entre las líneas o eventos de progreso de cada impresora cuando la salida de error estándar no es un terminal (por omisión 10, como máximo 86400); también llega uno en cada décima parte del recorrido.</translation>
    </message>
    <message>
        <source>Write only failures and the summary.</source>
        <translation>Escribir solo los fallos y el resumen.</translation>
    </message>
    <message>
        <source>The language of the texts (de, es, fr, it, ja, pl, pt_BR, zh_CN; en for English); without it the LANGUAGE variable and the locale decide. Reports, events and exit codes are the same in every language.</source>
        <translation>El idioma de los textos (de, es, fr, it, ja, pl, pt_BR, zh_CN; en para inglés); sin ella deciden la variable LANGUAGE y la configuración regional. Los informes, los eventos y los códigos de salida son iguales en todos los idiomas.</translation>
    </message>
    <message>
        <source>Send the configuration of a profile, as Upload Settings to Printer does after Import Profile.</source>
        <translation>Enviar la configuración de un perfil, como hace «Enviar a la impresora» tras «Importar».</translation>
    </message>
    <message>
        <source>Calibrate media sensing for the index type; needs --print-type, and takes --ribbon for thermal transfer.</source>
        <translation>Calibrar la detección del soporte para el tipo de marca; necesita --print-type y admite --ribbon para transferencia térmica.</translation>
    </message>
    <message>
        <source>Print test label 1 (4X3) or 2 (2.4X1).</source>
        <translation>Imprimir la etiqueta de prueba 1 (4X3) o 2 (2.4X1).</translation>
    </message>
    <message>
        <source>Store a 1-bit BMP graphic (PCX with --pcx) under the identifier given with --id; with --convert, any picture made into a 1-bit BMP.</source>
        <translation>Guardar un gráfico BMP de 1 bit (PCX con --pcx) con el identificador dado en --id; con --convert, cualquier imagen convertida en BMP de 1 bit.</translation>
    </message>
    <message>
        <source>Print a label format file as it is.</source>
        <translation>Imprimir tal cual un archivo de formato de etiqueta.</translation>
    </message>
    <message>
        <source>Store a label format file under the identifier of --id.</source>
        <translation>Guardar un archivo de formato de etiqueta con el identificador de --id.</translation>
    </message>
    <message>
        <source>Print a stored graphic.</source>
        <translation>Imprimir un gráfico guardado.</translation>
    </message>
    <message>
        <source>Print a stored format, --quantity labels (1 unless given).</source>
        <translation>Imprimir un formato guardado, --quantity etiquetas (1 si no se indica).</translation>
    </message>
    <message>
        <source>Delete a stored graphic or format.</source>
        <translation>Borrar un gráfico o un formato guardado.</translation>
    </message>
    <message>
        <source>Have the printer print the list of stored objects.</source>
        <translation>Hacer que la impresora imprima la lista de objetos guardados.</translation>
    </message>
    <message>
        <source>Upload a firmware image; its SHA-256 is shown first.</source>
        <translation>Cargar una imagen de firmware; primero se muestra su SHA-256.</translation>
    </message>
    <message>
        <source>Send a file&apos;s bytes unchanged.</source>
        <translation>Enviar los bytes de un archivo sin cambios.</translation>
    </message>
    <message>
        <source>Sets up Varimonde thermal label printers without a window: sends each printer the same bytes as the window&apos;s buttons would, to one printer or many at once.
Without options the window opens.

Targets: COMn[:baud,parity,data,stop], a serial device path[:settings], LPT1, LPT2, usb:DEVICE, tcp://HOST[:PORT] (9100 unless given; an IPv6 address in brackets).
Actions run in the order given, the same on every printer; each printer&apos;s run stops at its first failure.

Exit status: 0 every printer done, 1 a printer failed, 2 bad arguments or input, 130 interrupted.</source>
        <translation>Configura las impresoras de etiquetas térmicas Varimonde sin ventana: envía a cada impresora los mismos bytes que los botones de la ventana, a una impresora o a muchas a la vez.
Sin opciones se abre la ventana.

Destinos: COMn[:baud,parity,data,stop], la ruta de un dispositivo serie[:ajustes], LPT1, LPT2, usb:DEVICE, tcp://HOST[:PORT] (9100 si no se indica; una dirección IPv6 entre corchetes).
Las acciones se ejecutan en el orden dado, las mismas en cada impresora; cada impresora se detiene en su primer fallo.

Estado de salida: 0 todas las impresoras terminadas, 1 falló una impresora, 2 argumentos o entrada incorrectos, 130 interrumpido.</translation>
    </message>
    <message>
        <source>Show this help and end.</source>
        <translation>Mostrar esta ayuda y terminar.</translation>
    </message>
    <message>
        <source>Show the version and end.</source>
        <translation>Mostrar la versión y terminar.</translation>
    </message>
    <message>
        <source>Find network printers: sweep the --range given (port 9100), browse DNS-SD with --dns-sd, and ask each over SNMP; prints a table (JSON with --report).</source>
        <translation>Buscar impresoras de red: recorrer el rango de --range (puerto 9100), explorar DNS-SD con --dns-sd y preguntar a cada una por SNMP; muestra una tabla (JSON con --report).</translation>
    </message>
    <message>
        <source>With --discover: a CIDR range (at most /22) or a host; repeatable.</source>
        <translation>Con --discover: un rango CIDR (como máximo /22) o un host; repetible.</translation>
    </message>
    <message>
        <source>With --discover: a raw port to try besides 9100; repeatable.</source>
        <translation>Con --discover: un puerto raw que probar además del 9100; repetible.</translation>
    </message>
    <message>
        <source>With --discover: also browse DNS-SD (_pdl-datastream, _printer, _ipp) through the Avahi daemon.</source>
        <translation>Con --discover: explorar también DNS-SD (_pdl-datastream, _printer, _ipp) a través del demonio Avahi.</translation>
    </message>
    <message>
        <source>With --discover: write a targets file of the printers found. A file that --discover did not write is not replaced without --force.</source>
        <translation>Con --discover: escribir un archivo de destinos con las impresoras encontradas. Un archivo que --discover no escribió no se reemplaza sin --force.</translation>
    </message>
    <message>
        <source>With --write-targets: replace the file even when it was not written by --discover (a targets file made by hand).</source>
        <translation>Con --write-targets: reemplazar el archivo aunque no lo haya escrito --discover (un archivo de destinos hecho a mano).</translation>
    </message>
    <message>
        <source>Read the status of every network target over SNMP; the exit status is 1 when any reports an error or does not answer. A printer on a serial, parallel or USB line cannot be asked: it is listed and counted apart.</source>
        <translation>Leer por SNMP el estado de cada destino de red; el estado de salida es 1 cuando alguno informa de un error o no responde. A una impresora en una línea serie, paralela o USB no se le puede preguntar: se lista y se cuenta aparte.</translation>
    </message>
    <message>
        <source>Read the SNMP secrets from a file only its owner may read, or from standard input (-): lines community=NAME, auth=PHRASE, priv=PHRASE.</source>
        <translation>Leer los secretos SNMP de un archivo que solo su propietario puede leer, o de la entrada estándar (-): líneas community=NAME, auth=PHRASE, priv=PHRASE.</translation>
    </message>
    <message>
        <source>The SNMP v2c community (default public); other users see it: prefer --snmp-secrets.</source>
        <translation>La comunidad SNMP v2c (por omisión public); otros usuarios la ven: mejor --snmp-secrets.</translation>
    </message>
    <message>
        <source>The UDP port printers answer SNMP on (default 161).</source>
        <translation>El puerto UDP en el que las impresoras responden a SNMP (por omisión 161).</translation>
    </message>
    <message>
        <source>Ask over SNMP v3 as this user.</source>
        <translation>Preguntar por SNMP v3 como este usuario.</translation>
    </message>
    <message>
        <source>With --snmp-user: the SHA authentication pass phrase; other users see it: prefer --snmp-secrets.</source>
        <translation>Con --snmp-user: la frase de paso de autenticación SHA; otros usuarios la ven: mejor --snmp-secrets.</translation>
    </message>
    <message>
        <source>With --snmp-user: the AES privacy pass phrase; other users see it: prefer --snmp-secrets.</source>
        <translation>Con --snmp-user: la frase de paso de privacidad AES; otros usuarios la ven: mejor --snmp-secrets.</translation>
    </message>
    <message>
        <source>With --status: also write one row per printer (name, location, model, serial, status, alerts, odometer, media, when read) to this file: CSV, or JSON when its name ends in .json.</source>
        <translation>Con --status: escribir también una fila por impresora (nombre, ubicación, modelo, número de serie, estado, alertas, contador, soporte, momento de la lectura) en este archivo: CSV, o JSON si su nombre termina en .json.</translation>
    </message>
    <message>
        <source>Read every network target over SNMP again and again, each at most once in this many seconds, and write a JSON line on standard output for each change (online, offline, status, alert-raised, alert-cleared) and each odometer read; Ctrl-C ends it (exit 130).</source>
        <translation>Leer una y otra vez por SNMP cada destino de red, cada uno como mucho una vez en este número de segundos, y escribir una línea JSON en la salida estándar por cada cambio (online, offline, status, alert-raised, alert-cleared) y cada lectura del contador; Ctrl-C lo termina (salida 130).</translation>
    </message>
    <message>
        <source>With --watch: serve the printers&apos; state for Prometheus at http://ADDRESS:PORT/metrics (port 0: any free port, said on standard error).</source>
        <translation>Con --watch: servir el estado de las impresoras para Prometheus en http://ADDRESS:PORT/metrics (puerto 0: cualquier puerto libre, indicado en la salida de error estándar).</translation>
    </message>
    <message>
        <source>Send even to a network printer whose SNMP status reports an error (no paper, door open, jammed, offline).</source>
        <translation>Enviar incluso a una impresora de red cuyo estado SNMP informa de un error (sin papel, tapa abierta, atasco, fuera de línea).</translation>
    </message>
</context>
<context>
    <name>CommandLineText</name>
    <message>
        <source> Did you mean --%1?</source>
        <translation> ¿Quería decir --%1?</translation>
    </message>
    <message>
        <source>%1 goes with --convert</source>
        <translation>%1 va con --convert</translation>
    </message>
    <message>
        <source>--convert makes a BMP: leave out --pcx</source>
        <translation>--convert genera un BMP: quite --pcx</translation>
    </message>
    <message>
        <source>--dither and --threshold exclude each other</source>
        <translation>--dither y --threshold se excluyen</translation>
    </message>
    <message>
        <source>--threshold takes a grey from %1 to %2, not &quot;%3&quot;</source>
        <translation>--threshold admite un gris de %1 a %2, no «%3»</translation>
    </message>
    <message>
        <source>--width takes a number of dots from 1 to %1, not &quot;%2&quot;</source>
        <translation>--width admite un número de puntos de 1 a %1, no «%2»</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>%1 takes a whole number of at least 1, not &quot;%2&quot;</source>
        <translation>%1 admite un número entero de al menos 1, no «%2»</translation>
    </message>
    <message>
        <source>%1 takes a whole number of seconds from 1 to %2, not &quot;%3&quot;</source>
        <translation>%1 admite un número entero de segundos de 1 a %2, no «%3»</translation>
    </message>
    <message>
        <source>%1 belongs right after an action that takes it (%2)</source>
        <translation>%1 va justo después de una acción que lo admita (%2)</translation>
    </message>
    <message>
        <source>%1 is given twice for %2</source>
        <translation>%1 se da dos veces para %2</translation>
    </message>
    <message>
        <source>%1 needs %2</source>
        <translation>%1 necesita %2</translation>
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
        <translation>--progress admite json, no «%1»</translation>
    </message>
    <message>
        <source>--progress goes with a run that sends: leave out --dry-run</source>
        <translation>--progress va con una ejecución que envía: quite --dry-run</translation>
    </message>
    <message>
        <source>--discover finds printers: leave out --to and --targets</source>
        <translation>--discover busca impresoras: quite --to y --targets</translation>
    </message>
    <message>
        <source>no printer to send to: give --to or --targets</source>
        <translation>ninguna impresora a la que enviar: indique --to o --targets</translation>
    </message>
    <message>
        <source>%1 gives what the file gives: leave out one</source>
        <translation>%1 da lo mismo que el archivo: quite uno de los dos</translation>
    </message>
    <message>
        <source>nothing to send: give at least one action, such as --profile or --firmware</source>
        <translation>nada que enviar: indique al menos una acción, como --profile o --firmware</translation>
    </message>
    <message>
        <source>--output %1 takes the image of one --convert, not %2</source>
        <translation>--output %1 admite la imagen de un solo --convert, no de %2</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;: targets go after --to</source>
        <translation>argumento inesperado «%1»: los destinos van después de --to</translation>
    </message>
    <message>
        <source>--discover, --status and --watch send nothing: leave out the actions and --dry-run</source>
        <translation>--discover, --status y --watch no envían nada: quite las acciones y --dry-run</translation>
    </message>
    <message>
        <source>the report</source>
        <translation>el informe</translation>
    </message>
    <message>
        <source>varimonde-setup: interrupted before the output was written</source>
        <translation>varimonde-setup: interrumpido antes de escribir la salida</translation>
    </message>
    <message>
        <source>varimonde-setup: cannot write the output: %1</source>
        <translation>varimonde-setup: no se puede escribir la salida: %1</translation>
    </message>
    <message>
        <source>Try &apos;varimonde-setup --help&apos; for more information.</source>
        <translation>Pruebe &apos;varimonde-setup --help&apos; para más información.</translation>
    </message>
    <message>
        <source>varimonde-setup: interrupted while the files were read</source>
        <translation>varimonde-setup: interrumpido mientras se leían los archivos</translation>
    </message>
    <message>
        <source>varimonde-setup: interrupted before the bytes were shown</source>
        <translation>varimonde-setup: interrumpido antes de mostrar los bytes</translation>
    </message>
    <message>
        <source>--discover, --status and --watch exclude each other</source>
        <translation>--discover, --status y --watch se excluyen</translation>
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
        <translation>el archivo de destinos</translation>
    </message>
    <message>
        <source>the inventory</source>
        <translation>el inventario</translation>
    </message>
    <message>
        <source>%1: not a network printer; its status cannot be read, it is not watched</source>
        <translation>%1: no es una impresora de red; no se puede leer su estado, no se vigila</translation>
    </message>
    <message>
        <source>varimonde-setup: no network printer to watch</source>
        <translation>varimonde-setup: ninguna impresora de red que vigilar</translation>
    </message>
    <message>
        <source>varimonde-setup: cannot serve metrics on %1</source>
        <translation>varimonde-setup: no se pueden servir las métricas en %1</translation>
    </message>
    <message>
        <source>serving metrics on http://%1:%2/metrics</source>
        <translation>métricas servidas en http://%1:%2/metrics</translation>
    </message>
    <message>
        <source>watched %1 printer for %2 s: %3 reads, %4 events; %5 online, %6 not</source>
        <translation>%1 impresora vigilada durante %2 s: %3 lecturas, %4 eventos; %5 en línea, %6 no</translation>
    </message>
    <message>
        <source>watched %1 printers for %2 s: %3 reads, %4 events; %5 online, %6 not</source>
        <translation>%1 impresoras vigiladas durante %2 s: %3 lecturas, %4 eventos; %5 en línea, %6 no</translation>
    </message>
    <message>
        <source>varimonde-setup: cannot write %1: %2</source>
        <translation>varimonde-setup: no se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>sent %1 bytes in %2 s</source>
        <translation>%1 bytes enviados en %2 s</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <translation>falló: %1</translation>
    </message>
    <message>
        <source>cancelled after %1 bytes</source>
        <translation>cancelado tras %1 bytes</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>no se pudo leer %1: %2</translation>
    </message>
    <message>
        <source>%1 holds more than %2 bytes: not a secrets file</source>
        <translation>%1 contiene más de %2 bytes: no es un archivo de secretos</translation>
    </message>
    <message>
        <source>%1 is not community=, auth= or priv=</source>
        <translation>%1 no es community=, auth= ni priv=</translation>
    </message>
    <message>
        <source>%1: %2 is empty</source>
        <translation>%1: %2 está vacío</translation>
    </message>
    <message>
        <source>%1: %2 holds a control character</source>
        <translation>%1: %2 contiene un carácter de control</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>la entrada estándar</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2</source>
        <translation>no se pudo abrir %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 no es un archivo normal</translation>
    </message>
    <message>
        <source>an empty target: %1</source>
        <translation>un destino vacío: %1</translation>
    </message>
    <message>
        <source>target &quot;%1&quot;: %2</source>
        <translation>destino «%1»: %2</translation>
    </message>
    <message>
        <source>%1 of %2 bytes delivered</source>
        <translation>%1 de %2 bytes entregados</translation>
    </message>
    <message>
        <source>rate not known yet</source>
        <translation>velocidad aún desconocida</translation>
    </message>
    <message>
        <source>time left not known</source>
        <translation>tiempo restante desconocido</translation>
    </message>
    <message>
        <source>sent</source>
        <translation>enviados</translation>
    </message>
    <message>
        <source>--watch takes seconds from 1 to 86400, not &quot;%1&quot;</source>
        <translation>--watch toma segundos de 1 a 86400, no «%1»</translation>
    </message>
    <message>
        <source>--metrics takes ADDRESS:PORT, such as 127.0.0.1:9464 or [::1]:9464, not &quot;%1&quot;</source>
        <translation>--metrics toma DIRECCIÓN:PUERTO, como 127.0.0.1:9464 o [::1]:9464, no «%1»</translation>
    </message>
    <message>
        <source>--%1 takes a port from 1 to 65535, not &quot;%2&quot;</source>
        <translation>--%1 toma un puerto de 1 a 65535, no «%2»</translation>
    </message>
    <message>
        <source>--discover needs --range or --dns-sd: nothing is swept unless asked</source>
        <translation>--discover necesita --range o --dns-sd: no se barre nada sin pedirlo</translation>
    </message>
    <message>
        <source>pass phrases (--snmp-auth, --snmp-priv, auth=, priv=) go with --snmp-user</source>
        <translation>las frases de paso (--snmp-auth, --snmp-priv, auth=, priv=) van con --snmp-user</translation>
    </message>
    <message>
        <source>--write-targets %1: the file was not written by --discover (a targets file made by hand?) and is left as it is; give --force to replace it</source>
        <translation>--write-targets %1: el archivo no lo escribió --discover (¿un archivo de destinos hecho a mano?) y se deja como está; use --force para reemplazarlo</translation>
    </message>
    <message>
        <source>SNMP privacy needs authentication: give --snmp-auth too</source>
        <translation>el cifrado SNMP necesita autenticación: indique también --snmp-auth</translation>
    </message>
    <message>
        <source>SNMP v3 pass phrases have at least 8 characters</source>
        <translation>las frases de paso de SNMP v3 tienen al menos 8 caracteres</translation>
    </message>
    <message>
        <source>the SNMP community is empty</source>
        <translation>la comunidad SNMP está vacía</translation>
    </message>
    <message>
        <source>an empty range</source>
        <translation>un rango vacío</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a host name or address</source>
        <translation>«%1» no es un nombre de host ni una dirección</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an IPv4 range such as 192.168.1.0/24</source>
        <translation>«%1» no es un rango IPv4 como 192.168.1.0/24</translation>
    </message>
    <message>
        <source>the range %1 is wider than /%2 (%3 addresses): give smaller ranges</source>
        <translation>el rango %1 es más amplio que /%2 (%3 direcciones): indique rangos más pequeños</translation>
    </message>
</context>
<context>
    <name>ConfigPage</name>
    <message>
        <source>&amp;Darkness </source>
        <translation>&amp;Oscuridad</translation>
    </message>
    <message>
        <source>Darkness:</source>
        <translation>Valor:</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Warning: Darkness Greater than 50 May Decrease the Life of the Printhead.</source>
        <translation>Atención: una oscuridad mayor que 50 puede acortar la vida del cabezal.</translation>
    </message>
    <message>
        <source>&amp;Width</source>
        <translation>&amp;Ancho</translation>
    </message>
    <message>
        <source>Printer Width:</source>
        <translation>Ancho:</translation>
    </message>
    <message>
        <source>416 represents 4.16 inches wide.  For 3.00 inch media use 300.</source>
        <translation>416 equivale a 4,16 pulgadas de ancho. Para material de 3,00 pulgadas use 300.</translation>
    </message>
    <message>
        <source>416</source>
        <translation>416</translation>
    </message>
    <message>
        <source>Default for a 2 inch: 224</source>
        <translation>Por defecto para 2 pulgadas: 224</translation>
    </message>
    <message>
        <source>Default for a 4 inch: 416</source>
        <translation>Por defecto para 4 pulgadas: 416</translation>
    </message>
    <message>
        <source>&amp;PrintSpeed</source>
        <translation>&amp;Velocidad</translation>
    </message>
    <message>
        <source>Select PrintSpeed</source>
        <translation>Elegir la velocidad de impresión</translation>
    </message>
    <message>
        <source>PrintSpeed</source>
        <translation>Velocidad de impresión</translation>
    </message>
    <message>
        <source>Configure the speed at which your printer prints.  This may affect print quality.</source>
        <translation>Ajusta la velocidad de impresión. Puede afectar a la calidad.</translation>
    </message>
    <message>
        <source>Print &amp;Mode</source>
        <translation>&amp;Modo</translation>
    </message>
    <message>
        <source>Configure your printer for Direct Thermal or Thermal Transfer mode</source>
        <translation>Configura la impresora en modo térmico directo o transferencia térmica</translation>
    </message>
    <message>
        <source>Print Mode</source>
        <translation>Modo de impresión</translation>
    </message>
    <message>
        <source>Configure your printer to Direct Thermal (DT) or Thermal Transfer (TT) mode.</source>
        <translation>Configura la impresora en térmica directa (DT) o transferencia térmica (TT).</translation>
    </message>
    <message>
        <source>Kestra emulation reduces printer performance and lowers print resolution.  Kestra emulation should only be used to make your Tornelo backwards compatible.</source>
        <translation>La emulación Kestra reduce el rendimiento y la resolución de impresión. Úsela solo para que su Tornelo sea compatible con versiones anteriores.</translation>
    </message>
    <message>
        <source>&amp;Kestra Emulation</source>
        <translation>Emulación &amp;Kestra</translation>
    </message>
    <message>
        <source>Dis&amp;able Emulation in Printer</source>
        <translation>Desactivar la em&amp;ulación</translation>
    </message>
    <message>
        <source>Kestra emulation allows your old labels to print properly in the Tornelo.  Use the Scaler to change label size (default 100}</source>
        <translation>La emulación Kestra permite imprimir bien sus etiquetas antiguas en su Tornelo. Use la escala para cambiar el tamaño de la etiqueta (100 por defecto)</translation>
    </message>
    <message>
        <source>Scaler:</source>
        <translation>Escala:</translation>
    </message>
    <message>
        <source>Right-Click to Set Value Manually</source>
        <translation>Clic derecho para introducir el valor a mano</translation>
    </message>
    <message>
        <source>100</source>
        <translation>100</translation>
    </message>
    <message>
        <source>Varimonde recommends setting your text buffer to no more than 32K.</source>
        <translation>Varimonde recomienda un búfer de texto de 32K como máximo.</translation>
    </message>
    <message>
        <source>&amp;Text Buffer</source>
        <translation>&amp;Búfer de texto</translation>
    </message>
    <message>
        <source>Text Buffer (Main)</source>
        <translation>Búfer (principal)</translation>
    </message>
    <message>
        <source>4096</source>
        <translation>4096</translation>
    </message>
    <message>
        <source>Right-Click to set buffer manually.</source>
        <translation>Clic derecho para ajustar el búfer a mano.</translation>
    </message>
    <message>
        <source>Text Buffer (Overflow)</source>
        <translation>Búfer (desborde)</translation>
    </message>
    <message>
        <source>Right-Click to set buffer manually</source>
        <translation>Clic derecho para ajustar el búfer a mano</translation>
    </message>
    <message>
        <source>Note: Changing these settings will delete any stored graphics, and will reduce the amount of memory reserved for graphics.</source>
        <translation>Nota: cambiar estos ajustes borra todos los gráficos almacenados y reduce la memoria reservada para gráficos.</translation>
    </message>
    <message>
        <source>Uploads current settings to printer</source>
        <translation>Envía los ajustes actuales a la impresora</translation>
    </message>
    <message>
        <source>&amp;Upload Settings to Printer</source>
        <translation>Enviar a la imp&amp;resora</translation>
    </message>
    <message>
        <source>Imports saved profile for easy duplication of printer configurations</source>
        <translation>Importa un perfil guardado para duplicar fácilmente la configuración de una impresora</translation>
    </message>
    <message>
        <source>&amp;Import Profile</source>
        <translation>&amp;Importar</translation>
    </message>
    <message>
        <source>Saves and exports profile for future printer setup</source>
        <translation>Guarda y exporta el perfil para configurar impresoras en el futuro</translation>
    </message>
    <message>
        <source>E&amp;xport Profile</source>
        <translation>E&amp;xportar</translation>
    </message>
    <message>
        <source>Opens seperate window with Varimonde commands for printer setup.</source>
        <translation>Abre una ventana aparte con los comandos Varimonde para configurar la impresora.</translation>
    </message>
    <message>
        <source>&amp;Show Details</source>
        <translation>Mostrar &amp;detalles</translation>
    </message>
    <message>
        <source>Please Enter Desired Scaler</source>
        <translation>Introduzca la escala deseada</translation>
    </message>
    <message>
        <source>Scaler Setting</source>
        <translation>Ajuste de escala</translation>
    </message>
    <message>
        <source>Maximum Value is 250</source>
        <translation>El valor máximo es 250</translation>
    </message>
    <message>
        <source>Invalid Data</source>
        <translation>Dato no válido</translation>
    </message>
    <message>
        <source>Set Value for Main Text Buffer</source>
        <translation>Valor del búfer de texto principal</translation>
    </message>
    <message>
        <source>Primary Text Buffer</source>
        <translation>Búfer de texto principal</translation>
    </message>
    <message>
        <source>Enter value for Overflow Buffer</source>
        <translation>Introduzca el valor del búfer de desborde</translation>
    </message>
    <message>
        <source>Overflow Buffer</source>
        <translation>Búfer de desborde</translation>
    </message>
    <message>
        <source>Overflow must fall between 0 and (Text Buffer-1024)</source>
        <translation>El desborde debe estar entre 0 y (búfer de texto-1024)</translation>
    </message>
    <message>
        <source>Overflow Buffer Warning</source>
        <translation>Aviso del búfer de desborde</translation>
    </message>
    <message>
        <source>Configuration block</source>
        <translation>Bloque de configuración</translation>
    </message>
</context>
<context>
    <name>DetailsWindow</name>
    <message>
        <source>Details</source>
        <translation>Detalles</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Send Anyway</source>
        <translation>Enviar de todos modos</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>Interrupted while the files were read: cancelled before sending.</source>
        <translation>Interrumpido mientras se leían los archivos: cancelado antes de enviar.</translation>
    </message>
    <message>
        <source>Interrupted: the transfer was stopped and its end not waited for.</source>
        <translation>Interrumpido: se detuvo la transferencia sin esperar a su final.</translation>
    </message>
    <message>
        <source>Interrupted before this printer&apos;s turn: nothing was sent.</source>
        <translation>Interrumpido antes del turno de esta impresora: no se envió nada.</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Valor de propiedad no válido</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>No coinciden los tipos</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Desbordamiento</translation>
    </message>
    <message>
        <source>Cancel was selected.</source>
        <translation>Se eligió Cancelar.</translation>
    </message>
    <message>
        <source>Subscript out of range: there are no bytes in memory to send</source>
        <translation>Subíndice fuera del intervalo: no hay bytes en memoria para enviar</translation>
    </message>
    <message>
        <source>The transfer was cancelled.</source>
        <translation>Se canceló la transferencia.</translation>
    </message>
    <message>
        <source>The transfer was stopped.</source>
        <translation>Se detuvo la transferencia.</translation>
    </message>
    <message>
        <source>Bad file name or number</source>
        <translation>Nombre o número de archivo incorrecto</translation>
    </message>
    <message>
        <source>%1 is out of paper: load labels and try again.</source>
        <translation>%1 no tiene papel: cargue etiquetas e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>%1 is offline: put the printer online and try again.</source>
        <translation>%1 está fuera de línea: ponga la impresora en línea e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>%1 reports an error: check the printer&apos;s cover, labels and ribbon, then try again.</source>
        <translation>%1 informa de un error: revise la tapa, las etiquetas y la cinta de la impresora e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Device I/O error: %1 accepted no data for %2 seconds. Check that the printer is on, online and has paper.</source>
        <translation>Error de E/S del dispositivo: %1 no aceptó datos durante %2 segundos. Compruebe que la impresora está encendida, en línea y tiene papel.</translation>
    </message>
    <message>
        <source>%1 bytes delivered</source>
        <translation>%1 bytes entregados</translation>
    </message>
    <message>
        <source>No printer address is set: enter the printer&apos;s network name or IP address on the Communication Settings tab.</source>
        <translation>No hay dirección de impresora: escriba el nombre de red o la dirección IP de la impresora en la pestaña Comunicación.</translation>
    </message>
    <message>
        <source>could not look %1 up within %2 s: check the name and the DNS server</source>
        <translation>no se pudo resolver %1 en %2 s: compruebe el nombre y el servidor DNS</translation>
    </message>
    <message>
        <source>The printer&apos;s network name &quot;%1&quot; could not be found (port %2): check the name, or enter the printer&apos;s IP address instead.</source>
        <translation>No se encontró el nombre de red «%1» de la impresora (puerto %2): compruebe el nombre o escriba en su lugar la dirección IP de la impresora.</translation>
    </message>
    <message>
        <source>%1 did not answer within %2 seconds: check the address, and that the printer is on and connected to the network.</source>
        <translation>%1 no respondió en %2 segundos: compruebe la dirección y que la impresora está encendida y conectada a la red.</translation>
    </message>
    <message>
        <source>%1 refused the connection: check that this is the printer&apos;s address and that it takes print jobs on port %2 (9100 on most printers).</source>
        <translation>%1 rechazó la conexión: compruebe que es la dirección de la impresora y que acepta trabajos en el puerto %2 (9100 en la mayoría de las impresoras).</translation>
    </message>
    <message>
        <source>%1 cannot be reached: %2</source>
        <translation>No se puede acceder a %1: %2</translation>
    </message>
    <message>
        <source>%1 closed the connection during the transfer: the printer may have been switched off or restarted.</source>
        <translation>%1 cerró la conexión durante la transferencia: puede que la impresora se haya apagado o reiniciado.</translation>
    </message>
    <message>
        <source>The connection to %1 failed during the transfer: %2</source>
        <translation>La conexión con %1 falló durante la transferencia: %2</translation>
    </message>
    <message>
        <source>%1 stopped answering: nothing came back for %2 s. Check that the printer is on and connected to the network.</source>
        <translation>%1 dejó de responder: no llegó nada durante %2 s. Compruebe que la impresora está encendida y conectada a la red.</translation>
    </message>
    <message>
        <source>%1 %2; the wait for an answer is set on the Communication Settings tab (Give up after) or with --stall-limit.</source>
        <translation>%1 %2; la espera de una respuesta se ajusta en la pestaña Comunicación (Abandonar tras) o con --stall-limit.</translation>
    </message>
    <message>
        <source>%1 took no data for %2 s though it still answers: check paper, ribbon and the printer&apos;s display. %3; the wait for progress is set on the Communication Settings tab (Give up after) or with --busy-limit.</source>
        <translation>%1 no tomó datos durante %2 s aunque sigue respondiendo: revise el papel, la cinta y la pantalla de la impresora. %3; la espera de progreso se ajusta en la pestaña Comunicación (Abandonar tras) o con --busy-limit.</translation>
    </message>
    <message>
        <source>%1 does not exist on this computer. No serial ports were found: check that the printer&apos;s cable or USB adapter is plugged in.</source>
        <translation>%1 no existe en este equipo. No se encontró ningún puerto serie: compruebe que el cable de la impresora o el adaptador USB está conectado.</translation>
    </message>
    <message>
        <source>%1 does not exist on this computer. Serial ports found: %2. Choose one of them on the Communication Settings tab and press Apply.</source>
        <translation>%1 no existe en este equipo. Puertos serie encontrados: %2. Elija uno en la pestaña Comunicación y pulse Aplicar.</translation>
    </message>
    <message>
        <source>Permission denied on %1. Your user must be in the group &apos;%2&apos; that owns the port: run &apos;sudo usermod -aG %2 $USER&apos;, then log out and in again.</source>
        <translation>Permiso denegado en %1. Su usuario debe pertenecer al grupo &apos;%2&apos; propietario del puerto: ejecute &apos;sudo usermod -aG %2 $USER&apos; y cierre e inicie sesión de nuevo.</translation>
    </message>
    <message>
        <source>Permission denied on %1. Ask your administrator for read and write access to it.</source>
        <translation>Permiso denegado en %1. Pida a su administrador acceso de lectura y escritura.</translation>
    </message>
    <message>
        <source>%1 is in use by another program%2. Close that program and try again.</source>
        <translation>%1 lo está usando otro programa%2. Cierre ese programa e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>%1 is already open: another transfer is still running.</source>
        <translation>%1 ya está abierto: todavía hay otra transferencia en curso.</translation>
    </message>
    <message>
        <source>%1 does not accept the line settings: %2</source>
        <translation>%1 no acepta los parámetros de línea: %2</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>No se puede abrir %1: %2</translation>
    </message>
    <message>
        <source>No parallel or USB printer ports were found.</source>
        <translation>No se encontró ningún puerto paralelo ni de impresora USB.</translation>
    </message>
    <message>
        <source>Parallel and USB printer ports found: %1. Choose one of them on the Communication Settings tab.</source>
        <translation>Puertos paralelos y de impresora USB encontrados: %1. Elija uno en la pestaña Comunicación.</translation>
    </message>
    <message>
        <source>Another transfer to the printer is still running: wait for it to finish, or cancel it, then try again.</source>
        <translation>Todavía hay otra transferencia a la impresora en curso: espere a que termine o cancélela e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>No USB printer is connected.</source>
        <translation>No hay ninguna impresora USB conectada.</translation>
    </message>
    <message>
        <source>USB Printer %1 is not connected.</source>
        <translation>La impresora USB %1 no está conectada.</translation>
    </message>
    <message>
        <source>Check that the printer is switched on and its USB cable is plugged in at both ends, and that the usblp driver is loaded (lsmod | grep usblp; load it with: sudo modprobe usblp).</source>
        <translation>Compruebe que la impresora está encendida, que su cable USB está conectado por ambos extremos y que el controlador usblp está cargado (lsmod | grep usblp; cárguelo con: sudo modprobe usblp).</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>Error: %1</translation>
    </message>
    <message>
        <source>Could not set comm state: the serial port cannot send with %1 data bits. Choose 5 to 8 data bits.</source>
        <translation>No se pudo establecer el estado del puerto: el puerto serie no puede enviar con %1 bits de datos. Elija de 5 a 8 bits de datos.</translation>
    </message>
    <message>
        <source>%1 stopped working during the transfer: the device or its USB adapter was removed or failed (%2).</source>
        <translation>%1 dejó de funcionar durante la transferencia: se retiró o falló el dispositivo o su adaptador USB (%2).</translation>
    </message>
    <message>
        <source>%1 failed during the transfer: %2</source>
        <translation>%1 falló durante la transferencia: %2</translation>
    </message>
    <message>
        <source>%1 accepted no data for %2 seconds: check that the printer is on, online and connected.</source>
        <translation>%1 no aceptó datos durante %2 segundos: compruebe que la impresora está encendida, en línea y conectada.</translation>
    </message>
    <message>
        <source>Interrupted: nothing more was sent.</source>
        <translation>Interrumpido: no se envió nada más.</translation>
    </message>
    <message>
        <source>Interrupted: the transfer was stopped and what was queued discarded; %1 bytes delivered.</source>
        <translation>Interrumpido: se detuvo la transferencia y se descartó lo que estaba en cola; %1 bytes entregados.</translation>
    </message>
    <message>
        <source>Printer Setup</source>
        <translation>Configuración de la impresora</translation>
    </message>
    <message>
        <source>Invalid Width Argument.</source>
        <translation>Ancho no válido.</translation>
    </message>
    <message>
        <source>Maximum Width is 416</source>
        <translation>El ancho máximo es 416</translation>
    </message>
    <message>
        <source>Invalid Print Mode. Valid Modes are DT and TT</source>
        <translation>Modo de impresión no válido. Los modos válidos son DT y TT</translation>
    </message>
    <message>
        <source>Invalid Print Speed</source>
        <translation>Velocidad de impresión no válida</translation>
    </message>
    <message>
        <source>an IPv6 address needs its closing ]</source>
        <translation>a la dirección IPv6 le falta su ] de cierre</translation>
    </message>
    <message>
        <source>write an IPv6 address in brackets: tcp://[2001:db8::5]:9100</source>
        <translation>escriba la dirección IPv6 entre corchetes: tcp://[2001:db8::5]:9100</translation>
    </message>
    <message>
        <source>name the USB printer device: usb:/dev/usb/lp0</source>
        <translation>indique el dispositivo de la impresora USB: usb:/dev/usb/lp0</translation>
    </message>
    <message>
        <source>give COMn[:settings], a serial device path[:settings], LPT1, LPT2, usb:DEVICE or tcp://HOST[:PORT]</source>
        <translation>indique COMn[:ajustes], una ruta de dispositivo serie[:ajustes], LPT1, LPT2, usb:DISPOSITIVO o tcp://HOST[:PUERTO]</translation>
    </message>
    <message>
        <source>COM ports are numbered 1 to %1</source>
        <translation>los puertos COM van del 1 al %1</translation>
    </message>
    <message>
        <source>the line settings &quot;%1&quot; must read baud,parity,data bits,stop bits, such as 9600,N,8,1</source>
        <translation>los ajustes de línea &quot;%1&quot; deben ser baudios,paridad,bits de datos,bits de parada, como 9600,N,8,1</translation>
    </message>
    <message>
        <source>Invalid Parallel Port</source>
        <translation>Puerto paralelo no válido</translation>
    </message>
    <message>
        <source>Invalid Network Printer: enter the printer&apos;s network name or its IPv4 or IPv6 address.</source>
        <translation>Impresora de red no válida: introduzca el nombre de red de la impresora o su dirección IPv4 o IPv6.</translation>
    </message>
    <message>
        <source>Invalid Network Port: enter a number from 1 to 65535 (9100 on most printers).</source>
        <translation>Puerto de red no válido: introduzca un número de 1 a 65535 (9100 en la mayoría de las impresoras).</translation>
    </message>
    <message>
        <source>File not found: %1</source>
        <translation>No se encuentra el archivo: %1</translation>
    </message>
    <message>
        <source>Permission denied: %1</source>
        <translation>Permiso denegado: %1</translation>
    </message>
    <message>
        <source>Disk full: %1</source>
        <translation>Disco lleno: %1</translation>
    </message>
    <message>
        <source>Device I/O error: %1 (%2)</source>
        <translation>Error de E/S del dispositivo: %1 (%2)</translation>
    </message>
    <message>
        <source>Bad file name: %1</source>
        <translation>Nombre de archivo no válido: %1</translation>
    </message>
    <message>
        <source>Path/File access error: %1 (%2)</source>
        <translation>Error de acceso a ruta/archivo: %1 (%2)</translation>
    </message>
    <message>
        <source>Permission denied: %1 (%2)</source>
        <translation>Permiso denegado: %1 (%2)</translation>
    </message>
    <message>
        <source>Disk full or out of resources: %1 (%2)</source>
        <translation>Disco lleno o sin recursos: %1 (%2)</translation>
    </message>
    <message>
        <source>%1 was not written: %2</source>
        <translation>%1 no se escribió: %2</translation>
    </message>
    <message>
        <source>it is a symbolic link, and nothing is written through one; name the file itself.</source>
        <translation>es un enlace simbólico, y nada se escribe a través de uno; indique el propio archivo.</translation>
    </message>
    <message>
        <source>it is a folder; name a file in it.</source>
        <translation>es una carpeta; indique un archivo dentro de ella.</translation>
    </message>
    <message>
        <source>only a regular file is written here.</source>
        <translation>aquí solo se escribe un archivo normal.</translation>
    </message>
    <message>
        <source>it is neither a file, a character device nor a pipe.</source>
        <translation>no es un archivo, ni un dispositivo de caracteres, ni una tubería.</translation>
    </message>
    <message>
        <source>it belongs to user %1, not to user %2 for whom the program runs as root.</source>
        <translation>pertenece al usuario %1, no al usuario %2 para quien el programa se ejecuta como root.</translation>
    </message>
    <message>
        <source>%1 was not written: nothing opened the pipe to read it within %2 s.</source>
        <translation>%1 no se escribió: nadie abrió la tubería para leerla en %2 s.</translation>
    </message>
    <message>
        <source>%1 was not written: interrupted.</source>
        <translation>%1 no se escribió: interrumpido.</translation>
    </message>
    <message>
        <source>it changed while it was being written.</source>
        <translation>cambió mientras se escribía.</translation>
    </message>
    <message>
        <source>no file name was given.</source>
        <translation>no se indicó ningún nombre de archivo.</translation>
    </message>
    <message>
        <source>only a regular file is written.</source>
        <translation>solo se escribe un archivo normal.</translation>
    </message>
    <message>
        <source>%1 (no COM number reaches it)</source>
        <translation>%1 (ningún número COM llega a él)</translation>
    </message>
    <message>
        <source>Put the printer online (its pause or feed button) and try again.</source>
        <translation>Ponga la impresora en línea (botón de pausa o avance) e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Open the printer, clear the jammed labels, close it and try again.</source>
        <translation>Abra la impresora, retire las etiquetas atascadas, ciérrela e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Close the printer&apos;s cover and try again.</source>
        <translation>Cierre la tapa de la impresora e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Load labels, close the printer and try again.</source>
        <translation>Cargue etiquetas, cierre la impresora e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Load a ribbon, close the printer and try again.</source>
        <translation>Cargue una cinta, cierre la impresora e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Take the printed labels out and try again.</source>
        <translation>Retire las etiquetas impresas e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>The printer reports %1: nothing was sent. %2</source>
        <translation>La impresora informa %1: no se envió nada. %2</translation>
    </message>
    <message>
        <source>The printer reports %1: nothing was sent. %2 Give --ignore-status to send anyway.</source>
        <translation>La impresora informa %1: no se envió nada. %2 Indique --ignore-status para enviar de todos modos.</translation>
    </message>
    <message>
        <source>No printer address is set: name the printer with --to tcp://HOST.</source>
        <translation>No hay dirección de impresora: indique la impresora con --to tcp://HOST.</translation>
    </message>
    <message>
        <source>%1 %2; the wait for an answer is set with --stall-limit.</source>
        <translation>%1 %2; la espera de una respuesta se ajusta con --stall-limit.</translation>
    </message>
    <message>
        <source>%1 took no data for %2 s though it still answers: check paper, ribbon and the printer&apos;s display. %3; the wait for progress is set with --busy-limit.</source>
        <translation>%1 no tomó datos durante %2 s aunque sigue respondiendo: revise el papel, la cinta y la pantalla de la impresora. %3; la espera de progreso se ajusta con --busy-limit.</translation>
    </message>
    <message>
        <source>%1 does not exist on this computer. Serial ports found: %2. Name one of them with --to.</source>
        <translation>%1 no existe en este equipo. Puertos serie encontrados: %2. Indique uno con --to.</translation>
    </message>
    <message>
        <source>Parallel and USB printer ports found: %1. Name one of them with --to.</source>
        <translation>Puertos paralelos y de impresora USB encontrados: %1. Indique uno con --to.</translation>
    </message>
    <message>
        <source>ignoring the settings in %1, which cannot be read: it is not a regular file; starting values apply, and the file is left as it is</source>
        <translation>se ignoran los ajustes de %1, que no se pueden leer: no es un archivo normal; se aplican los valores iniciales y el archivo se deja como está</translation>
    </message>
    <message>
        <source>ignoring the settings in %1, which cannot be read: it is larger than %2 KiB; starting values apply, and the file is left as it is</source>
        <translation>se ignoran los ajustes de %1, que no se pueden leer: ocupa más de %2 KiB; se aplican los valores iniciales y el archivo se deja como está</translation>
    </message>
    <message>
        <source>ignoring the settings in %1, which cannot be read; starting values apply, and the file is left as it is</source>
        <translation>se ignoran los ajustes de %1, que no se pueden leer; se aplican los valores iniciales y el archivo se deja como está</translation>
    </message>
    <message>
        <source>ignoring the settings in %1, which cannot be read; starting values apply, and the file is written afresh</source>
        <translation>se ignoran los ajustes de %1, que no se pueden leer; se aplican los valores iniciales y el archivo se escribe de nuevo</translation>
    </message>
    <message>
        <source>ignoring the settings in %1, which cannot be understood; starting values apply, and the file is written afresh</source>
        <translation>se ignoran los ajustes de %1, que no se pueden entender; se aplican los valores iniciales y el archivo se escribe de nuevo</translation>
    </message>
    <message>
        <source>the settings will not be saved: %1</source>
        <translation>los ajustes no se guardarán: %1</translation>
    </message>
    <message>
        <source>the settings were not saved: %1</source>
        <translation>los ajustes no se guardaron: %1</translation>
    </message>
    <message>
        <source>the sweep could not try %1 of %2 addresses and ports (too many open files): printers may be missing</source>
        <translation>el barrido no pudo probar %1 de %2 direcciones y puertos (demasiados archivos abiertos): puede faltar alguna impresora</translation>
    </message>
    <message>
        <source>DNS-SD browsing failed: %1</source>
        <translation>la búsqueda DNS-SD falló: %1</translation>
    </message>
    <message>
        <source>DNS-SD: the Avahi daemon went away (%1)</source>
        <translation>DNS-SD: el servicio Avahi ya no está (%1)</translation>
    </message>
    <message>
        <source>DNS-SD is not available: no Avahi daemon runs; looking the other ways.</source>
        <translation>DNS-SD no está disponible: no hay ningún servicio Avahi en marcha; se busca por las otras vías.</translation>
    </message>
    <message>
        <source>DNS-SD is not available: %1; looking the other ways.</source>
        <translation>DNS-SD no está disponible: %1; se busca por las otras vías.</translation>
    </message>
    <message>
        <source>%1: not a network printer: its status cannot be read</source>
        <translation>%1: no es una impresora de red: no se puede leer su estado</translation>
    </message>
    <message>
        <source>File too large: %1 has %2 bytes; a file must be smaller than 2 GiB (%3 bytes) to be held in memory.</source>
        <translation>Archivo demasiado grande: %1 tiene %2 bytes; un archivo debe ser menor de 2 GiB (%3 bytes) para caber en memoria.</translation>
    </message>
    <message>
        <source>Out of memory: %1 bytes do not fit in memory.</source>
        <translation>Memoria insuficiente: %1 bytes no caben en memoria.</translation>
    </message>
    <message>
        <source>Input past end of file: %1</source>
        <translation>Lectura más allá del final del archivo: %1</translation>
    </message>
    <message>
        <source>an SNMP v3 pass phrase is unusable</source>
        <translation>una frase de paso SNMP v3 no se puede usar</translation>
    </message>
    <message>
        <source>cannot open an SNMP session</source>
        <translation>no se puede abrir una sesión SNMP</translation>
    </message>
    <message>
        <source>no SNMP answer</source>
        <translation>sin respuesta SNMP</translation>
    </message>
    <message>
        <source>SNMP failed: %1</source>
        <translation>falló SNMP: %1</translation>
    </message>
    <message>
        <source>SNMP error: %1</source>
        <translation>error SNMP: %1</translation>
    </message>
    <message>
        <source>the printer refused the request (the SNMP user or its pass phrases)</source>
        <translation>la impresora rechazó la petición (el usuario SNMP o sus frases de paso)</translation>
    </message>
    <message>
        <source>SNMP failed: the agent named no engine</source>
        <translation>falló SNMP: el agente no indicó ningún motor</translation>
    </message>
    <message>
        <source>the name was not looked up in time</source>
        <translation>el nombre no se resolvió a tiempo</translation>
    </message>
    <message>
        <source>the name could not be found</source>
        <translation>no se encuentra el nombre</translation>
    </message>
    <message>
        <source>Input past end of file: the profile is empty or cut off</source>
        <translation>Lectura más allá del final del archivo: el perfil está vacío o cortado</translation>
    </message>
</context>
<context>
    <name>FileDrop</name>
    <message>
        <source>Drop one file at a time.</source>
        <translation>Suelte un solo archivo a la vez.</translation>
    </message>
    <message>
        <source>%1 is not a file on this computer: drop a file.</source>
        <translation>%1 no es un archivo de este equipo: suelte un archivo.</translation>
    </message>
    <message>
        <source>%1 is a folder: drop a file.</source>
        <translation>%1 es una carpeta: suelte un archivo.</translation>
    </message>
</context>
<context>
    <name>FindPrintersDialog</name>
    <message>
        <source>Find Printers</source>
        <translation>Buscar impresoras</translation>
    </message>
    <message>
        <source>&amp;Range:</source>
        <translation>&amp;Rango:</translation>
    </message>
    <message>
        <source>192.168.1.0/24, or hosts</source>
        <translation>192.168.1.0/24, o equipos</translation>
    </message>
    <message>
        <source>CIDR ranges of at most /22 or host names, separated by spaces or commas. Port 9100 of each address is tried; DNS-SD and SNMP are asked too.</source>
        <translation>Rangos CIDR de /22 como máximo o nombres de equipo, separados por espacios o comas. Se prueba el puerto 9100 de cada dirección; también se consulta DNS-SD y SNMP.</translation>
    </message>
    <message>
        <source>Range:</source>
        <translation>Rango:</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Iniciar</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>&amp;Detener</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>&amp;Filtro:</translation>
    </message>
    <message>
        <source>any text of a row</source>
        <translation>cualquier texto de una fila</translation>
    </message>
    <message>
        <source>Filter:</source>
        <translation>Filtro:</translation>
    </message>
    <message>
        <source>Search Progress</source>
        <translation>Progreso de la búsqueda</translation>
    </message>
    <message>
        <source>Printers Found</source>
        <translation>Impresoras encontradas</translation>
    </message>
    <message>
        <source>Nothing is scanned until Start is pressed.</source>
        <translation>No se busca nada hasta pulsar «Iniciar».</translation>
    </message>
    <message>
        <source>&amp;Use This Printer</source>
        <translation>&amp;Usar esta impresora</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>C&amp;errar</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Make and Model</source>
        <translation>Marca y modelo</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>N.º de serie</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Found By</source>
        <translation>Encontrada por</translation>
    </message>
    <message>
        <source>1 printer found.</source>
        <translation>1 impresora encontrada.</translation>
    </message>
    <message>
        <source>%1 printers found.</source>
        <translation>%1 impresoras encontradas.</translation>
    </message>
    <message>
        <source>Looking...</source>
        <translation>Buscando...</translation>
    </message>
    <message>
        <source>&amp;Watch</source>
        <translation>&amp;Vigilar</translation>
    </message>
    <message>
        <source>Reads the printers found again every few seconds over SNMP and shows their status and alerts as they change.</source>
        <translation>Vuelve a leer por SNMP las impresoras encontradas cada pocos segundos y muestra su estado y sus alertas cuando cambian.</translation>
    </message>
    <message>
        <source>Printer Details</source>
        <translation>Detalles de la impresora</translation>
    </message>
    <message>
        <source>Select a printer to see what it reports.</source>
        <translation>Seleccione una impresora para ver lo que informa.</translation>
    </message>
    <message>
        <source>Alerts</source>
        <translation>Alertas</translation>
    </message>
    <message>
        <source>critical</source>
        <translation>crítica</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>advertencia</translation>
    </message>
    <message>
        <source>other</source>
        <translation>otra</translation>
    </message>
    <message>
        <source>at uptime %1</source>
        <translation>con tiempo de actividad %1</translation>
    </message>
    <message>
        <source>Printer:</source>
        <translation>Impresora:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Estado:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>Modelo:</translation>
    </message>
    <message>
        <source>Serial:</source>
        <translation>N.º de serie:</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Ubicación:</translation>
    </message>
    <message>
        <source>Uptime:</source>
        <translation>Tiempo de actividad:</translation>
    </message>
    <message>
        <source>Front panel:</source>
        <translation>Panel frontal:</translation>
    </message>
    <message>
        <source>group %1, code %2</source>
        <translation>grupo %1, código %2</translation>
    </message>
    <message>
        <source>Alert:</source>
        <translation>Alerta:</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: %2, raised %3</source>
        <translation>%1: %2, activada %3</translation>
    </message>
    <message>
        <source>Media:</source>
        <translation>Soporte:</translation>
    </message>
    <message>
        <source>Odometer:</source>
        <translation>Contador:</translation>
    </message>
    <message>
        <source>This printer has no raw port: it was only named (over IPP), and nothing is sent to an IPP port.</source>
        <translation>Esta impresora no tiene puerto raw: solo se la nombró (por IPP), y a un puerto IPP no se envía nada.</translation>
    </message>
    <message>
        <source>Last answer:</source>
        <translation>Última respuesta:</translation>
    </message>
</context>
<context>
    <name>GraphicCheck</name>
    <message>
        <source>%1 × %2 dots, %3 × %4 mm</source>
        <translation>%1 × %2 puntos, %3 × %4 mm</translation>
    </message>
    <message>
        <source> Use Convert… to make one.</source>
        <translation> Use Convertir… para crear una.</translation>
    </message>
    <message>
        <source>%1 is empty.</source>
        <translation>%1 está vacío.</translation>
    </message>
    <message>
        <source>%1 is a %2 image, but %3 is chosen as its type: store it as %2.</source>
        <translation>%1 es una imagen %2, pero se eligió %3 como tipo: guárdela como %2.</translation>
    </message>
    <message>
        <source>%1 is a %2 image, not a %3: the printer stores 1-bit BMP or PCX images only.</source>
        <translation>%1 es una imagen %2, no %3: la impresora solo guarda imágenes BMP o PCX de 1 bit.</translation>
    </message>
    <message>
        <source>%1 is not a %2 image.</source>
        <translation>%1 no es una imagen %2.</translation>
    </message>
    <message>
        <source>%1 is an %2-bit colour image: the printer stores black-and-white (1-bit) images only.</source>
        <translation>%1 es una imagen en color de %2 bits: la impresora solo guarda imágenes en blanco y negro (1 bit).</translation>
    </message>
    <message>
        <source>%1 is a %2-bit colour image: the printer stores black-and-white (1-bit) images only.</source>
        <translation>%1 es una imagen en color de %2 bits: la impresora solo guarda imágenes en blanco y negro (1 bit).</translation>
    </message>
    <message>
        <source>%1 is cut short: it ends inside its header.</source>
        <translation>%1 está truncado: termina dentro de su cabecera.</translation>
    </message>
    <message>
        <source>%1 has no pixels: its header gives %2 × %3 dots.</source>
        <translation>%1 no tiene píxeles: su cabecera indica %2 × %3 puntos.</translation>
    </message>
    <message>
        <source>%1 is cut short: its header gives %2 bytes, the file has %3.</source>
        <translation>%1 está truncado: su cabecera indica %2 bytes y el archivo tiene %3.</translation>
    </message>
    <message>
        <source>%1&apos;s header gives its size as %2 bytes, but the file has %3.</source>
        <translation>La cabecera de %1 indica un tamaño de %2 bytes, pero el archivo tiene %3.</translation>
    </message>
    <message>
        <source>%1 has a bitmap header of %2 bytes, which no Windows bitmap has.</source>
        <translation>%1 tiene una cabecera de mapa de bits de %2 bytes, que ningún mapa de bits de Windows tiene.</translation>
    </message>
    <message>
        <source>%1 gives %2 colour planes; a Windows bitmap has one.</source>
        <translation>%1 indica %2 planos de color; un mapa de bits de Windows tiene uno.</translation>
    </message>
    <message>
        <source>%1 gives a bit depth of %2, which no Windows bitmap has.</source>
        <translation>%1 indica una profundidad de bits de %2, que ningún mapa de bits de Windows tiene.</translation>
    </message>
    <message>
        <source>method %1</source>
        <translation>método %1</translation>
    </message>
    <message>
        <source>%1 is compressed (%2): the printer stores uncompressed bitmaps only.</source>
        <translation>%1 está comprimido (%2): la impresora solo guarda mapas de bits sin comprimir.</translation>
    </message>
    <message>
        <source>%1 has a palette of %2 colours; a 1-bit image has 2 at most.</source>
        <translation>%1 tiene una paleta de %2 colores; una imagen de 1 bit tiene 2 como máximo.</translation>
    </message>
    <message>
        <source>%1&apos;s pixel data would start at byte %2, inside its header and palette.</source>
        <translation>Los datos de píxeles de %1 empezarían en el byte %2, dentro de su cabecera y su paleta.</translation>
    </message>
    <message>
        <source>%1&apos;s header gives %2 bytes of pixel data, but %3 × %4 dots need %5.</source>
        <translation>La cabecera de %1 indica %2 bytes de datos de píxeles, pero %3 × %4 puntos necesitan %5.</translation>
    </message>
    <message>
        <source>%1 is cut short: %2 × %3 dots need %4 bytes of pixel data, the file has %5 after its header.</source>
        <translation>%1 está truncado: %2 × %3 puntos necesitan %4 bytes de datos de píxeles y el archivo tiene %5 tras su cabecera.</translation>
    </message>
    <message>
        <source>%1 is not a PCX image.</source>
        <translation>%1 no es una imagen PCX.</translation>
    </message>
    <message>
        <source>%1 is not run-length encoded as a PCX image is.</source>
        <translation>%1 no tiene la codificación por longitud de series de una imagen PCX.</translation>
    </message>
    <message>
        <source>%1 gives %2 bits per pixel in %3 planes, which no PCX image has.</source>
        <translation>%1 indica %2 bits por píxel en %3 planos, que ninguna imagen PCX tiene.</translation>
    </message>
    <message>
        <source>%1&apos;s lines of %2 bytes cannot hold %3 dots.</source>
        <translation>Las líneas de %2 bytes de %1 no pueden contener %3 puntos.</translation>
    </message>
    <message>
        <source>%1 is cut short: its pixel data ends after %2 of %3 lines.</source>
        <translation>%1 está truncado: sus datos de píxeles terminan tras %2 de %3 líneas.</translation>
    </message>
    <message>
        <source>bit fields</source>
        <extracomment>A BMP compression kind: the pixels are read through colour masks.</extracomment>
        <translation>campos de bits</translation>
    </message>
    <message>
        <source> Add --convert to make one.</source>
        <translation> Añada --convert para crear una.</translation>
    </message>
</context>
<context>
    <name>GraphicConvertDialog</name>
    <message>
        <source>Convert Graphic</source>
        <translation>Convertir gráfico</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>For the printer (1-bit)</source>
        <translation>Para la impresora (1 bit)</translation>
    </message>
    <message>
        <source>Original Picture</source>
        <translation>Imagen original</translation>
    </message>
    <message>
        <source>Converted Picture</source>
        <translation>Imagen convertida</translation>
    </message>
    <message>
        <source>Conversion</source>
        <translation>Conversión</translation>
    </message>
    <message>
        <source>Scale the picture, keeping its aspect</source>
        <translation>Escalar la imagen conservando su proporción</translation>
    </message>
    <message>
        <source>&amp;Width in dots:</source>
        <translation>&amp;Ancho en puntos:</translation>
    </message>
    <message>
        <source>Width in Dots</source>
        <translation>Ancho en puntos</translation>
    </message>
    <message>
        <source>Swap black and white</source>
        <translation>Intercambiar blanco y negro</translation>
    </message>
    <message>
        <source>&amp;Invert</source>
        <translation>&amp;Invertir</translation>
    </message>
    <message>
        <source>Dots darker than this grey print black</source>
        <translation>Los puntos más oscuros que este gris se imprimen en negro</translation>
    </message>
    <message>
        <source>&amp;Threshold:</source>
        <translation>&amp;Umbral:</translation>
    </message>
    <message>
        <source>Threshold</source>
        <translation>Umbral</translation>
    </message>
    <message>
        <source>Spread the greys as patterns of dots</source>
        <translation>Repartir los grises como patrones de puntos</translation>
    </message>
    <message>
        <source>&amp;Dither (error diffusion)</source>
        <translation>&amp;Tramado (difusión de error)</translation>
    </message>
    <message>
        <source>Save the converted picture as a BMP file</source>
        <translation>Guardar la imagen convertida como archivo BMP</translation>
    </message>
    <message>
        <source>&amp;Save as BMP…</source>
        <translation>&amp;Guardar como BMP…</translation>
    </message>
    <message>
        <source>Make the converted picture the graphic to store</source>
        <translation>Usar la imagen convertida como gráfico a almacenar</translation>
    </message>
    <message>
        <source>&amp;Use</source>
        <translation>&amp;Usar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Wider than the printable width of %1 dots set on Printer Configuration: the printer cuts off the rest.</source>
        <translation>Más ancho que el ancho imprimible de %1 puntos fijado en Configuración: la impresora corta el resto.</translation>
    </message>
    <message>
        <source>Bitmaps (*.bmp)|*.bmp</source>
        <translation>Mapas de bits (*.bmp)|*.bmp</translation>
    </message>
    <message>
        <source>The picture could not be saved to %1: %2</source>
        <translation>No se pudo guardar la imagen en %1: %2</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>varimonde-setup: --lang takes a language code such as de or pt_BR; the texts stay in English.</source>
        <translation>varimonde-setup: --lang espera un código de idioma como de o pt_BR; los textos siguen en inglés.</translation>
    </message>
    <message>
        <source>varimonde-setup: no translation into %1; the texts stay in English.</source>
        <translation>varimonde-setup: no hay traducción para %1; los textos siguen en inglés.</translation>
    </message>
</context>
<context>
    <name>LinkAddress</name>
    <message>
        <source>Serial %1 %2</source>
        <translation>Serie %1 %2</translation>
    </message>
    <message>
        <source>Parallel %1 (%2)</source>
        <translation>Paralelo %1 (%2)</translation>
    </message>
    <message>
        <source>USB Printer %1</source>
        <translation>Impresora USB %1</translation>
    </message>
    <message>
        <source>(none found)</source>
        <translation>(ninguna encontrada)</translation>
    </message>
    <message>
        <source>Network %1</source>
        <translation>Red %1</translation>
    </message>
    <message>
        <source>(no address set)</source>
        <translation>(sin dirección)</translation>
    </message>
</context>
<context>
    <name>LogWindow</name>
    <message>
        <source>Send Log</source>
        <translation>Registro de envíos</translation>
    </message>
    <message>
        <source>Sends</source>
        <translation>Envíos</translation>
    </message>
    <message>
        <source>Bytes of the selected send</source>
        <translation>Bytes del envío elegido</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>&amp;Guardar como...</translation>
    </message>
    <message>
        <source>&amp;Reset Settings...</source>
        <translation>&amp;Restablecer ajustes...</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>Ce&amp;rrar</translation>
    </message>
    <message>
        <source>The log could not be saved: %1</source>
        <translation>No se pudo guardar el registro: %1</translation>
    </message>
    <message>
        <source>Text Files(*.txt)|*.txt|All Files(*.*)|*.*</source>
        <translation>Archivos de texto(*.txt)|*.txt|Todos los archivos(*.*)|*.*</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Exit</source>
        <translation>Sa&amp;lir</translation>
    </message>
    <message>
        <source>&amp;Log</source>
        <translation>Regis&amp;tro</translation>
    </message>
    <message>
        <source>Communication Settings</source>
        <translation>Comunicación</translation>
    </message>
    <message>
        <source>Printer Configuration</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Calibración</translation>
    </message>
    <message>
        <source>Data Storage</source>
        <translation>Almacenamiento</translation>
    </message>
    <message>
        <source>Binary Transfer</source>
        <translation>Transferencia binaria</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Printer link</source>
        <translation>Conexión de la impresora</translation>
    </message>
    <message>
        <source>Last send</source>
        <translation>Último envío</translation>
    </message>
    <message>
        <source>The next send goes to: %1
Gives up after %2 s without an answer and %3 s without progress</source>
        <translation>El próximo envío va a: %1
Se abandona tras %2 s sin respuesta y %3 s sin progreso</translation>
    </message>
    <message>
        <source>The next send goes to: %1</source>
        <translation>El próximo envío va a: %1</translation>
    </message>
    <message>
        <source>%1 of %2 bytes delivered</source>
        <translation>%1 de %2 bytes entregados</translation>
    </message>
    <message>
        <source>Sent at %1 (%2)</source>
        <translation>Enviado a las %1 (%2)</translation>
    </message>
    <message>
        <source>Cancelled at %1 (%2)</source>
        <translation>Cancelado a las %1 (%2)</translation>
    </message>
    <message>
        <source>Failed at %1: %2 (%3)</source>
        <translation>Falló a las %1: %2 (%3)</translation>
    </message>
    <message>
        <source>Forget the window&apos;s size and place, the folders the file dialogs open in and the printer link?</source>
        <translation>¿Olvidar el tamaño y la posición de la ventana, las carpetas de los diálogos de archivo y la conexión con la impresora?</translation>
    </message>
    <message>
        <source>Reset Settings</source>
        <translation>Restablecer ajustes</translation>
    </message>
    <message>
        <source>Quit without sending the changed settings?</source>
        <translation>¿Salir sin enviar los ajustes modificados?</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>A transfer to the printer is running. Stop it and quit?</source>
        <translation>Hay un envío a la impresora en curso. ¿Detenerlo y salir?</translation>
    </message>
    <message>
        <source>Stop and Quit</source>
        <translation>Detener y salir</translation>
    </message>
    <message>
        <source>Keep Sending</source>
        <translation>Seguir enviando</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Páginas</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>The next send goes to: %1
Gives up after %2 s without progress</source>
        <translation>El próximo envío va a: %1
Se abandona tras %2 s sin progreso</translation>
    </message>
</context>
<context>
    <name>OperationBuilders</name>
    <message>
        <source>an empty identifier: the printer could never be asked for it</source>
        <translation>un identificador vacío: nunca se podría pedir a la impresora</translation>
    </message>
    <message>
        <source>No such USB printer: a USB printer is lp&lt;n&gt; in %1, such as %1/lp0</source>
        <translation>No existe esa impresora USB: una impresora USB es lp&lt;n&gt; en %1, como %1/lp0</translation>
    </message>
    <message>
        <source>Darkness must be a whole number from %1 to %2</source>
        <translation>La oscuridad debe ser un número entero de %1 a %2</translation>
    </message>
    <message>
        <source>--ribbon is for thermal transfer (--print-type TT) only</source>
        <translation>--ribbon solo es para transferencia térmica (--print-type TT)</translation>
    </message>
    <message>
        <source>--test-label takes 1 (the 4X3 label) or 2 (the 2.4X1 label), not &quot;%1&quot;</source>
        <translation>--test-label admite 1 (la etiqueta 4X3) o 2 (la etiqueta 2.4X1), no &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>PortDiscovery</name>
    <message>
        <source>%1 (not connected)</source>
        <translation>%1 (no conectada)</translation>
    </message>
</context>
<context>
    <name>ProfileActions</name>
    <message>
        <source>Error Opening File</source>
        <translation>Error al abrir el archivo</translation>
    </message>
    <message>
        <source>Load Configuration</source>
        <translation>Cargar configuración</translation>
    </message>
</context>
<context>
    <name>ProfileFile</name>
    <message>
        <source>Varimonde Printer Profile (*.vsp)|*.vsp|All Files(*.*)|*.*</source>
        <translation>Perfil de impresora Varimonde (*.vsp)|*.vsp|Todos los archivos(*.*)|*.*</translation>
    </message>
</context>
<context>
    <name>SendLog</name>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Conexión</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Enviado</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>Sent</source>
        <comment>a send&apos;s outcome</comment>
        <translation>Enviado</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <comment>a send&apos;s outcome</comment>
        <translation>Cancelado</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Error: %1</translation>
    </message>
    <message>
        <source>... %1 bytes not kept ...</source>
        <translation>... %1 bytes no conservados ...</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>%1 of %2 bytes delivered</source>
        <translation>%1 de %2 bytes entregados</translation>
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
        <translation>Conectando con %1…</translation>
    </message>
    <message>
        <source>Sending to %1…</source>
        <translation>Enviando a %1…</translation>
    </message>
    <message>
        <source>Printer Not Ready</source>
        <translation>Impresora no preparada</translation>
    </message>
    <message>
        <source>Send to %1</source>
        <translation>Enviar a %1</translation>
    </message>
    <message>
        <source>Apply the change first?</source>
        <translation>¿Aplicar primero el cambio?</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>SnmpAnswer</name>
    <message>
        <source>ten-thousandths of an inch</source>
        <translation>diezmilésimas de pulgada</translation>
    </message>
    <message>
        <source>micrometers</source>
        <translation>micrómetros</translation>
    </message>
    <message>
        <source>characters</source>
        <translation>caracteres</translation>
    </message>
    <message>
        <source>lines</source>
        <translation>líneas</translation>
    </message>
    <message>
        <source>impressions</source>
        <translation>impresiones</translation>
    </message>
    <message>
        <source>sheets</source>
        <translation>hojas</translation>
    </message>
    <message>
        <source>dot rows</source>
        <translation>filas de puntos</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>horas</translation>
    </message>
    <message>
        <source>feet</source>
        <translation>pies</translation>
    </message>
    <message>
        <source>meters</source>
        <translation>metros</translation>
    </message>
    <message>
        <source>other</source>
        <translation>otra unidad</translation>
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
        <translation>El identificador contiene un carácter de control (%1), que la impresora tomaría como parte de una orden. Use letras, dígitos y símbolos.</translation>
    </message>
    <message>
        <source>The identifier contains “%1”, which the printer cannot receive. Use letters, digits and symbols of Western European text.</source>
        <translation>El identificador contiene «%1», que la impresora no puede recibir. Use letras, dígitos y símbolos de Europa occidental.</translation>
    </message>
    <message>
        <source>Valid Identifier must be no more than 8 characters.</source>
        <translation>Un identificador válido no debe superar los 8 caracteres.</translation>
    </message>
    <message>
        <source>Identifier must be 8 chars or less</source>
        <translation>El identificador debe tener 8 caracteres o menos</translation>
    </message>
    <message>
        <source>Invalid Quantity: enter a whole number of labels from 1 to 32767</source>
        <translation>Cantidad no válida: introduzca un número entero de etiquetas de 1 a 32767</translation>
    </message>
</context>
<context>
    <name>StoragePage</name>
    <message>
        <source>Graphic Storage</source>
        <translation>Almacenamiento de gráficos</translation>
    </message>
    <message>
        <source>Graphic Type</source>
        <translation>Tipo de gráfico</translation>
    </message>
    <message>
        <source>Select Bitmap</source>
        <translation>Elegir BMP</translation>
    </message>
    <message>
        <source>&amp;BMP</source>
        <translation>BM&amp;P</translation>
    </message>
    <message>
        <source>Select PCX</source>
        <translation>Elegir PCX</translation>
    </message>
    <message>
        <source>PC&amp;X</source>
        <translation>PC&amp;X</translation>
    </message>
    <message>
        <source>Graphic File</source>
        <translation>Archivo gráfico</translation>
    </message>
    <message>
        <source>Bro&amp;wse</source>
        <translation>Exami&amp;nar</translation>
    </message>
    <message>
        <source>Send stored graphics / programs to printer</source>
        <translation>Almacenar gráficos o programas en la impresora</translation>
    </message>
    <message>
        <source>&amp;Store Graphic to Printer</source>
        <translation>&amp;Almacenar gráfico</translation>
    </message>
    <message>
        <source>File Size:</source>
        <translation>Tamaño:</translation>
    </message>
    <message>
        <source>0 Bytes</source>
        <translation>0 bytes</translation>
    </message>
    <message>
        <source>Storing Progress</source>
        <translation>Progreso del almacenamiento</translation>
    </message>
    <message>
        <source>Stop the transfer to the printer (Esc)</source>
        <translation>Detener el envío a la impresora (Esc)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Graphic Preview</source>
        <translation>Vista previa del gráfico</translation>
    </message>
    <message>
        <source>Make a black-and-white (1-bit) BMP from a picture of any kind</source>
        <translation>Crea un BMP en blanco y negro (1 bit) a partir de cualquier imagen</translation>
    </message>
    <message>
        <source>Con&amp;vert…</source>
        <translation>Con&amp;vertir…</translation>
    </message>
    <message>
        <source>Note: You may only store BLACK AND WHITE Images</source>
        <translation>Nota: solo imágenes en BLANCO Y NEGRO</translation>
    </message>
    <message>
        <source>Stored Formats</source>
        <translation>Formatos almacenados</translation>
    </message>
    <message>
        <source>Format Type</source>
        <translation>Tipo de formato</translation>
    </message>
    <message>
        <source>Program is already named.  User will not be prompted.</source>
        <translation>El programa ya tiene nombre: no se preguntará.</translation>
    </message>
    <message>
        <source>Pri&amp;nt Format</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>Converts standard formats to stored formats.  The user will be prompted for the stored formats name</source>
        <translation>Convierte formatos comunes a formatos almacenados. Se le pedirá el nombre del objeto almacenado</translation>
    </message>
    <message>
        <source>Store Form&amp;at</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Format File</source>
        <translation>Archivo de formato</translation>
    </message>
    <message>
        <source>B&amp;rowse</source>
        <translation>&amp;Examinar</translation>
    </message>
    <message>
        <source>Prin&amp;t Format</source>
        <translation>Imprimir forma&amp;to</translation>
    </message>
    <message>
        <source>View File</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Prints list of all stored formats / graphics</source>
        <translation>Imprime la lista de formatos y gráficos almacenados</translation>
    </message>
    <message>
        <source>L&amp;ist Stored Objects</source>
        <translation>Li&amp;star</translation>
    </message>
    <message>
        <source> Note: Removing stored objects from the printer increases available memory.</source>
        <translation> Nota: quitar objetos almacenados de la impresora libera memoria.</translation>
    </message>
    <message>
        <source>&amp;Delete Stored Object</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>Prints sample of stored object</source>
        <translation>Imprime una muestra del objeto almacenado</translation>
    </message>
    <message>
        <source>Recall Stored &amp;Object</source>
        <translation>Recuperar &amp;objeto</translation>
    </message>
    <message>
        <source>Recall Type</source>
        <translation>Tipo de recuperación</translation>
    </message>
    <message>
        <source>Recall I&amp;mage</source>
        <translation>I&amp;magen</translation>
    </message>
    <message>
        <source>Recall &amp;Format</source>
        <translation>&amp;Formato</translation>
    </message>
    <message>
        <source>Drawing…</source>
        <translation>Dibujando…</translation>
    </message>
    <message>
        <source>Not a 1-bit %1 the printer takes</source>
        <translation>No es un %1 de 1 bit como el que acepta la impresora</translation>
    </message>
    <message>
        <source>Cannot be stored as %1</source>
        <translation>No se puede almacenar como %1</translation>
    </message>
    <message>
        <source>&amp;Print Format</source>
        <translation>Imprimi&amp;r formato</translation>
    </message>
    <message>
        <source>Store Format to Prin&amp;ter</source>
        <translation>Almacena&amp;r formato</translation>
    </message>
    <message>
        <source>DATA STORAGE</source>
        <translation>ALMACENAMIENTO</translation>
    </message>
    <message>
        <source>READ INTO MEMORY</source>
        <translation>LEÍDO EN MEMORIA</translation>
    </message>
    <message>
        <source>Out of memory: %1 is too large to send as a label format.</source>
        <translation>Memoria insuficiente: %1 es demasiado grande para enviarlo como formato de etiqueta.</translation>
    </message>
    <message>
        <source>Pictures (*.bmp;*.pcx)|*.bmp;*.pcx</source>
        <translation>Imágenes (*.bmp;*.pcx)|*.bmp;*.pcx</translation>
    </message>
    <message>
        <source>%1 Bytes</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>READING INTO MEMORY</source>
        <translation>LEYENDO EN MEMORIA</translation>
    </message>
    <message>
        <source>READING FAILED</source>
        <translation>ERROR DE LECTURA</translation>
    </message>
    <message>
        <source>CONVERTED INTO MEMORY</source>
        <translation>CONVERTIDO EN MEMORIA</translation>
    </message>
    <message>
        <source>No graphic has been read. Use Browse to choose one first.</source>
        <translation>No se ha leído ningún gráfico. Elija primero uno con Examinar.</translation>
    </message>
    <message>
        <source>Enter Identifier</source>
        <translation>Introduzca el identificador</translation>
    </message>
    <message>
        <source>SENDING FILE TO PRINTER</source>
        <translation>ENVIANDO EL ARCHIVO A LA IMPRESORA</translation>
    </message>
    <message>
        <source>Sending</source>
        <translation>Enviando</translation>
    </message>
    <message>
        <source>FINISHED STORING %1</source>
        <translation>%1 ALMACENADO</translation>
    </message>
    <message>
        <source>STORING CANCELLED</source>
        <translation>ALMACENAMIENTO CANCELADO</translation>
    </message>
    <message>
        <source>STORING FAILED</source>
        <translation>ERROR AL ALMACENAR</translation>
    </message>
    <message>
        <source>Text Files(*.txt)|*.txt|All Files(*.*)|*.*</source>
        <translation>Archivos de texto(*.txt)|*.txt|Todos los archivos(*.*)|*.*</translation>
    </message>
    <message>
        <source>You must select a pre-created label format.</source>
        <translation>Debe elegir un formato de etiqueta ya preparado.</translation>
    </message>
    <message>
        <source>You must select a label file to send to the printer.</source>
        <translation>Debe elegir un archivo de etiqueta para enviar a la impresora.</translation>
    </message>
    <message>
        <source>Label Format Printing</source>
        <translation>Impresión de formato de etiqueta</translation>
    </message>
    <message>
        <source>Enter Format Identifier</source>
        <translation>Introduzca el identificador del formato</translation>
    </message>
    <message>
        <source>8 Characters or less please</source>
        <translation>8 caracteres como máximo</translation>
    </message>
    <message>
        <source>File Format Storage</source>
        <translation>Almacenamiento de formato</translation>
    </message>
    <message>
        <source>Enter Stored Graphic to Print</source>
        <translation>Introduzca el gráfico almacenado que imprimir</translation>
    </message>
    <message>
        <source>Enter Label Format to Print</source>
        <translation>Introduzca el formato de etiqueta que imprimir</translation>
    </message>
    <message>
        <source>Enter Quantity</source>
        <translation>Introduzca la cantidad</translation>
    </message>
    <message>
        <source>Delete Stored Object</source>
        <translation>Borrar objeto almacenado</translation>
    </message>
    <message>
        <source>Enter Identifier of Object to Delete</source>
        <translation>Introduzca el identificador del objeto que borrar</translation>
    </message>
    <message>
        <source>Graphic %1, %2 bytes</source>
        <translation>Gráfico %1, %2 bytes</translation>
    </message>
    <message>
        <source>Label format %1</source>
        <translation>Formato de etiqueta %1</translation>
    </message>
    <message>
        <source>Label format %1, stored as %2</source>
        <translation>Formato de etiqueta %1, guardado como %2</translation>
    </message>
    <message>
        <source>Recall graphic %1</source>
        <translation>Recuperar gráfico %1</translation>
    </message>
    <message>
        <source>Recall format %1</source>
        <translation>Recuperar formato %1</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>Eliminar %1</translation>
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
        <translation>la impresora no ha tomado datos desde hace %1 s</translation>
    </message>
    <message>
        <source>%1/s</source>
        <translation>%1/s</translation>
    </message>
    <message>
        <source>about %1 left</source>
        <translation>quedan unos %1</translation>
    </message>
    <message>
        <source>%1 %2 of %3</source>
        <translation>%1 %2 de %3</translation>
    </message>
</context>
</TS>
