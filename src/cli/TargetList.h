#pragma once

#include "cli/Target.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QStringList>

// The printers of a run, each once: a printer named twice, or under two
// names (COM33 and a /dev/serial/by-id link to it, a host in two spellings),
// is sent to once, with a warning for each repetition.
class TargetList
{
public:
    QList<Target> targets;
    QStringList warnings; // one line each
    QStringList errors;   // one line each

    // Adds the target named at `origin` ("--to", or "FILE:LINE").
    void add(Target target, const QString &origin);
    void add(const QString &written, const QString &origin);

    // Adds the targets of a file's bytes: one a line; blank lines and
    // comments (from a # at the start or after a blank) are skipped.
    void addFile(const QByteArray &bytes, const QString &path);

    // The line that tells `repeat` is left out: it names `kept`'s printer.
    static QString sameAs(const Target &repeat, const Target &kept);

private:
    // Each identity with the index of its first target.
    QHash<QString, int> m_first;
};
