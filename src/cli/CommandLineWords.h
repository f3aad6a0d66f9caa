#pragma once

#include "common/CommandLineText.h"

#include <QString>

// The window and the command line share every check and its message; where
// a message tells the user what to do in the window (a tab, a button, a
// dialog), the command line says what to do with its own options instead.
// The window's words stay exactly as they are.
namespace CommandLineWords
{

QString of(const QString &windowText);

} // namespace CommandLineWords
