// Exact transverse Mercator: Krueger's series in the third flattening n,
// carried to n^6, for the notations that must hold the centimetre also far
// from the central meridian (a neighbour UTM zone, a neighbour Gauss-Krueger
// strip). The truncated series of transverse_mercator.h stay what UTM and
// Gauss-Krueger use elsewhere; nothing here changes their results.
//
// Method: the geographic point goes to the conformal latitude (exactly,
// through tau' = tan of the conformal latitude), then onto the transverse
// Mercator of the sphere (xi', eta'), and Krueger's trigonometric series in
// n with the coefficients alpha_1..alpha_6 take it to the ellipsoid's
// (xi, eta); the inverse runs the series with beta_1..beta_6 and finds the
// latitude from tau' by Newton's method.
//
// Range and accuracy: within 3900 km of the central meridian (35 deg of
// longitude at the equator, everywhere between the poles) the error of the
// sixth-order series is below 5 nm; beyond it grows, and the series mean
// nothing past about 90 deg from the meridian. Measured against PROJ's
// default tmerc over Germany (47..55.5 N, 5..15.5 E) in UTM zones 31..34 (up
// to 10 deg from the central meridian) and Gauss-Krueger strips 1..6: below
// 10 nm forward and 1e-13 deg inverse on the same ellipsoid; 13 nm out to
// 40 deg and near the poles. PROJ's Bessel (1/f = 299.1528128) differs from
// the program's in the flattening's last digits, which moves Gauss-Krueger
// by up to 4.2 micrometres (tests/geodesy/exact_tm_test.cpp).
//
// References:
// - L. Krueger, "Konforme Abbildung des Erdellipsoids in der Ebene", Veroeff.
//   Koenigl. Preuss. Geod. Inst., Neue Folge 52, Potsdam 1912.
// - C. F. F. Karney, "Transverse Mercator with an accuracy of a few
//   nanometers", Journal of Geodesy 85 (2011) 475-485: the coefficients
//   alpha and beta to n^6, the rectifying radius A to n^6, the exact
//   conformal latitude and its inverse by Newton's method, the error
//   figures above.
// - The same series as PROJ's default tmerc (K. Poder and K. Engsager's
//   implementation), which the tests use as the oracle.
#pragma once

#include "geodesy/datum.h"
#include "geodesy/ellipsoids.h"
#include "geodesy/gauss_krueger.h"
#include "geodesy/transverse_mercator.h"
#include "geodesy/utm.h"

#include <optional>

namespace lw {

// sinh x and cosh x. For the small arguments of a point within its zone
// (|2 eta| up to 0.35, 1,100 km from the meridian) both come from one expm1
// by the C library's own formulas for that range, bit for bit what
// std::sinh and std::cosh return there; elsewhere from those two.
struct Hyperbolic {
    double sinh, cosh;
};
Hyperbolic hyperbolic(double x);

// The parameters of one projection; easting = scale * y + false easting,
// northing = scale * x + false northing.
struct ExactTransverseMercator {
    const Ellipsoid* ellipsoid;
    double centralMeridianDeg;
    double scale; // on the central meridian
    double falseEastingM;
    double falseNorthingM;
};

// Geographic degrees -> grid metres, unrounded. The longitude may differ
// from the central meridian by any amount (it is taken modulo 360 deg). None
// when an input or the result is not finite, or the latitude lies beyond
// +-90 deg.
std::optional<GridPoint> exactTmForward(const ExactTransverseMercator& tm, GeoPoint p);

// Grid metres -> geographic degrees; the longitude comes back within 180 deg
// of the central meridian. None when an input or the result is not finite.
std::optional<GeoPoint> exactTmInverse(const ExactTransverseMercator& tm, GridPoint g);

// ---- UTM in a chosen zone --------------------------------------------------------------------

// The projection of a UTM zone, northern hemisphere (false northing 0: a
// southern point gets a negative northing). The zone is the caller's choice,
// not necessarily the point's own.
ExactTransverseMercator utmExactProjection(int zone, const Ellipsoid& ellipsoid);

// None for a zone outside 1..60 or when the projection gives none.
std::optional<GridPoint> utmExactForward(GeoPoint p, int zone, const Ellipsoid& ellipsoid);
std::optional<GeoPoint> utmExactInverse(GridPoint g, int zone, const Ellipsoid& ellipsoid);

// ---- Gauss-Krueger in a chosen 3 deg strip ---------------------------------------------------

// 3 deg strips with central meridians 0..357 deg east.
inline constexpr int kGkThreeDegreeWidth = 3;
inline constexpr int kGkThreeDegreeStripFirst = 0;
inline constexpr int kGkThreeDegreeStripLast = 119;

// Strip k of 3 deg width: central meridian 3k, Rechtswert k * 1e6 + 500000 + y.
GkStrip gkThreeDegreeStrip(int number);

// The projection of a strip on Bessel, scale 1, false easting k * 1e6 + 500000.
ExactTransverseMercator gkExactProjection(int strip);
// The same for a strip of any width (3 deg or 6 deg), as gkStripOfLongitude
// and the Rechtswert's millions give it.
ExactTransverseMercator gkExactProjection(const GkStrip& strip);

// None for a strip outside 0..119 or when the projection gives none.
std::optional<GkPoint> gkExactForward(GeoPoint besselPoint, int strip);
std::optional<GeoPoint> gkExactInverse(GkPoint p, int strip);

} // namespace lw
