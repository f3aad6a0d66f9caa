#include "comm/FindPrintersDialog.h"
#include "discovery/Discovery.h"
#include "discovery/PrinterState.h"
#include "discovery/SnmpReader.h"
#include "discovery/Sweep.h"
#include "support/CliRun.h"
#include "support/FullListener.h"
#include "support/LoopbackPrinter.h"
#include "support/PrinterAgent.h"
#include "support/SnmpRelay.h"
#include "support/TestMain.h"
#include "support/WindowDriver.h"

#include <QAbstractButton>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHostAddress>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTableView>
#include <QTcpServer>
#include <QUdpSocket>

#include <list>

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
        QUdpSocket probe;
        probe.bind(QHostAddress::LocalHost, 0);
        port = probe.localPort();
        probe.close(); // snmpd takes the port
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
        if (!startSnmpd(agent, dir, config.fileName(), endpoints.join(',')))
            return false;
        // Ready once it answers.
        SnmpOptions options = testedCommunity(port);
        options.timeoutMs = 200;
        for (int tries = 0; tries < 25; ++tries)
            if (SnmpReader::readNow(addresses.first(), options).answered)
                return true;
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

QStringList printerOverrides(const QString &name, const QString &serial, const QString &bits)
{
    return {QStringLiteral("1.3.6.1.2.1.1.5.0 octet_str \"%1\"").arg(name),
            "1.3.6.1.2.1.25.3.2.1.3.1 octet_str \"Varimonde LX-4\"",
            QStringLiteral("1.3.6.1.2.1.43.5.1.1.17.1 octet_str \"%1\"").arg(serial),
            "1.3.6.1.2.1.25.3.5.1.1.1 integer 3", "1.3.6.1.2.1.25.3.5.1.2.1 octet_str " + bits};
}

// A table's row as one line, its cells between " | ".
QString cells(const QAbstractItemModel *model, int row)
{
    QStringList texts;
    for (int column = 0; column < model->columnCount(); ++column)
        texts << model->index(row, column).data().toString();
    return texts.join(" | ");
}

} // namespace

class DiscoveryTest : public QObject
{
    Q_OBJECT
private slots:
    void stateWords_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("bits");
        QTest::addColumn<bool>("error");
        // hrPrinterStatus, hrPrinterDetectedErrorState in hex, the words (the
        // row's name), whether a send is refused
        const std::tuple<int, const char *, const char *, bool> rows[] = {
            {3, "0000", "ready", false},
            {4, "", "printing", false},
            {5, "00", "warming up", false},
            {3, "10", "no ribbon or toner", true},
            {3, "08", "door open", true},
            {3, "04", "jammed", true},
            {1, "02", "offline", true},
            {3, "A1", "service requested, low paper, low ribbon or toner", false},
            {3, "0004", "input tray empty", true},
            {3, "0008", "output full", true},
            {3, "CA", "offline, door open, no paper, low paper", true}, // worst first
            {2, "", "unknown", false},                                  // no answer to the status
        };
        for (const auto &[status, bits, words, error] : rows)
            QTest::newRow(words) << status << QByteArray::fromHex(bits) << error;
    }
    void stateWords()
    {
        QFETCH(int, status);
        QFETCH(QByteArray, bits);
        QFETCH(bool, error);
        const QString words = QTest::currentDataTag();
        const PrinterState state{status, bits};
        QCOMPARE(state.words(), words);
        QCOMPARE(state.isError(), error);
        // A printer in error is refused, saying so (the advice: with the send).
        QCOMPARE(state.refusal().section(':', 0, 0), error ? "The printer reports " + words : "");
    }

    void ranges_data()
    {
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("hosts"); // "count: first .. last", or part of the refusal
        const char *rows[][2] = {
            {"127.0.3.0/24", "254: 127.0.3.1 .. 127.0.3.254"},
            {"127.0.5.9/22", "1022: 127.0.4.1 .. 127.0.7.254"}, // written off its start
            {"127.0.0.8/31", "2: 127.0.0.8 .. 127.0.0.9"},
            {"127.0.0.8/32", "1: 127.0.0.8 .. 127.0.0.8"},
            {"printer.example", "1: printer.example .. printer.example"},
            {"127.0.0.0/21", "wider than /22"},
            {"::1/128", "is not an IPv4 range"},
            {"127.0.0.0/33", "is not an IPv4 range"},
            {" ", "an empty range"},
        };
        for (const auto &[written, hosts] : rows)
            QTest::newRow(written) << QString(written) << QString(hosts);
    }
    void ranges()
    {
        QFETCH(QString, written);
        QFETCH(QString, hosts);
        const auto swept = Sweep::hostsOf(written);
        if (const auto *list = std::get_if<QStringList>(&swept)) {
            QCOMPARE(QStringLiteral("%1: %2 .. %3")
                         .arg(list->size())
                         .arg(list->value(0), list->value(list->size() - 1)),
                     hosts);
        } else {
            const QString refusal = std::get<QString>(swept);
            QVERIFY2(refusal.contains(hosts) && !hosts.contains(".. "), qPrintable(refusal));
        }
    }

    void sweepFindsListenersOnly()
    {
        // 127.0.0.2 ... 127.0.0.40: every fourth listens on 9100, every fourth
        // listens on a second port, every fourth never completes a handshake,
        // the rest refuse.
        std::list<QTcpServer> servers;
        std::list<FullListener> silent;
        QSet<QString> expected;
        QStringList hosts;
        const quint16 second = 19100;
        for (int host = 2; host <= 40; ++host) {
            const QString address = QStringLiteral("127.0.0.%1").arg(host);
            hosts << address;
            if (host % 4 == 0 || host % 4 == 1) {
                const quint16 port = host % 4 == 0 ? 9100 : second;
                QTcpServer &server = servers.emplace_back();
                QVERIFY2(server.listen(QHostAddress(address), port),
                         qPrintable(server.errorString()));
                expected.insert(QStringLiteral("%1:%2").arg(address).arg(port));
            } else if (host % 4 == 2) {
                QCOMPARE(silent.emplace_back(0x7f000000 + quint32(host), 9100).port(), 9100);
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
        QCOMPARE(progress.last(), QVariantList({78, 78}));
        // Ten silent hosts at eight at a time and 0.3 s each: a few rounds of
        // the timeout, not one after the other.
        QVERIFY2(clock.elapsed() < 2500, qPrintable(QString::number(clock.elapsed())));
    }

    void snmpReadsThePrinter()
    {
        Agent agent;
        if (!agent.start({"127.0.0.1"}, printerOverrides("label-7", "SN0042", "0x4000")))
            QSKIP("snmpd is not installed or did not start: scripts/install-deps.sh --tests");
        const SnmpAnswer v2c = SnmpReader::readNow("127.0.0.1", testedCommunity(agent.port));
        QVERIFY2(v2c.answered, qPrintable(v2c.failure));
        QCOMPARE(QStringList({v2c.sysName, v2c.deviceDescr, v2c.serial, v2c.state.words()}),
                 QStringList({"label-7", "Varimonde LX-4", "SN0042", "no paper"}));
        QVERIFY(v2c.sysObjectId.startsWith("1.3.6.1.4.1.") && !v2c.sysDescr.isEmpty());

        SnmpOptions v3 = testedCommunity(agent.port);
        v3.community.clear();
        v3.user = "printeruser";
        v3.authPass = "authpass123";
        v3.privPass = "privpass123";
        const SnmpAnswer secure = SnmpReader::readNow("127.0.0.1", v3);
        QVERIFY2(secure.answered, qPrintable(secure.failure));
        QCOMPARE(secure.serial + ", " + secure.state.words(), "SN0042, no paper");

        // Through the reader, from the event loop.
        const auto readThrough = [](const SnmpOptions &options) {
            SnmpReader reader(options);
            std::optional<SnmpAnswer> heard;
            reader.read("127.0.0.1",
                        [&](const QString &, const SnmpAnswer &answer) { heard = answer; });
            return QTest::qWaitFor([&] { return heard.has_value(); }, 5000) ? *heard : SnmpAnswer{};
        };
        // v3 from the event loop: the engine learnt first, then the objects.
        const SnmpAnswer secureThrough = readThrough(v3);
        QVERIFY2(secureThrough.answered, qPrintable(secureThrough.failure));
        QCOMPARE(secureThrough.serial + ", " + secureThrough.state.words(), "SN0042, no paper");
        // Failures: a refused pass phrase at once; a port that takes
        // datagrams and never answers (as the agent does to a wrong
        // community) after the timeout, a second by default, and one retry,
        // through the reader and on the calling thread.
        SnmpOptions wrongPass = testedCommunity(agent.port);
        wrongPass.user = "printeruser";
        wrongPass.authPass = "wrongpass123";
        wrongPass.timeoutMs = 300;
        QUdpSocket mute;
        QVERIFY(mute.bind(QHostAddress::LocalHost, 0));
        const SnmpOptions silent = testedCommunity(mute.localPort());
        struct Case {
            SnmpOptions options;
            bool now;
            QString failure; // how it begins
            int fromMs, toMs;
        };
        for (const Case &each : {Case{wrongPass, false, "SNMP ", 0, 1500},
                                 Case{silent, false, "no SNMP answer", 1900, 3000},
                                 Case{silent, true, "no SNMP answer", 1900, 3000}}) {
            QElapsedTimer clock;
            clock.start();
            const SnmpAnswer answer = each.now ? SnmpReader::readNow("127.0.0.1", each.options)
                                               : readThrough(each.options);
            const QString seen = answer.failure + " after " + QString::number(clock.elapsed());
            QVERIFY2(answer.failure.startsWith(each.failure), qPrintable(seen));
            QVERIFY2(clock.elapsed() >= each.fromMs && clock.elapsed() < each.toMs,
                     qPrintable(seen));
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

        // So do v3 ones: learning the agent's engine is a request like any
        // other, on the event loop; nothing waits for it.
        SnmpOptions quickV3 = quick;
        quickV3.user = "printeruser";
        quickV3.authPass = "authpass123";
        SnmpReader v3Crowd(quickV3);
        unanswered = 0;
        clock.restart();
        for (int i = 0; i < 100; ++i)
            v3Crowd.read("127.0.0.1", [&](const QString &, const SnmpAnswer &answer) {
                unanswered += answer.failure == "no SNMP answer";
            });
        QVERIFY2(clock.elapsed() < 250, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(threads() <= before + 1);
        QTRY_COMPARE_WITH_TIMEOUT(unanswered, 100, 5000);
        QVERIFY2(clock.elapsed() < 1500, qPrintable(QString::number(clock.elapsed())));
    }

    // Each value is taken by the name it came back with: an agent that
    // answers in another order, or leaves an object out, gives the same
    // printer, never one value in another's field.
    void snmpValuesAreTakenByTheirNames()
    {
        Agent agent;
        QStringList answers = printerOverrides("lab-printer", "SN9", "0x4000");
        answers << "1.3.6.1.2.1.1.6.0 octet_str \"Dock 3\""
                << "1.3.6.1.2.1.43.16.5.1.2.1.1 octet_str \"PAPER OUT\""
                << "1.3.6.1.2.1.43.16.5.1.2.1.2 octet_str \"LX-4 V2.1\""
                << "1.3.6.1.2.1.43.18.1.1.2.1.7 integer 3"
                << "1.3.6.1.2.1.43.18.1.1.4.1.7 integer 8"
                << "1.3.6.1.2.1.43.18.1.1.7.1.7 integer 808"
                << "1.3.6.1.2.1.43.18.1.1.8.1.7 octet_str \"Load labels\""
                << "1.3.6.1.2.1.43.8.2.1.12.1.1 octet_str \"4x6 direct thermal\""
                << "1.3.6.1.2.1.43.10.2.1.4.1.1 counter 4711"
                << "1.3.6.1.2.1.43.10.2.1.3.1.1 integer 7";
        if (!agent.start({"127.0.0.1"}, answers))
            QSKIP("snmpd is not installed or did not start: scripts/install-deps.sh --tests");
        const auto seen = [](const SnmpAnswer &answer) {
            QStringList alerts;
            for (const PrinterAlert &alert : answer.alerts)
                alerts << QStringLiteral("%1 %2/%3 %4 #%5")
                              .arg(alert.severityWord())
                              .arg(alert.group)
                              .arg(alert.code)
                              .arg(alert.description)
                              .arg(alert.index);
            return QStringList{answer.failure,
                               answer.sysName,
                               answer.sysLocation,
                               answer.serial,
                               answer.state.words(),
                               answer.consoleLines.join(" / "),
                               alerts.join("; "),
                               answer.media.join("; "),
                               QString::number(answer.lifeCount) + " " + answer.counterUnitWord()}
                .join(" | ");
        };
        const QString whole = " | lab-printer | Dock 3 | SN9 | no paper | PAPER OUT / LX-4 V2.1 | "
                              "critical 8/808 Load labels #7 | 4x6 direct thermal | 4711 "
                              "impressions";
        const std::tuple<const char *, SnmpRelay::Change, QString> cases[] = {
            {"as asked", [](QList<QByteArray> objects) { return objects; }, whole},
            {"reversed",
             [](QList<QByteArray> objects) {
                 std::reverse(objects.begin(), objects.end());
                 return objects;
             },
             whole},
            // The first object asked is the printer's name.
            {"name left out",
             [](QList<QByteArray> objects) {
                 objects.removeFirst();
                 return objects;
             },
             QString(whole).replace(" lab-printer ", "  ")},
        };
        for (const auto &[name, change, expected] : cases) {
            SnmpRelay relay(agent.port, change);
            SnmpReader reader(testedCommunity(relay.port()));
            std::optional<SnmpAnswer> heard;
            reader.read("127.0.0.1",
                        [&](const QString &, const SnmpAnswer &answer) { heard = answer; });
            QVERIFY2(QTest::qWaitFor([&] { return heard.has_value(); }, 5000), name);
            QVERIFY2(heard->readAt.isValid(), name);
            QCOMPARE(seen(*heard), expected);
        }
    }

    void printersAreFoundAndAsked()
    {
        Agent agent;
        if (!agent.start({"127.0.0.61", "127.0.0.62", "127.0.0.9"},
                         printerOverrides("label-1", "SN1", "0x0000")))
            QSKIP("snmpd is not installed or did not start: scripts/install-deps.sh --tests");
        // Two addresses of one printer (the same serial), and one more
        // listening without SNMP.
        std::list<QTcpServer> printers;
        for (const char *address : {"127.0.0.60", "127.0.0.61", "127.0.0.62"})
            QVERIFY(printers.emplace_back().listen(QHostAddress(address), 9100));
        QTemporaryDir dir;
        const QStringList snmp{"--community", "tested", "--snmp-port", QString::number(agent.port)};
        const QString report = dir.filePath("found.json");
        const QString targets = dir.filePath("targets");
        const Ran found = runCli(QStringList{"--discover", "--range", "127.0.0.56/29", "--report",
                                             report, "--write-targets", targets} +
                                 snmp);
        QCOMPARE(found.status, 0);
        QVERIFY2(found.out.contains("2 printers found"), found.out.constData());
        QJsonArray json = QJsonDocument::fromJson(fileBytes(report))["printers"].toArray();
        // When it was read and what the agent says of its own host vary.
        QStringList readAt;
        for (QJsonValueRef row : json) {
            QJsonObject fields = row.toObject();
            readAt << fields.take("readAt").toString();
            fields.remove("uptimeSeconds");
            fields.remove("location");
            row = fields;
        }
        QCOMPARE(readAt.first(), "");
        QVERIFY(QDateTime::fromString(readAt.last(), Qt::ISODateWithMs).isValid());
        const char *expected =
            R"([{"address":"127.0.0.60","alerts":[],"conditions":[],"console":[],"error":false,)"
            R"("foundBy":["sweep"],"makeModel":"","media":[],"name":"","odometer":null,)"
            R"("odometerUnit":"","port":9100,"serial":"","snmp":false,)"
            R"("status":"unknown","target":"tcp://127.0.0.60:9100"},)"
            R"({"address":"127.0.0.61","alerts":[],"conditions":[],"console":[],"error":false,)"
            R"("foundBy":["sweep","snmp"],"makeModel":"Varimonde LX-4","media":[],)"
            R"("name":"label-1","odometer":null,"odometerUnit":"",)"
            R"("port":9100,"serial":"SN1","snmp":true,"status":"ready",)"
            R"("target":"tcp://127.0.0.61:9100"}])";
        QCOMPARE(QJsonDocument(json).toJson(QJsonDocument::Compact), expected);
        QCOMPARE(fileBytes(targets), "# Printers found by varimonde-setup --discover\n"
                                     "tcp://127.0.0.60:9100\n"
                                     "tcp://127.0.0.61:9100  # label-1, Varimonde LX-4, SN1\n");

        // --status reads the targets file back: a printer that does not
        // answer SNMP makes it 1; every printer ready, 0.
        const Ran status = runCli(QStringList{"--status", "--targets", targets} + snmp);
        QCOMPARE(status.status, 1);
        QVERIFY2(status.out.contains("ready"), status.out.constData());
        QVERIFY(status.err.contains("tcp://127.0.0.60:9100: no SNMP answer"));
        QCOMPARE(runCli(QStringList{"--status", "--to", "tcp://127.0.0.62"} + snmp).status, 0);

        // The window finds printers too, and takes one for its link.
        LoopbackPrinter answering("127.0.0.9", 9100);
        LoopbackPrinter quiet("127.0.0.11", 9100);
        QVERIFY(answering.listening && quiet.listening);
        askWindowWith(agent.port);
        WindowDriver ui;
        ui.control<QAbstractButton>("CommOp_3")->click();
        ui.control<QAbstractButton>("FindPrintersCmd")->click();
        FindPrintersDialog *dialog = nullptr;
        QTRY_VERIFY((dialog = ui.window.findChild<FindPrintersDialog *>()) && dialog->isVisible());
        const auto control = [dialog](const char *name) {
            return dialog->findChild<QWidget *>(name);
        };
        const auto enabled = [&] {
            QStringList on;
            for (const char *button : {"StartCmd", "StopCmd", "UseCmd"})
                if (control(button)->isEnabled())
                    on << button;
            return on.join(' ');
        };
        auto *grid = static_cast<QTableView *>(control("PrintersGrid"));
        QCOMPARE(enabled(), "StartCmd");

        static_cast<QLineEdit *>(control("RangeTxt"))->setText("127.0.0.8/29");
        QTest::mouseClick(control("StartCmd"), Qt::LeftButton);
        QCOMPARE(enabled(), "StopCmd");
        QTRY_COMPARE_WITH_TIMEOUT(enabled(), "StartCmd", 10000);
        QAbstractItemModel *rows = grid->model();
        QCOMPARE(rows->rowCount(), 2);
        // Sorted by address, as numbers.
        grid->sortByColumn(0, Qt::DescendingOrder);
        QCOMPARE(QStringList({cells(rows, 0), cells(rows, 1)}),
                 QStringList({"127.0.0.11 | 9100 |  |  |  | unknown | sweep",
                              "127.0.0.9 | 9100 | label-1 | Varimonde LX-4 | SN1 | ready | "
                              "sweep, snmp"}));
        QCOMPARE(rows->index(1, 5).data(Qt::ForegroundRole).value<QBrush>().color(),
                 QColor(0x00, 0x80, 0x30));
        // The filter keeps the rows that hold its text anywhere.
        static_cast<QLineEdit *>(control("FilterTxt"))->setText("LABEL-1");
        QCOMPARE(rows->rowCount(), 1);

        grid->selectRow(0);
        QCOMPARE(enabled(), "StartCmd UseCmd");
        QTest::mouseClick(control("UseCmd"), Qt::LeftButton);
        QTRY_VERIFY(!ui.window.findChild<FindPrintersDialog *>());
        QTRY_COMPARE(ui.control<QLabel>("LinkLbl")->text(), "Network 127.0.0.9:9100 — ready");
    }

    // A printer reporting no paper: the command line sends to it only when told
    // to ignore its status, the window asks first; one without SNMP is sent to.
    void aPrinterNotReadyIsSentToOnlyWhenAsked()
    {
        Agent agent;
        if (!agent.start({"127.0.0.71"}, printerOverrides("label-2", "SN2", "0x4000")))
            QSKIP("snmpd is not installed or did not start: scripts/install-deps.sh --tests");
        askWindowWith(agent.port);
        WindowDriver ui;
        const QString firmware = ui.file("fw.bin", QByteArray(1000, 'F'));
        const QStringList snmp{"--community", "tested", "--snmp-port", QString::number(agent.port)};
        const QString refusal =
            "The printer reports no paper: nothing was sent. Load labels, close "
            "the printer and try again.";
        // --status says so, and ends with 1.
        const Ran status = runCli(QStringList{"--status", "--to", "tcp://127.0.0.71"} + snmp);
        QCOMPARE(status.status, 1);
        QVERIFY2(status.out.contains("no paper"), status.out.constData());
        // A send refused; sent when told to ignore the status, or to a printer
        // without SNMP.
        const std::tuple<const char *, const char *, QString> cases[] = {
            {"127.0.0.71", "", "--firmware " + firmware + ": " + refusal},
            {"127.0.0.71", "--ignore-status", ""},
            {"127.0.0.72", "", ""},
        };
        for (const auto &[address, extra, says] : cases) {
            LoopbackPrinter printer(address, 9100);
            QVERIFY(printer.listening);
            const Ran run =
                runCli(snmp + words(QStringLiteral("--to tcp://%1 %2").arg(address, extra)) +
                       QStringList{"--firmware", firmware});
            QCOMPARE(run.status, says.isEmpty() ? 0 : 1);
            QVERIFY2(run.out.contains(says.toUtf8()), qPrintable(run.out));
            QTest::qWait(50);
            QCOMPARE(printer.received.size(), says.isEmpty() ? 1000 : 0);
        }

        LoopbackPrinter printer("127.0.0.71", 9100);
        QVERIFY(printer.listening);
        ui.window.link().setAddress(
            std::get<LinkAddress>(LinkAddress::parse("tcp://127.0.0.71:9100")));
        QCOMPARE(ui.run({"BMemCMD=file:fw.bin"}), QStringList());
        const QStringList asked{refusal + "|Printer Not Ready|icon"};
        QCOMPARE(ui.click("BUpLoadCMD", {"press:Cancel"}), asked);
        QCOMPARE(ui.control<QLabel>("UStatLbl")->text(), "Upload Cancelled");
        QTest::qWait(50);
        QCOMPARE(printer.received.size(), 0);
        QCOMPARE(ui.click("BUpLoadCMD", {"press:Send Anyway"}), asked);
        QTRY_COMPARE(printer.received.size(), 1000);
        QCOMPARE(ui.control<QLabel>("UStatLbl")->text(), "File Uploaded");
    }

    void commandLineRefusals_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("error");
        const char *rows[][2] = {
            {"--discover", "--discover needs --range or --dns-sd"},
            {"--range 127.0.0.0/24 --to tcp://127.0.0.1 --list", "--range goes with --discover"},
            {"--discover --status --range 127.0.0.1", "exclude each other"},
            {"--status --to tcp://127.0.0.1 --list", "send nothing"},
            {"--status --to tcp://127.0.0.1 --snmp-auth abcdefgh", "go with --snmp-user"},
            {"--status --to tcp://127.0.0.1 --snmp-user u --snmp-auth abc",
             "at least 8 characters"},
            {"--status --to tcp://127.0.0.1 --snmp-user u --snmp-priv abcdefgh",
             "needs authentication"},
            {"--status", "no printer to send to"},
            {"--watch 0 --to tcp://127.0.0.1", "--watch takes seconds from 1 to 86400, not \"0\""},
            {"--watch 5 --status --to tcp://127.0.0.1", "exclude each other"},
            {"--watch 5 --to tcp://127.0.0.1 --list", "send nothing"},
            {"--status --metrics 127.0.0.1:9464 --to tcp://127.0.0.1",
             "--metrics goes with --watch"},
            {"--watch 5 --metrics 127.0.0.1 --to tcp://127.0.0.1", "--metrics takes ADDRESS:PORT"},
            {"--watch 5 --metrics 127.0.0.1:65536 --to tcp://127.0.0.1", "--metrics takes"},
            {"--watch 5 --metrics [::1:9464 --to tcp://127.0.0.1", "--metrics takes"},
        };
        for (const auto &[arguments, error] : rows)
            QTest::newRow(arguments) << words(arguments) << QString(error);
    }

    void commandLineRefusals()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, error);
        const Ran run = runCli(arguments);
        QCOMPARE(run.status, 2);
        QVERIFY2(run.err.contains(error), qPrintable(run.err));
    }
};

VARIMONDE_TEST_MAIN(DiscoveryTest)
#include "tst_discovery.moc"
