#include "discovery/SnmpReader.h"

#include "discovery/SnmpLibrary.h"
#include "link/HostLookup.h"

#include <QCoreApplication>
#include <QHostAddress>
#include <QMetaObject>
#include <QSocketNotifier>
#include <QThreadPool>
#include <QTimer>

#include <mutex>

#include <net-snmp/library/large_fd_set.h>
#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

namespace
{

// A printer that does not answer, in v2c or v3, on the event loop or the
// calling thread: one wording, as a script matches it.
QString silence()
{
    return QStringLiteral("no SNMP answer");
}

// By number, so that no MIB file need be installed.
struct Wanted {
    const char *oid;
    QString SnmpAnswer::*text; // nullptr: read apart
};

const Wanted wanted[] = {
    {"1.3.6.1.2.1.1.5.0", &SnmpAnswer::sysName},
    {"1.3.6.1.2.1.1.1.0", &SnmpAnswer::sysDescr},
    {"1.3.6.1.2.1.1.2.0", &SnmpAnswer::sysObjectId},
    {"1.3.6.1.2.1.25.3.2.1.3.1", &SnmpAnswer::deviceDescr},
    {"1.3.6.1.2.1.43.5.1.1.17.1", &SnmpAnswer::serial},
    {"1.3.6.1.2.1.25.3.5.1.1.1", nullptr}, // hrPrinterStatus
    {"1.3.6.1.2.1.25.3.5.1.2.1", nullptr}, // hrPrinterDetectedErrorState
};
constexpr int printerStatusIndex = 5;
constexpr int errorStateIndex = 6;

struct Parsed {
    oid name[MAX_OID_LEN];
    size_t length = 0;
};
// The names read once, before any thread asks.
Parsed parsed[std::size(wanted)];

std::once_flag initialised;
// The library's user table for v3 is shared by every session.
std::mutex sessionOpening;

void initialise()
{
    std::call_once(initialised, [] {
        SnmpLibrary::initialise();
        for (size_t i = 0; i < std::size(wanted); ++i) {
            parsed[i].length = MAX_OID_LEN;
            if (!read_objid(wanted[i].oid, parsed[i].name, &parsed[i].length))
                parsed[i].length = 0;
        }
    });
}

QString valueText(const netsnmp_variable_list *value)
{
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
        return QString::number(*value->val.integer);
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

bool setKey(const QString &pass, const oid *protocol, size_t protocolLength, u_char *key,
            size_t *keyLength)
{
    *keyLength = USM_AUTH_KU_LEN;
    QByteArray bytes = pass.toUtf8();
    return generate_Ku(protocol, protocolLength, reinterpret_cast<u_char *>(bytes.data()),
                       size_t(bytes.size()), key, keyLength) == SNMPERR_SUCCESS;
}

} // namespace

QString SnmpOptions::problem() const
{
    if (isV3()) {
        if (!privPass.isEmpty() && authPass.isEmpty())
            return QStringLiteral("SNMP privacy needs authentication: give --snmp-auth too");
        for (const QString *pass : {&authPass, &privPass}) {
            if (!pass->isEmpty() && pass->size() < 8)
                return QStringLiteral("SNMP v3 pass phrases have at least 8 characters");
        }
    } else if (community.isEmpty()) {
        return QStringLiteral("the SNMP community is empty");
    }
    return {};
}

namespace
{

// Opens a session to the host, or says why not. The settings' strings are
// copied by the library.
void *openSession(const QString &host, const SnmpOptions &options, QString *failure)
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
            if (!setKey(key.pass, settings.securityAuthProto, settings.securityAuthProtoLen,
                        key.key, key.length)) {
                *failure = QStringLiteral("an SNMP v3 pass phrase is unusable");
                return nullptr;
            }
        }
    } else {
        settings.version = SNMP_VERSION_2c;
        settings.community = reinterpret_cast<u_char *>(community.data());
        settings.community_len = size_t(community.size());
    }

    void *session = nullptr;
    {
        // Opening a v3 session finds the agent's engine and adds the user
        // to the library's shared table.
        std::lock_guard<std::mutex> lock(sessionOpening);
        session = snmp_sess_open(&settings);
    }
    // A v3 session opens by asking the agent for its engine: when that
    // fails the agent was silent.
    if (!session)
        *failure = options.isV3() ? silence() : QStringLiteral("cannot open an SNMP session");
    return session;
}

netsnmp_pdu *request()
{
    netsnmp_pdu *pdu = snmp_pdu_create(SNMP_MSG_GET);
    for (const Parsed &item : parsed)
        snmp_add_null_var(pdu, item.name, item.length);
    return pdu;
}

// The answer from how the request ended: `status` is one of the library's
// STAT_ values, `response` what came back if anything.
SnmpAnswer answerFrom(void *session, int status, const netsnmp_pdu *response)
{
    SnmpAnswer answer;
    if (status == STAT_SUCCESS && response && response->errstat == SNMP_ERR_NOERROR) {
        answer.answered = true;
        int index = 0;
        for (const netsnmp_variable_list *value = response->variables; value;
             value = value->next_variable, ++index) {
            if (index >= int(std::size(wanted)))
                break;
            if (value->type == SNMP_NOSUCHOBJECT || value->type == SNMP_NOSUCHINSTANCE ||
                value->type == SNMP_ENDOFMIBVIEW)
                continue;
            if (wanted[index].text)
                answer.*(wanted[index].text) = valueText(value);
            else if (index == printerStatusIndex && value->type == ASN_INTEGER)
                answer.state.printerStatus = int(*value->val.integer);
            else if (index == errorStateIndex && value->type == ASN_OCTET_STR)
                answer.state.errorBits = QByteArray(
                    reinterpret_cast<const char *>(value->val.string), int(value->val_len));
        }
    } else if (status == STAT_TIMEOUT) {
        answer.failure = silence();
    } else if (status == STAT_SUCCESS && response) {
        answer.failure = QStringLiteral("SNMP error: %1")
                             .arg(QString::fromUtf8(snmp_errstring(int(response->errstat))));
    } else {
        char *text = nullptr;
        int systemError = 0, libraryError = 0;
        snmp_sess_error(session, &systemError, &libraryError, &text);
        answer.failure = libraryError == SNMPERR_TIMEOUT
                             ? silence()
                             : QStringLiteral("SNMP failed: %1").arg(QString::fromUtf8(text));
        SNMP_FREE(text);
    }
    return answer;
}

// Opening a v3 session asks the agent for its engine and blocks until it
// answers or times out, so v3 reads run on a few workers of their own; v1
// and v2c need no opening exchange and run in the event loop.
QThreadPool &v3Queries()
{
    static QThreadPool *pool = [] {
        auto *threads = new QThreadPool(QCoreApplication::instance());
        threads->setMaxThreadCount(4);
        return threads;
    }();
    return *pool;
}

} // namespace

SnmpAnswer SnmpReader::readNow(const QString &host, const SnmpOptions &options)
{
    initialise();
    SnmpAnswer answer;
    void *session = openSession(host, options, &answer.failure);
    if (!session)
        return answer;
    netsnmp_pdu *response = nullptr;
    const int status = snmp_sess_synch_response(session, request(), &response);
    answer = answerFrom(session, status, response);
    if (response)
        snmp_free_pdu(response);
    snmp_sess_close(session);
    return answer;
}

// One request in flight on the event loop: its session's socket wakes it
// when a datagram arrives, a timer when the library's next timeout (a
// resend or the end) is due.
class SnmpReader::Query : public QObject
{
public:
    Query(SnmpReader *reader, QString host, QString address, Done done)
        : m_reader(reader), m_host(std::move(host)), m_address(std::move(address)),
          m_done(std::move(done))
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
        m_session = openSession(m_address, options, &m_answer.failure);
        if (m_session) {
            netsnmp_pdu *pdu = request();
            // A request the library did not take is still ours to free.
            m_asked = snmp_sess_async_send(m_session, pdu, &Query::received, this) != 0;
            if (!m_asked) {
                snmp_free_pdu(pdu);
                m_answer = answerFrom(m_session, STAT_ERROR, nullptr);
            }
        }
        if (!m_asked) {
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
    static int received(int operation, netsnmp_session *, int, netsnmp_pdu *response, void *magic)
    {
        // A resend is told too: the request is still under way.
        if (operation == NETSNMP_CALLBACK_OP_RESEND)
            return 1;
        auto *query = static_cast<Query *>(magic);
        const int status = operation == NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE ? STAT_SUCCESS
                           : operation == NETSNMP_CALLBACK_OP_TIMED_OUT      ? STAT_TIMEOUT
                                                                             : STAT_ERROR;
        query->m_answer = answerFrom(query->m_session, status, response);
        query->m_asked = false;
        return 1;
    }

    void step()
    {
        if (!m_asked) {
            finish();
            return;
        }
        int descriptors = 0;
        int block = 1;
        timeval due{};
        netsnmp_large_fd_set unused;
        netsnmp_large_fd_set_init(&unused, FD_SETSIZE);
        snmp_sess_select_info2(m_session, &descriptors, &unused, &due, &block);
        netsnmp_large_fd_set_cleanup(&unused);
        if (!block)
            m_timer.start(int(due.tv_sec * 1000 + (due.tv_usec + 999) / 1000));
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
        const Done done = std::move(m_done);
        done(m_host, m_answer);
    }

    SnmpReader *m_reader;
    QString m_host;
    QString m_address;
    Done m_done;
    void *m_session = nullptr;
    bool m_asked = false;
    SnmpAnswer m_answer;
    QSocketNotifier *m_socket = nullptr;
    QTimer m_timer;
};

struct SnmpReader::Alive {
};

SnmpReader::SnmpReader(SnmpOptions options, QObject *parent)
    : QObject(parent), m_options(std::move(options)), m_alive(std::make_shared<Alive>())
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
    const auto end = [this, lookup, limit, host, done](const QString &why) {
        limit->stop();
        lookup->abandon();
        lookup->deleteLater();
        --m_pending;
        SnmpAnswer answer;
        answer.failure = why;
        done(host, answer);
    };
    connect(limit, &QTimer::timeout, this,
            [end] { end(QStringLiteral("the name was not looked up in time")); });
    connect(lookup, &HostLookup::found, this,
            [this, lookup, limit, host, done, end](const QList<QHostAddress> &addresses) {
                if (addresses.isEmpty()) {
                    end(QStringLiteral("the name could not be found"));
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
    if (!m_options.isV3()) {
        auto *asking = new Query(this, host, address, std::move(done));
        m_queries << asking;
        asking->start(m_options);
        return;
    }
    std::weak_ptr<Alive> alive = m_alive;
    QObject *home = QCoreApplication::instance();
    const SnmpOptions options = m_options;
    v3Queries().start([alive, home, host, address, options, done = std::move(done), this]() {
        const SnmpAnswer answer = readNow(address, options);
        // Whether the reader still lives is asked on its own thread, where
        // it would be destroyed.
        QMetaObject::invokeMethod(home, [alive, host, answer, done, this] {
            if (alive.expired())
                return;
            --m_pending;
            done(host, answer);
        });
    });
}
