#pragma once

#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>

// A printer's raw port on a loopback address that takes every byte sent to
// it, over any number of connections, and keeps them.
struct LoopbackPrinter : QTcpServer {
    explicit LoopbackPrinter(const QString &address = "127.0.0.1", quint16 port = 0)
    {
        listening = listen(QHostAddress(address), port);
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *peer = nextPendingConnection())
                connect(peer, &QTcpSocket::readyRead, this,
                        [this, peer] { received += peer->readAll(); });
        });
    }
    QString target() const
    {
        return QStringLiteral("tcp://%1:%2").arg(serverAddress().toString()).arg(serverPort());
    }
    bool listening = false;
    QByteArray received;
};
