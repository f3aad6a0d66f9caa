#include "common/Wording.h"

#include <QCoreApplication>

Wording Wording::of(const char *source, QList<Wording> arguments)
{
    Wording wording;
    wording.m_source = source;
    wording.m_arguments = std::move(arguments);
    return wording;
}

Wording Wording::either(const char *window, const char *commandLine, QList<Wording> arguments)
{
    Wording wording = of(window, arguments);
    wording.m_commandLine = std::make_shared<const Wording>(of(commandLine, std::move(arguments)));
    return wording;
}

QString Wording::text(bool translated, Audience audience) const
{
    if (audience == Audience::CommandLine && m_commandLine)
        return m_commandLine->text(translated, audience);
    if (!m_source)
        return m_plain;
    const QString pattern =
        translated ? QCoreApplication::translate("Failure", m_source) : QString::fromUtf8(m_source);
    // One pass over the pattern: a value that holds "%2" (a path, a host
    // name) is never taken for a place to fill.
    QString filled;
    filled.reserve(pattern.size());
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern[i];
        const int place = i + 1 < pattern.size() ? pattern[i + 1].digitValue() : -1;
        if (c == QLatin1Char('%') && place >= 1 && place <= m_arguments.size()) {
            filled += m_arguments[place - 1].text(translated, audience);
            ++i;
        } else {
            filled += c;
        }
    }
    return filled;
}
