// Files and names that once hung, crashed or misled the program.
#include "common/ChunkedFileReader.h"
#include "common/FileReadJob.h"
#include "common/StopSignal.h"
#include "printer/FormatLines.h"
#include "profile/ProfileStore.h"
#include "support/Pictures.h"
#include "support/TestMain.h"
#include "support/WindowDriver.h"

#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QTemporaryFile>

#include <csignal>
#ifdef __GLIBC__
#include <malloc.h>
#endif
#include <sys/resource.h>

namespace
{

// Beyond 32 MiB the allocator always maps memory of its own, so what
// earlier tests left in the heap does not count.
constexpr qint64 big = 48 * 1024 * 1024;

// A field of /proc/self/status in bytes, such as "VmHWM" (peak resident).
qint64 memoryStatus(const QByteArray &field)
{
    for (const QByteArray &line : fileBytes("/proc/self/status").split('\n'))
        if (line.startsWith(field + ':'))
            return line.mid(field.size() + 1).trimmed().split(' ').value(0).toLongLong() * 1024;
    return -1;
}

} // namespace

class TestFileSafety : public QObject
{
    Q_OBJECT

private slots:
    // Every reader refuses a pipe (once a wait for a writer, forever), and
    // a system file, regular in name only.
    void specialFilesAreRefused()
    {
        // The reader's button, and the file (none: a pipe).
        QList<std::pair<QString, QString>> rows{{"BMemCMD", "/proc/self/status"}};
        for (const char *browse : {"BMemCMD", "BrowseCMD", "FBrowseCMD", "LoadCMD"})
            rows.prepend({browse, {}});
        for (auto [browse, path] : rows) {
            WindowDriver fx;
            std::optional<Fifo> pipe;
            if (path.isEmpty())
                pipe.emplace(path = fx.dir.filePath("pipe.vsp"), false);
            QStringList shown = fx.click(browse, {"file:" + path, "<ok>", "<ok>"});
            if (browse == "FBrowseCMD")
                shown = QStringList{""} + fx.click("FStoreCMD", {"<ok>"});
            QVERIFY2(shown.value(1).startsWith(path + " is not a regular file: choose a file, not "
                                                      "a device, pipe, folder or system file.|"),
                     qPrintable(shown.join('\n')));
        }
    }

    // Peak memory, as a multiple of the file's size, while a label format
    // is printed or a firmware image loaded again; the bytes stay exact.
    // Short of memory, the format is refused with a message, not a crash.
    void largeFilesTakeLittleMemory()
    {
#ifdef __SANITIZE_ADDRESS__
        QSKIP("shadow memory makes the process's sizes meaningless");
#endif
        QFile clearRefs("/proc/self/clear_refs"); // "5" starts the peak afresh
        if (!clearRefs.open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
            clearRefs.write("5") != 1)
            QSKIP("the peak memory of this process cannot be reset");
        WindowDriver fx;
        fx.window.link().setAddress(std::get<LinkAddress>(LinkAddress::parse("LPT1")));
        const QString format = fx.file("crs.txt", QByteArray(big, '\r'));
        const QString firmware = fx.file("fw.bin", QByteArray(big, '\xFE'));
        // The file dialogs alone, here and below.
        QCOMPARE(fx.click("FBrowseCMD", {"file:" + format}).size(), 1);
        QCOMPARE(fx.click("BMemCMD", {"file:" + firmware}).size(), 1);
        double growth = 0;
        const auto measured = [&](const QString &button, const QStringList &answers) {
#ifdef __GLIBC__
            malloc_trim(0); // what was freed before must not be given back while measuring
#endif
            clearRefs.write("5");
            const qint64 before = memoryStatus("VmRSS");
            const QStringList shown = fx.click(button, answers);
            growth = double(memoryStatus("VmHWM") - before) / double(big);
            return shown;
        };
        QCOMPARE(measured("FStoreCMD", {}), QStringList());
        QCOMPARE_LT(growth, 2.5);
        QVERIFY(fx.parallelBytes() == QByteArray("\r\n").repeated(big));
        QCOMPARE(measured("BMemCMD", {"file:" + firmware}).size(), 1);
        QCOMPARE_LT(growth, 0.5);
        rlimit before{};
        ::getrlimit(RLIMIT_AS, &before);
        // Room to read the file, not for its text, twice its size.
        const rlimit tight{rlim_t(memoryStatus("VmSize") + big * 7 / 4), before.rlim_max};
        ::setrlimit(RLIMIT_AS, &tight);
        const QStringList shown = fx.click("FStoreCMD", {"<ok>"});
        ::setrlimit(RLIMIT_AS, &before);
        QCOMPARE(shown, QStringList{"Out of memory: " + format +
                                    " is too large to send as a label format.|7"});
        QCOMPARE(fx.parallelBytes().size(), 2 * big); // only what the first send sent
    }

    // Answers are split at ';'. Nothing is sent, whatever the prompt.
    void unsendableIdentifiersAreRefused()
    {
        // The steps, the character refused, the box's title.
        const QList<QStringList> rows = {{"StoreCMD=😀😀😀😀;<ok>", "😀", "Graphic Storage"},
                                         {"FStoreCMD=ΣA;<ok>", "Σ", "File Format Storage"},
                                         {"RecallCMD=ΩA;<ok>", "Ω", "DATA STORAGE"},
                                         {"Option2 RecallCMD=ΩA;1;<ok>", "Ω", "DATA STORAGE"},
                                         {"DeleteCMD=ΩA;<ok>", "Ω", "Delete Stored Object"}};
        for (const QStringList &row : rows) {
            WindowDriver fx;
            fx.file("pic.bmp", Pictures::bmp(8, 2));
            fx.file("label.txt", "L1\r\nL2");
            fx.run({"FSTandardOp1", "BrowseCMD=file:pic.bmp", "FBrowseCMD=file:label.txt"});
            QCOMPARE(fx.run(words(row[0])).last(),
                     "The identifier contains “" + row[1] +
                         "”, which the printer cannot receive. Use letters, digits and symbols "
                         "of Western European text.|" +
                         row[2]);
            QCOMPARE(fx.pty.readAvailable(), QByteArray());
            QVERIFY(fx.idle());
        }
    }

    // A file name is shown as it is: no markup, and its "%1" left alone.
    void boxesShowPlainText()
    {
        WindowDriver fx;
        const QString path = fx.file("fw<h1>UPLOAD OK<br>%1.bmp", {});
        QVERIFY(QFile::resize(path, ChunkedFileReader::sizeLimit)); // sparse
        QList<Qt::TextFormat> formats;
        const auto plain = [&](QWidget *box) {
            auto *input = qobject_cast<QInputDialog *>(box);
            formats << (input ? input->findChild<QLabel *>()->textFormat()
                              : qobject_cast<QMessageBox *>(box)->textFormat());
            qobject_cast<QDialog *>(box)->reject();
        };
        ModalAnswerer boxes;
        boxes.chooseFile(path).then(plain).then(plain);
        fx.click("BrowseCMD");
        fx.click("RecallCMD");
        QCOMPARE(boxes.summary().value(1),
                 "File too large: " + path +
                     " has 2147483648 bytes; a file must be smaller than 2 GiB (2147483648 "
                     "bytes) to be held in memory.|Graphic Storage");
        QCOMPARE(formats, (QList<Qt::TextFormat>{Qt::PlainText, Qt::PlainText}));
    }

    // The file an export made goes again when the record cannot be written.
    void aFailedExportLeavesNoNewFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("profile.vsp");
        rlimit before{};
        ::getrlimit(RLIMIT_FSIZE, &before);
        const rlimit none{0, before.rlim_max}; // every write fails, as on a full disk
        std::signal(SIGXFSZ, SIG_IGN);
        ::setrlimit(RLIMIT_FSIZE, &none);
        const std::optional<Failure> failure = writeProfile(path, ProfileRecord{});
        ::setrlimit(RLIMIT_FSIZE, &before);
        QVERIFY(failure);
        QVERIFY(!QFile::exists(path));
    }

    // The hash shows for the image in memory, and for none other. After the
    // load the keys go where they went before it, not to Exit, where the
    // next Space would quit.
    void theImageHashIsShown()
    {
        WindowDriver fx;
        auto *label = fx.control<QLabel>("HashLbl");
        // Several read chunks, each unlike the others, and a part of one: the
        // digest is that of sha256sum on the same bytes.
        QByteArray several(5 * 1024 * 1024 + 7, Qt::Uninitialized);
        for (int i = 0; i < several.size(); ++i)
            several[i] = char((i * 31) ^ (i >> 18));
        fx.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&fx.window));
        fx.tabBar()->setCurrentIndex(MainWindow::BinaryTab);
        auto *load = fx.control<QWidget>("BMemCMD");
        load->setFocus();
        ModalAnswerer boxes;
        const QString path = fx.file("several.bin", several);
        boxes.chooseFile(path);
        QTest::keyClick(load, Qt::Key_Space); // a file dialog, then the load
        fx.waitUntilIdle();
        QCOMPARE(fx.window.focusWidget(), load);
        const QString hash = "ad60e570a6b783049383ecc1255253a1016b645046721fa73c14828ceb0596f9";
        QCOMPARE(label->text(), "SHA-256: " + hash);
        QVERIFY(label->isVisible());
        // The digits fit on one line: the label wraps after "SHA-256:" alone.
        QVERIFY(label->fontMetrics().horizontalAdvance(hash) <= label->contentsRect().width());
        // The same file, cut short while it is read.
        OnBusy cutShort(fx.tabBar(), [&] { QFile::resize(path, 0); });
        fx.click("BMemCMD", {"file:" + path, "<ok>"});
        QVERIFY(!label->isVisible());
    }
    // A read runs beside the window: a closing window stops it, and a page
    // gone before its end waits for the reading to stop and hears nothing.
    void readsStopWithTheWindow()
    {
        QTemporaryFile file;
        QVERIFY(file.open() && file.resize(big)); // sparse
        QList<ChunkedFileReader::Status> ends;    // as each read tells them
        const auto read = [&](QObject &page, const StopSignal *stop) {
            auto reader = std::make_shared<ChunkedFileReader>(file.fileName());
            if (!reader->open())
                FileReadJob::read(reader, stop, &page,
                                  [&](ChunkedFileReader::Status end) { ends << end; });
            return reader;
        };
        // The page goes at the end of this statement, long before the read ends.
        const std::weak_ptr<ChunkedFileReader> left = read(*std::make_unique<QObject>(), nullptr);
        QVERIFY(left.expired());
        QCoreApplication::sendPostedEvents();
        QCOMPARE(ends.size(), 0);
        QObject page;
        StopSignal stop;
        const auto reader = read(page, &stop);
        stop.raise();
        QTRY_COMPARE(ends.size(), 1);
        QCOMPARE(ends[0], ChunkedFileReader::Status::Stopped);
        QVERIFY(reader->takeBytes().isEmpty());
    }
    // A format read with room kept has its line ends made whole in place,
    // with no second copy of it, whatever the allocator holds.
    void formatLineEndsAreMadeInPlace()
    {
        QTemporaryFile file;
        QVERIFY(file.open());
        file.write(QByteArray("TEXT 4 0 30 40 HELLO\r").repeated(50000));
        file.close();
        ChunkedFileReader reader(file.fileName());
        QVERIFY(!reader.open());
        reader.keepRoom(FormatLines::roomToGrow(reader.size()));
        QCOMPARE(reader.readAll(), ChunkedFileReader::Status::Read);
        QByteArray text = reader.takeBytes();
        QVERIFY(text.capacity() >= text.size() + 50000); // one LF a line
        const char *const read = text.constData();
        FormatLines::toPrinterText(text);
        QCOMPARE(text, QByteArray("TEXT 4 0 30 40 HELLO\r\n").repeated(50000));
        QCOMPARE(text.constData(), read);
    }
};

VARIMONDE_TEST_MAIN(TestFileSafety)
#include "tst_filesafety.moc"
