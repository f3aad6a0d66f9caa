#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include <functional>

// Answers the modal boxes that the code under test opens, one queued answer
// per box, in order, and records each box in one line (see summary()). A box
// that appears with no answer left is recorded as unexpected and dismissed,
// so a test never hangs on it.
class ModalAnswerer : public QObject
{
    Q_OBJECT
public:
    ModalAnswerer();

    ModalAnswerer &pressOk();                       // message box: OK
    ModalAnswerer &answer(const QString &text);     // input box: type, OK
    ModalAnswerer &cancel();                        // input box or file dialog: Cancel
    ModalAnswerer &chooseFile(const QString &path); // file dialog: type path, OK
    ModalAnswerer &press(const QString &button);    // any box: the button with this text
    // Any box: run `action` on it, with the box still open.
    ModalAnswerer &then(std::function<void(QWidget *)> action);

    // One line per box: "text|title" for a message ("|icon" added when it
    // shows one), "prompt|title|proposed" for an input box,
    // "file|filters|proposed name" for a file dialog; "unexpected: " before
    // a box that had no answer.
    const QStringList &summary() const { return m_summary; }

private:
    void poll();

    QTimer m_timer;
    QList<std::function<void(QWidget *)>> m_answers;
    struct Handled {
        QPointer<QWidget> box;
        QElapsedTimer since;
    };
    QList<Handled> m_handled;
    QStringList m_summary;
};
