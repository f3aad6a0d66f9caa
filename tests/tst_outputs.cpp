// What the program writes and shows, and where: a file is replaced whole, a
// device or pipe written into, a link or another user's file left alone;
// the settings are read only from a sane file; each printer is sent to once
// whatever it is called; what reaches a terminal cannot drive it.
#include "common/SafeWrite.h"
#include "common/TerminalText.h"
#include "profile/ProfileStore.h"
#include "support/CliRun.h"
#include "support/PseudoTerminal.h"
#include "support/TestMain.h"
#include "support/WindowDriver.h"
#include "ui/Settings.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QScopeGuard>

#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <vector>

// Every file the program makes durable while a test watches: which file, and
// what it and the file watched held at that moment.
struct Synced {
    QString path;
    QByteArray held;
    QByteArray watchedHeld;
};
static QString watched;
static std::vector<Synced> synced;

// Takes the place of the C library's, for the program's code linked here.
extern "C" int fsync(int fd)
{
    if (!watched.isEmpty()) {
        const QString open = QStringLiteral("/proc/self/fd/%1").arg(fd);
        QFile now(open), target(watched);
        now.open(QIODevice::ReadOnly);
        target.open(QIODevice::ReadOnly);
        synced.push_back({QFileInfo(open).symLinkTarget(), now.readAll(), target.readAll()});
    }
    return int(::syscall(SYS_fsync, fd));
}

namespace
{

QByteArray contents(const QString &path)
{
    QFile file(path);
    return QFileInfo(path).isFile() && file.open(QIODevice::ReadOnly) ? file.readAll()
                                                                      : QByteArray();
}

void put(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// What a path is now, as the tests compare it.
QString kindOf(const QString &path)
{
    struct stat status {
    };
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0)
        return "missing";
    if (S_ISLNK(status.st_mode))
        return "link";
    if (S_ISFIFO(status.st_mode))
        return "fifo";
    if (S_ISDIR(status.st_mode))
        return "folder";
    return "file " + QString::number(status.st_mode & 0777, 8);
}

const QByteArray list = "!L\r\n";
const QByteArray older = "old contents, longer than the new";

// Puts a path of the kind named, holding `bytes` where it holds any: "new"
// (nothing), "file", "big" (2 MiB more), "fifo" (read from here), "link" to
// `aim`, "dangling" (a link to nothing), "folder".
std::unique_ptr<Fifo> make(const QString &kind, const QString &path, const QByteArray &bytes,
                           const QString &aim)
{
    if (kind == "fifo")
        return std::make_unique<Fifo>(path);
    if (kind == "file" || kind == "big")
        put(path, kind == "big" ? bytes + QByteArray(2 * 1024 * 1024, '#') : bytes);
    else if (kind == "folder")
        QDir().mkdir(path);
    else if (kind != "new")
        QFile::link(aim, path);
    if (kind == "link")
        put(aim, bytes);
    return nullptr;
}
constexpr SafeWrite::Targets anyTarget = SafeWrite::Targets::FilesOrStreams;

} // namespace

class TestOutputs : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    // --output, and every writer with it: only a regular file is replaced,
    // its mode kept; a pipe is written into; a link, a dangling one
    // included, and a folder are refused and stay as they were. The settings
    // are read only from a regular file of sane size: a pipe once kept the
    // window from starting, a huge file took seconds. A settings file
    // refused, or a link, is left as it is on the way out.
    void outputsLandOnlyWhereNamed_data()
    {
        // Each row is named by the kind of path it makes (see make()); says:
        // the refusal, none where written with status 0; readable and saved:
        // as the settings.
        columns<QString, QByteArray, QString, bool, bool>(
            {"after", "holds", "says", "readable", "saved"});
        row("new", "file 644", list, "", true, true);
        row("file", "file 640", list, "", true, true);
        row("big", "file 644", list, "", false, false);
        row("fifo", "fifo", list, "", false, false);
        row("link", "link", older, "is a symbolic link", true, false);
        row("dangling", "link", QByteArray(), "is a symbolic link", false, false);
        row("folder", "folder", QByteArray(), "is a folder", false, false);
    }
    void outputsLandOnlyWhereNamed()
    {
        const QString kind = QTest::currentDataTag();
        QTemporaryDir here;
        const QString path = here.filePath("out");
        const QString aim = here.filePath("aim");
        const mode_t mask = ::umask(022);
        const std::unique_ptr<Fifo> fifo = make(kind, path, older, aim);
        if (kind == "file")
            QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
        const Ran cli = runCli({"--list", "--dry-run", "--output", path});
        ::umask(mask);
        QFETCH(QString, says);
        QCOMPARE(cli.status, says.isEmpty() ? 0 : 1);
        QTEST(kindOf(path), "after");
        QTEST(fifo ? fifo->read() : contents(kind == "link" || kind == "dangling" ? aim : path),
              "holds");
        QVERIFY2(cli.err.contains(says) && (says.isEmpty() == cli.err.isEmpty()),
                 qPrintable(cli.err));
        // Nothing is left beside it: no temporary file.
        const QStringList left =
            QDir(here.path())
                .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        QCOMPARE(left, kind == "link" ? QStringList({"aim", "out"}) : QStringList({"out"}));

        // The settings in a file of the same kind.
        const QString settingsPath = Settings::filePath();
        const QString settingsAim = dir.filePath("settings-aim.conf");
        QDir().mkpath(QFileInfo(settingsPath).absolutePath());
        const QByteArray folders = "[folders]\nlog=" + dir.path().toUtf8() + "\n";
        const auto cleared = qScopeGuard([&] {
            QFile::remove(settingsPath);
            QDir().rmdir(settingsPath);
            QFile::remove(settingsAim);
        });
        const std::unique_ptr<Fifo> pipe = make(kind, settingsPath, folders, settingsAim);
        const QString before = kindOf(settingsPath);
        const QString kept = kind == "link" ? settingsAim : settingsPath;
        const QByteArray held = contents(kept);
        {
            Settings settings;
            QTEST(settings.wasReadable(), "readable");
            QCOMPARE(settings.lastFolder(Settings::Folder::Log),
                     kind == "file" || kind == "link" ? dir.path() : QDir::homePath());
            settings.setLastFolder(Settings::Folder::Firmware, dir.path());
        }
        QFETCH(bool, saved);
        QCOMPARE(kindOf(settingsPath), kind == "new" ? "file 644" : before);
        QCOMPARE(contents(kept) != held, saved);
    }

    // A file is replaced by a new one beside it, its bytes made durable
    // before it takes the name: who reads the old file meanwhile reads all
    // of it, and a crash leaves the old file or the new, never half of one.
    void aFileIsReplacedByADurableNewOne()
    {
        const QString path = dir.filePath("replaced.json");
        put(path, older);
        QFile old(path);
        QVERIFY(old.open(QIODevice::ReadOnly));
        watched = path;
        synced.clear();
        const std::optional<Failure> failure = SafeWrite::write(path, list);
        watched.clear();
        QVERIFY(!failure);
        QCOMPARE(contents(path), list);
        QCOMPARE(old.readAll(), older);
        QCOMPARE(synced.size(), size_t(1));
        QCOMPARE(QFileInfo(synced[0].path).absolutePath(), QFileInfo(path).absolutePath());
        QVERIFY(synced[0].path != path);
        QCOMPARE(synced[0].held, list);
        QCOMPARE(synced[0].watchedHeld, older);
    }

    // A pipe nobody opens to read is given up after a while, not waited for
    // for ever.
    void aPipeNobodyReadsIsGivenUp()
    {
        QFile::remove(dir.filePath("unread.pipe"));
        const Fifo unread(dir.filePath("unread.pipe"), false);
        QElapsedTimer clock;
        clock.start();
        const std::optional<Failure> failure =
            SafeWrite::write(unread.path, list, anyTarget, SafeWrite::Caller::current(), 300);
        QVERIFY(failure);
        QVERIFY2(failure->description.english().endsWith(
                     "nothing opened the pipe to read it within 0.3 s."),
                 qPrintable(failure->description.english()));
        QVERIFY2(clock.elapsed() >= 300 && clock.elapsed() < 1000,
                 qPrintable(QString::number(clock.elapsed())));
    }

    // Standard output by its name, into a pipe: once "No such file"; the
    // JSON report into a pipe another program reads.
    void streamsByName()
    {
        const Fifo fifo(dir.filePath("report.pipe"));
        QProcess cli;
        cli.start(VARIMONDE_SETUP_BINARY,
                  {"--list", "--dry-run", "--output", "/dev/stdout", "--report", fifo.path});
        QVERIFY(cli.waitForFinished(10000));
        QCOMPARE(cli.readAllStandardError(), QByteArray());
        QCOMPARE(cli.readAllStandardOutput(), list);
        QCOMPARE(cli.exitCode(), 0);
        QCOMPARE(kindOf(fifo.path), "fifo");
        QVERIFY(fifo.read().contains("\"dryRun\": true"));
    }

    // Running as root, the program writes only what the user it acts for
    // owns; a device anyone may write is no one's; a file it makes for
    // that user is that user's.
    void rootWritesOnlyTheRealUsersFiles_data()
    {
        // user: the real user, relative to the file's owner.
        columns<bool, int, QString, bool>({"root", "user", "kind", "written"});
        row("not root", false, 1, "file", true);
        row("root for the owner", true, 0, "file", true);
        row("root for another user", true, 1, "file", false);
        row("root for another user, own pipe", true, 1, "fifo", false);
        row("root for another user, anyone's pipe", true, 1, "fifo 666", true);
        row("root for another user, a new file: theirs", true, 1, "new", true);
    }
    void rootWritesOnlyTheRealUsersFiles()
    {
        QFETCH(bool, root);
        QFETCH(int, user);
        QFETCH(QString, kind);
        const QString path = dir.filePath("owned");
        QFile::remove(path);
        const std::unique_ptr<Fifo> fifo = make(kind.left(4), path, "before", {});
        if (kind == "fifo 666")
            ::chmod(QFile::encodeName(path).constData(), 0666);
        const SafeWrite::Caller caller{root, unsigned(::getuid() + user), 0};
        const std::optional<Failure> failure = SafeWrite::write(path, "after", anyTarget, caller);
        QFETCH(bool, written);
        QCOMPARE(!failure, written);
        QCOMPARE(fifo ? fifo->read() : contents(path), written          ? "after"
                                                       : kind == "file" ? "before"
                                                                        : "");
        if (failure)
            QVERIFY2(failure->description.english().contains("for whom the program runs as root"),
                     qPrintable(failure->description.english()));
        if (kind == "new" && ::geteuid() == 0)
            QCOMPARE(QFileInfo(path).ownerId(), caller.realUser);
    }
    void rootUnderSudo()
    {
        if (::geteuid() != 0)
            QSKIP("needs root");
        const QString mine = dir.filePath("root-owned");
        put(mine, "before");
        qputenv("SUDO_UID", "65534");
        qputenv("SUDO_GID", "65534");
        const Ran cli = runCli({"--list", "--dry-run", "--output", mine});
        qunsetenv("SUDO_UID");
        qunsetenv("SUDO_GID");
        QCOMPARE(cli.status, 1);
        QCOMPARE(contents(mine), "before");
    }

    // A profile export through a link leaves the linked file alone; one over
    // a longer file keeps what follows the record.
    void profilesAreWrittenSafely()
    {
        const QString aim = dir.filePath("elsewhere.vsp");
        const QString link = dir.filePath("link.vsp");
        put(aim, "untouched");
        QFile::link(aim, link);
        QVERIFY(writeProfile(link, ProfileRecord{}));
        QCOMPARE(contents(aim), "untouched");
        const QString longer = dir.filePath("longer.vsp");
        put(longer, QByteArray(ProfileCodec::slotSize, 'x') + "tail");
        QVERIFY(!writeProfile(longer, ProfileRecord{}));
        QCOMPARE(contents(longer).mid(ProfileCodec::slotSize), "tail");
    }

    // A change made here reaches the file though another run saved since,
    // also after the event loop has turned.
    void settingsKeepTheChangesOfTwoRuns()
    {
        const auto cleared = qScopeGuard([] { QFile::remove(Settings::filePath()); });
        {
            Settings mine;
            mine.setLastFolder(Settings::Folder::Firmware, dir.path());
            QTest::qWait(20);
            Settings().setLastFolder(Settings::Folder::Log, QDir::tempPath());
        }
        const Settings after;
        QCOMPARE(after.lastFolder(Settings::Folder::Firmware), dir.path());
        QCOMPARE(after.lastFolder(Settings::Folder::Log), QDir::tempPath());
    }

    // Numbers the command line refuses, each in its own words. A stall
    // limit or connect timeout beyond a day once overflowed the milliseconds:
    // the limit struck at once, the timeout was off. A recall prints a number
    // of labels: none or fewer is refused, saying what is valid.
    void numbersOutOfRange_data()
    {
        // Each row is named by its arguments; sent: none where refused.
        columns<QByteArray>({"sent"});
        for (const char *refused :
             {"--list --stall-limit 2147484", "--list --stall-limit 86401",
              "--list --busy-limit 86401", "--list --connect-timeout 86401",
              "--list --stall-limit 0", "--recall-format F --quantity -5",
              "--recall-format F --quantity 0", "--recall-format F --quantity 32768"})
            row(refused, QByteArray());
        row("--list --stall-limit 86400 --busy-limit 86400 --connect-timeout 86400", list);
        row("--recall-format F --quantity 1", QByteArray("!R F F 0 100 A 1\r\n"));
        row("--recall-format F --quantity 32767", QByteArray("!R F F 0 100 A 32767\r\n"));
    }
    void numbersOutOfRange()
    {
        const QStringList arguments = words(QTest::currentDataTag());
        QFETCH(QByteArray, sent);
        const Ran cli = runCli(arguments + QStringList{"--dry-run"});
        QCOMPARE(cli.out, sent);
        QCOMPARE(cli.status, sent.isEmpty() ? 2 : 0);
        const QString option = arguments.value(arguments.size() - 2);
        const QString says =
            option == "--quantity"
                ? arguments.join(' ') +
                      ": Invalid Quantity: enter a whole number of labels from 1 to 32767"
                : option + " takes a whole number of seconds from 1 to 86400, not \"" +
                      arguments.last() + "\"";
        QCOMPARE(cli.err.section('\n', 0, 0), sent.isEmpty() ? "varimonde-setup: " + says : "");
    }

    // A printer named twice, or by two names, is sent to once, with a word
    // for each repetition; two line settings for one port are refused. PTY
    // is a pseudo-terminal, LINK a link to it, DIR the test's folder.
    void eachPrinterOnce_data()
    {
        // file: a targets file's lines; says: its lines, split at '|'.
        columns<QString, QString, int, QString>({"targets", "file", "sends", "says"});
        row("twice the same", "COM1 COM1", "", 1,
            "--to: \"COM1\" is the same printer as \"COM1\" (--to): it is sent to once");
        row("COM1 and its device", "COM1 /dev/ttyS0", "", 1, "is the same printer as \"COM1\"");
        row("a device and a link to it", "PTY LINK", "", 1,
            "--to: \"LINK\" is the same printer as \"PTY\"");
        row("host spellings, a file's lines", "tcp://printer.example",
            "tcp://Printer.Example.:9100\n#\ntcp://printer.example\ntcp://h\n", 2,
            "targets.txt:1: \"tcp://Printer.Example.:9100\" is the same printer as "
            "\"tcp://printer.example\" (--to): it is sent to once|"
            "targets.txt:3: \"tcp://printer.example\" is the same");
        row("IPv6 spellings", "tcp://[0:0::1] tcp://[::1]", "", 1, "is the same printer");
        row("IPv4 as IPv6", "tcp://[::ffff:127.0.0.1] tcp://127.0.0.1", "", 1, "is the same");
        row("other ports", "tcp://h:9100 tcp://h:9101", "", 2, "");
        row("missing devices, one path", "DIR/x/../y DIR/y", "", 1, "is the same printer");
        row("missing devices, two paths", "DIR/x DIR/y", "", 2, "");
        row("other line settings", "COM1:9600,N,8,1 COM1:19200,N,8,1", "", 0,
            "\"COM1:19200,N,8,1\" is the same printer as \"COM1:9600,N,8,1\" (--to) with "
            "other line settings: give it once");
    }
    void eachPrinterOnce()
    {
        QFETCH(QString, targets);
        QFETCH(QString, file);
        QFETCH(QString, says);
        PseudoTerminal pty;
        const QString link = dir.filePath("by-id-link");
        QFile::remove(link);
        QFile::link(pty.slavePath(), link);
        QStringList arguments{"--list", "--dry-run"};
        for (const QString &target :
             targets.replace("PTY", pty.slavePath()).replace("LINK", link).split(' '))
            arguments << "--to" << QString(target).replace("DIR", dir.path());
        if (!file.isEmpty()) {
            put(dir.filePath("targets.txt"), file.toUtf8());
            arguments << "--targets" << dir.filePath("targets.txt");
        }
        const Ran cli = runCli(arguments);
        QFETCH(int, sends);
        QCOMPARE(cli.status, sends ? 0 : 2);
        QCOMPARE(cli.out, list.repeated(sends));
        QString err = cli.err;
        err.replace(pty.slavePath(), "PTY").replace(link, "LINK").replace(dir.path() + "/", "");
        const QStringList lines = says.split('|', Qt::SkipEmptyParts);
        QCOMPARE(err.count('\n'), lines.size());
        for (const QString &line : lines)
            QVERIFY2(err.contains(line), qPrintable(err));
    }

    // On a terminal, control characters and bidirectional marks from files
    // and names are shown written out; into a pipe they pass as they are.
    // A %1 in the file's name once took the line number's place.
    void terminalsSeeEscapes()
    {
        const QString path = dir.filePath("evil%1%2\u202Etxt.targets");
        put(path, "\x1b]0;owned\x07\n\x1b[2J\u2067x\n\u009b31m\tcaf\u00e9\n");
        PseudoTerminal terminal;
        QProcess cli;
        const int fd = terminal.slaveFd();
        cli.setChildProcessModifier([fd] {
            ::dup2(fd, STDOUT_FILENO);
            ::dup2(fd, STDERR_FILENO);
        });
        cli.start(VARIMONDE_SETUP_BINARY, {"--targets", path, "--list"});
        QVERIFY(cli.waitForFinished(10000));
        QCOMPARE(cli.exitCode(), 2);
        const QString shown = QString::fromUtf8(terminal.readAvailable());
        const QString escapedPath = dir.filePath("evil%1%2\\u202etxt.targets");
        QVERIFY2(shown.contains(escapedPath + ":1: target \"\\x1b]0;owned\\x07\"") &&
                     shown.contains(escapedPath + ":2: target \"\\x1b[2J\\u2067x\"") &&
                     shown.contains(escapedPath + ":3: target \"\\u009b31m\\x09caf\u00e9\""),
                 qPrintable(shown));
        QVERIFY(!shown.contains(QChar(0x1b)) && !shown.contains(QChar(0x202e)) &&
                !shown.contains(QChar(0x2067)) && !shown.contains(QChar(0x07)));
        const Ran piped = runCli({"--targets", path, "--list"});
        QVERIFY(piped.err.contains(path + ":1: target \"\x1b]0;owned\x07\""));
    }
};

VARIMONDE_TEST_MAIN(TestOutputs)
#include "tst_outputs.moc"
