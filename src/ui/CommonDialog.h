#pragma once

#include "common/Failure.h"

#include <QString>

#include <optional>

class QWidget;

// The one file dialog of the main window, shared by every caller. What one
// caller sets (filter, default extension, proposed name, cancel handling)
// stays set for the next, as with any shared control.
class CommonDialog
{
public:
    explicit CommonDialog(QWidget *parent);

    // "Description|pattern;pattern|Description|pattern".
    QString Filter;
    // Added to a typed name that has no extension, for example ".vsp".
    QString DefaultExt;
    // The proposed name when the dialog opens; after OK the chosen path.
    QString FileName;
    // When true, Cancel ends the show with the failure DialogCancelled.
    bool CancelError = false;

    std::optional<Failure> ShowOpen();
    std::optional<Failure> ShowSave();

    // The open dialog for `filter` with Cancel as a failure, as the pages
    // that read a file show it. True when the dialog was accepted (FileName
    // may still be empty); any failure but Cancel has been reported.
    bool chooseFileToRead(const QString &filter);

    // The filter in Qt's form: "Pictures (*.bmp;*.pcx)|*.bmp;*.pcx" becomes
    // "Pictures (*.bmp *.pcx)", and "*.*" matches every file.
    static QString toQtFilter(const QString &filter);

private:
    std::optional<Failure> show(bool forSaving);

    QWidget *m_parent;
};
