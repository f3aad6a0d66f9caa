#include "cli/Discover.h"
#include "cli/TargetList.h"
#include "comm/FindPrintersDialog.h"
#include "discovery/Discovery.h"
#include "discovery/PrinterState.h"
#include "discovery/SnmpReader.h"
#include "discovery/Sweep.h"
#include "support/CliRun.h"
#include "support/Files.h"
#include "support/FullListener.h"
#include "support/LoopbackPrinter.h"
#include "support/PrinterAgent.h"
#include "support/PrivateNetwork.h"
#include "support/SnmpRead.h"
#include "support/SnmpRelay.h"
#include "support/TestMain.h"
#include "support/WindowDriver.h"
#include "virtual/Fleet.h"
#include "virtual/VirtualPrinter.h"

#include <QAbstractButton>
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
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTableView>
#include <QTcpServer>
#include <QUdpSocket>

#include <list>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

// A table's row as one line, its cells between " | ".
QString cells(const QAbstractItemModel *model, int row)
{
    QStringList texts;
    for (int column = 0; column < model->columnCount(); ++column)
        texts << model->index(row, column).data().toString();
    return texts.join(" | ");
}

// Feeds rows the events written one a line: "sweep ADDRESS:PORT",
// "service TYPE NAME ADDRESS:PORT" (the type without "._tcp"), "snmp
// ADDRESS SERIAL NAME"; returns each row as "target|shown|name|serial|ways".
QStringList rowsAfter(const QStringList &events)
{
    FoundRows rows;
    // Kept by the changes alone, as the window keeps its model.
    QList<FoundPrinter> mirror;
    rows.onChange = [&](const FoundRows::Change &change) {
        if (change.kind == FoundRows::Change::Kind::Added)
            mirror.insert(change.row, rows.printers().at(change.row));
        else if (change.kind == FoundRows::Change::Kind::Removed)
            mirror.removeAt(change.row);
        else
            mirror[change.row] = rows.printers().at(change.row);
    };
    for (const QString &event : events) {
        const QStringList w = words(event);
        const auto at = [](const QString &written) {
            return std::pair{written.section(':', 0, 0), quint16(written.section(':', 1).toUInt())};
        };
        if (w[0] == "sweep") {
            rows.sweepFound(at(w[1]).first, at(w[1]).second);
        } else if (w[0] == "service") {
            DnsSdService service;
            service.type = "_" + w[1] + "._tcp";
            service.name = w[2];
            std::tie(service.address, service.port) = at(w[3]);
            rows.serviceFound(service);
        } else {
            SnmpAnswer answer;
            answer.answered = true;
            answer.serial = w[2];
            answer.sysName = w[3];
            rows.snmpAnswered(w[1], answer);
        }
    }
    const auto described = [](const QList<FoundPrinter> &printers) {
        QStringList lines;
        for (const FoundPrinter &printer : printers)
            lines << QStringList{printer.target(), printer.shownTarget(), printer.name,
                                 printer.serial, printer.foundBy.join(',')}
                         .join('|');
        return lines;
    };
    QStringList seen = described(rows.printers());
    if (described(mirror) != seen)
        seen << "changes told: " + described(mirror).join(", ");
    return seen;
}

} // namespace

class DiscoveryTest : public QObject
{
    Q_OBJECT
private slots:
    void stateWords_data()
    {
        columns<int, QByteArray, bool>({"status", "bits", "error"});
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
        QCOMPARE(state.refusal().english().section(':', 0, 0),
                 error ? "The printer reports " + words : "");
    }

    void ranges_data()
    {
        // hosts: "count: first .. last", or part of the refusal
        columns<QString, QString>({"written", "hosts"});
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

    // How the ways of finding join into rows: one row per raw port that
    // answers, whatever serial number they share; a service heard twice is
    // one printer; a service that only names a printer gives no target.
    void rowsJoinAsFound_data()
    {
        columns<QStringList, QStringList>({"events", "rows"});
        const QString a = "127.0.0.5", b = "127.0.0.6";
        QTest::newRow("two raw ports of one address, SNMP between")
            << QStringList{"sweep " + a + ":9100", "snmp " + a + " SN1 lab", "sweep " + a + ":9101"}
            << QStringList{"tcp://127.0.0.5:9100|tcp://127.0.0.5:9100|lab|SN1|sweep,snmp",
                           "tcp://127.0.0.5:9101|tcp://127.0.0.5:9101|lab|SN1|sweep,snmp"};
        QStringList six, sixRows;
        for (int port = 9100; port < 9106; ++port) {
            six << QStringLiteral("service pdl-datastream queue%1 %2:%3")
                       .arg(port)
                       .arg(a)
                       .arg(port);
            sixRows << QStringLiteral("tcp://%1:%2|tcp://%1:%2|queue%2|SN2|dns-sd,snmp")
                           .arg(a)
                           .arg(port);
        }
        QTest::newRow("six raw services of one print server")
            << QStringList(six + QStringList{"snmp " + a + " SN2 server"}) << sixRows;
        QTest::newRow("one printer at two addresses")
            << QStringList{"sweep " + a + ":9100", "sweep " + b + ":9100", "snmp " + b + " SN3 x",
                           "snmp " + a + " SN3 x"}
            << QStringList{"tcp://127.0.0.5:9100|tcp://127.0.0.5:9100|x|SN3|sweep,snmp"};
        QTest::newRow("IPP only names the printer")
            << QStringList{"service ipp Office " + a + ":631"}
            << QStringList{"|127.0.0.5 (no raw port)|Office||dns-sd"};
        QTest::newRow("raw services on system ports are not raw")
            << QStringList{"service pdl-datastream shell " + a + ":22",
                           "service pdl-datastream ipp " + b + ":631"}
            << QStringList{"|127.0.0.5 (no raw port)|shell||dns-sd",
                           "|127.0.0.6 (no raw port)|ipp||dns-sd"};
        QTest::newRow("one service on two interfaces")
            << QStringList{"service pdl-datastream Dock " + a + ":9100",
                           "service pdl-datastream Dock " + b + ":9100"}
            << QStringList{"tcp://127.0.0.5:9100|tcp://127.0.0.5:9100|Dock||dns-sd"};
        QTest::newRow("named first, raw port later")
            << QStringList{"service ipp Front " + a + ":631", "sweep " + a + ":9100",
                           "sweep " + a + ":9101"}
            << QStringList{"tcp://127.0.0.5:9100|tcp://127.0.0.5:9100|Front||dns-sd,sweep",
                           "tcp://127.0.0.5:9101|tcp://127.0.0.5:9101|||sweep"};
        QTest::newRow("named at a second address of a printer")
            << QStringList{"sweep " + a + ":9100", "snmp " + a + " SN4 y",
                           "service ipp Back " + b + ":631", "snmp " + b + " SN4 y"}
            << QStringList{"tcp://127.0.0.5:9100|tcp://127.0.0.5:9100|y|SN4|sweep,snmp,dns-sd"};
    }

    void rowsJoinAsFound()
    {
        QFETCH(QStringList, events);
        QFETCH(QStringList, rows);
        QCOMPARE(rowsAfter(events), rows);
    }

    // What printers announce stays inside its cell of the table and behind
    // the # of its targets line: a name carrying a line feed and a target
    // does not become a target, nor a terminal escape reach the terminal.
    void announcedNamesStayOnTheirLine()
    {
        const QString hostile = "lab\ntcp://127.0.0.66:9100 #";
        QList<FoundPrinter> printers(3);
        printers[0].address = "127.0.0.5";
        printers[0].port = 9100;
        printers[0].name = hostile;
        printers[0].makeModel = "\r\x1b]0;owned\x07\u202eLX";
        printers[0].serial = QString::fromLatin1("SN\0", 3) + "\u2028x";
        printers[1].address = "127.0.0.5";
        printers[1].port = 9100; // the same target again
        printers[2].address = "127.0.0.7";
        printers[2].name = "a very long name that is cut with an escape \x1b[31m at its end";
        const QString text = Discover::targetsText(printers);
        TargetList read;
        read.addFile(text.toUtf8(), "t");
        QCOMPARE(read.targets.size(), 1);
        QCOMPARE(read.targets[0].written, "tcp://127.0.0.5:9100");
        QCOMPARE(text.count('\n'), 2);
        QVERIFY2(text.contains("# lab\\x0atcp://127.0.0.66:9100 #, \\x0d\\x1b]0;owned\\x07"
                               "\\u202eLX, SN\\x00\\u2028x"),
                 qPrintable(text));

        const QString table = Discover::table(printers);
        const QStringList lines = table.split('\n');
        QCOMPARE(lines.size(), 6); // heading, three rows, the count, and after the last \n
        for (const QString &line : lines)
            for (const QChar c : line)
                QVERIFY2(c >= ' ' && c != QChar(0x7f) && c != QChar(0x202e) && c != QChar(0x2028),
                         qPrintable(line));
        // Cut to the column with an ellipsis; the IPP-only row has no target.
        QVERIFY2(lines[3].startsWith("127.0.0.7 (no raw port)   a very long nam…  "),
                 qPrintable(lines[3]));
        QCOMPARE(lines[4], "3 printers found");
    }

    void sweepFindsListenersOnly()
    {
        REQUIRE_PRIVATE_NETWORK();
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

    // With few descriptors left, a sweep waits for its own to be freed
    // rather than counting connects it could not make as done; with none
    // at all it says how many it could not try.
    void sweepWaitsForDescriptors()
    {
        QTcpServer printer;
        QVERIFY(printer.listen(QHostAddress("127.0.0.150"), 0));
        QStringList hosts;
        for (int host = 101; host <= 150; ++host)
            hosts << QStringLiteral("127.0.0.%1").arg(host);
        // The sweep raises the soft limit to the hard one: those are what
        // another part of the program can take.
        rlimit files{};
        QCOMPARE(::getrlimit(RLIMIT_NOFILE, &files), 0);
        if (files.rlim_max > 1 << 17)
            QSKIP("the descriptor limit is too high to use up in a test");
        const auto sweepWith = [&](int spare) {
            Sweep sweep;
            sweep.setPorts({printer.serverPort()});
            sweep.setTimeoutMs(3000);
            QStringList found;
            connect(&sweep, &Sweep::found, this,
                    [&](const QString &host, quint16) { found << host; });
            QSignalSpy finished(&sweep, &Sweep::finished);
            sweep.start(hosts);
            // Another part of the program takes all but `spare` of them.
            std::vector<int> taken;
            for (int fd; (fd = ::dup(0)) >= 0;)
                taken.push_back(fd);
            for (int i = 0; i < spare && !taken.empty(); ++i, taken.pop_back())
                ::close(taken.back());
            const bool ended = finished.wait(20000);
            for (const int fd : taken)
                ::close(fd);
            return std::tuple{ended, found, sweep.untried()};
        };
        const auto few = sweepWith(4);
        const auto none = sweepWith(0);
        QCOMPARE(few, std::tuple(true, QStringList{"127.0.0.150"}, 0));
        QCOMPARE(none, std::tuple(true, QStringList{}, 50));
    }

    // One printer read every way: v2c and v3, on the calling thread and from
    // the event loop, and through agents that answer in another order or
    // leave an object out: each value is taken by the name it came back
    // with, never one value in another's field.
    void snmpReadsThePrinter()
    {
        PrinterAgent agent;
        agent.set(
            printerTables("40 00", 4711,
                          paperOut + QStringList{".1.3.6.1.2.1.43.16.5.1.2.1.1 string PAPER OUT",
                                                 ".1.3.6.1.2.1.43.16.5.1.2.1.2 string LX-4 V2.1"}));
        START_AGENT_OR_FAIL(agent.start(printerSystem("lab-printer")));
        const auto seen = [](const SnmpAnswer &answer) {
            QStringList alerts;
            for (const PrinterAlert &alert : answer.alerts)
                alerts << QStringLiteral("%1 %2/%3 %4 #%5")
                              .arg(alert.severityWord())
                              .arg(alert.group)
                              .arg(alert.code)
                              .arg(alert.description)
                              .arg(alert.index);
            return QStringList{answer.failure.english(),
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
        const QString whole = " | lab-printer | Dock 3 | SN77 | no paper | PAPER OUT / LX-4 V2.1 | "
                              "critical 8/808 Load labels #7 | 4x6 direct thermal | 4711 "
                              "impressions";
        const SnmpAnswer v2c = SnmpReader::readNow("127.0.0.1", testedCommunity(agent.port));
        QCOMPARE(seen(v2c), whole);
        QCOMPARE(v2c.deviceDescr, "Varimonde LX-4");
        QVERIFY(v2c.sysObjectId.startsWith("1.3.6.1.4.1.") && !v2c.sysDescr.isEmpty());
        SnmpOptions v3 = testedCommunity(agent.port);
        v3.community.clear();
        v3.user = "printeruser";
        v3.authPass = "authpass123";
        v3.privPass = "privpass123";
        QCOMPARE(seen(SnmpReader::readNow("127.0.0.1", v3)), whole);
        // v3 from the event loop: the engine learnt first, then the objects.
        QCOMPARE(seen(readThrough(v3)), whole);
        const std::tuple<const char *, SnmpRelay::Change, QString> relayed[] = {
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
        for (const auto &[name, change, expected] : relayed) {
            SnmpRelay relay(agent.port, change);
            const SnmpAnswer heard = readThrough(testedCommunity(relay.port()));
            QVERIFY2(heard.readAt.isValid(), name);
            QCOMPARE(seen(heard), expected);
        }

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
        // Silence is worded alike in v2c and v3.
        SnmpOptions silentV3 = v3;
        silentV3.port = mute.localPort();
        silentV3.timeoutMs = 300;
        // Read on the calling thread or not; how the failure begins; within what time.
        const std::tuple<SnmpOptions, bool, const char *, int, int> failures[] = {
            {wrongPass, false, "SNMP ", 0, 1500},
            {silent, false, "no SNMP answer", 1900, 3000},
            {silent, true, "no SNMP answer", 1900, 3000},
            {silentV3, false, "no SNMP answer", 0, 3000},
            {silentV3, true, "no SNMP answer", 0, 3000}};
        for (const auto &[options, now, failure, fromMs, toMs] : failures) {
            QElapsedTimer clock;
            clock.start();
            const SnmpAnswer answer =
                now ? SnmpReader::readNow("127.0.0.1", options) : readThrough(options);
            const QString said =
                answer.failure.english() + " after " + QString::number(clock.elapsed());
            QVERIFY2(answer.failure.english().startsWith(failure), qPrintable(said));
            QVERIFY2(clock.elapsed() >= fromMs && clock.elapsed() < toMs, qPrintable(said));
        }

        // Many silent printers at once wait their timeout together, without a
        // thread each; v3 ones too: learning the agent's engine is a request
        // like any other, on the event loop, and nothing waits for it.
        const auto threads = [] {
            return QDir("/proc/self/task").entryList(QDir::Dirs | QDir::NoDotAndDotDot).size();
        };
        const int before = threads();
        SnmpOptions quick = silent;
        quick.timeoutMs = 300;
        SnmpOptions quickV3 = quick;
        quickV3.user = "printeruser";
        quickV3.authPass = "authpass123";
        for (const SnmpOptions &options : {quick, quickV3}) {
            SnmpReader crowd(options);
            int unanswered = 0;
            QElapsedTimer clock;
            clock.start();
            for (int i = 0; i < 100; ++i)
                crowd.read("127.0.0.1", [&](const QString &, const SnmpAnswer &answer) {
                    unanswered += answer.failure.english() == "no SNMP answer";
                });
            QVERIFY2(clock.elapsed() < 250, qPrintable(QString::number(clock.elapsed())));
            QVERIFY(threads() <= before + 1);
            QTRY_COMPARE_WITH_TIMEOUT(unanswered, 100, 5000);
            QVERIFY2(clock.elapsed() < 1500, qPrintable(QString::number(clock.elapsed())));
        }
    }

    void printersAreFoundAndAsked()
    {
        REQUIRE_PRIVATE_NETWORK();
        PrinterAgent agent;
        agent.addresses = {"127.0.0.61", "127.0.0.62", "127.0.0.9"};
        agent.set(
            {".1.3.6.1.2.1.43.5.1.1.17.1 string SN1", ".1.3.6.1.2.1.25.3.5.1.2.1 octet 00 00"});
        START_AGENT_OR_FAIL(agent.start(printerSystem("label-1")));
        // Two addresses of one printer (the same serial), a second raw port
        // of it at one address (a printer of its own), and one more
        // listening without SNMP.
        std::list<QTcpServer> printers;
        for (const char *address : {"127.0.0.60", "127.0.0.61", "127.0.0.62"})
            QVERIFY(printers.emplace_back().listen(QHostAddress(address), 9100));
        QVERIFY(printers.emplace_back().listen(QHostAddress("127.0.0.61"), 0));
        const QString second = QString::number(printers.back().serverPort());
        QTemporaryDir dir;
        const QStringList snmp{"--community", "tested", "--snmp-port", QString::number(agent.port)};
        const QString report = dir.filePath("found.json");
        const QString targets = dir.filePath("targets");
        const Ran found =
            runCli(QStringList{"--discover", "--range", "127.0.0.56/29", "--scan-port", second,
                               "--report", report, "--write-targets", targets} +
                   snmp);
        QCOMPARE(found.status, 0);
        QVERIFY2(found.out.contains("3 printers found"), found.out.constData());
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
        const QString label1 =
            R"({"address":"127.0.0.61","alerts":[],"conditions":[],"console":[],"error":false,)"
            R"("foundBy":["sweep","snmp"],"makeModel":"Varimonde LX-4","media":[],)"
            R"("name":"label-1","odometer":null,"odometerUnit":"",)"
            R"("port":%1,"serial":"SN1","snmp":true,"status":"ready",)"
            R"("target":"tcp://127.0.0.61:%1"})";
        const QString expected =
            R"([{"address":"127.0.0.60","alerts":[],"conditions":[],"console":[],"error":false,)"
            R"("foundBy":["sweep"],"makeModel":"","media":[],"name":"","odometer":null,)"
            R"("odometerUnit":"","port":9100,"serial":"","snmp":false,)"
            R"("status":"unknown","target":"tcp://127.0.0.60:9100"},)" +
            label1.arg("9100") + "," + label1.arg(second) + "]";
        QCOMPARE(QJsonDocument(json).toJson(QJsonDocument::Compact), expected.toUtf8());
        QCOMPARE(fileBytes(targets), "# Printers found by varimonde-setup --discover\n"
                                     "tcp://127.0.0.60:9100\n"
                                     "tcp://127.0.0.61:9100  # label-1, Varimonde LX-4, SN1\n"
                                     "tcp://127.0.0.61:" +
                                         second.toUtf8() + "  # label-1, Varimonde LX-4, SN1\n");

        // --status reads the targets file back: a printer that does not
        // answer SNMP makes it 1; every printer ready, 0. In German people
        // read why in German; the report keeps it in English.
        QProcess status;
        status.start(VARIMONDE_SETUP_BINARY,
                     QStringList{"--lang", "de", "--status", "--targets", targets, "--report",
                                 dir.filePath("unanswered.json")} +
                         snmp);
        // The printers answer from this process: its events must go on.
        QTRY_VERIFY_WITH_TIMEOUT(status.state() == QProcess::NotRunning, 10000);
        QCOMPARE(status.exitCode(), 1);
        QVERIFY(status.readAllStandardOutput().contains("ready"));
        const QString statusErr = QString::fromUtf8(status.readAllStandardError());
        QVERIFY2(statusErr.contains("tcp://127.0.0.60:9100: keine SNMP-Antwort"),
                 qPrintable(statusErr));
        QCOMPARE(QJsonDocument::fromJson(fileBytes(dir.filePath("unanswered.json")))["notes"],
                 QJsonArray{"tcp://127.0.0.60:9100: no SNMP answer"});
        // Every printer that could be asked is ready: 0, with the one on a
        // line listed and counted apart, so that a script tells "all ready"
        // from "all that could be asked are ready".
        const Ran ready = runCli(QStringList{"--status", "--to", "tcp://127.0.0.62", "--to", "LPT1",
                                             "--report", dir.filePath("status.json")} +
                                 snmp);
        QCOMPARE(ready.status, 0);
        QVERIFY2(ready.err.endsWith("\nLPT1: not a network printer: its status cannot be read\n"),
                 qPrintable(ready.err));
        QVERIFY2(ready.out.contains("\nLPT1                      ") &&
                     ready.out.contains("cannot be read") &&
                     ready.out.endsWith("\n2 printers: 1 ready, 0 not ready, 0 not answering, 1 "
                                        "not asked (serial, parallel or USB)\n"),
                 ready.out.constData());
        QCOMPARE(
            QJsonDocument(QJsonDocument::fromJson(fileBytes(dir.filePath("status.json")))["summary"]
                              .toObject())
                .toJson(QJsonDocument::Compact),
            R"({"allAskedReady":true,"allReady":false,"cannotBeRead":1,"noAnswer":0,)"
            R"("notReady":0,"printers":2,"ready":1})");

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
                 QStringList({"127.0.0.11 | 9100 |  |  |  | unknown |  | sweep",
                              "127.0.0.9 | 9100 | label-1 | Varimonde LX-4 | SN1 | ready |  | "
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

    // A printer only named over IPP has no port to send to: "Use This
    // Printer" stays off for its row, saying why, and a double click on it
    // makes no link; a raw port's row is taken. The printers are those a
    // real Avahi daemon announces in dnssd-namespace.sh, which runs this.
    void useThisPrinterNeedsARawPort()
    {
        if (qEnvironmentVariableIsEmpty("VARIMONDE_ANNOUNCED_IN_NAMESPACE"))
            QSKIP("run by dnssd-namespace.sh, where an Avahi daemon announces printers");
        WindowDriver ui;
        ui.control<QAbstractButton>("CommOp_3")->click();
        ui.control<QAbstractButton>("FindPrintersCmd")->click();
        FindPrintersDialog *dialog = nullptr;
        QTRY_VERIFY((dialog = ui.window.findChild<FindPrintersDialog *>()) && dialog->isVisible());
        auto *use = dialog->findChild<QAbstractButton *>("UseCmd");
        auto *grid = dialog->findChild<QTableView *>("PrintersGrid");
        dialog->findChild<QLineEdit *>("RangeTxt")->clear(); // DNS-SD alone
        dialog->findChild<QAbstractButton *>("StartCmd")->click();
        QTRY_VERIFY_WITH_TIMEOUT(dialog->findChild<QWidget *>("StartCmd")->isEnabled(), 15000);
        const auto rowOf = [grid](const QString &address) {
            for (int row = 0; row < grid->model()->rowCount(); ++row)
                if (grid->model()->index(row, 0).data().toString() == address)
                    return row;
            return -1;
        };
        const int named = rowOf("10.231.7.7"), raw = rowOf("10.231.7.4");
        QVERIFY2(named >= 0 && raw >= 0, qPrintable(cells(grid->model(), 0)));
        QCOMPARE(cells(grid->model(), named), "10.231.7.7 |  | Office |  |  | unknown |  | dns-sd");
        const QString link = ui.control<QLabel>("LinkLbl")->text();
        grid->selectRow(named);
        QVERIFY(!use->isEnabled());
        QVERIFY2(use->toolTip().contains("no raw port"), qPrintable(use->toolTip()));
        QSignalSpy chosen(dialog, &FindPrintersDialog::chosen);
        const QPoint cell = grid->visualRect(grid->model()->index(named, 0)).center();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell);
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell);
        QVERIFY(dialog->isVisible());
        QCOMPARE(chosen.count(), 0);
        QCOMPARE(ui.control<QLabel>("LinkLbl")->text(), link);
        grid->selectRow(raw);
        QVERIFY(use->isEnabled() && use->toolTip().isEmpty());
        use->click();
        QTRY_VERIFY(!ui.window.findChild<FindPrintersDialog *>());
        QTRY_VERIFY2(ui.control<QLabel>("LinkLbl")->text().startsWith("Network 10.231.7.4:9104"),
                     qPrintable(ui.control<QLabel>("LinkLbl")->text()));
    }

    // A printer reporting no paper: the command line sends to it only when told
    // to ignore its status, the window asks first; one without SNMP is sent to.
    void aPrinterNotReadyIsSentToOnlyWhenAsked()
    {
        REQUIRE_PRIVATE_NETWORK();
        Fleet fleet;
        fleet.setRestartMs(0);
        QString failure;
        VirtualPrinter *noPaper =
            fleet.addNetworkPrinter(QHostAddress("127.0.0.71"), 9100, quint16(0), &failure);
        QVERIFY2(noPaper, qPrintable(failure));
        VirtualPrinter *withoutSnmp =
            fleet.addNetworkPrinter(QHostAddress("127.0.0.72"), 9100, std::nullopt, &failure);
        QVERIFY2(withoutSnmp, qPrintable(failure));
        for (const QJsonObject &request :
             {QJsonObject{{"printer", "*"}, {"community", "tested"}},
              QJsonObject{{"printer", "127.0.0.71"}, {"set", "no-paper"}}})
            QVERIFY(fleet.control(request)["ok"].toBool());
        const auto received = [&fleet](const QString &address) {
            return fleet.printer(address)->model().bytesReceived();
        };
        askWindowWith(noPaper->snmpPort());
        WindowDriver ui;
        const QString firmware = ui.file("fw.bin", QByteArray(1000, 'F'));
        const QStringList snmp{"--community", "tested", "--snmp-port",
                               QString::number(noPaper->snmpPort())};
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
            // The command line names its own way to send anyway.
            {"127.0.0.71", "",
             "--firmware " + firmware + ": " + refusal + " Give --ignore-status to send anyway."},
            {"127.0.0.71", "--ignore-status", ""},
            {"127.0.0.72", "", ""},
        };
        for (const auto &[address, extra, says] : cases) {
            const qint64 before = received(address);
            const Ran run =
                runCli(snmp + words(QStringLiteral("--to tcp://%1 %2").arg(address, extra)) +
                       QStringList{"--firmware", firmware});
            QCOMPARE(run.status, says.isEmpty() ? 0 : 1);
            QVERIFY2(run.out.contains(says.toUtf8()), qPrintable(run.out));
            QTest::qWait(50);
            QCOMPARE(received(address) - before, says.isEmpty() ? 1000 : 0);
        }
        // In German people read the refusal and the option in German; the
        // summary a script reads stays in English.
        QProcess german;
        german.start(VARIMONDE_SETUP_BINARY,
                     QStringList{"--lang", "de", "--to", "tcp://127.0.0.71"} + snmp +
                         QStringList{"--firmware", firmware});
        // The printers answer from this process: its events must go on.
        QTRY_VERIFY_WITH_TIMEOUT(german.state() == QProcess::NotRunning, 10000);
        QCOMPARE(german.exitCode(), 1);
        const QString germanErr = QString::fromUtf8(german.readAllStandardError());
        QVERIFY2(germanErr.contains("Der Drucker meldet no paper: es wurde nichts gesendet. Legen "
                                    "Sie Etiketten ein, schließen Sie den Drucker und versuchen "
                                    "Sie es erneut. Mit --ignore-status wird trotzdem gesendet."),
                 qPrintable(germanErr));
        QVERIFY(german.readAllStandardOutput().contains(std::get<2>(cases[0]).toUtf8()));

        const qint64 before = received("127.0.0.71");
        ui.window.link().setAddress(
            std::get<LinkAddress>(LinkAddress::parse("tcp://127.0.0.71:9100")));
        QCOMPARE(ui.run({"BMemCMD=file:fw.bin"}), QStringList());
        const QStringList asked{refusal + "|Printer Not Ready|icon"};
        QCOMPARE(ui.click("BUpLoadCMD", {"press:Cancel"}), asked);
        QCOMPARE(ui.control<QLabel>("UStatLbl")->text(), "Upload Cancelled");
        QTest::qWait(50);
        QCOMPARE(received("127.0.0.71"), before);
        QCOMPARE(ui.click("BUpLoadCMD", {"press:Send Anyway"}), asked);
        QTRY_COMPARE(received("127.0.0.71"), before + 1000);
        QCOMPARE(ui.control<QLabel>("UStatLbl")->text(), "File Uploaded");
    }

    // A name whose name server keeps silent: the sweep gives it up with its
    // connect's timeout, and the program ends then, waiting for nothing. A
    // printer's name nobody answers for: its status read and its connect
    // share the one connect limit, and the run ends when that has passed.
    void aNameNobodyAnswersEndsWithinTheConnectLimit()
    {
        REQUIRE_PRIVATE_NETWORK();
        // The program's only name server, on loopback: it hears every
        // question and answers none.
        QUdpSocket nameServer;
        QVERIFY2(nameServer.bind(QHostAddress::LocalHost, 53), "port 53 is taken");
        const auto restore = qScopeGuard(&PrivateNetwork::restoreResolverConfiguration);
        const QString refusal = PrivateNetwork::useResolverConfiguration(
            "nameserver 127.0.0.1\noptions timeout:5 attempts:2\n");
        QVERIFY2(refusal.isEmpty(), qPrintable(refusal));
        QTemporaryDir dir;
        QProcess cli;
        cli.start(VARIMONDE_SETUP_BINARY, {"--discover", "--range", "printer.invalid", "--report",
                                           dir.filePath("found.json")});
        QVERIFY(cli.waitForStarted());
        // The name server is asked, from no thread of the program's own.
        QTRY_VERIFY_WITH_TIMEOUT(nameServer.hasPendingDatagrams(), 3000);
        const QDir tasks("/proc/" + QString::number(cli.processId()) + "/task");
        const int threads = tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot).size();
        QElapsedTimer clock;
        clock.start();
        QVERIFY(cli.waitForFinished(5000));
        QVERIFY2(clock.elapsed() < 1500, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(cli.exitCode(), 0);
        QVERIFY(threads <= 2);
        QCOMPARE(QJsonDocument::fromJson(fileBytes(dir.filePath("found.json")))["printers"],
                 QJsonArray());

        QVERIFY(writeFile(dir.filePath("fw.bin"), QByteArray(900, 'x')));
        clock.restart();
        cli.start(VARIMONDE_SETUP_BINARY, {"--to", "tcp://printer.invalid", "--firmware",
                                           dir.filePath("fw.bin"), "--connect-timeout", "2"});
        cli.closeWriteChannel();
        QVERIFY(cli.waitForFinished(10000));
        const qint64 took = clock.elapsed();
        const QByteArray err = cli.readAllStandardError();
        QVERIFY2(took < 3000, qPrintable(QString::number(took)));
        QCOMPARE(cli.exitCode(), 1);
        QVERIFY2(err.contains("could not look printer.invalid up within 2 s"), err.constData());
    }

    // A targets file made by hand is not replaced unless asked; one that
    // --discover wrote is.
    void writeTargetsLeavesHandMadeFiles()
    {
        QTcpServer printer;
        QVERIFY(printer.listen(QHostAddress("127.0.0.87"), 0));
        QUdpSocket mute;
        QVERIFY(mute.bind(QHostAddress::LocalHost, 0));
        QTemporaryDir dir;
        const QString targets = dir.filePath("targets");
        const QByteArray handMade = "# the lab's printers\nCOM3:19200,N,8,1  # bench\n";
        QVERIFY(writeFile(targets, handMade));
        const QString port = QString::number(printer.serverPort());
        const QStringList discover = words("--discover --range 127.0.0.87 --scan-port " + port +
                                           " --snmp-port " + QString::number(mute.localPort())) +
                                     QStringList{"--write-targets", targets};
        const Ran refused = runCli(discover);
        QCOMPARE(refused.status, 2);
        QCOMPARE(fileBytes(targets), handMade);
        QCOMPARE(refused.err, "varimonde-setup: --write-targets " + targets +
                                  ": the file was not written by --discover (a targets file "
                                  "made by hand?) and is left as it is; give --force to "
                                  "replace it\n");
        const QByteArray written =
            "# Printers found by varimonde-setup --discover\ntcp://127.0.0.87:" + port.toUtf8() +
            "\n";
        QCOMPARE(runCli(discover + QStringList{"--force"}).status, 0);
        QCOMPARE(fileBytes(targets), written);
        // Written by --discover: replaced without asking.
        QVERIFY(writeFile(targets, written + "tcp://127.0.0.88\n"));
        QCOMPARE(runCli(discover).status, 0);
        QCOMPARE(fileBytes(targets), written);
    }

    // The secrets reach the agent from a file only its owner may read, or
    // from standard input; anything else is refused without showing them.
    void snmpSecrets()
    {
        // Awaited on a standard input that never ends (a terminal no one
        // types into), an interrupt still ends the run, as any other wait.
        QProcess waiting;
        waiting.start(VARIMONDE_SETUP_BINARY,
                      {"--status", "--to", "tcp://127.0.0.1", "--snmp-secrets", "-"});
        QVERIFY(waiting.waitForStarted());
        QTest::qWait(300);
        QCOMPARE(waiting.state(), QProcess::Running);
        ::kill(pid_t(waiting.processId()), SIGINT);
        QVERIFY(waiting.waitForFinished(2000));
        QCOMPARE(waiting.exitCode(), 130);

        PrinterAgent agent;
        agent.addresses = {"127.0.0.81"};
        agent.set(printerTables("00 00", 0));
        START_AGENT_OR_FAIL(agent.start(printerSystem("label-81")));
        const QString v3 = "--snmp-user printeruser";
        const struct {
            const char *name, *secrets;
            int mode; // of the file; 0: standard input; -1: none
            QString extra;
            int status;
            const char *says;
        } rows[] = {
            {"community from a file", "community=tested\n", 0600, "", 0, "ready"},
            {"community from standard input", "community=tested\n", 0, "", 0, "ready"},
            {"v3 phrases, comments and CR LF",
             "# site 2\r\nauth=authpass123\r\n\r\n"
             "priv=privpass123\r\n",
             0600, v3, 0, "ready"},
            {"v3 phrases from standard input", "auth=authpass123\npriv=privpass123", 0, v3, 0,
             "ready"},
            {"a wrong phrase gets no answer", "auth=authpass123\npriv=s3cr3t-x9\n", 0600, v3, 1,
             "no SNMP"},
            {"the old option still works, warned", "", -1, "--community tested", 0,
             "--community shows its secret to every user"},
            {"readable by the group", "community=s3cr3t-x9\n", 0640, "", 2,
             "may be read or changed by other users (mode 0640)"},
            {"writable by others", "community=s3cr3t-x9\n", 0602, "", 2, "(mode 0602)"},
            {"a key twice", "community=s3cr3t-x9\ncommunity=s3cr3t-x9\n", 0600, "", 2,
             "line 2 gives community again"},
            {"an unknown key", "\npassword=s3cr3t-x9\n", 0600, "", 2,
             "line 2 is not community=, auth= or priv="},
            {"an empty value", "community=\n", 0600, "", 2, "line 1: community is empty"},
            {"a control character", "community=s3cr3t\x1bx9\n", 0600, "", 2,
             "line 1: community holds a control character"},
            {"a phrase without a user", "auth=s3cr3t-x9\n", 0600, "", 2, "go with --snmp-user"},
            {"both the file and the option", "community=s3cr3t-x9\n", 0600, "--community other", 2,
             "--community gives what the file gives"},
        };
        QTemporaryDir dir;
        const QString path = dir.filePath("secrets");
        for (const auto &row : rows) {
            QStringList arguments = words("--status --to tcp://127.0.0.81 --snmp-port " +
                                          QString::number(agent.port) + " " + row.extra);
            if (row.mode > 0)
                QVERIFY(writeFile(path, row.secrets) &&
                        ::chmod(QFile::encodeName(path).constData(), mode_t(row.mode)) == 0);
            if (row.mode >= 0)
                arguments << "--snmp-secrets" << (row.mode ? path : "-");
            QProcess cli;
            cli.start(VARIMONDE_SETUP_BINARY, arguments);
            QVERIFY(cli.waitForStarted());
            cli.write(row.mode == 0 ? QByteArray(row.secrets) : QByteArray());
            cli.closeWriteChannel();
            QVERIFY(cli.waitForFinished(10000));
            const QString out =
                QString::fromUtf8(cli.readAllStandardOutput() + cli.readAllStandardError());
            const QString seen =
                QStringLiteral("%1: %2, %3").arg(row.name).arg(cli.exitCode()).arg(out);
            QVERIFY2(cli.exitCode() == row.status && out.contains(row.says) &&
                         !out.contains("s3cr3t"),
                     qPrintable(seen));
            if (row.status != 2)
                QVERIFY2(out.contains("shows its secret") == row.extra.contains("--community"),
                         qPrintable(seen));
        }
    }

    void commandLineRefusals_data()
    {
        columns<QStringList, QString>({"arguments", "error"});
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
            {"--status --to tcp://127.0.0.1 --force", "--force goes with --write-targets"},
            {"--inventory x.csv --to tcp://127.0.0.1",
             "varimonde-setup: --inventory goes with --status\n"
             "Try 'varimonde-setup --help' for more information.\n"},
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

// Its printers listen on fixed ports (9100) of many loopback addresses: in a
// network of its own, where nothing else holds them.
VARIMONDE_TEST_MAIN_AFTER(DiscoveryTest, PrivateNetwork::enter())
#include "tst_discovery.moc"
