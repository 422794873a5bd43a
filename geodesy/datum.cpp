#include "geodesy/datum.h"

#include <cmath>

namespace lw {

ShiftParameters shiftParameters(DatumShift shift) {
    // Translations in metres: Bessel/DHDN and Hayford/ED50 against GRS80.
    switch (shift) {
    case DatumShift::BesselToGRS80:
        return {&ellipsoid::Bessel, &ellipsoid::GRS80, 587, 16, 393};
    case DatumShift::GRS80ToBessel:
        return {&ellipsoid::GRS80, &ellipsoid::Bessel, -587, -16, -393};
    case DatumShift::HayfordToGRS80:
        return {&ellipsoid::Hayford, &ellipsoid::GRS80, -87, -98, -120};
    case DatumShift::GRS80ToHayford:
        break;
    }
    return {&ellipsoid::GRS80, &ellipsoid::Hayford, 87, 98, 120};
}

std::optional<GeoPointHeight> molodensky(const GeoPointHeight& p, DatumShift shift) {
    const ShiftParameters s = shiftParameters(shift);
    const Ellipsoid& src = *s.source;
    const double a = src.a, f = src.f, b = src.b, e = src.e, c = src.c;
    const double h = p.heightM;

    const double phi = p.latDeg * kDegToRad;
    const double lambda = p.lonDeg * kDegToRad;
    const double sinPhi = std::sin(phi), cosPhi = std::cos(phi);
    const double sinLambda = std::sin(lambda), cosLambda = std::cos(lambda);

    const double ePcos = src.eP * cosPhi;
    const double V = std::sqrt(1 + ePcos * ePcos);
    const double M = c / (V * V * V); // meridian radius
    const double N = c / V;           // prime vertical radius

    const double da = s.target->a - a;
    const double df = s.target->f - f;

    // An infinite radius would turn the shift into a harmless-looking zero.
    const double Mh = M + h, Nh = N + h;
    if (!std::isfinite(Mh) || !std::isfinite(Nh))
        return std::nullopt;
    const double dLatDeg =
        (-s.dX * sinPhi * cosLambda - s.dY * sinPhi * sinLambda + s.dZ * cosPhi +
         e * e * N * sinPhi * cosPhi * da / a + (b * N / a + a * M / b) * df * sinPhi * cosPhi) *
        (kRadToDeg / Mh);
    const double dLonDeg = (-s.dX * sinLambda + s.dY * cosLambda) * (kRadToDeg / Nh) / cosPhi;
    const double dH = s.dX * cosPhi * cosLambda + s.dY * cosPhi * sinLambda + s.dZ * sinPhi -
                      da * a / N + sinPhi * sinPhi * (b * df / a) * N;

    const GeoPointHeight out{p.latDeg + dLatDeg, p.lonDeg + dLonDeg, h + dH};
    if (!std::isfinite(out.latDeg) || !std::isfinite(out.lonDeg) || !std::isfinite(out.heightM))
        return std::nullopt;
    return out;
}

} // namespace lw
