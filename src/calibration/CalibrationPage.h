#pragma once

#include "app/PageServices.h"

#include <QWidget>

// The Calibration tab: media calibration and the two test labels.
class CalibrationPage : public QWidget
{
    Q_OBJECT
public:
    explicit CalibrationPage(PageServices services, QWidget *parent = nullptr);
    ~CalibrationPage() override;

private:
    PageServices m_services;
};
