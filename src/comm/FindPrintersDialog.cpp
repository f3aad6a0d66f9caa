#include "comm/FindPrintersDialog.h"

#include "ui/Dialogs.h"

#include "ui_FindPrintersDialog.h"

#include <QHeaderView>
#include <QNetworkInterface>
#include <QRegularExpression>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>

namespace
{

enum Column {
    AddressColumn,
    PortColumn,
    NameColumn,
    ModelColumn,
    SerialColumn,
    StatusColumn,
    FoundByColumn,
    ColumnCount
};

} // namespace

FindPrintersDialog::FindPrintersDialog(QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::FindPrintersDialog>()),
      m_model(new QStandardItemModel(0, ColumnCount, this)),
      m_filter(new QSortFilterProxyModel(this))
{
    ui->setupUi(this);
    m_model->setHorizontalHeaderLabels({tr("Address"), tr("Port"), tr("Name"), tr("Make and Model"),
                                        tr("Serial"), tr("Status"), tr("Found By")});
    m_filter->setSourceModel(m_model);
    m_filter->setFilterKeyColumn(-1);
    m_filter->setFilterCaseSensitivity(Qt::CaseInsensitive);
    m_filter->setSortRole(Qt::UserRole);
    ui->PrintersGrid->setModel(m_filter);
    ui->PrintersGrid->horizontalHeader()->setStretchLastSection(true);
    ui->PrintersGrid->verticalHeader()->hide();
    ui->RangeTxt->setText(ownRange());
    connectControls();
    updateButtons();
}

FindPrintersDialog::~FindPrintersDialog() = default;

QString FindPrintersDialog::ownRange()
{
    for (const QNetworkInterface &interface : QNetworkInterface::allInterfaces()) {
        const auto flags = interface.flags();
        if (!(flags & QNetworkInterface::IsUp) || !(flags & QNetworkInterface::IsRunning) ||
            (flags & QNetworkInterface::IsLoopBack))
            continue;
        for (const QNetworkAddressEntry &entry : interface.addressEntries()) {
            if (entry.ip().protocol() != QAbstractSocket::IPv4Protocol)
                continue;
            const quint32 base = entry.ip().toIPv4Address() & 0xffffff00u;
            return QHostAddress(base).toString() + QStringLiteral("/24");
        }
    }
    return {};
}

void FindPrintersDialog::connectControls()
{
    connect(ui->StartCmd, &QPushButton::clicked, this, &FindPrintersDialog::start);
    connect(ui->StopCmd, &QPushButton::clicked, &m_discovery, &Discovery::stop);
    connect(ui->CloseCmd, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui->UseCmd, &QPushButton::clicked, this, &FindPrintersDialog::useSelected);
    connect(ui->PrintersGrid, &QAbstractItemView::doubleClicked, this,
            &FindPrintersDialog::useSelected);
    connect(ui->FilterTxt, &QLineEdit::textChanged, m_filter,
            &QSortFilterProxyModel::setFilterFixedString);
    connect(ui->PrintersGrid->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &FindPrintersDialog::updateButtons);
    connect(&m_discovery, &Discovery::printerAdded, this, [this](int row) {
        m_model->insertRow(row);
        showRow(row);
    });
    connect(&m_discovery, &Discovery::printerChanged, this, &FindPrintersDialog::showRow);
    connect(&m_discovery, &Discovery::printerRemoved, this, [this](int row) {
        m_model->removeRow(row);
        updateButtons();
    });
    connect(&m_discovery, &Discovery::progress, this, [this](int done, int total) {
        ui->FindProgress->setMaximum(std::max(total, 1));
        ui->FindProgress->setValue(done);
    });
    connect(&m_discovery, &Discovery::note, ui->FindStatusLbl, &QLabel::setText);
    connect(&m_discovery, &Discovery::finished, this, [this] {
        ui->FindProgress->setValue(ui->FindProgress->maximum());
        ui->FindStatusLbl->setText(
            (QStringList{m_model->rowCount() == 1
                             ? tr("1 printer found.")
                             : tr("%1 printers found.").arg(m_model->rowCount())} +
             m_discovery.notes())
                .join(QLatin1Char(' ')));
        ui->PrintersGrid->resizeColumnsToContents();
        updateButtons();
    });
}

void FindPrintersDialog::start()
{
    DiscoveryOptions options;
    options.ranges = ui->RangeTxt->text().split(QRegularExpression(QStringLiteral("[,\\s]+")),
                                                Qt::SkipEmptyParts);
    options.dnsSd = true;
    options.snmp = m_snmp;
    m_model->removeRows(0, m_model->rowCount());
    ui->FindStatusLbl->setText(tr("Looking..."));
    if (const QString problem = m_discovery.start(options); !problem.isEmpty()) {
        ui->FindStatusLbl->clear();
        Dialogs::showMessage(this, problem, tr("Find Printers"));
        return;
    }
    updateButtons();
}

void FindPrintersDialog::showRow(int row)
{
    const FoundPrinter &printer = m_discovery.printers().at(row);
    const QString texts[ColumnCount] = {printer.address,
                                        printer.port ? QString::number(printer.port) : QString(),
                                        printer.name,
                                        printer.makeModel,
                                        printer.serial,
                                        printer.status(),
                                        printer.foundBy.join(QStringLiteral(", "))};
    for (int column = 0; column < ColumnCount; ++column) {
        auto *item = new QStandardItem(texts[column]);
        // Addresses sort by their number, ports as numbers.
        QVariant key = texts[column];
        if (column == AddressColumn)
            key = QHostAddress(printer.address).toIPv4Address();
        else if (column == PortColumn)
            key = int(printer.port);
        item->setData(key, Qt::UserRole);
        item->setData(QVariant::fromValue(int(printer.port)), Qt::UserRole + 1);
        if (column == StatusColumn && printer.snmpAnswered)
            item->setForeground(printer.isError()                      ? QColor(0xb0, 0x00, 0x20)
                                : printer.state.conditions().isEmpty() ? QColor(0x00, 0x80, 0x30)
                                                                       : QColor(0xa0, 0x60, 0x00));
        m_model->setItem(row, column, item);
    }
    updateButtons();
}

void FindPrintersDialog::useSelected()
{
    const std::optional<quint16> port = selectedPort();
    // Nothing is sent to a printer's IPP port: one without a raw port gets
    // no link (its button is off, but a double click on its row comes here).
    if (!port || !*port)
        return;
    const QModelIndex source =
        m_filter->mapToSource(ui->PrintersGrid->selectionModel()->selectedRows().first());
    m_discovery.stop();
    emit chosen(m_model->item(source.row(), AddressColumn)->text(), *port);
    accept();
}

std::optional<quint16> FindPrintersDialog::selectedPort() const
{
    const QModelIndexList rows = ui->PrintersGrid->selectionModel()->selectedRows();
    if (rows.isEmpty())
        return std::nullopt;
    const QModelIndex source = m_filter->mapToSource(rows.first());
    return quint16(m_model->item(source.row(), AddressColumn)->data(Qt::UserRole + 1).toInt());
}

void FindPrintersDialog::updateButtons()
{
    const bool running = m_discovery.isRunning();
    ui->StartCmd->setEnabled(!running);
    ui->StopCmd->setEnabled(running);
    const std::optional<quint16> port = selectedPort();
    ui->UseCmd->setEnabled(port && *port);
    ui->UseCmd->setToolTip(port && !*port ? tr("This printer has no raw port: it was only "
                                               "named (over IPP), and nothing is sent to an "
                                               "IPP port.")
                                          : QString());
}
