#include "support/WindowDriver.h"

#include <QDir>
#include <QFile>
#include <QStackedWidget>
#include <QTabWidget>

WindowDriver::WindowDriver()
{
    PortNames &names = window.link().portNames();
    names.redirect(QStringLiteral("COM1"), pty.slavePath());
    for (const QString &lpt : {QStringLiteral("LPT1"), QStringLiteral("LPT2")}) {
        file(lpt.toLower(), {});
        names.redirect(lpt, lptPath(lpt));
    }
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        qWarning("main window not exposed");
}

QString WindowDriver::lptPath(const QString &name) const
{
    return dir.filePath(name.toLower());
}

QByteArray WindowDriver::parallelBytes(const QString &name) const
{
    QFile file(lptPath(name));
    if (!file.open(QIODevice::ReadOnly))
        return "(unreadable)";
    const QByteArray bytes = file.readAll();
    file.close();
    file.resize(0); // each read takes what came since the last one
    return bytes;
}

QString WindowDriver::file(const QString &name, const QByteArray &bytes) const
{
    QFile out(dir.filePath(name));
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(out.fileName()));
    return out.fileName();
}

void WindowDriver::click(const QString &name)
{
    QWidget *widget = control(name);
    auto *tabs = window.findChild<QTabWidget *>(QStringLiteral("SSTab1"));
    for (int tab = 0; tab < tabs->count(); ++tab) {
        if (tabs->widget(tab)->isAncestorOf(widget))
            tabs->setCurrentIndex(tab);
    }
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

QStringList WindowDriver::click(const QString &name, const QStringList &answers)
{
    ModalAnswerer boxes;
    for (const QString &answer : answers) {
        if (answer == "<ok>")
            boxes.pressOk();
        else if (answer == "<cancel>")
            boxes.cancel();
        else if (answer.startsWith("file:"))
            boxes.chooseFile(answer.mid(5));
        else
            boxes.answer(answer);
    }
    click(name);
    return boxes.summary();
}

int openDescriptors(const QString &path)
{
    const QString target = QFileInfo(path).canonicalFilePath();
    const QDir fds(QStringLiteral("/proc/self/fd"));
    int count = 0;
    for (const QString &fd : fds.entryList(QDir::System | QDir::NoDotAndDotDot))
        count += QFile::symLinkTarget(fds.filePath(fd)) == target ? 1 : 0;
    return count;
}
