#include "common/SendLog.h"

#include <QLocale>

namespace
{

constexpr int bytesPerLine = 16;

QString dumpLines(const QByteArray &bytes, qint64 offset)
{
    QString lines;
    for (int start = 0; start < bytes.size(); start += bytesPerLine) {
        const QByteArray line = bytes.mid(start, bytesPerLine);
        QString hex;
        QString text;
        for (int i = 0; i < bytesPerLine; ++i) {
            if (i < line.size()) {
                const auto byte = static_cast<unsigned char>(line[i]);
                hex += QStringLiteral("%1 ").arg(byte, 2, 16, QLatin1Char('0'));
                text += byte >= 0x20 && byte < 0x7f ? QChar(byte) : QChar('.');
            } else {
                hex += QStringLiteral("   ");
            }
        }
        lines += QStringLiteral("%1  %2 %3\n")
                     .arg(offset + start, 8, 16, QLatin1Char('0'))
                     .arg(hex, text);
    }
    return lines;
}

QString grouped(qint64 number)
{
    return QLocale(QLocale::English, QLocale::UnitedStates).toString(number);
}

} // namespace

void SendLog::Entry::append(QByteArrayView data)
{
    size += data.size();
    if (head.size() < wholeLimit)
        head.append(data.first(std::min<qsizetype>(data.size(), wholeLimit - head.size())));
    if (data.size() >= edge)
        tail = data.last(edge).toByteArray();
    else
        tail = tail.right(edge - data.size()) + data.toByteArray();
}

QString SendLog::Entry::outcome() const
{
    switch (end) {
    case End::Sent:
        return SendLog::tr("Sent", "a send's outcome");
    case End::Cancelled:
        return SendLog::tr("Cancelled", "a send's outcome");
    case End::Failed:
        break;
    }
    return SendLog::tr("Failed: %1").arg(cause);
}

SendLog::SendLog(int capacity, QObject *parent) : QAbstractTableModel(parent), m_capacity(capacity)
{
}

void SendLog::add(Entry entry)
{
    if (entry.whole())
        entry.tail.clear();
    else
        entry.head.truncate(edge);
    entry.head.squeeze();
    entry.tail.squeeze();
    if (int(m_entries.size()) >= m_capacity) {
        beginRemoveRows(QModelIndex(), 0, 0);
        m_entries.pop_front();
        endRemoveRows();
    }
    const int row = int(m_entries.size());
    beginInsertRows(QModelIndex(), row, row);
    m_entries.push_back(std::move(entry));
    endInsertRows();
}

qint64 SendLog::keptBytes() const
{
    qint64 total = 0;
    for (const Entry &entry : m_entries)
        total += entry.head.capacity() + entry.tail.capacity();
    return total;
}

QString SendLog::dump(const Entry &entry)
{
    if (entry.whole())
        return dumpLines(entry.head, 0);
    return dumpLines(entry.head, 0) +
           tr("... %1 bytes not kept ...")
               .arg(grouped(entry.size - entry.head.size() - entry.tail.size())) +
           QLatin1Char('\n') + dumpLines(entry.tail, entry.size - entry.tail.size());
}

QString SendLog::field(const Entry &entry, int column) const
{
    switch (column) {
    case Time:
        return entry.time.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    case Link:
        return entry.link;
    case Sent:
        return entry.what;
    case Size:
        // A send that ended early says how much of it the printer took.
        return entry.complete() ? tr("%1 bytes").arg(grouped(entry.size))
                                : tr("%1 of %2 bytes delivered")
                                      .arg(grouped(entry.delivered), grouped(entry.size));
    case Outcome:
        return entry.outcome();
    case Duration:
        return tr("%1 s").arg(entry.durationMs / 1000.0, 0, 'f', 2);
    }
    return QString();
}

QString SendLog::rowText(int row) const
{
    QStringList fields;
    for (int column = 0; column < ColumnCount; ++column)
        fields << field(entry(row), column);
    return fields.join(QLatin1Char('\t'));
}

QString SendLog::toText() const
{
    QString text;
    for (int row = 0; row < rowCount(); ++row)
        text += rowText(row) + QLatin1Char('\n') + dump(entry(row)) + QLatin1Char('\n');
    return text;
}

int SendLog::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_entries.size());
}

int SendLog::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant SendLog::data(const QModelIndex &index, int role) const
{
    // A column too narrow for its text shows the whole of it as a tool tip.
    if ((role != Qt::DisplayRole && role != Qt::ToolTipRole) || !index.isValid() ||
        index.row() >= rowCount())
        return QVariant();
    return field(entry(index.row()), index.column());
}

QVariant SendLog::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case Time:
        return tr("Time");
    case Link:
        return tr("Link");
    case Sent:
        return tr("Sent");
    case Size:
        return tr("Size");
    case Outcome:
        return tr("Outcome");
    case Duration:
        return tr("Duration");
    }
    return QVariant();
}
