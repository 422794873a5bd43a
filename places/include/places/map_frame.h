// The frame of the small map beside a result: Germany with its states, Europe
// or the whole world, chosen by where the point lies, and the simple
// projection the map is drawn in.
#pragma once

#include <cstdint>

namespace lw::places {

enum class MapFrameKind : std::uint8_t {
    Germany, // Germany, its 16 states and the neighbouring countries
    Europe,
    World,
};

// The part of the earth a frame shows, in degrees. The map is equirectangular
// with its longitudes shortened by the cosine of the middle latitude, so that
// Germany and Europe keep their familiar shape (at 47° and 55° N the scale is
// off by 7 % at most; over Europe's 32° to 73° N by up to 50 %, which still
// puts a point in the right country); the world is drawn plain (2:1).
struct MapFrame {
    MapFrameKind kind = MapFrameKind::World;
    double westDeg = -180, eastDeg = 180, southDeg = -90, northDeg = 90;

    // Length of a degree of longitude against one of latitude.
    double lonScale() const;
    // The frame's size in degrees of latitude.
    double width() const { return (eastDeg - westDeg) * lonScale(); }
    double height() const { return northDeg - southDeg; }
};

// A position on the map in degrees of latitude from the frame's north-west
// corner: x to the east, y to the south (as a screen counts).
struct MapPoint {
    double x, y;
};

MapFrame mapFrame(MapFrameKind kind);

// The frame for a point (degrees, south and west negative): Germany's while
// the point lies between 5° and 16° E, 47° and 55.5° N (Germany with a
// margin, the neighbours' border regions with it); Europe's between 25° W
// and 45° E, 34° and 72° N (Iceland to the Urals' foot, the Mediterranean
// with Africa's coast); else the world's. Each frame shows its region with
// room around it, so that a point at the region's edge is not at the map's.
MapFrame mapFrameFor(double latDeg, double lonDeg);

// Where a position lies on the map of `frame`. Longitudes are taken as given:
// outlines that run on beyond 180° are drawn once more 360° further west by
// the caller.
MapPoint project(const MapFrame& frame, double latDeg, double lonDeg);

} // namespace lw::places
