#include "LoopbackPrinter.h"

#include <arpa/inet.h>
#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace
{

// A listening socket on `address`, port chosen by the system; -1 on failure.
int listenOn(const char *address, int backlog, quint16 *port)
{
    const bool ipv6 = QByteArray(address).contains(':');
    sockaddr_storage storage{};
    socklen_t length = 0;
    if (ipv6) {
        auto *in6 = reinterpret_cast<sockaddr_in6 *>(&storage);
        in6->sin6_family = AF_INET6;
        if (::inet_pton(AF_INET6, address, &in6->sin6_addr) != 1)
            return -1;
        length = sizeof *in6;
    } else {
        auto *in4 = reinterpret_cast<sockaddr_in *>(&storage);
        in4->sin_family = AF_INET;
        if (::inet_pton(AF_INET, address, &in4->sin_addr) != 1)
            return -1;
        length = sizeof *in4;
    }
    const int fd = ::socket(ipv6 ? AF_INET6 : AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return -1;
    if (::bind(fd, reinterpret_cast<sockaddr *>(&storage), length) != 0 ||
        ::listen(fd, backlog) != 0 ||
        ::getsockname(fd, reinterpret_cast<sockaddr *>(&storage), &length) != 0) {
        ::close(fd);
        return -1;
    }
    *port = ntohs(ipv6 ? reinterpret_cast<sockaddr_in6 *>(&storage)->sin6_port
                       : reinterpret_cast<sockaddr_in *>(&storage)->sin_port);
    return fd;
}

} // namespace

LoopbackPrinter::LoopbackPrinter(const char *address, qint64 hangUpAfter)
    : m_hangUpAfter(hangUpAfter)
{
    m_listener = listenOn(address, 4, &m_port);
    if (m_listener >= 0)
        m_thread = std::thread([this] { serve(); });
}

LoopbackPrinter::~LoopbackPrinter()
{
    m_stop = true;
    if (m_thread.joinable())
        m_thread.join();
    if (m_listener >= 0)
        ::close(m_listener);
}

void LoopbackPrinter::serve()
{
    char buffer[256 * 1024];
    int client = -1;
    qint64 fromClient = 0;
    while (!m_stop) {
        if (client < 0) {
            pollfd ready{m_listener, POLLIN, 0};
            if (::poll(&ready, 1, 20) <= 0)
                continue;
            client = ::accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC);
            fromClient = 0;
            continue;
        }
        if (m_paused) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
            continue;
        }
        pollfd ready{client, POLLIN, 0};
        if (::poll(&ready, 1, 20) <= 0)
            continue;
        qint64 room = sizeof buffer;
        if (m_hangUpAfter >= 0)
            room = std::min(room, m_hangUpAfter - fromClient);
        const ssize_t got = room > 0 ? ::read(client, buffer, size_t(room)) : 0;
        if (got > 0) {
            fromClient += got;
            m_total += got;
        }
        const bool hangUp = m_hangUpAfter >= 0 && fromClient >= m_hangUpAfter;
        if (got == 0 || hangUp || (got < 0 && errno != EINTR && errno != EAGAIN)) {
            ::close(client);
            client = -1;
        }
    }
    if (client >= 0)
        ::close(client);
}
