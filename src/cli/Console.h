#pragma once

#include "common/TerminalText.h"

#include <QIODevice>
#include <QString>

// Where the command line writes: standard output for what a script reads
// (dry-run bytes, the summary), standard error for people (progress,
// refusals). `terminal` says whether people watch standard error live.
struct Console {
    QIODevice &out;
    QIODevice &err;
    bool terminal = false;
    // Whether each stream is a terminal: what came from files and names is
    // then shown with its control characters escaped (TerminalText).
    bool errIsTerminal = false;
    bool outIsTerminal = false;

    // A line for people, already in the command line's own words.
    void say(const QString &line) const
    {
        err.write(
            ((errIsTerminal ? TerminalText::escaped(line) : line) + QLatin1Char('\n')).toUtf8());
    }
    void print(const QString &text) const
    {
        out.write((outIsTerminal ? TerminalText::escapedLines(text) : text).toUtf8());
    }
};
