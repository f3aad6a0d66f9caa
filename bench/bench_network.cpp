// The network link against printers on the loopback interface, each figure
// beside a baseline measured in the same run: throughput to a printer that
// reads everything, against a plain socket write loop; 100 slow printers
// (200 bytes a second each) for a minute, none failed, and what they cost;
// the time a printer that stops reading takes to be reported, against the
// busy limit; and the time a printer that never completes the handshake
// takes to be reported, against the connect timeout, with the window's
// event loop kept turning.
#include "BenchSupport.h"

#include "LoopbackPrinter.h"
#include "common/StopSignal.h"
#include "link/PrinterLink.h"
#include "support/FullListener.h"
#include "support/LinkWait.h"
#include "support/SegmentedListener.h"

#include <QApplication>
#include <QTcpSocket>
#include <QThread>

#include <unistd.h>

#include <atomic>
#include <thread>
#include <vector>

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

// Many printers that each read `bytesPerSecond`, with an Ethernet's
// segment size and the system's receive buffer, served by one thread.
class SlowPrinters
{
public:
    explicit SlowPrinters(int bytesPerSecond) : m_bytesPerSecond(bytesPerSecond)
    {
        m_listener = segmentedListener(m_port, 0, SOCK_NONBLOCK);
        m_thread = std::thread([this] { serve(); });
    }
    ~SlowPrinters()
    {
        m_stop = true;
        m_thread.join();
        ::close(m_listener);
    }
    quint16 port() const { return m_port; }
    qint64 received() const { return m_received; }

private:
    void serve()
    {
        std::vector<int> connections;
        char piece[4096];
        while (!m_stop) {
            for (int fd; (fd = ::accept4(m_listener, nullptr, nullptr, SOCK_NONBLOCK)) >= 0;)
                connections.push_back(fd);
            for (const int fd : connections) {
                const ssize_t got = ::recv(fd, piece, m_bytesPerSecond / 10, 0);
                if (got > 0)
                    m_received += got;
            }
            QThread::msleep(100);
        }
        for (const int fd : connections)
            ::close(fd);
    }

    int m_listener = -1;
    quint16 m_port = 0;
    int m_bytesPerSecond;
    std::atomic<bool> m_stop{false};
    std::atomic<qint64> m_received{0};
    std::thread m_thread;
};

// The command line's way: one link per printer, every transfer in one loop.
// No gap meter runs meanwhile: its own ticks would be most of the cost.
void slowPrinters()
{
    constexpr int count = 100;
    constexpr int seconds = 60;
    SlowPrinters printers(200);
    const QByteArray data(1 << 20, 's');
    std::vector<std::unique_ptr<PrinterLink>> links;
    int failed = 0;
    const double cpuBefore = Bench::threadCpuSeconds();
    for (int i = 0; i < count; ++i) {
        links.push_back(std::make_unique<PrinterLink>(nullptr));
        PrinterLink &link = *links.back();
        link.setPollMs(100); // as the command line sets it for network printers
        link.setAddress(std::get<LinkAddress>(
            LinkAddress::parse(QStringLiteral("tcp://127.0.0.1:%1").arg(printers.port()))));
        link.sendBytes(data, [&failed](const SendOutcome &outcome) { failed += bool(outcome); });
    }
    QEventLoop loop;
    QTimer::singleShot(seconds * 1000, &loop, &QEventLoop::quit);
    loop.exec();
    const double share = (Bench::threadCpuSeconds() - cpuBefore) / seconds * 100;
    int running = 0;
    for (const auto &link : links)
        running += link->isBusy();
    Bench::row("100 printers at 200 B/s for 60 s: still sending", running, "", count, "printers",
               running == count && failed == 0 ? "ok (none failed)" : "MISSED (none failed)");
    Bench::row("  share of a core (the program's thread)", share, "%", 5, "target",
               share <= 5 ? "ok (<= 5 %)" : "MISSED (<= 5 %)");
    Bench::row("  taken by all printers together", printers.received() / double(seconds), "B/s",
               count * 200, "their pace", "");
}

void stalledPrinter(PrinterLink &link, Bench::EventLoopGapMeter &gaps)
{
    LoopbackPrinter printer;
    printer.pauseReading(true);
    link.setAddress(std::get<LinkAddress>(
        LinkAddress::parse(QStringLiteral("tcp://127.0.0.1:%1").arg(printer.port()))));
    link.setLimits({});
    // The buffers of both ends fill within milliseconds; then nothing moves,
    // while the printer still answers the system's window probes.
    const QByteArray data(32 * mebibyte, 'x');
    gaps.start();
    QElapsedTimer clock;
    clock.start();
    const SendOutcome outcome = sendBytesAndWait(link, data);
    const double seconds = clock.nsecsElapsed() / 1e9;
    const double worstGap = gaps.stop();
    const double limit = defaultBusyLimitMs / 1000.0;
    const bool stalled = outcome && outcome->description.english().contains(
                                        QStringLiteral("though it still answers"));
    Bench::row("printer taking no data reported after", seconds, "s", limit, "busy limit",
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
        outcome && outcome->description.english().contains(QStringLiteral("did not answer"));
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
    slowPrinters();
    stalledPrinter(link, gaps);
    unansweredConnect(link, gaps);
    return 0;
}
