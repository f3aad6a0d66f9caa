#include "profile/ProfileRecord.h"

#include <QtEndian>

bool ProfileRecord::operator==(const ProfileRecord &other) const
{
    return DarkEnable == other.DarkEnable && Darkness == other.Darkness &&
           WidthEnable == other.WidthEnable && Width == other.Width &&
           PrintSpeedEnable == other.PrintSpeedEnable && PrintSpeed == other.PrintSpeed &&
           EmulationEnable == other.EmulationEnable && EmulationOff == other.EmulationOff &&
           Scaler == other.Scaler && TextBufferEnable == other.TextBufferEnable &&
           MainBuffer == other.MainBuffer && OverflowBuffer == other.OverflowBuffer &&
           PrintModeEnable == other.PrintModeEnable && PrintMode == other.PrintMode;
}

namespace ProfileCodec
{

namespace
{

class Writer
{
public:
    template <typename T> void integer(T value)
    {
        char bytes[sizeof(T)];
        qToLittleEndian(value, bytes);
        m_bytes.append(bytes, sizeof(T));
    }
    void text(const QString &value)
    {
        const QByteArray bytes = value.toLatin1();
        integer<std::uint16_t>(std::uint16_t(bytes.size()));
        m_bytes.append(bytes);
    }
    const QByteArray &bytes() const { return m_bytes; }

private:
    QByteArray m_bytes;
};

// Reads fields in order; the first field that would end past the slot or
// past the data marks the whole read as failed, and later reads do nothing.
class Reader
{
public:
    explicit Reader(const QByteArray &data) : m_data(data) {}

    template <typename T> T integer()
    {
        if (!take(sizeof(T)))
            return 0;
        return qFromLittleEndian<T>(m_data.constData() + m_offset - sizeof(T));
    }
    QString text()
    {
        const std::uint16_t count = integer<std::uint16_t>();
        if (!take(count))
            return QString();
        return QString::fromLatin1(m_data.constData() + m_offset - count, count);
    }
    std::optional<Failure> failure() const { return m_failure; }

private:
    bool take(qsizetype count)
    {
        if (m_failure)
            return false;
        if (m_offset + count > slotSize) {
            m_failure = Failure{FailureCode::BadRecordLength,
                                QStringLiteral("Bad record length: a text of the profile reaches "
                                               "past the end of its record")};
            return false;
        }
        if (m_offset + count > m_data.size()) {
            m_failure =
                Failure{FailureCode::InputPastEndOfFile,
                        Wording::of(QT_TRANSLATE_NOOP(
                            "Failure", "Input past end of file: the profile is empty or cut off"))};
            return false;
        }
        m_offset += count;
        return true;
    }

    const QByteArray &m_data;
    qsizetype m_offset = 0;
    std::optional<Failure> m_failure;
};

} // namespace

std::variant<QByteArray, Failure> encode(const ProfileRecord &record)
{
    Writer out;
    out.integer(record.DarkEnable);
    out.integer(record.Darkness);
    out.integer(record.WidthEnable);
    out.text(record.Width);
    out.integer(record.PrintSpeedEnable);
    out.text(record.PrintSpeed);
    out.integer(record.EmulationEnable);
    out.integer(record.EmulationOff);
    out.integer(record.Scaler);
    out.integer(record.TextBufferEnable);
    out.integer(record.MainBuffer);
    out.integer(record.OverflowBuffer);
    out.integer(record.PrintModeEnable);
    out.text(record.PrintMode);
    if (out.bytes().size() > slotSize)
        return Failure{FailureCode::BadRecordLength,
                       QStringLiteral("Bad record length: the texts of this profile are too long "
                                      "for its %1-byte record (width, print speed and print mode "
                                      "may hold %2 characters together)")
                           .arg(slotSize)
                           .arg(slotSize - fixedSize)};
    return out.bytes();
}

std::variant<ProfileRecord, Failure> decode(const QByteArray &data)
{
    Reader in(data);
    ProfileRecord record;
    record.DarkEnable = in.integer<std::int16_t>();
    record.Darkness = in.integer<std::int16_t>();
    record.WidthEnable = in.integer<std::int16_t>();
    record.Width = in.text();
    record.PrintSpeedEnable = in.integer<std::int16_t>();
    record.PrintSpeed = in.text();
    record.EmulationEnable = in.integer<std::int16_t>();
    record.EmulationOff = in.integer<std::int16_t>();
    record.Scaler = in.integer<std::int16_t>();
    record.TextBufferEnable = in.integer<std::int16_t>();
    record.MainBuffer = in.integer<std::int32_t>();
    record.OverflowBuffer = in.integer<std::int32_t>();
    record.PrintModeEnable = in.integer<std::int16_t>();
    record.PrintMode = in.text();
    if (std::optional<Failure> failure = in.failure())
        return *failure;
    return record;
}

} // namespace ProfileCodec
