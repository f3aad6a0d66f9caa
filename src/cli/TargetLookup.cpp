#include "cli/TargetLookup.h"

#include "link/DeviceIdentity.h"
#include "link/HostLookup.h"

void TargetLookup::start(const QList<Target> &targets, int limitMs, int most)
{
    m_most = std::max(1, most);
    for (const Target &target : targets) {
        if (target.address.kind() != LinkAddress::Kind::Network)
            continue;
        const QString host = target.address.host();
        if (QHostAddress(host).isNull() && !host.trimmed().isEmpty() &&
            !m_names.contains(host, Qt::CaseInsensitive))
            m_names << host;
    }
    m_limit.setSingleShot(true);
    connect(&m_limit, &QTimer::timeout, this, &TargetLookup::end);
    if (m_names.isEmpty()) {
        // Told from the event loop, as every answer.
        QTimer::singleShot(0, this, &TargetLookup::end);
        return;
    }
    m_limit.start(limitMs);
    startMore();
}

void TargetLookup::startMore()
{
    while (!m_ended && m_running.size() < m_most && !m_names.isEmpty()) {
        const QString name = m_names.takeFirst();
        m_found.insert(name.toLower(), {});
        auto *lookup = new HostLookup(this);
        m_running << lookup;
        connect(lookup, &HostLookup::found, this,
                [this, lookup, name](const QList<QHostAddress> &addresses) {
                    m_found[name.toLower()] = {true, addresses};
                    m_running.removeOne(lookup);
                    lookup->deleteLater();
                    startMore();
                    if (m_running.isEmpty())
                        end();
                });
        lookup->lookUp(name);
    }
}

void TargetLookup::end()
{
    if (m_ended)
        return;
    m_ended = true;
    m_limit.stop();
    // What is not answered now is let go of: its printer fails as the
    // connect limit has passed.
    for (HostLookup *lookup : std::as_const(m_running)) {
        lookup->abandon();
        lookup->deleteLater();
    }
    m_running.clear();
    emit finished();
}

QStringList TargetLookup::keys(const Target &target) const
{
    if (target.address.kind() != LinkAddress::Kind::Network)
        return {target.identity};
    const auto found = m_found.constFind(target.address.host().toLower());
    if (found == m_found.constEnd())
        return {target.identity};
    QStringList keys;
    for (const QHostAddress &address : found->addresses)
        keys << DeviceIdentity::ofNetwork(address.toString(), target.address.port());
    return keys;
}
