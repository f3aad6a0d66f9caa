#pragma once

#include <QObject>
#include <QPointer>

#include <functional>

class QMimeData;
class QWidget;

// Lets files be dropped on `target`: one local file is handed to `use`, as
// if chosen in the file dialog; several files, a folder or anything not a
// file on this computer are refused with a message. `use` runs once the
// drop has ended, so that the program dragged from is not kept waiting
// while the file is read or a box is shown. A drop is taken only while the
// button it stands for could be pressed: a file read while its bytes are
// being sent would pull them away from under the transfer.
class FileDrop : public QObject
{
    Q_OBJECT
public:
    FileDrop(QWidget *target, QWidget *standsFor, QWidget *window,
             std::function<void(const QString &)> use);

    // The one file `data` carries, or an empty text after telling why it
    // cannot be used.
    static QString singleFile(QWidget *window, const QMimeData *data);

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPointer<QWidget> m_standsFor;
    QPointer<QWidget> m_window;
    std::function<void(const QString &)> m_use;
};
