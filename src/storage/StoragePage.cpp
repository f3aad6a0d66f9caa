#include "storage/StoragePage.h"

StoragePage::StoragePage(PageServices services, QWidget *parent)
    : QWidget(parent), m_services(services)
{
    setObjectName(QStringLiteral("StoragePage"));
}

StoragePage::~StoragePage() = default;
