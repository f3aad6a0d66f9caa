#include "ui/CommonDialog.h"

#include "ui/Dialogs.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QRegularExpression>
#include <QStringList>

CommonDialog::CommonDialog(QWidget *parent, Settings &settings)
    : m_parent(parent), m_settings(settings)
{
}

QString CommonDialog::toQtFilter(const QString &filter)
{
    static const QRegularExpression trailingPatterns(QStringLiteral("\\s*\\([^()]*\\)\\s*$"));
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList qtFilters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns;
        for (const QString &pattern : parts[i + 1].split(QLatin1Char(';'))) {
            const QString trimmed = pattern.trimmed();
            if (trimmed.isEmpty())
                continue;
            // Qt matches "*.*" only against names with a dot.
            patterns << (trimmed == QLatin1String("*.*") ? QStringLiteral("*") : trimmed);
        }
        if (patterns.isEmpty())
            patterns << QStringLiteral("*");
        QString description = parts[i];
        description.remove(trailingPatterns);
        description = description.trimmed();
        // Brackets and ";;" inside the description would confuse Qt's own
        // reading of the filter list.
        description.remove(QLatin1Char('(')).remove(QLatin1Char(')'));
        while (description.contains(QLatin1String(";;")))
            description.replace(QLatin1String(";;"), QLatin1String(";"));
        qtFilters << QStringLiteral("%1 (%2)")
                         .arg(description, patterns.join(QLatin1Char(' ')))
                         .trimmed();
    }
    return qtFilters.join(QStringLiteral(";;"));
}

std::optional<Failure> CommonDialog::showOpen()
{
    return show(false);
}

std::optional<Failure> CommonDialog::showSave()
{
    return show(true);
}

bool CommonDialog::chooseFileToRead(const QString &filter, Settings::Folder kind)
{
    m_folder = kind;
    m_filter = filter;
    m_cancelError = true;
    if (const std::optional<Failure> failure = showOpen()) {
        if (failure->code != FailureCode::DialogCancelled)
            Dialogs::showFailure(m_parent, *failure);
        return false;
    }
    return true;
}

QFileDialog &CommonDialog::dialog()
{
    // One dialog serves every show: a dialog destroyed writes its own
    // settings file to disk, synced, which would hold the window for tens of
    // milliseconds just as the chosen file is being read.
    if (!m_dialog) {
        m_dialog = new QFileDialog(m_parent);
        m_dialog->setObjectName(QStringLiteral("CommonDialog1"));
    }
    return *m_dialog;
}

// No name typed or picked in the last show carries over to another kind of
// file. The dialog offers no call for this; its name box and file list are
// found by the names they have had in every Qt release.
static void forgetLastChoice(QFileDialog &dialog)
{
    if (auto *typed = dialog.findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
        typed->clear();
    if (auto *files = dialog.findChild<QAbstractItemView *>(QStringLiteral("listView")))
        files->clearSelection();
}

std::optional<Failure> CommonDialog::show(bool forSaving)
{
    QFileDialog &dialog = this->dialog();
    dialog.setAcceptMode(forSaving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(forSaving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    const QString qtFilter = toQtFilter(m_filter);
    if (!qtFilter.isEmpty())
        dialog.setNameFilter(qtFilter);
    QString suffix = m_defaultExt;
    if (suffix.startsWith(QLatin1Char('.')))
        suffix.remove(0, 1);
    dialog.setDefaultSuffix(suffix);
    // Each kind of file opens where the last one of its kind came from:
    // firmware images and profiles rarely share a folder. The name proposed
    // is offered only where it lives, or, bare, wherever the dialog opens.
    const QString folder = m_settings.lastFolder(m_folder);
    dialog.setDirectory(folder);
    const QFileInfo proposed(m_fileName);
    if (!m_fileName.isEmpty() &&
        (!proposed.isAbsolute() || proposed.absolutePath() == QDir(folder).absolutePath())) {
        dialog.selectFile(proposed.fileName());
    } else {
        forgetLastChoice(dialog);
    }
    const int answer = dialog.exec();
    // The name box's list of completions is a window of its own, left open
    // by Enter: it would outlive the kept dialog and take the next click.
    if (auto *typed = dialog.findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))) {
        if (QCompleter *completer = typed->completer())
            completer->popup()->hide();
    }
    if (answer != QDialog::Accepted) {
        if (m_cancelError)
            return Failures::dialogCancelled();
        m_fileName.clear();
        return std::nullopt;
    }
    const QStringList chosen = dialog.selectedFiles();
    m_fileName = chosen.isEmpty() ? QString() : chosen.first();
    if (!m_fileName.isEmpty())
        m_settings.setLastFolder(m_folder, QFileInfo(m_fileName).absolutePath());
    return std::nullopt;
}
