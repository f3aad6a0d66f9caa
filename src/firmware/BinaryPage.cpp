#include "firmware/BinaryPage.h"

#include "app/BusyIndicators.h"
#include "app/CommonDialog.h"
#include "app/Dialogs.h"
#include "common/ChunkedFileReader.h"
#include "common/EventPump.h"
#include "common/StopSignal.h"
#include "link/PrinterLink.h"

#include "ui_BinaryPage.h"

#include <algorithm>
#include <new>

namespace
{

// The hourglass for the life of a load, back to the default on every way out.
class Hourglass
{
public:
    explicit Hourglass(BusyIndicators &busy) : m_busy(busy) { m_busy.setHourglass(true); }
    ~Hourglass() { m_busy.setHourglass(false); }
    Hourglass(const Hourglass &) = delete;
    Hourglass &operator=(const Hourglass &) = delete;

private:
    BusyIndicators &m_busy;
};

} // namespace

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
    connect(ui->BMemCMD, &QPushButton::clicked, this, &BinaryPage::onBMemCmdClicked);
    connect(ui->BUpLoadCMD, &QPushButton::clicked, this, &BinaryPage::onBUpLoadCmdClicked);
}

void BinaryPage::onBMemCmdClicked()
{
    CommonDialog &dialog = m_services.fileDialog;
    dialog.Filter = QStringLiteral("All Files(*.*)|*.*");
    dialog.CancelError = true;
    if (const std::optional<Failure> failure = dialog.ShowOpen()) {
        if (failure->code != FailureCode::DialogCancelled)
            Dialogs::showFailure(m_services.window, *failure);
        return;
    }
    const QString path = dialog.FileName;
    if (path.isEmpty()) {
        Dialogs::showMessage(m_services.window, tr("You must select a file to load into memory."),
                             tr("Binary File"));
        return;
    }

    m_services.busy.TimerOn();
    const std::optional<Failure> failure = loadFile(path);
    m_services.busy.timeroff();
    if (failure && !m_services.stop.isRaised())
        Dialogs::showFailure(m_services.window, *failure);
}

std::optional<Failure> BinaryPage::loadFile(const QString &path)
{
    ChunkedFileReader reader(path);
    if (std::optional<Failure> failure = reader.open())
        return failure;
    try {
        m_binaryBytes = QByteArray(reader.size(), Qt::Uninitialized);
    } catch (const std::bad_alloc &) {
        return Failure{FailureCode::OutOfMemory,
                       tr("Out of memory: %1 bytes do not fit in memory.").arg(reader.size())};
    }

    TabStripLock tabStripLock(m_services.busy);
    Hourglass hourglass(m_services.busy);
    ui->FnameTxt->setText(path);
    ui->FSizeTxt->setText(tr("%1 Bytes").arg(reader.size()));
    ui->BinStatLbl->setText(tr("Loading file into Memory"));

    QByteArray &buffer = *m_binaryBytes;
    EventPump pump;
    pump.pump();
    std::optional<Failure> failure;
    while (!reader.atEnd() && !m_services.stop.isRaised() &&
           !(failure = reader.readNextChunk(buffer)))
        pump.pumpIfDue();
    if (!reader.atEnd()) {
        // What was not read stays zero. Nothing to report when the window is closing.
        std::fill(buffer.begin() + reader.position(), buffer.end(), '\0');
        return failure;
    }
    reader.close();
    ui->BinStatLbl->setText(tr("File Loaded into Memory"));
    return std::nullopt;
}

void BinaryPage::onBUpLoadCmdClicked()
{
    m_services.busy.TFrameOn();
    TabStripLock tabStripLock(m_services.busy);
    ui->UStatLbl->setText(tr("Uploading File"));
    const bool sent = m_services.link.Array_Print(m_binaryBytes);
    ui->UStatLbl->setText(sent ? tr("File Uploaded") : tr("Upload Failed"));
    m_services.busy.TFrameOff();
}
