#include "storage/GraphicConvertDialog.h"

#include "ui/CommonDialog.h"
#include "ui/Dialogs.h"

#include "ui_GraphicConvertDialog.h"

#include <QPainter>
#include <QPixmap>
#include <QSaveFile>

GraphicConvertDialog::GraphicConvertDialog(const QImage &original, const QString &fileName,
                                           int printableWidth, CommonDialog &files, QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::GraphicConvertDialog>()), m_files(files),
      m_original(original), m_fileName(fileName), m_printableWidth(printableWidth)
{
    ui->setupUi(this);
    ui->WidthSpin->setRange(1, GraphicConvert::maxWidth);
    ui->WidthSpin->setValue(qBound(1, original.width(), GraphicConvert::maxWidth));
    ui->WidthSpin->setSuffix(QStringLiteral(" dots"));
    ui->ThresholdSpin->setRange(GraphicConvert::minThreshold, GraphicConvert::maxThreshold);
    ui->ThresholdSpin->setValue(GraphicConvert::defaultThreshold);
    ui->WidthWarningLbl->hide();
    ui->OriginalSizeLbl->setText(GraphicCheck::sizeText({original.width(), original.height()}));
    connectControls();
    convert();
}

GraphicConvertDialog::~GraphicConvertDialog() = default;

void GraphicConvertDialog::connectControls()
{
    connect(ui->WidthChk, &QCheckBox::toggled, ui->WidthSpin, &QWidget::setEnabled);
    connect(ui->WidthChk, &QCheckBox::toggled, this, &GraphicConvertDialog::convert);
    connect(ui->WidthSpin, &QSpinBox::valueChanged, this, &GraphicConvertDialog::convert);
    connect(ui->ThresholdOp, &QRadioButton::toggled, ui->ThresholdSpin, &QWidget::setEnabled);
    connect(ui->ThresholdOp, &QRadioButton::toggled, this, &GraphicConvertDialog::convert);
    connect(ui->ThresholdSpin, &QSpinBox::valueChanged, this, &GraphicConvertDialog::convert);
    connect(ui->InvertChk, &QCheckBox::toggled, this, &GraphicConvertDialog::convert);
    connect(ui->UseCMD, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->CloseCMD, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui->SaveCMD, &QPushButton::clicked, this, &GraphicConvertDialog::save);
}

GraphicConvert::Options GraphicConvertDialog::options() const
{
    GraphicConvert::Options options;
    options.width = ui->WidthChk->isChecked() ? ui->WidthSpin->value() : 0;
    options.dither = ui->DitherOp->isChecked();
    if (!options.dither)
        options.threshold = ui->ThresholdSpin->value();
    options.invert = ui->InvertChk->isChecked();
    return options;
}

void GraphicConvertDialog::convert()
{
    const auto converted = GraphicConvert::convert(m_original, options(), m_fileName);
    const auto *result = std::get_if<GraphicConvert::Converted>(&converted);
    m_result = result ? result->mono : QImage();
    m_bmp = result ? result->bmp : QByteArray();
    showPictures();
    ui->ResultSizeLbl->setText(result
                                   ? GraphicCheck::sizeText({m_result.width(), m_result.height()})
                                   : std::get<QString>(converted));
    const bool tooWide = result && m_printableWidth > 0 && m_result.width() > m_printableWidth;
    ui->WidthWarningLbl->setText(tooWide ? tr("Wider than the printable width of %1 dots set on "
                                              "Printer Configuration: the printer cuts off the "
                                              "rest.")
                                               .arg(m_printableWidth)
                                         : QString());
    ui->WidthWarningLbl->setVisible(tooWide);
    // Nothing to take or save while the options give no graphic.
    ui->UseCMD->setEnabled(result);
    ui->SaveCMD->setEnabled(result);
}

void GraphicConvertDialog::showPictures()
{
    showPicture(ui->OriginalPic, m_original);
    showPicture(ui->ResultPic, m_result);
}

// The labels take their size only once laid out, and change it with the
// dialog: each conversion is drawn to the room it has now, all alike.
void GraphicConvertDialog::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    showPictures();
}

void GraphicConvertDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    showPictures();
}

void GraphicConvertDialog::save()
{
    m_files.setFolder(Settings::Folder::Graphic);
    m_files.setFilter(tr("Bitmaps (*.bmp)|*.bmp"));
    m_files.setDefaultExt(QStringLiteral(".bmp"));
    m_files.setCancelError(true);
    if (m_files.showSave())
        return;
    QSaveFile file(m_files.fileName());
    if (!file.open(QIODevice::WriteOnly) || file.write(m_bmp) != m_bmp.size() || !file.commit())
        Dialogs::showMessage(this,
                             tr("The picture could not be saved to %1: %2")
                                 .arg(m_files.fileName(), file.errorString()),
                             windowTitle());
}

void showPicture(QLabel *label, const QImage &picture)
{
    if (picture.isNull()) {
        label->setPixmap(QPixmap());
        return;
    }
    // Before the first show a laid-out label has no size of its own yet.
    const int frame = 2 * label->frameWidth() + 4;
    const QSize room = label->size().expandedTo(label->minimumSize()) - QSize(frame, frame);
    const QSize size = picture.size()
                           .scaled(room.boundedTo(picture.size() * 2), Qt::KeepAspectRatio)
                           .expandedTo({1, 1});
    // Shrunk, dots blend into greys as on paper seen from afar; enlarged,
    // each stays a sharp square.
    const bool shrinking = size.width() < picture.width();
    // Transparent parts on white, as the conversion takes them.
    QImage paper(size, QImage::Format_RGB32);
    paper.fill(Qt::white);
    QPainter(&paper).drawImage(
        QPoint(), picture.scaled(size, Qt::IgnoreAspectRatio,
                                 shrinking ? Qt::SmoothTransformation : Qt::FastTransformation));
    label->setPixmap(QPixmap::fromImage(paper));
}
