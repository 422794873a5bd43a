// How far a screen's fixed layout is zoomed with its window, and how far it
// scrolls where the window is smaller than the layout. Pure arithmetic in
// device-independent pixels; the screens apply it to their widgets.
#pragma once

namespace lw {

struct ZoomSize {
    int width = 0;
    int height = 0;
};

// The layout never shrinks (its fonts and fields are the smallest that stay
// readable) and grows at most two and a half times: beyond that, on a very
// large display, the text would be larger than anyone needs.
inline constexpr double kSmallestZoom = 1.0;
inline constexpr double kLargestZoom = 2.5;

// The largest factor at which the whole layout fits the window, within the
// bounds above.
double zoomFactor(ZoomSize window, ZoomSize layout);

// A span [start, start + length) of the layout at `factor`, its two edges
// scaled and rounded each on its own, so that elements that touch at factor 1
// touch at every factor, without gap or overlap.
struct Span {
    int start = 0;
    int length = 0;
};
Span zoomSpan(int start, int length, double factor);

// The room left for the layout in a window of `window` pixels when scroll
// bars `barThickness` pixels thick appear along the right and bottom edges
// where `content` does not fit: one bar can make the other necessary.
struct ScrollRoom {
    ZoomSize viewport;
    bool horizontal = false; // a bar along the bottom edge
    bool vertical = false;   // a bar along the right edge
    int rangeX = 0;          // the largest scroll offsets
    int rangeY = 0;
};
ScrollRoom scrollRoom(ZoomSize window, ZoomSize content, int barThickness);

// The scroll offset, from `offset`, that brings [start, end) into a view of
// `view` pixels with as little movement as possible (its start first when it
// is larger than the view), kept within 0 ... range.
int offsetShowing(int offset, int view, int range, int start, int end);

} // namespace lw
