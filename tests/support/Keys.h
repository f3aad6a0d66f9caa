#pragma once

#include <QMap>
#include <QTest>

// Types `keys` into `widget` one key at a time: "^" selects all, "<" deletes
// backwards, "|" and ">" go to the start and the end; any other character
// is typed as it is.
inline void typeKeys(QWidget *widget, const QString &keys)
{
    const QMap<QChar, QPair<Qt::Key, Qt::KeyboardModifiers>> special = {
        {'^', {Qt::Key_A, Qt::ControlModifier}},
        {'<', {Qt::Key_Backspace, {}}},
        {'|', {Qt::Key_Home, {}}},
        {'>', {Qt::Key_End, {}}}};
    for (const QChar key : keys) {
        if (special.contains(key))
            QTest::keyClick(widget, special[key].first, special[key].second);
        else
            QTest::keyClick(widget, key.toLatin1());
    }
}
