#include "cli/Discover.h"
#include "cli/Report.h"

#include "cli/Arguments.h"
#include "cli/Fleet.h"
#include "cli/RunShell.h"
#include "cli/Target.h"
#include "common/CommandLineText.h"
#include "common/ProcessSignals.h"

#include "Version.h"

#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSet>

namespace Discover
{

QList<QCommandLineOption> options()
{
    return {
        {QStringLiteral("discover"),
         QLatin1String(
             QT_TRANSLATE_NOOP("CommandLineHelp",
                               "Find network printers: sweep the --range given (port 9100), browse "
                               "DNS-SD with --dns-sd, and ask each over SNMP; prints a table (JSON "
                               "with --report)."))},
        {QStringLiteral("range"),
         QLatin1String(QT_TRANSLATE_NOOP(
             "CommandLineHelp",
             "With --discover: a CIDR range (at most /22) or a host; repeatable.")),
         QStringLiteral("CIDR")},
        {QStringLiteral("scan-port"),
         QLatin1String(QT_TRANSLATE_NOOP(
             "CommandLineHelp", "With --discover: a raw port to try besides 9100; repeatable.")),
         QStringLiteral("port")},
        {QStringLiteral("dns-sd"),
         QLatin1String(QT_TRANSLATE_NOOP(
             "CommandLineHelp", "With --discover: also browse DNS-SD (_pdl-datastream, _printer, "
                                "_ipp) through the Avahi daemon."))},
        {QStringLiteral("write-targets"),
         QLatin1String(QT_TRANSLATE_NOOP(
             "CommandLineHelp",
             "With --discover: write a targets file of the printers found. A file "
             "that --discover did not write is not replaced without --force.")),
         QStringLiteral("file")},
        {QStringLiteral("force"),
         QLatin1String(QT_TRANSLATE_NOOP(
             "CommandLineHelp",
             "With --write-targets: replace the file even when it was not written "
             "by --discover (a targets file made by hand)."))},
        {QStringLiteral("status"),
         QLatin1String(
             QT_TRANSLATE_NOOP("CommandLineHelp",
                               "Read the status of every network target over SNMP; the exit status "
                               "is 1 when any reports an error or does not answer. A printer on a "
                               "serial, parallel or USB line cannot be asked: it is listed and "
                               "counted apart."))},
        {QStringLiteral("snmp-secrets"),
         QLatin1String(QT_TRANSLATE_NOOP(
             "CommandLineHelp",
             "Read the SNMP secrets from a file only its owner may read, or from "
             "standard input (-): lines community=NAME, auth=PHRASE, priv=PHRASE.")),
         QStringLiteral("file")},
        {QStringLiteral("community"),
         QLatin1String(QT_TRANSLATE_NOOP(
             "CommandLineHelp",
             "The SNMP v2c community (default public); other users see it: prefer "
             "--snmp-secrets.")),
         QStringLiteral("name")},
        {QStringLiteral("snmp-port"),
         QLatin1String(QT_TRANSLATE_NOOP("CommandLineHelp",
                                         "The UDP port printers answer SNMP on (default 161).")),
         QStringLiteral("port")},
        {QStringLiteral("snmp-user"),
         QLatin1String(QT_TRANSLATE_NOOP("CommandLineHelp", "Ask over SNMP v3 as this user.")),
         QStringLiteral("user")},
        {QStringLiteral("snmp-auth"),
         QLatin1String(QT_TRANSLATE_NOOP(
             "CommandLineHelp", "With --snmp-user: the SHA authentication pass phrase; other users "
                                "see it: prefer --snmp-secrets.")),
         QStringLiteral("phrase")},
        {QStringLiteral("snmp-priv"),
         QLatin1String(
             QT_TRANSLATE_NOOP("CommandLineHelp",
                               "With --snmp-user: the AES privacy pass phrase; other users see it: "
                               "prefer --snmp-secrets.")),
         QStringLiteral("phrase")},
        {QStringLiteral("inventory"),
         QLatin1String(
             QT_TRANSLATE_NOOP("CommandLineHelp",
                               "With --status: also write one row per printer (name, location, "
                               "model, serial, status, alerts, odometer, media, when read) to this "
                               "file: CSV, or JSON when its name ends in .json.")),
         QStringLiteral("file")},
        {QStringLiteral("watch"),
         QLatin1String(QT_TRANSLATE_NOOP(
             "CommandLineHelp",
             "Read every network target over SNMP again and again, each at most "
             "once in this many seconds, and write a JSON line on standard output "
             "for each change (online, offline, status, alert-raised, "
             "alert-cleared) and each odometer read; Ctrl-C ends it (exit 130).")),
         QStringLiteral("seconds")},
        {QStringLiteral("metrics"),
         QLatin1String(QT_TRANSLATE_NOOP(
             "CommandLineHelp", "With --watch: serve the printers' state for Prometheus at "
                                "http://ADDRESS:PORT/metrics (port 0: any free port, said on "
                                "standard error).")),
         QStringLiteral("address:port")},
        {QStringLiteral("ignore-status"),
         QLatin1String(QT_TRANSLATE_NOOP(
             "CommandLineHelp", "Send even to a network printer whose SNMP status reports an error "
                                "(no paper, door open, jammed, offline)."))},
    };
}

void read(const QCommandLineParser &parser, Options &options, QStringList &usage)
{
    const bool discover = parser.isSet(QStringLiteral("discover"));
    const bool status = parser.isSet(QStringLiteral("status"));
    const bool watch = parser.isSet(QStringLiteral("watch"));
    if (int(discover) + int(status) + int(watch) > 1)
        usage << CommandLineText::tr("--discover, --status and --watch exclude each other");
    options.mode = discover ? Options::Mode::Discover
                   : status ? Options::Mode::Status
                   : watch  ? Options::Mode::Watch
                            : Options::Mode::Send;
    options.inventory = parser.value(QStringLiteral("inventory"));
    if (!options.inventory.isEmpty() && !status)
        usage << CommandLineText::tr("--inventory goes with --status");
    if (watch) {
        bool ok = false;
        const QString written = parser.value(QStringLiteral("watch"));
        options.watchSeconds = written.toInt(&ok);
        if (!ok || options.watchSeconds < 1 || options.watchSeconds > 86400)
            usage << CommandLineText::tr("--watch takes seconds from 1 to 86400, not \"%1\"")
                         .arg(written);
    }
    options.metrics = parser.value(QStringLiteral("metrics"));
    if (parser.isSet(QStringLiteral("metrics")) && !watch)
        usage << CommandLineText::tr("--metrics goes with --watch");
    else if (watch && parser.isSet(QStringLiteral("metrics")) &&
             !Fleet::metricsEndpoint(options.metrics))
        usage << CommandLineText::tr("--metrics takes ADDRESS:PORT, such as 127.0.0.1:9464 or "
                                     "[::1]:9464, not \"%1\"")
                     .arg(options.metrics);
    for (const char *name : {"range", "scan-port", "dns-sd", "write-targets"}) {
        if (parser.isSet(QLatin1String(name)) && !discover)
            usage << CommandLineText::tr("--%1 goes with --discover").arg(QLatin1String(name));
    }
    options.force = parser.isSet(QStringLiteral("force"));
    if (options.force && !parser.isSet(QStringLiteral("write-targets")))
        usage << CommandLineText::tr("--force goes with --write-targets");
    DiscoveryOptions &found = options.discovery;
    found.ranges = parser.values(QStringLiteral("range"));
    const auto port = [&usage](const QString &option, const QString &written) {
        bool ok = false;
        const uint number = written.toUInt(&ok);
        if (ok && number >= 1 && number <= 65535)
            return quint16(number);
        usage << CommandLineText::tr("--%1 takes a port from 1 to 65535, not \"%2\"")
                     .arg(option, written);
        return quint16(0);
    };
    for (const QString &written : parser.values(QStringLiteral("scan-port"))) {
        const quint16 number = port(QStringLiteral("scan-port"), written);
        if (number && !found.ports.contains(number))
            found.ports << number;
    }
    found.dnsSd = parser.isSet(QStringLiteral("dns-sd"));
    if (discover && found.ranges.isEmpty() && !found.dnsSd)
        usage << CommandLineText::tr("--discover needs --range or --dns-sd: nothing is swept "
                                     "unless asked");
    SnmpOptions &snmp = found.snmp;
    if (parser.isSet(QStringLiteral("community")))
        snmp.community = parser.value(QStringLiteral("community"));
    if (parser.isSet(QStringLiteral("snmp-port")))
        snmp.port = port(QStringLiteral("snmp-port"), parser.value(QStringLiteral("snmp-port")));
    snmp.user = parser.value(QStringLiteral("snmp-user"));
    snmp.authPass = parser.value(QStringLiteral("snmp-auth"));
    snmp.privPass = parser.value(QStringLiteral("snmp-priv"));
    for (const QString &range : std::as_const(found.ranges)) {
        const auto hosts = Sweep::hostsOf(range);
        if (const QString *why = std::get_if<QString>(&hosts))
            usage << QStringLiteral("--range: ") + *why;
    }
    options.writeTargets = parser.value(QStringLiteral("write-targets"));
    options.ignoreStatus = parser.isSet(QStringLiteral("ignore-status"));
}

void checkSnmp(const SnmpOptions &snmp, QStringList &usage)
{
    if (snmp.user.isEmpty() && (!snmp.authPass.isEmpty() || !snmp.privPass.isEmpty()))
        usage << CommandLineText::tr(
            "pass phrases (--snmp-auth, --snmp-priv, auth=, priv=) go with "
            "--snmp-user");
    else if (const QString problem = snmp.problem(); !problem.isEmpty())
        usage << problem;
}

namespace
{

// One line, cut to `width` with an ellipsis: escaped first, so that a cut
// never leaves an escape sequence half open.
QString column(const QString &text, int width)
{
    QString shown = TerminalText::escaped(text);
    if (shown.size() <= width)
        return shown.leftJustified(width);
    qsizetype keep = width - 1;
    if (keep > 0 && shown.at(keep - 1).isHighSurrogate())
        --keep;
    return (shown.left(keep) + QStringLiteral("…")).leftJustified(width);
}

struct Counts {
    int ready = 0, notReady = 0, noAnswer = 0, cannotBeRead = 0;
};

Counts countOf(const QList<FoundPrinter> &printers)
{
    Counts counts;
    for (const FoundPrinter &printer : printers) {
        if (!printer.line.isEmpty())
            ++counts.cannotBeRead;
        else if (!printer.snmpAnswered)
            ++counts.noAnswer;
        else if (printer.isError())
            ++counts.notReady;
        else
            ++counts.ready;
    }
    return counts;
}

QString printersWord(qsizetype count)
{
    return QStringLiteral("%1 printer%2").arg(count).arg(count == 1 ? "" : "s");
}

} // namespace

QString table(const QList<FoundPrinter> &printers, Options::Mode mode)
{
    const QString row = QStringLiteral("%1  %2  %3  %4  %5  %6\n");
    QString text =
        row.arg(column(QStringLiteral("TARGET"), 24), column(QStringLiteral("NAME"), 16),
                column(QStringLiteral("MAKE AND MODEL"), 24), column(QStringLiteral("SERIAL"), 12),
                column(QStringLiteral("STATUS"), 16), QStringLiteral("FOUND BY"));
    for (const FoundPrinter &printer : printers)
        text += row.arg(column(printer.shownTarget(), 24), column(printer.name, 16),
                        column(printer.makeModel, 24), column(printer.serial, 12),
                        column(printer.status(), 16),
                        TerminalText::escaped(printer.foundBy.join(QLatin1Char(','))));
    if (mode != Options::Mode::Status)
        return text + printersWord(printers.size()) + QStringLiteral(" found\n");
    const Counts counts = countOf(printers);
    return text + QStringLiteral("%1: %2 ready, %3 not ready, %4 not answering, %5 not asked "
                                 "(serial, parallel or USB)\n")
                      .arg(printersWord(printers.size()))
                      .arg(counts.ready)
                      .arg(counts.notReady)
                      .arg(counts.noAnswer)
                      .arg(counts.cannotBeRead);
}

QByteArray json(const QList<FoundPrinter> &printers, const QStringList &notes, int exitStatus,
                Options::Mode mode)
{
    QJsonArray rows;
    for (const FoundPrinter &printer : printers)
        rows.append(printer.json());
    QJsonObject report{
        {QStringLiteral("program"), QStringLiteral("varimonde-setup")},
        {QStringLiteral("version"), QLatin1String(Version::text)},
        {QStringLiteral("exitStatus"), exitStatus},
        {QStringLiteral("notes"), QJsonArray::fromStringList(notes)},
        {QStringLiteral("printers"), rows},
    };
    if (mode == Options::Mode::Status) {
        const Counts counts = countOf(printers);
        const bool askedReady = counts.notReady == 0 && counts.noAnswer == 0;
        report.insert(QStringLiteral("summary"),
                      QJsonObject{
                          {QStringLiteral("printers"), int(printers.size())},
                          {QStringLiteral("ready"), counts.ready},
                          {QStringLiteral("notReady"), counts.notReady},
                          {QStringLiteral("noAnswer"), counts.noAnswer},
                          {QStringLiteral("cannotBeRead"), counts.cannotBeRead},
                          {QStringLiteral("allReady"), askedReady && counts.cannotBeRead == 0},
                          {QStringLiteral("allAskedReady"), askedReady},
                      });
    }
    return QJsonDocument(report).toJson(QJsonDocument::Indented);
}

QString targetsText(const QList<FoundPrinter> &printers)
{
    QString text = QLatin1String(targetsHeader) + QLatin1Char('\n');
    QSet<QString> written;
    for (const FoundPrinter &printer : printers) {
        // Only a raw port takes the printer's bytes.
        const QString target = printer.target();
        if (target.isEmpty() || !printer.line.isEmpty() || written.contains(target))
            continue;
        written.insert(target);
        QStringList about;
        for (const QString &said : {printer.name, printer.makeModel, printer.serial}) {
            const QString shown = TerminalText::escaped(said).trimmed();
            if (!shown.isEmpty())
                about << shown;
        }
        text += TerminalText::escaped(target) +
                (about.isEmpty() ? QString() : QStringLiteral("  # ") + about.join(", ")) +
                QLatin1Char('\n');
    }
    return text;
}

QString targetsRefusal(const QString &path, bool force)
{
    QFile file(path);
    if (force || !QFileInfo(path).isFile() || QFileInfo(path).size() == 0)
        return {};
    // Unreadable: the write that follows says why.
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray first = file.readLine(sizeof(targetsHeader) + 1);
    if (first.startsWith(targetsHeader) && first.mid(sizeof(targetsHeader) - 1).trimmed().isEmpty())
        return {};
    return CommandLineText::tr("--write-targets %1: the file was not written by --discover (a "
                               "targets file made by hand?) and is left as it is; give --force to "
                               "replace it")
        .arg(path);
}

namespace
{

int finish(const Plan &plan, const QList<FoundPrinter> &printers, const QStringList &notes,
           int status, const Console &console)
{
    const Options::Mode mode = plan.discover.mode;
    console.print(table(printers, mode));
    if (!plan.report.isEmpty() && !Report::save(plan.report, json(printers, notes, status, mode),
                                                console, CommandLineText::tr("the report")))
        return std::max(status, 1);
    return status;
}

} // namespace

int discover(const Plan &plan, const Console &console)
{
    // Said before the sweep, not after it has taken its seconds.
    if (!plan.discover.writeTargets.isEmpty()) {
        if (const QString refusal = targetsRefusal(plan.discover.writeTargets, plan.discover.force);
            !refusal.isEmpty()) {
            console.say(QStringLiteral("varimonde-setup: ") + refusal);
            return 2;
        }
    }
    RunShell shell;
    Discovery discovery;
    QObject::connect(&discovery, &Discovery::note, &discovery,
                     [&console](const Wording &text) { console.say(text.shown()); });
    QObject::connect(&discovery, &Discovery::finished, &shell, &RunShell::finish);
    // What was found until then is reported.
    QObject::connect(&shell, &RunShell::interrupted, &discovery, &Discovery::stop);
    const QString problem = discovery.start(plan.discover.discovery);
    if (!problem.isEmpty()) {
        console.say(QStringLiteral("varimonde-setup: ") + problem);
        return 2;
    }
    shell.run();
    discovery.stop();
    int status = 0;
    // A sweep that could not try every address has said so: it did not
    // do what was asked.
    if (!discovery.isComplete())
        status = 1;
    if (!plan.discover.writeTargets.isEmpty() &&
        !Report::save(plan.discover.writeTargets, targetsText(discovery.printers()).toUtf8(),
                      console, CommandLineText::tr("the targets file")))
        status = 1;
    if (shell.wasInterrupted())
        status = Interrupts::exitStatus;
    // The report's notes are read by scripts: in English in any language.
    QStringList notes;
    for (const Wording &note : discovery.notes())
        notes << note.english();
    return finish(plan, discovery.printers(), notes, status, console);
}

int status(const Plan &plan, const Console &console)
{
    RunShell shell;
    auto reader = std::make_unique<SnmpReader>(plan.discover.discovery.snmp);
    QList<FoundPrinter> printers;
    // In English in the report, which scripts read; in the user's language
    // on the terminal.
    QList<Wording> notes;
    int waiting = 0;
    for (const Target &target : plan.targets) {
        if (target.address.kind() != LinkAddress::Kind::Network) {
            FoundPrinter line;
            line.line = target.written;
            printers << line;
            notes << Wording::of(
                QT_TRANSLATE_NOOP("Failure",
                                  "%1: not a network printer: its status cannot be read"),
                {target.written});
            continue;
        }
        FoundPrinter printer;
        printer.address = target.address.host();
        printer.port = target.address.port();
        printers << printer;
        ++waiting;
        const int row = int(printers.size()) - 1;
        reader->read(target.address.host(), [&, row](const QString &, const SnmpAnswer &answer) {
            printers[row].takeSnmp(answer);
            if (!answer.answered)
                notes << Wording::of("%1: %2", {printers[row].target(), answer.failure});
            if (--waiting == 0)
                shell.finish();
        });
    }
    // The questions still out are dropped, their printers left unanswered.
    QObject::connect(&shell, &RunShell::interrupted, &shell, [&] {
        reader.reset();
        shell.finish();
    });
    if (waiting > 0)
        shell.run();
    reader.reset();
    int exit = 0;
    // A printer that cannot be asked does not fail the run: the summary and
    // the report's "allReady" tell it apart from one that is ready.
    for (const FoundPrinter &printer : std::as_const(printers)) {
        if (printer.line.isEmpty() && (!printer.snmpAnswered || printer.isError()))
            exit = 1;
    }
    if (shell.wasInterrupted())
        exit = Interrupts::exitStatus;
    QStringList english;
    for (const Wording &note : std::as_const(notes)) {
        console.say(note.shown(Audience::CommandLine));
        english << note.english(Audience::CommandLine);
    }
    // The details first: the summary stays the last line, as scripts read it.
    console.print(Fleet::details(printers));
    const int status = finish(plan, printers, english, exit, console);
    if (!plan.discover.inventory.isEmpty() &&
        !Report::save(plan.discover.inventory, Fleet::inventory(printers, plan.discover.inventory),
                      console, CommandLineText::tr("the inventory")))
        return std::max(status, 1);
    return status;
}

} // namespace Discover
