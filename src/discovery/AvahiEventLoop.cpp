#include "discovery/AvahiEventLoop.h"

#include <QSocketNotifier>
#include <QTimer>

#include <chrono>
#include <memory>

#include <sys/time.h>

namespace
{

// Gone with deleteLater(): the library may free a watch or a timeout from
// within its own callback, while the notifier or timer is still signalling.
template <typename T> void letGo(std::unique_ptr<T> &object)
{
    if (!object)
        return;
    object->disconnect();
    object.release()->deleteLater();
}

} // namespace

struct AvahiWatch {
    AvahiWatch(int socket, AvahiWatchCallback call, void *data)
        : fd(socket), callback(call), userdata(data)
    {
    }

    int fd;
    AvahiWatchCallback callback;
    void *userdata;
    // The events of the callback under way: the library asks during it.
    AvahiWatchEvent happened = AvahiWatchEvent(0);
    std::unique_ptr<QSocketNotifier> readable;
    std::unique_ptr<QSocketNotifier> writable;

    void fire(AvahiWatchEvent event)
    {
        happened = event;
        // May free this watch: nothing of it is touched afterwards.
        callback(this, fd, event, userdata);
    }

    void watch(std::unique_ptr<QSocketNotifier> &notifier, QSocketNotifier::Type type,
               AvahiWatchEvent event, bool wanted)
    {
        if (!wanted) {
            letGo(notifier);
            return;
        }
        if (!notifier) {
            notifier = std::make_unique<QSocketNotifier>(fd, type);
            QObject::connect(notifier.get(), &QSocketNotifier::activated, notifier.get(),
                             [this, event] { fire(event); });
        }
        notifier->setEnabled(true);
    }

    void update(AvahiWatchEvent events)
    {
        // A hang-up or error shows as readable: the library reads and learns.
        watch(readable, QSocketNotifier::Read, AVAHI_WATCH_IN,
              events & (AVAHI_WATCH_IN | AVAHI_WATCH_ERR | AVAHI_WATCH_HUP));
        watch(writable, QSocketNotifier::Write, AVAHI_WATCH_OUT, events & AVAHI_WATCH_OUT);
    }

    ~AvahiWatch()
    {
        letGo(readable);
        letGo(writable);
    }
};

struct AvahiTimeout {
    AvahiTimeoutCallback callback;
    void *userdata;
    std::unique_ptr<QTimer> timer = std::make_unique<QTimer>();

    AvahiTimeout(AvahiTimeoutCallback call, void *data) : callback(call), userdata(data)
    {
        timer->setSingleShot(true);
        // May free this timeout: nothing of it is touched afterwards.
        QObject::connect(timer.get(), &QTimer::timeout, timer.get(),
                         [this] { callback(this, userdata); });
    }

    // `when` is a time of day, as gettimeofday() gives it; none disables.
    void update(const struct timeval *when)
    {
        if (!when) {
            timer->stop();
            return;
        }
        timeval now{};
        ::gettimeofday(&now, nullptr);
        const long long ms =
            (when->tv_sec - now.tv_sec) * 1000LL + (when->tv_usec - now.tv_usec + 999) / 1000;
        timer->start(std::chrono::milliseconds(std::max(0LL, ms)));
    }

    ~AvahiTimeout() { letGo(timer); }
};

AvahiEventLoop::AvahiEventLoop()
{
    m_poll.userdata = this;
    m_poll.watch_new = [](const AvahiPoll *, int fd, AvahiWatchEvent events,
                          AvahiWatchCallback callback, void *userdata) {
        auto *watch = new AvahiWatch(fd, callback, userdata);
        watch->update(events);
        return watch;
    };
    m_poll.watch_update = [](AvahiWatch *watch, AvahiWatchEvent events) { watch->update(events); };
    m_poll.watch_get_events = [](AvahiWatch *watch) { return watch->happened; };
    m_poll.watch_free = [](AvahiWatch *watch) { delete watch; };
    m_poll.timeout_new = [](const AvahiPoll *, const struct timeval *when,
                            AvahiTimeoutCallback callback, void *userdata) {
        auto *timeout = new AvahiTimeout(callback, userdata);
        timeout->update(when);
        return timeout;
    };
    m_poll.timeout_update = [](AvahiTimeout *timeout, const struct timeval *when) {
        timeout->update(when);
    };
    m_poll.timeout_free = [](AvahiTimeout *timeout) { delete timeout; };
}
