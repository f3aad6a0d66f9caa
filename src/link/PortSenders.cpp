#include "link/PortSenders.h"

#include "common/EventPump.h"
#include "link/ParallelDevice.h"
#include "link/PortNames.h"
#include "link/SerialPort.h"

#include <algorithm>

namespace
{

// Command blocks are plain ASCII; anything else goes out as one byte each.
QByteArray singleByteText(const QString &text)
{
    return text.toLatin1();
}

// The text senders show one fixed box whatever the cause; the cause stays
// in the description.
Failure textSendFailure(Failure cause, const QString &text, const QString &title)
{
    cause.text = text;
    cause.title = title;
    return cause;
}

// The byte senders show the cause itself, titled with its number.
Failure byteSendFailure(Failure cause)
{
    cause.text = QStringLiteral("Error: ") + cause.description;
    return cause;
}

} // namespace

PortSenders::PortSenders(const PortNames &names, const StopSignal *stop, int stallLimitMs)
    : m_names(names), m_stop(stop), m_stallLimitMs(stallLimitMs)
{
}

SendOutcome PortSenders::serialText(const QString &text, SerialPort &port) const
{
    SendOutcome failure = port.open();
    if (!failure) {
        port.output(singleByteText(text));
        // Closing throws away what is still queued, so wait for it first.
        failure = port.drain(m_stop, m_stallLimitMs);
    }
    if (failure) {
        port.abort();
        return textSendFailure(*failure, QStringLiteral("Error Opening CommPort for String Send"),
                               QStringLiteral("SComString"));
    }
    port.close();
    return std::nullopt;
}

SendOutcome PortSenders::serialBytes(const PrinterBytes &bytes, SerialPort &port) const
{
    SendOutcome failure = port.open();
    if (!failure && !bytes)
        failure = Failures::neverFilled();
    if (!failure) {
        EventPump pump;
        const QByteArray &data = *bytes;
        for (qsizetype sent = 0; sent < data.size() && !failure; sent += serialChunkSize) {
            // A view of the chunk: the port copies it into its own queue.
            port.output(QByteArrayView(data).sliced(
                sent, std::min<qsizetype>(serialChunkSize, data.size() - sent)));
            failure = port.drain(m_stop, m_stallLimitMs);
            pump.pumpIfDue();
        }
    }
    if (failure) {
        port.abort();
        return byteSendFailure(*failure);
    }
    port.close();
    return std::nullopt;
}

SendOutcome PortSenders::parallelText(const QString &text, const QString &parallelName) const
{
    ParallelDevice device(m_names.parallelDevice(parallelName));
    SendOutcome failure = device.open();
    if (!failure)
        failure = device.write(singleByteText(text), m_stop, m_stallLimitMs);
    if (!failure)
        failure = device.close();
    if (failure)
        return textSendFailure(*failure,
                               QStringLiteral("Error Opening ") + parallelName +
                                   QStringLiteral(" For String Send"),
                               QStringLiteral("SLptString"));
    return std::nullopt;
}

SendOutcome PortSenders::parallelBytes(const PrinterBytes &bytes, const QString &parallelName) const
{
    ParallelDevice device(m_names.parallelDevice(parallelName));
    SendOutcome failure = device.open();
    if (!failure && !bytes)
        failure = Failures::neverFilled();
    if (!failure) {
        EventPump pump;
        failure = device.write(*bytes, m_stop, m_stallLimitMs, &pump);
    }
    if (!failure)
        failure = device.close();
    if (failure)
        return byteSendFailure(*failure);
    return std::nullopt;
}
