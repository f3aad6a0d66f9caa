#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

class QCoreApplication;

// The language of the program's texts: the program's own translations and
// Qt's beside them. What the printer receives, the JSON fields and the exit
// codes are the same in every language; only what a person reads changes.
namespace Language
{

// The language asked for with "--lang NAME" or "--lang=NAME", or empty.
QString option(const QStringList &arguments);

// The languages to try, in order: the one asked for by option, else those
// of the LANGUAGE variable and the locale, as the system lists them.
QStringList wanted(const QStringList &arguments);

// Loads the translations of the first wanted language that has them, for
// the application's life. Returns a warning when a language asked for by
// option has none (English is used then), or an empty text.
QString install(QCoreApplication &application);

// The language the texts are in, by name as its speakers write it:
// "English", "Deutsch", "日本語", "português (Brasil)".
QString currentName();
// Its code, as the translation files are named: "en", "de", "pt_BR".
QString currentCode();

} // namespace Language
