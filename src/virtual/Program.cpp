#include "virtual/Program.h"

#include "common/ProcessSignals.h"
#include "discovery/SnmpReader.h"
#include "discovery/SnmpSecrets.h"
#include "link/SerialSettings.h"
#include "virtual/DnsSdAnnouncer.h"
#include "virtual/Fleet.h"
#include "virtual/SerialLine.h"
#include "virtual/SnmpAgent.h"
#include "virtual/VirtualPrinter.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QJsonDocument>
#include <QLocalSocket>
#include <QSocketNotifier>
#include <QTimer>

#include <cstdio>
#include <sys/resource.h>

namespace
{

// Printers one process runs at most: each takes two descriptors, and a
// connection to each another.
constexpr int maxPrinters = 4096;

void say(const QString &line)
{
    std::fputs(qPrintable(line + QLatin1Char('\n')), stdout);
    std::fflush(stdout);
}

int fail(const QString &why)
{
    std::fputs(qPrintable(QStringLiteral("varimonde-virtual-printer: ") + why + QLatin1Char('\n')),
               stderr);
    return 2;
}

// Many printers want many descriptors: the soft limit goes up to the hard one.
void allowDescriptors()
{
    rlimit limit{};
    if (getrlimit(RLIMIT_NOFILE, &limit) == 0 && limit.rlim_cur < limit.rlim_max) {
        limit.rlim_cur = limit.rlim_max;
        setrlimit(RLIMIT_NOFILE, &limit);
    }
}

struct Listen {
    QList<QHostAddress> addresses;
    quint16 port = 9100;
};

// "127.0.1.1-127.0.2.244:9100", "127.0.0.1:0", "[::1]:9100".
std::variant<Listen, QString> parseListen(const QString &written, int count)
{
    const qsizetype colon = written.lastIndexOf(QLatin1Char(':'));
    if (colon < 0)
        return QStringLiteral("--listen %1: give addresses and a port, as 127.0.1.1-127.0.1.9:9100")
            .arg(written);
    bool number = false;
    const uint port = written.mid(colon + 1).toUInt(&number);
    if (!number || port > 65535)
        return QStringLiteral("--listen %1: the port is a number from 0 to 65535").arg(written);
    QString addresses = written.left(colon);
    if (addresses.startsWith(QLatin1Char('[')) && addresses.endsWith(QLatin1Char(']')))
        addresses = addresses.mid(1, addresses.size() - 2);
    auto range = Fleet::addressRange(addresses, maxPrinters);
    if (const QString *why = std::get_if<QString>(&range))
        return QStringLiteral("--listen ") + *why;
    Listen listen{std::get<QList<QHostAddress>>(range), quint16(port)};
    if (count > 1) {
        if (listen.addresses.size() != 1 ||
            listen.addresses.first().protocol() != QAbstractSocket::IPv4Protocol)
            return QStringLiteral("--count takes one IPv4 address to start from");
        const quint32 first = listen.addresses.first().toIPv4Address();
        if (quint64(first) + quint64(count) - 1 > 0xFFFFFFFFu)
            return QStringLiteral("--count goes past the last address");
        for (int i = 1; i < count; ++i)
            listen.addresses << QHostAddress(first + quint32(i));
    }
    return listen;
}

// Asks a running printer process and prints its answer. Printers still
// starting (no socket yet, or not yet listening) are waited for.
int tell(const QString &path, const QString &request)
{
    QLocalSocket socket;
    int status = 1;
    QTimer retry;
    retry.setSingleShot(true);
    retry.setInterval(100);
    QObject::connect(&retry, &QTimer::timeout, &socket, [&] { socket.connectToServer(path); });
    QObject::connect(&socket, &QLocalSocket::connected, &socket,
                     [&] { socket.write(request.toUtf8().trimmed() + '\n'); });
    QObject::connect(&socket, &QLocalSocket::readyRead, &socket, [&] {
        if (!socket.canReadLine())
            return;
        const QByteArray answer = socket.readLine().trimmed();
        std::fputs(answer.constData(), stdout);
        std::fputc('\n', stdout);
        status = QJsonDocument::fromJson(answer)[QStringLiteral("ok")].toBool() ? 0 : 1;
        QCoreApplication::quit();
    });
    QObject::connect(&socket, &QLocalSocket::errorOccurred, &socket,
                     [&](QLocalSocket::LocalSocketError error) {
                         if (error == QLocalSocket::ServerNotFoundError ||
                             error == QLocalSocket::ConnectionRefusedError) {
                             retry.start();
                             return;
                         }
                         status = fail(QStringLiteral("%1: %2").arg(path, socket.errorString()));
                         QCoreApplication::quit();
                     });
    QTimer::singleShot(10000, &socket, [&] {
        status = fail(QStringLiteral("%1 did not answer within 10 seconds").arg(path));
        QCoreApplication::quit();
    });
    socket.connectToServer(path);
    QCoreApplication::exec();
    return status;
}

} // namespace

bool VirtualProgram::wantsWindow(int argc, char *argv[])
{
    // Options end at "--"; an option's value is never "--window" in
    // practice, and would only cost an application object with a display.
    for (int i = 1; i < argc; ++i) {
        if (qstrcmp(argv[i], "--") == 0)
            return false;
        if (qstrcmp(argv[i], "--window") == 0)
            return true;
    }
    return false;
}

int VirtualProgram::main(int argc, char *argv[], const Window &window)
{
    ignoreBrokenPipeSignal();
    const bool windowed = wantsWindow(argc, argv);
    if (windowed && (!window.application || !window.open))
        return fail(QStringLiteral("--window: this program was built without windows"));
    if (windowed && window.missingDisplay) {
        // Without a display Qt would end the process with a core dump.
        if (const std::optional<QString> why = window.missingDisplay(argc, argv))
            return fail(QStringLiteral("--window: ") + *why);
    }
    const std::unique_ptr<QCoreApplication> application =
        windowed ? window.application(argc, argv) : std::make_unique<QCoreApplication>(argc, argv);
    QCoreApplication &app = *application;
    QCoreApplication::setApplicationName(QStringLiteral("varimonde-virtual-printer"));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Virtual Varimonde label printers: raw TCP ports, SNMP agents and serial lines that "
        "take what the setup utility sends and keep each printer's state."));
    parser.addHelpOption();
    parser.addOptions({
        {QStringLiteral("listen"),
         QStringLiteral(
             "Printers on ADDRESS[-LAST]:PORT (port 0: the system chooses). Repeatable."),
         QStringLiteral("addresses:port")},
        {QStringLiteral("count"),
         QStringLiteral("Printers on N addresses from the one --listen gives."),
         QStringLiteral("N")},
        {QStringLiteral("snmp-port"),
         QStringLiteral("Each printer's SNMP agent on this UDP port of its address (default 161; "
                        "0: the system chooses)."),
         QStringLiteral("port")},
        {QStringLiteral("no-snmp"), QStringLiteral("No SNMP agents.")},
        {QStringLiteral("no-dns-sd"),
         QStringLiteral("Do not announce the printers through Avahi.")},
        {QStringLiteral("community-file"),
         QStringLiteral("The SNMP community of every printer, the first line of FILE (default "
                        "public)."),
         QStringLiteral("file")},
        {QStringLiteral("snmp-user"),
         QStringLiteral("Each printer's agent answers SNMP v3 as this user too, with the pass "
                        "phrases of --snmp-secrets."),
         QStringLiteral("name")},
        {QStringLiteral("snmp-secrets"),
         QStringLiteral("The SNMP secrets, lines community=, auth= and priv=, from FILE (only its "
                        "owner may read it) or - for standard input."),
         QStringLiteral("file")},
        {QStringLiteral("serial"),
         QStringLiteral("A serial printer on a pseudo-terminal with these line settings "
                        "(9600,N,8,1). Repeatable."),
         QStringLiteral("settings")},
        {QStringLiteral("control"),
         QStringLiteral("Take control requests, one JSON object a line, on the local socket PATH."),
         QStringLiteral("path")},
        {QStringLiteral("tell"),
         QStringLiteral("Send one control request to the printers running on --control and "
                        "print the answer."),
         QStringLiteral("json")},
        {QStringLiteral("apply"),
         QStringLiteral("A control request carried out at start. Repeatable."),
         QStringLiteral("json")},
        {QStringLiteral("state"),
         QStringLiteral("Keep every printer's state in FILE as JSON, rewritten on each change."),
         QStringLiteral("file")},
        {QStringLiteral("pictures"),
         QStringLiteral("Save each stored graphic as a PNG picture in FOLDER."),
         QStringLiteral("folder")},
        {QStringLiteral("window"),
         QStringLiteral("Show the printers in a window, with buttons that open the door, run "
                        "out of paper, jam or make a printer ready. Needs a display; closing "
                        "the window ends the program.")},
        {QStringLiteral("restart-seconds"),
         QStringLiteral("How long a printer restarts after a firmware image (default 3)."),
         QStringLiteral("seconds")},
    });
    parser.process(app);

    if (parser.isSet(QStringLiteral("tell"))) {
        if (!parser.isSet(QStringLiteral("control")))
            return fail(QStringLiteral("--tell needs --control with the printers' socket"));
        return tell(parser.value(QStringLiteral("control")), parser.value(QStringLiteral("tell")));
    }
    if (!parser.positionalArguments().isEmpty())
        return fail(
            QStringLiteral("unexpected argument %1").arg(parser.positionalArguments().first()));

    int count = 1;
    if (parser.isSet(QStringLiteral("count"))) {
        bool number = false;
        count = parser.value(QStringLiteral("count")).toInt(&number);
        if (!number || count < 1 || count > maxPrinters)
            return fail(QStringLiteral("--count is a number from 1 to %1").arg(maxPrinters));
        if (parser.values(QStringLiteral("listen")).size() != 1)
            return fail(QStringLiteral("--count takes exactly one --listen"));
    }
    std::optional<quint16> snmpPort = quint16(161);
    if (parser.isSet(QStringLiteral("no-snmp"))) {
        snmpPort.reset();
    } else if (parser.isSet(QStringLiteral("snmp-port"))) {
        bool number = false;
        const uint port = parser.value(QStringLiteral("snmp-port")).toUInt(&number);
        if (!number || port > 65535)
            return fail(QStringLiteral("--snmp-port is a number from 0 to 65535"));
        snmpPort = quint16(port);
    }
    QString community = QStringLiteral("public");
    if (parser.isSet(QStringLiteral("community-file"))) {
        // A secret: read from a file, never given on the command line.
        QFile file(parser.value(QStringLiteral("community-file")));
        if (!file.open(QIODevice::ReadOnly))
            return fail(QStringLiteral("%1: %2").arg(file.fileName(), file.errorString()));
        community = QString::fromUtf8(file.readLine(256)).trimmed();
        if (community.isEmpty())
            return fail(
                QStringLiteral("%1 holds no community on its first line").arg(file.fileName()));
    }
    SnmpOptions secrets;
    secrets.community.clear();
    if (parser.isSet(QStringLiteral("snmp-secrets"))) {
        const QString label = QStringLiteral("--snmp-secrets: ");
        bool interrupted = false;
        auto loaded = SnmpSecrets::load(parser.value(QStringLiteral("snmp-secrets")), interrupted);
        if (interrupted)
            return 130;
        if (const QString *why = std::get_if<QString>(&loaded))
            return fail(label + *why);
        if (const std::optional<QString> why =
                SnmpSecrets::parse(std::get<QByteArray>(loaded), secrets))
            return fail(label + *why);
        if (!secrets.community.isEmpty()) {
            if (parser.isSet(QStringLiteral("community-file")))
                return fail(QStringLiteral("give the community with --community-file or in "
                                           "--snmp-secrets, not both"));
            community = secrets.community;
        }
    }
    const QString user = parser.value(QStringLiteral("snmp-user"));
    if (const QString problem = SnmpAgent::userProblem(user, secrets.authPass, secrets.privPass);
        !problem.isEmpty())
        return fail(problem);
    if (!user.isEmpty() && !snmpPort)
        return fail(QStringLiteral("--snmp-user needs SNMP agents: drop --no-snmp"));
    int restartMs = 3000;
    if (parser.isSet(QStringLiteral("restart-seconds"))) {
        bool number = false;
        const double seconds = parser.value(QStringLiteral("restart-seconds")).toDouble(&number);
        if (!number || seconds < 0 || seconds > 600)
            return fail(QStringLiteral("--restart-seconds is a number from 0 to 600"));
        restartMs = int(seconds * 1000);
    }

    QList<Listen> listens;
    int total = 0;
    for (const QString &written : parser.values(QStringLiteral("listen"))) {
        auto listen = parseListen(written, count);
        if (const QString *why = std::get_if<QString>(&listen))
            return fail(*why);
        listens << std::get<Listen>(listen);
        total += int(listens.last().addresses.size());
        if (total > maxPrinters)
            return fail(QStringLiteral("at most %1 printers run in one process").arg(maxPrinters));
    }
    QList<SerialSettings> serials;
    for (const QString &written : parser.values(QStringLiteral("serial"))) {
        const std::optional<SerialSettings> settings = SerialSettings::parse(written);
        if (!settings)
            return fail(
                QStringLiteral("--serial %1: line settings are written baud,parity,data,stop "
                               "as 9600,N,8,1")
                    .arg(written));
        serials << *settings;
    }
    if (listens.isEmpty() && serials.isEmpty())
        return fail(QStringLiteral("give printers with --listen or --serial (see --help)"));

    allowDescriptors();
    Fleet fleet;
    fleet.setRestartMs(restartMs);
    if (parser.isSet(QStringLiteral("pictures")))
        fleet.setPicturesFolder(parser.value(QStringLiteral("pictures")));
    for (const Listen &listen : std::as_const(listens)) {
        for (const QHostAddress &address : listen.addresses) {
            QString failure;
            VirtualPrinter *printer =
                fleet.addNetworkPrinter(address, listen.port, snmpPort, &failure);
            if (!printer)
                return fail(failure);
            printer->model().community = community;
            if (!user.isEmpty()) {
                if (const QString failure =
                        printer->snmpAgent()->setUser(user, secrets.authPass, secrets.privPass);
                    !failure.isEmpty())
                    return fail(failure);
            }
            say(QStringLiteral("printer %1 port %2")
                    .arg(printer->model().name())
                    .arg(printer->port()) +
                (snmpPort ? QStringLiteral(" snmp %1").arg(printer->snmpPort()) : QString()));
        }
    }
    if (!listens.isEmpty() && !parser.isSet(QStringLiteral("no-dns-sd"))) {
        auto *announcer = new DnsSdAnnouncer(say, &fleet);
        for (VirtualPrinter *printer : fleet.printers())
            announcer->announce(printer->model().name(), printer->address(), printer->port(),
                                printer->model().serialNumber);
    }
    for (int i = 0; i < serials.size(); ++i) {
        auto *printer = new VirtualPrinter(QStringLiteral("serial%1").arg(i + 1));
        auto *line = new SerialLine(*printer, serials[i], printer);
        if (!line->isOpen()) {
            delete printer;
            return fail(line->failure());
        }
        printer->model().serialNumber = QStringLiteral("VS%1").arg(i + 1, 8, 10, QLatin1Char('0'));
        fleet.adopt(printer);
        say(QStringLiteral("printer %1 serial %2 at %3")
                .arg(printer->model().name(), line->path(), serials[i].toText()));
    }
    for (const QString &request : parser.values(QStringLiteral("apply"))) {
        // A command line is seen by every user of the computer.
        const QJsonObject asked = QJsonDocument::fromJson(request.toUtf8()).object();
        for (const char *secret : {"community", "auth", "priv"}) {
            if (asked.contains(QLatin1String(secret)))
                return fail(QStringLiteral("--apply takes no %1: secrets go in --snmp-secrets or "
                                           "to the control socket")
                                .arg(QLatin1String(secret)));
        }
        const QJsonObject answer = fleet.control(request.toUtf8());
        if (!answer[QStringLiteral("ok")].toBool())
            return fail(QStringLiteral("--apply %1: %2")
                            .arg(request, answer[QStringLiteral("error")].toString()));
    }
    if (parser.isSet(QStringLiteral("control"))) {
        QString failure;
        if (!fleet.listenControl(parser.value(QStringLiteral("control")), &failure))
            return fail(failure);
    }
    if (parser.isSet(QStringLiteral("state"))) {
        fleet.setStatePath(parser.value(QStringLiteral("state")));
        if (const std::optional<QString> failure = fleet.writeState())
            return fail(*failure);
    }

    // Made after the state file's first writing, deleted before the fleet.
    std::unique_ptr<QObject> shown;
    if (windowed)
        shown = window.open(fleet);

    Interrupts::catchThem();
    QSocketNotifier interrupted(Interrupts::descriptor(), QSocketNotifier::Read);
    QObject::connect(&interrupted, &QSocketNotifier::activated, &app,
                     [] { QCoreApplication::quit(); });
    say(QStringLiteral("ready: %1 printers").arg(fleet.printers().size()));
    const int status = QCoreApplication::exec();
    Interrupts::release();
    if (const std::optional<QString> failure = fleet.writeState())
        return fail(*failure);
    return status;
}
