#pragma once

#include "link/Connection.h"

// A printer port opened as a device file: a parallel port (/dev/lp0) or a
// USB printer (/dev/usb/lp0). It is opened without blocking, so that a
// printer that is off or a device nobody reads cannot freeze the window;
// what the device does not take now is offered again at the next poll.
class DeviceConnection : public Connection
{
    Q_OBJECT
public:
    // `textFailureText` and `textFailureTitle` make the box of a failed
    // text send on this kind of port.
    DeviceConnection(QString path, QString name, QString textFailureText, QString textFailureTitle);
    ~DeviceConnection() override;

    QString name() const override { return m_name; }
    void open() override { emit opened(openNow()); }
    Written write(QByteArrayView bytes) override;
    // Written straight to the device: nothing waits in this program, and
    // the system does not tell what it still holds.
    qint64 queued() const override { return 0; }
    qint64 unsent() const override { return 0; }
    SendOutcome linkFailure() const override { return std::nullopt; }
    FailureCode writeFailureCode() const override { return FailureCode::DeviceIoError; }
    Failure stalled(int limitMs) const override;
    SendOutcome close() override;
    void discard() override;
    QString textFailureText() const override { return m_textFailureText; }
    QString textFailureTitle() const override { return m_textFailureTitle; }

    // What to check when the device is missing, such as a cable or a driver;
    // a send with no device at all says only this.
    void setMissingDeviceHint(const QString &hint) { m_missingDeviceHint = hint; }

private:
    SendOutcome openNow();
    // What a printer port says of itself before anything is sent.
    SendOutcome printerStatus() const;

    QString m_path;
    QString m_name;
    QString m_textFailureText;
    QString m_textFailureTitle;
    QString m_missingDeviceHint;
    int m_fd = -1;
};
