#include "support/ModalAnswerer.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>

namespace
{

QString describe(QWidget *box)
{
    if (auto *message = qobject_cast<QMessageBox *>(box))
        return message->text() + '|' + box->windowTitle() +
               (message->icon() != QMessageBox::NoIcon ? "|icon" : "") +
               (message->informativeText().isEmpty() ? "" : "|why: " + message->informativeText());
    if (auto *input = qobject_cast<QInputDialog *>(box))
        return input->labelText() + '|' + box->windowTitle() + '|' + input->textValue();
    if (auto *file = qobject_cast<QFileDialog *>(box)) {
        auto *name = file->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        return "file|" + file->nameFilters().join(";;") + '|' + (name ? name->text() : QString());
    }
    return box->windowTitle();
}

void reject(QWidget *box)
{
    if (auto *dialog = qobject_cast<QDialog *>(box))
        dialog->reject();
    else
        box->close();
}

} // namespace

ModalAnswerer::ModalAnswerer()
{
    connect(&m_timer, &QTimer::timeout, this, &ModalAnswerer::poll);
    m_timer.start(5);
}

ModalAnswerer &ModalAnswerer::pressOk()
{
    return then([](QWidget *box) {
        auto *message = qobject_cast<QMessageBox *>(box);
        if (QAbstractButton *ok = message ? message->button(QMessageBox::Ok) : nullptr)
            ok->click();
        else
            reject(box); // not the box this answer was for: the summary shows it
    });
}

ModalAnswerer &ModalAnswerer::answer(const QString &text)
{
    return then([text](QWidget *box) {
        auto *input = qobject_cast<QInputDialog *>(box);
        if (!input)
            return reject(box);
        input->setTextValue(text);
        input->accept();
    });
}

ModalAnswerer &ModalAnswerer::cancel()
{
    return then(reject);
}

ModalAnswerer &ModalAnswerer::chooseFile(const QString &path)
{
    return then([path](QWidget *box) {
        auto *dialog = qobject_cast<QFileDialog *>(box);
        if (!dialog)
            return reject(box);
        // Typed, as a user would: selectFile() leaves a focused name box alone.
        // Typing also drops the name proposed from the list's selection, but
        // only where the name box has the focus, which a test cannot count on.
        dialog->findChild<QAbstractItemView *>(QStringLiteral("listView"))->clearSelection();
        dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(path);
        QMetaObject::invokeMethod(dialog, "accept"); // protected in QFileDialog
    });
}

ModalAnswerer &ModalAnswerer::press(const QString &button)
{
    return then([button](QWidget *box) {
        for (QAbstractButton *candidate : box->findChildren<QAbstractButton *>())
            if (candidate->text().remove('&') == button)
                return candidate->click();
        reject(box);
    });
}

ModalAnswerer &ModalAnswerer::then(std::function<void(QWidget *)> action)
{
    m_answers.append(std::move(action));
    return *this;
}

void ModalAnswerer::poll()
{
    QWidget *box = QApplication::activeModalWidget();
    if (!box || !box->isVisible())
        return;
    for (const Handled &handled : m_handled) {
        // Answered, yet still open long after: the answer did not close it
        // (a refused file name, say). Dismiss it so the test cannot hang.
        if (handled.box == box && handled.since.elapsed() > 3000) {
            m_summary << "unexpected: still open: " + describe(box);
            reject(box);
        }
        if (handled.box == box)
            return;
    }
    m_handled.append(Handled{box, {}});
    m_handled.last().since.start();
    m_summary << (m_answers.isEmpty() ? "unexpected: " : "") + describe(box);
    // Answer from the event loop, not from inside this timer's slot: an
    // answer may open the next box, which must be seen too.
    const std::function<void(QWidget *)> action =
        m_answers.isEmpty() ? reject : m_answers.takeFirst();
    QTimer::singleShot(0, this, [action, target = QPointer<QWidget>(box)] {
        if (target)
            action(target);
    });
}
