// What reaches the printer through each link, how much the serial port is
// handed at once, and what each send reports when its port fails; how a
// transfer moves bytes: one at a time per link, nothing left over from a
// failed one, progress judged at the line, reports and cancel.
#include "common/ProcessSignals.h"
#include "common/StopSignal.h"
#include "link/PrinterLink.h"
#include "link/Transfer.h"
#include "link/TransferProgress.h"
#include "support/LinkWait.h"
#include "support/QueueingLine.h"
#include "support/TestMain.h"
#include "support/WindowDriver.h"

#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstring>
#include <dlfcn.h>
#include <poll.h>
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

// A USB printer's driver as the program sees it: a write takes at most one
// block into the driver's buffer, and the device is writable again only
// once the block has gone out, `looks` polls later; the blocks after the
// first `drained` never go. Each write ("w"), look ("-" not writable, "+"
// writable) and close ("c") of the device is logged in order.
struct UsbDriver {
    bool on = false;
    char device[256] = {};
    int looks = 2;
    int drained = 1 << 30;
    int looked = 0;
    bool inFlight = false;
    std::string calls;
} usbDriver;

bool isDevice(int fd, const char *device)
{
    char link[32], target[256] = {};
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    return ::readlink(link, target, sizeof target - 1) > 0 && std::strcmp(target, device) == 0;
}

} // namespace

extern "C" ssize_t write(int fd, const void *data, size_t size)
{
    using Write = ssize_t (*)(int, const void *, size_t);
    static const auto systemWrite = reinterpret_cast<Write>(::dlsym(RTLD_NEXT, "write"));
    const bool usb = usbDriver.on && isDevice(fd, usbDriver.device);
    if (usb) {
        usbDriver.calls += 'w';
        if (usbDriver.inFlight) {
            errno = EAGAIN;
            return -1;
        }
        size = std::min<size_t>(size, 8192);
        usbDriver.inFlight = true;
        usbDriver.looked = 0;
    }
    const ssize_t written = systemWrite(fd, data, size);
    if (writeLog.on && written > 0 && isDevice(fd, writeLog.device)) {
        writeLog.total += written;
        if (qint64(size) > writeLog.largest)
            writeLog.largest = qint64(size);
    }
    return written;
}

extern "C" int poll(pollfd *fds, nfds_t count, int timeout)
{
    using Poll = int (*)(pollfd *, nfds_t, int);
    static const auto systemPoll = reinterpret_cast<Poll>(::dlsym(RTLD_NEXT, "poll"));
    if (!usbDriver.on || count != 1 || !isDevice(fds->fd, usbDriver.device))
        return systemPoll(fds, count, timeout);
    if (usbDriver.inFlight && usbDriver.drained > 0 && ++usbDriver.looked > usbDriver.looks) {
        usbDriver.inFlight = false;
        --usbDriver.drained;
    }
    usbDriver.calls += usbDriver.inFlight ? '-' : '+';
    fds->revents = usbDriver.inFlight ? 0 : POLLOUT;
    return usbDriver.inFlight ? 0 : 1;
}

extern "C" int close(int fd)
{
    using Close = int (*)(int);
    static const auto systemClose = reinterpret_cast<Close>(::dlsym(RTLD_NEXT, "close"));
    if (usbDriver.on && isDevice(fd, usbDriver.device))
        usbDriver.calls += 'c';
    return systemClose(fd);
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

} // namespace

class TestLink : public QObject
{
    Q_OBJECT

    std::unique_ptr<PseudoTerminal> pty;
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<StopSignal> stop;
    std::unique_ptr<PrinterLink> link;

    QString lpt() const { return dir->filePath("lpt1"); }

private slots:
    void initTestCase() { ignoreBrokenPipeSignal(); } // as the program does at start
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
        link->portNames().redirect("LPT2", dir->filePath("lpt2"));
        link->portNames().setUsbRoots(dir->filePath("usb"), dir->filePath("sys"));
        link->setStallLimitMs(300);
    }

    // The serial port is handed at most 100 bytes at once: a printer with a
    // small buffer loses what comes faster than it prints.
    void bytesGoOutUnchanged_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("serial");
        for (int size : {0, 1, 301}) {
            QTest::addRow("%d bytes serial", size) << size << true;
            QTest::addRow("%d bytes parallel", size) << size << false;
        }
    }
    void bytesGoOutUnchanged()
    {
        QFETCH(int, size);
        QFETCH(bool, serial);
        link->setAddress(std::get<LinkAddress>(LinkAddress::parse(serial ? "COM1" : "LPT1")));
        const QByteArray device = QFile::encodeName(serial ? pty->slavePath() : lpt());
        QVERIFY(size_t(device.size()) < sizeof writeLog.device);
        std::strcpy(writeLog.device, device.constData());
        writeLog.largest = writeLog.total = 0;
        writeLog.on = true;
        const QByteArray data = patterned(size);
        QCOMPARE(shown(sendBytesAndWait(*link, data)), "sent");
        QCOMPARE(shown(sendTextAndWait(*link, "!L\r\n\u00E9")), "sent");
        writeLog.on = false;
        const QByteArray expected = data + "!L\r\n\xE9";
        QCOMPARE(serial ? pty->readExactly(expected.size()) : fileBytes(lpt()), expected);
        QCOMPARE(writeLog.total.load(), expected.size());
        if (serial)
            QVERIFY2(writeLog.largest <= 100, qPrintable(QString::number(writeLog.largest)));
        QCOMPARE(openDescriptors(pty->slavePath()), 1); // the terminal's own
        QCOMPARE(openDescriptors(lpt()), 0);
    }

    // "%1" stands for the device's path. A text send keeps a fixed box.
    void failuresSayWhy_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<bool>("serial");
        QTest::addColumn<bool>("bytes");
        QTest::addColumn<QString>("box");
        QTest::newRow("serial locked")
            << "locked" << true << true << "Error: Permission denied on COM1 (%1). ";
        QTest::newRow("parallel locked")
            << "locked" << false << true << "Error: Permission denied: %1|70";
        QTest::newRow("parallel missing, text")
            << "missing" << false << false << "Error Opening LPT1 For String Send|SLptString";
        QTest::newRow("parallel missing, bytes")
            << "missing" << false << true
            << "Error: File not found: %1. Parallel and USB printer ports found: LPT2 "
               "(%2/lpt2), %2/usb/lp0 (Acme T4). Choose one of them on the Communication "
               "Settings tab.|53";
        QTest::newRow("never filled")
            << "never filled" << true << true
            << "Error: Subscript out of range: there are no bytes in memory to send|9";
        QTest::newRow("serial stalls")
            << "stall" << true << true
            << "Error: COM1 accepted no data for 0.3 seconds: check that the printer is on, "
               "online and connected.|8020";
        QTest::newRow("parallel stalls")
            << "stall" << false << true
            << "Error: Device I/O error: %1 accepted no data for 0.3 seconds. Check that the "
               "printer is on, online and has paper.|57";
        QTest::newRow("parallel reader gone")
            << "gone" << false << true << "Error: Path/File access error: %1 (Broken pipe)|75";
        QTest::newRow("serial unplugged")
            << "unplug" << true << true
            << "Error: COM1 stopped working during the transfer: the device or its USB adapter "
               "was removed or failed (";
        QTest::newRow("parallel stopped")
            << "stop" << false << true << "Error: The transfer was stopped.|57";
    }
    void failuresSayWhy()
    {
        QFETCH(QString, fault);
        QFETCH(bool, serial);
        QFETCH(bool, bytes);
        QFETCH(QString, box);
        link->setAddress(std::get<LinkAddress>(LinkAddress::parse(serial ? "COM1" : "LPT1")));
        QString device = serial ? pty->slavePath() : dir->filePath("fifo");
        std::optional<Fifo> fifo; // a printer that takes no more, or goes away
        std::unique_ptr<WithoutAccess> locked;
        pty->pauseReading(true);
        if (fault == "missing") {
            device = dir->filePath("no/such/device");
            QFile(dir->filePath("lpt2")).open(QIODevice::WriteOnly);
            QDir().mkpath(dir->filePath("usb"));
            QFile(dir->filePath("usb/lp0")).open(QIODevice::WriteOnly);
            QDir().mkpath(dir->filePath("sys/lp0/device"));
            QFile id(dir->filePath("sys/lp0/device/ieee1284_id"));
            QVERIFY(id.open(QIODevice::WriteOnly) && id.write("MFG:Acme;MDL:T4;"));
        } else if (!serial && fault != "locked")
            fifo.emplace(device);
        else if (!serial)
            device = lpt();
        link->portNames().redirect("LPT1", device);
        if (fault == "stop") {
            link->setStallLimitMs(3000);
            QTimer::singleShot(100, stop.get(), &StopSignal::raise);
        } else if (fault == "unplug") {
            QTimer::singleShot(50, [this] { pty->unplug(); });
        } else if (fault == "gone") {
            QTimer::singleShot(200, [&] { fifo->close(); }); // while the pipe is full
        }
        const auto others = [&] { return openDescriptors(device) - (fifo && fifo->reader >= 0); };
        const int before = others();
        if (fault == "locked") // last: the test itself may not see the device after
            locked = std::make_unique<WithoutAccess>(device);
        const QByteArray data(fault == "never filled" ? 0 : 4 << 20, 'x');
        const SendOutcome outcome =
            !bytes ? sendTextAndWait(*link, QString(256 * 1024, 'y'))
                   : sendBytesAndWait(*link, data.isEmpty() ? PrinterBytes() : PrinterBytes(data));
        locked.reset();
        box.replace("%1", device).replace("%2", dir->path());
        QVERIFY2(shown(outcome).startsWith(box), qPrintable(shown(outcome)));
        QVERIFY(!link->isBusy());
        // An unplugged terminal is gone, and with it every way to its name.
        if (fault != "unplug")
            QCOMPARE(others(), before);
    }

    // A USB printer's block is sent after its write has returned: the next
    // block and the close wait until the device is writable again, and a
    // block that never goes is not counted as sent.
    void usbBlocksDrainBeforeTheClose_data()
    {
        QTest::addColumn<int>("drained");
        QTest::addColumn<QString>("calls");
        QTest::addColumn<QString>("end");
        QTest::newRow("every block goes") << 1000 << "^(w-+\\+){3}c$"
                                          << "sent, 20480 bytes";
        QTest::newRow("the last block stays")
            << 2 << "^(w-+\\+){2}w-+c$"
            << "Error: Device I/O error: %1 accepted no data for 0.3 seconds. Check that the "
               "printer is on, online and has paper.|57, 16384 bytes";
    }
    void usbBlocksDrainBeforeTheClose()
    {
        QFETCH(int, drained);
        QFETCH(QString, calls);
        QFETCH(QString, end);
        const QString device = dir->filePath("lp0");
        QFile(device).open(QIODevice::WriteOnly);
        link->setAddress(std::get<LinkAddress>(LinkAddress::parse("usb:" + device)));
        qint64 sent = -1;
        connect(link.get(), &PrinterLink::finished, this, [&](qint64 taken) { sent = taken; });
        std::strcpy(usbDriver.device, QFile::encodeName(device).constData());
        usbDriver.drained = drained;
        usbDriver.inFlight = false;
        usbDriver.calls.clear();
        usbDriver.on = true;
        const SendOutcome outcome = sendBytesAndWait(*link, patterned(20480));
        usbDriver.on = false;
        QCOMPARE(shown(outcome).section('|', 0, 1) + ", " + QString::number(sent) + " bytes",
                 end.replace("%1", device));
        const QString made = QString::fromStdString(usbDriver.calls);
        QVERIFY2(QRegularExpression(calls).match(made).hasMatch(), qPrintable(made));
    }

    // A second send while the first waits on a full printer is refused and
    // touches nothing; the first still delivers every byte.
    void oneTransferAtATime()
    {
        pty->pauseReading(true);
        const QByteArray firmware(256 * 1024, 'f');
        SendOutcome second;
        QTimer::singleShot(100, [&] {
            link->sendText("!L\r\n", [&](const SendOutcome &outcome) { second = outcome; });
        });
        QTimer::singleShot(300, [&] { pty->pauseReading(false); });
        link->setStallLimitMs(3000);
        QCOMPARE(shown(sendBytesAndWait(*link, firmware)), "sent");
        QCOMPARE(shown(second),
                 "Error Opening CommPort for String Send|SComString|Another transfer to the "
                 "printer is still running: wait for it to finish, or cancel it, then try again.");
        QCOMPARE(pty->readExactly(firmware.size() + 4, 2000), firmware);
    }

    // A device that vanishes mid-transfer and comes back at the same path
    // gets the next command alone.
    void nothingStaleAfterAFailure()
    {
        const QString port = dir->filePath("ttyUSB0");
        QVERIFY(QFile::link(pty->slavePath(), port));
        link->portNames().redirect("COM1", port);
        pty->pauseReading(true);
        QTimer::singleShot(100, [&] { pty->unplug(); });
        QVERIFY(sendBytesAndWait(*link, QByteArray(256 * 1024, 's')));
        pty = std::make_unique<PseudoTerminal>();
        QVERIFY(QFile::remove(port) && QFile::link(pty->slavePath(), port));
        QCOMPARE(shown(sendTextAndWait(*link, "!L\r\n")), "sent");
        QCOMPARE(pty->readAvailable(4), QByteArray("!L\r\n"));
    }

    // A line that drains steadily is never a stall, however slowly the
    // program's own queue moves; one that stops fails at the limit.
    void progressIsJudgedAtTheLine_data()
    {
        QTest::addColumn<qint64>("bytesPerTick");
        QTest::addRow("draining") << qint64(20);
        QTest::addRow("stopped") << qint64(0);
    }
    void progressIsJudgedAtTheLine()
    {
        QFETCH(qint64, bytesPerTick);
        auto owned = std::make_unique<QueueingLine>(bytesPerTick);
        QueueingLine &line = *owned;
        Transfer transfer(std::move(owned), QByteArray(600, 'p'), {300});
        QList<qint64> reports;
        connect(&transfer, &Transfer::progress, [&](qint64 sent, qint64 total) {
            QCOMPARE(total, 600);
            reports << sent;
        });
        QElapsedTimer clock;
        clock.start();
        const SendOutcome outcome = runTransfer(transfer);
        const qint64 elapsed = clock.elapsed();
        QVERIFY(std::is_sorted(reports.begin(), reports.end()));
        if (bytesPerTick > 0) {
            QCOMPARE(shown(outcome), "sent");
            QVERIFY(line.closed && !line.discarded);
            QCOMPARE(reports.last(), 600);
            // Reports at least once a second, at most ten times, and the last.
            QVERIFY2(reports.size() > elapsed / 1000 && reports.size() <= elapsed / 100 + 2,
                     qPrintable(QString::number(reports.size())));
        } else {
            QCOMPARE(shown(outcome), "stalled|8020|stalled");
            QVERIFY(line.discarded && !line.closed);
            QVERIFY2(elapsed >= 300 && elapsed < 500, qPrintable(QString::number(elapsed)));
        }
    }

    // Cancel ends the transfer at its next step: nothing more is written
    // and the queue is thrown away.
    void cancelStopsWriting()
    {
        auto owned = std::make_unique<QueueingLine>(50);
        QueueingLine &line = *owned;
        Transfer transfer(std::move(owned), QByteArray(2000, 'c'), {5000});
        QTimer::singleShot(150, [&] {
            transfer.cancel();
            line.writesAfterCancel = 0;
        });
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(shown(runTransfer(transfer)),
                 "The transfer was cancelled.|18|The transfer was cancelled.");
        QVERIFY(clock.elapsed() < 1000);
        QCOMPARE(line.writesAfterCancel, 0);
        QVERIFY(line.discarded && !line.closed);
    }

    // Percent of files beyond the reach of a 32-bit count, too.
    void progressPercent_data()
    {
        QTest::addColumn<qint64>("total");
        QTest::addColumn<qint64>("sent");
        QTest::addColumn<int>("percent");
        const qint64 gib = qint64(1) << 30;
        QTest::newRow("small") << qint64(5000000) << qint64(1096000) << 21;
        QTest::newRow("just short of 2 GiB") << 2 * gib << 2 * gib - 1 << 99;
        QTest::newRow("past 2 GiB of 3") << 3 * gib << 2 * gib + 1 << 66;
        QTest::newRow("all of 3 GiB") << 3 * gib << 3 * gib << 100;
        QTest::newRow("nothing to send") << qint64(0) << qint64(0) << 100;
    }
    void progressPercent()
    {
        QFETCH(qint64, total);
        QFETCH(qint64, sent);
        QFETCH(int, percent);
        TransferProgress progress(total);
        progress.update(sent, 0);
        QCOMPARE(progress.percent(), percent);
    }

    // Reports "ms=sent ..." as the link gives them (at least once a
    // second). A network printer acknowledges its buffer at once, then in
    // steps seconds apart: the rate runs from step to step, falls once a
    // step is overdue, and is never 0 while bytes move.
    void progressReadsAsAUserWouldSayIt_data()
    {
        QTest::addColumn<QString>("reports");
        QTest::addColumn<QString>("said");
        QTest::newRow("nothing yet") << "0=0"
                                     << "Uploading 0 bytes of 5.0 MB";
        QTest::newRow("steady") << "0=1000000 10000=1096000"
                                << "Uploading 1.1 MB of 5.0 MB, 9.6 kB/s, about 7 min left";
        const QString steps = "0=0 10=65536 1000=65536 4010=69536 5000=69536 8010=73536 ";
        QTest::newRow("in steps") << steps + "11000=73536"
                                  << "Uploading 73.5 kB of 5.0 MB, 1.0 kB/s, about 1 h 22 min left";
        QTest::newRow("a step overdue") << steps + "13000=73536"
                                        << "Uploading 73.5 kB of 5.0 MB, 890 bytes/s, about 1 h "
                                           "32 min left";
        QTest::newRow("busy") << steps + "20000=73536"
                              << "Uploading 73.5 kB of 5.0 MB, the printer has taken no data "
                                 "for 11 s";
        QTest::newRow("the next part") << steps + "20000=0 20500=30000 21500=40000"
                                       << "Uploading 40.0 kB of 5.0 MB, 10.0 kB/s, about 8 min "
                                          "left";
    }
    void progressReadsAsAUserWouldSayIt()
    {
        QFETCH(QString, reports);
        QFETCH(QString, said);
        TransferProgress progress(5000000);
        for (const QString &report : reports.split(' '))
            progress.update(report.section('=', 1).toLongLong(),
                            report.section('=', 0, 0).toLongLong());
        QCOMPARE(progress.describe("Uploading"), said);
        QCOMPARE(TransferProgress::durationText(45), "45 s");
        QCOMPARE(TransferProgress::durationText(3900), "1 h 5 min");
    }
};

VARIMONDE_TEST_MAIN(TestLink)
#include "tst_link.moc"
