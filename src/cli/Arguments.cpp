#include "cli/Arguments.h"

#include "cli/DryRun.h"
#include "cli/ProfileImport.h"
#include "common/ChunkedFileReader.h"
#include "printer/ConfigBlock.h"
#include "profile/ProfileStore.h"

#include "Version.h"

#include <QCommandLineParser>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLocale>
#include <QRegularExpression>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace
{

// Options an action takes after it, before the next action.
const QStringList modifiers{QStringLiteral("print-type"), QStringLiteral("ribbon"),
                            QStringLiteral("id"),         QStringLiteral("pcx"),
                            QStringLiteral("convert"),    QStringLiteral("dither"),
                            QStringLiteral("threshold"),  QStringLiteral("width"),
                            QStringLiteral("invert"),     QStringLiteral("quantity")};
// Modifiers without a value.
const QStringList switches{QStringLiteral("pcx"), QStringLiteral("convert"),
                           QStringLiteral("dither"), QStringLiteral("invert")};
// Those that shape a conversion.
const QStringList conversionModifiers{QStringLiteral("dither"), QStringLiteral("threshold"),
                                      QStringLiteral("width"), QStringLiteral("invert")};

struct ActionOption {
    const char *name;
    const char *valueName; // nullptr: a switch
    const char *help;
    QStringList takes; // modifiers it accepts
    QStringList needs; // modifiers it must have
};

const QList<ActionOption> &actionOptions()
{
    static const QList<ActionOption> options{
        {"profile",
         "file.vsp",
         "Send the configuration of a profile, as Upload Settings to Printer does after "
         "Import Profile.",
         {},
         {}},
        {"calibrate",
         "gap|bar",
         "Calibrate media sensing for the index type; needs --print-type, and takes --ribbon "
         "for thermal transfer.",
         {QStringLiteral("print-type"), QStringLiteral("ribbon")},
         {QStringLiteral("print-type")}},
        {"test-label", "1|2", "Print test label 1 (4X3) or 2 (2.4X1).", {}, {}},
        {"store-graphic",
         "file",
         "Store a 1-bit BMP graphic (PCX with --pcx) under the identifier given with --id; "
         "with --convert, any picture made into a 1-bit BMP.",
         {QStringLiteral("id"), QStringLiteral("pcx"), QStringLiteral("convert"),
          QStringLiteral("dither"), QStringLiteral("threshold"), QStringLiteral("width"),
          QStringLiteral("invert")},
         {QStringLiteral("id")}},
        {"print-format", "file", "Print a label format file as it is.", {}, {}},
        {"store-format",
         "file",
         "Store a label format file under the identifier of --id.",
         {QStringLiteral("id")},
         {QStringLiteral("id")}},
        {"recall-image", "id", "Print a stored graphic.", {}, {}},
        {"recall-format",
         "id",
         "Print a stored format, --quantity labels (1 unless given).",
         {QStringLiteral("quantity")},
         {}},
        {"delete", "id", "Delete a stored graphic or format.", {}, {}},
        {"list", nullptr, "Have the printer print the list of stored objects.", {}, {}},
        {"firmware", "file", "Upload a firmware image; its SHA-256 is shown first.", {}, {}},
        {"send", "file", "Send a file's bytes unchanged.", {}, {}},
    };
    return options;
}

const ActionOption *actionOption(const QString &name)
{
    for (const ActionOption &option : actionOptions()) {
        if (name == QLatin1String(option.name))
            return &option;
    }
    return nullptr;
}

QString dashed(const QString &name)
{
    return QStringLiteral("--") + name;
}

// One action as written: its option, value and modifiers.
struct Written {
    const ActionOption *option;
    QString value;
    QHash<QString, QString> modifiers;

    QString label() const
    {
        QStringList words{dashed(QLatin1String(option->name))};
        if (option->valueName)
            words << value;
        for (const QString &name : ::modifiers) {
            if (!modifiers.contains(name))
                continue;
            words << dashed(name);
            if (!switches.contains(name))
                words << modifiers.value(name);
        }
        return words.join(QLatin1Char(' '));
    }
};

// Files read whole into memory once, however many actions and printers use
// them: every printer reads the same bytes.
class Files
{
public:
    QStringList errors;

    std::optional<QByteArray> read(const QString &path)
    {
        const QString key = QFileInfo(path).absoluteFilePath();
        if (const auto found = m_read.constFind(key); found != m_read.constEnd())
            return *found;
        ChunkedFileReader reader(path);
        if (!reader.open() && reader.readAll() == ChunkedFileReader::Status::Read) {
            const QByteArray bytes = reader.takeBytes();
            m_read.insert(key, bytes);
            return bytes;
        }
        errors
            << reader.failure().value_or(Failure{FailureCode::PathAccessError, path}).description;
        return std::nullopt;
    }

private:
    QHash<QString, QByteArray> m_read;
};

QString sizeText(qint64 bytes)
{
    return QLocale::c().toString(bytes) + QStringLiteral(" bytes");
}

class Reader
{
public:
    ParsedArguments &parsed;
    Files files;
    QHash<QString, bool> firmwareNoted;

    void error(const QString &line) { parsed.errors << line; }

    void usage(const QString &line)
    {
        parsed.usage = true;
        error(line);
    }

    std::optional<int> positive(const QCommandLineParser &parser, const QString &name)
    {
        if (!parser.isSet(name))
            return std::nullopt;
        bool ok = false;
        const int value = parser.value(name).toInt(&ok);
        if (!ok || value < 1) {
            usage(QStringLiteral("%1 takes a whole number of at least 1, not \"%2\"")
                      .arg(dashed(name), parser.value(name)));
            return std::nullopt;
        }
        return value;
    }

    void readTargets(const QString &path)
    {
        const std::optional<QByteArray> bytes = files.read(path);
        if (!bytes)
            return;
        const QStringList lines = QString::fromUtf8(*bytes).split(QLatin1Char('\n'));
        for (int i = 0; i < lines.size(); ++i) {
            // A comment starts the line or follows a blank.
            static const QRegularExpression comment(QStringLiteral("(^|\\s)#.*$"));
            const QString line = QString(lines[i]).remove(comment).trimmed();
            if (line.isEmpty())
                continue;
            const std::variant<Target, QString> target = Target::parse(line);
            if (const QString *why = std::get_if<QString>(&target))
                error(QStringLiteral("%1:%2: %3").arg(path).arg(i + 1).arg(*why));
            else
                parsed.plan.targets << std::get<Target>(target);
        }
    }

    // The actions in the order written, each with the modifiers after it.
    QList<Written> walk(const QCommandLineParser &parser)
    {
        QList<Written> written;
        QHash<QString, int> seen;
        for (const QString &name : parser.optionNames()) {
            const int occurrence = seen[name]++;
            const QStringList values = parser.values(name);
            const QString value = occurrence < values.size() ? values[occurrence] : QString();
            if (const ActionOption *option = actionOption(name)) {
                written << Written{option, value, {}};
                continue;
            }
            if (!modifiers.contains(name))
                continue;
            if (written.isEmpty() || !written.last().option->takes.contains(name)) {
                usage(QStringLiteral("%1 belongs right after an action that takes it (%2)")
                          .arg(dashed(name), takersOf(name)));
                continue;
            }
            if (written.last().modifiers.contains(name)) {
                usage(QStringLiteral("%1 is given twice for %2")
                          .arg(dashed(name), dashed(QLatin1String(written.last().option->name))));
                continue;
            }
            written.last().modifiers.insert(name, value);
        }
        for (const Written &action : written) {
            for (const QString &needed : action.option->needs) {
                if (!action.modifiers.contains(needed))
                    usage(QStringLiteral("%1 needs %2")
                              .arg(dashed(QLatin1String(action.option->name)), dashed(needed)));
            }
        }
        return written;
    }

    static QString takersOf(const QString &modifier)
    {
        QStringList takers;
        for (const ActionOption &option : actionOptions()) {
            if (option.takes.contains(modifier))
                takers << dashed(QLatin1String(option.name));
        }
        return takers.join(QStringLiteral(", "));
    }

    Actions::Built profile(const QString &label, const QString &path)
    {
        // The profile reader refuses a pipe or a device itself.
        const std::variant<ProfileRecord, Failure> record = readProfile(path);
        if (const Failure *failure = std::get_if<Failure>(&record))
            return Actions::Built::refused(failure->boxText());
        const ProfileImport loaded = ProfileImport::load(std::get<ProfileRecord>(record));
        if (!loaded.values) {
            QStringList refusals;
            for (const Failure &box : loaded.boxes)
                refusals << box.boxText();
            return {std::nullopt, refusals};
        }
        return {Action{label, {Transmission::ofText(ConfigBlock::build(*loaded.values))}}, {}};
    }

    void noteFirmware(const QString &path, const QByteArray &bytes)
    {
        const QString key = QFileInfo(path).absoluteFilePath();
        if (firmwareNoted.contains(key))
            return;
        firmwareNoted.insert(key, true);
        parsed.plan.notes
            << QStringLiteral("Firmware %1: %2, SHA-256 %3")
                   .arg(QDir::toNativeSeparators(path), sizeText(bytes.size()),
                        QString::fromLatin1(
                            QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex()));
    }

    // The conversion asked for after --store-graphic: none without --convert.
    static std::variant<std::optional<GraphicConvert::Options>, QString>
    conversion(const QHash<QString, QString> &modifiers)
    {
        if (!modifiers.contains(QStringLiteral("convert"))) {
            for (const QString &name : conversionModifiers) {
                if (modifiers.contains(name))
                    return QStringLiteral("%1 goes with --convert").arg(dashed(name));
            }
            return std::nullopt;
        }
        if (modifiers.contains(QStringLiteral("pcx")))
            return QStringLiteral("--convert makes a BMP: leave out --pcx");
        GraphicConvert::Options options;
        options.dither = modifiers.contains(QStringLiteral("dither"));
        options.invert = modifiers.contains(QStringLiteral("invert"));
        if (options.dither && modifiers.contains(QStringLiteral("threshold")))
            return QStringLiteral("--dither and --threshold exclude each other");
        const auto number = [&](const QString &name, int least, int most, int &into) {
            if (!modifiers.contains(name))
                return true;
            bool ok = false;
            into = modifiers.value(name).toInt(&ok);
            return ok && into >= least && into <= most;
        };
        if (!number(QStringLiteral("threshold"), GraphicConvert::minThreshold,
                    GraphicConvert::maxThreshold, options.threshold))
            return QStringLiteral("--threshold takes a grey from %1 to %2, not \"%3\"")
                .arg(QString::number(GraphicConvert::minThreshold),
                     QString::number(GraphicConvert::maxThreshold),
                     modifiers.value(QStringLiteral("threshold")));
        if (!number(QStringLiteral("width"), 1, GraphicConvert::maxWidth, options.width))
            return QStringLiteral("--width takes a number of dots from 1 to %1, not \"%2\"")
                .arg(QString::number(GraphicConvert::maxWidth),
                     modifiers.value(QStringLiteral("width")));
        return options;
    }

    Actions::Built build(const Written &action)
    {
        const QString name = QLatin1String(action.option->name);
        const QString label = action.label();
        const QString &value = action.value;
        const auto file = [&]() { return files.read(value); };
        const auto needsFile = [&](auto make) -> Actions::Built {
            const std::optional<QByteArray> bytes = file();
            if (!bytes)
                return Actions::Built::refused(files.errors.takeLast());
            return make(*bytes);
        };
        using namespace Actions;
        if (name == QLatin1String("profile"))
            return profile(label, value);
        if (name == QLatin1String("calibrate")) {
            const auto ribbon = action.modifiers.constFind(QStringLiteral("ribbon"));
            return calibrate(label, value, action.modifiers.value(QStringLiteral("print-type")),
                             ribbon == action.modifiers.constEnd() ? std::optional<QString>()
                                                                   : *ribbon);
        }
        if (name == QLatin1String("test-label"))
            return testLabel(label, value);
        if (name == QLatin1String("store-graphic")) {
            const auto convert = conversion(action.modifiers);
            if (const QString *why = std::get_if<QString>(&convert))
                return Actions::Built::refused(*why);
            return needsFile([&](const QByteArray &bytes) {
                return storeGraphic(label, value, bytes,
                                    action.modifiers.value(QStringLiteral("id")),
                                    action.modifiers.contains(QStringLiteral("pcx")),
                                    std::get<std::optional<GraphicConvert::Options>>(convert));
            });
        }
        if (name == QLatin1String("print-format"))
            return needsFile([&](const QByteArray &bytes) { return printFormat(label, bytes); });
        if (name == QLatin1String("store-format"))
            return needsFile([&](const QByteArray &bytes) {
                return storeFormat(label, bytes, action.modifiers.value(QStringLiteral("id")));
            });
        if (name == QLatin1String("recall-image"))
            return recallImage(label, value);
        if (name == QLatin1String("recall-format"))
            return recallFormat(
                label, value,
                action.modifiers.value(QStringLiteral("quantity"), QStringLiteral("1")));
        if (name == QLatin1String("delete"))
            return deleteObject(label, value);
        if (name == QLatin1String("list"))
            return listObjects(label);
        return needsFile([&](const QByteArray &bytes) {
            if (name == QLatin1String("firmware"))
                noteFirmware(value, bytes);
            return fileBytes(label, bytes);
        });
    }
};

QString description()
{
    return QStringLiteral(
        "Sets up Varimonde thermal label printers without a window: sends each printer the same "
        "bytes as the window's buttons would, to one printer or many at once.\n"
        "Without options the window opens.\n\n"
        "Targets: COMn[:baud,parity,data,stop], a serial device path[:settings], LPT1, LPT2, "
        "usb:DEVICE, tcp://HOST[:PORT] (9100 unless given; an IPv6 address in brackets).\n"
        "Actions run in the order given, the same on every printer; each printer's run stops "
        "at its first failure.\n\n"
        "Exit status: 0 every printer done, 1 a printer failed, 2 bad arguments or input, "
        "130 interrupted.");
}

} // namespace

ParsedArguments parseArguments(const QStringList &arguments)
{
    ParsedArguments parsed;
    QCommandLineParser parser;
    parser.setApplicationDescription(description());
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and end."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and end."));
    parser.addOption(help);
    parser.addOption(version);
    parser.addOption({QStringLiteral("to"),
                      QStringLiteral("A printer to send to; give it once for each printer."),
                      QStringLiteral("target")});
    parser.addOption({QStringLiteral("targets"),
                      QStringLiteral("Read targets from a file, one a line; blank lines and "
                                     "comments (from a # at the start or after a blank) are "
                                     "skipped."),
                      QStringLiteral("file")});
    for (const ActionOption &option : actionOptions()) {
        if (option.valueName)
            parser.addOption({QLatin1String(option.name), QLatin1String(option.help),
                              QLatin1String(option.valueName)});
        else
            parser.addOption({QLatin1String(option.name), QLatin1String(option.help)});
    }
    parser.addOption({QStringLiteral("print-type"),
                      QStringLiteral("After --calibrate: DT (direct thermal) or TT (thermal "
                                     "transfer)."),
                      QStringLiteral("DT|TT")});
    parser.addOption({QStringLiteral("ribbon"),
                      QStringLiteral("After --calibrate with TT: WAX (0, the default), "
                                     "\"WAX/RESIN COMBO\" (1) or \"PREMIUM RESIN\" (2)."),
                      QStringLiteral("ribbon")});
    parser.addOption({QStringLiteral("id"),
                      QStringLiteral("After --store-graphic or --store-format: the identifier, "
                                     "at most 8 characters."),
                      QStringLiteral("id")});
    parser.addOption(
        {QStringLiteral("pcx"), QStringLiteral("After --store-graphic: the file is a PCX.")});
    parser.addOption({QStringLiteral("convert"),
                      QStringLiteral("After --store-graphic: make the picture (PNG, JPEG, GIF, "
                                     "BMP) a 1-bit BMP, dots darker than the threshold black.")});
    parser.addOption({QStringLiteral("dither"),
                      QStringLiteral("With --convert: spread the greys by error diffusion.")});
    parser.addOption({QStringLiteral("threshold"),
                      QStringLiteral("With --convert: the grey (1-255, default 128) below which "
                                     "a dot is black."),
                      QStringLiteral("N")});
    parser.addOption({QStringLiteral("width"),
                      QStringLiteral("With --convert: scale to this many dots across, keeping "
                                     "the aspect (the printer prints 203 dots an inch)."),
                      QStringLiteral("dots")});
    parser.addOption(
        {QStringLiteral("invert"), QStringLiteral("With --convert: swap black and white.")});
    parser.addOption({QStringLiteral("quantity"),
                      QStringLiteral("After --recall-format: how many labels."),
                      QStringLiteral("n")});
    parser.addOption({QStringLiteral("dry-run"),
                      QStringLiteral("Send nothing: write what would be sent to each printer to "
                                     "standard output.")});
    parser.addOption({QStringLiteral("output"),
                      QStringLiteral("With --dry-run: write to a file instead; a name ending in "
                                     ".bmp gets the image of the one --convert alone."),
                      QStringLiteral("file")});
    parser.addOption({QStringLiteral("hex"),
                      QStringLiteral("With --dry-run: a hex dump, one block per transmission.")});
    parser.addOption({QStringLiteral("jobs"),
                      QStringLiteral("At most this many printers at once (default: every "
                                     "network and USB printer, one transfer per serial or "
                                     "parallel port)."),
                      QStringLiteral("n")});
    parser.addOption({QStringLiteral("report"),
                      QStringLiteral("Write a JSON report of every printer's outcome."),
                      QStringLiteral("file")});
    parser.addOption({QStringLiteral("stall-limit"),
                      QStringLiteral("Seconds a printer may take no data before it has failed "
                                     "(default 10)."),
                      QStringLiteral("seconds")});
    parser.addOption({QStringLiteral("connect-timeout"),
                      QStringLiteral("Seconds to wait for a network printer to answer (default "
                                     "5)."),
                      QStringLiteral("seconds")});

    Discover::addOptions(parser);

    Reader reader{parsed, {}, {}};
    if (!parser.parse(arguments)) {
        reader.usage(parser.errorText());
        return parsed;
    }
    if (parser.isSet(help)) {
        parsed.outcome = ParsedArguments::Outcome::Help;
        parsed.text = parser.helpText();
        return parsed;
    }
    if (parser.isSet(version)) {
        parsed.outcome = ParsedArguments::Outcome::Version;
        parsed.text = QStringLiteral("varimonde-setup %1\n").arg(QLatin1String(Version::text));
        return parsed;
    }
    if (!parser.positionalArguments().isEmpty()) {
        reader.usage(QStringLiteral("unexpected argument \"%1\": targets go after --to")
                         .arg(parser.positionalArguments().first()));
        return parsed;
    }

    Plan &plan = parsed.plan;
    plan.dryRun = parser.isSet(QStringLiteral("dry-run"));
    plan.hex = parser.isSet(QStringLiteral("hex"));
    plan.output = parser.value(QStringLiteral("output"));
    plan.report = parser.value(QStringLiteral("report"));
    for (const char *name : {"output", "hex"}) {
        if (parser.isSet(QLatin1String(name)) && !plan.dryRun)
            reader.usage(QStringLiteral("--%1 goes with --dry-run").arg(QLatin1String(name)));
    }
    if (const std::optional<int> jobs = reader.positive(parser, QStringLiteral("jobs")))
        plan.jobs = *jobs;
    if (const std::optional<int> seconds = reader.positive(parser, QStringLiteral("stall-limit")))
        plan.stallLimitMs = *seconds * 1000;
    if (const std::optional<int> seconds =
            reader.positive(parser, QStringLiteral("connect-timeout")))
        plan.connectTimeoutMs = *seconds * 1000;
    const QList<Written> written = reader.walk(parser);
    QStringList misused;
    Discover::read(parser, plan.discover, misused);
    for (const QString &line : std::as_const(misused))
        reader.usage(line);
    if (parsed.usage)
        return parsed;
    const bool sending = plan.discover.mode == Discover::Options::Mode::Send;
    if (!sending && (!written.isEmpty() || plan.dryRun)) {
        reader.usage(QStringLiteral("--discover and --status send nothing: leave out the "
                                    "actions and --dry-run"));
        return parsed;
    }

    for (const QString &written : parser.values(QStringLiteral("to"))) {
        const std::variant<Target, QString> target = Target::parse(written);
        if (const QString *why = std::get_if<QString>(&target))
            reader.error(*why);
        else
            plan.targets << std::get<Target>(target);
    }
    for (const QString &path : parser.values(QStringLiteral("targets")))
        reader.readTargets(path);
    if (plan.discover.mode == Discover::Options::Mode::Discover) {
        if (!plan.targets.isEmpty())
            reader.usage(QStringLiteral("--discover finds printers: leave out --to and "
                                        "--targets"));
    } else if (plan.targets.isEmpty() && !plan.dryRun && reader.files.errors.isEmpty() &&
               parsed.errors.isEmpty()) {
        reader.usage(QStringLiteral("no printer to send to: give --to or --targets"));
    }
    if (written.isEmpty() && sending)
        reader.usage(QStringLiteral("nothing to send: give at least one action, such as "
                                    "--profile or --firmware"));

    for (const Written &action : written) {
        Actions::Built built = reader.build(action);
        for (const QString &refusal : built.refusals)
            reader.error(action.label() + QStringLiteral(": ") + refusal);
        if (!built.action)
            continue;
        static const QStringList checked{QStringLiteral("profile"), QStringLiteral("store-graphic"),
                                         QStringLiteral("store-format"),
                                         QStringLiteral("firmware")};
        built.action->checksStatus = checked.contains(QLatin1String(action.option->name));
        plan.actions << *built.action;
    }
    for (const QString &failure : reader.files.errors)
        reader.error(failure);
    if (const int images = DryRun::convertedImages(plan).size(); images > 1)
        reader.usage(QStringLiteral("--output %1 takes the image of one --convert, not %2")
                         .arg(plan.output, QString::number(images)));
    if (parsed.errors.isEmpty())
        parsed.outcome = ParsedArguments::Outcome::Run;
    return parsed;
}
