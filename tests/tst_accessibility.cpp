// The window as assistive technology and the keyboard meet it: every control
// has a name of its own, labels lead to the controls they name, each "&"
// mnemonic reaches one button, and Tab follows the layout of each tab.
#include "support/TestMain.h"
#include "support/WindowFixture.h"
#include "ui/DetailsWindow.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSlider>
#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

namespace
{

// The controls a user meets in `window`. Inner parts, such as a combo box's
// line edit or a text box's scroll bars, speak through their control; popups
// are windows of their own.
QList<QWidget *> controlsOf(QWidget *window)
{
    QList<QWidget *> controls;
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        bool inner = false;
        for (QWidget *above = widget->parentWidget(); above; above = above->parentWidget())
            inner = inner || qobject_cast<QComboBox *>(above) ||
                    qobject_cast<QAbstractScrollArea *>(above);
        if (!inner && widget->window() == window &&
            (qobject_cast<QAbstractButton *>(widget) || qobject_cast<QComboBox *>(widget) ||
             qobject_cast<QLineEdit *>(widget) || qobject_cast<QAbstractSlider *>(widget) ||
             qobject_cast<QProgressBar *>(widget) || qobject_cast<QGroupBox *>(widget) ||
             qobject_cast<QPlainTextEdit *>(widget)))
            controls << widget;
    }
    return controls;
}

// What the control should be called: the name given to it, else its caption.
QString ownName(const QWidget *control)
{
    if (!control->accessibleName().isEmpty())
        return control->accessibleName();
    if (auto *button = qobject_cast<const QAbstractButton *>(control))
        return button->text().remove('&');
    if (auto *frame = qobject_cast<const QGroupBox *>(control))
        return frame->title().remove('&');
    return QString();
}

QString spokenName(QWidget *control)
{
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control);
    return accessible ? accessible->text(QAccessible::Name) : QString();
}

// Takes the shortcut events meant for the buttons it watches, so that a
// mnemonic can be traced to the one button it reaches without clicking it.
struct ShortcutSpy : QObject {
    QStringList hits; // "name", or "name (ambiguous)"
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Shortcut)
            return false;
        hits << watched->objectName() +
                    (static_cast<QShortcutEvent *>(event)->isAmbiguous() ? " (ambiguous)" : "");
        return true;
    }
};

struct Window : WindowFixture {
    Window()
    {
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window))
            qWarning("main window not active");
    }
    // The buttons of the tab shown and the Exit button below the tabs.
    QList<QAbstractButton *> shownButtons() const
    {
        QList<QAbstractButton *> buttons;
        for (QAbstractButton *button : window.findChildren<QAbstractButton *>()) {
            if (button->isVisible() && !button->text().isEmpty() &&
                !qobject_cast<QTabBar *>(button->parentWidget()))
                buttons << button;
        }
        return buttons;
    }
};

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void everyControlHasANameOfItsOwn()
    {
        Window fx;
        DetailsWindow &details = fx.window.details().window();
        QSet<QString> kinds;
        for (QWidget *window :
             {static_cast<QWidget *>(&fx.window), static_cast<QWidget *>(&details)}) {
            for (QWidget *control : controlsOf(window)) {
                const QString own = ownName(control);
                QVERIFY2(!own.trimmed().isEmpty(), qPrintable(control->objectName()));
                // Combo boxes on Linux say their value as their name and
                // their own name through a label relation (tested below).
                if (qobject_cast<QComboBox *>(control))
                    QVERIFY(!spokenName(control).trimmed().isEmpty());
                else
                    QCOMPARE(spokenName(control), own);
                kinds << control->metaObject()->className();
            }
        }
        for (const QString &kind : words("QPushButton QCheckBox QRadioButton QComboBox QLineEdit "
                                         "QSlider QProgressBar QGroupBox QPlainTextEdit"))
            QVERIFY2(kinds.contains(kind), qPrintable(kind));
    }

    // Each label is the buddy of the control it names and speaks for it.
    void labelsLeadToTheControlsTheyName()
    {
        Window fx;
        // Label, control, the control's own name (none: a value label says its value).
        const QList<std::array<const char *, 3>> table = {
            {"Label1", "SPortCombo", "COM:"},
            {"Label2", "SBaudCombo", "BAUD:"},
            {"Label3", "SParityCombo", "PARITY:"},
            {"Label4", "SBitsCombo", "DATABITS:"},
            {"Label5", "SSTOPBITCOMBO", "STOPBITS:"},
            {"Label8", "ParallelCombo", "Parallel Port"},
            {"Label9", "Slider1", "Darkness:"},
            {"Label11", "WidthTxt", "Printer Width:"},
            {"Label15", "EmulationSlider", "Scaler:"},
            {"Label18", "TextBufMain", "Text Buffer (Main)"},
            {"Label19", "TextBufOver", "Text Buffer (Overflow)"},
            {"Label22", "CIndexCmb", "Index Type:"},
            {"Label21", "CPrintModeCMB", "Printer Type:"},
            {"label23", "RibbonCMB", "Ribbon Material:"},
            {"Label34", "ProgLbl", ""},
            {"Label32", "FnameTxt", ""},
            {"Label33", "FSizeTxt", ""}};
        for (const auto &[label, control, name] : table) {
            auto *caption = fx.control<QLabel>(label);
            auto *named = fx.control<QWidget>(control);
            QCOMPARE(caption->buddy(), named);
            bool related = false;
            for (const auto &[other, relation] :
                 QAccessible::queryAccessibleInterface(named)->relations(QAccessible::Label))
                related = related || other->object() == caption;
            QVERIFY2(related, control);
            if (!*name)
                QCOMPARE(spokenName(named), qobject_cast<QLabel *>(named)->text());
            else
                QCOMPARE(named->accessibleName(), name);
            if (QString(name).endsWith(':'))
                QCOMPARE(caption->text().trimmed(), name);
        }
    }

    // After `clicks` on tab `tab`: each mnemonic reaches exactly one button,
    // the Exit button's on every tab (the hidden parallel "&Apply " button
    // shares the serial one's caption, but takes no key). Tab from the tab
    // strip visits the controls top to bottom, left to right, each switch
    // before its frame's controls, then Exit, and back to the strip; disabled
    // or hidden controls are passed over, a group of option buttons is one stop.
    // "name=enabled" enables a control, "name=text" sets a combo box's text.
    void keyboardFollowsTheLayout_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("clicks");
        QTest::addColumn<QString>("order"); // empty: mnemonics only
        const auto row = [](const char *tag, MainWindow::Tab tab, const char *clicks,
                            const char *order) {
            QTest::newRow(tag) << int(tab) << QString(clicks) << QString(order);
        };
        row("communication, serial", MainWindow::CommunicationTab, "",
            "CommOp_0 SPortCombo SBaudCombo SParityCombo SBitsCombo SSTOPBITCOMBO SApplyCmd_0");
        row("communication, parallel", MainWindow::CommunicationTab, "CommOp_1",
            "CommOp_1 ParallelCombo");
        row("configuration, switches off", MainWindow::ConfigurationTab, "",
            "DarkChk KestraChk WidthChk TextBufferChk PrintSpeedChk PrintModeChk UploadCMD "
            "LoadCMD ExportCMD");
        row("configuration, switches on", MainWindow::ConfigurationTab,
            "DarkChk KestraChk WidthChk TextBufferChk PrintSpeedChk PrintModeChk",
            "DarkChk Slider1 KestraChk Check1 EmulationSlider WidthChk WidthTxt TextBufferChk "
            "TextBufMain TextBufOver PrintSpeedChk PrintSpeedCMB PrintModeChk PrintModeCMB "
            "UploadCMD LoadCMD ExportCMD");
        row("calibration", MainWindow::CalibrationTab, "",
            "CIndexCmb CPrintModeCMB CalCmd TestOp1 TestCMD");
        row("calibration, thermal transfer", MainWindow::CalibrationTab, "CPrintModeCMB=TT",
            "CIndexCmb CPrintModeCMB RibbonCMB CalCmd TestOp1 TestCMD");
        row("storage, print format", MainWindow::StorageTab, "FStoreCMD=enabled",
            "GSBMPop FilePathTxt BrowseCMD StoreCMD FPrintOp1 FFnameTxt FBrowseCMD FStoreCMD "
            "ListCMD DeleteCMD RecallCMD Option1");
        row("storage, store format", MainWindow::StorageTab, "FSTandardOp1", "");
        row("binary", MainWindow::BinaryTab, "", "BMemCMD BUpLoadCMD");
        row("about", MainWindow::AboutTab, "", "Label29 Label30");
    }
    void keyboardFollowsTheLayout()
    {
        QFETCH(int, tab);
        QFETCH(QString, clicks);
        QFETCH(QString, order);
        Window fx;
        fx.showTab(MainWindow::Tab(tab));
        for (const QString &click : words(clicks)) {
            const QStringList parts = click.split('=');
            if (parts.size() == 1)
                fx.click(click);
            else if (parts[1] == "enabled")
                fx.control<QWidget>(parts[0])->setEnabled(true);
            else
                fx.control<QComboBox>(parts[0])->setEditText(parts[1]);
        }

        const QList<QAbstractButton *> buttons = fx.shownButtons();
        QVERIFY(buttons.contains(fx.control<QAbstractButton>("ExitCMD")));
        ShortcutSpy spy;
        QStringList keys;
        for (QAbstractButton *button : buttons) {
            button->installEventFilter(&spy);
            if (const QKeySequence key = QKeySequence::mnemonic(button->text()); !key.isEmpty())
                keys << key.toString();
        }
        QVERIFY2(QSet<QString>(keys.cbegin(), keys.cend()).size() == keys.size(),
                 qPrintable(keys.join(' ')));
        for (QAbstractButton *button : buttons) {
            const QKeySequence key = QKeySequence::mnemonic(button->text());
            if (key.isEmpty() || !button->isEnabled())
                continue;
            spy.hits.clear();
            QTest::keySequence(&fx.window, key);
            QCOMPARE(spy.hits, QStringList{button->objectName()});
        }
        if (order.isEmpty())
            return;

        QTabBar *strip = fx.window.SSTab1()->tabBar();
        const QStringList stops = words(order) << "ExitCMD" << strip->objectName();
        strip->setFocus(Qt::TabFocusReason);
        QStringList visited;
        for (int stop = 0; stop < stops.size(); ++stop) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, stops);
        // Shift+Tab goes the same way back.
        QStringList back;
        for (int stop = 0; stop < stops.size(); ++stop) {
            back.prepend(QApplication::focusWidget()->objectName());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        }
        QCOMPARE(back, stops);
        QCOMPARE(QApplication::focusWidget(), strip);
    }
};

VARIMONDE_TEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
