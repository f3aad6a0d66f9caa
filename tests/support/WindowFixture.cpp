#include "support/WindowFixture.h"

#include <QFile>
#include <QTabWidget>
#include <QTest>

WindowFixture::WindowFixture()
{
    PortNames &names = window.link().portNames();
    names.redirect(QStringLiteral("COM1"), pty.slavePath());
    names.redirect(PortNames::serialLogicalName(missingComPort),
                   dir.filePath(QStringLiteral("no-such-tty")));
    for (const QString &lpt : {QStringLiteral("LPT1"), QStringLiteral("LPT2")}) {
        QFile file(lptPath(lpt));
        file.open(QIODevice::WriteOnly);
        names.redirect(lpt, lptPath(lpt));
    }
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        qWarning("main window not exposed");
}

QString WindowFixture::lptPath(const QString &name) const
{
    return dir.filePath(name.toLower());
}

QByteArray WindowFixture::parallelBytes(const QString &name) const
{
    QFile file(lptPath(name));
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

void WindowFixture::click(const QString &name) const
{
    QWidget *widget = control<QWidget>(name);
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

void WindowFixture::showTab(MainWindow::Tab tab)
{
    window.SSTab1()->setCurrentIndex(tab);
    QCoreApplication::processEvents();
}
