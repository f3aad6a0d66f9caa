#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>

// The command texts that store, recall, delete and list objects in the
// printer's memory, built without widgets so that their bytes can be checked
// on their own.
namespace StorageCommands
{

// Storing refuses identifiers longer than this; recall and delete take any.
constexpr int maxIdentifierLength = 8;

// Upper case, character for character: the length stays, and a character
// whose capital the printer link cannot carry as one byte stays as typed.
QString upperIdentifier(const QString &identifier);

// Graphic storage goes out as three transmissions: this header, the file's
// bytes unchanged, and graphicStoreEnd().
QString graphicStoreHeader(const QString &typeWord, const QString &identifier);
QString graphicStoreEnd();

// A stored format: the header with the identifier as typed, then the lines
// of the format file, the first one emptied.
QString formatStore(const QString &identifier, const QStringList &formatLines);

QString graphicRecall(const QString &identifier);
QString formatRecall(const QString &identifier, std::int16_t quantity);
QString deleteObject(const QString &identifier);
QString listObjects();

} // namespace StorageCommands
