// What reaches the printer through each link, how much the serial port is
// handed at once, and what each send reports when its port fails.
#include "common/StopSignal.h"
#include "link/PrinterLink.h"
#include "support/PseudoTerminal.h"
#include "support/TestMain.h"
#include "support/WindowDriver.h"

#include <QSerialPort>
#include <QTimer>

#include <atomic>
#include <cstdio>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

// The size of every write() this process makes to one device, taken where
// the serial port hands bytes to the system: the one place the chunk rule
// can be seen, since a pseudo-terminal takes any amount at once.
struct WriteLog {
    std::atomic<bool> on{false};
    char device[64] = {};
    std::atomic<qint64> largest{0};
    std::atomic<qint64> total{0};
} writeLog;

} // namespace

extern "C" ssize_t write(int fd, const void *data, size_t size)
{
    using Write = ssize_t (*)(int, const void *, size_t);
    static const auto systemWrite = reinterpret_cast<Write>(::dlsym(RTLD_NEXT, "write"));
    const ssize_t written = systemWrite(fd, data, size);
    if (writeLog.on && written > 0) {
        char link[32], target[64] = {};
        std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
        if (::readlink(link, target, sizeof target - 1) > 0 &&
            std::strcmp(target, writeLog.device) == 0) {
            writeLog.total += written;
            if (qint64(size) > writeLog.largest)
                writeLog.largest = qint64(size);
        }
    }
    return written;
}

namespace
{

// Takes away the rights over a device for the scope: as root by acting as
// an unprivileged user, otherwise by clearing its mode.
struct WithoutAccess {
    QByteArray path;
    mode_t mode = 0;
    bool asRoot = false;
    explicit WithoutAccess(const QString &device) : path(QFile::encodeName(device))
    {
        struct stat before {
        };
        ::stat(path.constData(), &before);
        mode = before.st_mode & 07777;
        ::chmod(path.constData(), 0600);
        asRoot = ::geteuid() == 0 && ::seteuid(65534) == 0;
        if (!asRoot)
            ::chmod(path.constData(), 0);
    }
    ~WithoutAccess()
    {
        if (asRoot)
            (void)::seteuid(0);
        ::chmod(path.constData(), mode);
    }
};

QByteArray patterned(int size) // every byte value, 0x11, 0x13 and 0x1A among them
{
    QByteArray bytes;
    for (int i = 0; i < size; ++i)
        bytes.append(char((i * 7 + 0x11) & 0xFF));
    return bytes;
}

QString shown(const SendOutcome &outcome)
{
    return outcome ? outcome->boxText() + '|' + outcome->boxTitle() : QStringLiteral("sent");
}

} // namespace

class TestLink : public QObject
{
    Q_OBJECT

    std::unique_ptr<PseudoTerminal> pty;
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<StopSignal> stop;
    std::unique_ptr<PrinterLink> link;

    QString lpt() const { return dir->filePath("lpt1"); }
    QByteArray lptBytes() const
    {
        QFile file(lpt());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : "(unreadable)";
    }

private slots:
    void init()
    {
        pty = std::make_unique<PseudoTerminal>();
        dir = std::make_unique<QTemporaryDir>();
        stop = std::make_unique<StopSignal>();
        link = std::make_unique<PrinterLink>(stop.get());
        QVERIFY(pty->isValid());
        QFile(lpt()).open(QIODevice::WriteOnly);
        link->portNames().redirect("COM1", pty->slavePath());
        link->portNames().redirect("LPT1", lpt());
        link->setStallLimitMs(300);
    }

    void bytesGoOutUnchanged_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("serial");
        for (int size : {0, 1, 100, 101, 301}) {
            QTest::addRow("%d bytes serial", size) << size << true;
            QTest::addRow("%d bytes parallel", size) << size << false;
        }
    }
    void bytesGoOutUnchanged()
    {
        QFETCH(int, size);
        QFETCH(bool, serial);
        link->setSerialMode(serial);
        const QByteArray data = patterned(size);
        const QString text = "!L\r\n\u00E9";
        QCOMPARE(shown(link->sendBytes(data)), "sent");
        QCOMPARE(shown(link->sendText(text)), "sent");
        const QByteArray expected = data + "!L\r\n\xE9";
        QCOMPARE(serial ? pty->readExactly(expected.size()) : lptBytes(), expected);
        QCOMPARE(openDescriptors(pty->slavePath()), 1); // the terminal's own
        QCOMPARE(openDescriptors(lpt()), 0);
    }

    // A printer with a small buffer loses what comes faster than it prints.
    void serialPortIsHandedAtMostAHundredBytesAtOnce()
    {
        const QByteArray device = QFile::encodeName(pty->slavePath());
        QVERIFY(size_t(device.size()) < sizeof writeLog.device);
        std::strcpy(writeLog.device, device.constData());
        writeLog.on = true;
        const SendOutcome outcome = link->sendBytes(patterned(1000));
        writeLog.on = false;
        QCOMPARE(shown(outcome), "sent");
        QCOMPARE(pty->readExactly(1000).size(), 1000);
        QCOMPARE(writeLog.total.load(), 1000);
        QVERIFY2(writeLog.largest <= 100, qPrintable(QString::number(writeLog.largest)));
    }

    // "%1" stands for the device's path.
    void failuresSayWhy_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<bool>("serial");
        QTest::addColumn<bool>("bytes");
        QTest::addColumn<QString>("box");
        const QString serialText = "Error Opening CommPort for String Send|SComString";
        const QString parallelText = "Error Opening LPT1 For String Send|SLptString";
        // The program holding the port is this test itself.
        const QString held = "Error: COM1 (%1) is in use by another program (tst_link, process " +
                             QString::number(QCoreApplication::applicationPid()) +
                             "). Close that program and try again.|8010";
        const QString serialStall = "Error: COM1 accepted no data for 0.3 seconds: check that the "
                                    "printer is on, online and connected.|8020";
        const QString parallelStall = "Error: Device I/O error: %1 accepted no data for 0.3 "
                                      "seconds. Check that the printer is on, online and has "
                                      "paper.|57";
        const QString empty =
            "Error: Subscript out of range: there are no bytes in memory to send|9";
        QTest::newRow("serial held, text") << "held" << true << false << serialText;
        QTest::newRow("serial held, bytes") << "held" << true << true << held;
        QTest::newRow("serial locked")
            << "locked" << true << true << "Error: Permission denied on COM1 (%1). ";
        QTest::newRow("parallel locked")
            << "locked" << false << true << "Error: Permission denied: %1|70";
        QTest::newRow("parallel missing, text") << "missing" << false << false << parallelText;
        QTest::newRow("parallel missing, bytes")
            << "missing" << false << true << "Error: File not found: %1|53";
        QTest::newRow("serial, never filled") << "never filled" << true << true << empty;
        QTest::newRow("parallel, never filled") << "never filled" << false << true << empty;
        QTest::newRow("serial stalls, text") << "stall" << true << false << serialText;
        QTest::newRow("serial stalls, bytes") << "stall" << true << true << serialStall;
        QTest::newRow("parallel stalls, text") << "stall" << false << false << parallelText;
        QTest::newRow("parallel stalls, bytes") << "stall" << false << true << parallelStall;
        QTest::newRow("serial unplugged")
            << "unplug" << true << true
            << "Error: COM1 stopped working during the transfer: the device or its USB adapter "
               "was removed or failed (";
        QTest::newRow("serial stopped")
            << "stop" << true << true << "Error: The transfer was stopped.|8020";
        QTest::newRow("parallel stopped")
            << "stop" << false << true << "Error: The transfer was stopped.|57";
    }
    void failuresSayWhy()
    {
        QFETCH(QString, fault);
        QFETCH(bool, serial);
        QFETCH(bool, bytes);
        QFETCH(QString, box);
        link->setSerialMode(serial);
        QString device = serial ? pty->slavePath() : lpt();
        QSerialPort other;
        int fifoReader = -1;
        std::unique_ptr<WithoutAccess> locked;
        if (fault == "held") {
            other.setPortName(device);
            QVERIFY(other.open(QIODevice::WriteOnly));
        } else if (fault == "missing") {
            device = dir->filePath("no/such/device");
            link->portNames().redirect("LPT1", device);
        } else if (fault == "stall" || fault == "stop") {
            // A printer that takes no more: nobody reads the far end.
            pty->pauseReading(true);
            if (!serial) {
                device = dir->filePath("fifo");
                QCOMPARE(::mkfifo(QFile::encodeName(device).constData(), 0600), 0);
                fifoReader = ::open(QFile::encodeName(device).constData(), O_RDONLY | O_NONBLOCK);
                link->portNames().redirect("LPT1", device);
            }
            if (fault == "stop") {
                link->setStallLimitMs(3000);
                QTimer::singleShot(100, stop.get(), &StopSignal::raise);
            }
        } else if (fault == "unplug") {
            QTimer::singleShot(50, [this] { pty->unplug(); });
        }
        const int before = openDescriptors(device);
        if (fault == "locked") // last: the test itself may not see the device after
            locked = std::make_unique<WithoutAccess>(device);
        const QByteArray data(fault == "never filled" ? 0 : 4 << 20, 'x');
        const SendOutcome outcome =
            !bytes ? link->sendText(QString(256 * 1024, 'y'))
                   : link->sendBytes(data.isEmpty() ? PrinterBytes() : PrinterBytes(data));
        locked.reset();
        if (fifoReader >= 0)
            ::close(fifoReader);
        QVERIFY2(shown(outcome).startsWith(box.replace("%1", device)), qPrintable(shown(outcome)));
        QVERIFY(!link->isBusy());
        // An unplugged terminal is gone, and with it every way to its name.
        if (fault != "unplug")
            QCOMPARE(openDescriptors(device), before - (fifoReader >= 0 ? 1 : 0));
    }
};

VARIMONDE_TEST_MAIN(TestLink)
#include "tst_link.moc"
