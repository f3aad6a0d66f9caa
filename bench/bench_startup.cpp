// Time from starting the program to its window shown, and the memory it
// then holds, beside a bare Qt window started the same way in the same run;
// then what remembered settings add to the start, and what a full send log
// holds. Every run starts from settings of its own, empty at first.
#include "BenchSupport.h"

#include "app/MainWindow.h"
#include "common/SendLog.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QWindow>

#include <algorithm>
#include <memory>
#include <vector>

namespace
{

long residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return 0;
}

enum class Kind { Bare, Labelled, Utility, Remembered };

// Child: show one window, report its memory once it is on screen, quit.
int showWindow(int argc, char *argv[], Kind kind)
{
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    std::unique_ptr<QWidget> window;
    if (kind == Kind::Remembered) {
        // What a previous run left: another place, a folder for each kind.
        MainWindow previous;
        previous.setGeometry(60, 60, 640, 480);
        for (auto folder : {Settings::Folder::Firmware, Settings::Folder::Graphic,
                            Settings::Folder::Format, Settings::Folder::Profile})
            previous.settings().setLastFolder(folder, QDir::tempPath());
        previous.close();
        return 0;
    }
    if (kind == Kind::Utility) {
        window = std::make_unique<MainWindow>();
    } else {
        window = std::make_unique<QWidget>();
        // Any window that shows text pays for loading the font database.
        if (kind == Kind::Labelled)
            new QLabel(QStringLiteral("Varimonde Printer Setup Utility"), window.get());
    }
    window->show();
    while (!window->windowHandle() || !window->windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    QCoreApplication::processEvents();
    std::printf("shown %ld\n", residentKiB());
    std::fflush(stdout);
    return 0;
}

struct Sample {
    double ms;
    double kib;
};

Sample runChild(const QString &program, const QString &mode, const QString &home)
{
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home);
    child.setProcessEnvironment(environment);
    QElapsedTimer clock;
    clock.start();
    child.start(program, {mode});
    child.waitForStarted();
    QByteArray output;
    while (!output.contains('\n') && child.waitForReadyRead(10000))
        output += child.readAllStandardOutput();
    const double ms = clock.nsecsElapsed() / 1e6;
    child.waitForFinished();
    const QList<QByteArray> words = output.trimmed().split(' ');
    return {ms, words.size() == 2 ? words[1].toDouble() : 0};
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc > 1 && qstrcmp(argv[1], "--bare") == 0)
        return showWindow(argc, argv, Kind::Bare);
    if (argc > 1 && qstrcmp(argv[1], "--labelled") == 0)
        return showWindow(argc, argv, Kind::Labelled);
    if (argc > 1 && qstrcmp(argv[1], "--utility") == 0)
        return showWindow(argc, argv, Kind::Utility);
    if (argc > 1 && qstrcmp(argv[1], "--remember") == 0)
        return showWindow(argc, argv, Kind::Remembered);

    // The children's settings: homes of their own, one left empty, one
    // holding what a previous run remembered.
    QTemporaryDir empty, remembered;
    QCoreApplication app(argc, argv);
    const QString self = QCoreApplication::applicationFilePath();
    runChild(self, QStringLiteral("--remember"), remembered.path());
    std::vector<double> bareMs, bareKiB, labelledMs, labelledKiB, utilityMs, utilityKiB,
        rememberedMs;
    for (int round = 0; round < 9; ++round) {
        const Sample bare = runChild(self, QStringLiteral("--bare"), empty.path());
        const Sample labelled = runChild(self, QStringLiteral("--labelled"), empty.path());
        const Sample utility = runChild(self, QStringLiteral("--utility"), empty.path());
        rememberedMs.push_back(runChild(self, QStringLiteral("--utility"), remembered.path()).ms);
        bareMs.push_back(bare.ms);
        bareKiB.push_back(bare.kib);
        labelledMs.push_back(labelled.ms);
        labelledKiB.push_back(labelled.kib);
        utilityMs.push_back(utility.ms);
        utilityKiB.push_back(utility.kib);
    }
    const auto verdict = [](double value, double baseline) {
        return value / baseline <= 1.5 ? "ok (<= 1.5x)" : "MISSED (<= 1.5x)";
    };
    Bench::row("start to window shown (median of 9)", median(utilityMs), "ms", median(bareMs),
               "bare Qt window", verdict(median(utilityMs), median(bareMs)));
    Bench::row("start to window shown (median of 9)", median(utilityMs), "ms", median(labelledMs),
               "bare window with a label", verdict(median(utilityMs), median(labelledMs)));
    Bench::row("resident memory once shown", median(utilityKiB) / 1024, "MiB",
               median(bareKiB) / 1024, "bare Qt window",
               verdict(median(utilityKiB), median(bareKiB)));
    Bench::row("resident memory once shown", median(utilityKiB) / 1024, "MiB",
               median(labelledKiB) / 1024, "bare window with a label",
               verdict(median(utilityKiB), median(labelledKiB)));
    Bench::row("start with remembered settings (median of 9)", median(rememberedMs), "ms",
               median(utilityMs), "first start, empty settings", "");

    // The log at its bound: 1,000 rows of sends far longer than what it keeps.
    const long before = residentKiB();
    {
        SendLog log;
        const QByteArray payload(1 << 20, 'x');
        for (int send = 0; send < 2000; ++send) {
            SendLog::Entry entry;
            entry.time = QDateTime::currentDateTime();
            entry.link = QStringLiteral("Serial COM1 (/dev/ttyS0) 9600,N,8,1");
            entry.what = QStringLiteral("Firmware fw.bin, 1,048,576 bytes, SHA-256 9f86\u2026");
            entry.append(payload);
            log.add(std::move(entry));
        }
        Bench::row("send log full: 1,000 rows of 1 MiB sends", (residentKiB() - before) / 1024.0,
                   "MiB", log.keptBytes() / 1024.0 / 1024, "bytes kept (MiB)", "");
    }
    return 0;
}
