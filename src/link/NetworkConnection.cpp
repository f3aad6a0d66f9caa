#include "link/NetworkConnection.h"

#include <QHostAddress>
#include <QTimer>

#include <algorithm>
#include <utility>

#ifdef Q_OS_LINUX
#include <linux/sockios.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#endif

namespace
{

constexpr int longestAckWatchMs = 100;
// What the system may hold beyond what the printer's window lets out: a
// cancel or a failure drops it with the reset, and the figure sent follows
// the printer closely. Measured against the 16 MiB loopback throughput
// (bench_network), which this leaves above half of a plain socket's.
constexpr int unsentBound = 128 * 1024;
// A window probe's answer takes a round trip: a question is taken as
// unanswered only once it has waited this long.
constexpr int answerGraceMs = 1000;

Wording bytesDelivered(qint64 delivered)
{
    return Wording::of(QT_TRANSLATE_NOOP("Failure", "%1 bytes delivered"),
                       {QString::number(delivered)});
}

} // namespace

NetworkConnection::NetworkConnection(QString host, quint16 port, int connectTimeoutMs)
    : m_host(std::move(host)), m_port(port), m_connectTimeoutMs(connectTimeoutMs)
{
    m_socket.setObjectName(QStringLiteral("PrinterSocket"));
    connect(&m_socket, &QTcpSocket::bytesWritten, this, &Connection::changed);
    connect(&m_socket, &QTcpSocket::errorOccurred, this, &Connection::changed);
    connect(&m_socket, &QTcpSocket::stateChanged, this, &Connection::changed);
    // The system says nothing when the printer acknowledges bytes it holds:
    // once this program's queue is empty, the end of a send shows only in
    // its output queue, looked at as often as the pace there makes useful.
    m_ackWatch.setTimerType(Qt::PreciseTimer);
    m_ackWatch.setInterval(1);
    connect(&m_ackWatch, &QTimer::timeout, this, &NetworkConnection::watchAcknowledgements);
    connect(&m_socket, &QTcpSocket::bytesWritten, this, [this] {
        if (m_socket.bytesToWrite() == 0)
            watchAcknowledgementsSoon();
    });
    m_connectTimer.setSingleShot(true);
    // A coarse timer may fire up to 5 % early: a 5 s wait would end at 4.75 s.
    m_connectTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_connectTimer, &QTimer::timeout, this, [this] {
        m_timedOut = true;
        endOpening();
    });
    connect(&m_socket, &QTcpSocket::connected, this, &NetworkConnection::endOpening);
    connect(&m_socket, &QTcpSocket::errorOccurred, this, &NetworkConnection::endOpening);
    connect(this, &Connection::interrupted, this, [this] {
        m_addresses.clear();
        endOpening();
    });
    connect(&m_lookup, &HostLookup::found, this, [this](const QList<QHostAddress> &addresses) {
        if (!m_opening)
            return;
        m_addresses = addresses;
        m_notFound = addresses.isEmpty();
        if (!connectToNext())
            endOpening();
    });
}

void NetworkConnection::watchAcknowledgementsSoon()
{
    m_lastUnsent = unsent();
    m_ackWatch.setInterval(1);
    m_ackWatch.start();
}

void NetworkConnection::watchAcknowledgements()
{
    const qint64 now = unsent();
    const qint64 moved = m_lastUnsent - now;
    m_lastUnsent = now;
    if (now == 0) {
        m_ackWatch.stop();
        emit changed();
        return;
    }
    // Look again about halfway to when the rest should have gone at the
    // pace seen: often near the end of a fast send, seldom on a slow line,
    // where the transfer's own poll follows the progress.
    const int interval = m_ackWatch.interval();
    const qint64 next = moved > 0 ? interval * now / moved / 2 : qint64(interval) * 2;
    m_ackWatch.setInterval(int(std::clamp<qint64>(next, 1, longestAckWatchMs)));
}

NetworkConnection::~NetworkConnection()
{
    discard();
}

QString NetworkConnection::displayName(const QString &host, quint16 port)
{
    const bool ipv6 = host.contains(QLatin1Char(':'));
    return (ipv6 ? QLatin1Char('[') + host + QLatin1Char(']') : host) + QLatin1Char(':') +
           QString::number(port);
}

QString NetworkConnection::name() const
{
    return displayName(m_host, m_port);
}

void NetworkConnection::open()
{
    if (m_host.trimmed().isEmpty()) {
        emit opened(Failure{
            FailureCode::PortInvalid,
            Wording::either(QT_TRANSLATE_NOOP("Failure", "No printer address is set: enter the "
                                                         "printer's network name or IP address "
                                                         "on the Communication Settings tab."),
                            QT_TRANSLATE_NOOP("Failure", "No printer address is set: name the "
                                                         "printer with --to tcp://HOST."))});
        return;
    }
    m_opening = true;
    // The one time limit covers the lookup of a name and the connection.
    m_connectTimer.start(m_connectTimeoutMs);
    if (const QHostAddress address(m_host); !address.isNull()) {
        m_addresses = {address};
        connectToNext();
        return;
    }
    m_lookup.lookUp(m_host);
}

bool NetworkConnection::connectToNext()
{
    if (m_addresses.isEmpty())
        return false;
    m_socket.abort();
    m_socket.connectToHost(m_addresses.takeFirst(), m_port, QIODevice::WriteOnly);
    if (m_socket.state() == QAbstractSocket::ConnectedState ||
        m_socket.error() != QAbstractSocket::UnknownSocketError)
        endOpening();
    return true;
}

void NetworkConnection::endOpening()
{
    if (!m_opening)
        return;
    // A name with several addresses: one that cannot be reached is not yet
    // the end while time is left.
    if (!m_timedOut && m_socket.state() != QAbstractSocket::ConnectedState &&
        m_socket.error() != QAbstractSocket::UnknownSocketError && connectToNext())
        return;
    m_opening = false;
    m_connectTimer.stop();
    if (m_socket.state() == QAbstractSocket::ConnectedState) {
        // Until the last byte is acknowledged, any end of the connection is
        // a reset, also one Qt makes itself when the printer hangs up its
        // side: what the system still holds must never go out later.
        lingerOnClose(false);
        boundUnsent();
        emit opened(std::nullopt);
        return;
    }
    const Failure failure = openFailure();
    m_lookup.abandon();
    m_socket.abort();
    emit opened(failure);
}

Failure NetworkConnection::nameFailure(const QString &host, quint16 port, bool timedOut,
                                       int connectTimeoutMs)
{
    if (timedOut)
        return {FailureCode::PortUnavailable,
                Wording::of(QT_TRANSLATE_NOOP("Failure",
                                              "could not look %1 up within %2 s: check the name "
                                              "and the DNS server"),
                            {host, QString::number(connectTimeoutMs / 1000.0)})};
    return {
        FailureCode::PortInvalid,
        Wording::of(QT_TRANSLATE_NOOP("Failure", "The printer's network name \"%1\" could not be "
                                                 "found (port %2): check the name, or enter the "
                                                 "printer's IP address instead."),
                    {host, QString::number(port)})};
}

Failure NetworkConnection::openFailure() const
{
    const QString where = name();
    if (m_timedOut && m_lookup.isRunning())
        return nameFailure(m_host, m_port, true, m_connectTimeoutMs);
    if (m_timedOut)
        return {FailureCode::PortUnavailable,
                Wording::of(QT_TRANSLATE_NOOP("Failure",
                                              "%1 did not answer within %2 seconds: check the "
                                              "address, and that the printer is on and connected "
                                              "to the network."),
                            {where, QString::number(m_connectTimeoutMs / 1000.0)})};
    if (m_notFound)
        return nameFailure(m_host, m_port, false, m_connectTimeoutMs);
    switch (m_socket.error()) {
    case QAbstractSocket::ConnectionRefusedError:
        return {FailureCode::PortUnavailable,
                Wording::of(QT_TRANSLATE_NOOP("Failure",
                                              "%1 refused the connection: check that this is "
                                              "the printer's address and that it takes print jobs "
                                              "on port %2 (9100 on most printers)."),
                            {where, QString::number(m_port)})};
    default:
        return {FailureCode::PortUnavailable,
                Wording::of(QT_TRANSLATE_NOOP("Failure", "%1 cannot be reached: %2"),
                            {where, m_socket.errorString()})};
    }
}

Connection::Written NetworkConnection::write(QByteArrayView bytes)
{
    const qint64 taken = m_socket.write(bytes.data(), bytes.size());
    if (taken < 0)
        return linkFailure().value_or(
            Failure{FailureCode::PortWriteFailed, m_socket.errorString()});
    // Hands what the system takes now, without waiting for the event loop.
    m_socket.flush();
    if (taken > 0)
        watchAcknowledgementsSoon();
    return taken;
}

qint64 NetworkConnection::queued() const
{
    return m_socket.bytesToWrite();
}

qint64 NetworkConnection::unsent() const
{
    qint64 inSystem = 0;
#ifdef Q_OS_LINUX
    // Bytes the printer has not yet acknowledged.
    int count = 0;
    if (m_socket.socketDescriptor() >= 0 &&
        ::ioctl(int(m_socket.socketDescriptor()), SIOCOUTQ, &count) == 0)
        inSystem = count;
#endif
    return queued() + inSystem;
}

SendOutcome NetworkConnection::linkFailure() const
{
    if (m_socket.state() == QAbstractSocket::ConnectedState &&
        m_socket.error() == QAbstractSocket::UnknownSocketError)
        return std::nullopt;
    if (m_socket.error() == QAbstractSocket::RemoteHostClosedError ||
        m_socket.state() == QAbstractSocket::UnconnectedState)
        return Failure{
            FailureCode::PortWriteFailed,
            Wording::of(QT_TRANSLATE_NOOP("Failure", "%1 closed the connection during the "
                                                     "transfer: the printer may have been "
                                                     "switched off or restarted."),
                        {name()})};
    return Failure{
        FailureCode::PortWriteFailed,
        Wording::of(QT_TRANSLATE_NOOP("Failure", "The connection to %1 failed during the transfer: "
                                                 "%2"),
                    {name(), m_socket.errorString()})};
}

Failure NetworkConnection::stalled(int limitMs) const
{
    return {FailureCode::PortWriteFailed,
            Wording::of(QT_TRANSLATE_NOOP("Failure",
                                          "%1 stopped answering: nothing came back for %2 "
                                          "s. Check that the printer is on and connected to the "
                                          "network."),
                        {name(), QString::number(limitMs / 1000.0)})};
}

Failure NetworkConnection::unanswered(int limitMs, qint64 delivered) const
{
    Failure failure = stalled(limitMs);
    failure.description =
        Wording::either(QT_TRANSLATE_NOOP("Failure", "%1 %2; the wait for an answer is set on "
                                                     "the Communication Settings tab "
                                                     "(Give up after) or with "
                                                     "--stall-limit."),
                        QT_TRANSLATE_NOOP("Failure", "%1 %2; the wait for an answer is set with "
                                                     "--stall-limit."),
                        {failure.description, bytesDelivered(delivered)});
    return failure;
}

Failure NetworkConnection::tookNoData(int limitMs, qint64 delivered) const
{
    return {FailureCode::PortWriteFailed,
            Wording::either(
                QT_TRANSLATE_NOOP("Failure", "%1 took no data for %2 s though it still "
                                             "answers: check paper, ribbon and the printer's "
                                             "display. %3; the wait for progress is set on the "
                                             "Communication Settings tab (Give up after) or with "
                                             "--busy-limit."),
                QT_TRANSLATE_NOOP("Failure", "%1 took no data for %2 s though it still "
                                             "answers: check paper, ribbon and the printer's "
                                             "display. %3; the wait for progress is set with "
                                             "--busy-limit."),
                {name(), QString::number(limitMs / 1000.0), bytesDelivered(delivered)})};
}

std::optional<qint64> NetworkConnection::silentMs()
{
#ifdef Q_OS_LINUX
    tcp_info info{};
    socklen_t length = sizeof info;
    if (m_socket.socketDescriptor() < 0 ||
        ::getsockopt(int(m_socket.socketDescriptor()), IPPROTO_TCP, TCP_INFO, &info, &length) != 0)
        return qint64(0);
    // Bytes in flight or a window probe wait for an answer; a printer whose
    // window is shut answers each probe, and between the probes (seconds
    // to minutes apart as the system backs off) nothing is asked of it.
    if (info.tcpi_unacked == 0 && info.tcpi_probes == 0) {
        m_asking.invalidate();
        return qint64(0);
    }
    if (!m_asking.isValid())
        m_asking.start();
    if (m_asking.elapsed() < answerGraceMs)
        return qint64(0);
    return qint64(info.tcpi_last_ack_recv);
#else
    return std::nullopt;
#endif
}

void NetworkConnection::boundUnsent()
{
#ifdef Q_OS_LINUX
    if (m_socket.socketDescriptor() >= 0)
        ::setsockopt(int(m_socket.socketDescriptor()), IPPROTO_TCP, TCP_NOTSENT_LOWAT, &unsentBound,
                     sizeof unsentBound);
#endif
}

void NetworkConnection::lingerOnClose(bool orderly)
{
#ifdef Q_OS_LINUX
    // Lingering for no time makes a close a reset that drops what is queued.
    if (m_socket.socketDescriptor() >= 0) {
        const linger choice{orderly ? 0 : 1, 0};
        ::setsockopt(int(m_socket.socketDescriptor()), SOL_SOCKET, SO_LINGER, &choice,
                     sizeof choice);
    }
#else
    Q_UNUSED(orderly)
#endif
}

SendOutcome NetworkConnection::close()
{
    m_ackWatch.stop();
    // Everything is acknowledged by now: an orderly end of the connection.
    lingerOnClose(true);
    m_socket.disconnectFromHost();
    m_socket.close();
    return std::nullopt;
}

void NetworkConnection::discard()
{
    m_ackWatch.stop();
    // A plain close would leave the system sending what it still holds,
    // long after the send was given up: a cancelled job would print after
    // all. The close is a reset that drops it.
    lingerOnClose(false);
    // What is still queued in this program is thrown away.
    m_socket.abort();
}

QString NetworkConnection::textFailureText() const
{
    return QStringLiteral("Error Opening ") + name() + QStringLiteral(" For String Send");
}

QString NetworkConnection::textFailureTitle() const
{
    return QStringLiteral("SNetString");
}
