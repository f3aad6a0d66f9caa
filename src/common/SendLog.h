#pragma once

#include <QAbstractTableModel>
#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QString>

#include <deque>

// The record of what went to the printer, one row per send, newest last.
// Its memory stays bounded however long the program runs: the oldest rows
// go beyond a fixed number, and of long data only both ends are kept.
class SendLog : public QAbstractTableModel
{
    Q_OBJECT
public:
    static constexpr int defaultCapacity = 1000;
    // Every command block the program builds is shorter and is kept whole.
    static constexpr qint64 wholeLimit = 1024;
    // Of longer data, this many bytes at either end.
    static constexpr int edge = 256;

    struct Entry {
        QDateTime time;
        QString link; // the link as it was described when the send began
        QString what;
        qint64 size = 0;
        qint64 delivered = 0; // bytes the printer took: all of size once sent
        QByteArray head;      // the first bytes: all of them when whole()
        QByteArray tail;      // the last bytes, when not whole()
        enum class End { Sent, Cancelled, Failed } end = End::Sent;
        QString cause; // why it failed, as people read it
        qint64 durationMs = 0;

        // "Sent", "Cancelled" or "Failed: " and the cause, in the language
        // of the texts.
        QString outcome() const;

        // Adds the next bytes sent; what is kept stays within
        // wholeLimit + edge while the send runs.
        void append(QByteArrayView data);
        bool whole() const { return head.size() == size; }
        bool complete() const { return delivered == size; }
    };

    enum Column { Time, Link, Sent, Size, Outcome, Duration, ColumnCount };

    explicit SendLog(int capacity = defaultCapacity, QObject *parent = nullptr);

    // Adds a finished send, dropping the oldest row when full.
    void add(Entry entry);
    const Entry &entry(int row) const { return m_entries[std::size_t(row)]; }
    // Bytes of data held by all rows.
    qint64 keptBytes() const;

    // The kept bytes as hex and text, 16 a line, each with its offset in the
    // send; a gap line tells how much was left out between the ends.
    static QString dump(const Entry &entry);
    // One line of the row, its fields separated by tabs.
    QString rowText(int row) const;
    // Every row followed by its bytes: the plain text saved or copied.
    QString toText() const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QString field(const Entry &entry, int column) const;

    int m_capacity;
    std::deque<Entry> m_entries;
};
