#pragma once

#include <QString>

#include <cstdint>

// The printer configuration as the Printer Configuration tab holds it at one
// moment: each setting's switch and its value, texts exactly as entered.
struct ConfigValues {
    bool darknessOn = false;
    QString darkness; // the darkness label's text, not the slider
    bool widthOn = false;
    QString width;
    bool emulationOn = false;
    bool emulationOff = false; // tells the printer to stop emulating altogether
    std::int32_t scaler = 0;
    bool printModeOn = false;
    QString printMode;
    bool printSpeedOn = false;
    QString printSpeed;
    bool textBufferOn = false;
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
