#pragma once

#include "common/Sha256.h"
#include "printer/GraphicCheck.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>
#include <memory>

// One thing the printer understood, or a run of bytes it did not.
struct PrinterCommand {
    enum class Kind {
        Setting, // name and value of a "VARIABLE" or "V" line, in force after its write
        SettingsWritten,
        Calibrate,
        Labels,         // count labels of name: a test label, a graphic or a label program
        GraphicStored,  // name, type, bytes
        FormatStored,   // name, bytes (the stored text)
        FormatRecalled, // name, count
        Deleted,        // name
        ListObjects,
        FirmwareStarted,
        Firmware, // size and SHA-256 of a whole image
        Unknown   // bytes, as received, with why in name
    };
    explicit PrinterCommand(Kind kind = Kind::Unknown) : kind(kind) {}

    Kind kind;
    QString name;
    QString value;
    int count = 0;
    GraphicCheck::Type graphicType = GraphicCheck::Type::Bmp;
    QByteArray bytes;
    qint64 size = 0;
};

// Reads what a printer is sent, as the printer does: command blocks that
// begin with "!", graphics and formats stored inside them, and a
// connection whose first line is not a command as a firmware image (an
// image may well begin with "!"). The reading goes on across connections
// (the utility sends a graphic's header, bytes and end on three); bytes
// arrive in any pieces and each command is reported once it is whole.
class CommandStream
{
public:
    using Sink = std::function<void(const PrinterCommand &)>;

    // Bounds on what is held in memory for one object; a longer one is
    // reported as unknown bytes (its first part) and skipped.
    static constexpr qsizetype maxLine = 4096;
    static constexpr qsizetype maxObject = 8 * 1024 * 1024;
    // Unknown bytes kept of one run; the rest is counted.
    static constexpr qsizetype keptUnknown = 1024;
    // A connection that does not begin with a command is a firmware image
    // from this size on; shorter, it is garbage, read again as commands
    // when it began with "!".
    static constexpr qint64 minFirmware = 256;

    explicit CommandStream(Sink sink);
    ~CommandStream();

    // A connection opens: when no command is under way, what it brings
    // first decides whether it is commands or a firmware image.
    void beginConnection();
    void feed(const char *data, qsizetype size);
    void feed(const QByteArray &bytes) { feed(bytes.constData(), bytes.size()); }
    // The connection has ended: a firmware image is complete.
    void endConnection();
    // The printer restarts: anything under way is reported as unknown
    // bytes and dropped.
    void reset();

    bool inFirmware() const { return m_mode == Mode::Firmware; }

private:
    // FirstLine: a connection's first line, begun with "!", until it shows
    // itself a command or not.
    enum class Mode { Start, FirstLine, Idle, Unknown, Header, Block, Graphic, Format, Firmware };
    enum class Block { Settings, Label };

    void takeIdle(char byte);
    void endLine();
    // Acts on a command's first line; false, and nothing done, when the
    // printer knows no such command.
    bool header(const QString &line);
    void startFirmware(const QByteArray &head);
    void blockLine(const QString &line);
    void endBlock();
    void takeGraphic(const char *&data, const char *end);
    void takeFormat(char byte);
    void unknown(const QByteArray &bytes, const QString &why, qint64 size = -1);
    void flushUnknown();
    void emitCommand(PrinterCommand command);

    Sink m_sink;
    Mode m_mode = Mode::Start;
    Block m_block = Block::Settings;
    QByteArray m_line;
    bool m_lineTooLong = false;
    qint64 m_unknownSize = 0;
    QByteArray m_unknown;
    // The block under way: its lines as received and what they asked for.
    QByteArray m_blockText;
    int m_labelCount = 0;
    QList<PrinterCommand> m_pendingSettings;
    // A graphic or format under way.
    QString m_objectName;
    QByteArray m_object;
    GraphicCheck::Type m_graphicType = GraphicCheck::Type::Bmp;
    qint64 m_objectNeeded = -1; // bytes of a graphic, once its header tells
    qint64 m_pcxDecoded = 0;
    qint64 m_pcxNeeded = -1;
    bool m_pcxRun = false;
    // A firmware image under way.
    QByteArray m_leading;      // line ends before a connection's first byte
    QByteArray m_firmwareHead; // an image's first bytes, garbage if it stops there
    std::unique_ptr<Sha256> m_firmwareHash;
    qint64 m_firmwareSize = 0;
};
