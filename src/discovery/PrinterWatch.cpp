#include "discovery/PrinterWatch.h"

#include "discovery/Discovery.h"

#include <QJsonArray>

#include <algorithm>

PrinterWatch::PrinterWatch(const SnmpOptions &options, int intervalMs, QObject *parent)
    : QObject(parent), m_options(options), m_intervalMs(std::max(intervalMs, 1))
{
    // A read takes at most its timeout and retries: it must end before the
    // printer's next turn.
    const int readMs = m_intervalMs * 3 / 4;
    m_options.timeoutMs =
        std::clamp(readMs / (m_options.retries + 1), 1, std::max(options.timeoutMs, 1));
    connect(&m_ticker, &QTimer::timeout, this, &PrinterWatch::tick);
}

PrinterWatch::~PrinterWatch() = default;

void PrinterWatch::add(const QString &target, const QString &host)
{
    WatchedPrinter printer;
    printer.target = target;
    printer.host = host;
    m_printers << printer;
    m_reading << false;
}

void PrinterWatch::start()
{
    m_reader = std::make_unique<SnmpReader>(m_options);
    if (m_printers.isEmpty())
        return;
    // One printer per tick: each is read once per interval, and the reads
    // of a thousand printers come a few milliseconds apart.
    m_ticker.start(std::max(1, m_intervalMs / int(m_printers.size())));
    tick();
}

void PrinterWatch::stop()
{
    m_ticker.stop();
    // Answers under way are dropped with their reader.
    m_reader.reset();
    std::fill(m_reading.begin(), m_reading.end(), false);
}

void PrinterWatch::tick()
{
    const int index = m_next;
    m_next = (m_next + 1) % int(m_printers.size());
    // A printer still being read keeps its turn for the next round.
    if (m_reading[index])
        return;
    m_reading[index] = true;
    m_reader->read(m_printers[index].host,
                   [this, index](const QString &, const SnmpAnswer &answer) {
                       m_reading[index] = false;
                       answered(index, answer);
                   });
}

namespace
{

QJsonObject alertFields(const PrinterAlert &alert)
{
    return alertsJson({alert}).first().toObject();
}

bool holds(const QList<PrinterAlert> &alerts, const PrinterAlert &alert)
{
    return std::any_of(alerts.begin(), alerts.end(), [&alert](const PrinterAlert &other) {
        return other.index == alert.index && other.code == alert.code;
    });
}

} // namespace

void PrinterWatch::answered(int index, const SnmpAnswer &answer)
{
    ++m_reads;
    WatchedPrinter &printer = m_printers[index];
    const bool wasKnown = printer.known;
    const bool wasOnline = printer.online;
    const SnmpAnswer before = printer.last;
    printer.known = true;
    printer.online = answer.answered;
    printer.lastRead = QDateTime::currentDateTimeUtc();
    ++printer.reads;
    if (!answer.answered) {
        printer.failure = answer.failure;
        if (!wasKnown || wasOnline)
            tell(printer, QStringLiteral("offline"),
                 {{QStringLiteral("failure"), answer.failure.english()}});
        emit read(index);
        return;
    }
    printer.failure = Wording();
    printer.last = answer;
    if (!wasOnline) {
        tell(printer, QStringLiteral("online"),
             {{QStringLiteral("name"), answer.sysName},
              {QStringLiteral("model"), answer.deviceDescr},
              {QStringLiteral("serial"), answer.serial},
              {QStringLiteral("status"), answer.state.words()},
              {QStringLiteral("conditions"),
               QJsonArray::fromStringList(answer.state.conditions())}});
    } else if (before.state.conditions() != answer.state.conditions()) {
        tell(printer, QStringLiteral("status"),
             {{QStringLiteral("status"), answer.state.words()},
              {QStringLiteral("conditions"), QJsonArray::fromStringList(answer.state.conditions())},
              {QStringLiteral("previous"), QJsonArray::fromStringList(before.state.conditions())},
              {QStringLiteral("error"), answer.state.isError()}});
    }
    // Alerts standing when the printer came (back) online are told as
    // raised: whoever reads the events learns of them either way.
    const QList<PrinterAlert> standing = wasOnline ? before.alerts : QList<PrinterAlert>();
    for (const PrinterAlert &alert : std::as_const(standing)) {
        if (!holds(answer.alerts, alert))
            tell(printer, QStringLiteral("alert-cleared"),
                 {{QStringLiteral("alert"), alertFields(alert)}});
    }
    for (const PrinterAlert &alert : answer.alerts) {
        if (!holds(standing, alert))
            tell(printer, QStringLiteral("alert-raised"),
                 {{QStringLiteral("alert"), alertFields(alert)}});
    }
    if (answer.lifeCount >= 0)
        tell(printer, QStringLiteral("odometer"),
             {{QStringLiteral("count"), double(answer.lifeCount)},
              {QStringLiteral("unit"), answer.counterUnitWord()}});
    emit read(index);
}

void PrinterWatch::tell(const WatchedPrinter &printer, const QString &kind, QJsonObject fields)
{
    ++m_events;
    fields.insert(QStringLiteral("event"), kind);
    fields.insert(QStringLiteral("target"), printer.target);
    fields.insert(QStringLiteral("time"), printer.lastRead.toString(Qt::ISODateWithMs));
    emit event(fields);
}
