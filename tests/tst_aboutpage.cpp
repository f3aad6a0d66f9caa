// The About tab: what it shows, and that its links reach the desktop's
// handlers unchanged, once per click.
#include "app/MakerContact.h"
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

    static void click(QLabel *label)
    {
        QTest::mouseClick(label, Qt::LeftButton, {}, label->rect().center());
    }

    static void unsetHandlers()
    {
        for (const char *scheme : {"http", "https", "mailto"})
            QDesktopServices::unsetUrlHandler(scheme);
    }

public slots:
    void openUrl(const QUrl &url) { m_opened << url; }

private slots:
    void init()
    {
        m_opened.clear();
        for (const char *scheme : {"http", "https", "mailto"})
            QDesktopServices::setUrlHandler(scheme, this, "openUrl");
    }
    void cleanup() { unsetHandlers(); }

    void showsNameVersionAndStyledLinks()
    {
        WindowFixture fx;
        fx.showTab(MainFrm::AboutTab);
        QCOMPARE(fx.control<QLabel>("Label28")->text(),
                 QStringLiteral("Varimonde Printer Setup Utility"));
        QCOMPARE(fx.control<QLabel>("Label31")->text(), QStringLiteral("Utility Version 1.00"));
        auto *web = fx.control<QLabel>("Label29");
        auto *mail = fx.control<QLabel>("Label30");
        QCOMPARE(web->text(), QString::fromLatin1(MakerContact::hostName));
        QCOMPARE(mail->text(), QString::fromLatin1(MakerContact::supportEmail));
        QCOMPARE(web->toolTip(), QStringLiteral("Provides direct link to Varimonde's web page"));
        QCOMPARE(mail->toolTip(), QStringLiteral("Contact Varimonde Technical Support via e-mail"));
        for (QLabel *link : {web, mail}) {
            QCOMPARE(link->palette().color(link->foregroundRole()), QColor(0, 0, 255));
            QVERIFY(link->font().underline());
            QCOMPARE(link->font().pointSizeF(), 9.75);
            QCOMPARE(link->font().styleHint(), QFont::SansSerif);
            // The whole address is visible.
            QVERIFY(link->width() >= link->sizeHint().width());
        }
    }

    void eachClickOpensItsLinkOnce()
    {
        WindowFixture fx;
        fx.showTab(MainFrm::AboutTab);
        ModalAnswerer boxes;
        auto *web = fx.control<QLabel>("Label29");
        click(web);
        click(web);
        click(fx.control<QLabel>("Label30"));
        const QUrl site(MakerContact::webUrl());
        QCOMPARE(m_opened, (QList<QUrl>{site, site, QUrl(MakerContact::mailUrl())}));
        QCOMPARE(site.toString(), QStringLiteral("https://") + MakerContact::hostName);
        QCOMPARE(m_opened.last().toString(),
                 QStringLiteral("mailto:") + MakerContact::supportEmail);
        // A right click or a release outside the label is no click.
        QTest::mouseClick(web, Qt::RightButton, {}, web->rect().center());
        QTest::mousePress(web, Qt::LeftButton, {}, web->rect().center());
        QTest::mouseRelease(web, Qt::LeftButton, {}, web->rect().bottomRight() + QPoint(5, 5));
        QCOMPARE(m_opened.size(), 3);
        QCOMPARE(boxes.seen().size(), 0);
    }

    // Tab reaches both links; Enter or Space opens the one with the focus,
    // which shows as selected until the focus leaves it.
    void theKeyboardOpensTheLinks()
    {
        WindowFixture fx;
        fx.showTab(MainFrm::AboutTab);
        fx.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&fx.window));
        auto *web = fx.control<QLabel>("Label29");
        auto *mail = fx.control<QLabel>("Label30");
        fx.window.SSTab1()->tabBar()->setFocus(Qt::TabFocusReason);
        ModalAnswerer boxes;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), web);
        QCOMPARE(web->palette().color(web->foregroundRole()),
                 web->palette().color(QPalette::HighlightedText));
        QVERIFY(web->autoFillBackground());
        QTest::keyClick(web, Qt::Key_Return);
        QTest::keyClick(web, Qt::Key_A);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), mail);
        QCOMPARE(web->palette().color(web->foregroundRole()), QColor(0, 0, 255));
        QVERIFY(!web->autoFillBackground());
        QTest::keyClick(mail, Qt::Key_Space);
        QCOMPARE(m_opened,
                 (QList<QUrl>{QUrl(MakerContact::webUrl()), QUrl(MakerContact::mailUrl())}));
        QCOMPARE(boxes.seen().size(), 0);
    }

    void withoutAHandlerAClickShowsNothing()
    {
        unsetHandlers();
        // No browser or mail program can be found.
        const QByteArray path = qgetenv("PATH");
        const QByteArray browser = qgetenv("BROWSER");
        qputenv("PATH", "");
        qunsetenv("BROWSER");
        WindowFixture fx;
        fx.showTab(MainFrm::AboutTab);
        ModalAnswerer boxes;
        click(fx.control<QLabel>("Label29"));
        click(fx.control<QLabel>("Label30"));
        QTest::qWait(50);
        qputenv("PATH", path);
        if (!browser.isNull())
            qputenv("BROWSER", browser);
        QCOMPARE(boxes.seen().size(), 0);
        QVERIFY(m_opened.isEmpty());
        QCOMPARE(fx.control<QLabel>("Label29")->text(),
                 QString::fromLatin1(MakerContact::hostName));
    }
};

VARIMONDE_TEST_MAIN(TestAboutPage)
#include "tst_aboutpage.moc"
