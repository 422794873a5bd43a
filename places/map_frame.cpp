#include "places/map_frame.h"

#include <cmath>

namespace lw::places {
namespace {

constexpr double kDegree = 3.14159265358979323846 / 180.0;

// A region a point must lie in for its frame, and the frame shown for it.
struct Region {
    double west, east, south, north;
    bool holds(double lat, double lon) const {
        return lon >= west && lon <= east && lat >= south && lat <= north;
    }
};

// Germany reaches from 5.87° to 15.04° E and from 47.27° to 55.06° N.
constexpr Region kGermanyRegion{5.0, 16.0, 47.0, 55.5};
constexpr Region kEuropeRegion{-25.0, 45.0, 34.0, 72.0};

} // namespace

double MapFrame::lonScale() const {
    if (kind == MapFrameKind::World)
        return 1.0;
    return std::cos((southDeg + northDeg) / 2 * kDegree);
}

MapFrame mapFrame(MapFrameKind kind) {
    switch (kind) {
    case MapFrameKind::Germany:
        return {kind, 4.0, 17.0, 46.5, 56.0};
    case MapFrameKind::Europe:
        return {kind, -27.0, 47.0, 32.0, 73.0};
    case MapFrameKind::World:
        break;
    }
    return MapFrame{};
}

MapFrame mapFrameFor(double latDeg, double lonDeg) {
    if (kGermanyRegion.holds(latDeg, lonDeg))
        return mapFrame(MapFrameKind::Germany);
    if (kEuropeRegion.holds(latDeg, lonDeg))
        return mapFrame(MapFrameKind::Europe);
    return mapFrame(MapFrameKind::World);
}

MapPoint project(const MapFrame& frame, double latDeg, double lonDeg) {
    return {(lonDeg - frame.westDeg) * frame.lonScale(), frame.northDeg - latDeg};
}

} // namespace lw::places
