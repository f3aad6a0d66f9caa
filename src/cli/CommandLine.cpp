#include "cli/CommandLine.h"

#include "cli/Arguments.h"
#include "cli/DryRun.h"
#include "cli/Report.h"
#include "cli/Runner.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>

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
        if (std::strncmp(argv[i], "--", 2) == 0 || std::strcmp(argv[i], "-h") == 0 ||
            std::strcmp(argv[i], "-v") == 0)
            return true;
    }
    return false;
}

namespace
{

bool save(const QString &path, const QByteArray &bytes, const Console &console)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        console.say(
            QStringLiteral("varimonde-setup: cannot write %1: %2").arg(path, file.errorString()));
        return false;
    }
    return true;
}

int writeDryRun(const Plan &plan, const Console &console)
{
    if (!plan.report.isEmpty() && !save(plan.report, Report::dryRunJson(plan), console))
        return 1;
    const QByteArray bytes = DryRun::render(plan);
    if (plan.output.isEmpty()) {
        console.out.write(bytes);
        return 0;
    }
    return save(plan.output, bytes, console) ? 0 : 1;
}

} // namespace

int run(const QStringList &arguments, const Console &console, bool catchInterrupts)
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
            console.say(QStringLiteral("Try 'varimonde-setup --help' for more information."));
        return 2;
    case ParsedArguments::Outcome::Run:
        break;
    }
    const Plan &plan = parsed.plan;
    for (const QString &note : plan.notes)
        console.say(note);
    if (plan.dryRun)
        return writeDryRun(plan, console);
    if (plan.discover.mode == Discover::Options::Mode::Discover)
        return Discover::discover(plan, console);
    if (plan.discover.mode == Discover::Options::Mode::Status)
        return Discover::status(plan, console);
    Runner runner(plan, console);
    if (catchInterrupts)
        runner.catchInterrupts();
    return runner.run();
}

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("varimonde-setup"));
    QFile out, err;
    if (!out.open(STDOUT_FILENO, QIODevice::WriteOnly | QIODevice::Unbuffered) ||
        !err.open(STDERR_FILENO, QIODevice::WriteOnly | QIODevice::Unbuffered))
        return 2;
    bool terminal = false;
#ifdef Q_OS_UNIX
    const QByteArray term = qgetenv("TERM");
    terminal = ::isatty(STDERR_FILENO) && term != "dumb";
#endif
    return run(QCoreApplication::arguments(), Console{out, err, terminal}, true);
}

} // namespace CommandLine
