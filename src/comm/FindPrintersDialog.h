#pragma once

#include "discovery/Discovery.h"
#include "discovery/PrinterWatch.h"

#include <QDialog>

#include <memory>

class QSortFilterProxyModel;
class QStandardItemModel;

namespace Ui
{
class FindPrintersDialog;
}

// Finds the printers on the network and lets the user pick one: the range
// given (the computer's own /24 proposed), DNS-SD and SNMP, nothing until
// Start. The table fills as answers arrive. With Watch on, the printers
// found are read again and again through the watch the command line uses,
// and their rows and details follow what they say.
class FindPrintersDialog : public QDialog
{
    Q_OBJECT
public:
    explicit FindPrintersDialog(QWidget *parent = nullptr);
    ~FindPrintersDialog() override;

    // The /24 of the first interface that is up with an IPv4 address, not
    // loopback; empty when there is none.
    static QString ownRange();

    // How printers are asked over SNMP.
    void setSnmpOptions(const SnmpOptions &options) { m_snmp = options; }
    // How long the watch takes to read every printer once.
    void setWatchInterval(int ms) { m_watchIntervalMs = ms; }

    // The details of a printer as the pane shows them: what it is, what its
    // panel says, its alerts with the time each was raised, media and
    // odometer; `failure` says why it no longer answers. Text from the
    // network is shown, never acted on.
    static QString detailsText(const FoundPrinter &printer, const QString &failure = QString());

signals:
    // "Use This Printer": the printer's address and raw port.
    void chosen(const QString &address, quint16 port);
    // The watch read a printer: what it answered, or why it did not.
    void printerRead(const QString &host, const SnmpAnswer &answer);

private:
    void connectControls();
    void start();
    void showRow(int row);
    void useSelected();
    void updateButtons();
    void showDetails();
    // Starts the watch again over the printers found now, or ends it.
    void rewatch();
    void watchRead(int index);
    // The printer of a row with what the watch last learnt of it.
    FoundPrinter rowPrinter(int row, QString *failure = nullptr) const;

    std::unique_ptr<Ui::FindPrintersDialog> ui;
    Discovery m_discovery;
    SnmpOptions m_snmp;
    QStandardItemModel *m_model;
    QSortFilterProxyModel *m_filter;
    std::unique_ptr<PrinterWatch> m_watch;
    // What the watch last read of each address.
    QHash<QString, WatchedPrinter> m_watched;
    int m_watchIntervalMs = 5000;
};
