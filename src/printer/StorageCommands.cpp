#include "printer/StorageCommands.h"

#include "common/NumberText.h"
#include "printer/CommandLines.h"

#include <QCoreApplication>

#include <cstring>

namespace StorageCommands
{

using CommandLines::lineEnd;

std::optional<char32_t> unsendableCharacter(QStringView text)
{
    for (const char32_t character : text.toUcs4()) {
        if (character > 0xFF)
            return character;
    }
    return std::nullopt;
}

QString controlCharacterName(char16_t character)
{
    switch (character) {
    case u'\0':
        return QStringLiteral("NUL");
    case u'\t':
        return QStringLiteral("TAB");
    case u'\n':
        return QStringLiteral("LF");
    case u'\r':
        return QStringLiteral("CR");
    case 0x1B:
        return QStringLiteral("ESC");
    default:
        return QStringLiteral("U+%1").arg(int(character), 4, 16, QLatin1Char('0')).toUpper();
    }
}

std::optional<QString> identifierRefusal(const QString &identifier, IdentifierUse use)
{
    // A line end would close the command early and start another from the
    // rest of the name; no control character belongs in a name.
    for (const QChar character : identifier) {
        if (character.category() == QChar::Other_Control)
            return QCoreApplication::translate(
                       "StorageCommands",
                       "The identifier contains a control character (%1), which "
                       "the printer would take as part of a command. Use letters, "
                       "digits and symbols.")
                .arg(controlCharacterName(character.unicode()));
    }
    if (const std::optional<char32_t> character = unsendableCharacter(identifier))
        return QCoreApplication::translate("StorageCommands",
                                           "The identifier contains “%1”, which the "
                                           "printer cannot receive. Use letters, "
                                           "digits and symbols of Western "
                                           "European text.")
            .arg(QString::fromUcs4(&*character, 1));
    if (identifier.size() <= maxIdentifierLength)
        return std::nullopt;
    switch (use) {
    case IdentifierUse::StoreGraphic:
        return QCoreApplication::translate("StorageCommands",
                                           "Valid Identifier must be no more than 8 characters.");
    case IdentifierUse::StoreFormat:
        return QCoreApplication::translate("StorageCommands", "Identifier must be 8 chars or less");
    case IdentifierUse::Recall:
    case IdentifierUse::Delete:
        break;
    }
    return std::nullopt;
}

QString invalidQuantity()
{
    return QCoreApplication::translate("StorageCommands",
                                       "Invalid Quantity: enter a whole number of labels from 1 "
                                       "to 32767");
}

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

void formatStore(const QString &identifier, QByteArray &formatText)
{
    const QByteArray header = QByteArrayLiteral("!S~ 3 F ") + identifier.toLatin1() + "\r\n";
    // The first line of a standard format names it; the header takes its
    // place, and its line end stays as an empty line.
    const qsizetype firstLine = formatText.isEmpty() ? 0 : formatText.indexOf('\r');
    const qsizetype rest = formatText.size() - firstLine;
    const qsizetype size = header.size() + rest;
    if (size > formatText.size()) {
        formatText.reserve(size);
        formatText.resize(size);
    }
    char *data = formatText.data();
    std::memmove(data + header.size(), data + firstLine, size_t(rest));
    std::memcpy(data, header.constData(), size_t(header.size()));
    formatText.resize(size);
}

QString graphicRecall(const QString &identifier)
{
    return CommandLines::terminated({QStringLiteral("! 0 100 500 1"),
                                     QStringLiteral("GRAPHIC RECALL ") +
                                         upperIdentifier(identifier) + QStringLiteral(" 250 200 "),
                                     QStringLiteral("END")});
}

std::optional<std::int16_t> recallQuantity(const QString &text)
{
    const NumberText::Converted<std::int16_t> quantity = NumberText::toInt16(text);
    const std::int16_t *count = std::get_if<std::int16_t>(&quantity);
    if (!count || *count < 1)
        return std::nullopt;
    return *count;
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
