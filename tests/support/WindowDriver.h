#pragma once

#include "app/MainWindow.h"
#include "link/SendOutcome.h"
#include "support/LinkWait.h"
#include "support/ModalAnswerer.h"
#include "support/PseudoTerminal.h"

#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

// What the file at `path` holds, or "(unreadable)".
QByteArray fileBytes(const QString &path);

// The real main window driven as a user would, with COM1 led to a
// pseudo-terminal, from which what the printer would receive is read back.
// The parallel link's bytes are the link test's part.
class WindowDriver
{
public:
    WindowDriver();

    MainWindow window;
    PseudoTerminal pty;
    QTemporaryDir dir;

    // Writes a file into the driver's folder; returns its path.
    QString file(const QString &name, const QByteArray &bytes) const;

    // Finds a control by its name; fails the whole program if it is missing.
    template <typename T = QWidget> T *control(const QString &name) const
    {
        T *found = window.findChild<T *>(name);
        if (!found)
            qFatal("control %s not found", qPrintable(name));
        return found;
    }
    // Shows the tab that holds the control, then clicks it in its middle
    // and waits for what it started to end.
    void click(const QString &name);
    void waitUntilIdle();
    // The strip of tabs, off while the window is busy.
    QTabBar *tabBar() const { return control<QTabWidget>(QStringLiteral("SSTab1"))->tabBar(); }
    // Clicks, answering the boxes that open in turn: "<ok>" presses OK,
    // "<cancel>" cancels, "file:PATH" picks PATH, "press:TEXT" presses the
    // button TEXT, any other text is typed.
    // Returns the summary of the boxes seen.
    QStringList click(const QString &name, const QStringList &answers);
    // Clicks each step, "Button" or "Button=answer;answer"; "file:NAME"
    // picks NAME in the driver's folder. Returns the boxes seen but file
    // dialogs.
    QStringList run(const QStringList &steps);

    // What the parallel port (LPT1, a file in the driver's folder) received.
    QByteArray parallelBytes() const { return fileBytes(dir.filePath(QStringLiteral("lpt1"))); }
    // No busy sign: the tab bar enabled and the plain pointer.
    bool idle() const
    {
        return tabBar()->isEnabled() && window.cursor().shape() == Qt::ArrowCursor;
    }
};

// Calls `action` each time the tab bar is disabled: a long operation begins.
class OnBusy : public QObject
{
public:
    OnBusy(QTabBar *tabBar, std::function<void()> action);
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::function<void()> m_action;
};

// The window's settings file as it is now, put back when this goes: a test
// may change what windows made after it remember.
class SettingsKept
{
public:
    SettingsKept();
    ~SettingsKept();
    SettingsKept(const SettingsKept &) = delete;
    SettingsKept &operator=(const SettingsKept &) = delete;

private:
    bool m_existed;
    QByteArray m_bytes;
};

// How many of this process's descriptors lead to `path`.
int openDescriptors(const QString &path);
// A send's outcome as "box text|box title|description", or "sent".
QString shown(const SendOutcome &outcome);

// A named pipe, with this end reading it (without waiting) until close():
// a printer that takes no more, or one that goes away.
struct Fifo {
    explicit Fifo(const QString &path, bool reading = true);
    ~Fifo() { close(); }
    void close();
    // What has come through so far (up to 64 KiB), without waiting.
    QByteArray read() const;
    QString path;
    int reader = -1;
};
