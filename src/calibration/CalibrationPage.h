#pragma once

#include "operation/OperationBuilders.h"
#include "printer/CalibrationBlocks.h"
#include "ui/PageServices.h"

#include <QWidget>

#include <memory>

class QComboBox;

namespace Ui
{
class CalibrationPage;
}

// The Calibration tab: media calibration and the two test labels.
class CalibrationPage : public QWidget
{
    Q_OBJECT
public:
    explicit CalibrationPage(PageServices services, QWidget *parent = nullptr);
    ~CalibrationPage() override;

private:
    void fillLists();
    void connectControls();
    // Nothing here may be used while the window is busy.
    void updateEnabled();

    void checkIndexType();
    void checkPrintType();
    void checkRibbon();
    void calibrate();
    void printTestLabel();
    // Runs what was built, or shows why it was refused.
    void run(const OperationBuilders::Built &built);

    // Refuses a text outside the choice: message, then the fallback text,
    // whose own change notification passes the check.
    void check(QComboBox *combo, const CalibrationBlocks::Choice &choice);

    PageServices m_services;
    std::unique_ptr<Ui::CalibrationPage> ui;
};
