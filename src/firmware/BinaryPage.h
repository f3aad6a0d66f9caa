#pragma once

#include "common/Failure.h"
#include "link/PrinterBytes.h"
#include "ui/PageServices.h"

#include <QWidget>

#include <memory>
#include <optional>

class ChunkedFileReader;
class TransferWatch;

namespace Ui
{
class BinaryPage;
}

// The Binary Transfer tab: a file read into memory and sent to the printer unchanged.
class BinaryPage : public QWidget
{
    Q_OBJECT
public:
    explicit BinaryPage(PageServices services, QWidget *parent = nullptr);
    ~BinaryPage() override;

    // The bytes of the file loaded; empty before the first load and after
    // one that failed or was stopped.
    const PrinterBytes &binaryBytes() const { return m_binaryBytes; }

private:
    void connectControls();
    // What may be used now, from the window's busy state and the upload's.
    void updateEnabled();
    void chooseAndLoadFile();
    // As after the file dialog: reads `path`, telling what went wrong.
    void loadChosenFile(const QString &path);
    void uploadFile();

    // Takes the file just read as the image in memory.
    void keepLoadedFile(ChunkedFileReader &reader, const QString &path);
    // Shows how a load ended and what went wrong, if anything did; a load
    // `begun` had already let go of the image before.
    void endLoad(bool begun, const std::optional<Failure> &failure);
    // The hash of the file in memory, or none.
    void showHash(const QByteArray &sha256);

    std::unique_ptr<Ui::BinaryPage> ui;
    PageServices m_services;
    PrinterBytes m_binaryBytes;
    // How the send log names an upload of the file in memory.
    QString m_description;
    // The progress of an upload, and its Cancel.
    std::unique_ptr<TransferWatch> m_watch;
};
