#include "comm/CommPage.h"

#include "common/NumberText.h"
#include "link/PrinterLink.h"
#include "ui/ComboLists.h"
#include "ui/Dialogs.h"
#include "ui_CommPage.h"

#include <QDir>
#include <QFileInfo>

namespace
{

const QString settingsTitle = QStringLiteral("Utility Settings");
const QString entrySeparator = QStringLiteral(" \u2014 ");

enum LinkIndex { SerialLink, ParallelLink, UsbLink, NetworkLink };

} // namespace

CommPage::CommPage(PageServices services, QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::CommPage>()), m_services(services),
      m_serialPorts([this] { return PortDiscovery::serialPorts(m_services.link.portNames()); })
{
    ui->setupUi(this);
    connectControls();
    chooseLink(SerialLink);
    ui->CommOp_0->setChecked(true);
    m_services.link.setParallelPortName(QStringLiteral("LPT1"));
    fillLists();
    m_appliedSerial = serialTexts();
    m_appliedNetwork = {QString(), ui->NetPortTxt->text()};
    refreshUsbPrinters();
    watchUsbRoots();
    showWhatIsApplied();
}

CommPage::~CommPage() = default;

void CommPage::fillLists()
{
    ComboLists::fill(ui->ParallelCombo, {QStringLiteral("LPT1"), QStringLiteral("LPT2")},
                     QStringLiteral("LPT1"));
    ComboLists::fill(ui->SPortCombo, {}, QStringLiteral("1"));
    refreshSerialPorts();
    ComboLists::fill(ui->SBaudCombo,
                     {QStringLiteral("300"), QStringLiteral("1200"), QStringLiteral("2400"),
                      QStringLiteral("9600")},
                     QStringLiteral("9600"));
    ComboLists::fill(ui->SBitsCombo,
                     {QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("6"),
                      QStringLiteral("7"), QStringLiteral("8")},
                     QStringLiteral("8"));
    ComboLists::fill(ui->SParityCombo,
                     {QStringLiteral("N"), QStringLiteral("O"), QStringLiteral("E")},
                     QStringLiteral("N"));
    ComboLists::fill(ui->SSTOPBITCOMBO, {QStringLiteral("1"), QStringLiteral("2")},
                     QStringLiteral("1"));
}

void CommPage::connectControls()
{
    connect(ui->CommOp_0, &QRadioButton::clicked, this, [this] { chooseLink(SerialLink); });
    connect(ui->CommOp_1, &QRadioButton::clicked, this, [this] { chooseLink(ParallelLink); });
    connect(ui->CommOp_2, &QRadioButton::clicked, this, [this] { chooseLink(UsbLink); });
    connect(ui->CommOp_3, &QRadioButton::clicked, this, [this] { chooseLink(NetworkLink); });
    connect(ui->SApplyCmd_0, &QPushButton::clicked, this, [this] { applySettings(0); });
    connect(ui->SApplyCmd_1, &QPushButton::clicked, this, [this] { applySettings(1); });
    // Every keystroke and every choice from the list applies the device.
    connect(ui->ParallelCombo, &QComboBox::editTextChanged, this, [this] { applySettings(1); });
    connect(ui->ParallelCombo, &QComboBox::activated, this, [this] { applySettings(1); });

    connect(ui->SPortCombo, &PortCombo::aboutToShowPopup, this, &CommPage::refreshSerialPorts);
    for (QComboBox *field : {static_cast<QComboBox *>(ui->SPortCombo), ui->SBaudCombo,
                             ui->SParityCombo, ui->SBitsCombo, ui->SSTOPBITCOMBO})
        connect(field, &QComboBox::editTextChanged, this, &CommPage::showWhatIsApplied);

    connect(ui->UsbCombo, &PortCombo::aboutToShowPopup, this, &CommPage::refreshUsbPrinters);
    connect(ui->UsbCombo, &QComboBox::currentIndexChanged, this,
            [this] { m_services.link.setUsbDevice(ui->UsbCombo->currentData().toString()); });
    // A printer plugged in or out adds or removes its device; /dev/usb itself
    // comes with the first USB printer and goes with the last.
    connect(&m_usbWatcher, &QFileSystemWatcher::directoryChanged, this, [this] {
        watchUsbRoots();
        refreshUsbPrinters();
    });

    connect(ui->NetApplyCmd, &QPushButton::clicked, this, &CommPage::applyNetworkPrinter);
    connect(ui->NetHostTxt, &QLineEdit::returnPressed, this, &CommPage::applyNetworkPrinter);
    connect(ui->NetPortTxt, &QLineEdit::returnPressed, this, &CommPage::applyNetworkPrinter);
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
    if (index == 1)
        applyParallelDevice();
    else
        applySerialSettings();
}

void CommPage::applySerialSettings()
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
        return;
    }

    if (failure->code == FailureCode::TypeMismatch || failure->code == FailureCode::InvalidValue)
        Dialogs::showMessage(m_services.window, QStringLiteral("Invalid Value in COMM Settings"),
                             settingsTitle);
    else
        Dialogs::showFailure(m_services.window, *failure);
}

void CommPage::applyParallelDevice()
{
    const QString device = ui->ParallelCombo->currentText();
    if (device != QLatin1String("LPT1") && device != QLatin1String("LPT2")) {
        Dialogs::showMessage(m_services.window, QStringLiteral("Invalid Parallel Port"),
                             settingsTitle);
        return;
    }
    m_services.link.setParallelPortName(device);
}

void CommPage::applyNetworkPrinter()
{
    QString host = ui->NetHostTxt->text().trimmed();
    // An IPv6 address is often written in brackets, as in a web address.
    if (host.startsWith(QLatin1Char('[')) && host.endsWith(QLatin1Char(']')))
        host = host.mid(1, host.size() - 2);
    bool number = false;
    const uint port = ui->NetPortTxt->text().trimmed().toUInt(&number);
    if (host.isEmpty() || host.contains(QLatin1Char(' '))) {
        Dialogs::showMessage(m_services.window,
                             QStringLiteral("Invalid Network Printer: enter the printer's network "
                                            "name or its IPv4 or IPv6 address."),
                             settingsTitle);
        return;
    }
    if (!number || port < 1 || port > 65535) {
        Dialogs::showMessage(m_services.window,
                             QStringLiteral("Invalid Network Port: enter a number from 1 to 65535 "
                                            "(9100 on most printers)."),
                             settingsTitle);
        return;
    }
    m_services.link.setNetworkPrinter(host, quint16(port));
    m_appliedNetwork = {ui->NetHostTxt->text(), ui->NetPortTxt->text()};
    showWhatIsApplied();
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
