#include "support/ModalAnswerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QTest>

ModalAnswerer::ModalAnswerer()
{
    m_timer.setInterval(5);
    connect(&m_timer, &QTimer::timeout, this, &ModalAnswerer::poll);
    m_timer.start();
}

ModalAnswerer::~ModalAnswerer() = default;

ModalAnswerer &ModalAnswerer::pressOk()
{
    return then([](QWidget *box) {
        if (auto *message = qobject_cast<QMessageBox *>(box)) {
            if (QAbstractButton *ok = message->button(QMessageBox::Ok)) {
                ok->click();
                return;
            }
        }
        if (auto *dialog = qobject_cast<QDialog *>(box))
            dialog->accept();
    });
}

ModalAnswerer &ModalAnswerer::pressYes()
{
    return then([](QWidget *box) {
        if (auto *message = qobject_cast<QMessageBox *>(box)) {
            if (QAbstractButton *yes = message->button(QMessageBox::Yes)) {
                yes->click();
                return;
            }
        }
        if (auto *dialog = qobject_cast<QDialog *>(box))
            dialog->accept();
    });
}

ModalAnswerer &ModalAnswerer::answer(const QString &text)
{
    return then([text](QWidget *box) {
        if (auto *input = qobject_cast<QInputDialog *>(box)) {
            input->setTextValue(text);
            input->accept();
        } else if (auto *dialog = qobject_cast<QDialog *>(box)) {
            dialog->reject();
        }
    });
}

ModalAnswerer &ModalAnswerer::cancel()
{
    return then([](QWidget *box) {
        if (auto *dialog = qobject_cast<QDialog *>(box))
            dialog->reject();
    });
}

ModalAnswerer &ModalAnswerer::chooseFile(const QString &path)
{
    return then([path](QWidget *box) {
        auto *dialog = qobject_cast<QFileDialog *>(box);
        if (!dialog) {
            if (auto *other = qobject_cast<QDialog *>(box))
                other->reject();
            return;
        }
        typeFileName(dialog, path);
        QMetaObject::invokeMethod(dialog, "accept"); // protected in QFileDialog
    });
}

void ModalAnswerer::typeFileName(QFileDialog *dialog, const QString &path)
{
    // Typed, as a user would: selectFile() leaves a focused name box alone.
    if (auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
        name->setText(path);
    else
        dialog->selectFile(path);
}

ModalAnswerer &ModalAnswerer::then(std::function<void(QWidget *)> action)
{
    m_answers.append(std::move(action));
    return *this;
}

int ModalAnswerer::unexpectedCount() const
{
    int count = 0;
    for (const Seen &box : m_seen)
        count += box.expected ? 0 : 1;
    return count;
}

bool ModalAnswerer::waitForBoxes(int count, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (m_seen.size() < count && timer.elapsed() < timeoutMs)
        QTest::qWait(5);
    return m_seen.size() >= count;
}

QString ModalAnswerer::describe() const
{
    QStringList lines;
    for (const Seen &box : m_seen)
        lines << QStringLiteral("[%1] %2").arg(box.title, box.text);
    return lines.join(QLatin1Char('\n'));
}

QStringList ModalAnswerer::summary() const
{
    QStringList lines;
    for (const Seen &box : m_seen) {
        QString line;
        if (box.kind == Kind::Input)
            line = QStringLiteral("input|%1|%2|%3").arg(box.title, box.text, box.proposed);
        else if (box.kind == Kind::File)
            line = box.saving ? QStringLiteral("file|save") : QStringLiteral("file|open");
        else
            line = box.title + QLatin1Char('|') + box.text;
        if (box.kind == Kind::Message && box.icon != QMessageBox::NoIcon)
            line += QStringLiteral("|icon");
        if (box.kind == Kind::Message && box.buttons != QStringList{QStringLiteral("OK")})
            line += QStringLiteral("|buttons: ") + box.buttons.join(QLatin1Char(','));
        lines << (box.expected ? line : QStringLiteral("unexpected: ") + line);
    }
    return lines;
}

ModalAnswerer::Seen ModalAnswerer::record(QWidget *box)
{
    Seen seen;
    seen.title = box->windowTitle();
    if (auto *message = qobject_cast<QMessageBox *>(box)) {
        seen.kind = Kind::Message;
        seen.text = message->text();
        seen.icon = message->icon();
        for (QAbstractButton *button : message->buttons())
            seen.buttons << button->text();
    } else if (auto *input = qobject_cast<QInputDialog *>(box)) {
        seen.kind = Kind::Input;
        seen.text = input->labelText();
        seen.proposed = input->textValue();
    } else if (auto *file = qobject_cast<QFileDialog *>(box)) {
        seen.kind = Kind::File;
        seen.nameFilters = file->nameFilters();
        seen.defaultSuffix = file->defaultSuffix();
        seen.saving = file->acceptMode() == QFileDialog::AcceptSave;
        const QList<QLineEdit *> edits = file->findChildren<QLineEdit *>();
        for (QLineEdit *edit : edits) {
            if (edit->objectName() == QLatin1String("fileNameEdit"))
                seen.proposed = edit->text();
        }
    }
    return seen;
}

void ModalAnswerer::poll()
{
    QWidget *box = QApplication::activeModalWidget();
    if (!box || !box->isVisible())
        return;
    for (const Handled &handled : m_handled) {
        if (handled.box != box)
            continue;
        // Answered, yet still open long after: the answer did not close it
        // (a refused file name, say). Dismiss it so the test cannot hang.
        if (handled.since.elapsed() > stuckAfterMs) {
            Seen stuck = record(box);
            stuck.expected = false;
            stuck.text = QStringLiteral("(still open after its answer) ") + stuck.text;
            m_seen.append(stuck);
            if (auto *dialog = qobject_cast<QDialog *>(box))
                dialog->reject();
            else
                box->close();
        }
        return;
    }
    Handled handled;
    handled.box = box;
    handled.since.start();
    m_handled.append(handled);
    Seen seen = record(box);
    if (m_answers.isEmpty()) {
        seen.expected = false;
        m_seen.append(seen);
        if (auto *dialog = qobject_cast<QDialog *>(box))
            dialog->reject();
        return;
    }
    m_seen.append(seen);
    // Answer from the event loop, not from inside this timer's slot: an
    // answer may open the next box (a confirmation), which must be seen too.
    const std::function<void(QWidget *)> action = m_answers.takeFirst();
    QPointer<QWidget> target = box;
    QTimer::singleShot(0, this, [action, target] {
        if (target)
            action(target);
    });
}
