// How transfers behave on slow, stopped and cancelled lines, and what live
// progress costs, each beside a baseline or target measured in this run.
#include "BenchSupport.h"

#include "common/StopSignal.h"
#include "link/PrinterLink.h"
#include "link/Transfer.h"
#include "link/TransferProgress.h"
#include "support/LinkWait.h"
#include "support/PseudoTerminal.h"
#include "support/QueueingLine.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace
{

QByteArray pattern(qsizetype size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (qsizetype i = 0; i < size; ++i)
        bytes[i] = char(i * 31 + 7);
    return bytes;
}

// How much a pseudo-terminal holds before its writer must wait: bytes sent
// beyond that reach the reader only at its pace.
qsizetype terminalCapacity()
{
    int master = -1;
    int slave = -1;
    if (::openpty(&master, &slave, nullptr, nullptr, nullptr) != 0)
        return 0;
    termios raw{};
    ::tcgetattr(slave, &raw);
    ::cfmakeraw(&raw);
    ::tcsetattr(slave, TCSANOW, &raw);
    ::fcntl(slave, F_SETFL, ::fcntl(slave, F_GETFL) | O_NONBLOCK);
    const QByteArray block(1024, 'x');
    qsizetype held = 0;
    for (ssize_t n; (n = ::write(slave, block.constData(), size_t(block.size()))) > 0;)
        held += n;
    ::close(slave);
    ::close(master);
    return held;
}

bool waitForBytes(PseudoTerminal &terminal, qsizetype count, int timeoutMs)
{
    return terminal.readExactly(count, timeoutMs).size() == count;
}

void slowLine()
{
    // 300 baud, 30 bytes a second, behind a 4 KiB driver queue that takes
    // more only once 256 bytes are free: a minute of line time.
    auto owned = std::make_unique<QueueingLine>(3, 4096, 256, 100);
    QueueingLine &line = *owned;
    const QByteArray data = pattern(60 * 30);
    Transfer transfer(std::move(owned), data, {});
    const double cpuBefore = Bench::threadCpuSeconds();
    QElapsedTimer clock;
    clock.start();
    const SendOutcome outcome = runTransfer(transfer);
    const double seconds = clock.nsecsElapsed() / 1e9;
    const double core = (Bench::threadCpuSeconds() - cpuBefore) / seconds * 100;
    const bool arrived = line.delivered == data.size();
    Bench::row("300 baud line behind a 4 KiB queue: seconds", seconds, "s", 60, "line time",
               !outcome && arrived ? "ok (all bytes, no failure)" : "MISSED");
    Bench::row("  processor use of the sending thread", core, "% core", 1, "target",
               core <= 1 ? "ok (<= 1 %)" : "MISSED (<= 1 %)");
}

// A pseudo-terminal keeps its queue to itself and lets its writer on only
// in blocks of some hundred bytes: at 30 bytes a second nothing visible
// moves for longer than the stall limit.
void slowPseudoTerminal(PrinterLink &link)
{
    PseudoTerminal terminal(30);
    link.portNames().redirect(QStringLiteral("COM1"), terminal.slavePath());
    const QByteArray data = pattern(terminalCapacity() + 60 * 30);
    QElapsedTimer clock;
    clock.start();
    const SendOutcome outcome = sendBytesAndWait(link, data);
    const double seconds = clock.nsecsElapsed() / 1e9;
    Bench::row("pseudo-terminal read at 30 bytes/s: seconds", seconds, "s", 60, "line time",
               !outcome ? "ok (no failure)" : "MISSED (a pty shows no line progress)");
}

void stoppedReader(PrinterLink &link)
{
    PseudoTerminal terminal;
    link.portNames().redirect(QStringLiteral("COM1"), terminal.slavePath());
    terminal.pauseReading(true);
    QElapsedTimer clock;
    clock.start();
    const SendOutcome outcome = sendBytesAndWait(link, pattern(1 << 20));
    const double seconds = clock.nsecsElapsed() / 1e9;
    const double limit = defaultStallLimitMs / 1000.0;
    Bench::row("reader that stops: failure after", seconds, "s", limit, "stall limit",
               outcome && std::abs(seconds - limit) <= 1 ? "ok (limit +- 1 s)" : "MISSED");
}

double fullSpeedSeconds(PrinterLink &link, bool withProgress)
{
    PseudoTerminal terminal;
    link.portNames().redirect(QStringLiteral("COM1"), terminal.slavePath());
    const QByteArray data = pattern(16 << 20);
    TransferProgress progress(data.size());
    QString shown;
    QElapsedTimer clock;
    QMetaObject::Connection watching;
    if (withProgress)
        watching = QObject::connect(&link, &PrinterLink::progress, [&](qint64 sent, qint64) {
            progress.update(sent, clock.elapsed());
            shown = progress.describe(QStringLiteral("Uploading"));
        });
    clock.start();
    const bool sent = !sendBytesAndWait(link, data);
    const double seconds = clock.nsecsElapsed() / 1e9;
    QObject::disconnect(watching);
    return sent && waitForBytes(terminal, data.size(), 10000) ? seconds : 1e9;
}

void progressCost(PrinterLink &link)
{
    // Alternating, best of five each, so that neither profits from warm-up.
    double without = 1e9;
    double with = 1e9;
    for (int round = 0; round < 5; ++round) {
        without = std::min(without, fullSpeedSeconds(link, false));
        with = std::min(with, fullSpeedSeconds(link, true));
    }
    const double cost = (with / without - 1) * 100;
    Bench::row("16 MiB to a pseudo-terminal with live progress", with, "s", without,
               "without progress", cost <= 2 ? "ok (<= 2 % more)" : "MISSED (<= 2 % more)");
}

void cancelLatency(PrinterLink &link)
{
    PseudoTerminal terminal(115200.0 / 10);
    link.portNames().redirect(QStringLiteral("COM1"), terminal.slavePath());
    QElapsedTimer clock;
    QTimer::singleShot(500, [&] {
        clock.start();
        link.cancel();
    });
    const SendOutcome outcome = sendBytesAndWait(link, pattern(1 << 20));
    const double ms = clock.nsecsElapsed() / 1e6;
    Bench::row("cancel to the transfer's end (nothing written after)", ms, "ms", 1000, "target",
               outcome && outcome->code == FailureCode::Cancelled && ms <= 1000 ? "ok (<= 1 s)"
                                                                                : "MISSED");
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    StopSignal stop;
    PrinterLink link(&stop);
    Bench::header();
    progressCost(link);
    cancelLatency(link);
    stoppedReader(link);
    slowLine();
    slowPseudoTerminal(link);
    return 0;
}
