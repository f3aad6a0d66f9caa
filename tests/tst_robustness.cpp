// Hostile conditions: ports held, refused or gone quiet, and many runs of
// every send and file path leaving nothing open behind them.
#include "common/StopSignal.h"
#include "link/PrinterLink.h"
#include "support/ModalAnswerer.h"
#include "support/PageDriver.h"
#include "support/TestMain.h"
#include "ui/SendPresenter.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSerialPort>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

// Takes away the rights a device's owner has over it for the scope: as root
// by acting as an unprivileged user, otherwise by clearing its mode.
struct WithoutAccess {
    QByteArray path;
    struct stat before {
    };
    bool asRoot = false;
    explicit WithoutAccess(const QString &device) : path(QFile::encodeName(device))
    {
        ::stat(path.constData(), &before);
        ::chmod(path.constData(), 0600);
        asRoot = ::geteuid() == 0 && ::seteuid(65534) == 0;
        if (!asRoot)
            ::chmod(path.constData(), 0);
    }
    ~WithoutAccess()
    {
        if (asRoot)
            (void)::seteuid(0);
        ::chmod(path.constData(), before.st_mode & 07777);
    }
};

} // namespace

class TestRobustness : public QObject
{
    Q_OBJECT

    // Every path through the link, good and bad, and the pages' file paths, once.
    static void runEverySendPath(PageDriver &fx, const QString &dataFile)
    {
        PrinterLink &link = fx.window.link();
        link.portNames().redirect("LPT2", fx.dir.filePath("missing/lpt"));
        {
            ModalAnswerer boxes;
            boxes.pressOk().pressOk().pressOk().pressOk();
            for (bool serial : {true, false}) {
                link.setSerialMode(serial);
                QVERIFY(fx.window.printer().printText("!L\r\n") &&
                        fx.window.printer().printBytes(QByteArray(250, 'b')));
                if (serial)
                    QVERIFY(!link.serialPort().setCommPort(WindowFixture::missingComPort));
                else
                    link.setParallelPortName("LPT2");
                QVERIFY(!fx.window.printer().printText("!L\r\n") &&
                        !fx.window.printer().printBytes(QByteArray(10, 'b')));
                link.serialPort().setCommPort(1);
                link.setParallelPortName("LPT1");
            }
            link.setSerialMode(true);
            QVERIFY2(boxes.seen().size() == 4, qPrintable(boxes.describe()));
        }
        fx.showTab(MainWindow::BinaryTab);
        fx.choose("BMemCMD", dataFile);
        QCOMPARE(fx.click("BMemCMD", {"<cancel>"}).size(), 1);
        QCOMPARE(fx.click("BUpLoadCMD", {}).size(), 0);
        fx.showTab(MainWindow::StorageTab);
        fx.choose("BrowseCMD", dataFile);
        QCOMPARE(fx.click("StoreCMD", {"logo"}).size(), 1);
        fx.choose("FBrowseCMD", dataFile);
        QCOMPARE(fx.click("FStoreCMD", {}).size(), 0);
        fx.serialBytes(10);
    }

private slots:
    void nothingStaysOpen()
    {
        PageDriver fx(MainWindow::BinaryTab);
        const QString dataFile = fx.file("data.bin", QByteArray(5000, 'd'));
        runEverySendPath(fx, dataFile); // first use opens what Qt keeps for good
        const int before = openDescriptors();
        for (int round = 0; round < 10; ++round)
            runEverySendPath(fx, dataFile);
        QCOMPARE(openDescriptors(), before);
        QVERIFY(!fx.window.link().isBusy());
    }

    void portHeldByAnotherProgram()
    {
        WindowFixture fx;
        QSerialPort other;
        other.setPortName(fx.pty.slavePath());
        QVERIFY(other.open(QIODevice::WriteOnly));
        ModalAnswerer boxes;
        boxes.pressOk().pressOk();
        QVERIFY(!fx.window.printer().printText("!L\r\n"));
        QVERIFY(!fx.window.printer().printBytes(QByteArray("abc")));
        QCOMPARE(shownBoxes(boxes),
                 (QStringList{"Error Opening CommPort for String Send|SComString",
                              "Error: COM1 (" + fx.pty.slavePath() +
                                  ") is in use by another program (tst_robustness, process " +
                                  QString::number(QCoreApplication::applicationPid()) +
                                  "). Close that program and try again.|8010"}));
        QVERIFY(fx.window.SSTab1()->isEnabled());
        other.close();
        QVERIFY(fx.window.printer().printText("!L\r\n"));
        QCOMPARE(fx.serialBytes(), QByteArray("!L\r\n"));
    }

    void deviceWithoutPermission()
    {
        WindowFixture fx;
        ModalAnswerer boxes;
        boxes.pressOk().pressOk();
        for (bool serial : {true, false}) {
            fx.window.link().setSerialMode(serial);
            WithoutAccess locked(serial ? fx.pty.slavePath() : fx.lptPath("LPT1"));
            QVERIFY(!fx.window.printer().printBytes(QByteArray("abc")));
        }
        const QStringList seen = shownBoxes(boxes);
        QCOMPARE(seen.size(), 2);
        // The serial message says how to get access.
        QVERIFY2(
            seen[0].startsWith("Error: Permission denied on COM1 (" + fx.pty.slavePath() + "). ") &&
                (seen[0].contains("group") || seen[0].contains("administrator")) &&
                seen[0].endsWith("|8010"),
            qPrintable(seen[0]));
        QCOMPARE(seen[1], "Error: Permission denied: " + fx.lptPath("LPT1") + "|70");
        QVERIFY(fx.window.SSTab1()->isEnabled());
    }

    void parallelDeviceThatTakesNoData()
    {
        QTemporaryDir dir;
        const QString fifo = dir.filePath("stalled");
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        // A reader that never reads: the pipe fills and stays full.
        const int reader = ::open(QFile::encodeName(fifo).constData(), O_RDONLY | O_NONBLOCK);
        QVERIFY(reader >= 0);
        QWidget window;
        StopSignal stop;
        PrinterLink link(&stop);
        SendPresenter printer(&window, link, stop);
        link.portNames().redirect("LPT1", fifo);
        link.setSerialMode(false);
        int ticks = 0;
        QTimer heartbeat;
        connect(&heartbeat, &QTimer::timeout, [&] { ++ticks; });
        heartbeat.start(100);

        ModalAnswerer boxes;
        boxes.pressOk().pressOk();
        QElapsedTimer clock;
        clock.start();
        QVERIFY(!printer.printBytes(QByteArray(1 << 20, 'x')));
        const qint64 elapsed = clock.elapsed();
        QVERIFY2(elapsed >= 9500 && elapsed < 13000, qPrintable(QString::number(elapsed)));
        QVERIFY2(ticks >= 80, qPrintable(QString::number(ticks))); // the window kept running
        // The text path gives up the same way, with its own message.
        QVERIFY(!printer.printText(QString(256 * 1024, 'y')));
        QCOMPARE(shownBoxes(boxes),
                 (QStringList{"Error: Device I/O error: " + fifo +
                                  " accepted no data for 10 seconds. Check that the printer is "
                                  "on, online and has paper.|57",
                              "Error Opening LPT1 For String Send|SLptString"}));
        ::close(reader);
    }
};

VARIMONDE_TEST_MAIN(TestRobustness)
#include "tst_robustness.moc"
