// What the command line tells of a fleet between sends, against Debian's
// snmpd answering a printer's tables from a state the test changes: the
// details under --status, the inventory file, the watch's events in order,
// its metrics as Prometheus reads them; and Find Printers' watch in the
// window.
#include "comm/FindPrintersDialog.h"
#include "support/CliRun.h"
#include "support/Files.h"
#include "support/LoopbackPrinter.h"
#include "support/PrinterAgent.h"
#include "support/TestMain.h"
#include "support/WindowDriver.h"

#include <QAbstractButton>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTableView>
#include <QTcpServer>

#include <csignal>

namespace
{

const QStringList systemGroup = printerSystem("=lab,\\\"7\\\"");

QStringList snmp(quint16 port)
{
    return {"--community", "tested", "--snmp-port", QString::number(port)};
}

QByteArray httpGet(const QString &url)
{
    QNetworkAccessManager network;
    QNetworkReply *reply = network.get(QNetworkRequest(QUrl(url)));
    if (!QTest::qWaitFor([reply] { return reply->isFinished(); }, 5000))
        return {};
    reply->deleteLater();
    return reply->error() == QNetworkReply::NoError ? reply->readAll() : QByteArray();
}

// The README's YAML block of "Watching a fleet" of that number (1: the
// scrape configuration, 2: the alerting rule), as written.
QByteArray readmeYaml(int index)
{
    QFile readme(QStringLiteral(VARIMONDE_SOURCE_DIR "/README.md"));
    if (!readme.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(readme.readAll())
        .section("## Watching a fleet\n", 1)
        .section("\n## ", 0, 0)
        .section("```yaml\n", index, index)
        .section("```", 0, 0)
        .toUtf8();
}

// The README's alerting rule, and `scrape` as its scrape configuration beside
// it, where the configuration's relative name finds the rule: the
// configuration's path, empty when they could not be written.
QString prometheusFiles(const QTemporaryDir &dir, const QByteArray &scrape)
{
    const QString config = dir.filePath("prometheus.yml");
    return writeFile(config, scrape) &&
                   writeFile(dir.filePath("varimonde-rules.yml"), readmeYaml(2))
               ? config
               : QString();
}

// Whether promtool passes what it is asked, given `input`; what it said. The
// test dependencies bring Prometheus: missing, it is a failure.
std::pair<bool, QByteArray> promtool(const QStringList &arguments, const QByteArray &input = {})
{
    const QString program = QStandardPaths::findExecutable("promtool");
    if (program.isEmpty())
        return {false, "promtool is missing: scripts/install-deps.sh --tests"};
    QProcess run;
    run.setProcessChannelMode(QProcess::MergedChannels);
    run.start(program, arguments);
    run.write(input);
    run.closeWriteChannel();
    const bool ended = run.waitForFinished(20000);
    return {ended && run.exitStatus() == QProcess::NormalExit && run.exitCode() == 0,
            run.readAll()};
}

} // namespace

class FleetTest : public QObject
{
    Q_OBJECT
private slots:
    void statusTellsDetailsAndWritesTheInventory()
    {
        PrinterAgent agent;
        START_AGENT_OR_FAIL(agent.start(systemGroup));
        agent.set(
            printerTables("40 00", 4711,
                          paperOut + QStringList{".1.3.6.1.2.1.43.16.5.1.2.1.1 string PAPER "
                                                 "\x1b]0;owned\x07OUT",
                                                 ".1.3.6.1.2.1.43.16.5.1.2.1.2 string LX-4 V2.1"}));
        QTemporaryDir dir;
        const QStringList status =
            QStringList{"--status", "--to", "tcp://127.0.0.1"} + snmp(agent.port);
        const Ran ran = runCli(status + QStringList{"--inventory", dir.filePath("fleet.csv")});
        QCOMPARE(ran.status, 1);
        QString details = QString::fromUtf8(ran.out).section("TARGET ", 0, 0);
        details.replace(QRegularExpression("uptime: \\d+ d \\d\\d:\\d\\d:\\d\\d"), "uptime: U");
        QCOMPARE(details, "tcp://127.0.0.1:9100\n"
                          "  location: Dock 3\n"
                          "  uptime: U\n"
                          "  panel: PAPER \x1b]0;owned\x07OUT\n"
                          "  panel: LX-4 V2.1\n"
                          "  alert: critical (group 8, code 808): Load labels, at uptime 0 d "
                          "00:02:03\n"
                          "  media: 4x6 direct thermal\n"
                          "  odometer: 4711 impressions\n");

        // A spreadsheet gets the name from the network as text, not a
        // formula, and no control character.
        QString csv = QString::fromUtf8(fileBytes(dir.filePath("fleet.csv")));
        csv.replace(QRegularExpression(",\\d+,\\d{4}-\\d\\d-\\d\\dT[\\d:.]+Z\r\n"), ",UP,READ\r\n");
        QCOMPARE(csv, "target,name,location,makeModel,serial,snmp,status,alerts,console,media,"
                      "odometer,odometerUnit,uptimeSeconds,readAt\r\n"
                      "tcp://127.0.0.1:9100,\"'=lab,\"\"7\"\"\",Dock 3,Varimonde LX-4,SN77,yes,"
                      "no paper,\"critical (group 8, code 808): Load labels, at uptime 0 d "
                      "00:02:03\",PAPER \uFFFD]0;owned\uFFFDOUT / LX-4 V2.1,4x6 direct thermal,"
                      "4711,impressions,UP,READ\r\n");

        // JSON by the file's name: the --status report's fields.
        const QString json = dir.filePath("fleet.json");
        QCOMPARE(runCli(status + QStringList{"--inventory", json}).status, 1);
        const QJsonObject row =
            QJsonDocument::fromJson(fileBytes(json))["printers"].toArray().first().toObject();
        QCOMPARE(row["alerts"].toArray().first().toObject(),
                 QJsonObject({{"index", 7},
                              {"severity", "critical"},
                              {"group", 8},
                              {"code", 808},
                              {"description", "Load labels"},
                              {"uptimeSeconds", 123}}));
        QCOMPARE(QJsonDocument(QJsonArray{row["name"], row["location"], row["odometer"],
                                          row["odometerUnit"], row["media"], row["conditions"]})
                     .toJson(QJsonDocument::Compact),
                 "[\"=lab,\\\"7\\\"\",\"Dock 3\",4711,\"impressions\",[\"4x6 direct thermal\"],"
                 "[\"no paper\"]]");
        QVERIFY(QDateTime::fromString(row["readAt"].toString(), Qt::ISODateWithMs).isValid());
    }

    // Each change is one event, in the order it happened; the metrics
    // follow, and Prometheus scrapes them.
    void watchTellsEachChange()
    {
        PrinterAgent agent;
        START_AGENT_OR_FAIL(agent.start(systemGroup));
        agent.set(printerTables("00 00", 100));
        QProcess watch;
        watch.start(VARIMONDE_SETUP_BINARY, QStringList{"--watch", "1", "--to", "tcp://127.0.0.1",
                                                        "--metrics", "127.0.0.1:0"} +
                                                snmp(agent.port));
        QVERIFY(watch.waitForStarted());
        QList<QJsonObject> events;
        QString err;
        const auto collect = [&] {
            while (watch.canReadLine())
                events << QJsonDocument::fromJson(watch.readLine()).object();
            err += QString::fromUtf8(watch.readAllStandardError());
        };
        connect(&watch, &QProcess::readyReadStandardOutput, this, collect);
        connect(&watch, &QProcess::readyReadStandardError, this, collect);
        const auto told = [&events] {
            QStringList kinds;
            for (const QJsonObject &event : std::as_const(events)) {
                const QString kind = event["event"].toString();
                if (kind == "status")
                    kinds << kind + ":" + event["status"].toString();
                else if (kind.startsWith("alert"))
                    kinds << kind + ":" + QString::number(event["alert"]["code"].toInt());
                else if (kind != "odometer")
                    kinds << kind;
            }
            return kinds.join(' ');
        };
        const auto lastOdometer = [&events] {
            for (auto event = events.crbegin(); event != events.crend(); ++event)
                if ((*event)["event"] == "odometer")
                    return (*event)["count"].toInt();
            return -1;
        };
        QTRY_VERIFY_WITH_TIMEOUT(err.contains("/metrics\n"), 5000);
        const QString metricsUrl = QRegularExpression("http://\\S+/metrics").match(err).captured(0);
        QTRY_COMPARE_WITH_TIMEOUT(told(), "online", 5000);
        QTRY_COMPARE_WITH_TIMEOUT(lastOdometer(), 100, 3000);
        QCOMPARE(events.first()["target"], "tcp://127.0.0.1");

        agent.set(printerTables("40 00", 105, paperOut));
        QTRY_COMPARE_WITH_TIMEOUT(told(), "online status:no paper alert-raised:808", 4000);
        QTRY_COMPARE_WITH_TIMEOUT(lastOdometer(), 105, 3000);
        const QByteArray metrics = httpGet(metricsUrl);
        for (const char *line :
             {"varimonde_printer_up{target=\"tcp://127.0.0.1\"} 1\n",
              "varimonde_printer_condition{target=\"tcp://127.0.0.1\",condition=\"no_paper\"} 1\n",
              "varimonde_printer_condition{target=\"tcp://127.0.0.1\",condition=\"jammed\"} 0\n",
              "varimonde_printer_alerts{target=\"tcp://127.0.0.1\",severity=\"critical\"} 1\n",
              "varimonde_printer_alerts{target=\"tcp://127.0.0.1\",severity=\"warning\"} 0\n",
              "# TYPE varimonde_printer_odometer_total counter\n",
              "varimonde_printer_odometer_total{target=\"tcp://127.0.0.1\",unit=\"impressions\"} "
              "105\n"})
            QVERIFY2(metrics.contains(line), metrics.constData());
        const auto [passed, said] = promtool({"check", "metrics"}, metrics);
        QVERIFY2(passed, said.constData());
        scrapeWithPrometheus(QUrl(metricsUrl));
        if (QTest::currentTestFailed())
            return;

        agent.set(printerTables("00 00", 110));
        QTRY_COMPARE_WITH_TIMEOUT(
            told(), "online status:no paper alert-raised:808 status:ready alert-cleared:808", 4000);
        agent.stop();
        QTRY_VERIFY_WITH_TIMEOUT(told().endsWith("alert-cleared:808 offline"), 4000);
        QVERIFY(agent.start(systemGroup));
        QTRY_VERIFY_WITH_TIMEOUT(told().endsWith("alert-cleared:808 offline online"), 5000);

        ::kill(pid_t(watch.processId()), SIGINT);
        QVERIFY(watch.waitForFinished(3000));
        collect();
        QCOMPARE(watch.exitCode(), 130);
        QVERIFY2(err.contains(QRegularExpression("watched 1 printer for \\d+ s: \\d+ reads, \\d+ "
                                                 "events; 1 online, 0 not\n")),
                 qPrintable(err));
    }

    // The details pane: an alert's time by this computer's clock (or the
    // printer's uptime when that cannot be), the odometer's unit, and text
    // from the network written out rather than acted on.
    void detailsTellWhenAlertsWereRaised()
    {
        SnmpAnswer told;
        told.answered = true;
        told.readAt = QDateTime(QDate(2026, 3, 1), QTime(12, 0), Qt::UTC);
        told.upTime = 100000;
        told.consoleLines = QStringList{"PAPER \x1b]0;owned\x07OUT"};
        told.alerts = {{7, 3, 8, 808, "Load labels", 40000}, {8, 4, 5, 1, QString(), 200000}};
        told.lifeCount = 33;
        told.counterUnit = 16;
        FoundPrinter found;
        found.address = "127.0.0.1";
        found.takeSnmp(told);
        const auto local = [](const QDateTime &time) {
            return time.toLocalTime().toString("yyyy-MM-dd HH:mm:ss");
        };
        QCOMPARE(FindPrintersDialog::detailsText(found, "no SNMP answer"),
                 "Printer: 127.0.0.1 (no raw port)\nStatus: no SNMP answer\nUptime: 0 d 00:16:40\n"
                 "Front panel: PAPER \\x1b]0;owned\\x07OUT\n"
                 "Alert: critical: Load labels, raised " +
                     local(told.readAt.addSecs(-600)) +
                     "\nAlert: warning: group 5, code 1, raised at uptime 0 d 00:33:20\n"
                     "Odometer: 33 feet\nLast answer: " +
                     local(told.readAt));
    }

    // Watch in Find Printers reads the printer again and again: its row, its
    // details and the status bar follow what it says, and one that stops
    // answering is no longer "ready".
    void findPrintersWatchFollowsThePrinter()
    {
        PrinterAgent agent;
        agent.addresses = {"127.0.5.17"};
        START_AGENT_OR_FAIL(agent.start(systemGroup));
        const QString panel = ".1.3.6.1.2.1.43.16.5.1.2.1.1 string ";
        agent.set(printerTables("00 00", 100, {panel + "READY"}));
        LoopbackPrinter raw("127.0.5.17", 9100);
        QVERIFY(raw.listening);
        askWindowWith(agent.port);
        WindowDriver ui;
        ui.control<QAbstractButton>("CommOp_3")->click();
        ui.control<QLineEdit>("NetHostTxt")->setText("127.0.5.17");
        ui.control<QAbstractButton>("NetApplyCmd")->click();
        ui.control<QAbstractButton>("FindPrintersCmd")->click();
        FindPrintersDialog *dialog = nullptr;
        QTRY_VERIFY((dialog = ui.window.findChild<FindPrintersDialog *>()) && dialog->isVisible());
        dialog->setWatchInterval(300);
        dialog->findChild<QLineEdit *>("RangeTxt")->setText("127.0.5.17");
        dialog->findChild<QAbstractButton *>("StartCmd")->click();
        QTRY_VERIFY_WITH_TIMEOUT(dialog->findChild<QWidget *>("StartCmd")->isEnabled(), 10000);
        auto *grid = dialog->findChild<QTableView *>("PrintersGrid");
        grid->selectRow(0);
        dialog->findChild<QAbstractButton *>("WatchChk")->click();
        const auto row = [grid] {
            return grid->model()->index(0, 5).data().toString() + " | " +
                   grid->model()->index(0, 6).data().toString();
        };
        const auto details = [dialog] {
            return dialog->findChild<QPlainTextEdit *>("PrinterDetailsTxt")->toPlainText();
        };
        auto *link = ui.control<QLabel>("LinkLbl");
        QTRY_COMPARE_WITH_TIMEOUT(link->text(), "Network 127.0.5.17:9100 — ready", 5000);
        QVERIFY2(details().contains("Model: Varimonde LX-4\nSerial: SN77\nLocation: Dock 3\n"),
                 qPrintable(details()));

        agent.set(printerTables("40 00", 105, paperOut + QStringList{panel + "PAPER OUT"}));
        QTRY_COMPARE_WITH_TIMEOUT(row(), "no paper | Load labels", 5000);
        QTRY_COMPARE_WITH_TIMEOUT(link->text(), "Network 127.0.5.17:9100 — no paper", 3000);
        QTRY_VERIFY2(details().contains("Front panel: PAPER OUT\nAlert: critical: Load labels, "
                                        "raised at uptime 0 d 00:02:03\nMedia: 4x6 direct "
                                        "thermal\nOdometer: 105 impressions\n"),
                     qPrintable(details()));

        agent.stop();
        QTRY_COMPARE_WITH_TIMEOUT(row(), "no SNMP answer | ", 6000);
        QCOMPARE(link->text(), "Network 127.0.5.17:9100 — no SNMP answer");
        QVERIFY(details().contains("\nStatus: no SNMP answer\n"));

        // A new search goes on watching what it finds.
        QVERIFY(agent.start(systemGroup));
        dialog->findChild<QAbstractButton *>("StartCmd")->click();
        QTRY_COMPARE_WITH_TIMEOUT(link->text(), "Network 127.0.5.17:9100 — no paper", 8000);
    }

    // The README's scrape configuration and alerting rule, as written, are
    // what Prometheus takes: its checker passes the configuration with the
    // rule file it names beside it, and the rule file alone.
    void readmePrometheusBlocksPassPromtool()
    {
        QTemporaryDir dir;
        QVERIFY(readmeYaml(1).contains("scrape_configs:") && readmeYaml(2).contains("groups:"));
        const QString config = prometheusFiles(dir, readmeYaml(1));
        QVERIFY(!config.isEmpty());
        for (const QStringList &check :
             {QStringList{"check", "config", config},
              QStringList{"check", "rules", dir.filePath("varimonde-rules.yml")}}) {
            const auto [passed, said] = promtool(check);
            QVERIFY2(passed, said.constData());
        }
    }

private:
    // The README's scrape configuration and rule, on the test's own ports:
    // the printer's "no paper" reaches Prometheus within two scrapes.
    void scrapeWithPrometheus(const QUrl &metrics)
    {
        const QString server = QStandardPaths::findExecutable("prometheus");
        QVERIFY2(!server.isEmpty(), "prometheus is missing: scripts/install-deps.sh --tests");
        QTemporaryDir dir;
        QTcpServer probe; // a free port for Prometheus, let go before it starts
        probe.listen(QHostAddress::LocalHost, 0);
        const quint16 port = probe.serverPort();
        probe.close();
        QString scrape = QString::fromUtf8(readmeYaml(1));
        scrape.replace("127.0.0.1:9464", QStringLiteral("127.0.0.1:%1").arg(metrics.port()));
        // Once a second, not the README's fifteen: the test waits for two.
        scrape.replace("scrape_interval: 15s", "scrape_interval: 1s");
        const QString config = prometheusFiles(dir, scrape.toUtf8());
        QVERIFY(!config.isEmpty());
        QProcess prometheus;
        prometheus.start(server,
                         {"--config.file=" + config, "--storage.tsdb.path=" + dir.filePath("data"),
                          QStringLiteral("--web.listen-address=127.0.0.1:%1").arg(port)});
        QVERIFY(prometheus.waitForStarted());
        const QString query =
            QStringLiteral("http://127.0.0.1:%1/api/v1/query?query=varimonde_printer_condition"
                           "%7Bcondition%3D%22no_paper%22%7D")
                .arg(port);
        const bool seen = QTest::qWaitFor(
            [&] {
                const QJsonArray result =
                    QJsonDocument::fromJson(httpGet(query))["data"]["result"].toArray();
                return !result.isEmpty() && result.first()["value"][1].toString() == "1";
            },
            15000);
        const QString alerts = QString::fromUtf8(
            httpGet(QStringLiteral("http://127.0.0.1:%1/api/v1/rules").arg(port)));
        prometheus.terminate();
        prometheus.waitForFinished(5000);
        QVERIFY2(seen, qPrintable(prometheus.readAllStandardError().right(2000)));
        QVERIFY2(alerts.contains("\"name\":\"PrinterOutOfPaper\""), qPrintable(alerts));
    }
};

VARIMONDE_TEST_MAIN(FleetTest)
#include "tst_fleet.moc"
