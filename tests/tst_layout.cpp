// Every tab, in its first state and with its longest texts shown: no control
// leaves its frame, none lies over another, and no caption or text is cut
// off. CTest runs this twice, the second time at a scale factor of 2.
#include "storage/WrappingButton.h"
#include "support/TestMain.h"
#include "support/WindowFixture.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

namespace
{

QString captionText(QString caption)
{
    return caption.remove(QLatin1Char('&'));
}

// Why `widget` cuts off what it shows; empty when it does not.
QString clipped(const QWidget *widget)
{
    if (auto *wrapping = qobject_cast<const WrappingButton *>(widget))
        return wrapping->contentsArea().contains(wrapping->captionRect()) ? QString() : "caption";
    if (auto *button = qobject_cast<const QAbstractButton *>(widget)) {
        if (button->sizeHint().width() > button->width() ||
            button->minimumSizeHint().height() > button->height())
            return "caption";
        return {};
    }
    if (auto *frame = qobject_cast<const QGroupBox *>(widget)) {
        const int titleWidth = frame->fontMetrics().horizontalAdvance(frame->title());
        return titleWidth > frame->width() ? "title" : QString();
    }
    if (auto *combo = qobject_cast<const QComboBox *>(widget)) {
        if (combo->minimumSizeHint().height() > combo->height())
            return "height";
        // A line edit keeps a margin of 2 pixels on either side of its text.
        const QLineEdit *edit = combo->lineEdit();
        if (edit && edit->fontMetrics().horizontalAdvance(combo->currentText()) >
                        edit->contentsRect().width() - 4)
            return "value";
        return {};
    }
    if (auto *label = qobject_cast<const QLabel *>(widget)) {
        if (label->text().isEmpty())
            return {};
        const QRect room = label->contentsRect();
        if (label->hasHeightForWidth())
            return label->heightForWidth(label->width()) > label->height() ? "wrapped text"
                                                                           : QString();
        const QFontMetrics metrics = label->fontMetrics();
        if (metrics.horizontalAdvance(captionText(label->text())) > room.width() ||
            metrics.height() > room.height())
            return "text";
    }
    return {};
}

} // namespace

class TestLayout : public QObject
{
    Q_OBJECT

    // Checks the visible widgets of the tab shown.
    static void verifyTab(WindowFixture &fx)
    {
        QWidget *page = fx.window.SSTab1()->currentWidget();
        const QList<QWidget *> widgets = page->findChildren<QWidget *>();
        int checked = 0;
        for (QWidget *widget : widgets) {
            if (widget->objectName().isEmpty() || !widget->isVisible() ||
                qobject_cast<QComboBox *>(widget->parentWidget()))
                continue;
            const QByteArray name = widget->objectName().toLatin1();
            QWidget *parent = widget->parentWidget();
            QVERIFY2(parent->rect().contains(widget->geometry()),
                     name + " leaves " + parent->objectName().toLatin1());
            for (QWidget *sibling : parent->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
                QVERIFY2(sibling == widget || !sibling->isVisible() ||
                             !sibling->geometry().intersects(widget->geometry()),
                         name + " lies over " + sibling->objectName().toLatin1());
            }
            const QString why = clipped(widget);
            QVERIFY2(why.isEmpty(), name + ": " + why.toLatin1() + " cut off");
            ++checked;
        }
        QVERIFY(checked > 0);
    }

    // The longest texts each tab can show, and its hidden parts shown.
    static void showLongestTexts(WindowFixture &fx)
    {
        for (const char *settingSwitch :
             {"DarkChk", "KestraChk", "WidthChk", "TextBufferChk", "PrintSpeedChk", "PrintModeChk"})
            fx.control<QCheckBox>(settingSwitch)->click();
        fx.control<QLabel>("Label10")->show();
        fx.control<QComboBox>("CPrintModeCMB")->setEditText("TT");
        fx.control<QComboBox>("PrintSpeedCMB")->setEditText("HIGHSPEED");
        fx.control<QLabel>("StatLbl")->setText("FINISHED STORING WWWWWWWW");
        fx.control<QLabel>("ProgLbl")->setText("2147483647 Bytes");
        fx.control<QAbstractButton>("FSTandardOp1")->click();
        fx.control<QCheckBox>("Check2")->show();
        fx.control<QLabel>("FnameTxt")
            ->setText(
                "/home/someone/firmware/releases/printer-firmware-image-1.23.456-final-build.bin");
        fx.control<QLabel>("FSizeTxt")->setText("2147483647 Bytes");
        fx.control<QLabel>("BinStatLbl")->setText("No file loaded in Memory");
        fx.control<QLabel>("UStatLbl")->setText("No File Loaded to Printer");
    }

private slots:
    void nothingIsClipped_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<bool>("longest");
        const char *names[] = {"communication", "configuration", "calibration",
                               "storage",       "binary",        "about"};
        for (int tab = MainFrm::CommunicationTab; tab <= MainFrm::AboutTab; ++tab) {
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
        fx.showTab(MainFrm::Tab(tab));
        verifyTab(fx);
        if (tab == MainFrm::CommunicationTab) {
            QTest::mouseClick(fx.control<QAbstractButton>("CommOp_1"), Qt::LeftButton);
            verifyTab(fx);
        }
    }
};

VARIMONDE_TEST_MAIN(TestLayout)
#include "tst_layout.moc"
