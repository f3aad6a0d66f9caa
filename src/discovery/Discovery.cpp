#include "discovery/Discovery.h"

#include <QHostAddress>
#include <QJsonArray>
#include <QTimer>

#include <algorithm>

namespace
{

// How long DNS-SD may take to list what answers now, after the sweep.
constexpr int dnsSdSettleMs = 3000;

void addWay(QStringList &ways, const QString &how)
{
    if (!ways.contains(how))
        ways << how;
}

} // namespace

QString FoundPrinter::status() const
{
    if (!line.isEmpty())
        return QStringLiteral("cannot be read");
    return snmpAnswered ? state.words() : QStringLiteral("unknown");
}

QString FoundPrinter::target() const
{
    if (!line.isEmpty())
        return line;
    if (!port)
        return {};
    const bool v6 = QHostAddress(address).protocol() == QAbstractSocket::IPv6Protocol;
    return QStringLiteral("tcp://%1:%2")
        .arg(v6 ? QStringLiteral("[%1]").arg(address) : address)
        .arg(port);
}

QString FoundPrinter::shownTarget() const
{
    const QString written = target();
    return written.isEmpty() ? address + QStringLiteral(" (no raw port)") : written;
}

QJsonObject FoundPrinter::json() const
{
    return QJsonObject{
        {QStringLiteral("target"), target()},
        {QStringLiteral("address"), address},
        {QStringLiteral("port"), port},
        {QStringLiteral("name"), name},
        {QStringLiteral("makeModel"), makeModel},
        {QStringLiteral("serial"), serial},
        {QStringLiteral("snmp"), snmpAnswered},
        {QStringLiteral("status"), status()},
        {QStringLiteral("conditions"), QJsonArray::fromStringList(state.conditions())},
        {QStringLiteral("error"), isError()},
        {QStringLiteral("foundBy"), QJsonArray::fromStringList(foundBy)},
        {QStringLiteral("location"), details.sysLocation},
        {QStringLiteral("uptimeSeconds"),
         details.upTime < 0 ? QJsonValue() : QJsonValue(double(details.upTime / 100))},
        {QStringLiteral("console"), QJsonArray::fromStringList(details.consoleLines)},
        {QStringLiteral("alerts"), alertsJson(details.alerts)},
        {QStringLiteral("odometer"),
         details.lifeCount < 0 ? QJsonValue() : QJsonValue(double(details.lifeCount))},
        {QStringLiteral("odometerUnit"), details.counterUnitWord()},
        {QStringLiteral("media"), QJsonArray::fromStringList(details.media)},
        {QStringLiteral("readAt"), details.readAt.isValid()
                                       ? QJsonValue(details.readAt.toString(Qt::ISODateWithMs))
                                       : QJsonValue()},
    };
}

QJsonArray alertsJson(const QList<PrinterAlert> &alerts)
{
    QJsonArray rows;
    for (const PrinterAlert &alert : alerts)
        rows.append(QJsonObject{
            {QStringLiteral("index"), alert.index},
            {QStringLiteral("severity"), alert.severityWord()},
            {QStringLiteral("group"), alert.group},
            {QStringLiteral("code"), alert.code},
            {QStringLiteral("description"), alert.description},
            {QStringLiteral("uptimeSeconds"),
             alert.time < 0 ? QJsonValue() : QJsonValue(double(alert.time / 100))},
        });
    return rows;
}

void FoundPrinter::takeSnmp(const SnmpAnswer &answer)
{
    snmpAnswered = answer.answered;
    if (!answer.answered)
        return;
    state = answer.state;
    details = answer;
    if (name.isEmpty())
        name = answer.sysName;
    if (makeModel.isEmpty())
        makeModel = !answer.deviceDescr.isEmpty() ? answer.deviceDescr : answer.sysDescr;
    if (!answer.serial.isEmpty())
        serial = answer.serial;
    addWay(foundBy, QStringLiteral("snmp"));
}

void FoundRows::clear()
{
    m_printers.clear();
    m_answers.clear();
}

int FoundRows::rowOf(const QString &address, quint16 port) const
{
    for (int row = 0; row < m_printers.size(); ++row) {
        const FoundPrinter &printer = m_printers[row];
        if (printer.address == address && printer.port == port)
            return row;
    }
    return -1;
}

int FoundRows::addOrFind(const QString &address, quint16 port)
{
    int row = rowOf(address, port);
    if (row >= 0)
        return row;
    // A row that only named the printer takes the first raw port found.
    if (port && (row = rowOf(address, 0)) >= 0) {
        m_printers[row].port = port;
        return row;
    }
    FoundPrinter printer;
    printer.address = address;
    printer.port = port;
    m_printers << printer;
    row = int(m_printers.size()) - 1;
    tell({Change::Kind::Added, row});
    return row;
}

void FoundRows::tell(const Change &change) const
{
    if (onChange)
        onChange(change);
}

void FoundRows::takeKnownAnswer(int row)
{
    // SNMP answered at this address before this port was found: the answer
    // is this port's too.
    FoundPrinter &printer = m_printers[row];
    if (const auto answer = m_answers.constFind(printer.address);
        answer != m_answers.constEnd() && !printer.snmpAnswered)
        printer.takeSnmp(*answer);
}

void FoundRows::sweepFound(const QString &address, quint16 port)
{
    const int row = addOrFind(address, port);
    addWay(m_printers[row].foundBy, QStringLiteral("sweep"));
    takeKnownAnswer(row);
    tell({Change::Kind::Changed, row});
    if (!m_printers[row].serial.isEmpty())
        mergeSerial(m_printers[row].serial);
}

void FoundRows::serviceFound(const DnsSdService &service)
{
    const QString key = service.type + QLatin1Char('/') + service.name;
    for (int row = 0; row < m_printers.size(); ++row) {
        // Heard again, on another interface or in another protocol.
        if (m_printers[row].services.contains(key))
            return;
    }
    // Only a raw port takes a label printer's bytes; an IPP or LPD service
    // only names the printer.
    const bool raw = service.isRawPort() && service.port >= lowestRawPort;
    int row = raw ? addOrFind(service.address, service.port) : -1;
    // A printer announces its services under one name: the row of that
    // name at the address, else the first at it.
    for (int each = 0; row < 0 && each < m_printers.size(); ++each) {
        if (m_printers[each].address == service.address && m_printers[each].name == service.name)
            row = each;
    }
    for (int each = 0; row < 0 && each < m_printers.size(); ++each) {
        if (m_printers[each].address == service.address)
            row = each;
    }
    if (row < 0)
        row = addOrFind(service.address, 0);
    FoundPrinter &printer = m_printers[row];
    printer.services << key;
    addWay(printer.foundBy, QStringLiteral("dns-sd"));
    if (printer.name.isEmpty() || raw)
        printer.name = service.name;
    if (!service.makeModel.isEmpty())
        printer.makeModel = service.makeModel;
    takeKnownAnswer(row);
    tell({Change::Kind::Changed, row});
    if (!printer.serial.isEmpty())
        mergeSerial(printer.serial);
}

void FoundRows::snmpAnswered(const QString &address, const SnmpAnswer &answer)
{
    if (!answer.answered)
        return;
    m_answers.insert(address, answer);
    for (int row = 0; row < m_printers.size(); ++row) {
        if (m_printers[row].address == address) {
            m_printers[row].takeSnmp(answer);
            tell({Change::Kind::Changed, row});
        }
    }
    if (!answer.serial.isEmpty())
        mergeSerial(answer.serial);
}

void FoundRows::merge(int from, int into)
{
    FoundPrinter &kept = m_printers[into];
    const FoundPrinter &gone = m_printers[from];
    for (const QString &way : gone.foundBy)
        addWay(kept.foundBy, way);
    for (const QString &service : gone.services)
        addWay(kept.services, service);
    if (kept.name.isEmpty())
        kept.name = gone.name;
    if (kept.makeModel.isEmpty())
        kept.makeModel = gone.makeModel;
    tell({Change::Kind::Changed, into});
    m_printers.removeAt(from);
    tell({Change::Kind::Removed, from});
}

void FoundRows::mergeSerial(const QString &serial)
{
    // The same serial number at another address on the same port is the
    // same printer reached twice; the row found first stays. Another port
    // of it is another printer (a print server's second port). A row that
    // only named it joins the first row with a raw port.
    for (int row = 0; row < m_printers.size(); ++row) {
        const FoundPrinter &printer = m_printers[row];
        if (printer.serial != serial)
            continue;
        int into = -1;
        for (int earlier = 0; earlier < m_printers.size() && into < 0; ++earlier) {
            const FoundPrinter &other = m_printers[earlier];
            if (earlier == row || other.serial != serial)
                continue;
            if (printer.port ? other.port == printer.port && earlier < row : other.port != 0)
                into = earlier;
            else if (!printer.port && !other.port && earlier < row)
                into = earlier;
        }
        if (into < 0)
            continue;
        merge(row, into);
        row = -1; // the rows moved: look again from the start
    }
}

Discovery::Discovery(QObject *parent) : QObject(parent)
{
    m_rows.onChange = [this](const FoundRows::Change &change) {
        switch (change.kind) {
        case FoundRows::Change::Kind::Added:
            emit printerAdded(change.row);
            break;
        case FoundRows::Change::Kind::Changed:
            emit printerChanged(change.row);
            break;
        case FoundRows::Change::Kind::Removed:
            emit printerRemoved(change.row);
            break;
        }
    };
    connect(&m_sweep, &Sweep::found, this, [this](const QString &host, quint16 port) {
        m_rows.sweepFound(host, port);
        askSnmp(host);
    });
    connect(&m_sweep, &Sweep::progress, this, &Discovery::progress);
    connect(&m_sweep, &Sweep::finished, this, &Discovery::checkEnd);
    connect(&m_dnsSd, &DnsSdBrowser::found, this, [this](const DnsSdService &service) {
        if (!m_running)
            return;
        m_rows.serviceFound(service);
        askSnmp(service.address);
    });
    connect(&m_dnsSd, &DnsSdBrowser::failed, this, [this](const Wording &reason) {
        m_dnsSdSettling = false;
        if (std::none_of(m_notes.cbegin(), m_notes.cend(),
                         [&](const Wording &said) { return said.english() == reason.english(); })) {
            m_notes << reason;
            emit note(reason);
        }
        checkEnd();
    });
}

Discovery::~Discovery() = default;

QString Discovery::start(const DiscoveryOptions &options)
{
    stop();
    QStringList hosts;
    for (const QString &range : options.ranges) {
        const auto expanded = Sweep::hostsOf(range);
        if (const QString *why = std::get_if<QString>(&expanded))
            return *why;
        for (const QString &host : std::get<QStringList>(expanded)) {
            if (!hosts.contains(host))
                hosts << host;
        }
    }
    if (const QString problem = options.snmp.problem(); !problem.isEmpty())
        return problem;
    m_rows.clear();
    m_asked.clear();
    m_notes.clear();
    m_snmp = std::make_unique<SnmpReader>(options.snmp);
    m_running = true;
    m_sweep.setPorts(options.ports);
    m_sweep.start(hosts);
    m_dnsSdSettling = options.dnsSd;
    // Announcements come in over a few seconds; those later are not
    // waited for.
    if (options.dnsSd && m_dnsSd.start())
        QTimer::singleShot(dnsSdSettleMs, this, [this] {
            m_dnsSdSettling = false;
            checkEnd();
        });
    return {};
}

void Discovery::stop()
{
    if (!m_running)
        return;
    m_running = false;
    m_sweep.blockSignals(true);
    m_sweep.stop();
    m_sweep.blockSignals(false);
    m_dnsSd.stop();
    m_snmp.reset();
    emit finished();
}

void Discovery::askSnmp(const QString &address)
{
    if (!m_snmp || m_asked.contains(address))
        return;
    m_asked.insert(address);
    m_snmp->read(address, [this](const QString &host, const SnmpAnswer &answer) {
        m_rows.snmpAnswered(host, answer);
        checkEnd();
    });
}

void Discovery::checkEnd()
{
    if (!m_running || m_sweep.isRunning() || m_dnsSdSettling || (m_snmp && m_snmp->pending()))
        return;
    m_running = false;
    m_dnsSd.stop();
    if (!isComplete()) {
        // A printer may be among the connects not made: an incomplete sweep
        // is not reported as done.
        const Wording incomplete =
            Wording::of(QT_TRANSLATE_NOOP("Failure", "the sweep could not try %1 of %2 addresses "
                                                     "and ports (too many open files): printers "
                                                     "may be missing"),
                        {QString::number(m_sweep.untried()), QString::number(m_sweep.total())});
        m_notes << incomplete;
        emit note(incomplete);
    }
    emit finished();
}
