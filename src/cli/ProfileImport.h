#pragma once

#include "common/Failure.h"
#include "printer/ConfigBlock.h"
#include "profile/ProfileRecord.h"

#include <QList>

#include <optional>

// A profile loaded into a freshly opened Printer Configuration tab, as the
// window's Import Profile does it (ProfileApply). Every box the window would
// show counts against the profile here, a refused text included: a run
// without a window must not send values the user never chose.
struct ProfileImport {
    // The tab's values after the import; empty when any box was shown.
    std::optional<ConfigValues> values;
    // The boxes the window would show, in order; the one that stopped the
    // import also names the field and what it may hold.
    QList<Failure> boxes;

    static ProfileImport load(const ProfileRecord &record);
};
