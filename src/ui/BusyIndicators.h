#pragma once

#include <QObject>
#include <QPointer>
#include <QProgressBar>
#include <QTimer>

#include <optional>

class QProgressBar;
class QWidget;

// Shows that a long operation runs: a title that grows by one full stop a
// second, a progress bar that climbs by 10 a second, the hourglass pointer,
// and the tab strip disabled. None of it measures real progress.
class BusyIndicators : public QObject
{
    Q_OBJECT
public:
    static constexpr int tickMs = 1000;

    BusyIndicators(QWidget *window, QWidget *tabStrip);

    // The progress bar lives on the Binary Transfer tab.
    void setProgressBar(QProgressBar *bar) { m_progressBar = bar; }

    void startTitleAnimation();
    void stopTitleAnimation();
    void startUploadAnimation();
    void stopUploadAnimation();

    void setHourglass(bool on);
    void setTabStripEnabled(bool enabled);
    // The control of the window that has the keyboard focus, or will have it
    // when the window is active again (as after a file dialog).
    QWidget *focusedControl() const { return m_window ? m_window->focusWidget() : nullptr; }

    QTimer &titleTimer() { return m_timer2; }
    QTimer &uploadTimer() { return m_uploadTimer; }

    // One frame of each animation; run by the timers.
    void stepTitleAnimation();
    void stepUploadAnimation();

private:
    QPointer<QWidget> m_window;
    QPointer<QWidget> m_tabStrip;
    QPointer<QProgressBar> m_progressBar;
    QTimer m_timer2;
    QTimer m_uploadTimer;
    int m_titleDotCount = 0;  // dots of the next title frame, less one: 0 to 10
    int m_uploadProgress = 0; // value the bar shows at the next tick: 0 to 100
};

// Disables the tab strip for the life of a long operation and enables it
// again on every way out. Disabling it moves the keyboard focus out of the
// strip, to Exit, where the next Space would quit: the focus goes back to
// the control that had it, if it is still there and enabled.
class TabStripLock
{
public:
    explicit TabStripLock(BusyIndicators &busy) : m_busy(busy), m_focus(busy.focusedControl())
    {
        m_busy.setTabStripEnabled(false);
    }
    ~TabStripLock()
    {
        m_busy.setTabStripEnabled(true);
        if (m_focus && m_focus->isEnabled())
            m_focus->setFocus(Qt::OtherFocusReason);
    }
    TabStripLock(const TabStripLock &) = delete;
    TabStripLock &operator=(const TabStripLock &) = delete;

private:
    BusyIndicators &m_busy;
    QPointer<QWidget> m_focus;
};

// The busy state of a long operation: the tab strip disabled and, as the
// operation asks, the hourglass pointer and the title animation. All of it is
// undone on every way out, or earlier by end() when a message must follow on
// an idle window.
class BusyScope
{
public:
    enum Sign : unsigned { TabStripOnly = 0, Hourglass = 1, TitleAnimation = 2 };

    BusyScope(BusyIndicators &busy, unsigned signs) : m_busy(busy), m_signs(signs)
    {
        if (m_signs & TitleAnimation)
            m_busy.startTitleAnimation();
        if (m_signs & Hourglass)
            m_busy.setHourglass(true);
        m_lock.emplace(busy);
    }
    ~BusyScope() { end(); }
    BusyScope(const BusyScope &) = delete;
    BusyScope &operator=(const BusyScope &) = delete;

    void end()
    {
        if (!m_lock)
            return;
        m_lock.reset();
        if (m_signs & Hourglass)
            m_busy.setHourglass(false);
        if (m_signs & TitleAnimation)
            m_busy.stopTitleAnimation();
    }

private:
    BusyIndicators &m_busy;
    unsigned m_signs;
    std::optional<TabStripLock> m_lock;
};
