#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <variant>

struct SnmpOptions;

// SNMP secrets (the community, the v3 pass phrases) come from a file only
// its owner may read, or from standard input: a command line is visible to
// every user of the computer in its process list.
namespace SnmpSecrets
{

// Lines "community=...", "auth=..." and "priv=...", the value to the end of
// the line; blank lines and lines starting with # are skipped. Sets what is
// given in `snmp`; a refusal names the line, never the secret.
std::optional<QString> parse(const QByteArray &text, SnmpOptions &snmp);

// The bytes of `path` ("-": standard input, until it ends). Refuses a file
// that is not regular, that another user may read or change, or that is
// larger than any secrets file. `interrupted` is set when SIGINT or SIGTERM
// ended the wait for standard input.
std::variant<QByteArray, QString> load(const QString &path, bool &interrupted);

// Where secrets given on the command line are worth a warning: the option
// and what it shows.
QStringList exposed(const QStringList &givenOptions);

constexpr qint64 maxBytes = 64 * 1024;

} // namespace SnmpSecrets
