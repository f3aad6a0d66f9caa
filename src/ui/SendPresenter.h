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

    // Whether the last send ended by the user's Cancel.
    bool wasCancelled() const { return m_cancelled; }

private:
    using Start = std::function<void(std::function<void(const SendOutcome &)>)>;
    void logged(const QString &unnamed, const Start &start, Then then);
    void endPart(const SendOutcome &outcome);
    void present(const SendOutcome &outcome, const Then &then);

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

    SnmpOptions m_statusOptions = SnmpOptions().beforeSend();
    std::unique_ptr<SnmpReader> m_status;
};
