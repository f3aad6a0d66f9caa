#include "support/PrivateNetwork.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <net/if.h>
#include <sched.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <sys/socket.h>
#include <unistd.h>

namespace PrivateNetwork
{

namespace
{

QString &refused()
{
    static QString why = QStringLiteral("not entered");
    return why;
}

QString failed(const char *what)
{
    return QStringLiteral("%1: %2").arg(QLatin1String(what),
                                        QString::fromLocal8Bit(std::strerror(errno)));
}

bool writeFile(const char *path, const QByteArray &text)
{
    const int fd = ::open(path, O_WRONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool written = ::write(fd, text.constData(), size_t(text.size())) == text.size();
    ::close(fd);
    return written;
}

QString enterNamespaces()
{
    const uid_t user = ::geteuid();
    const gid_t group = ::getegid();
    int flags = CLONE_NEWNET | CLONE_NEWNS;
    if (user != 0)
        flags |= CLONE_NEWUSER;
    if (::unshare(flags) != 0)
        return failed("unshare");
    if (user != 0 && (!writeFile("/proc/self/setgroups", "deny") ||
                      !writeFile("/proc/self/uid_map", "0 " + QByteArray::number(user) + " 1") ||
                      !writeFile("/proc/self/gid_map", "0 " + QByteArray::number(group) + " 1")))
        return failed("user mapping");
    // Mounts made from now on stay in this namespace.
    if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
        return failed("mount propagation");
    const int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    ifreq loopback{};
    std::strncpy(loopback.ifr_name, "lo", IFNAMSIZ - 1);
    const bool up = fd >= 0 && ::ioctl(fd, SIOCGIFFLAGS, &loopback) == 0 &&
                    (loopback.ifr_flags |= IFF_UP, ::ioctl(fd, SIOCSIFFLAGS, &loopback) == 0);
    const QString why = up ? QString() : failed("loopback up");
    if (fd >= 0)
        ::close(fd);
    return why;
}

QByteArray resolverFile()
{
    return QFile::encodeName(QDir::tempPath()) + "/varimonde-resolv-" +
           QByteArray::number(::getpid());
}

} // namespace

void enter()
{
    refused() = enterNamespaces();
}

QString refusal()
{
    return refused();
}

QString useResolverConfiguration(const QByteArray &text)
{
    if (!refusal().isEmpty())
        return refusal();
    const QByteArray file = resolverFile();
    QFile configuration(QFile::decodeName(file));
    if (!configuration.open(QIODevice::WriteOnly) || configuration.write(text) != text.size())
        return configuration.errorString();
    configuration.close();
    if (::mount(file.constData(), "/etc/resolv.conf", nullptr, MS_BIND, nullptr) != 0)
        return failed("bind mount");
    return {};
}

void restoreResolverConfiguration()
{
    ::umount2("/etc/resolv.conf", MNT_DETACH);
    QFile::remove(QFile::decodeName(resolverFile()));
}

} // namespace PrivateNetwork
