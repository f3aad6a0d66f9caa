#include "printer/ConfigRules.h"

#include "common/NumberText.h"

#include <QCoreApplication>

#include <algorithm>

namespace ConfigRules
{

namespace
{

// A box of the tab's own: its message, titled "Printer Setup".
Failure setupBox(FailureCode code, const char *message)
{
    Failure box{code, Wording::of(message)};
    box.title = setupTitle();
    return box;
}

std::optional<Refusal> checkListed(const QString &text, const QStringList &valid,
                                   const char *message)
{
    if (valid.contains(text))
        return std::nullopt;
    return Refusal{setupBox(FailureCode::InvalidValue, message), valid.first()};
}

} // namespace

QString setupTitle()
{
    return QCoreApplication::translate("Failure", "Printer Setup");
}

std::optional<Refusal> checkWidth(const QString &width)
{
    const QString fallback = QStringLiteral("416");
    const NumberText::Converted<double> number = NumberText::toDouble(width);
    if (const Failure *failure = std::get_if<Failure>(&number)) {
        if (failure->code != FailureCode::TypeMismatch)
            // A number too large for any arithmetic is above the maximum
            // too; its box is that of the failure itself.
            return Refusal{*failure, fallback};
        return Refusal{setupBox(FailureCode::TypeMismatch,
                                QT_TRANSLATE_NOOP("Failure", "Invalid Width Argument.")),
                       fallback};
    }
    if (std::get<double>(number) > maxWidth) {
        return Refusal{setupBox(FailureCode::InvalidValue,
                                QT_TRANSLATE_NOOP("Failure", "Maximum Width is 416")),
                       fallback};
    }
    return std::nullopt;
}

const QStringList &printModes()
{
    static const QStringList modes{QStringLiteral("DT"), QStringLiteral("TT")};
    return modes;
}

const QStringList &printSpeeds()
{
    static const QStringList speeds{QStringLiteral("NORMAL"), QStringLiteral("HIGHSPEED"),
                                    QStringLiteral("LOWSPEED")};
    return speeds;
}

std::optional<Refusal> checkPrintMode(const QString &mode)
{
    return checkListed(
        mode, printModes(),
        QT_TRANSLATE_NOOP("Failure", "Invalid Print Mode. Valid Modes are DT and TT"));
}

std::optional<Refusal> checkPrintSpeed(const QString &speed)
{
    return checkListed(speed, printSpeeds(), QT_TRANSLATE_NOOP("Failure", "Invalid Print Speed"));
}

std::optional<SwitchState> switchState(std::int16_t stored)
{
    switch (SwitchState(stored)) {
    case SwitchState::Off:
    case SwitchState::On:
    case SwitchState::Grayed:
        return SwitchState(stored);
    }
    return std::nullopt;
}

TabState startState()
{
    TabState state;
    state.values.darkness = QStringLiteral("0");
    state.values.width = QStringLiteral("416");
    state.values.scaler = 100;
    state.values.printMode = printModes().first();
    state.values.printSpeed = printSpeeds().first();
    state.values.mainBuffer = 4096;
    state.values.overflowBuffer = 0;
    state.overflowMaximum = state.values.mainBuffer - overflowReserve;
    return state;
}

void setMainBuffer(TabState &tab, std::int32_t mainSize)
{
    tab.values.mainBuffer = mainSize;
    if (mainSize > overflowReserve) {
        tab.overflowMaximum = mainSize - overflowReserve;
        tab.values.overflowBuffer = std::min(tab.values.overflowBuffer, tab.overflowMaximum);
    } else {
        tab.values.overflowBuffer = 0;
    }
}

} // namespace ConfigRules
