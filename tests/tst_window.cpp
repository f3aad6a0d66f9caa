// The window driven as a user would: each feature's command reaches the
// port, failures show one box and leave the port closed, the buffers of the
// configuration tab stay coupled, a profile import stops at its first
// refused value, and closing the window mid-transfer ends it quietly.
#include "printer/CalibrationBlocks.h"
#include "printer/ConfigBlock.h"
#include "printer/FormatLines.h"
#include "printer/StorageCommands.h"
#include "printer/TestLabels.h"
#include "profile/ProfileRecord.h"
#include "support/TestMain.h"
#include "support/WindowDriver.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSerialPort>
#include <QSlider>
#include <QTabWidget>

namespace
{

const QString formatFile = "NAME\r\nA 1\rB\n2\r\n";

} // namespace

class TestWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<WindowDriver> ui;
    QByteArray picture, firmware;

    // Clicks each step, "Button" or "Button=answer;answer"; "file:NAME"
    // picks NAME in the driver's folder. Returns the boxes seen but file dialogs.
    QStringList run(const QStringList &steps)
    {
        QStringList boxes;
        for (const QString &step : steps) {
            QStringList answers = step.section('=', 1).split(';', Qt::SkipEmptyParts);
            for (QString &answer : answers)
                answer.replace("file:", "file:" + ui->dir.path() + '/');
            for (const QString &box : ui->click(step.section('=', 0, 0), answers))
                if (!box.startsWith("file|"))
                    boxes << box;
        }
        return boxes;
    }
    QString state(const QString &names) const
    {
        QStringList values;
        for (const QString &name : words(names)) {
            QWidget *control = ui->control(name);
            if (auto *box = qobject_cast<QCheckBox *>(control))
                values << QString::number(box->checkState());
            else if (auto *slider = qobject_cast<QSlider *>(control))
                values << QString::number(slider->value());
            else if (auto *combo = qobject_cast<QComboBox *>(control))
                values << combo->currentText();
            else if (auto *edit = qobject_cast<QLineEdit *>(control))
                values << edit->text();
            else
                values << qobject_cast<QLabel *>(control)->text();
        }
        return values.join(' ');
    }

private slots:
    void initTestCase()
    {
        ui = std::make_unique<WindowDriver>();
        ui->window.link().setStallLimitMs(300);
        for (int i = 0; i < 301; ++i)
            picture.append(char(i * 7 + 0x11));
        firmware = picture.repeated(3);
        ui->file("pic.bmp", picture);
        ui->file("fw.bin", firmware);
        ui->file("fmt.txt", formatFile.toLatin1());
    }
    void cleanup() { ui->pty.readAvailable(20); }

    void featuresSendTheirCommands_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QByteArray>("sent");
        using namespace StorageCommands;
        QByteArray printed = formatFile.toLatin1();
        FormatLines::toPrinterText(printed);
        QByteArray stored = printed;
        formatStore("Fmt", stored);
        const QString recallImage = "Enter Stored Graphic to Print|DATA STORAGE|";
        const QStringList recallFormat = {"Enter Label Format to Print|DATA STORAGE|",
                                          "Enter Quantity|DATA STORAGE|1"};
        QTest::newRow("upload, nothing on")
            << QStringList{"UploadCMD"} << QStringList() << ConfigBlock::build({}).toLatin1();
        QTest::newRow("calibrate") << QStringList{"CalCmd"} << QStringList()
                                   << (CalibrationBlocks::settingsBlock("GAP", "DT", "WAX") +
                                       CalibrationBlocks::calibrateBlock())
                                          .toLatin1();
        QTest::newRow("4X3 label") << QStringList{"TestOp1", "TestCMD"} << QStringList()
                                   << TestLabels::fourByThree().toLatin1();
        QTest::newRow("2.4X1 label") << QStringList{"TestOp2", "TestCMD"} << QStringList()
                                     << TestLabels::twoPointFourByOne().toLatin1();
        QTest::newRow("graphic") << QStringList{"GSPCXOp", "BrowseCMD=file:pic.bmp",
                                                "StoreCMD=logo"}
                                 << QStringList{"Enter Identifier|Graphic Storage|Image_1"}
                                 << graphicStoreHeader("PCX", "LOGO").toLatin1() + picture +
                                        graphicStoreEnd().toLatin1();
        QTest::newRow("print format")
            << QStringList{"FPrintOp1", "FBrowseCMD=file:fmt.txt", "FStoreCMD"} << QStringList()
            << printed;
        QTest::newRow("store format")
            << QStringList{"FSTandardOp1", "FBrowseCMD=file:fmt.txt", "FStoreCMD=Fmt"}
            << QStringList{"Enter Format Identifier|8 Characters or less please|"} << stored;
        QTest::newRow("recall image")
            << QStringList{"Option1", "RecallCMD=logo"} << QStringList{recallImage}
            << graphicRecall("logo").toLatin1();
        QTest::newRow("recall format") << QStringList{"Option2", "RecallCMD=fmt;3"} << recallFormat
                                       << formatRecall("fmt", 3).toLatin1();
        QTest::newRow("recall format, no number")
            << QStringList{"Option2", "RecallCMD=fmt;abc;<ok>"}
            << recallFormat + QStringList{"Invalid Quantity|DATA STORAGE"} << QByteArray();
        QTest::newRow("delete") << QStringList{"DeleteCMD=logo"}
                                << QStringList{"Enter Identifier of Object to Delete|Delete "
                                               "Stored Object|"}
                                << deleteObject("logo").toLatin1();
        QTest::newRow("list") << QStringList{"ListCMD"} << QStringList()
                              << listObjects().toLatin1();
        QTest::newRow("firmware") << QStringList{"BMemCMD=file:fw.bin", "BUpLoadCMD"}
                                  << QStringList() << firmware;
    }
    void featuresSendTheirCommands()
    {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, boxes);
        QFETCH(QByteArray, sent);
        QCOMPARE(run(steps), boxes);
        QCOMPARE(ui->pty.readAvailable(), sent);
    }

    // A port another program holds: one box per send, the port closed after.
    void heldPortIsReported()
    {
        QSerialPort other;
        other.setPortName(ui->pty.slavePath());
        QVERIFY(other.open(QIODevice::WriteOnly));
        // The cause names the holder, here this test itself; the text send
        // keeps its fixed box and gives the cause below it.
        const QString cause = "COM1 (" + ui->pty.slavePath() +
                              ") is in use by another program (tst_window, process " +
                              QString::number(QCoreApplication::applicationPid()) +
                              "). Close that program and try again.";
        QCOMPARE(run({"ListCMD=<ok>", "BMemCMD=file:fw.bin", "BUpLoadCMD=<ok>"}),
                 (QStringList{"Error Opening CommPort for String Send|SComString|why: " + cause,
                              "Error: " + cause + "|8010"}));
        other.close();
        QCOMPARE(openDescriptors(ui->pty.slavePath()), 1); // the terminal's own
        QCOMPARE(ui->window.cursor().shape(), Qt::ArrowCursor);
        QVERIFY(ui->window.findChild<QTabWidget *>("SSTab1")->isEnabled());
    }

    // A file cut short while it is read: the box names it; nothing stays open.
    void fileCutShortIsReported()
    {
        const QString path = ui->file("cut.bin", QByteArray(300000, 'c'));
        OnBusy cut(ui->control("SSTab1"), [&] { QFile::resize(path, 0); });
        QCOMPARE(run({"BMemCMD=file:cut.bin;<ok>"}),
                 QStringList{"Input past end of file: " + path + "|62"});
        QCOMPARE(openDescriptors(path), 0);
    }

    // The overflow buffer stays at least 1024 below the main buffer; a main
    // buffer of 1024 or less leaves no overflow at all.
    void buffersStayCoupled()
    {
        ui->click("TextBufferChk");
        auto *main = ui->control<QSlider>("TextBufMain");
        auto *overflow = ui->control<QSlider>("TextBufOver");
        const QString labels = "TextBufferLbl OverflowLbl";
        main->setValue(8192);
        QCOMPARE(overflow->maximum(), 7168);
        overflow->setValue(5000);
        QCOMPARE(state(labels), "8192 5000");
        main->setSliderPosition(2048); // dragged down: the overflow follows its maximum
        QCOMPARE(overflow->maximum(), 1024);
        QCOMPARE(state(labels), "2048 1024");
        main->setSliderPosition(1000);
        QCOMPARE(state(labels), "1000 0");
        QCOMPARE(overflow->value(), 0);
        main->setValue(4096);
        QTest::keyClick(overflow, Qt::Key_PageUp); // the label follows each step of the thumb
        QCOMPARE(state(labels), "4096 " + QString::number(overflow->value()));
        QVERIFY(overflow->value() > 0);
        ui->click("UploadCMD");
        QVERIFY(ui->pty.readAvailable().contains(
            QStringLiteral("\r\nVARIABLE TXTBFR 4096 %1\r\n").arg(overflow->value()).toLatin1()));
        ui->click("TextBufferChk");
    }

    // Values go in in file order, each through its control's own check; the
    // scaler 0 is refused, and nothing after it changes. The darkness slider
    // follows its label, so the next arrow key starts from the imported value.
    void profileImportStopsAtTheFirstRefusedValue()
    {
        const QString later = "TextBufferChk TextBufMain PrintModeChk PrintModeCMB WidthTxt";
        const QString before = state(later);
        const ProfileRecord record{1, 30, 0, "300", 0, "NORMAL", 1, 0, 0, 1, 8192, 0, 1, "TT"};
        ui->file("refused.vsp", std::get<QByteArray>(ProfileCodec::encode(record)));
        QCOMPARE(
            run({"LoadCMD=file:refused.vsp;<ok>;<ok>"}),
            (QStringList{"Invalid property value|380", "Error Opening File|Load Configuration"}));
        QCOMPARE(state("DarkChk DarkLbl Slider1 KestraChk"), "2 30 30 2");
        QCOMPARE(state(later), before);
        for (const char *name : {"DarkChk", "KestraChk"})
            ui->click(name);
    }

    // Cancel (the button or Esc) ends a byte transfer that waits on a full
    // printer: no box, the port closed, the status says so; meanwhile the
    // status tells how far it is.
    void cancelEndsATransferQuietly_data()
    {
        QTest::addColumn<QString>("load");
        QTest::addColumn<QString>("send");
        QTest::addColumn<QString>("status");
        QTest::addColumn<bool>("escape");
        QTest::addColumn<QStringList>("asked");
        QTest::newRow("upload, button") << "BMemCMD"
                                        << "BUpLoadCMD"
                                        << "UStatLbl" << false << QStringList();
        QTest::newRow("graphic, Esc")
            << "BrowseCMD"
            << "StoreCMD=logo"
            << "StatLbl" << true << QStringList{"Enter Identifier|Graphic Storage|Image_1"};
    }
    void cancelEndsATransferQuietly()
    {
        QFETCH(QString, load);
        QFETCH(QString, send);
        QFETCH(QString, status);
        QFETCH(bool, escape);
        QFETCH(QStringList, asked);
        ui->window.link().setStallLimitMs(5000);
        ui->file("big.bin", QByteArray(1 << 20, 'b'));
        QCOMPARE(run({load + "=file:big.bin"}), QStringList());
        QWidget *page = ui->control(status)->parentWidget();
        while (!page->findChild<QPushButton *>("CancelCMD"))
            page = page->parentWidget();
        auto *cancel = page->findChild<QPushButton *>("CancelCMD");
        QVERIFY(!cancel->isEnabled());
        ui->pty.pauseReading(true);
        QString during;
        QObject scope; // no timer outlives the test
        OnBusy cancelling(ui->control("SSTab1"), [&] {
            if (!during.isNull())
                return;
            during = "";
            QTimer::singleShot(300, &scope, [&] {
                during = ui->control<QLabel>(status)->text();
                QVERIFY(cancel->isEnabled());
                if (escape) {
                    // The identifier box just closed: the window is active again.
                    ui->window.activateWindow();
                    QVERIFY(QTest::qWaitForWindowActive(&ui->window));
                    QTest::keyClick(&ui->window, Qt::Key_Escape);
                } else
                    cancel->click();
            });
        });
        QElapsedTimer clock;
        clock.start();
        const QStringList boxes = run({send});
        ui->pty.pauseReading(false);
        QCOMPARE(boxes, asked);
        QVERIFY(clock.elapsed() < 1500);
        QVERIFY2(during.contains(
                     QRegularExpression("^(Uploading|Sending) \\d+(\\.\\d)? kB of 1\\.0 MB")),
                 qPrintable(during));
        QCOMPARE(ui->control<QLabel>(status)->text(),
                 escape ? "STORING CANCELLED" : "Upload Cancelled");
        QVERIFY(!cancel->isEnabled());
        QCOMPARE(openDescriptors(ui->pty.slavePath()), 1); // the terminal's own
        ui->pty.readAvailable();
    }

    // Closing during a transfer asks first; keeping on sends on, stopping
    // ends it at once with no failure box and the port closed.
    void closingDuringATransferAsksFirst()
    {
        ui->window.link().setStallLimitMs(5000);
        ui->file("fw.bin", QByteArray(512 * 1024, 'f'));
        QCOMPARE(run({"BMemCMD=file:fw.bin"}), QStringList());
        ui->pty.pauseReading(true);
        const auto answer = [](const char *button) {
            return [button](QWidget *box) {
                for (QAbstractButton *b : box->findChildren<QAbstractButton *>())
                    if (b->text() == button)
                        b->click();
            };
        };
        ModalAnswerer boxes;
        boxes.then(answer("Keep Sending")).then(answer("Stop and Quit"));
        bool asked = false;
        OnBusy closing(ui->control("SSTab1"), [&] {
            if (std::exchange(asked, true))
                return;
            QTimer::singleShot(100, &ui->window, &QWidget::close);
            QTimer::singleShot(400, &ui->window, &QWidget::close);
        });
        QElapsedTimer clock;
        clock.start();
        ui->click("BUpLoadCMD");
        QVERIFY2(clock.elapsed() < 1500, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(!ui->window.isVisible());
        QVERIFY(ui->window.stopSignal().isRaised());
        QCOMPARE(openDescriptors(ui->pty.slavePath()), 1); // the terminal's own
        QTest::qWait(50);
        const QString question = "A transfer to the printer is running. Stop it and quit?|"
                                 "Labelsmithy|icon";
        QCOMPARE(boxes.summary(), (QStringList{question, question}));
    }
};

VARIMONDE_TEST_MAIN(TestWindow)
#include "tst_window.moc"
