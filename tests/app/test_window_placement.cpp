// Start-up position of the main window: kept when reachable, brought back
// onto the nearest screen otherwise.
#include "app/WindowPlacement.h"

#include <gtest/gtest.h>

namespace {

const QSize frame(773, 601);
const QRect left(0, 0, 1920, 1080);
const QRect right(1920, 0, 1280, 1024);

struct PlacementCase {
    const char* what;
    QPoint stored;
    QList<QRect> screens;
    QPoint expected;
};

TEST(WindowPlacement, StoredPositionOrNearestScreen)
{
    const PlacementCase cases[] = {
        {"first run", {0, 0}, {left}, {0, 0}},
        {"inside", {300, 200}, {left}, {300, 200}},
        {"partly off to the right, title bar reachable", {1800, 100}, {left}, {1800, 100}},
        {"partly above but title strip still 20 px on screen", {50, -10}, {left}, {50, -10}},
        {"title bar above the screen", {50, -500}, {left}, {50, 0}},
        {"far left", {-5000, 300}, {left}, {0, 300}},
        {"far below", {200, 9000}, {left}, {200, 1080 - 601}},
        {"far right of two screens: onto the right one", {9000, 100}, {left, right}, {1920 + 1280 - 773, 100}},
        {"on the second screen", {2000, 50}, {left, right}, {2000, 50}},
        {"between screens stacked with a gap", {100, 1100}, {left, QRect(0, 1200, 800, 600)}, {27, 1200}},
        {"screen smaller than the window", {-3000, -3000}, {QRect(0, 0, 640, 480)}, {0, 0}},
        {"no screen known", {-5000, -5000}, {}, {-5000, -5000}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(trv630::placeOnScreen(c.stored, frame, c.screens), c.expected) << c.what;
}

} // namespace
