// The two animations stepped tick by tick, their timers, the hourglass, the
// tab strip lock and the busy scope of long operations.
#include "app/BusyIndicators.h"
#include "app/MainFrm.h"
#include "app/WindowTitle.h"
#include "support/TestMain.h"

#include <QProgressBar>
#include <QSignalSpy>
#include <QTabWidget>

#include <memory>
#include <stdexcept>

class TestBusyIndicators : public QObject
{
    Q_OBJECT

    struct Rig {
        QWidget window;
        QTabWidget *tabs = new QTabWidget(&window);
        QProgressBar *bar = new QProgressBar(&window);
        BusyIndicators busy{&window, tabs};
        Rig()
        {
            window.setWindowTitle(WindowTitle::plain);
            bar->setValue(0);
            busy.setProgressBar(bar);
        }
    };

    static QString titleWithDots(int dots)
    {
        return WindowTitle::plain + " [" + QString(dots, '.') + "]";
    }

private slots:
    void timersStartIdle()
    {
        MainFrm window;
        for (QTimer *timer : {&window.busy().timer2(), &window.busy().uploadTimer()}) {
            QVERIFY(!timer->isActive());
            QVERIFY(!timer->isSingleShot());
            QCOMPARE(timer->interval(), 1000);
        }
        QCOMPARE(window.busy().timer2().objectName(), "Timer2");
        QCOMPARE(window.busy().uploadTimer().objectName(), "UploadTimer");
        QCOMPARE(window.windowTitle(), WindowTitle::plain);
    }

    void titleGrowsToElevenDotsAndStartsOver()
    {
        Rig rig;
        rig.busy.TFrameOn();
        QVERIFY(rig.busy.timer2().isActive());
        QCOMPARE(rig.window.windowTitle(), WindowTitle::plain); // nothing before the first tick
        for (int dots = 1; dots <= 11; ++dots) {
            rig.busy.onTimer2Tick();
            QCOMPARE(rig.window.windowTitle(), titleWithDots(dots));
        }
        rig.busy.onTimer2Tick();
        QCOMPARE(rig.window.windowTitle(), titleWithDots(1));
        rig.busy.onTimer2Tick();

        // On while running starts the count over.
        rig.busy.TFrameOn();
        rig.busy.onTimer2Tick();
        QCOMPARE(rig.window.windowTitle(), titleWithDots(1));
        QVERIFY(!rig.busy.uploadTimer().isActive());

        rig.busy.onTimer2Tick();
        rig.busy.TFrameOff();
        QCOMPARE(rig.window.windowTitle(), WindowTitle::plain);
        QVERIFY(!rig.busy.timer2().isActive());
        rig.busy.TFrameOff(); // harmless when idle
        QCOMPARE(rig.window.windowTitle(), WindowTitle::plain);

        rig.busy.TFrameOn();
        rig.busy.onTimer2Tick();
        QCOMPARE(rig.window.windowTitle(), titleWithDots(1));
    }

    void barClimbsByTensAndStartsOver()
    {
        Rig rig;
        QSignalSpy shown(rig.bar, &QProgressBar::valueChanged);
        rig.busy.TimerOn();
        QVERIFY(rig.busy.uploadTimer().isActive());
        const QList<int> afterTicks = {0, 10, 20, 30, 40, 50, 60, 70, 80, 90, 0, 0, 10, 20};
        for (int expected : afterTicks) {
            rig.busy.onUploadTimerTick();
            QCOMPARE(rig.bar->value(), expected);
        }
        // The full bar shows for a moment before it starts over.
        QList<int> values;
        for (const QList<QVariant> &change : shown)
            values << change.at(0).toInt();
        QCOMPARE(values, QList<int>({10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 0, 10, 20}));

        rig.busy.TimerOn(); // starts over at 0
        rig.busy.onUploadTimerTick();
        QCOMPARE(rig.bar->value(), 0);
        rig.busy.onUploadTimerTick();
        QCOMPARE(rig.bar->value(), 10);
        QVERIFY(!rig.busy.timer2().isActive());

        rig.busy.timeroff();
        QCOMPARE(rig.bar->value(), 0);
        QVERIFY(!rig.busy.uploadTimer().isActive());

        // Off leaves the bar at 0 even when no tick ran.
        rig.bar->setValue(70);
        rig.busy.timeroff();
        QCOMPARE(rig.bar->value(), 0);
        rig.busy.TimerOn();
        rig.busy.onUploadTimerTick();
        rig.busy.onUploadTimerTick();
        QCOMPARE(rig.bar->value(), 10);
    }

    void timersDriveTheAnimations()
    {
        Rig rig;
        rig.busy.TFrameOn();
        rig.busy.TimerOn();
        QTRY_COMPARE_WITH_TIMEOUT(rig.window.windowTitle(), titleWithDots(1), 2500);
        QTRY_COMPARE_WITH_TIMEOUT(rig.window.windowTitle(), titleWithDots(2), 2500);
        QCOMPARE(rig.bar->value(), 10);
        rig.busy.TFrameOff();
        rig.busy.timeroff();
    }

    void hourglassAndTabStrip()
    {
        Rig rig;
        rig.busy.setHourglass(true);
        QCOMPARE(rig.window.cursor().shape(), Qt::WaitCursor);
        rig.busy.setHourglass(false);
        QCOMPARE(rig.window.cursor().shape(), Qt::ArrowCursor);

        {
            TabStripLock lock(rig.busy);
            QVERIFY(!rig.tabs->isEnabled());
        }
        QVERIFY(rig.tabs->isEnabled());
        try {
            TabStripLock lock(rig.busy);
            throw std::runtime_error("failed half way");
        } catch (const std::runtime_error &) {
        }
        QVERIFY(rig.tabs->isEnabled());
    }

    void busyScopeShowsWhatItIsAskedFor_data()
    {
        QTest::addColumn<unsigned>("signs");
        QTest::newRow("tab strip only") << unsigned(BusyScope::TabStripOnly);
        QTest::newRow("hourglass") << unsigned(BusyScope::Hourglass);
        QTest::newRow("title") << unsigned(BusyScope::TitleAnimation);
        QTest::newRow("both") << unsigned(BusyScope::Hourglass | BusyScope::TitleAnimation);
    }
    void busyScopeShowsWhatItIsAskedFor()
    {
        QFETCH(unsigned, signs);
        const bool hourglass = signs & BusyScope::Hourglass;
        const bool title = signs & BusyScope::TitleAnimation;
        Rig rig;
        const auto idle = [&rig] {
            return rig.tabs->isEnabled() && rig.window.cursor().shape() == Qt::ArrowCursor &&
                   !rig.busy.timer2().isActive() && rig.window.windowTitle() == WindowTitle::plain;
        };
        {
            BusyScope scope(rig.busy, signs);
            QVERIFY(!rig.tabs->isEnabled());
            QCOMPARE(rig.window.cursor().shape(), hourglass ? Qt::WaitCursor : Qt::ArrowCursor);
            QCOMPARE(rig.busy.timer2().isActive(), title);
            if (title)
                rig.busy.onTimer2Tick();
            scope.end();
            QVERIFY(idle());
            // Ended once: what the window does after end() is left alone.
            rig.busy.setTabStripEnabled(false);
            rig.busy.TFrameOn();
        }
        QVERIFY(!rig.tabs->isEnabled());
        QVERIFY(rig.busy.timer2().isActive());
        rig.busy.TFrameOff();
        rig.busy.setTabStripEnabled(true);

        try {
            BusyScope scope(rig.busy, signs);
            if (title)
                rig.busy.onTimer2Tick();
            throw std::runtime_error("failed half way");
        } catch (const std::runtime_error &) {
        }
        QVERIFY(idle());
    }

    void outlivesItsWidgets()
    {
        auto window = std::make_unique<QWidget>();
        auto bar = std::make_unique<QProgressBar>();
        BusyIndicators busy(window.get(), nullptr);
        busy.setProgressBar(bar.get());
        busy.TFrameOn();
        busy.TimerOn();
        bar.reset();
        window.reset();
        for (int tick = 0; tick < 12; ++tick) {
            busy.onTimer2Tick();
            busy.onUploadTimerTick();
        }
        busy.setHourglass(true);
        busy.setTabStripEnabled(false);
        busy.TFrameOff();
        busy.timeroff();
        QVERIFY(!busy.timer2().isActive());
        QVERIFY(!busy.uploadTimer().isActive());
    }
};

VARIMONDE_TEST_MAIN(TestBusyIndicators)
#include "tst_busyindicators.moc"
