#include "geodesy/exact_tm.h"

#include "geodesy/utm.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace lw {

namespace {

constexpr int kOrder = 6;

// What one ellipsoid fixes of the series.
struct KruegerSeries {
    double A;                         // rectifying radius, metres
    std::array<double, kOrder> alpha; // geographic -> grid, alpha_1..alpha_6
    std::array<double, kOrder> beta;  // grid -> geographic, beta_1..beta_6
    double e;                         // first eccentricity
    double e2m;                       // 1 - e^2
};

// Horner's form of c1 n + c2 n^2 + ... for the coefficients below.
constexpr double poly(double n, double c1, double c2, double c3, double c4, double c5, double c6) {
    return n * (c1 + n * (c2 + n * (c3 + n * (c4 + n * (c5 + n * c6)))));
}

// Krueger's coefficients in the third flattening n = f / (2 - f), to n^6,
// one line per coefficient, lowest power first.
constexpr KruegerSeries kruegerSeries(const Ellipsoid& ell) {
    const double n = ell.f / (2 - ell.f);
    const double n2 = n * n;
    KruegerSeries s{};
    s.A = ell.a / (1 + n) * (1 + n2 * (1.0 / 4 + n2 * (1.0 / 64 + n2 * (1.0 / 256))));
    s.alpha = {
        poly(n, 1.0 / 2, -2.0 / 3, 5.0 / 16, 41.0 / 180, -127.0 / 288, 7891.0 / 37800),
        poly(n, 0, 13.0 / 48, -3.0 / 5, 557.0 / 1440, 281.0 / 630, -1983433.0 / 1935360),
        poly(n, 0, 0, 61.0 / 240, -103.0 / 140, 15061.0 / 26880, 167603.0 / 181440),
        poly(n, 0, 0, 0, 49561.0 / 161280, -179.0 / 168, 6601661.0 / 7257600),
        poly(n, 0, 0, 0, 0, 34729.0 / 80640, -3418889.0 / 1995840),
        poly(n, 0, 0, 0, 0, 0, 212378941.0 / 319334400),
    };
    s.beta = {
        poly(n, 1.0 / 2, -2.0 / 3, 37.0 / 96, -1.0 / 360, -81.0 / 512, 96199.0 / 604800),
        poly(n, 0, 1.0 / 48, 1.0 / 15, -437.0 / 1440, 46.0 / 105, -1118711.0 / 3870720),
        poly(n, 0, 0, 17.0 / 480, -37.0 / 840, -209.0 / 4480, 5569.0 / 90720),
        poly(n, 0, 0, 0, 4397.0 / 161280, -11.0 / 504, -830251.0 / 7257600),
        poly(n, 0, 0, 0, 0, 4583.0 / 161280, -108847.0 / 3991680),
        poly(n, 0, 0, 0, 0, 0, 20648693.0 / 638668800),
    };
    s.e = ell.e;
    s.e2m = 1 - ell.e * ell.e;
    return s;
}

// The series of an ellipsoid, worked out once for each of the program's
// three (a list projects a point a line) by the same arithmetic as for any
// other, so that every bit stays as it was; `other` holds any other's.
const KruegerSeries& seriesOf(const Ellipsoid& ell, KruegerSeries& other) {
    static const KruegerSeries grs80 = kruegerSeries(ellipsoid::GRS80);
    static const KruegerSeries bessel = kruegerSeries(ellipsoid::Bessel);
    static const KruegerSeries hayford = kruegerSeries(ellipsoid::Hayford);
    if (&ell == &ellipsoid::GRS80)
        return grs80;
    if (&ell == &ellipsoid::Bessel)
        return bessel;
    if (&ell == &ellipsoid::Hayford)
        return hayford;
    other = kruegerSeries(ell);
    return other;
}

// The longitude from the central meridian, -180..180 degrees: as it is
// within a half turn, as the remainder beyond.
double fromCentralMeridianDeg(double lonDeg, double centralMeridianDeg) {
    const double d = lonDeg - centralMeridianDeg;
    return std::fabs(d) <= 180 ? d : std::remainder(d, 360.0);
}

// tau' = tan(conformal latitude) from tau = tan(latitude). In this form it
// keeps its relative accuracy up to the poles, where both run to infinity.
double conformalTan(double tau, double e) {
    const double tau1 = std::hypot(1.0, tau);
    const double sigma = hyperbolic(e * std::atanh(e * tau / tau1)).sinh;
    return std::hypot(1.0, sigma) * tau - sigma * tau1;
}

// tau from tau' by Newton's method, starting from tau'/(1 - e^2); two steps
// reach full precision everywhere, the bound only guards against a NaN loop.
double geographicTan(double taup, const KruegerSeries& s) {
    constexpr int kMaxSteps = 5;
    const double tolerance = 0.1 * std::sqrt(2.2e-16) * std::max(1.0, std::fabs(taup));
    double tau = taup / s.e2m;
    for (int i = 0; i < kMaxSteps; ++i) {
        const double taupi = conformalTan(tau, s.e);
        // d tau' / d tau = (1 - e^2) sqrt(1 + tau'^2) sqrt(1 + tau^2) / (1 + (1 - e^2) tau^2)
        const double step = (taup - taupi) * (1 + s.e2m * tau * tau) /
                            (s.e2m * std::hypot(1.0, tau) * std::hypot(1.0, taupi));
        tau += step;
        if (!(std::fabs(step) >= tolerance)) // also NaN
            break;
    }
    return tau;
}

// The trigonometric series: (xi, eta) + sign * sum c_j sin(2j (xi + i eta)),
// summed by Clenshaw's recurrence on the complex argument: one sine, cosine
// and hyperbolic pair per call instead of one per term.
struct XiEta {
    double xi, eta;
};

XiEta kruegerSum(XiEta z, const std::array<double, kOrder>& c, double sign) {
    const double sin2xi = std::sin(2 * z.xi), cos2xi = std::cos(2 * z.xi);
    const auto [sinh2eta, cosh2eta] = hyperbolic(2 * z.eta);
    // 2 cos 2z, the recurrence's factor.
    const double ar = 2 * cos2xi * cosh2eta, ai = -2 * sin2xi * sinh2eta;
    double y1r = 0, y1i = 0, y2r = 0, y2i = 0;
    for (std::size_t k = kOrder; k-- > 0;) {
        const double yr = c[k] + ar * y1r - ai * y1i - y2r;
        const double yi = ar * y1i + ai * y1r - y2i;
        y2r = y1r;
        y2i = y1i;
        y1r = yr;
        y1i = yi;
    }
    // sum = sin 2z * y1
    const double sr = sin2xi * cosh2eta, si = cos2xi * sinh2eta;
    return {z.xi + sign * (sr * y1r - si * y1i), z.eta + sign * (sr * y1i + si * y1r)};
}

bool finitePoint(double a, double b) {
    return std::isfinite(a) && std::isfinite(b);
}

} // namespace

Hyperbolic hyperbolic(double x) {
    constexpr double kTiny = 0x1p-28;       // below: sinh x = x
    constexpr double kSmall = 0x1.62e43p-2; // a little below ln(2) / 2
    const double a = std::fabs(x);
    if (!(a >= kTiny && a < kSmall)) // also NaN
        return {std::sinh(x), std::cosh(x)};
    const double t = std::expm1(a);
    const double w = 1 + t;
    const double twoT = 2 * t, tt = t * t; // kept apart: no fused step
    return {std::copysign(0.5, x) * (twoT - tt / w), 1 + tt / (w + w)};
}

std::optional<GridPoint> exactTmForward(const ExactTransverseMercator& tm, GeoPoint p) {
    if (!finitePoint(p.latDeg, p.lonDeg) || !(std::fabs(p.latDeg) <= 90))
        return std::nullopt;
    KruegerSeries other;
    const KruegerSeries& s = seriesOf(*tm.ellipsoid, other);
    const double phi = p.latDeg * kDegToRad;
    const double lambda = fromCentralMeridianDeg(p.lonDeg, tm.centralMeridianDeg) * kDegToRad;

    // The conformal sphere's transverse Mercator (Gauss-Schreiber), then the
    // ellipsoid's by the series.
    const double taup = conformalTan(std::tan(phi), s.e);
    const double cosLambda = std::cos(lambda);
    const XiEta sphere{std::atan2(taup, cosLambda),
                       std::asinh(std::sin(lambda) / std::hypot(taup, cosLambda))};
    const XiEta z = kruegerSum(sphere, s.alpha, +1);

    const double easting = tm.scale * s.A * z.eta + tm.falseEastingM;
    const double northing = tm.scale * s.A * z.xi + tm.falseNorthingM;
    if (!finitePoint(easting, northing))
        return std::nullopt;
    return GridPoint{easting, northing};
}

std::optional<GeoPoint> exactTmInverse(const ExactTransverseMercator& tm, GridPoint g) {
    if (!finitePoint(g.eastingM, g.northingM))
        return std::nullopt;
    KruegerSeries other;
    const KruegerSeries& s = seriesOf(*tm.ellipsoid, other);
    const double unit = tm.scale * s.A;
    const XiEta z{(g.northingM - tm.falseNorthingM) / unit, (g.eastingM - tm.falseEastingM) / unit};
    const XiEta sphere = kruegerSum(z, s.beta, -1);

    const double sinhEta = hyperbolic(sphere.eta).sinh, cosXi = std::cos(sphere.xi);
    const double taup = std::sin(sphere.xi) / std::hypot(sinhEta, cosXi);
    const double latDeg = std::atan(geographicTan(taup, s)) * kRadToDeg;
    const double lonDeg = tm.centralMeridianDeg + std::atan2(sinhEta, cosXi) * kRadToDeg;
    if (!finitePoint(latDeg, lonDeg))
        return std::nullopt;
    return GeoPoint{latDeg, lonDeg};
}

ExactTransverseMercator utmExactProjection(int zone, const Ellipsoid& ellipsoid) {
    return {&ellipsoid, utmCentralMeridianDeg(zone), kUtmScale, kUtmFalseEastingM, 0};
}

namespace {
bool isUtmZone(int zone) {
    return zone >= kUtmZoneFirst && zone <= kUtmZoneLast;
}
bool isGkThreeDegreeStrip(int strip) {
    return strip >= kGkThreeDegreeStripFirst && strip <= kGkThreeDegreeStripLast;
}
} // namespace

std::optional<GridPoint> utmExactForward(GeoPoint p, int zone, const Ellipsoid& ellipsoid) {
    if (!isUtmZone(zone))
        return std::nullopt;
    return exactTmForward(utmExactProjection(zone, ellipsoid), p);
}

std::optional<GeoPoint> utmExactInverse(GridPoint g, int zone, const Ellipsoid& ellipsoid) {
    if (!isUtmZone(zone))
        return std::nullopt;
    return exactTmInverse(utmExactProjection(zone, ellipsoid), g);
}

GkStrip gkThreeDegreeStrip(int number) {
    return {static_cast<double>(number), static_cast<double>(kGkThreeDegreeWidth * number)};
}

ExactTransverseMercator gkExactProjection(int strip) {
    return gkExactProjection(gkThreeDegreeStrip(strip));
}

ExactTransverseMercator gkExactProjection(const GkStrip& strip) {
    return {&ellipsoid::Bessel, strip.centralMeridianDeg, 1,
            strip.number * kGkStripMultiplierM + kGkFalseEastingM, 0};
}

std::optional<GkPoint> gkExactForward(GeoPoint besselPoint, int strip) {
    if (!isGkThreeDegreeStrip(strip))
        return std::nullopt;
    const std::optional<GridPoint> g = exactTmForward(gkExactProjection(strip), besselPoint);
    if (!g)
        return std::nullopt;
    return GkPoint{g->northingM, g->eastingM};
}

std::optional<GeoPoint> gkExactInverse(GkPoint p, int strip) {
    if (!isGkThreeDegreeStrip(strip))
        return std::nullopt;
    return exactTmInverse(gkExactProjection(strip), GridPoint{p.rechtswertM, p.hochwertM});
}

} // namespace lw
