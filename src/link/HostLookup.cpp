#include "link/HostLookup.h"

#include <QSocketNotifier>
#include <QTimer>
#include <QUrl>

#include <ares.h>

#include <chrono>
#include <map>
#include <mutex>

namespace
{

// Gone with deleteLater(): the library closes a socket from within its own
// processing, which a notifier of that socket may have started.
void letGo(std::unique_ptr<QSocketNotifier> &notifier)
{
    if (!notifier)
        return;
    notifier->setEnabled(false);
    notifier->disconnect();
    notifier.release()->deleteLater();
}

} // namespace

// One lookup: a channel of the library of its own, so that letting go of it
// cancels it alone, its sockets watched and its next timeout timed.
struct HostLookup::Resolver {
    HostLookup *owner;
    // Which lookup an answer told from the event loop belongs to.
    quint64 serial;
    ares_channel channel = nullptr;
    struct Watched {
        std::unique_ptr<QSocketNotifier> readable;
        std::unique_ptr<QSocketNotifier> writable;
    };
    std::map<ares_socket_t, Watched> sockets;
    QTimer timer;
    bool answered = false;
    QList<QHostAddress> addresses;

    explicit Resolver(HostLookup *to) : owner(to)
    {
        static quint64 made = 0;
        serial = ++made;
        static std::once_flag library;
        std::call_once(library, [] { ares_library_init(ARES_LIB_INIT_ALL); });
        timer.setSingleShot(true);
        QObject::connect(&timer, &QTimer::timeout, owner,
                         [this] { process(ARES_SOCKET_BAD, ARES_SOCKET_BAD); });
        ares_options options{};
        options.sock_state_cb = &Resolver::socketState;
        options.sock_state_cb_data = this;
        if (ares_init_options(&channel, &options, ARES_OPT_SOCK_STATE_CB) != ARES_SUCCESS)
            channel = nullptr;
    }

    ~Resolver()
    {
        // Ends the lookup under way (answered() hears it is gone) and closes
        // its sockets, which lets their notifiers go.
        if (channel)
            ares_destroy(channel);
        for (auto &[socket, watched] : sockets) {
            letGo(watched.readable);
            letGo(watched.writable);
        }
    }

    void start(const QByteArray &name)
    {
        ares_addrinfo_hints hints{};
        hints.ai_family = AF_UNSPEC;
        hints.ai_socktype = SOCK_STREAM;
        // May answer at once, from the hosts file.
        ares_getaddrinfo(channel, name.constData(), nullptr, &hints, &Resolver::answer, this);
        timeNext();
    }

    static void answer(void *data, int status, int, ares_addrinfo *result)
    {
        auto *resolver = static_cast<Resolver *>(data);
        // Destroyed or cancelled: nobody waits for it.
        if (status == ARES_EDESTRUCTION || status == ARES_ECANCELLED) {
            ares_freeaddrinfo(result);
            return;
        }
        if (status == ARES_SUCCESS && result) {
            for (const ares_addrinfo_node *node = result->nodes; node; node = node->ai_next) {
                const QHostAddress address(node->ai_addr);
                if (!address.isNull() && !resolver->addresses.contains(address))
                    resolver->addresses << address;
            }
        }
        ares_freeaddrinfo(result);
        resolver->answered = true;
        // Told from the event loop: a receiver may start another lookup,
        // which ends this channel, and that must not happen inside it.
        QMetaObject::invokeMethod(
            resolver->owner,
            [owner = resolver->owner, serial = resolver->serial] { owner->deliver(serial); },
            Qt::QueuedConnection);
    }

    static void socketState(void *data, ares_socket_t socket, int readable, int writable)
    {
        auto *resolver = static_cast<Resolver *>(data);
        Watched &watched = resolver->sockets[socket];
        resolver->watch(watched.readable, socket, QSocketNotifier::Read, readable);
        resolver->watch(watched.writable, socket, QSocketNotifier::Write, writable);
        if (!readable && !writable)
            resolver->sockets.erase(socket);
    }

    void watch(std::unique_ptr<QSocketNotifier> &notifier, ares_socket_t socket,
               QSocketNotifier::Type type, bool wanted)
    {
        if (!wanted) {
            letGo(notifier);
            return;
        }
        if (!notifier) {
            notifier = std::make_unique<QSocketNotifier>(socket, type);
            QObject::connect(notifier.get(), &QSocketNotifier::activated, owner,
                             [this, socket, type] {
                                 if (type == QSocketNotifier::Read)
                                     process(socket, ARES_SOCKET_BAD);
                                 else
                                     process(ARES_SOCKET_BAD, socket);
                             });
        }
        notifier->setEnabled(true);
    }

    void process(ares_socket_t readable, ares_socket_t writable)
    {
        ares_process_fd(channel, readable, writable);
        timeNext();
    }

    // The library's next timeout (a name server's silence), if any.
    void timeNext()
    {
        timeval wait{};
        if (answered || !ares_timeout(channel, nullptr, &wait)) {
            timer.stop();
            return;
        }
        const auto ms = std::chrono::milliseconds(wait.tv_sec * 1000 + (wait.tv_usec + 999) / 1000);
        timer.start(ms);
    }
};

HostLookup::HostLookup(QObject *parent) : QObject(parent) {}

HostLookup::~HostLookup() = default;

void HostLookup::abandon()
{
    m_resolver.reset();
}

void HostLookup::lookUp(const QString &host)
{
    abandon();
    m_resolver = std::make_unique<Resolver>(this);
    // A name no server could know (an empty label, say) asks none.
    const QByteArray name = QUrl::toAce(host);
    if (name.isEmpty() || !m_resolver->channel) {
        m_resolver->answered = true;
        QMetaObject::invokeMethod(
            this, [this, serial = m_resolver->serial] { deliver(serial); }, Qt::QueuedConnection);
        return;
    }
    m_resolver->start(name);
}

void HostLookup::deliver(quint64 serial)
{
    // One let go of meanwhile, or replaced by another.
    if (!m_resolver || m_resolver->serial != serial)
        return;
    const QList<QHostAddress> addresses = m_resolver->addresses;
    m_resolver.reset();
    emit found(addresses);
}
