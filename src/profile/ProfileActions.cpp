#include "profile/ProfileActions.h"

#include "config/ConfigPage.h"
#include "profile/ProfileFile.h"
#include "ui/Dialogs.h"

#include <QPushButton>

ProfileActions::ProfileActions(QWidget *window, ConfigPage &page, CommonDialog &dialog)
    : QObject(&page), m_window(window), m_page(page), m_dialog(dialog)
{
    connect(page.ExportCMD(), &QPushButton::clicked, this, &ProfileActions::onExportCmdClicked);
    connect(page.LoadCMD(), &QPushButton::clicked, this, &ProfileActions::onLoadCmdClicked);
}

void ProfileActions::onExportCmdClicked()
{
    ProfileFile(m_window, m_page).FileSave(m_dialog);
}

void ProfileActions::onLoadCmdClicked()
{
    if (!ProfileFile(m_window, m_page).FileLoad(m_dialog))
        Dialogs::showMessage(m_window, QStringLiteral("Error Opening File"),
                             QStringLiteral("Load Configuration"));
}
