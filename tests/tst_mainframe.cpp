// The main window as it opens and closes, the Details window, and the one
// place that names ports.
#include "link/PortNames.h"
#include "link/SerialSettings.h"
#include "support/ModalAnswerer.h"
#include "support/TestMain.h"
#include "support/WindowFixture.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

class TestMainFrame : public QObject
{
    Q_OBJECT

private slots:
    void opensWithSixReadableTabsOnConfiguration()
    {
        WindowFixture fx;
        QCOMPARE(fx.window.objectName(), QStringLiteral("MainFrm"));
        QCOMPARE(fx.window.windowTitle(), QStringLiteral("Varimonde Printer Setup Utility"));
        QTabWidget *tabs = fx.window.SSTab1();
        QCOMPARE(tabs->objectName(), QStringLiteral("SSTab1"));
        const QStringList captions = {
            "Communication Settings", "Printer Configuration", "Calibration",
            "Data Storage",           "Binary Transfer",       "About"};
        QCOMPARE(tabs->count(), captions.size());
        for (int i = 0; i < captions.size(); ++i) {
            QCOMPARE(tabs->tabText(i), captions[i]);
            // Every caption fits inside the window at once.
            const QRect tab = tabs->tabBar()->tabRect(i);
            QVERIFY2(tabs->tabBar()->rect().contains(tab), qPrintable(captions[i]));
            QVERIFY(tab.width() >= tabs->tabBar()->fontMetrics().horizontalAdvance(captions[i]));
        }
        QCOMPARE(tabs->currentIndex(), int(MainFrm::ConfigurationTab));
        QCOMPARE(fx.control<QPushButton>("ExitCMD")->text(), QStringLiteral("&Exit"));
        QVERIFY(!fx.window.busy().timer2().isActive());
        QVERIFY(!fx.window.busy().uploadTimer().isActive());
        QCOMPARE(fx.window.busy().timer2().interval(), 1000);
        QCOMPARE(fx.window.busy().uploadTimer().interval(), 1000);
        QVERIFY(fx.window.details().existing() == nullptr);
        QCOMPARE(fx.window.cursor().shape(), Qt::ArrowCursor);
        // The window carries the application icon.
        QVERIFY(!fx.window.windowIcon().isNull());
        QVERIFY(fx.window.windowIcon().availableSizes().contains(QSize(32, 32)));
    }

    void exitClosesBothWindows()
    {
        WindowFixture fx;
        fx.window.details().show();
        QPointer<DetailsFrm> details = &fx.window.details().window();
        QVERIFY(details->isVisible());
        QTest::mouseClick(fx.control<QPushButton>("ExitCMD"), Qt::LeftButton);
        QVERIFY(!fx.window.isVisible());
        QVERIFY(details.isNull());
        QVERIFY(fx.window.stopSignal().isRaised());
    }

    void detailsWindowIsCreatedOnFirstUseAndFollowsItsSize()
    {
        DetailsHost host;
        QVERIFY(!host.existing());
        host.setText("! 0 0 0 0\r\nEND");
        DetailsFrm &window = *host.existing();
        QVERIFY(!window.isVisible());
        QCOMPARE(window.windowTitle(), QStringLiteral("Details"));
        QCOMPARE(window.text(), QStringLiteral("! 0 0 0 0\r\nEND"));
        QCOMPARE(window.Text1()->objectName(), QStringLiteral("Text1"));
        QCOMPARE(window.Text1()->toPlainText().count('\n'), 1);

        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QSize before = window.Text1()->size();
        window.resize(window.size() + QSize(20, 20)); // 300 twips each way
        QCoreApplication::processEvents();
        QCOMPARE(window.Text1()->size(), before + QSize(20, 20));
        window.resize(1, 1);
        QCoreApplication::processEvents();
        QVERIFY(window.Text1()->width() >= 0 && window.Text1()->height() >= 0);

        host.hide();
        host.show();
        QCOMPARE(host.existing()->text(), QStringLiteral("! 0 0 0 0\r\nEND"));

        // Closed by its own close box: gone with its text, a fresh one next time.
        host.existing()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!host.existing());
        QCOMPARE(host.window().text(), QString());
    }

    void portNamesReachEveryFamily_data()
    {
        QTest::addColumn<int>("comPort");
        QTest::addColumn<QString>("device");
        QTest::newRow("COM1") << 1 << "/dev/ttyS0";
        QTest::newRow("COM32") << 32 << "/dev/ttyS31";
        QTest::newRow("COM33") << 33 << "/dev/ttyUSB0";
        QTest::newRow("COM64") << 64 << "/dev/ttyUSB31";
        QTest::newRow("COM65") << 65 << "/dev/ttyACM0";
        QTest::newRow("COM96") << 96 << "/dev/ttyACM31";
    }
    void portNamesReachEveryFamily()
    {
        QFETCH(int, comPort);
        QFETCH(QString, device);
        PortNames names;
        QCOMPARE(names.serialDevice(comPort), device);
        QCOMPARE(names.commPortOf(device), comPort);
        QCOMPARE(names.parallelDevice("LPT1"), QStringLiteral("/dev/lp0"));
        QCOMPARE(names.parallelDevice("LPT2"), QStringLiteral("/dev/lp1"));
        names.redirect(PortNames::serialLogicalName(comPort), "/tmp/stand-in");
        QCOMPARE(names.serialDevice(comPort), QStringLiteral("/tmp/stand-in"));
        QCOMPARE(names.commPortOf("/tmp/stand-in"), comPort);
    }

    void serialSettingsText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("default") << "9600,N,8,1" << true;
        QTest::newRow("every list value") << "300,E,4,2" << true;
        QTest::newRow("odd parity") << "1200,O,7,1" << true;
        QTest::newRow("one and a half stop") << "2400,N,5,1.5" << true;
        QTest::newRow("custom baud") << "19200,N,8,1" << true;
        QTest::newRow("blank") << "9600, N,8,1" << false;
        QTest::newRow("three fields") << "9600,N,8" << false;
        QTest::newRow("five fields") << "9600,N,8,1,1" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("parity word") << "9600,NONE,8,1" << false;
        QTest::newRow("three bits") << "9600,N,3,1" << false;
        QTest::newRow("zero baud") << "0,N,8,1" << false;
        QTest::newRow("huge baud") << "99999999999,N,8,1" << false;
        QTest::newRow("negative") << "-9600,N,8,1" << false;
        QTest::newRow("stop three") << "9600,N,8,3" << false;
    }
    void serialSettingsText()
    {
        QFETCH(QString, text);
        QFETCH(bool, accepted);
        const std::optional<SerialSettings> parsed = SerialSettings::parse(text);
        QCOMPARE(parsed.has_value(), accepted);
        if (parsed)
            QCOMPARE(parsed->toText(), text);
    }
};

VARIMONDE_TEST_MAIN(TestMainFrame)
#include "tst_mainframe.moc"
