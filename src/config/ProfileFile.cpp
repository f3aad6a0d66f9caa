#include "config/ProfileFile.h"

#include "common/NumberText.h"
#include "config/ConfigPage.h"
#include "ui/CommonDialog.h"
#include "ui/Dialogs.h"

#include <QCoreApplication>

const QString ProfileFile::defaultExtension = QStringLiteral(".vsp");
const QString ProfileFile::proposedName = QStringLiteral("profile.vsp");

ProfileFile::ProfileFile(QWidget *window, ConfigPage &page) : m_window(window), m_page(page) {}

std::optional<Failure> ProfileFile::choosePath(CommonDialog &dialog, bool forSaving, QString &path)
{
    dialog.setCancelError(true);
    dialog.setFolder(Settings::Folder::Profile);
    dialog.setFilter(QCoreApplication::translate(
        "ProfileFile", "Varimonde Printer Profile (*.vsp)|*.vsp|All Files(*.*)|*.*"));
    dialog.setDefaultExt(defaultExtension);
    dialog.setFileName(proposedName);
    if (std::optional<Failure> failure = forSaving ? dialog.showSave() : dialog.showOpen())
        return failure;
    path = dialog.fileName();
    return std::nullopt;
}

bool ProfileFile::exportProfile(CommonDialog &dialog)
{
    QString path;
    if (std::optional<Failure> failure = choosePath(dialog, true, path))
        return fail(*failure);
    const std::variant<ProfileRecord, Failure> record = gather();
    if (const Failure *failure = std::get_if<Failure>(&record))
        return fail(*failure);
    if (std::optional<Failure> failure = writeProfile(path, std::get<ProfileRecord>(record)))
        return fail(*failure);
    return true;
}

bool ProfileFile::importProfile(CommonDialog &dialog)
{
    QString path;
    if (std::optional<Failure> failure = choosePath(dialog, false, path))
        return fail(*failure);
    const std::variant<ProfileRecord, Failure> record = readProfile(path);
    if (const Failure *failure = std::get_if<Failure>(&record))
        return fail(*failure);
    if (std::optional<Failure> failure = m_page.apply(std::get<ProfileRecord>(record)))
        return fail(*failure);
    return true;
}

bool ProfileFile::fail(const Failure &failure)
{
    if (failure.code != FailureCode::DialogCancelled)
        Dialogs::showFailure(m_window, failure);
    return false;
}

std::variant<ProfileRecord, Failure> ProfileFile::gather() const
{
    const ConfigValues values = m_page.values();
    const NumberText::Converted<std::int16_t> darkness = NumberText::toInt16(values.darkness);
    if (const Failure *failure = std::get_if<Failure>(&darkness))
        return *failure;
    ProfileRecord record;
    record.DarkEnable = std::int16_t(values.darknessSwitch);
    record.Darkness = std::get<std::int16_t>(darkness);
    record.EmulationEnable = std::int16_t(values.emulationSwitch);
    record.EmulationOff = std::int16_t(values.emulationOff);
    // The scaler's range, 1 to 250, always fits 16 bits.
    record.Scaler = std::int16_t(values.scaler);
    record.PrintSpeedEnable = std::int16_t(values.printSpeedSwitch);
    record.PrintSpeed = values.printSpeed;
    record.TextBufferEnable = std::int16_t(values.textBufferSwitch);
    record.MainBuffer = values.mainBuffer;
    record.OverflowBuffer = values.overflowBuffer;
    record.Width = values.width;
    record.WidthEnable = std::int16_t(values.widthSwitch);
    record.PrintMode = values.printMode;
    record.PrintModeEnable = std::int16_t(values.printModeSwitch);
    return record;
}
