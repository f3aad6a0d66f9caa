#include "ui/SendPresenter.h"

#include "common/StopSignal.h"
#include "link/NetworkConnection.h"
#include "link/PrinterLink.h"
#include "ui/BusyIndicators.h"
#include "ui/Dialogs.h"

#include <QCoreApplication>
#include <QWidget>

#include <memory>

SendPresenter::SendPresenter(QWidget *window, PrinterLink &link, const StopSignal &stop,
                             SendLog *log)
    : m_window(window), m_link(link), m_stop(stop), m_log(log)
{
    // A closing window waits for the operation's end: it ends now, even
    // while the printer's status is still being read.
    m_stopping = QObject::connect(&m_stop, &StopSignal::raised, &m_stop, [this] { cancel(); });
}

SendPresenter::~SendPresenter()
{
    QObject::disconnect(m_stopping);
}

void SendPresenter::setBusyIndicators(BusyIndicators *busy)
{
    m_busy = busy;
}

void SendPresenter::show(Activity activity)
{
    if (std::exchange(m_activity, activity) == activity || !m_activityShown)
        return;
    const QString text =
        activity == Activity::Connecting
            ? QCoreApplication::translate("SendPresenter", "Connecting to %1\u2026")
                  .arg(NetworkConnection::displayName(m_link.address().host(),
                                                      m_link.address().port()))
        : activity == Activity::Sending
            ? QCoreApplication::translate("SendPresenter", "Sending to %1\u2026")
                  .arg(m_link.description())
            : QString();
    m_activityShown(activity, text);
}

void SendPresenter::run(const Operation &operation, Done done, PartStarted started)
{
    OperationJob::Options options;
    options.statusCheck = m_statusOptions;
    options.unappliedChange = m_unapplied.pending ? m_unapplied.pending() : QString();
    options.log = m_log;
    auto *job = new OperationJob({operation}, options, &m_link);
    m_running = job;
    // A network printer that does not answer keeps the operation waiting:
    // the status says so from the first moment the window is busy.
    const bool network = m_link.kind() == LinkAddress::Kind::Network;
    if (network)
        show(Activity::Connecting);
    // The busy state lasts from the first question to the end, parts and
    // the moments between them included; then the page hears the outcome.
    std::shared_ptr<BusyScope> busy;
    if (m_busy)
        busy = std::make_shared<BusyScope>(*m_busy, 0);
    auto hourglass = std::make_shared<std::unique_ptr<BusyScope>>();
    QObject::connect(job, &OperationJob::question, job,
                     [this, job](OperationJob::Question question, const QString &text) {
                         ask(*job, question, text);
                     });
    QObject::connect(job, &OperationJob::partStarted, job,
                     [this, job, network, hourglass, started](int, int part) {
                         // A serial byte buffer takes long: the pointer says so.
                         const OperationPart &sent = job->operations().constFirst().parts[part];
                         hourglass->reset();
                         if (m_busy && !sent.isText && m_link.kind() == LinkAddress::Kind::Serial)
                             *hourglass =
                                 std::make_unique<BusyScope>(*m_busy, BusyScope::Hourglass);
                         show(network ? Activity::Connecting : Activity::Sending);
                         if (started)
                             started(part);
                     });
    // A network printer has answered once it takes the first bytes.
    QObject::connect(job, &OperationJob::progress, job, [this] { show(Activity::Sending); });
    // The busy state lasts until the failure box, if any, is closed, as
    // the page's own signs do.
    QObject::connect(job, &OperationJob::finished, job, [this, job, busy, hourglass, done] {
        hourglass->reset();
        show(Activity::Idle);
        ended(*job, [busy, done](Outcome outcome) {
            if (busy)
                busy->end();
            if (done)
                done(outcome);
        });
        job->deleteLater();
    });
    job->start(m_link);
}

void SendPresenter::cancel()
{
    if (m_running)
        m_running->cancel();
    else
        m_link.cancel();
}

void SendPresenter::ask(OperationJob &job, OperationJob::Question question, const QString &text)
{
    using Answer = OperationJob::Answer;
    show(Activity::Idle);
    QPointer<OperationJob> asking(&job);
    const auto answer = [asking](Answer answer) {
        if (asking)
            asking->answer(answer);
    };
    // Nothing more goes out once the window is closing.
    if (m_stop.isRaised())
        return answer(Answer::Cancel);
    if (question == OperationJob::Question::PrinterNotReady) {
        Dialogs::openSendAnyway(
            m_window, text, QCoreApplication::translate("SendPresenter", "Printer Not Ready"),
            [answer](bool send) { answer(send ? Answer::Go : Answer::Cancel); });
        return;
    }
    // A long device path would make the box wider than a small screen.
    const QString link = m_link.description();
    const QString current =
        QCoreApplication::translate("SendPresenter", "Send to %1")
            .arg(m_window ? m_window->fontMetrics().elidedText(link, Qt::ElideMiddle, 360) : link);
    Dialogs::openChoice(m_window,
                        QCoreApplication::translate("SendPresenter", "Apply the change first?"),
                        Dialogs::applicationTitle,
                        {QCoreApplication::translate("SendPresenter", "Apply"), current,
                         QCoreApplication::translate("SendPresenter", "Cancel")},
                        [this, answer](int chosen) {
                            if (chosen == 0)
                                answer(m_unapplied.apply() ? Answer::Go : Answer::Cancel);
                            else
                                answer(chosen == 1 ? Answer::Go : Answer::Cancel);
                        });
}

void SendPresenter::ended(OperationJob &job, const Done &done)
{
    const Outcome outcome = job.outcome();
    // A cancel is the user's own doing, and a closing window shows nothing.
    if (outcome == Outcome::Failed && job.partFailure() && !m_stop.isRaised()) {
        Dialogs::openFailure(m_window, *job.partFailure(), [done, outcome] {
            if (done)
                done(outcome);
        });
        return;
    }
    if (done)
        done(outcome);
}
