#include "comm/PortCombo.h"

#include <QAbstractItemView>

void PortCombo::showPopup()
{
    emit aboutToShowPopup();
    // A device path with its description can be wider than the box.
    int widest = 0;
    for (int row = 0; row < count(); ++row)
        widest = std::max(widest, fontMetrics().horizontalAdvance(itemText(row)));
    view()->setMinimumWidth(widest + 2 * fontMetrics().averageCharWidth());
    QComboBox::showPopup();
}
