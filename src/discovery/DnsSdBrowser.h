#pragma once

#include "common/Wording.h"

#include <QObject>
#include <QString>

#include <memory>

// One service a printer announced, resolved to its address.
struct DnsSdService {
    QString type; // "_pdl-datastream._tcp", "_printer._tcp", "_ipp._tcp"
    QString name; // the instance name
    QString host; // the host name announced
    QString address;
    quint16 port = 0;
    QString makeModel; // from the TXT record: ty, product, usb_MFG and usb_MDL

    // Only the raw port takes a label printer's bytes; the others only
    // name the printer.
    bool isRawPort() const { return type == QLatin1String(rawType); }
    static constexpr const char *rawType = "_pdl-datastream._tcp";
};

// Browses the local network's DNS-SD announcements of printers through the
// system's Avahi daemon, in the program's event loop; what it finds is told
// from the event loop.
class DnsSdBrowser : public QObject
{
    Q_OBJECT
public:
    explicit DnsSdBrowser(QObject *parent = nullptr);
    ~DnsSdBrowser() override;

    // Starts browsing; false (and failed()) when no daemon answers.
    bool start();
    void stop();
    bool isRunning() const { return m_impl != nullptr; }

signals:
    void found(const DnsSdService &service);
    // Browsing cannot go on: the reason, said once.
    void failed(const Wording &reason);
    // Every browser has listed what the network holds now; more may follow.
    void settled();

public:
    struct Impl;

private:
    std::unique_ptr<Impl> m_impl;
};
