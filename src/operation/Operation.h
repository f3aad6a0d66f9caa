#pragma once

#include "link/PrinterBytes.h"

#include <QByteArray>
#include <QList>
#include <QString>

// One send of an operation: a text (a command block) or a file's bytes,
// each over a port opened for it alone.
struct OperationPart {
    bool isText = true;
    // What reaches the printer, a text one byte a character; shared, never
    // changed: every printer reads the same.
    QByteArray bytes;
    // A byte part whose buffer was never filled (no file read yet): the
    // link refuses it with its own box rather than sending nothing.
    bool unfilled = false;

    static OperationPart ofText(const QString &text);
    static OperationPart ofLatin1Text(const QByteArray &text) { return {true, text, false}; }
    static OperationPart ofBytes(const PrinterBytes &bytes)
    {
        return {false, bytes.value_or(QByteArray()), !bytes};
    }

    qint64 size() const { return bytes.size(); }
};

// Whether an operation's printer is asked first if it is ready.
enum class StatusPolicy {
    SendAtOnce,
    // Worth sending only to a printer ready to take it (a configuration,
    // a stored graphic or format, firmware): a network printer's SNMP
    // status is read before its first part.
    ReadFirst,
};

// One printer operation as data: what it is called (in the log and in
// failures), its parts in order, and whether the printer's status is read
// first. Built by OperationBuilders only, from the window's controls or
// the command line's options alike.
struct Operation {
    QString label;
    QList<OperationPart> parts;
    StatusPolicy status = StatusPolicy::SendAtOnce;
    // A graphic made by a conversion: its BMP is the second part.
    bool converted = false;

    qint64 size() const
    {
        qint64 total = 0;
        for (const OperationPart &part : parts)
            total += part.size();
        return total;
    }
};
