#include "link/PrinterLink.h"

#include "link/DeviceConnection.h"
#include "link/NetworkConnection.h"
#include "link/SerialConnection.h"
#include "link/Transfer.h"

#include "common/StopSignal.h"

#include <QCoreApplication>
#include <QTimer>

namespace
{

Failure anotherTransferRunning()
{
    return {FailureCode::PortAlreadyOpen,
            Wording::of(QT_TRANSLATE_NOOP("Failure",
                                          "Another transfer to the printer is still "
                                          "running: wait for it to finish, or cancel it, then "
                                          "try again."))};
}

} // namespace

PrinterLink::PrinterLink(const StopSignal *stop, QObject *parent) : QObject(parent), m_stop(stop)
{
    if (m_stop)
        connect(m_stop, &StopSignal::raised, this, &PrinterLink::stopTransfer);
}

PrinterLink::~PrinterLink() = default;

void PrinterLink::setLimits(const Transfer::Limits &limits)
{
    m_limits = limits;
    emit changed();
}

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
            QStringLiteral("SLptString"), m_names);
    case Kind::UsbPrinter: {
        auto connection = std::make_unique<DeviceConnection>(
            link.usbDevice(), QStringLiteral("USB Printer"),
            QStringLiteral("Error Opening USB Printer For String Send"),
            QStringLiteral("SUsbString"), m_names);
        // The device appears only while a printer is plugged in, switched on
        // and claimed by the kernel's printer driver; the one chosen stays
        // chosen while it is away, and nothing goes to another instead.
        connection->setMissingDevice(
            link.usbDevice().isEmpty()
                ? Wording::of(QT_TRANSLATE_NOOP("Failure", "No USB printer is connected."))
                : Wording::of(QT_TRANSLATE_NOOP("Failure", "USB Printer %1 is not connected."),
                              {link.usbDevice()}),
            Wording::of(QT_TRANSLATE_NOOP("Failure",
                                          "Check that the printer is switched on and its USB "
                                          "cable is plugged in at both ends, and that the usblp "
                                          "driver is loaded (lsmod | grep usblp; load it with: "
                                          "sudo modprobe usblp).")));
        return connection;
    }
    case Kind::Network:
        return std::make_unique<NetworkConnection>(link.host(), link.port(), m_connectTimeoutMs);
    }
    return nullptr;
}

void PrinterLink::send(QByteArray data, Shape shape, Done done)
{
    // A refusal too is heard from the event loop, as every other end.
    const auto refuse = [this, done, shape](Failure failure) {
        QTimer::singleShot(0, this, [this, done, shape, failure]() mutable {
            shape(failure, *openableConnection());
            if (done)
                done(failure);
        });
    };
    if (isBusy()) {
        refuse(anotherTransferRunning());
        return;
    }
    if (m_stop && m_stop->isRaised()) {
        refuse(Failures::stopped(FailureCode::PortWriteFailed));
        return;
    }
    auto *transfer = new Transfer(openableConnection(), data, m_limits, this);
    transfer->setPollMs(m_pollMs);
    connect(transfer, &Transfer::progress, this, &PrinterLink::progress);
    connect(transfer, &Transfer::finished, this,
            [this, transfer, shape, done](SendOutcome outcome) {
                m_transfer = nullptr;
                transfer->deleteLater();
                if (outcome)
                    shape(*outcome, transfer->connection());
                emit busyChanged(false);
                emit finished(transfer->sent(), transfer->total(),
                              outcome ? outcome->shown() : QString());
                if (done)
                    done(outcome);
            });
    m_transfer = transfer;
    emit busyChanged(true);
    emit sending(data);
    transfer->start();
}

void PrinterLink::sendText(const QString &text, Done done)
{
    sendLatin1Text(textBytes(text), std::move(done));
}

void PrinterLink::sendLatin1Text(const QByteArray &text, Done done)
{
    send(
        text,
        [](Failure &failure, const Connection &connection) {
            failure.text = connection.textFailureText();
            failure.title = connection.textFailureTitle();
        },
        std::move(done));
}

void PrinterLink::sendBytes(const PrinterBytes &bytes, Done done)
{
    const Shape shape = [](Failure &failure, const Connection &) {
        failure.text = QCoreApplication::translate("Failure", "Error: %1").arg(failure.shown());
    };
    if (!bytes) {
        Failure failure = Failures::neverFilled();
        shape(failure, *openableConnection());
        QTimer::singleShot(0, this, [done, failure] {
            if (done)
                done(failure);
        });
        return;
    }
    send(*bytes, shape, std::move(done));
}

void PrinterLink::cancel()
{
    if (m_transfer)
        m_transfer->cancel();
}

void PrinterLink::stopTransfer()
{
    if (m_transfer)
        m_transfer->stop();
}
