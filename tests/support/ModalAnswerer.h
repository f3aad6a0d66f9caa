#pragma once

#include <QElapsedTimer>
#include <QFileDialog>
#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>

// Answers the modal boxes that the code under test opens, one queued answer
// per box, in order, and records what each box showed. A box that appears
// with no answer left is recorded as unexpected and dismissed, so a test
// never hangs on it.
//
//     ModalAnswerer boxes;
//     boxes.answer("logo").pressOk();
//     QTest::mouseClick(recall, Qt::LeftButton);
//     QCOMPARE(boxes.seen().at(0).prompt, "Enter Stored Graphic to Print");
class ModalAnswerer : public QObject
{
    Q_OBJECT
public:
    enum class Kind { Message, Input, File, Other };

    struct Seen {
        Kind kind = Kind::Other;
        QString title;
        QString text;     // message text, or the input box's prompt
        QString proposed; // input box: the proposed answer; file dialog: the proposed name
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QStringList buttons;     // message box button texts
        QStringList nameFilters; // file dialog
        QString defaultSuffix;   // file dialog
        bool saving = false;     // file dialog in save mode
        bool expected = true;
    };

    ModalAnswerer();
    ~ModalAnswerer() override;

    ModalAnswerer &pressOk();                       // message box: OK
    ModalAnswerer &pressYes();                      // question box: Yes
    ModalAnswerer &answer(const QString &text);     // input box: type, OK
    ModalAnswerer &cancel();                        // input box or file dialog: Cancel
    ModalAnswerer &chooseFile(const QString &path); // file dialog: pick path, OK
    // Any box: run `action` on it, with the box still open.
    ModalAnswerer &then(std::function<void(QWidget *)> action);

    // Puts a path into an open file dialog's name box.
    static void typeFileName(QFileDialog *dialog, const QString &path);

    const QList<Seen> &seen() const { return m_seen; }
    int pendingAnswers() const { return int(m_answers.size()); }
    int unexpectedCount() const;

    // Processes events until `count` boxes have been seen or the time ran out.
    bool waitForBoxes(int count, int timeoutMs = 5000);

    // "title: text" of every box seen, for failure messages.
    QString describe() const;
    // One line per box seen, for comparing whole sequences: "title|text" for
    // a message ("|icon" or "|buttons: ..." added unless a plain OK box),
    // "input|title|prompt|proposed" for an input box, "file|save" or
    // "file|open"; "unexpected: " before a box that had no answer.
    QStringList summary() const;

private:
    void poll();
    static Seen record(QWidget *box);

    QTimer m_timer;
    QList<std::function<void(QWidget *)>> m_answers;
    struct Handled {
        QPointer<QWidget> box;
        QElapsedTimer since;
    };
    static constexpr int stuckAfterMs = 3000;
    QList<Handled> m_handled;
    QList<Seen> m_seen;
};
