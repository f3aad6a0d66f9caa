#pragma once

#include <QHostAddress>
#include <QList>
#include <QNetworkDatagram>
#include <QUdpSocket>

#include <functional>
#include <optional>

// Passes v2c datagrams between a reader and an agent on loopback, changing
// on the way the list of objects each GET asks for (their order, or one
// left out), so that a real agent answers as agents that reorder or drop
// objects do. Everything else passes as it came.
class SnmpRelay
{
public:
    using Change = std::function<QList<QByteArray>(QList<QByteArray>)>;

    SnmpRelay(quint16 agentPort, Change change)
        : m_agentPort(agentPort), m_change(std::move(change))
    {
        m_front.bind(QHostAddress::LocalHost, 0);
        m_back.bind(QHostAddress::LocalHost, 0);
        QObject::connect(&m_front, &QUdpSocket::readyRead, &m_front, [this] {
            while (m_front.hasPendingDatagrams()) {
                const QNetworkDatagram asked = m_front.receiveDatagram();
                m_reader = asked.senderAddress();
                m_readerPort = quint16(asked.senderPort());
                m_back.writeDatagram(changed(asked.data()), QHostAddress::LocalHost, m_agentPort);
            }
        });
        QObject::connect(&m_back, &QUdpSocket::readyRead, &m_back, [this] {
            while (m_back.hasPendingDatagrams())
                m_front.writeDatagram(m_back.receiveDatagram().data(), m_reader, m_readerPort);
        });
    }

    quint16 port() const { return m_front.localPort(); }

private:
    // One BER element: its tag and where its content lies.
    struct Element {
        quint8 tag;
        int start;
        int length;
        int end() const { return start + length; }
    };

    static std::optional<Element> element(const QByteArray &bytes, int at)
    {
        if (at + 2 > bytes.size())
            return std::nullopt;
        const quint8 tag = quint8(bytes[at]);
        int length = quint8(bytes[at + 1]);
        int start = at + 2;
        if (length & 0x80) {
            const int count = length & 0x7f;
            if (count > 3 || start + count > bytes.size())
                return std::nullopt;
            length = 0;
            for (int i = 0; i < count; ++i)
                length = length << 8 | quint8(bytes[start++]);
        }
        if (start + length > bytes.size())
            return std::nullopt;
        return Element{tag, start, length};
    }

    static QByteArray encoded(quint8 tag, const QByteArray &content)
    {
        QByteArray bytes(1, char(tag));
        const int size = int(content.size());
        if (size < 0x80) {
            bytes += char(size);
        } else {
            bytes += char(0x82);
            bytes += char(size >> 8);
            bytes += char(size & 0xff);
        }
        return bytes + content;
    }

    static QList<Element> children(const QByteArray &bytes, const Element &parent)
    {
        QList<Element> found;
        for (int at = parent.start; at < parent.end();) {
            const std::optional<Element> child = element(bytes, at);
            if (!child)
                return {};
            found << *child;
            at = child->end();
        }
        return found;
    }

    // SEQUENCE {version, community, GET {id, status, index, SEQUENCE {objects}}}
    QByteArray changed(const QByteArray &message) const
    {
        const auto slice = [&message](const Element &e) { return message.mid(e.start, e.length); };
        const std::optional<Element> whole = element(message, 0);
        if (!whole)
            return message;
        const QList<Element> parts = children(message, *whole);
        if (parts.size() != 3 || parts[2].tag != 0xa0)
            return message;
        const QList<Element> request = children(message, parts[2]);
        if (request.size() != 4)
            return message;
        QList<QByteArray> objects;
        for (const Element &object : children(message, request[3]))
            objects << encoded(object.tag, slice(object));
        QByteArray list;
        for (const QByteArray &object : m_change(objects))
            list += object;
        QByteArray pdu;
        for (int i = 0; i < 3; ++i)
            pdu += encoded(request[i].tag, slice(request[i]));
        pdu += encoded(request[3].tag, list);
        return encoded(whole->tag, encoded(parts[0].tag, slice(parts[0])) +
                                       encoded(parts[1].tag, slice(parts[1])) +
                                       encoded(parts[2].tag, pdu));
    }

    quint16 m_agentPort;
    Change m_change;
    QUdpSocket m_front;
    QUdpSocket m_back;
    QHostAddress m_reader;
    quint16 m_readerPort = 0;
};
