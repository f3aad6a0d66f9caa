#pragma once

#include "common/Failure.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>
#include <variant>

// The one record of a profile file: for each configuration setting the
// state of its switch and its value, in file order.
struct ProfileRecord {
    std::int16_t DarkEnable = 0;
    std::int16_t Darkness = 0;
    std::int16_t WidthEnable = 0;
    QString Width;
    std::int16_t PrintSpeedEnable = 0;
    QString PrintSpeed;
    std::int16_t EmulationEnable = 0;
    std::int16_t EmulationOff = 0;
    std::int16_t Scaler = 0;
    std::int16_t TextBufferEnable = 0;
    std::int32_t MainBuffer = 0;
    std::int32_t OverflowBuffer = 0;
    std::int16_t PrintModeEnable = 0;
    QString PrintMode;

    bool operator==(const ProfileRecord &other) const;
};

// The byte form of a record: little-endian integers, each text as a 16-bit
// byte count and its bytes (one byte a character), no gaps, at offset 0 of
// a 128-byte slot.
namespace ProfileCodec
{

constexpr int slotSize = 128;
constexpr int fixedSize = 32; // the record with three empty texts

// The record's bytes, or a failure when they do not fit the slot.
std::variant<QByteArray, Failure> encode(const ProfileRecord &record);

// Reads the record at the start of `data`, which may be a whole file. Bytes
// after the record are ignored. A text that would reach past byte 128, or
// data that ends before the record does (an empty or cut-off file), fail:
// a damaged profile is refused whole rather than half applied.
std::variant<ProfileRecord, Failure> decode(const QByteArray &data);

} // namespace ProfileCodec
