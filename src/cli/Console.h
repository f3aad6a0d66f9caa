#pragma once

#include <QIODevice>
#include <QString>

// Where the command line writes: standard output for what a script reads
// (dry-run bytes, the summary), standard error for people (progress,
// refusals). `terminal` says whether people watch standard error live.
struct Console {
    QIODevice &out;
    QIODevice &err;
    bool terminal = false;

    void say(const QString &line) const { err.write((line + QLatin1Char('\n')).toUtf8()); }
};
