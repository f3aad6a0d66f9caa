#include "printer/ConfigBlock.h"

bool ConfigValues::anySwitchOn() const
{
    return darknessOn || widthOn || emulationOn || printModeOn || printSpeedOn || textBufferOn;
}

namespace ConfigBlock
{

QString build(const ConfigValues &values)
{
    const QString lineEnd = QStringLiteral("\r\n");
    QString block = QStringLiteral("! 0 0 0 0") + lineEnd;
    if (values.darknessOn)
        block += QStringLiteral("VARIABLE DARKNESS ") + values.darkness + lineEnd;
    if (values.widthOn)
        block += QStringLiteral("VARIABLE WIDTH ") + values.width + lineEnd;
    if (values.emulationOn) {
        if (values.emulationOff)
            block += QStringLiteral("VARIABLE MODE 0") + lineEnd;
        else
            block += QStringLiteral("VARIABLE MODE 2 ") + QString::number(values.scaler) + lineEnd;
    }
    if (values.printModeOn)
        block += QStringLiteral("VARIABLE PRINT_MODE ") + values.printMode + lineEnd;
    if (values.printSpeedOn)
        block += QStringLiteral("VARIABLE ") + values.printSpeed + lineEnd;
    if (values.textBufferOn)
        block += QStringLiteral("VARIABLE TXTBFR ") + QString::number(values.mainBuffer) +
                 QLatin1Char(' ') + QString::number(values.overflowBuffer) + lineEnd;
    block += QStringLiteral("VARIABLE WRITE") + lineEnd;
    block += QStringLiteral("END");
    return block;
}

} // namespace ConfigBlock
