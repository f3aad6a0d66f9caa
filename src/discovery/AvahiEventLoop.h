#pragma once

#include <avahi-common/watch.h>

// Runs the Avahi client library in the program's own event loop: its
// descriptors are watched by socket notifiers and its timeouts are timers,
// all on the thread that made this object, so that browsing needs no
// thread of its own. Everything the library made through it must be freed
// (the client freed) before it goes.
class AvahiEventLoop
{
public:
    AvahiEventLoop();
    AvahiEventLoop(const AvahiEventLoop &) = delete;
    AvahiEventLoop &operator=(const AvahiEventLoop &) = delete;

    // What avahi_client_new() takes.
    const AvahiPoll *poll() const { return &m_poll; }

private:
    AvahiPoll m_poll{};
};
