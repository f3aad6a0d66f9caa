#pragma once

#include "link/PrinterLink.h"
#include "link/Transfer.h"

#include <QEventLoop>

// Waits in an event loop of the caller's until what `start` began has
// ended: tests and benchmarks read an asynchronous send as one call.
template <typename Start> SendOutcome waitForEnd(Start start)
{
    QEventLoop loop;
    std::optional<SendOutcome> outcome;
    start([&](const SendOutcome &end) {
        outcome = end;
        loop.quit();
    });
    if (!outcome)
        loop.exec();
    return *outcome;
}

inline SendOutcome sendBytesAndWait(PrinterLink &link, const PrinterBytes &bytes)
{
    return waitForEnd([&](auto done) { link.sendBytes(bytes, done); });
}

inline SendOutcome sendTextAndWait(PrinterLink &link, const QString &text)
{
    return waitForEnd([&](auto done) { link.sendText(text, done); });
}

inline SendOutcome runTransfer(Transfer &transfer)
{
    return waitForEnd([&](auto done) {
        QObject::connect(&transfer, &Transfer::finished, &transfer, done, Qt::SingleShotConnection);
        transfer.start();
    });
}
