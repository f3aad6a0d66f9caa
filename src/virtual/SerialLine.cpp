#include "virtual/SerialLine.h"

#include "virtual/VirtualPrinter.h"

#include <QSocketNotifier>

#include <cerrno>
#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace
{

speed_t speedOf(qint32 baud)
{
    switch (baud) {
    case 1200:
        return B1200;
    case 2400:
        return B2400;
    case 4800:
        return B4800;
    case 9600:
        return B9600;
    case 19200:
        return B19200;
    case 38400:
        return B38400;
    case 57600:
        return B57600;
    case 115200:
        return B115200;
    case 230400:
        return B230400;
    default:
        return B0;
    }
}

tcflag_t sizeOf(int bits)
{
    switch (bits) {
    case 5:
        return CS5;
    case 6:
        return CS6;
    case 7:
        return CS7;
    default:
        return CS8;
    }
}

} // namespace

SerialLine::SerialLine(VirtualPrinter &printer, const SerialSettings &settings, QObject *parent)
    : QObject(parent), m_printer(printer), m_settings(settings)
{
    if (speedOf(settings.baudRate) == B0) {
        m_failure = QStringLiteral("a serial printer runs at 1200 to 230400 baud");
        return;
    }
    char name[256] = {};
    if (openpty(&m_master, &m_slave, name, nullptr, nullptr) != 0) {
        m_failure = QStringLiteral("cannot open a pseudo-terminal: %1").arg(qt_error_string(errno));
        m_master = m_slave = -1;
        return;
    }
    m_path = QString::fromLocal8Bit(name);
    printer.setLink(QStringLiteral("%1 at %2").arg(m_path, settings.toText()));
    // The printer's own settings stand until the sender sets the line; the
    // slave side stays open here so the line survives the sender's close.
    termios line{};
    tcgetattr(m_slave, &line);
    cfmakeraw(&line);
    cfsetspeed(&line, speedOf(settings.baudRate));
    line.c_cflag = (line.c_cflag & ~(CSIZE | PARENB | PARODD | CSTOPB)) | sizeOf(settings.dataBits);
    if (settings.parity == QLatin1Char('E') || settings.parity == QLatin1Char('O'))
        line.c_cflag |= PARENB | (settings.parity == QLatin1Char('O') ? PARODD : 0);
    if (settings.stopBits == QLatin1String("2"))
        line.c_cflag |= CSTOPB;
    tcsetattr(m_slave, TCSANOW, &line);
    fcntl(m_master, F_SETFL, fcntl(m_master, F_GETFL) | O_NONBLOCK);
    m_notifier = new QSocketNotifier(m_master, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &SerialLine::readable);
    m_resume.setSingleShot(true);
    m_resume.setTimerType(Qt::PreciseTimer);
    connect(&m_resume, &QTimer::timeout, this, [this] { m_notifier->setEnabled(true); });
    m_quiet.setSingleShot(true);
    m_quiet.setInterval(quietMs);
    connect(&m_quiet, &QTimer::timeout, this, [this] {
        m_inTransmission = false;
        m_printer.connectionEnds();
    });
}

SerialLine::~SerialLine()
{
    delete m_notifier;
    if (m_master >= 0)
        ::close(m_master);
    if (m_slave >= 0)
        ::close(m_slave);
}

bool SerialLine::settingsMatch() const
{
    termios line{};
    if (tcgetattr(m_slave, &line) != 0)
        return false;
    bool parity = true;
    if (m_settings.parity == QLatin1Char('E') || m_settings.parity == QLatin1Char('O'))
        parity = (line.c_cflag & PARENB) &&
                 bool(line.c_cflag & PARODD) == (m_settings.parity == QLatin1Char('O'));
    else
        parity = !(line.c_cflag & PARENB);
    return cfgetospeed(&line) == speedOf(m_settings.baudRate) &&
           (line.c_cflag & CSIZE) == sizeOf(m_settings.dataBits) && parity;
}

void SerialLine::readable()
{
    if (m_printer.model().faults.stopsReading) {
        // A printer that stops reading lets the line fill: look again later.
        m_notifier->setEnabled(false);
        m_resume.start(100);
        return;
    }
    // Ten milliseconds of the line's bytes at a time, at least one; the next
    // read waits for as long as those took on the wire.
    const qint64 rate = std::max<qint64>(1, bytesPerSecond());
    QByteArray bytes(int(std::clamp<qint64>(rate / 100, 1, 4096)), Qt::Uninitialized);
    const ssize_t got = ::read(m_master, bytes.data(), size_t(bytes.size()));
    if (got <= 0) {
        // No sender on the line (EIO) or nothing after all: look again soon.
        m_notifier->setEnabled(false);
        m_resume.start(got < 0 && errno == EAGAIN ? 1 : 100);
        return;
    }
    bytes.truncate(got);
    if (!settingsMatch()) {
        // Bits read at the wrong rate or framing are not the bytes sent.
        for (char &byte : bytes)
            byte = char(uchar(byte) ^ 0xA5);
    }
    m_notifier->setEnabled(false);
    m_resume.start(int(std::max<qint64>(1, (got * 1000 + rate - 1) / rate)));
    if (!m_inTransmission) {
        m_inTransmission = true;
        m_printer.connectionBegins();
    }
    m_quiet.start();
    m_printer.receive(bytes);
}
