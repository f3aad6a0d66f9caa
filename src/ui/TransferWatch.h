#pragma once

#include "link/TransferProgress.h"

#include <QElapsedTimer>
#include <QMetaObject>
#include <QPointer>
#include <QString>

#include <memory>

class PrinterLink;
class SendPresenter;
class QAbstractButton;
class QLabel;
class QProgressBar;
class QShortcut;
class QWidget;

// What a page shows while its bytes go out, for the length of one send: the
// progress bar and a status line by the bytes the line has taken, and a
// Cancel button (and Esc) that ends the operation at whatever step it is,
// the status read before the bytes included. All of it is undone when the
// watch ends. Whether the Cancel can be pressed is the page's to say, from
// whether it has a watch.
class TransferWatch
{
public:
    TransferWatch(PrinterLink &link, SendPresenter &printer, QAbstractButton *cancel,
                  QProgressBar *bar, QLabel *status, QString verb);
    ~TransferWatch();
    TransferWatch(const TransferWatch &) = delete;
    TransferWatch &operator=(const TransferWatch &) = delete;

private:
    void show(qint64 sent, qint64 total);

    QPointer<QAbstractButton> m_cancel;
    QPointer<QProgressBar> m_bar;
    QPointer<QLabel> m_status;
    QString m_verb;
    std::unique_ptr<QShortcut> m_escape;
    std::unique_ptr<TransferProgress> m_progress;
    QElapsedTimer m_clock;
    QMetaObject::Connection m_watching;
    QMetaObject::Connection m_cancelling;
};
