#pragma once

// A write to a pipe or socket whose reader has gone (a parallel device that
// is one) then fails with EPIPE, and is reported like any other failed
// write, instead of ending the program with SIGPIPE.
void ignoreBrokenPipeSignal();

// SIGINT and SIGTERM while the command line runs: instead of ending the
// program where it stands, each is counted and wakes the event loop through
// a descriptor, so that a run can stop its transfers and still write its
// report, whatever it was doing (reading a large file included). A second
// one ends the program at once, with the same status.
namespace Interrupts
{

// The program's exit status once interrupted, as shells give it (128 + SIGINT).
constexpr int exitStatus = 130;

// Catches them from now until release().
void catchThem();
// Gives them back their previous effect.
void release();
// How many arrived since catchThem().
int count();
// Readable once one has arrived; -1 while none are caught.
int descriptor();
// Empties the descriptor.
void drain();

} // namespace Interrupts
