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

} // namespace ComboLists
