// The Communication Settings tab: which link and port the next send uses,
// and what it says about bad entries.
#include "comm/CommPage.h"
#include "support/ModalAnswerer.h"
#include "support/TestMain.h"
#include "support/WindowFixture.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>

namespace
{

struct Tab : WindowFixture {
    Tab() { showTab(MainWindow::CommunicationTab); }
    void set(const char *combo, const QString &text)
    {
        control<QComboBox>(combo)->setEditText(text);
    }
    // "COM<port> <settings>" of the serial link.
    QString serial()
    {
        return QStringLiteral("COM%1 %2")
            .arg(window.link().serialPort().commPort())
            .arg(window.link().serialPort().settingsText());
    }
    QString framesShown() const
    {
        return QString(control<QGroupBox>("SerialFrame")->isVisible() ? "serial" : "") +
               (control<QGroupBox>("ParallelFrame")->isVisible() ? "parallel" : "");
    }
};

} // namespace

class TestCommPage : public QObject
{
    Q_OBJECT

private slots:
    void linkChoiceSwitchesFramesAndKeepsSerialSettings()
    {
        ModalAnswerer boxes;
        Tab fx;
        QVERIFY(fx.window.link().serialMode());
        QCOMPARE(fx.framesShown(), "serial");
        QCOMPARE(fx.serial(), "COM1 9600,N,8,1");
        fx.set("SPortCombo", "2");
        fx.set("SBaudCombo", "2400");
        fx.click("SApplyCmd_0");
        fx.click("CommOp_1");
        QVERIFY(!fx.window.link().serialMode());
        QCOMPARE(fx.framesShown(), "parallel");
        QVERIFY(fx.window.printer().printText("!L\r\n"));
        QCOMPARE(fx.parallelBytes("LPT1"), "!L\r\n");
        fx.click("CommOp_0");
        QVERIFY(fx.window.link().serialMode());
        QCOMPARE(fx.framesShown(), "serial");
        QCOMPARE(fx.serial(), "COM2 2400,N,8,1");
        QCOMPARE(boxes.summary(), QStringList());
    }

    void serialApplyPassesTheTextAndRefusesBadValues_data()
    {
        QTest::addColumn<QString>("port");
        QTest::addColumn<QString>("baud");
        QTest::addColumn<QString>("bits");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("serial");
        const auto row = [](const char *tag, const char *port, const char *baud, const char *bits,
                            const char *box, const char *serial) {
            QTest::newRow(tag) << QString(port) << QString(baud) << QString(bits) << QString(box)
                               << QString(serial);
        };
        const char *invalid = "Utility Settings|Invalid Value in COMM Settings";
        row("defaults", "1", "9600", "8", "", "COM1 9600,N,8,1");
        row("baud not in list", "1", "19200", "8", "", "COM1 19200,N,8,1");
        row("four data bits accepted", "2", "300", "4", "", "COM2 300,N,4,1");
        row("fraction rounds", "1.5", "9600", "8", "", "COM2 9600,N,8,1");
        row("empty port", "", "1200", "8", invalid, "COM1 9600,N,8,1");
        row("letters", "abc", "1200", "8", invalid, "COM1 9600,N,8,1");
        row("port zero", "0", "1200", "8", invalid, "COM1 9600,N,8,1");
        row("overflow", "40000", "1200", "8", "6|Overflow", "COM1 9600,N,8,1");
        // The port is taken, then the settings are refused: the port stays.
        row("bad baud keeps new port", "2", "fast", "8", invalid, "COM2 9600,N,8,1");
        row("nine bits", "1", "9600", "9", invalid, "COM1 9600,N,8,1");
    }
    void serialApplyPassesTheTextAndRefusesBadValues()
    {
        QFETCH(QString, port);
        QFETCH(QString, baud);
        QFETCH(QString, bits);
        QFETCH(QString, box);
        QFETCH(QString, serial);
        Tab fx;
        fx.set("SPortCombo", port);
        fx.set("SBaudCombo", baud);
        fx.set("SBitsCombo", bits);
        ModalAnswerer boxes;
        if (!box.isEmpty())
            boxes.pressOk();
        fx.click("SApplyCmd_0");
        QCOMPARE(boxes.summary(), box.isEmpty() ? QStringList() : QStringList{box});
        QCOMPARE(fx.serial(), serial);
    }

    void fourDataBitsFailAtTheSend()
    {
        Tab fx;
        fx.set("SBitsCombo", "4");
        fx.click("SApplyCmd_0");
        ModalAnswerer boxes;
        boxes.pressOk();
        QVERIFY(!fx.window.printer().printBytes(QByteArray("x")));
        QCOMPARE(boxes.summary(), QStringList{"8015|Error: Could not set comm state: the serial "
                                              "port cannot send with 4 data bits. Choose 5 to 8 "
                                              "data bits."});
    }

    void parallelDeviceIsCheckedOnEveryKeystroke()
    {
        Tab fx;
        fx.click("CommOp_1");
        auto *combo = fx.control<QComboBox>("ParallelCombo");
        combo->setFocus();
        combo->lineEdit()->end(false);
        ModalAnswerer boxes;
        boxes.pressOk().pressOk();
        QTest::keyClick(combo, Qt::Key_Backspace); // "LPT" is refused
        QCOMPARE(fx.window.link().parallelPortName(), "LPT1");
        QTest::keyClick(combo, Qt::Key_2);
        QCOMPARE(fx.window.link().parallelPortName(), "LPT2");
        combo->setEditText("lpt1");
        QCOMPARE(fx.window.link().parallelPortName(), "LPT2");
        const QString refused = "Utility Settings|Invalid Parallel Port";
        QCOMPARE(boxes.summary(), (QStringList{refused, refused}));
        // A choice from the list.
        combo->setCurrentIndex(0);
        emit combo->activated(0);
        QCOMPARE(fx.window.link().parallelPortName(), "LPT1");
    }
};

VARIMONDE_TEST_MAIN(TestCommPage)
#include "tst_commpage.moc"
