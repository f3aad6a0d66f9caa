#include "virtual/Fleet.h"

#include "common/SafeWrite.h"
#include "virtual/SnmpAgent.h"
#include "virtual/VirtualPrinter.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLocalServer>
#include <QLocalSocket>
#include <QUrl>

namespace
{

// The state file is written at most this often while printers are busy.
constexpr int stateDelayMs = 300;
// A control line longer than this is refused unread.
constexpr qint64 maxControlLine = 64 * 1024;

QJsonObject refused(const QString &why)
{
    return {{QStringLiteral("ok"), false}, {QStringLiteral("error"), why}};
}

std::optional<qint64> count(const QJsonObject &request, const QString &key)
{
    const QJsonValue value = request.value(key);
    if (!value.isDouble() || value.toDouble() < 0 || value.toDouble() > 1e15 ||
        value.toDouble() != qint64(value.toDouble()))
        return std::nullopt;
    return qint64(value.toDouble());
}

} // namespace

Fleet::Fleet(QObject *parent) : QObject(parent)
{
    m_stateTimer.setSingleShot(true);
    m_stateTimer.setInterval(stateDelayMs);
    connect(&m_stateTimer, &QTimer::timeout, this, [this] {
        if (const std::optional<QString> failure = writeState())
            qWarning("%s", qPrintable(*failure));
    });
}

Fleet::~Fleet()
{
    qDeleteAll(m_printers);
}

std::variant<QList<QHostAddress>, QString> Fleet::addressRange(const QString &written, int limit)
{
    const QStringList ends = written.split(QLatin1Char('-'));
    QHostAddress first(ends.first());
    QHostAddress last(ends.last());
    if (ends.size() > 2 || first.isNull() || last.isNull())
        return QStringLiteral("%1 is not an address or a range of addresses").arg(written);
    if (ends.size() == 1)
        return QList<QHostAddress>{first};
    if (first.protocol() != QAbstractSocket::IPv4Protocol ||
        last.protocol() != QAbstractSocket::IPv4Protocol ||
        last.toIPv4Address() < first.toIPv4Address())
        return QStringLiteral("%1: a range goes from a lower IPv4 address to a higher one")
            .arg(written);
    const quint64 size = quint64(last.toIPv4Address()) - first.toIPv4Address() + 1;
    if (size > quint64(limit))
        return QStringLiteral("%1 holds %2 addresses; at most %3 printers run in one process")
            .arg(written)
            .arg(size)
            .arg(limit);
    QList<QHostAddress> addresses;
    for (quint32 at = first.toIPv4Address(); addresses.size() < qsizetype(size); ++at)
        addresses << QHostAddress(at);
    return addresses;
}

VirtualPrinter *Fleet::addNetworkPrinter(const QHostAddress &address, quint16 port,
                                         std::optional<quint16> snmpPort, QString *failure)
{
    auto printer = std::make_unique<VirtualPrinter>(address, port);
    if (!printer->listen(failure) || (snmpPort && !printer->startSnmp(*snmpPort, failure)))
        return nullptr;
    // A serial number of its own, from its address.
    printer->model().serialNumber =
        QStringLiteral("VP%1").arg(qHash(address.toString()) % 100000000, 8, 10, QLatin1Char('0'));
    VirtualPrinter *added = printer.release();
    adopt(added);
    return added;
}

void Fleet::adopt(VirtualPrinter *printer)
{
    // Serial printers too restart for as long as the fleet's printers do.
    printer->setRestartMs(m_restartMs);
    m_printers << printer;
    connect(printer, &VirtualPrinter::changed, this, [this, printer] {
        changed();
        emit printerChanged(printer);
    });
    connect(printer, &VirtualPrinter::graphicStored, this,
            [this, printer](const QString &graphic) { savePicture(printer, graphic); });
    changed();
    emit printerChanged(printer);
}

VirtualPrinter *Fleet::printer(const QString &name) const
{
    for (VirtualPrinter *printer : m_printers) {
        if (printer->model().name() == name)
            return printer;
    }
    // Printers that share an address go by address and port.
    for (VirtualPrinter *printer : m_printers) {
        if (printer->link() == name)
            return printer;
    }
    return nullptr;
}

void Fleet::setRestartMs(int ms)
{
    m_restartMs = ms;
    for (VirtualPrinter *printer : std::as_const(m_printers))
        printer->setRestartMs(ms);
}

void Fleet::setStatePath(const QString &path)
{
    m_statePath = path;
    changed();
}

void Fleet::changed()
{
    if (!m_statePath.isEmpty() && !m_stateTimer.isActive())
        m_stateTimer.start();
}

QJsonObject Fleet::state(int transcript) const
{
    QJsonArray printers;
    for (const VirtualPrinter *printer : m_printers) {
        QJsonObject json = printer->model().toJson();
        QJsonArray lines = json.value(QStringLiteral("transcript")).toArray();
        while (lines.size() > transcript)
            lines.removeFirst();
        json.insert(QStringLiteral("transcript"), lines);
        json.insert(QStringLiteral("port"), printer->port());
        if (const SnmpAgent *agent = printer->snmpAgent()) {
            json.insert(QStringLiteral("snmp port"), printer->snmpPort());
            json.insert(QStringLiteral("snmp engine id"),
                        QString::fromLatin1(agent->engineId().toHex()));
            // The user and how it is asked in; never its pass phrases.
            if (!agent->user().isEmpty()) {
                json.insert(QStringLiteral("snmp user"), agent->user());
                json.insert(QStringLiteral("snmp security"), agent->securityLevel());
            }
        }
        if (!m_pictures.isEmpty()) {
            QJsonArray objects = json.value(QStringLiteral("objects")).toArray();
            for (QJsonValueRef object : objects) {
                QJsonObject entry = object.toObject();
                const auto found =
                    printer->model().objects().find(entry[QStringLiteral("name")].toString());
                if (found != printer->model().objects().end() && !found->png.isEmpty())
                    entry.insert(QStringLiteral("picture"),
                                 QDir(m_pictures)
                                     .filePath(pictureName(printer->model().name(), found.key())));
                object = entry;
            }
            json.insert(QStringLiteral("objects"), objects);
        }
        printers.append(json);
    }
    return {{QStringLiteral("printers"), printers}};
}

std::optional<QString> Fleet::writeState()
{
    if (m_statePath.isEmpty())
        return std::nullopt;
    const QByteArray json = QJsonDocument(state()).toJson(QJsonDocument::Indented);
    if (const std::optional<Failure> failure =
            SafeWrite::write(m_statePath, json, SafeWrite::Targets::FilesOnly))
        return QStringLiteral("The state file %1 was not written: %2")
            .arg(m_statePath, failure->description.english());
    emit stateWritten();
    return std::nullopt;
}

QString Fleet::pictureName(const QString &printer, const QString &graphic)
{
    // Identifiers may hold any character the link carries; encoded, none
    // of them can leave the folder or upset a terminal.
    return QString::fromLatin1(QUrl::toPercentEncoding(printer) + '-' +
                               QUrl::toPercentEncoding(graphic.toUtf8(), {}, "~") + ".png");
}

void Fleet::savePicture(VirtualPrinter *printer, const QString &graphic)
{
    if (m_pictures.isEmpty())
        return;
    const auto found = printer->model().objects().find(graphic);
    if (found == printer->model().objects().end() || found->png.isEmpty())
        return;
    const QString path = QDir(m_pictures).filePath(pictureName(printer->model().name(), graphic));
    if (const std::optional<Failure> failure =
            SafeWrite::write(path, found->png, SafeWrite::Targets::FilesOnly))
        printer->model().note(QStringLiteral("picture not written: ") +
                              failure->description.english());
}

QJsonObject Fleet::control(const QByteArray &line)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(line, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return refused(QStringLiteral("not a JSON object: %1").arg(error.errorString()));
    return control(document.object());
}

QJsonObject Fleet::control(const QJsonObject &request)
{
    static const QStringList known{
        QStringLiteral("printer"),      QStringLiteral("get"),      QStringLiteral("set"),
        QStringLiteral("after-labels"), QStringLiteral("fault"),    QStringLiteral("rate"),
        QStringLiteral("after-bytes"),  QStringLiteral("delay-ms"), QStringLiteral("community"),
        QStringLiteral("snmp-user"),    QStringLiteral("auth"),     QStringLiteral("priv")};
    for (auto it = request.begin(); it != request.end(); ++it) {
        if (!known.contains(it.key()))
            return refused(QStringLiteral("unknown field \"%1\"; known: %2")
                               .arg(it.key(), known.join(QStringLiteral(", "))));
    }
    const QString which = request.value(QStringLiteral("printer")).toString();
    QList<VirtualPrinter *> chosen;
    if (which == QLatin1String("*"))
        chosen = m_printers;
    else if (VirtualPrinter *one = printer(which))
        chosen << one;
    else
        return refused(which.isEmpty() ? QStringLiteral("name a printer, or \"*\" for all")
                                       : QStringLiteral("no printer %1").arg(which));

    // Everything is checked before anything changes.
    std::optional<PrinterModel::Condition> condition;
    std::optional<qint64> afterLabels;
    if (request.contains(QStringLiteral("set"))) {
        const QString word = request.value(QStringLiteral("set")).toString();
        condition = PrinterModel::conditionOf(word);
        if (!condition)
            return refused(
                QStringLiteral("no state \"%1\"; states: %2")
                    .arg(word, PrinterModel::conditionWords().join(QStringLiteral(", "))));
        if (request.contains(QStringLiteral("after-labels"))) {
            afterLabels = count(request, QStringLiteral("after-labels"));
            if (!afterLabels)
                return refused(QStringLiteral("after-labels is a number of labels"));
        }
    }
    std::optional<PrinterModel::Faults> faults;
    QString fault;
    if (request.contains(QStringLiteral("fault"))) {
        fault = request.value(QStringLiteral("fault")).toString();
        const auto number = [&request](const char *key) {
            return count(request, QLatin1String(key)).value_or(0);
        };
        PrinterModel::Faults made;
        if (fault == QLatin1String("slow"))
            made.readRate = number("rate");
        else if (fault == QLatin1String("stall"))
            made.stopsReading = true;
        else if (fault == QLatin1String("reset"))
            made.resetAfter = number("after-bytes");
        else if (fault == QLatin1String("vanish"))
            made.vanished = true;
        else if (fault == QLatin1String("snmp-silent"))
            made.snmpSilent = true;
        else if (fault == QLatin1String("snmp-slow"))
            made.snmpDelayMs = int(std::min<qint64>(number("delay-ms"), 60000));
        else if (fault != QLatin1String("none"))
            return refused(QStringLiteral("no fault \"%1\"; faults: slow (rate), stall, reset "
                                          "(after-bytes), vanish, snmp-silent, snmp-slow "
                                          "(delay-ms), none")
                               .arg(fault));
        if ((fault == QLatin1String("slow") && made.readRate <= 0) ||
            (fault == QLatin1String("reset") && made.resetAfter <= 0) ||
            (fault == QLatin1String("snmp-slow") && made.snmpDelayMs <= 0))
            return refused(QStringLiteral("fault %1 needs a number above 0").arg(fault));
        faults = made;
    }
    std::optional<QString> community;
    if (request.contains(QStringLiteral("community"))) {
        community = request.value(QStringLiteral("community")).toString();
        if (community->isEmpty() || community->size() > 64)
            return refused(QStringLiteral("a community is 1 to 64 characters"));
    }
    std::optional<QString> user;
    const QString authPass = request.value(QStringLiteral("auth")).toString();
    const QString privPass = request.value(QStringLiteral("priv")).toString();
    if (request.contains(QStringLiteral("snmp-user"))) {
        user = request.value(QStringLiteral("snmp-user")).toString();
        if (const QString problem = SnmpAgent::userProblem(*user, authPass, privPass);
            !problem.isEmpty())
            return refused(problem);
        for (const VirtualPrinter *printer : std::as_const(chosen)) {
            if (!printer->snmpAgent())
                return refused(
                    QStringLiteral("printer %1 has no SNMP agent").arg(printer->model().name()));
        }
    } else if (request.contains(QStringLiteral("auth")) ||
               request.contains(QStringLiteral("priv"))) {
        return refused(QStringLiteral("auth and priv go with snmp-user"));
    }
    const QString get = request.value(QStringLiteral("get")).toString();
    if (request.contains(QStringLiteral("get")) && get != QLatin1String("state"))
        return refused(QStringLiteral("get takes \"state\""));
    if (!condition && !faults && !community && !user && get.isEmpty())
        return refused(
            QStringLiteral("nothing to do: give set, fault, community, snmp-user or get"));

    for (VirtualPrinter *printer : std::as_const(chosen)) {
        PrinterModel &model = printer->model();
        if (condition) {
            if (afterLabels)
                model.schedule(*condition, *afterLabels);
            else
                model.setCondition(*condition);
        }
        if (faults) {
            model.faults = *faults;
            model.note(QStringLiteral("fault: ") + fault);
            printer->faultsChanged();
        }
        if (community)
            model.community = *community;
        if (user) {
            if (const QString failure = printer->snmpAgent()->setUser(*user, authPass, privPass);
                !failure.isEmpty())
                return refused(failure);
        }
        if (condition || faults || community || user)
            emit printerChanged(printer);
    }
    if (condition || faults || community || user)
        changed();

    QJsonObject reply{{QStringLiteral("ok"), true}, {QStringLiteral("printers"), chosen.size()}};
    if (!get.isEmpty()) {
        QJsonArray states;
        const QJsonArray all =
            state(PrinterModel::transcriptLength)[QStringLiteral("printers")].toArray();
        for (int i = 0; i < m_printers.size(); ++i) {
            if (chosen.contains(m_printers[i]))
                states.append(all[i]);
        }
        reply.insert(QStringLiteral("printers"), states);
    }
    return reply;
}

bool Fleet::listenControl(const QString &path, QString *failure)
{
    m_control = new QLocalServer(this);
    m_control->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_control->listen(path)) {
        *failure = QStringLiteral("cannot take control requests on %1: %2")
                       .arg(path, m_control->errorString());
        return false;
    }
    connect(m_control, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *client = m_control->nextPendingConnection()) {
            connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
            connect(client, &QLocalSocket::readyRead, this, [this, client] {
                while (client->canReadLine()) {
                    const QByteArray line = client->readLine(maxControlLine + 1);
                    client->write(
                        QJsonDocument(control(line.trimmed())).toJson(QJsonDocument::Compact) +
                        '\n');
                }
                if (client->bytesAvailable() > maxControlLine) {
                    client->write(QJsonDocument(refused(QStringLiteral("line too long")))
                                      .toJson(QJsonDocument::Compact) +
                                  '\n');
                    client->disconnectFromServer();
                }
            });
        }
    });
    return true;
}
