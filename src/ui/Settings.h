#pragma once

#include "link/Transfer.h"

#include <QByteArray>
#include <QString>
#include <QVariant>

#include <memory>

class LinkAddress;
class QSettings;
class SettingsFile;

// What the program remembers between runs, kept in the user's configuration
// folder, one group per subject. A file that cannot be read or parsed is
// ignored with a warning: every value then has its starting value, and the
// file is written afresh on the way out. One that is not a regular file of
// sane size, or may not be written (SettingsFile), is left as it is.
class Settings
{
public:
    Settings();
    ~Settings();
    Settings(const Settings &) = delete;
    Settings &operator=(const Settings &) = delete;

    // Where the values live: <configuration folder>/varimonde/varimonde-setup.conf.
    static QString filePath();
    // False when the file was there but could not be read or parsed.
    bool wasReadable() const { return m_readable; }

    // The main window's size and position, as QWidget::saveGeometry gives
    // them; empty before the first close.
    QByteArray windowGeometry() const;
    void setWindowGeometry(const QByteArray &geometry);

    // The kinds of file the file dialog is shown for, each with the folder
    // it was last shown in.
    enum class Folder { Firmware, Graphic, Format, Profile, Log };
    // The folder last chosen from, if it still exists; else the user's home.
    QString lastFolder(Folder kind) const;
    void setLastFolder(Folder kind, const QString &folder);

    // The printer link last applied or chosen on the Communication Settings
    // tab, each value as text so that it goes through the page's own checks
    // again on the next start; empty where nothing is remembered.
    struct Link {
        QString kind;           // "serial", "parallel", "usb" or "network"
        QString commPort;       // "COM3", or a device path
        QString serialSettings; // "9600,N,8,1"
        QString parallelPort;   // "LPT1" or "LPT2"
        QString usbDevice;      // "/dev/usb/lp0"
        QString networkHost;
        QString networkPort;
    };
    Link link() const;
    // How network printers are asked for their status over SNMP, from
    // [link] snmpCommunity and snmpPort; "public" and 161 unless set.
    QString snmpCommunity() const;
    quint16 snmpPort() const;
    // Remembers the link in force, every kind's values with it.
    void setLink(const LinkAddress &link);
    // How long a send waits for an answer and for progress, from [link]
    // stallLimit and busyLimit in seconds; a value missing or outside what
    // the window offers gives the default.
    Transfer::Limits transferLimits() const;
    void setTransferLimits(const Transfer::Limits &limits);

    // Every value back to its starting value, at once on disk too.
    void reset();
    // Writes pending changes now rather than on destruction.
    void sync();

protected:
    // For subjects added later: a value in `group`, or `fallback` when it
    // is missing or of another type than `fallback`.
    QVariant value(const QString &group, const QString &key, const QVariant &fallback) const;
    void setValue(const QString &group, const QString &key, const QVariant &value);

private:
    std::unique_ptr<SettingsFile> m_file;
    QSettings *m_store;
    bool m_readable = true;
};
