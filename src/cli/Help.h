#pragma once

#include <QCommandLineOption>
#include <QList>

namespace Help
{

// The options as --help lists them, in the language of the program's
// texts. Each description is translated; one that holds characters a
// terminal shows two columns wide is broken into lines that fit beside the
// option names, which the parser would otherwise break by count of
// characters into lines twice as wide as the terminal.
QList<QCommandLineOption> translated(QList<QCommandLineOption> options);

} // namespace Help
