// The Calibration tab as a user drives it: the checks of the three combo
// boxes, the ribbon frame, and what the two buttons put on the wire.
#include "calibration/TestLabels.h"
#include "support/ModalAnswerer.h"
#include "support/TestMain.h"
#include "support/WindowFixture.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

class TestCalibrationPage : public QObject
{
    Q_OBJECT

    struct Page : WindowFixture {
        Page() { showTab(MainFrm::CalibrationTab); }
        QComboBox *combo(const QString &name) const { return control<QComboBox>(name); }
        bool ribbonShown() const { return control<QGroupBox>("RibbonFrm")->isVisible(); }
        void click(const QString &button) const
        {
            QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton);
        }
    };

    static const QByteArray calibrate;

    static QStringList items(QComboBox *combo)
    {
        QStringList list;
        for (int i = 0; i < combo->count(); ++i)
            list << combo->itemText(i);
        return list;
    }

    // Picks an entry of the drop-down list with the mouse.
    static void pick(QComboBox *combo, const QString &text)
    {
        combo->showPopup();
        QAbstractItemView *view = combo->view();
        QVERIFY(QTest::qWaitForWindowExposed(view->window()));
        const QModelIndex index = view->model()->index(combo->findText(text), 0);
        const QPoint centre = view->visualRect(index).center();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, centre);
        QTRY_VERIFY(!view->window()->isVisible());
    }

private slots:
    void startState()
    {
        Page page;
        QCOMPARE(page.combo("CIndexCmb")->currentText(), QStringLiteral("GAP"));
        QCOMPARE(page.combo("CPrintModeCMB")->currentText(), QStringLiteral("DT"));
        QCOMPARE(page.combo("RibbonCMB")->currentText(), QStringLiteral("WAX"));
        QCOMPARE(items(page.combo("CIndexCmb")), (QStringList{"GAP", "BAR"}));
        QCOMPARE(items(page.combo("CPrintModeCMB")), (QStringList{"DT", "TT"}));
        QCOMPARE(items(page.combo("RibbonCMB")),
                 (QStringList{"WAX", "WAX/RESIN COMBO", "PREMIUM RESIN"}));
        for (const char *name : {"CIndexCmb", "CPrintModeCMB", "RibbonCMB"})
            QVERIFY(page.combo(name)->isEditable());
        QVERIFY(!page.ribbonShown());
        QVERIFY(page.control<QRadioButton>("TestOp1")->isChecked());
        QVERIFY(!page.control<QRadioButton>("TestOp2")->isChecked());
        QCOMPARE(page.control<QLabel>("Label26")->text(),
                 QStringLiteral("Before Calibrating your printer, make sure your labels and ribbon "
                                "(if applicable) are properly loaded.  The labels should be "
                                "print-side up, aligned against the left hand side of the printer "
                                "so that they pass over the appropriate sensor."));
        for (const char *name : {"Label24", "Label25_0", "Label25_1", "Label25_2"})
            QVERIFY2(page.control<QLabel>(name)->font().italic(), name);
        QCOMPARE(page.control<QLabel>("Label25_1")->text(),
                 QStringLiteral("Silver = WAX/RESIN Combo"));
    }

    void refusedTextShowsMessageThenFallback_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("fallback");
        const auto refusal = [](const char *tag, const char *name, const char *text,
                                const char *message, const char *title, const char *fallback) {
            QTest::newRow(tag) << QString(name) << QString(text) << QString(message)
                               << QString(title) << QString(fallback);
        };
        const char *index = "Index type must be BAR or GAP";
        const char *print = "Print Type must be DT or TT";
        const char *ribbon = "Type must be Wax, Wax/Resin, or Preimum Resin";
        refusal("index cleared", "CIndexCmb", "", index, "CALIBRATION", "GAP");
        refusal("index lower case", "CIndexCmb", "bar", index, "CALIBRATION", "GAP");
        refusal("print cleared", "CPrintModeCMB", "", print, "Calibration", "DT");
        refusal("print lower case", "CPrintModeCMB", "tt", print, "Calibration", "DT");
        refusal("print padded", "CPrintModeCMB", "TT ", print, "Calibration", "DT");
        refusal("ribbon part", "RibbonCMB", "WAX/RESIN", ribbon, "CALIBRATION", "WAX");
        refusal("ribbon lower case", "RibbonCMB", "premium resin", ribbon, "CALIBRATION", "WAX");
    }
    void refusedTextShowsMessageThenFallback()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QString, message);
        QFETCH(QString, title);
        QFETCH(QString, fallback);
        Page page;
        QComboBox *combo = page.combo(name);
        combo->setCurrentIndex(1); // a valid text that is not the fallback
        ModalAnswerer boxes;
        boxes.pressOk();
        combo->setEditText(text);
        // Exactly one box: the fallback's own change passes the check.
        QCOMPARE(boxes.seen().size(), 1);
        QCOMPARE(boxes.seen()[0].text, message);
        QCOMPARE(boxes.seen()[0].title, title);
        QCOMPARE(boxes.seen()[0].icon, QMessageBox::NoIcon);
        QCOMPARE(boxes.seen()[0].buttons, QStringList{"OK"});
        QCOMPARE(combo->currentText(), fallback);
        QVERIFY(!page.ribbonShown());
    }

    void typingIsCheckedAtEachKey()
    {
        Page page;
        QComboBox *index = page.combo("CIndexCmb");
        index->setCurrentIndex(1);
        ModalAnswerer boxes;
        boxes.pressOk();
        // Appending to "BAR" is refused at once, and the rest of the typing
        // goes on from the fallback.
        index->lineEdit()->setFocus();
        index->lineEdit()->end(false);
        QTest::keyClick(index->lineEdit(), Qt::Key_S);
        QCOMPARE(boxes.seen().size(), 1);
        QCOMPARE(boxes.seen()[0].text, QStringLiteral("Index type must be BAR or GAP"));
        QCOMPARE(index->currentText(), QStringLiteral("GAP"));
        QCOMPARE(index->lineEdit()->text(), QStringLiteral("GAP"));

        // Clearing the print type by keyboard hides the ribbon frame again.
        QComboBox *print = page.combo("CPrintModeCMB");
        print->setEditText("TT");
        QVERIFY(page.ribbonShown());
        boxes.pressOk();
        print->lineEdit()->setFocus();
        print->lineEdit()->selectAll();
        QTest::keyClick(print->lineEdit(), Qt::Key_Backspace);
        QCOMPARE(boxes.seen().size(), 2);
        QCOMPARE(boxes.seen()[1].title, QStringLiteral("Calibration"));
        QCOMPARE(print->currentText(), QStringLiteral("DT"));
        QVERIFY(!page.ribbonShown());
        QCOMPARE(boxes.unexpectedCount(), 0);
    }

    void pastingAWholeValuePasses()
    {
        Page page;
        ModalAnswerer boxes;
        QGuiApplication::clipboard()->setText("WAX/RESIN COMBO");
        QComboBox *print = page.combo("CPrintModeCMB");
        print->setEditText("TT");
        QLineEdit *ribbon = page.combo("RibbonCMB")->lineEdit();
        ribbon->setFocus();
        ribbon->selectAll();
        QTest::keyClick(ribbon, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(ribbon->text(), QStringLiteral("WAX/RESIN COMBO"));
        QVERIFY(page.ribbonShown());
        QCOMPARE(boxes.seen().size(), 0);
    }

    void ribbonFrameFollowsListPicks()
    {
        Page page;
        ModalAnswerer boxes;
        QComboBox *print = page.combo("CPrintModeCMB");
        pick(print, "TT");
        QCOMPARE(print->currentText(), QStringLiteral("TT"));
        QVERIFY(page.ribbonShown());
        pick(print, "DT");
        QVERIFY(!page.ribbonShown());
        // The ribbon keeps its value while hidden.
        pick(print, "TT");
        pick(page.combo("RibbonCMB"), "PREMIUM RESIN");
        pick(print, "DT");
        pick(print, "TT");
        QCOMPARE(page.combo("RibbonCMB")->currentText(), QStringLiteral("PREMIUM RESIN"));
        QCOMPARE(boxes.seen().size(), 0);
    }

    void calibrateSendsBothBlocks_data()
    {
        QTest::addColumn<QString>("index");
        QTest::addColumn<QString>("print");
        QTest::addColumn<QString>("ribbon");
        QTest::addColumn<QByteArray>("first");
        QTest::newRow("start")
            << ""
            << ""
            << ""
            << QByteArray("! 0 0 0 0\r\nV INDEX SETTING 0\r\nV FEED_TYPE GAP\r\nV WRITE\r\nEND");
        QTest::newRow("TT premium")
            << "BAR"
            << "TT"
            << "PREMIUM RESIN"
            << QByteArray("! 0 0 0 0\r\nV INDEX SETTING 3\r\nV FEED_TYPE BAR\r\nV WRITE\r\nEND");
    }
    void calibrateSendsBothBlocks()
    {
        QFETCH(QString, index);
        QFETCH(QString, print);
        QFETCH(QString, ribbon);
        QFETCH(QByteArray, first);
        Page page;
        ModalAnswerer boxes;
        if (!index.isEmpty()) {
            page.combo("CIndexCmb")->setEditText(index);
            page.combo("CPrintModeCMB")->setEditText(print);
            page.combo("RibbonCMB")->setEditText(ribbon);
        }
        page.click("CalCmd");
        QCOMPARE(page.serialBytes(), first + calibrate);
        QCOMPARE(boxes.seen().size(), 0);
    }

    void calibrateRequestGoesOutAfterAFailedFirstSend()
    {
        Page page;
        PrinterLink &link = page.window.link();
        QVERIFY(!link.comm().setCommPort(WindowFixture::missingComPort));
        ModalAnswerer boxes;
        // The port comes back while the first failure is on screen.
        boxes.then([&](QWidget *box) {
            QVERIFY(!link.comm().setCommPort(1));
            qobject_cast<QMessageBox *>(box)->button(QMessageBox::Ok)->click();
        });
        page.click("CalCmd");
        QCOMPARE(boxes.seen().size(), 1);
        QCOMPARE(boxes.unexpectedCount(), 0);
        QCOMPARE(page.serialBytes(), calibrate);
    }

    void printLabelSendsTheChosenProgram()
    {
        Page page;
        page.click("TestCMD");
        QCOMPARE(page.serialBytes(), TestLabels::fourByThree().toLatin1());

        QTest::mouseClick(page.control<QRadioButton>("TestOp2"), Qt::LeftButton);
        QVERIFY(!page.control<QRadioButton>("TestOp1")->isChecked());
        page.window.link().setSerialMode(false);
        page.click("TestCMD");
        QCOMPARE(page.parallelBytes("LPT1"), TestLabels::twoPointFourByOne().toLatin1());
        QCOMPARE(page.serialBytes(20), QByteArray());
    }
};

const QByteArray TestCalibrationPage::calibrate =
    "! 0 0 0 0\r\nV INDEX SETTING CALIBRATE\r\nV WRITE\r\nEND";

VARIMONDE_TEST_MAIN(TestCalibrationPage)
#include "tst_calibrationpage.moc"
