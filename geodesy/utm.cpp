#include "geodesy/utm.h"

#include "meridian_arc.h"

#include <algorithm>
#include <cmath>

namespace lw {

namespace {

struct UtmConstants {
    ArcCoefficients arc;
    double E0; // metres per degree of latitude
    double c;
};

constexpr UtmConstants makeConstants(const Ellipsoid& ell) {
    UtmConstants k{arcCoefficients(secondEccentricitySquared(ell.f), ell.c), 0, ell.c};
    k.E0 = k.arc.E0Poly * ell.c * kDegToRad;
    return k;
}

// The coefficients depend on the ellipsoid only; the two UTM ellipsoids are
// computed at compile time.
constexpr UtmConstants grs80Constants = makeConstants(ellipsoid::GRS80);
constexpr UtmConstants hayfordConstants = makeConstants(ellipsoid::Hayford);

// The two UTM ellipsoids come from the tables; any other is computed into
// `scratch`.
const UtmConstants& constantsFor(const Ellipsoid& ell, UtmConstants& scratch) {
    if (&ell == &ellipsoid::GRS80)
        return grs80Constants;
    if (&ell == &ellipsoid::Hayford)
        return hayfordConstants;
    scratch = makeConstants(ell);
    return scratch;
}

} // namespace

char latitudeBand(float latDeg) {
    if (!(latDeg >= -80 && latDeg <= 84)) // also NaN
        return '\0';
    int index; // 1-based into kBandLetters, 21 for 80..84 deg
    if (latDeg < 0) {
        int k = 0;
        for (int i = 1; i <= 11; ++i)
            if (latDeg < static_cast<float>(-8 * (i - 1)))
                k = i;
        index = 11 - k;
    } else if (latDeg == 0) {
        index = 11;
    } else {
        int k = 0;
        for (int i = 1; i <= 12; ++i)
            if (latDeg > static_cast<float>(8 * (i - 1)))
                k = i;
        index = 10 + k;
    }
    // Band X spans 12 deg: the 8 deg step beyond 80 deg stays in it.
    const auto last = static_cast<int>(kBandLetters.size());
    return kBandLetters[static_cast<std::size_t>(std::min(index, last) - 1)];
}

int zoneNumber(float lonDeg) {
    if (!(std::fabs(lonDeg) <= 180))
        return 0;
    if (lonDeg == 0)
        return 31;
    int k = 0;
    for (int i = 1; i <= 30; ++i) {
        const float limit = static_cast<float>(6 * (i - 1));
        if (lonDeg < 0 ? lonDeg < -limit : lonDeg > limit)
            k = i;
    }
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
    UtmConstants scratch{};
    const UtmConstants& k = constantsFor(ellipsoid, scratch);
    const double phi = latDeg * kDegToRad;
    const double sinPhi = std::sin(phi), cosPhi = std::cos(phi);
    const double t = sinPhi / cosPhi;
    const double cos2 = cosPhi * cosPhi;
    const double eta2 = k.arc.ep2 * cos2;
    const double N = k.c / std::sqrt(1 + eta2);
    const double t2 = t * t;

    const MultipleSines m = multipleSines(sinPhi, cosPhi);
    const double G = k.E0 * latDeg + k.arc.E2 * m.sin2 + k.arc.E4 * m.sin4 + k.arc.E6 * m.sin6;

    const double l = (lonDeg - utmCentralMeridianDeg(zone)) * kDegToRad;
    const double l2 = l * l;

    double northing =
        (G + N * t * cos2 * l2 / 2 + N * t * cos2 * cos2 * l2 * l2 * (5 - t2 + 9 * eta2) / 24) *
        kUtmScale;
    if (latDeg < 0)
        northing += kUtmFalseNorthingSouthM;
    const double easting = (N * cosPhi * l + N * cos2 * cosPhi * l2 * l * (1 - t2 + eta2) / 6 +
                            N * cos2 * cos2 * cosPhi * l2 * l2 * l * (5 - 18 * t2 + t2 * t2) / 120) *
                               kUtmScale +
                           kUtmFalseEastingM;
    if (!std::isfinite(easting) || !std::isfinite(northing))
        return std::nullopt;
    return GridPoint{easting, northing};
}

std::optional<GeoPoint> utmInverse(double eastingM, double northingM, double zone, bool north,
                                   const Ellipsoid& ellipsoid) {
    UtmConstants scratch{};
    const UtmConstants& k = constantsFor(ellipsoid, scratch);
    const double R = kRadToDeg;
    double Nn = northingM;
    if (!north)
        Nn = std::nearbyint(kUtmFalseNorthingSouthM - Nn);

    const double sigmaDeg = Nn / (kUtmScale * k.E0);
    const double sigma = sigmaDeg * kDegToRad;
    const double sinSigma = std::sin(sigma), cosSigma = std::cos(sigma);
    const MultipleSines m = multipleSines(sinSigma, cosSigma);
    const double footOffsetDeg = k.arc.F2 * m.sin2 + k.arc.F4 * m.sin4 + k.arc.F6 * m.sin6;
    double phiFDeg = sigmaDeg + footOffsetDeg;
    // sin and cos of phi_f from those of sigma; south, phi_f = -phi_f.
    const SinCos foot = sinCosOfSum(sinSigma, cosSigma, footOffsetDeg * kDegToRad);
    double sinPhiF = foot.sin;
    const double cosPhiF = foot.cos;
    if (!north) {
        phiFDeg = -phiFDeg;
        sinPhiF = -sinPhiF;
    }

    const double invCos = 1 / cosPhiF;
    const double t = sinPhiF * invCos;
    const double t2 = t * t;
    const double eta2 = k.arc.ep2 * cosPhiF * cosPhiF;
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

    const double L0 = utmCentralMeridianDeg(zone);
    const double y = (eastingM - kUtmFalseEastingM) * (1 / kUtmScale);
    const double y2 = y * y;

    const double latDeg = phiFDeg + (B2 * y2 + B4 * y2 * y2 + B6 * y2 * y2 * y2) * R;
    const double lonDeg = L0 + (L1 * y + L3 * y2 * y + L5 * y2 * y2 * y) * R;
    if (!std::isfinite(latDeg) || !std::isfinite(lonDeg))
        return std::nullopt;
    return GeoPoint{latDeg, lonDeg};
}

} // namespace lw
