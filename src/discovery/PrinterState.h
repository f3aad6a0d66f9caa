#pragma once

#include "common/Wording.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// What a network printer says of itself through the printer tables of SNMP:
// its device status and the error bits it has detected.
struct PrinterState {
    // hrPrinterStatus: other(1), unknown(2), idle(3), printing(4), warmup(5).
    std::optional<int> printerStatus;
    // hrPrinterDetectedErrorState: bit 0 is the high bit of the first byte.
    QByteArray errorBits;

    enum Condition {
        LowPaper,
        NoPaper,
        LowToner,
        NoToner,
        DoorOpen,
        Jammed,
        Offline,
        ServiceRequested,
        InputTrayMissing,
        OutputTrayMissing,
        MarkerSupplyMissing,
        OutputNearFull,
        OutputFull,
        InputTrayEmpty,
        OverduePreventMaint,
        ConditionCount
    };

    bool has(Condition condition) const;
    // The conditions set, in words ("no paper", "door open"), worst first.
    QStringList conditions() const;
    // A condition that keeps the printer from taking a label or a setting
    // reliably: a send is refused.
    bool isError() const;
    // One line: "ready", "printing", "no paper, door open".
    QString words() const;
    // Why a send is refused and what to do, when isError().
    Wording refusal() const;

    static QString conditionWord(Condition condition);
};
