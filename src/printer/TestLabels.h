#pragma once

#include <QString>

// The two built-in test label programs, sent to the printer unchanged. Both
// print the maker's web address in capitals, without scheme.
namespace TestLabels
{

// The 4X3 label: 15 lines ending in "END".
const QString &fourByThree();
// The 2.4X1 label: 8 lines ending in "End".
const QString &twoPointFourByOne();

} // namespace TestLabels
