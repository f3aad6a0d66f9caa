#pragma once

#include "link/SendOutcome.h"

#include <QByteArrayView>
#include <QObject>
#include <QString>

#include <optional>

#include <variant>

// One open path to the printer for the length of one send: a serial port, a
// parallel or USB printer device, or a network connection. A transfer hands
// it bytes without blocking, watches them leave, and either closes it once
// everything is out or discards whatever is still queued.
class Connection : public QObject
{
    Q_OBJECT
public:
    using Written = std::variant<qint64, Failure>;

    // The link as the user knows it, for messages: "COM1 (/dev/ttyS0)".
    virtual QString name() const = 0;

    // Opens the link; opened() follows with the outcome, at once or once a
    // link that takes time to reach answers.
    virtual void open() = 0;
    // Takes as much of `bytes` as the link accepts now, without blocking,
    // and returns how many that was.
    virtual Written write(QByteArrayView bytes) = 0;
    // The most bytes a transfer hands over at once.
    virtual qint64 largestWrite() const { return 64 * 1024; }
    // Bytes handed over and still waiting in this program.
    virtual qint64 queued() const = 0;
    // Bytes handed over and not yet on the line: those still in this
    // program and those in the system's output queue.
    virtual qint64 unsent() const = 0;
    // What broke the link during the transfer, if anything did.
    virtual SendOutcome linkFailure() const = 0;
    // The number a write failure on this kind of link carries.
    virtual FailureCode writeFailureCode() const = 0;
    // The failure of a link on which nothing moved for `limitMs`.
    virtual Failure stalled(int limitMs) const = 0;

    // A link whose printer answers apart from taking data (a network
    // printer acknowledges, window probes too, while its buffer is full)
    // says how long a question to it has gone unanswered; nothing where
    // taking data is the only sign of life. Such a link fails at the
    // transfer's stall limit only without an answer, and at its busy limit
    // when it answers but takes nothing.
    virtual std::optional<qint64> silentMs() { return std::nullopt; }
    virtual Failure unanswered(int limitMs, qint64 delivered) const
    {
        Q_UNUSED(delivered)
        return stalled(limitMs);
    }
    virtual Failure tookNoData(int limitMs, qint64 delivered) const
    {
        Q_UNUSED(delivered)
        return stalled(limitMs);
    }

    // Closes once everything has left.
    virtual SendOutcome close() = 0;
    // Drops what is still queued, here and in the system, and closes: a
    // transfer that ends early must leave nothing to be sent later.
    virtual void discard() = 0;

    // The fixed box the text senders show for this kind of link.
    virtual QString textFailureText() const = 0;
    virtual QString textFailureTitle() const = 0;

    // Ends an open that takes time at once: the transfer is being cancelled
    // or the program is closing.
    void interrupt() { emit interrupted(); }

signals:
    void opened(const SendOutcome &outcome);
    // Bytes moved or the link failed: worth a look before the next poll.
    void changed();
    void interrupted();
};
