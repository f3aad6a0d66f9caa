#pragma once

#include <QPushButton>

// A command button whose caption wraps onto further lines when the button
// is too narrow for it, so that a row of small buttons keeps long captions
// readable. text() stays the caption as given, mnemonic included.
class WrappingButton : public QPushButton
{
    Q_OBJECT
public:
    using QPushButton::QPushButton;

    // The caption as drawn: text() with a mnemonic in brackets after the
    // word ("文字(&I)", the Chinese and Japanese way) kept on its line.
    QString caption() const;
    // The room the caption takes at the button's present width.
    QRect captionRect() const;
    // The room available to the caption.
    QRect contentsArea() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int textFlags() const;
};
