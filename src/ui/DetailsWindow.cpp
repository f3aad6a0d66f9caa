#include "ui/DetailsWindow.h"

#include <QPlainTextEdit>
#include <QResizeEvent>

#include <algorithm>

namespace
{

// Sizes given in twips, 15 to a pixel.
constexpr int twips(int value)
{
    return value / 15;
}
constexpr int clientWidth = twips(5535);
constexpr int clientHeight = twips(5565);
constexpr int textSide = twips(5535);
constexpr int textWidthAllowance = twips(50);
constexpr int textHeightAllowance = twips(375);

} // namespace

DetailsWindow::DetailsWindow() : m_text1(new QPlainTextEdit(this))
{
    setObjectName(QStringLiteral("DetailsFrm"));
    setWindowTitle(tr("Details"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text1->setAccessibleName(windowTitle());
    m_text1->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_text1->setGeometry(0, 0, textSide, textSide);
    resize(clientWidth, clientHeight);
}

QString DetailsWindow::text() const
{
    QString text = m_text1->toPlainText();
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}

void DetailsWindow::setText(const QString &text)
{
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    m_text1->setPlainText(shown);
}

void DetailsWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    fitTextBox();
}

void DetailsWindow::fitTextBox()
{
    // The text box follows the window's outer size, less the frame; a window
    // too small for that gives an empty box rather than a negative one.
    const QRect outer = frameGeometry();
    m_text1->setGeometry(0, 0, std::max(0, outer.width() - textWidthAllowance),
                         std::max(0, outer.height() - textHeightAllowance));
}

DetailsHost::~DetailsHost()
{
    closeWindow();
}

DetailsWindow &DetailsHost::window()
{
    if (!m_window)
        m_window = new DetailsWindow;
    return *m_window;
}

void DetailsHost::show()
{
    window().show();
}

void DetailsHost::hide()
{
    if (m_window)
        m_window->hide();
}

void DetailsHost::closeWindow()
{
    delete m_window.data();
}
