#include "ui/SendPresenter.h"

#include "common/StopSignal.h"
#include "link/PrinterLink.h"
#include "ui/Dialogs.h"

#include <QWidget>

SendPresenter::SendPresenter(QWidget *window, PrinterLink &link, const StopSignal &stop,
                             SendLog *log)
    : m_window(window), m_link(link), m_stop(stop), m_log(log)
{
}

void SendPresenter::describeNext(const QString &what, int parts)
{
    m_nextWhat = what;
    m_nextParts = std::max(1, parts);
}

bool SendPresenter::printText(const QString &text)
{
    return present(logged(QStringLiteral("Text"), [&] { return m_link.sendText(text); }));
}

bool SendPresenter::printLatin1Text(const QByteArray &text)
{
    return present(logged(QStringLiteral("Text"), [&] { return m_link.sendLatin1Text(text); }));
}

bool SendPresenter::printBytes(const PrinterBytes &bytes)
{
    const bool hourglass = m_window && m_link.kind() == LinkAddress::Kind::Serial;
    if (hourglass)
        m_window->setCursor(Qt::WaitCursor);
    const SendOutcome outcome =
        logged(QStringLiteral("Data"), [&] { return m_link.sendBytes(bytes); });
    if (hourglass)
        m_window->unsetCursor();
    return present(outcome);
}

SendOutcome SendPresenter::logged(const QString &unnamed, const std::function<SendOutcome()> &send)
{
    // A send asked for while another runs (the window processes events
    // meanwhile) is refused by the link and is no part of the running row.
    if (!m_log || m_inSend)
        return send();
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
    const QMetaObject::Connection watching = QObject::connect(
        &m_link, &PrinterLink::sending, [this](QByteArrayView data) { m_open->append(data); });
    m_inSend = true;
    const SendOutcome outcome = send();
    m_inSend = false;
    QObject::disconnect(watching);

    --m_partsLeft;
    if (outcome || m_partsLeft <= 0) {
        m_open->outcome = !outcome ? QStringLiteral("Sent")
                          : outcome->code == FailureCode::Cancelled
                              ? QStringLiteral("Cancelled")
                              : QStringLiteral("Failed: ") + outcome->description;
        m_open->durationMs = m_clock.elapsed();
        m_log->add(std::move(*m_open));
        m_open.reset();
        m_partsLeft = 0;
    }
    return outcome;
}

bool SendPresenter::present(const SendOutcome &outcome)
{
    m_cancelled = outcome && outcome->code == FailureCode::Cancelled;
    // A cancel is the user's own doing, and a closing window shows nothing.
    if (outcome && !m_stop.isRaised() && !m_cancelled)
        Dialogs::showFailure(m_window, *outcome);
    return !outcome;
}
