#pragma once

#include "common/Failure.h"
#include "printer/ConfigRules.h"
#include "profile/ProfileRecord.h"

#include <QList>
#include <QString>

#include <optional>

// A profile put into the Printer Configuration tab, field by field in the
// order the import has always used, each through its control's own rule.
// The window shows the outcome and the command line sends or refuses it, so
// both take and refuse the same profiles with the same words.
namespace ProfileApply
{

// A profile's fields, in the order they go into the tab.
enum class Field {
    DarkEnable,
    Darkness,
    EmulationEnable,
    EmulationOff,
    Scaler,
    PrintSpeedEnable,
    PrintSpeed,
    TextBufferEnable,
    MainBuffer,
    OverflowBuffer,
    Width,
    WidthEnable,
    PrintModeEnable,
    PrintMode,
};
const QList<Field> &fields();
// The field's name in the profile record.
QString fieldName(Field field);

// A text its control refuses: the box says why, the setting takes the
// fallback, and the import goes on.
struct TextRefusal {
    Field field;
    QString typed;
    ConfigRules::Refusal refusal;
};

// The value that ended the import: a switch state other than 0, 1 or 2, or
// a number outside its slider's range. It and every field after it keep the
// tab's values; the fields before it have their new ones.
struct Stop {
    Field field;
    Failure box;
    QString detail; // the field, its value and what it may be
};

struct Result {
    ConfigRules::TabState state;
    QList<TextRefusal> refusals; // in the order their boxes show
    std::optional<Stop> stop;

    const TextRefusal *refusalOf(Field field) const;
    // Nothing refused: the profile went in as it is.
    bool taken() const { return refusals.isEmpty() && !stop; }
};

Result apply(const ConfigRules::TabState &state, const ProfileRecord &record);

} // namespace ProfileApply
