// Where the main window goes at start-up: the stored position (outer top-left
// corner, screen pixels), unless that would leave the window off every
// screen, in which case it comes back onto the nearest screen so that the
// user can always reach it.
#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace trv630 {

/// The part of a window's outer rectangle that must lie on some screen for
/// the window to count as reachable: a strip of its title bar at least this
/// wide and this high.
inline constexpr int reachableWidth = 100;
inline constexpr int reachableHeight = 20;

/// The position for a window of outer size `frame` stored at `stored`.
/// `screens` are the available geometries of the screens (empty: no screen
/// known, the stored position is kept). A window whose title bar strip lies
/// on a screen keeps its position; otherwise it is moved into the screen
/// nearest to the stored rectangle, as far as it fits.
QPoint placeOnScreen(QPoint stored, QSize frame, const QList<QRect>& screens);

} // namespace trv630
