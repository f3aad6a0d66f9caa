#include "link/HostLookup.h"

#include <QHostInfo>
#include <QSocketNotifier>
#include <QUrl>

#include <mutex>
#include <system_error>
#include <thread>

#ifdef Q_OS_LINUX
#include <netdb.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

// What the lookup's thread and this object share: whichever lets go last
// closes the descriptor that wakes the event loop.
struct HostLookup::Pending {
    std::mutex mutex;
    QList<QHostAddress> addresses;
    int wake = -1;

    ~Pending()
    {
#ifdef Q_OS_LINUX
        if (wake >= 0)
            ::close(wake);
#endif
    }
};

HostLookup::HostLookup(QObject *parent) : QObject(parent) {}

// The thread keeps its share of what it writes into; nothing here waits.
HostLookup::~HostLookup() = default;

void HostLookup::abandon()
{
    m_notifier.reset();
    m_pending.reset();
}

void HostLookup::lookUp(const QString &host)
{
    abandon();
    m_pending = std::make_shared<Pending>();
#ifdef Q_OS_LINUX
    m_pending->wake = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (m_pending->wake >= 0) {
        m_notifier = std::make_unique<QSocketNotifier>(m_pending->wake, QSocketNotifier::Read);
        connect(m_notifier.get(), &QSocketNotifier::activated, this, &HostLookup::collect);
        // A name no server could know (an empty label, say) asks none.
        const QByteArray name = QUrl::toAce(host);
        if (name.isEmpty()) {
            ::eventfd_write(m_pending->wake, 1);
            return;
        }
        try {
            std::thread([pending = m_pending, name] {
                addrinfo hints{};
                hints.ai_family = AF_UNSPEC;
                hints.ai_socktype = SOCK_STREAM;
                addrinfo *result = nullptr;
                QList<QHostAddress> addresses;
                if (::getaddrinfo(name.constData(), nullptr, &hints, &result) == 0) {
                    for (const addrinfo *entry = result; entry; entry = entry->ai_next) {
                        const QHostAddress address(entry->ai_addr);
                        if (!address.isNull() && !addresses.contains(address))
                            addresses << address;
                    }
                    ::freeaddrinfo(result);
                }
                const std::lock_guard<std::mutex> lock(pending->mutex);
                pending->addresses = std::move(addresses);
                ::eventfd_write(pending->wake, 1);
            }).detach();
        } catch (const std::system_error &) {
            // No thread to be had: the lookup never ends, and the caller's
            // time limit says so.
        }
        return;
    }
#endif
    // Elsewhere the system's own asynchronous lookup serves.
    QHostInfo::lookupHost(host, this, [this, pending = m_pending](const QHostInfo &info) {
        if (m_pending != pending)
            return;
        m_pending.reset();
        emit found(info.addresses());
    });
}

void HostLookup::collect()
{
    QList<QHostAddress> addresses;
    {
        const std::lock_guard<std::mutex> lock(m_pending->mutex);
        addresses = m_pending->addresses;
    }
    // Off before the descriptor may close; gone once its signal has returned.
    m_notifier->setEnabled(false);
    m_notifier.release()->deleteLater();
    m_pending.reset();
    emit found(addresses);
}
