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
#include <QTabWidget>

#include <csignal>
#ifdef __GLIBC__
#include <malloc.h>
#endif
#include <sys/resource.h>

#ifdef __SANITIZE_ADDRESS__
#define SKIP_UNDER_SANITIZER() QSKIP("shadow memory makes the process's sizes meaningless")
#else
#define SKIP_UNDER_SANITIZER()
#endif

namespace
{

// Beyond 32 MiB the allocator always maps memory of its own, so what
// earlier tests left in the heap does not count.
constexpr qint64 big = 48 * 1024 * 1024;

// A field of /proc/self/status in bytes, such as "VmHWM" (peak resident).
qint64 memoryStatus(const QByteArray &field)
{
    QFile status("/proc/self/status");
    status.open(QIODevice::ReadOnly);
    for (const QByteArray &line : status.readAll().split('\n'))
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
    void specialFilesAreRefused_data()
    {
        QTest::addColumn<QString>("browse");
        QTest::addColumn<QString>("path"); // empty: a pipe
        for (const char *browse : {"BMemCMD", "BrowseCMD", "FBrowseCMD", "LoadCMD"})
            QTest::addRow("%s, pipe", browse) << browse << QString();
        QTest::newRow("system file") << "BMemCMD"
                                     << "/proc/self/status";
    }
    void specialFilesAreRefused()
    {
        QFETCH(QString, browse);
        QFETCH(QString, path);
        WindowDriver fx;
        std::optional<Fifo> pipe;
        if (path.isEmpty())
            pipe.emplace(path = fx.dir.filePath("pipe.vsp"), false);
        QStringList shown = fx.click(browse, {"file:" + path, "<ok>", "<ok>"});
        if (browse == "FBrowseCMD")
            shown = QStringList{""} + fx.click("FStoreCMD", {"<ok>"});
        QVERIFY2(shown.value(1).startsWith(path + " is not a regular file: choose a file, not a "
                                                  "device, pipe, folder or system file.|"),
                 qPrintable(shown.join('\n')));
    }

    // Peak memory, as a multiple of the file's size, while a label format
    // is printed or a firmware image loaded again; the bytes stay exact.
    void largeFilesTakeLittleMemory_data()
    {
        QTest::addColumn<bool>("format"); // else a firmware image
        QTest::addColumn<double>("peak");
        QTest::newRow("format of lone CRs") << true << 2.5;
        QTest::newRow("firmware loaded again") << false << 0.5;
    }
    void largeFilesTakeLittleMemory()
    {
        QFETCH(bool, format);
        QFETCH(double, peak);
        SKIP_UNDER_SANITIZER();
        WindowDriver fx;
        fx.window.link().setAddress(std::get<LinkAddress>(LinkAddress::parse("LPT1")));
        const QString path = fx.file("big", QByteArray(big, format ? '\r' : '\xFE'));
        // The file dialog alone, here and below.
        QCOMPARE(fx.click(format ? "FBrowseCMD" : "BMemCMD", {"file:" + path}).size(), 1);
#ifdef __GLIBC__
        malloc_trim(0); // what earlier tests freed must not be given back while measuring
#endif
        QFile clearRefs("/proc/self/clear_refs"); // starts the peak afresh
        if (!clearRefs.open(QIODevice::WriteOnly) || clearRefs.write("5") != 1)
            QSKIP("the peak memory of this process cannot be reset");
        clearRefs.close();
        const qint64 before = memoryStatus("VmRSS");
        if (format)
            QCOMPARE(fx.click("FStoreCMD", {}), QStringList());
        else
            QCOMPARE(fx.click("BMemCMD", {"file:" + path}).size(), 1);
        const double growth = double(memoryStatus("VmHWM") - before) / double(big);
        QVERIFY2(growth < peak, qPrintable(QString::number(growth)));
        if (format)
            QVERIFY(fx.parallelBytes() == QByteArray("\r\n").repeated(big));
    }

    // Short of memory, a label format is refused with a message, not a crash.
    void aFormatBeyondMemoryIsRefused()
    {
        SKIP_UNDER_SANITIZER();
        WindowDriver fx;
        fx.window.link().setAddress(std::get<LinkAddress>(LinkAddress::parse("LPT1")));
        const QString path = fx.file("crs.txt", QByteArray(big, '\r'));
        QCOMPARE(fx.click("FBrowseCMD", {"file:" + path}).size(), 1); // the file dialog alone
        rlimit before{};
        ::getrlimit(RLIMIT_AS, &before);
        // Room to read the file, not for its text, twice its size.
        const rlimit tight{rlim_t(memoryStatus("VmSize") + big * 7 / 4), before.rlim_max};
        ::setrlimit(RLIMIT_AS, &tight);
        const QStringList shown = fx.click("FStoreCMD", {"<ok>"});
        ::setrlimit(RLIMIT_AS, &before);
        QCOMPARE(shown, QStringList{"Out of memory: " + path +
                                    " is too large to send as a label format.|7"});
        QCOMPARE(fx.parallelBytes(), QByteArray());
    }

    // Answers are split at ';'. Nothing is sent, whatever the prompt.
    void unsendableIdentifiersAreRefused_data()
    {
        for (const char *column : {"button", "answers", "character", "title"})
            QTest::addColumn<QString>(column);
        const QList<QStringList> rows = {{"StoreCMD", "😀😀😀😀", "😀", "Graphic Storage"},
                                         {"FStoreCMD", "ΣA", "Σ", "File Format Storage"},
                                         {"RecallCMD", "ΩA", "Ω", "DATA STORAGE"},
                                         {"Option2", "ΩA;1", "Ω", "DATA STORAGE"},
                                         {"DeleteCMD", "ΩA", "Ω", "Delete Stored Object"}};
        for (const QStringList &row : rows)
            QTest::addRow("%s %s", qPrintable(row[0]), qPrintable(row[1]))
                << row[0] << row[1] << row[2] << row[3];
    }
    void unsendableIdentifiersAreRefused()
    {
        QFETCH(QString, button);
        QFETCH(QString, answers);
        QFETCH(QString, character);
        QFETCH(QString, title);
        WindowDriver fx;
        fx.click("FSTandardOp1");
        fx.click("BrowseCMD", {"file:" + fx.file("pic.bmp", Pictures::bmp(8, 2))});
        fx.click("FBrowseCMD", {"file:" + fx.file("label.txt", "L1\r\nL2")});
        if (button == "Option2") {
            fx.click("Option2");
            button = "RecallCMD";
        }
        QCOMPARE(fx.click(button, answers.split(';') << "<ok>").last(),
                 "The identifier contains “" + character +
                     "”, which the printer cannot receive. Use letters, digits and symbols of "
                     "Western European text.|" +
                     title);
        QCOMPARE(fx.pty.readAvailable(), QByteArray());
        QVERIFY(fx.idle());
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

    // After a long operation the keys go where they went before it, not to
    // Exit, where the next Space would quit.
    void focusReturnsAfterLongWork()
    {
        WindowDriver fx;
        const QString path = fx.file("fw.bin", QByteArray(1000, 'f'));
        fx.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&fx.window));
        auto *load = fx.control<QWidget>("BMemCMD");
        load->setFocus();
        ModalAnswerer boxes;
        boxes.chooseFile(path);
        QTest::keyClick(load, Qt::Key_Space); // a file dialog, then the load
        fx.waitUntilIdle();
        QCOMPARE(fx.control<QLabel>("BinStatLbl")->text(),
                 QStringLiteral("File Loaded into Memory"));
        QCOMPARE(fx.window.focusWidget(), load);
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
        std::signal(SIGXFSZ, SIG_DFL);
        QVERIFY(failure);
        QVERIFY(!QFile::exists(path));
    }

    // The hash shows for the image in memory, and for none other.
    void theImageHashIsShown()
    {
        WindowDriver fx;
        auto *label = fx.control<QLabel>("HashLbl");
        QVERIFY(!label->isVisible());
        // The file dialog alone.
        QCOMPARE(fx.click("BMemCMD", {"file:" + fx.file("fw.bin", "abc")}).size(), 1);
        const QString hash = "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad";
        QCOMPARE(label->text(), "SHA-256: " + hash);
        QVERIFY(label->isVisible());
        // The digits fit on one line: the label wraps after "SHA-256:" alone.
        QVERIFY(label->fontMetrics().horizontalAdvance(hash) <= label->contentsRect().width());
        // Several read chunks, each unlike the others, and a part of one: the
        // digest is that of sha256sum on the same bytes.
        QByteArray several(5 * 1024 * 1024 + 7, Qt::Uninitialized);
        for (int i = 0; i < several.size(); ++i)
            several[i] = char((i * 31) ^ (i >> 18));
        QCOMPARE(fx.click("BMemCMD", {"file:" + fx.file("several.bin", several)}).size(), 1);
        QCOMPARE(label->text(),
                 "SHA-256: ad60e570a6b783049383ecc1255253a1016b645046721fa73c14828ceb0596f9");
        const QString cut = fx.file("cut.bin", "abc");
        OnBusy cutShort(fx.tabBar(), [&] { QFile::resize(cut, 0); });
        fx.click("BMemCMD", {"file:" + cut, "<ok>"});
        QVERIFY(!label->isVisible());
    }
    // A read runs beside the window: a closing window stops it, and a page
    // gone before its end waits for the reading to stop and hears nothing.
    void readsStopWithTheWindow()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("big.bin");
        QVERIFY(QFile(path).open(QIODevice::WriteOnly));
        QVERIFY(QFile::resize(path, big)); // sparse
        StopSignal stop;
        std::weak_ptr<ChunkedFileReader> left;
        int calls = 0;
        {
            QObject page;
            auto reader = std::make_shared<ChunkedFileReader>(path);
            QVERIFY(!reader->open());
            left = reader;
            FileReadJob::read(reader, nullptr, &page, [&](ChunkedFileReader::Status) { ++calls; });
        }
        QVERIFY(left.expired());
        QCoreApplication::sendPostedEvents();
        QCOMPARE(calls, 0);
        QObject page;
        auto reader = std::make_shared<ChunkedFileReader>(path);
        QVERIFY(!reader->open());
        ChunkedFileReader::Status status = ChunkedFileReader::Status::Reading;
        FileReadJob::read(reader, &stop, &page, [&](ChunkedFileReader::Status end) {
            ++calls;
            status = end;
        });
        stop.raise();
        QTRY_COMPARE(calls, 1);
        QCOMPARE(status, ChunkedFileReader::Status::Stopped);
        QVERIFY(reader->takeBytes().isEmpty());
    }
    // A format read with room kept has its line ends made whole in place,
    // with no second copy of it, whatever the allocator holds.
    void formatLineEndsAreMadeInPlace()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("cr-only.txt");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("TEXT 4 0 30 40 HELLO\r").repeated(50000));
        file.close();
        ChunkedFileReader reader(path);
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
