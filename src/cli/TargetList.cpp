#include "cli/TargetList.h"

#include <QRegularExpression>

void TargetList::add(Target target, const QString &origin)
{
    target.identity = target.identify();
    target.origin = origin;
    const auto first = m_first.constFind(target.identity);
    if (first == m_first.constEnd()) {
        m_first.insert(target.identity, int(targets.size()));
        targets << target;
        return;
    }
    const Target &kept = targets[*first];
    // Which line settings were meant cannot be guessed.
    if (kept.address.serialSettings().toText() != target.address.serialSettings().toText())
        errors << QStringLiteral("%1: \"%2\" is the same printer as \"%3\" (%4) with other line "
                                 "settings: give it once")
                      .arg(origin, target.written, kept.written, kept.origin);
    else
        warnings << sameAs(target, kept);
}

QString TargetList::sameAs(const Target &repeat, const Target &kept)
{
    // One pass: a %1 in a name or origin stays as it is.
    return QStringLiteral("%1: \"%2\" is the same printer as \"%3\" (%4): it is sent to once")
        .arg(repeat.origin, repeat.written, kept.written, kept.origin);
}

void TargetList::add(const QString &written, const QString &origin)
{
    const std::variant<Target, QString> target = Target::parse(written);
    if (const QString *why = std::get_if<QString>(&target))
        errors << (origin.startsWith(QLatin1String("--"))
                       ? *why
                       : QStringLiteral("%1: %2").arg(origin, *why));
    else
        add(std::get<Target>(target), origin);
}

void TargetList::addFile(const QByteArray &bytes, const QString &path)
{
    static const QRegularExpression comment(QStringLiteral("(^|\\s)#.*$"));
    const QStringList lines = QString::fromUtf8(bytes).split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = QString(lines[i]).remove(comment).trimmed();
        if (!line.isEmpty())
            add(line, QStringLiteral("%1:%2").arg(path, QString::number(i + 1)));
    }
}
