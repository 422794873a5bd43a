// Transverse Mercator: the one projection behind UTM and Gauss-Krueger, by
// the truncated series. The forward series stops at the l^5 term of the
// easting and the l^4 term of the northing, the inverse one at y^6 / y^5
// (accuracy: see utm.h and gauss_krueger.h, figures in docs/accuracy.md).
//
// References:
// - The series in powers of the longitude difference l (forward) and of the
//   distance y from the central meridian (inverse), with t = tan(phi) and
//   eta^2 = e'^2 cos^2(phi), are the classical Gauss-Krueger expansion: L.
//   Krueger, "Konforme Abbildung des Erdellipsoids in der Ebene", Veroeff.
//   Koenigl. Preuss. Geod. Inst., Neue Folge 52, Potsdam 1912; in this form
//   also in J. P. Snyder, "Map Projections - A Working Manual", USGS
//   Professional Paper 1395, 1987 (chapter 8, Transverse Mercator), and M.
//   Hooijberg, "Practical Geodesy", Springer 1997.
// - Meridian arc and footpoint latitude: see meridian_arc.h.
#pragma once

#include "geodesy/datum.h"
#include "geodesy/ellipsoids.h"

#include <optional>

namespace lw {

// The same series, evaluated in two orders. They agree to far below a
// millimetre but not in the last bits, and the UTM and Gauss-Krueger results
// are fixed to the last digit shown, so each projection keeps its own order.
enum class TmEvaluation {
    // UTM's: the longitude difference in radians; e'^2 from the flattening;
    // the scale applied to the summed series; the inverse forms each power's
    // coefficient first and sums the terms in radians.
    Radians,
    // Gauss-Krueger's: the longitude difference in degrees with powers of
    // rho (180/pi) in the denominators; e'^2 as e' squared and eta^2 as
    // (e' cos phi)^2; the inverse sums each term in degrees.
    Degrees,
};

// The parameters of one transverse Mercator projection.
struct TransverseMercator {
    const Ellipsoid* ellipsoid;
    double centralMeridianDeg;
    double scale; // on the central meridian
    double falseEastingM;
    double falseNorthingM;
    TmEvaluation evaluation;
};

struct GridPoint {
    double eastingM;
    double northingM;
};

// Easting = scale * y + false easting, northing = scale * x + false northing,
// x and y the series' distances along and from the central meridian,
// unrounded. None when the result is not finite.
std::optional<GridPoint> tmForward(const TransverseMercator& tm, double latDeg, double lonDeg);

// The inverse: from (easting - false easting) / scale and (northing - false
// northing) / scale. None when the result is not finite.
std::optional<GeoPoint> tmInverse(const TransverseMercator& tm, double eastingM, double northingM);

} // namespace lw
