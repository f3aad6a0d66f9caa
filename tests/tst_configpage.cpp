// The Printer Configuration tab as a user drives it: switches and their
// groups, the checks on every change, the buffer coupling, the right-button
// entries, the Details block and the bytes an upload puts on the port.
#include "config/ConfigPage.h"
#include "config/DetailsFrm.h"
#include "support/ModalAnswerer.h"
#include "support/TestMain.h"
#include "support/WindowFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QStyleOptionSlider>

namespace
{

const QByteArray header = "! 0 0 0 0\r\n";
const QByteArray trailer = "VARIABLE WRITE\r\nEND";

// A configuration block holding `lines` between its header and trailer.
QString block(const QByteArray &lines = {})
{
    return QString::fromLatin1(header + lines + trailer);
}

// The main window on the configuration tab, with a short way to its controls.
struct Tab {
    mutable WindowFixture fx;
    ConfigPage *page;

    Tab() : page(fx.window.configPage()) { fx.showTab(MainFrm::ConfigurationTab); }

    template <typename T = QWidget> T *get(const QString &name) const
    {
        return fx.control<T>(name);
    }
    void click(const QString &name) const
    {
        QWidget *button = get(name);
        QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    }
    QString details() const
    {
        const DetailsFrm *window = fx.window.details().existing();
        return window ? window->text() : QString();
    }
    void rightPress(QSlider *slider) const
    {
        QTest::mousePress(slider, Qt::RightButton, {}, slider->rect().center());
        QTest::mouseRelease(slider, Qt::RightButton, {}, slider->rect().center());
    }
};

// What each box showed, one "title|text" per message and
// "input|title|prompt|proposed" per input box; a message with an icon or
// more than one button is marked.
QStringList shown(const ModalAnswerer &boxes)
{
    QStringList list;
    for (const ModalAnswerer::Seen &box : boxes.seen()) {
        QString line = box.kind == ModalAnswerer::Kind::Input
                           ? QStringLiteral("input|%1|%2|%3").arg(box.title, box.text, box.proposed)
                           : box.title + QLatin1Char('|') + box.text;
        if (box.kind == ModalAnswerer::Kind::Message &&
            (box.icon != QMessageBox::NoIcon || box.buttons.size() != 1))
            line += QStringLiteral("|not a plain OK box");
        if (!box.expected)
            line.prepend(QStringLiteral("unexpected: "));
        list << line;
    }
    return list;
}

// The members of each settings group that follow its switch.
const QList<QStringList> groupMembers = {
    {},
    {"DarkFrame", "Slider1", "Label10", "Label9", "DarkLbl"},
    {"Frame1", "WidthTxt", "Label13", "Label12", "Label11"},
    {"PrintSpeedFrm", "PrintSpeedCMB", "Label17"},
    {"Frame3", "PrintModeCMB", "Label16"},
    {"Frame2", "EmulationSlider", "Label15", "Label14"},
    {"Frame4", "TextBufMain", "TextBufOver", "TextBufferLbl", "OverflowLbl", "Label18", "Label19",
     "Label20"},
};
const QStringList switchNames = {"DarkChk",      "WidthChk",  "PrintSpeedChk",
                                 "PrintModeChk", "KestraChk", "TextBufferChk"};

} // namespace

class TestConfigPage : public QObject
{
    Q_OBJECT

    static void verifyEnabledGroups(const Tab &tab, int enabledGroup)
    {
        for (int group = 1; group <= 6; ++group) {
            for (const QString &name : groupMembers.at(group))
                QVERIFY2(tab.get(name)->isEnabled() == (group == enabledGroup), qPrintable(name));
        }
        for (const QString &name : switchNames)
            QVERIFY2(tab.get(name)->isEnabled(), qPrintable(name));
        // Check1 keeps its own state and is usable exactly while its frame is.
        QCOMPARE(tab.get("Check1")->isEnabled(), enabledGroup == 5);
    }

private slots:
    void startsWithEveryGroupOffAndTheStartValues()
    {
        Tab tab;
        verifyEnabledGroups(tab, 0);
        for (const QString &name : switchNames)
            QCOMPARE(tab.get<QCheckBox>(name)->checkState(), Qt::Unchecked);
        QVERIFY(!tab.get("Label10")->isVisible());
        QVERIFY(!tab.get("DetailsChk")->isVisible());
        for (const char *name : {"Label14", "Label15", "EmulationSlider", "Check1"})
            QVERIFY2(tab.get(name)->isVisible(), name);
        QVERIFY(!tab.get<QCheckBox>("Check1")->isChecked());

        // Start values set as changes, labels following.
        QCOMPARE(tab.get<QSlider>("EmulationSlider")->value(), 100);
        QCOMPARE(tab.get<QLabel>("TextBufferLbl")->text(), "4096");
        QCOMPARE(tab.get<QLabel>("OverflowLbl")->text(), "0");
        // The combo boxes show their start text, no item of their list chosen.
        for (const auto &[name, text] :
             {std::pair("PrintModeCMB", "DT"), {"PrintSpeedCMB", "NORMAL"}}) {
            QCOMPARE(tab.get<QComboBox>(name)->currentText(), text);
            QCOMPARE(tab.get<QComboBox>(name)->currentIndex(), -1);
        }
        // Nothing was built for the Details window yet.
        QVERIFY(!tab.fx.window.details().existing());
    }

    void switchEnablesExactlyItsGroup_data()
    {
        QTest::addColumn<int>("group");
        QTest::addColumn<QString>("line");
        QTest::newRow("DarkChk") << 1 << "VARIABLE DARKNESS 0\r\n";
        QTest::newRow("WidthChk") << 2 << "VARIABLE WIDTH 416\r\n";
        QTest::newRow("PrintSpeedChk") << 3 << "VARIABLE NORMAL\r\n";
        QTest::newRow("PrintModeChk") << 4 << "VARIABLE PRINT_MODE DT\r\n";
        QTest::newRow("KestraChk") << 5 << "VARIABLE MODE 2 100\r\n";
        QTest::newRow("TextBufferChk") << 6 << "VARIABLE TXTBFR 4096 0\r\n";
    }

    void switchEnablesExactlyItsGroup()
    {
        QFETCH(int, group);
        QFETCH(QString, line);
        Tab tab;
        const QString name = QString::fromLatin1(QTest::currentDataTag());
        const QString shownBlock = block(line.toLatin1());

        tab.click(name);
        verifyEnabledGroups(tab, group);
        QCOMPARE(tab.details(), shownBlock);
        QVERIFY(!tab.fx.window.details().existing()->isVisible());

        // Off again: the group is disabled, the Details block stays as it was.
        tab.click(name);
        verifyEnabledGroups(tab, 0);
        QCOMPARE(tab.details(), shownBlock);

        // A state set by the program, grayed included, is handled as a click.
        tab.get<QCheckBox>(name)->setCheckState(Qt::PartiallyChecked);
        verifyEnabledGroups(tab, group);
        tab.get<QCheckBox>(name)->setCheckState(Qt::Unchecked);
        verifyEnabledGroups(tab, 0);
    }

    void switchesKeepTheValuesOfTheirGroup()
    {
        Tab tab;
        tab.click("TextBufferChk");
        tab.get<QSlider>("TextBufMain")->setValue(8192);
        tab.get<QSlider>("TextBufOver")->setValue(2048);
        tab.click("TextBufferChk");
        tab.click("TextBufferChk");
        QCOMPARE(tab.get<QSlider>("TextBufMain")->value(), 8192);
        QCOMPARE(tab.get<QSlider>("TextBufOver")->value(), 2048);
        QCOMPARE(tab.details(), block("VARIABLE TXTBFR 8192 2048\r\n"));
    }

    void check1HidesTheScaler()
    {
        Tab tab;
        tab.click("KestraChk");
        tab.click("Check1");
        QVERIFY(tab.get<QCheckBox>("Check1")->isChecked());
        for (const char *name : {"Label14", "Label15", "EmulationSlider"})
            QVERIFY2(!tab.get(name)->isVisible(), name);
        QCOMPARE(tab.details(), block("VARIABLE MODE 0\r\n"));

        tab.click("Check1");
        for (const char *name : {"Label14", "Label15", "EmulationSlider"})
            QVERIFY2(tab.get(name)->isVisible(), name);
        QCOMPARE(tab.details(), block("VARIABLE MODE 2 100\r\n"));

        // As a profile load sets it.
        tab.page->Check1()->setChecked(true);
        QVERIFY(!tab.get("EmulationSlider")->isVisible());
        QCOMPARE(tab.details(), block("VARIABLE MODE 0\r\n"));
    }

    void darknessLabelFollowsTheThumbOnly()
    {
        Tab tab;
        tab.click("DarkChk");
        auto *slider = tab.get<QSlider>("Slider1");
        auto *label = tab.get<QLabel>("DarkLbl");
        auto *warning = tab.get<QLabel>("Label10");

        // The program moving the slider rebuilds the block but leaves the label.
        slider->setValue(49);
        QCOMPARE(label->text(), "0");
        QCOMPARE(tab.details(), block("VARIABLE DARKNESS 0\r\n"));

        QTest::keyClick(slider, Qt::Key_Right);
        QCOMPARE(label->text(), "50");
        QVERIFY(!warning->isVisible());
        QTest::keyClick(slider, Qt::Key_Right);
        QCOMPARE(label->text(), "51");
        QVERIFY(warning->isVisible());
        // The label was up to date before the rebuild that the change set off.
        QCOMPARE(tab.details(), block("VARIABLE DARKNESS 51\r\n"));
        QTest::keyClick(slider, Qt::Key_Left);
        QVERIFY(!warning->isVisible());
        QTest::keyClick(slider, Qt::Key_Home);
        QCOMPARE(label->text(), "-20");
        QTest::keyClick(slider, Qt::Key_End);
        QCOMPARE(label->text(), "255");
        QVERIFY(warning->isVisible());

        // A click on the track moves the thumb too.
        slider->setValue(0);
        QTest::mouseClick(slider, Qt::LeftButton, {},
                          QPoint(slider->width() - 4, slider->height() / 2));
        QVERIFY(slider->value() > 0);
        QCOMPARE(label->text(), QString::number(slider->value()));
        QCOMPARE(tab.details(), block("VARIABLE DARKNESS " + label->text().toLatin1() + "\r\n"));
    }

    void widthIsCheckedOnEveryChange_data()
    {
        QTest::addColumn<QTestEventList>("keys");
        QTest::addColumn<QString>("programText"); // set instead of typing when not null
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QString>("result");

        const QString maximum = QStringLiteral("Printer Setup|Maximum Width is 416");
        const QString invalid = QStringLiteral("Printer Setup|Invalid Width Argument.");
        auto retype = [](const QString &text) {
            QTestEventList keys;
            keys.addKeyClick(Qt::Key_A, Qt::ControlModifier);
            keys.addKeyClicks(text);
            return keys;
        };
        QTestEventList lastDigit;
        lastDigit.addKeyClick(Qt::Key_End);
        lastDigit.addKeyClick(Qt::Key_Backspace);
        QTestEventList allDigits = lastDigit;
        allDigits.addKeyClick(Qt::Key_Backspace);
        allDigits.addKeyClick(Qt::Key_Backspace);
        QTestEventList negative = retype("10");
        negative.addKeyClick(Qt::Key_Home);
        negative.addKeyClick(Qt::Key_Minus);

        QTest::newRow("417 typed") << retype("417") << QString() << QStringList{maximum} << "416";
        QTest::newRow("300 typed") << retype("300") << QString() << QStringList() << "300";
        QTest::newRow("3.5 key by key") << retype("3.5") << QString() << QStringList() << "3.5";
        QTest::newRow("-10 typed") << negative << QString() << QStringList() << "-10";
        QTest::newRow("last digit deleted") << lastDigit << QString() << QStringList() << "41";
        QTest::newRow("all deleted") << allDigits << QString() << QStringList{invalid} << "416";
        QTest::newRow("letter typed") << retype("w") << QString() << QStringList{invalid} << "416";
        QTest::newRow("program sets letters")
            << QTestEventList() << "abc" << QStringList{invalid} << "416";
        QTest::newRow("program sets a spaced width")
            << QTestEventList() << " 300" << QStringList() << " 300";
        QTest::newRow("too large for any number")
            << QTestEventList() << "1e999" << QStringList{"6|Overflow"} << "416";
    }

    void widthIsCheckedOnEveryChange()
    {
        QFETCH(QTestEventList, keys);
        QFETCH(QString, programText);
        QFETCH(QStringList, boxes);
        QFETCH(QString, result);
        Tab tab;
        tab.click("WidthChk");
        auto *width = tab.get<QLineEdit>("WidthTxt");

        ModalAnswerer answers;
        for (int i = 0; i < boxes.size(); ++i)
            answers.pressOk();
        if (programText.isNull())
            keys.simulate(width);
        else
            width->setText(programText);

        QCOMPARE(shown(answers), boxes);
        QCOMPARE(width->text(), result);
        QCOMPARE(tab.details(), block("VARIABLE WIDTH " + result.toLatin1() + "\r\n"));
    }

    void printModeAndSpeedAreCheckedOnEveryChange_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("typed");       // typed over the whole text
        QTest::addColumn<QString>("programText"); // else set by the program
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QString>("line");

        const QString mode =
            QStringLiteral("Printer Setup|Invalid Print Mode. Valid Modes are DT and TT");
        const QString speed = QStringLiteral("Printer Setup|Invalid Print Speed");
        QTest::newRow("mode typed")
            << "PrintModeCMB"
            << "t" << QString() << QStringList{mode} << "VARIABLE PRINT_MODE DT";
        QTest::newRow("mode set TT")
            << "PrintModeCMB" << QString() << "TT" << QStringList() << "VARIABLE PRINT_MODE TT";
        QTest::newRow("mode set lower case")
            << "PrintModeCMB" << QString() << "tt" << QStringList{mode} << "VARIABLE PRINT_MODE DT";
        QTest::newRow("speed typed") << "PrintSpeedCMB"
                                     << "H" << QString() << QStringList{speed} << "VARIABLE NORMAL";
        QTest::newRow("speed set LOWSPEED")
            << "PrintSpeedCMB" << QString() << "LOWSPEED" << QStringList() << "VARIABLE LOWSPEED";
        QTest::newRow("speed set with a blank") << "PrintSpeedCMB" << QString() << "HIGHSPEED "
                                                << QStringList{speed} << "VARIABLE NORMAL";
    }

    void printModeAndSpeedAreCheckedOnEveryChange()
    {
        QFETCH(QString, name);
        QFETCH(QString, typed);
        QFETCH(QString, programText);
        QFETCH(QStringList, boxes);
        QFETCH(QString, line);
        Tab tab;
        tab.click(name == "PrintModeCMB" ? "PrintModeChk" : "PrintSpeedChk");
        auto *combo = tab.get<QComboBox>(name);

        ModalAnswerer answers;
        for (int i = 0; i < boxes.size(); ++i)
            answers.pressOk();
        if (programText.isNull()) {
            combo->lineEdit()->selectAll();
            QTest::keyClicks(combo->lineEdit(), typed);
        } else {
            combo->setEditText(programText);
        }

        QCOMPARE(shown(answers), boxes);
        QCOMPARE(tab.details(), block(line.toLatin1() + "\r\n"));
        QCOMPARE(combo->currentText(), line.section(QLatin1Char(' '), -1));
    }

    void choosingFromTheListIsAccepted()
    {
        Tab tab;
        tab.click("PrintModeChk");
        tab.click("PrintSpeedChk");
        ModalAnswerer answers;
        auto *mode = tab.get<QComboBox>("PrintModeCMB");
        auto *speed = tab.get<QComboBox>("PrintSpeedCMB");
        QTest::keyClick(mode, Qt::Key_Down);
        QTest::keyClick(mode, Qt::Key_Down);
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(speed, Qt::Key_Down);
        QCOMPARE(mode->currentText(), "TT");
        QCOMPARE(speed->currentText(), "LOWSPEED");
        QCOMPARE(shown(answers), QStringList());
        QCOMPARE(tab.details(), block("VARIABLE PRINT_MODE TT\r\nVARIABLE LOWSPEED\r\n"));
    }

    void overflowStaysBelowTheMainBuffer()
    {
        Tab tab;
        tab.click("TextBufferChk");
        auto *main = tab.get<QSlider>("TextBufMain");
        auto *overflow = tab.get<QSlider>("TextBufOver");
        auto *mainLabel = tab.get<QLabel>("TextBufferLbl");
        auto *overflowLabel = tab.get<QLabel>("OverflowLbl");
        QCOMPARE(overflow->maximum(), 3072); // bounded from the first start on

        main->setValue(8192);
        QCOMPARE(overflow->maximum(), 7168);
        QCOMPARE(mainLabel->text(), "8192");
        overflow->setValue(5000);
        QCOMPARE(overflowLabel->text(), "5000");

        // Dragged down: the overflow is lowered with its maximum.
        main->setSliderPosition(2048);
        QCOMPARE(main->value(), 2048);
        QCOMPARE(overflow->maximum(), 1024);
        QCOMPARE(overflow->value(), 1024);
        QCOMPARE(overflowLabel->text(), "1024");
        QCOMPARE(mainLabel->text(), "2048");
        QCOMPARE(tab.details(), block("VARIABLE TXTBFR 2048 1024\r\n"));

        // 1024 or less: no overflow at all, its maximum left where it was.
        main->setSliderPosition(1000);
        QCOMPARE(overflow->value(), 0);
        QCOMPARE(overflow->maximum(), 1024);
        QCOMPARE(overflowLabel->text(), "0");
        QCOMPARE(mainLabel->text(), "1000");
        QCOMPARE(tab.details(), block("VARIABLE TXTBFR 1000 0\r\n"));

        // The overflow's own label follows each step of its thumb.
        main->setValue(4096);
        overflow->setFocus();
        QTest::keyClick(overflow, Qt::Key_PageUp);
        QCOMPARE(overflowLabel->text(), "5");
        QCOMPARE(tab.details(), block("VARIABLE TXTBFR 4096 5\r\n"));
    }

    void rightButtonEntersAValue_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("mainStart");
        QTest::addColumn<int>("start");
        QTest::addColumn<QString>("answer"); // null: Cancel
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<int>("result");

        const QString maximum = QStringLiteral("Labelsmithy|Maximum Value is 250");
        const QString refused = QStringLiteral("380|Invalid property value");
        const QString tooLarge = QStringLiteral("6|Overflow");
        const QString invalid = QStringLiteral("Warning|Invalid Data");
        const QString outside = QStringLiteral(
            "Overflow Buffer Warning|Overflow must fall between 0 and (Text Buffer-1024)");
        const QString none;
        const QStringList nothing;

        QTest::newRow("scaler 300")
            << "EmulationSlider" << 4096 << 50 << "300" << QStringList{maximum} << 250;
        QTest::newRow("scaler 250.4")
            << "EmulationSlider" << 4096 << 50 << "250.4" << QStringList{maximum} << 250;
        QTest::newRow("scaler 0") << "EmulationSlider" << 4096 << 50 << "0" << QStringList{refused}
                                  << 50;
        QTest::newRow("scaler -1e10")
            << "EmulationSlider" << 4096 << 50 << "-1e10" << QStringList{tooLarge} << 50;
        QTest::newRow("scaler abc") << "EmulationSlider" << 4096 << 50 << "abc" << nothing << 50;
        QTest::newRow("scaler cancel") << "EmulationSlider" << 4096 << 50 << none << nothing << 50;
        QTest::newRow("scaler 99.5") << "EmulationSlider" << 4096 << 50 << "99.5" << nothing << 100;
        QTest::newRow("scaler 100.5")
            << "EmulationSlider" << 4096 << 50 << " 100.5 " << nothing << 100;

        QTest::newRow("main 8192") << "TextBufMain" << 4096 << 4096 << "8192" << nothing << 8192;
        QTest::newRow("main cancel") << "TextBufMain" << 8192 << 8192 << none << nothing << 4096;
        QTest::newRow("main 2048.5")
            << "TextBufMain" << 4096 << 4096 << "2048.5" << nothing << 2048;
        QTest::newRow("main 70000")
            << "TextBufMain" << 4096 << 4096 << "70000" << QStringList{refused} << 4096;
        QTest::newRow("main x") << "TextBufMain" << 4096 << 4096 << "x" << QStringList{invalid}
                                << 4096;

        QTest::newRow("overflow 2000") << "TextBufOver" << 4096 << 0 << "2000" << nothing << 2000;
        QTest::newRow("overflow cancel") << "TextBufOver" << 4096 << 0 << none << nothing << 1024;
        QTest::newRow("overflow cancel, small main")
            << "TextBufOver" << 1500 << 0 << none << QStringList{refused} << 0;
        QTest::newRow("overflow -1")
            << "TextBufOver" << 4096 << 100 << "-1" << QStringList{outside} << 100;
        QTest::newRow("overflow 3072.4")
            << "TextBufOver" << 4096 << 100 << "3072.4" << QStringList{outside} << 100;
        QTest::newRow("overflow 1e999")
            << "TextBufOver" << 4096 << 100 << "1e999" << QStringList{tooLarge} << 100;
    }

    void rightButtonEntersAValue()
    {
        QFETCH(QString, name);
        QFETCH(int, mainStart);
        QFETCH(int, start);
        QFETCH(QString, answer);
        QFETCH(QStringList, messages);
        QFETCH(int, result);
        Tab tab;
        tab.click("KestraChk");
        tab.click("TextBufferChk");
        auto *slider = tab.get<QSlider>(name);
        auto *main = tab.get<QSlider>("TextBufMain");
        auto *overflow = tab.get<QSlider>("TextBufOver");
        main->setValue(mainStart);
        slider->setValue(start);

        ModalAnswerer answers;
        if (answer.isNull())
            answers.cancel();
        else
            answers.answer(answer);
        for (int i = 0; i < messages.size(); ++i)
            answers.pressOk();
        tab.rightPress(slider);

        QStringList expected;
        if (name == "EmulationSlider")
            expected << "input|Scaler Setting|Please Enter Desired Scaler|100";
        else if (name == "TextBufMain")
            expected << "input|Primary Text Buffer|Set Value for Main Text Buffer|" +
                            QString::number(start);
        else
            expected << "input|Overflow Buffer|Enter value for Overflow Buffer|" +
                            QString::number(start);
        QCOMPARE(shown(answers), expected + messages);
        QCOMPARE(slider->value(), result);

        // The buffers' labels, bounds and block follow the entered value.
        QCOMPARE(tab.get<QLabel>("TextBufferLbl")->text(), QString::number(main->value()));
        QCOMPARE(tab.get<QLabel>("OverflowLbl")->text(), QString::number(overflow->value()));
        if (main->value() > 1024)
            QCOMPARE(overflow->maximum(), main->value() - 1024);
        QVERIFY(tab.details().contains(
            QStringLiteral("VARIABLE TXTBFR %1 %2\r\n").arg(main->value()).arg(overflow->value())));
    }

    void rightButtonOverADisabledSliderDoesNothing()
    {
        Tab tab;
        ModalAnswerer answers;
        for (const char *name : {"EmulationSlider", "TextBufMain", "TextBufOver"})
            tab.rightPress(tab.get<QSlider>(name));
        QCOMPARE(shown(answers), QStringList());
    }

    void scalerReachesTheDetailsWhenTheThumbIsReleased()
    {
        Tab tab;
        tab.click("KestraChk");
        auto *scaler = tab.get<QSlider>("EmulationSlider");
        ModalAnswerer answers;
        answers.answer("150");
        tab.rightPress(scaler);
        QCOMPARE(scaler->value(), 150);
        // The scaler has no change handling of its own.
        QCOMPARE(tab.details(), block("VARIABLE MODE 2 100\r\n"));

        QStyleOptionSlider option;
        option.initFrom(scaler);
        option.orientation = scaler->orientation();
        option.minimum = scaler->minimum();
        option.maximum = scaler->maximum();
        option.sliderPosition = option.sliderValue = scaler->value();
        option.tickPosition = scaler->tickPosition();
        const QRect thumb = scaler->style()->subControlRect(QStyle::CC_Slider, &option,
                                                            QStyle::SC_SliderHandle, scaler);
        QTest::mouseClick(scaler, Qt::LeftButton, {}, thumb.center());
        QCOMPARE(scaler->value(), 150);
        QCOMPARE(tab.details(), block("VARIABLE MODE 2 150\r\n"));
        QCOMPARE(answers.unexpectedCount(), 0);
    }

    void detailsCheckBoxShowsAndHidesTheWindow()
    {
        Tab tab;
        // A change while every switch is off builds nothing for the window.
        tab.get<QLineEdit>("WidthTxt")->setText("300");
        QVERIFY(!tab.fx.window.details().existing());

        tab.click("WidthChk");
        const QString shownBlock = block("VARIABLE WIDTH 300\r\n");
        QCOMPARE(tab.details(), shownBlock);
        tab.get("DetailsChk")->show();
        tab.click("DetailsChk");
        QVERIFY(tab.fx.window.details().existing()->isVisible());
        QCOMPARE(tab.details(), shownBlock);
        tab.click("DetailsChk");
        QVERIFY(tab.fx.window.details().existing());
        QVERIFY(!tab.fx.window.details().existing()->isVisible());
    }

    void uploadSendsTheBlockAsShown()
    {
        Tab tab;
        tab.click("UploadCMD");
        QCOMPARE(tab.fx.serialBytes(), header + trailer);

        // Darkness 30 by three large steps of the thumb.
        tab.click("DarkChk");
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(tab.get("Slider1"), Qt::Key_PageUp);
        tab.click("UploadCMD");
        QCOMPARE(tab.fx.serialBytes(), header + "VARIABLE DARKNESS 30\r\n" + trailer);

        for (const QString &name : switchNames.mid(1))
            tab.click(name);
        tab.click("UploadCMD");
        QCOMPARE(tab.fx.serialBytes(),
                 header +
                     "VARIABLE DARKNESS 30\r\nVARIABLE WIDTH 416\r\nVARIABLE MODE 2 100\r\n"
                     "VARIABLE PRINT_MODE DT\r\nVARIABLE NORMAL\r\nVARIABLE TXTBFR 4096 0\r\n" +
                     trailer);

        // Unchecking the last switch leaves the Details block, but an upload
        // sends what the switches say now.
        for (const QString &name : switchNames)
            tab.click(name);
        QCOMPARE(tab.details(), block("VARIABLE TXTBFR 4096 0\r\n"));
        tab.click("UploadCMD");
        QCOMPARE(tab.fx.serialBytes(), header + trailer);
    }

    void controlsSetByTheProgramReachTheUpload()
    {
        // The way a profile load fills the tab: the darkness label alone,
        // the slider stays.
        Tab tab;
        ConfigPage &page = *tab.page;
        page.DarkChk()->setChecked(true);
        page.DarkLbl()->setText("30");
        page.KestraChk()->setChecked(true);
        page.EmulationSlider()->setValue(250);
        page.PrintSpeedChk()->setChecked(true);
        page.PrintSpeedCMB()->setEditText("HIGHSPEED");
        page.TextBufferChk()->setChecked(true);
        page.TextBufMain()->setValue(8192);
        page.TextBufOver()->setValue(2048);
        page.WidthTxt()->setText("224");
        page.WidthChk()->setChecked(true);
        page.PrintModeChk()->setChecked(true);
        page.PrintModeCMB()->setEditText("TT");
        QCOMPARE(page.Slider1()->value(), 0);
        QVERIFY(page.TextBufMain()->isEnabled());

        const QString expected = block("VARIABLE DARKNESS 30\r\nVARIABLE WIDTH 224\r\n"
                                       "VARIABLE MODE 2 250\r\nVARIABLE PRINT_MODE TT\r\n"
                                       "VARIABLE HIGHSPEED\r\nVARIABLE TXTBFR 8192 2048\r\n");
        QCOMPARE(tab.details(), expected);
        tab.click("UploadCMD");
        QCOMPARE(tab.fx.serialBytes(), expected.toLatin1());
    }
};

VARIMONDE_TEST_MAIN(TestConfigPage)
#include "tst_configpage.moc"
