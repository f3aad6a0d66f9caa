#include "app/AboutPage.h"

#include "Version.h"
#include "common/Language.h"
#include "common/MakerContact.h"

#include <QDesktopServices>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QUrl>

#include "ui_AboutPage.h"

namespace
{

const QColor linkColour(0, 0, 255);

// Blue, underlined, 9.75-point sans-serif. Designer keeps whole point sizes
// only, so the link look is set here rather than in the form.
void styleAsLink(QLabel *label)
{
    QFont font(QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(9.75);
    font.setUnderline(true);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, linkColour);
    label->setPalette(palette);
}

// Tab reaches the links, and a label draws no focus mark of its own: the
// link that has the focus shows as selected text does.
void showFocus(QLabel *label, bool focused)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText,
                     focused ? palette.color(QPalette::HighlightedText) : linkColour);
    palette.setColor(QPalette::Window, palette.color(QPalette::Highlight));
    label->setPalette(palette);
    label->setAutoFillBackground(focused);
}

bool isActivationKey(const QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<const QKeyEvent *>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
}

// Hands the link to the desktop's browser or mail program and returns at
// once. Without such a program nothing happens, and nothing is reported.
void openLink(const QString &link)
{
    QDesktopServices::openUrl(QUrl(link));
}

} // namespace

AboutPage::AboutPage(PageServices services, QWidget *parent)
    : QWidget(parent), m_services(services), ui(std::make_unique<Ui::AboutPage>())
{
    ui->setupUi(this);
    m_versionLabel = ui->Label31;
    m_webSiteLink = ui->Label29;
    m_supportEmailLink = ui->Label30;
    // Shown as major, point, two-digit minor: "Utility Version 1.00" for 1.0.0.
    m_versionLabel->setText(tr("Utility Version %1.%2")
                                .arg(Version::majorNumber)
                                .arg(Version::minorNumber, 2, 10, QLatin1Char('0')));
    // Which translation is in force, in its own words: someone who cannot
    // read it still recognises the name of their language.
    ui->LanguageLbl->setText(tr("Language: %1").arg(Language::currentName()));
    m_webSiteLink->setText(QString::fromLatin1(MakerContact::hostName));
    m_supportEmailLink->setText(QString::fromLatin1(MakerContact::supportEmail));
    styleAsLink(m_webSiteLink);
    styleAsLink(m_supportEmailLink);
    connectControls();
}

AboutPage::~AboutPage() = default;

void AboutPage::connectControls()
{
    m_webSiteLink->installEventFilter(this);
    m_supportEmailLink->installEventFilter(this);
}

bool AboutPage::eventFilter(QObject *watched, QEvent *event)
{
    auto *label = static_cast<QLabel *>(watched);
    bool clicked = false;
    if (event->type() == QEvent::MouseButtonRelease) {
        auto *mouse = static_cast<QMouseEvent *>(event);
        // A click: pressed and released on the label with the left button.
        clicked = mouse->button() == Qt::LeftButton &&
                  label->rect().contains(mouse->position().toPoint());
    } else if (isActivationKey(event)) {
        clicked = true;
    } else if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        showFocus(label, event->type() == QEvent::FocusIn);
    }
    if (clicked) {
        if (watched == m_webSiteLink)
            openWebSite();
        else if (watched == m_supportEmailLink)
            writeToSupport();
        return event->type() == QEvent::KeyPress;
    }
    return QWidget::eventFilter(watched, event);
}

void AboutPage::openWebSite()
{
    openLink(MakerContact::webUrl());
}

void AboutPage::writeToSupport()
{
    openLink(MakerContact::mailUrl());
}
