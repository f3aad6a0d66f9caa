#include "cli/ProfileImport.h"

#include "printer/ConfigRules.h"

namespace
{

class Import
{
public:
    ProfileImport result;
    ConfigRules::TabState tab = ConfigRules::startState();

    bool setSwitch(SwitchState &target, std::int16_t stored, const char *field)
    {
        const std::optional<SwitchState> state = ConfigRules::switchState(stored);
        if (!state)
            return refuse(QStringLiteral("%1 %2; a switch is 0 (off), 1 (on) or 2 (grayed)")
                              .arg(QLatin1String(field))
                              .arg(stored));
        target = *state;
        return true;
    }

    bool fitsSlider(std::int32_t value, ConfigRules::Range range, const char *field)
    {
        if (range.contains(value))
            return true;
        return refuse(QStringLiteral("%1 %2; the slider takes %3 to %4")
                          .arg(QLatin1String(field))
                          .arg(value)
                          .arg(range.minimum)
                          .arg(range.maximum));
    }

    void setText(QString &target, const QString &text,
                 std::optional<ConfigRules::Refusal> (*check)(const QString &))
    {
        target = text;
        if (const std::optional<ConfigRules::Refusal> refused = check(text)) {
            result.boxes << refused->box;
            target = refused->fallback;
        }
    }

    // The slider's own refusal, which ends the import; the detail tells
    // which field it was.
    bool refuse(const QString &detail)
    {
        Failure box = Failures::invalidValue();
        box.text = box.description + QStringLiteral(" (") + detail + QLatin1Char(')');
        result.boxes << box;
        return false;
    }

    void setMainBuffer(std::int32_t size)
    {
        ConfigValues &values = tab.values;
        values.mainBuffer = size;
        if (ConfigRules::leavesOverflow(size)) {
            tab.overflowMaximum = size - ConfigRules::overflowReserve;
            values.overflowBuffer = std::min(values.overflowBuffer, tab.overflowMaximum);
        } else {
            values.overflowBuffer = 0;
        }
    }

    // The window's order of fields, which decides what an early stop leaves.
    bool load(const ProfileRecord &record)
    {
        ConfigValues &values = tab.values;
        if (!setSwitch(values.darknessSwitch, record.DarkEnable, "DarkEnable"))
            return false;
        values.darkness = QString::number(record.Darkness);
        if (!setSwitch(values.emulationSwitch, record.EmulationEnable, "EmulationEnable") ||
            !setSwitch(values.emulationOff, record.EmulationOff, "EmulationOff") ||
            !fitsSlider(record.Scaler, ConfigRules::scalerRange, "Scaler"))
            return false;
        values.scaler = record.Scaler;
        if (!setSwitch(values.printSpeedSwitch, record.PrintSpeedEnable, "PrintSpeedEnable"))
            return false;
        setText(values.printSpeed, record.PrintSpeed, &ConfigRules::checkPrintSpeed);
        if (!setSwitch(values.textBufferSwitch, record.TextBufferEnable, "TextBufferEnable") ||
            !fitsSlider(record.MainBuffer, ConfigRules::mainBufferRange, "MainBuffer"))
            return false;
        setMainBuffer(record.MainBuffer);
        if (!fitsSlider(record.OverflowBuffer, {0, tab.overflowMaximum}, "OverflowBuffer"))
            return false;
        values.overflowBuffer = record.OverflowBuffer;
        setText(values.width, record.Width, &ConfigRules::checkWidth);
        if (!setSwitch(values.widthSwitch, record.WidthEnable, "WidthEnable") ||
            !setSwitch(values.printModeSwitch, record.PrintModeEnable, "PrintModeEnable"))
            return false;
        setText(values.printMode, record.PrintMode, &ConfigRules::checkPrintMode);
        return true;
    }
};

} // namespace

ProfileImport ProfileImport::load(const ProfileRecord &record)
{
    Import import;
    if (import.load(record) && import.result.boxes.isEmpty())
        import.result.values = import.tab.values;
    return std::move(import.result);
}
