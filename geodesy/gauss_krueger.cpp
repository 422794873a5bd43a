#include "geodesy/gauss_krueger.h"

#include <cmath>

namespace lw {

namespace {

// The projection of a strip in Gauss-Krueger's own evaluation; it keeps y
// itself, since the Rechtswert adds the false easting and the strip's millions
// to it in this order.
TransverseMercator gkProjection(double centralMeridianDeg) {
    return {&ellipsoid::Bessel, centralMeridianDeg, 1, 0, 0, TmEvaluation::Degrees};
}

} // namespace

GkStrip gkStripOfLongitude(double lonDeg, int widthDeg) {
    const double half = widthDeg / 2.0;
    const double k = std::floor((lonDeg + half) / widthDeg);
    return {k, gkCentralMeridianDeg(k, widthDeg)};
}

std::optional<GkPoint> gkForward(double latDeg, double lonDeg, const GkStrip& strip) {
    const std::optional<GridPoint> p =
        tmForward(gkProjection(strip.centralMeridianDeg), latDeg, lonDeg);
    if (!p)
        return std::nullopt;
    const double rechtswert = strip.number * kGkStripMultiplierM + (p->eastingM + kGkFalseEastingM);
    if (!std::isfinite(rechtswert))
        return std::nullopt;
    return GkPoint{p->northingM, rechtswert};
}

std::optional<GeoPoint> gkInverse(double hochwertM, double yM, double centralMeridianDeg) {
    return tmInverse(gkProjection(centralMeridianDeg), yM, hochwertM);
}

} // namespace lw
