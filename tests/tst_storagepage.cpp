// The Data Storage tab driven as a user would: what it shows, what it asks,
// and the exact bytes that reach the printer.
#include "common/ChunkedFileReader.h"
#include "support/PageDriver.h"
#include "support/TestMain.h"
#include "ui/DetailsWindow.h"

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

namespace
{

QByteArray patterned(int size) // 0x11, 0x13 and 0x1A among the bytes
{
    QByteArray bytes;
    for (int i = 0; i < size; ++i)
        bytes.append(char((i * 7 + 0x11) & 0xFF));
    return bytes;
}

const QByteArray graphicHeader = "! 0 0 0 0\r\nGRAPHIC STORE ";
const QString identifierPrompt = "Enter Identifier|Graphic Storage|Image_1";
const QString noGraphic =
    "No graphic has been read. Use Browse to choose one first.|Graphic Storage";

struct Tab : PageDriver {
    Tab() : PageDriver(MainWindow::StorageTab) {}
};

} // namespace

class TestStoragePage : public QObject
{
    Q_OBJECT

private slots:
    void graphicStoredExactly_data() { addSizeAndLinkRows(); }
    void graphicStoredExactly()
    {
        QFETCH(bool, serial);
        QFETCH(int, size);
        Tab tab;
        QStringList during; // the busy signs as a read and a store begin, the status meanwhile
        OnBusy spy(tab.window.SSTab1(), [&] {
            during << tab.busySigns();
            QTimer::singleShot(0, &tab.window, [&] { during << tab.text("StatLbl"); });
        });
        tab.window.link().setSerialMode(serial);
        const QByteArray data = patterned(size);
        const QString path = tab.file("pic.bmp", data);
        tab.choose("BrowseCMD", path);
        QCOMPARE(tab.text("FilePathTxt"), path);
        QCOMPARE(tab.text("ProgLbl"), QStringLiteral("%1 Bytes").arg(size));
        QCOMPARE(tab.text("StatLbl"), QStringLiteral("READ INTO MEMORY"));
        QVERIFY(tab.idle());

        QCOMPARE(tab.click("StoreCMD", {"logo"}), QStringList{identifierPrompt});
        QCOMPARE(tab.received(serial), graphicHeader + "BMP 3 LOGO\r\n" + data + "\r\n");
        QCOMPARE(tab.text("StatLbl"), QStringLiteral("FINISHED STORING LOGO"));
        QVERIFY(tab.idle());
        const QString busy = "tabs off, hourglass, title";
        QCOMPARE(during.mid(0, 3), (QStringList{busy, "READING INTO MEMORY", busy}));
    }

    // Answers and boxes are split at ';'. `sent` follows the header on each
    // of two stores from one read.
    void graphicStoreAsks_data()
    {
        for (const char *column : {"setup", "answers", "boxes", "sent", "status"})
            QTest::addColumn<QString>(column);
        const QString asked = identifierPrompt, read = "READ INTO MEMORY";
        const QList<QStringList> rows = {
            {"proposal", "", "<ok>", asked, "BMP 3 IMAGE_1\r\n", "FINISHED STORING IMAGE_1"},
            {"eight, pcx", "pcx", "abcdefgh", asked, "PCX 3 ABCDEFGH\r\n",
             "FINISHED STORING ABCDEFGH"},
            {"nine", "", "abcdefghi;<ok>",
             asked + ";Valid Identifier must be no more than 8 characters.|Graphic Storage", "",
             read},
            {"cancel", "", "<cancel>", asked, "", read},
            {"nothing read", "none", "<ok>", noGraphic, "", ""},
            // The first part that fails ends the store, with no claim of success.
            {"port fails", "no port", "logo;<ok>",
             asked + ";Error Opening CommPort for String Send|SComString", "", "STORING FAILED"},
        };
        for (const QStringList &row : rows)
            QTest::newRow(qPrintable(row[0])) << row[1] << row[2] << row[3] << row[4] << row[5];
    }
    void graphicStoreAsks()
    {
        QFETCH(QString, setup);
        QFETCH(QString, answers);
        QFETCH(QString, boxes);
        QFETCH(QString, sent);
        QFETCH(QString, status);
        Tab tab;
        if (setup != "none")
            tab.choose("BrowseCMD", tab.file("pic.pcx", "xyz"));
        if (setup == "pcx")
            tab.click("GSPCXOp");
        if (setup == "no port")
            tab.window.link().serialPort().setCommPort(WindowFixture::missingComPort);
        QCOMPARE(tab.click("StoreCMD", answers.split(';')), boxes.split(';'));
        QCOMPARE(tab.click("StoreCMD", answers.split(';')), boxes.split(';'));
        const QByteArray once = sent.isEmpty() ? "" : graphicHeader + sent.toLatin1() + "xyz\r\n";
        QCOMPARE(tab.serialBytes(), once + once);
        QCOMPARE(tab.text("StatLbl"), status);
        QVERIFY(tab.idle());
    }

    void browseThatReadsNothingKeepsTheGraphic_data()
    {
        QTest::addColumn<bool>("huge");
        QTest::newRow("cancel") << false;
        QTest::newRow("2 GiB") << true;
    }
    void browseThatReadsNothingKeepsTheGraphic()
    {
        QFETCH(bool, huge);
        Tab tab;
        const QString small = tab.file("small.bmp", "ok"), big = tab.file("huge.bmp", {});
        QVERIFY(QFile::resize(big, ChunkedFileReader::sizeLimit)); // sparse
        tab.choose("BrowseCMD", small);
        tab.window.commonDialog().setDefaultExt(".vsp"); // as a profile dialog leaves it
        QCOMPARE(tab.click("BrowseCMD",
                           huge ? QStringList{"file:" + big, "<ok>"} : QStringList{"<cancel>"}),
                 QStringList{"file|Pictures (*.bmp *.pcx)|small.bmp"} +
                     (huge ? QStringList{tooLargeText(big) + "|Graphic Storage"} : QStringList()));
        QCOMPARE(tab.window.commonDialog().defaultExt(), QStringLiteral(".vsp"));
        QCOMPARE(tab.text("FilePathTxt"), small);
        QCOMPARE(tab.text("ProgLbl"), QStringLiteral("2 Bytes"));
        QCOMPARE(tab.text("StatLbl"), QStringLiteral("READ INTO MEMORY"));
        QVERIFY(tab.idle());
        tab.click("StoreCMD", {"s"});
        QCOMPARE(tab.serialBytes(), graphicHeader + "BMP 3 S\r\nok\r\n");
    }

    // A read that breaks off leaves no graphic, never a partial one.
    void failedReadLeavesNoGraphic()
    {
        Tab tab;
        const QString path = tab.file("pic.bmp", patterned(1000));
        OnBusy spy(tab.window.SSTab1(), [&] { QFile::resize(path, 10); });
        tab.choose("BrowseCMD", path);
        QCOMPARE(tab.text("ProgLbl"), QStringLiteral("1000 Bytes"));
        QCOMPARE(tab.text("StatLbl"), QStringLiteral("READING FAILED"));
        QVERIFY(tab.idle());
        QCOMPARE(tab.click("StoreCMD", {"<ok>"}), QStringList{noGraphic});
        QCOMPARE(tab.serialBytes(), QByteArray());
    }

    void closingTheWindowStopsAReadQuietly()
    {
        Tab tab;
        const QString path = tab.file("big.bmp", patterned(4 * ChunkedFileReader::chunkSize));
        int openWhileBusy = 0;
        OnBusy spy(tab.window.SSTab1(), [&] {
            openWhileBusy = openDescriptors(path);
            QTimer::singleShot(0, &tab.window, &QWidget::close);
        });
        tab.choose("BrowseCMD", path);
        QCOMPARE(openWhileBusy, 1);
        QCOMPARE(openDescriptors(path), 0);
        QCOMPARE(tab.text("StatLbl"), QStringLiteral("READING INTO MEMORY"));
        QVERIFY(tab.idle());
    }

    void formatTypeNeedsAFreshBrowse()
    {
        Tab tab;
        const QString path = tab.file("label.txt", "L");
        auto *send = tab.control<QPushButton>("FStoreCMD");
        QVERIFY(!send->isEnabled());
        QCOMPARE(send->text(), QStringLiteral("&Print Format"));
        tab.choose("FBrowseCMD", path);
        QVERIFY(send->isEnabled());
        tab.click("FSTandardOp1");
        QVERIFY(!send->isEnabled());
        QCOMPARE(send->text(), QStringLiteral("Store Format to Prin&ter"));
        QCOMPARE(tab.text("FFnameTxt"), path);
        tab.choose("FBrowseCMD", path);
        tab.click("FPrintOp1");
        QVERIFY(!send->isEnabled());
        QCOMPARE(send->text(), QStringLiteral("&Print Format"));
        QCOMPARE(tab.click("FBrowseCMD", {"<cancel>"}),
                 QStringList{"file|Text Files (*.txt);;All Files (*)|label.txt"});
        QVERIFY(!send->isEnabled());
    }

    // A stored format takes the place of the first line; without a usable
    // identifier nothing is stored and the window is idle again.
    void formatSent_data()
    {
        QTest::addColumn<bool>("serial");
        QTest::addColumn<QStringList>("answers"); // none: printing
        QTest::addColumn<QString>("refusal");
        QTest::addColumn<QByteArray>("sent");
        const QByteArray rest = "L2\r\nL3\nstill3\r\nlast\r\n";
        for (bool serial : {true, false}) {
            const char *link = serial ? "serial" : "parallel";
            QTest::addRow("print, %s", link) << serial << QStringList() << ""
                                             << "L1\xE9\r\n" + rest;
            QTest::addRow("store, %s", link) << serial << QStringList{"fmt1"} << ""
                                             << "!S~ 3 F fmt1\r\n\r\n" + rest;
        }
        QTest::newRow("store, cancel") << true << QStringList{"<cancel>"} << "" << QByteArray();
        QTest::newRow("store, empty") << true << QStringList{""} << "" << QByteArray();
        QTest::newRow("store, nine")
            << true << QStringList{"123456789", "<ok>"}
            << "Identifier must be 8 chars or less|File Format Storage" << QByteArray();
    }
    void formatSent()
    {
        QFETCH(bool, serial);
        QFETCH(QStringList, answers);
        QFETCH(QString, refusal);
        QFETCH(QByteArray, sent);
        Tab tab;
        tab.window.link().setSerialMode(serial);
        if (!answers.isEmpty())
            tab.click("FSTandardOp1");
        tab.choose("FBrowseCMD", tab.file("label.txt", "L1\xE9\r\nL2\rL3\nstill3\r\nlast"));
        QStringList boxes;
        if (!answers.isEmpty())
            boxes << "Enter Format Identifier|8 Characters or less please|";
        if (!refusal.isEmpty())
            boxes << refusal;
        QCOMPARE(tab.click("FStoreCMD", answers), boxes);
        QCOMPARE(tab.received(serial), sent);
        QVERIFY(tab.idle());
        // The details window holds what was stored, and is not shown.
        DetailsWindow *details = tab.window.details().existing();
        const bool stored = !answers.isEmpty() && !sent.isEmpty();
        QCOMPARE(bool(details), stored);
        if (stored) {
            QVERIFY(!details->isVisible());
            QCOMPARE(details->Text1()->toPlainText(),
                     QString::fromLatin1(sent).replace("\r\n", "\n"));
        }
    }

    void formatFileProblemsAreReported()
    {
        Tab tab;
        const QString path = tab.file("label.txt", "L1");
        tab.choose("FBrowseCMD", path);
        QFile::remove(path);
        QCOMPARE(tab.click("FStoreCMD", {"<ok>"}),
                 QStringList{"File not found: " + QDir::toNativeSeparators(path) + "|53"});
        QVERIFY(tab.idle());
        tab.control<QLineEdit>("FFnameTxt")->clear();
        QCOMPARE(tab.click("FStoreCMD", {"<ok>"}),
                 QStringList{"You must select a label file to send to the printer.|Label Format "
                             "Printing"});
        QCOMPARE(tab.serialBytes(), QByteArray());
    }

    // Answers and boxes are split at ';'; "Option2" clicks RecallCMD with Option2 chosen.
    void recallDeleteList_data()
    {
        for (const char *column : {"button", "answers", "boxes", "sent"})
            QTest::addColumn<QString>(column);
        const QString image = "Enter Stored Graphic to Print|DATA STORAGE|";
        const QString format = "Enter Label Format to Print|DATA STORAGE|;Enter Quantity|DATA "
                               "STORAGE|1";
        const QString invalid = format + ";Invalid Quantity|DATA STORAGE";
        const QString remove = "Enter Identifier of Object to Delete|Delete Stored Object|";
        const QString recall = "!R F FMT 0 100 A %1\r\n";
        const QList<QStringList> rows = {
            {"image", "RecallCMD", "logo", image,
             "! 0 100 500 1\r\nGRAPHIC RECALL LOGO 250 200 \r\nEND\r\n"},
            {"image cancelled", "RecallCMD", "<cancel>", image, ""},
            {"format", "Option2", "fmt;3", format, recall.arg(3)},
            {"format, quantity proposed", "Option2", "fmt;<ok>", format, recall.arg(1)},
            {"format, quantity 2.5", "Option2", "fmt; 2.5 ", format, recall.arg(2)},
            {"format, quantity 3.5", "Option2", "fmt;3.5", format, recall.arg(4)},
            {"format, quantity -32768", "Option2", "fmt;-32768", format, recall.arg(-32768)},
            {"format, no quantity", "Option2", "f;;<ok>", invalid, ""},
            {"format, quantity abc", "Option2", "f;abc;<ok>", invalid, ""},
            {"format, quantity 32768", "Option2", "f;32768;<ok>", invalid, ""},
            {"format, quantity -32769", "Option2", "f;-32769;<ok>", invalid, ""},
            {"format, identifier cancelled", "Option2", "<cancel>;x", format, ""},
            {"delete as typed", "DeleteCMD", "logo", remove, "!D logo\r\n"},
            {"delete cancelled", "DeleteCMD", "<cancel>", remove, ""},
            {"list", "ListCMD", "", "", "!L\r\n"},
        };
        for (const QStringList &row : rows)
            QTest::newRow(qPrintable(row[0])) << row[1] << row[2] << row[3] << row[4];
    }
    void recallDeleteList()
    {
        QFETCH(QString, button);
        QFETCH(QString, answers);
        QFETCH(QString, boxes);
        QFETCH(QString, sent);
        Tab tab;
        if (button == "Option2") {
            tab.click("Option2");
            button = "RecallCMD";
        }
        QCOMPARE(tab.click(button, answers.split(';')), boxes.split(';', Qt::SkipEmptyParts));
        QCOMPARE(tab.serialBytes(), sent.toLatin1());
    }

    void viewFileShowsAndHidesTheDetailsWindow()
    {
        Tab tab;
        auto *viewFile = tab.control<QCheckBox>("Check2");
        QVERIFY(!viewFile->isVisible());
        viewFile->click();
        QVERIFY(tab.window.details().existing() && tab.window.details().existing()->isVisible());
        viewFile->click();
        QVERIFY(!tab.window.details().existing()->isVisible());
    }
};

VARIMONDE_TEST_MAIN(TestStoragePage)
#include "tst_storagepage.moc"
