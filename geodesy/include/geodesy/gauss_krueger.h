// Gauss-Krueger: transverse Mercator on the Bessel ellipsoid without scale
// reduction, in 3 deg or 6 deg strips. The Rechtswert carries the strip
// number in its millions: k * 1000000 + 500000 + y.
//
// Same truncated series as UTM (forward to l^5, inverse to y^6), in the degree
// evaluation of transverse_mercator.h. Over Germany
// the differences from PROJ's exact transverse Mercator are below 0.1 mm and
// 1.5e-9 deg in 3 deg strips, below 0.6 mm and 4.6e-9 deg in 6 deg strips
// (docs/accuracy.md).
//
// References: the projection and its strips, L. Krueger 1912; the series and
// their sources: see transverse_mercator.h, here on Bessel 1841.
#pragma once

#include "geodesy/datum.h"
#include "geodesy/transverse_mercator.h"

#include <optional>

namespace lw {

inline constexpr double kGkFalseEastingM = 500000;
inline constexpr double kGkStripMultiplierM = 1000000;

// Central meridian of strip `stripNumber` (the Rechtswert's millions) in
// strips `widthDeg` wide (3 or 6): strips are counted from Greenwich, so the
// meridian of strip k is width * k in both systems (6 deg strip 1 at 6 deg E,
// 3 deg strip 3 at 9 deg E). Every reader and writer of a strip uses this.
constexpr double gkCentralMeridianDeg(double stripNumber, int widthDeg) {
    return widthDeg * stripNumber;
}

struct GkStrip {
    double number;             // k; the Rechtswert's millions
    double centralMeridianDeg; // gkCentralMeridianDeg(k, width)
};

// Strip of a longitude: central meridians at multiples of the width (3 or 6);
// a longitude exactly half-way goes to the eastern strip.
GkStrip gkStripOfLongitude(double lonDeg, int widthDeg);

struct GkPoint {
    double hochwertM;
    double rechtswertM;
};

// None when the result is not finite.
std::optional<GkPoint> gkForward(double latDeg, double lonDeg, const GkStrip& strip);

// y is the distance from the central meridian (Rechtswert - 500000 - k*1e6).
// None when the result is not finite.
std::optional<GeoPoint> gkInverse(double hochwertM, double yM, double centralMeridianDeg);

} // namespace lw
