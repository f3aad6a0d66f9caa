#pragma once

#include "cli/Console.h"

#include <QStringList>

// The program run without a window: reads the arguments, checks everything
// before anything is sent, then sends (or shows, for a dry run) and
// returns the exit status. Needs a QCoreApplication.
namespace CommandLine
{

// True when the arguments ask for the command line rather than the window:
// any "--" option, -h or -v. Qt's own window options (-platform, -style)
// still open the window.
bool wanted(int argc, char **argv);

// `arguments` starts with the program's name. Interrupts are caught when
// `catchInterrupts` is set.
int run(const QStringList &arguments, const Console &console, bool catchInterrupts);

// The program's own main: a QCoreApplication, standard output and error.
int main(int argc, char **argv);

} // namespace CommandLine
