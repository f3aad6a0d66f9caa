#include "ui/ScreenPlace.h"

#include <algorithm>

QRect ScreenPlace::beside(const QRect &anchor, const QSize &size, const QSize &minimum,
                          const QRect &available)
{
    QSize fitted = size.boundedTo(available.size());
    const int rightRoom = available.right() - anchor.right();
    const int leftRoom = anchor.left() - available.left();
    const int room = std::max(rightRoom, leftRoom);
    if (room < fitted.width())
        fitted.setWidth(std::max(room, std::min(minimum.width(), fitted.width())));
    int x = anchor.right() + 1; // pushed back from the edge by the clamp below
    if (rightRoom < fitted.width() && leftRoom >= fitted.width())
        x = anchor.left() - fitted.width();
    else if (rightRoom < fitted.width() && leftRoom > rightRoom)
        x = available.left();
    x = std::clamp(x, available.left(), available.right() + 1 - fitted.width());
    const int y =
        std::clamp(anchor.top(), available.top(), available.bottom() + 1 - fitted.height());
    return {QPoint(x, y), fitted};
}

ScreenPlace::Places ScreenPlace::apart(const QRect &anchor, const QSize &size, const QSize &minimum,
                                       const QRect &available)
{
    QRect moved = anchor;
    const int rightRoom = available.right() - anchor.right();
    const int leftRoom = anchor.left() - available.left();
    const int spare = available.width() - anchor.width();
    const int needed = std::min({minimum.width(), size.width(), spare});
    // A window partly off the screen is where its user put it: left alone.
    if (leftRoom >= 0 && rightRoom >= 0 && std::max(leftRoom, rightRoom) < needed) {
        if (rightRoom >= leftRoom)
            moved.moveRight(available.right() - needed);
        else
            moved.moveLeft(available.left() + needed);
    }
    return {moved, beside(moved, size, minimum, available)};
}
