#pragma once

#include "ui/CommonDialog.h"

#include <QWidget>

class QPlainTextEdit;
class QTableView;
class SendLog;
class Settings;

// The send log on screen, beside the main window and not modal: one row per
// send; the selected row's bytes below as hex and text. Copy takes the
// selected row with its bytes (the whole log when none is), Save As writes
// the whole log as plain text.
class LogWindow : public QWidget
{
    Q_OBJECT
public:
    LogWindow(SendLog &log, Settings &settings, QWidget *parent = nullptr);

signals:
    // The user asked for every remembered value to go back to its start.
    void resetRequested();

private:
    void showSelectedBytes();
    void copySelected();
    void saveAs();

    SendLog &m_log;
    CommonDialog m_saveDialog;
    QTableView *m_table;
    QPlainTextEdit *m_bytes;
};
