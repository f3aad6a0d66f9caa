// What reaches the printer through each link, how much the serial port is
// handed at once, and what each send reports when its port fails; how a
// transfer moves bytes: one at a time per link, nothing left over from a
// failed one, progress judged at the line, reports and cancel.
#include "common/ProcessSignals.h"
#include "common/StopSignal.h"
#include "link/TransferProgress.h"
#include "support/LinkWait.h"
#include "support/QueueingLine.h"
#include "support/TestMain.h"
#include "support/WindowDriver.h"

#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <dlfcn.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

// Every write ("w"), look ("-" not writable, "+" writable) and close ("c")
// this process makes on one device, with the largest write and the total:
// the serial port's chunk size shows only where bytes are handed to the
// system, since a pseudo-terminal takes any amount at once. As a USB
// printer's driver (`usb`), a write takes at most one block into the
// driver's buffer, and the device is writable again only once the block has
// gone out, two looks later; the blocks after the first `drained` never go.
// A write made before then shows as a second "w" without a look between.
struct DeviceLog {
    char device[256] = {};
    bool usb = false;
    int drained = 0;
    int looked = 0;
    bool inFlight = false;
    qint64 largest = 0;
    qint64 total = 0;
    std::string calls;
} deviceLog;

void watch(const QString &device, bool usb = false, int drained = 0)
{
    deviceLog = {{}, usb, drained};
    std::strncpy(deviceLog.device, QFile::encodeName(device).constData(),
                 sizeof deviceLog.device - 1);
}

bool watched(int fd)
{
    char link[32], target[256] = {};
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    return deviceLog.device[0] && ::readlink(link, target, sizeof target - 1) > 0 &&
           std::strcmp(target, deviceLog.device) == 0;
}

} // namespace

extern "C" ssize_t write(int fd, const void *data, size_t size)
{
    using Write = ssize_t (*)(int, const void *, size_t);
    static const auto systemWrite = reinterpret_cast<Write>(::dlsym(RTLD_NEXT, "write"));
    if (!watched(fd))
        return systemWrite(fd, data, size);
    deviceLog.calls += 'w';
    if (deviceLog.usb) {
        size = std::min<size_t>(size, 8192);
        deviceLog.inFlight = true;
        deviceLog.looked = 0;
    }
    const ssize_t written = systemWrite(fd, data, size);
    if (written > 0) {
        deviceLog.total += written;
        deviceLog.largest = std::max(deviceLog.largest, qint64(size));
    }
    return written;
}

extern "C" int poll(pollfd *fds, nfds_t count, int timeout)
{
    using Poll = int (*)(pollfd *, nfds_t, int);
    static const auto systemPoll = reinterpret_cast<Poll>(::dlsym(RTLD_NEXT, "poll"));
    if (!deviceLog.usb || count != 1 || !watched(fds->fd))
        return systemPoll(fds, count, timeout);
    if (deviceLog.inFlight && deviceLog.drained > 0 && ++deviceLog.looked > 2) {
        deviceLog.inFlight = false;
        --deviceLog.drained;
    }
    deviceLog.calls += deviceLog.inFlight ? '-' : '+';
    fds->revents = deviceLog.inFlight ? 0 : POLLOUT;
    return deviceLog.inFlight ? 0 : 1;
}

extern "C" int close(int fd)
{
    using Close = int (*)(int);
    static const auto systemClose = reinterpret_cast<Close>(::dlsym(RTLD_NEXT, "close"));
    if (watched(fd))
        deviceLog.calls += 'c';
    return systemClose(fd);
}

namespace
{

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

    void cleanup() { watch({}); }

    // The serial port is handed at most 100 bytes at once: a printer with a
    // small buffer loses what comes faster than it prints.
    void bytesGoOutUnchanged_data()
    {
        QTest::addColumn<int>("size");
        for (int size : {0, 1, 301})
            for (const char *link : {"serial", "parallel"})
                QTest::addRow("%d bytes %s", size, link) << size;
    }
    void bytesGoOutUnchanged()
    {
        QFETCH(int, size);
        const bool serial = QString(QTest::currentDataTag()).endsWith("serial");
        link->setAddress(std::get<LinkAddress>(LinkAddress::parse(serial ? "COM1" : "LPT1")));
        watch(serial ? pty->slavePath() : lpt());
        const QByteArray data = patterned(size);
        QCOMPARE(shown(sendBytesAndWait(*link, data)), "sent");
        QCOMPARE(shown(sendTextAndWait(*link, "!L\r\n\u00E9")), "sent");
        const QByteArray expected = data + "!L\r\n\xE9";
        QCOMPARE(serial ? pty->readExactly(expected.size()) : fileBytes(lpt()), expected);
        QCOMPARE(deviceLog.total, expected.size());
        QVERIFY(!serial || deviceLog.largest <= 100);
    }

    // The row's name: the link, what goes wrong, and "text" for a text
    // send, which keeps a fixed box. "%1" stands for the device's path.
    void failuresSayWhy_data()
    {
        QTest::addColumn<QString>("box");
        QTest::newRow("serial locked") << "Error: Permission denied on COM1 (%1). ";
        QTest::newRow("parallel locked") << "Error: Permission denied: %1|70";
        QTest::newRow("parallel missing, text") << "Error Opening LPT1 For String Send|SLptString";
        QTest::newRow("parallel missing")
            << "Error: File not found: %1. Parallel and USB printer ports found: LPT2 "
               "(%2/lpt2), %2/usb/lp0 (Acme T4). Choose one of them on the Communication "
               "Settings tab.|53";
        QTest::newRow("serial never filled")
            << "Error: Subscript out of range: there are no bytes in memory to send|9";
        QTest::newRow("serial stalls")
            << "Error: COM1 accepted no data for 0.3 seconds: check that the printer is on, "
               "online and connected.|8020";
        QTest::newRow("parallel reader gone")
            << "Error: Path/File access error: %1 (Broken pipe)|75";
        QTest::newRow("serial unplugged")
            << "Error: COM1 stopped working during the transfer: the device or its USB adapter "
               "was removed or failed (";
        QTest::newRow("parallel stopped") << "Error: The transfer was stopped.|57";
    }
    void failuresSayWhy()
    {
        QFETCH(QString, box);
        const QString fault = QTest::currentDataTag();
        const bool serial = fault.startsWith("serial");
        link->setAddress(std::get<LinkAddress>(LinkAddress::parse(serial ? "COM1" : "LPT1")));
        QString device = serial ? pty->slavePath() : dir->filePath("fifo");
        std::optional<Fifo> fifo; // a printer that takes no more, or goes away
        pty->pauseReading(true);
        if (fault.contains("missing")) {
            device = dir->filePath("no/such/device");
            QFile(dir->filePath("lpt2")).open(QIODevice::WriteOnly);
            QDir().mkpath(dir->filePath("usb"));
            QFile(dir->filePath("usb/lp0")).open(QIODevice::WriteOnly);
            QDir().mkpath(dir->filePath("sys/lp0/device"));
            QFile id(dir->filePath("sys/lp0/device/ieee1284_id"));
            QVERIFY(id.open(QIODevice::WriteOnly) && id.write("MFG:Acme;MDL:T4;"));
        } else if (!serial && !fault.contains("locked"))
            fifo.emplace(device);
        else if (!serial)
            device = lpt();
        link->portNames().redirect("LPT1", device);
        // A terminal that goes away comes back at the same path.
        const QString port = dir->filePath("ttyUSB0");
        if (fault.contains("stopped")) {
            link->setStallLimitMs(3000);
            QTimer::singleShot(100, stop.get(), &StopSignal::raise);
        } else if (fault.contains("unplugged")) {
            QVERIFY(QFile::link(pty->slavePath(), port));
            link->portNames().redirect("COM1", port);
            QTimer::singleShot(50, [this] { pty->unplug(); });
        } else if (fault.contains("gone")) {
            QTimer::singleShot(200, [&] { fifo->close(); }); // while the pipe is full
        }
        const auto others = [&] { return openDescriptors(device) - (fifo && fifo->reader >= 0); };
        const int before = others();
        // Last, as the test itself may not see the device after; as root by
        // acting as an unprivileged user as well. The device goes with the row.
        if (fault.contains("locked")) {
            QVERIFY(::chmod(QFile::encodeName(device).constData(), 0) == 0);
            QVERIFY(::geteuid() != 0 || ::seteuid(65534) == 0);
        }
        const SendOutcome outcome =
            fault.endsWith("text")     ? sendTextAndWait(*link, QString(256 * 1024, 'y'))
            : fault.contains("filled") ? sendBytesAndWait(*link, PrinterBytes())
                                       : sendBytesAndWait(*link, QByteArray(4 << 20, 'x'));
        (void)::seteuid(::getuid());
        box.replace("%1", device).replace("%2", dir->path());
        QVERIFY2(shown(outcome).startsWith(box), qPrintable(shown(outcome)));
        QVERIFY(!link->isBusy());
        if (!fault.contains("unplugged")) {
            QCOMPARE(others(), before);
            return;
        }
        // The terminal's name went with it; the next command goes alone,
        // with nothing stale from the transfer that failed.
        pty = std::make_unique<PseudoTerminal>();
        QVERIFY(QFile::remove(port) && QFile::link(pty->slavePath(), port));
        QCOMPARE(shown(sendTextAndWait(*link, "!L\r\n")), "sent");
        QCOMPARE(pty->readAvailable(4), QByteArray("!L\r\n"));
    }

    // A USB printer's block is sent after its write has returned: the next
    // block and the close wait until the device is writable again, and a
    // block that never goes is not counted as sent.
    void usbBlocksDrainBeforeTheClose()
    {
        const QString device = dir->filePath("lp0");
        QFile(device).open(QIODevice::WriteOnly);
        link->setAddress(std::get<LinkAddress>(LinkAddress::parse("usb:" + device)));
        qint64 sent = -1;
        connect(link.get(), &PrinterLink::finished, this, [&](qint64 taken) { sent = taken; });
        // Blocks the device takes, the calls made, and the end.
        const std::tuple<int, const char *, QString> rows[] = {
            {1000, "^(w-+\\+){3}c$", "sent, 20480 bytes"},
            {2, "^(w-+\\+){2}w-+c$",
             "Error: Device I/O error: " + device +
                 " accepted no data for 0.3 seconds. Check that the printer is on, online and "
                 "has paper.|57, 16384 bytes"}};
        for (const auto &[drained, calls, end] : rows) {
            watch(device, true, drained);
            const SendOutcome outcome = sendBytesAndWait(*link, patterned(20480));
            QCOMPARE(shown(outcome).section('|', 0, 1) + ", " + QString::number(sent) + " bytes",
                     end);
            const QString made = QString::fromStdString(deviceLog.calls);
            QVERIFY2(QRegularExpression(calls).match(made).hasMatch(), qPrintable(made));
        }
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

    // A line that drains steadily is never a stall, however slowly the
    // program's own queue moves; one that stops fails at the limit. Cancel
    // ends the transfer at its next step: nothing more is written. A
    // transfer that fails throws the queue away.
    void transfersAreJudgedAtTheLine()
    {
        const std::pair<qint64, QString> rows[] = {
            {20, "sent"},
            {0, "stalled|8020|stalled"},
            {50, "The transfer was cancelled.|18|The transfer was cancelled."}};
        for (const auto &[bytesPerTick, end] : rows) {
            auto owned = std::make_unique<QueueingLine>(bytesPerTick);
            QueueingLine &line = *owned;
            Transfer transfer(std::move(owned), QByteArray(600, 'p'), {300});
            QList<qint64> reports;
            connect(&transfer, &Transfer::progress, [&](qint64 sent) { reports << sent; });
            if (end.contains("cancelled"))
                QTimer::singleShot(150, [&] {
                    transfer.cancel();
                    line.writesAfterCancel = 0;
                });
            QElapsedTimer clock;
            clock.start();
            QCOMPARE(shown(runTransfer(transfer)), end);
            const qint64 elapsed = clock.elapsed();
            QCOMPARE(line.closed, end == "sent");
            QCOMPARE(line.discarded, end != "sent");
            if (end == "sent") {
                QCOMPARE(reports.last(), 600);
                // Reports at least once a second, at most ten times, and the last.
                QVERIFY2(reports.size() > elapsed / 1000 && reports.size() <= elapsed / 100 + 2,
                         qPrintable(QString::number(reports.size())));
            } else if (bytesPerTick == 0) {
                QVERIFY2(elapsed >= 300 && elapsed < 500, qPrintable(QString::number(elapsed)));
            } else {
                QCOMPARE(line.writesAfterCancel, 0);
            }
        }
    }

    // Reports "ms=sent ..." as the link gives them (at least once a second),
    // said with the percent first. A network printer acknowledges its buffer
    // at once, then in steps seconds apart: the rate runs from step to step,
    // falls once a step is overdue, and is never 0 while bytes move. Sizes
    // beyond the reach of a 32-bit count, too.
    void progressReadsAsAUserWouldSayIt()
    {
        const qint64 mb = 5000000, gib = qint64(1) << 30;
        const QString steps = "0=0 10=65536 1000=65536 4010=69536 5000=69536 8010=73536 ";
        const std::tuple<const char *, qint64, QString, const char *> rows[] = {
            {"nothing yet", mb, "0=0", "0% Uploading 0 bytes of 5.0 MB"},
            {"steady", mb, "0=1000000 10000=1096000",
             "21% Uploading 1.1 MB of 5.0 MB, 9.6 kB/s, about 7 min left"},
            {"in steps", mb, steps + "11000=73536",
             "1% Uploading 73.5 kB of 5.0 MB, 1.0 kB/s, about 1 h 22 min left"},
            {"a step overdue", mb, steps + "13000=73536",
             "1% Uploading 73.5 kB of 5.0 MB, 890 bytes/s, about 1 h 32 min left"},
            {"busy", mb, steps + "20000=73536",
             "1% Uploading 73.5 kB of 5.0 MB, the printer has taken no data for 11 s"},
            {"the next part", mb, steps + "20000=0 20500=30000 21500=40000",
             "0% Uploading 40.0 kB of 5.0 MB, 10.0 kB/s, about 8 min left"},
            {"just short of 2 GiB", 2 * gib, QString("0=%1").arg(2 * gib - 1),
             "99% Uploading 2.1 GB of 2.1 GB"},
            {"past 2 GiB of 3", 3 * gib, QString("0=%1").arg(2 * gib + 1),
             "66% Uploading 2.1 GB of 3.2 GB"},
            {"nothing to send", 0, "0=0", "100% Uploading 0 bytes of 0 bytes"},
        };
        for (const auto &[name, total, reports, said] : rows) {
            TransferProgress progress(total);
            for (const QString &report : reports.split(' '))
                progress.update(report.section('=', 1).toLongLong(),
                                report.section('=', 0, 0).toLongLong());
            QCOMPARE(QString("%1: %2% ").arg(name).arg(progress.percent()) +
                         progress.describe("Uploading"),
                     name + QString(": ") + said);
        }
    }
};

VARIMONDE_TEST_MAIN(TestLink)
#include "tst_link.moc"
