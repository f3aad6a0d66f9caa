#pragma once

#include "virtual/CommandStream.h"
#include "virtual/PrinterModel.h"

#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QTcpServer>
#include <QTimer>

#include <memory>

class QTcpSocket;
class SnmpAgent;

// One virtual printer on the network: its raw port, taking one connection
// at a time as a printer does (the others wait their turn), at the pace and
// with the faults its model gives, and its SNMP agent on the same address.
class VirtualPrinter : public QObject
{
    Q_OBJECT
public:
    VirtualPrinter(const QHostAddress &address, quint16 port, QObject *parent = nullptr);
    // A printer with no network port, fed by a link of its own.
    explicit VirtualPrinter(const QString &name, QObject *parent = nullptr);
    ~VirtualPrinter() override;

    PrinterModel &model() { return m_model; }
    const PrinterModel &model() const { return m_model; }
    QHostAddress address() const { return m_address; }
    quint16 port() const { return m_port; }
    quint16 snmpPort() const;
    // Where the utility finds it: "127.0.1.5:9100", or a serial line's path
    // and settings.
    QString link() const { return m_link; }
    void setLink(const QString &link) { m_link = link; }
    // The SNMP agent, while it runs.
    SnmpAgent *snmpAgent() const { return m_agent.get(); }

    // Opens the raw port; false with why when it cannot.
    bool listen(QString *failure);
    bool startSnmp(quint16 port, QString *failure);
    // How long a restart after a firmware image keeps the printer away.
    void setRestartMs(int ms) { m_restart.setInterval(ms); }

    // The model's faults have changed: the port opens or closes, reading
    // speeds up, slows down or stops.
    void faultsChanged();

    // Bytes that reached the printer through a link of its own (a serial
    // line); `connectionEnds` after a quiet spell.
    void receive(const QByteArray &bytes);
    void connectionBegins() { m_stream.beginConnection(); }
    void connectionEnds() { m_stream.endConnection(); }

signals:
    void changed();
    void graphicStored(const QString &name);

private:
    void accepted();
    void activateNext();
    void pump();
    void activeEnded();
    void closeActive();
    // Lets a connection go at once.
    void let(QTcpSocket *socket);
    void dropWaiting();
    void resetActive();
    void dropAll();
    void restart();
    void restarted();
    void command(const PrinterCommand &command);

    QHostAddress m_address;
    quint16 m_port;
    QString m_link;
    PrinterModel m_model;
    CommandStream m_stream;
    QTcpServer m_server;
    QTcpSocket *m_active = nullptr;
    bool m_activeClosed = false;
    qint64 m_taken = 0;  // bytes of the active connection taken
    qint64 m_credit = 0; // bytes a slow printer may still take this tick
    QList<QTcpSocket *> m_waiting;
    QTimer m_pace;
    QTimer m_restart;
    std::unique_ptr<SnmpAgent> m_agent;
};
