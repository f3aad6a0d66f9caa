#pragma once

// A write to a pipe or socket whose reader has gone (a parallel device that
// is one) then fails with EPIPE, and is reported like any other failed
// write, instead of ending the program with SIGPIPE.
void ignoreBrokenPipeSignal();

// SIGINT and SIGTERM while the command line runs: instead of ending the
// program where it stands, each is counted and wakes the event loop through
// a descriptor, so that a run can stop its transfers and still write its
// report, whatever it was doing (reading a large file included).
namespace Interrupts
{

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
