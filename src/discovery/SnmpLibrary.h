#pragma once

// The SNMP library, made ready once per process for whoever uses it first
// (the reader or the virtual printers' agents): nothing read from the
// user's or the system's configuration files, nothing saved, no MIB files
// (numbers only), no log of its own.
namespace SnmpLibrary
{

void initialise();

} // namespace SnmpLibrary
