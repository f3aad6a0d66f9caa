// The window as assistive technology and the keyboard meet it: every control
// has a name of its own, labels lead to the controls they name, each "&"
// mnemonic reaches one button and does what a click does, and Tab follows the
// layout of each tab.
#include "config/DetailsFrm.h"
#include "support/TestMain.h"
#include "support/WindowFixture.h"

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
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>

#include <map>

namespace
{

bool isControl(const QWidget *widget)
{
    return qobject_cast<const QAbstractButton *>(widget) ||
           qobject_cast<const QComboBox *>(widget) || qobject_cast<const QLineEdit *>(widget) ||
           qobject_cast<const QAbstractSlider *>(widget) ||
           qobject_cast<const QProgressBar *>(widget) || qobject_cast<const QGroupBox *>(widget) ||
           qobject_cast<const QPlainTextEdit *>(widget);
}

// Inner parts of a control, such as the line edit of a combo box or the
// scroll bars of a text box, speak through the control.
bool isInnerPart(const QWidget *widget)
{
    for (const QWidget *above = widget->parentWidget(); above; above = above->parentWidget()) {
        if (qobject_cast<const QComboBox *>(above) ||
            qobject_cast<const QAbstractScrollArea *>(above))
            return true;
    }
    return false;
}

// The controls a user meets in `window`; popups such as a combo box's list
// are windows of their own.
QList<QWidget *> controlsOf(QWidget *window)
{
    QList<QWidget *> controls;
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        if (isControl(widget) && widget->window() == window && !isInnerPart(widget))
            controls << widget;
    }
    return controls;
}

QString withoutMnemonic(QString caption)
{
    return caption.remove(QLatin1Char('&'));
}

// What the control should be called: the name given to it, else its caption.
QString ownName(const QWidget *control)
{
    if (!control->accessibleName().isEmpty())
        return control->accessibleName();
    if (auto *button = qobject_cast<const QAbstractButton *>(control))
        return withoutMnemonic(button->text());
    if (auto *frame = qobject_cast<const QGroupBox *>(control))
        return withoutMnemonic(frame->title());
    return QString();
}

QString spokenName(QWidget *control)
{
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control);
    return accessible ? accessible->text(QAccessible::Name) : QString();
}

QKeySequence mnemonicOf(const QAbstractButton *button)
{
    return QKeySequence::mnemonic(button->text());
}

// Takes the shortcut events meant for the buttons it watches, so that a
// mnemonic can be traced to the one button it reaches without clicking it.
class ShortcutSpy : public QObject
{
public:
    struct Hit {
        QString button;
        bool ambiguous;
    };
    QList<Hit> hits;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Shortcut)
            return false;
        hits.append({watched->objectName(), static_cast<QShortcutEvent *>(event)->isAmbiguous()});
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
    void click(const QString &name)
    {
        QTest::mouseClick(control<QAbstractButton>(name), Qt::LeftButton);
    }
    QWidget *page() const { return window.SSTab1()->currentWidget(); }
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
        DetailsFrm &details = fx.window.details().window();
        std::map<QByteArray, int> kinds;
        for (QWidget *window :
             {static_cast<QWidget *>(&fx.window), static_cast<QWidget *>(&details)}) {
            for (QWidget *control : controlsOf(window)) {
                const QByteArray name = control->objectName().toLatin1();
                const QString own = ownName(control);
                QVERIFY2(!own.trimmed().isEmpty(), name);
                const QString spoken = spokenName(control);
                QVERIFY2(!spoken.trimmed().isEmpty(), name);
                // Combo boxes on Linux say their value as their name and
                // their own name through a label relation (tested below).
                if (!qobject_cast<QComboBox *>(control))
                    QVERIFY2(spoken == own, name + ": " + spoken.toUtf8() + " / " + own.toUtf8());
                ++kinds[control->metaObject()->className()];
            }
        }
        for (const char *kind :
             {"QPushButton", "QCheckBox", "QRadioButton", "QComboBox", "QLineEdit", "QSlider",
              "QProgressBar", "QGroupBox", "QPlainTextEdit"})
            QVERIFY2(kinds[kind] > 0, kind);
    }

    void labelsLeadToTheControlsTheyName_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name"); // the control's own name; empty for a value label
        const QList<std::array<const char *, 3>> pairs = {
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
            {"Label33", "FSizeTxt", ""},
        };
        for (const auto &[label, control, name] : pairs)
            QTest::newRow(control) << label << control << name;
    }
    void labelsLeadToTheControlsTheyName()
    {
        QFETCH(QString, label);
        QFETCH(QString, control);
        QFETCH(QString, name);
        Window fx;
        auto *caption = fx.control<QLabel>(label);
        auto *named = fx.control<QWidget>(control);
        QCOMPARE(caption->buddy(), named);
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(named);
        bool related = false;
        for (const auto &[other, relation] : accessible->relations(QAccessible::Label))
            related = related || other->object() == caption;
        QVERIFY(related);
        if (name.isEmpty()) {
            // A label that shows a value says the value.
            QCOMPARE(spokenName(named), qobject_cast<QLabel *>(named)->text());
        } else {
            QCOMPARE(named->accessibleName(), name);
            if (name.endsWith(':'))
                QCOMPARE(caption->text().trimmed(), name);
        }
    }

    // Each mnemonic of a tab reaches exactly one button; the Exit button
    // counts on every tab. The hidden parallel "&Apply " button shares the
    // caption of the serial one, but as it is never shown it takes no key.
    void mnemonicsReachOneButtonEach_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QStringList>("clicks");
        QTest::newRow("communication, serial") << int(MainFrm::CommunicationTab) << QStringList();
        QTest::newRow("communication, parallel")
            << int(MainFrm::CommunicationTab) << QStringList{"CommOp_1"};
        QTest::newRow("configuration") << int(MainFrm::ConfigurationTab) << QStringList();
        QTest::newRow("calibration") << int(MainFrm::CalibrationTab) << QStringList();
        QTest::newRow("storage, print format") << int(MainFrm::StorageTab) << QStringList();
        QTest::newRow("storage, store format")
            << int(MainFrm::StorageTab) << QStringList{"FSTandardOp1"};
        QTest::newRow("binary") << int(MainFrm::BinaryTab) << QStringList();
        QTest::newRow("about") << int(MainFrm::AboutTab) << QStringList();
    }
    void mnemonicsReachOneButtonEach()
    {
        QFETCH(int, tab);
        QFETCH(QStringList, clicks);
        Window fx;
        fx.showTab(MainFrm::Tab(tab));
        for (const QString &name : clicks)
            fx.click(name);

        const QList<QAbstractButton *> buttons = fx.shownButtons();
        QVERIFY(buttons.contains(fx.control<QAbstractButton>("ExitCMD")));
        QMap<QKeySequence, QString> taken;
        ShortcutSpy spy;
        for (QAbstractButton *button : buttons) {
            const QKeySequence key = mnemonicOf(button);
            if (key.isEmpty())
                continue;
            QVERIFY2(!taken.contains(key), qPrintable(key.toString() + ": " + taken.value(key) +
                                                      " and " + button->objectName()));
            taken.insert(key, button->objectName());
            button->installEventFilter(&spy);
        }
        for (auto it = taken.cbegin(); it != taken.cend(); ++it) {
            auto *button = fx.control<QAbstractButton>(it.value());
            if (!button->isEnabled())
                continue;
            spy.hits.clear();
            QTest::keySequence(&fx.window, it.key());
            QVERIFY2(spy.hits.size() == 1 && spy.hits[0].button == it.value() &&
                         !spy.hits[0].ambiguous,
                     qPrintable(it.key().toString() + " did not reach " + it.value() + " alone"));
        }
    }

    void mnemonicsDoWhatAClickDoes()
    {
        Window fx;
        fx.showTab(MainFrm::ConfigurationTab);
        fx.click("UploadCMD");
        const QByteArray block = fx.serialBytes();
        QVERIFY(block.startsWith("! 0 0 0 0\r\n"));
        QSignalSpy uploads(fx.control<QPushButton>("UploadCMD"), &QAbstractButton::clicked);
        QTest::keySequence(&fx.window, QKeySequence(QStringLiteral("Alt+U")));
        QTRY_COMPARE(uploads.size(), 1);
        QCOMPARE(fx.serialBytes(), block);

        fx.showTab(MainFrm::CalibrationTab);
        QTest::keySequence(&fx.window, QKeySequence(QStringLiteral("Alt+2")));
        QTRY_VERIFY(fx.control<QRadioButton>("TestOp2")->isChecked());
        fx.showTab(MainFrm::StorageTab);
        QTest::keySequence(&fx.window, QKeySequence(QStringLiteral("Alt+F")));
        QTRY_VERIFY(fx.control<QRadioButton>("Option2")->isChecked());

        QTest::keySequence(&fx.window, QKeySequence(QStringLiteral("Alt+E")));
        QTRY_VERIFY(!fx.window.isVisible());
    }

    // Tab from the tab strip visits the controls of the tab shown top to
    // bottom, left to right, each switch before the controls of its frame,
    // then the Exit button, and comes back to the tab strip. Controls that
    // are disabled or hidden are passed over; a group of option buttons is
    // one stop.
    void tabFollowsTheLayout_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("communication, serial")
            << int(MainFrm::CommunicationTab) << QStringList()
            << QStringList{"CommOp_0",   "SPortCombo",    "SBaudCombo",  "SParityCombo",
                           "SBitsCombo", "SSTOPBITCOMBO", "SApplyCmd_0", "ExitCMD"};
        QTest::newRow("communication, parallel")
            << int(MainFrm::CommunicationTab) << QStringList{"CommOp_1"}
            << QStringList{"CommOp_1", "ParallelCombo", "ExitCMD"};
        QTest::newRow("configuration, switches off")
            << int(MainFrm::ConfigurationTab) << QStringList()
            << QStringList{"DarkChk",       "KestraChk",    "WidthChk",  "TextBufferChk",
                           "PrintSpeedChk", "PrintModeChk", "UploadCMD", "LoadCMD",
                           "ExportCMD",     "ExitCMD"};
        QTest::newRow("configuration, switches on")
            << int(MainFrm::ConfigurationTab)
            << QStringList{"DarkChk",       "KestraChk",     "WidthChk",
                           "TextBufferChk", "PrintSpeedChk", "PrintModeChk"}
            << QStringList{"DarkChk",         "Slider1",      "KestraChk",     "Check1",
                           "EmulationSlider", "WidthChk",     "WidthTxt",      "TextBufferChk",
                           "TextBufMain",     "TextBufOver",  "PrintSpeedChk", "PrintSpeedCMB",
                           "PrintModeChk",    "PrintModeCMB", "UploadCMD",     "LoadCMD",
                           "ExportCMD",       "ExitCMD"};
        QTest::newRow("calibration")
            << int(MainFrm::CalibrationTab) << QStringList()
            << QStringList{"CIndexCmb", "CPrintModeCMB", "CalCmd", "TestOp1", "TestCMD", "ExitCMD"};
        QTest::newRow("calibration, thermal transfer")
            << int(MainFrm::CalibrationTab) << QStringList{"CPrintModeCMB=TT"}
            << QStringList{"CIndexCmb", "CPrintModeCMB", "RibbonCMB", "CalCmd",
                           "TestOp1",   "TestCMD",       "ExitCMD"};
        QTest::newRow("storage") << int(MainFrm::StorageTab) << QStringList{"FStoreCMD=enabled"}
                                 << QStringList{"GSBMPop",    "FilePathTxt", "BrowseCMD",
                                                "StoreCMD",   "FPrintOp1",   "FFnameTxt",
                                                "FBrowseCMD", "FStoreCMD",   "ListCMD",
                                                "DeleteCMD",  "RecallCMD",   "Option1",
                                                "ExitCMD"};
        QTest::newRow("binary") << int(MainFrm::BinaryTab) << QStringList()
                                << QStringList{"BMemCMD", "BUpLoadCMD", "ExitCMD"};
        QTest::newRow("about") << int(MainFrm::AboutTab) << QStringList()
                               << QStringList{"Label29", "Label30", "ExitCMD"};
    }
    void tabFollowsTheLayout()
    {
        QFETCH(int, tab);
        QFETCH(QStringList, clicks);
        QFETCH(QStringList, order);
        Window fx;
        fx.showTab(MainFrm::Tab(tab));
        for (const QString &click : clicks) {
            const QStringList parts = click.split('=');
            if (parts.size() == 1)
                fx.click(click);
            else if (parts[1] == "enabled")
                fx.control<QWidget>(parts[0])->setEnabled(true);
            else
                fx.control<QComboBox>(parts[0])->setEditText(parts[1]);
        }
        QTabBar *strip = fx.window.SSTab1()->tabBar();
        strip->setFocus(Qt::TabFocusReason);
        QCOMPARE(QApplication::focusWidget(), strip);

        QStringList visited;
        for (int stop = 0; stop <= order.size(); ++stop) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, order + QStringList{strip->objectName()});

        // Shift+Tab goes the same way back.
        QStringList back;
        for (int stop = 0; stop <= order.size(); ++stop) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
            back.prepend(QApplication::focusWidget()->objectName());
        }
        QCOMPARE(back, QStringList{strip->objectName()} + order);
    }
};

VARIMONDE_TEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
