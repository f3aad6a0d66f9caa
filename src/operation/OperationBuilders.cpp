#include "operation/OperationBuilders.h"

#include "link/PortNames.h"
#include "link/PrinterLink.h"
#include "printer/CalibrationBlocks.h"
#include "printer/ConfigRules.h"
#include "printer/FormatLines.h"
#include "printer/StorageCommands.h"
#include "printer/TestLabels.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>

OperationPart OperationPart::ofText(const QString &text)
{
    return {true, PrinterLink::textBytes(text), false};
}

namespace OperationBuilders
{

namespace
{

Built built(const QString &label, QList<OperationPart> parts,
            StatusPolicy status = StatusPolicy::SendAtOnce)
{
    return {Operation{label, std::move(parts), status}, {}};
}

Built text(const QString &label, const QString &block)
{
    return built(label, {OperationPart::ofText(block)});
}

// The texts the calibration lists hold, whatever the case typed; a ribbon
// also by its place in the list, counted from 0.
std::optional<QString> listed(const CalibrationBlocks::Choice &choice, const QString &typed,
                              bool byPosition = false)
{
    for (int i = 0; i < choice.items.size(); ++i) {
        if (choice.items[i].compare(typed.trimmed(), Qt::CaseInsensitive) == 0 ||
            (byPosition && QString::number(i) == typed.trimmed()))
            return choice.items[i];
    }
    return std::nullopt;
}

// One character per byte, so the text goes out as the file's own bytes.
QByteArray formatText(QByteArray file)
{
    FormatLines::toPrinterText(file);
    return file;
}

} // namespace

std::optional<QString> identifierRefusal(const QString &identifier, IdentifierUse use)
{
    if (identifier.isEmpty())
        return QCoreApplication::translate(
            "OperationBuilders", "an empty identifier: the printer could never be asked for it");
    return StorageCommands::identifierRefusal(identifier, use);
}

std::optional<QString> graphicRefusal(const QByteArray &file, bool pcx, const QString &fileName,
                                      Audience audience)
{
    const auto checked = GraphicCheck::check(
        file, pcx ? GraphicCheck::Type::Pcx : GraphicCheck::Type::Bmp, fileName, audience);
    if (const QString *why = std::get_if<QString>(&checked))
        return *why;
    return std::nullopt;
}

std::optional<QString> usbDeviceRefusal(const QString &device, const PortNames &names)
{
    static const QRegularExpression printerName(QStringLiteral("^lp[0-9]+$"));
    const QFileInfo path(device);
    if (path.path() == names.usbDeviceRoot() && printerName.match(path.fileName()).hasMatch())
        return std::nullopt;
    return QCoreApplication::translate(
               "OperationBuilders",
               "No such USB printer: a USB printer is lp<n> in %1, such as %1/lp0")
        .arg(names.usbDeviceRoot());
}

std::variant<LinkAddress, QString> linkAddress(const QString &written, const PortNames &names)
{
    std::variant<LinkAddress, QString> address = LinkAddress::parse(written);
    if (const LinkAddress *link = std::get_if<LinkAddress>(&address);
        link && link->kind() == LinkAddress::Kind::UsbPrinter) {
        if (const std::optional<QString> refusal = usbDeviceRefusal(link->usbDevice(), names))
            return *refusal;
    }
    return address;
}

Built configuration(const QString &label, const ConfigValues &values)
{
    // The darkness travels as its label's text: a whole number in range or
    // nothing at all reaches the printer.
    if (values.darknessSwitch == SwitchState::On) {
        bool whole = false;
        const int darkness = values.darkness.toInt(&whole);
        if (!whole || !ConfigRules::darknessRange.contains(darkness))
            return Built::refused(
                QCoreApplication::translate("OperationBuilders",
                                            "Darkness must be a whole number from %1 to %2")
                    .arg(ConfigRules::darknessRange.minimum)
                    .arg(ConfigRules::darknessRange.maximum));
    }
    return built(label, {OperationPart::ofText(ConfigBlock::build(values))},
                 StatusPolicy::ReadFirst);
}

Built calibrate(const QString &label, const QString &indexType, const QString &printType,
                const std::optional<QString> &ribbon)
{
    using namespace CalibrationBlocks;
    QStringList refusals;
    const std::optional<QString> index = listed(indexTypes(), indexType);
    if (!index)
        refusals << indexTypes().message();
    const std::optional<QString> print = listed(printTypes(), printType);
    if (!print)
        refusals << printTypes().message();
    // The window's start text; it hides the ribbon for direct thermal.
    QString ribbonType = ribbonTypes().fallback;
    if (ribbon) {
        const std::optional<QString> chosen = listed(ribbonTypes(), *ribbon, true);
        if (!chosen)
            refusals << ribbonTypes().message();
        else if (print && !needsRibbon(*print))
            refusals << QCoreApplication::translate(
                "OperationBuilders", "--ribbon is for thermal transfer (--print-type TT) only");
        else
            ribbonType = *chosen;
    }
    if (!refusals.isEmpty())
        return {std::nullopt, refusals};
    // Two parts: the settings, then the calibration, which is not asked
    // for once the settings failed.
    return built(label, {OperationPart::ofText(settingsBlock(*index, *print, ribbonType)),
                         OperationPart::ofText(calibrateBlock())});
}

Built testLabel(const QString &label, const QString &which)
{
    if (which == QLatin1String("1"))
        return text(label, TestLabels::fourByThree());
    if (which == QLatin1String("2"))
        return text(label, TestLabels::twoPointFourByOne());
    return Built::refused(
        QCoreApplication::translate("OperationBuilders",
                                    "--test-label takes 1 (the 4X3 label) or 2 (the 2.4X1 "
                                    "label), not \"%1\"")
            .arg(which));
}

Built storeGraphic(const QString &label, const QString &path, const QByteArray &file,
                   const QString &identifier, bool pcx,
                   const std::optional<GraphicConvert::Options> &convert, Audience audience)
{
    const QString upper = StorageCommands::upperIdentifier(identifier);
    if (const std::optional<QString> refusal =
            OperationBuilders::identifierRefusal(upper, IdentifierUse::StoreGraphic))
        return Built::refused(*refusal);
    const QString fileName = QFileInfo(path).fileName();
    QByteArray graphic = file;
    if (convert) {
        const std::variant<QImage, QString> picture = GraphicConvert::load(file, fileName);
        if (const QString *why = std::get_if<QString>(&picture))
            return Built::refused(*why);
        const auto converted =
            GraphicConvert::convert(std::get<QImage>(picture), *convert, fileName);
        if (const QString *why = std::get_if<QString>(&converted))
            return Built::refused(*why);
        graphic = std::get<GraphicConvert::Converted>(converted).bmp;
    } else if (const std::optional<QString> why = graphicRefusal(file, pcx, fileName, audience)) {
        return Built::refused(*why);
    }
    // Header, the graphic's bytes, a closing line end: three sends.
    const QString typeWord = pcx ? QStringLiteral("PCX") : QStringLiteral("BMP");
    Built store =
        built(label,
              {OperationPart::ofText(StorageCommands::graphicStoreHeader(typeWord, upper)),
               OperationPart::ofBytes(graphic),
               OperationPart::ofText(StorageCommands::graphicStoreEnd())},
              StatusPolicy::ReadFirst);
    store.operation->converted = convert.has_value();
    return store;
}

Built printFormat(const QString &label, QByteArray file)
{
    return built(label, {OperationPart::ofLatin1Text(formatText(std::move(file)))});
}

Built storeFormat(const QString &label, QByteArray file, const QString &identifier)
{
    if (const std::optional<QString> refusal =
            OperationBuilders::identifierRefusal(identifier, IdentifierUse::StoreFormat))
        return Built::refused(*refusal);
    QByteArray stored = formatText(std::move(file));
    StorageCommands::formatStore(identifier, stored);
    return built(label, {OperationPart::ofLatin1Text(stored)}, StatusPolicy::ReadFirst);
}

Built recallImage(const QString &label, const QString &identifier)
{
    if (const std::optional<QString> refusal =
            OperationBuilders::identifierRefusal(identifier, IdentifierUse::Recall))
        return Built::refused(*refusal);
    return text(label, StorageCommands::graphicRecall(identifier));
}

Built recallFormat(const QString &label, const QString &identifier, const QString &quantity)
{
    QStringList refusals;
    if (const std::optional<QString> refusal =
            OperationBuilders::identifierRefusal(identifier, IdentifierUse::Recall))
        refusals << *refusal;
    const std::optional<std::int16_t> count = StorageCommands::recallQuantity(quantity);
    if (!count)
        refusals << StorageCommands::invalidQuantity();
    if (!refusals.isEmpty())
        return {std::nullopt, refusals};
    return text(label, StorageCommands::formatRecall(identifier, *count));
}

Built deleteObject(const QString &label, const QString &identifier)
{
    if (const std::optional<QString> refusal =
            OperationBuilders::identifierRefusal(identifier, IdentifierUse::Delete))
        return Built::refused(*refusal);
    return text(label, StorageCommands::deleteObject(identifier));
}

Built listObjects(const QString &label)
{
    return text(label, StorageCommands::listObjects());
}

Built firmware(const QString &label, const PrinterBytes &file)
{
    return built(label, {OperationPart::ofBytes(file)}, StatusPolicy::ReadFirst);
}

Built fileBytes(const QString &label, const QByteArray &file)
{
    return built(label, {OperationPart::ofBytes(file)});
}

} // namespace OperationBuilders
