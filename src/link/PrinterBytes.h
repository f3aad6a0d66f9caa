#pragma once

#include <QByteArray>

#include <optional>

// Bytes for the printer, such as the contents of a file read into memory.
// An empty value is a buffer that was never filled (no file read yet),
// which the byte senders refuse; an empty array is a file of 0 bytes,
// which they send as nothing.
using PrinterBytes = std::optional<QByteArray>;
