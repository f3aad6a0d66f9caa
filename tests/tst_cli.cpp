// The command line sends what the window sends: each action's bytes are
// compared with those the window puts on a pseudo-terminal for the same
// clicks; a profile the window refuses is refused with the window's words;
// several printers at once report each outcome; an interrupt cancels all.
#include "cli/CommandLine.h"
#include "cli/DryRun.h"
#include "cli/Target.h"
#include "link/PortNames.h"
#include "printer/StorageCommands.h"
#include "profile/ProfileRecord.h"
#include "support/CliRun.h"
#include "support/Pictures.h"
#include "support/TestMain.h"
#include "support/WindowDriver.h"

#include <QAbstractButton>
#include <QBuffer>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QUdpSocket>

#include <csignal>
#include <sys/socket.h>

Q_DECLARE_METATYPE(ProfileRecord)

namespace
{

QByteArray profile(const ProfileRecord &record)
{
    return std::get<QByteArray>(ProfileCodec::encode(record));
}

// The window's message boxes for `steps`; input boxes are the arguments' part.
QStringList click(WindowDriver &ui, const QStringList &steps)
{
    QStringList boxes = ui.run(steps);
    boxes.erase(std::remove_if(boxes.begin(), boxes.end(),
                               [](const QString &box) { return box.startsWith("Enter "); }),
                boxes.end());
    return boxes;
}

const QByteArray formatFile = "NAME\r\nA 1\rB\n2\r\n";

// A printer on loopback that takes everything and keeps it.
class LoopbackPrinter : public QObject
{
public:
    LoopbackPrinter()
    {
        server.listen(QHostAddress::LocalHost);
        connect(&server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = server.nextPendingConnection())
                connect(socket, &QTcpSocket::readyRead, this,
                        [this, socket] { received += socket->readAll(); });
        });
    }
    QString target() const { return "tcp://127.0.0.1:" + QString::number(server.serverPort()); }
    QTcpServer server;
    QByteArray received;
};

// A printer that reads `perTick` bytes every 100 ms behind a small receive
// buffer: a send to it lasts, and its progress moves.
class SlowPrinter : public LoopbackPrinter
{
public:
    explicit SlowPrinter(int perTick)
    {
        const int small = 4096;
        ::setsockopt(int(server.socketDescriptor()), SOL_SOCKET, SO_RCVBUF, &small, sizeof small);
        disconnect(&server, nullptr, this, nullptr);
        connect(&server, &QTcpServer::newConnection, this, [this, perTick] {
            while (QTcpSocket *socket = server.nextPendingConnection()) {
                socket->setReadBufferSize(perTick);
                auto *tick = new QTimer(socket);
                connect(tick, &QTimer::timeout, socket,
                        [this, socket, perTick] { received += socket->read(perTick); });
                tick->start(100);
            }
        });
    }
};

// The silent name server of a test: it takes queries on a loopback address
// and never answers, as a name server gone quiet does.
struct SilentNameServer {
    QUdpSocket socket;
    bool listening = socket.bind(QHostAddress("127.0.0.153"), 53);
};

// The printers of the report of a run that an interrupt ended: status 130,
// in the report too; `why` says what else it was.
QJsonArray interruptedPrinters(const QProcess &cli, const QString &report, QString &why)
{
    QFile json(report);
    json.open(QIODevice::ReadOnly);
    const QJsonObject root = QJsonDocument::fromJson(json.readAll()).object();
    if (cli.exitStatus() != QProcess::NormalExit || cli.exitCode() != 130 ||
        root["exitStatus"].toInt() != 130)
        why = QStringLiteral("ended with %1 (%2), report %3")
                  .arg(cli.exitCode())
                  .arg(cli.exitStatus())
                  .arg(QString::fromUtf8(QJsonDocument(root).toJson()));
    return root["printers"].toArray();
}

} // namespace

class TestCli : public QObject
{
    Q_OBJECT

    std::unique_ptr<WindowDriver> linkWindow; // one for every row

    QTemporaryDir dir;
    QByteArray picture, firmware;

    QString file(const QString &name, const QByteArray &bytes)
    {
        QFile out(dir.filePath(name));
        out.open(QIODevice::WriteOnly);
        out.write(bytes);
        return out.fileName();
    }

private slots:
    void initTestCase()
    {
        for (int i = 0; i < 301; ++i)
            picture.append(char(i * 7 + 0x11));
        firmware = picture.repeated(3);
    }

    // The same action through the window's buttons and through the command
    // line: byte for byte the same.
    void actionsSendTheWindowsBytes_data()
    {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QString>("arguments");
        QTest::newRow("calibrate") << QStringList{"CalCmd"} << "--calibrate gap --print-type DT";
        QTest::newRow("calibrate bar, premium resin")
            << QStringList{"combo:CIndexCmb=BAR", "combo:CPrintModeCMB=TT",
                           "combo:RibbonCMB=PREMIUM RESIN", "CalCmd"}
            << "--calibrate BAR --print-type tt --ribbon 2";
        QTest::newRow("4X3 label") << QStringList{"TestOp1", "TestCMD"} << "--test-label 1";
        QTest::newRow("2.4X1 label") << QStringList{"TestOp2", "TestCMD"} << "--test-label 2";
        QTest::newRow("graphic, PCX")
            << QStringList{"GSPCXOp", "BrowseCMD=file:pic.pcx", "StoreCMD=logo"}
            << "--store-graphic pic.pcx --id logo --pcx";
        QTest::newRow("print format")
            << QStringList{"FPrintOp1", "FBrowseCMD=file:fmt.txt", "FStoreCMD"}
            << "--print-format fmt.txt";
        QTest::newRow("store format")
            << QStringList{"FSTandardOp1", "FBrowseCMD=file:fmt.txt", "FStoreCMD=Fmt"}
            << "--store-format fmt.txt --id Fmt";
        // Eight characters is the longest identifier stored; nine are refused
        // below, as in the window.
        QTest::newRow("store format, 8 characters")
            << QStringList{"FSTandardOp1", "FBrowseCMD=file:fmt.txt", "FStoreCMD=Fmt45678"}
            << "--store-format fmt.txt --id Fmt45678";
        QTest::newRow("graphic, 8 characters")
            << QStringList{"GSPCXOp", "BrowseCMD=file:pic.pcx", "StoreCMD=abcdefgh", "GSBMPop"}
            << "--store-graphic pic.pcx --id abcdefgh --pcx";
        QTest::newRow("recall image")
            << QStringList{"Option1", "RecallCMD=logo"} << "--recall-image logo";
        QTest::newRow("recall format")
            << QStringList{"Option2", "RecallCMD=fmt;3"} << "--recall-format fmt --quantity 3";
        QTest::newRow("recall format, one")
            << QStringList{"Option2", "RecallCMD=fmt;1"} << "--recall-format fmt";
        QTest::newRow("delete") << QStringList{"DeleteCMD=logo"} << "--delete logo";
        QTest::newRow("list") << QStringList{"ListCMD"} << "--list";
        QTest::newRow("firmware") << QStringList{"BMemCMD=file:fw.bin", "BUpLoadCMD"}
                                  << "--firmware fw.bin";
        QTest::newRow("raw bytes")
            << QStringList{"BMemCMD=file:fmt.txt", "BUpLoadCMD"} << "--send fmt.txt";
        QTest::newRow("two actions in order")
            << QStringList{"ListCMD", "DeleteCMD=a"} << "--list --delete a";
    }
    void actionsSendTheWindowsBytes()
    {
        QFETCH(QStringList, clicks);
        QFETCH(QString, arguments);
        WindowDriver ui;
        ui.file("pic.pcx", Pictures::pcx(16, 60));
        ui.file("fw.bin", firmware);
        ui.file("fmt.txt", formatFile);
        QStringList steps;
        for (const QString &step : clicks) {
            if (step.startsWith("combo:"))
                ui.control<QComboBox>(step.section('=', 0, 0).mid(6))
                    ->setCurrentText(step.section('=', 1));
            else
                steps << step;
        }
        QCOMPARE(click(ui, steps), QStringList());
        const QByteArray window = ui.pty.readAvailable();
        QVERIFY(!window.isEmpty());

        QStringList words = arguments.split(' ');
        for (QString &word : words)
            if (word.contains('.'))
                word = ui.dir.filePath(word);
        const Ran cli = runCli(words + QStringList{"--dry-run"});
        QCOMPARE(cli.status, 0);
        QCOMPARE(cli.out, window);
    }

    // A picture converted in the window's dialog and on the command line
    // with the same options: the same bytes stored, and the same image
    // written by a dry run to a *.bmp file and by the dialog's Save.
    void conversionsSendTheWindowsBytes_data()
    {
        QTest::addColumn<QString>("options");
        QTest::addColumn<QString>("size");
        QTest::newRow("as it is") << ""
                                  << "30 × 20 dots, 3.8 × 2.5 mm";
        QTest::newRow("threshold, width") << "--threshold 90 --width 45"
                                          << "45 × 30 dots, 5.6 × 3.8 mm";
        QTest::newRow("dithered, inverted, narrower") << "--dither --invert --width 13"
                                                      << "13 × 9 dots, 1.6 × 1.1 mm";
    }
    void conversionsSendTheWindowsBytes()
    {
        QFETCH(QString, options);
        QFETCH(QString, size);
        WindowDriver ui;
        QImage drawn(30, 20, QImage::Format_ARGB32);
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 30; ++x)
                drawn.setPixel(x, y, qRgba(x * 8, y * 12, 200 - x * 6, 255 - y * 5));
        const QString png = ui.file("logo.png", Pictures::png(drawn));
        const QStringList words = options.split(' ', Qt::SkipEmptyParts);

        QString shownSize;
        {
            ModalAnswerer boxes;
            boxes.chooseFile(png).then([&](QWidget *box) {
                const auto set = [&](const char *name) { return box->findChild<QWidget *>(name); };
                for (int i = 0; i < words.size(); ++i) {
                    if (words[i] == "--dither")
                        qobject_cast<QAbstractButton *>(set("DitherOp"))->click();
                    else if (words[i] == "--invert")
                        qobject_cast<QAbstractButton *>(set("InvertChk"))->click();
                    else if (words[i] == "--threshold")
                        qobject_cast<QSpinBox *>(set("ThresholdSpin"))
                            ->setValue(words[++i].toInt());
                    else if (words[i] == "--width") {
                        qobject_cast<QAbstractButton *>(set("WidthChk"))->click();
                        qobject_cast<QSpinBox *>(set("WidthSpin"))->setValue(words[++i].toInt());
                    }
                }
                shownSize = qobject_cast<QLabel *>(set("ResultSizeLbl"))->text();
                qobject_cast<QAbstractButton *>(set("UseCMD"))->click();
            });
            ui.click("ConvertCMD");
            QCOMPARE(boxes.summary().size(), 2);
        }
        QCOMPARE(shownSize, size);
        QCOMPARE(ui.control<QLabel>("GraphicSizeLbl")->text(), size);
        QCOMPARE(click(ui, {"StoreCMD=logo"}), QStringList());
        const QByteArray window = ui.pty.readAvailable();

        const QStringList stored{"--store-graphic", png, "--id", "logo", "--convert"};
        const Ran cli = runCli(stored + words + QStringList{"--dry-run"});
        QCOMPARE(cli.status, 0);
        QCOMPARE(cli.out, window);
        const QString image = ui.dir.filePath("out.bmp");
        QCOMPARE(runCli(stored + words + QStringList{"--dry-run", "--output", image}).status, 0);
        const QByteArray header = StorageCommands::graphicStoreHeader("BMP", "LOGO").toLatin1();
        QCOMPARE(fileBytes(image), window.mid(header.size(), window.size() - header.size() - 2));
    }

    // A profile goes in as the window's import puts it into a fresh tab;
    // the upload after it is the command line's configuration block.
    void profilesSendTheWindowsBlock_data()
    {
        QTest::addColumn<ProfileRecord>("record");
        QTest::newRow("all off") << ProfileRecord{0, 0,   0, "416", 0, "NORMAL", 0,
                                                  0, 100, 0, 4096,  0, 0,        "DT"};
        QTest::newRow("all on") << ProfileRecord{1, 30,  1, "300", 1,    "HIGHSPEED", 1,
                                                 0, 180, 1, 8192,  5000, 1,           "TT"};
        QTest::newRow("grayed, emulation off, least darkness")
            << ProfileRecord{2, -20, 2, "-5", 2, "LOWSPEED", 2, 2, 1, 2, 1024, 0, 2, "DT"};
        QTest::newRow("greatest darkness")
            << ProfileRecord{1, 255, 0, "416", 0, "NORMAL", 0, 0, 100, 0, 4096, 0, 0, "DT"};
        // The overflow keeps the maximum of the start, 3072, when the main
        // buffer leaves no room for one.
        QTest::newRow("small main buffer keeps the old maximum")
            << ProfileRecord{0, 0, 0, "416", 0, "NORMAL", 0, 0, 100, 1, 1000, 3072, 0, "DT"};
        QTest::newRow("width with blanks and exponent")
            << ProfileRecord{0, 0, 1, " 4e2 ", 0, "NORMAL", 0, 0, 250, 0, 65536, 64512, 0, "DT"};
    }
    void profilesSendTheWindowsBlock()
    {
        QFETCH(ProfileRecord, record);
        WindowDriver ui;
        ui.file("p.vsp", profile(record));
        QCOMPARE(click(ui, {"LoadCMD=file:p.vsp", "UploadCMD"}), QStringList());
        const QByteArray window = ui.pty.readAvailable();
        const Ran cli = runCli({"--profile", ui.dir.filePath("p.vsp"), "--dry-run"});
        QCOMPARE(cli.err, QString());
        QCOMPARE(cli.out, window);
    }

    // What the window's import shows in boxes, the command line prints as
    // refusals, in the same order, and sends nothing.
    void refusedProfilesSayWhatTheWindowSays_data()
    {
        QTest::addColumn<ProfileRecord>("record");
        QTest::addColumn<int>("boxes");
        QTest::addColumn<QString>("stop"); // what the command line adds to the stopping box
        QTest::newRow("print speed")
            << ProfileRecord{0, 0, 0, "416", 0, "FAST", 0, 0, 100, 0, 4096, 0, 0, "DT"} << 1
            << QString();
        QTest::newRow("mode, width letters")
            << ProfileRecord{0, 0, 0, "wide", 0, "NORMAL", 0, 0, 100, 0, 4096, 0, 0, "dt"} << 2
            << QString();
        QTest::newRow("width too wide, empty speed")
            << ProfileRecord{0, 0, 0, "417", 0, "", 0, 0, 100, 0, 4096, 0, 0, "DT"} << 2
            << QString();
        QTest::newRow("width beyond any number")
            << ProfileRecord{0, 0, 0, "1e999", 0, "NORMAL", 0, 0, 100, 0, 4096, 0, 0, "DT"} << 1
            << QString();
        QTest::newRow("switch state 3 stops")
            << ProfileRecord{3, 0, 0, "417", 0, "NORMAL", 0, 0, 100, 0, 4096, 0, 0, "DT"} << 1
            << QString("DarkEnable 3; a switch is 0 (off), 1 (on) or 2 (grayed)");
        QTest::newRow("scaler 0 stops before the speed")
            << ProfileRecord{0, 0, 0, "416", 0, "X", 0, 0, 0, 0, 4096, 0, 0, "Y"} << 1
            << QString("Scaler 0; the slider takes 1 to 250");
        QTest::newRow("nothing set stops at the scaler")
            << ProfileRecord{} << 1 << QString("Scaler 0; the slider takes 1 to 250");
        // The darkness slider's range holds whether or not its switch is on.
        QTest::newRow("darkness 300, on")
            << ProfileRecord{1, 300, 0, "416", 0, "NORMAL", 0, 0, 100, 0, 4096, 0, 0, "DT"} << 1
            << QString("Darkness 300; the slider takes -20 to 255");
        QTest::newRow("darkness 256, off")
            << ProfileRecord{0, 256, 0, "416", 0, "NORMAL", 0, 0, 100, 0, 4096, 0, 0, "DT"} << 1
            << QString("Darkness 256; the slider takes -20 to 255");
        QTest::newRow("darkness -21, on")
            << ProfileRecord{1, -21, 0, "416", 0, "NORMAL", 0, 0, 100, 0, 4096, 0, 0, "DT"} << 1
            << QString("Darkness -21; the slider takes -20 to 255");
        QTest::newRow("overflow above main less 1024")
            << ProfileRecord{0, 0, 0, "416", 0, "NORMAL", 0, 0, 100, 1, 2048, 1025, 0, "DT"} << 1
            << QString("OverflowBuffer 1025; the slider takes 0 to 1024");
        QTest::newRow("main buffer above 65536")
            << ProfileRecord{0, 0, 0, "416", 0, "NORMAL", 0, 0, 100, 1, 65537, 0, 0, "DT"} << 1
            << QString("MainBuffer 65537; the slider takes 0 to 65536");
    }
    void refusedProfilesSayWhatTheWindowSays()
    {
        QFETCH(ProfileRecord, record);
        QFETCH(int, boxes);
        QFETCH(QString, stop);
        WindowDriver ui;
        ui.file("p.vsp", profile(record));
        QStringList seen = click(ui, {"LoadCMD=file:p.vsp;<ok>;<ok>;<ok>;<ok>"});
        seen.removeAll("Error Opening File|Load Configuration");
        QCOMPARE(seen.size(), boxes);

        const Ran cli = runCli({"--profile", ui.dir.filePath("p.vsp"), "--dry-run"});
        QCOMPARE(cli.status, 2);
        QCOMPARE(cli.out, QByteArray());
        const QStringList lines = cli.err.trimmed().split('\n');
        QCOMPARE(lines.size(), boxes);
        if (!stop.isEmpty())
            QVERIFY2(lines.last().endsWith(" (" + stop + ")"), qPrintable(lines.last()));
        for (int i = 0; i < boxes; ++i)
            QVERIFY2(lines[i].contains(": " + seen[i].section('|', 0, 0)),
                     qPrintable(lines[i] + " / " + seen[i]));
    }

    // Nothing is sent when any argument is wrong: one line each, status 2.
    void badArgumentsEndWithStatus2_data()
    {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<QString>("says");
        const QList<QStringList> rows = {
            {"--to COM1 --lisst", "Unknown option 'lisst'"},
            {"--list", "no printer to send to"},
            {"--to COM1", "nothing to send"},
            {"--to COM1 --list --id A", "--id belongs right after"},
            {"--to COM1 --store-format fmt.txt", "needs --id"},
            {"--to COM1 --store-graphic pic.bmp --id ABCDEFGHI",
             "Valid Identifier must be no more than 8 characters."},
            {"--to COM1 --store-format fmt.txt --id ABCDEFGHI",
             "Identifier must be 8 chars or less"},
            {"--to COM1 --delete A\u20ACB",
             "contains \u201C\u20AC\u201D, which the printer cannot receive"},
            {"--to COM1 --recall-format F --quantity 40000", "Invalid Quantity"},
            {"--to COM1 --calibrate notch --print-type DT", "Index type must be BAR or GAP"},
            {"--to COM1 --calibrate gap --print-type XX", "Print Type must be DT or TT"},
            {"--to COM1 --calibrate gap --print-type TT --ribbon 3",
             "Type must be Wax, Wax/Resin, or Preimum Resin"},
            {"--to COM1 --calibrate gap --print-type DT --ribbon 0", "thermal transfer"},
            {"--to COM1 --test-label 3", "--test-label takes 1"},
            {"--to COM1 --firmware .", "is not a regular file"},
            {"--to COM1 --firmware none.bin", "File not found"},
            {"--to LPT3 --list", "target \"LPT3\""},
            {"--to COM1 --list --jobs 0", "--jobs takes a whole number"},
            {"--to COM1 --list --hex", "--hex goes with"},
            {"--to COM1 --list --progress xml", "--progress takes json, not \"xml\""},
            {"--list --dry-run --progress json", "leave out --dry-run"},
            {"--to COM1 --list --progress-interval 0", "--progress-interval takes a whole"},
            {"--to COM1 --store-graphic colour.bmp --id A",
             "colour.bmp is a 24-bit colour image: the printer stores black-and-white (1-bit) "
             "images only. Use Convert… to make one."},
            {"--to COM1 --store-graphic pic.bmp --id A --pcx",
             "pic.bmp is a BMP image, but PCX is chosen as its type: store it as BMP."},
            {"--to COM1 --store-graphic fmt.txt --id A --convert",
             "fmt.txt cannot be read as a picture"},
            {"--to COM1 --store-graphic pic.bmp --id A --dither", "--dither goes with --convert"},
            {"--to COM1 --store-graphic pic.bmp --id A --convert --pcx", "leave out --pcx"},
            {"--to COM1 --store-graphic pic.bmp --id A --convert --dither --threshold 9",
             "--dither and --threshold exclude each other"},
            {"--to COM1 --store-graphic pic.bmp --id A --convert --threshold 256",
             "--threshold takes a grey from 1 to 255, not \"256\""},
            {"--to COM1 --store-graphic pic.bmp --id A --convert --width 0",
             "--width takes a number of dots from 1 to 4000, not \"0\""},
            {"--store-graphic pic.bmp --id A --convert --store-graphic pic.bmp --id B --convert "
             "--dry-run --output two.bmp",
             "takes the image of one --convert, not 2"}};
        for (const QStringList &row : rows)
            QTest::newRow(qPrintable(row[0])) << row[0] << row[1];
    }
    void badArgumentsEndWithStatus2()
    {
        QFETCH(QString, arguments);
        QFETCH(QString, says);
        file("pic.bmp", Pictures::bmp(8, 8));
        file("colour.bmp", Pictures::bmp(8, 8, 24));
        file("fmt.txt", formatFile);
        QStringList words = arguments.split(' ');
        for (QString &word : words)
            if (word.endsWith(".bmp") || word.endsWith(".txt"))
                word = dir.filePath(word);
        const Ran cli = runCli(words);
        QCOMPARE(cli.status, 2);
        QVERIFY2(cli.err.contains(says), qPrintable(cli.err));
        QCOMPARE(cli.out, QByteArray());
    }

    void targetsAreRead_data()
    {
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>(
            "read"); // kind, device or host, port, serial settings; or the refusal
        // Parsing only: nothing here is opened or looked up.
        const QList<QStringList> rows = {
            {"com3", "serial /dev/ttyS2 0 9600,N,8,1"},
            {"COM1:19200,E,7,2", "serial /dev/ttyS0 0 19200,E,7,2"},
            {"/dev/ttyUSB0:9600,N,8,1", "serial /dev/ttyUSB0 0 9600,N,8,1"},
            {"/dev/serial/by-id/a:b", "serial /dev/serial/by-id/a:b 0 9600,N,8,1"},
            {"lpt2", "parallel /dev/lp1 0 "},
            {"usb:/dev/usb/lp0", "usb /dev/usb/lp0 0 "},
            {"tcp://printer-7", "network printer-7 9100 "},
            {"tcp://127.0.0.2:6101", "network 127.0.0.2 6101 "},
            {"tcp://[::1]:9101", "network ::1 9101 "},
            {"tcp://::1", "in brackets"},
            {"tcp://[::1", "closing ]"},
            {"tcp://h:0", "from 1 to 65535"},
            {"tcp://", "Invalid Network Printer"},
            {"COM0", "numbered 1 to 255"},
            {"COM99999999999", "numbered 1 to 255"},
            {"COM1:9600,N,9,1", "must read baud"},
            {"usb:", "name the USB printer device"},
            {"printer1", "give COMn"}};
        for (const QStringList &row : rows)
            QTest::newRow(qPrintable(row[0])) << row[0] << row[1];
    }
    void targetsAreRead()
    {
        QFETCH(QString, written);
        QFETCH(QString, read);
        const std::variant<Target, QString> parsed = Target::parse(written);
        if (const QString *why = std::get_if<QString>(&parsed)) {
            QVERIFY2(why->startsWith("target \"" + written + "\": ") && why->contains(read),
                     qPrintable(*why));
            return;
        }
        const Target &target = std::get<Target>(parsed);
        const LinkAddress &address = target.address;
        const char *kinds[] = {"serial", "parallel", "usb", "network"};
        const bool network = address.kind() == LinkAddress::Kind::Network;
        QCOMPARE(QStringLiteral("%1 %2 %3 %4")
                     .arg(kinds[int(address.kind())], network ? address.host() : target.portKey())
                     .arg(network ? address.port() : 0)
                     .arg(address.kind() == LinkAddress::Kind::Serial
                              ? address.serialSettings().toText()
                              : QString()),
                 read);
    }

    // A link is taken or refused alike on the command line and on the
    // Communication Settings tab, in the window's words; one taken is the
    // same link in both.
    void linksAreCheckedAlike_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("fields");  // typed on the tab, then applied
        QTest::addColumn<QString>("refusal"); // empty: taken
        const QString host = "Invalid Network Printer: enter the printer's network name or its "
                             "IPv4 or IPv6 address.";
        const QString port =
            "Invalid Network Port: enter a number from 1 to 65535 (9100 on most printers).";
        QTest::newRow("name with a blank") << "tcp://my printer"
                                           << "NetHostTxt=my printer|NetPortTxt=9100" << host;
        QTest::newRow("slash") << "tcp://printer/1"
                               << "NetHostTxt=printer/1|NetPortTxt=9100" << host;
        QTest::newRow("port 0") << "tcp://printer:0"
                                << "NetHostTxt=printer|NetPortTxt=0" << port;
        QTest::newRow("port 65536") << "tcp://printer:65536"
                                    << "NetHostTxt=printer|NetPortTxt=65536" << port;
        QTest::newRow("name") << "tcp://printer-7"
                              << "NetHostTxt=printer-7|NetPortTxt=9100"
                              << "";
        QTest::newRow("IPv6, port 65535") << "tcp://[fd00::7]:65535"
                                          << "NetHostTxt=[fd00::7]|NetPortTxt=65535"
                                          << "";
        QTest::newRow("LPT3") << "LPT3"
                              << "ParallelCombo=LPT3"
                              << "Invalid Parallel Port";
        QTest::newRow("LPT2") << "LPT2"
                              << "ParallelCombo=LPT2"
                              << "";
    }
    void linksAreCheckedAlike()
    {
        QFETCH(QString, target);
        QFETCH(QString, fields);
        QFETCH(QString, refusal);
        if (!linkWindow)
            linkWindow = std::make_unique<WindowDriver>();
        WindowDriver &ui = *linkWindow;
        const bool network = fields.startsWith("Net");
        ui.control<QRadioButton>(network ? "CommOp_3" : "CommOp_1")->click();
        for (const QString &field : fields.split('|')) {
            QWidget *control = ui.control(field.section('=', 0, 0));
            auto *edit = qobject_cast<QComboBox *>(control)
                             ? qobject_cast<QComboBox *>(control)->lineEdit()
                             : qobject_cast<QLineEdit *>(control);
            const QSignalBlocker typedOnly(control); // checked on Apply
            edit->setText(field.section('=', 1));
        }
        const QStringList boxes = ui.click(network ? "NetApplyCmd" : "SApplyCmd_1",
                                           refusal.isEmpty() ? QStringList{} : QStringList{"<ok>"});
        QCOMPARE(boxes,
                 refusal.isEmpty() ? QStringList{} : QStringList{refusal + "|Utility Settings"});

        const Ran cli = runCli({"--to", target, "--list", "--dry-run"});
        QCOMPARE(cli.status, refusal.isEmpty() ? 0 : 2);
        if (!refusal.isEmpty()) {
            QCOMPARE(cli.err, "varimonde-setup: target \"" + target + "\": " + refusal + "\n");
            return;
        }
        const PortNames names; // the command line's own: nothing redirected
        QCOMPARE(ui.window.link().description(),
                 std::get<Target>(Target::parse(target)).address.description(names));
    }

    // A targets file: one a line, comments and blank lines skipped; the dry
    // run shows every printer's transmissions.
    void targetsFileAndHexDump()
    {
        const QString targets = file("printers.txt", "# shop floor\n\n  tcp://[::1]:9100 \n"
                                                     "LPT1 # by the door\n# end\n");
        const Ran cli = runCli({"--targets", targets, "--list", "--dry-run", "--hex"});
        QCOMPARE(cli.status, 0);
        QCOMPARE(cli.out, "# tcp://[::1]:9100: --list, transmission 1 of 1, 4 bytes\n"
                          "00000000  21 4c 0d 0a                                       |!L..|\n"
                          "# LPT1: --list, transmission 1 of 1, 4 bytes\n"
                          "00000000  21 4c 0d 0a                                       |!L..|\n");
        QCOMPARE(DryRun::hexDump(QByteArray(17, '\xff')).split('\n').value(1),
                 "00000010  ff                                                |.|");
    }

    // A dry run's report: every printer "not sent", and what each would get
    // in order, a text block as its text and a file as its size and digest.
    void dryRunReport()
    {
        const QString path = file("fw.bin", firmware);
        const QString report = dir.filePath("dry.json");
        const QStringList words{"--calibrate", "bar", "--print-type", "TT",
                                "--firmware",  path,  "--list",       "--dry-run"};
        const Ran dry = runCli(words);
        const Ran cli =
            runCli(words + QStringList{"--to", "LPT1", "--to", "tcp://[::1]", "--output",
                                       dir.filePath("dry.bin"), "--report", report});
        QCOMPARE(cli.status, 0);
        QFile json(report);
        QVERIFY(json.open(QIODevice::ReadOnly));
        const QJsonObject root = QJsonDocument::fromJson(json.readAll()).object();
        QVERIFY(root["dryRun"].toBool());
        QByteArray rebuilt;
        QStringList sends;
        const QByteArray digest = QCryptographicHash::hash(firmware, QCryptographicHash::Sha256);
        for (const QJsonValue send : root["sends"].toArray()) {
            const bool text = send.toObject().contains("text");
            const QByteArray bytes = text ? send["text"].toString().toLatin1()
                                     : send["sha256"].toString() == digest.toHex() ? firmware
                                                                                   : "?";
            QCOMPARE(send["bytes"].toInt(), bytes.size());
            sends << send["action"].toString() + (text ? " text" : " file");
            rebuilt += bytes;
        }
        QCOMPARE(rebuilt, dry.out);
        const QString calibrate = "--calibrate bar --print-type TT";
        QCOMPARE(sends, (QStringList{calibrate + " text", calibrate + " text",
                                     "--firmware " + path + " file", "--list text"}));
        QStringList printers;
        for (const QJsonValue printer : root["printers"].toArray())
            printers << QStringLiteral("%1 %2 %3/%4")
                            .arg(printer["target"].toString(), printer["outcome"].toString())
                            .arg(printer["bytesSent"].toInt())
                            .arg(printer["bytesTotal"].toInt());
        const QString sizes = "0/" + QString::number(dry.out.size());
        QCOMPARE(printers,
                 (QStringList{"LPT1 not sent " + sizes, "tcp://[::1] not sent " + sizes}));
    }

    // The firmware's digest comes first; a run through a real serial line
    // gives the printer the dry run's bytes.
    void firmwareThroughASerialLine()
    {
        PseudoTerminal pty;
        const QString path = file("fw.bin", firmware);
        const Ran dry = runCli({"--firmware", path, "--list", "--dry-run"});
        const Ran cli =
            runCli({"--to", pty.slavePath() + ":19200,N,8,1", "--firmware", path, "--list"});
        QCOMPARE(cli.status, 0);
        QCOMPARE(pty.readAvailable(dry.out.size()), dry.out);
        QVERIFY(cli.err.startsWith(
            "Firmware " + path + ": 903 bytes, SHA-256 " +
            QCryptographicHash::hash(firmware, QCryptographicHash::Sha256).toHex() + "\n"));
        QVERIFY2(cli.out.contains(pty.slavePath().toUtf8() + ":19200,N,8,1  sent"), cli.out);
    }

    // A report that cannot be written fails the run, though the printer got
    // every byte: a script must not take the missing report for success.
    void anUnwritableReportFailsTheRun_data()
    {
        QTest::addColumn<QString>("report");
        QTest::newRow("no such folder") << "missing/report.json";
        QTest::newRow("a folder") << "";
    }
    void anUnwritableReportFailsTheRun()
    {
        QFETCH(QString, report);
        LoopbackPrinter printer;
        const QString path = report.isEmpty() ? dir.path() : dir.filePath(report);
        const Ran cli = runCli({"--to", printer.target(), "--list", "--report", path});
        QTRY_COMPARE(printer.received, QByteArray("!L\r\n"));
        QCOMPARE(cli.status, 1);
        QVERIFY2(cli.err.contains("cannot write the report: ") && cli.err.contains(path),
                 qPrintable(cli.err));
        QVERIFY(!QFileInfo(path).isFile());
    }

    // Several printers at once, two of them not there: status 1, and the
    // report says which failed and what the others got.
    void oneFailingPrinterAmongSeveral()
    {
        LoopbackPrinter first, second;
        QTcpServer gone;
        gone.listen(QHostAddress::LocalHost);
        const QString refused = "tcp://127.0.0.1:" + QString::number(gone.serverPort());
        gone.close();
        const QString report = dir.filePath("report.json");
        const QString path = file("fw.bin", firmware);
        const QString unplugged = "usb:" + dir.filePath("lp9");
        const Ran cli = runCli({"--to", first.target(), "--to", refused, "--to", unplugged, "--to",
                                second.target(), "--firmware", path, "--list", "--report", report});
        QCOMPARE(cli.status, 1);
        QTRY_COMPARE(first.received, firmware + "!L\r\n");
        QTRY_COMPARE(second.received, firmware + "!L\r\n");
        QFile json(report);
        QVERIFY(json.open(QIODevice::ReadOnly));
        const QJsonObject root = QJsonDocument::fromJson(json.readAll()).object();
        QCOMPARE(root["exitStatus"].toInt(), 1);
        QStringList rows;
        for (const QJsonValue printer : root["printers"].toArray()) {
            const QJsonObject p = printer.toObject();
            rows << QStringLiteral("%1 %2 %3 %4")
                        .arg(p["target"].toString(), p["outcome"].toString())
                        .arg(p["bytesSent"].toInt())
                        .arg(p["actions"].toArray().size());
        }
        QCOMPARE(rows, (QStringList{first.target() + " sent 907 2", refused + " failed 0 2",
                                    unplugged + " failed 0 2", second.target() + " sent 907 2"}));
        QVERIFY(root["printers"][1]["failure"].toString().contains("refused the connection"));
        const QString unpluggedFailure = root["printers"][2]["failure"].toString();
        QVERIFY2(
            unpluggedFailure.contains(": USB Printer " + unplugged.mid(4) + " is not connected. "),
            qPrintable(unpluggedFailure));
    }

    // Ctrl-C mid-transfer: every transfer ends within a second, the report
    // still comes, each printer cancelled; status 130.
    void interruptCancelsEveryTransfer()
    {
        QTcpServer stuck; // accepts, never reads: the transfer stalls
        QList<QTcpSocket *> held;
        QVERIFY(stuck.listen(QHostAddress::LocalHost));
        const int small = 4096;
        ::setsockopt(int(stuck.socketDescriptor()), SOL_SOCKET, SO_RCVBUF, &small, sizeof small);
        connect(&stuck, &QTcpServer::newConnection, this, [&] {
            while (QTcpSocket *socket = stuck.nextPendingConnection()) {
                socket->setReadBufferSize(1);
                socket->setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption, small);
                held << socket;
            }
        });
        const QString big = file("big.bin", QByteArray(16 * 1024 * 1024, 'b'));
        const QString target = "tcp://127.0.0.1:" + QString::number(stuck.serverPort());
        const QString report = dir.filePath("interrupted.json");
        QProcess cli;
        cli.start(VARIMONDE_SETUP_BINARY, {"--to", target, "--to", target, "--firmware", big,
                                           "--stall-limit", "30", "--report", report});
        QTRY_VERIFY_WITH_TIMEOUT(!held.isEmpty(), 5000);
        QTest::qWait(300);
        ::kill(pid_t(cli.processId()), SIGINT);
        QElapsedTimer clock;
        clock.start();
        QVERIFY(cli.waitForFinished(3000));
        QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
        QString why;
        for (const QJsonValue printer : interruptedPrinters(cli, report, why)) {
            QCOMPARE(printer["outcome"].toString(), "cancelled");
            QVERIFY(printer["bytesSent"].toDouble() < 16 * 1024 * 1024);
        }
        QVERIFY2(why.isEmpty(), qPrintable(why));
    }
    // Where nobody watches a terminal: progress lines on standard error
    // every interval and at each tenth, JSON Lines events on standard output
    // for a script, or with --quiet the failures and the summary alone.
    void progressWhereNoTerminalShowsIt_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::newRow("lines") << QStringList{};
        QTest::newRow("json") << QStringList{"--progress", "json"};
        QTest::newRow("quiet") << QStringList{"--quiet"};
    }
    void progressWhereNoTerminalShowsIt()
    {
        QFETCH(QStringList, options);
        SlowPrinter slow(4096);
        QTcpServer gone;
        gone.listen(QHostAddress::LocalHost);
        const QString refused = "tcp://127.0.0.1:" + QString::number(gone.serverPort());
        gone.close();
        const QByteArray image = firmware.repeated(150); // 135,450 bytes: about 3 s
        const QString path = file("slow.bin", image);
        const Ran cli = runCli(QStringList{"--to", slow.target(), "--to", refused, "--firmware",
                                           path, "--progress-interval", "1", "--ignore-status"} +
                               options);
        QCOMPARE(cli.status, 1);
        QTRY_COMPARE(slow.received, image);
        const QString table = "2 printers: 1 sent, 1 failed, 0 cancelled\n";
        const QString failure = "[1/2] " + refused + ": failed: --firmware " + path;
        if (options.isEmpty()) {
            QVERIFY(cli.out.endsWith(table.toUtf8()));
            QVERIFY(cli.err.contains("SHA-256") && cli.err.contains(failure));
            const QRegularExpression line("^" + QRegularExpression::escape(slow.target()) +
                                              R"(: \[1/1\] (\d+)% \d+ of 135450 bytes delivered, )"
                                              R"((rate not known yet|[\d.]+ \S+/s, ))",
                                          QRegularExpression::MultilineOption);
            QList<int> percents;
            for (auto match = line.globalMatch(cli.err); match.hasNext();)
                percents << match.next().captured(1).toInt();
            QVERIFY2(percents.size() >= 4 && percents.last() >= 70, qPrintable(cli.err));
            QVERIFY(std::is_sorted(percents.begin(), percents.end()));
        } else if (options.first() == "--quiet") {
            QVERIFY(cli.out.endsWith(table.toUtf8()));
            QCOMPARE(cli.err.count('\n'), 1);
            QVERIFY2(cli.err.startsWith(failure), qPrintable(cli.err));
        } else {
            QVERIFY(cli.err.endsWith(table));
            QHash<QString, QStringList> events;
            qint64 delivered = 0;
            for (const QByteArray &text : cli.out.split('\n')) {
                if (text.isEmpty())
                    continue;
                QJsonParseError error;
                const QJsonObject event = QJsonDocument::fromJson(text, &error).object();
                QVERIFY2(error.error == QJsonParseError::NoError, text);
                QCOMPARE(event["bytesTotal"].toInteger(), image.size());
                events[event["target"].toString()] << event["event"].toString();
                if (event["target"] == slow.target()) {
                    QVERIFY(event["bytesDelivered"].toInteger() >= delivered);
                    delivered = event["bytesDelivered"].toInteger();
                    QVERIFY(event["seconds"].toDouble() < 30);
                } else if (event["event"] == "failed") {
                    QVERIFY(event["reason"].toString().contains("refused the connection"));
                }
            }
            QCOMPARE(events[refused], (QStringList{"start", "failed"}));
            const QStringList sent = events[slow.target()];
            QVERIFY2(sent.size() >= 6 && sent.first() == "start" && sent.last() == "done" &&
                         sent.count("progress") == sent.size() - 2,
                     qPrintable(sent.join(' ')));
            QCOMPARE(delivered, image.size());
        }
    }

    // An interrupt while a large firmware image is read ends the run as any
    // interrupt does: status 130, the report written, no printer sent to.
    void interruptWhileAFileIsRead()
    {
        LoopbackPrinter printer;
        const QString big = dir.filePath("huge.bin");
        {
            QFile sparse(big);
            QVERIFY(sparse.open(QIODevice::WriteOnly) && sparse.resize(qint64(1) << 30));
        }
        const QString report = dir.filePath("read-interrupted.json");
        QProcess cli;
        cli.start(VARIMONDE_SETUP_BINARY, {"--to", printer.target(), "--to", "LPT2", "--firmware",
                                           big, "--report", report});
        QVERIFY(cli.waitForStarted());
        const QString fds = "/proc/" + QString::number(cli.processId()) + "/fd";
        const auto reading = [&] {
            for (const QFileInfo &fd : QDir(fds).entryInfoList(QDir::AllEntries | QDir::System))
                if (fd.symLinkTarget() == big)
                    return true;
            return false;
        };
        QTRY_VERIFY_WITH_TIMEOUT(reading(), 5000);
        ::kill(pid_t(cli.processId()), SIGTERM);
        QVERIFY(cli.waitForFinished(5000));
        QString why;
        const QJsonArray printers = interruptedPrinters(cli, report, why);
        QVERIFY2(why.isEmpty(), qPrintable(why));
        QCOMPARE(printers.size(), 2);
        for (const QJsonValue row : printers) {
            QCOMPARE(row["outcome"].toString(), "cancelled");
            QVERIFY(row["failure"].toString().contains("cancelled before sending"));
        }
        QVERIFY(printer.received.isEmpty());
    }

    // A name the name server never answers for fails within the connect
    // timeout, named as a lookup; the program waits for the lookup neither
    // then nor after an interrupt. The silent server is reached through a
    // resolver configuration that only the program's own mount namespace
    // sees.
    void aNameThatNeverResolves_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("signal");
        QTest::addColumn<int>("boundMs");
        // The firmware's status read looks the name up first, for a second.
        QTest::newRow("timed out") << "--firmware" << 0 << 6000;
        QTest::newRow("interrupted") << "--test-label" << int(SIGINT) << 2000;
    }
    void aNameThatNeverResolves()
    {
        QFETCH(QString, action);
        QFETCH(int, signal);
        QFETCH(int, boundMs);
        SilentNameServer silent;
        if (!silent.listening || QStandardPaths::findExecutable("unshare").isEmpty())
            QSKIP("needs root for a name server on port 53 and a mount namespace");
        const QString resolv = file("resolv.conf", "nameserver 127.0.0.153\n");
        const QString hosts = file("nsswitch.conf", "hosts: files dns\n");
        const QString value = action == "--firmware" ? file("fw.bin", firmware) : "1";
        const QString report = dir.filePath("lookup.json");
        QProcess cli;
        cli.start("unshare", {"--mount", "sh", "-c",
                              "mount --bind \"$0\" /etc/resolv.conf && mount --bind \"$1\" "
                              "/etc/nsswitch.conf && exec \"$2\" --to tcp://printer.silent.test "
                              "\"$3\" \"$4\" --connect-timeout 2 --report \"$5\"",
                              resolv, hosts, VARIMONDE_SETUP_BINARY, action, value, report});
        QElapsedTimer clock;
        clock.start();
        QTRY_VERIFY_WITH_TIMEOUT(silent.socket.hasPendingDatagrams(), 5000);
        if (signal) {
            ::kill(pid_t(cli.processId()), signal);
            clock.restart();
        }
        QVERIFY(cli.waitForFinished(20000));
        QVERIFY2(clock.elapsed() < boundMs, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(cli.exitCode(), signal ? 130 : 1);
        QFile json(report);
        QVERIFY(json.open(QIODevice::ReadOnly));
        const QJsonObject row =
            QJsonDocument::fromJson(json.readAll()).object()["printers"][0].toObject();
        if (!signal)
            QCOMPARE(row["failure"].toString(),
                     action + " " + value +
                         ": could not look printer.silent.test up within 2 s: check the name "
                         "and the DNS server");
    }
};

VARIMONDE_TEST_MAIN(TestCli)
#include "tst_cli.moc"
