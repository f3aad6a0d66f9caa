#pragma once

#include "common/Failure.h"

#include <QByteArrayView>
#include <QString>

#include <optional>

// How the program writes every file it makes: profiles, reports, dry-run
// outputs, saved logs and its settings. A regular file, or a name not yet
// taken, is replaced whole at once, so that an interrupted write leaves the
// old file; a character device, a pipe or standard output is written into
// as a stream and stays what it is. A folder, a symbolic link and, for a
// process running as root, a file its real user does not own are refused:
// run by configuration tools as root, the program must never overwrite a
// system file it was pointed at.
namespace SafeWrite
{

// Who the program writes for. Root acts for the user named by SUDO_UID
// when sudo started it, else for root itself.
struct Caller {
    bool root = false;
    unsigned realUser = 0;
    unsigned realGroup = 0;

    static Caller current();
};

enum class Targets {
    FilesOnly,     // a regular file or a new one: settings
    FilesOrStreams // also a device, pipe or standard output
};

// What writing to `path` would do, or why it must not.
enum class Kind { NewFile, ReplaceFile, Stream };
struct Checked {
    std::optional<Kind> kind;
    std::optional<Failure> refusal;
};
Checked check(const QString &path, Targets targets = Targets::FilesOrStreams,
              const Caller &caller = Caller::current());

// How long a pipe is waited for before anything opens it to read.
constexpr int defaultReaderWaitMs = 10000;

// Writes all of `bytes` to `path`, or says why not; nothing is left half
// written in place of a regular file. A pipe nobody reads is given up after
// `readerWaitMs`, and a write into a stream on an interrupt (Interrupts)
// that comes while it waits.
std::optional<Failure> write(const QString &path, QByteArrayView bytes,
                             Targets targets = Targets::FilesOrStreams,
                             const Caller &caller = Caller::current(),
                             int readerWaitMs = defaultReaderWaitMs);

} // namespace SafeWrite
