// Saving the configuration tab to a profile file and loading it back.
#include "config/ConfigPage.h"
#include "config/ProfileFile.h"
#include "support/ModalAnswerer.h"
#include "support/TestMain.h"
#include "support/WindowFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>

namespace
{

struct Tab : WindowFixture {
    ConfigPage &page = *window.findChild<ConfigPage *>();

    QString file(const QByteArray &bytes, const QString &name = "profile.vsp") const
    {
        const QString path = dir.filePath(name);
        QFile out(path);
        out.open(QIODevice::WriteOnly);
        out.write(bytes);
        return path;
    }
    // The tab's values, "name=value" in a fixed order.
    QStringList state() const
    {
        QStringList values;
        for (QCheckBox *box :
             {page.findChild<QCheckBox *>("DarkChk"), page.findChild<QCheckBox *>("WidthChk"),
              page.findChild<QCheckBox *>("KestraChk"), page.findChild<QCheckBox *>("Check1"),
              page.findChild<QCheckBox *>("PrintModeChk"),
              page.findChild<QCheckBox *>("PrintSpeedChk"),
              page.findChild<QCheckBox *>("TextBufferChk")})
            values << box->objectName() + '=' + QString::number(box->checkState());
        for (QSlider *slider :
             {page.findChild<QSlider *>("Slider1"), page.findChild<QSlider *>("EmulationSlider"),
              page.findChild<QSlider *>("TextBufMain"), page.findChild<QSlider *>("TextBufOver")})
            values << slider->objectName() + '=' + QString::number(slider->value());
        return values << "DarkLbl=" + page.findChild<QLabel *>("DarkLbl")->text()
                      << "WidthTxt=" + page.findChild<QLineEdit *>("WidthTxt")->text()
                      << "PrintSpeedCMB=" +
                             page.findChild<QComboBox *>("PrintSpeedCMB")->currentText()
                      << "PrintModeCMB=" +
                             page.findChild<QComboBox *>("PrintModeCMB")->currentText();
    }
};

// `state` with the "name=value" entries of `changes` put in.
QStringList changed(QStringList state, const QStringList &changes)
{
    for (const QString &change : changes)
        for (QString &entry : state)
            if (entry.section('=', 0, 0) == change.section('=', 0, 0))
                entry = change;
    return state;
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

// Fields in file order: DarkEnable, Darkness, WidthEnable, Width,
// PrintSpeedEnable, PrintSpeed, EmulationEnable, EmulationOff, Scaler,
// TextBufferEnable, MainBuffer, OverflowBuffer, PrintModeEnable, PrintMode.
QByteArray encoded(const ProfileRecord &record)
{
    return std::get<QByteArray>(ProfileCodec::encode(record));
}

} // namespace

class TestProfile : public QObject
{
    Q_OBJECT

private slots:
    void exportWritesTheRecordOverALongerFile()
    {
        Tab fx;
        const QString path = fx.file(QByteArray(300, 'z'), "old.vsp");
        ModalAnswerer boxes;
        boxes.chooseFile(path).pressYes(); // replace the existing file
        fx.click("ExportCMD");
        QCOMPARE(boxes.seen().size(), 2);
        // The start values, in place of the file's first bytes.
        const QByteArray record =
            encoded({0, 0, 0, "416", 0, "NORMAL", 0, 0, 100, 0, 4096, 0, 0, "DT"});
        QCOMPARE(fileBytes(path), record + QByteArray(300 - record.size(), 'z'));
    }

    void recordTooLongForItsSlotLeavesNoFile()
    {
        Tab fx;
        // A width that still reads as a number, but does not fit the record.
        fx.page.findChild<QLineEdit *>("WidthTxt")->setText(QString(97, '0'));
        const QString path = fx.dir.filePath("long.vsp");
        ModalAnswerer boxes;
        boxes.chooseFile(path).pressOk();
        fx.click("ExportCMD");
        QCOMPARE(boxes.summary(),
                 (QStringList{"file|save", "59|Bad record length: the texts of this profile are "
                                           "too long for its 128-byte record (width, print speed "
                                           "and print mode may hold 96 characters together)"}));
        QVERIFY(!QFile::exists(path));
    }

    void cancelledDialogs()
    {
        Tab fx;
        ModalAnswerer boxes;
        boxes.cancel();
        fx.click("ExportCMD");
        boxes.cancel().pressOk();
        fx.click("LoadCMD");
        QCOMPARE(boxes.summary(),
                 (QStringList{"file|save", "file|open", "Load Configuration|Error Opening File"}));
        QCOMPARE(boxes.seen()[0].proposed, "profile.vsp");
        QCOMPARE(boxes.seen()[0].defaultSuffix, "vsp");
        QCOMPARE(boxes.seen()[0].nameFilters,
                 QStringList({"Varimonde Printer Profile (*.vsp)", "All Files (*)"}));
    }

    // Import puts the values in one by one, each through its control's own
    // checks, and stops at the first one refused.
    void importStopsAtTheFirstRefusedValue_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QStringList>("changes");
        const QString failed = "Load Configuration|Error Opening File";

        // Every setting; the darkness slider moves with its label.
        QTest::newRow("all")
            << encoded({1, 10, 1, "300", 0, "HIGHSPEED", 1, 1, 180, 1, 8192, 2048, 1, "TT"})
            << QStringList()
            << words("DarkChk=2 DarkLbl=10 Slider1=10 WidthChk=2 WidthTxt=300 KestraChk=2 "
                     "Check1=2 EmulationSlider=180 PrintSpeedChk=0 "
                     "PrintSpeedCMB=HIGHSPEED TextBufferChk=2 TextBufMain=8192 "
                     "TextBufOver=2048 PrintModeChk=2 PrintModeCMB=TT");
        // The scaler is below its range.
        QTest::newRow("scaler 0") << encoded({1, 30, 0, "300", 1, "HIGHSPEED", 1, 1, 0, 1, 8192, 0,
                                              0, "TT"})
                                  << QStringList{"380|Invalid property value", failed}
                                  << words("DarkChk=2 DarkLbl=30 Slider1=30 KestraChk=2 Check1=2");
        // A darkness beyond the slider is refused like any other value.
        QTest::newRow("darkness 300")
            << encoded({1, 300, 0, "300", 1, "HIGHSPEED", 0, 0, 100, 0, 4096, 0, 0, "TT"})
            << QStringList{"380|Invalid property value", failed} << words("DarkChk=2");
        // The width's own message; the load goes on.
        QTest::newRow("width abc")
            << encoded({0, 0, 0, "abc", 0, "NORMAL", 0, 0, 100, 0, 4096, 0, 0, "DT"})
            << QStringList{"Printer Setup|Invalid Width Argument."} << words("PrintSpeedChk=0");
        QTest::newRow("grayed switch")
            << encoded({2, -20, 0, "416", 0, "NORMAL", 0, 0, 100, 0, 4096, 0, 0, "DT"})
            << QStringList() << words("DarkChk=1 DarkLbl=-20 Slider1=-20 PrintSpeedChk=0");

        const QString cut = "62|Input past end of file: the profile is empty or cut off";
        QByteArray overlong(40, 0);
        overlong[6] = char(0xFF);
        QTest::newRow("empty") << QByteArray() << QStringList{cut, failed} << QStringList();
        QTest::newRow("cut off") << QByteArray(20, 0) << QStringList{cut, failed} << QStringList();
        QTest::newRow("count past the slot")
            << overlong + QByteArray(200, 'x')
            << QStringList{"59|Bad record length: a text of the profile reaches past the end of "
                           "its record",
                           failed}
            << QStringList();
    }
    void importStopsAtTheFirstRefusedValue()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, messages);
        QFETCH(QStringList, changes);
        Tab fx;
        const QString path = fx.file(bytes);
        fx.page.findChild<QCheckBox *>("PrintSpeedChk")
            ->setChecked(true); // a switch on, that the file may turn off
        const QStringList before = fx.state();
        ModalAnswerer boxes;
        boxes.chooseFile(path);
        for (int i = 0; i < messages.size(); ++i)
            boxes.pressOk();
        fx.click("LoadCMD");
        QCOMPARE(boxes.summary(), QStringList{"file|open"} + messages);
        QCOMPARE(fx.state(), changed(before, changes));
        QCOMPARE(fx.serialBytes(20), QByteArray()); // import never sends
        if (!messages.isEmpty())
            return;
        // What was loaded is saved again as it was; ".vsp" is added to the name.
        boxes.chooseFile(fx.dir.filePath("again"));
        fx.click("ExportCMD");
        QCOMPARE(fileBytes(fx.dir.filePath("again.vsp")), bytes);
    }
};

VARIMONDE_TEST_MAIN(TestProfile)
#include "tst_profile.moc"
