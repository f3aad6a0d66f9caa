// Throughput and responsiveness of the printer link: the serial byte path
// to a pseudo-terminal at full speed and at 115200 baud, and the parallel
// byte path to a file, each beside a baseline measured in the same run.
#include "BenchSupport.h"

#include "common/StopSignal.h"
#include "link/PrinterLink.h"
#include "support/LinkWait.h"
#include "support/PseudoTerminal.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <chrono>
#include <unistd.h>

namespace
{

QByteArray pattern(qsizetype size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (qsizetype i = 0; i < size; ++i)
        bytes[i] = char((i * 131 + 7) & 0xFF);
    return bytes;
}

// Waits until the terminal has received `bytes`, and drops them.
void waitFor(PseudoTerminal &terminal, qsizetype bytes)
{
    terminal.readExactly(bytes, 600000);
}

void serialFullSpeed(PrinterLink &link, Bench::EventLoopGapMeter &gaps)
{
    const QByteArray data = pattern(1 << 20);
    PseudoTerminal terminal;

    // Baseline: the same bytes written straight to the same terminal, in
    // the same 100-byte pieces.
    QElapsedTimer clock;
    clock.start();
    for (qsizetype sent = 0; sent < data.size();) {
        const ssize_t n = write(terminal.slaveFd(), data.constData() + sent,
                                size_t(std::min<qsizetype>(100, data.size() - sent)));
        if (n > 0)
            sent += n;
    }
    waitFor(terminal, data.size());
    const double rawSeconds = clock.nsecsElapsed() / 1e9;

    link.portNames().redirect(QStringLiteral("COM1"), terminal.slavePath());
    gaps.start();
    clock.restart();
    const bool sent = !sendBytesAndWait(link, data);
    const double worstGap = gaps.stop();
    waitFor(terminal, data.size());
    const double seconds = clock.nsecsElapsed() / 1e9;
    const double rate = data.size() / seconds / 1e6;
    Bench::row("serial byte path, 1 MiB to a pseudo-terminal", rate, "MB/s",
               data.size() / rawSeconds / 1e6, "raw 100-byte writes",
               sent && rate >= 2 ? "ok (>= 2 MB/s)" : "MISSED (>= 2 MB/s)");
    Bench::gapRow(worstGap);
}

void serialAtLineRate(PrinterLink &link, Bench::EventLoopGapMeter &gaps)
{
    constexpr double lineRate = 115200.0 / 10.0; // 8N1: ten bits a byte
    const QByteArray data = pattern(64 * 1024);
    PseudoTerminal terminal(lineRate);
    link.portNames().redirect(QStringLiteral("COM1"), terminal.slavePath());

    gaps.start();
    const double cpuBefore = Bench::threadCpuSeconds();
    QElapsedTimer clock;
    clock.start();
    const bool sent = !sendBytesAndWait(link, data);
    // What the kernel still buffers drains after the sender is done.
    const double worstGap = gaps.stop();
    waitFor(terminal, data.size());
    const double seconds = clock.nsecsElapsed() / 1e9;
    const double cpu = Bench::threadCpuSeconds() - cpuBefore;

    const double share = data.size() / seconds / lineRate * 100;
    // The program's own thread; the stand-in reader runs on another.
    const double core = cpu / seconds * 100;
    Bench::row("serial at 115200 baud, 64 KiB: line kept busy", share, "%", 100, "line rate",
               sent && share >= 95 ? "ok (>= 95 %)" : "MISSED (>= 95 %)");
    Bench::row("  processor use of the sending thread", core, "% core", 5, "target",
               core <= 5 ? "ok (<= 5 %)" : "MISSED (<= 5 %)");
    Bench::gapRow(worstGap);
}

void parallelToFile(PrinterLink &link, Bench::EventLoopGapMeter &gaps, const QTemporaryDir &dir)
{
    const QByteArray data = pattern(16 << 20);
    const QString baselinePath = dir.filePath(QStringLiteral("baseline"));
    const QString devicePath = dir.filePath(QStringLiteral("lpt1"));

    link.portNames().redirect(QStringLiteral("LPT1"), devicePath);
    link.setAddress(std::get<LinkAddress>(LinkAddress::parse(QStringLiteral("LPT1"))));

    // Best of several alternating runs, each into a new empty file, so that
    // neither side profits from the other's warm-up.
    double plainSeconds = 1e9;
    double seconds = 1e9;
    double worstGap = 0;
    bool sent = true;
    QElapsedTimer clock;
    for (int round = 0; round < 5; ++round) {
        QFile::remove(baselinePath);
        clock.start();
        {
            QFile plain(baselinePath);
            plain.open(QIODevice::WriteOnly);
            plain.write(data);
        }
        plainSeconds = std::min(plainSeconds, clock.nsecsElapsed() / 1e9);

        QFile::remove(devicePath);
        QFile(devicePath).open(QIODevice::WriteOnly);
        gaps.start();
        clock.restart();
        sent = !sendBytesAndWait(link, data) && sent;
        seconds = std::min(seconds, clock.nsecsElapsed() / 1e9);
        worstGap = std::max(worstGap, gaps.stop());
        sent = sent && QFile(devicePath).size() == data.size();
    }
    const double ratio = seconds / plainSeconds;
    Bench::row("parallel byte path, 16 MiB to a file", seconds * 1000, "ms", plainSeconds * 1000,
               "plain write of the file", sent && ratio <= 4 ? "ok (<= 4x)" : "MISSED (<= 4x)");
    Bench::gapRow(worstGap);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    StopSignal stop;
    PrinterLink link(&stop);
    Bench::EventLoopGapMeter gaps;
    QTemporaryDir dir;

    Bench::header();
    serialFullSpeed(link, gaps);
    serialAtLineRate(link, gaps);
    parallelToFile(link, gaps, dir);
    return 0;
}
