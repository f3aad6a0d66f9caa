#include "ui/Settings.h"

#include "common/SettingsFile.h"
#include "link/LinkAddress.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace
{

QString folderKey(Settings::Folder kind)
{
    switch (kind) {
    case Settings::Folder::Firmware:
        return QStringLiteral("firmware");
    case Settings::Folder::Graphic:
        return QStringLiteral("graphic");
    case Settings::Folder::Format:
        return QStringLiteral("format");
    case Settings::Folder::Profile:
        return QStringLiteral("profile");
    case Settings::Folder::Log:
        return QStringLiteral("log");
    }
    return QString();
}

const QString windowGroup = QStringLiteral("window");
const QString foldersGroup = QStringLiteral("folders");
const QString linkGroup = QStringLiteral("link");

} // namespace

Settings::Settings()
    : m_file(std::make_unique<SettingsFile>(filePath())), m_store(&m_file->store()),
      m_readable(m_file->wasRead())
{
    for (const Wording &warning : m_file->warnings())
        qWarning("varimonde-setup: %s", qPrintable(warning.shown()));
}

Settings::~Settings() = default;

QString Settings::filePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/varimonde/varimonde-setup.conf");
}

QVariant Settings::value(const QString &group, const QString &key, const QVariant &fallback) const
{
    const QVariant stored = m_store->value(group + QLatin1Char('/') + key);
    if (!stored.isValid() || !stored.canConvert(fallback.metaType()))
        return fallback;
    QVariant converted = stored;
    return converted.convert(fallback.metaType()) ? converted : fallback;
}

void Settings::setValue(const QString &group, const QString &key, const QVariant &value)
{
    m_store->setValue(group + QLatin1Char('/') + key, value);
}

QByteArray Settings::windowGeometry() const
{
    return value(windowGroup, QStringLiteral("geometry"), QByteArray()).toByteArray();
}

void Settings::setWindowGeometry(const QByteArray &geometry)
{
    setValue(windowGroup, QStringLiteral("geometry"), geometry);
}

QString Settings::lastFolder(Folder kind) const
{
    const QString folder = value(foldersGroup, folderKey(kind), QString()).toString();
    // Never the working directory: a relative or vanished folder gives home.
    if (QFileInfo(folder).isAbsolute() && QFileInfo(folder).isDir())
        return folder;
    return QDir::homePath();
}

void Settings::setLastFolder(Folder kind, const QString &folder)
{
    setValue(foldersGroup, folderKey(kind), folder);
}

Settings::Link Settings::link() const
{
    const auto text = [this](const char *key) {
        return value(linkGroup, QLatin1String(key), QString()).toString();
    };
    return {text("kind"),      text("commPort"),    text("serialSettings"), text("parallelPort"),
            text("usbDevice"), text("networkHost"), text("networkPort")};
}

QString Settings::snmpCommunity() const
{
    const QString community =
        value(linkGroup, QStringLiteral("snmpCommunity"), QString()).toString();
    return community.isEmpty() ? QStringLiteral("public") : community;
}

quint16 Settings::snmpPort() const
{
    bool ok = false;
    const uint port = value(linkGroup, QStringLiteral("snmpPort"), 161).toUInt(&ok);
    return ok && port >= 1 && port <= 65535 ? quint16(port) : quint16(161);
}

void Settings::setLink(const LinkAddress &link)
{
    setValue(linkGroup, QStringLiteral("kind"), LinkAddress::kindName(link.kind()));
    setValue(linkGroup, QStringLiteral("commPort"), link.serialPortName());
    setValue(linkGroup, QStringLiteral("serialSettings"), link.serialSettings().toText());
    setValue(linkGroup, QStringLiteral("parallelPort"), link.parallelName());
    setValue(linkGroup, QStringLiteral("usbDevice"), link.usbDevice());
    setValue(linkGroup, QStringLiteral("networkHost"), link.host());
    setValue(linkGroup, QStringLiteral("networkPort"), QString::number(link.port()));
}

Transfer::Limits Settings::transferLimits() const
{
    const auto limitMs = [this](const QString &key, int fallbackMs) {
        bool ok = false;
        const int seconds = value(linkGroup, key, fallbackMs / 1000).toInt(&ok);
        return ok && seconds >= shortestChosenLimitSeconds && seconds <= longestChosenLimitSeconds
                   ? seconds * 1000
                   : fallbackMs;
    };
    return {limitMs(QStringLiteral("stallLimit"), defaultStallLimitMs),
            limitMs(QStringLiteral("busyLimit"), defaultBusyLimitMs)};
}

void Settings::setTransferLimits(const Transfer::Limits &limits)
{
    setValue(linkGroup, QStringLiteral("stallLimit"), limits.stallLimitMs / 1000);
    setValue(linkGroup, QStringLiteral("busyLimit"), limits.busyLimitMs / 1000);
}

void Settings::reset()
{
    m_store->clear();
    m_file->sync();
}

void Settings::sync()
{
    m_file->sync();
}
