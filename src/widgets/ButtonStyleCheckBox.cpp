#include "widgets/ButtonStyleCheckBox.h"

#include <QStyleOptionButton>
#include <QStylePainter>

ButtonStyleCheckBox::ButtonStyleCheckBox(QWidget *parent) : QCheckBox(parent) {}

QStyleOptionButton ButtonStyleCheckBox::buttonOption() const
{
    QStyleOptionButton option;
    option.initFrom(this);
    option.text = text();
    option.icon = icon();
    option.iconSize = iconSize();
    option.state |= checkState() == Qt::Unchecked ? QStyle::State_Raised : QStyle::State_On;
    if (isDown())
        option.state |= QStyle::State_Sunken;
    return option;
}

QSize ButtonStyleCheckBox::sizeHint() const
{
    const QStyleOptionButton option = buttonOption();
    const QSize textSize = fontMetrics().size(Qt::TextShowMnemonic, text());
    return style()->sizeFromContents(QStyle::CT_PushButton, &option, textSize, this);
}

void ButtonStyleCheckBox::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    painter.drawControl(QStyle::CE_PushButton, buttonOption());
}

bool ButtonStyleCheckBox::hitButton(const QPoint &pos) const
{
    // The whole face is the button, not only the indicator and its caption.
    return rect().contains(pos);
}
