#pragma once

#include "common/StopSignal.h"
#include "link/PrinterLink.h"
#include "ui/BusyIndicators.h"
#include "ui/CommonDialog.h"
#include "ui/DetailsWindow.h"
#include "ui/PageServices.h"
#include "ui/SendPresenter.h"

#include <QPointer>
#include <QWidget>

#include <memory>

class QLabel;
class QMessageBox;
class QPushButton;
class QTabWidget;

// The main window: six tabs, the Exit button, a status bar that shows the
// link the next send uses and how the last send ended, and the services the
// tabs share. Closing it closes the Details window, stops any running transfer
// and ends the program.
class MainWindow : public QWidget
{
    Q_OBJECT
public:
    enum Tab {
        CommunicationTab,
        ConfigurationTab,
        CalibrationTab,
        StorageTab,
        BinaryTab,
        AboutTab
    };

    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    PrinterLink &link() { return m_link; }
    SendPresenter &printer() { return m_printer; }
    BusyIndicators &busy() { return *m_busy; }
    CommonDialog &commonDialog() { return m_commonDialog; }
    DetailsHost &details() { return m_details; }
    const StopSignal &stopSignal() const { return m_stop; }

    QTabWidget *SSTab1() const { return m_tabs; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildTabs();
    void connectControls();
    // Closing while a transfer runs asks first; the transfer goes on meanwhile.
    void askToStopTransfer();
    void buildStatusBar();
    void showLink();
    void showLastSend(qint64 bytes, const QString &failure);

    StopSignal m_stop;
    PrinterLink m_link;
    SendPresenter m_printer;
    QTabWidget *m_tabs;
    QPushButton *m_exitCmd = nullptr;
    QLabel *m_linkLbl = nullptr;
    QLabel *m_lastSendLbl = nullptr;
    std::unique_ptr<BusyIndicators> m_busy;
    CommonDialog m_commonDialog;
    DetailsHost m_details;
    PageServices m_services;
    QPointer<QMessageBox> m_stopQuestion;
};
