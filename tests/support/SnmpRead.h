#pragma once

#include "discovery/SnmpReader.h"

#include <QTest>

#include <optional>

// What the printer at `host` answers SnmpReader, read from the event loop as
// the window reads it; an empty answer when none came within five seconds.
inline SnmpAnswer readThrough(const SnmpOptions &options,
                              const QString &host = QStringLiteral("127.0.0.1"))
{
    SnmpReader reader(options);
    std::optional<SnmpAnswer> heard;
    reader.read(host, [&heard](const QString &, const SnmpAnswer &answer) { heard = answer; });
    return QTest::qWaitFor([&heard] { return heard.has_value(); }, 5000) ? *heard : SnmpAnswer{};
}
