#include "virtual/PrinterModel.h"

#include "common/Sha256.h"
#include "common/TerminalText.h"
#include "printer/GraphicConvert.h"

#include <QBuffer>
#include <QImage>
#include <QJsonArray>

namespace
{

struct ConditionName {
    PrinterModel::Condition condition;
    const char *word;
};

constexpr ConditionName conditionNames[] = {
    {PrinterModel::Condition::Ready, "ready"},
    {PrinterModel::Condition::PaperLow, "paper-low"},
    {PrinterModel::Condition::NoPaper, "no-paper"},
    {PrinterModel::Condition::RibbonOut, "ribbon-out"},
    {PrinterModel::Condition::HeadOpen, "head-open"},
    {PrinterModel::Condition::Jammed, "jammed"},
    {PrinterModel::Condition::Paused, "paused"},
};

QString shown(const QByteArray &bytes)
{
    return TerminalText::escaped(QString::fromLatin1(bytes));
}

QByteArray pngOf(const QByteArray &bytes, GraphicCheck::Type type)
{
    const QImage picture = GraphicConvert::picture(bytes, type);
    if (picture.isNull())
        return {};
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    return png;
}

} // namespace

QString PrinterModel::conditionWord(Condition condition)
{
    for (const ConditionName &name : conditionNames) {
        if (name.condition == condition)
            return QLatin1String(name.word);
    }
    return {};
}

std::optional<PrinterModel::Condition> PrinterModel::conditionOf(const QString &word)
{
    for (const ConditionName &name : conditionNames) {
        if (word == QLatin1String(name.word))
            return name.condition;
    }
    return std::nullopt;
}

QStringList PrinterModel::conditionWords()
{
    QStringList words;
    for (const ConditionName &name : conditionNames)
        words << QLatin1String(name.word);
    return words;
}

bool PrinterModel::prints(Condition condition)
{
    return condition == Condition::Ready || condition == Condition::PaperLow;
}

PrinterModel::PrinterModel(QString name) : m_name(std::move(name)) {}

void PrinterModel::setCondition(Condition condition)
{
    if (condition != m_condition)
        note(QStringLiteral("condition: ") + conditionWord(condition));
    m_condition = condition;
}

void PrinterModel::schedule(Condition condition, qint64 afterLabels)
{
    m_scheduled = std::make_pair(condition, m_odometer + afterLabels);
    if (afterLabels <= 0) {
        setCondition(condition);
        m_scheduled.reset();
    }
}

void PrinterModel::note(const QString &what)
{
    m_transcript.push_back(what);
    while (m_transcript.size() > transcriptLength)
        m_transcript.pop_front();
}

QStringList PrinterModel::transcript() const
{
    return QStringList(m_transcript.begin(), m_transcript.end());
}

void PrinterModel::printLabels(const QString &what, qint64 count)
{
    // Labels come out one by one until the printer stops: a scheduled
    // condition may fall in the middle of a quantity.
    qint64 printed = 0;
    while (printed < count && prints(m_condition)) {
        const qint64 stop = m_scheduled ? m_scheduled->second : m_odometer + count;
        const qint64 run = std::min(count - printed, std::max<qint64>(0, stop - m_odometer));
        if (run == 0)
            break;
        printed += run;
        m_odometer += run;
        if (m_scheduled && m_odometer >= m_scheduled->second) {
            setCondition(m_scheduled->first);
            m_scheduled.reset();
        }
    }
    m_refusedLabels += count - printed;
    note(QStringLiteral("printed %1 × %2").arg(printed).arg(what) +
         (printed < count ? QStringLiteral(", %1 not printed: %2")
                                .arg(count - printed)
                                .arg(conditionWord(m_condition))
                          : QString()));
    if (what.endsWith(QLatin1String("test label")))
        m_testLabels += printed;
    else if (what.startsWith(QLatin1String("format ")))
        m_recalledLabels += printed;
    else
        m_otherLabels += printed;
}

bool PrinterModel::apply(const PrinterCommand &command)
{
    using Kind = PrinterCommand::Kind;
    switch (command.kind) {
    case Kind::Setting:
        m_settings[command.name] = command.value;
        note(QStringLiteral("setting %1 %2")
                 .arg(shown(command.name.toLatin1()), shown(command.value.toLatin1())));
        break;
    case Kind::SettingsWritten:
        note(QStringLiteral("settings written"));
        break;
    case Kind::Calibrate:
        ++m_calibrations;
        note(QStringLiteral("media calibrated"));
        break;
    case Kind::Labels:
        if (!command.value.isEmpty() && !m_objects.contains(command.value))
            note(QStringLiteral("graphic %1 is not stored").arg(shown(command.value.toLatin1())));
        printLabels(command.name, command.count);
        break;
    case Kind::GraphicStored: {
        const QString kind = command.graphicType == GraphicCheck::Type::Bmp ? QStringLiteral("BMP")
                                                                            : QStringLiteral("PCX");
        m_objects[command.name] = StoredObject{kind, command.size, Sha256::of(command.bytes),
                                               pngOf(command.bytes, command.graphicType)};
        note(QStringLiteral("graphic %1 stored, %2, %3 bytes")
                 .arg(shown(command.name.toLatin1()), kind)
                 .arg(command.size));
        break;
    }
    case Kind::FormatStored:
        m_objects[command.name] =
            StoredObject{QStringLiteral("format"), command.size, Sha256::of(command.bytes), {}};
        note(QStringLiteral("format %1 stored, %2 bytes")
                 .arg(shown(command.name.toLatin1()))
                 .arg(command.size));
        break;
    case Kind::FormatRecalled: {
        // Recall names the format in capitals; it was stored as typed.
        auto found = m_objects.constEnd();
        for (auto it = m_objects.constBegin(); it != m_objects.constEnd(); ++it) {
            if (it->kind == QLatin1String("format") &&
                it.key().compare(command.name, Qt::CaseInsensitive) == 0)
                found = it;
        }
        if (found == m_objects.constEnd())
            note(QStringLiteral("format %1 is not stored: nothing printed")
                     .arg(shown(command.name.toLatin1())));
        else
            printLabels(QStringLiteral("format ") + shown(found.key().toLatin1()), command.count);
        break;
    }
    case Kind::Deleted:
        note(
            m_objects.remove(command.name) > 0
                ? QStringLiteral("%1 deleted").arg(shown(command.name.toLatin1()))
                : QStringLiteral("%1 to delete is not stored").arg(shown(command.name.toLatin1())));
        break;
    case Kind::ListObjects:
        printLabels(QStringLiteral("list of stored objects"), 1);
        break;
    case Kind::FirmwareStarted:
        note(QStringLiteral("firmware image arriving"));
        break;
    case Kind::Firmware: {
        const int received = m_firmware ? m_firmware->received + 1 : 1;
        m_firmware = Firmware{command.size, command.bytes, received};
        note(QStringLiteral("firmware image received, %1 bytes, SHA-256 %2")
                 .arg(command.size)
                 .arg(QString::fromLatin1(command.bytes.toHex())));
        return true;
    }
    case Kind::Unknown:
        m_unknownBytes += command.size;
        note(QStringLiteral("%1 (%2 bytes): %3")
                 .arg(command.name)
                 .arg(command.size)
                 .arg(shown(command.bytes)));
        break;
    }
    return false;
}

QString PrinterModel::display() const
{
    if (restarting)
        return QStringLiteral("RESTARTING");
    switch (m_condition) {
    case Condition::Ready:
        return QStringLiteral("READY");
    case Condition::PaperLow:
        return QStringLiteral("PAPER LOW");
    case Condition::NoPaper:
        return QStringLiteral("PAPER OUT");
    case Condition::RibbonOut:
        return QStringLiteral("RIBBON OUT");
    case Condition::HeadOpen:
        return QStringLiteral("HEAD OPEN");
    case Condition::Jammed:
        return QStringLiteral("PAPER JAM");
    case Condition::Paused:
        return QStringLiteral("PAUSED");
    }
    return {};
}

QJsonObject PrinterModel::toJson() const
{
    QJsonObject settings;
    for (auto it = m_settings.constBegin(); it != m_settings.constEnd(); ++it)
        settings.insert(it.key(), it.value());
    QJsonArray objects;
    for (auto it = m_objects.constBegin(); it != m_objects.constEnd(); ++it) {
        objects.append(
            QJsonObject{{QStringLiteral("name"), it.key()},
                        {QStringLiteral("kind"), it->kind},
                        {QStringLiteral("size"), it->size},
                        {QStringLiteral("sha256"), QString::fromLatin1(it->sha256.toHex())}});
    }
    QJsonObject json{
        {QStringLiteral("printer"), m_name},
        {QStringLiteral("serial"), serialNumber},
        {QStringLiteral("state"), conditionWord(m_condition)},
        {QStringLiteral("display"), display()},
        {QStringLiteral("restarting"), restarting},
        {QStringLiteral("settings"), settings},
        {QStringLiteral("calibrations"), m_calibrations},
        {QStringLiteral("odometer"), QJsonObject{{QStringLiteral("labels"), m_odometer},
                                                 {QStringLiteral("test"), m_testLabels},
                                                 {QStringLiteral("recalled"), m_recalledLabels},
                                                 {QStringLiteral("other"), m_otherLabels},
                                                 {QStringLiteral("not printed"), m_refusedLabels}}},
        {QStringLiteral("objects"), objects},
        {QStringLiteral("bytes"), m_bytesReceived},
        {QStringLiteral("unknown bytes"), m_unknownBytes},
        {QStringLiteral("transcript"), QJsonArray::fromStringList(transcript())},
    };
    if (m_scheduled)
        json.insert(QStringLiteral("scheduled"),
                    QJsonObject{{QStringLiteral("set"), conditionWord(m_scheduled->first)},
                                {QStringLiteral("at labels"), m_scheduled->second}});
    if (m_firmware)
        json.insert(
            QStringLiteral("firmware"),
            QJsonObject{{QStringLiteral("size"), m_firmware->size},
                        {QStringLiteral("sha256"), QString::fromLatin1(m_firmware->sha256.toHex())},
                        {QStringLiteral("received"), m_firmware->received}});
    QJsonObject faultsJson;
    if (faults.readRate > 0)
        faultsJson.insert(QStringLiteral("slow"), faults.readRate);
    if (faults.stopsReading)
        faultsJson.insert(QStringLiteral("stall"), true);
    if (faults.resetAfter > 0)
        faultsJson.insert(QStringLiteral("reset"), faults.resetAfter);
    if (faults.vanished)
        faultsJson.insert(QStringLiteral("vanish"), true);
    if (faults.snmpSilent)
        faultsJson.insert(QStringLiteral("snmp-silent"), true);
    if (faults.snmpDelayMs > 0)
        faultsJson.insert(QStringLiteral("snmp-slow"), faults.snmpDelayMs);
    json.insert(QStringLiteral("faults"), faultsJson);
    return json;
}
