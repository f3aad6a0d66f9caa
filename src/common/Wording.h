#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>

#include <memory>

// Who reads a text. Advice on what to do next names the window's controls
// (a tab, a button) for the window, and the command line's options for the
// command line.
enum class Audience { Window, CommandLine };

// A text people read, kept as its wording and the values that fill its
// places (%1 to %9), so that it is translated only where it is shown to a
// person. Scripts read the same text in English: a report's failure field
// never changes with the language. Wordings are marked for translation with
// QT_TRANSLATE_NOOP("Failure", "...").
class Wording
{
public:
    Wording() = default;
    // A text that no translation changes: a path, a number, a system's own
    // error text, or an English text not yet marked for translation.
    Wording(const QString &plain) : m_plain(plain) {}

    static Wording of(const char *source, QList<Wording> arguments = {});
    // A text that advises a step, told two ways with the same values: as
    // the window reads it and as the command line does. The audience is
    // chosen before any text is made, so each gets whole sentences in any
    // language.
    static Wording either(const char *window, const char *commandLine,
                          QList<Wording> arguments = {});

    QString english(Audience audience = Audience::Window) const { return text(false, audience); }
    // In the language of the program's texts.
    QString shown(Audience audience = Audience::Window) const { return text(true, audience); }
    bool isEmpty() const { return !m_source && m_plain.isEmpty(); }

private:
    QString text(bool translated, Audience audience) const;

    const char *m_source = nullptr;
    QString m_plain;
    QList<Wording> m_arguments;
    // The command line's own wording, where it differs from this one.
    std::shared_ptr<const Wording> m_commandLine;
};
