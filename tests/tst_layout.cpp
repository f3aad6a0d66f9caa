// Every tab, in its first state and with its longest texts shown: no control
// leaves its frame, none lies over another, no caption or text is cut off
// nor has a word broken in its middle,
// every control has a name, and each mnemonic reaches one control; in the
// smallest window and in the one fitted to the screen every control scrolls
// into sight. CTest runs this twice, the second time at a scale factor of 2
// on a 1920 by 1080 screen, and in each language tests/CMakeLists.txt names,
// as the LANGUAGE variable asks.
#include "common/Language.h"
#include "storage/GraphicConvertDialog.h"
#include "support/TestMain.h"
#include "support/WindowDriver.h"
#include "ui/Accessible.h"
#include "ui/ScreenPlace.h"
#include "widgets/WrappingButton.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QTabWidget>
#include <QTextBoundaryFinder>
#include <QTextLayout>

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
    // The size of the text as drawn: characters the label's font lacks (a
    // Japanese text's) come from another font, with heights of its own.
    const QSize needed = label->fontMetrics().size(0, QString(label->text()).remove('&'));
    const QRect room = label->contentsRect();
    return needed.width() > room.width() || needed.height() > room.height();
}

// The first word of a wrapping caption too wide for its line, which the
// caption would have to break in its middle, or a mnemonic's key in
// brackets ("(I)" of "文字(&I)") on a line of its own, or an empty text.
// A word is what lies between two places a line may break (a space, or
// between two Chinese or Japanese characters), its trailing spaces left
// out. A run with a digit in it (a checksum, a size) is no word and may
// break where it must.
QString brokenWord(const QWidget *widget)
{
    QString text;
    int room = 0;
    QFontMetrics metrics = widget->fontMetrics();
    if (auto *wrapping = qobject_cast<const WrappingButton *>(widget)) {
        text = wrapping->caption();
        room = wrapping->contentsArea().width();
    } else if (auto *label = qobject_cast<const QLabel *>(widget); label && label->wordWrap()) {
        text = label->text();
        room = label->contentsRect().width() - 2 * label->margin();
    } else {
        return {};
    }
    text.replace(QRegularExpression("&(.)"), "\\1");
    QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, text);
    for (int start = 0, end; (end = breaks.toNextBoundary()) != -1; start = end) {
        const QString word = text.mid(start, end - start).trimmed();
        static const QRegularExpression digit("\\d");
        if (metrics.horizontalAdvance(word) > room && !word.contains(digit))
            return word;
    }
    QTextLayout layout(text, widget->font());
    QTextOption wrap;
    wrap.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(wrap);
    layout.beginLayout();
    QString alone;
    static const QRegularExpression key("^\\(.\\)[\\p{P}\\s]*$");
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(room);
        const QString shown = text.mid(line.textStart(), line.textLength()).trimmed();
        if (line.textStart() > 0 && alone.isEmpty() && key.match(shown).hasMatch())
            alone = shown;
    }
    layout.endLayout();
    return alone;
}

// The controls under `root` that show, without the parts of a composite
// control (a combo box's line edit, a text box's scroll bars).
QList<QWidget *> shownControls(QWidget *root)
{
    QList<QWidget *> found;
    for (QWidget *widget : root->findChildren<QWidget *>()) {
        bool inner = false;
        for (QWidget *above = widget->parentWidget(); above && above != root;
             above = above->parentWidget())
            inner = inner || qobject_cast<QComboBox *>(above) ||
                    qobject_cast<QAbstractScrollArea *>(above);
        if (!inner && widget->isVisible())
            found << widget;
    }
    return found;
}

// A frame's title, or a label's or button's text; what a text box holds
// underlines nothing, as it holds no '&'.
QString captionOf(const QWidget *widget)
{
    return widget->property(qobject_cast<const QGroupBox *>(widget) ? "title" : "text").toString();
}

// The letter a caption underlines, as written, or none; its key is the
// letter's capital.
QChar underlined(const QString &caption)
{
    // "&&" stands for "&" itself.
    const auto match = QRegularExpression("^(?:[^&]|&&)*&([^&])").match(caption);
    return match.hasMatch() ? match.captured(1).front() : QChar();
}

// Each switch of the configuration tab, its frame and caption, and the
// controls it makes usable, by name.
struct Switch {
    const char *name, *frame, *caption, *controls;
};
const Switch switches[] = {
    {"DarkChk", "DarkFrame", "Darkness", "DarkFrame DarkLbl Label10 Label9 Slider1"},
    {"WidthChk", "Frame1", "Width", "Frame1 Label11 Label12 Label13 WidthTxt"},
    {"PrintSpeedChk", "PrintSpeedFrm", "PrintSpeed", "Label17 PrintSpeedCMB PrintSpeedFrm"},
    {"PrintModeChk", "Frame3", "Print Mode", "Frame3 Label16 PrintModeCMB"},
    {"KestraChk", "Frame2", "Kestra Emulation",
     "Check1 EmulationSlider Frame2 Label14 Label15 ScalerLbl"},
    {"TextBufferChk", "Frame4", "Text Buffer",
     "Frame4 Label18 Label19 Label20 OverflowLbl TextBufMain TextBufOver TextBufferLbl"}};

} // namespace

class TestLayout : public QObject
{
    Q_OBJECT

    std::unique_ptr<WindowDriver> ui;

    QTabWidget *tabs() const { return ui->control<QTabWidget>("SSTab1"); }

    // The longest texts each tab can show, and its hidden parts shown.
    void showLongestTexts()
    {
        for (const Switch &settingSwitch : switches)
            ui->control<QCheckBox>(settingSwitch.name)->setChecked(true);
        ui->control<QComboBox>("CPrintModeCMB")->setEditText("TT");
        ui->control<QComboBox>("PrintSpeedCMB")->setEditText("HIGHSPEED");
        // A port from the list, and fields edited but not applied.
        ui->control<QComboBox>("SPortCombo")
            ->setEditText("96 \u2014 /dev/ttyACM31 \u2014 USB-Serial Controller D");
        ui->control<QLineEdit>("NetHostTxt")->setText("fd00:1234:5678:9abc:def0:1234:5678:9abc");
        ui->control<QAbstractButton>("FSTandardOp1")->click();
        for (const char *hidden : {"Label10", "Check2", "HashLbl"})
            ui->control(hidden)->show();
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
    void initTestCase()
    {
        // Translated, the window must still be so, and not English for want
        // of its translation.
        if (qEnvironmentVariableIsSet("LANGUAGE")) {
            QVERIFY(Language::install(*QCoreApplication::instance()).isEmpty());
            QCOMPARE(Language::currentCode(), qEnvironmentVariable("LANGUAGE"));
        }
        ui = std::make_unique<WindowDriver>();
        if (Language::currentCode() != "en")
            QVERIFY(tabs()->tabText(MainWindow::ConfigurationTab) != "Printer Configuration");
    }

    // Rows at start come first: the longest texts stay once shown.
    void everyTabFollowsTheRules_data()
    {
        // state: at start (""), or the longest texts and a link
        columns<int, QString>({"tab", "state"});
        for (const char *state : {"", "longest texts"})
            for (int tab = 0; tab < tabs()->count(); ++tab)
                QTest::addRow("%s, %s", qPrintable(tabs()->tabText(tab)),
                              *state ? state : "at start")
                    << tab << QString(state);
        // Parallel, USB printer, network: options of the communication tab.
        for (const char *link : {"CommOp_1", "CommOp_2", "CommOp_3"})
            QTest::addRow("communication, %s", link) << 0 << QString(link);
    }
    void everyTabFollowsTheRules()
    {
        QFETCH(int, tab);
        QFETCH(QString, state);
        if (!state.isEmpty())
            showLongestTexts();
        if (state.startsWith("CommOp"))
            ui->control<QAbstractButton>(state)->click();
        tabs()->setCurrentIndex(tab);
        QWidget *page = qobject_cast<QScrollArea *>(tabs()->widget(tab))->widget();
        QWidget *const own[] = {ui->control("ExitCMD"), ui->control("LogCMD")};
        // The window's own buttons answer their keys on every tab.
        QMap<QChar, QString> mnemonics; // key: the control it reaches
        for (QWidget *button : own)
            mnemonics[underlined(captionOf(button)).toUpper()] = button->objectName();
        ui->window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&ui->window));
        const QList<QWidget *> controls = shownControls(page);
        QVERIFY(!controls.isEmpty());
        for (QWidget *widget : controls) {
            QWidget *parent = widget->parentWidget();
            const QByteArray name = widget->objectName().toLatin1();
            QVERIFY2(!name.isEmpty(), widget->metaObject()->className());
            QVERIFY2(parent->rect().contains(widget->geometry()),
                     name + " leaves " + parent->objectName().toLatin1());
            for (QWidget *sibling : parent->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
                QVERIFY2(sibling == widget || !sibling->isVisible() ||
                             !sibling->geometry().intersects(widget->geometry()),
                         name + " lies over " + sibling->objectName().toLatin1());
            QVERIFY2(!cutOff(widget), name + " is cut off");
            const QString broken = brokenWord(widget);
            QVERIFY2(broken.isEmpty(), qPrintable(name + " breaks \"" + broken + "\""));
            // The underline shows: no letter whose descender hides it.
            const QChar letter = underlined(captionOf(widget));
            QVERIFY2(!QStringLiteral("gjpqy").contains(letter), name + " hides its underline");
            // A label's key takes the focus to its control.
            auto *label = qobject_cast<QLabel *>(widget);
            if (label && !letter.isNull()) {
                QVERIFY2(label->buddy(), name + " underlines a letter that reaches nothing");
                QTest::keySequence(&ui->window, QKeySequence::mnemonic(label->text()));
                QWidget *control = QApplication::focusWidget();
                QVERIFY2(!label->buddy()->isEnabled() || control == label->buddy() ||
                             label->buddy()->isAncestorOf(control),
                         name);
            }
            // In the window as the user gets it (Check2, shown here only,
            // has no letter left), every captioned button has its key.
            if (qobject_cast<QAbstractButton *>(widget) && state.isEmpty())
                QVERIFY2(captionOf(widget).trimmed().isEmpty() || !letter.isNull(),
                         name + " has no mnemonic");
            if (const QChar key = letter.toUpper(); !key.isNull()) {
                QVERIFY2(!mnemonics.contains(key),
                         qPrintable(QString(key) + " reaches " + mnemonics[key] + " and " + name));
                mnemonics[key] = name;
            }
        }
        // Tab goes round the strip, the page's controls and the window's
        // buttons; never to a widget that shows nothing of having the focus,
        // nor back into a frame it has left.
        QWidget *const strip = tabs()->tabBar();
        strip->setFocus();
        QWidget *focus = strip;
        QList<QWidget *> framesLeft;
        for (int step = 0; step < 100 && (step == 0 || focus != strip); ++step) {
            QTest::keyClick(focus, Qt::Key_Tab);
            QWidget *next = QApplication::focusWidget();
            QVERIFY2(next && next != focus, "Tab stays");
            for (QWidget *frame = focus->parentWidget(); page->isAncestorOf(frame);
                 frame = frame->parentWidget())
                if (!frame->isAncestorOf(next))
                    framesLeft << frame;
            for (QWidget *frame = next->parentWidget(); frame; frame = frame->parentWidget())
                QVERIFY2(!framesLeft.contains(frame),
                         qPrintable(next->objectName() + " comes after " + frame->objectName() +
                                    " was left"));
            focus = next;
            QVERIFY2(focus == strip || (focus->isVisible() && (page->isAncestorOf(focus) ||
                                                               focus == own[0] || focus == own[1])),
                     focus->metaObject()->className() + (' ' + focus->objectName().toLatin1()) +
                         " takes the focus");
        }
        QCOMPARE(focus, strip);
    }

    // The status bar shows the whole link while the window has room for
    // it; the last send takes the rest, cut where it does not fit.
    void statusBarKeepsTheLinkWhole()
    {
        auto *link = ui->control<QLabel>("LinkLbl");
        auto *lastSend = ui->control<QLabel>("LastSendLbl");
        const QString before = link->text();
        const QRect place = ui->window.geometry();
        link->setText("Network printer 192.168.100.200:9100 \u2014 ready, 4 labels printed");
        lastSend->setText("Sent at 11:25:47 (195072 of 195072 bytes delivered)");
        const int needed = link->sizeHint().width() + lastSend->sizeHint().width();
        for (const int width : {needed + 200, needed - 100}) {
            ui->window.resize(width, ui->window.height());
            QTRY_COMPARE(ui->window.width(), width);
            QVERIFY(link->width() >= link->sizeHint().width());
            QCOMPARE(lastSend->width() >= lastSend->sizeHint().width(), width > needed);
            QVERIFY(link->geometry().right() < lastSend->geometry().left());
        }
        ui->window.setGeometry(place);
        link->setText(before);
        lastSend->clear();
    }

    // The Convert dialog, laid out by its form: every control named and
    // nothing cut off.
    void convertDialogShowsEveryCaption()
    {
        QImage picture(300, 100, QImage::Format_RGB32);
        picture.fill(Qt::gray);
        GraphicConvertDialog dialog(picture, "picture.png", 200, ui->window.commonDialog(),
                                    &ui->window);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const QList<QWidget *> controls = shownControls(&dialog);
        QVERIFY(controls.size() > 10);
        for (QWidget *widget : controls) {
            QVERIFY2(!widget->objectName().isEmpty(), widget->metaObject()->className());
            QVERIFY2(!cutOff(widget), qPrintable(widget->objectName() + " is cut off"));
            QVERIFY2(brokenWord(widget).isEmpty(),
                     qPrintable(widget->objectName() + " breaks " + brokenWord(widget)));
        }
        // Each conversion is drawn at the size the first one was shown.
        const auto drawn = [&] { return dialog.findChild<QLabel *>("ResultPic")->pixmap().size(); };
        const QSize threshold = drawn();
        dialog.findChild<QAbstractButton *>("DitherOp")->click();
        QCOMPARE(drawn(), threshold);
    }

    // Shrunk to its smallest, or as fitted to the screen at start, the window
    // shows every tab's caption and its buttons, and each control of each
    // tab can be scrolled wholly into sight. Frames are seen part by part.
    void everyControlScrollsIntoSight()
    {
        showLongestTexts();
        for (const QSize size : {QSize(480, 360), ui->window.size()}) {
            ui->window.resize(size);
            QCOMPARE(ui->window.size(), size);
            // The frame, title bar included, wholly on the screen and, as
            // fitted, in its middle.
            const QRect available = ui->window.screen()->availableGeometry();
            const QRect frame = ui->window.frameGeometry();
            QVERIFY(available.contains(frame));
            const QPointF offCentre = QRectF(frame).center() - QRectF(available).center();
            QVERIFY(size == QSize(480, 360) ||
                    (qAbs(offCentre.x()) <= 0.5 && qAbs(offCentre.y()) <= 0.5));
            for (const char *button : {"ExitCMD", "LogCMD"}) {
                QWidget *own = ui->control(button);
                QVERIFY2(ui->window.rect().contains(own->geometry()) &&
                             !own->visibleRegion().isEmpty(),
                         button);
            }
            for (int tab = 0; tab < tabs()->count(); ++tab) {
                tabs()->setCurrentIndex(tab);
                QVERIFY2(tabs()->tabBar()->rect().contains(tabs()->tabBar()->tabRect(tab)),
                         qPrintable(tabs()->tabText(tab)));
                QCoreApplication::processEvents(); // the tab shown takes its size
                auto *area = qobject_cast<QScrollArea *>(tabs()->widget(tab));
                QWidget *page = area->widget();
                for (QWidget *widget : shownControls(page)) {
                    if (qobject_cast<QGroupBox *>(widget) || widget->parentWidget() == page)
                        continue;
                    // Not ensureWidgetVisible: of a text box, that brings only
                    // the cursor into sight. Each corner comes into sight,
                    // which for a control smaller than the view is the whole.
                    const QRect inPage(widget->mapTo(page, QPoint()), widget->size());
                    for (const QPoint corner : {inPage.topLeft(), inPage.topRight(),
                                                inPage.bottomLeft(), inPage.bottomRight()}) {
                        area->ensureVisible(corner.x(), corner.y(), 1, 1);
                        QVERIFY2(area->viewport()->rect().contains(
                                     page->mapTo(area->viewport(), corner)),
                                 qPrintable(widget->objectName() + " stays out of sight"));
                    }
                }
            }
        }
    }

    // The send log goes beside the window where there is room, else to the
    // roomier side, narrowed down to its least width, and only then over
    // it; always wholly within the screen's free area, here below a panel
    // of 30 pixels.
    void logGoesBesideTheWindow()
    {
        // The window, the log's size, and where the log goes: right; left,
        // with no room right; narrowed at the right, and at the left; over
        // it at the right edge, and at the left; raised from the bottom;
        // lowered below the panel; for a window off the screen; and larger
        // than the screen, narrowed to the room beside the window. The log
        // is at least 400 wide.
        const std::tuple<QRect, QSize, QRect> rows[] = {
            {{100, 100, 800, 600}, {900, 480}, {900, 100, 900, 480}},
            {{1000, 200, 800, 600}, {900, 480}, {100, 200, 900, 480}},
            {{300, 100, 1200, 600}, {900, 480}, {1500, 100, 420, 480}},
            {{520, 100, 1200, 600}, {900, 480}, {0, 100, 520, 480}},
            {{300, 100, 1300, 600}, {900, 480}, {1520, 100, 400, 480}},
            {{350, 100, 1560, 600}, {900, 480}, {0, 100, 400, 480}},
            {{100, 900, 800, 600}, {900, 480}, {900, 600, 900, 480}},
            {{100, 0, 800, 600}, {900, 480}, {900, 30, 900, 480}},
            {{2500, -400, 800, 600}, {900, 480}, {1020, 30, 900, 480}},
            {{100, 100, 800, 600}, {2500, 1200}, {900, 30, 1020, 1050}}};
        for (const auto &[window, size, log] : rows)
            QCOMPARE(ScreenPlace::beside(window, size, {400, 300}, QRect(0, 30, 1920, 1050)), log);
        // Where even its least width would lie over the window, the window
        // moves aside just enough on a 1280 by 800 screen: centred, off
        // centre, too wide for both (to the edge: the least overlap), with
        // room already, and partly off the screen (left alone).
        const std::tuple<QRect, QRect, QRect> moves[] = {
            {{220, 100, 840, 600}, {40, 100, 840, 600}, {880, 100, 400, 480}},
            {{300, 100, 840, 600}, {400, 100, 840, 600}, {0, 100, 400, 480}},
            {{100, 100, 1000, 600}, {0, 100, 1000, 600}, {880, 100, 400, 480}},
            {{50, 100, 800, 600}, {50, 100, 800, 600}, {850, 100, 430, 480}},
            {{-100, 100, 1000, 600}, {-100, 100, 1000, 600}, {880, 100, 400, 480}}};
        for (const auto &[window, moved, log] : moves) {
            const ScreenPlace::Places places =
                ScreenPlace::apart(window, {900, 480}, {400, 300}, QRect(0, 0, 1280, 800));
            QCOMPARE(places.anchor, moved);
            QCOMPARE(places.beside, log);
        }
        // On this screen the log stays on it and lies over the window only
        // as far as the screen is too narrow for both; Esc closes it.
        ui->click("LogCMD");
        auto *log = ui->window.findChild<QWidget *>("LogFrm");
        QVERIFY(log && QTest::qWaitForWindowActive(log));
        const QRect screen = log->screen()->availableGeometry();
        QVERIFY(screen.contains(log->frameGeometry()));
        const QRect window = ui->window.frameGeometry();
        const int least = log->minimumSizeHint().expandedTo(log->minimumSize()).width() +
                          log->frameGeometry().width() - log->width();
        QCOMPARE(window.intersected(log->frameGeometry()).width(),
                 std::max(0, window.width() + least - screen.width()));
        QTest::keyClick(log, Qt::Key_Escape);
        QTRY_VERIFY(!ui->window.findChild<QWidget *>("LogFrm"));
    }

    // Each switch makes exactly the controls of its setting usable, and
    // nothing else on the tab; the switch itself stays usable. Its frame's
    // caption names it and works it, enabled or not, as a check box's label
    // does, by a click or by its underlined key; the rest of the frame does
    // not.
    void switchesWorkTheirSetting()
    {
        tabs()->setCurrentIndex(MainWindow::ConfigurationTab);
        QWidget *page = tabs()->currentWidget();
        for (const Switch &other : switches)
            ui->control<QCheckBox>(other.name)->setChecked(false);
        const auto usable = [page] { // the named controls that are on, Qt's inner parts left out
            QStringList names;
            for (QWidget *control : page->findChildren<QWidget *>(QRegularExpression("^(?!qt_).")))
                if (control->isEnabled())
                    names << control->objectName();
            names.sort();
            return names;
        };
        const QStringList before = usable();
        ui->window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&ui->window));
        for (const Switch &tested : switches) {
            QVERIFY(before.contains(tested.name));
            auto *settingSwitch = ui->control<QCheckBox>(tested.name);
            settingSwitch->setChecked(true);
            QStringList expected = before + words(tested.controls);
            expected.sort();
            QCOMPARE(usable(), expected);
            settingSwitch->setChecked(false);
            QCOMPARE(usable(), before);

            auto *frame = ui->control<QGroupBox>(tested.frame);
            QCOMPARE(settingSwitch->accessibleName(), Language::currentCode() == "en"
                                                          ? QString(tested.caption)
                                                          : Accessible::spokenText(frame->title()));
            const QFontMetrics metrics = frame->fontMetrics();
            const QPoint middle(12 + metrics.horizontalAdvance(frame->title()) / 2,
                                metrics.height() / 2);
            QCOMPARE(frame->childAt(middle), nullptr);
            for (int step = 0; step < 4; ++step) { // clicked twice, then keyed twice
                if (step < 2)
                    QTest::mouseClick(frame, Qt::LeftButton, {}, middle);
                else
                    QTest::keySequence(&ui->window, QKeySequence::mnemonic(frame->title()));
                QCOMPARE(settingSwitch->isChecked(), step % 2 == 0);
            }
            QCOMPARE(QApplication::focusWidget(), settingSwitch);
            QTest::mouseClick(frame, Qt::LeftButton, {},
                              QPoint(frame->width() - 3, frame->height() - 3));
            QVERIFY(!settingSwitch->isChecked());
        }
    }
};

VARIMONDE_TEST_MAIN(TestLayout)
#include "tst_layout.moc"
