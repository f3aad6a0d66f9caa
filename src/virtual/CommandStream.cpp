#include "virtual/CommandStream.h"

#include "printer/CalibrationBlocks.h"
#include "printer/CommandLines.h"
#include "printer/ConfigBlock.h"
#include "printer/ConfigRules.h"
#include "printer/StorageCommands.h"
#include "printer/TestLabels.h"

#include <QRegularExpression>

namespace
{

using Kind = PrinterCommand::Kind;

// The printer's words, read from the texts the utility builds: a marker
// stands where a name or number goes, and what is around it is the word.
const QChar marker = QChar(0x01);

struct Words {
    QString recallPrefix, recallMiddle;             // "!R F " name " 0 100 A " quantity
    QString deletePrefix;                           // "!D " name
    QString listLine;                               // "!L"
    QString formatStorePrefix;                      // "!S~ 3 F " name
    QString graphicStorePrefix, graphicStoreMiddle; // "GRAPHIC STORE " type " 3 " name
    QString graphicRecallPrefix;                    // "GRAPHIC RECALL " name " x y "
    QString settingsWrite, calibrationWrite;        // "VARIABLE WRITE", "V WRITE"
    QString calibrateLine;                          // "V INDEX SETTING CALIBRATE"
    QString indexSetting;                           // "INDEX SETTING"
    QString endLine;                                // "END"
};

QString before(const QString &text, const QString &mark)
{
    return text.left(text.indexOf(mark));
}

QString between(const QString &text, const QString &from, const QString &to)
{
    const qsizetype start = text.indexOf(from) + from.size();
    return text.mid(start, text.indexOf(to, start) - start);
}

const Words &words()
{
    static const Words built = [] {
        Words w;
        const QString name = QString(marker);
        const QString lineEnd = CommandLines::lineEnd;
        const QString recall = StorageCommands::formatRecall(name, 7);
        w.recallPrefix = before(recall, name);
        w.recallMiddle = between(recall, name, QStringLiteral("7"));
        w.deletePrefix = before(StorageCommands::deleteObject(name), name);
        w.listLine = before(StorageCommands::listObjects(), lineEnd);
        QByteArray format = QByteArrayLiteral("first\r\n");
        StorageCommands::formatStore(name, format);
        w.formatStorePrefix = before(QString::fromLatin1(format), name);
        const QString type = QString(QChar(0x02));
        const QStringList graphic = StorageCommands::graphicStoreHeader(type, name).split(lineEnd);
        w.graphicStorePrefix = before(graphic.value(1), type);
        w.graphicStoreMiddle = between(graphic.value(1), type, name);
        w.graphicRecallPrefix =
            before(StorageCommands::graphicRecall(name).split(lineEnd).value(1), name);
        const QStringList settings = ConfigBlock::build({}).split(lineEnd);
        w.settingsWrite = settings.value(settings.size() - 2);
        w.endLine = settings.last();
        const QStringList calibrate = CalibrationBlocks::calibrateBlock().split(lineEnd);
        w.calibrateLine = calibrate.value(1);
        w.calibrationWrite = calibrate.value(2);
        const QString index = CalibrationBlocks::indexSettingLine(QString(), QString());
        w.indexSetting = index.mid(index.indexOf(QLatin1Char(' ')) + 1);
        w.indexSetting.truncate(w.indexSetting.lastIndexOf(QLatin1Char(' ')));
        return w;
    }();
    return built;
}

// "VARIABLE" and "V": the first word of the settings lines.
QString firstWord(const QString &line)
{
    return line.left(line.indexOf(QLatin1Char(' ')));
}

bool isEndLine(const QByteArray &line)
{
    return line.compare(words().endLine.toLatin1(), Qt::CaseInsensitive) == 0;
}

// Whether `bytes` begin with a command's "!", after any line ends.
bool beginsAsCommand(const QByteArray &bytes)
{
    for (const char byte : bytes)
        if (byte != '\r' && byte != '\n')
            return byte == '!';
    return false;
}

} // namespace

CommandStream::CommandStream(Sink sink) : m_sink(std::move(sink)) {}

CommandStream::~CommandStream() = default;

void CommandStream::emitCommand(PrinterCommand command)
{
    m_sink(command);
}

void CommandStream::beginConnection()
{
    if (m_mode == Mode::Unknown)
        flushUnknown();
    if (m_mode == Mode::Idle || m_mode == Mode::Unknown)
        m_mode = Mode::Start;
    m_leading.clear();
}

void CommandStream::endConnection()
{
    if (m_mode == Mode::Unknown) {
        flushUnknown();
        m_mode = Mode::Idle;
    } else if (m_mode == Mode::Firmware && m_firmwareSize < minFirmware) {
        // Too short for an image: garbage, as a line at the wrong rate
        // brings, or commands after all when it began as one does.
        const QByteArray head = m_firmwareHead;
        const qint64 size = m_firmwareSize;
        m_firmwareHash.reset();
        m_firmwareSize = 0;
        m_mode = Mode::Idle;
        if (beginsAsCommand(head)) {
            feed(head);
            endConnection();
        } else {
            unknown(head, QStringLiteral("not a command"), size);
        }
    } else if (m_mode == Mode::FirstLine) {
        // A command's line may go on in the next connection.
        m_mode = Mode::Header;
    } else if (m_mode == Mode::Firmware) {
        PrinterCommand done{Kind::Firmware};
        done.size = m_firmwareSize;
        done.bytes = m_firmwareHash->result();
        m_firmwareHash.reset();
        m_firmwareSize = 0;
        m_mode = Mode::Idle;
        emitCommand(done);
    } else if (m_mode == Mode::Start) {
        m_mode = Mode::Idle;
    }
}

void CommandStream::reset()
{
    QByteArray partial;
    switch (m_mode) {
    case Mode::FirstLine:
    case Mode::Header:
    case Mode::Unknown:
        partial = m_line;
        break;
    case Mode::Block:
    case Mode::Format:
        partial = m_blockText + m_line;
        break;
    case Mode::Graphic:
        partial = m_object;
        break;
    case Mode::Firmware:
        unknown(m_firmwareHead, QStringLiteral("firmware image cut short by a restart"),
                m_firmwareSize);
        break;
    default:
        break;
    }
    if (m_mode == Mode::Unknown)
        flushUnknown();
    else if (!partial.isEmpty())
        unknown(partial, QStringLiteral("cut short by a restart"));
    m_mode = Mode::Idle;
    m_line.clear();
    m_blockText.clear();
    m_object.clear();
    m_pendingSettings.clear();
    m_firmwareHash.reset();
    m_firmwareSize = 0;
}

void CommandStream::unknown(const QByteArray &bytes, const QString &why, qint64 size)
{
    PrinterCommand command{Kind::Unknown};
    command.name = why;
    command.bytes = bytes.left(keptUnknown);
    command.size = size < 0 ? bytes.size() : size;
    emitCommand(command);
}

void CommandStream::flushUnknown()
{
    if (m_unknownSize > 0)
        unknown(m_unknown, QStringLiteral("not a command"), m_unknownSize);
    m_unknown.clear();
    m_unknownSize = 0;
}

void CommandStream::feed(const char *data, qsizetype size)
{
    const char *end = data + size;
    while (data < end) {
        switch (m_mode) {
        case Mode::Firmware: {
            const qsizetype size = end - data;
            m_firmwareHash->add(QByteArrayView(data, size));
            if (m_firmwareSize < minFirmware)
                m_firmwareHead.append(data,
                                      std::min<qsizetype>(size, minFirmware - m_firmwareSize));
            const bool started =
                m_firmwareSize < minFirmware && m_firmwareSize + size >= minFirmware;
            m_firmwareSize += size;
            data = end;
            if (started)
                emitCommand(PrinterCommand{Kind::FirmwareStarted});
            break;
        }
        case Mode::Graphic:
            takeGraphic(data, end);
            break;
        case Mode::Start: {
            const char byte = *data++;
            if (byte == '\r' || byte == '\n') {
                if (m_leading.size() < 64)
                    m_leading += byte;
                break;
            }
            if (byte == '!') {
                m_mode = Mode::FirstLine;
                m_line = "!";
                break;
            }
            startFirmware(m_leading);
            --data; // taken again as the image's
            break;
        }
        case Mode::FirstLine: {
            // An image may begin with "!" too: only a line the printer
            // knows as a command makes the connection commands.
            const char byte = *data++;
            m_line += byte;
            if (byte == '\n') {
                const qsizetype end = m_line.size() - (m_line.endsWith("\r\n") ? 2 : 1);
                if (header(QString::fromLatin1(m_line.first(end)))) {
                    m_line.clear();
                    break;
                }
            } else if (m_leading.size() + m_line.size() < minFirmware) {
                break;
            }
            startFirmware(m_leading + m_line);
            m_line.clear();
            break;
        }
        case Mode::Idle:
            takeIdle(*data++);
            break;
        case Mode::Unknown: {
            const char byte = *data++;
            if (byte == '!') {
                flushUnknown();
                m_mode = Mode::Header;
                m_line = "!";
            } else {
                if (m_unknown.size() < keptUnknown)
                    m_unknown += byte;
                ++m_unknownSize;
                if (byte == '\n') {
                    flushUnknown();
                    m_mode = Mode::Idle;
                }
            }
            break;
        }
        case Mode::Header:
        case Mode::Block:
        case Mode::Format: {
            const char byte = *data++;
            if (byte == '\n') {
                endLine();
                break;
            }
            if (m_line.size() < maxLine)
                m_line += byte;
            else
                m_lineTooLong = true;
            // A block's last line needs no line end: the printer acts on
            // "END" at once.
            if (m_mode == Mode::Block && isEndLine(m_line)) {
                m_blockText += m_line;
                m_line.clear();
                endBlock();
            }
            break;
        }
        }
    }
}

void CommandStream::takeIdle(char byte)
{
    if (byte == '\r' || byte == '\n')
        return;
    if (byte == '!') {
        m_mode = Mode::Header;
        m_line = "!";
        return;
    }
    m_mode = Mode::Unknown;
    m_unknown = QByteArray(1, byte);
    m_unknownSize = 1;
}

void CommandStream::endLine()
{
    QByteArray line = m_line;
    m_line.clear();
    if (line.endsWith('\r'))
        line.chop(1);
    if (m_lineTooLong) {
        m_lineTooLong = false;
        unknown(line, QStringLiteral("line too long"));
        if (m_mode == Mode::Header)
            m_mode = Mode::Idle;
        return;
    }
    const QString text = QString::fromLatin1(line);
    switch (m_mode) {
    case Mode::Header:
        if (!header(text))
            unknown(line, QStringLiteral("unknown command"));
        break;
    case Mode::Block:
        m_blockText += line + "\r\n";
        blockLine(text);
        break;
    case Mode::Format:
        m_blockText += line + "\r\n";
        if (m_blockText.size() > maxObject) {
            unknown(m_blockText, QStringLiteral("format too large"));
            m_blockText.clear();
            m_mode = Mode::Idle;
        } else if (isEndLine(line)) {
            PrinterCommand stored{Kind::FormatStored};
            stored.name = m_objectName;
            stored.bytes = m_blockText;
            stored.size = m_blockText.size();
            m_blockText.clear();
            m_mode = Mode::Idle;
            emitCommand(stored);
        }
        break;
    default:
        break;
    }
}

bool CommandStream::header(const QString &line)
{
    const Words &w = words();
    m_mode = Mode::Idle;
    static const QRegularExpression labelHeader(
        QStringLiteral("^! (\\d{1,5}) (\\d{1,5}) (\\d{1,5}) (\\d{1,5})$"));
    if (const auto match = labelHeader.match(line); match.hasMatch()) {
        m_mode = Mode::Block;
        m_labelCount = match.captured(4).toInt();
        m_block = m_labelCount > 0 ? Block::Label : Block::Settings;
        m_blockText = line.toLatin1() + "\r\n";
        m_pendingSettings.clear();
        m_objectName.clear();
        return true;
    }
    if (line.startsWith(w.formatStorePrefix) && line.size() > w.formatStorePrefix.size()) {
        m_mode = Mode::Format;
        m_objectName = line.mid(w.formatStorePrefix.size());
        m_blockText.clear();
        return true;
    }
    if (line.startsWith(w.recallPrefix)) {
        const qsizetype middle = line.lastIndexOf(w.recallMiddle);
        bool number = false;
        const int quantity = line.mid(middle + w.recallMiddle.size()).toInt(&number);
        if (middle > w.recallPrefix.size() && number && quantity > 0) {
            PrinterCommand recalled{Kind::FormatRecalled};
            recalled.name = line.mid(w.recallPrefix.size(), middle - w.recallPrefix.size());
            recalled.count = quantity;
            emitCommand(recalled);
            return true;
        }
    }
    if (line.startsWith(w.deletePrefix) && line.size() > w.deletePrefix.size()) {
        PrinterCommand deleted{Kind::Deleted};
        deleted.name = line.mid(w.deletePrefix.size());
        emitCommand(deleted);
        return true;
    }
    if (line == w.listLine) {
        emitCommand(PrinterCommand{Kind::ListObjects});
        return true;
    }
    return false;
}

void CommandStream::startFirmware(const QByteArray &head)
{
    m_mode = Mode::Firmware;
    m_firmwareHash = std::make_unique<Sha256>();
    m_firmwareHash->add(head);
    m_firmwareHead = head;
    m_firmwareSize = head.size();
    if (m_firmwareSize >= minFirmware)
        emitCommand(PrinterCommand{Kind::FirmwareStarted});
}

void CommandStream::blockLine(const QString &line)
{
    const Words &w = words();
    if (line.isEmpty())
        return;
    if (m_block == Block::Label) {
        if (line.startsWith(w.graphicRecallPrefix))
            m_objectName = line.mid(w.graphicRecallPrefix.size()).section(QLatin1Char(' '), 0, 0);
        return;
    }
    if (line.startsWith(w.graphicStorePrefix)) {
        const QString rest = line.mid(w.graphicStorePrefix.size());
        const qsizetype middle = rest.indexOf(w.graphicStoreMiddle);
        const QString type = rest.left(middle);
        if (middle > 0 && (type == QLatin1String("BMP") || type == QLatin1String("PCX"))) {
            m_mode = Mode::Graphic;
            m_objectName = rest.mid(middle + w.graphicStoreMiddle.size());
            m_object.clear();
            m_objectNeeded = -1;
            m_pcxDecoded = 0;
            m_pcxNeeded = -1;
            m_pcxRun = false;
            m_blockText.clear();
            m_pendingSettings.clear();
            m_graphicType =
                type == QLatin1String("BMP") ? GraphicCheck::Type::Bmp : GraphicCheck::Type::Pcx;
            return;
        }
    }
    if (line == w.calibrateLine) {
        m_pendingSettings << PrinterCommand{Kind::Calibrate};
        return;
    }
    if (line == w.settingsWrite || line == w.calibrationWrite) {
        for (const PrinterCommand &setting : std::as_const(m_pendingSettings))
            emitCommand(setting);
        m_pendingSettings.clear();
        emitCommand(PrinterCommand{Kind::SettingsWritten});
        return;
    }
    const QString prefix = firstWord(line);
    if (prefix == firstWord(w.settingsWrite) || prefix == firstWord(w.calibrationWrite)) {
        const QString rest = line.mid(prefix.size() + 1);
        PrinterCommand setting{Kind::Setting};
        if (ConfigRules::printSpeeds().contains(rest)) {
            setting.name = QStringLiteral("SPEED");
            setting.value = rest;
        } else {
            // The index setting is named in two words, the others in one.
            setting.name = rest.startsWith(w.indexSetting + QLatin1Char(' ')) ? w.indexSetting
                                                                              : firstWord(rest);
            setting.value = rest.mid(setting.name.size() + 1);
        }
        if (!setting.name.isEmpty() && !setting.value.isEmpty()) {
            m_pendingSettings << setting;
            return;
        }
    }
    unknown(line.toLatin1(), QStringLiteral("unknown command"));
}

void CommandStream::endBlock()
{
    m_mode = Mode::Idle;
    if (m_block == Block::Settings) {
        if (!m_pendingSettings.isEmpty())
            unknown(m_blockText, QStringLiteral("settings not written"));
        m_pendingSettings.clear();
        m_blockText.clear();
        return;
    }
    PrinterCommand labels{Kind::Labels};
    labels.count = m_labelCount;
    const QString text = QString::fromLatin1(m_blockText);
    if (text == TestLabels::fourByThree())
        labels.name = QStringLiteral("4X3 test label");
    else if (text == TestLabels::twoPointFourByOne())
        labels.name = QStringLiteral("2.4X1 test label");
    else if (!m_objectName.isEmpty())
        labels.name = QStringLiteral("graphic ") + m_objectName;
    else
        labels.name = QStringLiteral("label");
    labels.value = m_objectName;
    m_blockText.clear();
    m_objectName.clear();
    emitCommand(labels);
}

void CommandStream::takeGraphic(const char *&data, const char *end)
{
    const bool bmp = m_graphicType == GraphicCheck::Type::Bmp;
    while (data < end) {
        if (m_objectNeeded < 0) {
            m_object += *data++;
            if (bmp && m_object.size() == 6) {
                const auto byte = [this](int at) { return quint32(uchar(m_object[at])); };
                m_objectNeeded = byte(2) | byte(3) << 8 | byte(4) << 16 | byte(5) << 24;
            } else if (!bmp && m_object.size() == 128) {
                const auto field = [this](int at) {
                    return qint64(uchar(m_object[at]) | uchar(m_object[at + 1]) << 8);
                };
                const qint64 width = field(8) - field(4) + 1;
                const qint64 height = field(10) - field(6) + 1;
                m_pcxNeeded =
                    width > 0 && height > 0 ? field(66) * uchar(m_object[65]) * height : 0;
                m_objectNeeded = 0;
            } else {
                continue;
            }
            const bool bad = bmp ? !m_object.startsWith("BM") || m_objectNeeded < 6
                                 : uchar(m_object[0]) != 0x0A || m_pcxNeeded <= 0;
            if (bad || m_objectNeeded > maxObject) {
                unknown(m_object, bad ? QStringLiteral("not a graphic of its type")
                                      : QStringLiteral("graphic too large"));
                m_object.clear();
                m_mode = Mode::Idle;
                return;
            }
            continue;
        }
        if (bmp) {
            const qsizetype take = qMin<qint64>(end - data, m_objectNeeded - m_object.size());
            m_object.append(data, take);
            data += take;
        } else {
            // Run-length pairs until the planes' lines are whole; a run's
            // value byte is part of it even when its count ends them.
            while (data < end && (m_pcxRun || m_pcxDecoded < m_pcxNeeded)) {
                const uchar byte = uchar(*data++);
                m_object += char(byte);
                if (m_pcxRun)
                    m_pcxRun = false;
                else if ((byte & 0xC0) == 0xC0) {
                    m_pcxRun = true;
                    m_pcxDecoded += byte & 0x3F;
                } else {
                    ++m_pcxDecoded;
                }
            }
            if (m_object.size() > maxObject) {
                unknown(m_object, QStringLiteral("graphic too large"));
                m_object.clear();
                m_mode = Mode::Idle;
                return;
            }
            if (m_pcxRun)
                return;
        }
        const bool whole = bmp ? m_object.size() >= m_objectNeeded : m_pcxDecoded >= m_pcxNeeded;
        if (whole) {
            PrinterCommand stored{Kind::GraphicStored};
            stored.name = m_objectName;
            stored.graphicType = m_graphicType;
            stored.bytes = m_object;
            stored.size = m_object.size();
            m_object.clear();
            m_mode = Mode::Idle;
            emitCommand(stored);
            return;
        }
    }
}
