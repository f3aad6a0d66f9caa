// Files and names that once hung, crashed or misled the program: special
// files, huge label formats, a pipe whose reader goes, identifiers the
// printer cannot receive, markup in file names, and what a load or an
// export leaves behind when it fails.
#include "common/ChunkedFileReader.h"
#include "common/ProcessSignals.h"
#include "common/StopSignal.h"
#include "link/PrinterLink.h"
#include "profile/ProfileStore.h"
#include "support/PageDriver.h"
#include "support/TestMain.h"
#include "ui/SendPresenter.h"

#include <QCryptographicHash>
#include <QInputDialog>
#include <QLabel>
#include <QTabWidget>

#include <csignal>
#include <fcntl.h>
#ifdef __GLIBC__
#include <malloc.h>
#endif
#include <sys/resource.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace
{

constexpr qint64 MiB = 1024 * 1024;
// Beyond the size from which the allocator always maps memory of its own
// (32 MiB), so that what earlier tests left in the heap does not count.
constexpr qint64 big = 48 * MiB;

// A field of /proc/self/status in bytes, such as "VmHWM" (peak resident).
} // namespace

class TestFileSafety : public QObject
{
    Q_OBJECT

private slots:
    void aReaderThatGoesAwayFailsTheSend()
    {
        ignoreBrokenPipeSignal(); // as the program does at start
        QTemporaryDir dir;
        const QString fifo = dir.filePath("lpt");
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        const int reader = ::open(QFile::encodeName(fifo).constData(), O_RDONLY | O_NONBLOCK);
        QWidget window;
        StopSignal stop;
        PrinterLink link(&stop);
        SendPresenter printer(&window, link, stop);
        link.portNames().redirect("LPT1", fifo);
        link.setSerialMode(false);
        QTimer::singleShot(200, [reader] { ::close(reader); }); // while the pipe is full
        ModalAnswerer boxes;
        boxes.pressOk();
        QVERIFY(!printer.printBytes(QByteArray(MiB, 'x')));
        QCOMPARE(shownBoxes(boxes),
                 QStringList{"Error: Path/File access error: " + fifo + " (Broken pipe)|75"});
    }

    // After a long operation the keyboard focus is where the user left it,
    // not on Exit, where the next Space would quit.
    void focusReturnsAfterLongWork_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("load") << "BMemCMD";
        QTest::newRow("upload") << "BUpLoadCMD";
    }
    void focusReturnsAfterLongWork()
    {
        QFETCH(QString, button);
        PageDriver fx(MainWindow::BinaryTab);
        const QString path = fx.file("fw.bin", QByteArray(1000, 'f'));
        fx.choose("BMemCMD", path);
        fx.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&fx.window));
        auto *start = fx.control<QWidget>(button);
        start->setFocus();
        ModalAnswerer boxes;
        boxes.chooseFile(path);
        QTest::keyClick(start, Qt::Key_Space);
        QCOMPARE(boxes.seen().size(), button == "BMemCMD" ? 1 : 0);
        QVERIFY(fx.idle());
        QCOMPARE(fx.window.focusWidget(), start); // where the keys go, once the window is active
    }

};

VARIMONDE_TEST_MAIN(TestFileSafety)
#include "tst_filesafety.moc"
