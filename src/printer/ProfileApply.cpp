#include "printer/ProfileApply.h"

namespace ProfileApply
{

namespace
{

using Check = std::optional<ConfigRules::Refusal> (*)(const QString &);

class Import
{
public:
    Import(const ConfigRules::TabState &state, const ProfileRecord &record) : m_record(record)
    {
        result.state = state;
    }

    // Puts one field in; the detail of a refusal that ends the import.
    std::optional<QString> put(Field field)
    {
        ConfigValues &values = result.state.values;
        const ProfileRecord &r = m_record;
        switch (field) {
        case Field::DarkEnable:
            return setSwitch(values.darknessSwitch, r.DarkEnable);
        case Field::Darkness:
            if (std::optional<QString> outside = outsideOf(r.Darkness, ConfigRules::darknessRange))
                return outside;
            values.darkness = QString::number(r.Darkness);
            return std::nullopt;
        case Field::EmulationEnable:
            return setSwitch(values.emulationSwitch, r.EmulationEnable);
        case Field::EmulationOff:
            return setSwitch(values.emulationOff, r.EmulationOff);
        case Field::Scaler:
            return setSlider(values.scaler, r.Scaler, ConfigRules::scalerRange);
        case Field::PrintSpeedEnable:
            return setSwitch(values.printSpeedSwitch, r.PrintSpeedEnable);
        case Field::PrintSpeed:
            return setText(field, values.printSpeed, r.PrintSpeed, &ConfigRules::checkPrintSpeed);
        case Field::TextBufferEnable:
            return setSwitch(values.textBufferSwitch, r.TextBufferEnable);
        case Field::MainBuffer:
            if (std::optional<QString> outside =
                    outsideOf(r.MainBuffer, ConfigRules::mainBufferRange))
                return outside;
            ConfigRules::setMainBuffer(result.state, r.MainBuffer);
            return std::nullopt;
        case Field::OverflowBuffer:
            return setSlider(values.overflowBuffer, r.OverflowBuffer,
                             {0, result.state.overflowMaximum});
        case Field::Width:
            return setText(field, values.width, r.Width, &ConfigRules::checkWidth);
        case Field::WidthEnable:
            return setSwitch(values.widthSwitch, r.WidthEnable);
        case Field::PrintModeEnable:
            return setSwitch(values.printModeSwitch, r.PrintModeEnable);
        case Field::PrintMode:
            return setText(field, values.printMode, r.PrintMode, &ConfigRules::checkPrintMode);
        }
        return std::nullopt;
    }

    Result result;

private:
    static std::optional<QString> setSwitch(SwitchState &target, std::int16_t stored)
    {
        const std::optional<SwitchState> state = ConfigRules::switchState(stored);
        if (!state)
            return QStringLiteral("%1; a switch is 0 (off), 1 (on) or 2 (grayed)").arg(stored);
        target = *state;
        return std::nullopt;
    }

    static std::optional<QString> outsideOf(std::int32_t value, ConfigRules::Range range)
    {
        if (range.contains(value))
            return std::nullopt;
        return QStringLiteral("%1; the slider takes %2 to %3")
            .arg(value)
            .arg(range.minimum)
            .arg(range.maximum);
    }

    static std::optional<QString> setSlider(std::int32_t &target, std::int32_t value,
                                            ConfigRules::Range range)
    {
        std::optional<QString> outside = outsideOf(value, range);
        if (!outside)
            target = value;
        return outside;
    }

    std::optional<QString> setText(Field field, QString &target, const QString &text, Check check)
    {
        target = text;
        if (const std::optional<ConfigRules::Refusal> refused = check(text)) {
            result.refusals << TextRefusal{field, text, *refused};
            target = refused->fallback;
        }
        return std::nullopt;
    }

    const ProfileRecord &m_record;
};

} // namespace

const QList<Field> &fields()
{
    static const QList<Field> order{Field::DarkEnable,      Field::Darkness,
                                    Field::EmulationEnable, Field::EmulationOff,
                                    Field::Scaler,          Field::PrintSpeedEnable,
                                    Field::PrintSpeed,      Field::TextBufferEnable,
                                    Field::MainBuffer,      Field::OverflowBuffer,
                                    Field::Width,           Field::WidthEnable,
                                    Field::PrintModeEnable, Field::PrintMode};
    return order;
}

QString fieldName(Field field)
{
    static const char *const names[] = {
        "DarkEnable",      "Darkness",         "EmulationEnable", "EmulationOff",
        "Scaler",          "PrintSpeedEnable", "PrintSpeed",      "TextBufferEnable",
        "MainBuffer",      "OverflowBuffer",   "Width",           "WidthEnable",
        "PrintModeEnable", "PrintMode"};
    return QLatin1String(names[int(field)]);
}

const TextRefusal *Result::refusalOf(Field field) const
{
    for (const TextRefusal &refused : refusals) {
        if (refused.field == field)
            return &refused;
    }
    return nullptr;
}

Result apply(const ConfigRules::TabState &state, const ProfileRecord &record)
{
    Import import(state, record);
    for (const Field field : fields()) {
        if (std::optional<QString> refused = import.put(field)) {
            import.result.stop = Stop{field, Failures::invalidValue(),
                                      fieldName(field) + QLatin1Char(' ') + *refused};
            break;
        }
    }
    return std::move(import.result);
}

} // namespace ProfileApply
