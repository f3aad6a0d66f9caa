// The About tab's links: they reach the desktop's handlers unchanged, once
// per click or key, and show which one has the focus.
#include "common/MakerContact.h"
#include "support/ModalAnswerer.h"
#include "support/TestMain.h"
#include "support/WindowFixture.h"

#include <QDesktopServices>
#include <QLabel>
#include <QTabBar>
#include <QTabWidget>
#include <QUrl>

class TestAboutPage : public QObject
{
    Q_OBJECT

    QList<QUrl> m_opened;
    const QUrl site = QUrl(QStringLiteral("https://") + MakerContact::hostName);
    const QUrl mail = QUrl(QStringLiteral("mailto:") + MakerContact::supportEmail);

    struct Tab : WindowFixture {
        QLabel *web = control<QLabel>("Label29");
        QLabel *mail = control<QLabel>("Label30");
        Tab() { showTab(MainWindow::AboutTab); }
    };
    static void click(QLabel *label)
    {
        QTest::mouseClick(label, Qt::LeftButton, {}, label->rect().center());
    }
    static bool looksLikeALink(QLabel *label)
    {
        return label->palette().color(label->foregroundRole()) == QColor(0, 0, 255) &&
               label->font().underline() && !label->autoFillBackground();
    }
    void handleUrls(bool handle)
    {
        for (const char *scheme : {"http", "https", "mailto"}) {
            if (handle)
                QDesktopServices::setUrlHandler(scheme, this, "openUrl");
            else
                QDesktopServices::unsetUrlHandler(scheme);
        }
    }

public slots:
    void openUrl(const QUrl &url) { m_opened << url; }

private slots:
    void init()
    {
        m_opened.clear();
        handleUrls(true);
    }
    void cleanup() { handleUrls(false); }

    // A click, or Enter or Space on the link that has the focus, opens the
    // link once; the link with the focus shows as selected.
    void clicksAndKeysOpenEachLinkOnce()
    {
        Tab fx;
        ModalAnswerer boxes;
        QCOMPARE(fx.web->text(), QLatin1String(MakerContact::hostName));
        QCOMPARE(fx.mail->text(), QLatin1String(MakerContact::supportEmail));
        QVERIFY(looksLikeALink(fx.web) && looksLikeALink(fx.mail));
        click(fx.web);
        click(fx.mail);
        // A right click or a release outside the label is no click.
        QTest::mouseClick(fx.web, Qt::RightButton, {}, fx.web->rect().center());
        QTest::mousePress(fx.web, Qt::LeftButton, {}, fx.web->rect().center());
        QTest::mouseRelease(fx.web, Qt::LeftButton, {},
                            fx.web->rect().bottomRight() + QPoint(5, 5));
        QCOMPARE(m_opened, (QList<QUrl>{site, mail}));

        fx.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&fx.window));
        fx.window.SSTab1()->tabBar()->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), fx.web);
        QCOMPARE(fx.web->palette().color(fx.web->foregroundRole()),
                 fx.web->palette().color(QPalette::HighlightedText));
        QVERIFY(fx.web->autoFillBackground());
        QTest::keyClick(fx.web, Qt::Key_Return);
        QTest::keyClick(fx.web, Qt::Key_A);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), fx.mail);
        QVERIFY(looksLikeALink(fx.web));
        QTest::keyClick(fx.mail, Qt::Key_Space);
        QCOMPARE(m_opened, (QList<QUrl>{site, mail, site, mail}));

        // Without a browser or mail program nothing happens, and nothing is said.
        handleUrls(false);
        const QByteArray path = qgetenv("PATH");
        const QByteArray browser = qgetenv("BROWSER");
        qputenv("PATH", "");
        qunsetenv("BROWSER");
        click(fx.web);
        click(fx.mail);
        QTest::qWait(50);
        qputenv("PATH", path);
        if (!browser.isNull())
            qputenv("BROWSER", browser);
        QCOMPARE(m_opened.size(), 4);
        QCOMPARE(boxes.summary(), QStringList());
    }
};

VARIMONDE_TEST_MAIN(TestAboutPage)
#include "tst_aboutpage.moc"
