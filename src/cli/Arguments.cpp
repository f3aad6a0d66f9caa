#include "cli/Arguments.h"

#include "cli/DryRun.h"
#include "cli/Help.h"
#include "cli/ProfileImport.h"
#include "cli/TargetList.h"
#include "common/ChunkedFileReader.h"
#include "common/CommandLineText.h"
#include "common/ProcessSignals.h"
#include "common/Sha256.h"
#include "discovery/SnmpSecrets.h"
#include "printer/ConfigBlock.h"
#include "profile/ProfileStore.h"

#include "Version.h"

#include <QCommandLineParser>
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

class Reader;
struct Written;

// An option with no part in the actions: its name, the name of its value
// (nullptr: a switch) and its help.
struct PlainOption {
    const char *name;
    const char *valueName;
    const char *help;
};

// An action option builds its action from what was written, reading the
// files it names through the reader.
struct ActionOption {
    const char *name;
    const char *valueName; // nullptr: a switch
    const char *help;
    QStringList takes; // modifiers it accepts
    QStringList needs; // modifiers it must have
    OperationBuilders::Built (*build)(Reader &reader, const Written &action);
};

// Options an action takes after it, before the next action.
const QList<PlainOption> &modifierOptions()
{
    static const QList<PlainOption> options{
        {"print-type", "DT|TT",
         QT_TRANSLATE_NOOP("CommandLineHelp",
                           "After --calibrate: DT (direct thermal) or TT (thermal transfer).")},
        {"ribbon", "ribbon",
         QT_TRANSLATE_NOOP("CommandLineHelp", "After --calibrate with TT: WAX (0, the default), "
                                              "\"WAX/RESIN COMBO\" (1) or \"PREMIUM "
                                              "RESIN\" (2).")},
        {"id", "id",
         QT_TRANSLATE_NOOP(
             "CommandLineHelp",
             "After --store-graphic or --store-format: the identifier, at most 8 characters.")},
        {"pcx", nullptr,
         QT_TRANSLATE_NOOP("CommandLineHelp", "After --store-graphic: the file is a PCX.")},
        {"convert", nullptr,
         QT_TRANSLATE_NOOP("CommandLineHelp", "After --store-graphic: make the picture (PNG, JPEG, "
                                              "GIF, BMP) a 1-bit BMP, dots darker "
                                              "than the threshold black.")},
        {"dither", nullptr,
         QT_TRANSLATE_NOOP("CommandLineHelp",
                           "With --convert: spread the greys by error diffusion.")},
        {"threshold", "N",
         QT_TRANSLATE_NOOP(
             "CommandLineHelp",
             "With --convert: the grey (1-255, default 128) below which a dot is black.")},
        {"width", "dots",
         QT_TRANSLATE_NOOP("CommandLineHelp", "With --convert: scale to this many dots across, "
                                              "keeping the aspect (the printer prints "
                                              "203 dots an inch).")},
        {"invert", nullptr,
         QT_TRANSLATE_NOOP("CommandLineHelp", "With --convert: swap black and white.")},
        {"quantity", "n",
         QT_TRANSLATE_NOOP("CommandLineHelp", "After --recall-format: how many labels.")},
    };
    return options;
}

// The option of that name in a table, or nullptr.
template <typename Option> const Option *find(const QList<Option> &options, const QString &name)
{
    for (const Option &option : options) {
        if (name == QLatin1String(option.name))
            return &option;
    }
    return nullptr;
}

const QList<PlainOption> &targetOptions()
{
    static const QList<PlainOption> options{
        {"to", "target",
         QT_TRANSLATE_NOOP("CommandLineHelp",
                           "A printer to send to; give it once for each printer.")},
        {"targets", "file",
         QT_TRANSLATE_NOOP("CommandLineHelp", "Read targets from a file, one a line; blank lines "
                                              "and comments (from a # at the start "
                                              "or after a blank) are skipped.")},
    };
    return options;
}

const QList<PlainOption> &runOptions()
{
    static const QList<PlainOption> options{
        {"dry-run", nullptr,
         QT_TRANSLATE_NOOP(
             "CommandLineHelp",
             "Send nothing: write what would be sent to each printer to standard output.")},
        {"output", "file",
         QT_TRANSLATE_NOOP("CommandLineHelp", "With --dry-run: write to a file instead; a name "
                                              "ending in .bmp gets the image of the one "
                                              "--convert alone.")},
        {"hex", nullptr,
         QT_TRANSLATE_NOOP("CommandLineHelp",
                           "With --dry-run: a hex dump, one block per transmission.")},
        {"jobs", "n",
         QT_TRANSLATE_NOOP(
             "CommandLineHelp",
             "At most this many printers at once (default: 1000 network and USB printers, one "
             "transfer per serial or parallel port).")},
        {"report", "file",
         QT_TRANSLATE_NOOP("CommandLineHelp", "Write a JSON report of every printer's outcome; "
                                              "with --dry-run, of what each would be "
                                              "sent.")},
        {"stall-limit", "seconds",
         QT_TRANSLATE_NOOP(
             "CommandLineHelp",
             "Seconds a printer may take no data before it has failed (default 10, at most 86400); "
             "a network printer: seconds it may leave us without any answer.")},
        {"busy-limit", "seconds",
         QT_TRANSLATE_NOOP(
             "CommandLineHelp",
             "Seconds a network printer that still answers may take no data before it has failed "
             "(default 60, at most 86400).")},
        {"connect-timeout", "seconds",
         QT_TRANSLATE_NOOP(
             "CommandLineHelp",
             "Seconds to wait for a network printer to answer (default 5, at most 86400).")},
        {"progress", "json",
         QT_TRANSLATE_NOOP(
             "CommandLineHelp",
             "Write progress as JSON Lines events on standard output (start, progress, done, "
             "failed, cancelled); the summary then goes to standard error.")},
        {"progress-interval", "seconds",
         QT_TRANSLATE_NOOP(
             "CommandLineHelp",
             "Seconds between progress lines or events of each printer when standard error is not "
             "a terminal (default 10, at most 86400); one also comes at each tenth of the way.")},
        {"quiet", nullptr,
         QT_TRANSLATE_NOOP("CommandLineHelp", "Write only failures and the summary.")},
        {"lang", "language",
         QT_TRANSLATE_NOOP(
             "CommandLineHelp",
             "The language of the texts (de, es, fr, it, ja, pl, pt_BR, zh_CN; en for English); "
             "without it the LANGUAGE variable and the locale decide. Reports, events and exit "
             "codes "
             "are the same in every language.")},
    };
    return options;
}

const QList<ActionOption> &actionOptions();

// The parser's options of a table, described in English: --help
// translates them once the language is chosen.
template <typename Option> QList<QCommandLineOption> parserOptions(const QList<Option> &options)
{
    QList<QCommandLineOption> made;
    for (const Option &option : options)
        made.append({QLatin1String(option.name), QLatin1String(option.help),
                     QLatin1String(option.valueName)});
    return made;
}

// Edits (insert, delete, change, swap two neighbours) from one word to
// the other.
int editsBetween(const QString &a, const QString &b)
{
    const qsizetype n = a.size(), m = b.size();
    QList<QList<int>> d(n + 1, QList<int>(m + 1));
    for (qsizetype i = 0; i <= n; ++i)
        d[i][0] = int(i);
    for (qsizetype j = 0; j <= m; ++j)
        d[0][j] = int(j);
    for (qsizetype i = 1; i <= n; ++i) {
        for (qsizetype j = 1; j <= m; ++j) {
            const int change = a[i - 1] == b[j - 1] ? 0 : 1;
            d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + change});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
        }
    }
    return d[n][m];
}

// The option most like a mistyped one, when one is close enough to be
// what was meant: "Did you mean --targets?".
QString suggestion(const QCommandLineParser &parser, const QString &unknown)
{
    // The help lists every option: the names are taken from it, not kept
    // twice.
    static const QRegularExpression named(QStringLiteral("--([a-z][a-z0-9-]+)"));
    QString best;
    int fewest = std::max<int>(1, std::min<int>(2, int(unknown.size()) / 3));
    auto matches = named.globalMatch(parser.helpText());
    while (matches.hasNext()) {
        const QString name = matches.next().captured(1);
        const int edits = editsBetween(unknown.toLower(), name);
        if (edits <= fewest && name != best) {
            if (edits < fewest || best.isEmpty())
                best = name;
            fewest = edits;
        }
    }
    return best.isEmpty() ? QString() : CommandLineText::tr(" Did you mean --%1?").arg(best);
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

    QString modifier(const char *name) const { return modifiers.value(QLatin1String(name)); }
    std::optional<QString> givenModifier(const char *name) const
    {
        const auto found = modifiers.constFind(QLatin1String(name));
        return found == modifiers.constEnd() ? std::nullopt : std::optional<QString>(*found);
    }

    QString label() const
    {
        QStringList words{dashed(QLatin1String(option->name))};
        if (option->valueName)
            words << value;
        for (const PlainOption &modifier : modifierOptions()) {
            const QString name = QLatin1String(modifier.name);
            if (!modifiers.contains(name))
                continue;
            words << dashed(name);
            if (modifier.valueName)
                words << modifiers.value(name);
        }
        return words.join(QLatin1Char(' '));
    }
};

// Files read whole into memory once, however many actions and printers use
// them: every printer reads the same bytes. An interrupt ends every read
// (a firmware image may take seconds), and no file is read after it.
class Files
{
public:
    QStringList errors;
    bool interrupted = false;

    struct File {
        QByteArray bytes;
        QByteArray sha256; // when asked for
    };

    // `hashed`: the SHA-256 is taken as the bytes arrive, with no second
    // pass over a large file.
    std::optional<File> read(const QString &path, bool hashed = false)
    {
        const QString key = QFileInfo(path).absoluteFilePath();
        if (const auto found = m_read.find(key); found != m_read.end()) {
            if (hashed && found->sha256.isEmpty())
                found->sha256 = Sha256::of(found->bytes);
            return *found;
        }
        if (interrupted)
            return std::nullopt;
        ChunkedFileReader reader(path);
        if (hashed)
            reader.computeSha256();
        if (!reader.open()) {
            switch (reader.readAll([] { return Interrupts::count() > 0; })) {
            case ChunkedFileReader::Status::Read:
                return *m_read.insert(key, {reader.takeBytes(), reader.hash()});
            case ChunkedFileReader::Status::Stopped:
                interrupted = true;
                return std::nullopt;
            default:
                break;
            }
        }
        errors << reader.failure().value_or(Failure{FailureCode::PathAccessError, path}).shown();
        return std::nullopt;
    }

private:
    QHash<QString, File> m_read;
};

constexpr int maxSeconds = 86400;

// Those that shape a conversion.
const QStringList conversionModifiers{QStringLiteral("dither"), QStringLiteral("threshold"),
                                      QStringLiteral("width"), QStringLiteral("invert")};

// The conversion asked for after --store-graphic: none without --convert.
std::variant<std::optional<GraphicConvert::Options>, QString>
conversion(const QHash<QString, QString> &modifiers)
{
    if (!modifiers.contains(QStringLiteral("convert"))) {
        for (const QString &name : conversionModifiers) {
            if (modifiers.contains(name))
                return CommandLineText::tr("%1 goes with --convert").arg(dashed(name));
        }
        return std::nullopt;
    }
    if (modifiers.contains(QStringLiteral("pcx")))
        return CommandLineText::tr("--convert makes a BMP: leave out --pcx");
    GraphicConvert::Options options;
    options.dither = modifiers.contains(QStringLiteral("dither"));
    options.invert = modifiers.contains(QStringLiteral("invert"));
    if (options.dither && modifiers.contains(QStringLiteral("threshold")))
        return CommandLineText::tr("--dither and --threshold exclude each other");
    const auto number = [&](const QString &name, int least, int most, int &into) {
        if (!modifiers.contains(name))
            return true;
        bool ok = false;
        into = modifiers.value(name).toInt(&ok);
        return ok && into >= least && into <= most;
    };
    if (!number(QStringLiteral("threshold"), GraphicConvert::minThreshold,
                GraphicConvert::maxThreshold, options.threshold))
        return CommandLineText::tr("--threshold takes a grey from %1 to %2, not \"%3\"")
            .arg(QString::number(GraphicConvert::minThreshold),
                 QString::number(GraphicConvert::maxThreshold),
                 modifiers.value(QStringLiteral("threshold")));
    if (!number(QStringLiteral("width"), 1, GraphicConvert::maxWidth, options.width))
        return CommandLineText::tr("--width takes a number of dots from 1 to %1, not \"%2\"")
            .arg(QString::number(GraphicConvert::maxWidth),
                 modifiers.value(QStringLiteral("width")));
    return options;
}

QString sizeText(qint64 bytes)
{
    return CommandLineText::tr("%1 bytes").arg(QLocale::c().toString(bytes));
}

class Reader
{
public:
    ParsedArguments &parsed;
    Files files;
    QHash<QString, bool> firmwareNoted;
    TargetList targets;

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
            usage(CommandLineText::tr("%1 takes a whole number of at least 1, not \"%2\"")
                      .arg(dashed(name), parser.value(name)));
            return std::nullopt;
        }
        return value;
    }

    // Milliseconds of a time given in seconds, within a day: beyond that no
    // printer is worth waiting for, and the milliseconds still fit an int.
    std::optional<int> milliseconds(const QCommandLineParser &parser, const QString &name)
    {
        if (!parser.isSet(name))
            return std::nullopt;
        bool ok = false;
        const int value = parser.value(name).toInt(&ok);
        if (!ok || value < 1 || value > maxSeconds) {
            usage(CommandLineText::tr("%1 takes a whole number of seconds from 1 to %2, not \"%3\"")
                      .arg(dashed(name), QString::number(maxSeconds), parser.value(name)));
            return std::nullopt;
        }
        return value * 1000;
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
            if (const ActionOption *option = find(actionOptions(), name)) {
                written << Written{option, value, {}};
                continue;
            }
            if (!find(modifierOptions(), name))
                continue;
            if (written.isEmpty() || !written.last().option->takes.contains(name)) {
                usage(CommandLineText::tr("%1 belongs right after an action that takes it (%2)")
                          .arg(dashed(name), takersOf(name)));
                continue;
            }
            if (written.last().modifiers.contains(name)) {
                usage(CommandLineText::tr("%1 is given twice for %2")
                          .arg(dashed(name), dashed(QLatin1String(written.last().option->name))));
                continue;
            }
            written.last().modifiers.insert(name, value);
        }
        for (const Written &action : written) {
            for (const QString &needed : action.option->needs) {
                if (!action.modifiers.contains(needed))
                    usage(CommandLineText::tr("%1 needs %2")
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

    OperationBuilders::Built profile(const QString &label, const QString &path)
    {
        // The profile reader refuses a pipe or a device itself.
        const std::variant<ProfileRecord, Failure> record = readProfile(path);
        if (const Failure *failure = std::get_if<Failure>(&record))
            return OperationBuilders::Built::refused(failure->boxText());
        const ProfileImport loaded = ProfileImport::load(std::get<ProfileRecord>(record));
        if (!loaded.values) {
            QStringList refusals;
            for (const Failure &box : loaded.boxes)
                refusals << box.boxText();
            return {std::nullopt, refusals};
        }
        return OperationBuilders::configuration(label, *loaded.values);
    }

    void noteFirmware(const QString &path, const Files::File &file)
    {
        const QString key = QFileInfo(path).absoluteFilePath();
        if (firmwareNoted.contains(key))
            return;
        firmwareNoted.insert(key, true);
        parsed.plan.notes << CommandLineText::tr("Firmware %1: %2, SHA-256 %3")
                                 .arg(QDir::toNativeSeparators(path), sizeText(file.bytes.size()),
                                      QString::fromLatin1(file.sha256.toHex()));
    }

    // The action of a file's bytes, or the file's refusal; none at all once
    // an interrupt has come.
    template <typename Make>
    OperationBuilders::Built withFile(const Written &action, Make make, bool hashed = false)
    {
        const std::optional<Files::File> file = files.read(action.value, hashed);
        if (files.interrupted)
            return {};
        if (!file)
            return OperationBuilders::Built::refused(files.errors.takeLast());
        return make(*file);
    }

    void readRunOptions(const QCommandLineParser &parser)
    {
        Plan &plan = parsed.plan;
        plan.dryRun = parser.isSet(QStringLiteral("dry-run"));
        plan.hex = parser.isSet(QStringLiteral("hex"));
        plan.output = parser.value(QStringLiteral("output"));
        plan.report = parser.value(QStringLiteral("report"));
        for (const char *name : {"output", "hex"}) {
            if (parser.isSet(QLatin1String(name)) && !plan.dryRun)
                usage(CommandLineText::tr("--%1 goes with --dry-run").arg(QLatin1String(name)));
        }
        if (const std::optional<int> jobs = positive(parser, QStringLiteral("jobs")))
            plan.jobs = *jobs;
        if (const std::optional<int> ms = milliseconds(parser, QStringLiteral("stall-limit")))
            plan.stallLimitMs = *ms;
        if (const std::optional<int> ms = milliseconds(parser, QStringLiteral("busy-limit")))
            plan.busyLimitMs = *ms;
        if (const std::optional<int> ms = milliseconds(parser, QStringLiteral("connect-timeout")))
            plan.connectTimeoutMs = *ms;
        if (const std::optional<int> ms = milliseconds(parser, QStringLiteral("progress-interval")))
            plan.progressIntervalMs = *ms;
        plan.quiet = parser.isSet(QStringLiteral("quiet"));
        if (parser.isSet(QStringLiteral("progress"))) {
            if (parser.value(QStringLiteral("progress")) != QLatin1String("json"))
                usage(CommandLineText::tr("--progress takes json, not \"%1\"")
                          .arg(parser.value(QStringLiteral("progress"))));
            else if (plan.dryRun)
                usage(CommandLineText::tr(
                    "--progress goes with a run that sends: leave out --dry-run"));
            plan.progress = Plan::Progress::Json;
        }
    }

    void readTargets(const QCommandLineParser &parser)
    {
        for (const QString &written : parser.values(QStringLiteral("to")))
            targets.add(written, QStringLiteral("--to"));
        for (const QString &path : parser.values(QStringLiteral("targets"))) {
            if (const std::optional<Files::File> file = files.read(path))
                targets.addFile(file->bytes, path);
        }
        parsed.plan.targets = targets.targets;
        parsed.plan.notes << targets.warnings;
        parsed.errors << targets.errors;
        if (parsed.plan.discover.mode == Discover::Options::Mode::Discover) {
            if (!parsed.plan.targets.isEmpty())
                usage(
                    CommandLineText::tr("--discover finds printers: leave out --to and --targets"));
        } else if (parsed.plan.targets.isEmpty() && !parsed.plan.dryRun && files.errors.isEmpty() &&
                   parsed.errors.isEmpty()) {
            usage(CommandLineText::tr("no printer to send to: give --to or --targets"));
        }
    }

    // The secrets of --snmp-secrets; each of them may be given there or as
    // its option, not both. Those given as options still count, with a
    // warning: scripts written before keep working.
    void readSecrets(const QCommandLineParser &parser)
    {
        SnmpOptions &snmp = parsed.plan.discover.discovery.snmp;
        const std::pair<const char *, QString SnmpOptions::*> secrets[]{
            {"community", &SnmpOptions::community},
            {"snmp-auth", &SnmpOptions::authPass},
            {"snmp-priv", &SnmpOptions::privPass}};
        QStringList onLine;
        for (const auto &[name, value] : secrets) {
            if (parser.isSet(QLatin1String(name)))
                onLine << QLatin1String(name);
        }
        parsed.plan.notes << SnmpSecrets::exposed(onLine);
        if (!parser.isSet(QStringLiteral("snmp-secrets")))
            return;
        const QString label = QStringLiteral("--snmp-secrets: ");
        const auto loaded =
            SnmpSecrets::load(parser.value(QStringLiteral("snmp-secrets")), files.interrupted);
        if (files.interrupted)
            return;
        if (const QString *why = std::get_if<QString>(&loaded)) {
            error(label + *why);
            return;
        }
        SnmpOptions given;
        given.community.clear();
        if (const auto why = SnmpSecrets::parse(std::get<QByteArray>(loaded), given)) {
            error(label + *why);
            return;
        }
        for (const auto &[name, value] : secrets) {
            if ((given.*value).isEmpty())
                continue;
            if (onLine.contains(QLatin1String(name)))
                usage(label + CommandLineText::tr("%1 gives what the file gives: leave out one")
                                  .arg(dashed(QLatin1String(name))));
            snmp.*value = given.*value;
        }
    }

    void buildActions(const QList<Written> &written)
    {
        if (written.isEmpty())
            usage(
                CommandLineText::tr("nothing to send: give at least one action, such as --profile "
                                    "or --firmware"));
        for (const Written &action : written) {
            OperationBuilders::Built built = action.option->build(*this, action);
            for (const QString &refusal : built.refusals)
                error(action.label() + QStringLiteral(": ") + refusal);
            if (!built.operation)
                continue;
            parsed.plan.actions << *built.operation;
        }
        for (const QString &failure : files.errors)
            error(failure);
        const Plan &plan = parsed.plan;
        if (const int images = DryRun::convertedImages(plan).size(); images > 1)
            usage(CommandLineText::tr("--output %1 takes the image of one --convert, not %2")
                      .arg(plan.output, QString::number(images)));
    }
};

const QList<ActionOption> &actionOptions()
{
    using namespace OperationBuilders;
    static const QList<ActionOption> options{
        {"profile",
         "file.vsp",
         QT_TRANSLATE_NOOP(
             "CommandLineHelp",
             "Send the configuration of a profile, as Upload Settings to Printer does after Import "
             "Profile."),
         {},
         {},
         [](Reader &reader, const Written &action) {
             return reader.profile(action.label(), action.value);
         }},
        {"calibrate",
         "gap|bar",
         QT_TRANSLATE_NOOP("CommandLineHelp", "Calibrate media sensing for the index type; needs "
                                              "--print-type, and takes --ribbon for "
                                              "thermal transfer."),
         {QStringLiteral("print-type"), QStringLiteral("ribbon")},
         {QStringLiteral("print-type")},
         [](Reader &, const Written &action) {
             return calibrate(action.label(), action.value, action.modifier("print-type"),
                              action.givenModifier("ribbon"));
         }},
        {"test-label",
         "1|2",
         QT_TRANSLATE_NOOP("CommandLineHelp", "Print test label 1 (4X3) or 2 (2.4X1)."),
         {},
         {},
         [](Reader &, const Written &action) { return testLabel(action.label(), action.value); }},
        {"store-graphic",
         "file",
         QT_TRANSLATE_NOOP("CommandLineHelp", "Store a 1-bit BMP graphic (PCX with --pcx) under "
                                              "the identifier given with --id; with "
                                              "--convert, any picture made into a 1-bit BMP."),
         {QStringLiteral("id"), QStringLiteral("pcx"), QStringLiteral("convert"),
          QStringLiteral("dither"), QStringLiteral("threshold"), QStringLiteral("width"),
          QStringLiteral("invert")},
         {QStringLiteral("id")},
         [](Reader &reader, const Written &action) {
             const auto convert = conversion(action.modifiers);
             if (const QString *why = std::get_if<QString>(&convert))
                 return OperationBuilders::Built::refused(*why);
             return reader.withFile(action, [&](const Files::File &file) {
                 const QByteArray &bytes = file.bytes;
                 return storeGraphic(action.label(), action.value, bytes, action.modifier("id"),
                                     action.givenModifier("pcx").has_value(),
                                     std::get<std::optional<GraphicConvert::Options>>(convert),
                                     Audience::CommandLine);
             });
         }},
        {"print-format",
         "file",
         QT_TRANSLATE_NOOP("CommandLineHelp", "Print a label format file as it is."),
         {},
         {},
         [](Reader &reader, const Written &action) {
             return reader.withFile(action, [&](const Files::File &file) {
                 const QByteArray &bytes = file.bytes;
                 return printFormat(action.label(), bytes);
             });
         }},
        {"store-format",
         "file",
         QT_TRANSLATE_NOOP("CommandLineHelp",
                           "Store a label format file under the identifier of --id."),
         {QStringLiteral("id")},
         {QStringLiteral("id")},
         [](Reader &reader, const Written &action) {
             return reader.withFile(action, [&](const Files::File &file) {
                 const QByteArray &bytes = file.bytes;
                 return storeFormat(action.label(), bytes, action.modifier("id"));
             });
         }},
        {"recall-image",
         "id",
         QT_TRANSLATE_NOOP("CommandLineHelp", "Print a stored graphic."),
         {},
         {},
         [](Reader &, const Written &action) { return recallImage(action.label(), action.value); }},
        {"recall-format",
         "id",
         QT_TRANSLATE_NOOP("CommandLineHelp",
                           "Print a stored format, --quantity labels (1 unless given)."),
         {QStringLiteral("quantity")},
         {},
         [](Reader &, const Written &action) {
             return recallFormat(action.label(), action.value,
                                 action.givenModifier("quantity").value_or(QStringLiteral("1")));
         }},
        {"delete",
         "id",
         QT_TRANSLATE_NOOP("CommandLineHelp", "Delete a stored graphic or format."),
         {},
         {},
         [](Reader &, const Written &action) {
             return deleteObject(action.label(), action.value);
         }},
        {"list",
         nullptr,
         QT_TRANSLATE_NOOP("CommandLineHelp", "Have the printer print the list of stored objects."),
         {},
         {},
         [](Reader &, const Written &action) { return listObjects(action.label()); }},
        {"firmware",
         "file",
         QT_TRANSLATE_NOOP("CommandLineHelp",
                           "Upload a firmware image; its SHA-256 is shown first."),
         {},
         {},
         [](Reader &reader, const Written &action) {
             return reader.withFile(
                 action,
                 [&](const Files::File &file) {
                     reader.noteFirmware(action.value, file);
                     return firmware(action.label(), file.bytes);
                 },
                 true);
         }},
        {"send",
         "file",
         QT_TRANSLATE_NOOP("CommandLineHelp", "Send a file's bytes unchanged."),
         {},
         {},
         [](Reader &reader, const Written &action) {
             return reader.withFile(action, [&](const Files::File &file) {
                 const QByteArray &bytes = file.bytes;
                 return fileBytes(action.label(), bytes);
             });
         }},
    };
    return options;
}

QString description()
{
    return QCoreApplication::translate(
        "CommandLineHelp",
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
    const QCommandLineOption help(
        {QStringLiteral("h"), QStringLiteral("help")},
        QLatin1String(QT_TRANSLATE_NOOP("CommandLineHelp", "Show this help and end.")));
    const QCommandLineOption version(
        {QStringLiteral("v"), QStringLiteral("version")},
        QLatin1String(QT_TRANSLATE_NOOP("CommandLineHelp", "Show the version and end.")));
    parser.addOptions(
        Help::translated(QList<QCommandLineOption>{help, version} + parserOptions(targetOptions()) +
                         parserOptions(actionOptions()) + parserOptions(modifierOptions()) +
                         parserOptions(runOptions()) + Discover::options()));

    Reader reader{parsed, {}, {}, {}};
    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        reader.usage(parser.errorText() +
                     (unknown.isEmpty() ? QString() : suggestion(parser, unknown.first())));
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
        reader.usage(CommandLineText::tr("unexpected argument \"%1\": targets go after --to")
                         .arg(parser.positionalArguments().first()));
        return parsed;
    }

    reader.readRunOptions(parser);
    const QList<Written> written = reader.walk(parser);
    QStringList misused;
    Discover::read(parser, parsed.plan.discover, misused);
    for (const QString &line : std::as_const(misused))
        reader.usage(line);
    if (parsed.usage)
        return parsed;
    reader.readSecrets(parser);
    misused.clear();
    Discover::checkSnmp(parsed.plan.discover.discovery.snmp, misused);
    for (const QString &line : std::as_const(misused))
        reader.usage(line);
    if (parsed.usage || (!parsed.errors.isEmpty() && !reader.files.interrupted))
        return parsed;
    const bool sending = parsed.plan.discover.mode == Discover::Options::Mode::Send;
    if (!sending && (!written.isEmpty() || parsed.plan.dryRun)) {
        reader.usage(
            CommandLineText::tr("--discover, --status and --watch send nothing: leave out the "
                                "actions and --dry-run"));
        return parsed;
    }
    reader.readTargets(parser);
    if (sending)
        reader.buildActions(written);
    // What was refused meanwhile no longer matters: the user wants out.
    parsed.plan.interrupted = reader.files.interrupted;
    if (parsed.errors.isEmpty() || parsed.plan.interrupted)
        parsed.outcome = ParsedArguments::Outcome::Run;
    return parsed;
}
