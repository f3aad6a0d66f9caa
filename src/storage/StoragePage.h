#pragma once

#include "link/PrinterBytes.h"
#include "ui/PageServices.h"

#include <QWidget>

#include <memory>

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

private:
    void connectControls();

    void onBrowseCmdClicked();
    void onStoreCmdClicked();

    void onFPrintOp1Clicked();
    void onFSTandardOp1Clicked();
    void chooseFormatType(const QString &storeCaption);
    void onFBrowseCmdClicked();
    void onFStoreCmdClicked();
    void onCheck2Clicked(bool checked);

    void onRecallCmdClicked();
    void recallGraphic();
    void recallFormat();
    void onDeleteCmdClicked();
    void onListCmdClicked();

    std::unique_ptr<Ui::StoragePage> ui;
    PageServices m_services;
    // The last graphic read, kept until the next read; nothing before the first.
    PrinterBytes m_graphicBytes;
};
