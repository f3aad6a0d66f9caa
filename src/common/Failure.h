#pragma once

#include "common/Wording.h"

#include <QCoreApplication>
#include <QString>

// The numbers a failure carries; message boxes that report an unexpected
// failure show the number, in decimal, as title.
enum class FailureCode {
    Overflow = 6,              // a number beyond the range it must fit
    OutOfMemory = 7,           // no room in memory for a file's bytes
    SubscriptOutOfRange = 9,   // a byte buffer that was never filled
    Cancelled = 18,            // the user cancelled a running transfer
    TypeMismatch = 13,         // a text that does not read as a number
    BadFileName = 52,          // an empty or unusable file name
    FileNotFound = 53,         // no such file or device
    FileTooLarge = 54,         // a file too large to hold in memory
    DeviceIoError = 57,        // the device refused or stalled a write
    BadRecordLength = 59,      // a profile record that does not fit its slot
    DiskFull = 61,             // no room left to write
    InputPastEndOfFile = 62,   // a file that ends before all of it was read
    PermissionDenied = 70,     // no access to the file or device
    PathAccessError = 75,      // any other file or device failure
    InvalidValue = 380,        // a value a control or port refuses
    PortInvalid = 8002,        // no serial port by that number
    PortAlreadyOpen = 8005,    // a transfer is still running on the link
    PortUnavailable = 8010,    // the port is held or not accessible
    PortSettingsFailed = 8015, // the port refused the line settings
    PortWriteFailed = 8020,    // the port failed while sending
    DialogCancelled = 32755,   // the user cancelled a file dialog
};

// A failure as the user sees it. The description says what went wrong (for
// a port, the cause its doctor found): in English for what scripts read,
// shown() in the user's language. A box reporting it shows the
// description as text and the number as title, unless the code that failed
// gives a box of its own (a sender's fixed text and title).
struct Failure {
    Failure(FailureCode failureCode, Wording what) : code(failureCode), description(std::move(what))
    {
    }

    FailureCode code;
    Wording description;
    QString text;
    QString title;

    QString codeText() const { return QString::number(int(code)); }
    QString shown() const { return description.shown(); }
    QString boxText() const { return text.isEmpty() ? shown() : text; }
    QString boxTitle() const { return title.isEmpty() ? codeText() : title; }
};

// The failures whose wording is the same wherever they arise.
namespace Failures
{

// A value that a control or the port refuses.
inline Failure invalidValue()
{
    return {FailureCode::InvalidValue,
            Wording::of(QT_TRANSLATE_NOOP("Failure", "Invalid property value"))};
}

// A text that does not read as a number.
inline Failure typeMismatch()
{
    return {FailureCode::TypeMismatch, Wording::of(QT_TRANSLATE_NOOP("Failure", "Type mismatch"))};
}

// A number outside the range it must fit.
inline Failure overflow()
{
    return {FailureCode::Overflow, Wording::of(QT_TRANSLATE_NOOP("Failure", "Overflow"))};
}

// The user pressed Cancel in a file dialog.
inline Failure dialogCancelled()
{
    return {FailureCode::DialogCancelled,
            Wording::of(QT_TRANSLATE_NOOP("Failure", "Cancel was selected."))};
}

// A byte buffer that no file has filled yet.
inline Failure neverFilled()
{
    return {FailureCode::SubscriptOutOfRange,
            Wording::of(QT_TRANSLATE_NOOP(
                "Failure", "Subscript out of range: there are no bytes in memory to send"))};
}

// A transfer the user cancelled.
inline Failure cancelled()
{
    return {FailureCode::Cancelled,
            Wording::of(QT_TRANSLATE_NOOP("Failure", "The transfer was cancelled."))};
}

// A transfer ended because the program is closing.
inline Failure stopped(FailureCode code)
{
    return {code, Wording::of(QT_TRANSLATE_NOOP("Failure", "The transfer was stopped."))};
}

} // namespace Failures
