#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QProgressBar>
#include <QTimer>

#include <utility>

class QWidget;

// The window's one busy state and the signs of it. Every send and every
// file read holds it while it runs; whoever shows controls hears
// busyChanged() and works out from isBusy() what may be used (the tab bar
// and the pages' inputs are off, a running send's Cancel on), and once the
// last operation has ended the keyboard focus returns to the control that
// had it. Beside it, the signs a long operation asks for, shown only from
// here: a title that grows by one full stop a second, a progress bar that
// climbs by 10 a second, and the hourglass pointer. None of them measures
// real progress.
class BusyIndicators : public QObject
{
    Q_OBJECT
public:
    static constexpr int tickMs = 1000;

    // The window starts with the default pointer and its plain title.
    explicit BusyIndicators(QWidget *window);

    // The progress bar lives on the Binary Transfer tab.
    void setProgressBar(QProgressBar *bar) { m_progressBar = bar; }

    // Each operation holds the busy state while it runs; operations may
    // overlap, as a file read followed by its send.
    void hold();
    void release();
    bool isBusy() const { return m_holds > 0; }

    // The controls of `page` the user works with, which a busy window turns
    // off; labels, frames and scroll bars stay as they are, so that a long
    // page can still be scrolled to its Cancel.
    static QList<QWidget *> inputsOf(const QWidget *page);
    // All of them on or off, for a page with no rules of its own.
    static void setInputsEnabled(const QWidget *page, bool enabled);

    // The title animation and the hourglass, like the busy state, last
    // until the last operation that asked for them is done.
    void startTitleAnimation();
    void stopTitleAnimation();
    void startUploadAnimation();
    void stopUploadAnimation();

    void setHourglass(bool on);

    QTimer &titleTimer() { return m_titleTimer; }
    QTimer &uploadTimer() { return m_uploadTimer; }

    // One frame of each animation; run by the timers.
    void stepTitleAnimation();
    void stepUploadAnimation();

signals:
    void busyChanged(bool busy);

private:
    QPointer<QWidget> m_window;
    QPointer<QProgressBar> m_progressBar;
    QTimer m_titleTimer;
    QTimer m_uploadTimer;
    int m_titleDotCount = 0;  // dots of the next title frame, less one: 0 to 10
    int m_uploadProgress = 0; // value the bar shows at the next tick: 0 to 100
    int m_holds = 0;
    int m_titleHolds = 0;
    int m_hourglassHolds = 0;
    QPointer<QWidget> m_focusBefore;
};

// The busy state of one long operation, as it asks for the hourglass pointer
// and the title animation. All of it is undone when the scope ends, or earlier
// by end() when a message must follow on an idle window. An operation that
// goes on in the event loop keeps its scope in a shared pointer held by its
// continuations.
class BusyScope
{
public:
    enum Sign : unsigned { Hourglass = 1, TitleAnimation = 2 };

    BusyScope(BusyIndicators &busy, unsigned signs) : m_busy(&busy), m_signs(signs)
    {
        if (m_signs & TitleAnimation)
            m_busy->startTitleAnimation();
        if (m_signs & Hourglass)
            m_busy->setHourglass(true);
        m_busy->hold();
    }
    ~BusyScope() { end(); }
    BusyScope(const BusyScope &) = delete;
    BusyScope &operator=(const BusyScope &) = delete;

    void end()
    {
        // An operation cut short by the window's end may outlive its signs.
        if (std::exchange(m_ended, true) || !m_busy)
            return;
        m_busy->release();
        if (m_signs & Hourglass)
            m_busy->setHourglass(false);
        if (m_signs & TitleAnimation)
            m_busy->stopTitleAnimation();
    }

private:
    QPointer<BusyIndicators> m_busy;
    unsigned m_signs;
    bool m_ended = false;
};
