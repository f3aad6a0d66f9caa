// The main window as it opens and closes, the Details window, and the one
// place that names ports.
#include "link/PortNames.h"
#include "link/SerialSettings.h"
#include "support/TestMain.h"
#include "support/WindowFixture.h"

#include <QPlainTextEdit>
#include <QTabBar>
#include <QTabWidget>

class TestMainFrame : public QObject
{
    Q_OBJECT

private slots:
    void opensWithSixReadableTabsOnConfiguration()
    {
        WindowFixture fx;
        QCOMPARE(fx.window.windowTitle(), "Varimonde Printer Setup Utility");
        QVERIFY(fx.window.windowIcon().availableSizes().contains(QSize(32, 32)));
        QTabWidget *tabs = fx.window.SSTab1();
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
        QCOMPARE(tabs->currentIndex(), int(MainWindow::ConfigurationTab));
    }

    // The Details window is made on first use, follows its size, and goes
    // with its text when closed; Exit closes it along with the main window.
    void detailsWindowAndExit()
    {
        WindowFixture fx;
        DetailsHost &host = fx.window.details();
        QVERIFY(!host.existing());
        host.setText("! 0 0 0 0\r\nEND");
        DetailsWindow &window = *host.existing();
        QVERIFY(!window.isVisible());
        QCOMPARE(window.windowTitle(), "Details");
        QCOMPARE(window.text(), "! 0 0 0 0\r\nEND");
        QCOMPARE(window.Text1()->toPlainText(), "! 0 0 0 0\nEND");
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QSize before = window.Text1()->size();
        window.resize(window.size() + QSize(20, 20)); // 300 twips each way
        QCoreApplication::processEvents();
        QCOMPARE(window.Text1()->size(), before + QSize(20, 20));
        window.close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!host.existing());
        QCOMPARE(host.window().text(), QString());

        host.show();
        QPointer<DetailsWindow> details = host.existing();
        fx.click("ExitCMD");
        QVERIFY(!fx.window.isVisible());
        QVERIFY(details.isNull());
        QVERIFY(fx.window.stopSignal().isRaised());
    }

    void portNamesReachEveryFamily()
    {
        const QList<QPair<int, QString>> ports = {{1, "/dev/ttyS0"},    {32, "/dev/ttyS31"},
                                                  {33, "/dev/ttyUSB0"}, {64, "/dev/ttyUSB31"},
                                                  {65, "/dev/ttyACM0"}, {96, "/dev/ttyACM31"}};
        for (const auto &[comPort, device] : ports) {
            PortNames names;
            QCOMPARE(names.serialDevice(comPort), device);
            QCOMPARE(names.commPortOf(device), comPort);
            names.redirect(PortNames::serialLogicalName(comPort), "/tmp/stand-in");
            QCOMPARE(names.serialDevice(comPort), QStringLiteral("/tmp/stand-in"));
            QCOMPARE(names.commPortOf("/tmp/stand-in"), comPort);
        }
        QCOMPARE(PortNames().parallelDevice("LPT2"), QStringLiteral("/dev/lp1"));
    }

    void serialSettingsText()
    {
        for (const char *text :
             {"9600,N,8,1", "300,E,4,2", "1200,O,7,1", "2400,N,5,1.5", "19200,N,8,1"}) {
            const std::optional<SerialSettings> parsed = SerialSettings::parse(text);
            QVERIFY2(parsed, text);
            QCOMPARE(parsed->toText(), text);
        }
        for (const char *text :
             {"9600, N,8,1", "9600,N,8", "9600,N,8,1,1", "", "9600,NONE,8,1", "9600,N,3,1",
              "0,N,8,1", "99999999999,N,8,1", "-9600,N,8,1", "9600,N,8,3"})
            QVERIFY2(!SerialSettings::parse(text), text);
    }
};

VARIMONDE_TEST_MAIN(TestMainFrame)
#include "tst_mainframe.moc"
