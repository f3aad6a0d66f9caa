#pragma once

#include <QHostAddress>
#include <QObject>
#include <QString>
#include <QTimer>

#include "discovery/AvahiEventLoop.h"

#include <functional>
#include <memory>

// Announces printers' raw ports as _pdl-datastream._tcp through the Avahi
// daemon, each under a host name of its own that points at its address.
// Without a daemon it says so once and the printers run unannounced.
class DnsSdAnnouncer : public QObject
{
    Q_OBJECT
public:
    using Say = std::function<void(const QString &)>;
    explicit DnsSdAnnouncer(Say say, QObject *parent = nullptr);
    ~DnsSdAnnouncer() override;

    bool isRunning() const { return m_client != nullptr; }
    // Adds one printer; announced once the daemon has taken it.
    void announce(const QString &name, const QHostAddress &address, quint16 port,
                  const QString &serial);
    int announced() const { return m_announced; }

    static QString hostNameFor(const QHostAddress &address);

private:
    static void clientChanged(struct AvahiClient *client, int state, void *self);
    static void groupChanged(struct AvahiEntryGroup *group, int state, void *self);

    Say m_say;
    std::unique_ptr<AvahiEventLoop> m_loop;
    struct AvahiClient *m_client = nullptr;
    struct AvahiEntryGroup *m_group = nullptr;
    bool m_saidFailure = false;
    int m_pending = 0;
    int m_announced = 0;
};
