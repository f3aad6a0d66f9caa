#pragma once

#include "common/SendLog.h"
#include "discovery/SnmpReader.h"
#include "link/PrinterBytes.h"
#include "link/SendOutcome.h"

#include <QElapsedTimer>
#include <QString>

#include <functional>
#include <optional>

class PrinterLink;
class QWidget;
class StopSignal;

// The window's side of a send: starts it on the printer link and, when it
// has ended, shows what the link reports: a failure box (none once the
// window is closing) and the hourglass while a serial byte buffer goes out.
// Each send becomes a row of the send log, if there is one.
class SendPresenter
{
public:
    // Heard once a send has ended and its box, if any, was closed: whether
    // the data went out.
    using Then = std::function<void(bool sent)>;

    SendPresenter(QWidget *window, PrinterLink &link, const StopSignal &stop,
                  SendLog *log = nullptr);
    ~SendPresenter();
    SendPresenter(const SendPresenter &) = delete;
    SendPresenter &operator=(const SendPresenter &) = delete;

    // Names the next send in the log, "Calibration", "Graphic LOGO, 301
    // bytes". A feature that sends in `parts` pieces is one row; a part that
    // fails ends the row. Unnamed sends are logged as "Text" or "Data".
    void describeNext(const QString &what, int parts = 1);

    void printText(const QString &text, Then then = {});
    void printLatin1Text(const QByteArray &text, Then then = {});
    void printBytes(const PrinterBytes &bytes, Then then = {});

    // Before a send worth making only to a printer ready for it (a
    // configuration, a stored graphic or format, firmware): a network
    // printer whose SNMP status reports an error gets a box with the reason
    // and "Send Anyway"; `then(true)` when the send may go. A printer that
    // does not answer within a second goes as before.
    void whenReady(Then then);
    void setStatusOptions(const SnmpOptions &options) { m_statusOptions = options.beforeSend(); }

    // A change of the link shown but not applied yet: `pending` names it (an
    // empty text when there is none), `apply` takes it and says whether the
    // link took it. Before an operation's first send the user chooses to
    // apply it, to send to the link in force, or to send nothing.
    struct UnappliedLink {
        std::function<QString()> pending;
        std::function<bool()> apply;
    };
    void setUnappliedLink(UnappliedLink unapplied) { m_unapplied = std::move(unapplied); }

    // Heard while an operation waits for a network printer to answer, with
    // a text for the status bar ("Connecting to host:port…"), and with an
    // empty text once it answered or the operation ended.
    using WaitShown = std::function<void(const QString &waiting)>;
    void setWaitShown(WaitShown shown);

    // Whether the last send ended by the user's Cancel.
    bool wasCancelled() const { return m_cancelled; }

private:
    using Start = std::function<void(std::function<void(const SendOutcome &)>)>;
    void logged(const QString &unnamed, const Start &start, Then then);
    void endPart(const SendOutcome &outcome);
    void present(const SendOutcome &outcome, const Then &then);
    // Asks about an unapplied link change; false when nothing is to be sent.
    bool linkChosen();
    void showWaiting(bool waiting);

    QWidget *m_window;
    PrinterLink &m_link;
    const StopSignal &m_stop;
    SendLog *m_log;
    bool m_cancelled = false;

    QString m_nextWhat;
    int m_nextParts = 1;
    // The row being built, while parts of it are still to come.
    std::optional<SendLog::Entry> m_open;
    int m_partsLeft = 0;
    QElapsedTimer m_clock;

    UnappliedLink m_unapplied;
    // The unapplied change the user chose to send past, not asked about
    // again in the same operation.
    QString m_passedOver;
    WaitShown m_waitShown;
    bool m_waiting = false;
    QMetaObject::Connection m_progressWatch;
    QMetaObject::Connection m_idleWatch;

    SnmpOptions m_statusOptions = SnmpOptions().beforeSend();
    std::unique_ptr<SnmpReader> m_status;
};
