// The command line sends what the window sends: each action's bytes are
// compared with those the window puts on a pseudo-terminal for the same
// clicks; a profile the window refuses is refused with the window's words;
// several printers at once report each outcome; an interrupt cancels all.
// Both front ends read a printer's status before the same operations,
// refuse the same USB device names and stop a calibration whose settings
// block failed.
#include "cli/DryRun.h"
#include "cli/ProgressLog.h"
#include "cli/Target.h"
#include "cli/TargetJob.h"
#include "common/TerminalText.h"
#include "link/PortDoctor.h"
#include "link/PortNames.h"
#include "printer/StorageCommands.h"
#include "profile/ProfileRecord.h"
#include "support/CliRun.h"
#include "support/LoopbackPrinter.h"
#include "support/Pictures.h"
#include "support/TestMain.h"
#include "support/WindowDriver.h"
#include "ui/Settings.h"
#include "virtual/Fleet.h"
#include "virtual/VirtualPrinter.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QSerialPort>
#include <QSettings>
#include <QSpinBox>
#include <QTranslator>
#include <QUdpSocket>

#include <csignal>
#include <sys/socket.h>

namespace
{

const QByteArray formatFile = "NAME\r\nA 1\rB\n2\r\n";

// A table of text columns, one row a line, each row named by its first text.
void textTable(const QList<const char *> &columns, const QList<QStringList> &rows)
{
    for (const char *column : columns)
        QTest::addColumn<QString>(column);
    for (const QStringList &row : rows) {
        QTestData &data = QTest::newRow(qPrintable(TerminalText::escaped(row[0])));
        for (int column = 0; column < columns.size(); ++column)
            data << row.value(column); // a missing last text is empty
    }
}

// The words of `arguments`, each file name (a word with a dot) as its path in `dir`.
QStringList withPaths(const QString &arguments, const QTemporaryDir &dir)
{
    QStringList words = arguments.split(' ');
    for (QString &word : words)
        if (word.contains('.'))
            word = dir.filePath(word);
    return words;
}

// A profile record from its fields in file order, split at '|'.
ProfileRecord profile(const QString &fields)
{
    const QStringList f = fields.split('|');
    const auto n = [&](int i) { return std::int16_t(f[i].toInt()); };
    return {n(0), n(1), n(2), f[3],          n(4),          f[5],  n(6),
            n(7), n(8), n(9), f[10].toInt(), f[11].toInt(), n(12), f[13]};
}

// Converts logo.png in the window's Convert dialog, its controls set as
// `controls` says ("Spin=value" or a button to press), and takes the result:
// its size is `size` in the dialog and then on the tab.
void convert(WindowDriver &ui, const QString &controls, const QString &size)
{
    QString shownSize;
    ModalAnswerer boxes;
    boxes.chooseFile(ui.dir.filePath("logo.png")).then([&](QWidget *box) {
        for (const QString &control : words(controls)) {
            const QString name = control.section('=', 0, 0);
            if (control.contains('='))
                box->findChild<QSpinBox *>(name)->setValue(control.section('=', 1).toInt());
            else
                box->findChild<QAbstractButton *>(name)->click();
        }
        shownSize = box->findChild<QLabel *>("ResultSizeLbl")->text();
        box->findChild<QAbstractButton *>("UseCMD")->click();
    });
    ui.click("ConvertCMD");
    QCOMPARE(shownSize, size);
    QTRY_COMPARE(ui.control<QLabel>("GraphicSizeLbl")->text(), size);
}

// A loopback port where nothing listens: a connection to it is refused.
QString refusedTarget()
{
    QTcpServer gone;
    gone.listen(QHostAddress::LocalHost);
    return "tcp://127.0.0.1:" + QString::number(gone.serverPort());
}

// A report's printers, one a line: target, outcome, bytes sent of the total,
// and how many actions.
QStringList printerRows(const QJsonObject &report)
{
    QStringList rows;
    for (const QJsonValue p : report["printers"].toArray())
        rows << QStringLiteral("%1 %2 %3/%4 %5")
                    .arg(p["target"].toString(), p["outcome"].toString(),
                         QString::number(p["bytesSent"].toInt()),
                         QString::number(p["bytesTotal"].toInt()),
                         QString::number(p["actions"].toArray().size()));
    return rows;
}

// Sends `signal` to the running program and waits for its end: how long
// that took, in milliseconds, or -1 where it did not end within 5 s.
qint64 endAfter(QProcess &cli, int signal)
{
    ::kill(pid_t(cli.processId()), signal);
    QElapsedTimer clock;
    clock.start();
    return cli.waitForFinished(5000) ? clock.elapsed() : -1;
}

// A printer on loopback that takes `perTick` bytes every 100 ms behind a
// small receive buffer, so that a send to it lasts and its progress moves.
struct SlowPrinter : LoopbackPrinter {
    explicit SlowPrinter(int perTick)
    {
        const int small = 4096;
        ::setsockopt(int(socketDescriptor()), SOL_SOCKET, SO_RCVBUF, &small, sizeof small);
        disconnect(this, &QTcpServer::newConnection, this, nullptr);
        connect(this, &QTcpServer::newConnection, this, [this, perTick] {
            while (QTcpSocket *socket = nextPendingConnection()) {
                socket->setReadBufferSize(perTick);
                auto *tick = new QTimer(socket);
                connect(tick, &QTimer::timeout, socket,
                        [this, socket, perTick] { received += socket->read(perTick); });
                tick->start(100);
            }
        });
    }
};

} // namespace

class TestCli : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QByteArray firmware;
    QByteArray logo; // a picture in colour, in parts transparent

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
        for (int i = 0; i < 903; ++i)
            firmware.append(char(i % 301 * 7 + 0x11));
        QImage drawn(30, 20, QImage::Format_ARGB32);
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 30; ++x)
                drawn.setPixel(x, y, qRgba(x * 8, y * 12, 200 - x * 6, 255 - y * 5));
        logo = Pictures::png(drawn);
        // The files the tables below name.
        file("pic.bmp", Pictures::bmp(8, 8));
        file("colour.bmp", Pictures::bmp(8, 8, 24));
        file("fmt.txt", formatFile);
        file("fw.bin", firmware);
        QImage thin(1, 30000, QImage::Format_RGB32);
        thin.fill(Qt::black);
        file("tall.png", Pictures::png(thin));
    }

    // The same action through the window's buttons and through the command
    // line: byte for byte the same. A "combo:" step picks a combo box's text;
    // "convert:" converts logo.png in the Convert dialog, its controls set as
    // the step says, to a picture of `size`; a dry run then writes the same
    // image to a *.bmp file.
    void actionsSendTheWindowsBytes_data()
    {
        textTable(
            {"arguments", "clicks", "size"},
            {{"--calibrate gap --print-type DT", "CalCmd"},
             {"--calibrate BAR --print-type tt --ribbon 2",
              "combo:CIndexCmb=BAR|combo:CPrintModeCMB=TT|combo:RibbonCMB=PREMIUM RESIN|CalCmd"},
             {"--test-label 1", "TestOp1|TestCMD"},
             {"--test-label 2", "TestOp2|TestCMD"},
             {"--print-format fmt.txt", "FPrintOp1|FBrowseCMD=file:fmt.txt|FStoreCMD"},
             // Eight characters is the longest identifier stored; nine
             // are refused below, as in the window.
             {"--store-format fmt.txt --id Fmt45678",
              "FSTandardOp1|FBrowseCMD=file:fmt.txt|FStoreCMD=Fmt45678"},
             {"--store-graphic pic.pcx --id abcdefgh --pcx",
              "GSPCXOp|BrowseCMD=file:pic.pcx|StoreCMD=abcdefgh|GSBMPop"},
             {"--recall-image logo", "Option1|RecallCMD=logo"},
             {"--recall-format fmt", "Option2|RecallCMD=fmt;1"},
             {"--firmware fw.bin", "BMemCMD=file:fw.bin|BUpLoadCMD"},
             {"--send fmt.txt", "BMemCMD=file:fmt.txt|BUpLoadCMD"},
             {"--list --delete a", "ListCMD|DeleteCMD=a"},
             {"--store-graphic logo.png --id logo --convert", "convert:|StoreCMD=logo",
              "30 × 20 dots, 3.8 × 2.5 mm"},
             {"--store-graphic logo.png --id logo --convert --threshold 90 --width 45",
              "convert:ThresholdSpin=90 WidthChk WidthSpin=45|StoreCMD=logo",
              "45 × 30 dots, 5.6 × 3.8 mm"},
             {"--store-graphic logo.png --id logo --convert --dither --invert --width 13",
              "convert:DitherOp InvertChk WidthChk WidthSpin=13|StoreCMD=logo",
              "13 × 9 dots, 1.6 × 1.1 mm"}});
    }
    void actionsSendTheWindowsBytes()
    {
        QFETCH(QString, arguments);
        QFETCH(QString, clicks);
        QFETCH(QString, size);
        WindowDriver ui;
        ui.file("pic.pcx", Pictures::pcx(16, 60));
        ui.file("fw.bin", firmware);
        ui.file("fmt.txt", formatFile);
        ui.file("logo.png", logo);
        QStringList steps;
        for (const QString &step : clicks.split('|')) {
            if (step.startsWith("combo:"))
                ui.control<QComboBox>(step.section('=', 0, 0).mid(6))
                    ->setCurrentText(step.section('=', 1));
            else if (step.startsWith("convert:"))
                convert(ui, step.mid(8), size);
            else
                steps << step;
        }
        // No message box: input boxes are the arguments' part.
        QCOMPARE(ui.run(steps).filter(QRegularExpression("^(?!Enter )")), QStringList());
        const QByteArray window = ui.pty.readAvailable();
        QVERIFY(!window.isEmpty());
        const QStringList words = withPaths(arguments + " --dry-run", ui.dir);
        const Ran cli = runCli(words);
        QCOMPARE(cli.status, 0);
        QCOMPARE(cli.out, window);
        if (size.isEmpty())
            return;
        const QString image = ui.dir.filePath("out.bmp");
        QCOMPARE(runCli(words + QStringList{"--output", image}).status, 0);
        const QByteArray header = StorageCommands::graphicStoreHeader("BMP", "LOGO").toLatin1();
        QCOMPARE(fileBytes(image), window.mid(header.size(), window.size() - header.size() - 2));
    }

    // A profile (its fields in file order) is taken or refused alike by the
    // window's import into a fresh tab and by the command line. Taken: the
    // window's upload after it is the command line's configuration block.
    // Refused: the window's boxes are the command line's refusals, in the
    // same order, and nothing is sent; `stop` is what the command line adds
    // to the box that stops the import.
    void profilesAreTakenOrRefusedAlike_data()
    {
        textTable({"name", "fields", "boxes", "stop"},
                  {{"all off", "0|0|0|416|0|NORMAL|0|0|100|0|4096|0|0|DT", "0"},
                   {"all on", "1|30|1|300|1|HIGHSPEED|1|0|180|1|8192|5000|1|TT", "0"},
                   {"grayed, emulation off, least darkness",
                    "2|-20|2|-5|2|LOWSPEED|2|2|1|2|1024|0|2|DT", "0"},
                   {"greatest darkness", "1|255|0|416|0|NORMAL|0|0|100|0|4096|0|0|DT", "0"},
                   // The overflow keeps the maximum of the start, 3072, when the
                   // main buffer leaves no room for one.
                   {"small main buffer keeps the old maximum",
                    "0|0|0|416|0|NORMAL|0|0|100|1|1000|3072|0|DT", "0"},
                   {"width with blanks and exponent",
                    "0|0|1| 4e2 |0|NORMAL|0|0|250|0|65536|64512|0|DT", "0"},
                   {"print speed", "0|0|0|416|0|FAST|0|0|100|0|4096|0|0|DT", "1"},
                   {"mode, width letters", "0|0|0|wide|0|NORMAL|0|0|100|0|4096|0|0|dt", "2"},
                   {"width too wide, empty speed", "0|0|0|417|0||0|0|100|0|4096|0|0|DT", "2"},
                   {"width beyond any number", "0|0|0|1e999|0|NORMAL|0|0|100|0|4096|0|0|DT", "1"},
                   {"switch state 3 stops", "3|0|0|417|0|NORMAL|0|0|100|0|4096|0|0|DT", "1",
                    "DarkEnable 3; a switch is 0 (off), 1 (on) or 2 (grayed)"},
                   {"scaler 0 stops before the speed", "0|0|0|416|0|X|0|0|0|0|4096|0|0|Y", "1",
                    "Scaler 0; the slider takes 1 to 250"},
                   // The darkness slider's range holds whether or not its switch is on.
                   {"darkness 256, off", "0|256|0|416|0|NORMAL|0|0|100|0|4096|0|0|DT", "1",
                    "Darkness 256; the slider takes -20 to 255"},
                   {"darkness -21, on", "1|-21|0|416|0|NORMAL|0|0|100|0|4096|0|0|DT", "1",
                    "Darkness -21; the slider takes -20 to 255"},
                   {"overflow above main less 1024", "0|0|0|416|0|NORMAL|0|0|100|1|2048|1025|0|DT",
                    "1", "OverflowBuffer 1025; the slider takes 0 to 1024"},
                   {"main buffer above 65536", "0|0|0|416|0|NORMAL|0|0|100|1|65537|0|0|DT", "1",
                    "MainBuffer 65537; the slider takes 0 to 65536"}});
    }
    void profilesAreTakenOrRefusedAlike()
    {
        QFETCH(QString, fields);
        QFETCH(QString, boxes);
        QFETCH(QString, stop);
        WindowDriver ui;
        const QString path =
            ui.file("p.vsp", std::get<QByteArray>(ProfileCodec::encode(profile(fields))));
        QStringList seen = ui.run({"LoadCMD=file:p.vsp;<ok>;<ok>;<ok>;<ok>"});
        seen.removeAll("Error Opening File|Load Configuration");
        QCOMPARE(seen.size(), boxes.toInt());
        if (seen.isEmpty())
            QCOMPARE(ui.run({"UploadCMD"}), QStringList());

        const Ran cli = runCli({"--profile", path, "--dry-run"});
        QCOMPARE(cli.status, seen.isEmpty() ? 0 : 2);
        QCOMPARE(cli.out, ui.pty.readAvailable()); // nothing where refused
        QString said;
        for (const QString &box : seen)
            said += "varimonde-setup: --profile " + path + ": " + box.section('|', 0, 0) + "\n";
        if (!stop.isEmpty())
            said.insert(said.size() - 1, " (" + stop + ")");
        QCOMPARE(cli.err, said);
    }

    // Nothing is sent when any argument is wrong: one line each, status 2;
    // each is said whether or not a printer is named.
    void badArgumentsEndWithStatus2_data()
    {
        textTable(
            {"arguments", "says"},
            {{"--lisst", "Unknown option 'lisst'"},
             {"--tagrets t --list", "Unknown option 'tagrets'. Did you mean --targets?"},
             {"--list --dry-rnu", "Unknown option 'dry-rnu'. Did you mean --dry-run?"},
             {"--list --id A", "--id belongs right after"},
             // Targets read wrong: nothing is opened or looked up.
             {"--to tcp://::1 --list", "target \"tcp://::1\": write an IPv6 address in brackets"},
             {"--to tcp://[::1 --list",
              "target \"tcp://[::1\": an IPv6 address needs its closing ]"},
             {"--to tcp:// --list", "target \"tcp://\": Invalid Network Printer"},
             {"--to COM99999999999 --list", "COM ports are numbered 1 to 255"},
             {"--to COM1:9600,N,9,1 --list", "must read baud"},
             {"--to usb: --list", "name the USB printer device"},
             {"--to printer1 --list", "target \"printer1\": give COMn"},
             {"--store-format fmt.txt", "needs --id"},
             {"--store-graphic pic.bmp --id ABCDEFGHI",
              "Valid Identifier must be no more than 8 characters."},
             {"--store-format fmt.txt --id ABCDEFGHI", "Identifier must be 8 chars or less"},
             // An identifier is one name: a control character in it is
             // refused, named, before anything is built, as in the window.
             {"--recall-format F\r\n!D --dry-run", "control character (CR)"},
             {"--store-format fmt.txt --id A\r\nB --dry-run", "control character (CR)"},
             {"--delete X\n!D --dry-run", "control character (LF)"},
             {"--recall-image L\x1b --dry-run", "control character (ESC)"},
             {"--delete A\u20ACB", "contains \u201C\u20AC\u201D, which the printer cannot receive"},
             {"--calibrate notch --print-type DT", "Index type must be BAR or GAP"},
             {"--calibrate gap --print-type XX", "Print Type must be DT or TT"},
             {"--calibrate gap --print-type TT --ribbon 3",
              "Type must be Wax, Wax/Resin, or Preimum Resin"},
             {"--calibrate gap --print-type DT --ribbon 0", "thermal transfer"},
             {"--firmware .", "is not a regular file"},
             {"--firmware none.bin", "File not found"},
             {"--list --jobs 0", "--jobs takes a whole number"},
             {"--list --hex", "--hex goes with"},
             {"--list --progress xml", "--progress takes json, not \"xml\""},
             {"--list --dry-run --progress json", "leave out --dry-run"},
             {"--list --progress-interval 0", "--progress-interval takes a whole"},
             {"--store-graphic colour.bmp --id A",
              "colour.bmp is a 24-bit colour image: the printer stores black-and-white (1-bit) "
              "images only. Add --convert to make one."},
             {"--store-graphic pic.bmp --id A --pcx",
              "pic.bmp is a BMP image, but PCX is chosen as its type: store it as BMP."},
             {"--store-graphic fmt.txt --id A --convert", "fmt.txt cannot be read as a picture"},
             {"--store-graphic pic.bmp --id A --dither", "--dither goes with --convert"},
             {"--store-graphic pic.bmp --id A --convert --pcx", "leave out --pcx"},
             {"--store-graphic pic.bmp --id A --convert --dither --threshold 9",
              "--dither and --threshold exclude each other"},
             {"--store-graphic pic.bmp --id A --convert --threshold 256",
              "--threshold takes a grey from 1 to 255, not \"256\""},
             {"--store-graphic pic.bmp --id A --convert --width 0",
              "--width takes a number of dots from 1 to 4000, not \"0\""},
             {"--store-graphic pic.bmp --id A --convert --store-graphic pic.bmp --id B --convert "
              "--dry-run --output two.bmp",
              "takes the image of one --convert, not 2"},
             // Thin pictures made wide: bounded before any memory is taken.
             {"--store-graphic tall.png --id L --convert --width 400 --dry-run --output x.bin",
              "tall.png would convert to 400 × 12,000,000 dots: the printer stores graphics of "
              "at most 4,000 × 16,000 dots and 2,097,152 bytes."}});
    }
    void badArgumentsEndWithStatus2()
    {
        QFETCH(QString, arguments);
        QFETCH(QString, says);
        const Ran cli = runCli(withPaths(arguments, dir));
        QCOMPARE(cli.status, 2);
        QVERIFY2(cli.err.contains(says), qPrintable(cli.err));
        QCOMPARE(cli.out, QByteArray());
    }

    // A USB printer is lp<n> in the USB device folder, on the command line
    // as in the window, which takes it from its settings: any other device
    // named is refused by both, the command line before a run, the window
    // with a warning, keeping the link it starts with.
    void usbPrintersAreNamedAsTheWindowNamesThem_data()
    {
        textTable({"target", "says"}, {{"usb:ANY", "No such USB printer"},
                                       {"usb:/dev/sda", "No such USB printer"},
                                       {"usb:/dev/usb/../../etc/lp0", "No such USB printer"},
                                       {"usb:/dev/usb/printer", "No such USB printer"},
                                       {"usb:/dev/usb/lp3", ""}});
    }
    void usbPrintersAreNamedAsTheWindowNamesThem()
    {
        QFETCH(QString, target);
        QFETCH(QString, says);
        const Ran cli = runCli({"--to", target, "--list", "--dry-run"});
        QCOMPARE(cli.status, says.isEmpty() ? 0 : 2);
        QVERIFY2(cli.err.contains(says), qPrintable(cli.err));

        const QString device = target.mid(4);
        const SettingsKept kept;
        {
            QSettings settings(Settings::filePath(), QSettings::IniFormat);
            settings.setValue("link/kind", "usb");
            settings.setValue("link/usbDevice", device);
        }
        if (says.isEmpty())
            QTest::failOnWarning(QRegularExpression("remembered"));
        else
            QTest::ignoreMessage(QtWarningMsg,
                                 QRegularExpression("remembered .*\"" +
                                                    QRegularExpression::escape(device) +
                                                    "\": " + says));
        MainWindow window;
        QCOMPARE(window.link().address().usbDevice() == device, says.isEmpty());
    }

    // Which operations look at a network printer's status first is the
    // operation's own: the same from the options as from the window's
    // buttons. A printer reporting no paper is asked about by the window
    // for exactly the operations whose options read the status first.
    void statusPoliciesAreTheOperations_data()
    {
        textTable({"arguments", "reads", "clicks"},
                  {{"--profile p.vsp", "1", "UploadCMD"},
                   {"--store-graphic pic.bmp --id A", "1", "BrowseCMD=file:pic.bmp StoreCMD=A"},
                   {"--store-format fmt.txt --id A", "1",
                    "FSTandardOp1 FBrowseCMD=file:fmt.txt FStoreCMD=A"},
                   {"--firmware fw.bin", "1", "BMemCMD=file:fw.bin BUpLoadCMD"},
                   {"--send fw.bin", "0"},
                   {"--print-format fmt.txt", "0", "FPrintOp1 FBrowseCMD=file:fmt.txt FStoreCMD"},
                   {"--calibrate gap --print-type DT", "0", "CalCmd"},
                   {"--test-label 1", "0", "TestOp1 TestCMD"},
                   {"--recall-image A", "0", "Option1 RecallCMD=A"},
                   {"--recall-format A", "0", "Option2 RecallCMD=A;1"},
                   {"--delete A", "0", "DeleteCMD=A"},
                   {"--list", "0", "ListCMD"}});
    }
    void statusPoliciesAreTheOperations()
    {
        QFETCH(QString, arguments);
        QFETCH(QString, reads);
        QFETCH(QString, clicks);
        file("p.vsp", std::get<QByteArray>(ProfileCodec::encode(
                          profile("1|30|1|300|1|HIGHSPEED|1|0|180|1|8192|5000|1|TT"))));
        const ParsedArguments parsed = parseArguments(
            QStringList{"varimonde-setup", "--to", "COM1"} + withPaths(arguments, dir));
        QVERIFY2(parsed.errors.isEmpty(), qPrintable(parsed.errors.join('\n')));
        QCOMPARE(parsed.plan.actions.size(), 1);
        QCOMPARE(parsed.plan.actions[0].status == StatusPolicy::ReadFirst, reads == "1");
        if (clicks.isEmpty())
            return;

        Fleet fleet;
        QString failure;
        VirtualPrinter *printer =
            fleet.addNetworkPrinter(QHostAddress::LocalHost, 0, quint16(0), &failure);
        QVERIFY2(printer, qPrintable(failure));
        QVERIFY(fleet.control(QJsonObject{{"printer", "*"}, {"set", "no-paper"}})["ok"].toBool());
        const SettingsKept kept;
        QSettings(Settings::filePath(), QSettings::IniFormat)
            .setValue("link/snmpPort", printer->snmpPort());
        WindowDriver ui;
        for (const char *name : {"pic.bmp", "fmt.txt", "fw.bin"})
            QVERIFY(QFile::copy(dir.filePath(name), ui.dir.filePath(name)));
        ui.window.link().setAddress(std::get<LinkAddress>(
            LinkAddress::parse(QStringLiteral("tcp://127.0.0.1:%1").arg(printer->port()))));
        // The question, if asked, is answered Cancel.
        QStringList steps = words(clicks);
        steps.last() += steps.last().contains('=') ? ";press:Cancel" : "=press:Cancel";
        const QStringList boxes = ui.run(steps);
        QCOMPARE(boxes.filter("|Printer Not Ready|").size(), reads == "1" ? 1 : 0);
    }

    // As in the window, a calibration whose settings block fails sends no
    // Calibrate, even when the port is free again by then: the port is held
    // by another program for the block and let go as the Calibrate would
    // begin.
    void aFailedSettingsBlockEndsTheCalibration()
    {
        PseudoTerminal pty;
        QSerialPort other;
        other.setPortName(pty.slavePath());
        QVERIFY(other.open(QIODevice::WriteOnly));
        const ParsedArguments parsed =
            parseArguments({"varimonde-setup", "--to", pty.slavePath() + ":9600,N,8,1",
                            "--calibrate", "gap", "--print-type", "DT"});
        QVERIFY2(parsed.errors.isEmpty(), qPrintable(parsed.errors.join('\n')));
        TargetJob job(parsed.plan.targets.value(0), parsed.plan.actions, {{}, 5000, std::nullopt});
        QList<int> begun;
        connect(&job, &OperationJob::partStarted, &other, [&](int, int part) {
            begun << part;
            if (part > 0)
                other.close();
        });
        job.start();
        QTRY_VERIFY(job.outcome() != OperationJob::Outcome::Waiting);
        QCOMPARE(job.outcome(), OperationJob::Outcome::Failed);
        QVERIFY2(job.failure().english().startsWith("--calibrate gap --print-type DT: ") &&
                     job.failure().english().contains("is in use by another program"),
                 qPrintable(job.failure().english()));
        QCOMPARE(begun, QList<int>{0});
        QVERIFY(pty.readAvailable(1, 300).isEmpty());
    }

    // A target as the command line reads it: the link it describes; parsing
    // only, nothing is opened or looked up. Where tab fields are given they
    // are typed on the Communication Settings tab and applied: the window
    // takes or refuses the link alike, in the same words, and one taken is
    // the same link in both.
    void targetsAreRead_data()
    {
        const QString host = "Invalid Network Printer: enter the printer's network name or its "
                             "IPv4 or IPv6 address.";
        const QString port =
            "Invalid Network Port: enter a number from 1 to 65535 (9100 on most printers).";
        textTable(
            {"written", "read", "fields"},
            {{"com3", "Serial COM3 (/dev/ttyS2) 9600,N,8,1"},
             {"COM1:19200,E,7,2", "Serial COM1 (/dev/ttyS0) 19200,E,7,2"},
             {"/dev/ttyUSB0:9600,N,8,1", "Serial COM33 (/dev/ttyUSB0) 9600,N,8,1"},
             {"/dev/serial/by-id/a:b", "Serial /dev/serial/by-id/a:b 9600,N,8,1"},
             {"lpt2", "Parallel LPT2 (/dev/lp1)", "ParallelCombo=LPT2"},
             {"LPT3", "Invalid Parallel Port", "ParallelCombo=LPT3"},
             {"usb:/dev/usb/lp15", "USB Printer /dev/usb/lp15 (not connected)"},
             {"tcp://printer-7", "Network printer-7:9100", "NetHostTxt=printer-7|NetPortTxt=9100"},
             {"tcp://[fd00::7]:65535", "Network [fd00::7]:65535",
              "NetHostTxt=[fd00::7]|NetPortTxt=65535"},
             {"tcp://my printer", host, "NetHostTxt=my printer|NetPortTxt=9100"},
             {"tcp://printer/1", host, "NetHostTxt=printer/1|NetPortTxt=9100"},
             {"tcp://printer:0", port, "NetHostTxt=printer|NetPortTxt=0"},
             {"tcp://printer:65536", port, "NetHostTxt=printer|NetPortTxt=65536"}});
    }
    void targetsAreRead()
    {
        QFETCH(QString, written);
        QFETCH(QString, read);
        QFETCH(QString, fields);
        const std::variant<Target, QString> parsed = Target::parse(written);
        const QString *why = std::get_if<QString>(&parsed);
        QCOMPARE(why ? *why : std::get<Target>(parsed).address.description(PortNames()),
                 why ? "target \"" + written + "\": " + read : read);
        if (fields.isEmpty())
            return;

        WindowDriver ui;
        const bool network = fields.startsWith("Net");
        ui.control<QAbstractButton>(network ? "CommOp_3" : "CommOp_1")->click();
        for (const QString &field : fields.split('|')) {
            QWidget *control = ui.control(field.section('=', 0, 0));
            auto *combo = qobject_cast<QComboBox *>(control);
            const QSignalBlocker typedOnly(control); // checked on Apply
            (combo ? combo->lineEdit() : qobject_cast<QLineEdit *>(control))
                ->setText(field.section('=', 1));
        }
        const QStringList boxes = ui.click(network ? "NetApplyCmd" : "SApplyCmd_1",
                                           why ? QStringList{"<ok>"} : QStringList{});
        QCOMPARE(boxes, why ? QStringList{read + "|Utility Settings"} : QStringList{});
        if (!why)
            QCOMPARE(ui.window.link().description(), read);
    }

    // A targets file: one a line, comments and blank lines skipped. A dry
    // run shows every printer's transmissions; its report has every printer
    // "not sent", and what each would get in order, a text block as its text
    // and a file as its size and digest.
    void dryRunToATargetsFile()
    {
        const QString targets = file("printers.txt", "# shop floor\n\n  tcp://[::1]:9100 \n"
                                                     "LPT1 # by the door\n# end\n");
        const Ran hex = runCli({"--targets", targets, "--list", "--dry-run", "--hex"});
        QCOMPARE(hex.out, "# tcp://[::1]:9100: --list, transmission 1 of 1, 4 bytes\n"
                          "00000000  21 4c 0d 0a                                       |!L..|\n"
                          "# LPT1: --list, transmission 1 of 1, 4 bytes\n"
                          "00000000  21 4c 0d 0a                                       |!L..|\n");
        QCOMPARE(DryRun::hexDump(QByteArray(17, '\xff')).split('\n').value(1),
                 "00000010  ff                                                |.|");
        // A file name is one line of the dump, its controls written out.
        const QString odd = file("fw\x1b]0;x\x07\n.bin", "AB");
        const Ran named = runCli({"--to", "LPT1", "--send", odd, "--dry-run", "--hex"});
        QVERIFY2(named.out.startsWith("# LPT1: ") && named.out.count('\n') == 2 &&
                     named.out.contains("fw\\x1b]0;x\\x07\\x0a.bin"),
                 named.out.constData());

        const QString path = dir.filePath("fw.bin");
        const QString report = dir.filePath("dry.json");
        const Ran cli = runCli({"--calibrate", "bar", "--print-type", "TT", "--firmware", path,
                                "--list", "--dry-run", "--targets", targets, "--report", report});
        const QJsonObject root = QJsonDocument::fromJson(fileBytes(report)).object();
        QByteArray rebuilt;
        QStringList sends;
        const QString digest =
            QCryptographicHash::hash(firmware, QCryptographicHash::Sha256).toHex();
        for (const QJsonValue send : root["sends"].toArray()) {
            rebuilt += send["sha256"] == digest ? firmware : send["text"].toString().toLatin1();
            sends << send["action"].toString() +
                         (send.toObject().contains("text") ? " text " : " file ") +
                         QString::number(send["bytes"].toInt());
        }
        QCOMPARE(cli.out, rebuilt.repeated(2)); // once for each printer
        const QString calibrate = "--calibrate bar --print-type TT text ";
        QCOMPARE(sends, (QStringList{calibrate + "59", calibrate + "50",
                                     "--firmware " + path + " file 903", "--list text 4"}));
        QCOMPARE(printerRows(root),
                 (QStringList{"tcp://[::1]:9100 not sent 0/1016 3", "LPT1 not sent 0/1016 3"}));
    }

    // A report that cannot be written fails the run, though the printer got
    // every byte: a script must not take the missing report for success.
    void anUnwritableReportFailsTheRun()
    {
        LoopbackPrinter printer;
        const QString path = dir.filePath("missing/report.json");
        const Ran cli = runCli({"--to", printer.target(), "--list", "--report", path});
        QTRY_COMPARE(printer.received, QByteArray("!L\r\n"));
        QCOMPARE(cli.status, 1);
        QVERIFY2(cli.err.contains("cannot write the report: ") && cli.err.contains(path),
                 qPrintable(cli.err));
    }

    // Several printers at once, one on a real serial line and two not there:
    // status 1, the firmware's digest first, and the report says which failed
    // and what the others got. A printer named by its name and by its address
    // gets its bytes once, in the order given, and the second naming is told;
    // another printer on the same host is a printer of its own. A %2 in a
    // target (an IPv6 scope) stays as it is in the closing table.
    void severalPrintersAtOnce()
    {
        LoopbackPrinter printer, other;
        PseudoTerminal pty;
        const QString serial = pty.slavePath() + ":19200,N,8,1";
        const QString byName = "tcp://localhost:" + QString::number(printer.serverPort());
        const QString refused = refusedTarget(), scoped = "tcp://[::1%2]:1";
        const QString report = dir.filePath("report.json");
        const QString path = dir.filePath("fw.bin");
        // A USB printer name the device folder does not hold now.
        const QString unplugged = "usb:/dev/usb/lp99";
        const Ran cli =
            runCli({"--to",    byName,   "--to",     refused,          "--to",
                    unplugged, "--to",   serial,     "--to",           other.target(),
                    "--to",    scoped,   "--to",     printer.target(), "--firmware",
                    path,      "--list", "--report", report,           "--connect-timeout",
                    "1"});
        QCOMPARE(cli.status, 1);
        const QByteArray sent = firmware + "!L\r\n";
        QTRY_COMPARE(other.received, sent);
        QTest::qWait(100);
        QCOMPARE(printer.received, sent);
        QCOMPARE(pty.readAvailable(sent.size()), sent);
        QVERIFY2(cli.err.startsWith(
                     "Firmware " + path + ": 903 bytes, SHA-256 " +
                     QCryptographicHash::hash(firmware, QCryptographicHash::Sha256).toHex() +
                     "\n") &&
                     cli.err.contains(QStringLiteral("--to: \"%1\" is the same printer as "
                                                     "\"%2\" (--to): it is sent to once\n")
                                          .arg(printer.target(), byName)),
                 qPrintable(cli.err));
        const QJsonObject root = QJsonDocument::fromJson(fileBytes(report)).object();
        QCOMPARE(printerRows(root),
                 (QStringList{byName + " sent 907/907 2", refused + " failed 0/907 2",
                              unplugged + " failed 0/907 2", serial + " sent 907/907 2",
                              other.target() + " sent 907/907 2", scoped + " failed 0/907 2"}));
        QVERIFY(root["printers"][1]["failure"].toString().contains("refused the connection"));
        QVERIFY2(QString(cli.out).contains(
                     QRegularExpression("\n" + QRegularExpression::escape(scoped) + " +failed  ")),
                 cli.out.constData());
    }

    // In German the command line tells people in German, and a script gets
    // what it gets in English: the exit status, the bytes on standard
    // output and the report (but for how long the send took).
    void germanChangesOnlyWhatPeopleRead_data()
    {
        // REPORT: the report's path; what is told, in parts split at '|'.
        columns<QString, int, QString, QString>({"arguments", "status", "english", "german"});
        row("no action", "--to LPT1", 2, "nothing to send: give at least one",
            "nichts zu senden: mindestens eine Aktion");
        row("no printer", "--list", 2, "no printer to send to", "kein Drucker zum Senden");
        // What failed is told in German as well; the report keeps it in English.
        row("refused", "--to " + refusedTarget() + " --list --report REPORT", 1,
            ": failed: | refused the connection: check that this is the printer's address",
            ": fehlgeschlagen: | hat die Verbindung abgelehnt: Prüfen Sie, ob dies die Adresse "
            "des Druckers ist");
        // An option's value refused, and a choice a calibration refuses.
        row("test label", "--to LPT1 --test-label 3", 2,
            "--test-label takes 1 (the 4X3 label) or 2",
            "--test-label nimmt 1 (das 4X3-Etikett) oder 2");
        row("calibration", "--to LPT1 --calibrate bra --print-type XX", 2,
            "XX: Index type must be BAR or GAP\n", "XX: Der Indextyp muss BAR oder GAP sein\n");
        row("address", "--to COM999 --list", 2, "COM ports are numbered 1 to 255",
            "COM-Anschlüsse sind von 1 bis 255 nummeriert");
        // Advice in the command line's words, in German too.
        row("convert advice", "--to LPT1 --store-graphic " + dir.filePath("colour.bmp") + " --id A",
            2, "images only. Add --convert to make one.",
            "(1 Bit). Mit --convert lässt sich eines erstellen.");
        // A file not written: why, told in German; a folder is no report.
        row("report refused", "--dry-run --to LPT1 --list --report " + dir.path(), 1,
            " was not written: it is a folder; name a file in it.",
            " wurde nicht geschrieben: es ist ein Ordner; nennen Sie eine Datei darin.");
        row("dry run", "--dry-run --to LPT1 --list --report REPORT", 0, "", "");
    }
    void germanChangesOnlyWhatPeopleRead()
    {
        QFETCH(QString, arguments);
        QFETCH(int, status);
        QFETCH(QString, english);
        QFETCH(QString, german);
        struct Said {
            QByteArray out;
            QString report, err;
        };
        const auto run = [&](const QString &language) {
            const QString report = dir.filePath("report-" + language + ".json");
            QFile::remove(report); // none left from another row
            QProcess cli;
            cli.start(VARIMONDE_SETUP_BINARY,
                      QStringList{"--lang", language} +
                          words(QString(arguments).replace("REPORT", report)));
            const bool ended = cli.waitForFinished(10000);
            [&] {
                QVERIFY(ended);
                QCOMPARE(cli.exitCode(), status);
            }();
            // How long the send took is the one field that may differ.
            return Said{cli.readAllStandardOutput(),
                        QString::fromUtf8(fileBytes(report))
                            .remove(QRegularExpression("\"seconds\": [^,\n]*")),
                        QString::fromUtf8(cli.readAllStandardError())};
        };
        const Said en = run("en"), de = run("de");
        if (QTest::currentTestFailed())
            return;
        for (const QString &part : english.split('|'))
            QVERIFY2(en.err.contains(part), qPrintable(en.err));
        for (const QString &part : german.split('|'))
            QVERIFY2(de.err.contains(part), qPrintable(de.err));
        QVERIFY2(de.err != en.err || english.isEmpty(), qPrintable(de.err));
        QCOMPARE(de.out, en.out);
        QCOMPARE(de.report, en.report);
    }

    // Advice that names a tab in the window names an option on the command
    // line, in German too; the window's own words stay as they were (in
    // English, tst_link's failuresSayWhy).
    void adviceNamesTheCommandLinesOption()
    {
        PortNames names;
        names.setUsbRoots(dir.filePath("none"), dir.filePath("none"));
        names.redirect("LPT1", dir.filePath("none"));
        names.redirect("LPT2", file("lp1", {}));
        const Wording advice = PortDoctor::printerPortsAdvice(names);
        const QString found = "LPT2 (" + dir.filePath("lp1") + "). ";
        QTranslator german;
        QVERIFY(german.load("varimonde-setup_de", QCoreApplication::applicationDirPath() +
                                                      "/../share/varimonde-setup/translations"));
        QCoreApplication::installTranslator(&german);
        const QStringList shown{advice.shown(), advice.shown(Audience::CommandLine)};
        QCoreApplication::removeTranslator(&german);
        QCOMPARE(shown,
                 (QStringList{"Gefundene parallele und USB-Druckeranschlüsse: " + found +
                                  "Wählen Sie einen davon auf der Registerkarte „Verbindung“.",
                              "Gefundene parallele und USB-Druckeranschlüsse: " + found +
                                  "Nennen Sie einen davon mit --to."}));
        QCOMPARE(advice.english(Audience::CommandLine),
                 "Parallel and USB printer ports found: " + found + "Name one of them with --to.");
    }

    // --help in the language asked for: the descriptions translated beside
    // the same option names, English as it always was, and Japanese broken
    // to fit 80 columns, a wide character taking two.
    void helpInTheLanguageAsked_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("line");
        QTest::newRow("en") << "en"
                            << "\n  --to <target>                  A printer to send to; give it "
                               "once for each\n";
        QTest::newRow("de") << "de"
                            << "\n  --to <target>                  Ein Drucker, an den gesendet "
                               "wird; für jeden\n";
        QTest::newRow("ja") << "ja"
                            << "\n  --to <target>                  送信先のプリンター。"
                               "プリンターごとに 1 回ずつ\n";
    }
    void helpInTheLanguageAsked()
    {
        QFETCH(QString, language);
        QFETCH(QString, line);
        const auto help = [](const QStringList &language) {
            QProcess cli;
            cli.start(VARIMONDE_SETUP_BINARY, language + QStringList{"--help"});
            return cli.waitForFinished(10000) && cli.exitCode() == 0
                       ? QString::fromUtf8(cli.readAllStandardOutput())
                       : QString();
        };
        const auto names = [](const QString &help) {
            static const QRegularExpression named("^  (-.*?)(  |$)",
                                                  QRegularExpression::MultilineOption);
            QStringList found;
            for (auto match = named.globalMatch(help); match.hasNext();)
                found << match.next().captured(1);
            return found;
        };
        const QString shown = help({"--lang", language});
        QVERIFY2(shown.contains(line), qPrintable(shown));
        QCOMPARE(names(shown), names(help({"--lang", "en"})));
        for (const QString &row : shown.mid(shown.indexOf("\n  -h")).split('\n')) {
            const auto wide = std::count_if(row.begin(), row.end(),
                                            [](QChar c) { return c.unicode() >= 0x2E80; });
            QVERIFY2(row.size() + wide <= 80, qPrintable(row));
        }
    }

    // An interrupt ends every mode within a second, status 130, its report
    // written with what it had. SIGINT mid-transfer, or SIGTERM while a
    // large firmware image is still read, cancels every printer (before
    // sending, if the file was still read); a dry run then says so rather
    // than print a part. --discover and --status end while SNMP is asked of
    // a printer that keeps silent, a dry run while nothing reads the pipe its
    // output goes to; a send whose printer's status is still read drops the
    // read at once.
    void anInterruptEndsEveryMode_data()
    {
        // {P}, {Q}: printers that take a byte every 100 ms, {T}: one that
        // takes all at once ({port}: its port), {S}: a silent SNMP port,
        // {R}: the report, {F}: a firmware file, {H}: a huge one, {pipe}: a
        // pipe nobody reads. Under way: a byte sent, {H} open or, by
        // default, SNMP asked or the report written. Said: a line of the
        // report, or with no report what is told.
        columns<QString, QString, int, int, QString, QString>(
            {"arguments", "underWay", "signal", "withinMs", "said", "outcomes"});
        const QString send = "--firmware {H} --stall-limit 30 --to {P} --to ";
        row("mid-transfer", send + "{Q} --report {R}", "sent", SIGINT, 1000, "",
            "cancelled cancelled");
        row("while the file is read", send + "LPT2 --report {R}", "read", SIGTERM, 1000, "",
            "cancelled cancelled");
        row("dry run, while the file is read", send + "LPT2 --dry-run", "read", SIGTERM, 1000,
            "varimonde-setup: interrupted while the files were read\n", "");
        row("discover",
            "--discover --range 127.0.0.1 --scan-port {port} --snmp-port {S} --report {R}", "",
            SIGINT, 1000, "target\": \"tcp://127.0.0.1:{port}", "");
        row("status", "--status --to {T} --snmp-port {S} --report {R}", "", SIGINT, 1000,
            "status\": \"unknown", "");
        row("dry run", "--list --dry-run --output {pipe} --report {R}", "", SIGINT, 1000,
            "dryRun\": true", "");
        row("send, status read", "--to {T} --snmp-port {S} --firmware {F} --report {R}", "", SIGINT,
            400, "", "cancelled");
    }
    void anInterruptEndsEveryMode()
    {
        QFETCH(QString, arguments);
        QFETCH(QString, underWay);
        QFETCH(QString, said);
        SlowPrinter printer(1), other(1);
        LoopbackPrinter quick;
        QUdpSocket silent;
        QVERIFY(quick.listening && silent.bind(QHostAddress::LocalHost, 0));
        const QString huge = file("huge.bin", {}); // then sparse:
        QVERIFY(QFile::resize(huge, underWay == "read" ? qint64(1) << 30 : 16 << 20));
        const QString report = dir.filePath("interrupted.json");
        QFile::remove(report);
        QFile::remove(dir.filePath("unread.pipe"));
        const Fifo unread(dir.filePath("unread.pipe"), false);
        const auto filled = [&](QString text) {
            return text.replace("{P}", printer.target())
                .replace("{Q}", other.target())
                .replace("{T}", quick.target())
                .replace("{port}", QString::number(quick.serverPort()))
                .replace("{S}", QString::number(silent.localPort()))
                .replace("{R}", report)
                .replace("{F}", dir.filePath("fw.bin"))
                .replace("{H}", huge)
                .replace("{pipe}", unread.path);
        };
        QProcess cli;
        cli.start(VARIMONDE_SETUP_BINARY, words(filled(arguments)));
        QVERIFY(cli.waitForStarted());
        const auto started = [&] {
            if (underWay == "sent")
                return !printer.received.isEmpty();
            const QDir fds("/proc/" + QString::number(cli.processId()) + "/fd");
            for (const QFileInfo &fd : fds.entryInfoList(QDir::AllEntries | QDir::System))
                if (fd.symLinkTarget() == huge)
                    return true;
            // SNMP asked, or the report written before the output.
            return underWay.isEmpty() && (silent.hasPendingDatagrams() || QFile::exists(report));
        };
        QTRY_VERIFY_WITH_TIMEOUT(started(), 5000);
        QFETCH(int, signal);
        QFETCH(int, withinMs);
        const qint64 took = endAfter(cli, signal);
        QVERIFY2(took >= 0 && took < withinMs, qPrintable(QString::number(took)));
        QCOMPARE(cli.exitStatus(), QProcess::NormalExit);
        QCOMPARE(cli.exitCode(), 130);
        if (underWay != "sent")
            QCOMPARE(printer.received + quick.received, QByteArray());
        if (!arguments.contains("{R}")) {
            QCOMPARE(cli.readAllStandardOutput(), QByteArray());
            QCOMPARE(QString::fromUtf8(cli.readAllStandardError()), said);
            return;
        }
        const QByteArray written = fileBytes(report);
        QVERIFY2(written.contains(filled(said).toUtf8()) &&
                     written.contains("\"exitStatus\": 130") == !arguments.contains("dry-run"),
                 written.constData());
        // Each printer sent to is cancelled before it took all of the huge file.
        QStringList outcomes;
        for (const QJsonValue row : QJsonDocument::fromJson(written)["printers"].toArray()) {
            if (!row.toObject().contains("outcome"))
                continue;
            outcomes << row["outcome"].toString();
            QVERIFY(row["bytesSent"].toInteger() < 16 << 20);
            if (underWay == "read")
                QVERIFY(row["failure"].toString().contains("cancelled before sending"));
        }
        QTEST(outcomes.join(' '), "outcomes");
    }

    // A second interrupt ends the program at once, whatever holds it: here
    // a dry run's bytes written to standard output, a pipe nobody reads.
    void aSecondInterruptEndsAtOnce()
    {
        const QString image = file("second.bin", QByteArray(1 << 20, 'F'));
        QFile::remove(dir.filePath("stuck.pipe"));
        const Fifo stuck(dir.filePath("stuck.pipe"));
        QProcess cli;
        cli.setStandardOutputFile(stuck.path);
        cli.start(VARIMONDE_SETUP_BINARY, {"--firmware", image, "--dry-run"});
        QVERIFY(cli.waitForStarted());
        QVERIFY(!cli.waitForFinished(500));
        ::kill(pid_t(cli.processId()), SIGINT);
        QVERIFY(!cli.waitForFinished(300));
        const qint64 took = endAfter(cli, SIGINT);
        QVERIFY2(took >= 0 && took < 200, qPrintable(QString::number(took)));
        QCOMPARE(cli.exitStatus(), QProcess::NormalExit);
        QCOMPARE(cli.exitCode(), 130);
    }

    // A printer that takes nothing is said to be busy in the log, in the
    // window's words, instead of by a rate that no longer moves.
    void aBusyPrinterIsToldInTheLog()
    {
        const TargetJob job(
            std::get<Target>(Target::parse("tcp://127.0.0.1")),
            {Operation{"--send f", {OperationPart::ofBytes(QByteArray(4000, 'x'))}}},
            {{}, 5000, std::nullopt});
        TransferProgress shown(4000);
        shown.update(1000, 1000);
        shown.update(2000, 2000);
        const QString head = "tcp://127.0.0.1: [1/1] 50% 2000 of 4000 bytes delivered, ";
        QCOMPARE(ProgressLog::line(job, shown), head + "1.0 kB/s, about 2 s left");
        shown.update(2000, 27000);
        QCOMPARE(ProgressLog::line(job, shown), head + "the printer has taken no data for 25 s");
    }

    // Where nobody watches a terminal: progress lines on standard error
    // every interval and at each tenth, JSON Lines events on standard output
    // for a script, or with --quiet the failures and the summary alone.
    void progressWhereNoTerminalShowsIt_data()
    {
        textTable({"options"}, {{""}, {"--progress json"}, {"--quiet"}});
    }
    void progressWhereNoTerminalShowsIt()
    {
        QFETCH(QString, options);
        SlowPrinter slow(4096);
        const QString refused = refusedTarget();
        const QByteArray image = firmware.repeated(150); // 135,450 bytes: about 3 s
        const QString path = file("slow.bin", image);
        const Ran cli = runCli(QStringList{"--to", slow.target(), "--to", refused, "--firmware",
                                           path, "--progress-interval", "1", "--ignore-status"} +
                               words(options));
        QCOMPARE(cli.status, 1);
        QTRY_COMPARE(slow.received, image);
        const QString table = "2 printers: 1 sent, 1 failed, 0 cancelled\n";
        const QString failure = "[1/2] " + refused + ": failed: --firmware " + path;
        // The summary goes where the events do not.
        QVERIFY((options.contains("json") ? cli.err.toUtf8() : cli.out).endsWith(table.toUtf8()));
        if (options.isEmpty()) {
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
        } else if (options == "--quiet") {
            QCOMPARE(cli.err.count('\n'), 1);
            QVERIFY2(cli.err.startsWith(failure), qPrintable(cli.err));
        } else {
            QHash<QString, QStringList> events;
            qint64 delivered = 0;
            for (const QByteArray &text : cli.out.trimmed().split('\n')) {
                const QJsonObject event = QJsonDocument::fromJson(text).object(); // {} if not JSON
                QVERIFY2(event["bytesTotal"].toInteger() == image.size() &&
                             event["seconds"].toDouble() < 30,
                         text);
                events[event["target"].toString()] << event["event"].toString();
                if (event["target"] == slow.target()) {
                    QVERIFY(event["bytesDelivered"].toInteger() >= delivered);
                    delivered = event["bytesDelivered"].toInteger();
                }
            }
            QCOMPARE(events[refused].join(' '), "start failed");
            const QString sent = events[slow.target()].join(' ');
            QVERIFY2(sent.contains(QRegularExpression("^start( progress){4,} done$")),
                     qPrintable(sent));
            QCOMPARE(delivered, image.size());
        }
    }

    // A name the name server never answers for fails within the connect
    // timeout, named as a lookup: the firmware's status read looks the name
    // up first, for a second, so within 6 s in all. The silent server is
    // reached through a resolver configuration that only the program's own
    // mount namespace sees.
    void aNameThatNeverResolves()
    {
        QUdpSocket silent; // takes queries and never answers, as a name server gone quiet
        if (!silent.bind(QHostAddress("127.0.0.153"), 53) ||
            QStandardPaths::findExecutable("unshare").isEmpty())
            QSKIP("needs root for a name server on port 53 and a mount namespace");
        const QString resolv = file("resolv.conf", "nameserver 127.0.0.153\n");
        const QString hosts = file("nsswitch.conf", "hosts: files dns\n");
        const QString path = dir.filePath("fw.bin");
        const QString report = dir.filePath("lookup.json");
        QProcess cli;
        cli.start("unshare", {"--mount", "sh", "-c",
                              "mount --bind \"$0\" /etc/resolv.conf && mount --bind \"$1\" "
                              "/etc/nsswitch.conf && exec \"$2\" --to tcp://printer.silent.test "
                              "--firmware \"$3\" --connect-timeout 2 --report \"$4\"",
                              resolv, hosts, VARIMONDE_SETUP_BINARY, path, report});
        QElapsedTimer clock;
        clock.start();
        QVERIFY(cli.waitForFinished(20000));
        QVERIFY2(clock.elapsed() < 6000, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(cli.exitCode(), 1);
        QCOMPARE(QJsonDocument::fromJson(fileBytes(report))["printers"][0]["failure"].toString(),
                 "--firmware " + path +
                     ": could not look printer.silent.test up within 2 s: check the name "
                     "and the DNS server");
    }
};

VARIMONDE_TEST_MAIN(TestCli)
#include "tst_cli.moc"
