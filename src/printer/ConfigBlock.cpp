#include "printer/ConfigBlock.h"

#include "printer/CommandLines.h"

bool ConfigValues::anySwitchOn() const
{
    return isOn(darknessSwitch) || isOn(widthSwitch) || isOn(emulationSwitch) ||
           isOn(printModeSwitch) || isOn(printSpeedSwitch) || isOn(textBufferSwitch);
}

namespace ConfigBlock
{

QString build(const ConfigValues &values)
{
    QStringList lines{CommandLines::blockHeader};
    if (isOn(values.darknessSwitch))
        lines << QStringLiteral("VARIABLE DARKNESS ") + values.darkness;
    if (isOn(values.widthSwitch))
        lines << QStringLiteral("VARIABLE WIDTH ") + values.width;
    if (isOn(values.emulationSwitch)) {
        if (isOn(values.emulationOff))
            lines << QStringLiteral("VARIABLE MODE 0");
        else
            lines << QStringLiteral("VARIABLE MODE 2 ") + QString::number(values.scaler);
    }
    if (isOn(values.printModeSwitch))
        lines << QStringLiteral("VARIABLE PRINT_MODE ") + values.printMode;
    if (isOn(values.printSpeedSwitch))
        lines << QStringLiteral("VARIABLE ") + values.printSpeed;
    if (isOn(values.textBufferSwitch))
        lines << QStringLiteral("VARIABLE TXTBFR ") + QString::number(values.mainBuffer) +
                     QLatin1Char(' ') + QString::number(values.overflowBuffer);
    lines << QStringLiteral("VARIABLE WRITE") << QStringLiteral("END");
    return CommandLines::join(lines);
}

} // namespace ConfigBlock
