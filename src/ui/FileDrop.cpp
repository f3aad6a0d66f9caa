#include "ui/FileDrop.h"

#include "ui/Dialogs.h"

#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QTimer>
#include <QWidget>

FileDrop::FileDrop(QWidget *target, QWidget *standsFor, QWidget *window,
                   std::function<void(const QString &)> use)
    : QObject(target), m_standsFor(standsFor), m_window(window), m_use(std::move(use))
{
    target->setAcceptDrops(true);
    target->installEventFilter(this);
}

QString FileDrop::singleFile(QWidget *window, const QMimeData *data)
{
    const QList<QUrl> urls = data->urls();
    QString refusal;
    if (urls.size() != 1) {
        refusal = tr("Drop one file at a time.");
    } else if (!urls.first().isLocalFile()) {
        refusal = tr("%1 is not a file on this computer: drop a file.")
                      .arg(urls.first().toDisplayString());
    } else {
        const QString path = urls.first().toLocalFile();
        if (!QFileInfo(path).isDir())
            return path;
        refusal = tr("%1 is a folder: drop a file.").arg(QDir::toNativeSeparators(path));
    }
    Dialogs::showMessage(window, refusal);
    return QString();
}

bool FileDrop::eventFilter(QObject *, QEvent *event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto *drag = static_cast<QDropEvent *>(event);
        // Only what carries file names; the refusal of several comes on the drop.
        if (!drag->mimeData()->hasUrls() || !m_standsFor->isEnabled())
            return false;
        drag->acceptProposedAction();
        return true;
    }
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        if (!drop->mimeData()->hasUrls() || !m_standsFor->isEnabled())
            return false;
        drop->acceptProposedAction();
        // The mime data goes with the event: take the URLs now.
        auto copy = std::make_shared<QMimeData>();
        copy->setUrls(drop->mimeData()->urls());
        QTimer::singleShot(0, this, [this, copy] {
            if (!m_standsFor->isEnabled())
                return;
            const QString path = singleFile(m_window, copy.get());
            if (!path.isEmpty())
                m_use(path);
        });
        return true;
    }
    default:
        return false;
    }
}
