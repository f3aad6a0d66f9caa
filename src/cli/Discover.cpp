#include "cli/Discover.h"
#include "cli/Report.h"

#include "cli/Arguments.h"
#include "cli/Fleet.h"
#include "cli/Target.h"

#include "Version.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>

namespace Discover
{

void addOptions(QCommandLineParser &parser)
{
    parser.addOptions({
        {QStringLiteral("discover"),
         QStringLiteral("Find network printers: sweep the --range given (port 9100), browse "
                        "DNS-SD with --dns-sd, and ask each over SNMP; prints a table (JSON "
                        "with --report).")},
        {QStringLiteral("range"),
         QStringLiteral("With --discover: a CIDR range (at most /22) or a host; repeatable."),
         QStringLiteral("CIDR")},
        {QStringLiteral("scan-port"),
         QStringLiteral("With --discover: a raw port to try besides 9100; repeatable."),
         QStringLiteral("port")},
        {QStringLiteral("dns-sd"),
         QStringLiteral("With --discover: also browse DNS-SD (_pdl-datastream, _printer, "
                        "_ipp) through the Avahi daemon.")},
        {QStringLiteral("write-targets"),
         QStringLiteral("With --discover: write a targets file of the printers found."),
         QStringLiteral("file")},
        {QStringLiteral("status"),
         QStringLiteral("Read the status of every network target over SNMP; the exit status "
                        "is 1 when any reports an error or does not answer.")},
        {QStringLiteral("community"), QStringLiteral("The SNMP v2c community (default public)."),
         QStringLiteral("name")},
        {QStringLiteral("snmp-port"),
         QStringLiteral("The UDP port printers answer SNMP on (default 161)."),
         QStringLiteral("port")},
        {QStringLiteral("snmp-user"), QStringLiteral("Ask over SNMP v3 as this user."),
         QStringLiteral("user")},
        {QStringLiteral("snmp-auth"),
         QStringLiteral("With --snmp-user: the SHA authentication pass phrase."),
         QStringLiteral("phrase")},
        {QStringLiteral("snmp-priv"),
         QStringLiteral("With --snmp-user: the AES privacy pass phrase."),
         QStringLiteral("phrase")},
        {QStringLiteral("inventory"),
         QStringLiteral("With --status: also write one row per printer (name, location, "
                        "model, serial, status, alerts, odometer, media, when read) to this "
                        "file: CSV, or JSON when its name ends in .json."),
         QStringLiteral("file")},
        {QStringLiteral("watch"),
         QStringLiteral("Read every network target over SNMP again and again, each at most "
                        "once in this many seconds, and write a JSON line on standard output "
                        "for each change (online, offline, status, alert-raised, "
                        "alert-cleared) and each odometer read; Ctrl-C ends it (exit 130)."),
         QStringLiteral("seconds")},
        {QStringLiteral("metrics"),
         QStringLiteral("With --watch: serve the printers' state for Prometheus at "
                        "http://ADDRESS:PORT/metrics (port 0: any free port, said on "
                        "standard error)."),
         QStringLiteral("address:port")},
        {QStringLiteral("ignore-status"),
         QStringLiteral("Send even to a network printer whose SNMP status reports an error "
                        "(no paper, door open, jammed, offline).")},
    });
}

void read(const QCommandLineParser &parser, Options &options, QStringList &usage)
{
    const bool discover = parser.isSet(QStringLiteral("discover"));
    const bool status = parser.isSet(QStringLiteral("status"));
    const bool watch = parser.isSet(QStringLiteral("watch"));
    if (int(discover) + int(status) + int(watch) > 1)
        usage << QStringLiteral("--discover, --status and --watch exclude each other");
    options.mode = discover ? Options::Mode::Discover
                   : status ? Options::Mode::Status
                   : watch  ? Options::Mode::Watch
                            : Options::Mode::Send;
    options.inventory = parser.value(QStringLiteral("inventory"));
    if (!options.inventory.isEmpty() && !status)
        usage << QStringLiteral("--inventory goes with --status");
    if (watch) {
        bool ok = false;
        const QString written = parser.value(QStringLiteral("watch"));
        options.watchSeconds = written.toInt(&ok);
        if (!ok || options.watchSeconds < 1 || options.watchSeconds > 86400)
            usage
                << QStringLiteral("--watch takes seconds from 1 to 86400, not \"%1\"").arg(written);
    }
    options.metrics = parser.value(QStringLiteral("metrics"));
    if (parser.isSet(QStringLiteral("metrics")) && !watch)
        usage << QStringLiteral("--metrics goes with --watch");
    else if (watch && parser.isSet(QStringLiteral("metrics")) &&
             !Fleet::metricsEndpoint(options.metrics))
        usage << QStringLiteral("--metrics takes ADDRESS:PORT, such as 127.0.0.1:9464 or "
                                "[::1]:9464, not \"%1\"")
                     .arg(options.metrics);
    for (const char *name : {"range", "scan-port", "dns-sd", "write-targets"}) {
        if (parser.isSet(QLatin1String(name)) && !discover)
            usage << QStringLiteral("--%1 goes with --discover").arg(QLatin1String(name));
    }
    DiscoveryOptions &found = options.discovery;
    found.ranges = parser.values(QStringLiteral("range"));
    const auto port = [&usage](const QString &option, const QString &written) {
        bool ok = false;
        const uint number = written.toUInt(&ok);
        if (ok && number >= 1 && number <= 65535)
            return quint16(number);
        usage
            << QStringLiteral("--%1 takes a port from 1 to 65535, not \"%2\"").arg(option, written);
        return quint16(0);
    };
    for (const QString &written : parser.values(QStringLiteral("scan-port"))) {
        const quint16 number = port(QStringLiteral("scan-port"), written);
        if (number && !found.ports.contains(number))
            found.ports << number;
    }
    found.dnsSd = parser.isSet(QStringLiteral("dns-sd"));
    if (discover && found.ranges.isEmpty() && !found.dnsSd)
        usage << QStringLiteral("--discover needs --range or --dns-sd: nothing is swept "
                                "unless asked");
    SnmpOptions &snmp = found.snmp;
    if (parser.isSet(QStringLiteral("community")))
        snmp.community = parser.value(QStringLiteral("community"));
    if (parser.isSet(QStringLiteral("snmp-port")))
        snmp.port = port(QStringLiteral("snmp-port"), parser.value(QStringLiteral("snmp-port")));
    snmp.user = parser.value(QStringLiteral("snmp-user"));
    snmp.authPass = parser.value(QStringLiteral("snmp-auth"));
    snmp.privPass = parser.value(QStringLiteral("snmp-priv"));
    if (snmp.user.isEmpty() && (!snmp.authPass.isEmpty() || !snmp.privPass.isEmpty()))
        usage << QStringLiteral("--snmp-auth and --snmp-priv go with --snmp-user");
    else if (const QString problem = snmp.problem(); !problem.isEmpty())
        usage << problem;
    for (const QString &range : std::as_const(found.ranges)) {
        const auto hosts = Sweep::hostsOf(range);
        if (const QString *why = std::get_if<QString>(&hosts))
            usage << QStringLiteral("--range: ") + *why;
    }
    options.writeTargets = parser.value(QStringLiteral("write-targets"));
    options.ignoreStatus = parser.isSet(QStringLiteral("ignore-status"));
}

namespace
{

QString column(const QString &text, int width)
{
    return text.leftJustified(width, QLatin1Char(' '), true);
}

} // namespace

QString table(const QList<FoundPrinter> &printers)
{
    const QString row = QStringLiteral("%1  %2  %3  %4  %5  %6\n");
    QString text =
        row.arg(column(QStringLiteral("TARGET"), 24), column(QStringLiteral("NAME"), 16),
                column(QStringLiteral("MAKE AND MODEL"), 24), column(QStringLiteral("SERIAL"), 12),
                column(QStringLiteral("STATUS"), 16), QStringLiteral("FOUND BY"));
    for (const FoundPrinter &printer : printers)
        text += row.arg(column(printer.target(), 24), column(printer.name, 16),
                        column(printer.makeModel, 24), column(printer.serial, 12),
                        column(printer.status(), 16), printer.foundBy.join(QLatin1Char(',')));
    return text + QStringLiteral("%1 printer%2 found\n")
                      .arg(printers.size())
                      .arg(printers.size() == 1 ? QString() : QStringLiteral("s"));
}

QByteArray json(const QList<FoundPrinter> &printers, const QStringList &notes, int exitStatus)
{
    QJsonArray rows;
    for (const FoundPrinter &printer : printers)
        rows.append(printer.json());
    const QJsonObject report{
        {QStringLiteral("program"), QStringLiteral("varimonde-setup")},
        {QStringLiteral("version"), QLatin1String(Version::text)},
        {QStringLiteral("exitStatus"), exitStatus},
        {QStringLiteral("notes"), QJsonArray::fromStringList(notes)},
        {QStringLiteral("printers"), rows},
    };
    return QJsonDocument(report).toJson(QJsonDocument::Indented);
}

namespace
{

int finish(const Plan &plan, const QList<FoundPrinter> &printers, const QStringList &notes,
           int status, const Console &console)
{
    console.out.write(table(printers).toUtf8());
    if (!plan.report.isEmpty() && !Report::save(plan.report, json(printers, notes, status), console,
                                                QStringLiteral("the report")))
        return std::max(status, 1);
    return status;
}

} // namespace

int discover(const Plan &plan, const Console &console)
{
    Discovery discovery;
    QObject::connect(&discovery, &Discovery::note, &discovery,
                     [&console](const QString &text) { console.say(text); });
    QObject::connect(&discovery, &Discovery::finished, &discovery,
                     [] { QCoreApplication::exit(0); });
    const QString problem = discovery.start(plan.discover.discovery);
    if (!problem.isEmpty()) {
        console.say(QStringLiteral("varimonde-setup: ") + problem);
        return 2;
    }
    QCoreApplication::exec();
    int status = 0;
    if (!plan.discover.writeTargets.isEmpty()) {
        QString text = QStringLiteral("# Printers found by varimonde-setup --discover\n");
        for (const FoundPrinter &printer : discovery.printers()) {
            // Only a raw port takes the printer's bytes.
            if (!printer.port)
                continue;
            QString comment = QStringList{printer.name, printer.makeModel, printer.serial}
                                  .filter(QRegularExpression(QStringLiteral("\\S")))
                                  .join(QStringLiteral(", "));
            text += printer.target() +
                    (comment.isEmpty() ? QString() : QStringLiteral("  # ") + comment) +
                    QLatin1Char('\n');
        }
        if (!Report::save(plan.discover.writeTargets, text.toUtf8(), console,
                          QStringLiteral("the targets file")))
            status = 1;
    }
    return finish(plan, discovery.printers(), discovery.notes(), status, console);
}

int status(const Plan &plan, const Console &console)
{
    SnmpReader reader(plan.discover.discovery.snmp);
    QList<FoundPrinter> printers;
    QStringList notes;
    int waiting = 0;
    for (const Target &target : plan.targets) {
        if (target.address.kind() != LinkAddress::Kind::Network) {
            notes << QStringLiteral("%1: not a network printer; its status is read when "
                                    "sending")
                         .arg(target.written);
            continue;
        }
        FoundPrinter printer;
        printer.address = target.address.host();
        printer.port = target.address.port();
        printers << printer;
        ++waiting;
        const int row = int(printers.size()) - 1;
        reader.read(target.address.host(), [&, row](const QString &, const SnmpAnswer &answer) {
            printers[row].takeSnmp(answer);
            if (!answer.answered)
                notes << QStringLiteral("%1: %2").arg(printers[row].target(), answer.failure);
            if (--waiting == 0)
                QCoreApplication::exit(0);
        });
    }
    if (waiting > 0)
        QCoreApplication::exec();
    int exit = 0;
    for (const FoundPrinter &printer : std::as_const(printers)) {
        if (!printer.snmpAnswered || printer.isError())
            exit = 1;
    }
    for (const QString &note : std::as_const(notes))
        console.say(note);
    const int status = finish(plan, printers, notes, exit, console);
    console.print(Fleet::details(printers));
    if (!plan.discover.inventory.isEmpty() &&
        !Report::save(plan.discover.inventory, Fleet::inventory(printers, plan.discover.inventory),
                      console, QStringLiteral("the inventory")))
        return std::max(status, 1);
    return status;
}

} // namespace Discover
