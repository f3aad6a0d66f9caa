#include "firmware/BinaryPage.h"

#include "common/ChunkedFileReader.h"
#include "common/FileReadJob.h"
#include "common/StopSignal.h"
#include "operation/OperationBuilders.h"
#include "ui/BusyIndicators.h"
#include "ui/CommonDialog.h"
#include "ui/Dialogs.h"
#include "ui/FileDrop.h"
#include "ui/SendPresenter.h"
#include "ui/TransferWatch.h"

#include "ui_BinaryPage.h"

#include <QFileInfo>
#include <QFontDatabase>
#include <QLocale>

BinaryPage::BinaryPage(PageServices services, QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::BinaryPage>()), m_services(services)
{
    ui->setupUi(this);
    // Checksums are published in a fixed-pitch font; a size smaller than the
    // other labels' keeps all 64 digits on one line of the frame.
    QFont fixedPitch = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixedPitch.setPointSize(8);
    ui->HashLbl->setFont(fixedPitch);
    ui->HashLbl->hide();
    m_services.busy.setProgressBar(ui->ProgressBar1);
    connectControls();
    new FileDrop(this, ui->BMemCMD, m_services.window,
                 [this](const QString &path) { loadChosenFile(path); });
}

BinaryPage::~BinaryPage() = default;

void BinaryPage::connectControls()
{
    connect(ui->BMemCMD, &QPushButton::clicked, this, &BinaryPage::chooseAndLoadFile);
    connect(ui->BUpLoadCMD, &QPushButton::clicked, this, &BinaryPage::uploadFile);
    connect(&m_services.busy, &BusyIndicators::busyChanged, this, &BinaryPage::updateEnabled);
}

void BinaryPage::updateEnabled()
{
    const bool idle = !m_services.busy.isBusy();
    for (QWidget *input : BusyIndicators::inputsOf(this))
        // Cancel while an upload runs, which only a busy window does.
        input->setEnabled(input == ui->CancelCMD ? m_watch != nullptr : idle);
}

void BinaryPage::chooseAndLoadFile()
{
    CommonDialog &dialog = m_services.fileDialog;
    if (!dialog.chooseFileToRead(tr("All Files(*.*)|*.*"), Settings::Folder::Firmware))
        return;
    loadChosenFile(dialog.fileName());
}

void BinaryPage::loadChosenFile(const QString &path)
{
    if (path.isEmpty()) {
        Dialogs::showMessage(m_services.window, tr("You must select a file to load into memory."),
                             tr("Binary File"));
        return;
    }

    m_services.busy.startUploadAnimation();
    auto reader = std::make_shared<ChunkedFileReader>(path);
    reader->computeSha256();
    std::optional<Failure> failure = reader->open();
    const bool opened = !failure;
    if (opened) {
        // The old image goes before the new one takes its memory, so a
        // reload never holds two; the reading thread lets it go. From here
        // a load that does not finish leaves no image at all: an upload
        // must never send part of a file, or zeros.
        if (m_binaryBytes)
            reader->letGoFirst(std::move(*m_binaryBytes));
        m_binaryBytes.reset();
        showHash(QByteArray());
        ui->FnameTxt->setText(path);
        ui->FSizeTxt->setText(tr("%1 Bytes").arg(reader->size()));
        ui->BinStatLbl->setText(tr("Loading file into Memory"));
        // The outcome of an upload belongs to the image that was sent.
        ui->UStatLbl->setText(tr("No File Loaded to Printer"));
    }
    if (!failure) {
        auto busy = std::make_shared<BusyScope>(m_services.busy, BusyScope::Hourglass);
        FileReadJob::read(reader, &m_services.stop, this,
                          [this, reader, path, busy](ChunkedFileReader::Status status) {
                              busy->end();
                              if (status == ChunkedFileReader::Status::Read)
                                  keepLoadedFile(*reader, path);
                              endLoad(true, reader->failure());
                          });
        return;
    }
    endLoad(opened, failure);
}

void BinaryPage::endLoad(bool begun, const std::optional<Failure> &failure)
{
    if (begun && !m_binaryBytes) {
        ui->FnameTxt->setText(tr("None Loaded"));
        ui->FSizeTxt->setText(tr("0 Bytes"));
        ui->BinStatLbl->setText(tr("Loading Failed: no file in Memory"));
    }
    m_services.busy.stopUploadAnimation();
    if (failure && !m_services.stop.isRaised())
        Dialogs::showFailure(m_services.window, *failure);
}

void BinaryPage::keepLoadedFile(ChunkedFileReader &reader, const QString &path)
{
    m_binaryBytes = reader.takeBytes();
    showHash(reader.hash());
    m_description =
        tr("Firmware %1, %2 bytes, SHA-256 %3")
            .arg(QFileInfo(path).fileName(), QLocale(QLocale::English).toString(reader.size()),
                 QString::fromLatin1(reader.hash().toHex()));
    ui->BinStatLbl->setText(tr("File Loaded into Memory"));
}

// Users compare the image with the checksum its maker publishes.
void BinaryPage::showHash(const QByteArray &sha256)
{
    ui->HashLbl->setText(sha256.isEmpty() ? QString()
                                          : tr("SHA-256: ") + QString::fromLatin1(sha256.toHex()));
    ui->HashLbl->setVisible(!sha256.isEmpty());
    // The checksum ends the wait for a load: painted now, not a frame later.
    if (!sha256.isEmpty())
        ui->HashLbl->repaint();
}

void BinaryPage::uploadFile()
{
    using Outcome = SendPresenter::Outcome;
    auto busy = std::make_shared<BusyScope>(m_services.busy, BusyScope::TitleAnimation);
    ui->UStatLbl->setText(tr("Uploading File"));
    m_watch = std::make_unique<TransferWatch>(m_services.link, m_services.printer, ui->CancelCMD,
                                              ui->ProgressBar1, ui->UStatLbl, tr("Uploading"));
    updateEnabled();
    const OperationBuilders::Built built = OperationBuilders::firmware(
        m_binaryBytes ? m_description : tr("Firmware, none loaded"), m_binaryBytes);
    m_services.printer.run(*built.operation, [this, busy](Outcome outcome) {
        m_watch.reset();
        updateEnabled();
        busy->end();
        ui->UStatLbl->setText(outcome == Outcome::Sent        ? tr("File Uploaded")
                              : outcome == Outcome::Cancelled ? tr("Upload Cancelled")
                                                              : tr("Upload Failed"));
    });
}
