#include "discovery/SnmpLibrary.h"

#include <QByteArray>
#include <QHash>

#include <mutex>

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

namespace SnmpLibrary
{

void initialise()
{
    static std::once_flag initialised;
    std::call_once(initialised, [] {
        netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_READ_CONFIGS, 1);
        netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_LOAD, 1);
        netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_SAVE, 1);
        netsnmp_ds_set_int(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_OID_OUTPUT_FORMAT,
                           NETSNMP_OID_OUTPUT_NUMERIC);
        qputenv("MIBS", "");
        netsnmp_set_mib_directory("");
        snmp_disable_log();
        init_snmp("varimonde-setup");
        // With no handler at all the library writes to standard error, names
        // from the network as they came (an agent's "Authentication failed
        // for <user>"): one that drops every line.
        snmp_disable_log();
        netsnmp_register_loghandler(NETSNMP_LOGHANDLER_NONE, LOG_DEBUG);
    });
}

bool masterKey(const QString &pass, unsigned char *key, size_t *keyLength)
{
    static std::mutex guard;
    static QHash<QString, QByteArray> made;
    std::lock_guard<std::mutex> lock(guard);
    auto found = made.constFind(pass);
    if (found == made.cend()) {
        *keyLength = USM_AUTH_KU_LEN;
        QByteArray bytes = pass.toUtf8();
        if (generate_Ku(usmHMACSHA1AuthProtocol, USM_AUTH_PROTO_SHA_LEN,
                        reinterpret_cast<u_char *>(bytes.data()), size_t(bytes.size()), key,
                        keyLength) != SNMPERR_SUCCESS)
            return false;
        // Only the phrases of this run: a few.
        if (made.size() >= 16)
            made.clear();
        found = made.insert(pass, QByteArray(reinterpret_cast<const char *>(key), int(*keyLength)));
    }
    std::copy(found->cbegin(), found->cend(), key);
    *keyLength = size_t(found->size());
    return true;
}

} // namespace SnmpLibrary
