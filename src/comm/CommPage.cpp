#include "comm/CommPage.h"

#include "common/NumberText.h"
#include "link/PrinterLink.h"
#include "ui/ComboLists.h"
#include "ui/Dialogs.h"
#include "ui_CommPage.h"

namespace
{

const QString settingsTitle = QStringLiteral("Utility Settings");

} // namespace

CommPage::CommPage(PageServices services, QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::CommPage>()), m_services(services)
{
    ui->setupUi(this);
    connectControls();
    chooseLink(0);
    ui->CommOp_0->setChecked(true);
    m_services.link.setParallelPortName(QStringLiteral("LPT1"));
    fillLists();
}

CommPage::~CommPage() = default;

void CommPage::fillLists()
{
    ComboLists::fill(ui->ParallelCombo, {QStringLiteral("LPT1"), QStringLiteral("LPT2")},
                     QStringLiteral("LPT1"));
    ComboLists::fill(ui->SPortCombo, {QStringLiteral("1"), QStringLiteral("2")},
                     QStringLiteral("1"));
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
    connect(ui->CommOp_0, &QRadioButton::clicked, this, [this] { chooseLink(0); });
    connect(ui->CommOp_1, &QRadioButton::clicked, this, [this] { chooseLink(1); });
    connect(ui->SApplyCmd_0, &QPushButton::clicked, this, [this] { applySettings(0); });
    connect(ui->SApplyCmd_1, &QPushButton::clicked, this, [this] { applySettings(1); });
    // Every keystroke and every choice from the list applies the device.
    connect(ui->ParallelCombo, &QComboBox::editTextChanged, this, [this] { applySettings(1); });
    connect(ui->ParallelCombo, &QComboBox::activated, this, [this] { applySettings(1); });
}

void CommPage::chooseLink(int index)
{
    const bool serial = index == 0;
    m_services.link.setSerialMode(serial);
    ui->SerialFrame->setVisible(serial);
    ui->ParallelFrame->setVisible(!serial);
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

    const NumberText::Converted<std::int16_t> port =
        NumberText::toInt16(ui->SPortCombo->currentText());
    std::optional<Failure> failure;
    if (const Failure *notAPort = std::get_if<Failure>(&port))
        failure = *notAPort;
    if (!failure)
        failure = m_services.link.serialPort().setCommPort(std::get<std::int16_t>(port));
    // A port number already accepted stays in force when the settings are not.
    if (!failure)
        failure = m_services.link.serialPort().setSettings(settings);
    if (!failure)
        return;

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
