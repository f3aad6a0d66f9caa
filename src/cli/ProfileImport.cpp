#include "cli/ProfileImport.h"

#include "printer/ProfileApply.h"

ProfileImport ProfileImport::load(const ProfileRecord &record)
{
    const ProfileApply::Result applied = ProfileApply::apply(ConfigRules::startState(), record);
    ProfileImport loaded;
    for (const ProfileApply::TextRefusal &refused : applied.refusals)
        loaded.boxes << refused.refusal.box;
    if (applied.stop) {
        Failure box = applied.stop->box;
        box.text = box.boxText() + QStringLiteral(" (") + applied.stop->detail + QLatin1Char(')');
        loaded.boxes << box;
    }
    if (applied.taken())
        loaded.values = applied.state.values;
    return loaded;
}
