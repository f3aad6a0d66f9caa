#include "cli/Help.h"

#include <QCoreApplication>

#include <algorithm>

namespace Help
{

namespace
{

// The East Asian wide and full-width characters (ideographs, kana, hangul,
// full-width punctuation) take two columns; everything else one.
int columns(QChar c)
{
    const char16_t u = c.unicode();
    const bool wide = (u >= 0x1100 && u <= 0x115F) || (u >= 0x2E80 && u <= 0xA4CF && u != 0x303F) ||
                      (u >= 0xAC00 && u <= 0xD7A3) || (u >= 0xF900 && u <= 0xFAFF) ||
                      (u >= 0xFE30 && u <= 0xFE4F) || (u >= 0xFF00 && u <= 0xFF60) ||
                      (u >= 0xFFE0 && u <= 0xFFE6);
    return wide ? 2 : 1;
}

// A line may end at a space, or between two characters where one is wide,
// as Chinese and Japanese text breaks; but a line never begins with a
// closing mark nor ends with an opening one, and option names such as
// --print-type stay whole.
bool breaksBefore(const QString &text, qsizetype i)
{
    const QChar before = text.at(i - 1), at = text.at(i);
    if (at.isSpace())
        return false;
    if (before.isSpace())
        return true;
    static const QString closing = QStringLiteral("、。，．：；！？）」』】〕〉》ー),.:;!?");
    static const QString opening = QStringLiteral("（「『【〔〈《(");
    return (columns(before) == 2 || columns(at) == 2) && !closing.contains(at) &&
           !opening.contains(before);
}

QString fitted(const QString &text, int width)
{
    QStringList lines;
    qsizetype start = 0, cut = -1;
    int used = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (i > start && breaksBefore(text, i))
            cut = i;
        used += columns(text.at(i));
        if (used > width && cut > start) {
            lines << text.mid(start, cut - start).trimmed();
            start = cut;
            i = start - 1;
            used = 0;
            cut = -1;
        }
    }
    lines << text.mid(start).trimmed();
    return lines.join(QLatin1Char('\n'));
}

// How the parser writes an option's names: "-h, --help", "--to <target>".
qsizetype namesLength(const QCommandLineOption &option)
{
    qsizetype length = 0;
    for (const QString &name : option.names())
        length += (name.size() == 1 ? 1 : 2) + name.size() + 2;
    length -= 2;
    if (!option.valueName().isEmpty())
        length += option.valueName().size() + 3;
    return length;
}

} // namespace

QList<QCommandLineOption> translated(QList<QCommandLineOption> options)
{
    // The parser indents by two, pads the names to the longest (plus one,
    // at most 50), leaves a space, and ends lines before column 79.
    qsizetype longest = 0;
    for (const QCommandLineOption &option : std::as_const(options))
        longest = std::max(longest, namesLength(option));
    const int width = 79 - (2 + int(std::min<qsizetype>(50, longest + 1)) + 1) - 1;
    for (QCommandLineOption &option : options) {
        const QString description = QCoreApplication::translate(
            "CommandLineHelp", option.description().toUtf8().constData());
        const bool wide = std::any_of(description.begin(), description.end(),
                                      [](QChar c) { return columns(c) == 2; });
        option.setDescription(wide ? fitted(description, width) : description);
    }
    return options;
}

} // namespace Help
