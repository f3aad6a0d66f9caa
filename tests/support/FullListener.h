#pragma once

#include <QtGlobal>

// A listener on 127.0.0.1 whose queue of connections waiting to be accepted
// is full, so that the handshake of any further connection never completes:
// what a printer that is overwhelmed or behind a silent firewall looks like.
class FullListener
{
public:
    // On 127.0.0.1 and a free port, or on the loopback address and port given.
    explicit FullListener(quint32 loopbackAddress = 0x7f000001, quint16 port = 0);
    ~FullListener();
    FullListener(const FullListener &) = delete;
    FullListener &operator=(const FullListener &) = delete;

    quint16 port() const { return m_port; }

private:
    int m_fds[3] = {-1, -1, -1}; // the listener and two that fill its queue
    quint16 m_port = 0;
};
