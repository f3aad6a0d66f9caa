#include "ui/SendPresenter.h"

#include "common/StopSignal.h"
#include "link/NetworkConnection.h"
#include "link/PrinterLink.h"
#include "ui/Dialogs.h"

#include <QTimer>
#include <QWidget>

SendPresenter::SendPresenter(QWidget *window, PrinterLink &link, const StopSignal &stop,
                             SendLog *log)
    : m_window(window), m_link(link), m_stop(stop), m_log(log)
{
    // A send past an unapplied change holds for the operation's parts, each
    // begun as the one before ends; once the link stays idle it is forgotten.
    m_idleWatch = QObject::connect(&m_link, &PrinterLink::busyChanged, &m_link, [this](bool busy) {
        if (!busy)
            QTimer::singleShot(0, &m_link, [this] {
                if (!m_link.isBusy())
                    m_passedOver.clear();
            });
    });
}

SendPresenter::~SendPresenter()
{
    QObject::disconnect(m_progressWatch);
    QObject::disconnect(m_idleWatch);
}

void SendPresenter::setWaitShown(WaitShown shown)
{
    m_waitShown = std::move(shown);
    // The first progress of a transfer comes once its connection is open.
    QObject::disconnect(m_progressWatch);
    m_progressWatch =
        QObject::connect(&m_link, &PrinterLink::progress, &m_link, [this] { showWaiting(false); });
}

void SendPresenter::showWaiting(bool waiting)
{
    if (!m_waitShown || (waiting && m_link.kind() != LinkAddress::Kind::Network) ||
        std::exchange(m_waiting, waiting) == waiting)
        return;
    m_waitShown(waiting ? QStringLiteral("Connecting to %1\u2026")
                              .arg(NetworkConnection::displayName(m_link.address().host(),
                                                                  m_link.address().port()))
                        : QString());
}

bool SendPresenter::linkChosen()
{
    const QString pending = m_unapplied.pending ? m_unapplied.pending() : QString();
    if (pending.isEmpty() || pending == m_passedOver)
        return true;
    // A long device path would make the box wider than a small screen.
    const QString link = m_link.description();
    const QString current =
        QStringLiteral("Send to ") +
        (m_window ? m_window->fontMetrics().elidedText(link, Qt::ElideMiddle, 360) : link);
    switch (Dialogs::choose(m_window, QStringLiteral("Apply the change first?"),
                            Dialogs::applicationTitle,
                            {QStringLiteral("Apply"), current, QStringLiteral("Cancel")})) {
    case 0:
        return m_unapplied.apply();
    case 1:
        m_passedOver = pending;
        return true;
    default:
        return false;
    }
}

void SendPresenter::whenReady(Then then)
{
    if (!linkChosen()) {
        m_cancelled = true;
        then(false);
        return;
    }
    if (m_link.kind() != LinkAddress::Kind::Network) {
        then(true);
        return;
    }
    if (!m_status)
        m_status = std::make_unique<SnmpReader>(m_statusOptions);
    showWaiting(true);
    m_status->read(
        m_link.address().host(), [this, then](const QString &, const SnmpAnswer &answer) {
            const QString refusal = answer.refusal();
            if (!refusal.isEmpty())
                showWaiting(false);
            // Nothing more goes out once the window is closing.
            then(!m_stop.isRaised() &&
                 (refusal.isEmpty() ||
                  Dialogs::sendAnyway(m_window, refusal, QStringLiteral("Printer Not Ready"))));
            if (!m_link.isBusy())
                showWaiting(false);
        });
}

void SendPresenter::describeNext(const QString &what, int parts)
{
    m_nextWhat = what;
    m_nextParts = std::max(1, parts);
}

void SendPresenter::printText(const QString &text, Then then)
{
    logged(
        QStringLiteral("Text"), [this, text](auto done) { m_link.sendText(text, done); },
        std::move(then));
}

void SendPresenter::printLatin1Text(const QByteArray &text, Then then)
{
    logged(
        QStringLiteral("Text"), [this, text](auto done) { m_link.sendLatin1Text(text, done); },
        std::move(then));
}

void SendPresenter::printBytes(const PrinterBytes &bytes, Then then)
{
    const bool hourglass = m_window && m_link.kind() == LinkAddress::Kind::Serial;
    if (hourglass)
        m_window->setCursor(Qt::WaitCursor);
    logged(
        QStringLiteral("Data"), [this, bytes](auto done) { m_link.sendBytes(bytes, done); },
        [this, hourglass, then = std::move(then)](bool sent) {
            if (hourglass && m_window)
                m_window->unsetCursor();
            if (then)
                then(sent);
        });
}

void SendPresenter::logged(const QString &unnamed, const Start &start, Then then)
{
    // An operation's first send goes where the user chose, or nowhere: then
    // it ends as cancelled, heard from the event loop as every end.
    if (!m_link.isBusy() && !m_open && !linkChosen()) {
        m_nextWhat.clear();
        m_nextParts = 1;
        QTimer::singleShot(0, &m_link, [this, then] { present(Failures::cancelled(), then); });
        return;
    }
    const bool refused = m_link.isBusy();
    if (!refused)
        showWaiting(true);
    // A send asked for while another runs is refused by the link and is no
    // part of the running row.
    if (!m_log || refused) {
        start([this, refused, then](const SendOutcome &outcome) {
            if (!refused)
                showWaiting(false);
            present(outcome, then);
        });
        return;
    }
    if (!m_open) {
        m_open = SendLog::Entry{};
        m_open->time = QDateTime::currentDateTime();
        m_open->link = m_link.description();
        m_open->what = m_nextWhat.isEmpty() ? unnamed : m_nextWhat;
        m_partsLeft = m_nextParts;
        m_nextWhat.clear();
        m_nextParts = 1;
        m_clock.start();
    }
    // The link reports the very bytes it sends, after its own conversions.
    auto watching = std::make_shared<QMetaObject::Connection>(QObject::connect(
        &m_link, &PrinterLink::sending, [this](const QByteArray &data) { m_open->append(data); }));
    // What the printer took is told as the part ends, just before its outcome.
    auto taken = std::make_shared<QMetaObject::Connection>(QObject::connect(
        &m_link, &PrinterLink::finished,
        [this](qint64 sent, qint64, const QString &) { m_open->delivered += sent; }));
    start([this, watching, taken, then](const SendOutcome &outcome) {
        QObject::disconnect(*watching);
        QObject::disconnect(*taken);
        showWaiting(false);
        endPart(outcome);
        present(outcome, then);
    });
    // The link told its bytes as the send began; none come later.
    QObject::disconnect(*watching);
}

void SendPresenter::endPart(const SendOutcome &outcome)
{
    if (!m_open)
        return;
    --m_partsLeft;
    if (!outcome && m_partsLeft > 0)
        return;
    m_open->outcome = !outcome ? QStringLiteral("Sent")
                      : outcome->code == FailureCode::Cancelled
                          ? QStringLiteral("Cancelled")
                          : QStringLiteral("Failed: ") + outcome->description;
    m_open->durationMs = m_clock.elapsed();
    m_log->add(std::move(*m_open));
    m_open.reset();
    m_partsLeft = 0;
}

void SendPresenter::present(const SendOutcome &outcome, const Then &then)
{
    m_cancelled = outcome && outcome->code == FailureCode::Cancelled;
    // A cancel is the user's own doing, and a closing window shows nothing.
    if (outcome && !m_stop.isRaised() && !m_cancelled)
        Dialogs::showFailure(m_window, *outcome);
    if (then)
        then(!outcome);
}
