// The Calibration tab as a user drives it: the checks of the three combo
// boxes, the ribbon frame, and what the two buttons put on the wire.
#include "printer/TestLabels.h"
#include "support/Keys.h"
#include "support/ModalAnswerer.h"
#include "support/TestMain.h"
#include "support/WindowFixture.h"

#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

class TestCalibrationPage : public QObject
{
    Q_OBJECT

    struct Page : WindowFixture {
        Page() { showTab(MainWindow::CalibrationTab); }
        QComboBox *combo(const QString &name) const { return control<QComboBox>(name); }
        bool ribbonShown() const { return control<QGroupBox>("RibbonFrm")->isVisible(); }
    };

    static const QByteArray calibrate;

private slots:
    void refusedTextShowsMessageThenFallback_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("entry"); // keys for typeKeys(), or "=text" set by the program
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("fallback");
        const auto row = [](const char *tag, const char *name, const char *entry, const char *box,
                            const char *fallback) {
            QTest::newRow(tag) << QString(name) << QString(entry) << QString(box)
                               << QString(fallback);
        };
        const char *index = "CALIBRATION|Index type must be BAR or GAP";
        const char *print = "Calibration|Print Type must be DT or TT";
        const char *ribbon = "CALIBRATION|Type must be Wax, Wax/Resin, or Preimum Resin";
        row("index cleared", "CIndexCmb", "=", index, "GAP");
        row("index lower case", "CIndexCmb", "=bar", index, "GAP");
        // Refused at the first key; typing goes on from the fallback.
        row("index typed onto", "CIndexCmb", ">S", index, "GAP");
        row("print cleared", "CPrintModeCMB", "=", print, "DT");
        row("print cleared by keys", "CPrintModeCMB", "^<", print, "DT");
        row("print lower case", "CPrintModeCMB", "=tt", print, "DT");
        row("print padded", "CPrintModeCMB", "=TT ", print, "DT");
        row("ribbon part", "RibbonCMB", "=WAX/RESIN", ribbon, "WAX");
        row("ribbon lower case", "RibbonCMB", "=premium resin", ribbon, "WAX");
    }
    void refusedTextShowsMessageThenFallback()
    {
        QFETCH(QString, name);
        QFETCH(QString, entry);
        QFETCH(QString, box);
        QFETCH(QString, fallback);
        Page page;
        QComboBox *combo = page.combo(name);
        combo->setCurrentIndex(1); // a valid text that is not the fallback
        ModalAnswerer boxes;
        boxes.pressOk();
        if (entry.startsWith('='))
            combo->setEditText(entry.mid(1));
        else
            typeKeys(combo->lineEdit(), entry);
        // Exactly one box: the fallback's own change passes the check.
        QCOMPARE(boxes.summary(), QStringList{box});
        QCOMPARE(combo->lineEdit()->text(), fallback);
        // Refused, the print type hides the ribbon frame again.
        QVERIFY(!page.ribbonShown());
    }

    void listChoicesAndPastesPass()
    {
        Page page;
        ModalAnswerer boxes;
        QComboBox *print = page.combo("CPrintModeCMB");
        QComboBox *ribbon = page.combo("RibbonCMB");
        QVERIFY(!page.ribbonShown());
        QTest::keyClick(print, Qt::Key_Down);
        QCOMPARE(print->currentText(), "TT");
        QVERIFY(page.ribbonShown());
        QTest::keyClick(print, Qt::Key_Up);
        QVERIFY(!page.ribbonShown());
        // The ribbon keeps its value while hidden.
        QTest::keyClick(print, Qt::Key_Down);
        QTest::keyClick(ribbon, Qt::Key_Down);
        QTest::keyClick(ribbon, Qt::Key_Down);
        QTest::keyClick(print, Qt::Key_Up);
        QTest::keyClick(print, Qt::Key_Down);
        QCOMPARE(ribbon->currentText(), "PREMIUM RESIN");
        // A whole value pasted passes at once.
        QGuiApplication::clipboard()->setText("WAX/RESIN COMBO");
        ribbon->lineEdit()->selectAll();
        QTest::keyClick(ribbon->lineEdit(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(ribbon->currentText(), "WAX/RESIN COMBO");
        QCOMPARE(boxes.summary(), QStringList());
    }

    void calibrateSendsBothBlocks()
    {
        Page page;
        ModalAnswerer boxes;
        page.click("CalCmd");
        QCOMPARE(page.serialBytes(),
                 "! 0 0 0 0\r\nV INDEX SETTING 0\r\nV FEED_TYPE GAP\r\nV WRITE\r\nEND" + calibrate);
        page.combo("CIndexCmb")->setEditText("BAR");
        page.combo("CPrintModeCMB")->setEditText("TT");
        page.combo("RibbonCMB")->setEditText("PREMIUM RESIN");
        page.click("CalCmd");
        QCOMPARE(page.serialBytes(),
                 "! 0 0 0 0\r\nV INDEX SETTING 3\r\nV FEED_TYPE BAR\r\nV WRITE\r\nEND" + calibrate);
        QCOMPARE(boxes.summary(), QStringList());
    }

    void calibrateRequestGoesOutAfterAFailedFirstSend()
    {
        Page page;
        PrinterLink &link = page.window.link();
        QVERIFY(!link.serialPort().setCommPort(WindowFixture::missingComPort));
        ModalAnswerer boxes;
        // The port comes back while the first failure is on screen.
        boxes.then([&](QWidget *box) {
            QVERIFY(!link.serialPort().setCommPort(1));
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

        page.click("TestOp2");
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
