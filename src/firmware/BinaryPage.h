#pragma once

#include "common/Failure.h"
#include "link/PrinterBytes.h"
#include "ui/PageServices.h"

#include <QWidget>

#include <memory>
#include <optional>

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
    void chooseAndLoadFile();
    // As after the file dialog: reads `path`, telling what went wrong.
    void loadChosenFile(const QString &path);
    void uploadFile();

    // Reads `path` into memory; nothing to report when it went through or
    // when the window is closing.
    std::optional<Failure> loadFile(const QString &path);
    // The hash of the file in memory, or none.
    void showHash(const QByteArray &sha256);

    std::unique_ptr<Ui::BinaryPage> ui;
    PageServices m_services;
    PrinterBytes m_binaryBytes;
    // How the send log names an upload of the file in memory.
    QString m_description;
};
