#pragma once

#include <QComboBox>

// A combo box listing ports that come and go: it says when its list is
// about to open, so that the list can be brought up to date first.
class PortCombo : public QComboBox
{
    Q_OBJECT
public:
    using QComboBox::QComboBox;

    void showPopup() override;

signals:
    void aboutToShowPopup();
};
