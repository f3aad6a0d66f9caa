#include "common/TerminalText.h"

#include <QStringList>

namespace TerminalText
{

namespace
{

bool actedOn(char16_t c)
{
    return c < 0x20 || (c >= 0x7f && c <= 0x9f) || c == 0x061c || c == 0x200e || c == 0x200f ||
           (c >= 0x2028 && c <= 0x202e) || (c >= 0x2066 && c <= 0x2069);
}

} // namespace

QString escaped(const QString &text)
{
    QString shown;
    shown.reserve(text.size());
    for (const QChar c : text) {
        const char16_t code = c.unicode();
        if (!actedOn(code))
            shown += c;
        else if (code < 0x80)
            shown += QStringLiteral("\\x") + QString::number(code, 16).rightJustified(2, u'0');
        else
            shown += QStringLiteral("\\u") + QString::number(code, 16).rightJustified(4, u'0');
    }
    return shown;
}

QString escapedLines(const QString &text)
{
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString &line : lines)
        line = escaped(line);
    return lines.join(QLatin1Char('\n'));
}

} // namespace TerminalText
