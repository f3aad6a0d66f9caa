#pragma once

#include <QComboBox>
#include <QSignalBlocker>
#include <QStringList>

namespace ComboLists
{

// Fills an editable combo box's list and shows a starting text that is not
// a selection from the list. Filling is not an edit: no check runs.
inline void fill(QComboBox *combo, const QStringList &items, const QString &text)
{
    const QSignalBlocker quiet(combo);
    combo->addItems(items);
    combo->setCurrentIndex(-1);
    combo->setEditText(text);
}

// The value of what the box shows: the data of the entry picked from the
// list while its text is shown, else the text as typed.
inline QString value(const QComboBox *combo)
{
    const int row = combo->currentIndex();
    const QVariant data = combo->itemData(row);
    return row >= 0 && data.isValid() && combo->itemText(row) == combo->currentText()
               ? data.toString()
               : combo->currentText();
}

} // namespace ComboLists
