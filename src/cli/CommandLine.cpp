#include "cli/CommandLine.h"

#include "cli/Arguments.h"
#include "cli/DryRun.h"
#include "cli/Fleet.h"
#include "cli/Report.h"
#include "cli/Runner.h"
#include "common/CommandLineText.h"
#include "common/Language.h"
#include "common/ProcessSignals.h"
#include "common/SafeWrite.h"

#include <QCoreApplication>
#include <QFile>

#include <cstring>

#include <cstdio>

#ifdef Q_OS_UNIX
#include <unistd.h>
#else
#include <io.h>
#define STDOUT_FILENO 1
#define STDERR_FILENO 2
#endif

namespace CommandLine
{

bool wanted(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        // The language alone is the window's too.
        if (std::strcmp(argv[i], "--lang") == 0 && i + 1 < argc) {
            ++i;
            continue;
        }
        if (std::strncmp(argv[i], "--lang=", 7) == 0)
            continue;
        if (std::strncmp(argv[i], "--", 2) == 0 || std::strcmp(argv[i], "-h") == 0 ||
            std::strcmp(argv[i], "-v") == 0)
            return true;
    }
    return false;
}

namespace
{

// A dry run has nothing to wait for but its outputs: an interrupt while
// one waits for its reader ends it.
int writeDryRun(const Plan &plan, const Console &console)
{
    const auto status = [](int otherwise) {
        return Interrupts::count() > 0 ? int(Interrupts::exitStatus) : otherwise;
    };
    if (!plan.report.isEmpty() && !Report::save(plan.report, Report::dryRunJson(plan), console,
                                                CommandLineText::tr("the report")))
        return status(1);
    // Interrupted while the report was written: the output is not begun.
    if (Interrupts::count() > 0) {
        console.say(
            CommandLineText::tr("varimonde-setup: interrupted before the output was written"));
        return Interrupts::exitStatus;
    }
    const QByteArray bytes = DryRun::render(plan);
    if (plan.output.isEmpty()) {
        console.out.write(bytes);
        return status(0);
    }
    if (const std::optional<Failure> failure = SafeWrite::write(plan.output, bytes)) {
        console.say(CommandLineText::tr("varimonde-setup: cannot write the output: %1")
                        .arg(failure->shown()));
        return status(1);
    }
    return status(0);
}

int runParsed(const QStringList &arguments, const Console &console)
{
    const ParsedArguments parsed = parseArguments(arguments);
    switch (parsed.outcome) {
    case ParsedArguments::Outcome::Help:
    case ParsedArguments::Outcome::Version:
        console.out.write(parsed.text.toUtf8());
        return 0;
    case ParsedArguments::Outcome::Refused:
        for (const QString &error : parsed.errors)
            console.say(QStringLiteral("varimonde-setup: ") + error);
        if (parsed.usage)
            console.say(CommandLineText::tr("Try 'varimonde-setup --help' for more information."));
        return 2;
    case ParsedArguments::Outcome::Run:
        break;
    }
    const Plan &plan = parsed.plan;
    for (const QString &note : plan.notes) {
        if (!plan.quiet)
            console.say(note);
    }
    if (plan.interrupted && plan.dryRun) {
        console.say(CommandLineText::tr("varimonde-setup: interrupted while the files were read"));
        return Interrupts::exitStatus;
    }
    // Pictures are converted once the files are read: an interrupt meanwhile
    // leaves nothing to show.
    if (plan.dryRun && Interrupts::count() > 0) {
        console.say(
            CommandLineText::tr("varimonde-setup: interrupted before the bytes were shown"));
        return Interrupts::exitStatus;
    }
    if (plan.dryRun)
        return writeDryRun(plan, console);
    if (plan.discover.mode == Discover::Options::Mode::Discover)
        return Discover::discover(plan, console);
    if (plan.discover.mode == Discover::Options::Mode::Status)
        return Discover::status(plan, console);
    if (plan.discover.mode == Discover::Options::Mode::Watch)
        return Fleet::watch(plan, console);
    Runner runner(plan, console);
    return runner.run();
}

} // namespace

int run(const QStringList &arguments, const Console &console, bool catchInterrupts)
{
    // From the start: a file read may take seconds, and an interrupt then
    // must end the run as any other does.
    if (catchInterrupts)
        Interrupts::catchThem();
    const int status = runParsed(arguments, console);
    if (catchInterrupts)
        Interrupts::release();
    return status;
}

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("varimonde-setup"));
    QFile out, err;
    if (!out.open(STDOUT_FILENO, QIODevice::WriteOnly | QIODevice::Unbuffered) ||
        !err.open(STDERR_FILENO, QIODevice::WriteOnly | QIODevice::Unbuffered))
        return 2;
    Console console{out, err};
#ifdef Q_OS_UNIX
    console.errIsTerminal = ::isatty(STDERR_FILENO);
    console.outIsTerminal = ::isatty(STDOUT_FILENO);
    console.terminal = console.errIsTerminal && qgetenv("TERM") != "dumb";
#endif
    if (const QString warning = Language::install(application); !warning.isEmpty())
        console.say(warning);
    return run(QCoreApplication::arguments(), console, true);
}

} // namespace CommandLine
