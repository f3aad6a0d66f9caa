#pragma once

#include "common/Failure.h"
#include "printer/ConfigBlock.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

// What the Printer Configuration tab accepts in each of its controls, and
// what it says and puts back when it refuses a value. The tab checks every
// change against these rules; a profile import goes through them too
// (ProfileApply), for the window and the command line alike.
namespace ConfigRules
{

// The box a refused entry shows, and the text the control gets back. A box
// with no title of its own shows the failure's number as its title.
struct Refusal {
    Failure box;
    QString fallback;
};

// The title of the tab's own messages.
QString setupTitle();

// Widths are in dots: 416 is 4.16 inches, the widest print head.
constexpr double maxWidth = 416;
std::optional<Refusal> checkWidth(const QString &width);

// The lists' entries, in the order the lists show them; the first is the
// start text.
const QStringList &printModes();  // "DT", "TT"
const QStringList &printSpeeds(); // "NORMAL", "HIGHSPEED", "LOWSPEED"
// Exact, case-sensitive comparisons: the printer takes the word as typed.
std::optional<Refusal> checkPrintMode(const QString &mode);
std::optional<Refusal> checkPrintSpeed(const QString &speed);

// A switch state as a profile stores it: 0 off, 1 on, 2 grayed; anything
// else is refused ("Invalid property value").
std::optional<SwitchState> switchState(std::int16_t stored);

// The ranges of the tab's sliders. The overflow buffer's range follows the
// main buffer (see overflowMaximum).
struct Range {
    std::int32_t minimum;
    std::int32_t maximum;
    bool contains(std::int32_t value) const { return value >= minimum && value <= maximum; }
};
constexpr Range darknessRange{-20, 255};
constexpr Range scalerRange{1, 250};
constexpr Range mainBufferRange{0, 65536};

// The part of the main text buffer the overflow buffer may never take.
constexpr std::int32_t overflowReserve = 1024;

// What the tab holds when the window opens: every switch off, darkness 0,
// width 416, scaler 100, DT, NORMAL, text buffers 4096 and 0 (overflow
// maximum 3072).
struct TabState {
    ConfigValues values;
    std::int32_t overflowMaximum;
};
TabState startState();

// A new main buffer size, which the overflow buffer follows: a main buffer
// above the reserve sets the overflow's maximum to mainSize - overflowReserve
// and lowers an overflow above it; a smaller one sets the overflow to 0 and
// leaves its maximum as it was.
void setMainBuffer(TabState &tab, std::int32_t mainSize);

} // namespace ConfigRules
