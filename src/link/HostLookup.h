#pragma once

#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QString>

#include <memory>

// Looks a printer's name up without ever holding up the program: the
// system's resolver blocks for as long as its name server keeps silent
// (ten seconds and more), and cannot be stopped once it has begun. Here the
// questions go out on sockets the event loop watches, with timers for the
// name servers' silence; a lookup let go of is cancelled at once, and
// nothing is left to wait for at the program's end.
class HostLookup : public QObject
{
    Q_OBJECT
public:
    explicit HostLookup(QObject *parent = nullptr);
    ~HostLookup() override;

    // Starts looking `host` up; found() follows from the event loop.
    void lookUp(const QString &host);
    bool isRunning() const { return m_resolver != nullptr; }
    // Cancels the lookup under way: found() will not follow.
    void abandon();

    struct Resolver;

signals:
    // The addresses in the order the system prefers; none when the name
    // does not exist or cannot be looked up.
    void found(const QList<QHostAddress> &addresses);

private:
    void deliver(quint64 serial);

    std::unique_ptr<Resolver> m_resolver;
};
