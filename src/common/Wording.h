#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>

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

    QString english() const { return text(false); }
    // In the language of the program's texts.
    QString shown() const { return text(true); }
    bool isEmpty() const { return !m_source && m_plain.isEmpty(); }

private:
    QString text(bool translated) const;

    const char *m_source = nullptr;
    QString m_plain;
    QList<Wording> m_arguments;
};
