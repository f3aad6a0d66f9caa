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

void SendPresenter::whenReady(Then then)
{
    if (m_link.kind() != LinkAddress::Kind::Network) {
        then(true);
        return;
    }
    if (!m_status)
        m_status = std::make_unique<SnmpReader>(m_statusOptions);
    m_status->read(
        m_link.address().host(), [this, then](const QString &, const SnmpAnswer &answer) {
            const QString refusal = answer.refusal();
            // Nothing more goes out once the window is closing.
            then(!m_stop.isRaised() &&
                 (refusal.isEmpty() ||
                  Dialogs::sendAnyway(m_window, refusal, QStringLiteral("Printer Not Ready"))));
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
    // A send asked for while another runs is refused by the link and is no
    // part of the running row.
    if (!m_log || m_link.isBusy()) {
        start([this, then](const SendOutcome &outcome) { present(outcome, then); });
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
    // Each part's end tells the bytes the printer took, exact after an
    // early end too.
    auto delivered = std::make_shared<qint64>(0);
    auto counting = std::make_shared<QMetaObject::Connection>(
        QObject::connect(&m_link, &PrinterLink::finished,
                         [delivered](qint64 sent, qint64, const QString &) { *delivered = sent; }));
    start([this, watching, counting, delivered, then](const SendOutcome &outcome) {
        QObject::disconnect(*watching);
        QObject::disconnect(*counting);
        if (m_open)
            m_open->delivered += *delivered;
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
