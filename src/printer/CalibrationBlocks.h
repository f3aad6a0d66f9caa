#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// The calibration choices and the two command blocks that a calibration
// sends: the first sets the index setting and feed type, the second asks the
// printer to calibrate. Comparisons are exact and case-sensitive.
namespace CalibrationBlocks
{

// One combo box's accepted texts, in the order its list shows them, and what
// a refused text gets: a message, its title, and the text put back.
struct Choice {
    QStringList items;
    const char *messageSource;
    const char *titleSource;
    QString fallback;

    // In the language of the program's texts.
    QString message() const
    {
        return QCoreApplication::translate("CalibrationBlocks", messageSource);
    }
    QString title() const { return QCoreApplication::translate("CalibrationBlocks", titleSource); }

    bool accepts(const QString &text) const { return items.contains(text); }
};

const Choice &indexTypes();  // "GAP", "BAR"
const Choice &printTypes();  // "DT", "TT"
const Choice &ribbonTypes(); // "WAX", "WAX/RESIN COMBO", "PREMIUM RESIN"

// Thermal transfer needs the ribbon; "DT" and anything unknown read as
// direct thermal.
bool needsRibbon(const QString &printType);

// "V INDEX SETTING " with 0, 2 or 3 for the print type and ribbon.
QString indexSettingLine(const QString &printType, const QString &ribbon);

// "! 0 0 0 0", the index setting, "V FEED_TYPE " with the index type,
// "V WRITE", "END"; CR LF between lines, none after the last.
QString settingsBlock(const QString &indexType, const QString &printType, const QString &ribbon);

// The block that starts the calibration; the same every time.
QString calibrateBlock();

} // namespace CalibrationBlocks
