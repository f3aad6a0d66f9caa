#pragma once

#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QString>

#include <memory>

class QSocketNotifier;

// Looks a printer's name up without ever holding up the program: the
// system's resolver blocks for as long as its name server keeps silent
// (ten seconds and more), and no lookup can be stopped once it has begun.
// So it runs on a thread of its own that nothing waits for; a lookup let go
// of before it ends (destroying this object) is left to finish, and its
// result is dropped.
class HostLookup : public QObject
{
    Q_OBJECT
public:
    explicit HostLookup(QObject *parent = nullptr);
    ~HostLookup() override;

    // Starts looking `host` up; found() follows from the event loop.
    void lookUp(const QString &host);
    bool isRunning() const { return m_pending != nullptr; }
    // Lets go of the lookup under way: found() will not follow.
    void abandon();

    struct Pending;

signals:
    // The addresses in the order the system prefers; none when the name
    // does not exist.
    void found(const QList<QHostAddress> &addresses);

private:
    void collect();

    std::shared_ptr<Pending> m_pending;
    std::unique_ptr<QSocketNotifier> m_notifier;
};
