#pragma once

// A write to a pipe or socket whose reader has gone (a parallel device that
// is one) then fails with EPIPE, and is reported like any other failed
// write, instead of ending the program with SIGPIPE.
void ignoreBrokenPipeSignal();
