#pragma once

#include "common/Failure.h"
#include "ui/Settings.h"

#include <QPointer>
#include <QString>

#include <optional>

class QFileDialog;
class QWidget;

// The one file dialog of the main window, shared by every caller. What one
// caller sets (filter, default extension, proposed name, cancel handling)
// stays set for the next, as with any shared control.
class CommonDialog
{
public:
    CommonDialog(QWidget *parent, Settings &settings);

    // The kind of file the next show is for: it opens in the folder last
    // chosen from for that kind (else the user's home), and remembers the
    // folder of the file chosen.
    Settings::Folder folder() const { return m_folder; }
    void setFolder(Settings::Folder kind) { m_folder = kind; }

    // "Description|pattern;pattern|Description|pattern".
    QString filter() const { return m_filter; }
    void setFilter(const QString &filter) { m_filter = filter; }
    // Added to a typed name that has no extension, for example ".vsp".
    QString defaultExt() const { return m_defaultExt; }
    void setDefaultExt(const QString &extension) { m_defaultExt = extension; }
    // The proposed name when the dialog opens; after OK the chosen path.
    QString fileName() const { return m_fileName; }
    void setFileName(const QString &name) { m_fileName = name; }
    // When true, Cancel ends the show with the failure DialogCancelled.
    bool cancelError() const { return m_cancelError; }
    void setCancelError(bool cancelError) { m_cancelError = cancelError; }

    std::optional<Failure> showOpen();
    std::optional<Failure> showSave();

    // The open dialog for `filter` with Cancel as a failure, as the pages
    // that read a file show it. True when the dialog was accepted (FileName
    // may still be empty); any failure but Cancel has been reported.
    bool chooseFileToRead(const QString &filter, Settings::Folder kind);

    // The filter in Qt's form: "Pictures (*.bmp;*.pcx)|*.bmp;*.pcx" becomes
    // "Pictures (*.bmp *.pcx)", and "*.*" matches every file.
    static QString toQtFilter(const QString &filter);

private:
    std::optional<Failure> show(bool forSaving);
    QFileDialog &dialog();

    QWidget *m_parent;
    QPointer<QFileDialog> m_dialog; // a child of m_parent, made at the first show
    Settings &m_settings;
    Settings::Folder m_folder = Settings::Folder::Firmware;
    QString m_filter;
    QString m_defaultExt;
    QString m_fileName;
    bool m_cancelError = false;
};
