#include "widgets/WrappingButton.h"

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

QRect WrappingButton::contentsArea() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    return style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
}

QRect WrappingButton::captionRect() const
{
    return fontMetrics().boundingRect(contentsArea(), textFlags(), text());
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
    painter.drawItemText(contentsArea(), textFlags(), palette(), isEnabled(), text(),
                         QPalette::ButtonText);
}
