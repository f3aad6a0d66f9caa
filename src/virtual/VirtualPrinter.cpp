#include "virtual/VirtualPrinter.h"

#include "virtual/SnmpAgent.h"

#include <QTcpSocket>

#include <sys/socket.h>

namespace
{

// What a connection may hold unread before its sender has to wait.
constexpr qint64 readBuffer = 64 * 1024;
// A printer's own receive window is small. Left to the kernel, a loopback
// connection would take hundreds of kilobytes the printer never reads (after
// a reset, say), and a sender would count them as delivered.
constexpr int kernelReceiveBuffer = 16 * 1024;
// A slow printer takes its bytes in ticks of this length.
constexpr int paceMs = 100;

} // namespace

VirtualPrinter::VirtualPrinter(const QHostAddress &address, quint16 port, QObject *parent)
    : VirtualPrinter(address.toString(), parent)
{
    m_address = address;
    m_port = port;
}

VirtualPrinter::VirtualPrinter(const QString &name, QObject *parent)
    : QObject(parent), m_port(0), m_model(name),
      m_stream([this](const PrinterCommand &command) { this->command(command); })
{
    m_pace.setInterval(paceMs);
    connect(&m_pace, &QTimer::timeout, this, [this] {
        m_credit = std::max<qint64>(1, m_model.faults.readRate * paceMs / 1000);
        pump();
    });
    m_restart.setSingleShot(true);
    m_restart.setInterval(3000);
    connect(&m_restart, &QTimer::timeout, this, &VirtualPrinter::restarted);
    connect(&m_server, &QTcpServer::newConnection, this, &VirtualPrinter::accepted);
}

VirtualPrinter::~VirtualPrinter()
{
    dropAll();
}

quint16 VirtualPrinter::snmpPort() const
{
    return m_agent ? m_agent->port() : 0;
}

bool VirtualPrinter::listen(QString *failure)
{
    if (!m_server.listen(m_address, m_port)) {
        *failure = QStringLiteral("cannot listen on %1 port %2: %3")
                       .arg(m_address.toString())
                       .arg(m_port)
                       .arg(m_server.errorString());
        return false;
    }
    m_port = m_server.serverPort();
    m_link = (m_address.protocol() == QAbstractSocket::IPv6Protocol ? QStringLiteral("[%1]:%2")
                                                                    : QStringLiteral("%1:%2"))
                 .arg(m_address.toString())
                 .arg(m_port);
    // Accepted connections inherit the listener's buffer, window scale included.
    ::setsockopt(int(m_server.socketDescriptor()), SOL_SOCKET, SO_RCVBUF, &kernelReceiveBuffer,
                 sizeof kernelReceiveBuffer);
    return true;
}

bool VirtualPrinter::startSnmp(quint16 port, QString *failure)
{
    m_agent = std::make_unique<SnmpAgent>(m_model, m_address, port);
    if (m_agent->isOpen())
        return true;
    *failure = m_agent->failure();
    m_agent.reset();
    return false;
}

void VirtualPrinter::command(const PrinterCommand &command)
{
    if (m_model.apply(command))
        restart();
    if (command.kind == PrinterCommand::Kind::GraphicStored)
        emit graphicStored(command.name);
    emit changed();
}

void VirtualPrinter::receive(const QByteArray &bytes)
{
    m_model.noteBytes(bytes.size());
    m_stream.feed(bytes);
    emit changed();
}

void VirtualPrinter::accepted()
{
    while (QTcpSocket *socket = m_server.nextPendingConnection()) {
        if (m_model.faults.vanished || m_model.restarting) {
            let(socket);
            continue;
        }
        socket->setReadBufferSize(readBuffer);
        m_waiting << socket;
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] {
            if (socket == m_active)
                pump();
        });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            if (socket == m_active) {
                m_activeClosed = true;
                pump();
            } else {
                m_waiting.removeOne(socket);
                socket->deleteLater();
            }
        });
    }
    activateNext();
}

void VirtualPrinter::activateNext()
{
    if (m_active || m_waiting.isEmpty())
        return;
    m_active = m_waiting.takeFirst();
    m_activeClosed = m_active->state() != QAbstractSocket::ConnectedState;
    m_taken = 0;
    m_stream.beginConnection();
    faultsChanged();
}

void VirtualPrinter::faultsChanged()
{
    const PrinterModel::Faults &faults = m_model.faults;
    if (faults.vanished) {
        dropAll();
        m_server.close();
        return;
    }
    if (!m_server.isListening() && !m_model.restarting && !m_address.isNull()) {
        QString failure;
        if (!listen(&failure))
            m_model.note(failure);
    }
    if (faults.readRate > 0 && m_active) {
        if (!m_pace.isActive()) {
            m_credit = 0;
            m_pace.start();
        }
    } else {
        m_pace.stop();
    }
    pump();
}

void VirtualPrinter::pump()
{
    if (!m_active)
        return;
    const PrinterModel::Faults &faults = m_model.faults;
    if (faults.stopsReading) {
        // It still hears the sender go; what it held unread is lost.
        if (m_activeClosed) {
            m_model.note(QStringLiteral("connection closed, %1 bytes not taken")
                             .arg(m_active->bytesAvailable()));
            m_stream.reset();
            activeEnded();
        }
        return;
    }
    qint64 allowance = m_active->bytesAvailable();
    if (faults.readRate > 0)
        allowance = std::min(allowance, m_credit);
    if (faults.resetAfter > 0)
        allowance = std::min(allowance, faults.resetAfter - m_taken);
    if (allowance > 0) {
        const QByteArray bytes = m_active->read(allowance);
        m_taken += bytes.size();
        if (faults.readRate > 0)
            m_credit -= bytes.size();
        m_model.noteBytes(bytes.size());
        m_stream.feed(bytes);
        emit changed();
        if (!m_active)
            return; // a firmware image's restart dropped it
    }
    if (faults.resetAfter > 0 && m_taken >= faults.resetAfter) {
        resetActive();
        return;
    }
    if (m_activeClosed && m_active->bytesAvailable() == 0)
        activeEnded();
}

void VirtualPrinter::closeActive()
{
    QTcpSocket *socket = m_active;
    m_active = nullptr;
    m_pace.stop();
    let(socket);
    m_stream.endConnection();
}

void VirtualPrinter::let(QTcpSocket *socket)
{
    socket->disconnect(this);
    socket->abort();
    socket->deleteLater();
}

void VirtualPrinter::activeEnded()
{
    closeActive();
    emit changed();
    if (!m_model.restarting)
        activateNext();
}

void VirtualPrinter::resetActive()
{
    // No lingering: the close is a reset, as a printer that gives up sends.
    const linger immediate{1, 0};
    setsockopt(int(m_active->socketDescriptor()), SOL_SOCKET, SO_LINGER, &immediate,
               sizeof immediate);
    m_model.note(QStringLiteral("connection reset after %1 bytes").arg(m_taken));
    // What it was in the middle of is dropped with the connection.
    m_stream.reset();
    activeEnded();
}

void VirtualPrinter::dropWaiting()
{
    for (QTcpSocket *socket : std::as_const(m_waiting))
        let(socket);
    m_waiting.clear();
}

void VirtualPrinter::dropAll()
{
    dropWaiting();
    if (m_active)
        closeActive();
}

void VirtualPrinter::restart()
{
    m_model.restarting = true;
    m_model.note(QStringLiteral("restarting"));
    m_server.close();
    dropWaiting();
    m_restart.start();
}

void VirtualPrinter::restarted()
{
    m_model.restarting = false;
    m_stream.reset();
    m_model.note(QStringLiteral("restarted"));
    faultsChanged();
    emit changed();
}
