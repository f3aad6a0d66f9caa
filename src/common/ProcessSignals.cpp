#include "common/ProcessSignals.h"

#include <QtGlobal>

#include <csignal>

void ignoreBrokenPipeSignal()
{
#ifdef SIGPIPE // not on Windows, whose writes never raise it
    std::signal(SIGPIPE, SIG_IGN);
#endif
}
