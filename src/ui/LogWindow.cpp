#include "ui/LogWindow.h"

#include "common/SafeWrite.h"
#include "common/SendLog.h"
#include "ui/Dialogs.h"

#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

LogWindow::LogWindow(SendLog &log, Settings &settings, QWidget *parent)
    : QWidget(parent, Qt::Window), m_log(log), m_saveDialog(this, settings),
      m_table(new QTableView), m_bytes(new QPlainTextEdit)
{
    setObjectName(QStringLiteral("LogFrm"));
    setWindowTitle(tr("Send Log"));

    m_table->setObjectName(QStringLiteral("LogTable"));
    m_table->setAccessibleName(tr("Sends"));
    m_table->setModel(&m_log);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    m_table->setWordWrap(false);
    QHeaderView *columns = m_table->horizontalHeader();
    columns->setStretchLastSection(true);
    for (int column : {SendLog::Time, SendLog::Size, SendLog::Duration})
        columns->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    columns->resizeSection(SendLog::Link, fontMetrics().horizontalAdvance(QLatin1Char('x')) * 36);
    columns->resizeSection(SendLog::Sent, fontMetrics().horizontalAdvance(QLatin1Char('x')) * 30);
    m_bytes->setObjectName(QStringLiteral("BytesTxt"));
    m_bytes->setAccessibleName(tr("Bytes of the selected send"));
    m_bytes->setReadOnly(true);
    m_bytes->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_bytes->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

    auto *split = new QSplitter(Qt::Vertical);
    split->addWidget(m_table);
    split->addWidget(m_bytes);

    const auto button = [this](const QString &name, const QString &text) {
        auto *made = new QPushButton(text, this);
        made->setObjectName(name);
        return made;
    };
    QPushButton *copy = button(QStringLiteral("CopyCMD"), tr("&Copy"));
    QPushButton *save = button(QStringLiteral("SaveAsCMD"), tr("&Save As..."));
    QPushButton *reset = button(QStringLiteral("ResetCMD"), tr("&Reset Settings..."));
    QPushButton *close = button(QStringLiteral("CloseCMD"), tr("C&lose"));
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(copy);
    buttons->addWidget(save);
    buttons->addStretch();
    buttons->addWidget(reset);
    buttons->addWidget(close);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(split);
    layout->addLayout(buttons);
    resize(900, 480);

    connect(m_table->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &LogWindow::showSelectedBytes);
    // A trimmed row may have been the one shown.
    connect(&m_log, &QAbstractItemModel::rowsRemoved, this, &LogWindow::showSelectedBytes);
    connect(copy, &QPushButton::clicked, this, &LogWindow::copySelected);
    connect(save, &QPushButton::clicked, this, &LogWindow::saveAs);
    connect(reset, &QPushButton::clicked, this, &LogWindow::resetRequested);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    // Esc closes it as it closes a dialog.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &QWidget::close);
}

void LogWindow::showSelectedBytes()
{
    const QModelIndex current = m_table->currentIndex();
    m_bytes->setPlainText(current.isValid() ? SendLog::dump(m_log.entry(current.row()))
                                            : QString());
}

void LogWindow::copySelected()
{
    const QModelIndex current = m_table->currentIndex();
    QApplication::clipboard()->setText(current.isValid()
                                           ? m_log.rowText(current.row()) + QLatin1Char('\n') +
                                                 SendLog::dump(m_log.entry(current.row()))
                                           : m_log.toText());
}

void LogWindow::saveAs()
{
    m_saveDialog.setFolder(Settings::Folder::Log);
    m_saveDialog.setFilter(tr("Text Files(*.txt)|*.txt|All Files(*.*)|*.*"));
    m_saveDialog.setDefaultExt(QStringLiteral(".txt"));
    m_saveDialog.setFileName(QStringLiteral("send-log.txt"));
    m_saveDialog.setCancelError(true);
    if (m_saveDialog.showSave())
        return;
    if (const std::optional<Failure> failure =
            SafeWrite::write(m_saveDialog.fileName(), m_log.toText().toUtf8()))
        Dialogs::showMessage(this, tr("The log could not be saved: %1").arg(failure->shown()),
                             windowTitle());
}
