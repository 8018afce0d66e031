#include "app/WindowPlacement.h"

#include <algorithm>
#include <limits>

namespace trv630 {

namespace {

/// Squared distance between two rectangles (0 when they overlap).
qint64 distance2(const QRect& a, const QRect& b)
{
    const qint64 dx = std::max<qint64>({0, qint64(b.left()) - a.right(), qint64(a.left()) - b.right()});
    const qint64 dy = std::max<qint64>({0, qint64(b.top()) - a.bottom(), qint64(a.top()) - b.bottom()});
    return dx * dx + dy * dy;
}

int clampInto(int pos, int length, int screenStart, int screenLength)
{
    // A window larger than the screen keeps its top-left corner on it.
    const int last = screenStart + std::max(0, screenLength - length);
    return std::clamp(pos, screenStart, last);
}

} // namespace

QPoint placeOnScreen(QPoint stored, QSize frame, const QList<QRect>& screens)
{
    if (screens.isEmpty())
        return stored;

    const QRect window(stored, frame);
    const QRect titleStrip(stored, QSize(frame.width(), std::min(frame.height(), 30)));
    for (const QRect& screen : screens) {
        const QRect visible = screen.intersected(titleStrip);
        if (visible.width() >= std::min(reachableWidth, frame.width())
            && visible.height() >= std::min(reachableHeight, titleStrip.height()))
            return stored;
    }

    const QRect* nearest = &screens.front();
    qint64 best = std::numeric_limits<qint64>::max();
    for (const QRect& screen : screens) {
        const qint64 d = distance2(window, screen);
        if (d < best) {
            best = d;
            nearest = &screen;
        }
    }
    return {clampInto(stored.x(), frame.width(), nearest->left(), nearest->width()),
            clampInto(stored.y(), frame.height(), nearest->top(), nearest->height())};
}

} // namespace trv630
