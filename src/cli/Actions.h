#pragma once

#include "printer/GraphicConvert.h"
#include "printer/StorageCommands.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstdint>
#include <optional>

// What one action sends, as the window sends it: one or more transmissions,
// each a text (a command block) or a file's bytes, each over a port opened
// for it alone. The blocks come from the same functions as the window's.
struct Transmission {
    bool isText = true;
    // What reaches the printer, a text one byte a character; shared, never
    // changed: every printer reads the same.
    QByteArray bytes;

    static Transmission ofText(const QString &text);
    static Transmission ofLatin1Text(const QByteArray &text) { return {true, text}; }
    static Transmission ofBytes(const QByteArray &bytes) { return {false, bytes}; }

    qint64 size() const { return bytes.size(); }
};

struct Action {
    QString label; // as the user wrote it: "--calibrate gap --print-type DT"
    QList<Transmission> parts;
    // A graphic made by --convert: its BMP is the second transmission.
    bool converted = false;
    // Worth sending only to a printer ready to take it (a configuration,
    // a stored graphic or format, firmware): a network printer's SNMP
    // status is read first.
    bool checksStatus = false;

    qint64 size() const;
};

// Each builder returns the action, or the window's message when the window
// would refuse the same input.
namespace Actions
{

struct Built {
    std::optional<Action> action;
    QStringList refusals;

    static Built refused(const QString &why) { return {std::nullopt, {why}}; }
};

// Store: at most 8 characters; every use: one byte a character, so that
// the printer receives the identifier it will be asked for later.
using StorageCommands::IdentifierUse;
std::optional<QString> identifierArgumentRefusal(const QString &identifier, IdentifierUse use);

Built calibrate(const QString &label, const QString &indexType, const QString &printType,
                const std::optional<QString> &ribbon);
Built testLabel(const QString &label, const QString &which);
// A file stored as it is must be a graphic the printer takes, of the type
// given; `convert`, when given, makes it one from any picture instead.
Built storeGraphic(const QString &label, const QString &path, const QByteArray &file,
                   const QString &identifier, bool pcx,
                   const std::optional<GraphicConvert::Options> &convert);
Built printFormat(const QString &label, const QByteArray &file);
Built storeFormat(const QString &label, const QByteArray &file, const QString &identifier);
Built recallImage(const QString &label, const QString &identifier);
Built recallFormat(const QString &label, const QString &identifier, const QString &quantity);
Built deleteObject(const QString &label, const QString &identifier);
Built listObjects(const QString &label);
Built fileBytes(const QString &label, const QByteArray &file);

} // namespace Actions
