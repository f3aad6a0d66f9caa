#pragma once

#include "virtual/VirtualPrinter.h"

#include <QTcpSocket>
#include <QTest>

// A raw client that sends `bytes` to a virtual printer and closes, as the
// utility's network link does.
inline void sendTo(VirtualPrinter &printer, const QByteArray &bytes)
{
    QTcpSocket socket;
    socket.connectToHost(printer.address(), printer.port());
    QTRY_COMPARE(socket.state(), QAbstractSocket::ConnectedState);
    socket.write(bytes);
    QTRY_COMPARE(socket.bytesToWrite(), 0);
    socket.disconnectFromHost();
    QTRY_VERIFY(socket.state() == QAbstractSocket::UnconnectedState);
}
