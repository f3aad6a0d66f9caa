#pragma once

#include "common/Failure.h"

#include <optional>

// What a send returns: nothing when every byte went out, else why not.
using SendOutcome = std::optional<Failure>;

// How long a transfer may go without progress before it has failed.
inline constexpr int defaultStallLimitMs = 10000;
