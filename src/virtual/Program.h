#pragma once

#include <QStringList>

// The virtual printer program: its options, the fleet they make, and the
// run until SIGINT or SIGTERM.
namespace VirtualProgram
{

int main(int argc, char *argv[]);

} // namespace VirtualProgram
