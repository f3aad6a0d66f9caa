#include "virtual/DnsSdAnnouncer.h"

#include <QTimer>
#include <avahi-client/client.h>
#include <avahi-client/publish.h>
#include <avahi-common/error.h>

DnsSdAnnouncer::DnsSdAnnouncer(Say say, QObject *parent)
    : QObject(parent), m_say(std::move(say)), m_loop(std::make_unique<AvahiEventLoop>())
{
    int error = 0;
    m_client = avahi_client_new(
        m_loop->poll(), AvahiClientFlags(0),
        reinterpret_cast<AvahiClientCallback>(&DnsSdAnnouncer::clientChanged), this, &error);
    if (!m_client) {
        m_say(QStringLiteral("DNS-SD: no Avahi daemon (%1); the printers are not announced")
                  .arg(QString::fromUtf8(avahi_strerror(error))));
        m_saidFailure = true;
        return;
    }
    m_group = avahi_entry_group_new(
        m_client, reinterpret_cast<AvahiEntryGroupCallback>(&DnsSdAnnouncer::groupChanged), this);
}

DnsSdAnnouncer::~DnsSdAnnouncer()
{
    if (m_client)
        avahi_client_free(m_client); // frees its groups too, before the loop goes
}

QString DnsSdAnnouncer::hostNameFor(const QHostAddress &address)
{
    QString host = address.toString();
    host.replace(QLatin1Char('.'), QLatin1Char('-')).replace(QLatin1Char(':'), QLatin1Char('-'));
    return QStringLiteral("varimonde-virtual-") + host + QStringLiteral(".local");
}

void DnsSdAnnouncer::announce(const QString &name, const QHostAddress &address, quint16 port,
                              const QString &serial)
{
    if (!m_group)
        return;
    const QByteArray host = hostNameFor(address).toUtf8();
    AvahiAddress avahiAddress;
    if (!avahi_address_parse(address.toString().toLatin1().constData(), AVAHI_PROTO_UNSPEC,
                             &avahiAddress))
        return;
    const QByteArray service = (QStringLiteral("Varimonde virtual printer ") + name).toUtf8();
    const QByteArray note = (QStringLiteral("note=serial ") + serial).toUtf8();
    int failed =
        avahi_entry_group_add_address(m_group, AVAHI_IF_UNSPEC, AVAHI_PROTO_UNSPEC,
                                      AvahiPublishFlags(0), host.constData(), &avahiAddress);
    if (!failed)
        failed = avahi_entry_group_add_service(
            m_group, AVAHI_IF_UNSPEC, AVAHI_PROTO_UNSPEC, AvahiPublishFlags(0), service.constData(),
            "_pdl-datastream._tcp", nullptr, host.constData(), port, "ty=Varimonde virtual printer",
            "product=(Varimonde virtual printer)", note.constData(), nullptr);
    if (failed) {
        if (!m_saidFailure)
            m_say(QStringLiteral("DNS-SD: %1 was not announced: %2")
                      .arg(name, QString::fromUtf8(avahi_strerror(failed))));
        m_saidFailure = true;
        return;
    }
    ++m_pending;
    // Committed soon, once for all the printers added meanwhile.
    QTimer::singleShot(0, this, [this] {
        if (m_pending > 0 && !avahi_entry_group_is_empty(m_group) &&
            avahi_entry_group_get_state(m_group) == AVAHI_ENTRY_GROUP_UNCOMMITED)
            avahi_entry_group_commit(m_group);
    });
}

void DnsSdAnnouncer::clientChanged(AvahiClient *, int state, void *self)
{
    auto *announcer = static_cast<DnsSdAnnouncer *>(self);
    if (state == AVAHI_CLIENT_FAILURE && !announcer->m_saidFailure) {
        announcer->m_saidFailure = true;
        announcer->m_say(QStringLiteral("DNS-SD: the Avahi daemon went away; announcements stop"));
    }
}

void DnsSdAnnouncer::groupChanged(AvahiEntryGroup *, int state, void *self)
{
    auto *announcer = static_cast<DnsSdAnnouncer *>(self);
    if (state == AVAHI_ENTRY_GROUP_ESTABLISHED) {
        announcer->m_announced += announcer->m_pending;
        announcer->m_pending = 0;
    } else if ((state == AVAHI_ENTRY_GROUP_COLLISION || state == AVAHI_ENTRY_GROUP_FAILURE) &&
               !announcer->m_saidFailure) {
        announcer->m_saidFailure = true;
        announcer->m_say(QStringLiteral("DNS-SD: the daemon refused the announcements"));
    }
}
