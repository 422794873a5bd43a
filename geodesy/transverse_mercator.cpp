#include "geodesy/transverse_mercator.h"

#include "meridian_arc.h"

#include <cmath>

namespace lw {

namespace {

struct SeriesConstants {
    ArcCoefficients arc;
    double E0; // metres per degree of latitude
    double c;  // polar radius of curvature
    double eP; // second eccentricity, for the degree evaluation's eta
};

// The radian evaluation takes e'^2 from the flattening and E0 through the
// radian factor.
constexpr SeriesConstants radianConstants(const Ellipsoid& ell) {
    SeriesConstants k{arcCoefficients(secondEccentricitySquared(ell.f), ell.c), 0, ell.c, ell.eP};
    k.E0 = k.arc.E0Poly * ell.c * kDegToRad;
    return k;
}

// The degree evaluation takes e'^2 as e' squared (for Bessel exactly the
// 0.006719218798046104 of the Gauss-Krueger formulas) and E0 through rho.
constexpr SeriesConstants degreeConstants(const Ellipsoid& ell) {
    SeriesConstants k{arcCoefficients(ell.eP * ell.eP, ell.c), 0, ell.c, ell.eP};
    k.E0 = k.arc.E0Poly * (ell.c / kRadToDeg);
    return k;
}

// The coefficients depend on the ellipsoid and the evaluation only; those of
// UTM's two ellipsoids and of Gauss-Krueger's are computed at compile time.
constexpr SeriesConstants kGrs80Radians = radianConstants(ellipsoid::GRS80);
constexpr SeriesConstants kHayfordRadians = radianConstants(ellipsoid::Hayford);
constexpr SeriesConstants kBesselDegrees = degreeConstants(ellipsoid::Bessel);

// Any other pair is computed into `scratch`.
const SeriesConstants& constantsFor(const TransverseMercator& tm, SeriesConstants& scratch) {
    if (tm.evaluation == TmEvaluation::Radians) {
        if (tm.ellipsoid == &ellipsoid::GRS80)
            return kGrs80Radians;
        if (tm.ellipsoid == &ellipsoid::Hayford)
            return kHayfordRadians;
        scratch = radianConstants(*tm.ellipsoid);
        return scratch;
    }
    if (tm.ellipsoid == &ellipsoid::Bessel)
        return kBesselDegrees;
    scratch = degreeConstants(*tm.ellipsoid);
    return scratch;
}

// Meridian arc from the equator to phi, metres.
double meridianArc(const SeriesConstants& k, double latDeg, double sinPhi, double cosPhi) {
    const MultipleSines m = multipleSines(sinPhi, cosPhi);
    return k.E0 * latDeg + k.arc.E2 * m.sin2 + k.arc.E4 * m.sin4 + k.arc.E6 * m.sin6;
}

struct Footpoint {
    double latDeg;
    double sin, cos;
};

// Latitude whose meridian arc is the given one, with its sine and cosine.
Footpoint footpoint(const SeriesConstants& k, double sigmaDeg) {
    const double sigma = sigmaDeg * kDegToRad;
    const double sinSigma = std::sin(sigma), cosSigma = std::cos(sigma);
    const MultipleSines m = multipleSines(sinSigma, cosSigma);
    const double footOffsetDeg = k.arc.F2 * m.sin2 + k.arc.F4 * m.sin4 + k.arc.F6 * m.sin6;
    // sin and cos of phi_f from those of sigma.
    const SinCos foot = sinCosOfSum(sinSigma, cosSigma, footOffsetDeg * kDegToRad);
    return {sigmaDeg + footOffsetDeg, foot.sin, foot.cos};
}

// Distances along (x) and from (y) the central meridian, metres, unscaled.
struct SeriesXY {
    double x, y;
};

SeriesXY forwardRadians(const SeriesConstants& k, double latDeg, double dlDeg) {
    const double phi = latDeg * kDegToRad;
    const double sinPhi = std::sin(phi), cosPhi = std::cos(phi);
    const double t = sinPhi / cosPhi;
    const double cos2 = cosPhi * cosPhi;
    const double eta2 = k.arc.ep2 * cos2;
    const double N = k.c / std::sqrt(1 + eta2);
    const double t2 = t * t;
    const double G = meridianArc(k, latDeg, sinPhi, cosPhi);

    const double l = dlDeg * kDegToRad;
    const double l2 = l * l;
    return {G + N * t * cos2 * l2 / 2 + N * t * cos2 * cos2 * l2 * l2 * (5 - t2 + 9 * eta2) / 24,
            N * cosPhi * l + N * cos2 * cosPhi * l2 * l * (1 - t2 + eta2) / 6 +
                N * cos2 * cos2 * cosPhi * l2 * l2 * l * (5 - 18 * t2 + t2 * t2) / 120};
}

SeriesXY forwardDegrees(const SeriesConstants& k, double latDeg, double dlDeg) {
    const double R = kRadToDeg, R2 = R * R;
    const double phi = latDeg * kDegToRad;
    const double sinPhi = std::sin(phi), cosPhi = std::cos(phi), cos2 = cosPhi * cosPhi;
    const double t = sinPhi / cosPhi, t2 = t * t;
    const double eta = k.eP * cosPhi, eta2 = eta * eta;
    const double N = k.c / std::sqrt(1 + eta2);
    const double G = meridianArc(k, latDeg, sinPhi, cosPhi);

    const double dl = dlDeg, dl2 = dl * dl;
    return {G + dl2 * N * t * cos2 / (2 * R2) +
                dl2 * dl2 * N * t * cos2 * cos2 * (5 - t2 + 9 * eta2) / (24 * R2 * R2),
            dl * N * cosPhi / R + dl2 * dl * N * cos2 * cosPhi * (1 - t2 + eta2) / (6 * R2 * R) +
                dl2 * dl2 * dl * N * cos2 * cos2 * cosPhi * (5 - 18 * t2 + t2 * t2) /
                    (120 * R2 * R2 * R)};
}

// Offsets from the footpoint latitude and from the central meridian, degrees.
struct InverseOffsets {
    double dLatDeg, dLonDeg;
};

InverseOffsets inverseRadians(const SeriesConstants& k, const Footpoint& f, double y) {
    const double R = kRadToDeg;
    const double invCos = 1 / f.cos;
    const double t = f.sin * invCos;
    const double t2 = t * t;
    const double eta2 = k.arc.ep2 * f.cos * f.cos;
    const double Nf = k.c / std::sqrt(1 + eta2);

    // Powers of 1 / Nf and 1 / cos(phi_f) once, instead of one division per
    // coefficient: the inverse is dominated by divisions otherwise.
    const double invNf = 1 / Nf, invNf2 = invNf * invNf, invNf4 = invNf2 * invNf2;
    const double B2 = -t * (1 + eta2) / 2 * invNf2;
    const double B4 = t * (5 + 3 * t2 + 6 * eta2 * (1 - t2)) * (1.0 / 24) * invNf4;
    const double B6 = -t * (61 + 90 * t2 + 45 * t2 * t2) * (1.0 / 720) * (invNf4 * invNf2);
    const double L1 = invNf * invCos;
    const double L3 = -(1 + 2 * t2 + eta2) * (1.0 / 6) * (invNf2 * invNf * invCos);
    const double L5 = (5 + 28 * t2 + 24 * t2 * t2) * (1.0 / 120) * (invNf4 * invNf * invCos);

    const double y2 = y * y;
    return {(B2 * y2 + B4 * y2 * y2 + B6 * y2 * y2 * y2) * R,
            (L1 * y + L3 * y2 * y + L5 * y2 * y2 * y) * R};
}

// Returns the latitude and the longitude from the central meridian in full,
// since its terms are summed onto the footpoint latitude and the meridian one
// by one.
GeoPoint inverseDegrees(const SeriesConstants& k, const Footpoint& f, double y,
                        double centralMeridianDeg) {
    const double R = kRadToDeg;
    const double invCos = 1 / f.cos;
    const double t = f.sin * invCos, t2 = t * t;
    const double eta = k.eP * f.cos, eta2 = eta * eta;
    const double Nf = k.c / std::sqrt(1 + eta2);
    // Powers of 1 / Nf and 1 / cos(phi_f) once, instead of a division per term.
    const double invNf = 1 / Nf, invNf2 = invNf * invNf, invNf4 = invNf2 * invNf2;
    const double y2 = y * y;

    const double latDeg =
        f.latDeg - y2 * R * t * (1 + eta2) / 2 * invNf2 +
        y2 * y2 * R * t * (5 + 3 * t2 + 6 * eta2 * (1 - t2)) * (1.0 / 24) * invNf4 -
        y2 * y2 * y2 * R * t * (61 + 90 * t2 + 45 * t2 * t2) / 720 * (invNf4 * invNf2);
    const double lonDeg =
        centralMeridianDeg + y * R * invNf * invCos -
        y2 * y * R * (1 + 2 * t2 + eta2) * (1.0 / 6) * (invNf2 * invNf * invCos) +
        y2 * y2 * y * R * (5 + 28 * t2 + 24 * t2 * t2) / 120 * (invNf4 * invNf * invCos);
    return {latDeg, lonDeg};
}

} // namespace

std::optional<GridPoint> tmForward(const TransverseMercator& tm, double latDeg, double lonDeg) {
    SeriesConstants scratch{};
    const SeriesConstants& k = constantsFor(tm, scratch);
    const double dlDeg = lonDeg - tm.centralMeridianDeg;
    const SeriesXY s = tm.evaluation == TmEvaluation::Radians ? forwardRadians(k, latDeg, dlDeg)
                                                              : forwardDegrees(k, latDeg, dlDeg);
    const double northing = s.x * tm.scale + tm.falseNorthingM;
    const double easting = s.y * tm.scale + tm.falseEastingM;
    if (!std::isfinite(easting) || !std::isfinite(northing))
        return std::nullopt;
    return GridPoint{easting, northing};
}

std::optional<GeoPoint> tmInverse(const TransverseMercator& tm, double eastingM, double northingM) {
    SeriesConstants scratch{};
    const SeriesConstants& k = constantsFor(tm, scratch);
    const Footpoint f = footpoint(k, (northingM - tm.falseNorthingM) / (tm.scale * k.E0));
    const double y = (eastingM - tm.falseEastingM) * (1 / tm.scale);
    GeoPoint g{};
    if (tm.evaluation == TmEvaluation::Radians) {
        const InverseOffsets d = inverseRadians(k, f, y);
        g = {f.latDeg + d.dLatDeg, tm.centralMeridianDeg + d.dLonDeg};
    } else {
        g = inverseDegrees(k, f, y, tm.centralMeridianDeg);
    }
    if (!std::isfinite(g.latDeg) || !std::isfinite(g.lonDeg))
        return std::nullopt;
    return g;
}

} // namespace lw
