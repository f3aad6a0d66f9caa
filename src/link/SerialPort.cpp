#include "link/SerialPort.h"

#include "common/StopSignal.h"
#include "link/PortDoctor.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

namespace
{

constexpr int highestCommPort = 255;

} // namespace

SerialPort::SerialPort(const PortNames &names, QObject *parent) : QObject(parent), m_names(names)
{
    m_port.setObjectName(QStringLiteral("MyComm"));
}

SerialPort::~SerialPort()
{
    if (m_port.isOpen())
        m_port.close();
}

std::optional<Failure> SerialPort::setCommPort(int port)
{
    if (port < 1 || port > highestCommPort)
        return Failures::invalidValue();
    m_commPort = port;
    return std::nullopt;
}

std::optional<Failure> SerialPort::setSettings(const QString &text)
{
    const std::optional<SerialSettings> parsed = SerialSettings::parse(text);
    if (!parsed)
        return Failures::invalidValue();
    m_settings = *parsed;
    return std::nullopt;
}

QString SerialPort::deviceName() const
{
    return m_names.serialDevice(m_commPort);
}

std::optional<Failure> SerialPort::open()
{
    const QString device = deviceName();
    if (m_port.isOpen())
        return PortDoctor::serialOpenFailure(QSerialPort::OpenError, QString(), m_commPort, device,
                                             m_names);
    const std::optional<QSerialPort::DataBits> dataBits = m_settings.qtDataBits();
    if (!dataBits)
        return Failure{FailureCode::PortSettingsFailed,
                       QStringLiteral("Could not set comm state: the serial port cannot send "
                                      "with %1 data bits. Choose 5 to 8 data bits.")
                           .arg(m_settings.dataBits)};

    m_port.setPortName(device);
    m_port.setBaudRate(m_settings.baudRate);
    m_port.setParity(m_settings.qtParity());
    m_port.setDataBits(*dataBits);
    m_port.setStopBits(m_settings.qtStopBits());
    m_port.setFlowControl(QSerialPort::NoFlowControl);
    m_port.clearError();
    if (!m_port.open(QIODevice::WriteOnly))
        return PortDoctor::serialOpenFailure(m_port.error(), m_port.errorString(), m_commPort,
                                             device, m_names);
    return std::nullopt;
}

void SerialPort::close()
{
    if (m_port.isOpen())
        m_port.close();
}

void SerialPort::abort()
{
    if (!m_port.isOpen())
        return;
    m_port.clear(QSerialPort::Output);
    m_port.close();
}

void SerialPort::output(QByteArrayView bytes)
{
    m_port.write(bytes.data(), bytes.size());
}

std::optional<Failure> SerialPort::portFailure() const
{
    switch (m_port.error()) {
    case QSerialPort::NoError:
    case QSerialPort::TimeoutError: // a wait that ran out, not a fault of the port
        return std::nullopt;
    case QSerialPort::ResourceError:
        return Failure{FailureCode::PortWriteFailed,
                       QStringLiteral("%1 stopped working during the transfer: the device or "
                                      "its USB adapter was removed or failed (%2).")
                           .arg(PortNames::serialLogicalName(m_commPort), m_port.errorString())};
    default:
        return Failure{FailureCode::PortWriteFailed,
                       QStringLiteral("%1 failed during the transfer: %2")
                           .arg(PortNames::serialLogicalName(m_commPort), m_port.errorString())};
    }
}

std::optional<Failure> SerialPort::drain(const StopSignal *stop, int stallLimitMs)
{
    QElapsedTimer sinceProgress;
    sinceProgress.start();
    qint64 queued = m_port.bytesToWrite();
    while (queued > 0) {
        if (std::optional<Failure> failure = portFailure())
            return failure;
        if (stop && stop->isRaised())
            return Failures::stopped(FailureCode::PortWriteFailed);

        // A port that takes the bytes at once needs no trip through the
        // event loop; this keeps fast links at full speed.
        m_port.waitForBytesWritten(0);
        if (m_port.bytesToWrite() == 0)
            break;

        const int remaining = stallLimitMs - int(sinceProgress.elapsed());
        if (remaining <= 0)
            return Failure{FailureCode::PortWriteFailed,
                           QStringLiteral("%1 accepted no data for %2 seconds: check that the "
                                          "printer is on, online and connected.")
                               .arg(PortNames::serialLogicalName(m_commPort))
                               .arg(stallLimitMs / 1000.0)};

        // Sleep in the event loop until the port can take more, fails, or the
        // program is closing; the window stays alive meanwhile.
        QEventLoop wait;
        QTimer stallTimer;
        stallTimer.setSingleShot(true);
        connect(&stallTimer, &QTimer::timeout, &wait, &QEventLoop::quit);
        connect(&m_port, &QSerialPort::bytesWritten, &wait, &QEventLoop::quit);
        connect(&m_port, &QSerialPort::errorOccurred, &wait, &QEventLoop::quit);
        if (stop)
            connect(stop, &StopSignal::raised, &wait, &QEventLoop::quit);
        stallTimer.start(remaining);
        wait.exec();

        const qint64 now = m_port.bytesToWrite();
        if (now < queued)
            sinceProgress.restart();
        queued = now;
    }
    return std::nullopt;
}
