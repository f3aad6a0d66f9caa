#pragma once

#include <QString>

namespace WindowTitle
{
// The main window's title at rest, and the name of the utility.
inline const QString plain = QStringLiteral("Varimonde Printer Setup Utility");
} // namespace WindowTitle
