#pragma once

#include "common/Failure.h"

#include <optional>

// What a send returns: nothing when every byte went out, else why not.
using SendOutcome = std::optional<Failure>;

// How long a transfer may go without progress before it has failed; for a
// printer that answers apart from taking data (network), how long it may
// leave us without any answer.
inline constexpr int defaultStallLimitMs = 10000;
// How long a printer that still answers may take no data before it has failed.
inline constexpr int defaultBusyLimitMs = 60000;
// The range the window offers for either limit, in seconds.
inline constexpr int shortestChosenLimitSeconds = 5;
inline constexpr int longestChosenLimitSeconds = 600;
