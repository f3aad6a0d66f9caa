#include "comm/CommPage.h"

#include "comm/FindPrintersDialog.h"
#include "common/NumberText.h"
#include "link/PrinterLink.h"
#include "operation/OperationBuilders.h"
#include "ui/BusyIndicators.h"
#include "ui/ComboLists.h"
#include "ui/Dialogs.h"
#include "ui/SendPresenter.h"
#include "ui/Settings.h"
#include "ui_CommPage.h"

#include <QDir>
#include <QFileInfo>
#include <QSpinBox>

namespace
{

using Kind = LinkAddress::Kind;

// The serial fields on the first start: port, baud, parity, data and stop bits.
const QStringList startingSerial = {QStringLiteral("1"), QStringLiteral("9600"),
                                    QStringLiteral("N"), QStringLiteral("8"), QStringLiteral("1")};
const QString startingParallel = QStringLiteral("LPT1");

// Changes the link's address as `change` does, unless it refuses.
template <typename Change> std::optional<Failure> changeAddress(PrinterLink &link, Change change)
{
    LinkAddress address = link.address();
    std::optional<Failure> failure;
    if constexpr (std::is_void_v<decltype(change(address))>)
        change(address);
    else
        failure = change(address);
    if (!failure)
        link.setAddress(address);
    return failure;
}

} // namespace

CommPage::CommPage(PageServices services, QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::CommPage>()), m_services(services),
      m_serialPorts([this] { return PortDiscovery::serialPorts(m_services.link.portNames()); })
{
    ui->setupUi(this);
    for (QSpinBox *limit : {ui->StallLimitSpin, ui->BusyLimitSpin})
        limit->setRange(shortestChosenLimitSeconds, longestChosenLimitSeconds);
    ui->StallLimitSpin->setToolTip(
        tr("A send fails when the printer gives no answer at all for this long: it is off, "
           "or the line is cut."));
    ui->BusyLimitSpin->setToolTip(
        tr("A send fails when the printer still answers but takes no data for this long: "
           "check paper, ribbon and the printer's display."));
    connectControls();
    chooseLink(Kind::Serial);
    linkOption(Kind::Serial)->setChecked(true);
    fillLists();
    m_appliedSerial = serialTexts();
    m_appliedNetwork = {QString(), ui->NetPortTxt->text()};
    refreshUsbPrinters();
    watchUsbRoots();
    restoreLink();
    showWhatIsApplied();
    // Every page's send asks about a change shown here but not applied.
    m_services.printer.setUnappliedLink(
        {[this] { return unappliedChange(); }, [this] { return applyShownChange(); }});
}

CommPage::~CommPage() = default;

void CommPage::fillLists()
{
    ComboLists::fill(ui->ParallelCombo, {QStringLiteral("LPT1"), QStringLiteral("LPT2")},
                     startingParallel);
    // The ports that exist are looked up when the list opens, not at start.
    ComboLists::fill(ui->SPortCombo, {}, startingSerial[0]);
    ComboLists::fill(ui->SBaudCombo,
                     {QStringLiteral("300"), QStringLiteral("1200"), QStringLiteral("2400"),
                      QStringLiteral("9600")},
                     startingSerial[1]);
    ComboLists::fill(ui->SBitsCombo,
                     {QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("6"),
                      QStringLiteral("7"), QStringLiteral("8")},
                     startingSerial[3]);
    ComboLists::fill(ui->SParityCombo,
                     {QStringLiteral("N"), QStringLiteral("O"), QStringLiteral("E")},
                     startingSerial[2]);
    ComboLists::fill(ui->SSTOPBITCOMBO, {QStringLiteral("1"), QStringLiteral("2")},
                     startingSerial[4]);
}

void CommPage::connectControls()
{
    // What the user chooses or applies is remembered for the next run; a
    // refused value is not.
    // A network printer has no address in force until Apply: its choice
    // only shows its panel, as an edit of the others does.
    for (const Kind kind : {Kind::Serial, Kind::Parallel, Kind::UsbPrinter})
        connect(linkOption(kind), &QRadioButton::clicked, this, [this, kind] {
            chooseLink(kind);
            rememberLink();
        });
    connect(linkOption(Kind::Network), &QRadioButton::clicked, this, [this] {
        showPanel(Kind::Network);
        showWhatIsApplied();
    });
    const auto remembering = [this](bool (CommPage::*apply)(const QString &)) {
        return [this, apply] {
            if ((this->*apply)(QString()))
                rememberLink();
        };
    };
    const auto applySerial = remembering(&CommPage::applySerialSettings);
    const auto applyParallel = remembering(&CommPage::applyParallelDevice);
    const auto applyNetwork = remembering(&CommPage::applyNetworkPrinter);
    connect(ui->SApplyCmd_0, &QPushButton::clicked, this, applySerial);
    connect(ui->SApplyCmd_1, &QPushButton::clicked, this, applyParallel);
    // Every keystroke and every choice from the list applies the device;
    // only a device taken is remembered.
    connect(ui->ParallelCombo, &QComboBox::editTextChanged, this, applyParallel);
    connect(ui->ParallelCombo, &QComboBox::activated, this, applyParallel);

    connect(ui->SPortCombo, &PortCombo::aboutToShowPopup, this, &CommPage::refreshSerialPorts);
    for (QComboBox *field : {static_cast<QComboBox *>(ui->SPortCombo), ui->SBaudCombo,
                             ui->SParityCombo, ui->SBitsCombo, ui->SSTOPBITCOMBO}) {
        connect(field, &QComboBox::editTextChanged, this, &CommPage::showWhatIsApplied);
        // Enter applies, as on the network panel.
        if (field->lineEdit())
            connect(field->lineEdit(), &QLineEdit::returnPressed, this, applySerial);
    }

    connect(ui->UsbCombo, &PortCombo::aboutToShowPopup, this, &CommPage::refreshUsbPrinters);
    connect(ui->UsbCombo, &QComboBox::currentIndexChanged, this, [this] {
        const QString device = ui->UsbCombo->currentData().toString();
        changeAddress(m_services.link, [&](LinkAddress &address) { address.setUsbDevice(device); });
        rememberLink();
    });
    // A printer plugged in or out adds or removes its device; /dev/usb itself
    // comes with the first USB printer and goes with the last.
    connect(&m_usbWatcher, &QFileSystemWatcher::directoryChanged, this, [this] {
        watchUsbRoots();
        refreshUsbPrinters();
    });

    // The limits take effect for the next send as they are changed, and
    // are remembered with the link.
    for (QSpinBox *limit : {ui->StallLimitSpin, ui->BusyLimitSpin})
        connect(limit, &QSpinBox::valueChanged, this, [this] {
            const Transfer::Limits limits{ui->StallLimitSpin->value() * 1000,
                                          ui->BusyLimitSpin->value() * 1000};
            m_services.link.setLimits(limits);
            m_services.settings.setTransferLimits(limits);
            m_services.settings.sync();
        });

    connect(ui->NetApplyCmd, &QPushButton::clicked, this, applyNetwork);
    connect(ui->FindPrintersCmd, &QPushButton::clicked, this, [this, applyNetwork] {
        auto *dialog = new FindPrintersDialog(m_services.window);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        SnmpOptions snmp;
        snmp.community = m_services.settings.snmpCommunity();
        snmp.port = m_services.settings.snmpPort();
        dialog->setSnmpOptions(snmp);
        connect(dialog, &FindPrintersDialog::printerRead, this, &CommPage::printerRead);
        connect(dialog, &FindPrintersDialog::chosen, this,
                [this, applyNetwork](const QString &address, quint16 port) {
                    ui->NetHostTxt->setText(address);
                    ui->NetPortTxt->setText(QString::number(port));
                    applyNetwork();
                });
        dialog->open();
    });
    connect(ui->NetHostTxt, &QLineEdit::returnPressed, this, applyNetwork);
    connect(ui->NetPortTxt, &QLineEdit::returnPressed, this, applyNetwork);
    connect(ui->NetHostTxt, &QLineEdit::textChanged, this, &CommPage::showWhatIsApplied);
    connect(ui->NetPortTxt, &QLineEdit::textChanged, this, &CommPage::showWhatIsApplied);
    connect(&m_services.busy, &BusyIndicators::busyChanged, this, &CommPage::updateEnabled);
}

void CommPage::updateEnabled()
{
    // The link does not change under a running operation.
    BusyIndicators::setInputsEnabled(this, !m_services.busy.isBusy());
}

QRadioButton *CommPage::linkOption(LinkAddress::Kind kind) const
{
    QRadioButton *options[] = {ui->CommOp_0, ui->CommOp_1, ui->CommOp_2, ui->CommOp_3};
    return options[int(kind)];
}

void CommPage::chooseLink(LinkAddress::Kind kind)
{
    changeAddress(m_services.link, [kind](LinkAddress &address) { address.setKind(kind); });
    showPanel(kind);
    showWhatIsApplied();
}

void CommPage::showPanel(LinkAddress::Kind kind)
{
    ui->SerialFrame->setVisible(kind == Kind::Serial);
    ui->ParallelFrame->setVisible(kind == Kind::Parallel);
    ui->UsbFrame->setVisible(kind == Kind::UsbPrinter);
    ui->NetworkFrame->setVisible(kind == Kind::Network);
}

void CommPage::refuse(const QString &remembered, const QString &message)
{
    if (remembered.isEmpty())
        Dialogs::showMessage(m_services.window, message, tr("Utility Settings"));
    else
        qWarning("varimonde-setup: ignoring the remembered link setting \"%s\": %s",
                 qPrintable(remembered), qPrintable(message));
}

bool CommPage::applySerialSettings(const QString &remembered)
{
    const QString settings = ui->SBaudCombo->currentText() + QLatin1Char(',') +
                             ui->SParityCombo->currentText() + QLatin1Char(',') +
                             ui->SBitsCombo->currentText() + QLatin1Char(',') +
                             ui->SSTOPBITCOMBO->currentText();

    // An entry picked from the list holds its COM number, or its device
    // when no COM number reaches it; a number or a device path may also be
    // typed.
    const QString port = ComboLists::value(ui->SPortCombo);
    std::optional<Failure> failure;
    if (port.trimmed().startsWith(QLatin1Char('/'))) {
        const QString device = port.trimmed();
        changeAddress(m_services.link,
                      [&](LinkAddress &address) { address.setSerialPath(device); });
    } else {
        const NumberText::Converted<std::int16_t> number = NumberText::toInt16(port);
        if (const Failure *notAPort = std::get_if<Failure>(&number))
            failure = *notAPort;
        else
            failure = changeAddress(m_services.link, [&](LinkAddress &address) {
                return address.setCommPort(std::get<std::int16_t>(number));
            });
    }
    // A port number already accepted stays in force when the settings are not.
    if (!failure)
        failure = changeAddress(m_services.link, [&](LinkAddress &address) {
            return address.setSerialSettings(settings);
        });
    if (!failure) {
        m_appliedSerial = serialTexts();
        showWhatIsApplied();
        return true;
    }

    const bool badValue =
        failure->code == FailureCode::TypeMismatch || failure->code == FailureCode::InvalidValue;
    if (badValue || !remembered.isEmpty())
        refuse(remembered, badValue ? tr("Invalid Value in COMM Settings") : failure->shown());
    else
        Dialogs::showFailure(m_services.window, *failure);
    return false;
}

bool CommPage::applyParallelDevice(const QString &remembered)
{
    const QString name = ui->ParallelCombo->currentText();
    const std::optional<Failure> failure = changeAddress(
        m_services.link, [&](LinkAddress &address) { return address.setParallelName(name); });
    if (failure)
        refuse(remembered, failure->shown());
    return !failure;
}

bool CommPage::applyNetworkPrinter(const QString &remembered)
{
    const QString host = ui->NetHostTxt->text();
    const QString port = ui->NetPortTxt->text();
    // Applied with its panel shown, the address is also the link chosen.
    const bool chosen = linkOption(Kind::Network)->isChecked();
    const std::optional<Failure> failure =
        changeAddress(m_services.link, [&](LinkAddress &address) {
            const std::optional<Failure> refused = address.setNetworkPrinter(host, port);
            if (!refused && chosen)
                address.setKind(Kind::Network);
            return refused;
        });
    if (failure) {
        refuse(remembered, failure->shown());
        return false;
    }
    m_appliedNetwork = {host, port};
    showWhatIsApplied();
    return true;
}

void CommPage::showLimits(const Transfer::Limits &limits)
{
    const QSignalBlocker quietStall(ui->StallLimitSpin);
    const QSignalBlocker quietBusy(ui->BusyLimitSpin);
    ui->StallLimitSpin->setValue(limits.stallLimitMs / 1000);
    ui->BusyLimitSpin->setValue(limits.busyLimitMs / 1000);
    m_services.link.setLimits(limits);
}

void CommPage::restoreLink()
{
    const Settings::Link remembered = m_services.settings.link();
    showLimits(m_services.settings.transferLimits());

    // The port first, with the starting line settings, then the line
    // settings: each refused on its own leaves its starting value.
    if (!remembered.commPort.isEmpty()) {
        // "COM3" is remembered; the box takes the number alone.
        QString port = remembered.commPort;
        if (port.startsWith(QLatin1String("COM")))
            port.remove(0, 3);
        ui->SPortCombo->setEditText(port);
        if (!applySerialSettings(remembered.commPort))
            showSerialTexts(m_appliedSerial);
    }
    if (!remembered.serialSettings.isEmpty()) {
        // The last field takes whatever follows, so that the text the check
        // sees is the text remembered.
        const QString &text = remembered.serialSettings;
        showSerialTexts({m_appliedSerial[0], text.section(QLatin1Char(','), 0, 0),
                         text.section(QLatin1Char(','), 1, 1), text.section(QLatin1Char(','), 2, 2),
                         text.section(QLatin1Char(','), 3)});
        if (!applySerialSettings(text))
            showSerialTexts(m_appliedSerial);
    }
    if (!remembered.parallelPort.isEmpty()) {
        const QSignalBlocker quiet(ui->ParallelCombo);
        ui->ParallelCombo->setEditText(remembered.parallelPort);
        if (!applyParallelDevice(remembered.parallelPort))
            ui->ParallelCombo->setEditText(m_services.link.address().parallelName());
    }
    if (!remembered.usbDevice.isEmpty()) {
        // A printer not plugged in now stays chosen, as not connected; only
        // a USB printer device is ever taken from the settings.
        if (OperationBuilders::usbDeviceRefusal(remembered.usbDevice,
                                                m_services.link.portNames())) {
            refuse(remembered.usbDevice, tr("No such USB printer"));
        } else {
            changeAddress(m_services.link, [&](LinkAddress &address) {
                address.setUsbDevice(remembered.usbDevice);
            });
            refreshUsbPrinters();
        }
    }
    // No host is no network printer, as on the first start: nothing to take.
    if (!remembered.networkHost.isEmpty()) {
        ui->NetHostTxt->setText(remembered.networkHost);
        ui->NetPortTxt->setText(remembered.networkPort);
        if (!applyNetworkPrinter(remembered.networkHost + QLatin1Char(':') +
                                 remembered.networkPort)) {
            ui->NetHostTxt->setText(m_appliedNetwork.value(0));
            ui->NetPortTxt->setText(m_appliedNetwork.value(1));
        }
    }
    if (!remembered.kind.isEmpty()) {
        const std::optional<Kind> kind = LinkAddress::kindNamed(remembered.kind);
        if (!kind) {
            refuse(remembered.kind, tr("No such link"));
        } else {
            chooseLink(*kind);
            linkOption(*kind)->setChecked(true);
        }
    }
}

void CommPage::rememberLink()
{
    m_services.settings.setLink(m_services.link.address());
    m_services.settings.sync();
}

void CommPage::resetLink()
{
    showLimits({});
    showSerialTexts(startingSerial);
    applySerialSettings();
    {
        const QSignalBlocker quiet(ui->ParallelCombo);
        ui->ParallelCombo->setEditText(startingParallel);
    }
    applyParallelDevice();
    const QList<PortDiscovery::UsbPrinterEntry> printers =
        PortDiscovery::usbPrinters(m_services.link.portNames());
    // No network printer is not a value Apply takes: set as on the first start.
    changeAddress(m_services.link, [&](LinkAddress &address) {
        address.setUsbDevice(printers.isEmpty() ? QString() : printers.first().device);
        address.clearNetworkPrinter();
    });
    refreshUsbPrinters();
    ui->NetHostTxt->clear();
    ui->NetPortTxt->setText(QString::number(LinkAddress::defaultNetworkPort));
    m_appliedNetwork = {QString(), ui->NetPortTxt->text()};
    chooseLink(Kind::Serial);
    linkOption(Kind::Serial)->setChecked(true);
    showWhatIsApplied();
}

void CommPage::showSerialTexts(const QStringList &texts)
{
    QComboBox *fields[] = {ui->SPortCombo, ui->SBaudCombo, ui->SParityCombo, ui->SBitsCombo,
                           ui->SSTOPBITCOMBO};
    for (int i = 0; i < 5; ++i)
        fields[i]->setEditText(texts.value(i));
}

void CommPage::setSerialPortLister(SerialPortLister lister)
{
    m_serialPorts = std::move(lister);
    refreshSerialPorts();
}

void CommPage::refreshSerialPorts()
{
    const QList<PortDiscovery::SerialPortEntry> ports = m_serialPorts();
    // The text in the box is the user's: a new list leaves it as it is.
    const QString text = ui->SPortCombo->currentText();
    const QSignalBlocker quiet(ui->SPortCombo);
    ui->SPortCombo->clear();
    // Each entry holds what Apply takes: its COM number, or its device when
    // no COM number reaches it.
    for (const PortDiscovery::SerialPortEntry &port : ports)
        ui->SPortCombo->addItem(port.label(),
                                port.commPort > 0 ? QString::number(port.commPort) : port.device);
    ui->SPortCombo->setCurrentIndex(ui->SPortCombo->findText(text));
    ui->SPortCombo->setEditText(text);
}

void CommPage::setUsbRoots(const QString &devRoot, const QString &sysRoot)
{
    m_services.link.portNames().setUsbRoots(devRoot, sysRoot);
    if (!m_usbWatcher.directories().isEmpty())
        m_usbWatcher.removePaths(m_usbWatcher.directories());
    watchUsbRoots();
    refreshUsbPrinters();
}

void CommPage::watchUsbRoots()
{
    const QString root = m_services.link.portNames().usbDeviceRoot();
    for (const QString &directory : {root, QFileInfo(root).path()}) {
        if (QFileInfo(directory).isDir() && !m_usbWatcher.directories().contains(directory))
            m_usbWatcher.addPath(directory);
    }
}

void CommPage::refreshUsbPrinters()
{
    const QList<PortDiscovery::UsbPrinterEntry> printers =
        PortDiscovery::usbPrinters(m_services.link.portNames());
    // Another printer in its place would print what was meant for this one.
    QString chosen = m_services.link.address().usbDevice();
    if (chosen.isEmpty() && !printers.isEmpty())
        chosen = printers.first().device;
    bool there = false;
    {
        const QSignalBlocker quiet(ui->UsbCombo);
        ui->UsbCombo->clear();
        for (const PortDiscovery::UsbPrinterEntry &printer : printers) {
            ui->UsbCombo->addItem(printer.label(), printer.device);
            there = there || printer.device == chosen;
        }
        if (!chosen.isEmpty() && !there)
            ui->UsbCombo->addItem(PortDiscovery::usbPrinterShown(chosen), chosen);
        if (ui->UsbCombo->count() == 0)
            ui->UsbCombo->addItem(tr("No USB printer found"), QString());
        ui->UsbCombo->setCurrentIndex(std::max(0, ui->UsbCombo->findData(chosen)));
    }
    // Setting the link again tells the status bar that its printer came or went.
    if (chosen != m_services.link.address().usbDevice() || there != m_usbPrinterThere)
        changeAddress(m_services.link, [&](LinkAddress &address) { address.setUsbDevice(chosen); });
    m_usbPrinterThere = there;
}

QStringList CommPage::serialTexts() const
{
    return {ui->SPortCombo->currentText(), ui->SBaudCombo->currentText(),
            ui->SParityCombo->currentText(), ui->SBitsCombo->currentText(),
            ui->SSTOPBITCOMBO->currentText()};
}

bool CommPage::networkApplied() const
{
    const QStringList network = {ui->NetHostTxt->text(), ui->NetPortTxt->text()};
    return network == m_appliedNetwork &&
           (m_services.link.kind() == Kind::Network || !linkOption(Kind::Network)->isChecked());
}

void CommPage::showWhatIsApplied()
{
    ui->NotAppliedLbl->setVisible(serialTexts() != m_appliedSerial);
    ui->NetNotAppliedLbl->setVisible(!networkApplied());
}

QString CommPage::unappliedChange() const
{
    if (linkOption(Kind::Serial)->isChecked() && serialTexts() != m_appliedSerial)
        return QStringLiteral("serial ") + serialTexts().join(QLatin1Char(','));
    if (linkOption(Kind::Network)->isChecked() && !networkApplied())
        return QStringLiteral("network ") + ui->NetHostTxt->text() + QLatin1Char(' ') +
               ui->NetPortTxt->text();
    return QString();
}

bool CommPage::applyShownChange()
{
    const bool applied =
        linkOption(Kind::Network)->isChecked() ? applyNetworkPrinter() : applySerialSettings();
    if (applied)
        rememberLink();
    return applied;
}
