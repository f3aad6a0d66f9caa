#include "ui/BusyIndicators.h"

#include "ui/WindowTitle.h"

#include <QCoreApplication>
#include <QProgressBar>
#include <QWidget>

BusyIndicators::BusyIndicators(QWidget *window, QWidget *tabStrip)
    : m_window(window), m_tabStrip(tabStrip)
{
    m_timer2.setObjectName(QStringLiteral("Timer2"));
    m_uploadTimer.setObjectName(QStringLiteral("UploadTimer"));
    m_timer2.setInterval(tickMs);
    m_uploadTimer.setInterval(tickMs);
    connect(&m_timer2, &QTimer::timeout, this, &BusyIndicators::stepTitleAnimation);
    connect(&m_uploadTimer, &QTimer::timeout, this, &BusyIndicators::stepUploadAnimation);
}

void BusyIndicators::startTitleAnimation()
{
    m_titleDotCount = 0;
    m_timer2.start();
}

void BusyIndicators::stopTitleAnimation()
{
    m_titleDotCount = 0;
    m_timer2.stop();
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
    if (!m_window)
        return;
    if (on)
        m_window->setCursor(Qt::WaitCursor);
    else
        m_window->unsetCursor();
}

void BusyIndicators::setTabStripEnabled(bool enabled)
{
    if (m_tabStrip)
        m_tabStrip->setEnabled(enabled);
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
        QCoreApplication::processEvents();
        m_uploadProgress = 0;
        if (m_progressBar)
            m_progressBar->setValue(0);
    }
}
