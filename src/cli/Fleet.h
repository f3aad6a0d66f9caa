#pragma once

#include "cli/Console.h"
#include "discovery/Discovery.h"

#include <QHostAddress>

#include <optional>

struct Plan;
class PrinterWatch;

// What the command line tells of a fleet between sends: the details each
// printer gave over SNMP, an inventory file, a watch of changes and its
// metrics for Prometheus.
namespace Fleet
{

// Lines above the --status table: each printer's location, uptime, front
// panel, alerts, media and odometer, as far as it told them.
QString details(const QList<FoundPrinter> &printers);

// One row per printer: JSON ({"printers": [...]}, as --status's report)
// when `path` ends in .json, else CSV with a header line.
QByteArray inventory(const QList<FoundPrinter> &printers, const QString &path);

struct Endpoint {
    QHostAddress address;
    quint16 port = 0;
};
// "127.0.0.1:9464", "[::1]:0", "localhost:9464"; nothing when malformed.
std::optional<Endpoint> metricsEndpoint(const QString &written);

// The watch's state in the Prometheus text format.
QByteArray metrics(const PrinterWatch &watch);

// Runs --watch until interrupted: 130, after a summary on standard error.
int watch(const Plan &plan, const Console &console);

} // namespace Fleet
