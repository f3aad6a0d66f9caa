#include "support/PseudoTerminal.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <optional>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

PseudoTerminal::PseudoTerminal(double bytesPerSecond) : m_bytesPerSecond(bytesPerSecond)
{
    char name[128] = {};
    int masterFd = -1;
    if (::openpty(&masterFd, &m_slave, name, nullptr, nullptr) != 0)
        return; // both left at -1
    m_master = masterFd;
    // Raw, so that the terminal passes every byte unchanged.
    termios raw{};
    ::tcgetattr(m_slave, &raw);
    ::cfmakeraw(&raw);
    ::tcsetattr(m_slave, TCSANOW, &raw);
    ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);
    ::fcntl(m_master, F_SETFD, FD_CLOEXEC);
    ::fcntl(m_slave, F_SETFD, FD_CLOEXEC);
    m_slavePath = QString::fromLocal8Bit(name);
    m_reader = std::thread([this] { readLoop(); });
}

PseudoTerminal::~PseudoTerminal()
{
    m_stop = true;
    if (m_reader.joinable())
        m_reader.join();
    if (m_master >= 0)
        ::close(m_master);
    if (m_slave >= 0)
        ::close(m_slave);
}

void PseudoTerminal::readLoop()
{
    char buffer[65536];
    const auto start = std::chrono::steady_clock::now();
    qint64 taken = 0;
    while (!m_stop) {
        const int master = m_master;
        if (master < 0 || m_paused) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
            continue;
        }
        pollfd ready{master, POLLIN, 0};
        ::poll(&ready, 1, 20);
        qint64 want = sizeof buffer;
        if (m_bytesPerSecond > 0) {
            const std::chrono::duration<double> since = std::chrono::steady_clock::now() - start;
            want = std::min(want, qint64(since.count() * m_bytesPerSecond) - taken);
            if (want <= 0) {
                std::this_thread::sleep_for(std::chrono::milliseconds(2));
                continue;
            }
        }
        // Read and kept under one lock, so that a reader who sees an empty
        // line never misses bytes on their way into m_received.
        std::unique_lock<std::mutex> guard(m_lock);
        const ssize_t count = ::read(master, buffer, size_t(want));
        if (count > 0) {
            taken += count;
            m_received.append(buffer, count);
        } else if (count < 0 && errno == EAGAIN) {
            ++m_emptyReads;
        } else if (count < 0 && errno != EINTR) {
            guard.unlock();
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }
}

QByteArray PseudoTerminal::takeWhen(int timeoutMs,
                                    const std::function<bool(qsizetype received)> &ready)
{
    QElapsedTimer timer;
    timer.start();
    for (;;) {
        std::unique_lock<std::mutex> guard(m_lock);
        if (timer.hasExpired(timeoutMs) || ready(m_received.size()))
            return std::exchange(m_received, {});
        guard.unlock();
        QCoreApplication::processEvents();
        QThread::msleep(2);
    }
}

QByteArray PseudoTerminal::readAvailable(qsizetype expected, int timeoutMs)
{
    std::optional<quint64> drained;
    return takeWhen(timeoutMs, [&](qsizetype received) {
        if (received < expected)
            return false;
        // The second empty read from here began after all that was expected
        // had come: whatever the program wrote before it has been read.
        if (!drained)
            drained = m_emptyReads + 2;
        return m_emptyReads >= *drained;
    });
}

QByteArray PseudoTerminal::readExactly(qsizetype count, int timeoutMs)
{
    return takeWhen(timeoutMs, [count](qsizetype received) { return received >= count; });
}

void PseudoTerminal::unplug()
{
    // The reader thread reads m_master without a lock: pause it first.
    m_paused = true;
    QThread::msleep(30);
    if (const int master = m_master.exchange(-1); master >= 0)
        ::close(master);
}
