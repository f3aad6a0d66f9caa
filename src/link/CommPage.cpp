#include "link/CommPage.h"

CommPage::CommPage(PageServices services, QWidget *parent) : QWidget(parent), m_services(services)
{
    setObjectName(QStringLiteral("CommPage"));
}

CommPage::~CommPage() = default;
