#pragma once

#include "link/PrinterLink.h"
#include "link/Transfer.h"

#include <QEventLoop>
#include <QTimer>

// Sends on `link` and waits in an event loop of the caller's for the end:
// tests and benchmarks read an asynchronous send as one call.
template <typename Send> SendOutcome waitForSend(PrinterLink &link, Send send)
{
    QEventLoop loop;
    SendOutcome outcome;
    bool ended = false;
    send(link, [&](const SendOutcome &end) {
        outcome = end;
        ended = true;
        loop.quit();
    });
    if (!ended)
        loop.exec();
    return outcome;
}

inline SendOutcome sendBytesAndWait(PrinterLink &link, const PrinterBytes &bytes)
{
    return waitForSend(link, [&](PrinterLink &l, auto done) { l.sendBytes(bytes, done); });
}

inline SendOutcome sendTextAndWait(PrinterLink &link, const QString &text)
{
    return waitForSend(link, [&](PrinterLink &l, auto done) { l.sendText(text, done); });
}

// Runs a transfer to its end.
inline SendOutcome runTransfer(Transfer &transfer)
{
    QEventLoop loop;
    SendOutcome outcome;
    QObject::connect(&transfer, &Transfer::finished, &loop, [&](const SendOutcome &end) {
        outcome = end;
        loop.quit();
    });
    transfer.start();
    loop.exec();
    return outcome;
}
