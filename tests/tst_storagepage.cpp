// The Data Storage tab driven as a user would: what it shows, what it asks,
// and the exact bytes that reach the printer.
#include "common/ChunkedFileReader.h"
#include "storage/WrappingButton.h"
#include "support/ModalAnswerer.h"
#include "support/TestMain.h"
#include "support/WindowFixture.h"

#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

namespace
{

// Runs an action the moment the tab strip is disabled, that is when a long
// operation has entered its busy state.
class OnBusy : public QObject
{
public:
    OnBusy(QWidget *tabStrip, std::function<void()> action) : m_action(std::move(action))
    {
        tabStrip->installEventFilter(this);
    }
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::EnabledChange && !static_cast<QWidget *>(watched)->isEnabled())
            m_action();
        return false;
    }

private:
    std::function<void()> m_action;
};

bool heldOpen(const QString &path)
{
    const QString target = QFileInfo(path).canonicalFilePath();
    const QDir fds(QStringLiteral("/proc/self/fd"));
    for (const QFileInfo &fd : fds.entryInfoList(QDir::System | QDir::Files)) {
        if (fd.symLinkTarget() == target)
            return true;
    }
    return false;
}

QByteArray patterned(int size)
{
    QByteArray bytes;
    for (int i = 0; i < size; ++i)
        bytes.append(char((i * 7 + 0x11) & 0xFF)); // 0x11, 0x13 and 0x1A among them
    return bytes;
}

// "<ok>" accepts the box as shown, "<cancel>" cancels it, any other text is typed.
void queue(ModalAnswerer &boxes, const QStringList &answers)
{
    for (const QString &answer : answers) {
        if (answer == "<ok>")
            boxes.pressOk();
        else if (answer == "<cancel>")
            boxes.cancel();
        else
            boxes.answer(answer);
    }
}

// Each box as "text|title", prompts as "prompt|title|proposed answer".
QStringList shown(const ModalAnswerer &boxes)
{
    QStringList seen;
    for (const ModalAnswerer::Seen &box : boxes.seen()) {
        QStringList parts{box.text, box.title};
        if (box.kind == ModalAnswerer::Kind::Input)
            parts << box.proposed;
        if (box.kind == ModalAnswerer::Kind::Message && box.buttons != QStringList{"OK"})
            parts << "buttons: " + box.buttons.join(',');
        seen << parts.join('|');
    }
    return seen;
}

const QByteArray graphicHeader = "! 0 0 0 0\r\nGRAPHIC STORE ";
const QString identifierPrompt = "Enter Identifier|Graphic Storage|Image_1";

} // namespace

class TestStoragePage : public QObject
{
    Q_OBJECT

    struct Tab : WindowFixture {
        Tab() { showTab(MainFrm::StorageTab); }

        QString file(const QString &name, const QByteArray &bytes)
        {
            QFile out(dir.filePath(name));
            out.open(QIODevice::WriteOnly);
            out.write(bytes);
            return out.fileName();
        }
        void click(const QString &name)
        {
            QTest::mouseClick(control<QAbstractButton>(name), Qt::LeftButton);
        }
        // Clicks with the boxes it opens answered; returns what they showed.
        QStringList click(const QString &name, const QStringList &answers)
        {
            ModalAnswerer boxes;
            queue(boxes, answers);
            click(name);
            return shown(boxes);
        }
        void choose(const QString &browse, const QString &path)
        {
            ModalAnswerer boxes;
            boxes.chooseFile(path);
            click(browse);
        }
        QString text(const QString &name) const
        {
            if (auto *box = find<QLineEdit>(name))
                return box->text();
            return control<QLabel>(name)->text();
        }
        QByteArray received(bool serial) { return serial ? serialBytes() : parallelBytes(); }
        // The busy state has been left.
        bool idle()
        {
            return window.SSTab1()->isEnabled() && window.cursor().shape() == Qt::ArrowCursor &&
                   !window.busy().timer2().isActive() &&
                   window.windowTitle() == "Varimonde Printer Setup Utility";
        }
    };

private slots:
    void startState()
    {
        Tab tab;
        auto *send = tab.control<QPushButton>("FStoreCMD");
        QVERIFY(!send->isEnabled());
        QCOMPARE(send->text(), QStringLiteral("&Print Format"));
        QVERIFY(!tab.control<QCheckBox>("Check2")->isVisible());
        for (const char *selected : {"GSBMPop", "FPrintOp1", "Option1"})
            QVERIFY2(tab.control<QRadioButton>(selected)->isChecked(), selected);
        QCOMPARE(tab.text("ProgLbl"), QStringLiteral("0 Bytes"));
        QCOMPARE(tab.control<QLabel>("StatLbl")->font().pointSizeF(), 13.5);
    }

    // Every caption readable, the longest status texts included, and no
    // control lying over another.
    void nothingClippedOrOverlapping()
    {
        Tab tab;
        auto *status = tab.control<QLabel>("StatLbl");
        for (const QString text : {"FINISHED STORING WWWWWWWW", "SENDING FILE TO PRINTER"})
            QVERIFY(status->fontMetrics().horizontalAdvance(text) <= status->width());
        auto *size = tab.control<QLabel>("ProgLbl");
        QVERIFY(size->fontMetrics().horizontalAdvance("2147483647 Bytes") <= size->width());

        auto *page = tab.control<QWidget>("StoragePage");
        QList<QWidget *> parents = {page};
        for (QGroupBox *frame : page->findChildren<QGroupBox *>())
            parents << frame;
        for (QWidget *parent : parents) {
            const auto children = parent->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
            for (QWidget *child : children) {
                const QByteArray name = child->objectName().toLatin1();
                QVERIFY2(parent->rect().contains(child->geometry()), name);
                for (QWidget *other : children)
                    QVERIFY2(other == child || !child->geometry().intersects(other->geometry()),
                             name + " / " + other->objectName().toLatin1());
                bool fits = child->sizeHint().width() <= child->width() &&
                            child->minimumSizeHint().height() <= child->height();
                if (auto *wrapping = qobject_cast<WrappingButton *>(child))
                    fits = wrapping->contentsArea().contains(wrapping->captionRect());
                else if (auto *label = qobject_cast<QLabel *>(child))
                    fits =
                        label->fontMetrics().horizontalAdvance(label->text()) <= label->width() &&
                        label->fontMetrics().height() <= label->height();
                QVERIFY2(fits, name);
            }
        }
    }

    void graphicStoredExactly_data()
    {
        QTest::addColumn<bool>("serial");
        QTest::addColumn<int>("size");
        for (int size : {0, 1, 100, 101, 250, 3 * int(ChunkedFileReader::chunkSize) + 1}) {
            QTest::addRow("serial %d", size) << true << size;
            QTest::addRow("parallel %d", size) << false << size;
        }
    }
    void graphicStoredExactly()
    {
        QFETCH(bool, serial);
        QFETCH(int, size);
        Tab tab;
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
    }

    void identifierRules_data()
    {
        QTest::addColumn<bool>("pcx");
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QByteArray>("sent");
        QTest::addColumn<QStringList>("boxes");
        QTest::newRow("proposal") << false << QStringList{"<ok>"} << QByteArray("BMP 3 IMAGE_1\r\n")
                                  << QStringList{identifierPrompt};
        QTest::newRow("eight, pcx")
            << true << QStringList{"abcdefgh"} << QByteArray("PCX 3 ABCDEFGH\r\n")
            << QStringList{identifierPrompt};
        QTest::newRow("nine") << false << QStringList{"abcdefghi", "<ok>"} << QByteArray()
                              << QStringList{identifierPrompt,
                                             "Valid Identifier must be no more "
                                             "than 8 characters.|Graphic Storage"};
        QTest::newRow("cancel") << false << QStringList{"<cancel>"} << QByteArray()
                                << QStringList{identifierPrompt};
    }
    void identifierRules()
    {
        QFETCH(bool, pcx);
        QFETCH(QStringList, answers);
        QFETCH(QByteArray, sent);
        QFETCH(QStringList, boxes);
        Tab tab;
        tab.choose("BrowseCMD", tab.file("pic.pcx", "xyz"));
        if (pcx)
            tab.click("GSPCXOp");
        // Storing twice after one read sends the same bytes twice.
        QCOMPARE(tab.click("StoreCMD", answers), boxes);
        QCOMPARE(tab.click("StoreCMD", answers), boxes);
        const QByteArray once = sent.isEmpty() ? QByteArray() : graphicHeader + sent + "xyz\r\n";
        QCOMPARE(tab.serialBytes(), once + once);
        if (sent.isEmpty())
            QCOMPARE(tab.text("StatLbl"), QStringLiteral("READ INTO MEMORY"));
        QVERIFY(tab.idle());
    }

    void storeBeforeAnyReadSendsNothing()
    {
        Tab tab;
        QCOMPARE(tab.click("StoreCMD", {"<ok>"}),
                 QStringList{"No graphic has been read. Use Browse to choose one first.|Graphic "
                             "Storage"});
        QCOMPARE(tab.serialBytes(), QByteArray());
    }

    // The first part that fails ends the store: one message, no file bytes
    // without their header, and no claim of success.
    void failedTransmissionIsNotReportedAsStored()
    {
        Tab tab;
        tab.choose("BrowseCMD", tab.file("pic.bmp", "abc"));
        tab.window.link().comm().setCommPort(WindowFixture::missingComPort);
        QCOMPARE(
            tab.click("StoreCMD", {"logo", "<ok>"}),
            (QStringList{identifierPrompt, "Error Opening CommPort for String Send|SComString"}));
        QCOMPARE(tab.text("StatLbl"), QStringLiteral("STORING FAILED"));
        QVERIFY(tab.idle());
    }

    void cancelledBrowseChangesNothing()
    {
        Tab tab;
        const QString path = tab.file("first.bmp", "first");
        tab.choose("BrowseCMD", path);
        QCOMPARE(tab.click("BrowseCMD", {"<cancel>"}).size(), 1);
        QCOMPARE(tab.text("FilePathTxt"), path);
        QCOMPARE(tab.text("ProgLbl"), QStringLiteral("5 Bytes"));
        QCOMPARE(tab.text("StatLbl"), QStringLiteral("READ INTO MEMORY"));
        tab.click("StoreCMD", {"a"});
        QCOMPARE(tab.serialBytes(), graphicHeader + "BMP 3 A\r\nfirst\r\n");
        QVERIFY(tab.idle());
    }

    // What one caller of the file dialog sets stays for the next: the
    // proposed name and the default extension are never reset here.
    void fileDialogStateIsShared()
    {
        Tab tab;
        CommonDialog &dialog = tab.window.commonDialog();
        dialog.DefaultExt = ".vsp";
        dialog.FileName = tab.dir.filePath("profile.vsp");
        const QString picture = tab.file("pic.bmp", "p");
        const QString format = tab.file("label.txt", "L");
        ModalAnswerer boxes;
        boxes.chooseFile(picture).chooseFile(format);
        tab.click("BrowseCMD");
        tab.click("FBrowseCMD");
        QCOMPARE(boxes.seen().size(), 2);
        QCOMPARE(boxes.seen()[0].nameFilters, QStringList{"Pictures (*.bmp *.pcx)"});
        QCOMPARE(boxes.seen()[0].proposed, QStringLiteral("profile.vsp"));
        QCOMPARE(boxes.seen()[0].defaultSuffix, QStringLiteral("vsp"));
        QCOMPARE(boxes.seen()[1].nameFilters, (QStringList{"Text Files (*.txt)", "All Files (*)"}));
        QCOMPARE(boxes.seen()[1].proposed, QStringLiteral("pic.bmp"));
        QVERIFY(dialog.CancelError);
        QCOMPARE(tab.text("FFnameTxt"), format);
        QVERIFY(tab.control<QPushButton>("FStoreCMD")->isEnabled());
    }

    void tooLargeGraphicChangesNothing()
    {
        Tab tab;
        const QString small = tab.file("small.bmp", "ok");
        tab.choose("BrowseCMD", small);
        QFile huge(tab.dir.filePath("huge.bmp"));
        QVERIFY(huge.open(QIODevice::WriteOnly) &&
                huge.resize(ChunkedFileReader::sizeLimit)); // sparse
        {
            ModalAnswerer boxes;
            boxes.chooseFile(huge.fileName()).pressOk();
            tab.click("BrowseCMD");
            QVERIFY2(boxes.seen().size() == 2 && boxes.seen()[1].text.contains("2 GiB"),
                     qPrintable(boxes.describe()));
            QCOMPARE(boxes.seen()[1].title, QStringLiteral("Graphic Storage"));
        }
        QCOMPARE(tab.text("FilePathTxt"), small);
        QCOMPARE(tab.text("ProgLbl"), QStringLiteral("2 Bytes"));
        QVERIFY(tab.idle());
        tab.click("StoreCMD", {"s"});
        QCOMPARE(tab.serialBytes(), graphicHeader + "BMP 3 S\r\nok\r\n");
    }

    void busyWhileReadingAndStoring()
    {
        Tab tab;
        QStringList during;
        OnBusy spy(tab.window.SSTab1(), [&] {
            during << QString("pointer %1, animated %2")
                          .arg(tab.window.cursor().shape())
                          .arg(tab.window.busy().timer2().isActive());
            QTimer::singleShot(0, [&] { during << tab.text("StatLbl"); });
        });
        const QByteArray data = patterned(300000);
        tab.choose("BrowseCMD", tab.file("pic.bmp", data));
        tab.click("StoreCMD", {"x"});
        const QString busy = QString("pointer %1, animated 1").arg(Qt::WaitCursor);
        QCOMPARE(during.mid(0, 3), (QStringList{busy, "READING INTO MEMORY", busy}));
        QVERIFY(tab.idle());
        QCOMPARE(tab.serialBytes(500), graphicHeader + "BMP 3 X\r\n" + data + "\r\n");
    }

    void closingTheWindowStopsAReadQuietly()
    {
        Tab tab;
        const QString path = tab.file("big.bmp", patterned(4 * ChunkedFileReader::chunkSize));
        bool openWhileBusy = false;
        OnBusy spy(tab.window.SSTab1(), [&] {
            openWhileBusy = heldOpen(path);
            QTimer::singleShot(0, &tab.window, &QWidget::close);
        });
        ModalAnswerer boxes;
        boxes.chooseFile(path);
        tab.click("BrowseCMD");
        QCOMPARE(boxes.seen().size(), 1);
        QVERIFY(openWhileBusy);
        QVERIFY(!heldOpen(path));
        QCOMPARE(tab.text("StatLbl"), QStringLiteral("READING INTO MEMORY"));
        QVERIFY(tab.window.SSTab1()->isEnabled());
        QVERIFY(!tab.window.busy().timer2().isActive());
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
        QCOMPARE(tab.click("StoreCMD", {"<ok>"}).value(0).left(24),
                 QStringLiteral("No graphic has been read"));
        QCOMPARE(tab.serialBytes(), QByteArray());
    }

    void formatTypeNeedsAFreshBrowse()
    {
        Tab tab;
        const QString path = tab.file("label.txt", "L");
        auto *send = tab.control<QPushButton>("FStoreCMD");
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
        QCOMPARE(tab.click("FBrowseCMD", {"<cancel>"}).size(), 1);
        QVERIFY(!send->isEnabled());
    }

    void formatSentExactly_data()
    {
        QTest::addColumn<bool>("serial");
        QTest::addColumn<bool>("storing");
        QTest::addColumn<QByteArray>("sent");
        const QByteArray rest = "L2\r\nL3\nstill3\r\nlast\r\n";
        for (bool serial : {true, false}) {
            const char *link = serial ? "serial" : "parallel";
            QTest::addRow("print, %s", link) << serial << false << "L1\xE9\r\n" + rest;
            QTest::addRow("store, %s", link) << serial << true << "!S~ 3 F fmt1\r\n\r\n" + rest;
        }
    }
    void formatSentExactly()
    {
        QFETCH(bool, serial);
        QFETCH(bool, storing);
        QFETCH(QByteArray, sent);
        Tab tab;
        tab.window.link().setSerialMode(serial);
        if (storing)
            tab.click("FSTandardOp1");
        tab.choose("FBrowseCMD", tab.file("label.txt", "L1\xE9\r\nL2\rL3\nstill3\r\nlast"));
        const QStringList boxes =
            tab.click("FStoreCMD", storing ? QStringList{"fmt1"} : QStringList());
        QCOMPARE(tab.received(serial), sent);
        QVERIFY(tab.idle());
        DetailsFrm *details = tab.window.details().existing();
        if (storing) {
            QCOMPARE(boxes, QStringList{"Enter Format Identifier|8 Characters or less please|"});
            QVERIFY(details && !details->isVisible());
            QCOMPARE(details->Text1()->toPlainText(),
                     QString::fromLatin1(sent).replace("\r\n", "\n"));
        } else {
            QVERIFY(boxes.isEmpty());
            QVERIFY(!details);
        }
    }

    // Without a usable identifier nothing is stored and the window is idle again.
    void formatStoreRefusesIdentifier_data()
    {
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QString>("message");
        QTest::newRow("cancel") << QStringList{"<cancel>"} << "";
        QTest::newRow("empty") << QStringList{""} << "";
        QTest::newRow("nine") << QStringList{"123456789", "<ok>"}
                              << "Identifier must be 8 chars or less|File Format Storage";
    }
    void formatStoreRefusesIdentifier()
    {
        QFETCH(QStringList, answers);
        QFETCH(QString, message);
        Tab tab;
        tab.click("FSTandardOp1");
        tab.choose("FBrowseCMD", tab.file("label.txt", "L1\r\nL2\r\n"));
        const QStringList boxes = tab.click("FStoreCMD", answers);
        QCOMPARE(tab.serialBytes(), QByteArray());
        QCOMPARE(boxes.mid(1), message.isEmpty() ? QStringList() : QStringList{message});
        QVERIFY(tab.idle());
        QVERIFY(!tab.window.details().existing());
    }

    void formatFileProblemsAreReported()
    {
        Tab tab;
        const QString path = tab.file("label.txt", "L1");
        tab.choose("FBrowseCMD", path);
        QFile::remove(path);
        const QStringList missing = tab.click("FStoreCMD", {"<ok>"});
        QVERIFY(tab.idle());
        tab.control<QLineEdit>("FFnameTxt")->clear();
        const QStringList empty = tab.click("FStoreCMD", {"<ok>"});
        QVERIFY2(missing.size() == 1 && missing[0].startsWith("File not found") &&
                     missing[0].endsWith("|53"),
                 qPrintable(missing.join('\n')));
        QCOMPARE(empty, QStringList{"You must select a label file to send to the printer.|Label "
                                    "Format Printing"});
        QCOMPARE(tab.serialBytes(), QByteArray());
    }

    void recallDeleteList_data()
    {
        QTest::addColumn<QString>("button"); // Option2 stands for RecallCMD with Option2 chosen
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QByteArray>("sent");
        const QString image = "Enter Stored Graphic to Print|DATA STORAGE|";
        const QStringList format = {"Enter Label Format to Print|DATA STORAGE|",
                                    "Enter Quantity|DATA STORAGE|1"};
        const QString remove = "Enter Identifier of Object to Delete|Delete Stored Object|";
        QTest::newRow("image") << "RecallCMD" << QStringList{"logo"} << QStringList{image}
                               << QByteArray(
                                      "! 0 100 500 1\r\nGRAPHIC RECALL LOGO 250 200 \r\nEND\r\n");
        QTest::newRow("image cancelled")
            << "RecallCMD" << QStringList{"<cancel>"} << QStringList{image} << QByteArray();
        const QList<std::pair<QString, QByteArray>> quantities = {
            {"3", "3"}, {"<ok>", "1"}, {" 2.5 ", "2"}, {"3.5", "4"}, {"-32768", "-32768"}};
        for (const auto &[answer, sent] : quantities)
            QTest::addRow("format, quantity '%s'", qPrintable(answer))
                << "Option2" << QStringList{"fmt", answer} << format
                << "!R F FMT 0 100 A " + sent + "\r\n";
        for (const char *bad : {"", "abc", "32768", "-32769"})
            QTest::addRow("format, bad quantity '%s'", bad)
                << "Option2" << QStringList{"f", bad, "<ok>"}
                << format + QStringList{"Invalid Quantity|DATA STORAGE"} << QByteArray();
        QTest::newRow("format, identifier cancelled")
            << "Option2" << QStringList{"<cancel>", "x"} << format << QByteArray();
        QTest::newRow("delete as typed") << "DeleteCMD" << QStringList{"logo"}
                                         << QStringList{remove} << QByteArray("!D logo\r\n");
        QTest::newRow("delete cancelled")
            << "DeleteCMD" << QStringList{"<cancel>"} << QStringList{remove} << QByteArray();
        QTest::newRow("list") << "ListCMD" << QStringList() << QStringList()
                              << QByteArray("!L\r\n");
    }
    void recallDeleteList()
    {
        QFETCH(QString, button);
        QFETCH(QStringList, answers);
        QFETCH(QStringList, boxes);
        QFETCH(QByteArray, sent);
        Tab tab;
        if (button == "Option2") {
            tab.click("Option2");
            button = "RecallCMD";
        }
        QCOMPARE(tab.click(button, answers), boxes);
        QCOMPARE(tab.serialBytes(), sent);
    }

    void viewFileShowsAndHidesTheDetailsWindow()
    {
        Tab tab;
        auto *viewFile = tab.control<QCheckBox>("Check2");
        viewFile->click();
        QVERIFY(tab.window.details().existing() && tab.window.details().existing()->isVisible());
        viewFile->click();
        QVERIFY(!tab.window.details().existing()->isVisible());
    }
};

VARIMONDE_TEST_MAIN(TestStoragePage)
#include "tst_storagepage.moc"
