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
// change; Use takes the conversion, Save as BMP writes it to a file.
class GraphicConvertDialog : public QDialog
{
    Q_OBJECT
public:
    GraphicConvertDialog(const QImage &original, CommonDialog &files, QWidget *parent);
    ~GraphicConvertDialog() override;

    GraphicConvert::Options options() const;
    // The BMP file of the conversion shown.
    QByteArray bmp() const { return m_bmp; }

private:
    void connectControls();
    void convert();
    void save();

    std::unique_ptr<Ui::GraphicConvertDialog> ui;
    CommonDialog &m_files;
    QImage m_original;
    QByteArray m_bmp;
};

// Shows `picture` in `label`, shrunk to fit, never enlarged beyond twice its
// size, dot for dot without smoothing so that one-bit dots stay sharp.
void showPicture(QLabel *label, const QImage &picture);
