#include "ui/TransferWatch.h"

#include "link/PrinterLink.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QShortcut>
#include <QTabBar>
#include <QTabWidget>

namespace
{

bool takesInput(const QWidget *widget)
{
    return qobject_cast<const QAbstractButton *>(widget) ||
           qobject_cast<const QLineEdit *>(widget) || qobject_cast<const QComboBox *>(widget) ||
           qobject_cast<const QAbstractSlider *>(widget) ||
           qobject_cast<const QAbstractSpinBox *>(widget);
}

} // namespace

TransferWatch::TransferWatch(PrinterLink &link, QAbstractButton *cancel, QProgressBar *bar,
                             QLabel *status, QString verb)
    : m_link(link), m_cancel(cancel), m_bar(bar), m_status(status), m_verb(std::move(verb))
{
    m_clock.start();
    m_watching = QObject::connect(&link, &PrinterLink::progress,
                                  [this](qint64 sent, qint64 total) { show(sent, total); });
    if (m_cancel) {
        holdOffAllButCancel();
        m_cancel->setEnabled(true);
        m_cancelling =
            QObject::connect(m_cancel, &QAbstractButton::clicked, &link, &PrinterLink::cancel);
        m_escape = std::make_unique<QShortcut>(QKeySequence(Qt::Key_Escape), m_cancel->window());
        QObject::connect(m_escape.get(), &QShortcut::activated, &link, &PrinterLink::cancel);
    }
}

TransferWatch::~TransferWatch()
{
    QObject::disconnect(m_watching);
    QObject::disconnect(m_cancelling);
    if (m_cancel)
        m_cancel->setEnabled(false);
    releaseHeldOff();
    if (m_bar)
        m_bar->setValue(0);
}

void TransferWatch::holdOffAllButCancel()
{
    QTabWidget *tabs = nullptr;
    for (QWidget *above = m_cancel->parentWidget(); above && !tabs; above = above->parentWidget())
        tabs = qobject_cast<QTabWidget *>(above);
    if (!tabs || tabs->isEnabled())
        return;
    m_lockedTabs = tabs;
    tabs->tabBar()->setEnabled(false);
    tabs->setEnabled(true);
    const QList<QWidget *> controls = tabs->currentWidget()->findChildren<QWidget *>();
    for (QWidget *control : controls) {
        if (control != m_cancel && takesInput(control) && control->isEnabled() &&
            !control->isAncestorOf(m_cancel)) {
            control->setEnabled(false);
            m_heldOff << control;
        }
    }
}

void TransferWatch::releaseHeldOff()
{
    for (const QPointer<QWidget> &control : std::as_const(m_heldOff))
        if (control)
            control->setEnabled(true);
    m_heldOff.clear();
    if (m_lockedTabs) {
        m_lockedTabs->setEnabled(false);
        m_lockedTabs->tabBar()->setEnabled(true);
    }
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
