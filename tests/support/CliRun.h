#pragma once

#include "cli/CommandLine.h"
#include "cli/Console.h"

#include <QBuffer>
#include <QStringList>

struct Ran {
    int status;
    QByteArray out;
    QString err;
};

// The command line in this process, as a script would run it.
inline Ran runCli(const QStringList &arguments)
{
    QBuffer out, err;
    out.open(QIODevice::WriteOnly);
    err.open(QIODevice::WriteOnly);
    const int status = CommandLine::run(QStringList{"varimonde-setup"} + arguments,
                                        Console{out, err, false}, false);
    return {status, out.data(), QString::fromUtf8(err.data())};
}
