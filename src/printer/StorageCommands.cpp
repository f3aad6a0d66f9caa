#include "printer/StorageCommands.h"

#include "printer/FormatLines.h"

namespace StorageCommands
{

namespace
{

const QString crLf = QStringLiteral("\r\n");

} // namespace

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
    return QStringLiteral("! 0 0 0 0") + crLf + QStringLiteral("GRAPHIC STORE ") + typeWord +
           QStringLiteral(" 3 ") + upperIdentifier(identifier) + crLf;
}

QString graphicStoreEnd()
{
    return crLf;
}

QString formatStore(const QString &identifier, const QStringList &formatLines)
{
    QStringList lines = formatLines;
    // The first line of a standard format names it; the header replaces it.
    if (!lines.isEmpty())
        lines.first().clear();
    return QStringLiteral("!S~ 3 F ") + identifier + crLf + FormatLines::withCrLf(lines);
}

QString graphicRecall(const QString &identifier)
{
    return QStringLiteral("! 0 100 500 1") + crLf + QStringLiteral("GRAPHIC RECALL ") +
           upperIdentifier(identifier) + QStringLiteral(" 250 200 ") + crLf +
           QStringLiteral("END") + crLf;
}

QString formatRecall(const QString &identifier, std::int16_t quantity)
{
    return QStringLiteral("!R F ") + upperIdentifier(identifier) + QStringLiteral(" 0 100 A ") +
           QString::number(quantity) + crLf;
}

QString deleteObject(const QString &identifier)
{
    return QStringLiteral("!D ") + identifier + crLf;
}

QString listObjects()
{
    return QStringLiteral("!L") + crLf;
}

} // namespace StorageCommands
