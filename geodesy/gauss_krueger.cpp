#include "geodesy/gauss_krueger.h"

#include "meridian_arc.h"

#include <cmath>

namespace lw {

namespace {

struct GkConstants {
    ArcCoefficients arc;
    double E0; // metres per degree of latitude
};

constexpr GkConstants makeGkConstants() {
    GkConstants g{arcCoefficients(kBesselEp2, ellipsoid::Bessel.c), 0};
    g.E0 = g.arc.E0Poly * (ellipsoid::Bessel.c / kRadToDeg);
    return g;
}
constexpr GkConstants kGk = makeGkConstants();

} // namespace

GkStrip gkStripOfLongitude(double lonDeg, int widthDeg) {
    const double half = widthDeg / 2.0;
    const double k = std::floor((lonDeg + half) / widthDeg);
    return {k, widthDeg * k};
}

std::optional<GkPoint> gkForward(double latDeg, double lonDeg, const GkStrip& strip) {
    const GkConstants& k = kGk;
    const double R = kRadToDeg, R2 = R * R;
    const double phi = latDeg * kDegToRad;
    const double sinPhi = std::sin(phi), cosPhi = std::cos(phi), cos2 = cosPhi * cosPhi;
    const double t = sinPhi / cosPhi, t2 = t * t;
    const double eta = ellipsoid::Bessel.eP * cosPhi, eta2 = eta * eta;
    const double N = ellipsoid::Bessel.c / std::sqrt(1 + eta2);

    const double dl = lonDeg - strip.centralMeridianDeg, dl2 = dl * dl;
    const MultipleSines m = multipleSines(sinPhi, cosPhi);
    const double G = k.E0 * latDeg + k.arc.E2 * m.sin2 + k.arc.E4 * m.sin4 + k.arc.E6 * m.sin6;

    const double x = G + dl2 * N * t * cos2 / (2 * R2) +
                     dl2 * dl2 * N * t * cos2 * cos2 * (5 - t2 + 9 * eta2) / (24 * R2 * R2);
    const double y = dl * N * cosPhi / R + dl2 * dl * N * cos2 * cosPhi * (1 - t2 + eta2) / (6 * R2 * R) +
                     dl2 * dl2 * dl * N * cos2 * cos2 * cosPhi * (5 - 18 * t2 + t2 * t2) /
                         (120 * R2 * R2 * R);
    const double rechtswert = strip.number * kGkStripMultiplierM + (y + kGkFalseEastingM);
    if (!std::isfinite(x) || !std::isfinite(rechtswert))
        return std::nullopt;
    return GkPoint{x, rechtswert};
}

std::optional<GeoPoint> gkInverse(double hochwertM, double yM, double centralMeridianDeg) {
    const GkConstants& k = kGk;
    const double R = kRadToDeg;
    const double sigmaDeg = hochwertM / k.E0;
    const double sigma = sigmaDeg * kDegToRad;
    const double sinSigma = std::sin(sigma), cosSigma = std::cos(sigma);
    const MultipleSines m = multipleSines(sinSigma, cosSigma);
    const double footOffsetDeg = k.arc.F2 * m.sin2 + k.arc.F4 * m.sin4 + k.arc.F6 * m.sin6;
    const double phiFDeg = sigmaDeg + footOffsetDeg;
    const SinCos foot = sinCosOfSum(sinSigma, cosSigma, footOffsetDeg * kDegToRad);
    const double sinPhiF = foot.sin, cosPhiF = foot.cos;
    const double invCos = 1 / cosPhiF;
    const double t = sinPhiF * invCos, t2 = t * t;
    const double eta = ellipsoid::Bessel.eP * cosPhiF, eta2 = eta * eta;
    const double Nf = ellipsoid::Bessel.c / std::sqrt(1 + eta2);
    // Powers of 1 / Nf and 1 / cos(phi_f) once, instead of a division per term.
    const double invNf = 1 / Nf, invNf2 = invNf * invNf, invNf4 = invNf2 * invNf2;
    const double y = yM, y2 = y * y;

    const double latDeg = phiFDeg - y2 * R * t * (1 + eta2) / 2 * invNf2 +
                          y2 * y2 * R * t * (5 + 3 * t2 + 6 * eta2 * (1 - t2)) * (1.0 / 24) * invNf4 -
                          y2 * y2 * y2 * R * t * (61 + 90 * t2 + 45 * t2 * t2) / 720 *
                              (invNf4 * invNf2);
    const double lonDeg = centralMeridianDeg + y * R * invNf * invCos -
                          y2 * y * R * (1 + 2 * t2 + eta2) * (1.0 / 6) * (invNf2 * invNf * invCos) +
                          y2 * y2 * y * R * (5 + 28 * t2 + 24 * t2 * t2) / 120 *
                              (invNf4 * invNf * invCos);
    if (!std::isfinite(latDeg) || !std::isfinite(lonDeg))
        return std::nullopt;
    return GeoPoint{latDeg, lonDeg};
}

} // namespace lw
