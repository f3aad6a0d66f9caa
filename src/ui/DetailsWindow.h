#pragma once

#include <QPointer>
#include <QWidget>

class QPlainTextEdit;

// The Details window: the printer commands the program built last, in one
// editable text box that fills the window.
class DetailsWindow : public QWidget
{
    Q_OBJECT
public:
    DetailsWindow();

    // The text of Text1 with its lines separated by CR LF, as written.
    QString text() const;
    void setText(const QString &text);

    QPlainTextEdit *Text1() const { return m_text1; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void fitTextBox();

    QPlainTextEdit *m_text1;
};

// Owns the one Details window: created hidden on first use, discarded when
// the user closes it, closed with the main window.
class DetailsHost
{
public:
    DetailsHost() = default;
    ~DetailsHost();
    DetailsHost(const DetailsHost &) = delete;
    DetailsHost &operator=(const DetailsHost &) = delete;

    // The window, created hidden if it does not exist.
    DetailsWindow &window();
    // The window if it exists, else null.
    DetailsWindow *existing() const { return m_window; }

    void setText(const QString &text) { window().setText(text); }
    void show();
    void hide();
    void setShown(bool shown) { shown ? show() : hide(); }
    void closeWindow();

private:
    QPointer<DetailsWindow> m_window;
};
