// The Binary Transfer tab: what a load shows and keeps in memory, the exact
// bytes an upload sends, and the tab strip, pointer and animations around
// both, on every way out.
#include "app/BusyIndicators.h"
#include "app/CommonDialog.h"
#include "app/WindowTitle.h"
#include "firmware/BinaryPage.h"
#include "support/ModalAnswerer.h"
#include "support/TestMain.h"
#include "support/WindowFixture.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTabWidget>
#include <QTimer>

#include <functional>
#include <memory>

class TestBinaryPage : public QObject
{
    Q_OBJECT

    struct Tab {
        WindowFixture fx;
        Tab() { fx.showTab(MainFrm::BinaryTab); }
        QString label(const QString &name) const { return fx.control<QLabel>(name)->text(); }
        QStringList labels() const
        {
            return {label("FnameTxt"), label("FSizeTxt"), label("BinStatLbl"), label("UStatLbl")};
        }
        bool tabsEnabled() const { return fx.window.SSTab1()->isEnabled(); }
        const PrinterBytes &memory() const { return fx.window.binaryPage()->binaryBytes(); }
        QProgressBar *bar() const { return fx.control<QProgressBar>("ProgressBar1"); }
        void click(const char *button)
        {
            QTest::mouseClick(fx.control<QPushButton>(button), Qt::LeftButton);
        }

        // Loads `path` through the dialog; the dialog is the only box expected.
        void load(const QString &path)
        {
            ModalAnswerer boxes;
            boxes.chooseFile(path);
            click("BMemCMD");
            QVERIFY2(boxes.seen().size() == 1 && boxes.unexpectedCount() == 0,
                     qPrintable(boxes.describe()));
        }
        // Runs `action` once, at the first turn of the event loop while a load reads.
        std::unique_ptr<QTimer> duringLoad(std::function<void()> action)
        {
            auto timer = std::make_unique<QTimer>();
            timer->setInterval(0);
            QTimer *turn = timer.get();
            QObject::connect(turn, &QTimer::timeout, [this, turn, action] {
                if (label("BinStatLbl") == "Loading file into Memory") {
                    turn->stop();
                    action();
                }
            });
            turn->start();
            return timer;
        }
        // Checks that the window is back at rest after an operation.
        void verifyAtRest()
        {
            QVERIFY(tabsEnabled());
            QCOMPARE(fx.window.cursor().shape(), Qt::ArrowCursor);
            QVERIFY(!fx.window.busy().uploadTimer().isActive());
            QVERIFY(!fx.window.busy().timer2().isActive());
            QCOMPARE(bar()->value(), 0);
            QCOMPARE(fx.window.windowTitle(), WindowTitle::plain);
        }
    };

    QTemporaryDir m_files;

    static QStringList initialLabels()
    {
        return {"None Loaded", "0 Bytes", "No file loaded in Memory", "No File Loaded to Printer"};
    }

    QString writeFile(const QString &name, const QByteArray &content)
    {
        const QString path = m_files.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(content) != content.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

    // Bytes that a text path would mangle come first: XON, XOFF, end of file, NUL, CR, LF.
    static QByteArray firmware(int size)
    {
        QByteArray bytes = QByteArray("\x11\x13\x1A\x00\r\n\xFF", 7).left(size);
        for (int i = bytes.size(); i < size; ++i)
            bytes.append(char(i * 37 + 11));
        return bytes;
    }

    // How many of this process's open files lead to `path` (Linux).
    static int openHandles(const QString &path)
    {
        const QString target = QFileInfo(path).canonicalFilePath();
        int count = 0;
        const QDir fds(QStringLiteral("/proc/self/fd"));
        for (const QString &fd :
             fds.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot))
            count += QFile::symLinkTarget(fds.filePath(fd)) == target ? 1 : 0;
        return count;
    }

private slots:
    void startsAsDescribed()
    {
        Tab tab;
        QCOMPARE(tab.fx.control<QWidget>("Frame10")->property("title").toString(), "Binary File");
        QCOMPARE(tab.fx.control<QWidget>("Frame11")->property("title").toString(),
                 "Binary File Information/Status");
        QCOMPARE(tab.fx.control<QPushButton>("BMemCMD")->text(), "&Load Binary File To Memory.");
        QCOMPARE(tab.fx.control<QPushButton>("BUpLoadCMD")->text(), "Upload to Pri&nter");
        QCOMPARE(tab.fx.control<QPushButton>("BUpLoadCMD")->toolTip(),
                 "Use to upload new firmware to printer");
        QCOMPARE(tab.label("Label32"), "File Name:");
        QCOMPARE(tab.label("Label33"), "File Size:");
        QCOMPARE(tab.labels(), initialLabels());
        QCOMPARE(tab.bar()->minimum(), 0);
        QCOMPARE(tab.bar()->maximum(), 100);
        QVERIFY(!tab.memory().has_value());
        tab.verifyAtRest();

        // The bar the window animates is this tab's.
        tab.fx.window.busy().TimerOn();
        tab.fx.window.busy().onUploadTimerTick();
        tab.fx.window.busy().onUploadTimerTick();
        QCOMPARE(tab.bar()->value(), 10);
        tab.fx.window.busy().timeroff();
        QCOMPARE(tab.bar()->value(), 0);
    }

    void loadedBytesGoOutUnchanged_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("serial");
        const QList<QPair<const char *, QByteArray>> files = {
            {"0 bytes", QByteArray()},
            {"1 byte", firmware(1)},
            {"01 02 03", QByteArray("\x01\x02\x03")},
            {"100 bytes", firmware(100)},
            {"101 bytes", firmware(101)},
            {"250 bytes", firmware(250)},
        };
        for (const auto &[name, content] : files) {
            QTest::addRow("%s serial", name) << content << true;
            QTest::addRow("%s parallel", name) << content << false;
        }
    }
    void loadedBytesGoOutUnchanged()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, serial);
        Tab tab;
        tab.fx.window.link().setSerialMode(serial);
        const QString path = writeFile("image.bin", content);

        tab.load(path);
        QCOMPARE(tab.labels(),
                 QStringList({path, QString::number(content.size()) + " Bytes",
                              "File Loaded into Memory", "No File Loaded to Printer"}));
        QCOMPARE(tab.memory(), PrinterBytes(content));
        QCOMPARE(openHandles(path), 0);
        tab.verifyAtRest();

        ModalAnswerer boxes;
        tab.click("BUpLoadCMD");
        QCOMPARE(boxes.seen().size(), 0);
        QCOMPARE(serial ? tab.fx.serialBytes() : tab.fx.parallelBytes(), content);
        QCOMPARE(tab.label("UStatLbl"), "File Uploaded");
        QCOMPARE(tab.label("BinStatLbl"), "File Loaded into Memory");
        tab.verifyAtRest();
    }

    void everyUploadSendsTheSameBytes()
    {
        Tab tab;
        const QByteArray content = firmware(250);
        tab.load(writeFile("twice.bin", content));
        tab.click("BUpLoadCMD");
        tab.click("BUpLoadCMD");
        QCOMPARE(tab.fx.pty.readExactly(2 * content.size()), content + content);

        tab.fx.window.link().setSerialMode(false);
        tab.click("BUpLoadCMD");
        tab.click("BUpLoadCMD");
        QCOMPARE(tab.fx.parallelBytes(), content + content);
        QCOMPARE(tab.memory(), PrinterBytes(content));
    }

    void aFailedUploadSaysSo_data()
    {
        QTest::addColumn<bool>("loadFirst");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("title");
        QTest::newRow("nothing loaded") << false << "Error: Subscript out of range"
                                        << "9";
        QTest::newRow("port missing") << true << "Error: COM200"
                                      << "8002";
    }
    void aFailedUploadSaysSo()
    {
        QFETCH(bool, loadFirst);
        QFETCH(QString, text);
        QFETCH(QString, title);
        Tab tab;
        if (loadFirst) {
            tab.load(writeFile("upload.bin", firmware(10)));
            QVERIFY(!tab.fx.window.link().comm().setCommPort(WindowFixture::missingComPort));
        }

        bool tabsEnabledMeanwhile = true;
        bool titleAnimated = false;
        QString statusMeanwhile;
        ModalAnswerer boxes;
        boxes.then([&](QWidget *box) {
            tabsEnabledMeanwhile = tab.tabsEnabled();
            titleAnimated = tab.fx.window.busy().timer2().isActive();
            statusMeanwhile = tab.label("UStatLbl");
            qobject_cast<QDialog *>(box)->accept();
        });
        tab.click("BUpLoadCMD");
        QCOMPARE(boxes.seen().size(), 1);
        QVERIFY2(boxes.seen()[0].text.startsWith(text), qPrintable(boxes.seen()[0].text));
        QCOMPARE(boxes.seen()[0].title, title);
        QVERIFY(!tabsEnabledMeanwhile);
        QVERIFY(titleAnimated);
        QCOMPARE(statusMeanwhile, "Uploading File");
        QCOMPARE(tab.label("UStatLbl"), "Upload Failed");
        tab.verifyAtRest();
        QCOMPARE(tab.fx.serialBytes(20), QByteArray());
    }

    void loadShowsItIsBusy()
    {
        Tab tab;
        const QString path = writeFile("busy.bin", firmware(5000));
        bool tabsEnabled = true, barAnimated = false;
        Qt::CursorShape pointer = Qt::ArrowCursor;
        QString status;
        const auto probe = tab.duringLoad([&] {
            tabsEnabled = tab.tabsEnabled();
            barAnimated = tab.fx.window.busy().uploadTimer().isActive();
            pointer = tab.fx.window.cursor().shape();
            status = tab.label("BinStatLbl");
        });
        tab.load(path);
        QVERIFY(!tabsEnabled);
        QVERIFY(barAnimated);
        QCOMPARE(pointer, Qt::WaitCursor);
        QCOMPARE(status, "Loading file into Memory");
        QCOMPARE(tab.label("BinStatLbl"), "File Loaded into Memory");
        tab.verifyAtRest();
    }

    void cancelChangesNothing()
    {
        Tab tab;
        CommonDialog &dialog = tab.fx.window.commonDialog();
        const QByteArray content = firmware(42);
        const QString path = writeFile("kept.bin", content);
        dialog.DefaultExt = ".vsp"; // as a profile dialog leaves it
        dialog.FileName = path;

        // Once before anything was loaded, once after a load and an upload.
        for (int round = 0; round < 2; ++round) {
            const QStringList labels = tab.labels();
            const PrinterBytes memory = tab.memory();
            {
                ModalAnswerer boxes;
                boxes.cancel();
                tab.click("BMemCMD");
                QCOMPARE(boxes.seen().size(), 1);
                QCOMPARE(boxes.seen()[0].kind, ModalAnswerer::Kind::File);
                QCOMPARE(boxes.seen()[0].nameFilters, QStringList{"All Files (*)"});
                QCOMPARE(boxes.seen()[0].proposed, "kept.bin"); // the name is never reset
                QVERIFY(!boxes.seen()[0].saving);
            }
            QCOMPARE(dialog.Filter, "All Files(*.*)|*.*");
            QVERIFY(dialog.CancelError);
            QCOMPARE(dialog.FileName, path);
            QCOMPARE(dialog.DefaultExt, ".vsp");
            QCOMPARE(tab.labels(), labels);
            QCOMPARE(tab.memory(), memory);
            tab.verifyAtRest();

            if (round == 0) {
                tab.load(path);
                tab.click("BUpLoadCMD");
                QCOMPARE(tab.fx.serialBytes(), content);
            }
        }
    }

    void aDialogWithoutANameIsRefused()
    {
        Tab tab;
        ModalAnswerer boxes;
        boxes.then([](QWidget *box) { qobject_cast<QDialog *>(box)->done(QDialog::Accepted); })
            .pressOk();
        tab.click("BMemCMD");
        QCOMPARE(boxes.seen().size(), 2);
        QCOMPARE(boxes.seen()[1].text, "You must select a file to load into memory.");
        QCOMPARE(boxes.seen()[1].title, "Binary File");
        QCOMPARE(boxes.seen()[1].icon, QMessageBox::NoIcon);
        QCOMPARE(boxes.seen()[1].buttons, QStringList{"OK"});
        QCOMPARE(tab.labels(), initialLabels());
        QVERIFY(!tab.memory().has_value());
        tab.verifyAtRest();
    }

    void aFileGoneBeforeReadingIsReported()
    {
        Tab tab;
        const QByteArray kept = firmware(7);
        tab.load(writeFile("first.bin", kept));
        const QStringList before = tab.labels();
        const QString path = writeFile("vanishing.bin", firmware(300));

        ModalAnswerer boxes;
        boxes
            .then([path](QWidget *box) {
                auto *dialog = qobject_cast<QFileDialog *>(box);
                ModalAnswerer::typeFileName(dialog, path);
                QMetaObject::invokeMethod(dialog, "accept");
                QFile::remove(path);
            })
            .pressOk();
        tab.click("BMemCMD");
        QCOMPARE(boxes.seen().size(), 2);
        QCOMPARE(boxes.seen()[1].text, "File not found: " + QDir::toNativeSeparators(path));
        QCOMPARE(boxes.seen()[1].title, "53");
        QCOMPARE(boxes.seen()[1].icon, QMessageBox::NoIcon);
        QCOMPARE(tab.labels(), before);
        QCOMPARE(tab.memory(), PrinterBytes(kept));
        tab.verifyAtRest();
    }

    void aFileCutShortWhileReadingIsReported()
    {
        Tab tab;
        const int size = 200000;
        const QString path = writeFile("shrinking.bin", firmware(size));
        const auto shrink = tab.duringLoad([path] { QFile::resize(path, 0); });
        bool tabsEnabledAtMessage = false;
        ModalAnswerer boxes;
        boxes.chooseFile(path).then([&](QWidget *box) {
            tabsEnabledAtMessage = tab.tabsEnabled();
            qobject_cast<QDialog *>(box)->accept();
        });
        tab.click("BMemCMD");
        QCOMPARE(boxes.seen().size(), 2);
        QCOMPARE(boxes.seen()[1].text, "Input past end of file: " + QDir::toNativeSeparators(path));
        QCOMPARE(boxes.seen()[1].title, "62");
        QVERIFY(tabsEnabledAtMessage);
        // What was done before the failure stays.
        QCOMPARE(tab.labels(), QStringList({path, "200000 Bytes", "Loading file into Memory",
                                            "No File Loaded to Printer"}));
        QCOMPARE(tab.memory(), PrinterBytes(QByteArray(size, '\0')));
        QCOMPARE(openHandles(path), 0);
        tab.verifyAtRest();
    }

    void aFileOfTwoGigabytesIsRefused()
    {
        Tab tab;
        const QByteArray kept = firmware(3);
        tab.load(writeFile("small.bin", kept));
        const QStringList before = tab.labels();
        const QString path = m_files.filePath("huge.bin");
        {
            QFile huge(path);
            QVERIFY(huge.open(QIODevice::WriteOnly));
            QVERIFY(huge.resize(qint64(1) << 31)); // sparse: takes no room
        }
        ModalAnswerer boxes;
        boxes.chooseFile(path).pressOk();
        tab.click("BMemCMD");
        QFile::remove(path);
        QCOMPARE(boxes.seen().size(), 2);
        QVERIFY2(
            boxes.seen()[1].text.startsWith("File too large: " + QDir::toNativeSeparators(path)),
            qPrintable(boxes.seen()[1].text));
        QVERIFY(boxes.seen()[1].text.contains("2147483648 bytes"));
        QCOMPARE(boxes.seen()[1].title, "54");
        QCOMPARE(tab.labels(), before);
        QCOMPARE(tab.memory(), PrinterBytes(kept));
        tab.verifyAtRest();
    }

    void aLargeFileLoadsWhole()
    {
        Tab tab;
        QByteArray content(16 * 1024 * 1024 + 3, '\0');
        QRandomGenerator random(7);
        random.fillRange(reinterpret_cast<quint32 *>(content.data()), content.size() / 4);
        const QString path = writeFile("firmware.img", content);

        // Speed and the event-loop gaps are measured by bench_fileload.
        ModalAnswerer boxes;
        boxes.chooseFile(path);
        tab.click("BMemCMD");
        QCOMPARE(tab.label("FSizeTxt"), "16777219 Bytes");
        QVERIFY(tab.memory() == PrinterBytes(content));
        tab.verifyAtRest();
    }

    void closingTheWindowEndsALoad()
    {
        Tab tab;
        const QString path = writeFile("closing.bin", firmware(1 << 20));
        const auto close = tab.duringLoad([&] { tab.fx.window.close(); });
        ModalAnswerer boxes;
        boxes.chooseFile(path);
        tab.click("BMemCMD");
        QCOMPARE(boxes.seen().size(), 1);
        QCOMPARE(boxes.unexpectedCount(), 0);
        QVERIFY(!tab.fx.window.isVisible());
        QCOMPARE(tab.label("BinStatLbl"), "Loading file into Memory");
        QCOMPARE(openHandles(path), 0);
        QVERIFY(tab.tabsEnabled());
        QVERIFY(!tab.fx.window.busy().uploadTimer().isActive());
    }

    void closingTheWindowEndsAnUpload()
    {
        Tab tab;
        tab.load(writeFile("stalled.bin", firmware(1 << 20)));
        tab.fx.pty.pauseReading(true); // a printer that takes nothing more
        QTimer::singleShot(200, &tab.fx.window, &QWidget::close);
        ModalAnswerer boxes;
        QElapsedTimer clock;
        clock.start();
        tab.click("BUpLoadCMD");
        QVERIFY(clock.elapsed() < 1500);
        QCOMPARE(boxes.seen().size(), 0);
        QCOMPARE(tab.label("UStatLbl"), "Upload Failed");
        QVERIFY(!tab.fx.window.link().comm().isOpen());
        QVERIFY(tab.tabsEnabled());
    }
};

VARIMONDE_TEST_MAIN(TestBinaryPage)
#include "tst_binarypage.moc"
