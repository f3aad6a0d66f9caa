#include "discovery/SnmpReader.h"
#include "printer/CalibrationBlocks.h"
#include "printer/ConfigBlock.h"
#include "printer/FormatLines.h"
#include "printer/StorageCommands.h"
#include "printer/TestLabels.h"
#include "support/Files.h"
#include "support/Pictures.h"
#include "support/RawSend.h"
#include "support/SnmpRead.h"
#include "support/TestMain.h"
#include "virtual/CommandStream.h"
#include "virtual/Fleet.h"
#include "virtual/SerialLine.h"
#include "virtual/SnmpAgent.h"
#include "virtual/VirtualPrinter.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QSerialPort>
#include <QSignalSpy>
#include <QTcpSocket>

namespace
{

using Kind = PrinterCommand::Kind;

// What a stream read, one line a command: "Setting DARKNESS=30".
QString described(const PrinterCommand &command)
{
    static const char *const names[] = {"Setting",         "SettingsWritten", "Calibrate",
                                        "Labels",          "GraphicStored",   "FormatStored",
                                        "FormatRecalled",  "Deleted",         "ListObjects",
                                        "FirmwareStarted", "Firmware",        "Unknown"};
    QString line = QLatin1String(names[int(command.kind)]);
    switch (command.kind) {
    case Kind::Setting:
        return line + QLatin1Char(' ') + command.name + QLatin1Char('=') + command.value;
    case Kind::Labels:
    case Kind::FormatRecalled:
        return line + QStringLiteral(" %1 x%2").arg(command.name).arg(command.count);
    case Kind::GraphicStored:
    case Kind::FormatStored:
        return line + QStringLiteral(" %1 %2").arg(command.name).arg(command.size);
    case Kind::Deleted:
        return line + QLatin1Char(' ') + command.name;
    case Kind::Firmware:
        return line + QStringLiteral(" %1 %2")
                          .arg(command.size)
                          .arg(QString::fromLatin1(command.bytes.toHex().left(8)));
    case Kind::Unknown:
        return line +
               QStringLiteral(" %1: %2").arg(command.name, QString::fromLatin1(command.bytes));
    default:
        return line;
    }
}

// Feeds each connection's bytes in pieces of `piece` bytes.
QStringList read(const QList<QByteArray> &connections, int piece)
{
    QStringList seen;
    CommandStream stream([&seen](const PrinterCommand &command) { seen << described(command); });
    for (const QByteArray &bytes : connections) {
        stream.beginConnection();
        for (qsizetype at = 0; at < bytes.size(); at += piece)
            stream.feed(bytes.mid(at, piece));
        stream.endConnection();
    }
    return seen;
}

QByteArray latin1(const QString &text)
{
    return text.toLatin1();
}

ConfigValues everySetting()
{
    ConfigValues values;
    values.darknessSwitch = values.widthSwitch = values.emulationSwitch = SwitchState::On;
    values.printModeSwitch = values.printSpeedSwitch = values.textBufferSwitch = SwitchState::On;
    values.darkness = QStringLiteral("30");
    values.width = QStringLiteral("416");
    values.scaler = 5;
    values.printMode = QStringLiteral("TT");
    values.printSpeed = QStringLiteral("HIGHSPEED");
    values.mainBuffer = 1024;
    values.overflowBuffer = 512;
    return values;
}

QByteArray storedFormat(const QString &identifier, QByteArray text)
{
    FormatLines::toPrinterText(text);
    StorageCommands::formatStore(identifier, text);
    return text;
}

QString hex(const QByteArray &bytes)
{
    return QString::fromLatin1(
        QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex().left(8));
}

// A printer of `fleet` on a free loopback port; null, the cause given, when none could be had.
VirtualPrinter *addPrinter(Fleet &fleet, std::optional<quint16> snmpPort,
                           const QHostAddress &address = QHostAddress(QHostAddress::LocalHost))
{
    QString failure;
    VirtualPrinter *printer = fleet.addNetworkPrinter(address, 0, snmpPort, &failure);
    if (!printer)
        qWarning("%s", qPrintable(failure));
    return printer;
}

// Whether `fleet` carried out the control request, made of every printer unless one is named.
bool controlled(Fleet &fleet, QJsonObject request)
{
    if (!request.contains("printer"))
        request.insert("printer", "*");
    return fleet.control(request)["ok"].toBool();
}

// The utility run to its end with `arguments` and a report in `dir`: the report read back.
QJsonObject reportOfRun(const QTemporaryDir &dir, const QStringList &arguments, int &exitCode)
{
    QProcess utility;
    utility.start(VARIMONDE_SETUP_BINARY,
                  arguments + QStringList{"--report", dir.filePath("report.json")});
    [&] { QTRY_COMPARE_WITH_TIMEOUT(utility.state(), QProcess::NotRunning, 20000); }();
    QFile file(dir.filePath("report.json"));
    if (!file.open(QIODevice::ReadOnly))
        qWarning("%s", utility.readAllStandardError().constData());
    exitCode = utility.exitCode();
    return QJsonDocument::fromJson(file.readAll()).object();
}

} // namespace

class VirtualTest : public QObject
{
    Q_OBJECT

private slots:
    void readsWhatTheUtilitySends_data();
    void readsWhatTheUtilitySends();
    void countsLabelsUntilTheScheduledCondition();
    void controlRequests_data();
    void controlRequests();
    void networkFaults();
    void firmwareRestartsThePrinter();
    void snmpAgreesWithTheCondition();
    void snmpV3Users_data();
    void snmpV3Users();
    void utilityReadsV3Printers();
    void utilityMeetsTheFaults_data();
    void utilityMeetsTheFaults();
    void serialLineAtItsPace();
    void stateFileAndPictures();
};

void VirtualTest::readsWhatTheUtilitySends_data()
{
    QTest::addColumn<QList<QByteArray>>("connections");
    QTest::addColumn<QStringList>("expected");

    const QByteArray bmp = Pictures::bmp(20, 10);
    const QByteArray pcx = Pictures::pcx(33, 7);
    const QByteArray firmware = QByteArray("\x7f"
                                           "ELF",
                                           4) +
                                QByteArray(70000, '\xA5') + "!END\r\n";
    QTest::newRow("configuration")
        << QList<QByteArray>{latin1(ConfigBlock::build(everySetting()))}
        << QStringList{"Setting DARKNESS=30",     "Setting WIDTH=416",
                       "Setting MODE=2 5",        "Setting PRINT_MODE=TT",
                       "Setting SPEED=HIGHSPEED", "Setting TXTBFR=1024 512",
                       "SettingsWritten"};
    QTest::newRow("calibration") << QList<QByteArray>{latin1(CalibrationBlocks::settingsBlock(
                                                          "BAR", "TT", "WAX")),
                                                      latin1(CalibrationBlocks::calibrateBlock())}
                                 << QStringList{"Setting INDEX SETTING=2", "Setting FEED_TYPE=BAR",
                                                "SettingsWritten", "Calibrate", "SettingsWritten"};
    QTest::newRow("test labels back to back")
        << QList<QByteArray>{latin1(TestLabels::fourByThree() + TestLabels::twoPointFourByOne())}
        << QStringList{"Labels 4X3 test label x1", "Labels 2.4X1 test label x1"};
    QTest::newRow("BMP graphic on three connections")
        << QList<QByteArray>{latin1(StorageCommands::graphicStoreHeader("BMP", "logo")), bmp,
                             latin1(StorageCommands::graphicStoreEnd())}
        << QStringList{QStringLiteral("GraphicStored LOGO %1").arg(bmp.size())};
    QTest::newRow("PCX graphic, its first byte a line feed")
        << QList<QByteArray>{latin1(StorageCommands::graphicStoreHeader("PCX", "p1")) + pcx +
                             latin1(StorageCommands::graphicStoreEnd())}
        << QStringList{QStringLiteral("GraphicStored P1 %1").arg(pcx.size())};
    const QByteArray format = storedFormat("Ship", "! 0 100 200 1\r\nT 3 10 10 HELLO\r\nEND\r\n");
    QTest::newRow("format stored, recalled, deleted, listed")
        << QList<QByteArray>{format, latin1(StorageCommands::formatRecall("Ship", 3)),
                             latin1(StorageCommands::deleteObject("Ship")),
                             latin1(StorageCommands::listObjects())}
        << QStringList{
               QStringLiteral("FormatStored Ship %1").arg(format.size() - format.indexOf('\n') - 1),
               "FormatRecalled SHIP x3", "Deleted Ship", "ListObjects"};
    QTest::newRow("graphic printed")
        << QList<QByteArray>{latin1(StorageCommands::graphicRecall("logo"))}
        << QStringList{"Labels graphic LOGO x1"};
    QTest::newRow("firmware image, whatever it holds")
        << QList<QByteArray>{firmware, latin1(StorageCommands::listObjects())}
        << QStringList{"FirmwareStarted",
                       QStringLiteral("Firmware %1 %2").arg(firmware.size()).arg(hex(firmware)),
                       "ListObjects"};
    QTest::newRow("a few bytes that are no command")
        << QList<QByteArray>{"#%&*"} << QStringList{"Unknown not a command: #%&*"};
    QTest::newRow("unknown bytes between commands are kept")
        << QList<QByteArray>{latin1(StorageCommands::listObjects()) + "\x1b[2Jnoise\r\n!L\r\n"}
        << QStringList{"ListObjects", "Unknown not a command: \x1b[2Jnoise\r\n", "ListObjects"};
    QTest::newRow("unknown command and line in a block")
        << QList<QByteArray>{"!Q 1\r\n! 0 0 0 0\r\nVARIABLE\r\nVARIABLE DARKNESS 5\r\nVARIABLE "
                             "WRITE\r\nEND"}
        << QStringList{"Unknown unknown command: !Q 1", "Unknown unknown command: VARIABLE",
                       "Setting DARKNESS=5", "SettingsWritten"};
    QTest::newRow("settings never written")
        << QList<QByteArray>{"! 0 0 0 0\r\nVARIABLE DARKNESS 5\r\nEND"}
        << QStringList{"Unknown settings not written: ! 0 0 0 0\r\nVARIABLE DARKNESS 5\r\nEND"};
    QTest::newRow("a BMP store given something else")
        << QList<QByteArray>{latin1(StorageCommands::graphicStoreHeader("BMP", "x")) +
                             "GIF89a!L\r\n"}
        << QStringList{"Unknown not a graphic of its type: GIF89a", "ListObjects"};
}

void VirtualTest::readsWhatTheUtilitySends()
{
    QFETCH(QList<QByteArray>, connections);
    QFETCH(QStringList, expected);
    // The same whole or a byte at a time: a command never depends on how
    // the network cut it.
    QCOMPARE(read(connections, 1 << 20), expected);
    QCOMPARE(read(connections, 1), expected);
    QCOMPARE(read(connections, 7), expected);
}

void VirtualTest::countsLabelsUntilTheScheduledCondition()
{
    VirtualPrinter printer(QStringLiteral("p"));
    PrinterModel &model = printer.model();
    model.schedule(PrinterModel::Condition::NoPaper, 30);
    const QByteArray format = storedFormat("f", "! 0 100 200 1\r\nT 3 10 10 A\r\nEND\r\n");
    printer.receive(format + latin1(StorageCommands::formatRecall("f", 25) +
                                    StorageCommands::formatRecall("f", 25)));
    QCOMPARE(model.odometer(), 30);
    QCOMPARE(model.condition(), PrinterModel::Condition::NoPaper);
    const QJsonObject json = model.toJson();
    QCOMPARE(json["odometer"]["recalled"].toInt(), 30);
    QCOMPARE(json["odometer"]["not printed"].toInt(), 20);
    printer.receive(latin1(TestLabels::fourByThree()));
    QCOMPARE(model.odometer(), 30);
    model.setCondition(PrinterModel::Condition::PaperLow);
    printer.receive(latin1(TestLabels::fourByThree()));
    QCOMPARE(model.toJson().value("odometer")["test"].toInt(), 1);
}

void VirtualTest::controlRequests_data()
{
    columns<QByteArray, QString, QString, QString>(
        {"request", "error", "state", "faults"}); // error: empty when it is carried out
    const auto refused = [](const char *name, const char *request, const char *error) {
        row(name, QByteArray(request), error, "ready", "{}");
    };
    row("set", QByteArray(R"({"printer":"127.0.0.1","set":"jammed"})"), "", "jammed", "{}");
    row("all, scheduled", QByteArray(R"({"printer":"*","set":"no-paper","after-labels":30})"), "",
        "ready", "{}");
    row("fault", QByteArray(R"({"printer":"*","fault":"reset","after-bytes":100})"), "", "ready",
        R"({"reset":100})");
    refused("no such printer", R"({"printer":"10.1.1.1","set":"ready"})", "no printer 10.1.1.1");
    refused("no printer", R"({"set":"ready"})", "name a printer, or \"*\" for all");
    refused("unknown state", R"({"printer":"*","set":"on-fire"})", "no state \"on-fire\"");
    refused("fault without its number", R"({"printer":"*","fault":"slow"})",
            "fault slow needs a number above 0");
    refused("bad count changes nothing", R"({"printer":"*","set":"jammed","after-labels":-1})",
            "after-labels is a number of labels");
    refused("unknown field", R"({"printer":"*","colour":"red"})", "unknown field \"colour\"");
    refused("not JSON", "set jammed", "not a JSON object");
    refused("nothing asked", R"({"printer":"*"})", "nothing to do");
    refused("v3 user, no agent", R"({"printer":"*","snmp-user":"labels"})",
            "printer 127.0.0.1 has no SNMP agent");
    refused("privacy without authentication",
            R"({"printer":"*","snmp-user":"labels","priv":"labelpriv2"})",
            "SNMP privacy needs an authentication pass phrase");
}

void VirtualTest::controlRequests()
{
    QFETCH(QByteArray, request);
    QFETCH(QString, error);
    QFETCH(QString, state);
    QFETCH(QString, faults);
    Fleet fleet;
    QVERIFY(addPrinter(fleet, std::nullopt));
    const QJsonObject answer = fleet.control(request);
    QCOMPARE(answer["ok"].toBool(), error.isEmpty());
    QVERIFY2(error.isEmpty() ? !answer.contains("error")
                             : answer["error"].toString().startsWith(error),
             qPrintable(answer["error"].toString()));
    const QJsonObject printer =
        fleet.control({{"printer", "127.0.0.1"}, {"get", "state"}})["printers"][0].toObject();
    QCOMPARE(printer["state"].toString(), state);
    QCOMPARE(QJsonDocument(printer["faults"].toObject()).toJson(QJsonDocument::Compact),
             faults.toLatin1());
}

void VirtualTest::networkFaults()
{
    Fleet fleet;
    VirtualPrinter *printer = addPrinter(fleet, std::nullopt);
    QVERIFY(printer);
    // A reset after N bytes and a stall are met by the utility itself, in
    // utilityMeetsTheFaults.

    // Slow: at 2000 bytes a second, half a second takes about a thousand.
    QVERIFY(controlled(fleet, {{"fault", "slow"}, {"rate", 2000}}));
    {
        QTcpSocket socket;
        socket.connectToHost(printer->address(), printer->port());
        QTRY_COMPARE(socket.state(), QAbstractSocket::ConnectedState);
        socket.write(QByteArray(20000, '\r'));
        QTest::qWait(500);
        const qint64 taken = printer->model().bytesReceived();
        QVERIFY2(taken >= 600 && taken <= 1600, qPrintable(QString::number(taken)));
    }

    // Vanished: the port is gone; back, it takes a label whole.
    QVERIFY(controlled(fleet, {{"fault", "vanish"}}));
    {
        QTcpSocket socket;
        socket.connectToHost(printer->address(), printer->port());
        QTRY_COMPARE(socket.state(), QAbstractSocket::UnconnectedState);
        QCOMPARE(socket.error(), QAbstractSocket::ConnectionRefusedError);
    }
    QVERIFY(controlled(fleet, {{"fault", "none"}}));
    const qint64 odometer = printer->model().odometer();
    sendTo(*printer, latin1(TestLabels::fourByThree()));
    QTRY_COMPARE(printer->model().odometer(), odometer + 1);
}

void VirtualTest::firmwareRestartsThePrinter()
{
    Fleet fleet;
    fleet.setRestartMs(300);
    VirtualPrinter *printer = addPrinter(fleet, std::nullopt);
    QVERIFY(printer);
    QByteArray image(1 << 20, Qt::Uninitialized);
    for (int i = 0; i < image.size(); ++i)
        image[i] = char((quint32(i) * 7919u) >> 3);
    sendTo(*printer, image);
    QTRY_VERIFY(printer->model().firmware().has_value());
    QCOMPARE(printer->model().firmware()->size, image.size());
    QCOMPARE(printer->model().firmware()->sha256,
             QCryptographicHash::hash(image, QCryptographicHash::Sha256));
    QVERIFY(printer->model().restarting);
    {
        QTcpSocket socket;
        socket.connectToHost(printer->address(), printer->port());
        QTRY_COMPARE(socket.state(), QAbstractSocket::UnconnectedState);
    }
    QTRY_VERIFY(!printer->model().restarting);
    sendTo(*printer, latin1(StorageCommands::listObjects()));
    QTRY_COMPARE(printer->model().odometer(), 1);
}

void VirtualTest::snmpAgreesWithTheCondition()
{
    Fleet fleet;
    VirtualPrinter *printer = addPrinter(fleet, quint16(0));
    QVERIFY(printer);
    printer->model().community = QStringLiteral("label-room");
    SnmpOptions options;
    options.community = QStringLiteral("label-room");
    options.port = printer->snmpPort();
    options.timeoutMs = 300;
    const struct {
        const char *set;
        const char *words;
        bool refused;
    } rows[] = {
        {"ready", "ready", false},        {"paper-low", "low paper", false},
        {"no-paper", "no paper", true},   {"ribbon-out", "no ribbon or toner", true},
        {"head-open", "door open", true}, {"jammed", "jammed", true},
        {"paused", "offline", true},
    };
    for (const auto &row : rows) {
        QVERIFY(controlled(fleet, {{"set", row.set}}));
        const SnmpAnswer answer = readThrough(options);
        QVERIFY2(answer.answered, qPrintable(answer.failure.english()));
        QCOMPARE(answer.state.words(), QString::fromLatin1(row.words));
        QCOMPARE(!answer.refusal().isEmpty(), row.refused);
        QCOMPARE(answer.serial, printer->model().serialNumber);
    }
    // Another community, or a silent printer, gets no answer.
    SnmpOptions wrong = options;
    wrong.community = QStringLiteral("public");
    QVERIFY(!readThrough(wrong).answered);
    QVERIFY(controlled(fleet, {{"fault", "snmp-silent"}}));
    QVERIFY(!readThrough(options).answered);

    // Debian's client walks it, while this event loop answers it.
    const QString walk = QStandardPaths::findExecutable("snmpwalk");
    if (walk.isEmpty())
        QFAIL("snmpwalk is not installed: scripts/install-deps.sh --tests");
    QVERIFY(controlled(fleet, {{"fault", "none"}}) && controlled(fleet, {{"set", "ready"}}));
    printer->receive(latin1(TestLabels::fourByThree() + TestLabels::fourByThree()));
    QVERIFY(controlled(fleet, {{"set", "head-open"}}));
    QProcess client;
    client.start(walk, {"-v2c", "-c", "label-room", "-On", "-t", "2", "-r", "1",
                        QStringLiteral("127.0.0.1:%1").arg(printer->snmpPort()), "1.3.6.1.2.1"});
    QTRY_COMPARE_WITH_TIMEOUT(client.state(), QProcess::NotRunning, 10000);
    const QString walked = QString::fromUtf8(client.readAllStandardOutput());
    QCOMPARE(client.exitCode(), 0);
    const QStringList expected{
        ".1.3.6.1.2.1.25.3.2.1.2.1 = OID: .1.3.6.1.2.1.25.3.1.5",
        ".1.3.6.1.2.1.25.3.5.1.1.1 = INTEGER: 1",
        ".1.3.6.1.2.1.25.3.5.1.2.1 = Hex-STRING: 08 00 ", // snmpwalk ends hex with a blank
        ".1.3.6.1.2.1.43.5.1.1.17.1 = STRING: \"" + printer->model().serialNumber + "\"",
        ".1.3.6.1.2.1.43.10.2.1.4.1.1 = Counter32: 2",
        ".1.3.6.1.2.1.43.16.5.1.2.1.1 = STRING: \"HEAD OPEN\"",
        ".1.3.6.1.2.1.43.18.1.1.2.1.1 = INTEGER: 3",
        ".1.3.6.1.2.1.43.18.1.1.7.1.1 = INTEGER: 3",
        ".1.3.6.1.2.1.43.18.1.1.8.1.1 = STRING: \"Head open\"",
    };
    for (const QString &line : expected)
        QVERIFY2(walked.contains(line + "\n"), qPrintable(line + " not in:\n" + walked));
}

void VirtualTest::snmpV3Users_data()
{
    // user: the first printer's, by the control channel; asked: snmpget's
    // options before the address; said: in its output, SERIAL the first
    // printer's serial. The printer beside it has a user of the same name
    // with its own phrases.
    columns<QByteArray, QString, QString>({"user", "asked", "said"});
    const QByteArray authPriv = R"({"snmp-user":"labels","auth":"labelpass1","priv":"labelpriv2"})";
    const QString both = "-v3 -u labels -l authPriv -a SHA -x AES ", serial = "SERIAL",
                  authNoPriv = "-v3 -u labels -l authNoPriv -a SHA -A labelpass1";
    row("noAuthNoPriv", QByteArray(R"({"snmp-user":"viewer"})"),
        QString("-v3 -u viewer -l noAuthNoPriv"), serial);
    row("authNoPriv", QByteArray(R"({"snmp-user":"labels","auth":"labelpass1"})"), authNoPriv,
        serial);
    row("authPriv", authPriv, both + "-A labelpass1 -X labelpriv2", serial);
    row("wrong pass phrase", authPriv, both + "-A labelpassX -X labelpriv2",
        QString("Authentication failure"));
    row("the neighbour's phrases", authPriv, both + "-A otherpass1 -X otherpriv2",
        QString("Authentication failure"));
    row("less security than given", authPriv, authNoPriv, QString("authorizationError"));
    row("v2c beside it", authPriv, QString("-v2c -c public"), serial);
    row("user taken away", QByteArray(R"({"snmp-user":""})"),
        QString("-v3 -u labels -l noAuthNoPriv"), QString("Unknown user name"));
}

void VirtualTest::snmpV3Users()
{
    QFETCH(QByteArray, user);
    QFETCH(QString, asked);
    QFETCH(QString, said);
    const QString get = QStandardPaths::findExecutable("snmpget");
    if (get.isEmpty())
        QFAIL("snmpget is not installed: scripts/install-deps.sh --tests");
    Fleet fleet;
    VirtualPrinter *printer = addPrinter(fleet, quint16(0));
    QVERIFY(printer);
    VirtualPrinter *neighbour = addPrinter(fleet, quint16(0));
    QVERIFY(neighbour);
    // Both printers are called 127.0.0.1: every printer takes the
    // neighbour's user, then the first (found first by name) its own.
    QVERIFY(controlled(fleet,
                       {{"snmp-user", "labels"}, {"auth", "otherpass1"}, {"priv", "otherpriv2"}}));
    QJsonObject request = QJsonDocument::fromJson(user).object();
    request.insert("printer", "127.0.0.1");
    const QJsonObject set = fleet.control(request);
    QVERIFY2(set["ok"].toBool(), qPrintable(set["error"].toString()));
    QVERIFY(printer->snmpAgent()->engineId() != neighbour->snmpAgent()->engineId());

    QProcess client;
    client.start(get, asked.split(' ') +
                          QStringList{"-On", "-t", "1", "-r", "0",
                                      QStringLiteral("127.0.0.1:%1").arg(printer->snmpPort()),
                                      ".1.3.6.1.2.1.43.5.1.1.17.1"});
    QTRY_COMPARE_WITH_TIMEOUT(client.state(), QProcess::NotRunning, 10000);
    const QString output =
        QString::fromUtf8(client.readAllStandardOutput() + client.readAllStandardError());
    const bool answered = said == "SERIAL";
    if (answered)
        said = ".1.3.6.1.2.1.43.5.1.1.17.1 = STRING: \"" + printer->model().serialNumber + "\"";
    QVERIFY2(output.contains(said), qPrintable(output));
    QCOMPARE(client.exitCode() == 0, answered);
}

void VirtualTest::utilityReadsV3Printers()
{
    // Two printers with one user of different pass phrases, the second on
    // another loopback address with the first one's SNMP port, as the
    // utility asks every target on one port.
    Fleet fleet;
    VirtualPrinter *first = addPrinter(fleet, quint16(0));
    QVERIFY(first);
    VirtualPrinter *second = addPrinter(fleet, first->snmpPort(), QHostAddress("127.31.41.59"));
    QVERIFY(second);
    for (const auto &[name, pass] :
         {std::pair{"127.0.0.1", "labelpass1"}, std::pair{"127.31.41.59", "otherpass1"}})
        QVERIFY(controlled(
            fleet,
            {{"printer", name}, {"snmp-user", "labels"}, {"auth", pass}, {"priv", "labelpriv2"}}));
    QVERIFY(controlled(fleet, {{"printer", "127.0.0.1"}, {"set", "no-paper"}}));
    QTemporaryDir dir;
    const QString secrets = dir.filePath("secrets");
    QVERIFY(writeFile(secrets, "# the label room\nauth=labelpass1\npriv=labelpriv2\n") &&
            QFile::setPermissions(secrets, QFile::ReadOwner | QFile::WriteOwner));
    int exitCode = -1;
    const QJsonObject report = reportOfRun(
        dir,
        {"--status", "--to", QStringLiteral("tcp://127.0.0.1:%1").arg(first->port()), "--to",
         QStringLiteral("tcp://127.31.41.59:%1").arg(second->port()), "--snmp-port",
         QString::number(first->snmpPort()), "--snmp-user", "labels", "--snmp-secrets", secrets},
        exitCode);
    const QJsonArray printers = report["printers"].toArray();
    QCOMPARE(printers.size(), 2);
    QCOMPARE(printers[0]["status"].toString() + printers[0]["serial"].toString(),
             "no paper" + first->model().serialNumber);
    // The second printer's keys are not the file's: it says no, at once.
    QCOMPARE(printers[1]["snmp"].toBool(), false);
    QCOMPARE(report["notes"].toArray().size(), 1);
    QVERIFY2(report["notes"][0].toString().startsWith(
                 QStringLiteral("tcp://127.31.41.59:%1: SNMP failed: ").arg(second->port())),
             qPrintable(report["notes"][0].toString()));
    QCOMPARE(exitCode, 1);
}

void VirtualTest::utilityMeetsTheFaults_data()
{
    // said: in the utility's report of the printer; received: by the printer, -1 some, not all.
    columns<QJsonObject, QString, qint64>({"request", "said", "received"});
    row("refused before a send", QJsonObject{{"set", "no-paper"}}, "no paper", qint64(0));
    row("stalled", QJsonObject{{"fault", "stall"}}, "took no data", qint64(0));
    row("reset", QJsonObject{{"fault", "reset"}, {"after-bytes", 3000}},
        "closed the connection during the transfer", qint64(3000));
    row("slow, within the limits", QJsonObject{{"fault", "slow"}, {"rate", 400000}}, "",
        qint64(-1));
}

void VirtualTest::utilityMeetsTheFaults()
{
    QFETCH(QJsonObject, request);
    QFETCH(QString, said);
    QFETCH(qint64, received);
    Fleet fleet;
    VirtualPrinter *printer = addPrinter(fleet, quint16(0));
    QVERIFY(printer);
    QVERIFY(controlled(fleet, request));
    QTemporaryDir dir;
    // An image may begin as a command does, and is still an image.
    QVERIFY(writeFile(dir.filePath("fw.bin"), "!<arch>\n" + QByteArray(300000 - 8, '\x5a')));
    int exitCode = -1;
    const QJsonObject report =
        reportOfRun(dir,
                    {"--to", QStringLiteral("tcp://127.0.0.1:%1").arg(printer->port()),
                     "--snmp-port", QString::number(printer->snmpPort()), "--firmware",
                     dir.filePath("fw.bin"), "--stall-limit", "1", "--busy-limit", "1", "--quiet"},
                    exitCode);
    const QString outcome = QJsonDocument(report["printers"][0].toObject()).toJson();
    const bool whole = received < 0;
    QCOMPARE(report["exitStatus"].toInt(), whole ? 0 : 1);
    QCOMPARE(exitCode, whole ? 0 : 1);
    QVERIFY2(outcome.contains(said), qPrintable(outcome));
    if (whole) {
        QTRY_VERIFY(printer->model().firmware().has_value());
        QCOMPARE(printer->model().firmware()->size, 300000);
    } else {
        QCOMPARE(printer->model().bytesReceived(), received);
        QVERIFY(!printer->model().firmware().has_value());
    }
}

void VirtualTest::serialLineAtItsPace()
{
    VirtualPrinter printer(QStringLiteral("serial1"));
    SerialLine line(printer, *SerialSettings::parse("19200,N,8,1"));
    QVERIFY2(line.isOpen(), qPrintable(line.failure()));
    QSerialPort port(line.path());
    QVERIFY(port.open(QIODevice::WriteOnly));
    port.setBaudRate(19200);
    const QByteArray configuration = latin1(ConfigBlock::build(everySetting()));
    QByteArray graphic = latin1(StorageCommands::graphicStoreHeader("BMP", "big")) +
                         Pictures::bmp(400, 80) + latin1(StorageCommands::graphicStoreEnd());
    QElapsedTimer clock;
    clock.start();
    port.write(configuration + graphic);
    QTRY_VERIFY_WITH_TIMEOUT(printer.model().objects().contains("BIG"), 10000);
    // 1920 bytes a second: the bytes cannot arrive sooner.
    const qint64 expectedMs = (configuration.size() + graphic.size() - 2) * 1000 / 1920;
    QVERIFY2(clock.elapsed() >= expectedMs * 9 / 10, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(printer.model().settings().value("DARKNESS"), "30");
    QCOMPARE(printer.model().objects()["BIG"].sha256,
             QCryptographicHash::hash(Pictures::bmp(400, 80), QCryptographicHash::Sha256));

    // At the wrong rate, a command is garbage to the printer.
    port.setBaudRate(9600);
    port.write(latin1(StorageCommands::listObjects()));
    QTRY_VERIFY_WITH_TIMEOUT(
        printer.model().transcript().last().startsWith("not a command (4 bytes)"), 3000);
    QCOMPARE(printer.model().odometer(), 0);
}

void VirtualTest::stateFileAndPictures()
{
    QTemporaryDir dir;
    Fleet fleet;
    fleet.setStatePath(dir.filePath("state.json"));
    fleet.setPicturesFolder(dir.path());
    VirtualPrinter *printer = addPrinter(fleet, std::nullopt);
    QVERIFY(printer);
    // A name that would leave the folder, were it used as it is.
    sendTo(*printer, latin1(StorageCommands::graphicStoreHeader("PCX", "../x")) +
                         Pictures::pcx(16, 4) + latin1(StorageCommands::graphicStoreEnd()));
    QSignalSpy written(&fleet, &Fleet::stateWritten);
    QTRY_VERIFY(written.count() > 0);
    QFile file(dir.filePath("state.json"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QJsonObject state = QJsonDocument::fromJson(file.readAll())["printers"][0].toObject();
    const QJsonObject object = state["objects"][0].toObject();
    QCOMPARE(object["name"].toString(), "../X");
    QCOMPARE(object["kind"].toString(), "PCX");
    const QString picture = object["picture"].toString();
    QCOMPARE(QFileInfo(picture).dir().absolutePath(), QDir(dir.path()).absolutePath());
    const QImage image(picture);
    QCOMPARE(image.size(), QSize(16, 4));
    for (int x = 0; x < 16; ++x)
        QCOMPARE(qGray(image.pixel(x, 1)) < 128, (x + 1) % 3 == 0);
}

VARIMONDE_TEST_MAIN(VirtualTest)
#include "tst_virtual.moc"
