// Every tab, in its first state and with its longest texts shown: no control
// leaves its frame, none lies over another, no caption or text is cut off,
// every control has a name, and each mnemonic reaches one control; in the
// smallest window and in the one fitted to the screen every control scrolls
// into sight. CTest runs this twice, the second time at a scale factor of 2
// on a 1920 by 1080 screen.
#include "storage/GraphicConvertDialog.h"
#include "support/TestMain.h"
#include "support/WindowDriver.h"
#include "ui/ScreenPlace.h"
#include "widgets/WrappingButton.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTabBar>
#include <QTabWidget>

namespace
{

// Whether `widget` cuts off what it shows.
bool cutOff(const QWidget *widget)
{
    if (auto *wrapping = qobject_cast<const WrappingButton *>(widget))
        return !wrapping->contentsArea().contains(wrapping->captionRect());
    if (auto *button = qobject_cast<const QAbstractButton *>(widget))
        return button->sizeHint().width() > button->width() ||
               button->minimumSizeHint().height() > button->height();
    if (auto *frame = qobject_cast<const QGroupBox *>(widget))
        return frame->fontMetrics().horizontalAdvance(frame->title()) > frame->width();
    if (auto *combo = qobject_cast<const QComboBox *>(widget)) {
        // A line edit keeps a margin of 2 pixels on either side of its text.
        const QLineEdit *edit = combo->lineEdit();
        return combo->minimumSizeHint().height() > combo->height() ||
               (edit && edit->fontMetrics().horizontalAdvance(combo->currentText()) >
                            edit->contentsRect().width() - 4);
    }
    auto *label = qobject_cast<const QLabel *>(widget);
    if (!label || label->text().isEmpty())
        return false;
    if (label->hasHeightForWidth())
        return label->heightForWidth(label->width()) > label->height();
    const QFontMetrics metrics = label->fontMetrics();
    const QRect room = label->contentsRect();
    return metrics.horizontalAdvance(QString(label->text()).remove('&')) > room.width() ||
           metrics.height() > room.height();
}

// Parts of a composite control (a combo box's line edit, a text box's
// scroll bars) that are no controls of their own.
bool innerPart(const QWidget *widget, const QWidget *page)
{
    for (QWidget *above = widget->parentWidget(); above && above != page;
         above = above->parentWidget()) {
        if (qobject_cast<QComboBox *>(above) || qobject_cast<QAbstractScrollArea *>(above))
            return true;
    }
    return false;
}

QString captionOf(const QWidget *widget)
{
    if (auto *button = qobject_cast<const QAbstractButton *>(widget))
        return button->text();
    if (auto *label = qobject_cast<const QLabel *>(widget))
        return label->text();
    if (auto *frame = qobject_cast<const QGroupBox *>(widget))
        return frame->title();
    return {};
}

// The letter a caption underlines, as written, or none.
QChar underlined(const QString &caption)
{
    for (qsizetype at = caption.indexOf('&'); at >= 0 && at + 1 < caption.size();
         at = caption.indexOf('&', at + 2)) {
        if (caption[at + 1] != '&')
            return caption[at + 1];
    }
    return {};
}

// The key of a control's mnemonic; a label's only if it has a control to reach.
QString mnemonicOf(const QWidget *widget)
{
    auto *label = qobject_cast<const QLabel *>(widget);
    if (label && !label->buddy())
        return {};
    return QKeySequence::mnemonic(captionOf(widget)).toString().toUpper();
}

} // namespace

class TestLayout : public QObject
{
    Q_OBJECT

    std::unique_ptr<WindowDriver> ui;

    // What a tab scrolls, and the page in it.
    QScrollArea *scroller(int tab) const
    {
        return qobject_cast<QScrollArea *>(ui->control<QTabWidget>("SSTab1")->widget(tab));
    }

    // The longest texts each tab can show, and its hidden parts shown.
    void showLongestTexts()
    {
        for (const char *settingSwitch :
             {"DarkChk", "KestraChk", "WidthChk", "TextBufferChk", "PrintSpeedChk", "PrintModeChk"})
            ui->control<QCheckBox>(settingSwitch)->setChecked(true);
        ui->control("Label10")->show();
        ui->control<QComboBox>("CPrintModeCMB")->setEditText("TT");
        ui->control<QComboBox>("PrintSpeedCMB")->setEditText("HIGHSPEED");
        // A port from the list, and fields edited but not applied.
        ui->control<QComboBox>("SPortCombo")
            ->setEditText("96 \u2014 /dev/ttyACM31 \u2014 USB-Serial Controller D");
        ui->control<QLineEdit>("NetHostTxt")->setText("fd00:1234:5678:9abc:def0:1234:5678:9abc");
        ui->control<QAbstractButton>("FSTandardOp1")->click();
        ui->control("Check2")->show();
        ui->control("HashLbl")->show();
        const QList<std::pair<const char *, const char *>> texts = {
            {"StatLbl", "FINISHED STORING WWWWWWWW"},
            {"ProgLbl", "2147483647 Bytes"},
            {"GraphicSizeLbl", "4000 × 65535 dots, 500.5 × 8199.9 mm"},
            {"FnameTxt",
             "/home/someone/firmware/releases/printer-firmware-image-1.23.456-final-build.bin"},
            {"FSizeTxt", "2147483647 Bytes"},
            {"BinStatLbl", "Loading Failed: no file in Memory"},
            {"UStatLbl", "No File Loaded to Printer"},
            {"HashLbl",
             "SHA-256: 4f8b42c22dd3729b519ba6f68d2da7cc5b2d606d05daed5ad5128cc03e6c6358"}};
        for (const auto &[label, text] : texts)
            ui->control<QLabel>(label)->setText(text);
    }

private slots:
    void initTestCase() { ui = std::make_unique<WindowDriver>(); }

    // Rows at start come first: the longest texts stay once shown.
    void everyTabFollowsTheRules_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<bool>("longest");
        QTest::addColumn<QString>("link"); // an option of the communication tab
        const char *names[] = {"communication", "configuration", "calibration",
                               "storage",       "binary",        "about"};
        for (bool longest : {false, true})
            for (int tab = MainWindow::CommunicationTab; tab <= MainWindow::AboutTab; ++tab)
                QTest::addRow("%s, %s", names[tab], longest ? "longest texts" : "at start")
                    << tab << longest << QString();
        QTest::newRow("communication, parallel") << 0 << true << "CommOp_1";
        QTest::newRow("communication, USB printer") << 0 << true << "CommOp_2";
        QTest::newRow("communication, network") << 0 << true << "CommOp_3";
    }
    void everyTabFollowsTheRules()
    {
        QFETCH(int, tab);
        QFETCH(bool, longest);
        QFETCH(QString, link);
        if (longest)
            showLongestTexts();
        if (!link.isEmpty())
            ui->control<QAbstractButton>(link)->click();
        auto *tabs = ui->control<QTabWidget>("SSTab1");
        tabs->setCurrentIndex(tab);
        QWidget *page = scroller(tab)->widget();
        // The window's own buttons answer their keys on every tab.
        QMap<QString, QString> mnemonics; // key: the control it reaches
        for (const char *own : {"ExitCMD", "LogCMD"})
            mnemonics[mnemonicOf(ui->control(own))] = own;
        QList<QLabel *> labels; // the labels that lead to a control
        int checked = 0;
        for (QWidget *widget : page->findChildren<QWidget *>()) {
            if (innerPart(widget, page) || !widget->isVisible())
                continue;
            QWidget *parent = widget->parentWidget();
            const QByteArray name = widget->objectName().toLatin1();
            QVERIFY2(!name.isEmpty(), widget->metaObject()->className());
            QVERIFY2(parent->rect().contains(widget->geometry()),
                     name + " leaves " + parent->objectName().toLatin1());
            for (QWidget *sibling : parent->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
                QVERIFY2(sibling == widget || !sibling->isVisible() ||
                             !sibling->geometry().intersects(widget->geometry()),
                         name + " lies over " + sibling->objectName().toLatin1());
            }
            QVERIFY2(!cutOff(widget), name + " is cut off");
            // The underline shows: no letter whose descender hides it.
            const QChar letter = underlined(captionOf(widget));
            QVERIFY2(!QStringLiteral("gjpqy").contains(letter), name + " hides its underline");
            auto *label = qobject_cast<QLabel *>(widget);
            if (label && !letter.isNull()) {
                QVERIFY2(label->buddy(), name + " underlines a letter that reaches nothing");
                labels << label;
            }
            // In the window as the user gets it (Check2, shown here only,
            // has no letter left), every captioned button has its key.
            if (qobject_cast<QAbstractButton *>(widget) && !longest)
                QVERIFY2(captionOf(widget).trimmed().isEmpty() || !letter.isNull(),
                         name + " has no mnemonic");
            if (const QString key = mnemonicOf(widget); !key.isEmpty()) {
                QVERIFY2(!mnemonics.contains(key),
                         qPrintable(key + " reaches " + mnemonics[key] + " and " + name));
                mnemonics[key] = name;
            }
            ++checked;
        }
        QVERIFY(checked > 0);

        ui->window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&ui->window));
        // A label's key takes the focus to its control.
        for (QLabel *label : labels) {
            if (!label->buddy()->isEnabled())
                continue;
            QTest::keySequence(&ui->window, QKeySequence::mnemonic(label->text()));
            QWidget *control = QApplication::focusWidget();
            QVERIFY2(control &&
                         (control == label->buddy() || label->buddy()->isAncestorOf(control)),
                     qPrintable(label->objectName()));
        }
        // Tab goes round the strip, the page's controls and the window's
        // buttons; never to a widget that shows nothing of having the focus.
        tabs->tabBar()->setFocus();
        QWidget *focus = tabs->tabBar();
        for (int step = 0; step < 100; ++step) {
            QTest::keyClick(focus, Qt::Key_Tab);
            QWidget *next = QApplication::focusWidget();
            QVERIFY2(next && next != focus, "Tab stays");
            focus = next;
            if (focus == tabs->tabBar())
                break;
            const QByteArray name =
                focus->metaObject()->className() + (' ' + focus->objectName().toLatin1());
            QVERIFY2(focus->isVisible() &&
                         (page->isAncestorOf(focus) || focus == ui->control("ExitCMD") ||
                          focus == ui->control("LogCMD")),
                     name + " takes the focus");
        }
        QCOMPARE(focus, tabs->tabBar());
    }

    // The Convert dialog, laid out by its form: every control named and
    // nothing cut off.
    void convertDialogShowsEveryCaption()
    {
        QImage picture(300, 100, QImage::Format_RGB32);
        picture.fill(Qt::gray);
        GraphicConvertDialog dialog(picture, ui->window.commonDialog(), &ui->window);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        int checked = 0;
        for (QWidget *widget : dialog.findChildren<QWidget *>()) {
            if (innerPart(widget, &dialog) || !widget->isVisible())
                continue;
            const QByteArray name = widget->objectName().toLatin1();
            QVERIFY2(!name.isEmpty(), widget->metaObject()->className());
            QVERIFY2(!cutOff(widget), name + " is cut off");
            ++checked;
        }
        QVERIFY(checked > 10);
    }

    // Shrunk to its smallest, or as fitted to the screen at start, the window
    // shows every tab's caption and its buttons, and each control of each
    // tab can be scrolled wholly into sight. Frames are seen part by part.
    void everyControlScrollsIntoSight_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("smallest") << QSize(480, 360);
        QTest::newRow("fitted to the screen") << ui->window.size();
    }
    void everyControlScrollsIntoSight()
    {
        QFETCH(QSize, size);
        showLongestTexts();
        ui->window.resize(size);
        QCOMPARE(ui->window.size(), size);
        // The frame, title bar included, wholly on the screen and, as
        // fitted, in its middle.
        const QRect available = ui->window.screen()->availableGeometry();
        const QRect frame = ui->window.frameGeometry();
        QVERIFY(available.contains(frame));
        if (size != QSize(480, 360)) {
            QVERIFY(qAbs((frame.top() - available.top()) - (available.bottom() - frame.bottom())) <=
                    1);
            QVERIFY(qAbs((frame.left() - available.left()) - (available.right() - frame.right())) <=
                    1);
        }
        QCoreApplication::processEvents();
        auto *tabs = ui->control<QTabWidget>("SSTab1");
        for (const char *button : {"ExitCMD", "LogCMD"}) {
            QWidget *own = ui->control(button);
            QVERIFY2(ui->window.rect().contains(own->geometry()) && !own->visibleRegion().isEmpty(),
                     button);
        }
        for (int tab = 0; tab < tabs->count(); ++tab) {
            tabs->setCurrentIndex(tab);
            QVERIFY2(tabs->tabBar()->rect().contains(tabs->tabBar()->tabRect(tab)),
                     qPrintable(tabs->tabText(tab)));
            QCoreApplication::processEvents(); // the tab shown takes its size
            QScrollArea *area = scroller(tab);
            QWidget *page = area->widget();
            for (QWidget *widget : page->findChildren<QWidget *>()) {
                if (innerPart(widget, page) || !widget->isVisible() ||
                    qobject_cast<QGroupBox *>(widget) || widget->parentWidget() == page)
                    continue;
                // Not ensureWidgetVisible: of a text box, that brings only the
                // cursor into sight. A control larger than the view is seen
                // corner by corner.
                const QRect inPage(widget->mapTo(page, QPoint()), widget->size());
                const QRect room = area->viewport()->rect();
                QList<QRect> parts{inPage};
                if (inPage.width() > room.width() || inPage.height() > room.height())
                    parts = {QRect(inPage.topLeft(), QSize(1, 1)),
                             QRect(inPage.topRight(), QSize(1, 1)),
                             QRect(inPage.bottomLeft(), QSize(1, 1)),
                             QRect(inPage.bottomRight(), QSize(1, 1))};
                for (const QRect &part : parts) {
                    area->ensureVisible(part.center().x(), part.center().y(), part.width() / 2 + 1,
                                        part.height() / 2 + 1);
                    const QRect shown(page->mapTo(area->viewport(), part.topLeft()), part.size());
                    QVERIFY2(room.contains(shown),
                             qPrintable(widget->objectName() + " stays out of sight"));
                }
            }
        }
    }

    // The send log goes beside the window where there is room, else to the
    // roomier side over it; always wholly within the screen's free area,
    // here below a panel of 30 pixels.
    void logGoesBesideTheWindow_data()
    {
        QTest::addColumn<QRect>("window");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QRect>("log");
        const QSize log(900, 480);
        QTest::newRow("right") << QRect(100, 100, 800, 600) << log << QRect(900, 100, 900, 480);
        QTest::newRow("left, no room right")
            << QRect(1000, 200, 800, 600) << log << QRect(100, 200, 900, 480);
        QTest::newRow("over it, at the right edge")
            << QRect(300, 100, 1200, 600) << log << QRect(1020, 100, 900, 480);
        QTest::newRow("over it, at the left edge")
            << QRect(500, 100, 1300, 600) << log << QRect(0, 100, 900, 480);
        QTest::newRow("raised from the bottom")
            << QRect(100, 900, 800, 600) << log << QRect(900, 600, 900, 480);
        QTest::newRow("lowered below the panel")
            << QRect(100, 0, 800, 600) << log << QRect(900, 30, 900, 480);
        QTest::newRow("window off the screen")
            << QRect(2500, -400, 800, 600) << log << QRect(1020, 30, 900, 480);
        QTest::newRow("larger than the screen")
            << QRect(100, 100, 800, 600) << QSize(2500, 1200) << QRect(0, 30, 1920, 1050);
    }
    void logGoesBesideTheWindow()
    {
        QFETCH(QRect, window);
        QFETCH(QSize, size);
        QFETCH(QRect, log);
        QCOMPARE(ScreenPlace::beside(window, size, QRect(0, 30, 1920, 1050)), log);
    }

    // On this screen the log finds no room beside the window fitted to it,
    // and stays on the screen; Esc closes it.
    void logWindowStaysOnTheScreen()
    {
        ui->click("LogCMD");
        auto *log = ui->window.findChild<QWidget *>("LogFrm");
        QVERIFY(log && QTest::qWaitForWindowActive(log));
        QVERIFY(log->screen()->availableGeometry().contains(log->frameGeometry()));
        QTest::keyClick(log, Qt::Key_Escape);
        QTRY_VERIFY(!ui->window.findChild<QWidget *>("LogFrm"));
    }

    // A frame's caption names its switch and works it, enabled or not, as
    // a check box's label does, by a click or by its underlined key; the
    // rest of the frame does not.
    void captionsWorkTheirSwitch()
    {
        ui->control<QTabWidget>("SSTab1")->setCurrentIndex(MainWindow::ConfigurationTab);
        ui->window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&ui->window));
        const QList<std::array<const char *, 3>> switches = {
            {"DarkChk", "DarkFrame", "Darkness"},
            {"WidthChk", "Frame1", "Width"},
            {"PrintSpeedChk", "PrintSpeedFrm", "PrintSpeed"},
            {"PrintModeChk", "Frame3", "Print Mode"},
            {"KestraChk", "Frame2", "Kestra Emulation"},
            {"TextBufferChk", "Frame4", "Text Buffer"}};
        for (const auto &[name, frameName, caption] : switches) {
            auto *settingSwitch = ui->control<QCheckBox>(name);
            auto *frame = ui->control<QGroupBox>(frameName);
            QCOMPARE(settingSwitch->accessibleName(), caption);
            const QFontMetrics metrics = frame->fontMetrics();
            const QPoint middle(12 + metrics.horizontalAdvance(frame->title()) / 2,
                                metrics.height() / 2);
            QCOMPARE(frame->childAt(middle), nullptr);
            settingSwitch->setChecked(false); // its frame disabled
            for (bool checked : {true, false}) {
                QTest::mouseClick(frame, Qt::LeftButton, {}, middle);
                QVERIFY2(settingSwitch->isChecked() == checked, name);
            }
            for (bool checked : {true, false}) {
                QTest::keySequence(&ui->window, QKeySequence::mnemonic(frame->title()));
                QVERIFY2(settingSwitch->isChecked() == checked, name);
                QCOMPARE(QApplication::focusWidget(), settingSwitch);
            }
            QTest::mouseClick(frame, Qt::LeftButton, {},
                              QPoint(frame->width() - 3, frame->height() - 3));
            QVERIFY2(!settingSwitch->isChecked(), name);
        }
    }

    // Each switch makes exactly the controls of its setting usable, and
    // nothing else on the tab; the switch itself stays usable.
    void switchesEnableTheirGroup_data()
    {
        QTest::addColumn<QString>("settingSwitch");
        QTest::addColumn<QString>("controls");
        QTest::newRow("darkness") << "DarkChk"
                                  << "DarkFrame DarkLbl Label10 Label9 Slider1";
        QTest::newRow("width") << "WidthChk"
                               << "Frame1 Label11 Label12 Label13 WidthTxt";
        QTest::newRow("print speed") << "PrintSpeedChk"
                                     << "Label17 PrintSpeedCMB PrintSpeedFrm";
        QTest::newRow("print mode") << "PrintModeChk"
                                    << "Frame3 Label16 PrintModeCMB";
        QTest::newRow("emulation") << "KestraChk"
                                   << "Check1 EmulationSlider Frame2 Label14 Label15 ScalerLbl";
        QTest::newRow("text buffer") << "TextBufferChk"
                                     << "Frame4 Label18 Label19 Label20 OverflowLbl TextBufMain "
                                        "TextBufOver TextBufferLbl";
    }
    void switchesEnableTheirGroup()
    {
        QFETCH(QString, settingSwitch);
        QFETCH(QString, controls);
        QWidget *page = ui->control<QTabWidget>("SSTab1")->widget(MainWindow::ConfigurationTab);
        const QStringList switches =
            words("DarkChk WidthChk PrintSpeedChk PrintModeChk KestraChk TextBufferChk");
        for (const QString &name : switches)
            ui->control<QCheckBox>(name)->setChecked(false);
        const auto usable = [page] {
            QStringList names;
            for (QWidget *control : page->findChildren<QWidget *>()) {
                if (!control->objectName().isEmpty() && !control->objectName().startsWith("qt_") &&
                    control->isEnabled())
                    names << control->objectName();
            }
            names.sort();
            return names;
        };
        const QStringList before = usable();
        QVERIFY(before.contains(settingSwitch));
        ui->control<QCheckBox>(settingSwitch)->setChecked(true);
        QStringList gained = usable();
        for (const QString &name : before)
            gained.removeOne(name);
        QCOMPARE(gained.join(' '), controls);
        ui->control<QCheckBox>(settingSwitch)->setChecked(false);
        QCOMPARE(usable(), before);
    }
};

VARIMONDE_TEST_MAIN(TestLayout)
#include "tst_layout.moc"
