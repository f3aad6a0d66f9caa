#include "config/ConfigPage.h"

ConfigPage::ConfigPage(PageServices services, QWidget *parent)
    : QWidget(parent), m_services(services)
{
    setObjectName(QStringLiteral("ConfigPage"));
}

ConfigPage::~ConfigPage() = default;
