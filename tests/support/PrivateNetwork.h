#pragma once

#include <QByteArray>
#include <QString>

// A network of the test program's own: network and mount namespaces made
// before any thread starts, their loopback interface up. Every loopback
// address and port in it is the program's alone (9100 included, whatever
// else runs on the machine), and so are the programs it starts; what it
// mounts stays inside.
namespace PrivateNetwork
{

// Enters them; called first thing in main(). Not root, a user namespace
// gives the rights inside.
void enter();
// Why the namespaces could not be made; empty once inside.
QString refusal();
// `text` as /etc/resolv.conf for the program and the programs it starts,
// until restoreResolverConfiguration(); why not, or empty.
QString useResolverConfiguration(const QByteArray &text);
void restoreResolverConfiguration();

} // namespace PrivateNetwork

// Skips a test that needs the private network when it could not be made.
#define REQUIRE_PRIVATE_NETWORK()                                                                  \
    do {                                                                                           \
        if (!PrivateNetwork::refusal().isEmpty())                                                  \
            QSKIP(qPrintable("no network namespace of its own: " + PrivateNetwork::refusal()));    \
    } while (false)
