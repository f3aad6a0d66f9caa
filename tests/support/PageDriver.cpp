#include "support/PageDriver.h"

#include "common/ChunkedFileReader.h"
#include "ui/BusyIndicators.h"
#include "ui/WindowTitle.h"

#include <QAbstractButton>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QTabWidget>
#include <QTest>

QString PageDriver::file(const QString &name, const QByteArray &bytes)
{
    QFile out(dir.filePath(name));
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(out.fileName()));
    return out.fileName();
}

void PageDriver::click(const QString &button)
{
    QTest::mouseClick(control<QAbstractButton>(button), Qt::LeftButton);
}

QStringList PageDriver::click(const QString &button, const QStringList &answers)
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
    click(button);
    return shownBoxes(boxes);
}

QStringList shownBoxes(const ModalAnswerer &boxes)
{
    QStringList shown;
    for (const ModalAnswerer::Seen &box : boxes.seen()) {
        if (box.kind == ModalAnswerer::Kind::File)
            shown << "file|" + box.nameFilters.join(";;") + '|' + box.proposed;
        else if (box.kind == ModalAnswerer::Kind::Input)
            shown << box.text + '|' + box.title + '|' + box.proposed;
        else
            shown << box.text + '|' + box.title;
    }
    return shown;
}

void PageDriver::choose(const QString &browse, const QString &path)
{
    const QStringList shown = click(browse, {"file:" + path});
    QVERIFY2(shown.size() == 1 && shown[0].startsWith("file|"),
             qPrintable(browse + ": " + shown.join('\n')));
}

QString PageDriver::text(const QString &name) const
{
    if (auto *box = find<QLineEdit>(name))
        return box->text();
    return control<QLabel>(name)->text();
}

QString PageDriver::busySigns()
{
    QStringList signs;
    if (!window.SSTab1()->isEnabled())
        signs << "tabs off";
    if (window.cursor().shape() == Qt::WaitCursor)
        signs << "hourglass";
    if (window.busy().timer2().isActive())
        signs << "title";
    if (window.busy().uploadTimer().isActive())
        signs << "bar";
    return signs.join(", ");
}

bool PageDriver::idle()
{
    return busySigns().isEmpty() && window.windowTitle() == WindowTitle::plain &&
           control<QProgressBar>("ProgressBar1")->value() == 0;
}

int openDescriptors(const QString &path)
{
    const QString target = QFileInfo(path).canonicalFilePath();
    if (!path.isEmpty() && target.isEmpty())
        return 0; // a file that is gone: nothing can lead to it by that name
    const QDir fds(QStringLiteral("/proc/self/fd"));
    int count = 0;
    for (const QString &fd : fds.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot))
        count += path.isEmpty() || QFile::symLinkTarget(fds.filePath(fd)) == target ? 1 : 0;
    return count;
}

QString tooLargeText(const QString &path)
{
    return QStringLiteral("File too large: %1 has 2147483648 bytes; a file must be smaller than "
                          "2 GiB (2147483648 bytes) to be held in memory.")
        .arg(QDir::toNativeSeparators(path));
}

OnBusy::OnBusy(QWidget *tabStrip, std::function<void()> action) : m_action(std::move(action))
{
    tabStrip->installEventFilter(this);
}

bool OnBusy::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::EnabledChange && !static_cast<QWidget *>(watched)->isEnabled())
        m_action();
    return false;
}

void addSizeAndLinkRows()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("serial");
    for (int size : {0, 1, 100, 101, 250, 3 * int(ChunkedFileReader::chunkSize) + 1}) {
        QTest::addRow("%d bytes serial", size) << size << true;
        QTest::addRow("%d bytes parallel", size) << size << false;
    }
}
