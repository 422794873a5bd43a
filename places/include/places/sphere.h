// Distance and direction between two points on a sphere of the Earth's mean
// radius. For a line that names the distance to a tenth of a kilometre the
// sphere is good enough: it is at most 0.5 % off the ellipsoid's distance.
#pragma once

#include <cmath>
#include <numbers>

namespace lw::places {

// The mean radius of GRS80, (2a + b) / 3.
inline constexpr double kEarthRadiusKm = 6371.0088;
inline constexpr double kRadPerDeg = std::numbers::pi / 180.0;

// Great-circle distance (haversine form, well-conditioned for short ones).
inline double distanceKm(double lat1Deg, double lon1Deg, double lat2Deg, double lon2Deg) {
    const double dLat = (lat2Deg - lat1Deg) * kRadPerDeg;
    const double dLon = (lon2Deg - lon1Deg) * kRadPerDeg;
    const double h = std::sin(dLat / 2) * std::sin(dLat / 2) +
                     std::cos(lat1Deg * kRadPerDeg) * std::cos(lat2Deg * kRadPerDeg) *
                         std::sin(dLon / 2) * std::sin(dLon / 2);
    return 2 * kEarthRadiusKm * std::asin(std::sqrt(std::fmin(1.0, h)));
}

// Initial direction from the first point to the second, degrees clockwise
// from north, 0 to 360.
inline double bearingDeg(double lat1Deg, double lon1Deg, double lat2Deg, double lon2Deg) {
    const double phi1 = lat1Deg * kRadPerDeg, phi2 = lat2Deg * kRadPerDeg;
    const double dLon = (lon2Deg - lon1Deg) * kRadPerDeg;
    const double y = std::sin(dLon) * std::cos(phi2);
    const double x =
        std::cos(phi1) * std::sin(phi2) - std::sin(phi1) * std::cos(phi2) * std::cos(dLon);
    const double deg = std::atan2(y, x) / kRadPerDeg;
    return deg < 0 ? deg + 360 : deg;
}

} // namespace lw::places
