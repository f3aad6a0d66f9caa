#include "printer/ConfigBlock.h"

#include "printer/CommandLines.h"

bool ConfigValues::anySwitchOn() const
{
    return darknessOn || widthOn || emulationOn || printModeOn || printSpeedOn || textBufferOn;
}

namespace ConfigBlock
{

QString build(const ConfigValues &values)
{
    QStringList lines{CommandLines::blockHeader};
    if (values.darknessOn)
        lines << QStringLiteral("VARIABLE DARKNESS ") + values.darkness;
    if (values.widthOn)
        lines << QStringLiteral("VARIABLE WIDTH ") + values.width;
    if (values.emulationOn) {
        if (values.emulationOff)
            lines << QStringLiteral("VARIABLE MODE 0");
        else
            lines << QStringLiteral("VARIABLE MODE 2 ") + QString::number(values.scaler);
    }
    if (values.printModeOn)
        lines << QStringLiteral("VARIABLE PRINT_MODE ") + values.printMode;
    if (values.printSpeedOn)
        lines << QStringLiteral("VARIABLE ") + values.printSpeed;
    if (values.textBufferOn)
        lines << QStringLiteral("VARIABLE TXTBFR ") + QString::number(values.mainBuffer) +
                     QLatin1Char(' ') + QString::number(values.overflowBuffer);
    lines << QStringLiteral("VARIABLE WRITE") << QStringLiteral("END");
    return CommandLines::join(lines);
}

} // namespace ConfigBlock
