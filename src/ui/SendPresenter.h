#pragma once

#include "common/SendLog.h"
#include "discovery/SnmpReader.h"
#include "operation/OperationJob.h"

#include <QPointer>
#include <QString>

#include <functional>

class BusyIndicators;
class PrinterLink;
class QWidget;
class StopSignal;

// The window's side of an operation: runs it as an operation job on the
// window's printer link, answers the job's questions with boxes opened from
// the event loop, and once it has ended shows a failure box (none for a
// cancel, none once the window is closing) before telling the page. While
// the job runs it holds the window's busy state, with the hourglass while a
// serial byte buffer goes out. Each operation becomes a row of the send log.
class SendPresenter
{
public:
    using Outcome = OperationJob::Outcome;
    // Heard once the operation has ended and its box, if any, was closed.
    using Done = std::function<void(Outcome outcome)>;
    // Heard as each part of the operation begins, counted from 0.
    using PartStarted = std::function<void(int part)>;

    SendPresenter(QWidget *window, PrinterLink &link, const StopSignal &stop,
                  SendLog *log = nullptr);
    ~SendPresenter();
    SendPresenter(const SendPresenter &) = delete;
    SendPresenter &operator=(const SendPresenter &) = delete;

    void setBusyIndicators(BusyIndicators *busy);

    void run(const Operation &operation, Done done = {}, PartStarted started = {});
    // Ends the running operation at once, whatever step it is at: a status
    // read, a question or a transfer. Nothing more of it is sent.
    void cancel();

    // A network printer's status is read this way before an operation
    // whose policy asks for it: one that reports an error gets a box with
    // the reason and "Send Anyway".
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

    // What the running operation is doing, for the status bar: waiting for
    // a network printer to answer ("Connecting to host:port…"), sending,
    // or nothing any more.
    enum class Activity { Connecting, Sending, Idle };
    using ActivityShown = std::function<void(Activity activity, const QString &text)>;
    void setActivityShown(ActivityShown shown) { m_activityShown = std::move(shown); }

private:
    void ask(OperationJob &job, OperationJob::Question question, const QString &text);
    void show(Activity activity);
    void ended(OperationJob &job, const Done &done);

    QWidget *m_window;
    PrinterLink &m_link;
    const StopSignal &m_stop;
    SendLog *m_log;
    QPointer<BusyIndicators> m_busy;
    QPointer<OperationJob> m_running;
    QMetaObject::Connection m_stopping;
    UnappliedLink m_unapplied;
    ActivityShown m_activityShown;
    Activity m_activity = Activity::Idle;
    SnmpOptions m_statusOptions = SnmpOptions().beforeSend();
};
