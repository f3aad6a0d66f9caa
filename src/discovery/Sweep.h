#pragma once

#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>

#include <variant>

class QTcpSocket;

// Looks for printers' raw ports by connecting to each address and port the
// user gave: at most `inFlight` sockets at once, a connect's counted until
// its socket is gone, each given up after its timeout. Nothing is written
// on a connection; it is closed as soon as it is made. A connect that
// cannot even begin for want of descriptors waits for one to be freed; only
// when none is open to free is it counted as untried.
class Sweep : public QObject
{
    Q_OBJECT
public:
    static constexpr int defaultInFlight = 128;
    static constexpr int defaultTimeoutMs = 1000;
    // A /22: a thousand addresses take about ten seconds.
    static constexpr int widestPrefix = 22;
    // Descriptors left for the rest of the program (SNMP, files, the
    // display) while the sweep runs.
    static constexpr int reservedDescriptors = 64;

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
    // Connects that could not be made at all: the sweep is incomplete.
    int untried() const { return m_untried; }

signals:
    void found(const QString &host, quint16 port);
    void progress(int done, int total);
    void finished();

private:
    void startMore();
    void ended(QTcpSocket *socket);
    void connectNext(int index);
    void scheduleMore();

    QList<quint16> m_ports{9100};
    int m_inFlight = defaultInFlight;
    int m_timeoutMs = defaultTimeoutMs;
    QStringList m_hosts;
    int m_next = 0; // host * ports + port index of the next connect
    int m_done = 0;
    int m_untried = 0;
    QList<int> m_again; // connects put back for want of a descriptor
    int m_open = 0;     // sockets not yet destroyed
    int m_room = 0;     // how many may be open now
    bool m_scheduled = false;
    QSet<QTcpSocket *> m_live; // connects under way
    bool m_running = false;
};
