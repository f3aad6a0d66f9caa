<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AboutPage</name>
    <message>
        <source>Varimonde Printer Setup Utility</source>
        <translation>Configuração Varimonde</translation>
    </message>
    <message>
        <source>Utility Version 1.00</source>
        <translation>Versão do utilitário 1.00</translation>
    </message>
    <message>
        <source>Language: English</source>
        <translation>Idioma: inglês</translation>
    </message>
    <message>
        <source>Provides direct link to Varimonde&apos;s web page</source>
        <translation>Abre o site da Varimonde</translation>
    </message>
    <message>
        <source>Contact Varimonde Technical Support via e-mail</source>
        <translation>Escrever para o suporte técnico da Varimonde</translation>
    </message>
    <message>
        <source>Utility Version %1.%2</source>
        <translation>Versão do utilitário %1.%2</translation>
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
        <translation>Arquivo binário</translation>
    </message>
    <message>
        <source>Load &amp;Binary File To Memory.</source>
        <translation>Carregar arquivo &amp;binário</translation>
    </message>
    <message>
        <source>Use to upload new firmware to printer</source>
        <translation>Enviar novo firmware para a impressora</translation>
    </message>
    <message>
        <source>Upload to Pri&amp;nter</source>
        <translation>Enviar para a i&amp;mpressora</translation>
    </message>
    <message>
        <source>Stop the transfer to the printer (Esc)</source>
        <translation>Parar o envio para a impressora (Esc)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Binary File Information/Status</source>
        <translation>Arquivo binário: informações/status</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>Nome do arquivo:</translation>
    </message>
    <message>
        <source>None Loaded</source>
        <translation>Nenhum carregado</translation>
    </message>
    <message>
        <source>File Size:</source>
        <translation>Tamanho:</translation>
    </message>
    <message>
        <source>0 Bytes</source>
        <translation>0 bytes</translation>
    </message>
    <message>
        <source>No file loaded in Memory</source>
        <translation>Nenhum arquivo na memória</translation>
    </message>
    <message>
        <source>No File Loaded to Printer</source>
        <translation>Nenhum arquivo enviado à impressora</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progresso</translation>
    </message>
    <message>
        <source>You must select a file to load into memory.</source>
        <translation>Escolha um arquivo para carregar na memória.</translation>
    </message>
    <message>
        <source>%1 Bytes</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>Loading file into Memory</source>
        <translation>Carregando o arquivo na memória</translation>
    </message>
    <message>
        <source>Loading Failed: no file in Memory</source>
        <translation>Falha ao carregar: nenhum arquivo na memória</translation>
    </message>
    <message>
        <source>Firmware %1, %2 bytes, SHA-256 %3</source>
        <translation>Firmware %1, %2 bytes, SHA-256 %3</translation>
    </message>
    <message>
        <source>File Loaded into Memory</source>
        <translation>Arquivo carregado na memória</translation>
    </message>
    <message>
        <source>SHA-256: </source>
        <translation>SHA-256: </translation>
    </message>
    <message>
        <source>Uploading File</source>
        <translation>Enviando o arquivo</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Enviando</translation>
    </message>
    <message>
        <source>Upload Cancelled</source>
        <translation>Envio cancelado</translation>
    </message>
    <message>
        <source>Firmware, none loaded</source>
        <translation>Firmware, nenhum carregado</translation>
    </message>
    <message>
        <source>File Uploaded</source>
        <translation>Arquivo enviado</translation>
    </message>
    <message>
        <source>Upload Failed</source>
        <translation>Falha no envio</translation>
    </message>
    <message>
        <source>All Files(*.*)|*.*</source>
        <translation>Todos os arquivos(*.*)|*.*</translation>
    </message>
</context>
<context>
    <name>CalibrationBlocks</name>
    <message>
        <source>Index type must be BAR or GAP</source>
        <translation>O tipo de índice deve ser BAR ou GAP</translation>
    </message>
    <message>
        <source>CALIBRATION</source>
        <translation>CALIBRAÇÃO</translation>
    </message>
    <message>
        <source>Print Type must be DT or TT</source>
        <translation>O tipo de impressão deve ser DT ou TT</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Calibração</translation>
    </message>
    <message>
        <source>Type must be Wax, Wax/Resin, or Preimum Resin</source>
        <translation>O tipo deve ser Cera, Cera/Resina ou Resina Premium</translation>
    </message>
</context>
<context>
    <name>CalibrationPage</name>
    <message>
        <source>Calibration Information</source>
        <translation>Dados de calibração</translation>
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
        <translation>Tipo de impressão:</translation>
    </message>
    <message>
        <source>Ribbon Information</source>
        <translation>Ribbon</translation>
    </message>
    <message>
        <source>Ribbon Material:</source>
        <translation>Ribbon:</translation>
    </message>
    <message>
        <source>To determine ribbon material, look at the foil lead of your Varimonde-brand ribbon:</source>
        <translation>O tipo de ribbon está indicado na ponta inicial do seu ribbon Varimonde:</translation>
    </message>
    <message>
        <source>Blue = WAX</source>
        <translation>Azul = CERA</translation>
    </message>
    <message>
        <source>Silver = WAX/RESIN Combo</source>
        <translation>Prata = CERA/RESINA</translation>
    </message>
    <message>
        <source>Gold = PREMIUM RESIN</source>
        <translation>Ouro = Resina premium</translation>
    </message>
    <message>
        <source>Before Calibrating your printer, make sure your labels and ribbon (if applicable) are properly loaded.  The labels should be print-side up, aligned against the left hand side of the printer so that they pass over the appropriate sensor.</source>
        <translation>Antes de calibrar a impressora, verifique se as etiquetas e o ribbon (se houver) estão bem carregados. As etiquetas ficam com o lado de impressão para cima, encostadas no lado esquerdo da impressora, para passarem sobre o sensor certo.</translation>
    </message>
    <message>
        <source>&amp;Calibrate Printer</source>
        <translation>&amp;Calibrar</translation>
    </message>
    <message>
        <source>Printer Test Label</source>
        <translation>Etiqueta de teste</translation>
    </message>
    <message>
        <source>Test Label Type</source>
        <translation>Tipo de etiqueta de teste</translation>
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
        <translation>&amp;Ribbon:</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Calibração</translation>
    </message>
    <message>
        <source>Test label %1</source>
        <translation>Etiqueta de teste %1</translation>
    </message>
</context>
<context>
    <name>CommPage</name>
    <message>
        <source>Communications</source>
        <translation>Comunicação</translation>
    </message>
    <message>
        <source>&amp;Serial Communications</source>
        <translation>Comunicação s&amp;erial</translation>
    </message>
    <message>
        <source>&amp;ParallelCommunications</source>
        <translation>Comunicação para&amp;lela</translation>
    </message>
    <message>
        <source>&amp;USB Printer</source>
        <translation>Impressora &amp;USB</translation>
    </message>
    <message>
        <source>&amp;Network</source>
        <translation>Re&amp;de</translation>
    </message>
    <message>
        <source>Serial Comm</source>
        <translation>Serial</translation>
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
        <translation>Pa&amp;ridade:</translation>
    </message>
    <message>
        <source>PARITY:</source>
        <translation>Paridade:</translation>
    </message>
    <message>
        <source>&amp;DATABITS:</source>
        <translation>Dad&amp;os:</translation>
    </message>
    <message>
        <source>DATABITS:</source>
        <translation>Bits de dados:</translation>
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
        <translation>Padrão Varimonde:</translation>
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
        <translation>Inativo</translation>
    </message>
    <message>
        <source>The port or line settings shown are not in force until Apply is pressed.</source>
        <translation>As configurações mostradas só valem depois de “Aplicar”.</translation>
    </message>
    <message>
        <source>Parallel Comm</source>
        <translation>Paralela</translation>
    </message>
    <message>
        <source>Select Parallel Port</source>
        <translation>Escolher a porta paralela</translation>
    </message>
    <message>
        <source>Parallel Port</source>
        <translation>Porta paralela</translation>
    </message>
    <message>
        <source>Select Parallel Port the Printer is connected to on the PC.</source>
        <translation>Escolha a porta paralela do PC à qual a impressora está ligada.</translation>
    </message>
    <message>
        <source>USB Printer</source>
        <translation>Impressora USB</translation>
    </message>
    <message>
        <source>Select the USB printer</source>
        <translation>Escolher a impressora USB</translation>
    </message>
    <message>
        <source>The USB printers connected now, with maker and model. The list follows printers as they are plugged in or out.</source>
        <translation>As impressoras USB conectadas agora, com fabricante e modelo. A lista acompanha as impressoras conectadas ou desconectadas.</translation>
    </message>
    <message>
        <source>Network Printer</source>
        <translation>Impressora de rede</translation>
    </message>
    <message>
        <source>&amp;Host:</source>
        <translation>&amp;Host:</translation>
    </message>
    <message>
        <source>name or IP address</source>
        <translation>nome ou endereço IP</translation>
    </message>
    <message>
        <source>Host:</source>
        <translation>Host:</translation>
    </message>
    <message>
        <source>P&amp;ort:</source>
        <translation>P&amp;orta:</translation>
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
        <translation>O nome de rede ou o endereço IPv4 ou IPv6 da impressora e sua porta de impressão direta: 9100 na maioria das impressoras.</translation>
    </message>
    <message>
        <source>&amp;Give up after</source>
        <translation>Desistir &amp;após</translation>
    </message>
    <message>
        <source>Seconds without an answer</source>
        <translation>Segundos sem resposta</translation>
    </message>
    <message>
        <source>s without an answer and</source>
        <translation>s sem resposta e</translation>
    </message>
    <message>
        <source>Seconds without progress</source>
        <translation>Segundos sem progresso</translation>
    </message>
    <message>
        <source>s without progress</source>
        <translation>s sem progresso</translation>
    </message>
    <message>
        <source>F&amp;ind Printers…</source>
        <translation>&amp;Procurar…</translation>
    </message>
    <message>
        <source>Look for printers on the network and pick one.</source>
        <translation>Procurar impressoras na rede e escolher uma.</translation>
    </message>
    <message>
        <source>The address shown is not in force until Apply is pressed.</source>
        <translation>O endereço mostrado só vale depois de “Aplicar”.</translation>
    </message>
    <message>
        <source>A send fails when the printer gives no answer at all for this long: it is off, or the line is cut.</source>
        <translation>Um envio falha se a impressora não responde nada por este tempo: está desligada ou a linha está cortada.</translation>
    </message>
    <message>
        <source>A send fails when the printer still answers but takes no data for this long: check paper, ribbon and the printer&apos;s display.</source>
        <translation>Um envio falha se a impressora ainda responde mas não aceita dados por este tempo: verifique papel, ribbon e o visor da impressora.</translation>
    </message>
    <message>
        <source>Utility Settings</source>
        <translation>Configurações do programa</translation>
    </message>
    <message>
        <source>Invalid Value in COMM Settings</source>
        <translation>Valor inválido nas configurações de comunicação</translation>
    </message>
    <message>
        <source>No such USB printer</source>
        <translation>Impressora USB inexistente</translation>
    </message>
    <message>
        <source>No such link</source>
        <translation>Conexão inexistente</translation>
    </message>
    <message>
        <source>No USB printer found</source>
        <translation>Nenhuma impressora USB encontrada</translation>
    </message>
</context>
<context>
    <name>CommandLineHelp</name>
    <message>
        <source>After --calibrate: DT (direct thermal) or TT (thermal transfer).</source>
        <translation>Após --calibrate: DT (térmica direta) ou TT (transferência térmica).</translation>
    </message>
    <message>
        <source>After --calibrate with TT: WAX (0, the default), &quot;WAX/RESIN COMBO&quot; (1) or &quot;PREMIUM RESIN&quot; (2).</source>
        <translation>Após --calibrate com TT: WAX (0, o padrão), &quot;WAX/RESIN COMBO&quot; (1) ou &quot;PREMIUM RESIN&quot; (2).</translation>
    </message>
    <message>
        <source>After --store-graphic or --store-format: the identifier, at most 8 characters.</source>
        <translation>Após --store-graphic ou --store-format: o identificador, no máximo 8 caracteres.</translation>
    </message>
    <message>
        <source>After --store-graphic: the file is a PCX.</source>
        <translation>Após --store-graphic: o arquivo é um PCX.</translation>
    </message>
    <message>
        <source>After --store-graphic: make the picture (PNG, JPEG, GIF, BMP) a 1-bit BMP, dots darker than the threshold black.</source>
        <translation>Após --store-graphic: transformar a imagem (PNG, JPEG, GIF, BMP) em um BMP de 1 bit, com os pontos mais escuros que o limiar em preto.</translation>
    </message>
    <message>
        <source>With --convert: spread the greys by error diffusion.</source>
        <translation>Com --convert: distribuir os cinzas por difusão de erro.</translation>
    </message>
    <message>
        <source>With --convert: the grey (1-255, default 128) below which a dot is black.</source>
        <translation>Com --convert: o cinza (1-255, padrão 128) abaixo do qual um ponto fica preto.</translation>
    </message>
    <message>
        <source>With --convert: scale to this many dots across, keeping the aspect (the printer prints 203 dots an inch).</source>
        <translation>Com --convert: redimensionar para esta largura em pontos, mantendo a proporção (a impressora imprime 203 pontos por polegada).</translation>
    </message>
    <message>
        <source>With --convert: swap black and white.</source>
        <translation>Com --convert: trocar preto e branco.</translation>
    </message>
    <message>
        <source>After --recall-format: how many labels.</source>
        <translation>Após --recall-format: quantas etiquetas.</translation>
    </message>
    <message>
        <source>A printer to send to; give it once for each printer.</source>
        <translation>Uma impressora para onde enviar; informe uma vez para cada impressora.</translation>
    </message>
    <message>
        <source>Read targets from a file, one a line; blank lines and comments (from a # at the start or after a blank) are skipped.</source>
        <translation>Ler os destinos de um arquivo, um por linha; linhas em branco e comentários (a partir de um # no início ou após um espaço) são ignorados.</translation>
    </message>
    <message>
        <source>Send nothing: write what would be sent to each printer to standard output.</source>
        <translation>Não enviar nada: escrever na saída padrão o que seria enviado a cada impressora.</translation>
    </message>
    <message>
        <source>With --dry-run: write to a file instead; a name ending in .bmp gets the image of the one --convert alone.</source>
        <translation>Com --dry-run: escrever em um arquivo; um nome terminado em .bmp recebe a imagem de um único --convert.</translation>
    </message>
    <message>
        <source>With --dry-run: a hex dump, one block per transmission.</source>
        <translation>Com --dry-run: um despejo hexadecimal, um bloco por transmissão.</translation>
    </message>
    <message>
        <source>At most this many printers at once (default: 1000 network and USB printers, one transfer per serial or parallel port).</source>
        <translation>No máximo este número de impressoras ao mesmo tempo (padrão: 1000 impressoras de rede e USB, uma transferência por porta serial ou paralela).</translation>
    </message>
    <message>
        <source>Write a JSON report of every printer&apos;s outcome; with --dry-run, of what each would be sent.</source>
        <translation>Escrever um relatório JSON do resultado de cada impressora; com --dry-run, do que seria enviado a cada uma.</translation>
    </message>
    <message>
        <source>Seconds a printer may take no data before it has failed (default 10, at most 86400); a network printer: seconds it may leave us without any answer.</source>
        <translation>Segundos que uma impressora pode ficar sem receber dados antes de falhar (padrão 10, no máximo 86400); uma impressora de rede: segundos que pode ficar sem nos responder nada.</translation>
    </message>
    <message>
        <source>Seconds a network printer that still answers may take no data before it has failed (default 60, at most 86400).</source>
        <translation>Segundos que uma impressora de rede que ainda responde pode ficar sem receber dados antes de falhar (padrão 60, no máximo 86400).</translation>
    </message>
    <message>
        <source>Seconds to wait for a network printer to answer (default 5, at most 86400).</source>
        <translation>Segundos de espera pela resposta de uma impressora de rede (padrão 5, no máximo 86400).</translation>
    </message>
    <message>
        <source>Write progress as JSON Lines events on standard output (start, progress, done, failed, cancelled); the summary then goes to standard error.</source>
        <translation>Escrever o progresso como eventos JSON Lines na saída padrão (start, progress, done, failed, cancelled); o resumo vai então para a saída de erro padrão.</translation>
    </message>
    <message>
        <source>Seconds between progress lines or events of each printer when standard error is not a terminal (default 10, at most 86400); one also comes at each tenth of the way.</source>
        <translation>Segundos entre as linhas ou eventos de progresso de cada impressora quando a saída de erro padrão não é um terminal (padrão 10, no máximo 86400); também vem um a cada décimo do caminho.</translation>
    </message>
    <message>
        <source>Write only failures and the summary.</source>
        <translation>Escrever apenas as falhas e o resumo.</translation>
    </message>
    <message>
        <source>The language of the texts (de, es, fr, it, ja, pl, pt_BR, zh_CN; en for English); without it the LANGUAGE variable and the locale decide. Reports, events and exit codes are the same in every language.</source>
        <translation>O idioma dos textos (de, es, fr, it, ja, pl, pt_BR, zh_CN; en para inglês); sem ela, decidem a variável LANGUAGE e a localidade. Relatórios, eventos e códigos de saída são os mesmos em todos os idiomas.</translation>
    </message>
    <message>
        <source>Send the configuration of a profile, as Upload Settings to Printer does after Import Profile.</source>
        <translation>Enviar a configuração de um perfil, como faz &quot;Enviar à impressora&quot; após &quot;Importar&quot;.</translation>
    </message>
    <message>
        <source>Calibrate media sensing for the index type; needs --print-type, and takes --ribbon for thermal transfer.</source>
        <translation>Calibrar a detecção da mídia para o tipo de marca; requer --print-type e aceita --ribbon para transferência térmica.</translation>
    </message>
    <message>
        <source>Print test label 1 (4X3) or 2 (2.4X1).</source>
        <translation>Imprimir a etiqueta de teste 1 (4X3) ou 2 (2.4X1).</translation>
    </message>
    <message>
        <source>Store a 1-bit BMP graphic (PCX with --pcx) under the identifier given with --id; with --convert, any picture made into a 1-bit BMP.</source>
        <translation>Armazenar um gráfico BMP de 1 bit (PCX com --pcx) com o identificador dado em --id; com --convert, qualquer imagem transformada em BMP de 1 bit.</translation>
    </message>
    <message>
        <source>Print a label format file as it is.</source>
        <translation>Imprimir um arquivo de formato de etiqueta como está.</translation>
    </message>
    <message>
        <source>Store a label format file under the identifier of --id.</source>
        <translation>Armazenar um arquivo de formato de etiqueta com o identificador de --id.</translation>
    </message>
    <message>
        <source>Print a stored graphic.</source>
        <translation>Imprimir um gráfico armazenado.</translation>
    </message>
    <message>
        <source>Print a stored format, --quantity labels (1 unless given).</source>
        <translation>Imprimir um formato armazenado, --quantity etiquetas (1 se não informado).</translation>
    </message>
    <message>
        <source>Delete a stored graphic or format.</source>
        <translation>Excluir um gráfico ou formato armazenado.</translation>
    </message>
    <message>
        <source>Have the printer print the list of stored objects.</source>
        <translation>Fazer a impressora imprimir a lista de objetos armazenados.</translation>
    </message>
    <message>
        <source>Upload a firmware image; its SHA-256 is shown first.</source>
        <translation>Enviar uma imagem de firmware; seu SHA-256 é mostrado primeiro.</translation>
    </message>
    <message>
        <source>Send a file&apos;s bytes unchanged.</source>
        <translation>Enviar os bytes de um arquivo sem alteração.</translation>
    </message>
    <message>
        <source>Sets up Varimonde thermal label printers without a window: sends each printer the same bytes as the window&apos;s buttons would, to one printer or many at once.
Without options the window opens.

Targets: COMn[:baud,parity,data,stop], a serial device path[:settings], LPT1, LPT2, usb:DEVICE, tcp://HOST[:PORT] (9100 unless given; an IPv6 address in brackets).
Actions run in the order given, the same on every printer; each printer&apos;s run stops at its first failure.

Exit status: 0 every printer done, 1 a printer failed, 2 bad arguments or input, 130 interrupted.</source>
        <translation>Configura impressoras de etiquetas térmicas Varimonde sem janela: envia a cada impressora os mesmos bytes que os botões da janela, a uma impressora ou a muitas ao mesmo tempo.
Sem opções, a janela se abre.

Destinos: COMn[:baud,parity,data,stop], o caminho de um dispositivo serial[:ajustes], LPT1, LPT2, usb:DEVICE, tcp://HOST[:PORT] (9100 se não informada; um endereço IPv6 entre colchetes).
As ações são executadas na ordem dada, as mesmas em cada impressora; cada impressora para na sua primeira falha.

Status de saída: 0 todas as impressoras concluídas, 1 uma impressora falhou, 2 argumentos ou entrada inválidos, 130 interrompido.</translation>
    </message>
    <message>
        <source>Show this help and end.</source>
        <translation>Mostrar esta ajuda e sair.</translation>
    </message>
    <message>
        <source>Show the version and end.</source>
        <translation>Mostrar a versão e sair.</translation>
    </message>
    <message>
        <source>Find network printers: sweep the --range given (port 9100), browse DNS-SD with --dns-sd, and ask each over SNMP; prints a table (JSON with --report).</source>
        <translation>Encontrar impressoras de rede: varrer a faixa --range dada (porta 9100), procurar no DNS-SD com --dns-sd e consultar cada uma por SNMP; mostra uma tabela (JSON com --report).</translation>
    </message>
    <message>
        <source>With --discover: a CIDR range (at most /22) or a host; repeatable.</source>
        <translation>Com --discover: uma faixa CIDR (no máximo /22) ou um host; pode ser repetida.</translation>
    </message>
    <message>
        <source>With --discover: a raw port to try besides 9100; repeatable.</source>
        <translation>Com --discover: uma porta raw a tentar além da 9100; pode ser repetida.</translation>
    </message>
    <message>
        <source>With --discover: also browse DNS-SD (_pdl-datastream, _printer, _ipp) through the Avahi daemon.</source>
        <translation>Com --discover: procurar também no DNS-SD (_pdl-datastream, _printer, _ipp) pelo daemon Avahi.</translation>
    </message>
    <message>
        <source>With --discover: write a targets file of the printers found. A file that --discover did not write is not replaced without --force.</source>
        <translation>Com --discover: escrever um arquivo de destinos com as impressoras encontradas. Um arquivo que --discover não escreveu não é substituído sem --force.</translation>
    </message>
    <message>
        <source>With --write-targets: replace the file even when it was not written by --discover (a targets file made by hand).</source>
        <translation>Com --write-targets: substituir o arquivo mesmo que não tenha sido escrito por --discover (um arquivo de destinos feito à mão).</translation>
    </message>
    <message>
        <source>Read the status of every network target over SNMP; the exit status is 1 when any reports an error or does not answer. A printer on a serial, parallel or USB line cannot be asked: it is listed and counted apart.</source>
        <translation>Ler por SNMP o status de cada destino de rede; o status de saída é 1 quando algum informa um erro ou não responde. Uma impressora em uma linha serial, paralela ou USB não pode ser consultada: é listada e contada à parte.</translation>
    </message>
    <message>
        <source>Read the SNMP secrets from a file only its owner may read, or from standard input (-): lines community=NAME, auth=PHRASE, priv=PHRASE.</source>
        <translation>Ler os segredos SNMP de um arquivo que só o seu dono pode ler, ou da entrada padrão (-): linhas community=NAME, auth=PHRASE, priv=PHRASE.</translation>
    </message>
    <message>
        <source>The SNMP v2c community (default public); other users see it: prefer --snmp-secrets.</source>
        <translation>A comunidade SNMP v2c (padrão public); outros usuários a veem: prefira --snmp-secrets.</translation>
    </message>
    <message>
        <source>The UDP port printers answer SNMP on (default 161).</source>
        <translation>A porta UDP em que as impressoras respondem a SNMP (padrão 161).</translation>
    </message>
    <message>
        <source>Ask over SNMP v3 as this user.</source>
        <translation>Consultar por SNMP v3 como este usuário.</translation>
    </message>
    <message>
        <source>With --snmp-user: the SHA authentication pass phrase; other users see it: prefer --snmp-secrets.</source>
        <translation>Com --snmp-user: a frase secreta de autenticação SHA; outros usuários a veem: prefira --snmp-secrets.</translation>
    </message>
    <message>
        <source>With --snmp-user: the AES privacy pass phrase; other users see it: prefer --snmp-secrets.</source>
        <translation>Com --snmp-user: a frase secreta de privacidade AES; outros usuários a veem: prefira --snmp-secrets.</translation>
    </message>
    <message>
        <source>With --status: also write one row per printer (name, location, model, serial, status, alerts, odometer, media, when read) to this file: CSV, or JSON when its name ends in .json.</source>
        <translation>Com --status: escrever também uma linha por impressora (nome, local, modelo, número de série, status, alertas, contador, mídia, hora da leitura) neste arquivo: CSV, ou JSON se o nome terminar em .json.</translation>
    </message>
    <message>
        <source>Read every network target over SNMP again and again, each at most once in this many seconds, and write a JSON line on standard output for each change (online, offline, status, alert-raised, alert-cleared) and each odometer read; Ctrl-C ends it (exit 130).</source>
        <translation>Ler por SNMP cada destino de rede de novo e de novo, cada um no máximo uma vez nesse número de segundos, e escrever uma linha JSON na saída padrão a cada mudança (online, offline, status, alert-raised, alert-cleared) e a cada leitura do contador; Ctrl-C encerra (saída 130).</translation>
    </message>
    <message>
        <source>With --watch: serve the printers&apos; state for Prometheus at http://ADDRESS:PORT/metrics (port 0: any free port, said on standard error).</source>
        <translation>Com --watch: servir o estado das impressoras para o Prometheus em http://ADDRESS:PORT/metrics (porta 0: qualquer porta livre, informada na saída de erro padrão).</translation>
    </message>
    <message>
        <source>Send even to a network printer whose SNMP status reports an error (no paper, door open, jammed, offline).</source>
        <translation>Enviar mesmo a uma impressora de rede cujo status SNMP informa um erro (sem papel, tampa aberta, atolamento, offline).</translation>
    </message>
</context>
<context>
    <name>CommandLineText</name>
    <message>
        <source> Did you mean --%1?</source>
        <translation> Você quis dizer --%1?</translation>
    </message>
    <message>
        <source>%1 goes with --convert</source>
        <translation>%1 acompanha --convert</translation>
    </message>
    <message>
        <source>--convert makes a BMP: leave out --pcx</source>
        <translation>--convert gera um BMP: retire --pcx</translation>
    </message>
    <message>
        <source>--dither and --threshold exclude each other</source>
        <translation>--dither e --threshold se excluem</translation>
    </message>
    <message>
        <source>--threshold takes a grey from %1 to %2, not &quot;%3&quot;</source>
        <translation>--threshold aceita um cinza de %1 a %2, não &quot;%3&quot;</translation>
    </message>
    <message>
        <source>--width takes a number of dots from 1 to %1, not &quot;%2&quot;</source>
        <translation>--width aceita um número de pontos de 1 a %1, não &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>%1 takes a whole number of at least 1, not &quot;%2&quot;</source>
        <translation>%1 aceita um número inteiro de pelo menos 1, não &quot;%2&quot;</translation>
    </message>
    <message>
        <source>%1 takes a whole number of seconds from 1 to %2, not &quot;%3&quot;</source>
        <translation>%1 aceita um número inteiro de segundos de 1 a %2, não &quot;%3&quot;</translation>
    </message>
    <message>
        <source>%1 belongs right after an action that takes it (%2)</source>
        <translation>%1 vem logo após uma ação que o aceite (%2)</translation>
    </message>
    <message>
        <source>%1 is given twice for %2</source>
        <translation>%1 foi dado duas vezes para %2</translation>
    </message>
    <message>
        <source>%1 needs %2</source>
        <translation>%1 precisa de %2</translation>
    </message>
    <message>
        <source>Firmware %1: %2, SHA-256 %3</source>
        <translation>Firmware %1: %2, SHA-256 %3</translation>
    </message>
    <message>
        <source>--%1 goes with --dry-run</source>
        <translation>--%1 acompanha --dry-run</translation>
    </message>
    <message>
        <source>--progress takes json, not &quot;%1&quot;</source>
        <translation>--progress aceita json, não &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--progress goes with a run that sends: leave out --dry-run</source>
        <translation>--progress acompanha uma execução que envia: retire --dry-run</translation>
    </message>
    <message>
        <source>--discover finds printers: leave out --to and --targets</source>
        <translation>--discover procura impressoras: retire --to e --targets</translation>
    </message>
    <message>
        <source>no printer to send to: give --to or --targets</source>
        <translation>nenhuma impressora para enviar: informe --to ou --targets</translation>
    </message>
    <message>
        <source>%1 gives what the file gives: leave out one</source>
        <translation>%1 informa o mesmo que o arquivo: retire um dos dois</translation>
    </message>
    <message>
        <source>nothing to send: give at least one action, such as --profile or --firmware</source>
        <translation>nada a enviar: informe pelo menos uma ação, como --profile ou --firmware</translation>
    </message>
    <message>
        <source>--output %1 takes the image of one --convert, not %2</source>
        <translation>--output %1 aceita a imagem de um único --convert, não de %2</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;: targets go after --to</source>
        <translation>argumento inesperado &quot;%1&quot;: os destinos vêm depois de --to</translation>
    </message>
    <message>
        <source>--discover, --status and --watch send nothing: leave out the actions and --dry-run</source>
        <translation>--discover, --status e --watch não enviam nada: retire as ações e --dry-run</translation>
    </message>
    <message>
        <source>the report</source>
        <translation>o relatório</translation>
    </message>
    <message>
        <source>varimonde-setup: interrupted before the output was written</source>
        <translation>varimonde-setup: interrompido antes de a saída ser escrita</translation>
    </message>
    <message>
        <source>varimonde-setup: cannot write the output: %1</source>
        <translation>varimonde-setup: não é possível escrever a saída: %1</translation>
    </message>
    <message>
        <source>Try &apos;varimonde-setup --help&apos; for more information.</source>
        <translation>Tente &apos;varimonde-setup --help&apos; para mais informações.</translation>
    </message>
    <message>
        <source>varimonde-setup: interrupted while the files were read</source>
        <translation>varimonde-setup: interrompido durante a leitura dos arquivos</translation>
    </message>
    <message>
        <source>varimonde-setup: interrupted before the bytes were shown</source>
        <translation>varimonde-setup: interrompido antes de os bytes serem mostrados</translation>
    </message>
    <message>
        <source>--discover, --status and --watch exclude each other</source>
        <translation>--discover, --status e --watch se excluem</translation>
    </message>
    <message>
        <source>--inventory goes with --status</source>
        <translation>--inventory acompanha --status</translation>
    </message>
    <message>
        <source>--metrics goes with --watch</source>
        <translation>--metrics acompanha --watch</translation>
    </message>
    <message>
        <source>--%1 goes with --discover</source>
        <translation>--%1 acompanha --discover</translation>
    </message>
    <message>
        <source>--force goes with --write-targets</source>
        <translation>--force acompanha --write-targets</translation>
    </message>
    <message>
        <source>the targets file</source>
        <translation>o arquivo de destinos</translation>
    </message>
    <message>
        <source>the inventory</source>
        <translation>o inventário</translation>
    </message>
    <message>
        <source>%1: not a network printer; its status cannot be read, it is not watched</source>
        <translation>%1: não é uma impressora de rede; seu status não pode ser lido, ela não é vigiada</translation>
    </message>
    <message>
        <source>varimonde-setup: no network printer to watch</source>
        <translation>varimonde-setup: nenhuma impressora de rede para vigiar</translation>
    </message>
    <message>
        <source>varimonde-setup: cannot serve metrics on %1</source>
        <translation>varimonde-setup: não é possível servir as métricas em %1</translation>
    </message>
    <message>
        <source>serving metrics on http://%1:%2/metrics</source>
        <translation>métricas servidas em http://%1:%2/metrics</translation>
    </message>
    <message>
        <source>watched %1 printer for %2 s: %3 reads, %4 events; %5 online, %6 not</source>
        <translation>%1 impressora vigiada por %2 s: %3 leituras, %4 eventos; %5 on-line, %6 não</translation>
    </message>
    <message>
        <source>watched %1 printers for %2 s: %3 reads, %4 events; %5 online, %6 not</source>
        <translation>%1 impressoras vigiadas por %2 s: %3 leituras, %4 eventos; %5 on-line, %6 não</translation>
    </message>
    <message>
        <source>varimonde-setup: cannot write %1: %2</source>
        <translation>varimonde-setup: não é possível escrever %1: %2</translation>
    </message>
    <message>
        <source>sent %1 bytes in %2 s</source>
        <translation>%1 bytes enviados em %2 s</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <translation>falhou: %1</translation>
    </message>
    <message>
        <source>cancelled after %1 bytes</source>
        <translation>cancelado após %1 bytes</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>não foi possível ler %1: %2</translation>
    </message>
    <message>
        <source>%1 holds more than %2 bytes: not a secrets file</source>
        <translation>%1 contém mais de %2 bytes: não é um arquivo de segredos</translation>
    </message>
    <message>
        <source>%1 is not community=, auth= or priv=</source>
        <translation>%1 não é community=, auth= nem priv=</translation>
    </message>
    <message>
        <source>%1: %2 is empty</source>
        <translation>%1: %2 está vazio</translation>
    </message>
    <message>
        <source>%1: %2 holds a control character</source>
        <translation>%1: %2 contém um caractere de controle</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>a entrada padrão</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2</source>
        <translation>não foi possível abrir %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 não é um arquivo comum</translation>
    </message>
    <message>
        <source>an empty target: %1</source>
        <translation>um destino vazio: %1</translation>
    </message>
    <message>
        <source>target &quot;%1&quot;: %2</source>
        <translation>destino &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>%1 of %2 bytes delivered</source>
        <translation>%1 de %2 bytes entregues</translation>
    </message>
    <message>
        <source>rate not known yet</source>
        <translation>taxa ainda desconhecida</translation>
    </message>
    <message>
        <source>time left not known</source>
        <translation>tempo restante desconhecido</translation>
    </message>
    <message>
        <source>sent</source>
        <translation>enviados</translation>
    </message>
    <message>
        <source>--watch takes seconds from 1 to 86400, not &quot;%1&quot;</source>
        <translation>--watch aceita segundos de 1 a 86400, não “%1”</translation>
    </message>
    <message>
        <source>--metrics takes ADDRESS:PORT, such as 127.0.0.1:9464 or [::1]:9464, not &quot;%1&quot;</source>
        <translation>--metrics aceita ENDEREÇO:PORTA, como 127.0.0.1:9464 ou [::1]:9464, não “%1”</translation>
    </message>
    <message>
        <source>--%1 takes a port from 1 to 65535, not &quot;%2&quot;</source>
        <translation>--%1 aceita uma porta de 1 a 65535, não “%2”</translation>
    </message>
    <message>
        <source>--discover needs --range or --dns-sd: nothing is swept unless asked</source>
        <translation>--discover precisa de --range ou --dns-sd: nada é varrido sem pedido</translation>
    </message>
    <message>
        <source>pass phrases (--snmp-auth, --snmp-priv, auth=, priv=) go with --snmp-user</source>
        <translation>frases secretas (--snmp-auth, --snmp-priv, auth=, priv=) acompanham --snmp-user</translation>
    </message>
    <message>
        <source>--write-targets %1: the file was not written by --discover (a targets file made by hand?) and is left as it is; give --force to replace it</source>
        <translation>--write-targets %1: o arquivo não foi escrito por --discover (um arquivo de destinos feito à mão?) e fica como está; use --force para substituí-lo</translation>
    </message>
    <message>
        <source>SNMP privacy needs authentication: give --snmp-auth too</source>
        <translation>a privacidade SNMP precisa de autenticação: informe também --snmp-auth</translation>
    </message>
    <message>
        <source>SNMP v3 pass phrases have at least 8 characters</source>
        <translation>frases secretas SNMP v3 têm pelo menos 8 caracteres</translation>
    </message>
    <message>
        <source>the SNMP community is empty</source>
        <translation>a comunidade SNMP está vazia</translation>
    </message>
    <message>
        <source>an empty range</source>
        <translation>um intervalo vazio</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a host name or address</source>
        <translation>“%1” não é um nome de host nem um endereço</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an IPv4 range such as 192.168.1.0/24</source>
        <translation>“%1” não é um intervalo IPv4 como 192.168.1.0/24</translation>
    </message>
    <message>
        <source>the range %1 is wider than /%2 (%3 addresses): give smaller ranges</source>
        <translation>o intervalo %1 é maior que /%2 (%3 endereços): informe intervalos menores</translation>
    </message>
</context>
<context>
    <name>ConfigPage</name>
    <message>
        <source>&amp;Darkness </source>
        <translation>&amp;Densidade</translation>
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
        <translation>Atenção: densidade acima de 50 pode reduzir a vida útil da cabeça de impressão.</translation>
    </message>
    <message>
        <source>&amp;Width</source>
        <translation>&amp;Largura</translation>
    </message>
    <message>
        <source>Printer Width:</source>
        <translation>Largura:</translation>
    </message>
    <message>
        <source>416 represents 4.16 inches wide.  For 3.00 inch media use 300.</source>
        <translation>416 representa 4,16 polegadas de largura. Para mídia de 3,00 polegadas use 300.</translation>
    </message>
    <message>
        <source>416</source>
        <translation>416</translation>
    </message>
    <message>
        <source>Default for a 2 inch: 224</source>
        <translation>Padrão para 2 polegadas: 224</translation>
    </message>
    <message>
        <source>Default for a 4 inch: 416</source>
        <translation>Padrão para 4 polegadas: 416</translation>
    </message>
    <message>
        <source>&amp;PrintSpeed</source>
        <translation>&amp;Velocidade</translation>
    </message>
    <message>
        <source>Select PrintSpeed</source>
        <translation>Escolher a velocidade de impressão</translation>
    </message>
    <message>
        <source>PrintSpeed</source>
        <translation>Velocidade de impressão</translation>
    </message>
    <message>
        <source>Configure the speed at which your printer prints.  This may affect print quality.</source>
        <translation>Ajusta a velocidade de impressão. Pode afetar a qualidade.</translation>
    </message>
    <message>
        <source>Print &amp;Mode</source>
        <translation>&amp;Modo</translation>
    </message>
    <message>
        <source>Configure your printer for Direct Thermal or Thermal Transfer mode</source>
        <translation>Configura a impressora para térmica direta ou transferência térmica</translation>
    </message>
    <message>
        <source>Print Mode</source>
        <translation>Modo de impressão</translation>
    </message>
    <message>
        <source>Configure your printer to Direct Thermal (DT) or Thermal Transfer (TT) mode.</source>
        <translation>Configura a impressora para térmica direta (DT) ou transferência térmica (TT).</translation>
    </message>
    <message>
        <source>Kestra emulation reduces printer performance and lowers print resolution.  Kestra emulation should only be used to make your Tornelo backwards compatible.</source>
        <translation>A emulação Kestra reduz o desempenho e a resolução de impressão. Use-a apenas para tornar sua Tornelo compatível com modelos anteriores.</translation>
    </message>
    <message>
        <source>&amp;Kestra Emulation</source>
        <translation>Emulação &amp;Kestra</translation>
    </message>
    <message>
        <source>Dis&amp;able Emulation in Printer</source>
        <translation>Desativar a em&amp;ulação</translation>
    </message>
    <message>
        <source>Kestra emulation allows your old labels to print properly in the Tornelo.  Use the Scaler to change label size (default 100}</source>
        <translation>A emulação Kestra faz suas etiquetas antigas imprimirem corretamente na Tornelo. Use a escala para mudar o tamanho da etiqueta (padrão 100)</translation>
    </message>
    <message>
        <source>Scaler:</source>
        <translation>Escala:</translation>
    </message>
    <message>
        <source>Right-Click to Set Value Manually</source>
        <translation>Clique com o botão direito para digitar o valor</translation>
    </message>
    <message>
        <source>100</source>
        <translation>100</translation>
    </message>
    <message>
        <source>Varimonde recommends setting your text buffer to no more than 32K.</source>
        <translation>A Varimonde recomenda um buffer de texto de no máximo 32K.</translation>
    </message>
    <message>
        <source>&amp;Text Buffer</source>
        <translation>&amp;Buffer de texto</translation>
    </message>
    <message>
        <source>Text Buffer (Main)</source>
        <translation>Buffer (principal)</translation>
    </message>
    <message>
        <source>4096</source>
        <translation>4096</translation>
    </message>
    <message>
        <source>Right-Click to set buffer manually.</source>
        <translation>Clique com o botão direito para ajustar o buffer manualmente.</translation>
    </message>
    <message>
        <source>Text Buffer (Overflow)</source>
        <translation>Buffer (excedente)</translation>
    </message>
    <message>
        <source>Right-Click to set buffer manually</source>
        <translation>Clique com o botão direito para ajustar o buffer manualmente</translation>
    </message>
    <message>
        <source>Note: Changing these settings will delete any stored graphics, and will reduce the amount of memory reserved for graphics.</source>
        <translation>Observação: mudar estas configurações apaga todos os gráficos armazenados e reduz a memória reservada para gráficos.</translation>
    </message>
    <message>
        <source>Uploads current settings to printer</source>
        <translation>Envia as configurações atuais para a impressora</translation>
    </message>
    <message>
        <source>&amp;Upload Settings to Printer</source>
        <translation>&amp;Enviar à impressora</translation>
    </message>
    <message>
        <source>Imports saved profile for easy duplication of printer configurations</source>
        <translation>Importa um perfil salvo para duplicar facilmente a configuração de uma impressora</translation>
    </message>
    <message>
        <source>&amp;Import Profile</source>
        <translation>&amp;Importar</translation>
    </message>
    <message>
        <source>Saves and exports profile for future printer setup</source>
        <translation>Salva e exporta o perfil para configurar impressoras no futuro</translation>
    </message>
    <message>
        <source>E&amp;xport Profile</source>
        <translation>E&amp;xportar</translation>
    </message>
    <message>
        <source>Opens seperate window with Varimonde commands for printer setup.</source>
        <translation>Abre uma janela separada com os comandos Varimonde para configurar a impressora.</translation>
    </message>
    <message>
        <source>&amp;Show Details</source>
        <translation>M&amp;ostrar detalhes</translation>
    </message>
    <message>
        <source>Please Enter Desired Scaler</source>
        <translation>Digite a escala desejada</translation>
    </message>
    <message>
        <source>Scaler Setting</source>
        <translation>Ajuste da escala</translation>
    </message>
    <message>
        <source>Maximum Value is 250</source>
        <translation>O valor máximo é 250</translation>
    </message>
    <message>
        <source>Invalid Data</source>
        <translation>Dado inválido</translation>
    </message>
    <message>
        <source>Set Value for Main Text Buffer</source>
        <translation>Valor do buffer de texto principal</translation>
    </message>
    <message>
        <source>Primary Text Buffer</source>
        <translation>Buffer de texto principal</translation>
    </message>
    <message>
        <source>Enter value for Overflow Buffer</source>
        <translation>Digite o valor do buffer excedente</translation>
    </message>
    <message>
        <source>Overflow Buffer</source>
        <translation>Buffer excedente</translation>
    </message>
    <message>
        <source>Overflow must fall between 0 and (Text Buffer-1024)</source>
        <translation>O excedente deve ficar entre 0 e (buffer de texto-1024)</translation>
    </message>
    <message>
        <source>Overflow Buffer Warning</source>
        <translation>Aviso do buffer excedente</translation>
    </message>
    <message>
        <source>Configuration block</source>
        <translation>Bloco de configuração</translation>
    </message>
</context>
<context>
    <name>DetailsWindow</name>
    <message>
        <source>Details</source>
        <translation>Detalhes</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Send Anyway</source>
        <translation>Enviar mesmo assim</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>Interrupted while the files were read: cancelled before sending.</source>
        <translation>Interrompido durante a leitura dos arquivos: cancelado antes do envio.</translation>
    </message>
    <message>
        <source>Interrupted: the transfer was stopped and its end not waited for.</source>
        <translation>Interrompido: a transferência foi parada sem esperar seu fim.</translation>
    </message>
    <message>
        <source>Interrupted before this printer&apos;s turn: nothing was sent.</source>
        <translation>Interrompido antes da vez desta impressora: nada foi enviado.</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Valor de propriedade inválido</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Tipos incompatíveis</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Estouro</translation>
    </message>
    <message>
        <source>Cancel was selected.</source>
        <translation>Cancelar foi escolhido.</translation>
    </message>
    <message>
        <source>Subscript out of range: there are no bytes in memory to send</source>
        <translation>Subscrito fora do intervalo: não há bytes na memória para enviar</translation>
    </message>
    <message>
        <source>The transfer was cancelled.</source>
        <translation>A transferência foi cancelada.</translation>
    </message>
    <message>
        <source>The transfer was stopped.</source>
        <translation>A transferência foi interrompida.</translation>
    </message>
    <message>
        <source>Bad file name or number</source>
        <translation>Nome ou número de arquivo inválido</translation>
    </message>
    <message>
        <source>%1 is out of paper: load labels and try again.</source>
        <translation>%1 está sem papel: coloque etiquetas e tente novamente.</translation>
    </message>
    <message>
        <source>%1 is offline: put the printer online and try again.</source>
        <translation>%1 está off-line: coloque a impressora on-line e tente novamente.</translation>
    </message>
    <message>
        <source>%1 reports an error: check the printer&apos;s cover, labels and ribbon, then try again.</source>
        <translation>%1 relata um erro: verifique a tampa, as etiquetas e a fita da impressora e tente novamente.</translation>
    </message>
    <message>
        <source>Device I/O error: %1 accepted no data for %2 seconds. Check that the printer is on, online and has paper.</source>
        <translation>Erro de E/S do dispositivo: %1 não aceitou dados por %2 segundos. Verifique se a impressora está ligada, on-line e tem papel.</translation>
    </message>
    <message>
        <source>%1 bytes delivered</source>
        <translation>%1 bytes entregues</translation>
    </message>
    <message>
        <source>No printer address is set: enter the printer&apos;s network name or IP address on the Communication Settings tab.</source>
        <translation>Nenhum endereço de impressora definido: informe o nome de rede ou o endereço IP da impressora na aba Comunicação.</translation>
    </message>
    <message>
        <source>could not look %1 up within %2 s: check the name and the DNS server</source>
        <translation>não foi possível resolver %1 em %2 s: verifique o nome e o servidor DNS</translation>
    </message>
    <message>
        <source>The printer&apos;s network name &quot;%1&quot; could not be found (port %2): check the name, or enter the printer&apos;s IP address instead.</source>
        <translation>O nome de rede &quot;%1&quot; da impressora não foi encontrado (porta %2): verifique o nome ou informe o endereço IP da impressora.</translation>
    </message>
    <message>
        <source>%1 did not answer within %2 seconds: check the address, and that the printer is on and connected to the network.</source>
        <translation>%1 não respondeu em %2 segundos: verifique o endereço e se a impressora está ligada e conectada à rede.</translation>
    </message>
    <message>
        <source>%1 refused the connection: check that this is the printer&apos;s address and that it takes print jobs on port %2 (9100 on most printers).</source>
        <translation>%1 recusou a conexão: verifique se este é o endereço da impressora e se ela aceita trabalhos na porta %2 (9100 na maioria das impressoras).</translation>
    </message>
    <message>
        <source>%1 cannot be reached: %2</source>
        <translation>%1 não pode ser alcançada: %2</translation>
    </message>
    <message>
        <source>%1 closed the connection during the transfer: the printer may have been switched off or restarted.</source>
        <translation>%1 fechou a conexão durante a transferência: a impressora pode ter sido desligada ou reiniciada.</translation>
    </message>
    <message>
        <source>The connection to %1 failed during the transfer: %2</source>
        <translation>A conexão com %1 falhou durante a transferência: %2</translation>
    </message>
    <message>
        <source>%1 stopped answering: nothing came back for %2 s. Check that the printer is on and connected to the network.</source>
        <translation>%1 parou de responder: nada voltou por %2 s. Verifique se a impressora está ligada e conectada à rede.</translation>
    </message>
    <message>
        <source>%1 %2; the wait for an answer is set on the Communication Settings tab (Give up after) or with --stall-limit.</source>
        <translation>%1 %2; a espera por uma resposta é definida na aba Comunicação (Desistir após) ou com --stall-limit.</translation>
    </message>
    <message>
        <source>%1 took no data for %2 s though it still answers: check paper, ribbon and the printer&apos;s display. %3; the wait for progress is set on the Communication Settings tab (Give up after) or with --busy-limit.</source>
        <translation>%1 não recebeu dados por %2 s, embora ainda responda: verifique o papel, a fita e o visor da impressora. %3; a espera por progresso é definida na aba Comunicação (Desistir após) ou com --busy-limit.</translation>
    </message>
    <message>
        <source>%1 does not exist on this computer. No serial ports were found: check that the printer&apos;s cable or USB adapter is plugged in.</source>
        <translation>%1 não existe neste computador. Nenhuma porta serial encontrada: verifique se o cabo da impressora ou o adaptador USB está conectado.</translation>
    </message>
    <message>
        <source>%1 does not exist on this computer. Serial ports found: %2. Choose one of them on the Communication Settings tab and press Apply.</source>
        <translation>%1 não existe neste computador. Portas seriais encontradas: %2. Escolha uma delas na aba Comunicação e pressione Aplicar.</translation>
    </message>
    <message>
        <source>Permission denied on %1. Your user must be in the group &apos;%2&apos; that owns the port: run &apos;sudo usermod -aG %2 $USER&apos;, then log out and in again.</source>
        <translation>Permissão negada em %1. Seu usuário precisa estar no grupo &apos;%2&apos; dono da porta: execute &apos;sudo usermod -aG %2 $USER&apos; e depois saia e entre novamente.</translation>
    </message>
    <message>
        <source>Permission denied on %1. Ask your administrator for read and write access to it.</source>
        <translation>Permissão negada em %1. Peça ao administrador acesso de leitura e escrita.</translation>
    </message>
    <message>
        <source>%1 is in use by another program%2. Close that program and try again.</source>
        <translation>%1 está em uso por outro programa%2. Feche esse programa e tente novamente.</translation>
    </message>
    <message>
        <source>%1 is already open: another transfer is still running.</source>
        <translation>%1 já está aberta: outra transferência ainda está em andamento.</translation>
    </message>
    <message>
        <source>%1 does not accept the line settings: %2</source>
        <translation>%1 não aceita as configurações de linha: %2</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>Não é possível abrir %1: %2</translation>
    </message>
    <message>
        <source>No parallel or USB printer ports were found.</source>
        <translation>Nenhuma porta paralela ou de impressora USB encontrada.</translation>
    </message>
    <message>
        <source>Parallel and USB printer ports found: %1. Choose one of them on the Communication Settings tab.</source>
        <translation>Portas paralelas e de impressora USB encontradas: %1. Escolha uma delas na aba Comunicação.</translation>
    </message>
    <message>
        <source>Another transfer to the printer is still running: wait for it to finish, or cancel it, then try again.</source>
        <translation>Outra transferência para a impressora ainda está em andamento: aguarde o fim ou cancele-a e tente novamente.</translation>
    </message>
    <message>
        <source>No USB printer is connected.</source>
        <translation>Nenhuma impressora USB está conectada.</translation>
    </message>
    <message>
        <source>USB Printer %1 is not connected.</source>
        <translation>A impressora USB %1 não está conectada.</translation>
    </message>
    <message>
        <source>Check that the printer is switched on and its USB cable is plugged in at both ends, and that the usblp driver is loaded (lsmod | grep usblp; load it with: sudo modprobe usblp).</source>
        <translation>Verifique se a impressora está ligada, se o cabo USB está conectado nas duas pontas e se o driver usblp está carregado (lsmod | grep usblp; carregue-o com: sudo modprobe usblp).</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>Erro: %1</translation>
    </message>
    <message>
        <source>Could not set comm state: the serial port cannot send with %1 data bits. Choose 5 to 8 data bits.</source>
        <translation>Não foi possível definir o estado da porta: a porta serial não envia com %1 bits de dados. Escolha de 5 a 8 bits de dados.</translation>
    </message>
    <message>
        <source>%1 stopped working during the transfer: the device or its USB adapter was removed or failed (%2).</source>
        <translation>%1 parou de funcionar durante a transferência: o dispositivo ou seu adaptador USB foi removido ou falhou (%2).</translation>
    </message>
    <message>
        <source>%1 failed during the transfer: %2</source>
        <translation>%1 falhou durante a transferência: %2</translation>
    </message>
    <message>
        <source>%1 accepted no data for %2 seconds: check that the printer is on, online and connected.</source>
        <translation>%1 não aceitou dados por %2 segundos: verifique se a impressora está ligada, on-line e conectada.</translation>
    </message>
    <message>
        <source>Interrupted: nothing more was sent.</source>
        <translation>Interrompido: nada mais foi enviado.</translation>
    </message>
    <message>
        <source>Interrupted: the transfer was stopped and what was queued discarded; %1 bytes delivered.</source>
        <translation>Interrompido: a transferência foi parada e o que estava na fila descartado; %1 bytes entregues.</translation>
    </message>
    <message>
        <source>Printer Setup</source>
        <translation>Configuração da impressora</translation>
    </message>
    <message>
        <source>Invalid Width Argument.</source>
        <translation>Largura inválida.</translation>
    </message>
    <message>
        <source>Maximum Width is 416</source>
        <translation>A largura máxima é 416</translation>
    </message>
    <message>
        <source>Invalid Print Mode. Valid Modes are DT and TT</source>
        <translation>Modo de impressão inválido. Os modos válidos são DT e TT</translation>
    </message>
    <message>
        <source>Invalid Print Speed</source>
        <translation>Velocidade de impressão inválida</translation>
    </message>
    <message>
        <source>an IPv6 address needs its closing ]</source>
        <translation>falta o ] de fechamento do endereço IPv6</translation>
    </message>
    <message>
        <source>write an IPv6 address in brackets: tcp://[2001:db8::5]:9100</source>
        <translation>escreva o endereço IPv6 entre colchetes: tcp://[2001:db8::5]:9100</translation>
    </message>
    <message>
        <source>name the USB printer device: usb:/dev/usb/lp0</source>
        <translation>informe o dispositivo da impressora USB: usb:/dev/usb/lp0</translation>
    </message>
    <message>
        <source>give COMn[:settings], a serial device path[:settings], LPT1, LPT2, usb:DEVICE or tcp://HOST[:PORT]</source>
        <translation>informe COMn[:ajustes], um caminho de dispositivo serial[:ajustes], LPT1, LPT2, usb:DISPOSITIVO ou tcp://HOST[:PORTA]</translation>
    </message>
    <message>
        <source>COM ports are numbered 1 to %1</source>
        <translation>as portas COM são numeradas de 1 a %1</translation>
    </message>
    <message>
        <source>the line settings &quot;%1&quot; must read baud,parity,data bits,stop bits, such as 9600,N,8,1</source>
        <translation>os ajustes de linha &quot;%1&quot; devem ser baud,paridade,bits de dados,bits de parada, como 9600,N,8,1</translation>
    </message>
    <message>
        <source>Invalid Parallel Port</source>
        <translation>Porta paralela inválida</translation>
    </message>
    <message>
        <source>Invalid Network Printer: enter the printer&apos;s network name or its IPv4 or IPv6 address.</source>
        <translation>Impressora de rede inválida: digite o nome de rede da impressora ou seu endereço IPv4 ou IPv6.</translation>
    </message>
    <message>
        <source>Invalid Network Port: enter a number from 1 to 65535 (9100 on most printers).</source>
        <translation>Porta de rede inválida: digite um número de 1 a 65535 (9100 na maioria das impressoras).</translation>
    </message>
    <message>
        <source>File not found: %1</source>
        <translation>Arquivo não encontrado: %1</translation>
    </message>
    <message>
        <source>Permission denied: %1</source>
        <translation>Permissão negada: %1</translation>
    </message>
    <message>
        <source>Disk full: %1</source>
        <translation>Disco cheio: %1</translation>
    </message>
    <message>
        <source>Device I/O error: %1 (%2)</source>
        <translation>Erro de E/S do dispositivo: %1 (%2)</translation>
    </message>
    <message>
        <source>Bad file name: %1</source>
        <translation>Nome de arquivo inválido: %1</translation>
    </message>
    <message>
        <source>Path/File access error: %1 (%2)</source>
        <translation>Erro de acesso ao caminho/arquivo: %1 (%2)</translation>
    </message>
    <message>
        <source>Permission denied: %1 (%2)</source>
        <translation>Permissão negada: %1 (%2)</translation>
    </message>
    <message>
        <source>Disk full or out of resources: %1 (%2)</source>
        <translation>Disco cheio ou sem recursos: %1 (%2)</translation>
    </message>
    <message>
        <source>%1 was not written: %2</source>
        <translation>%1 não foi gravado: %2</translation>
    </message>
    <message>
        <source>it is a symbolic link, and nothing is written through one; name the file itself.</source>
        <translation>é um link simbólico, e nada é gravado através de um; informe o próprio arquivo.</translation>
    </message>
    <message>
        <source>it is a folder; name a file in it.</source>
        <translation>é uma pasta; informe um arquivo dentro dela.</translation>
    </message>
    <message>
        <source>only a regular file is written here.</source>
        <translation>aqui só se grava um arquivo comum.</translation>
    </message>
    <message>
        <source>it is neither a file, a character device nor a pipe.</source>
        <translation>não é um arquivo, nem um dispositivo de caracteres, nem um pipe.</translation>
    </message>
    <message>
        <source>it belongs to user %1, not to user %2 for whom the program runs as root.</source>
        <translation>pertence ao usuário %1, não ao usuário %2 para quem o programa roda como root.</translation>
    </message>
    <message>
        <source>%1 was not written: nothing opened the pipe to read it within %2 s.</source>
        <translation>%1 não foi gravado: ninguém abriu o pipe para leitura em %2 s.</translation>
    </message>
    <message>
        <source>%1 was not written: interrupted.</source>
        <translation>%1 não foi gravado: interrompido.</translation>
    </message>
    <message>
        <source>it changed while it was being written.</source>
        <translation>mudou enquanto era gravado.</translation>
    </message>
    <message>
        <source>no file name was given.</source>
        <translation>nenhum nome de arquivo foi informado.</translation>
    </message>
    <message>
        <source>only a regular file is written.</source>
        <translation>só se grava um arquivo comum.</translation>
    </message>
    <message>
        <source>%1 (no COM number reaches it)</source>
        <translation>%1 (nenhum número COM chega a ela)</translation>
    </message>
    <message>
        <source>Put the printer online (its pause or feed button) and try again.</source>
        <translation>Coloque a impressora on-line (botão de pausa ou avanço) e tente novamente.</translation>
    </message>
    <message>
        <source>Open the printer, clear the jammed labels, close it and try again.</source>
        <translation>Abra a impressora, retire as etiquetas presas, feche-a e tente novamente.</translation>
    </message>
    <message>
        <source>Close the printer&apos;s cover and try again.</source>
        <translation>Feche a tampa da impressora e tente novamente.</translation>
    </message>
    <message>
        <source>Load labels, close the printer and try again.</source>
        <translation>Coloque etiquetas, feche a impressora e tente novamente.</translation>
    </message>
    <message>
        <source>Load a ribbon, close the printer and try again.</source>
        <translation>Coloque uma fita, feche a impressora e tente novamente.</translation>
    </message>
    <message>
        <source>Take the printed labels out and try again.</source>
        <translation>Retire as etiquetas impressas e tente novamente.</translation>
    </message>
    <message>
        <source>The printer reports %1: nothing was sent. %2</source>
        <translation>A impressora informa %1: nada foi enviado. %2</translation>
    </message>
    <message>
        <source>The printer reports %1: nothing was sent. %2 Give --ignore-status to send anyway.</source>
        <translation>A impressora informa %1: nada foi enviado. %2 Informe --ignore-status para enviar mesmo assim.</translation>
    </message>
    <message>
        <source>No printer address is set: name the printer with --to tcp://HOST.</source>
        <translation>Nenhum endereço de impressora definido: indique a impressora com --to tcp://HOST.</translation>
    </message>
    <message>
        <source>%1 %2; the wait for an answer is set with --stall-limit.</source>
        <translation>%1 %2; a espera por uma resposta é definida com --stall-limit.</translation>
    </message>
    <message>
        <source>%1 took no data for %2 s though it still answers: check paper, ribbon and the printer&apos;s display. %3; the wait for progress is set with --busy-limit.</source>
        <translation>%1 não recebeu dados por %2 s, embora ainda responda: verifique o papel, a fita e o visor da impressora. %3; a espera por progresso é definida com --busy-limit.</translation>
    </message>
    <message>
        <source>%1 does not exist on this computer. Serial ports found: %2. Name one of them with --to.</source>
        <translation>%1 não existe neste computador. Portas seriais encontradas: %2. Indique uma delas com --to.</translation>
    </message>
    <message>
        <source>Parallel and USB printer ports found: %1. Name one of them with --to.</source>
        <translation>Portas paralelas e de impressora USB encontradas: %1. Indique uma delas com --to.</translation>
    </message>
    <message>
        <source>ignoring the settings in %1, which cannot be read: it is not a regular file; starting values apply, and the file is left as it is</source>
        <translation>ignorando as configurações em %1, que não podem ser lidas: não é um arquivo comum; valem os valores iniciais, e o arquivo fica como está</translation>
    </message>
    <message>
        <source>ignoring the settings in %1, which cannot be read: it is larger than %2 KiB; starting values apply, and the file is left as it is</source>
        <translation>ignorando as configurações em %1, que não podem ser lidas: o arquivo tem mais de %2 KiB; valem os valores iniciais, e o arquivo fica como está</translation>
    </message>
    <message>
        <source>ignoring the settings in %1, which cannot be read; starting values apply, and the file is left as it is</source>
        <translation>ignorando as configurações em %1, que não podem ser lidas; valem os valores iniciais, e o arquivo fica como está</translation>
    </message>
    <message>
        <source>ignoring the settings in %1, which cannot be read; starting values apply, and the file is written afresh</source>
        <translation>ignorando as configurações em %1, que não podem ser lidas; valem os valores iniciais, e o arquivo é gravado de novo</translation>
    </message>
    <message>
        <source>ignoring the settings in %1, which cannot be understood; starting values apply, and the file is written afresh</source>
        <translation>ignorando as configurações em %1, que não podem ser entendidas; valem os valores iniciais, e o arquivo é gravado de novo</translation>
    </message>
    <message>
        <source>the settings will not be saved: %1</source>
        <translation>as configurações não serão salvas: %1</translation>
    </message>
    <message>
        <source>the settings were not saved: %1</source>
        <translation>as configurações não foram salvas: %1</translation>
    </message>
    <message>
        <source>the sweep could not try %1 of %2 addresses and ports (too many open files): printers may be missing</source>
        <translation>a varredura não pôde testar %1 de %2 endereços e portas (arquivos abertos demais): pode haver impressoras faltando</translation>
    </message>
    <message>
        <source>DNS-SD browsing failed: %1</source>
        <translation>a busca DNS-SD falhou: %1</translation>
    </message>
    <message>
        <source>DNS-SD: the Avahi daemon went away (%1)</source>
        <translation>DNS-SD: o serviço Avahi deixou de responder (%1)</translation>
    </message>
    <message>
        <source>DNS-SD is not available: no Avahi daemon runs; looking the other ways.</source>
        <translation>DNS-SD não está disponível: nenhum serviço Avahi em execução; buscando pelos outros meios.</translation>
    </message>
    <message>
        <source>DNS-SD is not available: %1; looking the other ways.</source>
        <translation>DNS-SD não está disponível: %1; buscando pelos outros meios.</translation>
    </message>
    <message>
        <source>%1: not a network printer: its status cannot be read</source>
        <translation>%1: não é uma impressora de rede: seu status não pode ser lido</translation>
    </message>
    <message>
        <source>File too large: %1 has %2 bytes; a file must be smaller than 2 GiB (%3 bytes) to be held in memory.</source>
        <translation>Arquivo grande demais: %1 tem %2 bytes; um arquivo precisa ter menos de 2 GiB (%3 bytes) para caber na memória.</translation>
    </message>
    <message>
        <source>Out of memory: %1 bytes do not fit in memory.</source>
        <translation>Memória insuficiente: %1 bytes não cabem na memória.</translation>
    </message>
    <message>
        <source>Input past end of file: %1</source>
        <translation>Leitura além do fim do arquivo: %1</translation>
    </message>
    <message>
        <source>an SNMP v3 pass phrase is unusable</source>
        <translation>uma frase secreta SNMP v3 não pode ser usada</translation>
    </message>
    <message>
        <source>cannot open an SNMP session</source>
        <translation>não foi possível abrir uma sessão SNMP</translation>
    </message>
    <message>
        <source>no SNMP answer</source>
        <translation>sem resposta SNMP</translation>
    </message>
    <message>
        <source>SNMP failed: %1</source>
        <translation>falha de SNMP: %1</translation>
    </message>
    <message>
        <source>SNMP error: %1</source>
        <translation>erro de SNMP: %1</translation>
    </message>
    <message>
        <source>the printer refused the request (the SNMP user or its pass phrases)</source>
        <translation>a impressora recusou o pedido (o usuário SNMP ou suas frases secretas)</translation>
    </message>
    <message>
        <source>SNMP failed: the agent named no engine</source>
        <translation>falha de SNMP: o agente não indicou nenhum motor</translation>
    </message>
    <message>
        <source>the name was not looked up in time</source>
        <translation>o nome não foi resolvido a tempo</translation>
    </message>
    <message>
        <source>the name could not be found</source>
        <translation>o nome não foi encontrado</translation>
    </message>
    <message>
        <source>Input past end of file: the profile is empty or cut off</source>
        <translation>Leitura além do fim do arquivo: o perfil está vazio ou cortado</translation>
    </message>
</context>
<context>
    <name>FileDrop</name>
    <message>
        <source>Drop one file at a time.</source>
        <translation>Solte um arquivo por vez.</translation>
    </message>
    <message>
        <source>%1 is not a file on this computer: drop a file.</source>
        <translation>%1 não é um arquivo deste computador: solte um arquivo.</translation>
    </message>
    <message>
        <source>%1 is a folder: drop a file.</source>
        <translation>%1 é uma pasta: solte um arquivo.</translation>
    </message>
</context>
<context>
    <name>FindPrintersDialog</name>
    <message>
        <source>Find Printers</source>
        <translation>Procurar impressoras</translation>
    </message>
    <message>
        <source>&amp;Range:</source>
        <translation>&amp;Faixa:</translation>
    </message>
    <message>
        <source>192.168.1.0/24, or hosts</source>
        <translation>192.168.1.0/24, ou hosts</translation>
    </message>
    <message>
        <source>CIDR ranges of at most /22 or host names, separated by spaces or commas. Port 9100 of each address is tried; DNS-SD and SNMP are asked too.</source>
        <translation>Faixas CIDR de no máximo /22 ou nomes de host, separados por espaços ou vírgulas. A porta 9100 de cada endereço é testada; DNS-SD e SNMP também são consultados.</translation>
    </message>
    <message>
        <source>Range:</source>
        <translation>Faixa:</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Iniciar</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>&amp;Parar</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>F&amp;iltro:</translation>
    </message>
    <message>
        <source>any text of a row</source>
        <translation>qualquer texto de uma linha</translation>
    </message>
    <message>
        <source>Filter:</source>
        <translation>Filtro:</translation>
    </message>
    <message>
        <source>Search Progress</source>
        <translation>Progresso da busca</translation>
    </message>
    <message>
        <source>Printers Found</source>
        <translation>Impressoras encontradas</translation>
    </message>
    <message>
        <source>Nothing is scanned until Start is pressed.</source>
        <translation>Nada é procurado antes de “Iniciar”.</translation>
    </message>
    <message>
        <source>&amp;Use This Printer</source>
        <translation>&amp;Usar esta impressora</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>F&amp;echar</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Endereço</translation>
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
        <translation>Marca e modelo</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>N.º de série</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Found By</source>
        <translation>Encontrada por</translation>
    </message>
    <message>
        <source>1 printer found.</source>
        <translation>1 impressora encontrada.</translation>
    </message>
    <message>
        <source>%1 printers found.</source>
        <translation>%1 impressoras encontradas.</translation>
    </message>
    <message>
        <source>Looking...</source>
        <translation>Procurando...</translation>
    </message>
    <message>
        <source>&amp;Watch</source>
        <translation>&amp;Monitorar</translation>
    </message>
    <message>
        <source>Reads the printers found again every few seconds over SNMP and shows their status and alerts as they change.</source>
        <translation>Lê novamente as impressoras encontradas a cada poucos segundos via SNMP e mostra o status e os alertas quando mudam.</translation>
    </message>
    <message>
        <source>Printer Details</source>
        <translation>Detalhes da impressora</translation>
    </message>
    <message>
        <source>Select a printer to see what it reports.</source>
        <translation>Selecione uma impressora para ver o que ela informa.</translation>
    </message>
    <message>
        <source>Alerts</source>
        <translation>Alertas</translation>
    </message>
    <message>
        <source>critical</source>
        <translation>crítico</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>aviso</translation>
    </message>
    <message>
        <source>other</source>
        <translation>outro</translation>
    </message>
    <message>
        <source>at uptime %1</source>
        <translation>com tempo ligado %1</translation>
    </message>
    <message>
        <source>Printer:</source>
        <translation>Impressora:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Status:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>Modelo:</translation>
    </message>
    <message>
        <source>Serial:</source>
        <translation>Nº de série:</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Local:</translation>
    </message>
    <message>
        <source>Uptime:</source>
        <translation>Tempo ligado:</translation>
    </message>
    <message>
        <source>Front panel:</source>
        <translation>Painel frontal:</translation>
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
        <translation>%1: %2, disparado %3</translation>
    </message>
    <message>
        <source>Media:</source>
        <translation>Mídia:</translation>
    </message>
    <message>
        <source>Odometer:</source>
        <translation>Contador:</translation>
    </message>
    <message>
        <source>This printer has no raw port: it was only named (over IPP), and nothing is sent to an IPP port.</source>
        <translation>Esta impressora não tem porta raw: ela foi apenas nomeada (via IPP), e nada é enviado a uma porta IPP.</translation>
    </message>
    <message>
        <source>Last answer:</source>
        <translation>Última resposta:</translation>
    </message>
</context>
<context>
    <name>GraphicCheck</name>
    <message>
        <source>%1 × %2 dots, %3 × %4 mm</source>
        <translation>%1 × %2 pontos, %3 × %4 mm</translation>
    </message>
    <message>
        <source> Use Convert… to make one.</source>
        <translation> Use Converter… para criar uma.</translation>
    </message>
    <message>
        <source>%1 is empty.</source>
        <translation>%1 está vazio.</translation>
    </message>
    <message>
        <source>%1 is a %2 image, but %3 is chosen as its type: store it as %2.</source>
        <translation>%1 é uma imagem %2, mas %3 foi escolhido como tipo: armazene-a como %2.</translation>
    </message>
    <message>
        <source>%1 is a %2 image, not a %3: the printer stores 1-bit BMP or PCX images only.</source>
        <translation>%1 é uma imagem %2, não %3: a impressora armazena apenas imagens BMP ou PCX de 1 bit.</translation>
    </message>
    <message>
        <source>%1 is not a %2 image.</source>
        <translation>%1 não é uma imagem %2.</translation>
    </message>
    <message>
        <source>%1 is an %2-bit colour image: the printer stores black-and-white (1-bit) images only.</source>
        <translation>%1 é uma imagem colorida de %2 bits: a impressora armazena apenas imagens em preto e branco (1 bit).</translation>
    </message>
    <message>
        <source>%1 is a %2-bit colour image: the printer stores black-and-white (1-bit) images only.</source>
        <translation>%1 é uma imagem colorida de %2 bits: a impressora armazena apenas imagens em preto e branco (1 bit).</translation>
    </message>
    <message>
        <source>%1 is cut short: it ends inside its header.</source>
        <translation>%1 está truncado: termina dentro do cabeçalho.</translation>
    </message>
    <message>
        <source>%1 has no pixels: its header gives %2 × %3 dots.</source>
        <translation>%1 não tem pixels: o cabeçalho indica %2 × %3 pontos.</translation>
    </message>
    <message>
        <source>%1 is cut short: its header gives %2 bytes, the file has %3.</source>
        <translation>%1 está truncado: o cabeçalho indica %2 bytes, o arquivo tem %3.</translation>
    </message>
    <message>
        <source>%1&apos;s header gives its size as %2 bytes, but the file has %3.</source>
        <translation>O cabeçalho de %1 indica o tamanho de %2 bytes, mas o arquivo tem %3.</translation>
    </message>
    <message>
        <source>%1 has a bitmap header of %2 bytes, which no Windows bitmap has.</source>
        <translation>%1 tem um cabeçalho de bitmap de %2 bytes, que nenhum bitmap do Windows tem.</translation>
    </message>
    <message>
        <source>%1 gives %2 colour planes; a Windows bitmap has one.</source>
        <translation>%1 indica %2 planos de cor; um bitmap do Windows tem um.</translation>
    </message>
    <message>
        <source>%1 gives a bit depth of %2, which no Windows bitmap has.</source>
        <translation>%1 indica uma profundidade de %2 bits, que nenhum bitmap do Windows tem.</translation>
    </message>
    <message>
        <source>method %1</source>
        <translation>método %1</translation>
    </message>
    <message>
        <source>%1 is compressed (%2): the printer stores uncompressed bitmaps only.</source>
        <translation>%1 está compactado (%2): a impressora armazena apenas bitmaps sem compactação.</translation>
    </message>
    <message>
        <source>%1 has a palette of %2 colours; a 1-bit image has 2 at most.</source>
        <translation>%1 tem uma paleta de %2 cores; uma imagem de 1 bit tem no máximo 2.</translation>
    </message>
    <message>
        <source>%1&apos;s pixel data would start at byte %2, inside its header and palette.</source>
        <translation>Os dados de pixels de %1 começariam no byte %2, dentro do cabeçalho e da paleta.</translation>
    </message>
    <message>
        <source>%1&apos;s header gives %2 bytes of pixel data, but %3 × %4 dots need %5.</source>
        <translation>O cabeçalho de %1 indica %2 bytes de dados de pixels, mas %3 × %4 pontos precisam de %5.</translation>
    </message>
    <message>
        <source>%1 is cut short: %2 × %3 dots need %4 bytes of pixel data, the file has %5 after its header.</source>
        <translation>%1 está truncado: %2 × %3 pontos precisam de %4 bytes de dados de pixels, o arquivo tem %5 após o cabeçalho.</translation>
    </message>
    <message>
        <source>%1 is not a PCX image.</source>
        <translation>%1 não é uma imagem PCX.</translation>
    </message>
    <message>
        <source>%1 is not run-length encoded as a PCX image is.</source>
        <translation>%1 não tem a codificação run-length de uma imagem PCX.</translation>
    </message>
    <message>
        <source>%1 gives %2 bits per pixel in %3 planes, which no PCX image has.</source>
        <translation>%1 indica %2 bits por pixel em %3 planos, que nenhuma imagem PCX tem.</translation>
    </message>
    <message>
        <source>%1&apos;s lines of %2 bytes cannot hold %3 dots.</source>
        <translation>As linhas de %2 bytes de %1 não comportam %3 pontos.</translation>
    </message>
    <message>
        <source>%1 is cut short: its pixel data ends after %2 of %3 lines.</source>
        <translation>%1 está truncado: os dados de pixels terminam após %2 de %3 linhas.</translation>
    </message>
    <message>
        <source>bit fields</source>
        <extracomment>A BMP compression kind: the pixels are read through colour masks.</extracomment>
        <translation>campos de bits</translation>
    </message>
    <message>
        <source> Add --convert to make one.</source>
        <translation> Adicione --convert para criar uma.</translation>
    </message>
</context>
<context>
    <name>GraphicConvertDialog</name>
    <message>
        <source>Convert Graphic</source>
        <translation>Converter gráfico</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>For the printer (1-bit)</source>
        <translation>Para a impressora (1 bit)</translation>
    </message>
    <message>
        <source>Original Picture</source>
        <translation>Imagem original</translation>
    </message>
    <message>
        <source>Converted Picture</source>
        <translation>Imagem convertida</translation>
    </message>
    <message>
        <source>Conversion</source>
        <translation>Conversão</translation>
    </message>
    <message>
        <source>Scale the picture, keeping its aspect</source>
        <translation>Redimensionar a imagem mantendo a proporção</translation>
    </message>
    <message>
        <source>&amp;Width in dots:</source>
        <translation>&amp;Largura em pontos:</translation>
    </message>
    <message>
        <source>Width in Dots</source>
        <translation>Largura em pontos</translation>
    </message>
    <message>
        <source>Swap black and white</source>
        <translation>Trocar preto e branco</translation>
    </message>
    <message>
        <source>&amp;Invert</source>
        <translation>&amp;Inverter</translation>
    </message>
    <message>
        <source>Dots darker than this grey print black</source>
        <translation>Pontos mais escuros que este cinza saem pretos</translation>
    </message>
    <message>
        <source>&amp;Threshold:</source>
        <translation>&amp;Limiar:</translation>
    </message>
    <message>
        <source>Threshold</source>
        <translation>Limiar</translation>
    </message>
    <message>
        <source>Spread the greys as patterns of dots</source>
        <translation>Espalhar os cinzas em padrões de pontos</translation>
    </message>
    <message>
        <source>&amp;Dither (error diffusion)</source>
        <translation>&amp;Pontilhado (difusão de erro)</translation>
    </message>
    <message>
        <source>Save the converted picture as a BMP file</source>
        <translation>Salvar a imagem convertida como arquivo BMP</translation>
    </message>
    <message>
        <source>&amp;Save as BMP…</source>
        <translation>&amp;Salvar como BMP…</translation>
    </message>
    <message>
        <source>Make the converted picture the graphic to store</source>
        <translation>Usar a imagem convertida como gráfico a armazenar</translation>
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
        <translation>Mais larga que a largura de impressão de %1 pontos definida em Configuração: a impressora corta o resto.</translation>
    </message>
    <message>
        <source>Bitmaps (*.bmp)|*.bmp</source>
        <translation>Bitmaps (*.bmp)|*.bmp</translation>
    </message>
    <message>
        <source>The picture could not be saved to %1: %2</source>
        <translation>Não foi possível salvar a imagem em %1: %2</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>varimonde-setup: --lang takes a language code such as de or pt_BR; the texts stay in English.</source>
        <translation>varimonde-setup: --lang espera um código de idioma como de ou pt_BR; os textos continuam em inglês.</translation>
    </message>
    <message>
        <source>varimonde-setup: no translation into %1; the texts stay in English.</source>
        <translation>varimonde-setup: sem tradução para %1; os textos continuam em inglês.</translation>
    </message>
</context>
<context>
    <name>LinkAddress</name>
    <message>
        <source>Serial %1 %2</source>
        <translation>Serial %1 %2</translation>
    </message>
    <message>
        <source>Parallel %1 (%2)</source>
        <translation>Paralela %1 (%2)</translation>
    </message>
    <message>
        <source>USB Printer %1</source>
        <translation>Impressora USB %1</translation>
    </message>
    <message>
        <source>(none found)</source>
        <translation>(nenhuma encontrada)</translation>
    </message>
    <message>
        <source>Network %1</source>
        <translation>Rede %1</translation>
    </message>
    <message>
        <source>(no address set)</source>
        <translation>(nenhum endereço definido)</translation>
    </message>
</context>
<context>
    <name>LogWindow</name>
    <message>
        <source>Send Log</source>
        <translation>Registro de envios</translation>
    </message>
    <message>
        <source>Sends</source>
        <translation>Envios</translation>
    </message>
    <message>
        <source>Bytes of the selected send</source>
        <translation>Bytes do envio escolhido</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>&amp;Salvar como...</translation>
    </message>
    <message>
        <source>&amp;Reset Settings...</source>
        <translation>&amp;Redefinir configurações...</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>The log could not be saved: %1</source>
        <translation>Não foi possível salvar o registro: %1</translation>
    </message>
    <message>
        <source>Text Files(*.txt)|*.txt|All Files(*.*)|*.*</source>
        <translation>Arquivos de texto(*.txt)|*.txt|Todos os arquivos(*.*)|*.*</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Log</source>
        <translation>Regis&amp;tro</translation>
    </message>
    <message>
        <source>Communication Settings</source>
        <translation>Comunicação</translation>
    </message>
    <message>
        <source>Printer Configuration</source>
        <translation>Configuração</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Calibração</translation>
    </message>
    <message>
        <source>Data Storage</source>
        <translation>Armazenamento</translation>
    </message>
    <message>
        <source>Binary Transfer</source>
        <translation>Transferência binária</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Printer link</source>
        <translation>Conexão da impressora</translation>
    </message>
    <message>
        <source>Last send</source>
        <translation>Último envio</translation>
    </message>
    <message>
        <source>The next send goes to: %1
Gives up after %2 s without an answer and %3 s without progress</source>
        <translation>O próximo envio vai para: %1
Desiste após %2 s sem resposta e %3 s sem progresso</translation>
    </message>
    <message>
        <source>The next send goes to: %1</source>
        <translation>O próximo envio vai para: %1</translation>
    </message>
    <message>
        <source>%1 of %2 bytes delivered</source>
        <translation>%1 de %2 bytes entregues</translation>
    </message>
    <message>
        <source>Sent at %1 (%2)</source>
        <translation>Enviado às %1 (%2)</translation>
    </message>
    <message>
        <source>Cancelled at %1 (%2)</source>
        <translation>Cancelado às %1 (%2)</translation>
    </message>
    <message>
        <source>Failed at %1: %2 (%3)</source>
        <translation>Falhou às %1: %2 (%3)</translation>
    </message>
    <message>
        <source>Forget the window&apos;s size and place, the folders the file dialogs open in and the printer link?</source>
        <translation>Esquecer o tamanho e a posição da janela, as pastas dos diálogos de arquivo e a conexão com a impressora?</translation>
    </message>
    <message>
        <source>Reset Settings</source>
        <translation>Redefinir configurações</translation>
    </message>
    <message>
        <source>Quit without sending the changed settings?</source>
        <translation>Sair sem enviar as configurações alteradas?</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>A transfer to the printer is running. Stop it and quit?</source>
        <translation>Há um envio para a impressora em andamento. Parar e sair?</translation>
    </message>
    <message>
        <source>Stop and Quit</source>
        <translation>Parar e sair</translation>
    </message>
    <message>
        <source>Keep Sending</source>
        <translation>Continuar enviando</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Páginas</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>The next send goes to: %1
Gives up after %2 s without progress</source>
        <translation>O próximo envio vai para: %1
Desiste após %2 s sem progresso</translation>
    </message>
</context>
<context>
    <name>OperationBuilders</name>
    <message>
        <source>an empty identifier: the printer could never be asked for it</source>
        <translation>um identificador vazio: a impressora nunca poderia ser consultada sobre ele</translation>
    </message>
    <message>
        <source>No such USB printer: a USB printer is lp&lt;n&gt; in %1, such as %1/lp0</source>
        <translation>Impressora USB inexistente: uma impressora USB é lp&lt;n&gt; em %1, como %1/lp0</translation>
    </message>
    <message>
        <source>Darkness must be a whole number from %1 to %2</source>
        <translation>A densidade deve ser um número inteiro de %1 a %2</translation>
    </message>
    <message>
        <source>--ribbon is for thermal transfer (--print-type TT) only</source>
        <translation>--ribbon é apenas para transferência térmica (--print-type TT)</translation>
    </message>
    <message>
        <source>--test-label takes 1 (the 4X3 label) or 2 (the 2.4X1 label), not &quot;%1&quot;</source>
        <translation>--test-label aceita 1 (a etiqueta 4X3) ou 2 (a etiqueta 2.4X1), não &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>PortDiscovery</name>
    <message>
        <source>%1 (not connected)</source>
        <translation>%1 (não conectada)</translation>
    </message>
</context>
<context>
    <name>ProfileActions</name>
    <message>
        <source>Error Opening File</source>
        <translation>Erro ao abrir o arquivo</translation>
    </message>
    <message>
        <source>Load Configuration</source>
        <translation>Carregar configuração</translation>
    </message>
</context>
<context>
    <name>ProfileFile</name>
    <message>
        <source>Varimonde Printer Profile (*.vsp)|*.vsp|All Files(*.*)|*.*</source>
        <translation>Perfil de impressora Varimonde (*.vsp)|*.vsp|Todos os arquivos(*.*)|*.*</translation>
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
        <translation>Conexão</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Enviado</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duração</translation>
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
        <translation>Falhou: %1</translation>
    </message>
    <message>
        <source>... %1 bytes not kept ...</source>
        <translation>... %1 bytes não guardados ...</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>%1 of %2 bytes delivered</source>
        <translation>%1 de %2 bytes entregues</translation>
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
        <translation>Conectando a %1…</translation>
    </message>
    <message>
        <source>Sending to %1…</source>
        <translation>Enviando para %1…</translation>
    </message>
    <message>
        <source>Printer Not Ready</source>
        <translation>Impressora não pronta</translation>
    </message>
    <message>
        <source>Send to %1</source>
        <translation>Enviar para %1</translation>
    </message>
    <message>
        <source>Apply the change first?</source>
        <translation>Aplicar a alteração primeiro?</translation>
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
        <translation>décimos de milésimo de polegada</translation>
    </message>
    <message>
        <source>micrometers</source>
        <translation>micrômetros</translation>
    </message>
    <message>
        <source>characters</source>
        <translation>caracteres</translation>
    </message>
    <message>
        <source>lines</source>
        <translation>linhas</translation>
    </message>
    <message>
        <source>impressions</source>
        <translation>impressões</translation>
    </message>
    <message>
        <source>sheets</source>
        <translation>folhas</translation>
    </message>
    <message>
        <source>dot rows</source>
        <translation>linhas de pontos</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>horas</translation>
    </message>
    <message>
        <source>feet</source>
        <translation>pés</translation>
    </message>
    <message>
        <source>meters</source>
        <translation>metros</translation>
    </message>
    <message>
        <source>other</source>
        <translation>outra unidade</translation>
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
        <translation>O identificador contém um caractere de controle (%1), que a impressora tomaria como parte de um comando. Use letras, dígitos e símbolos.</translation>
    </message>
    <message>
        <source>The identifier contains “%1”, which the printer cannot receive. Use letters, digits and symbols of Western European text.</source>
        <translation>O identificador contém “%1”, que a impressora não pode receber. Use letras, dígitos e símbolos da Europa Ocidental.</translation>
    </message>
    <message>
        <source>Valid Identifier must be no more than 8 characters.</source>
        <translation>Um identificador válido deve ter no máximo 8 caracteres.</translation>
    </message>
    <message>
        <source>Identifier must be 8 chars or less</source>
        <translation>O identificador deve ter 8 caracteres ou menos</translation>
    </message>
    <message>
        <source>Invalid Quantity: enter a whole number of labels from 1 to 32767</source>
        <translation>Quantidade inválida: digite um número inteiro de etiquetas de 1 a 32767</translation>
    </message>
</context>
<context>
    <name>StoragePage</name>
    <message>
        <source>Graphic Storage</source>
        <translation>Armazenamento de gráficos</translation>
    </message>
    <message>
        <source>Graphic Type</source>
        <translation>Tipo de gráfico</translation>
    </message>
    <message>
        <source>Select Bitmap</source>
        <translation>Escolher BMP</translation>
    </message>
    <message>
        <source>&amp;BMP</source>
        <translation>&amp;BMP</translation>
    </message>
    <message>
        <source>Select PCX</source>
        <translation>Escolher PCX</translation>
    </message>
    <message>
        <source>PC&amp;X</source>
        <translation>PC&amp;X</translation>
    </message>
    <message>
        <source>Graphic File</source>
        <translation>Arquivo gráfico</translation>
    </message>
    <message>
        <source>Bro&amp;wse</source>
        <translation>Proc&amp;urar</translation>
    </message>
    <message>
        <source>Send stored graphics / programs to printer</source>
        <translation>Armazenar gráficos ou programas na impressora</translation>
    </message>
    <message>
        <source>&amp;Store Graphic to Printer</source>
        <translation>&amp;Armazenar gráfico</translation>
    </message>
    <message>
        <source>File Size:</source>
        <translation>Tamanho:</translation>
    </message>
    <message>
        <source>0 Bytes</source>
        <translation>0 bytes</translation>
    </message>
    <message>
        <source>Storing Progress</source>
        <translation>Progresso do armazenamento</translation>
    </message>
    <message>
        <source>Stop the transfer to the printer (Esc)</source>
        <translation>Parar o envio para a impressora (Esc)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>Graphic Preview</source>
        <translation>Prévia do gráfico</translation>
    </message>
    <message>
        <source>Make a black-and-white (1-bit) BMP from a picture of any kind</source>
        <translation>Cria um BMP preto e branco (1 bit) a partir de qualquer imagem</translation>
    </message>
    <message>
        <source>Con&amp;vert…</source>
        <translation>Con&amp;verter…</translation>
    </message>
    <message>
        <source>Note: You may only store BLACK AND WHITE Images</source>
        <translation>Obs.: só imagens em PRETO E BRANCO</translation>
    </message>
    <message>
        <source>Stored Formats</source>
        <translation>Formatos armazenados</translation>
    </message>
    <message>
        <source>Format Type</source>
        <translation>Tipo de formato</translation>
    </message>
    <message>
        <source>Program is already named.  User will not be prompted.</source>
        <translation>O programa já tem nome: nada será perguntado.</translation>
    </message>
    <message>
        <source>Pri&amp;nt Format</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>Converts standard formats to stored formats.  The user will be prompted for the stored formats name</source>
        <translation>Converte formatos comuns em formatos armazenados. O nome do objeto armazenado será solicitado</translation>
    </message>
    <message>
        <source>Store Form&amp;at</source>
        <translation>Arma&amp;zenar</translation>
    </message>
    <message>
        <source>Format File</source>
        <translation>Arquivo de formato</translation>
    </message>
    <message>
        <source>B&amp;rowse</source>
        <translation>&amp;Procurar</translation>
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
        <translation>Imprime a lista de formatos e gráficos armazenados</translation>
    </message>
    <message>
        <source>L&amp;ist Stored Objects</source>
        <translation>&amp;Listar</translation>
    </message>
    <message>
        <source> Note: Removing stored objects from the printer increases available memory.</source>
        <translation> Observação: remover objetos armazenados da impressora libera memória.</translation>
    </message>
    <message>
        <source>&amp;Delete Stored Object</source>
        <translation>&amp;Excluir</translation>
    </message>
    <message>
        <source>Prints sample of stored object</source>
        <translation>Imprime uma amostra do objeto armazenado</translation>
    </message>
    <message>
        <source>Recall Stored &amp;Object</source>
        <translation>Recuperar &amp;objeto</translation>
    </message>
    <message>
        <source>Recall Type</source>
        <translation>Tipo de recuperação</translation>
    </message>
    <message>
        <source>Recall I&amp;mage</source>
        <translation>I&amp;magem</translation>
    </message>
    <message>
        <source>Recall &amp;Format</source>
        <translation>&amp;Formato</translation>
    </message>
    <message>
        <source>Drawing…</source>
        <translation>Desenhando…</translation>
    </message>
    <message>
        <source>Not a 1-bit %1 the printer takes</source>
        <translation>Não é um %1 de 1 bit como a impressora aceita</translation>
    </message>
    <message>
        <source>Cannot be stored as %1</source>
        <translation>Não pode ser armazenado como %1</translation>
    </message>
    <message>
        <source>&amp;Print Format</source>
        <translation>Imprimi&amp;r formato</translation>
    </message>
    <message>
        <source>Store Format to Prin&amp;ter</source>
        <translation>Armazena&amp;r formato</translation>
    </message>
    <message>
        <source>DATA STORAGE</source>
        <translation>ARMAZENAMENTO</translation>
    </message>
    <message>
        <source>READ INTO MEMORY</source>
        <translation>LIDO NA MEMÓRIA</translation>
    </message>
    <message>
        <source>Out of memory: %1 is too large to send as a label format.</source>
        <translation>Memória insuficiente: %1 é grande demais para ser enviado como formato de etiqueta.</translation>
    </message>
    <message>
        <source>Pictures (*.bmp;*.pcx)|*.bmp;*.pcx</source>
        <translation>Imagens (*.bmp;*.pcx)|*.bmp;*.pcx</translation>
    </message>
    <message>
        <source>%1 Bytes</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>READING INTO MEMORY</source>
        <translation>LENDO NA MEMÓRIA</translation>
    </message>
    <message>
        <source>READING FAILED</source>
        <translation>FALHA NA LEITURA</translation>
    </message>
    <message>
        <source>CONVERTED INTO MEMORY</source>
        <translation>CONVERTIDO NA MEMÓRIA</translation>
    </message>
    <message>
        <source>No graphic has been read. Use Browse to choose one first.</source>
        <translation>Nenhum gráfico foi lido. Escolha um primeiro com Procurar.</translation>
    </message>
    <message>
        <source>Enter Identifier</source>
        <translation>Digite o identificador</translation>
    </message>
    <message>
        <source>SENDING FILE TO PRINTER</source>
        <translation>ENVIANDO O ARQUIVO À IMPRESSORA</translation>
    </message>
    <message>
        <source>Sending</source>
        <translation>Enviando</translation>
    </message>
    <message>
        <source>FINISHED STORING %1</source>
        <translation>%1 ARMAZENADO</translation>
    </message>
    <message>
        <source>STORING CANCELLED</source>
        <translation>ARMAZENAMENTO CANCELADO</translation>
    </message>
    <message>
        <source>STORING FAILED</source>
        <translation>FALHA NO ARMAZENAMENTO</translation>
    </message>
    <message>
        <source>Text Files(*.txt)|*.txt|All Files(*.*)|*.*</source>
        <translation>Arquivos de texto(*.txt)|*.txt|Todos os arquivos(*.*)|*.*</translation>
    </message>
    <message>
        <source>You must select a pre-created label format.</source>
        <translation>Você deve escolher um formato de etiqueta já preparado.</translation>
    </message>
    <message>
        <source>You must select a label file to send to the printer.</source>
        <translation>Você deve escolher um arquivo de etiqueta para enviar à impressora.</translation>
    </message>
    <message>
        <source>Label Format Printing</source>
        <translation>Impressão de formato de etiqueta</translation>
    </message>
    <message>
        <source>Enter Format Identifier</source>
        <translation>Digite o identificador do formato</translation>
    </message>
    <message>
        <source>8 Characters or less please</source>
        <translation>No máximo 8 caracteres</translation>
    </message>
    <message>
        <source>File Format Storage</source>
        <translation>Armazenamento de formato</translation>
    </message>
    <message>
        <source>Enter Stored Graphic to Print</source>
        <translation>Digite o gráfico armazenado a imprimir</translation>
    </message>
    <message>
        <source>Enter Label Format to Print</source>
        <translation>Digite o formato de etiqueta a imprimir</translation>
    </message>
    <message>
        <source>Enter Quantity</source>
        <translation>Digite a quantidade</translation>
    </message>
    <message>
        <source>Delete Stored Object</source>
        <translation>Excluir objeto armazenado</translation>
    </message>
    <message>
        <source>Enter Identifier of Object to Delete</source>
        <translation>Digite o identificador do objeto a excluir</translation>
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
        <translation>Formato de etiqueta %1, armazenado como %2</translation>
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
        <translation>Excluir %1</translation>
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
        <translation>a impressora não recebe dados há %1 s</translation>
    </message>
    <message>
        <source>%1/s</source>
        <translation>%1/s</translation>
    </message>
    <message>
        <source>about %1 left</source>
        <translation>faltam cerca de %1</translation>
    </message>
    <message>
        <source>%1 %2 of %3</source>
        <translation>%1 %2 de %3</translation>
    </message>
</context>
</TS>
