#pragma once

#include "app/BusyIndicators.h"
#include "app/CommonDialog.h"
#include "app/PageServices.h"
#include "common/StopSignal.h"
#include "config/DetailsFrm.h"
#include "link/PrinterLink.h"

#include <QWidget>

#include <memory>

class AboutPage;
class BinaryPage;
class CalibrationPage;
class CommPage;
class ConfigPage;
class QPushButton;
class QTabWidget;
class StoragePage;

// The main window: six tabs, the Exit button, and the services the tabs
// share. Closing it closes the Details window, stops any running transfer
// and ends the program.
class MainFrm : public QWidget
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

    explicit MainFrm(QWidget *parent = nullptr);
    ~MainFrm() override;

    bool String_Print(const QString &text) { return m_link.String_Print(text); }
    bool Array_Print(const PrinterBytes &bytes) { return m_link.Array_Print(bytes); }

    PrinterLink &link() { return m_link; }
    BusyIndicators &busy() { return *m_busy; }
    CommonDialog &commonDialog() { return m_commonDialog; }
    DetailsHost &details() { return m_details; }
    const StopSignal &stopSignal() const { return m_stop; }

    QTabWidget *SSTab1() const { return m_tabs; }
    CommPage *commPage() const { return m_commPage; }
    ConfigPage *configPage() const { return m_configPage; }
    CalibrationPage *calibrationPage() const { return m_calibrationPage; }
    StoragePage *storagePage() const { return m_storagePage; }
    BinaryPage *binaryPage() const { return m_binaryPage; }
    AboutPage *aboutPage() const { return m_aboutPage; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildTabs();
    void connectControls();

    StopSignal m_stop;
    PrinterLink m_link;
    QTabWidget *m_tabs;
    QPushButton *m_exitCmd = nullptr;
    std::unique_ptr<BusyIndicators> m_busy;
    CommonDialog m_commonDialog;
    DetailsHost m_details;
    PageServices m_services;

    CommPage *m_commPage = nullptr;
    ConfigPage *m_configPage = nullptr;
    CalibrationPage *m_calibrationPage = nullptr;
    StoragePage *m_storagePage = nullptr;
    BinaryPage *m_binaryPage = nullptr;
    AboutPage *m_aboutPage = nullptr;
};
