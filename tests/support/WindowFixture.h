#pragma once

#include "app/MainWindow.h"
#include "support/PseudoTerminal.h"

#include <QTemporaryDir>

// The real main window with its ports led elsewhere: COM1 to a
// pseudo-terminal, LPT1 and LPT2 to two empty files. What the printer would
// receive is read back from there.
class WindowFixture
{
public:
    WindowFixture();

    MainWindow window;
    PseudoTerminal pty;
    QTemporaryDir dir;

    QString lptPath(const QString &name) const; // "LPT1" or "LPT2"
    QByteArray serialBytes(int quietMs = 100) { return pty.readAvailable(quietMs); }
    QByteArray parallelBytes(const QString &name = QStringLiteral("LPT1")) const;
    // A serial port number that leads nowhere.
    static constexpr int missingComPort = 200;

    template <typename T> T *find(const QString &name) const { return window.findChild<T *>(name); }
    // Finds, and fails the test if the control is missing.
    template <typename T> T *control(const QString &name) const
    {
        T *found = find<T>(name);
        if (!found)
            qFatal("control %s not found", qPrintable(name));
        return found;
    }

    // Makes `tab` current, for clicking its controls.
    void showTab(MainWindow::Tab tab);
    // Clicks the named control in its middle with the left button.
    void click(const QString &name) const;
};
