#pragma once

#include "common/Failure.h"
#include "profile/ProfileRecord.h"
#include "profile/ProfileStore.h"

#include <QString>

#include <optional>
#include <variant>

class CommonDialog;
class ConfigPage;
class QWidget;

// Saves the configuration tab to a profile file and loads it back. Export
// only writes a file; import only changes the tab's controls, one at a time
// and each through its own change handling, exactly as a user's edits.
class ProfileFile
{
public:
    ProfileFile(QWidget *window, ConfigPage &page);

    // True when the profile was written to the file chosen in the dialog.
    bool exportProfile(CommonDialog &dialog);
    // True when every field of the chosen profile was put into the window.
    bool importProfile(CommonDialog &dialog);

    static const QString defaultExtension;
    static const QString proposedName;

private:
    std::optional<Failure> choosePath(CommonDialog &dialog, bool forSaving, QString &path);
    std::variant<ProfileRecord, Failure> gather() const;
    // Reports a failure, except a cancelled dialog; always false.
    bool fail(const Failure &failure);

    QWidget *m_window;
    ConfigPage &m_page;
};
