#include "calibration/CalibrationPage.h"

CalibrationPage::CalibrationPage(PageServices services, QWidget *parent)
    : QWidget(parent), m_services(services)
{
    setObjectName(QStringLiteral("CalibrationPage"));
}

CalibrationPage::~CalibrationPage() = default;
