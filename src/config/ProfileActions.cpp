#include "config/ProfileActions.h"

#include "config/ConfigPage.h"
#include "config/ProfileFile.h"
#include "ui/Dialogs.h"

ProfileActions::ProfileActions(QWidget *window, ConfigPage &page, CommonDialog &dialog)
    : QObject(&page), m_window(window), m_page(page), m_dialog(dialog)
{
    connect(&page, &ConfigPage::exportRequested, this, &ProfileActions::exportProfile);
    connect(&page, &ConfigPage::importRequested, this, &ProfileActions::importProfile);
}

// A profile saved or loaded whole is the settings' record: quitting then
// loses nothing.
void ProfileActions::exportProfile()
{
    if (ProfileFile(m_window, m_page).exportProfile(m_dialog))
        m_page.settle();
}

void ProfileActions::importProfile()
{
    if (ProfileFile(m_window, m_page).importProfile(m_dialog))
        m_page.settle();
    else
        Dialogs::showMessage(m_window, tr("Error Opening File"), tr("Load Configuration"));
}
