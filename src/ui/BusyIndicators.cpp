#include "ui/BusyIndicators.h"

#include "ui/WindowTitle.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QScrollBar>
#include <QWidget>

namespace
{

bool takesInput(const QWidget *widget)
{
    return (qobject_cast<const QAbstractButton *>(widget) ||
            qobject_cast<const QLineEdit *>(widget) || qobject_cast<const QComboBox *>(widget) ||
            qobject_cast<const QAbstractSlider *>(widget) ||
            qobject_cast<const QAbstractSpinBox *>(widget)) &&
           !qobject_cast<const QScrollBar *>(widget);
}

} // namespace

QList<QWidget *> BusyIndicators::inputsOf(const QWidget *page)
{
    QList<QWidget *> inputs = page->findChildren<QWidget *>();
    inputs.removeIf([](const QWidget *widget) { return !takesInput(widget); });
    return inputs;
}

void BusyIndicators::setInputsEnabled(const QWidget *page, bool enabled)
{
    for (QWidget *input : inputsOf(page))
        input->setEnabled(enabled);
}

BusyIndicators::BusyIndicators(QWidget *window) : m_window(window)
{
    m_window->unsetCursor();
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
    emit busyChanged(true);
}

void BusyIndicators::release()
{
    if (m_holds == 0 || --m_holds > 0)
        return;
    emit busyChanged(false);
    // Disabling moved the focus away, perhaps to Exit, where the next Space
    // would quit: it goes back to the control that had it, now usable again.
    if (!isBusy() && m_focusBefore && m_focusBefore->isEnabled())
        m_focusBefore->setFocus(Qt::OtherFocusReason);
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
