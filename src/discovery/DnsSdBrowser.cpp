#include "discovery/DnsSdBrowser.h"

#include "discovery/AvahiEventLoop.h"

#include <QMetaObject>
#include <QPointer>

#include <avahi-client/client.h>
#include <avahi-client/lookup.h>
#include <avahi-common/error.h>
#include <avahi-common/malloc.h>

namespace
{

const char *const types[] = {DnsSdService::rawType, "_printer._tcp", "_ipp._tcp"};

QString txtValue(AvahiStringList *txt, const char *key)
{
    AvahiStringList *pair = avahi_string_list_find(txt, key);
    if (!pair)
        return {};
    char *name = nullptr;
    char *value = nullptr;
    size_t size = 0;
    QString text;
    if (avahi_string_list_get_pair(pair, &name, &value, &size) == 0 && value)
        text = QString::fromUtf8(value, int(size)).trimmed();
    avahi_free(name);
    avahi_free(value);
    return text;
}

QString makeModelOf(AvahiStringList *txt)
{
    const QString maker = txtValue(txt, "usb_MFG");
    const QString model = txtValue(txt, "usb_MDL");
    if (!maker.isEmpty() || !model.isEmpty())
        return QStringList{maker, model}.join(QLatin1Char(' ')).trimmed();
    if (const QString type = txtValue(txt, "ty"); !type.isEmpty())
        return type;
    QString product = txtValue(txt, "product");
    // Announced in parentheses by convention: "(Model 4)".
    if (product.startsWith(QLatin1Char('(')) && product.endsWith(QLatin1Char(')')))
        product = product.mid(1, product.size() - 2);
    return product;
}

} // namespace

struct DnsSdBrowser::Impl {
    QPointer<DnsSdBrowser> owner;
    AvahiEventLoop loop;
    AvahiClient *client = nullptr;
    int pendingBrowsers = 0;

    // Told from the event loop, not from within the library's callback: a
    // receiver may stop browsing, which frees the client.
    template <typename F> void post(F call)
    {
        QPointer<DnsSdBrowser> to = owner;
        QMetaObject::invokeMethod(
            owner.data(),
            [to, call] {
                if (to)
                    call(to.data());
            },
            Qt::QueuedConnection);
    }

    static void resolved(AvahiServiceResolver *resolver, AvahiIfIndex, AvahiProtocol,
                         AvahiResolverEvent event, const char *name, const char *type, const char *,
                         const char *host, const AvahiAddress *address, uint16_t port,
                         AvahiStringList *txt, AvahiLookupResultFlags, void *data)
    {
        auto *impl = static_cast<Impl *>(data);
        if (event == AVAHI_RESOLVER_FOUND && address) {
            char text[AVAHI_ADDRESS_STR_MAX];
            avahi_address_snprint(text, sizeof text, address);
            DnsSdService service{QString::fromUtf8(type),
                                 QString::fromUtf8(name),
                                 QString::fromUtf8(host),
                                 QString::fromUtf8(text),
                                 port,
                                 makeModelOf(txt)};
            impl->post([service](DnsSdBrowser *to) { emit to->found(service); });
        }
        avahi_service_resolver_free(resolver);
    }

    static void browsed(AvahiServiceBrowser *, AvahiIfIndex interface, AvahiProtocol protocol,
                        AvahiBrowserEvent event, const char *name, const char *type,
                        const char *domain, AvahiLookupResultFlags, void *data)
    {
        auto *impl = static_cast<Impl *>(data);
        switch (event) {
        case AVAHI_BROWSER_NEW:
            // IPv4 only: an address the sweep and SNMP also reach.
            avahi_service_resolver_new(impl->client, interface, protocol, name, type, domain,
                                       AVAHI_PROTO_INET, AvahiLookupFlags(0), resolved, impl);
            break;
        case AVAHI_BROWSER_ALL_FOR_NOW:
            if (--impl->pendingBrowsers == 0)
                impl->post([](DnsSdBrowser *to) { emit to->settled(); });
            break;
        case AVAHI_BROWSER_FAILURE: {
            const QString reason =
                QString::fromUtf8(avahi_strerror(avahi_client_errno(impl->client)));
            impl->post([reason](DnsSdBrowser *to) {
                emit to->failed(Wording::of(
                    QT_TRANSLATE_NOOP("Failure", "DNS-SD browsing failed: %1"), {reason}));
            });
            break;
        }
        default:
            break;
        }
    }

    static void clientChanged(AvahiClient *client, AvahiClientState state, void *data)
    {
        auto *impl = static_cast<Impl *>(data);
        if (state == AVAHI_CLIENT_FAILURE) {
            const QString reason = QString::fromUtf8(avahi_strerror(avahi_client_errno(client)));
            impl->post([reason](DnsSdBrowser *to) {
                emit to->failed(Wording::of(
                    QT_TRANSLATE_NOOP("Failure", "DNS-SD: the Avahi daemon went away (%1)"),
                    {reason}));
            });
        }
    }

    ~Impl()
    {
        // Freeing the client frees its browsers and resolvers, and all it
        // watched through the loop.
        if (client)
            avahi_client_free(client);
    }
};

DnsSdBrowser::DnsSdBrowser(QObject *parent) : QObject(parent) {}

DnsSdBrowser::~DnsSdBrowser() = default;

bool DnsSdBrowser::start()
{
    stop();
    auto impl = std::make_unique<Impl>();
    impl->owner = this;
    int error = 0;
    impl->client = avahi_client_new(impl->loop.poll(), AvahiClientFlags(0), Impl::clientChanged,
                                    impl.get(), &error);
    if (!impl->client) {
        emit failed(
            error == AVAHI_ERR_NO_DAEMON
                ? Wording::of(QT_TRANSLATE_NOOP(
                      "Failure", "DNS-SD is not available: no Avahi daemon runs; looking the other "
                                 "ways."))
                : Wording::of(QT_TRANSLATE_NOOP("Failure", "DNS-SD is not available: %1; "
                                                           "looking the other ways."),
                              {QString::fromUtf8(avahi_strerror(error))}));
        return false;
    }
    for (const char *type : types) {
        if (avahi_service_browser_new(impl->client, AVAHI_IF_UNSPEC, AVAHI_PROTO_INET, type,
                                      nullptr, AvahiLookupFlags(0), Impl::browsed, impl.get()))
            ++impl->pendingBrowsers;
    }
    m_impl = std::move(impl);
    return true;
}

void DnsSdBrowser::stop()
{
    m_impl.reset();
}
