#include "discovery/SnmpReader.h"

#include "discovery/SnmpLibrary.h"

#include "common/CommandLineText.h"
#include "link/HostLookup.h"

#include <QHash>
#include <QHostAddress>
#include <QMap>
#include <QSocketNotifier>
#include <QTimer>
#include <QVariant>

#include <mutex>

#include <net-snmp/library/large_fd_set.h>
#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

namespace
{

// Everything is asked by number, so that no MIB file need be installed,
// and every value is taken by the name it came back with and its type: an
// agent may answer in another order, leave an object out, or put another
// type where one was expected.
struct Name {
    oid parts[MAX_OID_LEN];
    size_t length = 0;
};

Name nameOf(const char *written)
{
    Name name;
    name.length = MAX_OID_LEN;
    if (!read_objid(written, name.parts, &name.length))
        name.length = 0;
    return name;
}

// Objects with one instance, asked with a GET (the printer's device is
// the first of the device table, as printers number it).
enum class Scalar {
    SysName,
    SysDescr,
    SysObjectId,
    SysLocation,
    UpTime,
    DeviceDescr,
    Serial,
    PrinterStatus,
    ErrorState,
    LifeCount,
    CounterUnit,
};

struct ScalarSpec {
    const char *oid;
    Scalar what;
    u_char type;
};

const ScalarSpec scalarSpecs[] = {
    {"1.3.6.1.2.1.1.5.0", Scalar::SysName, ASN_OCTET_STR},
    {"1.3.6.1.2.1.1.1.0", Scalar::SysDescr, ASN_OCTET_STR},
    {"1.3.6.1.2.1.1.2.0", Scalar::SysObjectId, ASN_OBJECT_ID},
    {"1.3.6.1.2.1.1.6.0", Scalar::SysLocation, ASN_OCTET_STR},
    {"1.3.6.1.2.1.1.3.0", Scalar::UpTime, ASN_TIMETICKS},
    {"1.3.6.1.2.1.25.3.2.1.3.1", Scalar::DeviceDescr, ASN_OCTET_STR},
    {"1.3.6.1.2.1.43.5.1.1.17.1", Scalar::Serial, ASN_OCTET_STR},
    {"1.3.6.1.2.1.25.3.5.1.1.1", Scalar::PrinterStatus, ASN_INTEGER},
    {"1.3.6.1.2.1.25.3.5.1.2.1", Scalar::ErrorState, ASN_OCTET_STR},
    {"1.3.6.1.2.1.43.10.2.1.4.1.1", Scalar::LifeCount, ASN_COUNTER},
    {"1.3.6.1.2.1.43.10.2.1.3.1.1", Scalar::CounterUnit, ASN_INTEGER},
};

// Columns of the printer's tables, walked row by row.
enum class Column {
    ConsoleText,
    AlertSeverity,
    AlertGroup,
    AlertCode,
    AlertDescription,
    AlertTime,
    MediaName,
};

struct ColumnSpec {
    const char *oid;
    Column what;
    u_char type;
};

const ColumnSpec columnSpecs[] = {
    {"1.3.6.1.2.1.43.16.5.1.2.1", Column::ConsoleText, ASN_OCTET_STR},
    {"1.3.6.1.2.1.43.18.1.1.2.1", Column::AlertSeverity, ASN_INTEGER},
    {"1.3.6.1.2.1.43.18.1.1.4.1", Column::AlertGroup, ASN_INTEGER},
    {"1.3.6.1.2.1.43.18.1.1.7.1", Column::AlertCode, ASN_INTEGER},
    {"1.3.6.1.2.1.43.18.1.1.8.1", Column::AlertDescription, ASN_OCTET_STR},
    {"1.3.6.1.2.1.43.18.1.1.9.1", Column::AlertTime, ASN_TIMETICKS},
    {"1.3.6.1.2.1.43.8.2.1.12.1", Column::MediaName, ASN_OCTET_STR},
};
constexpr int columnCount = int(std::size(columnSpecs));

// Rows per column and requests per table walk: what a printer's panel,
// alerts and inputs hold, with room; an agent that never ends a column
// costs no more than this.
constexpr int rowsPerRequest = 8;
constexpr int maxRows = 64;
constexpr int maxWalkRequests = 6;

Name scalarNames[std::size(scalarSpecs)];
Name columnNames[columnCount];

std::once_flag initialised;

void initialise()
{
    std::call_once(initialised, [] {
        SnmpLibrary::initialise();
        for (size_t i = 0; i < std::size(scalarSpecs); ++i)
            scalarNames[i] = nameOf(scalarSpecs[i].oid);
        for (int i = 0; i < columnCount; ++i)
            columnNames[i] = nameOf(columnSpecs[i].oid);
    });
}

// A value of the type expected, or an invalid QVariant.
QVariant valueOf(const netsnmp_variable_list *value, u_char expected)
{
    if (value->type != expected)
        return {};
    switch (value->type) {
    case ASN_OCTET_STR:
        return QString::fromUtf8(reinterpret_cast<const char *>(value->val.string),
                                 int(value->val_len))
            .trimmed();
    case ASN_OBJECT_ID: {
        QStringList parts;
        const size_t count = value->val_len / sizeof(oid);
        for (size_t i = 0; i < count; ++i)
            parts << QString::number(value->val.objid[i]);
        return parts.join(QLatin1Char('.'));
    }
    case ASN_INTEGER:
        return qint64(*value->val.integer);
    case ASN_TIMETICKS:
    case ASN_COUNTER:
        return qint64(quint32(*value->val.integer));
    default:
        return {};
    }
}

QString peerName(const QString &host, quint16 port)
{
    QHostAddress address;
    const QString written =
        address.setAddress(host) && address.protocol() == QAbstractSocket::IPv6Protocol
            ? QStringLiteral("udp6:[%1]").arg(host)
            : QStringLiteral("udp:%1").arg(host);
    return written + QStringLiteral(":%1").arg(port);
}

} // namespace

QString SnmpOptions::problem() const
{
    if (isV3()) {
        if (!privPass.isEmpty() && authPass.isEmpty())
            return CommandLineText::tr("SNMP privacy needs authentication: give --snmp-auth too");
        for (const QString *pass : {&authPass, &privPass}) {
            if (!pass->isEmpty() && pass->size() < 8)
                return CommandLineText::tr("SNMP v3 pass phrases have at least 8 characters");
        }
    } else if (community.isEmpty()) {
        return CommandLineText::tr("the SNMP community is empty");
    }
    return {};
}

QString PrinterAlert::severityWord() const
{
    switch (severity) {
    case 3:
        return QStringLiteral("critical");
    case 4:
    case 5:
        return QStringLiteral("warning");
    default:
        return QStringLiteral("other");
    }
}

bool PrinterAlert::operator==(const PrinterAlert &other) const
{
    return index == other.index && severity == other.severity && group == other.group &&
           code == other.code && description == other.description && time == other.time;
}

QString SnmpAnswer::counterUnitWord() const
{
    switch (counterUnit) {
    case 3:
        return QString::fromLatin1(QT_TRANSLATE_NOOP("SnmpAnswer", "ten-thousandths of an inch"));
    case 4:
        return QString::fromLatin1(QT_TRANSLATE_NOOP("SnmpAnswer", "micrometers"));
    case 5:
        return QString::fromLatin1(QT_TRANSLATE_NOOP("SnmpAnswer", "characters"));
    case 6:
        return QString::fromLatin1(QT_TRANSLATE_NOOP("SnmpAnswer", "lines"));
    case 7:
        return QString::fromLatin1(QT_TRANSLATE_NOOP("SnmpAnswer", "impressions"));
    case 8:
        return QString::fromLatin1(QT_TRANSLATE_NOOP("SnmpAnswer", "sheets"));
    case 9:
        return QString::fromLatin1(QT_TRANSLATE_NOOP("SnmpAnswer", "dot rows"));
    case 11:
        return QString::fromLatin1(QT_TRANSLATE_NOOP("SnmpAnswer", "hours"));
    case 16:
        return QString::fromLatin1(QT_TRANSLATE_NOOP("SnmpAnswer", "feet"));
    case 17:
        return QString::fromLatin1(QT_TRANSLATE_NOOP("SnmpAnswer", "meters"));
    default:
        return counterUnit ? QString::fromLatin1(QT_TRANSLATE_NOOP("SnmpAnswer", "other"))
                           : QString();
    }
}

namespace
{

const char *const uptimePattern = QT_TRANSLATE_NOOP("SnmpAnswer", "%1 d %2:%3:%4");

QString uptimeIn(const QString &pattern, qint64 hundredths)
{
    const qint64 seconds = hundredths / 100;
    return pattern.arg(seconds / 86400)
        .arg(seconds / 3600 % 24, 2, 10, QLatin1Char('0'))
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

} // namespace

QString uptimeWords(qint64 hundredths)
{
    return uptimeIn(QString::fromLatin1(uptimePattern), hundredths);
}

QString uptimeShown(qint64 hundredths)
{
    return uptimeIn(QCoreApplication::translate("SnmpAnswer", uptimePattern), hundredths);
}

namespace
{

// Opens a session to the host, or says why not. The settings' strings are
// copied by the library. A v3 session does not learn the agent's engine
// here nor at its first send (the library would wait for it): the reading
// asks for it as a request of its own.
void *openSession(const QString &host, const SnmpOptions &options, Wording *failure)
{
    netsnmp_session settings;
    snmp_sess_init(&settings);
    QByteArray peer = peerName(host, options.port).toUtf8();
    QByteArray community = options.community.toUtf8();
    QByteArray user = options.user.toUtf8();
    settings.peername = peer.data();
    settings.timeout = long(options.timeoutMs) * 1000;
    settings.retries = options.retries;
    if (options.isV3()) {
        settings.version = SNMP_VERSION_3;
        settings.securityName = user.data();
        settings.securityNameLen = size_t(user.size());
        settings.securityLevel = SNMP_SEC_LEVEL_NOAUTH;
        // The session keeps copies of the protocols' numbers.
        settings.securityAuthProto = usmHMACSHA1AuthProtocol;
        settings.securityAuthProtoLen = USM_AUTH_PROTO_SHA_LEN;
        settings.securityPrivProto = usmAESPrivProtocol;
        settings.securityPrivProtoLen = USM_PRIV_PROTO_AES_LEN;
        const struct {
            const QString &pass;
            int level;
            u_char *key;
            size_t *length;
        } keys[] = {
            {options.authPass, SNMP_SEC_LEVEL_AUTHNOPRIV, settings.securityAuthKey,
             &settings.securityAuthKeyLen},
            {options.privPass, SNMP_SEC_LEVEL_AUTHPRIV, settings.securityPrivKey,
             &settings.securityPrivKeyLen},
        };
        for (const auto &key : keys) {
            if (key.pass.isEmpty())
                continue;
            settings.securityLevel = key.level;
            if (!SnmpLibrary::masterKey(key.pass, key.key, key.length)) {
                *failure =
                    Wording::of(QT_TRANSLATE_NOOP("Failure", "an SNMP v3 pass phrase is unusable"));
                return nullptr;
            }
        }
    } else {
        settings.version = SNMP_VERSION_2c;
        settings.community = reinterpret_cast<u_char *>(community.data());
        settings.community_len = size_t(community.size());
    }

    void *session = snmp_sess_open(&settings);
    if (!session) {
        *failure = Wording::of(QT_TRANSLATE_NOOP("Failure", "cannot open an SNMP session"));
        return nullptr;
    }
    if (options.isV3())
        snmp_sess_session(session)->flags |= SNMP_FLAGS_DONT_PROBE;
    return session;
}

Wording failureOf(void *session, int status, const netsnmp_pdu *response)
{
    const Wording noAnswer = Wording::of(QT_TRANSLATE_NOOP("Failure", "no SNMP answer"));
    const char *failed = QT_TRANSLATE_NOOP("Failure", "SNMP failed: %1");
    if (status == STAT_TIMEOUT)
        return noAnswer;
    // A v3 agent that refuses the user or the keys says why in a Report.
    if (status == STAT_SUCCESS && response && response->command == SNMP_MSG_REPORT)
        return Wording::of(failed, {QString::fromUtf8(snmp_api_errstring(snmpv3_get_report_type(
                                       const_cast<netsnmp_pdu *>(response))))});
    if (status == STAT_SUCCESS && response)
        return Wording::of(QT_TRANSLATE_NOOP("Failure", "SNMP error: %1"),
                           {QString::fromUtf8(snmp_errstring(int(response->errstat)))});
    char *text = nullptr;
    int systemError = 0, libraryError = 0;
    snmp_sess_error(session, &systemError, &libraryError, &text);
    // The library keeps no word when it let a request go on a v3 Report.
    const Wording why =
        text && *text
            ? Wording(QString::fromUtf8(text).trimmed())
            : Wording::of(QT_TRANSLATE_NOOP("Failure", "the printer refused the request "
                                                       "(the SNMP user or its pass phrases)"));
    const Wording failure = libraryError == SNMPERR_TIMEOUT ? noAnswer : Wording::of(failed, {why});
    SNMP_FREE(text);
    return failure;
}

} // namespace

// The requests of one reading, in order: for v3 the engine's discovery,
// then the objects of one instance, then the tables' columns until every
// column has ended. Whoever sends them (the event loop or a blocking call)
// hands each outcome back.
class SnmpReader::Reading
{
public:
    explicit Reading(bool v3) : m_stage(v3 ? Stage::Engine : Stage::Scalars)
    {
        for (int c = 0; c < columnCount; ++c) {
            m_walk[c].next = columnNames[c];
            m_walk[c].active = columnNames[c].length > 0;
        }
    }

    // The next request, or nullptr when the reading is over.
    netsnmp_pdu *next()
    {
        switch (m_stage) {
        case Stage::Engine: {
            // As the library would probe: an empty user without
            // authentication, answered by a Report that carries the engine.
            netsnmp_pdu *pdu = snmp_pdu_create(SNMP_MSG_GET);
            pdu->version = SNMP_VERSION_3;
            pdu->securityName = strdup("");
            pdu->securityNameLen = 0;
            pdu->securityLevel = SNMP_SEC_LEVEL_NOAUTH;
            pdu->securityModel = SNMP_SEC_MODEL_USM;
            return pdu;
        }
        case Stage::Scalars: {
            netsnmp_pdu *pdu = snmp_pdu_create(SNMP_MSG_GET);
            for (const Name &name : scalarNames)
                snmp_add_null_var(pdu, name.parts, name.length);
            return pdu;
        }
        case Stage::Tables: {
            if (m_walkRequests >= maxWalkRequests)
                break;
            netsnmp_pdu *pdu = snmp_pdu_create(SNMP_MSG_GETBULK);
            pdu->non_repeaters = 0;
            pdu->max_repetitions = rowsPerRequest;
            bool any = false;
            for (const Walk &walk : m_walk) {
                if (!walk.active)
                    continue;
                snmp_add_null_var(pdu, walk.next.parts, walk.next.length);
                any = true;
            }
            if (any) {
                ++m_walkRequests;
                return pdu;
            }
            snmp_free_pdu(pdu);
            break;
        }
        case Stage::Over:
            break;
        }
        m_stage = Stage::Over;
        return nullptr;
    }

    // How the last request ended: `status` is one of the library's STAT_
    // values, `response` what came back if anything.
    void take(void *session, int status, const netsnmp_pdu *response)
    {
        const bool fine = status == STAT_SUCCESS && response &&
                          response->command == SNMP_MSG_RESPONSE &&
                          response->errstat == SNMP_ERR_NOERROR;
        switch (m_stage) {
        case Stage::Engine: {
            // The engine the Report named: the library keeps it in the
            // session when it waits for the answer itself; from the event
            // loop it is taken here, from the Report.
            netsnmp_session *settings = snmp_sess_session(session);
            if (settings->securityEngineIDLen == 0 && response &&
                response->securityEngineIDLen > 0) {
                settings->securityEngineID = static_cast<u_char *>(
                    netsnmp_memdup(response->securityEngineID, response->securityEngineIDLen));
                settings->securityEngineIDLen = response->securityEngineIDLen;
            }
            if (settings->securityEngineIDLen > 0 &&
                create_user_from_session(settings) == SNMPERR_SUCCESS) {
                m_stage = Stage::Scalars;
                return;
            }
            m_answer.failure = status == STAT_TIMEOUT
                                   ? failureOf(session, status, response)
                                   : Wording::of(QT_TRANSLATE_NOOP(
                                         "Failure", "SNMP failed: the agent named no engine"));
            m_stage = Stage::Over;
            return;
        }
        case Stage::Scalars:
            if (!fine) {
                m_answer.failure = failureOf(session, status, response);
                m_stage = Stage::Over;
                return;
            }
            m_answer.answered = true;
            m_answer.readAt = QDateTime::currentDateTimeUtc();
            for (const netsnmp_variable_list *value = response->variables; value;
                 value = value->next_variable)
                takeScalar(value);
            m_stage = Stage::Tables;
            return;
        case Stage::Tables:
            // A printer without these tables, or one that stops answering
            // now, still gave its status.
            if (!fine) {
                m_stage = Stage::Over;
                return;
            }
            takeRows(response);
            return;
        case Stage::Over:
            return;
        }
    }

    SnmpAnswer answer() const
    {
        SnmpAnswer answer = m_answer;
        const auto texts = [this](Column column) {
            QStringList lines;
            for (const QVariant &value : m_rows[int(column)])
                lines << value.toString();
            return lines;
        };
        answer.consoleLines = texts(Column::ConsoleText);
        answer.media = texts(Column::MediaName);
        // An alert is a row of its table; a row without a severity or a
        // code is half an alert and is left out.
        const QMap<quint32, QVariant> &severities = m_rows[int(Column::AlertSeverity)];
        for (auto row = severities.cbegin(); row != severities.cend(); ++row) {
            const QVariant code = m_rows[int(Column::AlertCode)].value(row.key());
            if (!code.isValid())
                continue;
            PrinterAlert alert;
            alert.index = int(row.key());
            alert.severity = row.value().toInt();
            alert.code = code.toInt();
            alert.group = m_rows[int(Column::AlertGroup)].value(row.key()).toInt();
            alert.description = m_rows[int(Column::AlertDescription)].value(row.key()).toString();
            alert.time = m_rows[int(Column::AlertTime)].value(row.key(), qint64(-1)).toLongLong();
            answer.alerts << alert;
        }
        return answer;
    }

private:
    void takeScalar(const netsnmp_variable_list *value)
    {
        for (size_t i = 0; i < std::size(scalarSpecs); ++i) {
            if (snmp_oid_compare(value->name, value->name_length, scalarNames[i].parts,
                                 scalarNames[i].length) != 0)
                continue;
            const QVariant taken = valueOf(value, scalarSpecs[i].type);
            if (!taken.isValid())
                return;
            switch (scalarSpecs[i].what) {
            case Scalar::SysName:
                m_answer.sysName = taken.toString();
                break;
            case Scalar::SysDescr:
                m_answer.sysDescr = taken.toString();
                break;
            case Scalar::SysObjectId:
                m_answer.sysObjectId = taken.toString();
                break;
            case Scalar::SysLocation:
                m_answer.sysLocation = taken.toString();
                break;
            case Scalar::UpTime:
                m_answer.upTime = taken.toLongLong();
                break;
            case Scalar::DeviceDescr:
                m_answer.deviceDescr = taken.toString();
                break;
            case Scalar::Serial:
                m_answer.serial = taken.toString();
                break;
            case Scalar::PrinterStatus:
                m_answer.state.printerStatus = taken.toInt();
                break;
            case Scalar::ErrorState:
                m_answer.state.errorBits = QByteArray(
                    reinterpret_cast<const char *>(value->val.string), int(value->val_len));
                break;
            case Scalar::LifeCount:
                m_answer.lifeCount = taken.toLongLong();
                break;
            case Scalar::CounterUnit:
                m_answer.counterUnit = taken.toInt();
                break;
            }
            return;
        }
    }

    // Each value belongs to the column whose name it extends by one row
    // index; a column whose walk brought nothing new has ended.
    void takeRows(const netsnmp_pdu *response)
    {
        bool moved[columnCount] = {};
        for (const netsnmp_variable_list *value = response->variables; value;
             value = value->next_variable) {
            for (int c = 0; c < columnCount; ++c) {
                Walk &walk = m_walk[c];
                const Name &column = columnNames[c];
                if (!walk.active || value->name_length != column.length + 1 ||
                    netsnmp_oid_is_subtree(column.parts, column.length, value->name,
                                           value->name_length) != 0 ||
                    snmp_oid_compare(value->name, value->name_length, walk.next.parts,
                                     walk.next.length) <= 0)
                    continue;
                std::copy(value->name, value->name + value->name_length, walk.next.parts);
                walk.next.length = value->name_length;
                moved[c] = true;
                const QVariant taken = valueOf(value, columnSpecs[c].type);
                if (taken.isValid() && m_rows[c].size() < maxRows)
                    m_rows[c].insert(quint32(value->name[column.length]), taken);
                break;
            }
        }
        for (int c = 0; c < columnCount; ++c) {
            if (!moved[c] || m_rows[c].size() >= maxRows)
                m_walk[c].active = false;
        }
    }

    enum class Stage { Engine, Scalars, Tables, Over };
    struct Walk {
        Name next; // where the column's walk goes on from
        bool active = false;
    };

    Stage m_stage;
    Walk m_walk[columnCount];
    QMap<quint32, QVariant> m_rows[columnCount];
    int m_walkRequests = 0;
    SnmpAnswer m_answer;
};

SnmpAnswer SnmpReader::readNow(const QString &host, const SnmpOptions &options)
{
    initialise();
    SnmpAnswer answer;
    void *session = openSession(host, options, &answer.failure);
    if (!session)
        return answer;
    Reading reading(options.isV3());
    while (netsnmp_pdu *pdu = reading.next()) {
        netsnmp_pdu *response = nullptr;
        // The library frees a request it could not send.
        const int status = snmp_sess_synch_response(session, pdu, &response);
        reading.take(session, status, response);
        if (response)
            snmp_free_pdu(response);
    }
    snmp_sess_close(session);
    return reading.answer();
}

// One reading under way on the event loop: its session's socket wakes it
// when a datagram arrives, a timer when the library's next timeout (a
// resend or the end) is due.
class SnmpReader::Query : public QObject
{
public:
    Query(SnmpReader *reader, QString host, QString address, Done done, bool v3)
        : m_reader(reader), m_host(std::move(host)), m_address(std::move(address)),
          m_done(std::move(done)), m_reading(v3)
    {
        m_timer.setSingleShot(true);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            snmp_sess_timeout(m_session);
            step();
        });
    }

    ~Query() override
    {
        // No watch on a socket about to close.
        delete m_socket;
        if (m_session)
            snmp_sess_close(m_session);
    }

    void start(const SnmpOptions &options)
    {
        m_session = openSession(m_address, options, &m_failure);
        if (!m_session) {
            // The answer still follows from the event loop.
            QTimer::singleShot(0, this, [this] { finish(); });
            return;
        }
        m_socket =
            new QSocketNotifier(snmp_sess_transport(m_session)->sock, QSocketNotifier::Read, this);
        connect(m_socket, &QSocketNotifier::activated, this, [this] {
            netsnmp_large_fd_set ready;
            netsnmp_large_fd_set_init(&ready, FD_SETSIZE);
            netsnmp_large_fd_setfd(int(m_socket->socket()), &ready);
            snmp_sess_read2(m_session, &ready);
            netsnmp_large_fd_set_cleanup(&ready);
            step();
        });
        step();
    }

private:
    static int received(int operation, netsnmp_session *, int request, netsnmp_pdu *response,
                        void *magic)
    {
        auto *query = static_cast<Query *>(magic);
        // A resend is told too: the request is still under way. A Report is
        // told twice (as a security error, then as a message): the request
        // has ended at the first.
        if (operation == NETSNMP_CALLBACK_OP_RESEND || request != query->m_request)
            return 1;
        query->m_request = 0;
        const int status = operation == NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE ? STAT_SUCCESS
                           : operation == NETSNMP_CALLBACK_OP_TIMED_OUT      ? STAT_TIMEOUT
                                                                             : STAT_ERROR;
        query->m_reading.take(query->m_session, status, response);
        query->m_asked = false;
        return 1;
    }

    // Sends the next request once the last one has ended (never from inside
    // the library's callback), or ends.
    void step()
    {
        while (!m_asked) {
            netsnmp_pdu *pdu = m_reading.next();
            if (!pdu) {
                finish();
                return;
            }
            m_request = snmp_sess_async_send(m_session, pdu, &Query::received, this);
            m_asked = m_request != 0;
            if (!m_asked) {
                // A request the library did not take is still ours to free.
                snmp_free_pdu(pdu);
                m_reading.take(m_session, STAT_ERROR, nullptr);
            }
        }
        int descriptors = 0;
        int block = 1;
        timeval due{};
        netsnmp_large_fd_set unused;
        netsnmp_large_fd_set_init(&unused, FD_SETSIZE);
        snmp_sess_select_info2(m_session, &descriptors, &unused, &due, &block);
        netsnmp_large_fd_set_cleanup(&unused);
        if (!block) {
            m_timer.start(int(due.tv_sec * 1000 + (due.tv_usec + 999) / 1000));
        } else if (m_asked) {
            // Nothing is due, yet the request has not ended: the library has
            // let it go without a word (a v3 agent's Report that the keys
            // are wrong). It has failed, for the reason the session keeps.
            m_asked = false;
            m_request = 0;
            m_reading.take(m_session, STAT_ERROR, nullptr);
            step();
        }
    }

    // The reader may go in `done`: this query is out of its hands by then
    // and touches nothing afterwards.
    void finish()
    {
        m_timer.stop();
        if (m_socket)
            m_socket->setEnabled(false);
        m_reader->m_queries.removeOne(this);
        --m_reader->m_pending;
        deleteLater();
        SnmpAnswer answer = m_reading.answer();
        if (!m_failure.isEmpty())
            answer.failure = m_failure;
        const Done done = std::move(m_done);
        done(m_host, answer);
    }

    SnmpReader *m_reader;
    QString m_host;
    QString m_address;
    Done m_done;
    Reading m_reading;
    Wording m_failure; // the session could not be opened
    void *m_session = nullptr;
    bool m_asked = false;
    int m_request = 0; // the request under way
    QSocketNotifier *m_socket = nullptr;
    QTimer m_timer;
};

SnmpReader::SnmpReader(SnmpOptions options, QObject *parent)
    : QObject(parent), m_options(std::move(options))
{
}

SnmpReader::~SnmpReader()
{
    qDeleteAll(m_queries);
}

void SnmpReader::read(const QString &host, Done done)
{
    if (!QHostAddress(host).isNull()) {
        query(host, host, std::move(done));
        return;
    }
    // The library would look a name up on its worker, for as long as a
    // silent name server keeps it, and the program would wait for that
    // worker at its end: the name is looked up here, for no longer than the
    // query itself may take.
    ++m_pending;
    auto *lookup = new HostLookup(this);
    auto *limit = new QTimer(lookup);
    limit->setSingleShot(true);
    const auto end = [this, lookup, limit, host, done](const Wording &why) {
        limit->stop();
        lookup->abandon();
        lookup->deleteLater();
        --m_pending;
        SnmpAnswer answer;
        answer.failure = why;
        done(host, answer);
    };
    connect(limit, &QTimer::timeout, this, [end] {
        end(Wording::of(QT_TRANSLATE_NOOP("Failure", "the name was not looked up in time")));
    });
    connect(lookup, &HostLookup::found, this,
            [this, lookup, limit, host, done, end](const QList<QHostAddress> &addresses) {
                if (addresses.isEmpty()) {
                    end(Wording::of(QT_TRANSLATE_NOOP("Failure", "the name could not be found")));
                    return;
                }
                limit->stop();
                lookup->deleteLater();
                --m_pending;
                query(host, addresses.first().toString(), done);
            });
    limit->start(m_options.timeoutMs * (m_options.retries + 1));
    lookup->lookUp(host);
}

void SnmpReader::query(const QString &host, const QString &address, Done done)
{
    // The library starts at the first query, not with the window.
    initialise();
    ++m_pending;
    auto *asking = new Query(this, host, address, std::move(done), m_options.isV3());
    m_queries << asking;
    asking->start(m_options);
}
