#pragma once

#include "discovery/Discovery.h"

#include <QDialog>

#include <memory>
#include <optional>

class QSortFilterProxyModel;
class QStandardItemModel;

namespace Ui
{
class FindPrintersDialog;
}

// Finds the printers on the network and lets the user pick one: the range
// given (the computer's own /24 proposed), DNS-SD and SNMP, nothing until
// Start. The table fills as answers arrive.
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

signals:
    // "Use This Printer": the printer's address and raw port.
    void chosen(const QString &address, quint16 port);

private:
    void connectControls();
    void start();
    void showRow(int row);
    void useSelected();
    // The raw port of the row selected: 0 for a printer only named (IPP),
    // which has none; nothing while no row is.
    std::optional<quint16> selectedPort() const;
    void updateButtons();

    std::unique_ptr<Ui::FindPrintersDialog> ui;
    Discovery m_discovery;
    SnmpOptions m_snmp;
    QStandardItemModel *m_model;
    QSortFilterProxyModel *m_filter;
};
