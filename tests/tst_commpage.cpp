// The Communication Settings tab: which link and port the next send uses,
// and what it says about bad entries.
#include "link/CommPage.h"
#include "support/ModalAnswerer.h"
#include "support/TestMain.h"
#include "support/WindowFixture.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

class TestCommPage : public QObject
{
    Q_OBJECT

    static void setText(WindowFixture &fx, const char *combo, const QString &text)
    {
        fx.control<QComboBox>(combo)->setEditText(text);
    }
    static void apply(WindowFixture &fx)
    {
        QTest::mouseClick(fx.control<QPushButton>("SApplyCmd_0"), Qt::LeftButton);
    }

private slots:
    void startsOnSerialWithTheDefaultsAndNoBox()
    {
        ModalAnswerer boxes;
        WindowFixture fx;
        fx.showTab(MainFrm::CommunicationTab);
        QCOMPARE(boxes.seen().size(), 0);
        QVERIFY(fx.window.link().serialMode());
        QCOMPARE(fx.window.link().parallelPortName(), QStringLiteral("LPT1"));
        QCOMPARE(fx.window.link().comm().commPort(), 1);
        QCOMPARE(fx.window.link().comm().settings(), QStringLiteral("9600,N,8,1"));
        QVERIFY(fx.control<QRadioButton>("CommOp_0")->isChecked());
        QVERIFY(fx.control<QGroupBox>("SerialFrame")->isVisible());
        QVERIFY(!fx.control<QGroupBox>("ParallelFrame")->isVisible());
        QVERIFY(!fx.control<QPushButton>("SApplyCmd_1")->isVisible());

        const QList<QPair<QString, QStringList>> lists = {
            {"SPortCombo", {"1", "2"}},
            {"SBaudCombo", {"300", "1200", "2400", "9600"}},
            {"SBitsCombo", {"4", "5", "6", "7", "8"}},
            {"SParityCombo", {"N", "O", "E"}},
            {"SSTOPBITCOMBO", {"1", "2"}},
            {"ParallelCombo", {"LPT1", "LPT2"}},
        };
        const QStringList starts = {"1", "9600", "8", "N", "1", "LPT1"};
        for (int i = 0; i < lists.size(); ++i) {
            auto *combo = fx.control<QComboBox>(lists[i].first);
            QStringList items;
            for (int j = 0; j < combo->count(); ++j)
                items << combo->itemText(j);
            QCOMPARE(items, lists[i].second);
            QCOMPARE(combo->currentText(), starts[i]);
            QCOMPARE(combo->currentIndex(), -1);
            QVERIFY(combo->isEditable());
        }
    }

    void linkChoiceSwitchesFramesAndKeepsSerialSettings()
    {
        WindowFixture fx;
        fx.showTab(MainFrm::CommunicationTab);
        setText(fx, "SPortCombo", "2");
        setText(fx, "SBaudCombo", "2400");
        apply(fx);
        QTest::mouseClick(fx.control<QRadioButton>("CommOp_1"), Qt::LeftButton);
        QVERIFY(!fx.window.link().serialMode());
        QVERIFY(fx.control<QGroupBox>("ParallelFrame")->isVisible());
        QVERIFY(!fx.control<QGroupBox>("SerialFrame")->isVisible());
        QVERIFY(fx.window.String_Print("!L\r\n"));
        QCOMPARE(fx.parallelBytes("LPT1"), QByteArray("!L\r\n"));

        QTest::mouseClick(fx.control<QRadioButton>("CommOp_0"), Qt::LeftButton);
        QVERIFY(fx.window.link().serialMode());
        QCOMPARE(fx.window.link().comm().commPort(), 2);
        QCOMPARE(fx.window.link().comm().settings(), QStringLiteral("2400,N,8,1"));
    }

    void serialApplyPassesTheTextAndRefusesBadValues_data()
    {
        QTest::addColumn<QString>("port");
        QTest::addColumn<QString>("baud");
        QTest::addColumn<QString>("bits");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("commPort");
        QTest::addColumn<QString>("settings");
        const QString invalid = "Invalid Value in COMM Settings";
        const QString utility = "Utility Settings";
        QTest::newRow("defaults") << "1"
                                  << "9600"
                                  << "8"
                                  << ""
                                  << "" << 1 << "9600,N,8,1";
        QTest::newRow("baud not in list") << "1"
                                          << "19200"
                                          << "8"
                                          << ""
                                          << "" << 1 << "19200,N,8,1";
        QTest::newRow("four data bits accepted") << "2"
                                                 << "300"
                                                 << "4"
                                                 << ""
                                                 << "" << 2 << "300,N,4,1";
        QTest::newRow("fraction rounds") << "1.5"
                                         << "9600"
                                         << "8"
                                         << ""
                                         << "" << 2 << "9600,N,8,1";
        QTest::newRow("empty port") << ""
                                    << "1200"
                                    << "8" << invalid << utility << 1 << "9600,N,8,1";
        QTest::newRow("letters") << "abc"
                                 << "1200"
                                 << "8" << invalid << utility << 1 << "9600,N,8,1";
        QTest::newRow("port zero") << "0"
                                   << "1200"
                                   << "8" << invalid << utility << 1 << "9600,N,8,1";
        QTest::newRow("overflow") << "40000"
                                  << "1200"
                                  << "8"
                                  << "Overflow"
                                  << "6" << 1 << "9600,N,8,1";
        // The port is taken, then the settings are refused: the port stays.
        QTest::newRow("bad baud keeps new port") << "2"
                                                 << "fast"
                                                 << "8" << invalid << utility << 2 << "9600,N,8,1";
        QTest::newRow("nine bits") << "1"
                                   << "9600"
                                   << "9" << invalid << utility << 1 << "9600,N,8,1";
    }
    void serialApplyPassesTheTextAndRefusesBadValues()
    {
        QFETCH(QString, port);
        QFETCH(QString, baud);
        QFETCH(QString, bits);
        QFETCH(QString, message);
        QFETCH(QString, title);
        QFETCH(int, commPort);
        QFETCH(QString, settings);
        WindowFixture fx;
        fx.showTab(MainFrm::CommunicationTab);
        setText(fx, "SPortCombo", port);
        setText(fx, "SBaudCombo", baud);
        setText(fx, "SBitsCombo", bits);
        ModalAnswerer boxes;
        if (!message.isEmpty())
            boxes.pressOk();
        apply(fx);
        QCOMPARE(boxes.seen().size(), message.isEmpty() ? 0 : 1);
        if (!message.isEmpty()) {
            QCOMPARE(boxes.seen()[0].text, message);
            QCOMPARE(boxes.seen()[0].title, title);
            QCOMPARE(boxes.seen()[0].icon, QMessageBox::NoIcon);
        }
        QCOMPARE(fx.window.link().comm().commPort(), commPort);
        QCOMPARE(fx.window.link().comm().settings(), settings);
    }

    void fourDataBitsFailAtTheSend()
    {
        WindowFixture fx;
        setText(fx, "SBitsCombo", "4");
        apply(fx);
        ModalAnswerer boxes;
        boxes.pressOk();
        QVERIFY(!fx.window.Array_Print(QByteArray("x")));
        QCOMPARE(boxes.seen().size(), 1);
        QVERIFY(boxes.seen()[0].text.startsWith("Error: Could not set comm state"));
        QCOMPARE(boxes.seen()[0].title, QStringLiteral("8015"));
    }

    void parallelDeviceIsCheckedOnEveryKeystroke()
    {
        WindowFixture fx;
        fx.showTab(MainFrm::CommunicationTab);
        QTest::mouseClick(fx.control<QRadioButton>("CommOp_1"), Qt::LeftButton);
        auto *combo = fx.control<QComboBox>("ParallelCombo");
        combo->setFocus();
        combo->lineEdit()->end(false);

        ModalAnswerer boxes;
        boxes.pressOk();
        QTest::keyClick(combo, Qt::Key_Backspace); // "LPT" is refused
        QCOMPARE(boxes.seen().size(), 1);
        QCOMPARE(boxes.seen()[0].text, QStringLiteral("Invalid Parallel Port"));
        QCOMPARE(boxes.seen()[0].title, QStringLiteral("Utility Settings"));
        QCOMPARE(fx.window.link().parallelPortName(), QStringLiteral("LPT1"));
        QTest::keyClick(combo, Qt::Key_2);
        QCOMPARE(boxes.seen().size(), 1);
        QCOMPARE(fx.window.link().parallelPortName(), QStringLiteral("LPT2"));

        boxes.pressOk();
        combo->setEditText("lpt1");
        QCOMPARE(boxes.seen().size(), 2);
        QCOMPARE(fx.window.link().parallelPortName(), QStringLiteral("LPT2"));

        combo->setCurrentIndex(0);
        emit combo->activated(0);
        QCOMPARE(fx.window.link().parallelPortName(), QStringLiteral("LPT1"));
        QCOMPARE(boxes.unexpectedCount(), 0);

        QVERIFY(fx.window.String_Print("!L\r\n"));
        QCOMPARE(fx.parallelBytes("LPT1"), QByteArray("!L\r\n"));
        QCOMPARE(fx.parallelBytes("LPT2"), QByteArray());
    }
};

VARIMONDE_TEST_MAIN(TestCommPage)
#include "tst_commpage.moc"
