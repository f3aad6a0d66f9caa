#pragma once

#include "link/Connection.h"

class PortNames;

// A printer port opened as a device file: a parallel port (/dev/lp0) or a
// USB printer (/dev/usb/lp0). It is opened without blocking, so that a
// printer that is off or a device nobody reads cannot freeze the window;
// what the device does not take now is offered again at the next poll.
//
// The USB printer driver takes a block into a buffer of its own and sends
// it after write() has returned; closing before the device is writable
// again kills that block. So a block written counts as sent, and the next
// one is written or the device closed, only once the device is writable
// again.
class DeviceConnection : public Connection
{
    Q_OBJECT
public:
    // `textFailureText` and `textFailureTitle` make the box of a failed
    // text send on this kind of port; a missing device is told with the
    // printer ports `names` lead to.
    DeviceConnection(QString path, QString name, QString textFailureText, QString textFailureTitle,
                     const PortNames &names);
    ~DeviceConnection() override;

    QString name() const override { return m_name; }
    void open() override { emit opened(openNow()); }
    Written write(QByteArrayView bytes) override;
    // Written straight to the device: nothing waits in this program.
    qint64 queued() const override { return 0; }
    // The last block written, until the device is writable again.
    qint64 unsent() const override { return drained() ? 0 : m_inFlight; }
    SendOutcome linkFailure() const override { return std::nullopt; }
    FailureCode writeFailureCode() const override { return FailureCode::DeviceIoError; }
    Failure stalled(int limitMs) const override;
    SendOutcome close() override;
    void discard() override;
    QString textFailureText() const override { return m_textFailureText; }
    QString textFailureTitle() const override { return m_textFailureTitle; }

    // What a missing device is called instead of the system's words, and
    // what to check, such as a cable or a driver; a send with no device at
    // all says only these.
    void setMissingDevice(const Wording &text, const Wording &hint)
    {
        m_missingDeviceText = text;
        m_missingDeviceHint = hint;
    }

private:
    SendOutcome openNow();
    // Whether the last block written has left the device's own buffer.
    bool drained() const;
    // What a printer port says of itself before anything is sent.
    SendOutcome printerStatus() const;

    QString m_path;
    QString m_name;
    QString m_textFailureText;
    QString m_textFailureTitle;
    Wording m_missingDeviceText;
    Wording m_missingDeviceHint;
    const PortNames &m_names;
    int m_fd = -1;
    mutable qint64 m_inFlight = 0;
};
