#pragma once

#include <QRect>

namespace ScreenPlace
{

// Where a window of outer size `size` goes beside the window framed by
// `anchor`: to its right, else to its left, at its top. Where neither side
// has room, it narrows to the roomier side, down to `minimum`, and only
// then lies over the anchor as far as needed. The result lies wholly within
// `available`, shrunk to it if larger.
QRect beside(const QRect &anchor, const QSize &size, const QSize &minimum, const QRect &available);
} // namespace ScreenPlace
