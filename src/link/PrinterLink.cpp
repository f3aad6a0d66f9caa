#include "link/PrinterLink.h"

#include "link/DeviceConnection.h"
#include "link/NetworkConnection.h"
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

void PrinterLink::setAddress(const LinkAddress &address)
{
    m_address = address;
    emit changed();
}

std::unique_ptr<Connection> PrinterLink::openableConnection() const
{
    using Kind = LinkAddress::Kind;
    const LinkAddress &link = m_address;
    switch (link.kind()) {
    case Kind::Serial:
        return std::make_unique<SerialConnection>(link.serialDevice(m_names),
                                                  link.serialCommPort(m_names),
                                                  link.serialSettings(), m_names);
    case Kind::Parallel:
        return std::make_unique<DeviceConnection>(
            m_names.parallelDevice(link.parallelName()), link.parallelName(),
            QStringLiteral("Error Opening ") + link.parallelName() +
                QStringLiteral(" For String Send"),
            QStringLiteral("SLptString"));
    case Kind::UsbPrinter: {
        auto connection = std::make_unique<DeviceConnection>(
            link.usbDevice(), QStringLiteral("USB Printer"),
            QStringLiteral("Error Opening USB Printer For String Send"),
            QStringLiteral("SUsbString"));
        // The device appears only while a printer is plugged in, switched on
        // and claimed by the kernel's printer driver.
        connection->setMissingDeviceHint(
            (link.usbDevice().isEmpty() ? QStringLiteral("No USB printer is connected. ")
                                        : QString()) +
            QStringLiteral("Check that the printer is switched on and its USB cable is plugged "
                           "in at both ends, and that the usblp driver is loaded (lsmod | grep "
                           "usblp; load it with: sudo modprobe usblp)."));
        return connection;
    }
    case Kind::Network:
        return std::make_unique<NetworkConnection>(link.host(), link.port(), m_connectTimeoutMs);
    }
    return nullptr;
}

SendOutcome PrinterLink::send(Connection &connection, QByteArrayView data)
{
    if (isBusy())
        return anotherTransferRunning();
    Transfer transfer(connection, m_stop, m_stallLimitMs);
    transfer.setPollMs(m_pollMs);
    connect(&transfer, &Transfer::progress, this, &PrinterLink::progress);
    m_transfer = &transfer;
    emit busyChanged(true);
    emit sending(data);
    const SendOutcome outcome = transfer.run(data);
    m_transfer = nullptr;
    emit busyChanged(false);
    emit finished(data.size(), outcome ? outcome->description : QString());
    return outcome;
}

SendOutcome PrinterLink::sendText(const QString &text)
{
    return sendLatin1Text(textBytes(text));
}

SendOutcome PrinterLink::sendLatin1Text(const QByteArray &text)
{
    const std::unique_ptr<Connection> connection = openableConnection();
    SendOutcome outcome = send(*connection, text);
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
