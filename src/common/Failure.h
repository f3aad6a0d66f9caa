#pragma once

#include <QString>

// A failure as the user sees it: a short description and a number. Message
// boxes that report an unexpected failure show the description as text and
// the number, in decimal, as title. The numbers are kept here, in one place.
struct Failure {
    int code = 0;
    QString description;

    QString codeText() const { return QString::number(code); }
};

namespace FailureCode
{
constexpr int Overflow = 6;              // a number beyond the range it must fit
constexpr int OutOfMemory = 7;           // no room in memory for a file's bytes
constexpr int SubscriptOutOfRange = 9;   // a byte buffer that was never filled
constexpr int TypeMismatch = 13;         // a text that does not read as a number
constexpr int BadFileName = 52;          // an empty or unusable file name
constexpr int FileNotFound = 53;         // no such file or device
constexpr int FileTooLarge = 54;         // a file too large to hold in memory
constexpr int DeviceIoError = 57;        // the device refused or stalled a write
constexpr int BadRecordLength = 59;      // a profile record that does not fit its slot
constexpr int DiskFull = 61;             // no room left to write
constexpr int InputPastEndOfFile = 62;   // a file that ends before all of it was read
constexpr int PermissionDenied = 70;     // no access to the file or device
constexpr int PathAccessError = 75;      // any other file or device failure
constexpr int InvalidValue = 380;        // a value a control or port refuses
constexpr int PortInvalid = 8002;        // no serial port by that number
constexpr int PortAlreadyOpen = 8005;    // this program has the port open already
constexpr int PortUnavailable = 8010;    // the port is held or not accessible
constexpr int PortSettingsFailed = 8015; // the port refused the line settings
constexpr int PortWriteFailed = 8020;    // the port failed while sending
constexpr int DialogCancelled = 32755;   // the user cancelled a file dialog
} // namespace FailureCode

namespace Failures
{
// A value that a control or the port refuses.
inline Failure invalidValue()
{
    return {FailureCode::InvalidValue, QStringLiteral("Invalid property value")};
}
} // namespace Failures
