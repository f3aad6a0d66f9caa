#pragma once

#include "link/LinkAddress.h"

#include <QString>

#include <variant>

// One printer named on the command line, in the forms LinkAddress::parse
// reads.
struct Target {
    QString written; // as given
    LinkAddress address;
    // What the printer is (identify()), fixed when the targets are gathered.
    QString identity;
    QString origin; // where it was named: "--to", or "FILE:LINE"

    // The target, or why the text names none.
    static std::variant<Target, QString> parse(const QString &written);

    // Targets that share a key share a port: one transfer at a time. The
    // identity, once set; until then the port's name.
    QString portKey() const;
    // The device or network printer this target leads to now, whatever it
    // is called (DeviceIdentity).
    QString identify() const;
};
