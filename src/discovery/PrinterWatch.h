#pragma once

#include "discovery/SnmpReader.h"

#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QTimer>

#include <memory>

// One printer under watch: what it last said and when.
struct WatchedPrinter {
    QString target; // as the user wrote it, the name in events and metrics
    QString host;
    bool known = false;  // read at least once
    bool online = false; // answered its last read
    Wording failure;     // why not, when offline
    SnmpAnswer last;     // the last answer that answered
    QDateTime lastRead;  // when the last read ended, answered or not
    int reads = 0;
};

// Reads every printer again and again on the event loop, at most once per
// interval each, the reads spread evenly over the interval rather than sent
// in one burst, and tells each change as an event:
//   {"event": "online"|"offline"|"status"|"alert-raised"|"alert-cleared"|"odometer",
//    "target", "time", ...}
class PrinterWatch : public QObject
{
    Q_OBJECT
public:
    PrinterWatch(const SnmpOptions &options, int intervalMs, QObject *parent = nullptr);
    ~PrinterWatch() override;

    void add(const QString &target, const QString &host);
    void start();
    void stop();

    const QList<WatchedPrinter> &printers() const { return m_printers; }
    int events() const { return m_events; }
    int reads() const { return m_reads; }

signals:
    void event(const QJsonObject &event);
    // A read ended and the printer's record is up to date.
    void read(int index);

private:
    void tick();
    void answered(int index, const SnmpAnswer &answer);
    void tell(const WatchedPrinter &printer, const QString &kind, QJsonObject fields);

    std::unique_ptr<SnmpReader> m_reader;
    SnmpOptions m_options;
    int m_intervalMs;
    QList<WatchedPrinter> m_printers;
    QList<bool> m_reading;
    int m_next = 0;
    int m_events = 0;
    int m_reads = 0;
    QTimer m_ticker;
};
