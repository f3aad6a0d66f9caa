#pragma once

#include <QCoreApplication>

// The command line's own texts, translated as the window's are. What a
// script reads (JSON, reports, exit codes) never goes through it. It lives
// here because checks below the command line (the SNMP secrets file, read
// by the virtual printers too) word their refusals with it.
class CommandLineText
{
    Q_DECLARE_TR_FUNCTIONS(CommandLineText)
};
