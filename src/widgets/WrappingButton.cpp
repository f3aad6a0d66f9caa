#include "widgets/WrappingButton.h"

#include <QRegularExpression>
#include <QStyleOptionButton>
#include <QStylePainter>

int WrappingButton::textFlags() const
{
    int flags = Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;
    QStyleOptionButton option;
    initStyleOption(&option);
    if (!style()->styleHint(QStyle::SH_UnderlineShortcut, &option, this))
        flags |= Qt::TextHideMnemonic;
    return flags;
}

QString WrappingButton::caption() const
{
    // A word joiner: no line may break between the word and its key, which
    // would stand alone on a line of its own.
    static const QRegularExpression key(QStringLiteral("(?<=\\S)(\\(&[^&]\\))"));
    return QString(text()).replace(key, QStringLiteral("\u2060\\1"));
}

QRect WrappingButton::contentsArea() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    return style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
}

QRect WrappingButton::captionRect() const
{
    return fontMetrics().boundingRect(contentsArea(), textFlags(), caption());
}

void WrappingButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    // The style draws the button without a caption; the caption follows,
    // wrapped to the button's width.
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    painter.drawItemText(contentsArea(), textFlags(), palette(), isEnabled(), caption(),
                         QPalette::ButtonText);
}
