#include "ui/Dialogs.h"

#include <QCoreApplication>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

namespace Dialogs
{

void showMessage(QWidget *parent, const QString &text, const QString &title)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("MessageBox"));
    // Texts carry file names and typed answers, which must show as typed,
    // never as markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

namespace
{

void fillFailure(QMessageBox &box, const Failure &failure)
{
    box.setObjectName(QStringLiteral("MessageBox"));
    // A box with a fixed text of its own says why below it.
    if (!failure.boxText().contains(failure.shown()))
        box.setInformativeText(failure.shown());
}

QPushButton *fillSendAnyway(QMessageBox &box)
{
    box.setObjectName(QStringLiteral("MessageBox"));
    box.setTextFormat(Qt::PlainText);
    QPushButton *send = box.addButton(QCoreApplication::translate("Dialogs", "Send Anyway"),
                                      QMessageBox::AcceptRole);
    send->setObjectName(QStringLiteral("SendAnywayButton"));
    box.setDefaultButton(QMessageBox::Cancel);
    return send;
}

QList<QPushButton *> fillChoice(QMessageBox &box, const QStringList &buttons, int defaultIndex = 0)
{
    box.setObjectName(QStringLiteral("MessageBox"));
    box.setTextFormat(Qt::PlainText);
    QList<QPushButton *> pressed;
    for (int i = 0; i < buttons.size(); ++i)
        pressed << box.addButton(buttons[i], i + 1 < buttons.size() ? QMessageBox::AcceptRole
                                                                    : QMessageBox::RejectRole);
    box.setDefaultButton(pressed.value(defaultIndex));
    box.setEscapeButton(pressed.value(buttons.size() - 1));
    return pressed;
}

int chosenIndex(const QMessageBox &box, const QList<QPushButton *> &pressed)
{
    const int chosen = int(pressed.indexOf(qobject_cast<QPushButton *>(box.clickedButton())));
    return chosen < 0 ? int(pressed.size()) - 1 : chosen;
}

// A box opened from the event loop: it lives until it is answered, and
// `answered` runs then, with the box still there to be read.
void openLater(QMessageBox *box, std::function<void(QMessageBox &)> answered)
{
    box->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(box, &QDialog::finished, box,
                     [box, answered = std::move(answered)](int) { answered(*box); });
    box->open();
}

} // namespace

void showFailure(QWidget *parent, const Failure &failure)
{
    QMessageBox box(QMessageBox::NoIcon, failure.boxTitle(), failure.boxText(), QMessageBox::Ok,
                    parent);
    fillFailure(box, failure);
    box.exec();
}

void openFailure(QWidget *parent, const Failure &failure, std::function<void()> closed)
{
    auto *box = new QMessageBox(QMessageBox::NoIcon, failure.boxTitle(), failure.boxText(),
                                QMessageBox::Ok, parent);
    fillFailure(*box, failure);
    openLater(box, [closed = std::move(closed)](QMessageBox &) {
        if (closed)
            closed();
    });
}

bool confirm(QWidget *parent, const QString &text, const QString &title)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Ok | QMessageBox::Cancel,
                    parent);
    box.setObjectName(QStringLiteral("MessageBox"));
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Cancel);
    return box.exec() == QMessageBox::Ok;
}

void openSendAnyway(QWidget *parent, const QString &text, const QString &title,
                    std::function<void(bool)> answered)
{
    auto *box = new QMessageBox(QMessageBox::Warning, title, text, QMessageBox::Cancel, parent);
    QPushButton *send = fillSendAnyway(*box);
    openLater(box, [send, answered = std::move(answered)](QMessageBox &box) {
        answered(box.clickedButton() == send);
    });
}

int choose(QWidget *parent, const QString &text, const QString &title, const QStringList &buttons,
           int defaultIndex)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::NoButton, parent);
    const QList<QPushButton *> pressed = fillChoice(box, buttons, defaultIndex);
    box.exec();
    return chosenIndex(box, pressed);
}

void openChoice(QWidget *parent, const QString &text, const QString &title,
                const QStringList &buttons, std::function<void(int)> answered)
{
    auto *box = new QMessageBox(QMessageBox::Question, title, text, QMessageBox::NoButton, parent);
    const QList<QPushButton *> pressed = fillChoice(*box, buttons);
    openLater(box, [pressed, answered = std::move(answered)](QMessageBox &box) {
        answered(chosenIndex(box, pressed));
    });
}

QString inputBox(QWidget *parent, const QString &prompt, const QString &title,
                 const QString &proposed)
{
    QInputDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("InputBox"));
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    if (auto *label = dialog.findChild<QLabel *>())
        label->setTextFormat(Qt::PlainText);
    dialog.setTextValue(proposed);
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return dialog.textValue();
}

} // namespace Dialogs
