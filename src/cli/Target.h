#pragma once

#include "link/LinkAddress.h"

#include <QString>

#include <variant>

// One printer named on the command line, in the forms LinkAddress::parse
// reads.
struct Target {
    QString written; // as given
    LinkAddress address;

    // The target, or why the text names none.
    static std::variant<Target, QString> parse(const QString &written);

    // Targets that share a key share a port: one transfer at a time.
    QString portKey() const;
};
