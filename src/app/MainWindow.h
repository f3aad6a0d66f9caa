#pragma once

#include "common/SendLog.h"
#include "common/StopSignal.h"
#include "link/PrinterLink.h"
#include "ui/BusyIndicators.h"
#include "ui/CommonDialog.h"
#include "ui/DetailsWindow.h"
#include "ui/PageServices.h"
#include "ui/SendPresenter.h"
#include "ui/Settings.h"

#include <QPointer>
#include <QWidget>

#include <memory>

class QLabel;
class QMessageBox;
class QPushButton;
class QTabWidget;
class CommPage;
class ConfigPage;
class LogWindow;

// The main window: six tabs, the Exit and Log buttons, a status bar that
// shows the link the next send uses and how the last send ended, and the
// services the tabs share. It opens where it was last closed, or else fitted
// to the screen; each tab scrolls when the window is smaller than its page.
// Closing it asks first while Printer Configuration holds settings not sent,
// closes the Details and log windows, stops any running transfer and ends
// the program.
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
    SendLog &sendLog() { return m_sendLog; }
    Settings &settings() { return m_settings; }

    QTabWidget *tabs() const { return m_tabs; }

protected:
    void closeEvent(QCloseEvent *event) override;
    // Shown, moved or resized: the window manager's frame may now be known.
    bool event(QEvent *event) override;

private:
    void buildTabs();
    // The starting size and place: the pages' own size as far as the screen
    // allows, in the middle of the screen.
    void fitToScreen();
    // Fits again once the window manager's frame is known, as long as the
    // window keeps the size fitToScreen gave it.
    void refitToFrame();
    void showLog();
    // What may be used beside the pages: the tab bar, the log window's Reset.
    void updateEnabled();
    // After the user's confirmation, forgets everything remembered and
    // takes the starting printer link again.
    void resetSettings();
    void connectControls();
    // Closing while a transfer runs asks first; the transfer goes on meanwhile.
    void askToStopTransfer();
    void buildStatusBar();
    void showLink();
    // How the last send ended, in the status bar.
    void showLastSend(const SendLog::Entry &send);

    Settings m_settings;
    SendLog m_sendLog;
    StopSignal m_stop;
    PrinterLink m_link;
    SendPresenter m_printer;
    QTabWidget *m_tabs;
    CommPage *m_commPage = nullptr;
    ConfigPage *m_configPage = nullptr;
    QPushButton *m_exitCmd = nullptr;
    QLabel *m_linkLbl = nullptr;
    // Reads a network printer's status for the link's text.
    std::unique_ptr<SnmpReader> m_linkStatus;
    QLabel *m_lastSendLbl = nullptr;
    QPushButton *m_logCmd = nullptr;
    QPointer<LogWindow> m_logWindow;
    std::unique_ptr<BusyIndicators> m_busy;
    CommonDialog m_commonDialog;
    DetailsHost m_details;
    PageServices m_services;
    QPointer<QMessageBox> m_stopQuestion;
    // The frame fitToScreen counted with and the size it gave; no frame
    // once the user has resized the window.
    QSize m_fitFrame;
    QSize m_fitSize;
    // The busy signs while a send waits for a network printer to answer.
    std::unique_ptr<BusyScope> m_waitSigns;
    // What the status bar shows of the running operation, and what it
    // showed before it.
    QString m_activityText;
    QString m_beforeActivity;
    // The printer the link leads to, as last shown.
    QString m_shownPrinter;
};
