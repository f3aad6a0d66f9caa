// The Printer Configuration tab as a user drives it: switches and their
// groups, the checks on every change, the buffer coupling, the right-button
// entries, the Details block and the bytes an upload puts on the port.
#include "config/ConfigPage.h"
#include "support/Keys.h"
#include "support/ModalAnswerer.h"
#include "support/TestMain.h"
#include "support/WindowFixture.h"
#include "ui/DetailsWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>

namespace
{

const QByteArray header = "! 0 0 0 0\r\n";
const QByteArray trailer = "VARIABLE WRITE\r\nEND";

QString block(const QByteArray &lines = {})
{
    return QString::fromLatin1(header + lines + trailer);
}

// The members of settings groups 1 to 6 that follow their switch.
const QList<QStringList> groupMembers = {
    {},
    words("DarkFrame Slider1 Label10 Label9 DarkLbl"),
    words("Frame1 WidthTxt Label13 Label12 Label11"),
    words("PrintSpeedFrm PrintSpeedCMB Label17"),
    words("Frame3 PrintModeCMB Label16"),
    words("Frame2 EmulationSlider Label15 Label14"),
    words("Frame4 TextBufMain TextBufOver TextBufferLbl OverflowLbl Label18 Label19 Label20"),
};
const QStringList switchNames =
    words("DarkChk WidthChk PrintSpeedChk PrintModeChk KestraChk TextBufferChk");

struct Tab : WindowFixture {
    ConfigPage &page = *window.findChild<ConfigPage *>();

    Tab() { showTab(MainWindow::ConfigurationTab); }
    template <typename T = QWidget> T *get(const QString &name) const { return control<T>(name); }
    void rightPress(QSlider *slider) const
    {
        QTest::mousePress(slider, Qt::RightButton, {}, slider->rect().center());
        QTest::mouseRelease(slider, Qt::RightButton, {}, slider->rect().center());
    }
    QString details()
    {
        const DetailsWindow *details = window.details().existing();
        return details ? details->text() : QString();
    }
    // The controls whose enabled state is wrong while group `on` alone is on.
    QStringList wronglyEnabled(int on) const
    {
        QStringList wrong;
        for (int group = 1; group <= 6; ++group)
            for (const QString &name : groupMembers[group])
                if (get(name)->isEnabled() != (group == on))
                    wrong << name;
        for (const QString &name : switchNames)
            if (!get(name)->isEnabled())
                wrong << name;
        // Check1 keeps its own state, usable exactly while its frame is.
        if (get("Check1")->isEnabled() != (on == 5))
            wrong << "Check1";
        return wrong;
    }
};

} // namespace

class TestConfigPage : public QObject
{
    Q_OBJECT

private slots:
    void startsWithEveryGroupOff()
    {
        Tab tab;
        QCOMPARE(tab.wronglyEnabled(0), QStringList());
        // Start values are set as changes: the labels follow, the overflow is bounded.
        QCOMPARE(tab.get<QLabel>("TextBufferLbl")->text(), "4096");
        QCOMPARE(tab.get<QLabel>("OverflowLbl")->text(), "0");
        QCOMPARE(tab.get<QSlider>("TextBufOver")->maximum(), 3072);
        // The right button over a disabled slider asks nothing.
        ModalAnswerer boxes;
        for (const char *name : {"EmulationSlider", "TextBufMain", "TextBufOver"})
            tab.rightPress(tab.get<QSlider>(name));
        QCOMPARE(boxes.summary(), QStringList());
        // A change while every switch is off builds nothing for the Details window.
        tab.get<QLineEdit>("WidthTxt")->setText("300");
        QVERIFY(!tab.window.details().existing());
        tab.click("WidthChk");
        tab.get("DetailsChk")->show();
        tab.click("DetailsChk");
        QVERIFY(tab.window.details().existing()->isVisible());
        QCOMPARE(tab.details(), block("VARIABLE WIDTH 300\r\n"));
        tab.click("DetailsChk");
        QVERIFY(!tab.window.details().existing()->isVisible());
    }

    void switchEnablesExactlyItsGroup()
    {
        Tab tab;
        const QStringList lines = {"DARKNESS 0",    "WIDTH 416",  "NORMAL",
                                   "PRINT_MODE DT", "MODE 2 100", "TXTBFR 4096 0"};
        for (int group = 1; group <= 6; ++group) {
            const QString &name = switchNames[group - 1];
            const QString shown = block("VARIABLE " + lines[group - 1].toLatin1() + "\r\n");
            tab.click(name);
            QCOMPARE(tab.wronglyEnabled(group), QStringList());
            QCOMPARE(tab.details(), shown);
            QVERIFY(!tab.window.details().existing()->isVisible());
            // Off again: the group is disabled, the Details block stays as it was.
            tab.click(name);
            QCOMPARE(tab.wronglyEnabled(0), QStringList());
            QCOMPARE(tab.details(), shown);
            // A state set by the program, grayed included, counts as a click.
            tab.get<QCheckBox>(name)->setCheckState(Qt::PartiallyChecked);
            QCOMPARE(tab.wronglyEnabled(group), QStringList());
            tab.get<QCheckBox>(name)->setCheckState(Qt::Unchecked);
        }
        QCOMPARE(tab.wronglyEnabled(0), QStringList());
    }

    void scalerFollowsTheMouseAndCheck1HidesIt()
    {
        Tab tab;
        tab.click("KestraChk");
        auto *scaler = tab.get<QSlider>("EmulationSlider");
        // The scaler has no change handling: the block follows it when the
        // mouse is released.
        scaler->setValue(150);
        QCOMPARE(tab.details(), block("VARIABLE MODE 2 100\r\n"));
        QTest::mouseClick(scaler, Qt::LeftButton, {}, scaler->rect().center());
        const QByteArray value = QByteArray::number(scaler->value());
        QCOMPARE(tab.details(), block("VARIABLE MODE 2 " + value + "\r\n"));
        // Check1 hides the scaler and its labels.
        const auto scalerShown = [&] {
            return tab.get("Label14")->isVisible() + tab.get("Label15")->isVisible() +
                   scaler->isVisible();
        };
        tab.click("Check1");
        QCOMPARE(scalerShown(), 0);
        QCOMPARE(tab.details(), block("VARIABLE MODE 0\r\n"));
        tab.click("Check1");
        QCOMPARE(scalerShown(), 3);
        QCOMPARE(tab.details(), block("VARIABLE MODE 2 " + value + "\r\n"));
        tab.page.findChild<QCheckBox *>("Check1")->setChecked(true); // as a profile load sets it
        QCOMPARE(scalerShown(), 0);
        QCOMPARE(tab.details(), block("VARIABLE MODE 0\r\n"));
    }

    void darknessLabelFollowsTheThumbOnly()
    {
        Tab tab;
        tab.click("DarkChk");
        auto *slider = tab.get<QSlider>("Slider1");
        // The label's text, and the warning above 50.
        const auto shown = [&] {
            return tab.get<QLabel>("DarkLbl")->text() +
                   (tab.get("Label10")->isVisible() ? " warned" : "");
        };
        // The program moving the slider rebuilds the block but leaves the label.
        slider->setValue(49);
        QCOMPARE(shown(), "0");
        QCOMPARE(tab.details(), block("VARIABLE DARKNESS 0\r\n"));
        QTest::keyClick(slider, Qt::Key_Right);
        QCOMPARE(shown(), "50");
        QTest::keyClick(slider, Qt::Key_Right);
        QCOMPARE(shown(), "51 warned");
        // The label is set before the change rebuilds the block.
        QCOMPARE(tab.details(), block("VARIABLE DARKNESS 51\r\n"));
        QTest::keyClick(slider, Qt::Key_Left);
        QCOMPARE(shown(), "50");
        // A click on the track moves the thumb too.
        QTest::mouseClick(slider, Qt::LeftButton, {},
                          QPoint(slider->width() - 4, slider->height() / 2));
        QCOMPARE(shown(), QString::number(slider->value()) + " warned");
    }

    void textsAreCheckedOnEveryChange_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("entry"); // keys for typeKeys(), or "=text" set by the program
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("result");
        const auto row = [](const char *tag, const char *name, const char *entry, const char *box,
                            const char *result) {
            QTest::newRow(tag) << QString(name) << QString(entry) << QString(box)
                               << QString(result);
        };
        const char *maximum = "Printer Setup|Maximum Width is 416";
        const char *invalid = "Printer Setup|Invalid Width Argument.";
        const char *mode = "Printer Setup|Invalid Print Mode. Valid Modes are DT and TT";
        const char *speed = "Printer Setup|Invalid Print Speed";
        row("width 417 typed", "WidthTxt", "^417", maximum, "416");
        row("width 300 typed", "WidthTxt", "^300", "", "300");
        row("width 3.5 key by key", "WidthTxt", "^3.5", "", "3.5");
        row("width -10 typed", "WidthTxt", "^10|-", "", "-10");
        row("width last digit deleted", "WidthTxt", "><", "", "41");
        row("width all deleted", "WidthTxt", "><<<", invalid, "416");
        row("width letter typed", "WidthTxt", "^w", invalid, "416");
        row("width set to letters", "WidthTxt", "=abc", invalid, "416");
        row("width set spaced", "WidthTxt", "= 300", "", " 300");
        row("width too large for any number", "WidthTxt", "=1e999", "6|Overflow", "416");
        row("mode typed", "PrintModeCMB", "^t", mode, "DT");
        row("mode set TT", "PrintModeCMB", "=TT", "", "TT");
        row("mode set lower case", "PrintModeCMB", "=tt", mode, "DT");
        row("speed typed", "PrintSpeedCMB", "^H", speed, "NORMAL");
        row("speed set LOWSPEED", "PrintSpeedCMB", "=LOWSPEED", "", "LOWSPEED");
        row("speed set with a blank", "PrintSpeedCMB", "=HIGHSPEED ", speed, "NORMAL");
    }
    void textsAreCheckedOnEveryChange()
    {
        QFETCH(QString, name);
        QFETCH(QString, entry);
        QFETCH(QString, box);
        QFETCH(QString, result);
        const QMap<QString, QPair<QString, QByteArray>> switchAndLine = {
            {"WidthTxt", {"WidthChk", "WIDTH "}},
            {"PrintModeCMB", {"PrintModeChk", "PRINT_MODE "}},
            {"PrintSpeedCMB", {"PrintSpeedChk", ""}}};
        Tab tab;
        tab.click(switchAndLine[name].first);
        auto *combo = tab.find<QComboBox>(name);
        QLineEdit *edit = combo ? combo->lineEdit() : tab.get<QLineEdit>(name);
        ModalAnswerer boxes;
        if (!box.isEmpty())
            boxes.pressOk();
        if (!entry.startsWith('='))
            typeKeys(edit, entry);
        else if (combo)
            combo->setEditText(entry.mid(1));
        else
            edit->setText(entry.mid(1));
        QCOMPARE(boxes.summary(), box.isEmpty() ? QStringList() : QStringList{box});
        QCOMPARE(combo ? combo->currentText() : edit->text(), result);
        QCOMPARE(tab.details(),
                 block("VARIABLE " + switchAndLine[name].second + result.toLatin1() + "\r\n"));
    }

    void overflowStaysBelowTheMainBuffer()
    {
        Tab tab;
        tab.click("TextBufferChk");
        auto *main = tab.get<QSlider>("TextBufMain");
        auto *overflow = tab.get<QSlider>("TextBufOver");
        const auto labels = [&] {
            return tab.get<QLabel>("TextBufferLbl")->text() + ' ' +
                   tab.get<QLabel>("OverflowLbl")->text();
        };
        main->setValue(8192);
        QCOMPARE(overflow->maximum(), 7168);
        overflow->setValue(5000);
        QCOMPARE(labels(), "8192 5000");
        // Dragged down: the overflow is lowered with its maximum.
        main->setSliderPosition(2048);
        QCOMPARE(overflow->maximum(), 1024);
        QCOMPARE(labels(), "2048 1024");
        QCOMPARE(tab.details(), block("VARIABLE TXTBFR 2048 1024\r\n"));
        // 1024 or less: no overflow at all, its maximum left where it was.
        main->setSliderPosition(1000);
        QCOMPARE(overflow->maximum(), 1024);
        QCOMPARE(labels(), "1000 0");
        // Switched off and on, the group keeps its values.
        tab.click("TextBufferChk");
        tab.click("TextBufferChk");
        QCOMPARE(tab.details(), block("VARIABLE TXTBFR 1000 0\r\n"));
        // The overflow's own label follows each step of its thumb.
        main->setValue(4096);
        QTest::keyClick(overflow, Qt::Key_PageUp);
        QCOMPARE(labels(), "4096 5");
        QCOMPARE(tab.details(), block("VARIABLE TXTBFR 4096 5\r\n"));
    }

    void rightButtonEntersAValue_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("mainStart");
        QTest::addColumn<int>("start");
        QTest::addColumn<QString>("answer"); // null: Cancel
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("result");
        const auto row = [](const char *tag, const char *name, int mainStart, int start,
                            const char *answer, const char *message, int result) {
            QTest::newRow(tag) << QString(name) << mainStart << start << QString(answer)
                               << QString(message) << result;
        };
        const char *refused = "380|Invalid property value";
        const char *tooLarge = "6|Overflow";
        const char *outside =
            "Overflow Buffer Warning|Overflow must fall between 0 and (Text Buffer-1024)";
        const char *scaler = "EmulationSlider";
        row("scaler 300", scaler, 4096, 50, "300", "Labelsmithy|Maximum Value is 250", 250);
        row("scaler 250.4", scaler, 4096, 50, "250.4", "Labelsmithy|Maximum Value is 250", 250);
        row("scaler 0", scaler, 4096, 50, "0", refused, 50);
        row("scaler -1e10", scaler, 4096, 50, "-1e10", tooLarge, 50);
        row("scaler abc", scaler, 4096, 50, "abc", "", 50);
        row("scaler cancel", scaler, 4096, 50, nullptr, "", 50);
        row("scaler 99.5", scaler, 4096, 50, "99.5", "", 100);
        row("scaler 100.5", scaler, 4096, 50, " 100.5 ", "", 100);
        row("main 8192", "TextBufMain", 4096, 4096, "8192", "", 8192);
        row("main cancel", "TextBufMain", 8192, 8192, nullptr, "", 4096);
        row("main 2048.5", "TextBufMain", 4096, 4096, "2048.5", "", 2048);
        row("main 70000", "TextBufMain", 4096, 4096, "70000", refused, 4096);
        row("main x", "TextBufMain", 4096, 4096, "x", "Warning|Invalid Data", 4096);
        row("overflow 2000", "TextBufOver", 4096, 0, "2000", "", 2000);
        row("overflow cancel", "TextBufOver", 4096, 0, nullptr, "", 1024);
        row("overflow cancel, small main", "TextBufOver", 1500, 0, nullptr, refused, 0);
        row("overflow -1", "TextBufOver", 4096, 100, "-1", outside, 100);
        row("overflow 3072.4", "TextBufOver", 4096, 100, "3072.4", outside, 100);
        row("overflow 1e999", "TextBufOver", 4096, 100, "1e999", tooLarge, 100);
    }
    void rightButtonEntersAValue()
    {
        QFETCH(QString, name);
        QFETCH(int, mainStart);
        QFETCH(int, start);
        QFETCH(QString, answer);
        QFETCH(QString, message);
        QFETCH(int, result);
        Tab tab;
        tab.click("KestraChk");
        tab.click("TextBufferChk");
        auto *slider = tab.get<QSlider>(name);
        auto *main = tab.get<QSlider>("TextBufMain");
        auto *overflow = tab.get<QSlider>("TextBufOver");
        main->setValue(mainStart);
        slider->setValue(start);

        ModalAnswerer boxes;
        if (answer.isNull())
            boxes.cancel();
        else
            boxes.answer(answer);
        if (!message.isEmpty())
            boxes.pressOk();
        tab.rightPress(slider);

        const QString proposed = QString::number(start);
        QStringList expected{
            name == "EmulationSlider" ? "input|Scaler Setting|Please Enter Desired Scaler|100"
            : name == "TextBufMain"
                ? "input|Primary Text Buffer|Set Value for Main Text Buffer|" + proposed
                : "input|Overflow Buffer|Enter value for Overflow Buffer|" + proposed};
        if (!message.isEmpty())
            expected << message;
        QCOMPARE(boxes.summary(), expected);
        QCOMPARE(slider->value(), result);
        // The buffers' block follows the entered value.
        QVERIFY(tab.details().contains(
            QStringLiteral("VARIABLE TXTBFR %1 %2\r\n").arg(main->value()).arg(overflow->value())));
    }

    void uploadSendsWhatTheSwitchesSayNow()
    {
        Tab tab;
        tab.click("UploadCMD");
        QCOMPARE(tab.serialBytes(), header + trailer);

        // Darkness 30 by three large steps of the thumb, then the way a
        // profile load fills the tab: the darkness label alone, the slider stays.
        tab.click("DarkChk");
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(tab.get("Slider1"), Qt::Key_PageUp);
        ConfigPage &page = tab.page;
        page.findChild<QLabel *>("DarkLbl")->setText("40");
        page.findChild<QCheckBox *>("KestraChk")->setChecked(true);
        page.findChild<QSlider *>("EmulationSlider")->setValue(250);
        // Chosen from the lists by keyboard; no box.
        page.findChild<QCheckBox *>("PrintSpeedChk")->setChecked(true);
        page.findChild<QCheckBox *>("PrintModeChk")->setChecked(true);
        ModalAnswerer boxes;
        for (int i = 0; i < 2; ++i) {
            QTest::keyClick(page.findChild<QComboBox *>("PrintSpeedCMB"), Qt::Key_Down);
            QTest::keyClick(page.findChild<QComboBox *>("PrintModeCMB"), Qt::Key_Down);
        }
        QCOMPARE(boxes.summary(), QStringList());
        page.findChild<QCheckBox *>("TextBufferChk")->setChecked(true);
        page.findChild<QSlider *>("TextBufMain")->setValue(8192);
        page.findChild<QSlider *>("TextBufOver")->setValue(2048);
        page.findChild<QLineEdit *>("WidthTxt")->setText("224");
        page.findChild<QCheckBox *>("WidthChk")->setChecked(true);
        QCOMPARE(page.findChild<QSlider *>("Slider1")->value(), 30);
        const QString all = block("VARIABLE DARKNESS 40\r\nVARIABLE WIDTH 224\r\n"
                                  "VARIABLE MODE 2 250\r\nVARIABLE PRINT_MODE TT\r\n"
                                  "VARIABLE HIGHSPEED\r\nVARIABLE TXTBFR 8192 2048\r\n");
        QCOMPARE(tab.details(), all);
        tab.click("UploadCMD");
        QCOMPARE(tab.serialBytes(), all.toLatin1());

        // The last switch off leaves the Details block; the upload follows the switches.
        for (const QString &name : switchNames)
            tab.click(name);
        QCOMPARE(tab.details(), block("VARIABLE TXTBFR 8192 2048\r\n"));
        tab.click("UploadCMD");
        QCOMPARE(tab.serialBytes(), header + trailer);
    }
};

VARIMONDE_TEST_MAIN(TestConfigPage)
#include "tst_configpage.moc"
