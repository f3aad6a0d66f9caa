// The Binary Transfer tab: what a load shows and keeps in memory, the exact
// bytes an upload sends, and the busy signs around both, on every way out.
#include "common/ChunkedFileReader.h"
#include "firmware/BinaryPage.h"
#include "support/ModalAnswerer.h"
#include "support/PageDriver.h"
#include "support/TestMain.h"
#include "ui/BusyIndicators.h"
#include "ui/CommonDialog.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QProgressBar>
#include <QTabWidget>

namespace
{

// Bytes that a text path would mangle come first: XON, XOFF, end of file, NUL, CR, LF.
QByteArray firmware(int size)
{
    QByteArray bytes = QByteArray("\x11\x13\x1A\x00\r\n\xFF", 7).left(size);
    for (int i = bytes.size(); i < size; ++i)
        bytes.append(char(i * 37 + 11));
    return bytes;
}

const QStringList initialLabels = {"None Loaded", "0 Bytes", "No file loaded in Memory",
                                   "No File Loaded to Printer"};

struct Tab : PageDriver {
    Tab() : PageDriver(MainWindow::BinaryTab) {}
    QStringList labels() const
    {
        return {text("FnameTxt"), text("FSizeTxt"), text("BinStatLbl"), text("UStatLbl")};
    }
    const PrinterBytes &memory() const { return window.findChild<BinaryPage *>()->binaryBytes(); }
};

} // namespace

class TestBinaryPage : public QObject
{
    Q_OBJECT

private slots:
    void loadedBytesGoOutUnchanged_data() { addSizeAndLinkRows(); }
    void loadedBytesGoOutUnchanged()
    {
        QFETCH(int, size);
        QFETCH(bool, serial);
        Tab tab;
        QCOMPARE(tab.labels(), initialLabels);
        QString during; // the busy signs, status and animated bar while the load reads
        OnBusy spy(tab.window.SSTab1(), [&] {
            QTimer::singleShot(0, &tab.window, [&] {
                if (!during.isEmpty())
                    return;
                tab.window.busy().stepUploadAnimation();
                tab.window.busy().stepUploadAnimation();
                during =
                    QString("%1; %2; %3")
                        .arg(tab.busySigns(), tab.text("BinStatLbl"),
                             QString::number(tab.control<QProgressBar>("ProgressBar1")->value()));
            });
        });
        tab.window.link().setSerialMode(serial);
        const QByteArray content = firmware(size);
        const QString path = tab.file("image.bin", content);
        tab.choose("BMemCMD", path);
        QCOMPARE(during, QStringLiteral("tabs off, hourglass, bar; Loading file into Memory; 10"));
        QCOMPARE(tab.labels(),
                 QStringList({path, QString::number(size) + " Bytes", "File Loaded into Memory",
                              "No File Loaded to Printer"}));
        QCOMPARE(tab.memory(), PrinterBytes(content));
        QCOMPARE(openDescriptors(path), 0);
        QVERIFY(tab.idle());

        // Every upload sends the same bytes.
        QCOMPARE(tab.click("BUpLoadCMD", {}), QStringList());
        QCOMPARE(tab.click("BUpLoadCMD", {}), QStringList());
        QCOMPARE(tab.received(serial), content + content);
        QCOMPARE(tab.text("UStatLbl"), QStringLiteral("File Uploaded"));
        QCOMPARE(tab.text("BinStatLbl"), QStringLiteral("File Loaded into Memory"));
        QVERIFY(tab.idle());
    }

    void aFailedUploadSaysSo_data()
    {
        QTest::addColumn<bool>("loadFirst");
        QTest::addColumn<QString>("box"); // text start|title
        QTest::newRow("nothing loaded") << false << "Error: Subscript out of range|9";
        QTest::newRow("port missing") << true << "Error: COM200|8002";
    }
    void aFailedUploadSaysSo()
    {
        QFETCH(bool, loadFirst);
        QFETCH(QString, box);
        Tab tab;
        if (loadFirst) {
            tab.choose("BMemCMD", tab.file("upload.bin", firmware(10)));
            QVERIFY(!tab.window.link().serialPort().setCommPort(WindowFixture::missingComPort));
        }
        QString meanwhile;
        ModalAnswerer boxes;
        boxes.then([&](QWidget *shown) {
            meanwhile = tab.busySigns() + "; " + tab.text("UStatLbl");
            qobject_cast<QDialog *>(shown)->accept();
        });
        tab.click("BUpLoadCMD");
        QCOMPARE(boxes.seen().size(), 1);
        const QString text = box.section('|', 0, 0);
        QVERIFY2(boxes.seen()[0].text.startsWith(text), qPrintable(boxes.seen()[0].text));
        QCOMPARE(boxes.seen()[0].title, box.section('|', 1));
        QCOMPARE(meanwhile, QStringLiteral("tabs off, title; Uploading File"));
        QCOMPARE(tab.text("UStatLbl"), QStringLiteral("Upload Failed"));
        QVERIFY(tab.idle());
        QCOMPARE(tab.serialBytes(20), QByteArray());
    }

    // Cancel leaves the page, its memory and the shared dialog state alone.
    void cancelChangesNothing()
    {
        Tab tab;
        CommonDialog &dialog = tab.window.commonDialog();
        const QByteArray content = firmware(42);
        const QString path = tab.file("kept.bin", content);
        tab.choose("BMemCMD", path);
        dialog.setDefaultExt(".vsp"); // as a profile dialog leaves it
        const QStringList labels = tab.labels();
        QCOMPARE(tab.click("BMemCMD", {"<cancel>"}), QStringList{"file|All Files (*)|kept.bin"});
        QCOMPARE(dialog.fileName(), path);
        QCOMPARE(dialog.defaultExt(), QStringLiteral(".vsp"));
        QCOMPARE(tab.labels(), labels);
        QCOMPARE(tab.memory(), PrinterBytes(content));
        QVERIFY(tab.idle());
        tab.click("BUpLoadCMD");
        QCOMPARE(tab.serialBytes(), content);
    }

    void aDialogWithoutANameIsRefused()
    {
        Tab tab;
        ModalAnswerer boxes;
        boxes.then([](QWidget *box) { qobject_cast<QDialog *>(box)->done(QDialog::Accepted); })
            .pressOk();
        tab.click("BMemCMD");
        QCOMPARE(shownBoxes(boxes),
                 (QStringList{"file|All Files (*)|", "You must select a file to "
                                                     "load into memory.|Binary File"}));
        QCOMPARE(tab.labels(), initialLabels);
        QVERIFY(!tab.memory().has_value());
        QVERIFY(tab.idle());
    }

    // A file gone before reading or of 2 GiB changes nothing; one cut short
    // while reading leaves nothing in memory, as before any load.
    void aBrokenLoadIsReported_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("box"); // text with %1 for the path|title
        QTest::newRow("gone") << "gone" << QString("File not found: %1|53");
        QTest::newRow("cut short") << "cut" << QString("Input past end of file: %1|62");
        QTest::newRow("2 GiB") << "huge" << QString();
    }
    void aBrokenLoadIsReported()
    {
        QFETCH(QString, fault);
        QFETCH(QString, box);
        Tab tab;
        const QByteArray kept = firmware(7);
        tab.choose("BMemCMD", tab.file("first.bin", kept));
        const QStringList before = tab.labels();
        const QString path = tab.file("broken.bin", firmware(200000));
        if (fault == "huge")
            QVERIFY(QFile::resize(path, ChunkedFileReader::sizeLimit)); // sparse
        OnBusy cut(tab.window.SSTab1(), [&] {
            if (fault == "cut")
                QFile::resize(path, 0);
        });
        QString tabsAtMessage;
        ModalAnswerer boxes;
        boxes
            .then([&](QWidget *shown) {
                ModalAnswerer::typeFileName(qobject_cast<QFileDialog *>(shown), path);
                QMetaObject::invokeMethod(shown, "accept");
                if (fault == "gone")
                    QFile::remove(path);
            })
            .then([&](QWidget *shown) {
                tabsAtMessage = tab.busySigns();
                qobject_cast<QDialog *>(shown)->accept();
            });
        tab.click("BMemCMD");
        QCOMPARE(shownBoxes(boxes).mid(1),
                 QStringList{box.isEmpty() ? tooLargeText(path) + "|54"
                                           : box.arg(QDir::toNativeSeparators(path))});
        QCOMPARE(tabsAtMessage, QString());
        if (fault == "cut") {
            QCOMPARE(tab.labels(),
                     QStringList({"None Loaded", "0 Bytes", "Loading Failed: no file in Memory",
                                  "No File Loaded to Printer"}));
            QVERIFY(!tab.memory());
        } else {
            QCOMPARE(tab.labels(), before);
            QCOMPARE(tab.memory(), PrinterBytes(kept));
        }
        if (fault != "gone")
            QCOMPARE(openDescriptors(path), 0);
        QVERIFY(tab.idle());
    }

    void closingTheWindowEndsALoad()
    {
        Tab tab;
        const QString path = tab.file("closing.bin", firmware(1 << 20));
        OnBusy spy(tab.window.SSTab1(),
                   [&] { QTimer::singleShot(0, &tab.window, &QWidget::close); });
        tab.choose("BMemCMD", path);
        QVERIFY(!tab.window.isVisible());
        QCOMPARE(tab.text("BinStatLbl"), QStringLiteral("Loading Failed: no file in Memory"));
        QVERIFY(!tab.memory());
        QCOMPARE(openDescriptors(path), 0);
        QVERIFY(tab.idle());
    }

    void closingTheWindowEndsAnUpload()
    {
        Tab tab;
        tab.choose("BMemCMD", tab.file("stalled.bin", firmware(1 << 20)));
        tab.pty.pauseReading(true); // a printer that takes nothing more
        QTimer::singleShot(200, &tab.window, &QWidget::close);
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(tab.click("BUpLoadCMD", {}), QStringList());
        QVERIFY(clock.elapsed() < 1500);
        QCOMPARE(tab.text("UStatLbl"), QStringLiteral("Upload Failed"));
        QVERIFY(!tab.window.link().serialPort().isOpen());
        QVERIFY(tab.idle());
    }
};

VARIMONDE_TEST_MAIN(TestBinaryPage)
#include "tst_binarypage.moc"
