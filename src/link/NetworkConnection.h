#pragma once

#include "link/Connection.h"
#include "link/HostLookup.h"

#include <QElapsedTimer>
#include <QTcpSocket>
#include <QTimer>

// A raw TCP connection to a network printer's print port (9100 on most),
// opened for one send and closed after it.
class NetworkConnection : public Connection
{
    Q_OBJECT
public:
    NetworkConnection(QString host, quint16 port, int connectTimeoutMs = defaultConnectTimeoutMs);
    ~NetworkConnection() override;

    // "host:port", an IPv6 address in brackets.
    QString name() const override;
    void open() override;
    Written write(QByteArrayView bytes) override;
    qint64 queued() const override;
    qint64 unsent() const override;
    SendOutcome linkFailure() const override;
    FailureCode writeFailureCode() const override { return FailureCode::PortWriteFailed; }
    Failure stalled(int limitMs) const override;
    std::optional<qint64> silentMs() override;
    Failure unanswered(int limitMs, qint64 delivered) const override;
    Failure tookNoData(int limitMs, qint64 delivered) const override;
    SendOutcome close() override;
    void discard() override;
    QString textFailureText() const override;
    QString textFailureTitle() const override;

    static constexpr int defaultConnectTimeoutMs = 5000;

    static QString displayName(const QString &host, quint16 port);
    // Why the printer named `host` cannot be reached: the name is not
    // known, or was not found within the connect limit.
    static Failure nameFailure(const QString &host, quint16 port, bool timedOut,
                               int connectTimeoutMs);

private:
    // An orderly close sends what is queued and ends with a FIN; otherwise
    // the close is a reset that drops it.
    void lingerOnClose(bool orderly);
    // Keeps what the system holds beyond the printer's window small.
    void boundUnsent();
    // Ends the open: connected, refused, timed out or interrupted.
    void endOpening();
    Failure openFailure() const;
    // Connects to the next address the name gave; false when none is left.
    bool connectToNext();
    // Looks whether the printer has acknowledged more of what the system
    // holds for it.
    void watchAcknowledgements();
    void watchAcknowledgementsSoon();

    QString m_host;
    quint16 m_port;
    int m_connectTimeoutMs;
    QTcpSocket m_socket;
    HostLookup m_lookup;
    QList<QHostAddress> m_addresses; // still to try
    bool m_timedOut = false;
    bool m_notFound = false;
    bool m_opening = false;
    QTimer m_connectTimer;
    QTimer m_ackWatch;
    qint64 m_lastUnsent = -1;
    // Since when a question to the printer (bytes in flight, a window
    // probe) has been seen waiting for its answer.
    QElapsedTimer m_asking;
};
