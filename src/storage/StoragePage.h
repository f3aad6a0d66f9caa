#pragma once

#include "link/PrinterBytes.h"
#include "operation/OperationBuilders.h"
#include "printer/GraphicCheck.h"
#include "ui/PageServices.h"

#include <QWidget>

#include <functional>
#include <memory>

class BusyScope;
class TransferWatch;
class QCheckBox;
class QRadioButton;

namespace Ui
{
class StoragePage;
}

// The Data Storage tab: graphics and label formats stored in the printer, recall, delete and list.
class StoragePage : public QWidget
{
    Q_OBJECT
public:
    explicit StoragePage(PageServices services, QWidget *parent = nullptr);
    ~StoragePage() override;

    // Where the Convert dialog learns the printable width set for the
    // printer, in dots; 0 when none is set.
    void setPrintableWidth(std::function<int()> width) { m_printableWidth = std::move(width); }

private:
    void connectControls();
    // What may be used now, from the window's busy state and the page's own.
    void updateEnabled();

    void readGraphic();
    void readGraphicFile(const QString &path);
    void convertGraphic();
    // Opens the Convert dialog on a picture file's bytes.
    void convertPicture(const QByteArray &bytes, const QString &path);
    void showGraphic();
    bool refuseGraphic();
    GraphicCheck::Type graphicType() const;
    void storeGraphic();

    void choosePrintFormat();
    void chooseStoreFormat();
    void chooseFormatType(const QString &storeCaption);
    void chooseFormatFile();
    void useFormatFile(const QString &path);
    void sendFormat();
    // Sends a format file's text once it has been read.
    void sendFormatText(QByteArray text, const QString &path, bool storing,
                        const std::shared_ptr<BusyScope> &busy);
    void showFormatInDetails(bool checked);

    void recall();
    void recallGraphic();
    void recallFormat();
    void deleteObject();
    void listObjects();
    // Runs what was built, or shows why it was refused, titled `title`.
    void run(const OperationBuilders::Built &built, const QString &title);

    std::unique_ptr<Ui::StoragePage> ui;
    PageServices m_services;
    // The last graphic read, kept until the next read; nothing before the first.
    PrinterBytes m_graphicBytes;
    std::function<int()> m_printableWidth;
    quint64 m_previewsAsked = 0;
    // Controls the form names by number (Option1, Option2, Check2), here
    // by their part.
    QRadioButton *m_recallImageOption = nullptr;
    QRadioButton *m_recallFormatOption = nullptr;
    QCheckBox *m_viewFormatSwitch = nullptr;
    // A format file browsed for since the format type was last chosen.
    bool m_formatChosen = false;
    // The progress of a graphic's bytes going out, and its Cancel.
    std::unique_ptr<TransferWatch> m_watch;
};
