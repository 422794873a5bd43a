#include "geodesy/utm.h"

#include <algorithm>
#include <cmath>

namespace lw {

namespace {

// The projection of a zone; the false northing is added south of the equator.
TransverseMercator utmProjection(double zone, bool south, const Ellipsoid& ellipsoid) {
    const double falseNorthingM = south ? kUtmFalseNorthingSouthM : 0;
    return {&ellipsoid,     utmCentralMeridianDeg(zone), kUtmScale, kUtmFalseEastingM,
            falseNorthingM, TmEvaluation::Radians};
}

// How many of the limits 0, step, 2 step, ... (count of them) `magnitude`
// (>= 0) lies above: the whole quotient, and one more where the magnitude
// lies above that limit. A correctly rounded quotient never falls below a
// whole number it reaches, nor rises above one it does not reach, so the
// one exact comparison settles it.
int limitsPassed(float magnitude, int step, int count) {
    const auto whole = static_cast<int>(magnitude / static_cast<float>(step));
    const int passed = whole + (magnitude > static_cast<float>(step * whole) ? 1 : 0);
    return std::min(count, passed);
}

} // namespace

char latitudeBand(float latDeg) {
    if (!(latDeg >= -80 && latDeg <= 84)) // also NaN
        return '\0';
    int index; // 1-based into kBandLetters, 21 for 80..84 deg
    if (latDeg < 0)
        index = 11 - limitsPassed(-latDeg, 8, 11);
    else if (latDeg == 0)
        index = 11;
    else
        index = 10 + limitsPassed(latDeg, 8, 12);
    // Band X spans 12 deg: the 8 deg step beyond 80 deg stays in it.
    const auto last = static_cast<int>(kBandLetters.size());
    return kBandLetters[static_cast<std::size_t>(std::min(index, last) - 1)];
}

int zoneNumber(float lonDeg) {
    if (!(std::fabs(lonDeg) <= 180))
        return 0;
    if (lonDeg == 0)
        return 31;
    const int k = limitsPassed(std::fabs(lonDeg), 6, 30);
    return lonDeg < 0 ? 31 - k : 30 + k;
}

int zoneWithExceptions(int zone, char band, double lonDeg) {
    if (band == 'V') { // the south-west coast of Norway belongs to zone 32
        if (lonDeg >= 0 && lonDeg <= 3)
            return 31;
        if (lonDeg > 3 && lonDeg < 12)
            return 32;
    } else if (band == 'X') { // Svalbard: zones 32, 34, 36 are not used
        if (lonDeg >= 0 && lonDeg <= 9)
            return 31;
        if (lonDeg > 9 && lonDeg <= 21)
            return 33;
        if (lonDeg > 21 && lonDeg <= 33)
            return 35;
        if (lonDeg > 33 && lonDeg <= 42)
            return 37;
    }
    return zone;
}

std::optional<GridPoint> utmForward(double latDeg, double lonDeg, int zone,
                                    const Ellipsoid& ellipsoid) {
    return tmForward(utmProjection(zone, latDeg < 0, ellipsoid), latDeg, lonDeg);
}

std::optional<GeoPoint> utmInverse(double eastingM, double northingM, double zone, bool north,
                                   const Ellipsoid& ellipsoid) {
    if (north)
        return tmInverse(utmProjection(zone, false, ellipsoid), eastingM, northingM);
    // A southern northing becomes the distance south of the equator in whole
    // metres, and that distance the negative northing of the plain projection.
    const double metresSouth = std::nearbyint(kUtmFalseNorthingSouthM - northingM);
    return tmInverse(utmProjection(zone, false, ellipsoid), eastingM, -metresSouth);
}

} // namespace lw
