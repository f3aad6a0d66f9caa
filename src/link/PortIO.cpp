#include "link/PortIO.h"

#include "app/Dialogs.h"
#include "common/EventPump.h"
#include "common/StopSignal.h"
#include "link/MyComm.h"
#include "link/ParallelDevice.h"
#include "link/PortNames.h"

#include <QWidget>

#include <algorithm>

namespace
{

Failure neverFilled()
{
    return {FailureCode::SubscriptOutOfRange,
            QStringLiteral("Subscript out of range: there are no bytes in memory to send")};
}

// Command blocks are plain ASCII; anything else goes out as one byte each.
QByteArray singleByteText(const QString &text)
{
    return text.toLatin1();
}

} // namespace

PortIO::PortIO(QWidget *window, const PortNames &names, const StopSignal *stop)
    : m_window(window), m_names(names), m_stop(stop)
{
}

bool PortIO::stopping() const
{
    return m_stop && m_stop->isRaised();
}

void PortIO::report(const QString &text, const QString &title) const
{
    if (!stopping())
        Dialogs::showMessage(m_window, text, title);
}

void PortIO::report(const Failure &failure) const
{
    report(QStringLiteral("Error: ") + failure.description, failure.codeText());
}

bool PortIO::SComString(const QString &text, MyComm &port)
{
    std::optional<Failure> failure = port.open();
    if (!failure) {
        port.output(singleByteText(text));
        // Closing throws away what is still queued, so wait for it first.
        failure = port.drain(m_stop);
    }
    if (failure) {
        report(QStringLiteral("Error Opening CommPort for String Send"),
               QStringLiteral("SComString"));
        port.abort();
        return false;
    }
    port.close();
    return true;
}

bool PortIO::SComByte(const PrinterBytes &bytes, MyComm &port)
{
    if (m_window)
        m_window->setCursor(Qt::WaitCursor);
    port.setInputMode(1);
    std::optional<Failure> failure = port.open();
    if (!failure && !bytes)
        failure = neverFilled();
    if (!failure) {
        EventPump pump;
        const QByteArray &data = *bytes;
        for (qsizetype sent = 0; sent < data.size() && !failure; sent += serialChunkSize) {
            // A view of the chunk: the port copies it into its own queue.
            port.output(QByteArrayView(data).sliced(
                sent, std::min<qsizetype>(serialChunkSize, data.size() - sent)));
            failure = port.drain(m_stop);
            pump.pumpIfDue();
            if (!failure && stopping())
                failure = Failure{FailureCode::PortWriteFailed, QStringLiteral("Stopped")};
        }
    }
    if (m_window)
        m_window->unsetCursor();
    if (failure) {
        report(*failure);
        port.abort();
        return false;
    }
    port.close();
    return true;
}

bool PortIO::SLptString(const QString &text, const QString &parallelName)
{
    ParallelDevice device(m_names.parallelDevice(parallelName));
    std::optional<Failure> failure = device.open();
    if (!failure)
        failure = device.write(singleByteText(text), m_stop);
    if (!failure)
        failure = device.close();
    if (failure) {
        report(QStringLiteral("Error Opening ") + parallelName + QStringLiteral(" For String Send"),
               QStringLiteral("SLptString"));
        device.close();
        return false;
    }
    return true;
}

bool PortIO::SLptByte(const PrinterBytes &bytes, const QString &parallelName)
{
    ParallelDevice device(m_names.parallelDevice(parallelName));
    std::optional<Failure> failure = device.open();
    if (!failure && !bytes)
        failure = neverFilled();
    if (!failure) {
        EventPump pump;
        failure = device.write(*bytes, m_stop, &pump);
    }
    if (!failure)
        failure = device.close();
    if (failure) {
        report(*failure);
        device.close();
        return false;
    }
    return true;
}
