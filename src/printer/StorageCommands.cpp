#include "printer/StorageCommands.h"

#include "printer/CommandLines.h"
#include "printer/FormatLines.h"

namespace StorageCommands
{

using CommandLines::lineEnd;

QString upperIdentifier(const QString &identifier)
{
    QString upper = identifier;
    for (QChar &character : upper) {
        const QChar capital = character.toUpper();
        if (capital.unicode() <= 0xFF)
            character = capital;
    }
    return upper;
}

QString graphicStoreHeader(const QString &typeWord, const QString &identifier)
{
    return CommandLines::terminated(
        {CommandLines::blockHeader, QStringLiteral("GRAPHIC STORE ") + typeWord +
                                        QStringLiteral(" 3 ") + upperIdentifier(identifier)});
}

QString graphicStoreEnd()
{
    return lineEnd;
}

QString formatStore(const QString &identifier, const QStringList &formatLines)
{
    QStringList lines = formatLines;
    // The first line of a standard format names it; the header replaces it.
    if (!lines.isEmpty())
        lines.first().clear();
    return QStringLiteral("!S~ 3 F ") + identifier + lineEnd + FormatLines::withCrLf(lines);
}

QString graphicRecall(const QString &identifier)
{
    return CommandLines::terminated({QStringLiteral("! 0 100 500 1"),
                                     QStringLiteral("GRAPHIC RECALL ") +
                                         upperIdentifier(identifier) + QStringLiteral(" 250 200 "),
                                     QStringLiteral("END")});
}

QString formatRecall(const QString &identifier, std::int16_t quantity)
{
    return QStringLiteral("!R F ") + upperIdentifier(identifier) + QStringLiteral(" 0 100 A ") +
           QString::number(quantity) + lineEnd;
}

QString deleteObject(const QString &identifier)
{
    return QStringLiteral("!D ") + identifier + lineEnd;
}

QString listObjects()
{
    return QStringLiteral("!L") + lineEnd;
}

} // namespace StorageCommands
