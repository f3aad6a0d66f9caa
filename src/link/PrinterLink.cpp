#include "link/PrinterLink.h"

#include "link/DeviceConnection.h"
#include "link/SerialConnection.h"
#include "link/Transfer.h"

namespace
{

Failure anotherTransferRunning()
{
    return {FailureCode::PortAlreadyOpen,
            QStringLiteral("Another transfer to the printer is still running: wait for it to "
                           "finish, or cancel it, then try again.")};
}

} // namespace

PrinterLink::PrinterLink(const StopSignal *stop, QObject *parent) : QObject(parent), m_stop(stop) {}

PrinterLink::~PrinterLink() = default;

std::unique_ptr<Connection> PrinterLink::openableConnection() const
{
    if (m_serialMode)
        return std::make_unique<SerialConnection>(m_serialPort.commPort(), m_serialPort.settings(),
                                                  m_names);
    return std::make_unique<DeviceConnection>(
        m_names.parallelDevice(m_parallelPortName), m_parallelPortName,
        QStringLiteral("Error Opening ") + m_parallelPortName + QStringLiteral(" For String Send"),
        QStringLiteral("SLptString"));
}

SendOutcome PrinterLink::send(Connection &connection, QByteArrayView data)
{
    if (isBusy())
        return anotherTransferRunning();
    Transfer transfer(connection, m_stop, m_stallLimitMs);
    connect(&transfer, &Transfer::progress, this, &PrinterLink::progress);
    m_transfer = &transfer;
    emit busyChanged(true);
    const SendOutcome outcome = transfer.run(data);
    m_transfer = nullptr;
    emit busyChanged(false);
    return outcome;
}

SendOutcome PrinterLink::sendText(const QString &text)
{
    const std::unique_ptr<Connection> connection = openableConnection();
    SendOutcome outcome = send(*connection, text.toLatin1());
    if (outcome) {
        outcome->text = connection->textFailureText();
        outcome->title = connection->textFailureTitle();
    }
    return outcome;
}

SendOutcome PrinterLink::sendBytes(const PrinterBytes &bytes)
{
    const std::unique_ptr<Connection> connection = openableConnection();
    SendOutcome outcome = bytes ? send(*connection, *bytes) : Failures::neverFilled();
    if (outcome)
        outcome->text = QStringLiteral("Error: ") + outcome->description;
    return outcome;
}

void PrinterLink::cancel()
{
    if (m_transfer)
        m_transfer->cancel();
}
