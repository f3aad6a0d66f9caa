#include "cli/Actions.h"

#include "link/PrinterLink.h"
#include "printer/CalibrationBlocks.h"
#include "printer/FormatLines.h"
#include "printer/StorageCommands.h"
#include "printer/TestLabels.h"

#include <QFileInfo>

Transmission Transmission::ofText(const QString &text)
{
    return {true, PrinterLink::textBytes(text)};
}

qint64 Action::size() const
{
    qint64 total = 0;
    for (const Transmission &part : parts)
        total += part.size();
    return total;
}

namespace Actions
{

namespace
{

Built built(const QString &label, QList<Transmission> parts)
{
    return {Action{label, std::move(parts)}, {}};
}

Built text(const QString &label, const QString &block)
{
    return built(label, {Transmission::ofText(block)});
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

std::optional<QString> identifierArgumentRefusal(const QString &identifier, IdentifierUse use)
{
    // The window asks again for an empty name; a script has to be told.
    if (identifier.isEmpty())
        return QStringLiteral("an empty identifier: the printer could never be asked for it");
    return StorageCommands::identifierRefusal(identifier, use);
}

Built calibrate(const QString &label, const QString &indexType, const QString &printType,
                const std::optional<QString> &ribbon)
{
    using namespace CalibrationBlocks;
    QStringList refusals;
    const std::optional<QString> index = listed(indexTypes(), indexType);
    if (!index)
        refusals << indexTypes().message;
    const std::optional<QString> print = listed(printTypes(), printType);
    if (!print)
        refusals << printTypes().message;
    // The window's start text; it hides the ribbon for direct thermal.
    QString ribbonType = ribbonTypes().fallback;
    if (ribbon) {
        const std::optional<QString> chosen = listed(ribbonTypes(), *ribbon, true);
        if (!chosen)
            refusals << ribbonTypes().message;
        else if (print && !needsRibbon(*print))
            refusals << QStringLiteral("--ribbon is for thermal transfer (--print-type TT) only");
        else
            ribbonType = *chosen;
    }
    if (!refusals.isEmpty())
        return {std::nullopt, refusals};
    // Two transmissions, as the Calibrate button sends them.
    return built(label, {Transmission::ofText(settingsBlock(*index, *print, ribbonType)),
                         Transmission::ofText(calibrateBlock())});
}

Built testLabel(const QString &label, const QString &which)
{
    if (which == QLatin1String("1"))
        return text(label, TestLabels::fourByThree());
    if (which == QLatin1String("2"))
        return text(label, TestLabels::twoPointFourByOne());
    return Built::refused(QStringLiteral("--test-label takes 1 (the 4X3 label) or 2 (the 2.4X1 "
                                         "label), not \"%1\"")
                              .arg(which));
}

Built storeGraphic(const QString &label, const QString &path, const QByteArray &file,
                   const QString &identifier, bool pcx,
                   const std::optional<GraphicConvert::Options> &convert)
{
    const QString upper = StorageCommands::upperIdentifier(identifier);
    if (const std::optional<QString> refusal =
            identifierArgumentRefusal(upper, IdentifierUse::StoreGraphic))
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
    } else if (const auto checked = GraphicCheck::check(
                   file, pcx ? GraphicCheck::Type::Pcx : GraphicCheck::Type::Bmp, fileName);
               std::holds_alternative<QString>(checked)) {
        return Built::refused(std::get<QString>(checked));
    }
    // Header, the graphic's bytes, a closing line end: three sends.
    const QString typeWord = pcx ? QStringLiteral("PCX") : QStringLiteral("BMP");
    Built store =
        built(label, {Transmission::ofText(StorageCommands::graphicStoreHeader(typeWord, upper)),
                      Transmission::ofBytes(graphic),
                      Transmission::ofText(StorageCommands::graphicStoreEnd())});
    store.action->converted = convert.has_value();
    return store;
}

Built printFormat(const QString &label, const QByteArray &file)
{
    return built(label, {Transmission::ofLatin1Text(formatText(file))});
}

Built storeFormat(const QString &label, const QByteArray &file, const QString &identifier)
{
    if (const std::optional<QString> refusal =
            identifierArgumentRefusal(identifier, IdentifierUse::StoreFormat))
        return Built::refused(*refusal);
    QByteArray stored = formatText(file);
    StorageCommands::formatStore(identifier, stored);
    return built(label, {Transmission::ofLatin1Text(stored)});
}

Built recallImage(const QString &label, const QString &identifier)
{
    if (const std::optional<QString> refusal =
            identifierArgumentRefusal(identifier, IdentifierUse::Recall))
        return Built::refused(*refusal);
    return text(label, StorageCommands::graphicRecall(identifier));
}

Built recallFormat(const QString &label, const QString &identifier, const QString &quantity)
{
    QStringList refusals;
    if (const std::optional<QString> refusal =
            identifierArgumentRefusal(identifier, IdentifierUse::Recall))
        refusals << *refusal;
    const std::optional<std::int16_t> count = StorageCommands::recallQuantity(quantity);
    if (!count)
        refusals << StorageCommands::invalidQuantity;
    if (!refusals.isEmpty())
        return {std::nullopt, refusals};
    return text(label, StorageCommands::formatRecall(identifier, *count));
}

Built deleteObject(const QString &label, const QString &identifier)
{
    if (const std::optional<QString> refusal =
            identifierArgumentRefusal(identifier, IdentifierUse::Delete))
        return Built::refused(*refusal);
    return text(label, StorageCommands::deleteObject(identifier));
}

Built listObjects(const QString &label)
{
    return text(label, StorageCommands::listObjects());
}

Built fileBytes(const QString &label, const QByteArray &file)
{
    return built(label, {Transmission::ofBytes(file)});
}

} // namespace Actions
