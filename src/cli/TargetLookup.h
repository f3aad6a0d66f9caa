#pragma once

#include "cli/Target.h"

#include <QHash>
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QTimer>

class HostLookup;

// Looks up the names of a run's network printers before anything is sent,
// together and within the one connect limit, on the event loop: a printer
// named by its name and by its address is then known as one, and a name
// that cannot be found fails its printers at once, not each after a status
// read and a connect of its own.
class TargetLookup : public QObject
{
    Q_OBJECT
public:
    struct Found {
        bool answered = false;
        QList<QHostAddress> addresses; // none: the name does not exist
    };

    // Looks up every name among `targets`, at most `most` at once; those
    // still waiting for their turn when the limit ends are not looked up.
    void start(const QList<Target> &targets, int limitMs, int most);
    // For each name that was looked up, what came of it.
    const QHash<QString, Found> &found() const { return m_found; }

    // What names `target`'s printer: one key for each address it was
    // found at, its identity when it was not looked up.
    QStringList keys(const Target &target) const;

signals:
    void finished();

private:
    void startMore();
    void end();

    QStringList m_names; // to look up, in turn
    QHash<QString, Found> m_found;
    QList<HostLookup *> m_running;
    int m_most = 1;
    QTimer m_limit;
    bool m_ended = false;
};
