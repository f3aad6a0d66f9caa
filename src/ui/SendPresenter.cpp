#include "ui/SendPresenter.h"

#include "common/StopSignal.h"
#include "link/PrinterLink.h"
#include "ui/Dialogs.h"

#include <QWidget>

SendPresenter::SendPresenter(QWidget *window, PrinterLink &link, const StopSignal &stop)
    : m_window(window), m_link(link), m_stop(stop)
{
}

bool SendPresenter::printText(const QString &text)
{
    return present(m_link.sendText(text));
}

bool SendPresenter::printLatin1Text(const QByteArray &text)
{
    return present(m_link.sendLatin1Text(text));
}

bool SendPresenter::printBytes(const PrinterBytes &bytes)
{
    const bool hourglass = m_window && m_link.serialMode();
    if (hourglass)
        m_window->setCursor(Qt::WaitCursor);
    const SendOutcome outcome = m_link.sendBytes(bytes);
    if (hourglass)
        m_window->unsetCursor();
    return present(outcome);
}

bool SendPresenter::present(const SendOutcome &outcome)
{
    m_cancelled = outcome && outcome->code == FailureCode::Cancelled;
    // A cancel is the user's own doing, and a closing window shows nothing.
    if (outcome && !m_stop.isRaised() && !m_cancelled)
        Dialogs::showFailure(m_window, *outcome);
    return !outcome;
}
