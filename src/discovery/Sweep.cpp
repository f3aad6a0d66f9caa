#include "discovery/Sweep.h"

#include "common/CommandLineText.h"
#include "common/FileLimit.h"
#include "link/HostLookup.h"

#include <QHostAddress>
#include <QTcpSocket>
#include <QTimer>

namespace
{

void close(QTcpSocket *socket)
{
    // Its timer and name lookup go with it, the lookup ended now; only its
    // destruction is still heard.
    QObject::disconnect(socket, &QTcpSocket::connected, nullptr, nullptr);
    QObject::disconnect(socket, &QTcpSocket::errorOccurred, nullptr, nullptr);
    for (QObject *child : socket->children())
        child->disconnect();
    if (auto *lookup = socket->findChild<HostLookup *>())
        lookup->abandon();
    socket->abort();
    socket->deleteLater();
}

} // namespace

Sweep::Sweep(QObject *parent) : QObject(parent) {}

Sweep::~Sweep()
{
    // The sockets are children: they go with the sweep, unheard.
    blockSignals(true);
    for (QTcpSocket *socket : findChildren<QTcpSocket *>(Qt::FindDirectChildrenOnly))
        socket->disconnect(this);
}

std::variant<QStringList, QString> Sweep::hostsOf(const QString &written)
{
    const QString text = written.trimmed();
    if (text.isEmpty())
        return CommandLineText::tr("an empty range");
    if (!text.contains(QLatin1Char('/'))) {
        if (text.contains(QLatin1Char(' ')))
            return CommandLineText::tr("\"%1\" is not a host name or address").arg(text);
        return QStringList{text};
    }
    const QPair<QHostAddress, int> subnet = QHostAddress::parseSubnet(text);
    if (subnet.second < 0 || subnet.first.protocol() != QAbstractSocket::IPv4Protocol)
        return CommandLineText::tr("\"%1\" is not an IPv4 range such as 192.168.1.0/24").arg(text);
    if (subnet.second < widestPrefix)
        return CommandLineText::tr(
                   "the range %1 is wider than /%2 (%3 addresses): give smaller ranges")
            .arg(text)
            .arg(widestPrefix)
            .arg(1 << (32 - widestPrefix));
    const quint32 base = subnet.first.toIPv4Address();
    const quint32 count = quint32(1) << (32 - subnet.second);
    QStringList hosts;
    for (quint32 i = 0; i < count; ++i) {
        // The network and broadcast addresses name no host, but in a /31
        // or /32.
        if (count > 2 && (i == 0 || i == count - 1))
            continue;
        hosts << QHostAddress(base + i).toString();
    }
    return hosts;
}

void Sweep::start(const QStringList &hosts)
{
    m_hosts = hosts;
    m_next = 0;
    m_done = 0;
    m_untried = 0;
    m_again.clear();
    m_live.clear();
    // Room for the program's own descriptors beside the sweep's.
    m_room = std::min(m_inFlight, std::max(1, FileLimit::raise() - reservedDescriptors));
    m_running = true;
    emit progress(0, total());
    // From the event loop, like every other signal of the sweep.
    scheduleMore();
}

void Sweep::stop()
{
    if (!m_running)
        return;
    m_next = total();
    m_again.clear();
    for (QTcpSocket *socket : std::as_const(m_live))
        close(socket);
    m_live.clear();
    m_running = false;
    emit finished();
}

void Sweep::scheduleMore()
{
    // The next connects start from the event loop: a receiver of found or
    // progress may stop the sweep first.
    if (m_scheduled)
        return;
    m_scheduled = true;
    QTimer::singleShot(0, this, [this] {
        m_scheduled = false;
        startMore();
    });
}

void Sweep::startMore()
{
    while (m_running && m_open < m_room && (!m_again.isEmpty() || m_next < total()))
        connectNext(!m_again.isEmpty() ? m_again.takeFirst() : m_next++);
    if (m_running && m_live.isEmpty() && m_again.isEmpty() && m_next >= total()) {
        m_running = false;
        emit finished();
    }
}

void Sweep::connectNext(int index)
{
    const QString host = m_hosts[index / m_ports.size()];
    const quint16 port = m_ports[index % m_ports.size()];
    auto *socket = new QTcpSocket(this);
    m_live.insert(socket);
    // Its descriptor counts until the socket is gone, not when its connect
    // ends: closed sockets waiting to be deleted would otherwise pile up
    // past the bound.
    ++m_open;
    connect(socket, &QObject::destroyed, this, [this] {
        --m_open;
        scheduleMore();
    });
    auto *timer = new QTimer(socket);
    timer->setSingleShot(true);
    connect(timer, &QTimer::timeout, this, [this, socket] { ended(socket); });
    connect(socket, &QTcpSocket::connected, this, [this, socket, host, port] {
        ended(socket);
        emit found(host, port);
    });
    connect(socket, &QTcpSocket::errorOccurred, this,
            [this, socket, index](QAbstractSocket::SocketError error) {
                if (error != QAbstractSocket::SocketResourceError || !m_live.contains(socket))
                    return ended(socket);
                // No descriptor for it: tried again once another is freed,
                // with no more open at once than now. With none of ours to
                // free, it cannot be tried.
                m_live.remove(socket);
                close(socket);
                const int others = m_open - 1;
                if (others > 0) {
                    m_room = others;
                    m_again << index;
                    return;
                }
                ++m_untried;
                ++m_done;
                emit progress(m_done, total());
                scheduleMore();
            });
    timer->start(m_timeoutMs);
    if (const QHostAddress address(host); !address.isNull()) {
        socket->connectToHost(address, port);
        return;
    }
    // A name is looked up first, within the same time; the lookup goes with
    // its socket.
    auto *lookup = new HostLookup(socket);
    connect(lookup, &HostLookup::found, this,
            [this, socket, port](const QList<QHostAddress> &addresses) {
                if (addresses.isEmpty())
                    ended(socket);
                else
                    socket->connectToHost(addresses.first(), port);
            });
    lookup->lookUp(host);
}

void Sweep::ended(QTcpSocket *socket)
{
    if (!m_live.remove(socket))
        return;
    close(socket);
    ++m_done;
    emit progress(m_done, total());
    scheduleMore();
}
