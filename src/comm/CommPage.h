#pragma once

#include "link/LinkAddress.h"
#include "link/PortDiscovery.h"
#include "link/Transfer.h"
#include "ui/PageServices.h"

#include <QFileSystemWatcher>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <memory>

class QRadioButton;

namespace Ui
{
class CommPage;
}

// The Communication Settings tab: chooses the link (serial, parallel, USB
// printer or network), the serial port and line settings, the parallel
// device, the USB printer and the network printer's address. It changes
// only the link state; nothing is opened or sent here.
class CommPage : public QWidget
{
    Q_OBJECT
public:
    using SerialPortLister = std::function<QList<PortDiscovery::SerialPortEntry>()>;

    explicit CommPage(PageServices services, QWidget *parent = nullptr);
    ~CommPage() override;

    // The starting link again, as on the first start: serial COM1
    // 9600,N,8,1, LPT1, the first USB printer, no network printer on port
    // 9100. Nothing is remembered by this.
    void resetLink();

    // Where USB printers appear as devices (/dev/usb) and where each tells
    // its maker and model (/sys/class/usbmisc), for this page and the
    // link's messages; the devices are watched.
    void setUsbRoots(const QString &devRoot, const QString &sysRoot);
    // Where the serial ports offered in the COM list come from.
    void setSerialPortLister(SerialPortLister lister);

private:
    // The option that chooses a kind of link, and the choice itself.
    QRadioButton *linkOption(LinkAddress::Kind kind) const;
    void chooseLink(LinkAddress::Kind kind);
    // Shows the panel of a kind of link, without choosing it.
    void showPanel(LinkAddress::Kind kind);
    void fillLists();
    void connectControls();
    // Nothing here may be used while the window is busy.
    void updateEnabled();
    // Each apply checks the values shown and returns whether the link took
    // them. `remembered` names a remembered value being restored: a refusal
    // is then a note on stderr, not a box, and the start goes on.
    bool applySerialSettings(const QString &remembered = QString());
    bool applyParallelDevice(const QString &remembered = QString());
    bool applyNetworkPrinter(const QString &remembered = QString());
    void refuse(const QString &remembered, const QString &message);
    // The link as the last run left it, through the applies above.
    void restoreLink();
    // Writes the link in force to the settings, after the user's choice.
    void rememberLink();
    void showSerialTexts(const QStringList &texts);
    // The limits shown and in force on the link, without remembering them.
    void showLimits(const Transfer::Limits &limits);
    void refreshSerialPorts();
    // Lists the USB printers there are. The one the link holds stays chosen
    // while it is unplugged, shown as not connected, and is taken back when
    // it returns; a link with none takes the first that appears.
    void refreshUsbPrinters();
    void watchUsbRoots();
    QStringList serialTexts() const;
    // Whether the network address shown is in force, and is the link when
    // its panel is shown.
    bool networkApplied() const;
    void showWhatIsApplied();
    // The change the panel shown holds and the link does not, named; empty
    // when there is none. The next send asks about it.
    QString unappliedChange() const;
    bool applyShownChange();

    std::unique_ptr<Ui::CommPage> ui;
    PageServices m_services;
    SerialPortLister m_serialPorts;
    QFileSystemWatcher m_usbWatcher;
    // Whether the USB printer the link holds was there at the last look.
    bool m_usbPrinterThere = false;
    // The texts of the serial fields and of the network fields last applied.
    QStringList m_appliedSerial;
    QStringList m_appliedNetwork;
};
