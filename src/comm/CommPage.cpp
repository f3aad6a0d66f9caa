#include "comm/CommPage.h"

#include "comm/FindPrintersDialog.h"
#include "common/NumberText.h"
#include "link/PrinterLink.h"
#include "ui/ComboLists.h"
#include "ui/Dialogs.h"
#include "ui/Settings.h"
#include "ui_CommPage.h"

#include <QDir>
#include <QFileInfo>

namespace
{

const QString settingsTitle = QStringLiteral("Utility Settings");
const QString entrySeparator = QStringLiteral(" \u2014 ");

enum LinkIndex { SerialLink, ParallelLink, UsbLink, NetworkLink };
// How the settings name each link, in LinkIndex order.
const QStringList linkNames = {QStringLiteral("serial"), QStringLiteral("parallel"),
                               QStringLiteral("usb"), QStringLiteral("network")};

// The serial fields on the first start: port, baud, parity, data and stop bits.
const QStringList startingSerial = {QStringLiteral("1"), QStringLiteral("9600"),
                                    QStringLiteral("N"), QStringLiteral("8"), QStringLiteral("1")};
const QString startingParallel = QStringLiteral("LPT1");

int linkIndex(PrinterLink::Kind kind)
{
    switch (kind) {
    case PrinterLink::Kind::Serial:
        return SerialLink;
    case PrinterLink::Kind::Parallel:
        return ParallelLink;
    case PrinterLink::Kind::UsbPrinter:
        return UsbLink;
    case PrinterLink::Kind::Network:
        return NetworkLink;
    }
    return SerialLink;
}

} // namespace

CommPage::CommPage(PageServices services, QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::CommPage>()), m_services(services),
      m_serialPorts([this] { return PortDiscovery::serialPorts(m_services.link.portNames()); })
{
    ui->setupUi(this);
    connectControls();
    chooseLink(SerialLink);
    ui->CommOp_0->setChecked(true);
    m_services.link.setParallelPortName(startingParallel);
    fillLists();
    m_appliedSerial = serialTexts();
    m_appliedNetwork = {QString(), ui->NetPortTxt->text()};
    refreshUsbPrinters();
    watchUsbRoots();
    restoreLink();
    showWhatIsApplied();
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
    const QRadioButton *options[] = {ui->CommOp_0, ui->CommOp_1, ui->CommOp_2, ui->CommOp_3};
    for (int index = SerialLink; index <= NetworkLink; ++index)
        connect(options[index], &QRadioButton::clicked, this, [this, index] {
            chooseLink(index);
            rememberLink();
        });
    connect(ui->SApplyCmd_0, &QPushButton::clicked, this, [this] { applySettings(0); });
    connect(ui->SApplyCmd_1, &QPushButton::clicked, this, [this] { applySettings(1); });
    // Every keystroke and every choice from the list applies the device;
    // only a device taken is remembered.
    connect(ui->ParallelCombo, &QComboBox::editTextChanged, this, [this] { applySettings(1); });
    connect(ui->ParallelCombo, &QComboBox::activated, this, [this] { applySettings(1); });

    connect(ui->SPortCombo, &PortCombo::aboutToShowPopup, this, &CommPage::refreshSerialPorts);
    for (QComboBox *field : {static_cast<QComboBox *>(ui->SPortCombo), ui->SBaudCombo,
                             ui->SParityCombo, ui->SBitsCombo, ui->SSTOPBITCOMBO})
        connect(field, &QComboBox::editTextChanged, this, &CommPage::showWhatIsApplied);

    connect(ui->UsbCombo, &PortCombo::aboutToShowPopup, this, &CommPage::refreshUsbPrinters);
    connect(ui->UsbCombo, &QComboBox::currentIndexChanged, this, [this] {
        m_services.link.setUsbDevice(ui->UsbCombo->currentData().toString());
        rememberLink();
    });
    // A printer plugged in or out adds or removes its device; /dev/usb itself
    // comes with the first USB printer and goes with the last.
    connect(&m_usbWatcher, &QFileSystemWatcher::directoryChanged, this, [this] {
        watchUsbRoots();
        refreshUsbPrinters();
    });

    const auto applyNetwork = [this] {
        if (applyNetworkPrinter())
            rememberLink();
    };
    connect(ui->NetApplyCmd, &QPushButton::clicked, this, applyNetwork);
    connect(ui->FindPrintersCmd, &QPushButton::clicked, this, [this, applyNetwork] {
        auto *dialog = new FindPrintersDialog(m_services.window);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        SnmpOptions snmp;
        snmp.community = m_services.settings.snmpCommunity();
        snmp.port = m_services.settings.snmpPort();
        dialog->setSnmpOptions(snmp);
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
}

void CommPage::chooseLink(int index)
{
    switch (index) {
    case SerialLink:
        m_services.link.setKind(PrinterLink::Kind::Serial);
        break;
    case UsbLink:
        m_services.link.setKind(PrinterLink::Kind::UsbPrinter);
        break;
    case NetworkLink:
        m_services.link.setKind(PrinterLink::Kind::Network);
        break;
    default:
        index = ParallelLink;
        m_services.link.setKind(PrinterLink::Kind::Parallel);
        break;
    }
    ui->SerialFrame->setVisible(index == SerialLink);
    ui->ParallelFrame->setVisible(index == ParallelLink);
    ui->UsbFrame->setVisible(index == UsbLink);
    ui->NetworkFrame->setVisible(index == NetworkLink);
}

void CommPage::applySettings(int index)
{
    if (index == 1 ? applyParallelDevice() : applySerialSettings())
        rememberLink();
}

void CommPage::refuse(const QString &remembered, const QString &message)
{
    if (remembered.isEmpty())
        Dialogs::showMessage(m_services.window, message, settingsTitle);
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

    // An entry of the list reads "33 — /dev/ttyUSB0 — description", or
    // "- — device — description" for a device no COM number reaches; a
    // device path may also be typed in.
    const QStringList entry = ui->SPortCombo->currentText().split(entrySeparator);
    QString device = entry.value(0).trimmed().startsWith(QLatin1Char('/'))
                         ? entry.value(0).trimmed()
                     : entry.value(0) == QLatin1String("-") && entry.size() > 1 ? entry.value(1)
                                                                                : QString();
    SerialPort &port = m_services.link.serialPort();
    std::optional<Failure> failure;
    if (!device.isEmpty()) {
        port.setDevicePath(device, m_services.link.portNames().commPortOf(device));
    } else {
        const NumberText::Converted<std::int16_t> number = NumberText::toInt16(entry.value(0));
        if (const Failure *notAPort = std::get_if<Failure>(&number))
            failure = *notAPort;
        if (!failure)
            failure = port.setCommPort(std::get<std::int16_t>(number));
    }
    // A port number already accepted stays in force when the settings are not.
    if (!failure)
        failure = port.setSettings(settings);
    m_services.link.linkChanged();
    if (!failure) {
        m_appliedSerial = serialTexts();
        showWhatIsApplied();
        return true;
    }

    const bool badValue =
        failure->code == FailureCode::TypeMismatch || failure->code == FailureCode::InvalidValue;
    if (badValue || !remembered.isEmpty())
        refuse(remembered,
               badValue ? QStringLiteral("Invalid Value in COMM Settings") : failure->description);
    else
        Dialogs::showFailure(m_services.window, *failure);
    return false;
}

bool CommPage::applyParallelDevice(const QString &remembered)
{
    const QString device = ui->ParallelCombo->currentText();
    if (device != QLatin1String("LPT1") && device != QLatin1String("LPT2")) {
        refuse(remembered, QStringLiteral("Invalid Parallel Port"));
        return false;
    }
    m_services.link.setParallelPortName(device);
    return true;
}

bool CommPage::applyNetworkPrinter(const QString &remembered)
{
    QString host = ui->NetHostTxt->text().trimmed();
    // An IPv6 address is often written in brackets, as in a web address.
    if (host.startsWith(QLatin1Char('[')) && host.endsWith(QLatin1Char(']')))
        host = host.mid(1, host.size() - 2);
    bool number = false;
    const uint port = ui->NetPortTxt->text().trimmed().toUInt(&number);
    if (host.isEmpty() || host.contains(QLatin1Char(' '))) {
        refuse(remembered, QStringLiteral("Invalid Network Printer: enter the printer's network "
                                          "name or its IPv4 or IPv6 address."));
        return false;
    }
    if (!number || port < 1 || port > 65535) {
        refuse(remembered, QStringLiteral("Invalid Network Port: enter a number from 1 to 65535 "
                                          "(9100 on most printers)."));
        return false;
    }
    m_services.link.setNetworkPrinter(host, quint16(port));
    m_appliedNetwork = {ui->NetHostTxt->text(), ui->NetPortTxt->text()};
    showWhatIsApplied();
    return true;
}

void CommPage::restoreLink()
{
    const Settings::Link remembered = m_services.settings.link();

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
            ui->ParallelCombo->setEditText(m_services.link.parallelPortName());
    }
    if (!remembered.usbDevice.isEmpty()) {
        // A printer not plugged in now leaves the first one found chosen.
        const int row = ui->UsbCombo->findData(remembered.usbDevice);
        if (row < 0) {
            refuse(remembered.usbDevice, QStringLiteral("No such USB printer is connected"));
        } else {
            const QSignalBlocker quiet(ui->UsbCombo);
            ui->UsbCombo->setCurrentIndex(row);
            m_services.link.setUsbDevice(remembered.usbDevice);
        }
    }
    if (!remembered.networkHost.isEmpty() || !remembered.networkPort.isEmpty()) {
        ui->NetHostTxt->setText(remembered.networkHost);
        ui->NetPortTxt->setText(remembered.networkPort);
        if (!applyNetworkPrinter(remembered.networkHost + QLatin1Char(':') +
                                 remembered.networkPort)) {
            ui->NetHostTxt->setText(m_appliedNetwork.value(0));
            ui->NetPortTxt->setText(m_appliedNetwork.value(1));
        }
    }
    if (!remembered.kind.isEmpty()) {
        const int index = linkNames.indexOf(remembered.kind);
        if (index < 0) {
            refuse(remembered.kind, QStringLiteral("No such link"));
        } else {
            chooseLink(index);
            QRadioButton *options[] = {ui->CommOp_0, ui->CommOp_1, ui->CommOp_2, ui->CommOp_3};
            options[index]->setChecked(true);
        }
    }
}

void CommPage::rememberLink()
{
    PrinterLink &link = m_services.link;
    const SerialPort &port = link.serialPort();
    Settings::Link remembered;
    remembered.kind = linkNames.value(linkIndex(link.kind()));
    remembered.commPort = port.devicePath().isEmpty()
                              ? PortNames::serialLogicalName(port.commPort())
                              : port.devicePath();
    remembered.serialSettings = port.settingsText();
    remembered.parallelPort = link.parallelPortName();
    remembered.usbDevice = link.usbDevice();
    remembered.networkHost = link.networkHost();
    remembered.networkPort = QString::number(link.networkPort());
    m_services.settings.setLink(remembered);
    m_services.settings.sync();
}

void CommPage::resetLink()
{
    showSerialTexts(startingSerial);
    applySerialSettings();
    {
        const QSignalBlocker quiet(ui->ParallelCombo);
        ui->ParallelCombo->setEditText(startingParallel);
    }
    applyParallelDevice();
    {
        const QSignalBlocker quiet(ui->UsbCombo);
        ui->UsbCombo->setCurrentIndex(0);
    }
    m_services.link.setUsbDevice(ui->UsbCombo->currentData().toString());
    // No network printer is not a value Apply takes: set as on the first start.
    ui->NetHostTxt->clear();
    ui->NetPortTxt->setText(QString::number(PrinterLink::defaultNetworkPort));
    m_services.link.setNetworkPrinter(QString(), PrinterLink::defaultNetworkPort);
    m_appliedNetwork = {QString(), ui->NetPortTxt->text()};
    chooseLink(SerialLink);
    ui->CommOp_0->setChecked(true);
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
    QStringList labels;
    for (const PortDiscovery::SerialPortEntry &port : m_serialPorts())
        labels << port.label();
    // The text in the box is the user's: a new list leaves it as it is.
    const QString text = ui->SPortCombo->currentText();
    const QSignalBlocker quiet(ui->SPortCombo);
    ui->SPortCombo->clear();
    ui->SPortCombo->addItems(labels);
    ui->SPortCombo->setCurrentIndex(ui->SPortCombo->findText(text));
    ui->SPortCombo->setEditText(text);
}

void CommPage::setUsbRoots(const QString &devRoot, const QString &sysRoot)
{
    m_usbDevRoot = devRoot;
    m_usbSysRoot = sysRoot;
    if (!m_usbWatcher.directories().isEmpty())
        m_usbWatcher.removePaths(m_usbWatcher.directories());
    watchUsbRoots();
    refreshUsbPrinters();
}

void CommPage::watchUsbRoots()
{
    const QString parent = QFileInfo(m_usbDevRoot).path();
    for (const QString &directory : {m_usbDevRoot, parent}) {
        if (QFileInfo(directory).isDir() && !m_usbWatcher.directories().contains(directory))
            m_usbWatcher.addPath(directory);
    }
}

void CommPage::refreshUsbPrinters()
{
    const QList<PortDiscovery::UsbPrinterEntry> printers =
        PortDiscovery::usbPrinters(m_usbDevRoot, m_usbSysRoot);
    const QString chosen = ui->UsbCombo->currentData().toString();
    {
        const QSignalBlocker quiet(ui->UsbCombo);
        ui->UsbCombo->clear();
        for (const PortDiscovery::UsbPrinterEntry &printer : printers)
            ui->UsbCombo->addItem(printer.label(), printer.device);
        if (printers.isEmpty())
            ui->UsbCombo->addItem(QStringLiteral("No USB printer found"), QString());
        // The printer chosen stays chosen while it is there; when it goes,
        // the first one left takes its place.
        ui->UsbCombo->setCurrentIndex(std::max(0, ui->UsbCombo->findData(chosen)));
    }
    const QString device = ui->UsbCombo->currentData().toString();
    if (device != m_services.link.usbDevice())
        m_services.link.setUsbDevice(device);
}

QStringList CommPage::serialTexts() const
{
    return {ui->SPortCombo->currentText(), ui->SBaudCombo->currentText(),
            ui->SParityCombo->currentText(), ui->SBitsCombo->currentText(),
            ui->SSTOPBITCOMBO->currentText()};
}

void CommPage::showWhatIsApplied()
{
    ui->NotAppliedLbl->setVisible(serialTexts() != m_appliedSerial);
    const QStringList network = {ui->NetHostTxt->text(), ui->NetPortTxt->text()};
    ui->NetNotAppliedLbl->setVisible(network != m_appliedNetwork);
}
