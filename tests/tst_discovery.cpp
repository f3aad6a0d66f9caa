#include "cli/CommandLine.h"
#include "cli/Console.h"
#include "comm/FindPrintersDialog.h"
#include "discovery/Discovery.h"
#include "discovery/PrinterState.h"
#include "discovery/SnmpReader.h"
#include "discovery/Sweep.h"
#include "support/CliRun.h"
#include "support/FullListener.h"
#include "support/LoopbackPrinter.h"
#include "support/TestMain.h"
#include "support/WindowDriver.h"

#include <QAbstractButton>
#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHostAddress>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QProgressBar>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTableView>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QUdpSocket>

#include <memory>

namespace
{

SnmpOptions testedCommunity(quint16 port)
{
    SnmpOptions options;
    options.community = "tested";
    options.port = port;
    return options;
}

// A real SNMP agent on loopback addresses and a free port, with a
// configuration of the test's own that answers the printer tables with
// the values given; stopped with the test.
class Agent
{
public:
    // `printers`: the address each printer answers on, with its override
    // lines (OID, type, value).
    bool start(const QStringList &addresses, const QStringList &overrides)
    {
        const QString program = QStandardPaths::findExecutable("snmpd", {"/usr/sbin", "/usr/bin"});
        if (program.isEmpty())
            return false;
        QUdpSocket probe;
        probe.bind(QHostAddress::LocalHost, 0);
        port = probe.localPort();
        probe.close();
        QFile config(dir.filePath("snmpd.conf"));
        config.open(QIODevice::WriteOnly);
        config.write("rocommunity tested 127.0.0.0/8\n"
                     "createUser printeruser SHA \"authpass123\" AES \"privpass123\"\n"
                     "rouser printeruser priv\n");
        for (const QString &line : overrides)
            config.write(("override " + line + "\n").toUtf8());
        config.close();
        QStringList endpoints;
        for (const QString &address : addresses)
            endpoints << QStringLiteral("udp:%1:%2").arg(address).arg(port);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("MIBS", QString());
        environment.insert("SNMP_PERSISTENT_DIR", dir.filePath("p"));
        environment.insert("SNMPCONFPATH", dir.path());
        agent.setProcessEnvironment(environment);
        agent.setProcessChannelMode(QProcess::MergedChannels);
        agent.start(program, {"-f", "-Lo", "-C", "-c", config.fileName(), "-M",
                              dir.filePath("none"), endpoints.join(',')});
        if (!agent.waitForStarted())
            return false;
        // Ready once it answers.
        SnmpOptions options = testedCommunity(port);
        options.timeoutMs = 200;
        for (int tries = 0; tries < 25; ++tries) {
            if (SnmpReader::readNow(addresses.first(), options).answered)
                return true;
        }
        return false;
    }

    ~Agent()
    {
        agent.terminate();
        agent.waitForFinished(3000);
    }

    QTemporaryDir dir;
    QProcess agent;
    quint16 port = 0;
};

// The window asks printers over SNMP as its settings file says.
void askWindowWith(quint16 port)
{
    QSettings settings(Settings::filePath(), QSettings::IniFormat);
    settings.setValue("link/snmpCommunity", "tested");
    settings.setValue("link/snmpPort", port);
}

const QString errorStateOid = "1.3.6.1.2.1.25.3.5.1.2.1";
const QString printerStatusOid = "1.3.6.1.2.1.25.3.5.1.1.1";

QStringList printerOverrides(const QString &name, const QString &serial, const QString &bits)
{
    return {QStringLiteral("1.3.6.1.2.1.1.5.0 octet_str \"%1\"").arg(name),
            "1.3.6.1.2.1.25.3.2.1.3.1 octet_str \"Varimonde LX-4\"",
            QStringLiteral("1.3.6.1.2.1.43.5.1.1.17.1 octet_str \"%1\"").arg(serial),
            printerStatusOid + " integer 3", errorStateOid + " octet_str " + bits};
}

} // namespace

class DiscoveryTest : public QObject
{
    Q_OBJECT
private slots:
    void stateWords_data();
    void stateWords();
    void ranges_data();
    void ranges();
    void sweepFindsListenersOnly();
    void snmpReadsThePrinter();
    void discoveryMergesBySerial();
    void printersAreFoundAndAsked();
    void aPrinterNotReadyIsSentToOnlyWhenAsked();
    void commandLineRefusals_data();
    void commandLineRefusals();
};

void DiscoveryTest::stateWords_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("bits");
    QTest::addColumn<QString>("words");
    QTest::addColumn<bool>("error");
    QTest::newRow("idle") << 3 << QByteArray("\x00\x00", 2) << "ready" << false;
    QTest::newRow("printing") << 4 << QByteArray() << "printing" << false;
    QTest::newRow("warming up") << 5 << QByteArray("\x00", 1) << "warming up" << false;
    QTest::newRow("low paper is no error") << 3 << QByteArray("\x80") << "low paper" << false;
    QTest::newRow("no paper") << 3 << QByteArray("\x40") << "no paper" << true;
    QTest::newRow("low ribbon") << 3 << QByteArray("\x20") << "low ribbon or toner" << false;
    QTest::newRow("no ribbon") << 3 << QByteArray("\x10") << "no ribbon or toner" << true;
    QTest::newRow("door open") << 3 << QByteArray("\x08") << "door open" << true;
    QTest::newRow("jammed") << 3 << QByteArray("\x04") << "jammed" << true;
    QTest::newRow("offline") << 1 << QByteArray("\x02") << "offline" << true;
    QTest::newRow("service requested") << 3 << QByteArray("\x01") << "service requested" << false;
    QTest::newRow("second byte: input tray empty")
        << 3 << QByteArray("\x00\x04", 2) << "input tray empty" << true;
    QTest::newRow("second byte: output full")
        << 3 << QByteArray("\x00\x08", 2) << "output full" << true;
    QTest::newRow("worst first") << 3 << QByteArray("\xCA")
                                 << "offline, door open, no paper, low paper" << true;
    QTest::newRow("no answer to the status") << 2 << QByteArray() << "unknown" << false;
}

void DiscoveryTest::stateWords()
{
    QFETCH(int, status);
    QFETCH(QByteArray, bits);
    QFETCH(QString, words);
    QFETCH(bool, error);
    const PrinterState state{status, bits};
    QCOMPARE(state.words(), words);
    QCOMPARE(state.isError(), error);
    // A printer in error is refused, saying so (the advice: with the send).
    QCOMPARE(state.refusal().section(':', 0, 0), error ? "The printer reports " + words : "");
}

void DiscoveryTest::ranges_data()
{
    QTest::addColumn<QString>("written");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("ends"); // "first .. last", or what the refusal says
    QTest::newRow("/24") << "127.0.3.0/24" << 254 << "127.0.3.1 .. 127.0.3.254";
    QTest::newRow("/22, written off its start")
        << "127.0.5.9/22" << 1022 << "127.0.4.1 .. 127.0.7.254";
    QTest::newRow("/31 has both") << "127.0.0.8/31" << 2 << "127.0.0.8 .. 127.0.0.9";
    QTest::newRow("/32") << "127.0.0.8/32" << 1 << "127.0.0.8 .. 127.0.0.8";
    QTest::newRow("a host") << "printer.example" << 1 << "printer.example .. printer.example";
    QTest::newRow("/21 is too wide") << "127.0.0.0/21" << -1 << "wider than /22";
    QTest::newRow("IPv6") << "::1/128" << -1 << "is not an IPv4 range";
    QTest::newRow("bad prefix") << "127.0.0.0/33" << -1 << "is not an IPv4 range";
    QTest::newRow("empty") << " " << -1 << "an empty range";
}

void DiscoveryTest::ranges()
{
    QFETCH(QString, written);
    QFETCH(int, count);
    QFETCH(QString, ends);
    const auto hosts = Sweep::hostsOf(written);
    if (count < 0) {
        QVERIFY(std::holds_alternative<QString>(hosts));
        QVERIFY2(std::get<QString>(hosts).contains(ends), qPrintable(std::get<QString>(hosts)));
        return;
    }
    const QStringList list = std::get<QStringList>(hosts);
    QCOMPARE(list.size(), count);
    QCOMPARE(list.first() + " .. " + list.last(), ends);
}

void DiscoveryTest::sweepFindsListenersOnly()
{
    // 127.0.0.2 ... 127.0.0.40: every fourth listens on 9100, every fourth
    // listens on a second port, every fourth never completes a handshake,
    // the rest refuse.
    std::vector<std::unique_ptr<QTcpServer>> servers;
    std::vector<std::unique_ptr<FullListener>> silent;
    QSet<QString> expected;
    QStringList hosts;
    const quint16 second = 19100;
    for (int host = 2; host <= 40; ++host) {
        const QString address = QStringLiteral("127.0.0.%1").arg(host);
        hosts << address;
        if (host % 4 == 0 || host % 4 == 1) {
            const quint16 port = host % 4 == 0 ? 9100 : second;
            auto server = std::make_unique<QTcpServer>();
            QVERIFY2(server->listen(QHostAddress(address), port),
                     qPrintable(server->errorString()));
            servers.push_back(std::move(server));
            expected.insert(QStringLiteral("%1:%2").arg(address).arg(port));
        } else if (host % 4 == 2) {
            silent.push_back(std::make_unique<FullListener>(0x7f000000 + quint32(host), 9100));
            QVERIFY(silent.back()->port() == 9100);
        }
    }
    Sweep sweep;
    sweep.setPorts({9100, second});
    sweep.setTimeoutMs(300);
    sweep.setInFlight(8);
    QSet<QString> found;
    connect(&sweep, &Sweep::found, this, [&](const QString &host, quint16 port) {
        found.insert(QStringLiteral("%1:%2").arg(host).arg(port));
    });
    QSignalSpy finished(&sweep, &Sweep::finished);
    QSignalSpy progress(&sweep, &Sweep::progress);
    QElapsedTimer clock;
    clock.start();
    sweep.start(hosts);
    QVERIFY(finished.wait(10000));
    QCOMPARE(found, expected);
    QCOMPARE(progress.last().at(0).toInt(), 78);
    QCOMPARE(progress.last().at(1).toInt(), 78);
    // Ten silent hosts at eight at a time and 0.3 s each: a few rounds of
    // the timeout, not one after the other.
    QVERIFY2(clock.elapsed() < 2500, qPrintable(QString::number(clock.elapsed())));
    // A listener that accepts sees the connection closed without a byte.
    QTcpServer *first = servers.front().get();
    if (QTcpSocket *peer = first->nextPendingConnection()) {
        peer->waitForReadyRead(100);
        QCOMPARE(peer->bytesAvailable(), 0);
    }
}

void DiscoveryTest::snmpReadsThePrinter()
{
    Agent agent;
    if (!agent.start({"127.0.0.1"}, printerOverrides("label-7", "SN0042", "0x4000")))
        QSKIP("snmpd is not installed or did not start: scripts/install-deps.sh --tests");
    const SnmpAnswer v2c = SnmpReader::readNow("127.0.0.1", testedCommunity(agent.port));
    QVERIFY2(v2c.answered, qPrintable(v2c.failure));
    QCOMPARE(v2c.sysName, "label-7");
    QCOMPARE(v2c.deviceDescr, "Varimonde LX-4");
    QCOMPARE(v2c.serial, "SN0042");
    QVERIFY(v2c.sysObjectId.startsWith("1.3.6.1.4.1."));
    QVERIFY(!v2c.sysDescr.isEmpty());
    QCOMPARE(v2c.state.printerStatus, std::optional<int>(3));
    QCOMPARE(v2c.state.words(), "no paper");
    QVERIFY(v2c.state.isError());

    SnmpOptions v3 = testedCommunity(agent.port);
    v3.community.clear();
    v3.user = "printeruser";
    v3.authPass = "authpass123";
    v3.privPass = "privpass123";
    const SnmpAnswer secure = SnmpReader::readNow("127.0.0.1", v3);
    QVERIFY2(secure.answered, qPrintable(secure.failure));
    QCOMPARE(secure.serial, "SN0042");
    QCOMPARE(secure.state.words(), "no paper");
    // Reads from the event loop are the discovery's, tested with it.

    // Failures: no answer in time, or a refused pass phrase.
    struct Case {
        const char *name;
        SnmpOptions options;
    };
    SnmpOptions wrongPass = testedCommunity(agent.port);
    wrongPass.user = "printeruser";
    wrongPass.authPass = "wrongpass123";
    // A port that takes datagrams and never answers (as the agent does to a
    // wrong community).
    QUdpSocket mute;
    QVERIFY(mute.bind(QHostAddress::LocalHost, 0));
    SnmpOptions silent = testedCommunity(mute.localPort());
    // Through the reader, from the event loop.
    const auto readThrough = [](const SnmpOptions &options, const QString &host) {
        SnmpReader reader(options);
        std::optional<SnmpAnswer> heard;
        reader.read(host, [&](const QString &, const SnmpAnswer &answer) { heard = answer; });
        if (!QTest::qWaitFor([&] { return heard.has_value(); }, 5000))
            return SnmpAnswer{};
        return *heard;
    };
    for (const Case &each :
         {Case{"wrong v3 pass phrase", wrongPass}, Case{"never answers", silent}}) {
        SnmpOptions options = each.options;
        options.timeoutMs = 300;
        QElapsedTimer clock;
        clock.start();
        const SnmpAnswer answer = readThrough(options, "127.0.0.1");
        QVERIFY2(!answer.answered, each.name);
        QVERIFY2(!answer.failure.isEmpty(), each.name);
        // One retry: twice the timeout, and not much more.
        QVERIFY2(clock.elapsed() < 1500, each.name);
    }
    // The timeout itself, at its default of a second and one retry, both
    // through the reader and on the calling thread.
    for (const bool now : {false, true}) {
        QElapsedTimer clock;
        clock.start();
        const SnmpAnswer answer =
            now ? SnmpReader::readNow("127.0.0.1", silent) : readThrough(silent, "127.0.0.1");
        QCOMPARE(answer.failure, "no SNMP answer");
        QVERIFY(clock.elapsed() >= 1900 && clock.elapsed() < 3000);
    }

    // Many silent printers at once wait their timeout together, without a
    // thread each.
    const auto threads = [] {
        return QDir("/proc/self/task").entryList(QDir::Dirs | QDir::NoDotAndDotDot).size();
    };
    const int before = threads();
    SnmpOptions quick = silent;
    quick.timeoutMs = 300;
    SnmpReader crowd(quick);
    int unanswered = 0;
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < 100; ++i)
        crowd.read("127.0.0.1", [&](const QString &, const SnmpAnswer &answer) {
            unanswered += answer.failure == "no SNMP answer";
        });
    QVERIFY(threads() <= before + 1);
    QTRY_COMPARE_WITH_TIMEOUT(unanswered, 100, 5000);
    QVERIFY2(clock.elapsed() < 1500, qPrintable(QString::number(clock.elapsed())));
}

void DiscoveryTest::discoveryMergesBySerial()
{
    // Two addresses of one printer (same serial) and a second printer, all
    // listening on 9100 and answering SNMP; one more listens without SNMP.
    const QStringList addresses{"127.0.0.51", "127.0.0.52"};
    Agent agent;
    if (!agent.start(addresses, printerOverrides("label-9", "SN9", "0x0800")))
        QSKIP("snmpd is not installed or did not start: scripts/install-deps.sh --tests");
    std::vector<std::unique_ptr<QTcpServer>> servers;
    for (const QString &address : addresses + QStringList{"127.0.0.53"}) {
        servers.push_back(std::make_unique<QTcpServer>());
        QVERIFY(servers.back()->listen(QHostAddress(address), 9100));
    }
    Discovery discovery;
    QSignalSpy finished(&discovery, &Discovery::finished);
    DiscoveryOptions options;
    options.ranges = QStringList{"127.0.0.48/29"};
    options.snmp = testedCommunity(agent.port);
    options.snmp.timeoutMs = 300;
    QCOMPARE(discovery.start(options), QString());
    QVERIFY(finished.wait(10000));
    const QList<FoundPrinter> &found = discovery.printers();
    QCOMPARE(found.size(), 2);
    QCOMPARE(found[0].address, "127.0.0.51");
    QCOMPARE(found[0].name, "label-9");
    QCOMPARE(found[0].serial, "SN9");
    QCOMPARE(found[0].makeModel, "Varimonde LX-4");
    QCOMPARE(found[0].status(), "door open");
    QVERIFY(found[0].isError());
    QCOMPARE(found[0].foundBy, QStringList({"sweep", "snmp"}));
    QCOMPARE(found[1].address, "127.0.0.53");
    QCOMPARE(found[1].status(), "unknown");
    QCOMPARE(found[1].target(), "tcp://127.0.0.53:9100");
}

void DiscoveryTest::printersAreFoundAndAsked()
{
    Agent agent;
    if (!agent.start({"127.0.0.61", "127.0.0.62", "127.0.0.91"},
                     printerOverrides("label-1", "SN1", "0x0000")))
        QSKIP("snmpd is not installed or did not start: scripts/install-deps.sh --tests");
    QTcpServer printer;
    QVERIFY(printer.listen(QHostAddress("127.0.0.61"), 9100));
    QTemporaryDir dir;
    const QString port = QString::number(agent.port);
    const QString report = dir.filePath("found.json");
    const QString targets = dir.filePath("targets");
    const Ran found = runCli({"--discover", "--range", "127.0.0.60/30", "--community", "tested",
                              "--snmp-port", port, "--report", report, "--write-targets", targets});
    QCOMPARE(found.status, 0);
    QVERIFY2(found.out.contains("tcp://127.0.0.61:9100"), found.out.constData());
    QVERIFY(found.out.contains("1 printer found"));
    QFile json(report);
    QVERIFY(json.open(QIODevice::ReadOnly));
    const QJsonObject root = QJsonDocument::fromJson(json.readAll()).object();
    const QJsonObject row = root.value("printers").toArray().first().toObject();
    QCOMPARE(
        row.keys(),
        words("address conditions error foundBy makeModel name port serial snmp status target"));
    QCOMPARE(row.value("status").toString(), "ready");
    QCOMPARE(row.value("serial").toString(), "SN1");
    QFile written(targets);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QVERIFY(
        written.readAll().contains("\ntcp://127.0.0.61:9100  # label-1, Varimonde LX-4, SN1\n"));

    // --status reads the targets file back: every printer ready is 0.
    const Ran ready =
        runCli({"--status", "--targets", targets, "--community", "tested", "--snmp-port", port});
    QCOMPARE(ready.status, 0);
    QVERIFY(ready.out.contains("ready"));
    // A printer that does not answer SNMP makes it 1.
    const Ran silent = runCli(
        {"--status", "--to", "tcp://127.0.0.63", "--community", "tested", "--snmp-port", port});
    QCOMPARE(silent.status, 1);
    QVERIFY(silent.err.contains("tcp://127.0.0.63:9100: no SNMP answer"));

    // The window finds printers too, and takes one for its link.
    LoopbackPrinter answering("127.0.0.91", 9100);
    LoopbackPrinter quiet("127.0.0.92", 9100);
    QVERIFY(answering.listening && quiet.listening);
    askWindowWith(agent.port);
    WindowDriver ui;
    ui.control<QAbstractButton>("CommOp_3")->click();
    ui.control<QAbstractButton>("FindPrintersCmd")->click();
    FindPrintersDialog *dialog = nullptr;
    QTRY_VERIFY((dialog = ui.window.findChild<FindPrintersDialog *>()) && dialog->isVisible());
    const auto control = [dialog](const char *name) { return dialog->findChild<QWidget *>(name); };
    auto *range = static_cast<QLineEdit *>(control("RangeTxt"));
    auto *grid = static_cast<QTableView *>(control("PrintersGrid"));
    // The computer's own /24 is proposed, and nothing scanned yet.
    QVERIFY2(range->text().isEmpty() || range->text().endsWith(".0/24"), qPrintable(range->text()));
    QCOMPARE(grid->model()->rowCount(), 0);
    QVERIFY(control("StartCmd")->isEnabled() && !control("StopCmd")->isEnabled());
    QVERIFY(!control("UseCmd")->isEnabled());

    range->setText("127.0.0.88/29");
    QTest::mouseClick(control("StartCmd"), Qt::LeftButton);
    QVERIFY(control("StopCmd")->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(control("StartCmd")->isEnabled(), 10000);
    const auto progress = static_cast<QProgressBar *>(control("FindProgress"));
    QCOMPARE(progress->value(), progress->maximum());
    QAbstractItemModel *rows = grid->model();
    QCOMPARE(rows->rowCount(), 2);
    // Sorted by address, as numbers.
    grid->sortByColumn(0, Qt::DescendingOrder);
    QCOMPARE(rows->index(0, 0).data().toString(), "127.0.0.92");
    grid->sortByColumn(0, Qt::AscendingOrder);
    QStringList first;
    for (int column = 0; column < rows->columnCount(); ++column)
        first << rows->index(0, column).data().toString();
    QCOMPARE(first, (QStringList{"127.0.0.91", "9100", "label-1", "Varimonde LX-4", "SN1", "ready",
                                 "sweep, snmp"}));
    QCOMPARE(rows->index(0, 5).data(Qt::ForegroundRole).value<QBrush>().color(),
             QColor(0x00, 0x80, 0x30));
    QCOMPARE(rows->index(1, 5).data().toString(), "unknown");
    // The filter keeps the rows that hold its text anywhere.
    static_cast<QLineEdit *>(control("FilterTxt"))->setText("LABEL-1");
    QCOMPARE(rows->rowCount(), 1);

    grid->selectRow(0);
    QVERIFY(control("UseCmd")->isEnabled());
    QTest::mouseClick(control("UseCmd"), Qt::LeftButton);
    QTRY_VERIFY(!ui.window.findChild<FindPrintersDialog *>());
    QCOMPARE(ui.control<QLineEdit>("NetHostTxt")->text(), "127.0.0.91");
    QCOMPARE(ui.window.link().description(), "Network 127.0.0.91:9100");
    QTRY_COMPARE(ui.control<QLabel>("LinkLbl")->text(), "Network 127.0.0.91:9100 — ready");
}

// A printer reporting no paper: the command line sends to it only when told
// to ignore its status, the window asks first; one without SNMP is sent to.
void DiscoveryTest::aPrinterNotReadyIsSentToOnlyWhenAsked()
{
    Agent agent;
    if (!agent.start({"127.0.0.71"}, printerOverrides("label-2", "SN2", "0x4000")))
        QSKIP("snmpd is not installed or did not start: scripts/install-deps.sh --tests");
    askWindowWith(agent.port);
    WindowDriver ui;
    const QString firmware = ui.file("fw.bin", QByteArray(1000, 'F'));
    const QString port = QString::number(agent.port);
    const QString refusal = "The printer reports no paper: nothing was sent. Load labels, close "
                            "the printer and try again.";
    struct Case {
        const char *name;
        QString address;
        QStringList extra;
        int status;
        QString says;
        qint64 received;
    };
    const Case cases[] = {
        {"no paper refuses", "127.0.0.71", {}, 1, "--firmware " + firmware + ": " + refusal, 0},
        {"--ignore-status sends", "127.0.0.71", {"--ignore-status"}, 0, QString(), 1000},
        {"no SNMP sends", "127.0.0.72", {}, 0, QString(), 1000},
    };
    for (const Case &each : cases) {
        LoopbackPrinter printer(each.address, 9100);
        QVERIFY(printer.listening);
        const Ran run =
            runCli(QStringList{"--to", QStringLiteral("tcp://%1").arg(each.address), "--firmware",
                               firmware, "--community", "tested", "--snmp-port", port} +
                   each.extra);
        QVERIFY2(run.status == each.status, each.name);
        QVERIFY2(run.out.contains(each.says.toUtf8()), qPrintable(run.out));
        QTest::qWait(50);
        QVERIFY2(printer.received.size() == each.received, each.name);
    }

    LoopbackPrinter printer("127.0.0.71", 9100);
    QVERIFY(printer.listening);
    ui.window.link().setAddress(std::get<LinkAddress>(LinkAddress::parse("tcp://127.0.0.71:9100")));
    QCOMPARE(ui.run({"BMemCMD=file:fw.bin"}), QStringList());
    for (const QString &button : {"Cancel", "Send Anyway"}) {
        ModalAnswerer boxes;
        boxes.then([button](QWidget *box) {
            for (QAbstractButton *each : box->findChildren<QAbstractButton *>())
                if (each->text() == button)
                    return each->click();
        });
        ui.click("BUpLoadCMD");
        QTRY_COMPARE(boxes.summary(), QStringList{refusal + "|Printer Not Ready|icon"});
        ui.waitUntilIdle();
        if (button == QLatin1String("Cancel")) {
            QCOMPARE(ui.control<QLabel>("UStatLbl")->text(), "Upload Cancelled");
            QTest::qWait(50);
            QCOMPARE(printer.received.size(), 0);
        } else {
            QTRY_COMPARE(printer.received.size(), 1000);
            QCOMPARE(ui.control<QLabel>("UStatLbl")->text(), "File Uploaded");
        }
    }
}

void DiscoveryTest::commandLineRefusals_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("error");
    const char *rows[][2] = {
        {"--discover", "--discover needs --range or --dns-sd"},
        {"--discover --range 127.0.0.0/16", "wider than /22"},
        {"--range 127.0.0.0/24 --to tcp://127.0.0.1 --list", "--range goes with --discover"},
        {"--discover --status --range 127.0.0.1", "exclude each other"},
        {"--status --to tcp://127.0.0.1 --list", "send nothing"},
        {"--status --to tcp://127.0.0.1 --snmp-auth abcdefgh", "go with --snmp-user"},
        {"--status --to tcp://127.0.0.1 --snmp-user u --snmp-auth abc", "at least 8 characters"},
        {"--status --to tcp://127.0.0.1 --snmp-user u --snmp-priv abcdefgh",
         "needs authentication"},
        {"--status", "no printer to send to"},
    };
    for (const auto &[arguments, error] : rows)
        QTest::newRow(arguments) << words(arguments) << QString(error);
}

void DiscoveryTest::commandLineRefusals()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, error);
    const Ran run = runCli(arguments);
    QCOMPARE(run.status, 2);
    QVERIFY2(run.err.contains(error), qPrintable(run.err));
}

VARIMONDE_TEST_MAIN(DiscoveryTest)
#include "tst_discovery.moc"
