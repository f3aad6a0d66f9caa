// Saving the configuration tab to a profile file and loading it back.
#include "config/ConfigPage.h"
#include "profile/FileIO.h"
#include "support/ModalAnswerer.h"
#include "support/TestMain.h"
#include "support/WindowFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

class TestProfile : public QObject
{
    Q_OBJECT

    static ConfigPage &page(WindowFixture &fx) { return *fx.window.configPage(); }

    static void clickExport(WindowFixture &fx)
    {
        QTest::mouseClick(page(fx).ExportCMD(), Qt::LeftButton);
    }
    static void clickImport(WindowFixture &fx)
    {
        QTest::mouseClick(page(fx).LoadCMD(), Qt::LeftButton);
    }

    struct Snapshot {
        QList<Qt::CheckState> switches;
        QString darkness, width, speed, mode;
        int slider1, scaler, main, overflow;
        bool operator==(const Snapshot &o) const
        {
            return switches == o.switches && darkness == o.darkness && width == o.width &&
                   speed == o.speed && mode == o.mode && slider1 == o.slider1 &&
                   scaler == o.scaler && main == o.main && overflow == o.overflow;
        }
    };
    static Snapshot snapshot(WindowFixture &fx)
    {
        ConfigPage &p = page(fx);
        Snapshot s;
        for (QCheckBox *box : {p.DarkChk(), p.WidthChk(), p.KestraChk(), p.Check1(),
                               p.PrintModeChk(), p.PrintSpeedChk(), p.TextBufferChk()})
            s.switches << box->checkState();
        s.darkness = p.DarkLbl()->text();
        s.width = p.WidthTxt()->text();
        s.speed = p.PrintSpeedCMB()->currentText();
        s.mode = p.PrintModeCMB()->currentText();
        s.slider1 = p.Slider1()->value();
        s.scaler = p.EmulationSlider()->value();
        s.main = p.TextBufMain()->value();
        s.overflow = p.TextBufOver()->value();
        return s;
    }

    static void writeFile(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    static QByteArray fileBytes(const QString &path)
    {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }

private slots:
    void exportThenImportRestoresTheTab()
    {
        WindowFixture fx;
        ConfigPage &p = page(fx);
        p.DarkChk()->setChecked(true);
        p.Slider1()->triggerAction(QAbstractSlider::SliderPageStepAdd); // moved: label 10
        p.KestraChk()->setChecked(true);
        p.Check1()->setChecked(true);
        p.EmulationSlider()->setValue(180);
        p.PrintSpeedCMB()->setCurrentIndex(1);
        p.TextBufferChk()->setChecked(true);
        p.TextBufMain()->setValue(8192);
        p.TextBufOver()->setValue(2048);
        p.WidthTxt()->setText("300");
        p.PrintModeChk()->setChecked(true);
        p.PrintModeCMB()->setCurrentIndex(1);
        const Snapshot saved = snapshot(fx);
        QCOMPARE(saved.darkness, QStringLiteral("10"));

        const QString path = fx.dir.filePath("shop"); // ".vsp" is added
        ModalAnswerer boxes;
        boxes.chooseFile(path);
        clickExport(fx);
        QCOMPARE(boxes.seen().size(), 1);
        const ModalAnswerer::Seen &dialog = boxes.seen()[0];
        QVERIFY(dialog.saving);
        QCOMPARE(dialog.proposed, QStringLiteral("profile.vsp"));
        QCOMPARE(dialog.defaultSuffix, QStringLiteral("vsp"));
        QCOMPARE(dialog.nameFilters,
                 QStringList({"Varimonde Printer Profile (*.vsp)", "All Files (*)"}));
        // A checked switch is stored as 1, grayed as 2.
        QCOMPARE(fileBytes(path + ".vsp").left(2), QByteArray::fromHex("0100"));

        // Change everything, then import.
        p.DarkChk()->setChecked(false);
        p.Slider1()->triggerAction(QAbstractSlider::SliderPageStepAdd); // label 20
        p.KestraChk()->setChecked(false);
        p.Check1()->setChecked(false);
        p.EmulationSlider()->setValue(5);
        p.PrintSpeedCMB()->setCurrentIndex(2);
        p.TextBufferChk()->setChecked(false);
        p.TextBufMain()->setValue(2048);
        p.WidthTxt()->setText("224");
        p.PrintModeChk()->setChecked(false);
        p.PrintModeCMB()->setCurrentIndex(0);
        const int slider1Before = p.Slider1()->value();
        QVERIFY(!(snapshot(fx) == saved));

        boxes.chooseFile(path + ".vsp");
        clickImport(fx);
        QCOMPARE(boxes.seen().size(), 2);
        QVERIFY(!boxes.seen()[1].saving);
        QCOMPARE(boxes.unexpectedCount(), 0);
        Snapshot loaded = snapshot(fx);
        QCOMPARE(loaded.slider1, slider1Before); // the slider is not moved
        loaded.slider1 = saved.slider1;
        QVERIFY(loaded == saved);
        // The controls' own handling ran: the groups follow their switches.
        QVERIFY(p.DarkLbl()->isEnabled());
        QVERIFY(!p.EmulationSlider()->isVisible());
        QCOMPARE(p.TextBufOver()->maximum(), 7168);
        // Import never sends anything.
        QCOMPARE(fx.serialBytes(50), QByteArray());
    }

    void exportWritesTheRecordOverALongerFile()
    {
        WindowFixture fx;
        const QString path = fx.dir.filePath("old.vsp");
        writeFile(path, QByteArray(300, 'z'));
        ModalAnswerer boxes;
        boxes.chooseFile(path).pressYes(); // replace the existing file
        clickExport(fx);
        QCOMPARE(boxes.seen().size(), 2);
        const QByteArray bytes = fileBytes(path);
        QCOMPARE(bytes.size(), 300);
        // Start values: DarkLbl "0", scaler 100, main 4096, overflow 0.
        const QByteArray record =
            QByteArray::fromHex("00000000000003003431360000060"
                                "04E4F524D414C000000006400000000100000000000000000020044"
                                "54");
        QCOMPARE(bytes.left(record.size()), record);
        QCOMPARE(bytes.mid(record.size()), QByteArray(300 - record.size(), 'z'));
    }

    void recordTooLongForItsSlotLeavesNoFile()
    {
        WindowFixture fx;
        // A width that still reads as a number, but does not fit the record.
        page(fx).WidthTxt()->setText(QString(97, '0'));
        const QString path = fx.dir.filePath("long.vsp");
        ModalAnswerer boxes;
        boxes.chooseFile(path).pressOk();
        clickExport(fx);
        QCOMPARE(boxes.seen().size(), 2);
        QVERIFY(boxes.seen()[1].text.startsWith("Bad record length"));
        QCOMPARE(boxes.seen()[1].title, QStringLiteral("59"));
        QVERIFY(!QFile::exists(path));
    }

    void cancelledDialogs()
    {
        WindowFixture fx;
        ModalAnswerer boxes;
        boxes.cancel();
        clickExport(fx);
        QCOMPARE(boxes.seen().size(), 1); // the dialog alone

        boxes.cancel().pressOk();
        clickImport(fx);
        QCOMPARE(boxes.seen().size(), 3);
        QCOMPARE(boxes.seen()[2].text, QStringLiteral("Error Opening File"));
        QCOMPARE(boxes.seen()[2].title, QStringLiteral("Load Configuration"));
        QCOMPARE(boxes.seen()[2].icon, QMessageBox::NoIcon);
    }

    void importStopsAtTheFirstRefusedValue()
    {
        WindowFixture fx;
        ProfileRecord record;
        record.DarkEnable = 1;
        record.Darkness = 30;
        record.EmulationEnable = 1;
        record.EmulationOff = 1;
        record.Scaler = 0; // below the scaler's range
        record.PrintSpeedEnable = 1;
        record.PrintSpeed = "HIGHSPEED";
        record.TextBufferEnable = 1;
        record.MainBuffer = 8192;
        record.Width = "300";
        record.PrintMode = "TT";
        const QString path = fx.dir.filePath("scaler0.vsp");
        QVERIFY(!writeProfile(path, record));
        const Snapshot before = snapshot(fx);

        ModalAnswerer boxes;
        boxes.chooseFile(path).pressOk().pressOk();
        clickImport(fx);
        QVERIFY2(boxes.seen().size() == 3, qPrintable(boxes.describe()));
        QCOMPARE(boxes.seen()[1].text, QStringLiteral("Invalid property value"));
        QCOMPARE(boxes.seen()[1].title, QStringLiteral("380"));
        QCOMPARE(boxes.seen()[2].text, QStringLiteral("Error Opening File"));

        const Snapshot after = snapshot(fx);
        QCOMPARE(after.switches[0], Qt::Checked);        // DarkChk
        QCOMPARE(after.darkness, QStringLiteral("30"));  // DarkLbl
        QCOMPARE(after.switches[2], Qt::Checked);        // KestraChk
        QCOMPARE(after.switches[3], Qt::Checked);        // Check1
        QCOMPARE(after.scaler, before.scaler);           // refused
        QCOMPARE(after.switches[5], before.switches[5]); // PrintSpeedChk untouched
        QCOMPARE(after.speed, before.speed);
        QCOMPARE(after.main, before.main);
        QCOMPARE(after.width, before.width);
        QCOMPARE(after.mode, before.mode);
    }

    void importedWidthIsCheckedByItsBox()
    {
        WindowFixture fx;
        ProfileRecord record;
        record.Width = "abc";
        record.PrintSpeed = "NORMAL";
        record.PrintMode = "DT";
        record.Scaler = 100;
        record.MainBuffer = 4096;
        const QString path = fx.dir.filePath("width.vsp");
        QVERIFY(!writeProfile(path, record));
        ModalAnswerer boxes;
        boxes.chooseFile(path).pressOk();
        clickImport(fx);
        QCOMPARE(boxes.seen().size(), 2); // the width's own message, no "Error Opening File"
        QCOMPARE(boxes.seen()[1].text, QStringLiteral("Invalid Width Argument."));
        QCOMPARE(page(fx).WidthTxt()->text(), QStringLiteral("416"));
    }

    void grayedSwitchRoundTrips()
    {
        WindowFixture fx;
        ProfileRecord record;
        record.DarkEnable = 2;
        record.Darkness = -20;
        record.Width = "416";
        record.PrintSpeed = "NORMAL";
        record.PrintMode = "DT";
        record.Scaler = 100;
        record.MainBuffer = 4096;
        const QString path = fx.dir.filePath("grayed.vsp");
        QVERIFY(!writeProfile(path, record));
        ModalAnswerer boxes;
        boxes.chooseFile(path);
        clickImport(fx);
        QCOMPARE(page(fx).DarkChk()->checkState(), Qt::PartiallyChecked);
        QVERIFY(page(fx).DarkLbl()->isEnabled()); // grayed counts as on
        QCOMPARE(page(fx).DarkLbl()->text(), QStringLiteral("-20"));

        const QString saved = fx.dir.filePath("again.vsp");
        boxes.chooseFile(saved);
        clickExport(fx);
        QCOMPARE(boxes.unexpectedCount(), 0);
        QCOMPARE(std::get<ProfileRecord>(readProfile(saved)), record);
    }

    void damagedFilesChangeNothing_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("title");
        QByteArray overlong(40, 0);
        overlong[6] = char(0xFF);
        QTest::newRow("empty") << QByteArray() << "62";
        QTest::newRow("cut off") << QByteArray(20, 0) << "62";
        QTest::newRow("count past the slot") << overlong + QByteArray(200, 'x') << "59";
    }
    void damagedFilesChangeNothing()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, title);
        WindowFixture fx;
        const QString path = fx.dir.filePath("damaged.vsp");
        writeFile(path, bytes);
        const Snapshot before = snapshot(fx);
        ModalAnswerer boxes;
        boxes.chooseFile(path).pressOk().pressOk();
        clickImport(fx);
        QCOMPARE(boxes.seen().size(), 3);
        QCOMPARE(boxes.seen()[1].title, title);
        QCOMPARE(boxes.seen()[2].text, QStringLiteral("Error Opening File"));
        QVERIFY(snapshot(fx) == before);
    }
};

VARIMONDE_TEST_MAIN(TestProfile)
#include "tst_profile.moc"
