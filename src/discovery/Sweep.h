#pragma once

#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>

#include <variant>

class QTcpSocket;

// Looks for printers' raw ports by connecting to each address and port the
// user gave: at most `inFlight` connects at once, each given up after its
// timeout. Nothing is written on a connection; it is closed as soon as it
// is made.
class Sweep : public QObject
{
    Q_OBJECT
public:
    static constexpr int defaultInFlight = 128;
    static constexpr int defaultTimeoutMs = 1000;
    // A /22: a thousand addresses take about ten seconds.
    static constexpr int widestPrefix = 22;

    explicit Sweep(QObject *parent = nullptr);
    ~Sweep() override;

    // The hosts of a CIDR range ("10.0.0.0/24": its addresses without the
    // network and broadcast ones) or the one host written, or why not.
    static std::variant<QStringList, QString> hostsOf(const QString &written);

    void setPorts(const QList<quint16> &ports) { m_ports = ports; }
    void setInFlight(int count) { m_inFlight = std::max(1, count); }
    void setTimeoutMs(int ms) { m_timeoutMs = ms; }

    // Starts connecting; progress and found follow from the event loop.
    void start(const QStringList &hosts);
    // Drops every connect under way; finished follows.
    void stop();
    bool isRunning() const { return m_running; }
    int total() const { return int(m_hosts.size() * m_ports.size()); }
    int done() const { return m_done; }

signals:
    void found(const QString &host, quint16 port);
    void progress(int done, int total);
    void finished();

private:
    void startMore();
    void ended(QTcpSocket *socket);

    QList<quint16> m_ports{9100};
    int m_inFlight = defaultInFlight;
    int m_timeoutMs = defaultTimeoutMs;
    QStringList m_hosts;
    int m_next = 0; // host * ports + port index of the next connect
    int m_done = 0;
    QSet<QTcpSocket *> m_live;
    bool m_running = false;
};
