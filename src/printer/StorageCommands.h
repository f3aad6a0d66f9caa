#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>

// The command texts that store, recall, delete and list objects in the
// printer's memory, built without widgets so that their bytes can be checked
// on their own.
namespace StorageCommands
{

// Storing refuses identifiers longer than this; recall and delete take any.
constexpr int maxIdentifierLength = 8;

// The first character of `text` that the printer link cannot carry: it takes
// one byte per character, U+0000 to U+00FF. Nothing when all of them fit.
// Once a text passes, each of its UTF-16 units is one character.
std::optional<char32_t> unsendableCharacter(QStringView text);
// What the user is told of such a character.
QString unsendableMessage(char32_t character);

// Upper case, character for character: the length stays, and a character
// whose capital the printer link cannot carry as one byte stays as typed.
QString upperIdentifier(const QString &identifier);

// Graphic storage goes out as three transmissions: this header, the file's
// bytes unchanged, and graphicStoreEnd().
QString graphicStoreHeader(const QString &typeWord, const QString &identifier);
QString graphicStoreEnd();

// Makes a format's printer text (FormatLines::toPrinterText) into a stored
// format, in place: the header with the identifier as typed, then the
// lines, the first one emptied. The identifier must be sendable. Throws
// std::bad_alloc when there is no room for a longer text.
void formatStore(const QString &identifier, QByteArray &formatText);

QString graphicRecall(const QString &identifier);
QString formatRecall(const QString &identifier, std::int16_t quantity);
QString deleteObject(const QString &identifier);
QString listObjects();

} // namespace StorageCommands
