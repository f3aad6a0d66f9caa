#include "link/SerialConnection.h"

#include "link/PortDoctor.h"

#ifdef Q_OS_UNIX
#include <sys/ioctl.h>
#include <termios.h>
#endif

SerialConnection::SerialConnection(QString device, int commPort, const SerialSettings &settings,
                                   const PortNames &names)
    : m_device(std::move(device)), m_commPort(commPort), m_settings(settings), m_names(names)
{
    m_port.setObjectName(QStringLiteral("MyComm"));
    connect(&m_port, &QSerialPort::bytesWritten, this, &Connection::changed);
    connect(&m_port, &QSerialPort::errorOccurred, this, &Connection::changed);
}

SerialConnection::~SerialConnection()
{
    discard();
}

QString SerialConnection::name() const
{
    return m_commPort > 0 ? PortNames::serialLogicalName(m_commPort) : m_device;
}

SendOutcome SerialConnection::openNow()
{
    const QString &device = m_device;
    const std::optional<QSerialPort::DataBits> dataBits = m_settings.qtDataBits();
    if (!dataBits)
        return Failure{
            FailureCode::PortSettingsFailed,
            Wording::of(QT_TRANSLATE_NOOP("Failure", "Could not set comm state: the serial port "
                                                     "cannot send with %1 data bits. Choose 5 "
                                                     "to 8 data bits."),
                        {QString::number(m_settings.dataBits)})};

    m_port.setPortName(device);
    m_port.setBaudRate(m_settings.baudRate);
    m_port.setParity(m_settings.qtParity());
    m_port.setDataBits(*dataBits);
    m_port.setStopBits(m_settings.qtStopBits());
    m_port.setFlowControl(QSerialPort::NoFlowControl);
    if (!m_port.open(QIODevice::WriteOnly))
        return PortDoctor::serialOpenFailure(m_port.error(), m_port.errorString(), m_commPort,
                                             device, m_names);
    return std::nullopt;
}

Connection::Written SerialConnection::write(QByteArrayView bytes)
{
    const qint64 taken = m_port.write(bytes.data(), bytes.size());
    if (taken < 0)
        return *linkFailure();
    // A port that takes the bytes at once needs no trip through the event
    // loop; this keeps fast links at full speed.
    m_port.waitForBytesWritten(0);
    return taken;
}

qint64 SerialConnection::queued() const
{
    return m_port.isOpen() ? m_port.bytesToWrite() : 0;
}

qint64 SerialConnection::systemQueue() const
{
#ifdef Q_OS_UNIX
    int count = 0;
    if (m_port.isOpen() && ::ioctl(int(m_port.handle()), TIOCOUTQ, &count) == 0)
        return count;
#endif
    return 0;
}

qint64 SerialConnection::unsent() const
{
    return queued() + systemQueue();
}

SendOutcome SerialConnection::linkFailure() const
{
    switch (m_port.error()) {
    case QSerialPort::NoError:
    case QSerialPort::TimeoutError: // a wait that ran out, not a fault of the port
        return std::nullopt;
    case QSerialPort::ResourceError:
        return Failure{
            FailureCode::PortWriteFailed,
            Wording::of(QT_TRANSLATE_NOOP("Failure", "%1 stopped working during the transfer: "
                                                     "the device or its USB adapter was "
                                                     "removed or failed (%2)."),
                        {name(), m_port.errorString()})};
    default:
        return Failure{
            FailureCode::PortWriteFailed,
            Wording::of(QT_TRANSLATE_NOOP("Failure", "%1 failed during the transfer: %2"),
                        {name(), m_port.errorString()})};
    }
}

Failure SerialConnection::stalled(int limitMs) const
{
    return {
        FailureCode::PortWriteFailed,
        Wording::of(QT_TRANSLATE_NOOP("Failure", "%1 accepted no data for %2 seconds: check that "
                                                 "the printer is on, online and connected."),
                    {name(), QString::number(limitMs / 1000.0)})};
}

SendOutcome SerialConnection::close()
{
    m_port.close();
    return std::nullopt;
}

void SerialConnection::discard()
{
    if (!m_port.isOpen())
        return;
    // Qt's queue and the system's output queue both go.
    m_port.clear(QSerialPort::Output);
    m_port.close();
}

QString SerialConnection::textFailureText() const
{
    return QStringLiteral("Error Opening CommPort for String Send");
}

QString SerialConnection::textFailureTitle() const
{
    return QStringLiteral("SComString");
}
