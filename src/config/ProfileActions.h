#pragma once

#include <QObject>

class CommonDialog;
class ConfigPage;
class QWidget;

// What the profile buttons of the configuration tab do: "E&xport Profile"
// saves the tab to a file, "&Import Profile" loads one back.
class ProfileActions : public QObject
{
    Q_OBJECT
public:
    ProfileActions(QWidget *window, ConfigPage &page, CommonDialog &dialog);

    void exportProfile();
    void importProfile();

private:
    QWidget *m_window;
    ConfigPage &m_page;
    CommonDialog &m_dialog;
};
