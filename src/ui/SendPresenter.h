#pragma once

#include "link/PrinterBytes.h"
#include "link/SendOutcome.h"

#include <QString>

class PrinterLink;
class QWidget;
class StopSignal;

// The window's side of a send: runs it on the printer link and shows what
// the link reports, a failure box (none once the window is closing) and the
// hourglass while a serial byte buffer goes out.
class SendPresenter
{
public:
    SendPresenter(QWidget *window, PrinterLink &link, const StopSignal &stop);

    // Each returns whether the data went out.
    bool printText(const QString &text);
    bool printLatin1Text(const QByteArray &text);
    bool printBytes(const PrinterBytes &bytes);

    // Whether the last send ended by the user's Cancel.
    bool wasCancelled() const { return m_cancelled; }

private:
    bool present(const SendOutcome &outcome);

    QWidget *m_window;
    PrinterLink &m_link;
    const StopSignal &m_stop;
    bool m_cancelled = false;
};
