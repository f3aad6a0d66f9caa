// Every tab, in its first state and with its longest texts shown: no control
// leaves its frame, none lies over another, no caption or text is cut off,
// every control has a name, and each mnemonic reaches one control; in the
// smallest window and in the one fitted to the screen every control scrolls
// into sight. CTest runs this twice, the second time at a scale factor of 2
// on a 1920 by 1080 screen.
#include "storage/GraphicConvertDialog.h"
#include "support/TestMain.h"
#include "support/WindowDriver.h"
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

QString mnemonicOf(const QWidget *widget)
{
    QString text;
    if (auto *button = qobject_cast<const QAbstractButton *>(widget))
        text = button->text();
    else if (auto *label = qobject_cast<const QLabel *>(widget); label && label->buddy())
        text = label->text();
    else if (auto *frame = qobject_cast<const QGroupBox *>(widget))
        text = frame->title();
    return QKeySequence::mnemonic(text).toString().toUpper();
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
            if (const QString key = mnemonicOf(widget); !key.isEmpty()) {
                QVERIFY2(!mnemonics.contains(key),
                         qPrintable(key + " reaches " + mnemonics[key] + " and " + name));
                mnemonics[key] = name;
            }
            ++checked;
        }
        QVERIFY(checked > 0);
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
        QVERIFY(ui->window.screen()->availableGeometry().contains(ui->window.frameGeometry()));
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

    // A frame's caption names its switch and works it, enabled or not, as
    // a check box's label does; the rest of the frame does not.
    void captionsWorkTheirSwitch()
    {
        ui->control<QTabWidget>("SSTab1")->setCurrentIndex(MainWindow::ConfigurationTab);
        for (const QString &name :
             words("DarkChk WidthChk PrintSpeedChk PrintModeChk KestraChk TextBufferChk")) {
            auto *settingSwitch = ui->control<QCheckBox>(name);
            QGroupBox *frame = nullptr;
            for (auto *candidate : settingSwitch->parentWidget()->findChildren<QGroupBox *>(
                     Qt::FindDirectChildrenOnly))
                if (candidate->property("group") == settingSwitch->property("group"))
                    frame = candidate;
            QCOMPARE(settingSwitch->accessibleName(), frame->title().trimmed());
            const QFontMetrics metrics = frame->fontMetrics();
            const QPoint caption(12 + metrics.horizontalAdvance(frame->title()) / 2,
                                 metrics.height() / 2);
            QCOMPARE(frame->childAt(caption), nullptr);
            settingSwitch->setChecked(false); // its frame disabled
            for (bool checked : {true, false}) {
                QTest::mouseClick(frame, Qt::LeftButton, {}, caption);
                QVERIFY2(settingSwitch->isChecked() == checked, qPrintable(name));
            }
            QTest::mouseClick(frame, Qt::LeftButton, {},
                              QPoint(frame->width() - 3, frame->height() - 3));
            QVERIFY2(!settingSwitch->isChecked(), qPrintable(name));
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
