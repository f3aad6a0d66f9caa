#include "firmware/BinaryPage.h"

#include "common/ChunkedFileReader.h"
#include "common/StopSignal.h"
#include "ui/BusyIndicators.h"
#include "ui/CommonDialog.h"
#include "ui/Dialogs.h"
#include "ui/SendPresenter.h"

#include "ui_BinaryPage.h"

BinaryPage::BinaryPage(PageServices services, QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::BinaryPage>()), m_services(services)
{
    ui->setupUi(this);
    m_services.busy.setProgressBar(ui->ProgressBar1);
    connectControls();
}

BinaryPage::~BinaryPage() = default;

void BinaryPage::connectControls()
{
    connect(ui->BMemCMD, &QPushButton::clicked, this, &BinaryPage::chooseAndLoadFile);
    connect(ui->BUpLoadCMD, &QPushButton::clicked, this, &BinaryPage::uploadFile);
}

void BinaryPage::chooseAndLoadFile()
{
    CommonDialog &dialog = m_services.fileDialog;
    if (!dialog.chooseFileToRead(QStringLiteral("All Files(*.*)|*.*")))
        return;
    const QString path = dialog.fileName();
    if (path.isEmpty()) {
        Dialogs::showMessage(m_services.window, tr("You must select a file to load into memory."),
                             tr("Binary File"));
        return;
    }

    m_services.busy.startUploadAnimation();
    const std::optional<Failure> failure = loadFile(path);
    m_services.busy.stopUploadAnimation();
    if (failure && !m_services.stop.isRaised())
        Dialogs::showFailure(m_services.window, *failure);
}

std::optional<Failure> BinaryPage::loadFile(const QString &path)
{
    ChunkedFileReader reader(path);
    if (std::optional<Failure> failure = reader.open())
        return failure;
    if (std::optional<Failure> failure = reader.allocate())
        return failure;

    BusyScope busy(m_services.busy, BusyScope::Hourglass);
    ui->FnameTxt->setText(path);
    ui->FSizeTxt->setText(tr("%1 Bytes").arg(reader.size()));
    ui->BinStatLbl->setText(tr("Loading file into Memory"));
    const ChunkedFileReader::Status status = reader.readAll(m_services.stop);
    // After a failure what was not read stays zero.
    m_binaryBytes = reader.takeBytes();
    if (status != ChunkedFileReader::Status::Read)
        return reader.failure();
    ui->BinStatLbl->setText(tr("File Loaded into Memory"));
    return std::nullopt;
}

void BinaryPage::uploadFile()
{
    BusyScope busy(m_services.busy, BusyScope::TitleAnimation);
    ui->UStatLbl->setText(tr("Uploading File"));
    const bool sent = m_services.printer.printBytes(m_binaryBytes);
    ui->UStatLbl->setText(sent ? tr("File Uploaded") : tr("Upload Failed"));
}
