#include "support/FullListener.h"

#include <arpa/inet.h>
#include <chrono>
#include <netinet/in.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

FullListener::FullListener(quint32 loopbackAddress, quint16 port)
{
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(loopbackAddress);
    address.sin_port = htons(port);
    socklen_t length = sizeof address;
    auto *any = reinterpret_cast<sockaddr *>(&address);
    m_fds[0] = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    // A backlog of 0 leaves room for one connection waiting to be accepted;
    // the fillers take it, and nobody ever accepts.
    if (::bind(m_fds[0], any, length) != 0 || ::listen(m_fds[0], 0) != 0 ||
        ::getsockname(m_fds[0], any, &length) != 0)
        return;
    for (int filler = 1; filler < 3; ++filler) {
        m_fds[filler] = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        (void)::connect(m_fds[filler], any, length);
    }
    // Lets the fillers' handshakes settle before anyone else knocks.
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    m_port = ntohs(address.sin_port);
}

FullListener::~FullListener()
{
    for (int fd : m_fds)
        if (fd >= 0)
            ::close(fd);
}
