#include "discovery/SnmpSecrets.h"

#include "common/CommandLineText.h"

#include "common/ProcessSignals.h"
#include "discovery/SnmpReader.h"

#include <QFile>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace SnmpSecrets
{

namespace
{

// A printable value: a control character would reach the agent as it
// stands, and most likely is the mark of a file that is not a secrets file.
bool printable(const QString &value)
{
    for (const QChar c : value) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            return false;
    }
    return true;
}

#ifdef Q_OS_UNIX
// Reads `fd` to its end, at most maxBytes; waits on the interrupt
// descriptor as well, so that an interrupt ends a wait on a terminal.
std::variant<QByteArray, QString> readAll(int fd, const QString &what, bool &interrupted)
{
    QByteArray bytes;
    char chunk[4096];
    for (;;) {
        pollfd waits[2]{{fd, POLLIN, 0}, {Interrupts::descriptor(), POLLIN, 0}};
        const int count = waits[1].fd >= 0 ? 2 : 1;
        if (::poll(waits, nfds_t(count), -1) < 0) {
            if (errno == EINTR && Interrupts::count() == 0)
                continue;
        }
        if (Interrupts::count() > 0) {
            interrupted = true;
            return QString();
        }
        const ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got < 0 && (errno == EINTR || errno == EAGAIN))
            continue;
        if (got < 0)
            return CommandLineText::tr("%1 could not be read: %2")
                .arg(what, QString::fromLocal8Bit(strerror(errno)));
        if (got == 0)
            return bytes;
        bytes.append(chunk, got);
        if (bytes.size() > maxBytes)
            return CommandLineText::tr("%1 holds more than %2 bytes: not a secrets file")
                .arg(what, QString::number(maxBytes));
    }
}
#endif

} // namespace

std::optional<QString> parse(const QByteArray &text, SnmpOptions &snmp)
{
    struct Field {
        const char *key;
        QString SnmpOptions::*value;
        bool seen;
    };
    Field fields[]{{"community", &SnmpOptions::community, false},
                   {"auth", &SnmpOptions::authPass, false},
                   {"priv", &SnmpOptions::privPass, false}};
    const QList<QByteArray> lines = text.split('\n');
    for (qsizetype number = 0; number < lines.size(); ++number) {
        QByteArray line = lines[number];
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.trimmed().isEmpty() || line.startsWith('#'))
            continue;
        const QString where = QStringLiteral("line %1").arg(number + 1);
        const qsizetype equals = line.indexOf('=');
        const QByteArray key = line.left(equals).trimmed();
        Field *field = nullptr;
        for (Field &candidate : fields) {
            if (equals > 0 && key == candidate.key)
                field = &candidate;
        }
        if (!field)
            return CommandLineText::tr("%1 is not community=, auth= or priv=").arg(where);
        if (field->seen)
            return QStringLiteral("%1 gives %2 again").arg(where, QLatin1String(field->key));
        const QString value = QString::fromUtf8(line.mid(equals + 1));
        if (value.isEmpty())
            return CommandLineText::tr("%1: %2 is empty").arg(where, QLatin1String(field->key));
        if (!printable(value))
            return CommandLineText::tr("%1: %2 holds a control character")
                .arg(where, QLatin1String(field->key));
        field->seen = true;
        snmp.*(field->value) = value;
    }
    return std::nullopt;
}

std::variant<QByteArray, QString> load(const QString &path, bool &interrupted)
{
#ifdef Q_OS_UNIX
    if (path == QLatin1String("-"))
        return readAll(STDIN_FILENO, CommandLineText::tr("standard input"), interrupted);
    // Without waiting: a pipe in its place must not hang the run.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return CommandLineText::tr("%1 could not be opened: %2")
            .arg(path, QString::fromLocal8Bit(strerror(errno)));
    struct stat status {
    };
    QString refusal;
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode))
        refusal = CommandLineText::tr("%1 is not a regular file").arg(path);
    else if (status.st_mode & (S_IRGRP | S_IWGRP | S_IROTH | S_IWOTH))
        refusal = QStringLiteral("%1 may be read or changed by other users (mode %2): let only its "
                                 "owner have it (chmod 600 %1)")
                      .arg(path, QString::number(status.st_mode & 07777, 8).rightJustified(4, '0'));
    else if (status.st_size > maxBytes)
        refusal = CommandLineText::tr("%1 holds more than %2 bytes: not a secrets file")
                      .arg(path, QString::number(maxBytes));
    if (!refusal.isEmpty()) {
        ::close(fd);
        return refusal;
    }
    auto read = readAll(fd, path, interrupted);
    ::close(fd);
    return read;
#else
    Q_UNUSED(interrupted);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return CommandLineText::tr("%1 could not be opened: %2").arg(path, file.errorString());
    return file.read(maxBytes + 1);
#endif
}

QStringList exposed(const QStringList &givenOptions)
{
    QStringList warnings;
    for (const QString &option : givenOptions)
        warnings << QStringLiteral("%1 shows its secret to every user of this computer in the "
                                   "process list: give it with --snmp-secrets (a file only you "
                                   "may read, or - for standard input)")
                        .arg(QStringLiteral("--") + option);
    return warnings;
}

} // namespace SnmpSecrets
