#pragma once

#include <QLabel>

class QTextLayout;

// A label for a file path. A path may hold no place where a line could
// break, so where a word does not fit the line it breaks anywhere: the
// whole path stays readable in a narrow label.
class PathLabel : public QLabel
{
    Q_OBJECT
public:
    using QLabel::QLabel;

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // Lays the text out in lines of `width`; returns the height taken.
    qreal layOut(QTextLayout &layout, int width) const;
};
