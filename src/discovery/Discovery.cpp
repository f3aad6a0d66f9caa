#include "discovery/Discovery.h"

#include <QHostAddress>
#include <QJsonArray>
#include <QTimer>

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

QString FoundPrinter::target() const
{
    const bool v6 = QHostAddress(address).protocol() == QAbstractSocket::IPv6Protocol;
    return QStringLiteral("tcp://%1:%2")
        .arg(v6 ? QStringLiteral("[%1]").arg(address) : address)
        .arg(port ? port : 9100);
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

Discovery::Discovery(QObject *parent) : QObject(parent)
{
    connect(&m_sweep, &Sweep::found, this, [this](const QString &host, quint16 port) {
        found(host, port, QStringLiteral("sweep"));
    });
    connect(&m_sweep, &Sweep::progress, this, &Discovery::progress);
    connect(&m_sweep, &Sweep::finished, this, &Discovery::checkEnd);
    connect(&m_dnsSd, &DnsSdBrowser::found, this, &Discovery::dnsSdFound);
    connect(&m_dnsSd, &DnsSdBrowser::failed, this, [this](const QString &reason) {
        m_dnsSdSettling = false;
        if (!m_notes.contains(reason)) {
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
    m_printers.clear();
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

int Discovery::rowOf(const QString &address, quint16 port) const
{
    for (int row = 0; row < m_printers.size(); ++row) {
        const FoundPrinter &printer = m_printers[row];
        if (printer.address == address && (printer.port == port || !printer.port || !port))
            return row;
    }
    return -1;
}

int Discovery::addOrFind(const QString &address, quint16 port)
{
    int row = rowOf(address, port);
    if (row < 0) {
        FoundPrinter printer;
        printer.address = address;
        m_printers << printer;
        row = int(m_printers.size()) - 1;
        m_printers[row].port = port;
        emit printerAdded(row);
    } else if (!m_printers[row].port && port) {
        m_printers[row].port = port;
    }
    return row;
}

void Discovery::found(const QString &address, quint16 port, const QString &how)
{
    const int row = addOrFind(address, port);
    addWay(m_printers[row].foundBy, how);
    emit printerChanged(row);
    askSnmp(address);
}

void Discovery::dnsSdFound(const DnsSdService &service)
{
    if (!m_running)
        return;
    // An IPP port only names the printer: nothing is ever sent to it.
    const int row = addOrFind(service.address, service.isRawPort() ? service.port : 0);
    FoundPrinter &printer = m_printers[row];
    addWay(printer.foundBy, QStringLiteral("dns-sd"));
    if (printer.name.isEmpty() || service.isRawPort())
        printer.name = service.name;
    if (!service.makeModel.isEmpty())
        printer.makeModel = service.makeModel;
    emit printerChanged(row);
    askSnmp(service.address);
}

void Discovery::askSnmp(const QString &address)
{
    if (!m_snmp || m_asked.contains(address))
        return;
    m_asked.insert(address);
    m_snmp->read(address, [this](const QString &host, const SnmpAnswer &answer) {
        snmpAnswered(host, answer);
    });
}

void Discovery::snmpAnswered(const QString &address, const SnmpAnswer &answer)
{
    if (answer.answered) {
        for (int row = 0; row < m_printers.size(); ++row) {
            if (m_printers[row].address == address) {
                m_printers[row].takeSnmp(answer);
                emit printerChanged(row);
            }
        }
        // The same serial number at another address is the same printer.
        if (!answer.serial.isEmpty())
            mergeSerial(answer.serial);
    }
    checkEnd();
}

void Discovery::mergeSerial(const QString &serial)
{
    // The row found first stays, whichever address answered first.
    int keep = -1;
    for (int row = 0; row < m_printers.size(); ++row) {
        if (m_printers[row].serial != serial)
            continue;
        if (keep < 0) {
            keep = row;
            continue;
        }
        for (const QString &way : std::as_const(m_printers[row].foundBy))
            addWay(m_printers[keep].foundBy, way);
        m_printers.removeAt(row);
        emit printerRemoved(row);
        emit printerChanged(keep);
        --row;
    }
}

void Discovery::checkEnd()
{
    if (!m_running || m_sweep.isRunning() || m_dnsSdSettling || (m_snmp && m_snmp->pending()))
        return;
    m_running = false;
    m_dnsSd.stop();
    emit finished();
}
