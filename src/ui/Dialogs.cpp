#include "ui/Dialogs.h"

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

void showFailure(QWidget *parent, const Failure &failure)
{
    QMessageBox box(QMessageBox::NoIcon, failure.boxTitle(), failure.boxText(), QMessageBox::Ok,
                    parent);
    box.setObjectName(QStringLiteral("MessageBox"));
    // A box with a fixed text of its own says why below it.
    if (!failure.boxText().contains(failure.description))
        box.setInformativeText(failure.description);
    box.exec();
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

bool sendAnyway(QWidget *parent, const QString &text, const QString &title)
{
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Cancel, parent);
    box.setObjectName(QStringLiteral("MessageBox"));
    box.setTextFormat(Qt::PlainText);
    QPushButton *send = box.addButton(QStringLiteral("Send Anyway"), QMessageBox::AcceptRole);
    send->setObjectName(QStringLiteral("SendAnywayButton"));
    box.setDefaultButton(QMessageBox::Cancel);
    box.exec();
    return box.clickedButton() == send;
}

int choose(QWidget *parent, const QString &text, const QString &title, const QStringList &buttons,
           int defaultIndex)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::NoButton, parent);
    box.setObjectName(QStringLiteral("MessageBox"));
    box.setTextFormat(Qt::PlainText);
    QList<QPushButton *> pressed;
    for (int i = 0; i < buttons.size(); ++i)
        pressed << box.addButton(buttons[i], i + 1 < buttons.size() ? QMessageBox::AcceptRole
                                                                    : QMessageBox::RejectRole);
    box.setDefaultButton(pressed.value(defaultIndex));
    box.setEscapeButton(pressed.value(buttons.size() - 1));
    box.exec();
    const int chosen = int(pressed.indexOf(qobject_cast<QPushButton *>(box.clickedButton())));
    return chosen < 0 ? int(buttons.size()) - 1 : chosen;
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
