#pragma once

#include "link/LinkAddress.h"
#include "operation/Operation.h"
#include "printer/ConfigBlock.h"
#include "printer/GraphicConvert.h"
#include "printer/StorageCommands.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <variant>

class PortNames;

// The one set of builders of printer operations: the window's controls and
// the command line's options both come here, so both send the same bytes
// and refuse the same input with the same words. Each builder returns the
// operation, or why it is refused; `label` names the operation in the log
// and in failures, as the caller words it.
namespace OperationBuilders
{

struct Built {
    std::optional<Operation> operation;
    QStringList refusals;

    static Built refused(const QString &why) { return {std::nullopt, {why}}; }
};

// Store: at most 8 characters; every use: one byte a character and no
// control character, so that the printer receives the identifier it will be
// asked for later and nothing else. An empty identifier is refused too: the
// printer could never be asked for it.
using StorageCommands::IdentifierUse;
std::optional<QString> identifierRefusal(const QString &identifier, IdentifierUse use);

// What is wrong, in words, with a graphic the printer cannot take as the
// type given, with advice for `audience`; nothing when it can.
std::optional<QString> graphicRefusal(const QByteArray &file, bool pcx, const QString &fileName,
                                      Audience audience);

// A USB printer is a device named lp<n> in the USB device folder; nothing
// else is ever opened as one.
std::optional<QString> usbDeviceRefusal(const QString &device, const PortNames &names);
// A link address as written ("COM1:9600,N,8,1", "usb:/dev/usb/lp0",
// "tcp://host:9100"), or why it names no printer.
std::variant<LinkAddress, QString> linkAddress(const QString &written, const PortNames &names);

Built configuration(const QString &label, const ConfigValues &values);
// The ribbon only for thermal transfer; none takes the start text.
Built calibrate(const QString &label, const QString &indexType, const QString &printType,
                const std::optional<QString> &ribbon);
// 1: the 4X3 label, 2: the 2.4X1 label.
Built testLabel(const QString &label, const QString &which);
// A file stored as it is must be a graphic the printer takes, of the type
// given; `convert`, when given, makes it one from any picture instead.
Built storeGraphic(const QString &label, const QString &path, const QByteArray &file,
                   const QString &identifier, bool pcx,
                   const std::optional<GraphicConvert::Options> &convert, Audience audience);
// A format's text is made printer text in place: give it up (std::move)
// and a large file is not held twice.
Built printFormat(const QString &label, QByteArray file);
Built storeFormat(const QString &label, QByteArray file, const QString &identifier);
Built recallImage(const QString &label, const QString &identifier);
Built recallFormat(const QString &label, const QString &identifier, const QString &quantity);
Built deleteObject(const QString &label, const QString &identifier);
Built listObjects(const QString &label);
// Firmware: the file's bytes as they are; a buffer never filled is refused
// by the link when it comes to be sent.
Built firmware(const QString &label, const PrinterBytes &file);
// A file's bytes unchanged, whatever they are.
Built fileBytes(const QString &label, const QByteArray &file);

} // namespace OperationBuilders
