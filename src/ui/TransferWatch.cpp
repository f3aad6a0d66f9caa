#include "ui/TransferWatch.h"

#include "link/PrinterLink.h"
#include "ui/SendPresenter.h"

#include <QAbstractButton>
#include <QLabel>
#include <QProgressBar>
#include <QShortcut>

TransferWatch::TransferWatch(PrinterLink &link, SendPresenter &printer, QAbstractButton *cancel,
                             QProgressBar *bar, QLabel *status, QString verb)
    : m_cancel(cancel), m_bar(bar), m_status(status), m_verb(std::move(verb))
{
    m_clock.start();
    m_watching = QObject::connect(&link, &PrinterLink::progress,
                                  [this](qint64 sent, qint64 total) { show(sent, total); });
    if (m_cancel) {
        const auto cancelled = [&printer] { printer.cancel(); };
        m_cancelling = QObject::connect(m_cancel, &QAbstractButton::clicked, m_cancel, cancelled);
        m_escape = std::make_unique<QShortcut>(QKeySequence(Qt::Key_Escape), m_cancel->window());
        QObject::connect(m_escape.get(), &QShortcut::activated, m_escape.get(), cancelled);
    }
}

TransferWatch::~TransferWatch()
{
    QObject::disconnect(m_watching);
    QObject::disconnect(m_cancelling);
    if (m_bar)
        m_bar->setValue(0);
}

void TransferWatch::show(qint64 sent, qint64 total)
{
    if (!m_progress)
        m_progress = std::make_unique<TransferProgress>(total);
    m_progress->update(sent, m_clock.elapsed());
    if (m_bar)
        m_bar->setValue(m_progress->percent());
    if (m_status)
        m_status->setText(m_progress->describe(m_verb));
}
