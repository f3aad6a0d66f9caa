#pragma once

#include <QHostAddress>
#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

#include <optional>
#include <variant>

class QLocalServer;
class VirtualPrinter;

// The virtual printers of one process, what tells them what to do (the
// control channel, one JSON object a line) and the state file that shows
// them.
class Fleet : public QObject
{
    Q_OBJECT
public:
    explicit Fleet(QObject *parent = nullptr);
    ~Fleet() override;

    // The addresses of "127.0.1.1-127.0.2.244" (both ends included) or of
    // one address; at most `limit` of them, or why not.
    static std::variant<QList<QHostAddress>, QString> addressRange(const QString &written,
                                                                   int limit = 4096);

    // A printer on `address`: its raw port and, when snmpPort is set, its
    // SNMP agent. Returns it, or nothing with why.
    VirtualPrinter *addNetworkPrinter(const QHostAddress &address, quint16 port,
                                      std::optional<quint16> snmpPort, QString *failure);
    void adopt(VirtualPrinter *printer);
    QList<VirtualPrinter *> printers() const { return m_printers; }
    VirtualPrinter *printer(const QString &name) const;

    void setRestartMs(int ms);
    // The state file, rewritten whole soon after every change.
    void setStatePath(const QString &path);
    // Where each stored graphic's picture goes, as PNG.
    void setPicturesFolder(const QString &folder) { m_pictures = folder; }

    // Carries out one request of the control channel and says how it went:
    // {"ok":true,...} or {"ok":false,"error":"..."}.
    QJsonObject control(const QJsonObject &request);
    QJsonObject control(const QByteArray &line);
    // Takes requests on a local socket at `path`; false with why.
    bool listenControl(const QString &path, QString *failure);

    // Every printer's state, transcripts cut to their last `transcript` lines.
    QJsonObject state(int transcript = 20) const;
    // Writes the state file now; why not, when it cannot.
    std::optional<QString> writeState();

    // A picture's file name for a stored graphic.
    static QString pictureName(const QString &printer, const QString &graphic);

signals:
    void stateWritten();
    // Something of `printer` has changed: its state, what it was sent, or
    // what it keeps. Often, while printers take data.
    void printerChanged(VirtualPrinter *printer);

private:
    void changed();
    void savePicture(VirtualPrinter *printer, const QString &graphic);

    QList<VirtualPrinter *> m_printers;
    int m_restartMs = 3000;
    QString m_statePath;
    QString m_pictures;
    QTimer m_stateTimer;
    QLocalServer *m_control = nullptr;
};
