#include "ui/BusyIndicators.h"

#include "ui/WindowTitle.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QWidget>

namespace
{

// The controls the user works with; labels, frames and scroll bars stay as
// they are, so a long page can still be scrolled to its Cancel.
bool takesInput(const QWidget *widget)
{
    return (qobject_cast<const QAbstractButton *>(widget) ||
            qobject_cast<const QLineEdit *>(widget) || qobject_cast<const QComboBox *>(widget) ||
            qobject_cast<const QAbstractSlider *>(widget) ||
            qobject_cast<const QAbstractSpinBox *>(widget)) &&
           !qobject_cast<const QScrollBar *>(widget);
}

} // namespace

BusyIndicators::BusyIndicators(QWidget *window, QTabWidget *tabs) : m_window(window), m_tabs(tabs)
{
    m_titleTimer.setObjectName(QStringLiteral("Timer2"));
    m_uploadTimer.setObjectName(QStringLiteral("UploadTimer"));
    m_titleTimer.setInterval(tickMs);
    m_uploadTimer.setInterval(tickMs);
    connect(&m_titleTimer, &QTimer::timeout, this, &BusyIndicators::stepTitleAnimation);
    connect(&m_uploadTimer, &QTimer::timeout, this, &BusyIndicators::stepUploadAnimation);
}

void BusyIndicators::startTitleAnimation()
{
    if (m_titleHolds++ > 0)
        return;
    m_titleDotCount = 0;
    m_titleTimer.start();
}

void BusyIndicators::stopTitleAnimation()
{
    if (m_titleHolds == 0 || --m_titleHolds > 0)
        return;
    m_titleDotCount = 0;
    m_titleTimer.stop();
    if (m_window)
        m_window->setWindowTitle(WindowTitle::plain);
}

void BusyIndicators::startUploadAnimation()
{
    m_uploadProgress = 0;
    m_uploadTimer.start();
}

void BusyIndicators::stopUploadAnimation()
{
    m_uploadTimer.stop();
    m_uploadProgress = 0;
    if (m_progressBar)
        m_progressBar->setValue(0);
}

void BusyIndicators::setHourglass(bool on)
{
    // Overlapping operations each ask for it; the last one done takes it away.
    if (on ? m_hourglassHolds++ > 0 : (m_hourglassHolds == 0 || --m_hourglassHolds > 0))
        return;
    if (!m_window)
        return;
    if (on)
        m_window->setCursor(Qt::WaitCursor);
    else
        m_window->unsetCursor();
}

void BusyIndicators::hold()
{
    if (m_holds++ > 0)
        return;
    m_focusBefore = m_window ? m_window->focusWidget() : nullptr;
    holdInputs();
    emit busyChanged(true);
}

void BusyIndicators::release()
{
    if (m_holds == 0 || --m_holds > 0)
        return;
    releaseInputs();
    // Disabling moved the focus away, perhaps to Exit, where the next Space
    // would quit: it goes back to the control that had it.
    if (m_focusBefore && m_focusBefore->isEnabled())
        m_focusBefore->setFocus(Qt::OtherFocusReason);
    emit busyChanged(false);
}

void BusyIndicators::holdInputs()
{
    if (!m_tabs)
        return;
    m_tabs->tabBar()->setEnabled(false);
    for (int page = 0; page < m_tabs->count(); ++page) {
        const QList<QWidget *> controls = m_tabs->widget(page)->findChildren<QWidget *>();
        for (QWidget *control : controls) {
            if (takesInput(control) && control->isEnabled() && !m_keptUsable.contains(control)) {
                control->setEnabled(false);
                m_heldInputs << control;
            }
        }
    }
}

void BusyIndicators::releaseInputs()
{
    // Only what this state turned off comes back on.
    for (const QPointer<QWidget> &control : std::as_const(m_heldInputs))
        if (control)
            control->setEnabled(true);
    m_heldInputs.clear();
    if (m_tabs)
        m_tabs->tabBar()->setEnabled(true);
}

void BusyIndicators::stepTitleAnimation()
{
    if (m_window)
        m_window->setWindowTitle(WindowTitle::plain + QStringLiteral(" [") +
                                 QString(m_titleDotCount + 1, QLatin1Char('.')) +
                                 QStringLiteral("]"));
    if (++m_titleDotCount > 10)
        m_titleDotCount = 0;
}

void BusyIndicators::stepUploadAnimation()
{
    if (m_progressBar)
        m_progressBar->setValue(m_uploadProgress);
    m_uploadProgress += 10;
    if (m_uploadProgress > 100) {
        // Let the full bar show before it starts over.
        if (m_progressBar)
            m_progressBar->repaint();
        m_uploadProgress = 0;
        if (m_progressBar)
            m_progressBar->setValue(0);
    }
}
