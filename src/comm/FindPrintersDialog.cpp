#include "comm/FindPrintersDialog.h"

#include "common/TerminalText.h"
#include "ui/Dialogs.h"

#include "ui_FindPrintersDialog.h"

#include <QCoreApplication>
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
    AlertsColumn,
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
                                        tr("Serial"), tr("Status"), tr("Alerts"), tr("Found By")});
    m_filter->setSourceModel(m_model);
    m_filter->setFilterKeyColumn(-1);
    m_filter->setFilterCaseSensitivity(Qt::CaseInsensitive);
    m_filter->setSortRole(Qt::UserRole);
    ui->PrintersGrid->setModel(m_filter);
    ui->PrintersGrid->horizontalHeader()->setStretchLastSection(true);
    ui->PrintersGrid->verticalHeader()->hide();
    // Every caption whole from the start; the rows widen them as they come.
    ui->PrintersGrid->resizeColumnsToContents();
    // The list has the room; the details of one printer take what is left.
    ui->FindSplitter->setStretchFactor(0, 3);
    ui->FindSplitter->setStretchFactor(1, 2);
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
    connect(ui->PrintersGrid->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &FindPrintersDialog::showDetails);
    connect(ui->WatchChk, &QCheckBox::toggled, this, &FindPrintersDialog::rewatch);
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
    connect(&m_discovery, &Discovery::note, ui->FindStatusLbl,
            [this](const Wording &text) { ui->FindStatusLbl->setText(text.shown()); });
    connect(&m_discovery, &Discovery::finished, this, [this] {
        ui->FindProgress->setValue(ui->FindProgress->maximum());
        QStringList said{m_model->rowCount() == 1
                             ? tr("1 printer found.")
                             : tr("%1 printers found.").arg(m_model->rowCount())};
        for (const Wording &note : m_discovery.notes())
            said << note.shown();
        ui->FindStatusLbl->setText(said.join(QLatin1Char(' ')));
        ui->PrintersGrid->resizeColumnsToContents();
        updateButtons();
        // Every printer found is watched from now on, not only those found
        // before Watch was ticked or by an earlier search.
        if (ui->WatchChk->isChecked())
            rewatch();
    });
}

void FindPrintersDialog::start()
{
    DiscoveryOptions options;
    options.ranges = ui->RangeTxt->text().split(QRegularExpression(QStringLiteral("[,\\s]+")),
                                                Qt::SkipEmptyParts);
    options.dnsSd = true;
    options.snmp = m_snmp;
    m_watch.reset();
    m_watched.clear();
    m_model->removeRows(0, m_model->rowCount());
    ui->FindStatusLbl->setText(tr("Looking..."));
    if (const QString problem = m_discovery.start(options); !problem.isEmpty()) {
        ui->FindStatusLbl->clear();
        Dialogs::showMessage(this, problem, tr("Find Printers"));
        return;
    }
    updateButtons();
}

FoundPrinter FindPrintersDialog::rowPrinter(int row, QString *failure) const
{
    FoundPrinter printer = m_discovery.printers().at(row);
    const auto watched = m_watched.constFind(printer.address);
    if (watched != m_watched.cend() && watched->known) {
        if (watched->online)
            printer.takeSnmp(watched->last);
        else if (failure)
            *failure = watched->failure.shown();
    }
    return printer;
}

namespace
{

QString severityText(const PrinterAlert &alert)
{
    switch (alert.severity) {
    case 3:
        return FindPrintersDialog::tr("critical");
    case 4:
    case 5:
        return FindPrintersDialog::tr("warning");
    default:
        return FindPrintersDialog::tr("other");
    }
}

// When the alert was raised, by the clock of this computer: the printer
// tells it as its own uptime then, and its uptime at the read.
QString raisedText(const SnmpAnswer &told, const PrinterAlert &alert)
{
    if (alert.time < 0)
        return {};
    if (told.readAt.isValid() && told.upTime >= alert.time)
        return told.readAt.addMSecs(-(told.upTime - alert.time) * 10)
            .toLocalTime()
            .toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    return FindPrintersDialog::tr("at uptime %1").arg(uptimeShown(alert.time));
}

} // namespace

void FindPrintersDialog::showRow(int row)
{
    QString failure;
    const FoundPrinter printer = rowPrinter(row, &failure);
    // A printer that stopped answering has no alerts anyone knows of.
    QStringList alerts;
    for (const PrinterAlert &alert : printer.details.alerts) {
        if (failure.isEmpty())
            alerts << (alert.description.isEmpty() ? severityText(alert)
                                                   : TerminalText::escaped(alert.description));
    }
    const QString texts[ColumnCount] = {printer.address,
                                        printer.port ? QString::number(printer.port) : QString(),
                                        printer.name,
                                        printer.makeModel,
                                        printer.serial,
                                        failure.isEmpty() ? printer.status() : failure,
                                        alerts.join(QStringLiteral("; ")),
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
        if (column == StatusColumn && (printer.snmpAnswered || !failure.isEmpty()))
            item->setForeground(printer.isError() || !failure.isEmpty() ? QColor(0xb0, 0x00, 0x20)
                                : printer.state.conditions().isEmpty()  ? QColor(0x00, 0x80, 0x30)
                                                                        : QColor(0xa0, 0x60, 0x00));
        m_model->setItem(row, column, item);
    }
    showDetails();
    updateButtons();
}

QString FindPrintersDialog::detailsText(const FoundPrinter &printer, const QString &failure)
{
    const SnmpAnswer &told = printer.details;
    QStringList lines;
    const auto add = [&lines](const QString &label, const QString &value) {
        if (!value.isEmpty())
            lines << label + QLatin1Char(' ') + TerminalText::escaped(value);
    };
    add(tr("Printer:"), printer.shownTarget());
    add(tr("Status:"), failure.isEmpty() ? printer.status() : failure);
    add(tr("Name:"), printer.name);
    add(tr("Model:"), printer.makeModel);
    add(tr("Serial:"), printer.serial);
    add(tr("Location:"), told.sysLocation);
    if (told.upTime >= 0)
        add(tr("Uptime:"), uptimeShown(told.upTime));
    for (const QString &line : told.consoleLines)
        add(tr("Front panel:"), line);
    for (const PrinterAlert &alert : told.alerts) {
        const QString what = alert.description.isEmpty()
                                 ? tr("group %1, code %2").arg(alert.group).arg(alert.code)
                                 : alert.description;
        const QString raised = raisedText(told, alert);
        add(tr("Alert:"), raised.isEmpty()
                              ? tr("%1: %2").arg(severityText(alert), what)
                              : tr("%1: %2, raised %3").arg(severityText(alert), what, raised));
    }
    for (const QString &media : told.media)
        add(tr("Media:"), media);
    if (told.lifeCount >= 0) {
        const QString unit = QCoreApplication::translate(
            "SnmpAnswer", told.counterUnitWord().toLatin1().constData());
        add(tr("Odometer:"), (QString::number(told.lifeCount) + QLatin1Char(' ') + unit).trimmed());
    }
    if (told.readAt.isValid())
        add(tr("Last answer:"),
            told.readAt.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
    return lines.join(QLatin1Char('\n'));
}

void FindPrintersDialog::showDetails()
{
    const QModelIndexList rows = ui->PrintersGrid->selectionModel()->selectedRows();
    QString text;
    if (!rows.isEmpty()) {
        QString failure;
        const FoundPrinter printer =
            rowPrinter(m_filter->mapToSource(rows.first()).row(), &failure);
        text = detailsText(printer, failure);
    }
    // Unchanged text keeps where the user scrolled to and what they selected.
    if (text != ui->PrinterDetailsTxt->toPlainText())
        ui->PrinterDetailsTxt->setPlainText(text);
}

void FindPrintersDialog::rewatch()
{
    m_watch.reset();
    if (!ui->WatchChk->isChecked())
        return;
    m_watch = std::make_unique<PrinterWatch>(m_snmp, m_watchIntervalMs);
    QSet<QString> addresses;
    for (const FoundPrinter &printer : m_discovery.printers()) {
        if (printer.line.isEmpty() && !addresses.contains(printer.address)) {
            addresses.insert(printer.address);
            m_watch->add(printer.address, printer.address);
        }
    }
    connect(m_watch.get(), &PrinterWatch::read, this, &FindPrintersDialog::watchRead);
    m_watch->start();
}

void FindPrintersDialog::watchRead(int index)
{
    const WatchedPrinter &watched = m_watch->printers().at(index);
    m_watched.insert(watched.host, watched);
    for (int row = 0; row < int(m_discovery.printers().size()); ++row) {
        if (m_discovery.printers().at(row).address == watched.host)
            showRow(row);
    }
    SnmpAnswer answer = watched.online ? watched.last : SnmpAnswer();
    answer.failure = watched.failure;
    emit printerRead(watched.host, answer);
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
