#pragma once

#include <QLatin1String>
#include <QString>

// How to reach the printer maker. The About page links to these, and the
// test labels print the web address, so a change here reaches both.
namespace MakerContact
{

// The web site's host name, as the About page shows it.
inline constexpr char hostName[] = "www.varimonde.com";
// Technical support's mailbox, as the About page shows it.
inline constexpr char supportEmail[] = "techsupport@varimonde.com";

// What the web link opens: scheme and host.
inline QString webUrl()
{
    return QLatin1String("https://") + QLatin1String(hostName);
}

// What the e-mail link opens.
inline QString mailUrl()
{
    return QLatin1String("mailto:") + QLatin1String(supportEmail);
}

} // namespace MakerContact
