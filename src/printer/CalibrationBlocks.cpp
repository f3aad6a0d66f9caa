#include "printer/CalibrationBlocks.h"

#include "printer/CommandLines.h"

namespace CalibrationBlocks
{

const Choice &indexTypes()
{
    static const Choice choice{
        {QStringLiteral("GAP"), QStringLiteral("BAR")},
        QT_TRANSLATE_NOOP("CalibrationBlocks", "Index type must be BAR or GAP"),
        QT_TRANSLATE_NOOP("CalibrationBlocks", "CALIBRATION"),
        QStringLiteral("GAP")};
    return choice;
}

const Choice &printTypes()
{
    // Mixed-case title, unlike the other two checks: users know it this way.
    static const Choice choice{
        {QStringLiteral("DT"), QStringLiteral("TT")},
        QT_TRANSLATE_NOOP("CalibrationBlocks", "Print Type must be DT or TT"),
        QT_TRANSLATE_NOOP("CalibrationBlocks", "Calibration"),
        QStringLiteral("DT")};
    return choice;
}

const Choice &ribbonTypes()
{
    // "Preimum" is the message's established spelling; keep it.
    static const Choice choice{
        {QStringLiteral("WAX"), QStringLiteral("WAX/RESIN COMBO"), QStringLiteral("PREMIUM RESIN")},
        QT_TRANSLATE_NOOP("CalibrationBlocks", "Type must be Wax, Wax/Resin, or Preimum Resin"),
        QT_TRANSLATE_NOOP("CalibrationBlocks", "CALIBRATION"),
        QStringLiteral("WAX")};
    return choice;
}

bool needsRibbon(const QString &printType)
{
    return printType == QLatin1String("TT");
}

QString indexSettingLine(const QString &printType, const QString &ribbon)
{
    int setting = 0;
    if (needsRibbon(printType)) {
        if (ribbon == QLatin1String("WAX"))
            setting = 2;
        else if (ribbon == QLatin1String("WAX/RESIN COMBO") ||
                 ribbon == QLatin1String("PREMIUM RESIN"))
            setting = 3;
    }
    return QStringLiteral("V INDEX SETTING %1").arg(setting);
}

QString settingsBlock(const QString &indexType, const QString &printType, const QString &ribbon)
{
    return CommandLines::join({CommandLines::blockHeader, indexSettingLine(printType, ribbon),
                               QStringLiteral("V FEED_TYPE ") + indexType,
                               QStringLiteral("V WRITE"), QStringLiteral("END")});
}

QString calibrateBlock()
{
    return CommandLines::join({CommandLines::blockHeader,
                               QStringLiteral("V INDEX SETTING CALIBRATE"),
                               QStringLiteral("V WRITE"), QStringLiteral("END")});
}

} // namespace CalibrationBlocks
