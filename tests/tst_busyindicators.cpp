// The two animations stepped tick by tick, their timers, and the busy scope
// of long operations.
#include "support/TestMain.h"
#include "ui/BusyIndicators.h"
#include "ui/WindowTitle.h"

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
        // The full stops the title shows; -1 for any other title.
        int dots() const
        {
            for (int n = 1; n <= 11; ++n) {
                if (window.windowTitle() == WindowTitle::plain + " [" + QString(n, '.') + "]")
                    return n;
            }
            return window.windowTitle() == WindowTitle::plain ? 0 : -1;
        }
        bool idle()
        {
            return tabs->isEnabled() && window.cursor().shape() == Qt::ArrowCursor &&
                   !busy.timer2().isActive() && dots() == 0;
        }
    };

private slots:
    // Each animation stepped: on, 14 ticks, on again, 2 ticks, off, off once
    // more (with the bar set to 70 meanwhile); what shows after each step.
    // Then its timer drives it.
    void animationSteps_data()
    {
        QTest::addColumn<bool>("title");
        QTest::addColumn<QList<int>>("shown"); // dots in the title, or the bar's value
        QTest::newRow("title, up to eleven dots")
            << true << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 1, 2, 3, 1, 2, 0, 0};
        QTest::newRow("bar, by tens") << false << QList<int>{0,  0, 10, 20, 30, 40, 50, 60, 70, 80,
                                                             90, 0, 0,  10, 20, 0,  10, 0,  0};
    }
    void animationSteps()
    {
        QFETCH(bool, title);
        QFETCH(QList<int>, shown);
        Rig rig;
        BusyIndicators &busy = rig.busy;
        QSignalSpy changes(rig.bar, &QProgressBar::valueChanged);
        QList<int> seen;
        const auto show = [&] { seen << (title ? rig.dots() : rig.bar->value()); };
        const auto on = [&] { title ? busy.startTitleAnimation() : busy.startUploadAnimation(); };
        const auto off = [&] { title ? busy.stopTitleAnimation() : busy.stopUploadAnimation(); };
        const auto ticks = [&](int count) {
            for (int i = 0; i < count; ++i) {
                title ? busy.stepTitleAnimation() : busy.stepUploadAnimation();
                show();
            }
        };
        on();
        QCOMPARE(busy.timer2().isActive(), title);
        QCOMPARE(busy.uploadTimer().isActive(), !title);
        show(); // nothing before the first tick
        ticks(14);
        on(); // starts over
        ticks(2);
        off();
        show();
        QVERIFY(!busy.timer2().isActive() && !busy.uploadTimer().isActive());
        rig.bar->setValue(70);
        off(); // harmless when idle; the bar goes back to 0 even when no tick ran
        show();
        QCOMPARE(seen, shown);
        if (!title) { // the full bar shows for a moment before it starts over
            QList<int> values;
            for (const QList<QVariant> &change : changes.mid(0, 13))
                values << change.at(0).toInt();
            QCOMPARE(values, QList<int>({10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 0, 10, 20}));
        }
        // The timer takes a step a second.
        QCOMPARE((title ? busy.timer2() : busy.uploadTimer()).interval(), 1000);
        on();
        QTRY_COMPARE_WITH_TIMEOUT(title ? rig.dots() : rig.bar->value(), title ? 2 : 10, 3500);
        off();
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
        const bool title = signs & BusyScope::TitleAnimation;
        Rig rig;
        {
            BusyScope scope(rig.busy, signs);
            QVERIFY(!rig.tabs->isEnabled());
            QCOMPARE(rig.window.cursor().shape() == Qt::WaitCursor,
                     bool(signs & BusyScope::Hourglass));
            QCOMPARE(rig.busy.timer2().isActive(), title);
            if (title)
                rig.busy.stepTitleAnimation();
            scope.end();
            QVERIFY(rig.idle());
            // Ended once: what the window does after end() is left alone.
            rig.busy.setTabStripEnabled(false);
            rig.busy.startTitleAnimation();
        }
        QVERIFY(!rig.tabs->isEnabled() && rig.busy.timer2().isActive());
        rig.busy.stopTitleAnimation();
        rig.busy.setTabStripEnabled(true);

        try {
            BusyScope scope(rig.busy, signs);
            if (title)
                rig.busy.stepTitleAnimation();
            throw std::runtime_error("failed half way");
        } catch (const std::runtime_error &) {
        }
        QVERIFY(rig.idle());
    }

    void outlivesItsWidgets()
    {
        auto window = std::make_unique<QWidget>();
        auto bar = std::make_unique<QProgressBar>();
        BusyIndicators busy(window.get(), nullptr);
        busy.setProgressBar(bar.get());
        busy.startTitleAnimation();
        busy.startUploadAnimation();
        bar.reset();
        window.reset();
        for (int tick = 0; tick < 12; ++tick) {
            busy.stepTitleAnimation();
            busy.stepUploadAnimation();
        }
        busy.setHourglass(true);
        busy.setTabStripEnabled(false);
        busy.stopTitleAnimation();
        busy.stopUploadAnimation();
        QVERIFY(!busy.timer2().isActive() && !busy.uploadTimer().isActive());
    }
};

VARIMONDE_TEST_MAIN(TestBusyIndicators)
#include "tst_busyindicators.moc"
