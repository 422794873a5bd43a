// The zoom rule of the screens: the factor from window and layout size, the
// scaled spans, the room left beside scroll bars and the scroll offset that
// shows an element.
#include "model/zoom.h"

#include <gtest/gtest.h>

namespace lw {
namespace {

struct FactorCase {
    ZoomSize window;
    ZoomSize layout;
    double factor;
};

constexpr FactorCase kFactors[] = {
    {{1000, 667}, {1000, 667}, 1.0},           // exactly the layout
    {{1920, 1080}, {1000, 667}, 1080.0 / 667}, // the height decides
    {{1500, 2000}, {1000, 667}, 1.5},          // the width decides
    {{960, 540}, {1000, 667}, 1.0},            // smaller: never below 1, it scrolls
    {{3840, 2160}, {1024, 768}, 2.5},          // larger: never above 2.5
    {{1024, 768}, {0, 768}, 1.0},              // no layout: no zoom
};

TEST(ZoomFactor, LargestFittingWithinBounds) {
    for (const FactorCase& c : kFactors)
        EXPECT_DOUBLE_EQ(zoomFactor(c.window, c.layout), c.factor)
            << c.window.width << "x" << c.window.height;
}

TEST(ZoomSpan, NeighboursStayTouching) {
    // Buttons one under the other (the format buttons: 33 px each) at
    // awkward factors: each starts where the one above ends.
    for (double factor : {1.0, 1.17, 1.406, 1.62, 2.5}) {
        for (int i = 0; i < 7; ++i) {
            const Span upper = zoomSpan(20 + 33 * i, 33, factor);
            const Span lower = zoomSpan(20 + 33 * (i + 1), 33, factor);
            EXPECT_EQ(upper.start + upper.length, lower.start) << factor;
        }
    }
    EXPECT_EQ(zoomSpan(100, 294, 1.0).start, 100);
    EXPECT_EQ(zoomSpan(100, 294, 1.0).length, 294);
    EXPECT_EQ(zoomSpan(100, 294, 2.5).start, 250);
    EXPECT_EQ(zoomSpan(100, 294, 2.5).length, 735);
}

struct RoomCase {
    ZoomSize window;
    ZoomSize content;
    bool horizontal, vertical;
    int viewportWidth, viewportHeight, rangeX, rangeY;
};

constexpr int kBar = 16;
constexpr RoomCase kRooms[] = {
    {{1024, 768}, {990, 768}, false, false, 1024, 768, 0, 0}, // fits exactly
    {{960, 510}, {914, 585}, false, true, 944, 510, 0, 75},   // only taller
    {{800, 600}, {914, 585}, true, true, 784, 584, 130, 1},   // wider, so the bar needs height
    {{920, 700}, {914, 690}, false, false, 920, 700, 0, 0},
    {{920, 600}, {914, 590}, false, false, 920, 600, 0, 0},
    {{920, 590}, {914, 590}, false, false, 920, 590, 0, 0},
    {{920, 589}, {914, 590}, true, true, 904, 573, 10, 17}, // one bar makes the other
    {{500, 300}, {914, 585}, true, true, 484, 284, 430, 301},
};

TEST(ScrollRoom, BarsWhereTheContentDoesNotFit) {
    for (const RoomCase& c : kRooms) {
        const ScrollRoom room = scrollRoom(c.window, c.content, kBar);
        const auto at = testing::Message() << c.window.width << "x" << c.window.height;
        EXPECT_EQ(room.horizontal, c.horizontal) << at;
        EXPECT_EQ(room.vertical, c.vertical) << at;
        EXPECT_EQ(room.viewport.width, c.viewportWidth) << at;
        EXPECT_EQ(room.viewport.height, c.viewportHeight) << at;
        EXPECT_EQ(room.rangeX, c.rangeX) << at;
        EXPECT_EQ(room.rangeY, c.rangeY) << at;
    }
}

struct ShowCase {
    int offset, start, end, shown;
};

// A view of 100 pixels over content scrolling 0 ... 300.
constexpr ShowCase kShows[] = {
    {0, 10, 50, 0},       // already in view: no movement
    {0, 90, 130, 30},     // below: its end at the view's end
    {200, 150, 180, 150}, // above: its start at the view's start
    {0, 50, 400, 50},     // larger than the view: its start
    {0, 350, 390, 290},   // beyond the range: kept within it
    {300, -20, 10, 0},
};

TEST(OffsetShowing, LeastMovementWithinTheRange) {
    for (const ShowCase& c : kShows)
        EXPECT_EQ(offsetShowing(c.offset, 100, 300, c.start, c.end), c.shown)
            << c.start << ".." << c.end;
}

} // namespace
} // namespace lw
