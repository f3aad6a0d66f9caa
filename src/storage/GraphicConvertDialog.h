#pragma once

#include "printer/GraphicConvert.h"

#include <QDialog>
#include <QImage>

#include <memory>

class CommonDialog;
class QLabel;

namespace Ui
{
class GraphicConvertDialog;
}

// Shows a picture beside its one-bit conversion, redone as the options
// change; Use takes the conversion, Save as BMP writes it to a file. A
// conversion wider than `printableWidth` dots (none when 0) is shown with
// a warning: the printer would cut it.
class GraphicConvertDialog : public QDialog
{
    Q_OBJECT
public:
    GraphicConvertDialog(const QImage &original, const QString &fileName, int printableWidth,
                         CommonDialog &files, QWidget *parent);
    ~GraphicConvertDialog() override;

    GraphicConvert::Options options() const;
    // The BMP file of the conversion shown.
    QByteArray bmp() const { return m_bmp; }

protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void connectControls();
    void convert();
    // Draws both pictures at the size their labels have now.
    void showPictures();
    void save();

    std::unique_ptr<Ui::GraphicConvertDialog> ui;
    CommonDialog &m_files;
    QImage m_original;
    QString m_fileName;
    int m_printableWidth;
    QImage m_result;
    QByteArray m_bmp;
};

// Shows `picture` in `label`, shrunk to fit, never enlarged beyond twice its
// size, dot for dot without smoothing so that one-bit dots stay sharp.
void showPicture(QLabel *label, const QImage &picture);
