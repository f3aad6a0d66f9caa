#pragma once

#include "cli/CommandLine.h"

#include <QBuffer>

// The command line run in the test's own process, as a script would run it,
// its output and messages kept.
struct Ran {
    int status;
    QByteArray out;
    QString err;
};

inline Ran runCli(const QStringList &arguments)
{
    QBuffer out, err;
    out.open(QIODevice::WriteOnly);
    err.open(QIODevice::WriteOnly);
    const int status =
        CommandLine::run(QStringList{"varimonde-setup"} + arguments, Console{out, err}, false);
    return {status, out.data(), QString::fromUtf8(err.data())};
}
