#include "common/ProcessSignals.h"

#include <QtGlobal>

#include <csignal>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

void ignoreBrokenPipeSignal()
{
#ifdef SIGPIPE // not on Windows, whose writes never raise it
    std::signal(SIGPIPE, SIG_IGN);
#endif
}

namespace Interrupts
{

namespace
{

volatile std::sig_atomic_t arrived = 0;

#ifdef Q_OS_UNIX
// The self-pipe: a signal handler may only write; the event loop reads.
int pipeEnds[2] = {-1, -1};
struct sigaction previous[2]{};

void onSignal(int)
{
    // A second one: the user will not wait any longer, whatever the program
    // is doing (reading a file, waiting for a pipe to be read, converting a
    // picture); _exit is safe here, and nothing half-written is renamed
    // into place.
    if (arrived > 0)
        ::_exit(exitStatus);
    arrived = arrived + 1;
    const char byte = 1;
    const ssize_t written = ::write(pipeEnds[1], &byte, 1);
    (void)written;
}
#endif

} // namespace

void catchThem()
{
    arrived = 0;
#ifdef Q_OS_UNIX
    if (pipeEnds[0] >= 0 || ::pipe2(pipeEnds, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    struct sigaction action {
    };
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGINT, &action, &previous[0]);
    ::sigaction(SIGTERM, &action, &previous[1]);
#endif
}

void release()
{
#ifdef Q_OS_UNIX
    if (pipeEnds[0] < 0)
        return;
    ::sigaction(SIGINT, &previous[0], nullptr);
    ::sigaction(SIGTERM, &previous[1], nullptr);
    ::close(pipeEnds[0]);
    ::close(pipeEnds[1]);
    pipeEnds[0] = pipeEnds[1] = -1;
#endif
}

int count()
{
    return arrived;
}

int descriptor()
{
#ifdef Q_OS_UNIX
    return pipeEnds[0];
#else
    return -1;
#endif
}

void drain()
{
#ifdef Q_OS_UNIX
    char bytes[16];
    while (pipeEnds[0] >= 0 && ::read(pipeEnds[0], bytes, sizeof bytes) > 0) {
    }
#endif
}

} // namespace Interrupts
