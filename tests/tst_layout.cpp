// Every tab, in its first state and with its longest texts shown: no control
// leaves its frame, none lies over another, and no caption or text is cut
// off. CTest runs this twice, the second time at a scale factor of 2.
#include "support/TestMain.h"
#include "support/WindowFixture.h"
#include "widgets/WrappingButton.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
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

// Checks the visible widgets of the tab shown.
void verifyTab(WindowFixture &fx)
{
    int checked = 0;
    for (QWidget *widget : fx.window.SSTab1()->currentWidget()->findChildren<QWidget *>()) {
        QWidget *parent = widget->parentWidget();
        if (widget->objectName().isEmpty() || !widget->isVisible() ||
            qobject_cast<QComboBox *>(parent))
            continue;
        const QByteArray name = widget->objectName().toLatin1();
        QVERIFY2(parent->rect().contains(widget->geometry()),
                 name + " leaves " + parent->objectName().toLatin1());
        for (QWidget *sibling : parent->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            QVERIFY2(sibling == widget || !sibling->isVisible() ||
                         !sibling->geometry().intersects(widget->geometry()),
                     name + " lies over " + sibling->objectName().toLatin1());
        }
        QVERIFY2(!cutOff(widget), name + " is cut off");
        ++checked;
    }
    QVERIFY(checked > 0);
}

// The longest texts each tab can show, and its hidden parts shown.
void showLongestTexts(WindowFixture &fx)
{
    for (const char *settingSwitch :
         {"DarkChk", "KestraChk", "WidthChk", "TextBufferChk", "PrintSpeedChk", "PrintModeChk"})
        fx.control<QCheckBox>(settingSwitch)->click();
    fx.control<QLabel>("Label10")->show();
    fx.control<QComboBox>("CPrintModeCMB")->setEditText("TT");
    fx.control<QComboBox>("PrintSpeedCMB")->setEditText("HIGHSPEED");
    fx.control<QAbstractButton>("FSTandardOp1")->click();
    fx.control<QCheckBox>("Check2")->show();
    fx.control<QLabel>("HashLbl")->show();
    const QList<std::pair<const char *, const char *>> texts = {
        {"StatLbl", "FINISHED STORING WWWWWWWW"},
        {"ProgLbl", "2147483647 Bytes"},
        {"FnameTxt",
         "/home/someone/firmware/releases/printer-firmware-image-1.23.456-final-build.bin"},
        {"FSizeTxt", "2147483647 Bytes"},
        {"BinStatLbl", "Loading Failed: no file in Memory"},
        {"UStatLbl", "No File Loaded to Printer"},
        {"HashLbl", "SHA-256: 4f8b42c22dd3729b519ba6f68d2da7cc5b2d606d05daed5ad5128cc03e6c6358"}};
    for (const auto &[label, text] : texts)
        fx.control<QLabel>(label)->setText(text);
}

} // namespace

class TestLayout : public QObject
{
    Q_OBJECT

private slots:
    void nothingIsClipped_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<bool>("longest");
        const char *names[] = {"communication", "configuration", "calibration",
                               "storage",       "binary",        "about"};
        for (int tab = MainWindow::CommunicationTab; tab <= MainWindow::AboutTab; ++tab) {
            QTest::addRow("%s, at start", names[tab]) << tab << false;
            QTest::addRow("%s, longest texts", names[tab]) << tab << true;
        }
    }
    void nothingIsClipped()
    {
        QFETCH(int, tab);
        QFETCH(bool, longest);
        WindowFixture fx;
        if (longest)
            showLongestTexts(fx);
        fx.showTab(MainWindow::Tab(tab));
        verifyTab(fx);
        if (tab == MainWindow::CommunicationTab) {
            QTest::mouseClick(fx.control<QAbstractButton>("CommOp_1"), Qt::LeftButton);
            verifyTab(fx);
        }
    }
};

VARIMONDE_TEST_MAIN(TestLayout)
#include "tst_layout.moc"
