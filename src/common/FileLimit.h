#pragma once

// How many descriptors the process may hold open. Many printers at once, or
// a sweep of many addresses, need many: the soft limit (often 1024) is
// raised to what the system allows before they start.
namespace FileLimit
{

// Raises the soft limit to the hard one; returns the limit now, at most
// 2^20 (also when there is none).
int raise();

} // namespace FileLimit
