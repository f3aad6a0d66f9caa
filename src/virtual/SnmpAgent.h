#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class PrinterModel;
class QSocketNotifier;

// One printer's SNMP agent: answers v1 and v2c get, get-next and get-bulk
// requests for its community, and v3 ones for its user, on its own address,
// the values read from the printer's model at each request. The library
// parses, checks and builds the messages; the event loop watches its socket.
class SnmpAgent : public QObject
{
    Q_OBJECT
public:
    // Opens the agent's UDP port on `address` (0 lets the system choose).
    SnmpAgent(PrinterModel &model, const QHostAddress &address, quint16 port,
              QObject *parent = nullptr);
    ~SnmpAgent() override;

    bool isOpen() const { return m_session != nullptr; }
    QString failure() const { return m_failure; }
    quint16 port() const { return m_port; }
    // Requests answered so far.
    qint64 answered() const { return m_answered; }

    // The v3 user, known to this agent's engine only: without pass phrases
    // it asks for no authentication; with `authPass` it takes SHA and no
    // less; with `privPass` as well, AES privacy and no less. An empty name
    // takes the user away. Returns why the user cannot be, or empty.
    QString setUser(const QString &name, const QString &authPass, const QString &privPass);
    // Why setUser() would refuse these, or empty.
    static QString userProblem(const QString &name, const QString &authPass,
                               const QString &privPass);
    QString user() const { return m_userName; }
    // "noAuthNoPriv", "authNoPriv" or "authPriv"; empty without a user.
    QString securityLevel() const;
    // The engine ID, of this agent's address and port: one per printer.
    QByteArray engineId() const { return m_engineId; }

    // One object of the agent's tree: its number and its value, typed as
    // the library writes it (ASN_INTEGER, ASN_OCTET_STR, ...).
    struct Value {
        std::vector<unsigned long> oid;
        unsigned char type = 0;
        QByteArray bytes; // a string's bytes, or the native integer or OID
    };
    // Every object, in ascending order of number, as the model stands now.
    static std::vector<Value> tree(const PrinterModel &model, qint64 upTimeCs);
    // hrPrinterDetectedErrorState's two bytes for the model's condition.
    static QByteArray errorBits(const PrinterModel &model);

private:
    static int received(int operation, struct snmp_session *session, int requestId,
                        struct snmp_pdu *pdu, void *magic);
    void answer(struct snmp_pdu *request);
    bool allowed(const struct snmp_pdu *request) const;
    void readReady();
    void dropUser();

    PrinterModel &m_model;
    void *m_session = nullptr;
    QSocketNotifier *m_notifier = nullptr;
    QString m_failure;
    quint16 m_port = 0;
    qint64 m_answered = 0;
    qint64 m_started = 0;
    QList<struct snmp_pdu *> m_delayed;
    QByteArray m_engineId;
    QString m_userName;
    struct usmUser *m_user = nullptr;
    int m_level = 0; // the least security level the user is asked in
};
