<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AboutPage</name>
    <message>
        <source>Varimonde Printer Setup Utility</source>
        <translation>Configuration Varimonde</translation>
    </message>
    <message>
        <source>Utility Version 1.00</source>
        <translation>Version de l&apos;utilitaire 1.00</translation>
    </message>
    <message>
        <source>Language: English</source>
        <translation>Langue : anglais</translation>
    </message>
    <message>
        <source>Provides direct link to Varimonde&apos;s web page</source>
        <translation>Ouvre le site web de Varimonde</translation>
    </message>
    <message>
        <source>Contact Varimonde Technical Support via e-mail</source>
        <translation>Écrire au support technique Varimonde</translation>
    </message>
    <message>
        <source>Utility Version %1.%2</source>
        <translation>Version de l&apos;utilitaire %1.%2</translation>
    </message>
    <message>
        <source>Language: %1</source>
        <translation>Langue : %1</translation>
    </message>
</context>
<context>
    <name>BinaryPage</name>
    <message>
        <source>Binary File</source>
        <translation>Fichier binaire</translation>
    </message>
    <message>
        <source>Load &amp;Binary File To Memory.</source>
        <translation>Charger le fichier &amp;binaire</translation>
    </message>
    <message>
        <source>Use to upload new firmware to printer</source>
        <translation>Envoyer un nouveau micrologiciel à l&apos;imprimante</translation>
    </message>
    <message>
        <source>Upload to Pri&amp;nter</source>
        <translation>Envoyer à l&apos;&amp;imprimante</translation>
    </message>
    <message>
        <source>Stop the transfer to the printer (Esc)</source>
        <translation>Arrêter l&apos;envoi à l&apos;imprimante (Échap)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Binary File Information/Status</source>
        <translation>Fichier binaire : informations/état</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>Nom du fichier :</translation>
    </message>
    <message>
        <source>None Loaded</source>
        <translation>Aucun chargé</translation>
    </message>
    <message>
        <source>File Size:</source>
        <translation>Taille :</translation>
    </message>
    <message>
        <source>0 Bytes</source>
        <translation>0 octet</translation>
    </message>
    <message>
        <source>No file loaded in Memory</source>
        <translation>Aucun fichier en mémoire</translation>
    </message>
    <message>
        <source>No File Loaded to Printer</source>
        <translation>Aucun fichier envoyé à l&apos;imprimante</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>You must select a file to load into memory.</source>
        <translation>Choisissez un fichier à charger en mémoire.</translation>
    </message>
    <message>
        <source>%1 Bytes</source>
        <translation>%1 octets</translation>
    </message>
    <message>
        <source>Loading file into Memory</source>
        <translation>Chargement du fichier en mémoire</translation>
    </message>
    <message>
        <source>Loading Failed: no file in Memory</source>
        <translation>Échec du chargement : aucun fichier en mémoire</translation>
    </message>
    <message>
        <source>Firmware %1, %2 bytes, SHA-256 %3</source>
        <translation>Firmware %1, %2 octets, SHA-256 %3</translation>
    </message>
    <message>
        <source>File Loaded into Memory</source>
        <translation>Fichier chargé en mémoire</translation>
    </message>
    <message>
        <source>SHA-256: </source>
        <translation>SHA-256 : </translation>
    </message>
    <message>
        <source>Uploading File</source>
        <translation>Envoi du fichier</translation>
    </message>
    <message>
        <source>Uploading</source>
        <translation>Envoi en cours</translation>
    </message>
    <message>
        <source>Upload Cancelled</source>
        <translation>Envoi annulé</translation>
    </message>
    <message>
        <source>Firmware, none loaded</source>
        <translation>Firmware, aucun chargé</translation>
    </message>
    <message>
        <source>File Uploaded</source>
        <translation>Fichier envoyé</translation>
    </message>
    <message>
        <source>Upload Failed</source>
        <translation>Échec de l&apos;envoi</translation>
    </message>
    <message>
        <source>All Files(*.*)|*.*</source>
        <translation>Tous les fichiers(*.*)|*.*</translation>
    </message>
</context>
<context>
    <name>CalibrationBlocks</name>
    <message>
        <source>Index type must be BAR or GAP</source>
        <translation>Le type d&apos;index doit être BAR ou GAP</translation>
    </message>
    <message>
        <source>CALIBRATION</source>
        <translation>ÉTALONNAGE</translation>
    </message>
    <message>
        <source>Print Type must be DT or TT</source>
        <translation>Le type d&apos;impression doit être DT ou TT</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Étalonnage</translation>
    </message>
    <message>
        <source>Type must be Wax, Wax/Resin, or Preimum Resin</source>
        <translation>Le type doit être Cire, Cire/Résine ou Résine Premium</translation>
    </message>
</context>
<context>
    <name>CalibrationPage</name>
    <message>
        <source>Calibration Information</source>
        <translation>Informations d&apos;étalonnage</translation>
    </message>
    <message>
        <source>&amp;Index Type:</source>
        <translation>&amp;Repère :</translation>
    </message>
    <message>
        <source>Index Type:</source>
        <translation>Type de repère :</translation>
    </message>
    <message>
        <source>Printer &amp;Type:</source>
        <translation>&amp;Mode :</translation>
    </message>
    <message>
        <source>Printer Type:</source>
        <translation>Type d&apos;impression :</translation>
    </message>
    <message>
        <source>Ribbon Information</source>
        <translation>Ruban</translation>
    </message>
    <message>
        <source>Ribbon Material:</source>
        <translation>Ruban :</translation>
    </message>
    <message>
        <source>To determine ribbon material, look at the foil lead of your Varimonde-brand ribbon:</source>
        <translation>Le type de ruban est indiqué sur l&apos;amorce de votre ruban Varimonde :</translation>
    </message>
    <message>
        <source>Blue = WAX</source>
        <translation>Bleu = CIRE</translation>
    </message>
    <message>
        <source>Silver = WAX/RESIN Combo</source>
        <translation>Argent = CIRE/RÉSINE</translation>
    </message>
    <message>
        <source>Gold = PREMIUM RESIN</source>
        <translation>Or = RÉSINE PREMIUM</translation>
    </message>
    <message>
        <source>Before Calibrating your printer, make sure your labels and ribbon (if applicable) are properly loaded.  The labels should be print-side up, aligned against the left hand side of the printer so that they pass over the appropriate sensor.</source>
        <translation>Avant d&apos;étalonner l&apos;imprimante, vérifiez que les étiquettes et le ruban (s&apos;il y en a un) sont bien chargés. Les étiquettes, face imprimable vers le haut, s&apos;appuient contre le côté gauche de l&apos;imprimante pour passer sur le bon capteur.</translation>
    </message>
    <message>
        <source>&amp;Calibrate Printer</source>
        <translation>É&amp;talonner</translation>
    </message>
    <message>
        <source>Printer Test Label</source>
        <translation>Étiquette de test</translation>
    </message>
    <message>
        <source>Test Label Type</source>
        <translation>Type d&apos;étiquette de test</translation>
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
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>&amp;Ribbon Material:</source>
        <translation>R&amp;uban :</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Étalonnage</translation>
    </message>
    <message>
        <source>Test label %1</source>
        <translation>Étiquette de test %1</translation>
    </message>
</context>
<context>
    <name>CommPage</name>
    <message>
        <source>Communications</source>
        <translation>Communication</translation>
    </message>
    <message>
        <source>&amp;Serial Communications</source>
        <translation>Liaison &amp;série</translation>
    </message>
    <message>
        <source>&amp;ParallelCommunications</source>
        <translation>Liaison paral&amp;lèle</translation>
    </message>
    <message>
        <source>&amp;USB Printer</source>
        <translation>Imprimante &amp;USB</translation>
    </message>
    <message>
        <source>&amp;Network</source>
        <translation>Rés&amp;eau</translation>
    </message>
    <message>
        <source>Serial Comm</source>
        <translation>Série</translation>
    </message>
    <message>
        <source>&amp;COM: </source>
        <translation>&amp;COM :</translation>
    </message>
    <message>
        <source>COM:</source>
        <translation>COM :</translation>
    </message>
    <message>
        <source>&amp;BAUD:</source>
        <translation>&amp;Bauds :</translation>
    </message>
    <message>
        <source>BAUD:</source>
        <translation>Bauds :</translation>
    </message>
    <message>
        <source>PA&amp;RITY:</source>
        <translation>Pa&amp;rité :</translation>
    </message>
    <message>
        <source>PARITY:</source>
        <translation>Parité :</translation>
    </message>
    <message>
        <source>&amp;DATABITS:</source>
        <translation>&amp;Données :</translation>
    </message>
    <message>
        <source>DATABITS:</source>
        <translation>Bits de données :</translation>
    </message>
    <message>
        <source>S&amp;TOPBITS:</source>
        <translation>Arrê&amp;t :</translation>
    </message>
    <message>
        <source>STOPBITS:</source>
        <translation>Bits d&apos;arrêt :</translation>
    </message>
    <message>
        <source>Default Varimonde Settings:</source>
        <translation>Réglages Varimonde par défaut :</translation>
    </message>
    <message>
        <source>9600,N,8,1</source>
        <translation>9600,N,8,1</translation>
    </message>
    <message>
        <source>&amp;Apply </source>
        <translation>&amp;Appliquer</translation>
    </message>
    <message>
        <source>Not applied</source>
        <translation>Inactif</translation>
    </message>
    <message>
        <source>The port or line settings shown are not in force until Apply is pressed.</source>
        <translation>Les réglages affichés ne s&apos;appliquent qu&apos;après « Appliquer ».</translation>
    </message>
    <message>
        <source>Parallel Comm</source>
        <translation>Parallèle</translation>
    </message>
    <message>
        <source>Select Parallel Port</source>
        <translation>Choisir le port parallèle</translation>
    </message>
    <message>
        <source>Parallel Port</source>
        <translation>Port parallèle</translation>
    </message>
    <message>
        <source>Select Parallel Port the Printer is connected to on the PC.</source>
        <translation>Choisissez le port parallèle du PC relié à l&apos;imprimante.</translation>
    </message>
    <message>
        <source>USB Printer</source>
        <translation>Imprimante USB</translation>
    </message>
    <message>
        <source>Select the USB printer</source>
        <translation>Choisir l&apos;imprimante USB</translation>
    </message>
    <message>
        <source>The USB printers connected now, with maker and model. The list follows printers as they are plugged in or out.</source>
        <translation>Les imprimantes USB branchées en ce moment, avec fabricant et modèle. La liste suit les branchements et débranchements.</translation>
    </message>
    <message>
        <source>Network Printer</source>
        <translation>Imprimante réseau</translation>
    </message>
    <message>
        <source>&amp;Host:</source>
        <translation>&amp;Hôte :</translation>
    </message>
    <message>
        <source>name or IP address</source>
        <translation>nom ou adresse IP</translation>
    </message>
    <message>
        <source>Host:</source>
        <translation>Hôte :</translation>
    </message>
    <message>
        <source>P&amp;ort:</source>
        <translation>P&amp;ort :</translation>
    </message>
    <message>
        <source>9100</source>
        <translation>9100</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port :</translation>
    </message>
    <message>
        <source>The printer&apos;s network name or IPv4 or IPv6 address, and its raw print port: 9100 on most printers.</source>
        <translation>Le nom réseau ou l&apos;adresse IPv4 ou IPv6 de l&apos;imprimante, et son port d&apos;impression brut : 9100 sur la plupart des imprimantes.</translation>
    </message>
    <message>
        <source>&amp;Give up after</source>
        <translation>A&amp;bandon</translation>
    </message>
    <message>
        <source>Seconds without an answer</source>
        <translation>Secondes sans réponse</translation>
    </message>
    <message>
        <source>s without an answer and</source>
        <translation>s sans réponse et</translation>
    </message>
    <message>
        <source>Seconds without progress</source>
        <translation>Secondes sans progression</translation>
    </message>
    <message>
        <source>s without progress</source>
        <translation>s sans progression</translation>
    </message>
    <message>
        <source>F&amp;ind Printers…</source>
        <translation>&amp;Rechercher…</translation>
    </message>
    <message>
        <source>Look for printers on the network and pick one.</source>
        <translation>Rechercher des imprimantes sur le réseau et en choisir une.</translation>
    </message>
    <message>
        <source>The address shown is not in force until Apply is pressed.</source>
        <translation>L&apos;adresse affichée ne s&apos;applique qu&apos;après « Appliquer ».</translation>
    </message>
    <message>
        <source>A send fails when the printer gives no answer at all for this long: it is off, or the line is cut.</source>
        <translation>Un envoi échoue si l&apos;imprimante ne répond plus du tout pendant ce temps : elle est éteinte ou la liaison est coupée.</translation>
    </message>
    <message>
        <source>A send fails when the printer still answers but takes no data for this long: check paper, ribbon and the printer&apos;s display.</source>
        <translation>Un envoi échoue si l&apos;imprimante répond encore mais n&apos;accepte aucune donnée pendant ce temps : vérifiez le papier, le ruban et l&apos;afficheur de l&apos;imprimante.</translation>
    </message>
    <message>
        <source>Utility Settings</source>
        <translation>Réglages du programme</translation>
    </message>
    <message>
        <source>Invalid Value in COMM Settings</source>
        <translation>Valeur non valide dans les réglages de communication</translation>
    </message>
    <message>
        <source>No such USB printer</source>
        <translation>Imprimante USB introuvable</translation>
    </message>
    <message>
        <source>No such link</source>
        <translation>Liaison inconnue</translation>
    </message>
    <message>
        <source>No USB printer found</source>
        <translation>Aucune imprimante USB trouvée</translation>
    </message>
</context>
<context>
    <name>CommandLineHelp</name>
    <message>
        <source>After --calibrate: DT (direct thermal) or TT (thermal transfer).</source>
        <translation>Après --calibrate : DT (thermique direct) ou TT (transfert thermique).</translation>
    </message>
    <message>
        <source>After --calibrate with TT: WAX (0, the default), &quot;WAX/RESIN COMBO&quot; (1) or &quot;PREMIUM RESIN&quot; (2).</source>
        <translation>Après --calibrate avec TT : WAX (0, par défaut), &quot;WAX/RESIN COMBO&quot; (1) ou &quot;PREMIUM RESIN&quot; (2).</translation>
    </message>
    <message>
        <source>After --store-graphic or --store-format: the identifier, at most 8 characters.</source>
        <translation>Après --store-graphic ou --store-format : l&apos;identifiant, 8 caractères au plus.</translation>
    </message>
    <message>
        <source>After --store-graphic: the file is a PCX.</source>
        <translation>Après --store-graphic : le fichier est un PCX.</translation>
    </message>
    <message>
        <source>After --store-graphic: make the picture (PNG, JPEG, GIF, BMP) a 1-bit BMP, dots darker than the threshold black.</source>
        <translation>Après --store-graphic : faire de l&apos;image (PNG, JPEG, GIF, BMP) un BMP 1 bit, les points plus sombres que le seuil en noir.</translation>
    </message>
    <message>
        <source>With --convert: spread the greys by error diffusion.</source>
        <translation>Avec --convert : répartir les gris par diffusion d&apos;erreur.</translation>
    </message>
    <message>
        <source>With --convert: the grey (1-255, default 128) below which a dot is black.</source>
        <translation>Avec --convert : le gris (1-255, 128 par défaut) en dessous duquel un point est noir.</translation>
    </message>
    <message>
        <source>With --convert: scale to this many dots across, keeping the aspect (the printer prints 203 dots an inch).</source>
        <translation>Avec --convert : mettre à l&apos;échelle sur ce nombre de points de large, en gardant les proportions (l&apos;imprimante imprime 203 points par pouce).</translation>
    </message>
    <message>
        <source>With --convert: swap black and white.</source>
        <translation>Avec --convert : inverser le noir et le blanc.</translation>
    </message>
    <message>
        <source>After --recall-format: how many labels.</source>
        <translation>Après --recall-format : combien d&apos;étiquettes.</translation>
    </message>
    <message>
        <source>A printer to send to; give it once for each printer.</source>
        <translation>Une imprimante à laquelle envoyer ; à donner une fois par imprimante.</translation>
    </message>
    <message>
        <source>Read targets from a file, one a line; blank lines and comments (from a # at the start or after a blank) are skipped.</source>
        <translation>Lire les cibles dans un fichier, une par ligne ; les lignes vides et les commentaires (depuis un # en début de ligne ou après un blanc) sont ignorés.</translation>
    </message>
    <message>
        <source>Send nothing: write what would be sent to each printer to standard output.</source>
        <translation>N&apos;envoyer rien : écrire sur la sortie standard ce que chaque imprimante recevrait.</translation>
    </message>
    <message>
        <source>With --dry-run: write to a file instead; a name ending in .bmp gets the image of the one --convert alone.</source>
        <translation>Avec --dry-run : écrire plutôt dans un fichier ; un nom finissant par .bmp reçoit l&apos;image d&apos;un --convert seul.</translation>
    </message>
    <message>
        <source>With --dry-run: a hex dump, one block per transmission.</source>
        <translation>Avec --dry-run : un vidage hexadécimal, un bloc par transmission.</translation>
    </message>
    <message>
        <source>At most this many printers at once (default: 1000 network and USB printers, one transfer per serial or parallel port).</source>
        <translation>Au plus ce nombre d&apos;imprimantes à la fois (par défaut : 1000 imprimantes réseau et USB, un transfert par port série ou parallèle).</translation>
    </message>
    <message>
        <source>Write a JSON report of every printer&apos;s outcome; with --dry-run, of what each would be sent.</source>
        <translation>Écrire un rapport JSON du résultat de chaque imprimante ; avec --dry-run, de ce que chacune recevrait.</translation>
    </message>
    <message>
        <source>Seconds a printer may take no data before it has failed (default 10, at most 86400); a network printer: seconds it may leave us without any answer.</source>
        <translation>Secondes pendant lesquelles une imprimante peut ne prendre aucune donnée avant d&apos;être en échec (10 par défaut, 86400 au plus) ; pour une imprimante réseau : secondes pendant lesquelles elle peut ne rien répondre.</translation>
    </message>
    <message>
        <source>Seconds a network printer that still answers may take no data before it has failed (default 60, at most 86400).</source>
        <translation>Secondes pendant lesquelles une imprimante réseau qui répond encore peut ne prendre aucune donnée avant d&apos;être en échec (60 par défaut, 86400 au plus).</translation>
    </message>
    <message>
        <source>Seconds to wait for a network printer to answer (default 5, at most 86400).</source>
        <translation>Secondes d&apos;attente de la réponse d&apos;une imprimante réseau (5 par défaut, 86400 au plus).</translation>
    </message>
    <message>
        <source>Write progress as JSON Lines events on standard output (start, progress, done, failed, cancelled); the summary then goes to standard error.</source>
        <translation>Écrire la progression en événements JSON Lines sur la sortie standard (start, progress, done, failed, cancelled) ; le résumé va alors sur l&apos;erreur standard.</translation>
    </message>
    <message>
        <source>Seconds between progress lines or events of each printer when standard error is not a terminal (default 10, at most 86400); one also comes at each tenth of the way.</source>
        <translation>Secondes entre les lignes ou événements de progression de chaque imprimante quand l&apos;erreur standard n&apos;est pas un terminal (10 par défaut, 86400 au plus) ; il en vient aussi un à chaque dixième du parcours.</translation>
    </message>
    <message>
        <source>Write only failures and the summary.</source>
        <translation>N&apos;écrire que les échecs et le résumé.</translation>
    </message>
    <message>
        <source>The language of the texts (de, es, fr, it, ja, pl, pt_BR, zh_CN; en for English); without it the LANGUAGE variable and the locale decide. Reports, events and exit codes are the same in every language.</source>
        <translation>La langue des textes (de, es, fr, it, ja, pl, pt_BR, zh_CN ; en pour l&apos;anglais) ; sans elle, la variable LANGUAGE et les paramètres régionaux décident. Les rapports, les événements et les codes de sortie sont les mêmes dans toutes les langues.</translation>
    </message>
    <message>
        <source>Send the configuration of a profile, as Upload Settings to Printer does after Import Profile.</source>
        <translation>Envoyer la configuration d&apos;un profil, comme le fait « Envoyer à l&apos;imprimante » après « Importer ».</translation>
    </message>
    <message>
        <source>Calibrate media sensing for the index type; needs --print-type, and takes --ribbon for thermal transfer.</source>
        <translation>Étalonner la détection du support pour le type de repère ; demande --print-type et prend --ribbon pour le transfert thermique.</translation>
    </message>
    <message>
        <source>Print test label 1 (4X3) or 2 (2.4X1).</source>
        <translation>Imprimer l&apos;étiquette de test 1 (4X3) ou 2 (2.4X1).</translation>
    </message>
    <message>
        <source>Store a 1-bit BMP graphic (PCX with --pcx) under the identifier given with --id; with --convert, any picture made into a 1-bit BMP.</source>
        <translation>Enregistrer un graphique BMP 1 bit (PCX avec --pcx) sous l&apos;identifiant donné par --id ; avec --convert, toute image transformée en BMP 1 bit.</translation>
    </message>
    <message>
        <source>Print a label format file as it is.</source>
        <translation>Imprimer tel quel un fichier de format d&apos;étiquette.</translation>
    </message>
    <message>
        <source>Store a label format file under the identifier of --id.</source>
        <translation>Enregistrer un fichier de format d&apos;étiquette sous l&apos;identifiant de --id.</translation>
    </message>
    <message>
        <source>Print a stored graphic.</source>
        <translation>Imprimer un graphique enregistré.</translation>
    </message>
    <message>
        <source>Print a stored format, --quantity labels (1 unless given).</source>
        <translation>Imprimer un format enregistré, --quantity étiquettes (1 sauf indication).</translation>
    </message>
    <message>
        <source>Delete a stored graphic or format.</source>
        <translation>Supprimer un graphique ou un format enregistré.</translation>
    </message>
    <message>
        <source>Have the printer print the list of stored objects.</source>
        <translation>Faire imprimer par l&apos;imprimante la liste des objets enregistrés.</translation>
    </message>
    <message>
        <source>Upload a firmware image; its SHA-256 is shown first.</source>
        <translation>Téléverser une image de micrologiciel ; son SHA-256 est affiché d&apos;abord.</translation>
    </message>
    <message>
        <source>Send a file&apos;s bytes unchanged.</source>
        <translation>Envoyer les octets d&apos;un fichier sans les modifier.</translation>
    </message>
    <message>
        <source>Sets up Varimonde thermal label printers without a window: sends each printer the same bytes as the window&apos;s buttons would, to one printer or many at once.
Without options the window opens.

Targets: COMn[:baud,parity,data,stop], a serial device path[:settings], LPT1, LPT2, usb:DEVICE, tcp://HOST[:PORT] (9100 unless given; an IPv6 address in brackets).
Actions run in the order given, the same on every printer; each printer&apos;s run stops at its first failure.

Exit status: 0 every printer done, 1 a printer failed, 2 bad arguments or input, 130 interrupted.</source>
        <translation>Configure les imprimantes d&apos;étiquettes thermiques Varimonde sans fenêtre : envoie à chaque imprimante les mêmes octets que les boutons de la fenêtre, à une imprimante ou à plusieurs à la fois.
Sans option, la fenêtre s&apos;ouvre.

Cibles : COMn[:baud,parity,data,stop], le chemin d&apos;un périphérique série[:réglages], LPT1, LPT2, usb:DEVICE, tcp://HOST[:PORT] (9100 sauf indication ; une adresse IPv6 entre crochets).
Les actions s&apos;exécutent dans l&apos;ordre donné, les mêmes sur chaque imprimante ; chaque imprimante s&apos;arrête à son premier échec.

Code de sortie : 0 toutes les imprimantes terminées, 1 une imprimante en échec, 2 arguments ou entrée incorrects, 130 interrompu.</translation>
    </message>
    <message>
        <source>Show this help and end.</source>
        <translation>Afficher cette aide et quitter.</translation>
    </message>
    <message>
        <source>Show the version and end.</source>
        <translation>Afficher la version et quitter.</translation>
    </message>
    <message>
        <source>Find network printers: sweep the --range given (port 9100), browse DNS-SD with --dns-sd, and ask each over SNMP; prints a table (JSON with --report).</source>
        <translation>Trouver les imprimantes réseau : balayer la plage --range donnée (port 9100), parcourir DNS-SD avec --dns-sd et interroger chacune par SNMP ; affiche un tableau (JSON avec --report).</translation>
    </message>
    <message>
        <source>With --discover: a CIDR range (at most /22) or a host; repeatable.</source>
        <translation>Avec --discover : une plage CIDR (/22 au plus) ou un hôte ; répétable.</translation>
    </message>
    <message>
        <source>With --discover: a raw port to try besides 9100; repeatable.</source>
        <translation>Avec --discover : un port brut à essayer en plus de 9100 ; répétable.</translation>
    </message>
    <message>
        <source>With --discover: also browse DNS-SD (_pdl-datastream, _printer, _ipp) through the Avahi daemon.</source>
        <translation>Avec --discover : parcourir aussi DNS-SD (_pdl-datastream, _printer, _ipp) par le démon Avahi.</translation>
    </message>
    <message>
        <source>With --discover: write a targets file of the printers found. A file that --discover did not write is not replaced without --force.</source>
        <translation>Avec --discover : écrire un fichier de cibles des imprimantes trouvées. Un fichier que --discover n&apos;a pas écrit n&apos;est pas remplacé sans --force.</translation>
    </message>
    <message>
        <source>With --write-targets: replace the file even when it was not written by --discover (a targets file made by hand).</source>
        <translation>Avec --write-targets : remplacer le fichier même s&apos;il n&apos;a pas été écrit par --discover (un fichier de cibles fait à la main).</translation>
    </message>
    <message>
        <source>Read the status of every network target over SNMP; the exit status is 1 when any reports an error or does not answer. A printer on a serial, parallel or USB line cannot be asked: it is listed and counted apart.</source>
        <translation>Lire par SNMP l&apos;état de chaque cible réseau ; le code de sortie est 1 quand l&apos;une signale une erreur ou ne répond pas. Une imprimante sur une liaison série, parallèle ou USB ne peut pas être interrogée : elle est listée et comptée à part.</translation>
    </message>
    <message>
        <source>Read the SNMP secrets from a file only its owner may read, or from standard input (-): lines community=NAME, auth=PHRASE, priv=PHRASE.</source>
        <translation>Lire les secrets SNMP dans un fichier que seul son propriétaire peut lire, ou sur l&apos;entrée standard (-) : lignes community=NAME, auth=PHRASE, priv=PHRASE.</translation>
    </message>
    <message>
        <source>The SNMP v2c community (default public); other users see it: prefer --snmp-secrets.</source>
        <translation>La communauté SNMP v2c (public par défaut) ; les autres utilisateurs la voient : préférez --snmp-secrets.</translation>
    </message>
    <message>
        <source>The UDP port printers answer SNMP on (default 161).</source>
        <translation>Le port UDP sur lequel les imprimantes répondent en SNMP (161 par défaut).</translation>
    </message>
    <message>
        <source>Ask over SNMP v3 as this user.</source>
        <translation>Interroger en SNMP v3 sous cet utilisateur.</translation>
    </message>
    <message>
        <source>With --snmp-user: the SHA authentication pass phrase; other users see it: prefer --snmp-secrets.</source>
        <translation>Avec --snmp-user : la phrase secrète d&apos;authentification SHA ; les autres utilisateurs la voient : préférez --snmp-secrets.</translation>
    </message>
    <message>
        <source>With --snmp-user: the AES privacy pass phrase; other users see it: prefer --snmp-secrets.</source>
        <translation>Avec --snmp-user : la phrase secrète de confidentialité AES ; les autres utilisateurs la voient : préférez --snmp-secrets.</translation>
    </message>
    <message>
        <source>With --status: also write one row per printer (name, location, model, serial, status, alerts, odometer, media, when read) to this file: CSV, or JSON when its name ends in .json.</source>
        <translation>Avec --status : écrire aussi une ligne par imprimante (nom, emplacement, modèle, numéro de série, état, alertes, compteur, support, heure de lecture) dans ce fichier : CSV, ou JSON si son nom finit par .json.</translation>
    </message>
    <message>
        <source>Read every network target over SNMP again and again, each at most once in this many seconds, and write a JSON line on standard output for each change (online, offline, status, alert-raised, alert-cleared) and each odometer read; Ctrl-C ends it (exit 130).</source>
        <translation>Lire chaque cible réseau par SNMP encore et encore, chacune au plus une fois par ce nombre de secondes, et écrire une ligne JSON sur la sortie standard pour chaque changement (online, offline, status, alert-raised, alert-cleared) et chaque relevé du compteur ; Ctrl-C y met fin (sortie 130).</translation>
    </message>
    <message>
        <source>With --watch: serve the printers&apos; state for Prometheus at http://ADDRESS:PORT/metrics (port 0: any free port, said on standard error).</source>
        <translation>Avec --watch : servir l&apos;état des imprimantes pour Prometheus à http://ADDRESS:PORT/metrics (port 0 : un port libre quelconque, indiqué sur l&apos;erreur standard).</translation>
    </message>
    <message>
        <source>Send even to a network printer whose SNMP status reports an error (no paper, door open, jammed, offline).</source>
        <translation>Envoyer même à une imprimante réseau dont l&apos;état SNMP signale une erreur (plus de papier, capot ouvert, bourrage, hors ligne).</translation>
    </message>
</context>
<context>
    <name>CommandLineText</name>
    <message>
        <source> Did you mean --%1?</source>
        <translation> Vouliez-vous dire --%1 ?</translation>
    </message>
    <message>
        <source>%1 goes with --convert</source>
        <translation>%1 va avec --convert</translation>
    </message>
    <message>
        <source>--convert makes a BMP: leave out --pcx</source>
        <translation>--convert produit un BMP : retirez --pcx</translation>
    </message>
    <message>
        <source>--dither and --threshold exclude each other</source>
        <translation>--dither et --threshold s&apos;excluent</translation>
    </message>
    <message>
        <source>--threshold takes a grey from %1 to %2, not &quot;%3&quot;</source>
        <translation>--threshold prend un gris de %1 à %2, pas « %3 »</translation>
    </message>
    <message>
        <source>--width takes a number of dots from 1 to %1, not &quot;%2&quot;</source>
        <translation>--width prend un nombre de points de 1 à %1, pas « %2 »</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 octets</translation>
    </message>
    <message>
        <source>%1 takes a whole number of at least 1, not &quot;%2&quot;</source>
        <translation>%1 prend un nombre entier d&apos;au moins 1, pas « %2 »</translation>
    </message>
    <message>
        <source>%1 takes a whole number of seconds from 1 to %2, not &quot;%3&quot;</source>
        <translation>%1 prend un nombre entier de secondes de 1 à %2, pas « %3 »</translation>
    </message>
    <message>
        <source>%1 belongs right after an action that takes it (%2)</source>
        <translation>%1 se place juste après une action qui le prend (%2)</translation>
    </message>
    <message>
        <source>%1 is given twice for %2</source>
        <translation>%1 est donné deux fois pour %2</translation>
    </message>
    <message>
        <source>%1 needs %2</source>
        <translation>%1 demande %2</translation>
    </message>
    <message>
        <source>Firmware %1: %2, SHA-256 %3</source>
        <translation>Firmware %1 : %2, SHA-256 %3</translation>
    </message>
    <message>
        <source>--%1 goes with --dry-run</source>
        <translation>--%1 va avec --dry-run</translation>
    </message>
    <message>
        <source>--progress takes json, not &quot;%1&quot;</source>
        <translation>--progress prend json, pas « %1 »</translation>
    </message>
    <message>
        <source>--progress goes with a run that sends: leave out --dry-run</source>
        <translation>--progress va avec une exécution qui envoie : retirez --dry-run</translation>
    </message>
    <message>
        <source>--discover finds printers: leave out --to and --targets</source>
        <translation>--discover cherche des imprimantes : retirez --to et --targets</translation>
    </message>
    <message>
        <source>no printer to send to: give --to or --targets</source>
        <translation>aucune imprimante à qui envoyer : donnez --to ou --targets</translation>
    </message>
    <message>
        <source>%1 gives what the file gives: leave out one</source>
        <translation>%1 donne ce que donne le fichier : retirez l&apos;un des deux</translation>
    </message>
    <message>
        <source>nothing to send: give at least one action, such as --profile or --firmware</source>
        <translation>rien à envoyer : donnez au moins une action, comme --profile ou --firmware</translation>
    </message>
    <message>
        <source>--output %1 takes the image of one --convert, not %2</source>
        <translation>--output %1 prend l&apos;image d&apos;un seul --convert, pas de %2</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;: targets go after --to</source>
        <translation>argument inattendu « %1 » : les cibles se placent après --to</translation>
    </message>
    <message>
        <source>--discover, --status and --watch send nothing: leave out the actions and --dry-run</source>
        <translation>--discover, --status et --watch n&apos;envoient rien : retirez les actions et --dry-run</translation>
    </message>
    <message>
        <source>the report</source>
        <translation>le rapport</translation>
    </message>
    <message>
        <source>varimonde-setup: interrupted before the output was written</source>
        <translation>varimonde-setup : interrompu avant l&apos;écriture de la sortie</translation>
    </message>
    <message>
        <source>varimonde-setup: cannot write the output: %1</source>
        <translation>varimonde-setup : impossible d&apos;écrire la sortie : %1</translation>
    </message>
    <message>
        <source>Try &apos;varimonde-setup --help&apos; for more information.</source>
        <translation>Essayez &apos;varimonde-setup --help&apos; pour plus d&apos;informations.</translation>
    </message>
    <message>
        <source>varimonde-setup: interrupted while the files were read</source>
        <translation>varimonde-setup : interrompu pendant la lecture des fichiers</translation>
    </message>
    <message>
        <source>varimonde-setup: interrupted before the bytes were shown</source>
        <translation>varimonde-setup : interrompu avant l&apos;affichage des octets</translation>
    </message>
    <message>
        <source>--discover, --status and --watch exclude each other</source>
        <translation>--discover, --status et --watch s&apos;excluent</translation>
    </message>
    <message>
        <source>--inventory goes with --status</source>
        <translation>--inventory va avec --status</translation>
    </message>
    <message>
        <source>--metrics goes with --watch</source>
        <translation>--metrics va avec --watch</translation>
    </message>
    <message>
        <source>--%1 goes with --discover</source>
        <translation>--%1 va avec --discover</translation>
    </message>
    <message>
        <source>--force goes with --write-targets</source>
        <translation>--force va avec --write-targets</translation>
    </message>
    <message>
        <source>the targets file</source>
        <translation>le fichier des cibles</translation>
    </message>
    <message>
        <source>the inventory</source>
        <translation>l&apos;inventaire</translation>
    </message>
    <message>
        <source>%1: not a network printer; its status cannot be read, it is not watched</source>
        <translation>%1 : pas une imprimante réseau ; son état ne peut pas être lu, elle n&apos;est pas surveillée</translation>
    </message>
    <message>
        <source>varimonde-setup: no network printer to watch</source>
        <translation>varimonde-setup : aucune imprimante réseau à surveiller</translation>
    </message>
    <message>
        <source>varimonde-setup: cannot serve metrics on %1</source>
        <translation>varimonde-setup : impossible de servir les métriques sur %1</translation>
    </message>
    <message>
        <source>serving metrics on http://%1:%2/metrics</source>
        <translation>métriques servies sur http://%1:%2/metrics</translation>
    </message>
    <message>
        <source>watched %1 printer for %2 s: %3 reads, %4 events; %5 online, %6 not</source>
        <translation>%1 imprimante surveillée pendant %2 s : %3 lectures, %4 événements ; %5 en ligne, %6 non</translation>
    </message>
    <message>
        <source>watched %1 printers for %2 s: %3 reads, %4 events; %5 online, %6 not</source>
        <translation>%1 imprimantes surveillées pendant %2 s : %3 lectures, %4 événements ; %5 en ligne, %6 non</translation>
    </message>
    <message>
        <source>varimonde-setup: cannot write %1: %2</source>
        <translation>varimonde-setup : impossible d&apos;écrire %1 : %2</translation>
    </message>
    <message>
        <source>sent %1 bytes in %2 s</source>
        <translation>%1 octets envoyés en %2 s</translation>
    </message>
    <message>
        <source>failed: %1</source>
        <translation>échec : %1</translation>
    </message>
    <message>
        <source>cancelled after %1 bytes</source>
        <translation>annulé après %1 octets</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>%1 n&apos;a pas pu être lu : %2</translation>
    </message>
    <message>
        <source>%1 holds more than %2 bytes: not a secrets file</source>
        <translation>%1 contient plus de %2 octets : ce n&apos;est pas un fichier de secrets</translation>
    </message>
    <message>
        <source>%1 is not community=, auth= or priv=</source>
        <translation>%1 n&apos;est ni community=, ni auth=, ni priv=</translation>
    </message>
    <message>
        <source>%1: %2 is empty</source>
        <translation>%1 : %2 est vide</translation>
    </message>
    <message>
        <source>%1: %2 holds a control character</source>
        <translation>%1 : %2 contient un caractère de contrôle</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>l&apos;entrée standard</translation>
    </message>
    <message>
        <source>%1 could not be opened: %2</source>
        <translation>%1 n&apos;a pas pu être ouvert : %2</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>an empty target: %1</source>
        <translation>une cible vide : %1</translation>
    </message>
    <message>
        <source>target &quot;%1&quot;: %2</source>
        <translation>cible « %1 » : %2</translation>
    </message>
    <message>
        <source>%1 of %2 bytes delivered</source>
        <translation>%1 octets sur %2 remis</translation>
    </message>
    <message>
        <source>rate not known yet</source>
        <translation>débit pas encore connu</translation>
    </message>
    <message>
        <source>time left not known</source>
        <translation>temps restant inconnu</translation>
    </message>
    <message>
        <source>sent</source>
        <translation>envoyé</translation>
    </message>
    <message>
        <source>--watch takes seconds from 1 to 86400, not &quot;%1&quot;</source>
        <translation>--watch prend des secondes de 1 à 86400, pas « %1 »</translation>
    </message>
    <message>
        <source>--metrics takes ADDRESS:PORT, such as 127.0.0.1:9464 or [::1]:9464, not &quot;%1&quot;</source>
        <translation>--metrics prend ADRESSE:PORT, par exemple 127.0.0.1:9464 ou [::1]:9464, pas « %1 »</translation>
    </message>
    <message>
        <source>--%1 takes a port from 1 to 65535, not &quot;%2&quot;</source>
        <translation>--%1 prend un port de 1 à 65535, pas « %2 »</translation>
    </message>
    <message>
        <source>--discover needs --range or --dns-sd: nothing is swept unless asked</source>
        <translation>--discover a besoin de --range ou de --dns-sd : rien n&apos;est balayé sans demande</translation>
    </message>
    <message>
        <source>pass phrases (--snmp-auth, --snmp-priv, auth=, priv=) go with --snmp-user</source>
        <translation>les phrases secrètes (--snmp-auth, --snmp-priv, auth=, priv=) vont avec --snmp-user</translation>
    </message>
    <message>
        <source>--write-targets %1: the file was not written by --discover (a targets file made by hand?) and is left as it is; give --force to replace it</source>
        <translation>--write-targets %1 : le fichier n&apos;a pas été écrit par --discover (un fichier des cibles fait à la main ?) et reste tel quel ; donnez --force pour le remplacer</translation>
    </message>
    <message>
        <source>SNMP privacy needs authentication: give --snmp-auth too</source>
        <translation>le chiffrement SNMP demande l&apos;authentification : donnez aussi --snmp-auth</translation>
    </message>
    <message>
        <source>SNMP v3 pass phrases have at least 8 characters</source>
        <translation>les phrases secrètes SNMP v3 ont au moins 8 caractères</translation>
    </message>
    <message>
        <source>the SNMP community is empty</source>
        <translation>la communauté SNMP est vide</translation>
    </message>
    <message>
        <source>an empty range</source>
        <translation>une plage vide</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a host name or address</source>
        <translation>« %1 » n&apos;est ni un nom d&apos;hôte ni une adresse</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an IPv4 range such as 192.168.1.0/24</source>
        <translation>« %1 » n&apos;est pas une plage IPv4 comme 192.168.1.0/24</translation>
    </message>
    <message>
        <source>the range %1 is wider than /%2 (%3 addresses): give smaller ranges</source>
        <translation>la plage %1 est plus large que /%2 (%3 adresses) : donnez des plages plus petites</translation>
    </message>
</context>
<context>
    <name>ConfigPage</name>
    <message>
        <source>&amp;Darkness </source>
        <translation>&amp;Densité</translation>
    </message>
    <message>
        <source>Darkness:</source>
        <translation>Valeur :</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>Warning: Darkness Greater than 50 May Decrease the Life of the Printhead.</source>
        <translation>Attention : une densité supérieure à 50 peut réduire la durée de vie de la tête d&apos;impression.</translation>
    </message>
    <message>
        <source>&amp;Width</source>
        <translation>&amp;Largeur</translation>
    </message>
    <message>
        <source>Printer Width:</source>
        <translation>Largeur :</translation>
    </message>
    <message>
        <source>416 represents 4.16 inches wide.  For 3.00 inch media use 300.</source>
        <translation>416 représente 4,16 pouces de large. Pour un support de 3,00 pouces, entrez 300.</translation>
    </message>
    <message>
        <source>416</source>
        <translation>416</translation>
    </message>
    <message>
        <source>Default for a 2 inch: 224</source>
        <translation>Défaut pour 2 pouces : 224</translation>
    </message>
    <message>
        <source>Default for a 4 inch: 416</source>
        <translation>Défaut pour 4 pouces : 416</translation>
    </message>
    <message>
        <source>&amp;PrintSpeed</source>
        <translation>&amp;Vitesse</translation>
    </message>
    <message>
        <source>Select PrintSpeed</source>
        <translation>Choisir la vitesse d&apos;impression</translation>
    </message>
    <message>
        <source>PrintSpeed</source>
        <translation>Vitesse d&apos;impression</translation>
    </message>
    <message>
        <source>Configure the speed at which your printer prints.  This may affect print quality.</source>
        <translation>Règle la vitesse d&apos;impression. Elle peut influer sur la qualité.</translation>
    </message>
    <message>
        <source>Print &amp;Mode</source>
        <translation>&amp;Mode</translation>
    </message>
    <message>
        <source>Configure your printer for Direct Thermal or Thermal Transfer mode</source>
        <translation>Règle l&apos;imprimante en thermique direct ou en transfert thermique</translation>
    </message>
    <message>
        <source>Print Mode</source>
        <translation>Mode d&apos;impression</translation>
    </message>
    <message>
        <source>Configure your printer to Direct Thermal (DT) or Thermal Transfer (TT) mode.</source>
        <translation>Règle l&apos;imprimante en thermique direct (DT) ou transfert thermique (TT).</translation>
    </message>
    <message>
        <source>Kestra emulation reduces printer performance and lowers print resolution.  Kestra emulation should only be used to make your Tornelo backwards compatible.</source>
        <translation>L&apos;émulation Kestra réduit les performances et la résolution d&apos;impression. Ne l&apos;utilisez que pour rendre votre Tornelo rétrocompatible.</translation>
    </message>
    <message>
        <source>&amp;Kestra Emulation</source>
        <translation>Émulation &amp;Kestra</translation>
    </message>
    <message>
        <source>Dis&amp;able Emulation in Printer</source>
        <translation>Désactiver l&apos;ém&amp;ulation</translation>
    </message>
    <message>
        <source>Kestra emulation allows your old labels to print properly in the Tornelo.  Use the Scaler to change label size (default 100}</source>
        <translation>L&apos;émulation Kestra permet d&apos;imprimer correctement vos anciennes étiquettes sur votre Tornelo. Le zoom change la taille de l&apos;étiquette (100 par défaut)</translation>
    </message>
    <message>
        <source>Scaler:</source>
        <translation>Zoom :</translation>
    </message>
    <message>
        <source>Right-Click to Set Value Manually</source>
        <translation>Clic droit pour saisir la valeur à la main</translation>
    </message>
    <message>
        <source>100</source>
        <translation>100</translation>
    </message>
    <message>
        <source>Varimonde recommends setting your text buffer to no more than 32K.</source>
        <translation>Varimonde recommande un tampon de texte de 32K au plus.</translation>
    </message>
    <message>
        <source>&amp;Text Buffer</source>
        <translation>&amp;Tampon de texte</translation>
    </message>
    <message>
        <source>Text Buffer (Main)</source>
        <translation>Tampon (principal)</translation>
    </message>
    <message>
        <source>4096</source>
        <translation>4096</translation>
    </message>
    <message>
        <source>Right-Click to set buffer manually.</source>
        <translation>Clic droit pour régler le tampon à la main.</translation>
    </message>
    <message>
        <source>Text Buffer (Overflow)</source>
        <translation>Débordement</translation>
    </message>
    <message>
        <source>Right-Click to set buffer manually</source>
        <translation>Clic droit pour régler le tampon à la main</translation>
    </message>
    <message>
        <source>Note: Changing these settings will delete any stored graphics, and will reduce the amount of memory reserved for graphics.</source>
        <translation>Remarque : modifier ces réglages efface tous les graphiques stockés et réduit la mémoire réservée aux graphiques.</translation>
    </message>
    <message>
        <source>Uploads current settings to printer</source>
        <translation>Envoie les réglages actuels à l&apos;imprimante</translation>
    </message>
    <message>
        <source>&amp;Upload Settings to Printer</source>
        <translation>&amp;Envoyer à l&apos;imprimante</translation>
    </message>
    <message>
        <source>Imports saved profile for easy duplication of printer configurations</source>
        <translation>Importe un profil enregistré pour reproduire facilement la configuration d&apos;une imprimante</translation>
    </message>
    <message>
        <source>&amp;Import Profile</source>
        <translation>&amp;Importer</translation>
    </message>
    <message>
        <source>Saves and exports profile for future printer setup</source>
        <translation>Enregistre et exporte le profil pour configurer d&apos;autres imprimantes plus tard</translation>
    </message>
    <message>
        <source>E&amp;xport Profile</source>
        <translation>E&amp;xporter</translation>
    </message>
    <message>
        <source>Opens seperate window with Varimonde commands for printer setup.</source>
        <translation>Ouvre une fenêtre à part avec les commandes Varimonde de configuration.</translation>
    </message>
    <message>
        <source>&amp;Show Details</source>
        <translation>&amp;Afficher les détails</translation>
    </message>
    <message>
        <source>Please Enter Desired Scaler</source>
        <translation>Entrez le zoom souhaité</translation>
    </message>
    <message>
        <source>Scaler Setting</source>
        <translation>Réglage du zoom</translation>
    </message>
    <message>
        <source>Maximum Value is 250</source>
        <translation>La valeur maximale est 250</translation>
    </message>
    <message>
        <source>Invalid Data</source>
        <translation>Donnée non valide</translation>
    </message>
    <message>
        <source>Set Value for Main Text Buffer</source>
        <translation>Valeur du tampon de texte principal</translation>
    </message>
    <message>
        <source>Primary Text Buffer</source>
        <translation>Tampon de texte principal</translation>
    </message>
    <message>
        <source>Enter value for Overflow Buffer</source>
        <translation>Entrez la valeur du tampon de débordement</translation>
    </message>
    <message>
        <source>Overflow Buffer</source>
        <translation>Tampon de débordement</translation>
    </message>
    <message>
        <source>Overflow must fall between 0 and (Text Buffer-1024)</source>
        <translation>Le débordement doit être compris entre 0 et (tampon de texte-1024)</translation>
    </message>
    <message>
        <source>Overflow Buffer Warning</source>
        <translation>Avertissement sur le tampon de débordement</translation>
    </message>
    <message>
        <source>Configuration block</source>
        <translation>Bloc de configuration</translation>
    </message>
</context>
<context>
    <name>DetailsWindow</name>
    <message>
        <source>Details</source>
        <translation>Détails</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Send Anyway</source>
        <translation>Envoyer quand même</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>Interrupted while the files were read: cancelled before sending.</source>
        <translation>Interrompu pendant la lecture des fichiers : annulé avant l’envoi.</translation>
    </message>
    <message>
        <source>Interrupted: the transfer was stopped and its end not waited for.</source>
        <translation>Interrompu : le transfert a été arrêté sans en attendre la fin.</translation>
    </message>
    <message>
        <source>Interrupted before this printer&apos;s turn: nothing was sent.</source>
        <translation>Interrompu avant le tour de cette imprimante : rien n’a été envoyé.</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Valeur de propriété non valide</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Incompatibilité de type</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Dépassement de capacité</translation>
    </message>
    <message>
        <source>Cancel was selected.</source>
        <translation>Annuler a été choisi.</translation>
    </message>
    <message>
        <source>Subscript out of range: there are no bytes in memory to send</source>
        <translation>Indice hors limites : aucun octet à envoyer en mémoire</translation>
    </message>
    <message>
        <source>The transfer was cancelled.</source>
        <translation>Le transfert a été annulé.</translation>
    </message>
    <message>
        <source>The transfer was stopped.</source>
        <translation>Le transfert a été arrêté.</translation>
    </message>
    <message>
        <source>Bad file name or number</source>
        <translation>Nom ou numéro de fichier incorrect</translation>
    </message>
    <message>
        <source>%1 is out of paper: load labels and try again.</source>
        <translation>%1 n’a plus de papier : chargez des étiquettes et réessayez.</translation>
    </message>
    <message>
        <source>%1 is offline: put the printer online and try again.</source>
        <translation>%1 est hors ligne : mettez l’imprimante en ligne et réessayez.</translation>
    </message>
    <message>
        <source>%1 reports an error: check the printer&apos;s cover, labels and ribbon, then try again.</source>
        <translation>%1 signale une erreur : vérifiez le capot, les étiquettes et le ruban de l’imprimante, puis réessayez.</translation>
    </message>
    <message>
        <source>Device I/O error: %1 accepted no data for %2 seconds. Check that the printer is on, online and has paper.</source>
        <translation>Erreur d’E/S de périphérique : %1 n’a accepté aucune donnée pendant %2 secondes. Vérifiez que l’imprimante est allumée, en ligne et a du papier.</translation>
    </message>
    <message>
        <source>%1 bytes delivered</source>
        <translation>%1 octets livrés</translation>
    </message>
    <message>
        <source>No printer address is set: enter the printer&apos;s network name or IP address on the Communication Settings tab.</source>
        <translation>Aucune adresse d’imprimante définie : saisissez le nom réseau ou l’adresse IP de l’imprimante dans l’onglet Communication.</translation>
    </message>
    <message>
        <source>could not look %1 up within %2 s: check the name and the DNS server</source>
        <translation>impossible de résoudre %1 en %2 s : vérifiez le nom et le serveur DNS</translation>
    </message>
    <message>
        <source>The printer&apos;s network name &quot;%1&quot; could not be found (port %2): check the name, or enter the printer&apos;s IP address instead.</source>
        <translation>Le nom réseau « %1 » de l’imprimante est introuvable (port %2) : vérifiez le nom ou saisissez plutôt l’adresse IP de l’imprimante.</translation>
    </message>
    <message>
        <source>%1 did not answer within %2 seconds: check the address, and that the printer is on and connected to the network.</source>
        <translation>%1 n’a pas répondu en %2 secondes : vérifiez l’adresse, et que l’imprimante est allumée et connectée au réseau.</translation>
    </message>
    <message>
        <source>%1 refused the connection: check that this is the printer&apos;s address and that it takes print jobs on port %2 (9100 on most printers).</source>
        <translation>%1 a refusé la connexion : vérifiez qu’il s’agit bien de l’adresse de l’imprimante et qu’elle accepte les travaux sur le port %2 (9100 sur la plupart des imprimantes).</translation>
    </message>
    <message>
        <source>%1 cannot be reached: %2</source>
        <translation>%1 est injoignable : %2</translation>
    </message>
    <message>
        <source>%1 closed the connection during the transfer: the printer may have been switched off or restarted.</source>
        <translation>%1 a fermé la connexion pendant le transfert : l’imprimante a peut-être été éteinte ou redémarrée.</translation>
    </message>
    <message>
        <source>The connection to %1 failed during the transfer: %2</source>
        <translation>La connexion à %1 a échoué pendant le transfert : %2</translation>
    </message>
    <message>
        <source>%1 stopped answering: nothing came back for %2 s. Check that the printer is on and connected to the network.</source>
        <translation>%1 ne répond plus : rien n’est revenu pendant %2 s. Vérifiez que l’imprimante est allumée et connectée au réseau.</translation>
    </message>
    <message>
        <source>%1 %2; the wait for an answer is set on the Communication Settings tab (Give up after) or with --stall-limit.</source>
        <translation>%1 %2 ; l’attente d’une réponse se règle dans l’onglet Communication (Abandonner après) ou avec --stall-limit.</translation>
    </message>
    <message>
        <source>%1 took no data for %2 s though it still answers: check paper, ribbon and the printer&apos;s display. %3; the wait for progress is set on the Communication Settings tab (Give up after) or with --busy-limit.</source>
        <translation>%1 n’a pris aucune donnée pendant %2 s bien qu’elle réponde encore : vérifiez le papier, le ruban et l’écran de l’imprimante. %3 ; l’attente d’une progression se règle dans l’onglet Communication (Abandonner après) ou avec --busy-limit.</translation>
    </message>
    <message>
        <source>%1 does not exist on this computer. No serial ports were found: check that the printer&apos;s cable or USB adapter is plugged in.</source>
        <translation>%1 n’existe pas sur cet ordinateur. Aucun port série trouvé : vérifiez que le câble de l’imprimante ou l’adaptateur USB est branché.</translation>
    </message>
    <message>
        <source>%1 does not exist on this computer. Serial ports found: %2. Choose one of them on the Communication Settings tab and press Apply.</source>
        <translation>%1 n’existe pas sur cet ordinateur. Ports série trouvés : %2. Choisissez-en un dans l’onglet Communication et appuyez sur Appliquer.</translation>
    </message>
    <message>
        <source>Permission denied on %1. Your user must be in the group &apos;%2&apos; that owns the port: run &apos;sudo usermod -aG %2 $USER&apos;, then log out and in again.</source>
        <translation>Accès refusé à %1. Votre utilisateur doit appartenir au groupe &apos;%2&apos; propriétaire du port : exécutez &apos;sudo usermod -aG %2 $USER&apos;, puis déconnectez-vous et reconnectez-vous.</translation>
    </message>
    <message>
        <source>Permission denied on %1. Ask your administrator for read and write access to it.</source>
        <translation>Accès refusé à %1. Demandez à votre administrateur l’accès en lecture et en écriture.</translation>
    </message>
    <message>
        <source>%1 is in use by another program%2. Close that program and try again.</source>
        <translation>%1 est utilisé par un autre programme%2. Fermez ce programme et réessayez.</translation>
    </message>
    <message>
        <source>%1 is already open: another transfer is still running.</source>
        <translation>%1 est déjà ouvert : un autre transfert est en cours.</translation>
    </message>
    <message>
        <source>%1 does not accept the line settings: %2</source>
        <translation>%1 n’accepte pas les paramètres de ligne : %2</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>Impossible d’ouvrir %1 : %2</translation>
    </message>
    <message>
        <source>No parallel or USB printer ports were found.</source>
        <translation>Aucun port parallèle ni port d’imprimante USB trouvé.</translation>
    </message>
    <message>
        <source>Parallel and USB printer ports found: %1. Choose one of them on the Communication Settings tab.</source>
        <translation>Ports parallèles et d’imprimante USB trouvés : %1. Choisissez-en un dans l’onglet Communication.</translation>
    </message>
    <message>
        <source>Another transfer to the printer is still running: wait for it to finish, or cancel it, then try again.</source>
        <translation>Un autre transfert vers l’imprimante est en cours : attendez qu’il se termine ou annulez-le, puis réessayez.</translation>
    </message>
    <message>
        <source>No USB printer is connected.</source>
        <translation>Aucune imprimante USB n’est connectée.</translation>
    </message>
    <message>
        <source>USB Printer %1 is not connected.</source>
        <translation>L’imprimante USB %1 n’est pas connectée.</translation>
    </message>
    <message>
        <source>Check that the printer is switched on and its USB cable is plugged in at both ends, and that the usblp driver is loaded (lsmod | grep usblp; load it with: sudo modprobe usblp).</source>
        <translation>Vérifiez que l’imprimante est allumée, que son câble USB est branché aux deux bouts et que le pilote usblp est chargé (lsmod | grep usblp ; chargez-le avec : sudo modprobe usblp).</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>Erreur : %1</translation>
    </message>
    <message>
        <source>Could not set comm state: the serial port cannot send with %1 data bits. Choose 5 to 8 data bits.</source>
        <translation>Impossible de régler l’état du port : le port série ne peut pas envoyer avec %1 bits de données. Choisissez 5 à 8 bits de données.</translation>
    </message>
    <message>
        <source>%1 stopped working during the transfer: the device or its USB adapter was removed or failed (%2).</source>
        <translation>%1 a cessé de fonctionner pendant le transfert : le périphérique ou son adaptateur USB a été retiré ou est tombé en panne (%2).</translation>
    </message>
    <message>
        <source>%1 failed during the transfer: %2</source>
        <translation>%1 a échoué pendant le transfert : %2</translation>
    </message>
    <message>
        <source>%1 accepted no data for %2 seconds: check that the printer is on, online and connected.</source>
        <translation>%1 n’a accepté aucune donnée pendant %2 secondes : vérifiez que l’imprimante est allumée, en ligne et connectée.</translation>
    </message>
    <message>
        <source>Interrupted: nothing more was sent.</source>
        <translation>Interrompu : rien de plus n’a été envoyé.</translation>
    </message>
    <message>
        <source>Interrupted: the transfer was stopped and what was queued discarded; %1 bytes delivered.</source>
        <translation>Interrompu : le transfert a été arrêté et ce qui était en file d’attente abandonné ; %1 octets livrés.</translation>
    </message>
    <message>
        <source>Printer Setup</source>
        <translation>Configuration de l&apos;imprimante</translation>
    </message>
    <message>
        <source>Invalid Width Argument.</source>
        <translation>Largeur non valide.</translation>
    </message>
    <message>
        <source>Maximum Width is 416</source>
        <translation>La largeur maximale est 416</translation>
    </message>
    <message>
        <source>Invalid Print Mode. Valid Modes are DT and TT</source>
        <translation>Mode d&apos;impression non valide. Les modes valides sont DT et TT</translation>
    </message>
    <message>
        <source>Invalid Print Speed</source>
        <translation>Vitesse d&apos;impression non valide</translation>
    </message>
    <message>
        <source>an IPv6 address needs its closing ]</source>
        <translation>il manque le ] fermant de l&apos;adresse IPv6</translation>
    </message>
    <message>
        <source>write an IPv6 address in brackets: tcp://[2001:db8::5]:9100</source>
        <translation>écrivez une adresse IPv6 entre crochets : tcp://[2001:db8::5]:9100</translation>
    </message>
    <message>
        <source>name the USB printer device: usb:/dev/usb/lp0</source>
        <translation>indiquez le périphérique de l&apos;imprimante USB : usb:/dev/usb/lp0</translation>
    </message>
    <message>
        <source>give COMn[:settings], a serial device path[:settings], LPT1, LPT2, usb:DEVICE or tcp://HOST[:PORT]</source>
        <translation>indiquez COMn[:réglages], un chemin de périphérique série[:réglages], LPT1, LPT2, usb:PÉRIPHÉRIQUE ou tcp://HÔTE[:PORT]</translation>
    </message>
    <message>
        <source>COM ports are numbered 1 to %1</source>
        <translation>les ports COM sont numérotés de 1 à %1</translation>
    </message>
    <message>
        <source>the line settings &quot;%1&quot; must read baud,parity,data bits,stop bits, such as 9600,N,8,1</source>
        <translation>les réglages de ligne « %1 » doivent s&apos;écrire bauds,parité,bits de données,bits d&apos;arrêt, par exemple 9600,N,8,1</translation>
    </message>
    <message>
        <source>Invalid Parallel Port</source>
        <translation>Port parallèle non valide</translation>
    </message>
    <message>
        <source>Invalid Network Printer: enter the printer&apos;s network name or its IPv4 or IPv6 address.</source>
        <translation>Imprimante réseau non valide : entrez le nom réseau de l&apos;imprimante ou son adresse IPv4 ou IPv6.</translation>
    </message>
    <message>
        <source>Invalid Network Port: enter a number from 1 to 65535 (9100 on most printers).</source>
        <translation>Port réseau non valide : entrez un nombre de 1 à 65535 (9100 sur la plupart des imprimantes).</translation>
    </message>
    <message>
        <source>File not found: %1</source>
        <translation>Fichier introuvable : %1</translation>
    </message>
    <message>
        <source>Permission denied: %1</source>
        <translation>Accès refusé : %1</translation>
    </message>
    <message>
        <source>Disk full: %1</source>
        <translation>Disque plein : %1</translation>
    </message>
    <message>
        <source>Device I/O error: %1 (%2)</source>
        <translation>Erreur d&apos;E/S du périphérique : %1 (%2)</translation>
    </message>
    <message>
        <source>Bad file name: %1</source>
        <translation>Nom de fichier incorrect : %1</translation>
    </message>
    <message>
        <source>Path/File access error: %1 (%2)</source>
        <translation>Erreur d&apos;accès au chemin/fichier : %1 (%2)</translation>
    </message>
    <message>
        <source>Permission denied: %1 (%2)</source>
        <translation>Accès refusé : %1 (%2)</translation>
    </message>
    <message>
        <source>Disk full or out of resources: %1 (%2)</source>
        <translation>Disque plein ou ressources épuisées : %1 (%2)</translation>
    </message>
    <message>
        <source>%1 was not written: %2</source>
        <translation>%1 n&apos;a pas été écrit : %2</translation>
    </message>
    <message>
        <source>it is a symbolic link, and nothing is written through one; name the file itself.</source>
        <translation>c&apos;est un lien symbolique, et rien n&apos;est écrit à travers un lien ; indiquez le fichier lui-même.</translation>
    </message>
    <message>
        <source>it is a folder; name a file in it.</source>
        <translation>c&apos;est un dossier ; indiquez un fichier qu&apos;il contient.</translation>
    </message>
    <message>
        <source>only a regular file is written here.</source>
        <translation>seul un fichier ordinaire est écrit ici.</translation>
    </message>
    <message>
        <source>it is neither a file, a character device nor a pipe.</source>
        <translation>ce n&apos;est ni un fichier, ni un périphérique caractère, ni un tube.</translation>
    </message>
    <message>
        <source>it belongs to user %1, not to user %2 for whom the program runs as root.</source>
        <translation>il appartient à l&apos;utilisateur %1, et non à l&apos;utilisateur %2 pour qui le programme tourne en root.</translation>
    </message>
    <message>
        <source>%1 was not written: nothing opened the pipe to read it within %2 s.</source>
        <translation>%1 n&apos;a pas été écrit : personne n&apos;a ouvert le tube en lecture dans les %2 s.</translation>
    </message>
    <message>
        <source>%1 was not written: interrupted.</source>
        <translation>%1 n&apos;a pas été écrit : interrompu.</translation>
    </message>
    <message>
        <source>it changed while it was being written.</source>
        <translation>il a changé pendant son écriture.</translation>
    </message>
    <message>
        <source>no file name was given.</source>
        <translation>aucun nom de fichier n&apos;a été donné.</translation>
    </message>
    <message>
        <source>only a regular file is written.</source>
        <translation>seul un fichier ordinaire est écrit.</translation>
    </message>
    <message>
        <source>%1 (no COM number reaches it)</source>
        <translation>%1 (aucun numéro COM ne l&apos;atteint)</translation>
    </message>
    <message>
        <source>Put the printer online (its pause or feed button) and try again.</source>
        <translation>Mettez l&apos;imprimante en ligne (bouton pause ou avance) et réessayez.</translation>
    </message>
    <message>
        <source>Open the printer, clear the jammed labels, close it and try again.</source>
        <translation>Ouvrez l&apos;imprimante, retirez les étiquettes coincées, refermez-la et réessayez.</translation>
    </message>
    <message>
        <source>Close the printer&apos;s cover and try again.</source>
        <translation>Fermez le capot de l&apos;imprimante et réessayez.</translation>
    </message>
    <message>
        <source>Load labels, close the printer and try again.</source>
        <translation>Chargez des étiquettes, fermez l&apos;imprimante et réessayez.</translation>
    </message>
    <message>
        <source>Load a ribbon, close the printer and try again.</source>
        <translation>Chargez un ruban, fermez l&apos;imprimante et réessayez.</translation>
    </message>
    <message>
        <source>Take the printed labels out and try again.</source>
        <translation>Retirez les étiquettes imprimées et réessayez.</translation>
    </message>
    <message>
        <source>The printer reports %1: nothing was sent. %2</source>
        <translation>L&apos;imprimante signale %1 : rien n&apos;a été envoyé. %2</translation>
    </message>
    <message>
        <source>The printer reports %1: nothing was sent. %2 Give --ignore-status to send anyway.</source>
        <translation>L&apos;imprimante signale %1 : rien n&apos;a été envoyé. %2 Donnez --ignore-status pour envoyer quand même.</translation>
    </message>
    <message>
        <source>No printer address is set: name the printer with --to tcp://HOST.</source>
        <translation>Aucune adresse d’imprimante définie : désignez l’imprimante avec --to tcp://HÔTE.</translation>
    </message>
    <message>
        <source>%1 %2; the wait for an answer is set with --stall-limit.</source>
        <translation>%1 %2 ; l’attente d’une réponse se règle avec --stall-limit.</translation>
    </message>
    <message>
        <source>%1 took no data for %2 s though it still answers: check paper, ribbon and the printer&apos;s display. %3; the wait for progress is set with --busy-limit.</source>
        <translation>%1 n’a pris aucune donnée pendant %2 s bien qu’elle réponde encore : vérifiez le papier, le ruban et l’écran de l’imprimante. %3 ; l’attente d’une progression se règle avec --busy-limit.</translation>
    </message>
    <message>
        <source>%1 does not exist on this computer. Serial ports found: %2. Name one of them with --to.</source>
        <translation>%1 n’existe pas sur cet ordinateur. Ports série trouvés : %2. Désignez-en un avec --to.</translation>
    </message>
    <message>
        <source>Parallel and USB printer ports found: %1. Name one of them with --to.</source>
        <translation>Ports parallèles et d’imprimante USB trouvés : %1. Désignez-en un avec --to.</translation>
    </message>
    <message>
        <source>ignoring the settings in %1, which cannot be read: it is not a regular file; starting values apply, and the file is left as it is</source>
        <translation>les réglages de %1 sont ignorés, car ils ne peuvent pas être lus : ce n’est pas un fichier ordinaire ; les valeurs de départ s’appliquent et le fichier est laissé tel quel</translation>
    </message>
    <message>
        <source>ignoring the settings in %1, which cannot be read: it is larger than %2 KiB; starting values apply, and the file is left as it is</source>
        <translation>les réglages de %1 sont ignorés, car ils ne peuvent pas être lus : le fichier dépasse %2 Kio ; les valeurs de départ s’appliquent et le fichier est laissé tel quel</translation>
    </message>
    <message>
        <source>ignoring the settings in %1, which cannot be read; starting values apply, and the file is left as it is</source>
        <translation>les réglages de %1 sont ignorés, car ils ne peuvent pas être lus ; les valeurs de départ s’appliquent et le fichier est laissé tel quel</translation>
    </message>
    <message>
        <source>ignoring the settings in %1, which cannot be read; starting values apply, and the file is written afresh</source>
        <translation>les réglages de %1 sont ignorés, car ils ne peuvent pas être lus ; les valeurs de départ s’appliquent et le fichier est réécrit</translation>
    </message>
    <message>
        <source>ignoring the settings in %1, which cannot be understood; starting values apply, and the file is written afresh</source>
        <translation>les réglages de %1 sont ignorés, car ils ne peuvent pas être compris ; les valeurs de départ s’appliquent et le fichier est réécrit</translation>
    </message>
    <message>
        <source>the settings will not be saved: %1</source>
        <translation>les réglages ne seront pas enregistrés : %1</translation>
    </message>
    <message>
        <source>the settings were not saved: %1</source>
        <translation>les réglages n’ont pas été enregistrés : %1</translation>
    </message>
    <message>
        <source>the sweep could not try %1 of %2 addresses and ports (too many open files): printers may be missing</source>
        <translation>le balayage n’a pas pu essayer %1 des %2 adresses et ports (trop de fichiers ouverts) : des imprimantes peuvent manquer</translation>
    </message>
    <message>
        <source>DNS-SD browsing failed: %1</source>
        <translation>la recherche DNS-SD a échoué : %1</translation>
    </message>
    <message>
        <source>DNS-SD: the Avahi daemon went away (%1)</source>
        <translation>DNS-SD : le service Avahi a disparu (%1)</translation>
    </message>
    <message>
        <source>DNS-SD is not available: no Avahi daemon runs; looking the other ways.</source>
        <translation>DNS-SD n’est pas disponible : aucun service Avahi ne tourne ; la recherche se poursuit par les autres moyens.</translation>
    </message>
    <message>
        <source>DNS-SD is not available: %1; looking the other ways.</source>
        <translation>DNS-SD n’est pas disponible : %1 ; la recherche se poursuit par les autres moyens.</translation>
    </message>
    <message>
        <source>%1: not a network printer: its status cannot be read</source>
        <translation>%1 : pas une imprimante réseau : son état ne peut pas être lu</translation>
    </message>
    <message>
        <source>File too large: %1 has %2 bytes; a file must be smaller than 2 GiB (%3 bytes) to be held in memory.</source>
        <translation>Fichier trop volumineux : %1 fait %2 octets ; un fichier doit faire moins de 2 Gio (%3 octets) pour être tenu en mémoire.</translation>
    </message>
    <message>
        <source>Out of memory: %1 bytes do not fit in memory.</source>
        <translation>Mémoire insuffisante : %1 octets ne tiennent pas en mémoire.</translation>
    </message>
    <message>
        <source>Input past end of file: %1</source>
        <translation>Lecture au-delà de la fin du fichier : %1</translation>
    </message>
    <message>
        <source>an SNMP v3 pass phrase is unusable</source>
        <translation>une phrase secrète SNMP v3 est inutilisable</translation>
    </message>
    <message>
        <source>cannot open an SNMP session</source>
        <translation>impossible d&apos;ouvrir une session SNMP</translation>
    </message>
    <message>
        <source>no SNMP answer</source>
        <translation>pas de réponse SNMP</translation>
    </message>
    <message>
        <source>SNMP failed: %1</source>
        <translation>échec SNMP : %1</translation>
    </message>
    <message>
        <source>SNMP error: %1</source>
        <translation>erreur SNMP : %1</translation>
    </message>
    <message>
        <source>the printer refused the request (the SNMP user or its pass phrases)</source>
        <translation>l&apos;imprimante a refusé la requête (l&apos;utilisateur SNMP ou ses phrases secrètes)</translation>
    </message>
    <message>
        <source>SNMP failed: the agent named no engine</source>
        <translation>échec SNMP : l&apos;agent n&apos;a nommé aucun moteur</translation>
    </message>
    <message>
        <source>the name was not looked up in time</source>
        <translation>le nom n&apos;a pas été résolu à temps</translation>
    </message>
    <message>
        <source>the name could not be found</source>
        <translation>le nom est introuvable</translation>
    </message>
    <message>
        <source>Input past end of file: the profile is empty or cut off</source>
        <translation>Lecture au-delà de la fin du fichier : le profil est vide ou tronqué</translation>
    </message>
</context>
<context>
    <name>FileDrop</name>
    <message>
        <source>Drop one file at a time.</source>
        <translation>Déposez un seul fichier à la fois.</translation>
    </message>
    <message>
        <source>%1 is not a file on this computer: drop a file.</source>
        <translation>%1 n&apos;est pas un fichier de cet ordinateur : déposez un fichier.</translation>
    </message>
    <message>
        <source>%1 is a folder: drop a file.</source>
        <translation>%1 est un dossier : déposez un fichier.</translation>
    </message>
</context>
<context>
    <name>FindPrintersDialog</name>
    <message>
        <source>Find Printers</source>
        <translation>Rechercher des imprimantes</translation>
    </message>
    <message>
        <source>&amp;Range:</source>
        <translation>&amp;Plage :</translation>
    </message>
    <message>
        <source>192.168.1.0/24, or hosts</source>
        <translation>192.168.1.0/24, ou des hôtes</translation>
    </message>
    <message>
        <source>CIDR ranges of at most /22 or host names, separated by spaces or commas. Port 9100 of each address is tried; DNS-SD and SNMP are asked too.</source>
        <translation>Plages CIDR de /22 au plus ou noms d&apos;hôtes, séparés par des espaces ou des virgules. Le port 9100 de chaque adresse est essayé ; DNS-SD et SNMP sont aussi interrogés.</translation>
    </message>
    <message>
        <source>Range:</source>
        <translation>Plage :</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Démarrer</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>A&amp;rrêter</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>&amp;Filtre :</translation>
    </message>
    <message>
        <source>any text of a row</source>
        <translation>tout texte d&apos;une ligne</translation>
    </message>
    <message>
        <source>Filter:</source>
        <translation>Filtre :</translation>
    </message>
    <message>
        <source>Search Progress</source>
        <translation>Progression de la recherche</translation>
    </message>
    <message>
        <source>Printers Found</source>
        <translation>Imprimantes trouvées</translation>
    </message>
    <message>
        <source>Nothing is scanned until Start is pressed.</source>
        <translation>Rien n&apos;est recherché avant « Démarrer ».</translation>
    </message>
    <message>
        <source>&amp;Use This Printer</source>
        <translation>&amp;Utiliser cette imprimante</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
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
        <translation>Nom</translation>
    </message>
    <message>
        <source>Make and Model</source>
        <translation>Marque et modèle</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>N° de série</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Found By</source>
        <translation>Trouvée par</translation>
    </message>
    <message>
        <source>1 printer found.</source>
        <translation>1 imprimante trouvée.</translation>
    </message>
    <message>
        <source>%1 printers found.</source>
        <translation>%1 imprimantes trouvées.</translation>
    </message>
    <message>
        <source>Looking...</source>
        <translation>Recherche...</translation>
    </message>
    <message>
        <source>&amp;Watch</source>
        <translation>&amp;Surveiller</translation>
    </message>
    <message>
        <source>Reads the printers found again every few seconds over SNMP and shows their status and alerts as they change.</source>
        <translation>Relit les imprimantes trouvées en SNMP toutes les quelques secondes et affiche leur état et leurs alertes dès qu’ils changent.</translation>
    </message>
    <message>
        <source>Printer Details</source>
        <translation>Détails de l’imprimante</translation>
    </message>
    <message>
        <source>Select a printer to see what it reports.</source>
        <translation>Sélectionnez une imprimante pour voir ce qu’elle signale.</translation>
    </message>
    <message>
        <source>Alerts</source>
        <translation>Alertes</translation>
    </message>
    <message>
        <source>critical</source>
        <translation>critique</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>avertissement</translation>
    </message>
    <message>
        <source>other</source>
        <translation>autre</translation>
    </message>
    <message>
        <source>at uptime %1</source>
        <translation>à la durée de fonctionnement %1</translation>
    </message>
    <message>
        <source>Printer:</source>
        <translation>Imprimante :</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>État :</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>Modèle :</translation>
    </message>
    <message>
        <source>Serial:</source>
        <translation>N° de série :</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Emplacement :</translation>
    </message>
    <message>
        <source>Uptime:</source>
        <translation>Durée de fonctionnement :</translation>
    </message>
    <message>
        <source>Front panel:</source>
        <translation>Panneau avant :</translation>
    </message>
    <message>
        <source>group %1, code %2</source>
        <translation>groupe %1, code %2</translation>
    </message>
    <message>
        <source>Alert:</source>
        <translation>Alerte :</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>%1: %2, raised %3</source>
        <translation>%1 : %2, déclenchée %3</translation>
    </message>
    <message>
        <source>Media:</source>
        <translation>Support :</translation>
    </message>
    <message>
        <source>Odometer:</source>
        <translation>Compteur :</translation>
    </message>
    <message>
        <source>This printer has no raw port: it was only named (over IPP), and nothing is sent to an IPP port.</source>
        <translation>Cette imprimante n&apos;a pas de port brut : elle a seulement été nommée (par IPP), et rien n&apos;est envoyé à un port IPP.</translation>
    </message>
    <message>
        <source>Last answer:</source>
        <translation>Dernière réponse :</translation>
    </message>
</context>
<context>
    <name>GraphicCheck</name>
    <message>
        <source>%1 × %2 dots, %3 × %4 mm</source>
        <translation>%1 × %2 points, %3 × %4 mm</translation>
    </message>
    <message>
        <source> Use Convert… to make one.</source>
        <translation> Utilisez Convertir… pour en créer une.</translation>
    </message>
    <message>
        <source>%1 is empty.</source>
        <translation>%1 est vide.</translation>
    </message>
    <message>
        <source>%1 is a %2 image, but %3 is chosen as its type: store it as %2.</source>
        <translation>%1 est une image %2, mais %3 est choisi comme type : enregistrez-la en tant que %2.</translation>
    </message>
    <message>
        <source>%1 is a %2 image, not a %3: the printer stores 1-bit BMP or PCX images only.</source>
        <translation>%1 est une image %2, pas %3 : l&apos;imprimante n&apos;enregistre que des images BMP ou PCX 1 bit.</translation>
    </message>
    <message>
        <source>%1 is not a %2 image.</source>
        <translation>%1 n&apos;est pas une image %2.</translation>
    </message>
    <message>
        <source>%1 is an %2-bit colour image: the printer stores black-and-white (1-bit) images only.</source>
        <translation>%1 est une image couleur %2 bits : l&apos;imprimante n&apos;enregistre que des images en noir et blanc (1 bit).</translation>
    </message>
    <message>
        <source>%1 is a %2-bit colour image: the printer stores black-and-white (1-bit) images only.</source>
        <translation>%1 est une image couleur %2 bits : l&apos;imprimante n&apos;enregistre que des images en noir et blanc (1 bit).</translation>
    </message>
    <message>
        <source>%1 is cut short: it ends inside its header.</source>
        <translation>%1 est tronqué : il se termine dans son en-tête.</translation>
    </message>
    <message>
        <source>%1 has no pixels: its header gives %2 × %3 dots.</source>
        <translation>%1 n&apos;a aucun pixel : son en-tête indique %2 × %3 points.</translation>
    </message>
    <message>
        <source>%1 is cut short: its header gives %2 bytes, the file has %3.</source>
        <translation>%1 est tronqué : son en-tête indique %2 octets, le fichier en a %3.</translation>
    </message>
    <message>
        <source>%1&apos;s header gives its size as %2 bytes, but the file has %3.</source>
        <translation>L&apos;en-tête de %1 indique une taille de %2 octets, mais le fichier en a %3.</translation>
    </message>
    <message>
        <source>%1 has a bitmap header of %2 bytes, which no Windows bitmap has.</source>
        <translation>%1 a un en-tête bitmap de %2 octets, ce qu&apos;aucun bitmap Windows n&apos;a.</translation>
    </message>
    <message>
        <source>%1 gives %2 colour planes; a Windows bitmap has one.</source>
        <translation>%1 indique %2 plans de couleur ; un bitmap Windows n&apos;en a qu&apos;un.</translation>
    </message>
    <message>
        <source>%1 gives a bit depth of %2, which no Windows bitmap has.</source>
        <translation>%1 indique une profondeur de %2 bits, ce qu&apos;aucun bitmap Windows n&apos;a.</translation>
    </message>
    <message>
        <source>method %1</source>
        <translation>méthode %1</translation>
    </message>
    <message>
        <source>%1 is compressed (%2): the printer stores uncompressed bitmaps only.</source>
        <translation>%1 est compressé (%2) : l&apos;imprimante n&apos;enregistre que des bitmaps non compressés.</translation>
    </message>
    <message>
        <source>%1 has a palette of %2 colours; a 1-bit image has 2 at most.</source>
        <translation>%1 a une palette de %2 couleurs ; une image 1 bit en a 2 au plus.</translation>
    </message>
    <message>
        <source>%1&apos;s pixel data would start at byte %2, inside its header and palette.</source>
        <translation>Les données de pixels de %1 commenceraient à l&apos;octet %2, dans son en-tête et sa palette.</translation>
    </message>
    <message>
        <source>%1&apos;s header gives %2 bytes of pixel data, but %3 × %4 dots need %5.</source>
        <translation>L&apos;en-tête de %1 indique %2 octets de données de pixels, mais %3 × %4 points en demandent %5.</translation>
    </message>
    <message>
        <source>%1 is cut short: %2 × %3 dots need %4 bytes of pixel data, the file has %5 after its header.</source>
        <translation>%1 est tronqué : %2 × %3 points demandent %4 octets de données de pixels, le fichier en a %5 après son en-tête.</translation>
    </message>
    <message>
        <source>%1 is not a PCX image.</source>
        <translation>%1 n&apos;est pas une image PCX.</translation>
    </message>
    <message>
        <source>%1 is not run-length encoded as a PCX image is.</source>
        <translation>%1 n&apos;est pas codé par plages comme l&apos;est une image PCX.</translation>
    </message>
    <message>
        <source>%1 gives %2 bits per pixel in %3 planes, which no PCX image has.</source>
        <translation>%1 indique %2 bits par pixel sur %3 plans, ce qu&apos;aucune image PCX n&apos;a.</translation>
    </message>
    <message>
        <source>%1&apos;s lines of %2 bytes cannot hold %3 dots.</source>
        <translation>Les lignes de %2 octets de %1 ne peuvent pas contenir %3 points.</translation>
    </message>
    <message>
        <source>%1 is cut short: its pixel data ends after %2 of %3 lines.</source>
        <translation>%1 est tronqué : ses données de pixels s&apos;arrêtent après %2 lignes sur %3.</translation>
    </message>
    <message>
        <source>bit fields</source>
        <extracomment>A BMP compression kind: the pixels are read through colour masks.</extracomment>
        <translation>champs de bits</translation>
    </message>
    <message>
        <source> Add --convert to make one.</source>
        <translation> Ajoutez --convert pour en créer une.</translation>
    </message>
</context>
<context>
    <name>GraphicConvertDialog</name>
    <message>
        <source>Convert Graphic</source>
        <translation>Convertir le graphique</translation>
    </message>
    <message>
        <source>Original</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>For the printer (1-bit)</source>
        <translation>Pour l&apos;imprimante (1 bit)</translation>
    </message>
    <message>
        <source>Original Picture</source>
        <translation>Image d&apos;origine</translation>
    </message>
    <message>
        <source>Converted Picture</source>
        <translation>Image convertie</translation>
    </message>
    <message>
        <source>Conversion</source>
        <translation>Conversion</translation>
    </message>
    <message>
        <source>Scale the picture, keeping its aspect</source>
        <translation>Mettre l&apos;image à l&apos;échelle en gardant ses proportions</translation>
    </message>
    <message>
        <source>&amp;Width in dots:</source>
        <translation>&amp;Largeur en points :</translation>
    </message>
    <message>
        <source>Width in Dots</source>
        <translation>Largeur en points</translation>
    </message>
    <message>
        <source>Swap black and white</source>
        <translation>Inverser le noir et le blanc</translation>
    </message>
    <message>
        <source>&amp;Invert</source>
        <translation>&amp;Inverser</translation>
    </message>
    <message>
        <source>Dots darker than this grey print black</source>
        <translation>Les points plus sombres que ce gris sont imprimés en noir</translation>
    </message>
    <message>
        <source>&amp;Threshold:</source>
        <translation>&amp;Seuil :</translation>
    </message>
    <message>
        <source>Threshold</source>
        <translation>Seuil</translation>
    </message>
    <message>
        <source>Spread the greys as patterns of dots</source>
        <translation>Rendre les gris par des motifs de points</translation>
    </message>
    <message>
        <source>&amp;Dither (error diffusion)</source>
        <translation>&amp;Tramage (diffusion d&apos;erreur)</translation>
    </message>
    <message>
        <source>Save the converted picture as a BMP file</source>
        <translation>Enregistrer l&apos;image convertie en fichier BMP</translation>
    </message>
    <message>
        <source>&amp;Save as BMP…</source>
        <translation>&amp;Enregistrer en BMP…</translation>
    </message>
    <message>
        <source>Make the converted picture the graphic to store</source>
        <translation>Utiliser l&apos;image convertie comme graphique à stocker</translation>
    </message>
    <message>
        <source>&amp;Use</source>
        <translation>&amp;Utiliser</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Wider than the printable width of %1 dots set on Printer Configuration: the printer cuts off the rest.</source>
        <translation>Plus large que la largeur imprimable de %1 points réglée dans Configuration : l&apos;imprimante coupe le reste.</translation>
    </message>
    <message>
        <source>Bitmaps (*.bmp)|*.bmp</source>
        <translation>Images bitmap (*.bmp)|*.bmp</translation>
    </message>
    <message>
        <source>The picture could not be saved to %1: %2</source>
        <translation>L&apos;image n&apos;a pas pu être enregistrée dans %1 : %2</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>varimonde-setup: --lang takes a language code such as de or pt_BR; the texts stay in English.</source>
        <translation>varimonde-setup : --lang attend un code de langue comme de ou pt_BR ; les textes restent en anglais.</translation>
    </message>
    <message>
        <source>varimonde-setup: no translation into %1; the texts stay in English.</source>
        <translation>varimonde-setup : pas de traduction pour %1 ; les textes restent en anglais.</translation>
    </message>
</context>
<context>
    <name>LinkAddress</name>
    <message>
        <source>Serial %1 %2</source>
        <translation>Série %1 %2</translation>
    </message>
    <message>
        <source>Parallel %1 (%2)</source>
        <translation>Parallèle %1 (%2)</translation>
    </message>
    <message>
        <source>USB Printer %1</source>
        <translation>Imprimante USB %1</translation>
    </message>
    <message>
        <source>(none found)</source>
        <translation>(aucune trouvée)</translation>
    </message>
    <message>
        <source>Network %1</source>
        <translation>Réseau %1</translation>
    </message>
    <message>
        <source>(no address set)</source>
        <translation>(aucune adresse définie)</translation>
    </message>
</context>
<context>
    <name>LogWindow</name>
    <message>
        <source>Send Log</source>
        <translation>Journal des envois</translation>
    </message>
    <message>
        <source>Sends</source>
        <translation>Envois</translation>
    </message>
    <message>
        <source>Bytes of the selected send</source>
        <translation>Octets de l&apos;envoi choisi</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>&amp;Reset Settings...</source>
        <translation>&amp;Réinitialiser les réglages...</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>The log could not be saved: %1</source>
        <translation>Le journal n&apos;a pas pu être enregistré : %1</translation>
    </message>
    <message>
        <source>Text Files(*.txt)|*.txt|All Files(*.*)|*.*</source>
        <translation>Fichiers texte(*.txt)|*.txt|Tous les fichiers(*.*)|*.*</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Log</source>
        <translation>&amp;Journal</translation>
    </message>
    <message>
        <source>Communication Settings</source>
        <translation>Communication</translation>
    </message>
    <message>
        <source>Printer Configuration</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Étalonnage</translation>
    </message>
    <message>
        <source>Data Storage</source>
        <translation>Stockage</translation>
    </message>
    <message>
        <source>Binary Transfer</source>
        <translation>Transfert binaire</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Printer link</source>
        <translation>Liaison de l&apos;imprimante</translation>
    </message>
    <message>
        <source>Last send</source>
        <translation>Dernier envoi</translation>
    </message>
    <message>
        <source>The next send goes to: %1
Gives up after %2 s without an answer and %3 s without progress</source>
        <translation>Le prochain envoi va à : %1
Abandonne après %2 s sans réponse et %3 s sans progression</translation>
    </message>
    <message>
        <source>The next send goes to: %1</source>
        <translation>Le prochain envoi va à : %1</translation>
    </message>
    <message>
        <source>%1 of %2 bytes delivered</source>
        <translation>%1 octets sur %2 remis</translation>
    </message>
    <message>
        <source>Sent at %1 (%2)</source>
        <translation>Envoyé à %1 (%2)</translation>
    </message>
    <message>
        <source>Cancelled at %1 (%2)</source>
        <translation>Annulé à %1 (%2)</translation>
    </message>
    <message>
        <source>Failed at %1: %2 (%3)</source>
        <translation>Échec à %1 : %2 (%3)</translation>
    </message>
    <message>
        <source>Forget the window&apos;s size and place, the folders the file dialogs open in and the printer link?</source>
        <translation>Oublier la taille et la position de la fenêtre, les dossiers des boîtes de dialogue de fichiers et la liaison avec l&apos;imprimante ?</translation>
    </message>
    <message>
        <source>Reset Settings</source>
        <translation>Réinitialiser les réglages</translation>
    </message>
    <message>
        <source>Quit without sending the changed settings?</source>
        <translation>Quitter sans envoyer les réglages modifiés ?</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>A transfer to the printer is running. Stop it and quit?</source>
        <translation>Un envoi à l&apos;imprimante est en cours. L&apos;arrêter et quitter ?</translation>
    </message>
    <message>
        <source>Stop and Quit</source>
        <translation>Arrêter et quitter</translation>
    </message>
    <message>
        <source>Keep Sending</source>
        <translation>Continuer l&apos;envoi</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>The next send goes to: %1
Gives up after %2 s without progress</source>
        <translation>Le prochain envoi va à : %1
Abandonne après %2 s sans progression</translation>
    </message>
</context>
<context>
    <name>OperationBuilders</name>
    <message>
        <source>an empty identifier: the printer could never be asked for it</source>
        <translation>un identifiant vide : l&apos;imprimante ne pourrait jamais être interrogée à son sujet</translation>
    </message>
    <message>
        <source>No such USB printer: a USB printer is lp&lt;n&gt; in %1, such as %1/lp0</source>
        <translation>Imprimante USB inexistante : une imprimante USB est lp&lt;n&gt; dans %1, par exemple %1/lp0</translation>
    </message>
    <message>
        <source>Darkness must be a whole number from %1 to %2</source>
        <translation>La densité doit être un nombre entier de %1 à %2</translation>
    </message>
    <message>
        <source>--ribbon is for thermal transfer (--print-type TT) only</source>
        <translation>--ribbon ne vaut que pour le transfert thermique (--print-type TT)</translation>
    </message>
    <message>
        <source>--test-label takes 1 (the 4X3 label) or 2 (the 2.4X1 label), not &quot;%1&quot;</source>
        <translation>--test-label prend 1 (l&apos;étiquette 4X3) ou 2 (l&apos;étiquette 2.4X1), pas « %1 »</translation>
    </message>
</context>
<context>
    <name>PortDiscovery</name>
    <message>
        <source>%1 (not connected)</source>
        <translation>%1 (non connectée)</translation>
    </message>
</context>
<context>
    <name>ProfileActions</name>
    <message>
        <source>Error Opening File</source>
        <translation>Erreur à l&apos;ouverture du fichier</translation>
    </message>
    <message>
        <source>Load Configuration</source>
        <translation>Charger la configuration</translation>
    </message>
</context>
<context>
    <name>ProfileFile</name>
    <message>
        <source>Varimonde Printer Profile (*.vsp)|*.vsp|All Files(*.*)|*.*</source>
        <translation>Profil d&apos;imprimante Varimonde (*.vsp)|*.vsp|Tous les fichiers(*.*)|*.*</translation>
    </message>
</context>
<context>
    <name>SendLog</name>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Liaison</translation>
    </message>
    <message>
        <source>Sent</source>
        <translation>Envoyé</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Sent</source>
        <comment>a send&apos;s outcome</comment>
        <translation>Envoyé</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <comment>a send&apos;s outcome</comment>
        <translation>Annulé</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>Échec : %1</translation>
    </message>
    <message>
        <source>... %1 bytes not kept ...</source>
        <translation>... %1 octets non conservés ...</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 octets</translation>
    </message>
    <message>
        <source>%1 of %2 bytes delivered</source>
        <translation>%1 octets sur %2 livrés</translation>
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
        <translation>Connexion à %1…</translation>
    </message>
    <message>
        <source>Sending to %1…</source>
        <translation>Envoi à %1…</translation>
    </message>
    <message>
        <source>Printer Not Ready</source>
        <translation>Imprimante pas prête</translation>
    </message>
    <message>
        <source>Send to %1</source>
        <translation>Envoyer à %1</translation>
    </message>
    <message>
        <source>Apply the change first?</source>
        <translation>Appliquer d&apos;abord la modification ?</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>SnmpAnswer</name>
    <message>
        <source>ten-thousandths of an inch</source>
        <translation>dix-millièmes de pouce</translation>
    </message>
    <message>
        <source>micrometers</source>
        <translation>micromètres</translation>
    </message>
    <message>
        <source>characters</source>
        <translation>caractères</translation>
    </message>
    <message>
        <source>lines</source>
        <translation>lignes</translation>
    </message>
    <message>
        <source>impressions</source>
        <translation>impressions</translation>
    </message>
    <message>
        <source>sheets</source>
        <translation>feuilles</translation>
    </message>
    <message>
        <source>dot rows</source>
        <translation>lignes de points</translation>
    </message>
    <message>
        <source>hours</source>
        <translation>heures</translation>
    </message>
    <message>
        <source>feet</source>
        <translation>pieds</translation>
    </message>
    <message>
        <source>meters</source>
        <translation>mètres</translation>
    </message>
    <message>
        <source>other</source>
        <translation>autre unité</translation>
    </message>
    <message>
        <source>%1 d %2:%3:%4</source>
        <translation>%1 j %2:%3:%4</translation>
    </message>
</context>
<context>
    <name>StorageCommands</name>
    <message>
        <source>The identifier contains a control character (%1), which the printer would take as part of a command. Use letters, digits and symbols.</source>
        <translation>L&apos;identifiant contient un caractère de contrôle (%1), que l&apos;imprimante prendrait pour une partie d&apos;une commande. Utilisez des lettres, des chiffres et des symboles.</translation>
    </message>
    <message>
        <source>The identifier contains “%1”, which the printer cannot receive. Use letters, digits and symbols of Western European text.</source>
        <translation>L&apos;identifiant contient « %1 », que l&apos;imprimante ne peut pas recevoir. Utilisez des lettres, des chiffres et des symboles d&apos;Europe occidentale.</translation>
    </message>
    <message>
        <source>Valid Identifier must be no more than 8 characters.</source>
        <translation>Un identifiant valide comporte au plus 8 caractères.</translation>
    </message>
    <message>
        <source>Identifier must be 8 chars or less</source>
        <translation>L&apos;identifiant doit comporter 8 caractères au plus</translation>
    </message>
    <message>
        <source>Invalid Quantity: enter a whole number of labels from 1 to 32767</source>
        <translation>Quantité non valide : entrez un nombre entier d&apos;étiquettes de 1 à 32767</translation>
    </message>
</context>
<context>
    <name>StoragePage</name>
    <message>
        <source>Graphic Storage</source>
        <translation>Stockage de graphiques</translation>
    </message>
    <message>
        <source>Graphic Type</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Select Bitmap</source>
        <translation>Choisir BMP</translation>
    </message>
    <message>
        <source>&amp;BMP</source>
        <translation>&amp;BMP</translation>
    </message>
    <message>
        <source>Select PCX</source>
        <translation>Choisir PCX</translation>
    </message>
    <message>
        <source>PC&amp;X</source>
        <translation>PC&amp;X</translation>
    </message>
    <message>
        <source>Graphic File</source>
        <translation>Fichier graphique</translation>
    </message>
    <message>
        <source>Bro&amp;wse</source>
        <translation>&amp;Parcourir</translation>
    </message>
    <message>
        <source>Send stored graphics / programs to printer</source>
        <translation>Stocker un graphique ou un programme dans l&apos;imprimante</translation>
    </message>
    <message>
        <source>&amp;Store Graphic to Printer</source>
        <translation>&amp;Stocker le graphique</translation>
    </message>
    <message>
        <source>File Size:</source>
        <translation>Taille :</translation>
    </message>
    <message>
        <source>0 Bytes</source>
        <translation>0 octet</translation>
    </message>
    <message>
        <source>Storing Progress</source>
        <translation>Progression du stockage</translation>
    </message>
    <message>
        <source>Stop the transfer to the printer (Esc)</source>
        <translation>Arrêter l&apos;envoi à l&apos;imprimante (Échap)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Graphic Preview</source>
        <translation>Aperçu du graphique</translation>
    </message>
    <message>
        <source>Make a black-and-white (1-bit) BMP from a picture of any kind</source>
        <translation>Crée un BMP noir et blanc (1 bit) à partir d&apos;une image de tout type</translation>
    </message>
    <message>
        <source>Con&amp;vert…</source>
        <translation>Con&amp;vertir…</translation>
    </message>
    <message>
        <source>Note: You may only store BLACK AND WHITE Images</source>
        <translation>Images NOIR ET BLANC seulement</translation>
    </message>
    <message>
        <source>Stored Formats</source>
        <translation>Formats stockés</translation>
    </message>
    <message>
        <source>Format Type</source>
        <translation>Type de format</translation>
    </message>
    <message>
        <source>Program is already named.  User will not be prompted.</source>
        <translation>Le programme est déjà nommé : aucune question ne sera posée.</translation>
    </message>
    <message>
        <source>Pri&amp;nt Format</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>Converts standard formats to stored formats.  The user will be prompted for the stored formats name</source>
        <translation>Convertit les formats courants en formats stockés. Le nom de l&apos;objet stocké vous sera demandé</translation>
    </message>
    <message>
        <source>Store Form&amp;at</source>
        <translation>S&amp;tocker</translation>
    </message>
    <message>
        <source>Format File</source>
        <translation>Fichier de format</translation>
    </message>
    <message>
        <source>B&amp;rowse</source>
        <translation>Pa&amp;rcourir</translation>
    </message>
    <message>
        <source>Prin&amp;t Format</source>
        <translation>Imprimer le forma&amp;t</translation>
    </message>
    <message>
        <source>View File</source>
        <translation>Voir</translation>
    </message>
    <message>
        <source>Prints list of all stored formats / graphics</source>
        <translation>Imprime la liste des formats et graphiques stockés</translation>
    </message>
    <message>
        <source>L&amp;ist Stored Objects</source>
        <translation>&amp;Lister</translation>
    </message>
    <message>
        <source> Note: Removing stored objects from the printer increases available memory.</source>
        <translation> Remarque : retirer des objets stockés de l&apos;imprimante libère de la mémoire.</translation>
    </message>
    <message>
        <source>&amp;Delete Stored Object</source>
        <translation>S&amp;upprimer</translation>
    </message>
    <message>
        <source>Prints sample of stored object</source>
        <translation>Imprime un échantillon de l&apos;objet stocké</translation>
    </message>
    <message>
        <source>Recall Stored &amp;Object</source>
        <translation>Rappeler un &amp;objet</translation>
    </message>
    <message>
        <source>Recall Type</source>
        <translation>Type de rappel</translation>
    </message>
    <message>
        <source>Recall I&amp;mage</source>
        <translation>I&amp;mage</translation>
    </message>
    <message>
        <source>Recall &amp;Format</source>
        <translation>&amp;Format</translation>
    </message>
    <message>
        <source>Drawing…</source>
        <translation>Dessin…</translation>
    </message>
    <message>
        <source>Not a 1-bit %1 the printer takes</source>
        <translation>Pas un %1 à 1 bit tel que l&apos;imprimante l&apos;accepte</translation>
    </message>
    <message>
        <source>Cannot be stored as %1</source>
        <translation>Ne peut pas être stocké en %1</translation>
    </message>
    <message>
        <source>&amp;Print Format</source>
        <translation>Imprim&amp;er le format</translation>
    </message>
    <message>
        <source>Store Format to Prin&amp;ter</source>
        <translation>Stock&amp;er le format</translation>
    </message>
    <message>
        <source>DATA STORAGE</source>
        <translation>STOCKAGE</translation>
    </message>
    <message>
        <source>READ INTO MEMORY</source>
        <translation>LU EN MÉMOIRE</translation>
    </message>
    <message>
        <source>Out of memory: %1 is too large to send as a label format.</source>
        <translation>Mémoire insuffisante : %1 est trop grand pour être envoyé comme format d&apos;étiquette.</translation>
    </message>
    <message>
        <source>Pictures (*.bmp;*.pcx)|*.bmp;*.pcx</source>
        <translation>Images (*.bmp;*.pcx)|*.bmp;*.pcx</translation>
    </message>
    <message>
        <source>%1 Bytes</source>
        <translation>%1 octets</translation>
    </message>
    <message>
        <source>READING INTO MEMORY</source>
        <translation>LECTURE EN MÉMOIRE</translation>
    </message>
    <message>
        <source>READING FAILED</source>
        <translation>ÉCHEC DE LA LECTURE</translation>
    </message>
    <message>
        <source>CONVERTED INTO MEMORY</source>
        <translation>CONVERTI EN MÉMOIRE</translation>
    </message>
    <message>
        <source>No graphic has been read. Use Browse to choose one first.</source>
        <translation>Aucun graphique n&apos;a été lu. Choisissez-en d&apos;abord un avec Parcourir.</translation>
    </message>
    <message>
        <source>Enter Identifier</source>
        <translation>Entrez l&apos;identifiant</translation>
    </message>
    <message>
        <source>SENDING FILE TO PRINTER</source>
        <translation>ENVOI DU FICHIER À L&apos;IMPRIMANTE</translation>
    </message>
    <message>
        <source>Sending</source>
        <translation>Envoi</translation>
    </message>
    <message>
        <source>FINISHED STORING %1</source>
        <translation>%1 STOCKÉ</translation>
    </message>
    <message>
        <source>STORING CANCELLED</source>
        <translation>STOCKAGE ANNULÉ</translation>
    </message>
    <message>
        <source>STORING FAILED</source>
        <translation>ÉCHEC DU STOCKAGE</translation>
    </message>
    <message>
        <source>Text Files(*.txt)|*.txt|All Files(*.*)|*.*</source>
        <translation>Fichiers texte(*.txt)|*.txt|Tous les fichiers(*.*)|*.*</translation>
    </message>
    <message>
        <source>You must select a pre-created label format.</source>
        <translation>Vous devez choisir un format d&apos;étiquette déjà préparé.</translation>
    </message>
    <message>
        <source>You must select a label file to send to the printer.</source>
        <translation>Vous devez choisir un fichier d&apos;étiquette à envoyer à l&apos;imprimante.</translation>
    </message>
    <message>
        <source>Label Format Printing</source>
        <translation>Impression du format d&apos;étiquette</translation>
    </message>
    <message>
        <source>Enter Format Identifier</source>
        <translation>Entrez l&apos;identifiant du format</translation>
    </message>
    <message>
        <source>8 Characters or less please</source>
        <translation>8 caractères au plus</translation>
    </message>
    <message>
        <source>File Format Storage</source>
        <translation>Stockage du format</translation>
    </message>
    <message>
        <source>Enter Stored Graphic to Print</source>
        <translation>Entrez le graphique stocké à imprimer</translation>
    </message>
    <message>
        <source>Enter Label Format to Print</source>
        <translation>Entrez le format d&apos;étiquette à imprimer</translation>
    </message>
    <message>
        <source>Enter Quantity</source>
        <translation>Entrez la quantité</translation>
    </message>
    <message>
        <source>Delete Stored Object</source>
        <translation>Supprimer un objet stocké</translation>
    </message>
    <message>
        <source>Enter Identifier of Object to Delete</source>
        <translation>Entrez l&apos;identifiant de l&apos;objet à supprimer</translation>
    </message>
    <message>
        <source>Graphic %1, %2 bytes</source>
        <translation>Graphique %1, %2 octets</translation>
    </message>
    <message>
        <source>Label format %1</source>
        <translation>Format d’étiquette %1</translation>
    </message>
    <message>
        <source>Label format %1, stored as %2</source>
        <translation>Format d’étiquette %1, enregistré sous %2</translation>
    </message>
    <message>
        <source>Recall graphic %1</source>
        <translation>Rappel du graphique %1</translation>
    </message>
    <message>
        <source>Recall format %1</source>
        <translation>Rappel du format %1</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>Suppression de %1</translation>
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
        <translation>l&apos;imprimante n&apos;a pris aucune donnée depuis %1 s</translation>
    </message>
    <message>
        <source>%1/s</source>
        <translation>%1/s</translation>
    </message>
    <message>
        <source>about %1 left</source>
        <translation>environ %1 restant</translation>
    </message>
    <message>
        <source>%1 %2 of %3</source>
        <translation>%1 : %2 sur %3</translation>
    </message>
</context>
</TS>
