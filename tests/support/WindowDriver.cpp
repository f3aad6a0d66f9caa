#include "support/WindowDriver.h"

#include "ui/Settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

WindowDriver::WindowDriver()
{
    window.link().portNames().redirect(QStringLiteral("COM1"), pty.slavePath());
    window.link().portNames().redirect(QStringLiteral("LPT1"), file(QStringLiteral("lpt1"), {}));
    window.show();
    (void)QTest::qWaitForWindowExposed(&window); // tests that need more wait for it
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
    auto *tabs = control<QTabWidget>(QStringLiteral("SSTab1"));
    for (int tab = 0; tab < tabs->count(); ++tab)
        if (tabs->widget(tab)->isAncestorOf(widget))
            tabs->setCurrentIndex(tab);
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
    waitUntilIdle();
}

void WindowDriver::waitUntilIdle()
{
    // A send or read goes on in the event loop after the click; a refused
    // one tells so from the event loop too.
    QTest::qWait(5);
    (void)QTest::qWaitFor([this] { return !window.busy().isBusy() && !window.link().isBusy(); },
                          60000);
}

QStringList WindowDriver::click(const QString &name, const QStringList &answers)
{
    ModalAnswerer boxes;
    for (const QString &answer : answers) {
        if (answer == "<ok>")
            boxes.pressOk();
        else if (answer == "<cancel>")
            boxes.cancel();
        else if (answer == "<enter>") // the default button, as a hurried user takes it
            boxes.then([](QWidget *box) { QTest::keyClick(box, Qt::Key_Return); });
        else if (answer.startsWith("file:"))
            boxes.chooseFile(answer.mid(5));
        else if (answer.startsWith("press:"))
            boxes.press(answer.mid(6));
        else
            boxes.answer(answer);
    }
    click(name);
    return boxes.summary();
}

QStringList WindowDriver::run(const QStringList &steps)
{
    QStringList boxes;
    for (const QString &step : steps) {
        QStringList answers = step.section('=', 1).split(';', Qt::SkipEmptyParts);
        answers.replaceInStrings("file:", "file:" + dir.path() + '/');
        for (const QString &box : click(step.section('=', 0, 0), answers))
            if (!box.startsWith("file|"))
                boxes << box;
    }
    return boxes;
}

OnBusy::OnBusy(QTabBar *tabBar, std::function<void()> action) : m_action(std::move(action))
{
    tabBar->installEventFilter(this);
}

bool OnBusy::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::EnabledChange && !static_cast<QWidget *>(watched)->isEnabled())
        m_action();
    return false;
}

int openDescriptors(const QString &path)
{
    const QString target = QFileInfo(path).canonicalFilePath();
    const QDir fds(QStringLiteral("/proc/self/fd"));
    int count = 0;
    for (const QString &fd : fds.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot))
        count += QFile::symLinkTarget(fds.filePath(fd)) == target ? 1 : 0;
    return count;
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

SettingsKept::SettingsKept()
    : m_existed(QFile::exists(Settings::filePath())), m_bytes(fileBytes(Settings::filePath()))
{
}

SettingsKept::~SettingsKept()
{
    QFile file(Settings::filePath());
    if (!m_existed)
        file.remove();
    else if (file.open(QIODevice::WriteOnly))
        file.write(m_bytes);
}

QString shown(const SendOutcome &outcome)
{
    return outcome ? outcome->boxText() + '|' + outcome->boxTitle() + '|' +
                         outcome->description.english()
                   : QStringLiteral("sent");
}

Fifo::Fifo(const QString &path, bool reading) : path(path)
{
    const QByteArray name = QFile::encodeName(path);
    if (::mkfifo(name.constData(), 0600) != 0)
        qFatal("cannot make the pipe %s", name.constData());
    if (reading)
        reader = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
}

void Fifo::close()
{
    if (reader >= 0)
        ::close(std::exchange(reader, -1));
}
QByteArray Fifo::read() const
{
    QByteArray bytes(1 << 16, '\0');
    const ssize_t got = ::read(reader, bytes.data(), size_t(bytes.size()));
    return bytes.left(got < 0 ? 0 : got);
}
