#include "discovery/SnmpLibrary.h"

#include <QByteArray>

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
        snmp_disable_log();
    });
}

} // namespace SnmpLibrary
