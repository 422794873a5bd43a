#include "model/zoom.h"

#include <algorithm>
#include <cmath>

namespace lw {

double zoomFactor(ZoomSize window, ZoomSize layout) {
    if (layout.width <= 0 || layout.height <= 0)
        return kSmallestZoom;
    const double across = static_cast<double>(window.width) / layout.width;
    const double down = static_cast<double>(window.height) / layout.height;
    return std::clamp(std::min(across, down), kSmallestZoom, kLargestZoom);
}

Span zoomSpan(int start, int length, double factor) {
    auto edge = [factor](int at) { return static_cast<int>(std::lround(at * factor)); };
    const int first = edge(start);
    return {first, edge(start + length) - first};
}

ScrollRoom scrollRoom(ZoomSize window, ZoomSize content, int barThickness) {
    ScrollRoom room;
    room.viewport = window;
    // Twice: a bar for one direction narrows the room in the other.
    for (int pass = 0; pass < 2; ++pass) {
        room.horizontal = content.width > room.viewport.width;
        room.vertical = content.height > room.viewport.height;
        room.viewport = {window.width - (room.vertical ? barThickness : 0),
                         window.height - (room.horizontal ? barThickness : 0)};
    }
    room.horizontal = content.width > room.viewport.width;
    room.vertical = content.height > room.viewport.height;
    room.rangeX = std::max(0, content.width - room.viewport.width);
    room.rangeY = std::max(0, content.height - room.viewport.height);
    return room;
}

int offsetShowing(int offset, int view, int range, int start, int end) {
    if (end - start > view || start < offset)
        offset = start;
    else if (end > offset + view)
        offset = end - view;
    return std::clamp(offset, 0, std::max(0, range));
}

} // namespace lw
