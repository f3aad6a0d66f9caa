#pragma once

#include <QString>

#include <cstddef>

// The SNMP library, made ready once per process for whoever uses it first
// (the reader or the virtual printers' agents): nothing read from the
// user's or the system's configuration files, nothing saved, no MIB files
// (numbers only), no log of its own.
namespace SnmpLibrary
{

void initialise();

// The master key (Ku) of a v3 pass phrase for SHA-1, at most USM_AUTH_KU_LEN
// bytes into `key`; false when the library cannot make it. A key takes a
// million bytes hashed, some milliseconds: each phrase is made once, not for
// each of a hundred printers asked or played at once on the event loop.
bool masterKey(const QString &pass, unsigned char *key, size_t *keyLength);

} // namespace SnmpLibrary
