#pragma once

#include <QString>

class QTabBar;
class QWidget;

// What a screen reader is told about the window's controls, beyond what Qt
// finds by itself from labels and buddies.
namespace Accessible
{

// A label's words as spoken: without its mnemonic marks, without the colon
// and spaces that end it on screen.
QString spokenText(const QString &label);

// Names the parts Qt leaves nameless, within `root`: a combo box's list and
// edit field take the combo box's name, which a label for it gives when it
// has none of its own. Called once a form's texts are set, so the names are
// in the window's language.
void nameParts(QWidget *root);

// Interfaces of our own where Qt's fall short: option buttons whose Toggle
// action clicks them, as a click is what the pages answer. Before the
// first window is made.
void install();

// Page tabs that say which of them is selected, and tell when that changes:
// Qt reports them as focused at most.
void reportSelectedTab(QTabBar *bar);

} // namespace Accessible
