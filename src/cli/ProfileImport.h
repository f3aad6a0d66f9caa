#pragma once

#include "common/Failure.h"
#include "printer/ConfigBlock.h"
#include "profile/ProfileRecord.h"

#include <QList>

#include <optional>

// A profile loaded into a freshly opened Printer Configuration tab, as the
// window's Import Profile does it: field by field in file order, each
// through its control's own check (ConfigRules). The window shows a box for
// each refused text and puts the control's fallback back, and stops at the
// first value a switch or slider refuses; here every such box counts
// against the profile, since a run without a window must not send values
// the user never chose.
struct ProfileImport {
    // The tab's values after the import; empty when any box was shown.
    std::optional<ConfigValues> values;
    // The boxes the window would show, in order.
    QList<Failure> boxes;

    static ProfileImport load(const ProfileRecord &record);
};
