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

// What an identifier is for: storing limits its length, and each store
// says so in its own words.
enum class IdentifierUse { StoreGraphic, StoreFormat, Recall, Delete };

// The name a refusal gives a control character: "CR", "LF", or "U+0001".
QString controlCharacterName(char16_t character);

// Why the printer cannot take `identifier` for `use`: a control character, a
// character it cannot receive, or a stored name longer than the limit. Nothing when it can.
std::optional<QString> identifierRefusal(const QString &identifier, IdentifierUse use);

// A recall quantity that is not a number of labels the printer takes,
// with what is.
QString invalidQuantity();

// The number of labels a recall prints, read from what was typed or given
// (NumberText::toInt16); none or fewer than none is refused with
// invalidQuantity(), as a number beyond a 16-bit one is.
std::optional<std::int16_t> recallQuantity(const QString &text);

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
