// Reading a 16 MiB file into memory through the Binary Transfer and the
// Data Storage tabs, beside a plain read of the same file in the same run,
// with the longest time the window went without handling its events.
#include "BenchSupport.h"

#include "app/MainWindow.h"
#include "common/ChunkedFileReader.h"
#include "common/StopSignal.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTabWidget>
#include <QTemporaryDir>

#include <algorithm>
#include <fcntl.h>
#include <unistd.h>

namespace
{

struct Run {
    double ms = 0;
    double worstGapMs = 0;
};

// Clicks `button`, answers its file dialog with `path`, and times the read
// from the moment the dialog is accepted until the click has been handled.
Run loadThrough(QPushButton *button, const QString &path, Bench::EventLoopGapMeter &gaps)
{
    QElapsedTimer clock;
    QTimer answer;
    answer.setInterval(5);
    QObject::connect(&answer, &QTimer::timeout, [&] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        answer.stop();
        if (auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
            name->setText(path);
        QTimer::singleShot(0, dialog, [dialog, &clock, &gaps] {
            gaps.start();
            clock.start();
            QMetaObject::invokeMethod(dialog, "accept");
        });
    });
    answer.start();
    button->click();
    Run run;
    run.ms = clock.nsecsElapsed() / 1e6;
    run.worstGapMs = gaps.stop();
    return run;
}

// The baseline: the file read whole into a buffer of its size with plain
// system calls, nothing else.
double plainReadMs(const QString &path)
{
    QElapsedTimer clock;
    clock.start();
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY);
    QByteArray bytes(QFileInfo(path).size(), Qt::Uninitialized);
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t got = ::read(fd, bytes.data() + done, size_t(bytes.size() - done));
        if (got <= 0)
            break;
        done += got;
    }
    ::close(fd);
    return done == bytes.size() ? clock.nsecsElapsed() / 1e6 : 0;
}

double qtReadAllMs(const QString &path)
{
    QElapsedTimer clock;
    clock.start();
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    const QByteArray bytes = file.readAll();
    return bytes.size() > 0 ? clock.nsecsElapsed() / 1e6 : 0;
}

// The pages' reading alone, without their window work.
double chunkedReadMs(const QString &path, const StopSignal &stop)
{
    QElapsedTimer clock;
    clock.start();
    ChunkedFileReader reader(path);
    if (reader.open() || reader.readAll(stop) != ChunkedFileReader::Status::Read)
        return 0;
    const QByteArray bytes = reader.takeBytes();
    return bytes.size() > 0 ? clock.nsecsElapsed() / 1e6 : 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("firmware.img"));
    {
        QByteArray content(16 * 1024 * 1024, Qt::Uninitialized);
        QRandomGenerator(11).fillRange(reinterpret_cast<quint32 *>(content.data()),
                                       content.size() / 4);
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(content);
    }

    MainWindow window;
    window.show();
    Bench::EventLoopGapMeter gaps;
    auto *binary = window.findChild<QPushButton *>(QStringLiteral("BMemCMD"));
    auto *graphic = window.findChild<QPushButton *>(QStringLiteral("BrowseCMD"));

    // Best of five each, the plain read taken in between so that both see
    // the same warm page cache.
    double plain = 1e9, qtPlain = 1e9, reading = 1e9;
    StopSignal neverStopped;
    Run binaryBest{1e9, 0}, graphicBest{1e9, 0};
    for (int round = 0; round < 5; ++round) {
        plain = std::min(plain, plainReadMs(path));
        qtPlain = std::min(qtPlain, qtReadAllMs(path));
        reading = std::min(reading, chunkedReadMs(path, neverStopped));
        window.SSTab1()->setCurrentIndex(MainWindow::BinaryTab);
        const Run b = loadThrough(binary, path, gaps);
        const auto *status = window.findChild<QLabel *>(QStringLiteral("BinStatLbl"));
        const auto *size = window.findChild<QLabel *>(QStringLiteral("FSizeTxt"));
        if (status->text() != QLatin1String("File Loaded into Memory") ||
            size->text() != QLatin1String("16777216 Bytes")) {
            std::printf("the Binary Transfer tab did not load the file\n");
            return 1;
        }
        binaryBest.ms = std::min(binaryBest.ms, b.ms);
        binaryBest.worstGapMs = std::max(binaryBest.worstGapMs, b.worstGapMs);
        window.SSTab1()->setCurrentIndex(MainWindow::StorageTab);
        const Run g = loadThrough(graphic, path, gaps);
        if (window.findChild<QLabel *>(QStringLiteral("StatLbl"))->text() !=
            QLatin1String("READ INTO MEMORY")) {
            std::printf("the Data Storage tab did not load the file\n");
            return 1;
        }
        graphicBest.ms = std::min(graphicBest.ms, g.ms);
        graphicBest.worstGapMs = std::max(graphicBest.worstGapMs, g.worstGapMs);
    }
    const auto verdict = [plain](double ms) {
        return ms <= 4 * plain ? "ok (<= 4x)" : "MISSED (<= 4x)";
    };
    Bench::row("16 MiB, the pages' chunked reader alone", reading, "ms", plain,
               "plain read(2) of the file", verdict(reading));
    Bench::row("16 MiB, QFile::readAll", qtPlain, "ms", plain, "plain read(2) of the file",
               "for comparison");
    Bench::row("16 MiB into memory, Binary Transfer tab", binaryBest.ms, "ms", plain,
               "plain read(2) of the file", verdict(binaryBest.ms));
    Bench::row("  worst event-loop gap", binaryBest.worstGapMs, "ms", 50, "target",
               binaryBest.worstGapMs <= 50 ? "ok" : "MISSED");
    Bench::row("16 MiB into memory, Data Storage tab", graphicBest.ms, "ms", plain,
               "plain read(2) of the file", verdict(graphicBest.ms));
    Bench::row("  worst event-loop gap", graphicBest.worstGapMs, "ms", 50, "target",
               graphicBest.worstGapMs <= 50 ? "ok" : "MISSED");
    return 0;
}
