#include "cli/Target.h"

#include "common/CommandLineText.h"

#include "link/DeviceIdentity.h"
#include "link/PortNames.h"
#include "operation/OperationBuilders.h"

std::variant<Target, QString> Target::parse(const QString &text)
{
    const QString written = text.trimmed();
    // The same addresses as the window takes: a USB printer only as lp<n>
    // in the USB device folder.
    std::variant<LinkAddress, QString> address =
        OperationBuilders::linkAddress(written, PortNames());
    if (const QString *why = std::get_if<QString>(&address))
        return written.isEmpty() ? CommandLineText::tr("an empty target: %1").arg(*why)
                                 : CommandLineText::tr("target \"%1\": %2").arg(written, *why);
    return Target{written, std::get<LinkAddress>(address)};
}

QString Target::identify() const
{
    if (address.kind() == LinkAddress::Kind::Network)
        return DeviceIdentity::ofNetwork(address.host(), address.port());
    return DeviceIdentity::ofDevice(address.portKey(PortNames()));
}

QString Target::portKey() const
{
    return identity.isEmpty() ? address.portKey(PortNames()) : identity;
}
