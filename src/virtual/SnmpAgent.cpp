#include "virtual/SnmpAgent.h"

#include "discovery/PrinterState.h"
#include "discovery/SnmpLibrary.h"
#include "discovery/SnmpReader.h"
#include "virtual/PrinterModel.h"

#include <QDateTime>
#include <QSocketNotifier>
#include <QTimer>

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>
// After the two above, which they need first.
#include <net-snmp/library/keytools.h>
#include <net-snmp/library/lcd_time.h>
#include <net-snmp/library/snmpusm.h>
#include <net-snmp/library/snmpv3.h>

#include <algorithm>

#include <sys/socket.h>

namespace
{

using Oid = std::vector<unsigned long>;
using Condition = PrinterModel::Condition;

Oid join(Oid prefix, std::initializer_list<unsigned long> rest)
{
    prefix.insert(prefix.end(), rest);
    return prefix;
}

const Oid systemGroup{1, 3, 6, 1, 2, 1, 1};
const Oid hrDeviceEntry{1, 3, 6, 1, 2, 1, 25, 3, 2, 1};
const Oid hrPrinterEntry{1, 3, 6, 1, 2, 1, 25, 3, 5, 1};
const Oid printerMib{1, 3, 6, 1, 2, 1, 43};
// hrDeviceTypes.hrDevicePrinter
const Oid printerDeviceType{1, 3, 6, 1, 2, 1, 25, 3, 1, 5};
// An experimental arc: the virtual printers are no maker's product.
const Oid virtualPrinterObject{1, 3, 6, 1, 3, 9100, 1};

SnmpAgent::Value text(Oid name, const QString &value)
{
    return {std::move(name), ASN_OCTET_STR, value.toUtf8()};
}

SnmpAgent::Value integer(Oid name, long value, unsigned char type = ASN_INTEGER)
{
    return {std::move(name), type,
            QByteArray(reinterpret_cast<const char *>(&value), sizeof value)};
}

SnmpAgent::Value objectId(Oid name, const Oid &value)
{
    QByteArray bytes;
    for (unsigned long part : value) {
        const oid number = part;
        bytes.append(reinterpret_cast<const char *>(&number), sizeof number);
    }
    return {std::move(name), ASN_OBJECT_ID, bytes};
}

// An alert of the Printer MIB's table: severity (critical 3, warning 4),
// group (input 8, marker 10, general 5), code, description.
struct Alert {
    Condition condition;
    PrinterState::Condition bit;
    long severity;
    long group;
    long code;
    const char *description;
};

constexpr Alert alerts[] = {
    {Condition::PaperLow, PrinterState::LowPaper, 4, 8, 807, "Paper low"},
    {Condition::NoPaper, PrinterState::NoPaper, 3, 8, 808, "Paper out"},
    {Condition::RibbonOut, PrinterState::NoToner, 3, 10, 1103, "Ribbon out"},
    {Condition::HeadOpen, PrinterState::DoorOpen, 3, 5, 3, "Head open"},
    {Condition::Jammed, PrinterState::Jammed, 3, 5, 8, "Paper jam"},
    {Condition::Paused, PrinterState::Offline, 3, 5, 22, "Paused"},
};

const Alert *alertOf(Condition condition)
{
    for (const Alert &alert : alerts) {
        if (alert.condition == condition)
            return &alert;
    }
    return nullptr;
}

} // namespace

QByteArray SnmpAgent::errorBits(const PrinterModel &model)
{
    QByteArray bits(2, '\0');
    if (const Alert *alert = alertOf(model.condition()))
        bits[alert->bit / 8] = char(uchar(bits[alert->bit / 8]) | (0x80 >> (alert->bit % 8)));
    return bits;
}

std::vector<SnmpAgent::Value> SnmpAgent::tree(const PrinterModel &model, qint64 upTimeCs)
{
    const Alert *alert = alertOf(model.condition());
    // hrPrinterStatus: idle 3, warmup 5, other 1 when it cannot print;
    // hrDeviceStatus: running 2, warning 3, down 5.
    long printerStatus = 3;
    long deviceStatus = 2;
    if (model.restarting) {
        printerStatus = 5;
    } else if (alert && alert->severity == 3) {
        printerStatus = 1;
        deviceStatus = 5;
    } else if (alert) {
        deviceStatus = 3;
    }
    const QString description = QStringLiteral("Varimonde virtual label printer");
    std::vector<Value> values{
        text(join(systemGroup, {1, 0}), description),
        objectId(join(systemGroup, {2, 0}), virtualPrinterObject),
        integer(join(systemGroup, {3, 0}), long(upTimeCs), ASN_TIMETICKS),
        text(join(systemGroup, {4, 0}), QString()),
        text(join(systemGroup, {5, 0}), QStringLiteral("virtual-") + model.name()),
        text(join(systemGroup, {6, 0}), QStringLiteral("loopback")),
        integer(join(systemGroup, {7, 0}), 72),
        integer(join(hrDeviceEntry, {1, 1}), 1),
        objectId(join(hrDeviceEntry, {2, 1}), printerDeviceType),
        text(join(hrDeviceEntry, {3, 1}), description),
        integer(join(hrDeviceEntry, {5, 1}), deviceStatus),
        integer(join(hrPrinterEntry, {1, 1}), printerStatus),
        text(join(hrPrinterEntry, {2, 1}), QString()),
        text(join(printerMib, {5, 1, 1, 17, 1}), model.serialNumber),
        text(join(printerMib, {8, 2, 1, 12, 1, 1}),
             model.settings().value(QStringLiteral("FEED_TYPE"), QStringLiteral("GAP")) +
                 QStringLiteral(" labels")),
        integer(join(printerMib, {10, 2, 1, 4, 1, 1}), long(model.odometer() & 0xFFFFFFFF),
                ASN_COUNTER),
        text(join(printerMib, {16, 5, 1, 2, 1, 1}), model.display()),
    };
    // The error bits are bytes, not text.
    values[12].bytes = errorBits(model);
    if (alert) {
        const Oid entry = join(printerMib, {18, 1, 1});
        values.push_back(integer(join(entry, {2, 1, 1}), alert->severity));
        values.push_back(integer(join(entry, {4, 1, 1}), alert->group));
        values.push_back(integer(join(entry, {7, 1, 1}), alert->code));
        values.push_back(text(join(entry, {8, 1, 1}), QLatin1String(alert->description)));
    }
    return values;
}

SnmpAgent::SnmpAgent(PrinterModel &model, const QHostAddress &address, quint16 port,
                     QObject *parent)
    : QObject(parent), m_model(model), m_started(QDateTime::currentMSecsSinceEpoch())
{
    SnmpLibrary::initialise();
    const QByteArray endpoint =
        QStringLiteral("udp:%1:%2")
            .arg(address.protocol() == QAbstractSocket::IPv6Protocol
                     ? QLatin1Char('[') + address.toString() + QLatin1Char(']')
                     : address.toString())
            .arg(port)
            .toLatin1();
    netsnmp_transport *transport = netsnmp_transport_open_server("snmp", endpoint.constData());
    if (!transport) {
        m_failure = QStringLiteral("cannot open SNMP port %1").arg(QString::fromLatin1(endpoint));
        return;
    }
    netsnmp_session settings;
    snmp_sess_init(&settings);
    settings.version = SNMP_DEFAULT_VERSION;
    settings.callback = &SnmpAgent::received;
    settings.callback_magic = this;
    settings.isAuthoritative = SNMP_SESS_AUTHORITATIVE;
    // The library owns the transport from here, also when it fails.
    m_session = snmp_sess_add(&settings, transport, nullptr, nullptr);
    if (!m_session) {
        m_failure = QStringLiteral("cannot start SNMP on %1").arg(QString::fromLatin1(endpoint));
        return;
    }
    sockaddr_storage bound{};
    socklen_t length = sizeof bound;
    m_port = port;
    if (getsockname(transport->sock, reinterpret_cast<sockaddr *>(&bound), &length) == 0)
        m_port =
            ntohs(bound.ss_family == AF_INET6 ? reinterpret_cast<sockaddr_in6 *>(&bound)->sin6_port
                                              : reinterpret_cast<sockaddr_in *>(&bound)->sin_port);
    // An engine of its own for each printer, as each real printer has: a
    // format of "octets" (5) after the library's enterprise number, then the
    // agent's address and port, so that two agents of one process differ.
    m_engineId = QByteArray::fromHex("80001f8805");
    if (bound.ss_family == AF_INET6)
        m_engineId.append(
            reinterpret_cast<const char *>(&reinterpret_cast<sockaddr_in6 *>(&bound)->sin6_addr),
            16);
    else
        m_engineId.append(
            reinterpret_cast<const char *>(&reinterpret_cast<sockaddr_in *>(&bound)->sin_addr), 4);
    m_engineId.append(char(m_port >> 8)).append(char(m_port & 0xff));
    // The library checks a request's engine against those it keeps the time
    // of; all agents of the process share its boots and clock.
    set_enginetime(reinterpret_cast<const u_char *>(m_engineId.constData()),
                   u_int(m_engineId.size()), u_int(snmpv3_local_snmpEngineBoots()),
                   u_int(snmpv3_local_snmpEngineTime()), TRUE);
    m_notifier = new QSocketNotifier(transport->sock, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &SnmpAgent::readReady);
}

SnmpAgent::~SnmpAgent()
{
    delete m_notifier;
    dropUser();
    for (snmp_pdu *response : std::as_const(m_delayed))
        snmp_free_pdu(response);
    if (m_session)
        snmp_sess_close(m_session);
}

QString SnmpAgent::setUser(const QString &name, const QString &authPass, const QString &privPass)
{
    if (const QString problem = userProblem(name, authPass, privPass); !problem.isEmpty())
        return problem;
    if (name.isEmpty()) {
        dropUser();
        return {};
    }
    if (!m_session)
        return m_failure;

    const QByteArray userName = name.toUtf8();
    usmUser *user = usm_create_user();
    if (!user)
        return QStringLiteral("no memory for an SNMP user");
    user->name = strdup(userName.constData());
    user->secName = strdup(userName.constData());
    user->engineID =
        static_cast<u_char *>(netsnmp_memdup(m_engineId.constData(), size_t(m_engineId.size())));
    user->engineIDLen = size_t(m_engineId.size());
    user->userStatus = RS_ACTIVE;
    user->userStorageType = ST_READONLY;
    // A key is the pass phrase's master key, localised to this engine.
    const auto localise = [this](const QString &pass, u_char **key, size_t *length) {
        u_char master[USM_AUTH_KU_LEN];
        size_t masterLength = sizeof master;
        if (!SnmpLibrary::masterKey(pass, master, &masterLength))
            return false;
        *length = USM_LENGTH_KU_HASHBLOCK;
        *key = static_cast<u_char *>(calloc(1, *length));
        return *key && generate_kul(usmHMACSHA1AuthProtocol, USM_AUTH_PROTO_SHA_LEN,
                                    reinterpret_cast<const u_char *>(m_engineId.constData()),
                                    size_t(m_engineId.size()), master, masterLength, *key,
                                    length) == SNMPERR_SUCCESS;
    };
    bool made = user->name && user->secName && user->engineID;
    int level = SNMP_SEC_LEVEL_NOAUTH;
    if (made && !authPass.isEmpty()) {
        SNMP_FREE(user->authProtocol);
        user->authProtocol = snmp_duplicate_objid(usmHMACSHA1AuthProtocol, USM_AUTH_PROTO_SHA_LEN);
        user->authProtocolLen = USM_AUTH_PROTO_SHA_LEN;
        made = user->authProtocol && localise(authPass, &user->authKey, &user->authKeyLen);
        level = SNMP_SEC_LEVEL_AUTHNOPRIV;
    }
    if (made && !privPass.isEmpty()) {
        SNMP_FREE(user->privProtocol);
        user->privProtocol = snmp_duplicate_objid(usmAESPrivProtocol, USM_PRIV_PROTO_AES_LEN);
        user->privProtocolLen = USM_PRIV_PROTO_AES_LEN;
        made = user->privProtocol && localise(privPass, &user->privKey, &user->privKeyLen);
        level = SNMP_SEC_LEVEL_AUTHPRIV;
    }
    if (!made) {
        usm_free_user(user);
        return QStringLiteral("an SNMP v3 pass phrase is unusable");
    }
    dropUser();
    // The library returns the head of its list, or nothing when a user of
    // that name and engine is there already (none is: this agent's was
    // dropped).
    if (!usm_add_user(user)) {
        usm_free_user(user);
        return QStringLiteral("the SNMP user %1 is there already").arg(name);
    }
    m_user = user;
    m_userName = name;
    m_level = level;
    return {};
}

QString SnmpAgent::userProblem(const QString &name, const QString &authPass,
                               const QString &privPass)
{
    if (name.isEmpty())
        return authPass.isEmpty() && privPass.isEmpty()
                   ? QString()
                   : QStringLiteral("SNMP v3 pass phrases need a user");
    if (name.toUtf8().size() > 32 || std::any_of(name.cbegin(), name.cend(), [](QChar c) {
            return c.unicode() < 0x20 || c.unicode() == 0x7f;
        }))
        return QStringLiteral("an SNMP v3 user name is 1 to 32 bytes, no control characters");
    if (!privPass.isEmpty() && authPass.isEmpty())
        return QStringLiteral("SNMP privacy needs an authentication pass phrase");
    SnmpOptions wanted;
    wanted.user = name;
    wanted.authPass = authPass;
    wanted.privPass = privPass;
    return wanted.problem();
}

QString SnmpAgent::securityLevel() const
{
    if (!m_user)
        return {};
    switch (m_level) {
    case SNMP_SEC_LEVEL_AUTHPRIV:
        return QStringLiteral("authPriv");
    case SNMP_SEC_LEVEL_AUTHNOPRIV:
        return QStringLiteral("authNoPriv");
    default:
        return QStringLiteral("noAuthNoPriv");
    }
}

void SnmpAgent::dropUser()
{
    if (!m_user)
        return;
    usm_remove_user(m_user);
    // Freed out of the list, so that freeing it does not join the list anew.
    m_user->next = m_user->prev = nullptr;
    usm_free_user(m_user);
    m_user = nullptr;
    m_userName.clear();
    m_level = 0;
}

void SnmpAgent::readReady()
{
    // The library answers an engine's discovery, and checks a request's
    // time, with the process's engine: for this read, this printer's.
    set_exact_engineID(reinterpret_cast<const u_char *>(m_engineId.constData()),
                       size_t(m_engineId.size()));
    netsnmp_transport *transport = snmp_sess_transport(m_session);
    fd_set readable;
    FD_ZERO(&readable);
    FD_SET(transport->sock, &readable);
    snmp_sess_read(m_session, &readable);
}

int SnmpAgent::received(int operation, snmp_session *session, int, snmp_pdu *pdu, void *magic)
{
    // A v3 message whose digest is wrong comes here too, after the library
    // has sent its report: it is not answered.
    if (operation == NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE &&
        session->s_snmp_errno != SNMPERR_USM_AUTHENTICATIONFAILURE)
        static_cast<SnmpAgent *>(magic)->answer(pdu);
    return 1;
}

// Whether a request comes with this printer's community, or as its v3 user
// to its engine at the user's security level.
bool SnmpAgent::allowed(const snmp_pdu *request) const
{
    if (request->version == SNMP_VERSION_3)
        return m_user && request->securityModel == SNMP_SEC_MODEL_USM &&
               QByteArray(reinterpret_cast<const char *>(request->securityEngineID),
                          qsizetype(request->securityEngineIDLen)) == m_engineId &&
               QByteArray(request->securityName, qsizetype(request->securityNameLen)) ==
                   m_userName.toUtf8();
    if (request->version != SNMP_VERSION_1 && request->version != SNMP_VERSION_2c)
        return false;
    return QByteArray(reinterpret_cast<const char *>(request->community),
                      qsizetype(request->community_len)) == m_model.community.toUtf8();
}

void SnmpAgent::answer(snmp_pdu *request)
{
    const bool v1 = request->version == SNMP_VERSION_1;
    if (m_model.faults.vanished || m_model.faults.snmpSilent || m_model.restarting ||
        !allowed(request))
        return;
    const int command = request->command;
    if (command != SNMP_MSG_GET && command != SNMP_MSG_GETNEXT &&
        (command != SNMP_MSG_GETBULK || v1))
        return;

    const std::vector<Value> values =
        tree(m_model, (QDateTime::currentMSecsSinceEpoch() - m_started) / 10);
    const auto at = [](const netsnmp_variable_list *variable) {
        return Oid(variable->name, variable->name + variable->name_length);
    };
    const auto exact = [&values](const Oid &name) -> const Value * {
        for (const Value &value : values) {
            if (value.oid == name)
                return &value;
        }
        return nullptr;
    };
    const auto after = [&values](const Oid &name) -> const Value * {
        for (const Value &value : values) {
            if (value.oid > name)
                return &value;
        }
        return nullptr;
    };

    netsnmp_pdu *response = snmp_clone_pdu(request);
    if (!response)
        return;
    // The clone points at the request's security state (the keys the
    // answer is made with): the answer takes it, so that one frees it.
    response->securityStateRef = request->securityStateRef;
    request->securityStateRef = nullptr;
    snmp_free_varbind(response->variables);
    response->variables = nullptr;
    response->command = SNMP_MSG_RESPONSE;
    response->errstat = SNMP_ERR_NOERROR;
    response->errindex = 0;

    const auto add = [response](const Oid &name, const Value *value, unsigned char missing) {
        std::vector<oid> number(name.begin(), name.end());
        if (value)
            snmp_pdu_add_variable(response, number.data(), number.size(), value->type,
                                  value->bytes.constData(), size_t(value->bytes.size()));
        else
            snmp_pdu_add_variable(response, number.data(), number.size(), missing, nullptr, 0);
    };

    int index = 0;
    bool failed = false;
    if (request->version == SNMP_VERSION_3 && request->securityLevel < m_level) {
        // The user is asked in with less security than it was given: as an
        // agent whose access rules want more.
        failed = true;
        response->errstat = SNMP_ERR_AUTHORIZATIONERROR;
    } else if (command == SNMP_MSG_GETBULK) {
        // errstat and errindex carry non-repeaters and max-repetitions.
        const long nonRepeaters = std::max(0L, request->non_repeaters);
        const long repetitions = std::clamp(request->max_repetitions, 0L, 64L);
        std::vector<Oid> repeating;
        for (netsnmp_variable_list *v = request->variables; v; v = v->next_variable, ++index) {
            const Oid name = at(v);
            if (index < nonRepeaters) {
                const Value *next = after(name);
                add(next ? next->oid : name, next, SNMP_ENDOFMIBVIEW);
            } else {
                repeating.push_back(name);
            }
        }
        for (long round = 0; round < repetitions && !repeating.empty(); ++round) {
            bool any = false;
            for (Oid &name : repeating) {
                const Value *next = after(name);
                add(next ? next->oid : name, next, SNMP_ENDOFMIBVIEW);
                if (next) {
                    name = next->oid;
                    any = true;
                }
            }
            if (!any)
                break;
        }
    } else {
        for (netsnmp_variable_list *v = request->variables; v; v = v->next_variable) {
            ++index;
            const Oid name = at(v);
            const Value *value = command == SNMP_MSG_GET ? exact(name) : after(name);
            if (!value && v1) {
                // Version 1 has no exceptions: the whole request fails.
                failed = true;
                response->errstat = SNMP_ERR_NOSUCHNAME;
                response->errindex = index;
                break;
            }
            add(value ? value->oid : name, value,
                command == SNMP_MSG_GET ? SNMP_NOSUCHOBJECT : SNMP_ENDOFMIBVIEW);
        }
    }
    if (failed) {
        // An error answer carries the request's own variables.
        snmp_free_varbind(response->variables);
        response->variables = snmp_clone_varbind(request->variables);
    }
    const auto send = [this, response] {
        m_delayed.removeOne(response);
        set_exact_engineID(reinterpret_cast<const u_char *>(m_engineId.constData()),
                           size_t(m_engineId.size()));
        if (!snmp_sess_send(m_session, response))
            snmp_free_pdu(response);
        else
            ++m_answered;
    };
    if (m_model.faults.snmpDelayMs > 0) {
        // Held here until its time, freed with the agent if that comes first.
        m_delayed << response;
        QTimer::singleShot(m_model.faults.snmpDelayMs, this, send);
    } else {
        send();
    }
}
