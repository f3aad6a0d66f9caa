#include "app/AboutPage.h"

AboutPage::AboutPage(PageServices services, QWidget *parent) : QWidget(parent), m_services(services)
{
    setObjectName(QStringLiteral("AboutPage"));
}

AboutPage::~AboutPage() = default;
