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
// requests for its community on its own address, the values read from
// the printer's model at each request. The library parses and builds the
// messages; the event loop watches its socket.
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
    void readReady();

    PrinterModel &m_model;
    void *m_session = nullptr;
    QSocketNotifier *m_notifier = nullptr;
    QString m_failure;
    quint16 m_port = 0;
    qint64 m_answered = 0;
    qint64 m_started = 0;
    QList<struct snmp_pdu *> m_delayed;
};
