#pragma once

#include <QString>

#include <cstdint>

// A setting's switch. Grayed, which a profile can set, counts as on. The
// numbers are those a profile file stores.
enum class SwitchState : std::int16_t { Off = 0, On = 1, Grayed = 2 };

inline bool isOn(SwitchState state)
{
    return state != SwitchState::Off;
}

// The printer configuration as the Printer Configuration tab holds it at one
// moment: each setting's switch and its value, texts exactly as entered.
struct ConfigValues {
    SwitchState darknessSwitch = SwitchState::Off;
    QString darkness; // the darkness label's text, not the slider
    SwitchState widthSwitch = SwitchState::Off;
    QString width;
    SwitchState emulationSwitch = SwitchState::Off;
    SwitchState emulationOff = SwitchState::Off; // stop emulating altogether
    std::int32_t scaler = 0;
    SwitchState printModeSwitch = SwitchState::Off;
    QString printMode;
    SwitchState printSpeedSwitch = SwitchState::Off;
    QString printSpeed;
    SwitchState textBufferSwitch = SwitchState::Off;
    std::int32_t mainBuffer = 0;
    std::int32_t overflowBuffer = 0;

    bool anySwitchOn() const;
};

namespace ConfigBlock
{

// The configuration command block: the header, one line per switched-on
// setting in a fixed order, "VARIABLE WRITE" and "END". Lines end with CR LF,
// all but "END". Values are copied unchecked; the tab checks them on entry.
QString build(const ConfigValues &values);

} // namespace ConfigBlock
