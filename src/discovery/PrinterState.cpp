#include "discovery/PrinterState.h"

#include <QCoreApplication>

namespace
{

// Worst first: what stops the printer leads the line.
constexpr PrinterState::Condition order[] = {
    PrinterState::Offline,
    PrinterState::Jammed,
    PrinterState::DoorOpen,
    PrinterState::NoPaper,
    PrinterState::InputTrayEmpty,
    PrinterState::NoToner,
    PrinterState::OutputFull,
    PrinterState::MarkerSupplyMissing,
    PrinterState::InputTrayMissing,
    PrinterState::OutputTrayMissing,
    PrinterState::ServiceRequested,
    PrinterState::LowPaper,
    PrinterState::LowToner,
    PrinterState::OutputNearFull,
    PrinterState::OverduePreventMaint,
};
static_assert(std::size(order) == PrinterState::ConditionCount);

struct Advice {
    PrinterState::Condition condition;
    const char *what;
};

// What the user does about each condition that refuses a send.
constexpr Advice errors[] = {
    {PrinterState::Offline,
     QT_TRANSLATE_NOOP("Failure",
                       "Put the printer online (its pause or feed button) and try again.")},
    {PrinterState::Jammed,
     QT_TRANSLATE_NOOP("Failure",
                       "Open the printer, clear the jammed labels, close it and try again.")},
    {PrinterState::DoorOpen,
     QT_TRANSLATE_NOOP("Failure", "Close the printer's cover and try again.")},
    {PrinterState::NoPaper,
     QT_TRANSLATE_NOOP("Failure", "Load labels, close the printer and try again.")},
    {PrinterState::InputTrayEmpty,
     QT_TRANSLATE_NOOP("Failure", "Load labels, close the printer and try again.")},
    {PrinterState::NoToner,
     QT_TRANSLATE_NOOP("Failure", "Load a ribbon, close the printer and try again.")},
    {PrinterState::OutputFull,
     QT_TRANSLATE_NOOP("Failure", "Take the printed labels out and try again.")},
};

} // namespace

bool PrinterState::has(Condition condition) const
{
    const int byte = condition / 8;
    return byte < errorBits.size() && (quint8(errorBits[byte]) & (0x80 >> (condition % 8)));
}

QString PrinterState::conditionWord(Condition condition)
{
    switch (condition) {
    case LowPaper:
        return QStringLiteral("low paper");
    case NoPaper:
        return QStringLiteral("no paper");
    case LowToner:
        return QStringLiteral("low ribbon or toner");
    case NoToner:
        return QStringLiteral("no ribbon or toner");
    case DoorOpen:
        return QStringLiteral("door open");
    case Jammed:
        return QStringLiteral("jammed");
    case Offline:
        return QStringLiteral("offline");
    case ServiceRequested:
        return QStringLiteral("service requested");
    case InputTrayMissing:
        return QStringLiteral("input tray missing");
    case OutputTrayMissing:
        return QStringLiteral("output tray missing");
    case MarkerSupplyMissing:
        return QStringLiteral("ribbon or toner missing");
    case OutputNearFull:
        return QStringLiteral("output nearly full");
    case OutputFull:
        return QStringLiteral("output full");
    case InputTrayEmpty:
        return QStringLiteral("input tray empty");
    case OverduePreventMaint:
        return QStringLiteral("maintenance overdue");
    case ConditionCount:
        break;
    }
    return {};
}

QStringList PrinterState::conditions() const
{
    QStringList words;
    for (Condition condition : order) {
        if (has(condition))
            words << conditionWord(condition);
    }
    return words;
}

bool PrinterState::isError() const
{
    for (const Advice &advice : errors) {
        if (has(advice.condition))
            return true;
    }
    return false;
}

QString PrinterState::words() const
{
    const QStringList set = conditions();
    if (!set.isEmpty())
        return set.join(QStringLiteral(", "));
    switch (printerStatus.value_or(2)) {
    case 3:
        return QStringLiteral("ready");
    case 4:
        return QStringLiteral("printing");
    case 5:
        return QStringLiteral("warming up");
    case 1:
        return QStringLiteral("other");
    default:
        break;
    }
    return QStringLiteral("unknown");
}

Wording PrinterState::refusal() const
{
    // The conditions stay as the printer's status reads them, in English.
    // The window asks whether to send anyway; the command line names the
    // option that does.
    for (const Advice &advice : errors) {
        if (has(advice.condition))
            return Wording::either(
                QT_TRANSLATE_NOOP("Failure", "The printer reports %1: nothing was sent. %2"),
                QT_TRANSLATE_NOOP("Failure", "The printer reports %1: nothing was sent. %2 Give "
                                             "--ignore-status to send anyway."),
                {words(), Wording::of(advice.what)});
    }
    return {};
}
