#include "widgets/PathLabel.h"

#include <QPainter>
#include <QTextLayout>
#include <QTextOption>

#include <cmath>

qreal PathLabel::layOut(QTextLayout &layout, int width) const
{
    QTextOption option(alignment());
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setText(text());
    layout.setFont(font());
    layout.setTextOption(option);
    layout.beginLayout();
    qreal height = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(qMax(1, width));
        line.setPosition(QPointF(0, height));
        height += line.height();
    }
    layout.endLayout();
    return height;
}

int PathLabel::heightForWidth(int width) const
{
    const QMargins margins = contentsMargins();
    QTextLayout layout;
    const qreal height = layOut(layout, width - margins.left() - margins.right());
    return int(std::ceil(height)) + margins.top() + margins.bottom();
}

QSize PathLabel::sizeHint() const
{
    const QSize natural = QLabel::sizeHint();
    return {natural.width(), heightForWidth(natural.width())};
}

QSize PathLabel::minimumSizeHint() const
{
    const int lineHeight = fontMetrics().height();
    return {lineHeight, lineHeight};
}

void PathLabel::paintEvent(QPaintEvent *)
{
    const QRect area = contentsRect();
    QTextLayout layout;
    layOut(layout, area.width());
    QPainter painter(this);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole()));
    layout.draw(&painter, area.topLeft());
}
