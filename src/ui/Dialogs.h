#pragma once

#include "common/Failure.h"

#include <QString>
#include <QStringList>

class QWidget;

// The program's modal boxes, so that their look is decided in one place.
namespace Dialogs
{

// The title a box shows when its caller gives none.
inline const QString applicationTitle = QStringLiteral("Labelsmithy");

// A modal message with an OK button alone and no icon; the text is shown
// as plain text.
void showMessage(QWidget *parent, const QString &text, const QString &title = applicationTitle);

// A modal message reporting a failure: its box text and title, and below a
// fixed box text the description of what went wrong.
void showFailure(QWidget *parent, const Failure &failure);

// A modal question with OK and Cancel, Cancel the default; true on OK.
bool confirm(QWidget *parent, const QString &text, const QString &title = applicationTitle);

// A modal warning with "Send Anyway" and Cancel, Cancel the default; true
// on "Send Anyway".
bool sendAnyway(QWidget *parent, const QString &text, const QString &title);

// A modal question with a button for each of `buttons`, the last one
// Cancel (also Esc); returns the index of the button pressed, the last
// one's on Esc. The button at `defaultIndex` is the default (Enter).
int choose(QWidget *parent, const QString &text, const QString &title, const QStringList &buttons,
           int defaultIndex = 0);

// A modal input box; returns the typed text, or an empty text on Cancel.
QString inputBox(QWidget *parent, const QString &prompt, const QString &title,
                 const QString &proposed = QString());

} // namespace Dialogs
