#pragma once

#include <QCheckBox>

// A check box drawn as a push button that stays pressed while checked. It
// keeps the check box's states, the grayed one included, which a checkable
// push button could not hold.
class ButtonStyleCheckBox : public QCheckBox
{
    Q_OBJECT
public:
    explicit ButtonStyleCheckBox(QWidget *parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool hitButton(const QPoint &pos) const override;

private:
    QStyleOptionButton buttonOption() const;
};
