#include "cli/Fleet.h"

#include "cli/Arguments.h"
#include "cli/Report.h"
#include "cli/Runner.h"
#include "common/CommandLineText.h"
#include "common/ProcessSignals.h"
#include "discovery/PrinterWatch.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHttpServer>
#include <QHttpServerResponse>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QSocketNotifier>

namespace Fleet
{

namespace
{

QString alertWords(const PrinterAlert &alert)
{
    QString line = QStringLiteral("%1 (group %2, code %3)")
                       .arg(alert.severityWord())
                       .arg(alert.group)
                       .arg(alert.code);
    if (!alert.description.isEmpty())
        line += QStringLiteral(": ") + alert.description;
    if (alert.time >= 0)
        line += QStringLiteral(", at uptime ") + uptimeWords(alert.time);
    return line;
}

QString odometerWords(const SnmpAnswer &answer)
{
    if (answer.lifeCount < 0)
        return {};
    const QString unit = answer.counterUnitWord();
    return QString::number(answer.lifeCount) +
           (unit.isEmpty() ? QString() : QLatin1Char(' ') + unit);
}

} // namespace

QString details(const QList<FoundPrinter> &printers)
{
    QString text;
    for (const FoundPrinter &printer : printers) {
        if (!printer.snmpAnswered)
            continue;
        const SnmpAnswer &told = printer.details;
        QStringList lines;
        const auto add = [&lines](const char *label, const QString &value) {
            if (!value.isEmpty())
                lines << QStringLiteral("  %1: %2").arg(QLatin1String(label), value);
        };
        add("location", told.sysLocation);
        add("uptime", told.upTime >= 0 ? uptimeWords(told.upTime) : QString());
        for (const QString &line : told.consoleLines)
            add("panel", line);
        for (const PrinterAlert &alert : told.alerts)
            add("alert", alertWords(alert));
        for (const QString &media : told.media)
            add("media", media);
        add("odometer", odometerWords(told));
        if (!lines.isEmpty())
            text += printer.shownTarget() + QLatin1Char('\n') + lines.join(QLatin1Char('\n')) +
                    QLatin1Char('\n');
    }
    return text;
}

namespace
{

// A field as a spreadsheet reads it: quoted when it holds a separator, a
// quote or a line end; control characters from the network replaced; and
// a text that a spreadsheet would take for a formula kept as text.
QString csvField(QString text)
{
    for (QChar &c : text) {
        if (c.category() == QChar::Other_Control || c == QChar::LineSeparator ||
            c == QChar::ParagraphSeparator)
            c = QChar::ReplacementCharacter;
    }
    if (!text.isEmpty() && QStringLiteral("=+-@").contains(text.front()))
        text.prepend(QLatin1Char('\''));
    if (text.contains(QRegularExpression(QStringLiteral("[\",]"))))
        text = QLatin1Char('"') + text.replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
               QLatin1Char('"');
    return text;
}

} // namespace

QByteArray inventory(const QList<FoundPrinter> &printers, const QString &path)
{
    if (path.endsWith(QStringLiteral(".json"), Qt::CaseInsensitive)) {
        QJsonArray rows;
        for (const FoundPrinter &printer : printers)
            rows.append(printer.json());
        return QJsonDocument(QJsonObject{{QStringLiteral("printers"), rows}})
            .toJson(QJsonDocument::Indented);
    }
    const QStringList header{
        QStringLiteral("target"),        QStringLiteral("name"),     QStringLiteral("location"),
        QStringLiteral("makeModel"),     QStringLiteral("serial"),   QStringLiteral("snmp"),
        QStringLiteral("status"),        QStringLiteral("alerts"),   QStringLiteral("console"),
        QStringLiteral("media"),         QStringLiteral("odometer"), QStringLiteral("odometerUnit"),
        QStringLiteral("uptimeSeconds"), QStringLiteral("readAt")};
    QString text = header.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    for (const FoundPrinter &printer : printers) {
        const SnmpAnswer &told = printer.details;
        QStringList alerts;
        for (const PrinterAlert &alert : told.alerts)
            alerts << alertWords(alert);
        const QStringList row{printer.target(),
                              printer.name,
                              told.sysLocation,
                              printer.makeModel,
                              printer.serial,
                              printer.snmpAnswered ? QStringLiteral("yes") : QStringLiteral("no"),
                              printer.status(),
                              alerts.join(QStringLiteral("; ")),
                              told.consoleLines.join(QStringLiteral(" / ")),
                              told.media.join(QStringLiteral("; ")),
                              told.lifeCount >= 0 ? QString::number(told.lifeCount) : QString(),
                              told.counterUnitWord(),
                              told.upTime >= 0 ? QString::number(told.upTime / 100) : QString(),
                              told.readAt.isValid() ? told.readAt.toString(Qt::ISODateWithMs)
                                                    : QString()};
        QStringList fields;
        for (const QString &field : row)
            fields << csvField(field);
        text += fields.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    }
    return text.toUtf8();
}

std::optional<Endpoint> metricsEndpoint(const QString &written)
{
    static const QRegularExpression form(
        QStringLiteral("^(?:\\[([^\\]]+)\\]|([^:\\[\\]]+)):(\\d{1,5})$"));
    const QRegularExpressionMatch match = form.match(written);
    if (!match.hasMatch())
        return std::nullopt;
    const uint port = match.captured(3).toUInt();
    QString host = match.captured(1).isEmpty() ? match.captured(2) : match.captured(1);
    if (port > 65535)
        return std::nullopt;
    if (host == QLatin1String("localhost"))
        host = QStringLiteral("127.0.0.1");
    QHostAddress address;
    if (!address.setAddress(host))
        return std::nullopt;
    return Endpoint{address, quint16(port)};
}

namespace
{

// A label's value in the text format: backslash, quote and line feed
// written out, as the format asks.
QString labelValue(const QString &text)
{
    QString value;
    for (const QChar c : text) {
        if (c == QLatin1Char('\\'))
            value += QStringLiteral("\\\\");
        else if (c == QLatin1Char('"'))
            value += QStringLiteral("\\\"");
        else if (c == QLatin1Char('\n'))
            value += QStringLiteral("\\n");
        else
            value += c;
    }
    return value;
}

QString conditionKey(PrinterState::Condition condition)
{
    return PrinterState::conditionWord(condition).replace(QLatin1Char(' '), QLatin1Char('_'));
}

} // namespace

QByteArray metrics(const PrinterWatch &watch)
{
    QString text;
    const auto family = [&text](const char *name, const char *type, const char *help) {
        text += QStringLiteral("# HELP %1 %2\n# TYPE %1 %3\n")
                    .arg(QLatin1String(name), QLatin1String(help), QLatin1String(type));
    };
    const auto sample = [&text](const char *name, const QString &labels, double value) {
        text += QStringLiteral("%1{%2} %3\n")
                    .arg(QLatin1String(name), labels, QString::number(value, 'g', 17));
    };
    const QList<WatchedPrinter> &printers = watch.printers();
    const auto target = [](const WatchedPrinter &printer) {
        return QStringLiteral("target=\"%1\"").arg(labelValue(printer.target));
    };

    family("varimonde_printer_up", "gauge",
           "Whether the printer answered its last SNMP read (1) or not (0).");
    for (const WatchedPrinter &printer : printers) {
        if (printer.known)
            sample("varimonde_printer_up", target(printer), printer.online ? 1 : 0);
    }
    family("varimonde_printer_info", "gauge",
           "What the printer says of itself; the value is always 1.");
    for (const WatchedPrinter &printer : printers) {
        if (printer.last.answered)
            sample("varimonde_printer_info",
                   target(printer) + QStringLiteral(",name=\"%1\",model=\"%2\",serial=\"%3\","
                                                    "location=\"%4\"")
                                         .arg(labelValue(printer.last.sysName),
                                              labelValue(printer.last.deviceDescr),
                                              labelValue(printer.last.serial),
                                              labelValue(printer.last.sysLocation)),
                   1);
    }
    family("varimonde_printer_condition", "gauge",
           "Whether the printer reports the condition (1) or not (0), as of its last answer.");
    for (const WatchedPrinter &printer : printers) {
        if (!printer.last.answered)
            continue;
        for (int c = 0; c < PrinterState::ConditionCount; ++c) {
            const auto condition = PrinterState::Condition(c);
            sample("varimonde_printer_condition",
                   target(printer) +
                       QStringLiteral(",condition=\"%1\"").arg(conditionKey(condition)),
                   printer.last.state.has(condition) ? 1 : 0);
        }
    }
    family("varimonde_printer_alerts", "gauge", "Alerts standing on the printer, by severity.");
    for (const WatchedPrinter &printer : printers) {
        if (!printer.last.answered)
            continue;
        for (const char *severity : {"critical", "warning", "other"}) {
            const auto count =
                std::count_if(printer.last.alerts.begin(), printer.last.alerts.end(),
                              [severity](const PrinterAlert &alert) {
                                  return alert.severityWord() == QLatin1String(severity);
                              });
            sample("varimonde_printer_alerts",
                   target(printer) +
                       QStringLiteral(",severity=\"%1\"").arg(QLatin1String(severity)),
                   double(count));
        }
    }
    family("varimonde_printer_odometer_total", "counter",
           "The printer's life count (labels, or length printed) in the unit it names.");
    for (const WatchedPrinter &printer : printers) {
        if (printer.last.answered && printer.last.lifeCount >= 0)
            sample(
                "varimonde_printer_odometer_total",
                target(printer) +
                    QStringLiteral(",unit=\"%1\"").arg(labelValue(printer.last.counterUnitWord())),
                double(printer.last.lifeCount));
    }
    family("varimonde_printer_last_read_timestamp_seconds", "gauge",
           "When the printer was last read, answered or not, in seconds since the epoch.");
    for (const WatchedPrinter &printer : printers) {
        if (printer.known)
            sample("varimonde_printer_last_read_timestamp_seconds", target(printer),
                   double(printer.lastRead.toMSecsSinceEpoch()) / 1000);
    }
    return text.toUtf8();
}

int watch(const Plan &plan, const Console &console)
{
    const Discover::Options &options = plan.discover;
    PrinterWatch watch(options.discovery.snmp, options.watchSeconds * 1000);
    for (const Target &target : plan.targets) {
        if (target.address.kind() != LinkAddress::Kind::Network) {
            console.say(CommandLineText::tr("%1: not a network printer; its status cannot be read, "
                                            "it is not watched")
                            .arg(target.written));
            continue;
        }
        watch.add(target.written, target.address.host());
    }
    if (watch.printers().isEmpty()) {
        console.say(CommandLineText::tr("varimonde-setup: no network printer to watch"));
        return 1;
    }
    QObject::connect(&watch, &PrinterWatch::event, &watch, [&console](const QJsonObject &event) {
        console.out.write(QJsonDocument(event).toJson(QJsonDocument::Compact) + '\n');
    });

    std::unique_ptr<QHttpServer> server;
    if (!options.metrics.isEmpty()) {
        const std::optional<Endpoint> endpoint = metricsEndpoint(options.metrics);
        server = std::make_unique<QHttpServer>();
        server->route(QStringLiteral("/metrics"), [&watch] {
            return QHttpServerResponse(
                QByteArrayLiteral("text/plain; version=0.0.4; charset=utf-8"), metrics(watch));
        });
        const quint16 port = endpoint ? server->listen(endpoint->address, endpoint->port) : 0;
        if (!port) {
            console.say(CommandLineText::tr("varimonde-setup: cannot serve metrics on %1")
                            .arg(options.metrics));
            return 1;
        }
        const bool v6 = endpoint->address.protocol() == QAbstractSocket::IPv6Protocol;
        console.say(CommandLineText::tr("serving metrics on http://%1:%2/metrics")
                        .arg(v6 ? QStringLiteral("[%1]").arg(endpoint->address.toString())
                                : endpoint->address.toString())
                        .arg(port));
    }

    // Only an interrupt ends a watch.
    std::unique_ptr<QSocketNotifier> interrupts;
    if (Interrupts::descriptor() >= 0) {
        interrupts =
            std::make_unique<QSocketNotifier>(Interrupts::descriptor(), QSocketNotifier::Read);
        QObject::connect(interrupts.get(), &QSocketNotifier::activated, &watch, [] {
            Interrupts::drain();
            QCoreApplication::exit(Runner::Interrupted);
        });
    }
    QElapsedTimer running;
    running.start();
    QTimer::singleShot(0, &watch, [&watch] { watch.start(); });
    const int status = QCoreApplication::exec();
    watch.stop();
    int online = 0;
    for (const WatchedPrinter &printer : watch.printers())
        online += printer.online;
    // Whole sentences for one printer and for more: languages make plurals
    // in their own ways.
    const int watched = int(watch.printers().size());
    console.say((watched == 1 ? CommandLineText::tr("watched %1 printer for %2 s: %3 reads, %4 "
                                                    "events; %5 online, %6 not")
                              : CommandLineText::tr("watched %1 printers for %2 s: %3 reads, %4 "
                                                    "events; %5 online, %6 not"))
                    .arg(watched)
                    .arg(running.elapsed() / 1000)
                    .arg(watch.reads())
                    .arg(watch.events())
                    .arg(online)
                    .arg(watch.printers().size() - online));
    return status;
}

} // namespace Fleet
