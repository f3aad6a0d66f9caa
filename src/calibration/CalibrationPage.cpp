#include "calibration/CalibrationPage.h"

#include "operation/OperationBuilders.h"
#include "ui/BusyIndicators.h"
#include "ui/Dialogs.h"
#include "ui/SendPresenter.h"

#include "ui_CalibrationPage.h"

using namespace CalibrationBlocks;

CalibrationPage::CalibrationPage(PageServices services, QWidget *parent)
    : QWidget(parent), m_services(services), ui(std::make_unique<Ui::CalibrationPage>())
{
    ui->setupUi(this);
    fillLists();
    checkPrintType();
    connectControls();
}

CalibrationPage::~CalibrationPage() = default;

void CalibrationPage::fillLists()
{
    // The first entry of each list is also the start text.
    ui->CIndexCmb->addItems(indexTypes().items);
    ui->CPrintModeCMB->addItems(printTypes().items);
    ui->RibbonCMB->addItems(ribbonTypes().items);
}

void CalibrationPage::connectControls()
{
    // editTextChanged covers typing, pasting, picking from the list and the
    // program setting the text.
    connect(ui->CIndexCmb, &QComboBox::editTextChanged, this, &CalibrationPage::checkIndexType);
    connect(ui->CPrintModeCMB, &QComboBox::editTextChanged, this, &CalibrationPage::checkPrintType);
    // A pick of the entry already shown changes no text; it still settles
    // the ribbon frame.
    connect(ui->CPrintModeCMB, &QComboBox::activated, this, &CalibrationPage::checkPrintType);
    connect(ui->RibbonCMB, &QComboBox::editTextChanged, this, &CalibrationPage::checkRibbon);
    connect(ui->CalCmd, &QPushButton::clicked, this, &CalibrationPage::calibrate);
    connect(ui->TestCMD, &QPushButton::clicked, this, &CalibrationPage::printTestLabel);
    connect(&m_services.busy, &BusyIndicators::busyChanged, this, &CalibrationPage::updateEnabled);
}

void CalibrationPage::updateEnabled()
{
    BusyIndicators::setInputsEnabled(this, !m_services.busy.isBusy());
}

void CalibrationPage::check(QComboBox *combo, const Choice &choice)
{
    if (choice.accepts(combo->currentText()))
        return;
    Dialogs::showMessage(m_services.window, choice.message, choice.title);
    combo->setEditText(choice.fallback);
}

void CalibrationPage::checkIndexType()
{
    check(ui->CIndexCmb, indexTypes());
}

void CalibrationPage::checkPrintType()
{
    check(ui->CPrintModeCMB, printTypes());
    // Read again: the check may have put the fallback back.
    ui->RibbonFrm->setVisible(needsRibbon(ui->CPrintModeCMB->currentText()));
}

void CalibrationPage::checkRibbon()
{
    check(ui->RibbonCMB, ribbonTypes());
}

void CalibrationPage::calibrate()
{
    // Two parts; the calibration request is not sent once the settings
    // block has failed.
    const QString printType = ui->CPrintModeCMB->currentText();
    run(OperationBuilders::calibrate(tr("Calibration"), ui->CIndexCmb->currentText(), printType,
                                     needsRibbon(printType)
                                         ? std::optional<QString>(ui->RibbonCMB->currentText())
                                         : std::nullopt));
}

void CalibrationPage::printTestLabel()
{
    const bool fourByThree = ui->TestOp1->isChecked();
    run(OperationBuilders::testLabel(
        tr("Test label %1").arg(fourByThree ? QStringLiteral("4X3") : QStringLiteral("2.4X1")),
        fourByThree ? QStringLiteral("1") : QStringLiteral("2")));
}

void CalibrationPage::run(const OperationBuilders::Built &built)
{
    if (!built.operation) {
        Dialogs::showMessage(m_services.window, built.refusals.join(QLatin1Char('\n')),
                             indexTypes().title);
        return;
    }
    m_services.printer.run(*built.operation);
}
