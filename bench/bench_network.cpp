// The network link against printers on the loopback interface, each figure
// beside a baseline measured in the same run: throughput to a printer that
// reads everything, against a plain socket write loop; the time a printer
// that stops reading takes to be reported, against the stall limit; and the
// time a printer that never completes the handshake takes to be reported,
// against the connect timeout, with the window's event loop kept turning.
#include "BenchSupport.h"

#include "LoopbackPrinter.h"
#include "common/StopSignal.h"
#include "link/PrinterLink.h"
#include "support/FullListener.h"
#include "support/LinkWait.h"

#include <QApplication>
#include <QTcpSocket>
#include <QThread>

namespace
{

constexpr qint64 mebibyte = 1 << 20;

// Waits until the printer has read `total` bytes in all.
bool waitFor(const LoopbackPrinter &printer, qint64 total)
{
    QElapsedTimer clock;
    clock.start();
    while (printer.totalReceived() < total && clock.elapsed() < 60000)
        QThread::usleep(200);
    return printer.totalReceived() >= total;
}

// The baseline: the same bytes through one socket, written in one piece and
// flushed by the socket's own blocking waits.
double plainSocketSeconds(const LoopbackPrinter &printer, const QByteArray &data)
{
    const qint64 before = printer.totalReceived();
    QElapsedTimer clock;
    clock.start();
    QTcpSocket socket;
    socket.connectToHost(QStringLiteral("127.0.0.1"), printer.port());
    if (!socket.waitForConnected(5000))
        return 1e9;
    socket.write(data);
    while (socket.bytesToWrite() > 0 && socket.waitForBytesWritten(5000)) {
    }
    const bool all = waitFor(printer, before + data.size());
    socket.disconnectFromHost();
    return all ? clock.nsecsElapsed() / 1e9 : 1e9;
}

void throughput(PrinterLink &link, Bench::EventLoopGapMeter &gaps)
{
    const QByteArray data(16 * mebibyte, 'x');
    LoopbackPrinter printer;
    link.setAddress(std::get<LinkAddress>(
        LinkAddress::parse(QStringLiteral("tcp://127.0.0.1:%1").arg(printer.port()))));
    // Best of alternating runs, so that neither side profits from the
    // other's warm-up.
    double plain = 1e9;
    double seconds = 1e9;
    double worstGap = 0;
    bool sent = true;
    for (int round = 0; round < 3; ++round) {
        plain = std::min(plain, plainSocketSeconds(printer, data));
        const qint64 before = printer.totalReceived();
        QElapsedTimer clock;
        gaps.start();
        clock.start();
        sent = !sendBytesAndWait(link, data) && sent;
        sent = waitFor(printer, before + data.size()) && sent;
        seconds = std::min(seconds, clock.nsecsElapsed() / 1e9);
        worstGap = std::max(worstGap, gaps.stop());
    }
    const double rate = data.size() / seconds / 1e6;
    const double plainRate = data.size() / plain / 1e6;
    const double share = rate / plainRate * 100;
    Bench::row("network link, 16 MiB to a loopback printer", rate, "MB/s", plainRate,
               "plain QTcpSocket write", sent && share >= 50 ? "ok (>= 50 %)" : "MISSED (>= 50 %)");
    Bench::row("  share of the plain socket's throughput", share, "%", 50, "target",
               sent && share >= 50 ? "ok" : "MISSED");
    Bench::gapRow(worstGap);
}

void stalledPrinter(PrinterLink &link, Bench::EventLoopGapMeter &gaps)
{
    LoopbackPrinter printer;
    printer.pauseReading(true);
    link.setAddress(std::get<LinkAddress>(
        LinkAddress::parse(QStringLiteral("tcp://127.0.0.1:%1").arg(printer.port()))));
    link.setStallLimitMs(defaultStallLimitMs);
    // The buffers of both ends fill within milliseconds; then nothing moves.
    const QByteArray data(32 * mebibyte, 'x');
    gaps.start();
    QElapsedTimer clock;
    clock.start();
    const SendOutcome outcome = sendBytesAndWait(link, data);
    const double seconds = clock.nsecsElapsed() / 1e9;
    const double worstGap = gaps.stop();
    const double limit = defaultStallLimitMs / 1000.0;
    const bool stalled =
        outcome && outcome->description.contains(QStringLiteral("accepted no data"));
    Bench::row("stalled printer reported after", seconds, "s", limit, "stall limit",
               stalled && std::abs(seconds - limit) <= 1 ? "ok (limit +- 1 s)"
                                                         : "MISSED (limit +- 1 s)");
    Bench::gapRow(worstGap);
}

void unansweredConnect(PrinterLink &link, Bench::EventLoopGapMeter &gaps)
{
    FullListener listener;
    link.setAddress(std::get<LinkAddress>(
        LinkAddress::parse(QStringLiteral("tcp://127.0.0.1:%1").arg(listener.port()))));
    link.setConnectTimeoutMs(5000);
    gaps.start();
    QElapsedTimer clock;
    clock.start();
    const SendOutcome outcome = sendBytesAndWait(link, QByteArray(1024, 'x'));
    const double seconds = clock.nsecsElapsed() / 1e9;
    const double worstGap = gaps.stop();
    const bool timedOut =
        outcome && outcome->description.contains(QStringLiteral("did not answer"));
    Bench::row("connect to a full accept queue times out after", seconds, "s", 5, "connect timeout",
               listener.port() != 0 && timedOut && std::abs(seconds - 5) <= 0.5
                   ? "ok (5 +- 0.5 s)"
                   : "MISSED (5 +- 0.5 s)");
    Bench::gapRow(worstGap);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    StopSignal stop;
    PrinterLink link(&stop);
    Bench::EventLoopGapMeter gaps;

    Bench::header();
    throughput(link, gaps);
    stalledPrinter(link, gaps);
    unansweredConnect(link, gaps);
    return 0;
}
