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

struct Places {
    QRect anchor;
    QRect beside;
};

// As beside(), but where the window would lie over the anchor even at
// `minimum` and the anchor lies across the screen's width, the anchor first
// moves toward the further edge, as little as makes room for the other
// window at `minimum` (or, where the screen is too narrow for both, to that
// edge, so that they overlap as little as they can).
Places apart(const QRect &anchor, const QSize &size, const QSize &minimum, const QRect &available);
} // namespace ScreenPlace
