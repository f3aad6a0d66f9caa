#include "storage/StoragePage.h"

#include "common/ChunkedFileReader.h"
#include "common/FileReadJob.h"
#include "common/StopSignal.h"
#include "operation/OperationBuilders.h"
#include "printer/FormatLines.h"
#include "printer/GraphicCheck.h"
#include "printer/GraphicConvert.h"
#include "printer/StorageCommands.h"
#include "ui/BusyIndicators.h"
#include "ui/CommonDialog.h"
#include "ui/DetailsWindow.h"
#include "ui/Dialogs.h"
#include "ui/FileDrop.h"
#include "ui/SendPresenter.h"
#include "ui/TransferWatch.h"

#include "storage/GraphicConvertDialog.h"

#include "ui_StoragePage.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>

#include <new>
#include <optional>

namespace
{

QString graphicTitle()
{
    return StoragePage::tr("Graphic Storage");
}
QString storageTitle()
{
    return StoragePage::tr("DATA STORAGE");
}
QString readStatus()
{
    return StoragePage::tr("READ INTO MEMORY");
}

// While a file is read or sent the title animation runs, the pointer is an
// hourglass and the tab strip is disabled.
constexpr unsigned busySigns = BusyScope::TitleAnimation | BusyScope::Hourglass;

// Shows, titled `title` on an idle window, why an operation was refused;
// false then. A character the printer cannot receive would arrive as "?"
// and name another object; a line end would add a command of its own.
bool accepted(QWidget *window, const OperationBuilders::Built &built, const QString &title,
              BusyScope *busy = nullptr)
{
    if (built.operation)
        return true;
    if (busy)
        busy->end();
    Dialogs::showMessage(window, built.refusals.value(0), title);
    return false;
}

// Runs `step` on a format's text; false, once the user has been told, when
// there was no memory for it.
template <typename Step>
bool withinMemory(BusyScope &busy, QWidget *window, const QString &path, Step step)
{
    try {
        step();
        return true;
    } catch (const std::bad_alloc &) {
        busy.end();
        Dialogs::showFailure(window,
                             Failure{FailureCode::OutOfMemory,
                                     StoragePage::tr("Out of memory: %1 is too large to send as "
                                                     "a label format.")
                                         .arg(QDir::toNativeSeparators(path))});
        return false;
    }
}

// A read-only path box in the grey of the window, as the user cannot type there.
void greyOut(QLineEdit *box)
{
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    box->setPalette(palette);
}

} // namespace

StoragePage::StoragePage(PageServices services, QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::StoragePage>()), m_services(services)
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("StoragePage"));
    m_recallImageOption = ui->Option1;
    m_recallFormatOption = ui->Option2;
    m_viewFormatSwitch = ui->Check2;

    QFont status = ui->StatLbl->font();
    status.setPointSizeF(13.5);
    status.setBold(true);
    ui->StatLbl->setFont(status);
    greyOut(ui->FilePathTxt);
    greyOut(ui->FFnameTxt);
    m_viewFormatSwitch->hide();
    // An empty bar looks like a field to type in: it shows while a store
    // makes progress only.
    ui->GraphicProgress->hide();
    connect(ui->GraphicProgress, &QProgressBar::valueChanged, ui->GraphicProgress,
            [bar = ui->GraphicProgress](int value) { bar->setVisible(value > 0); });

    ui->GSBMPop->setChecked(true);
    ui->FPrintOp1->setChecked(true);
    choosePrintFormat();
    m_recallImageOption->setChecked(true);

    connectControls();
    // A file dropped on a path box is taken as its Browse would take it.
    new FileDrop(ui->FilePathTxt, ui->BrowseCMD, m_services.window,
                 [this](const QString &path) { readGraphicFile(path); });
    new FileDrop(ui->FFnameTxt, ui->FBrowseCMD, m_services.window,
                 [this](const QString &path) { useFormatFile(path); });
}

StoragePage::~StoragePage() = default;

void StoragePage::connectControls()
{
    connect(ui->BrowseCMD, &QPushButton::clicked, this, &StoragePage::readGraphic);
    connect(ui->StoreCMD, &QPushButton::clicked, this, &StoragePage::storeGraphic);
    connect(ui->ConvertCMD, &QPushButton::clicked, this, &StoragePage::convertGraphic);
    connect(ui->GSBMPop, &QRadioButton::toggled, this, &StoragePage::showGraphic);
    connect(ui->FPrintOp1, &QRadioButton::clicked, this, &StoragePage::choosePrintFormat);
    connect(ui->FSTandardOp1, &QRadioButton::clicked, this, &StoragePage::chooseStoreFormat);
    connect(ui->FBrowseCMD, &QPushButton::clicked, this, &StoragePage::chooseFormatFile);
    connect(ui->FStoreCMD, &QPushButton::clicked, this, &StoragePage::sendFormat);
    connect(m_viewFormatSwitch, &QCheckBox::clicked, this, &StoragePage::showFormatInDetails);
    connect(ui->RecallCMD, &QPushButton::clicked, this, &StoragePage::recall);
    connect(ui->DeleteCMD, &QPushButton::clicked, this, &StoragePage::deleteObject);
    connect(ui->ListCMD, &QPushButton::clicked, this, &StoragePage::listObjects);
    connect(&m_services.busy, &BusyIndicators::busyChanged, this, &StoragePage::updateEnabled);
}

void StoragePage::updateEnabled()
{
    const bool idle = !m_services.busy.isBusy();
    for (QWidget *input : BusyIndicators::inputsOf(this)) {
        // Cancel while this page's bytes go out, which only a busy window does.
        if (input == ui->CancelCMD)
            input->setEnabled(m_watch != nullptr);
        // A new format type asks for a fresh browse before the next send.
        else if (input == ui->FStoreCMD)
            input->setEnabled(idle && m_formatChosen);
        else
            input->setEnabled(idle);
    }
}

// Reads the chosen picture whole into memory. Cancel and failures end
// without a message; only a file too large to hold is explained.
void StoragePage::readGraphic()
{
    CommonDialog &dialog = m_services.fileDialog;
    dialog.setFilter(tr("Pictures (*.bmp;*.pcx)|*.bmp;*.pcx"));
    dialog.setCancelError(true);
    dialog.setFolder(Settings::Folder::Graphic);
    if (dialog.showOpen())
        return;
    readGraphicFile(dialog.fileName());
}

void StoragePage::readGraphicFile(const QString &path)
{
    auto file = std::make_shared<ChunkedFileReader>(path);
    const std::optional<Failure> opened = file->open();
    if (opened &&
        (opened->code == FailureCode::FileTooLarge || opened->code == FailureCode::BadFileName)) {
        Dialogs::showMessage(m_services.window, opened->shown(), graphicTitle());
        return;
    }
    ui->FilePathTxt->setText(path);
    if (opened)
        return;
    ui->ProgLbl->setText(tr("%1 Bytes").arg(file->size()));

    // A read that does not finish leaves no graphic at all rather than a
    // partial one that a store would send as if it were whole.
    m_graphicBytes.reset();
    showGraphic();
    auto busy = std::make_shared<BusyScope>(m_services.busy, busySigns);
    ui->StatLbl->setText(tr("READING INTO MEMORY"));
    FileReadJob::read(file, &m_services.stop, this,
                      [this, file, busy](ChunkedFileReader::Status status) {
                          busy->end();
                          if (status == ChunkedFileReader::Status::Read) {
                              m_graphicBytes = file->takeBytes();
                              ui->StatLbl->setText(readStatus());
                              showGraphic();
                          } else if (status == ChunkedFileReader::Status::Failed) {
                              ui->StatLbl->setText(tr("READING FAILED"));
                          }
                      });
}

// Makes a picture of any kind the graphic to store, converted as the user
// chooses in the dialog.
void StoragePage::convertGraphic()
{
    CommonDialog &dialog = m_services.fileDialog;
    // The picture chosen with Browse is the one most likely to need it.
    dialog.setFileName(ui->FilePathTxt->text());
    if (!dialog.chooseFileToRead(
            QStringLiteral("Pictures (*.png;*.jpg;*.jpeg;*.gif;*.bmp)|*.png;*.jpg;*.jpeg;*.gif;"
                           "*.bmp|All Files(*.*)|*.*"),
            Settings::Folder::Graphic))
        return;
    const QString path = dialog.fileName();
    auto file = std::make_shared<ChunkedFileReader>(path);
    if (std::optional<Failure> failure = file->open()) {
        Dialogs::showFailure(m_services.window, *failure);
        return;
    }
    auto busy = std::make_shared<BusyScope>(m_services.busy, BusyScope::Hourglass);
    FileReadJob::read(file, &m_services.stop, this,
                      [this, file, busy, path](ChunkedFileReader::Status status) {
                          busy->end();
                          if (status == ChunkedFileReader::Status::Failed)
                              Dialogs::showFailure(m_services.window, *file->failure());
                          if (status == ChunkedFileReader::Status::Read)
                              convertPicture(file->takeBytes(), path);
                      });
}

void StoragePage::convertPicture(const QByteArray &bytes, const QString &path)
{
    const std::variant<QImage, QString> picture =
        GraphicConvert::load(bytes, QFileInfo(path).fileName());
    if (const QString *why = std::get_if<QString>(&picture)) {
        Dialogs::showMessage(m_services.window, *why, graphicTitle());
        return;
    }
    GraphicConvertDialog convert(std::get<QImage>(picture), QFileInfo(path).fileName(),
                                 m_printableWidth ? m_printableWidth() : 0, m_services.fileDialog,
                                 m_services.window);
    if (convert.exec() != QDialog::Accepted)
        return;
    m_graphicBytes = convert.bmp();
    ui->GSBMPop->setChecked(true);
    ui->FilePathTxt->setText(path);
    ui->ProgLbl->setText(tr("%1 Bytes").arg(m_graphicBytes->size()));
    ui->StatLbl->setText(tr("CONVERTED INTO MEMORY"));
    showGraphic();
}

GraphicCheck::Type StoragePage::graphicType() const
{
    return ui->GSPCXOp->isChecked() ? GraphicCheck::Type::Pcx : GraphicCheck::Type::Bmp;
}

// The graphic in memory as the printer will take it, with its size; what
// it cannot take shows no picture and says so where the read was reported.
// A large picture takes a while to draw: it is drawn on the reading thread,
// and only the last one asked for is shown.
void StoragePage::showGraphic()
{
    const quint64 asked = ++m_previewsAsked;
    showPicture(ui->GraphicPic, QImage());
    if (!m_graphicBytes) {
        ui->GraphicSizeLbl->clear();
        return;
    }
    ui->GraphicSizeLbl->setText(tr("Drawing…"));
    struct Preview {
        QImage picture;
        std::optional<GraphicCheck::Dots> dots;
    };
    auto preview = std::make_shared<Preview>();
    const QByteArray bytes = *m_graphicBytes;
    const GraphicCheck::Type type = graphicType();
    FileReadJob::run(
        this,
        [preview, bytes, type] {
            const auto checked = GraphicCheck::check(bytes, type, QString());
            if (const auto *dots = std::get_if<GraphicCheck::Dots>(&checked)) {
                preview->dots = *dots;
                preview->picture = GraphicConvert::picture(bytes, type);
            }
        },
        [this, preview, asked, type] {
            if (asked != m_previewsAsked)
                return;
            showPicture(ui->GraphicPic, preview->picture);
            const QString typeWord =
                type == GraphicCheck::Type::Pcx ? QStringLiteral("PCX") : QStringLiteral("BMP");
            ui->GraphicSizeLbl->setText(preview->dots
                                            ? GraphicCheck::sizeText(*preview->dots)
                                            : tr("Not a 1-bit %1 the printer takes").arg(typeWord));
            // What the read said is corrected once the graphic is known.
            const QString refused = tr("Cannot be stored as %1");
            const QString status = ui->StatLbl->text();
            if (status == readStatus() || status == refused.arg(QStringLiteral("BMP")) ||
                status == refused.arg(QStringLiteral("PCX")))
                ui->StatLbl->setText(preview->dots ? readStatus() : refused.arg(typeWord));
        });
}

// Refuses, with what is wrong in words, a graphic the printer cannot take
// as the type chosen: nothing of it is sent.
bool StoragePage::refuseGraphic()
{
    const std::optional<QString> why = OperationBuilders::graphicRefusal(
        *m_graphicBytes, graphicType() == GraphicCheck::Type::Pcx,
        QFileInfo(ui->FilePathTxt->text()).fileName(), Audience::Window);
    if (why)
        Dialogs::showMessage(m_services.window, *why, graphicTitle());
    return why.has_value();
}

// Sends the graphic in memory under an identifier: a header, the file's
// bytes, a closing line end. A part that fails ends the store there, so the
// printer never gets file bytes without their header.
void StoragePage::storeGraphic()
{
    if (!m_graphicBytes) {
        Dialogs::showMessage(m_services.window,
                             tr("No graphic has been read. Use Browse to choose one first."),
                             graphicTitle());
        return;
    }
    if (refuseGraphic())
        return;
    const QString identifier = StorageCommands::upperIdentifier(Dialogs::inputBox(
        m_services.window, tr("Enter Identifier"), graphicTitle(), QStringLiteral("Image_1")));
    if (identifier.isEmpty())
        return;
    // Header, file and closing line end are one store: one row of the log.
    const OperationBuilders::Built built = OperationBuilders::storeGraphic(
        tr("Graphic %1, %2 bytes")
            .arg(identifier, QLocale(QLocale::English).toString(qint64(m_graphicBytes->size()))),
        ui->FilePathTxt->text(), *m_graphicBytes, identifier, ui->GSPCXOp->isChecked(),
        std::nullopt, Audience::Window);
    if (!accepted(m_services.window, built, graphicTitle()))
        return;

    using Outcome = SendPresenter::Outcome;
    auto busy = std::make_shared<BusyScope>(m_services.busy, busySigns);
    const auto partStarted = [this](int part) {
        m_watch.reset();
        if (part == 1) {
            ui->StatLbl->setText(tr("SENDING FILE TO PRINTER"));
            m_watch =
                std::make_unique<TransferWatch>(m_services.link, m_services.printer, ui->CancelCMD,
                                                ui->GraphicProgress, ui->StatLbl, tr("Sending"));
        }
        updateEnabled();
    };
    const auto ended = [this, busy, identifier](Outcome outcome) {
        m_watch.reset();
        updateEnabled();
        busy->end();
        ui->StatLbl->setText(outcome == Outcome::Sent ? tr("FINISHED STORING %1").arg(identifier)
                             : outcome == Outcome::Cancelled ? tr("STORING CANCELLED")
                                                             : tr("STORING FAILED"));
    };
    m_services.printer.run(*built.operation, ended, partStarted);
}

void StoragePage::choosePrintFormat()
{
    chooseFormatType(tr("&Print Format"));
}

void StoragePage::chooseStoreFormat()
{
    chooseFormatType(tr("Store Format to Prin&ter"));
}

// A new format type asks for a fresh browse before the next send.
void StoragePage::chooseFormatType(const QString &storeCaption)
{
    m_formatChosen = false;
    ui->FStoreCMD->setText(storeCaption);
    updateEnabled();
}

void StoragePage::chooseFormatFile()
{
    CommonDialog &dialog = m_services.fileDialog;
    if (!dialog.chooseFileToRead(tr("Text Files(*.txt)|*.txt|All Files(*.*)|*.*"),
                                 Settings::Folder::Format))
        return;
    useFormatFile(dialog.fileName());
}

void StoragePage::useFormatFile(const QString &path)
{
    if (path.isEmpty()) {
        Dialogs::showMessage(m_services.window, tr("You must select a pre-created label format."));
        return;
    }
    ui->FFnameTxt->setText(path);
    m_formatChosen = true;
    updateEnabled();
}

// Prints the format file as it is, or stores it under an identifier in
// place of its first line. The file is read afresh on every send.
void StoragePage::sendFormat()
{
    const QString path = ui->FFnameTxt->text();
    if (path.isEmpty()) {
        Dialogs::showMessage(m_services.window,
                             tr("You must select a label file to send to the printer."),
                             tr("Label Format Printing"));
        return;
    }
    const bool storing = !ui->FPrintOp1->isChecked();

    auto busy = std::make_shared<BusyScope>(m_services.busy, busySigns);
    auto file = std::make_shared<ChunkedFileReader>(path);
    if (std::optional<Failure> failure = file->open()) {
        busy->end();
        Dialogs::showFailure(m_services.window, *failure);
        return;
    }
    file->keepRoom(FormatLines::roomToGrow(file->size()));
    FileReadJob::read(file, &m_services.stop, this,
                      [this, file, busy, path, storing](ChunkedFileReader::Status status) {
                          if (status != ChunkedFileReader::Status::Read) {
                              busy->end();
                              if (status == ChunkedFileReader::Status::Stopped)
                                  return;
                              Dialogs::showFailure(m_services.window, *file->failure());
                              return;
                          }
                          sendFormatText(file->takeBytes(), path, storing, busy);
                      });
}

void StoragePage::sendFormatText(QByteArray text, const QString &path, bool storing,
                                 const std::shared_ptr<BusyScope> &busy)
{
    const QString fileName = QFileInfo(path).fileName();
    const auto sent = [busy](SendPresenter::Outcome) { busy->end(); };
    // One character per byte: the text goes out as the file's own bytes,
    // never widened to a QString, which would take two more copies of it.
    OperationBuilders::Built built;
    if (!storing) {
        if (withinMemory(*busy, m_services.window, path, [&] {
                built = OperationBuilders::printFormat(tr("Label format %1").arg(fileName),
                                                       std::move(text));
            }))
            m_services.printer.run(*built.operation, sent);
        return;
    }
    const QString identifier = Dialogs::inputBox(m_services.window, tr("Enter Format Identifier"),
                                                 tr("8 Characters or less please"));
    // A format stored without a name could never be recalled.
    if (identifier.isEmpty()) {
        busy->end();
        return;
    }
    if (!withinMemory(*busy, m_services.window, path,
                      [&] {
                          built = OperationBuilders::storeFormat(
                              tr("Label format %1, stored as %2").arg(fileName, identifier),
                              std::move(text), identifier);
                      }) ||
        !accepted(m_services.window, built, tr("File Format Storage"), busy.get()))
        return;
    // The Details window shows the stored text once it has gone out.
    const QByteArray stored = built.operation->parts.constFirst().bytes;
    m_services.printer.run(*built.operation, [this, busy, path, stored](SendPresenter::Outcome) {
        withinMemory(*busy, m_services.window, path,
                     [&] { m_services.details.setText(QString::fromLatin1(stored)); });
        busy->end();
    });
}

void StoragePage::showFormatInDetails(bool checked)
{
    m_services.details.setShown(checked);
}

void StoragePage::recall()
{
    if (m_recallFormatOption->isChecked())
        recallFormat();
    else
        recallGraphic();
}

void StoragePage::recallGraphic()
{
    const QString identifier =
        Dialogs::inputBox(m_services.window, tr("Enter Stored Graphic to Print"), storageTitle());
    if (identifier.isEmpty())
        return;
    run(OperationBuilders::recallImage(
            tr("Recall graphic %1").arg(StorageCommands::upperIdentifier(identifier)), identifier),
        storageTitle());
}

void StoragePage::recallFormat()
{
    const QString identifier =
        Dialogs::inputBox(m_services.window, tr("Enter Label Format to Print"), storageTitle());
    const QString quantity = Dialogs::inputBox(m_services.window, tr("Enter Quantity"),
                                               storageTitle(), QStringLiteral("1"));
    if (identifier.isEmpty())
        return;
    run(OperationBuilders::recallFormat(
            tr("Recall format %1").arg(StorageCommands::upperIdentifier(identifier)), identifier,
            quantity),
        storageTitle());
}

void StoragePage::deleteObject()
{
    const QString title = tr("Delete Stored Object");
    const QString identifier =
        Dialogs::inputBox(m_services.window, tr("Enter Identifier of Object to Delete"), title);
    if (identifier.isEmpty())
        return;
    run(OperationBuilders::deleteObject(tr("Delete %1").arg(identifier), identifier), title);
}

void StoragePage::listObjects()
{
    run(OperationBuilders::listObjects(tr("List")), storageTitle());
}

void StoragePage::run(const OperationBuilders::Built &built, const QString &title)
{
    if (accepted(m_services.window, built, title))
        m_services.printer.run(*built.operation);
}
