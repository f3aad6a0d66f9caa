#include "firmware/BinaryPage.h"

BinaryPage::BinaryPage(PageServices services, QWidget *parent)
    : QWidget(parent), m_services(services)
{
    setObjectName(QStringLiteral("BinaryPage"));
}

BinaryPage::~BinaryPage() = default;
