// Coefficients of the meridian arc and of its inverse (the footpoint
// latitude), as polynomials in e'^2 truncated after e'^8. Shared by the two
// evaluations of the transverse Mercator series (UTM's and Gauss-Krueger's),
// which use them with different units for E0.
//
// Both are the classical expansions in e'^2 with the polar radius of
// curvature c = a^2 / b, as German geodesy writes them (W. Grossmann,
// "Geodaetische Rechnungen und Abbildungen in der Landesvermessung", Wittwer,
// Stuttgart, 3rd ed. 1976); the footpoint latitude is the meridian arc
// inverted by series reversion about the rectifying latitude sigma. Snyder
// 1987 (see transverse_mercator.h) gives the same two series in powers of e^2 and e1.
#pragma once

#include "geodesy/ellipsoids.h"

namespace lw {

struct ArcCoefficients {
    double ep2;        // e'^2
    double E0Poly;     // 1 - 3/4 e'^2 + ...   (times c*rho or c/R gives E0)
    double E2, E4, E6; // metres
    double F2, F4, F6; // degrees
};

// sin 2x, sin 4x, sin 6x from one sine and cosine of x: the multiple-angle
// identities cost a few multiplications where three sine calls would cost
// most of a projection's time; they agree with the direct sines to 1e-16.
struct MultipleSines {
    double sin2, sin4, sin6;
};
inline MultipleSines multipleSines(double sinX, double cosX) {
    const double s2 = 2 * sinX * cosX;
    const double c2 = (cosX - sinX) * (cosX + sinX);
    const double s4 = 2 * s2 * c2;
    const double c4 = (c2 - s2) * (c2 + s2);
    return {s2, s4, s4 * c2 + c4 * s2};
}

// sin and cos of a + d for a small d (|d| < 0.01 rad) from those of a: the
// footpoint latitude differs from the rectifying latitude by at most 0.17 deg,
// and the Taylor terms up to d^6 leave an error below 1e-20, so this saves a
// second sine/cosine evaluation at no loss.
struct SinCos {
    double sin, cos;
};
inline SinCos sinCosOfSum(double sinA, double cosA, double d) {
    const double d2 = d * d;
    const double sinD = d * (1 - d2 * (1.0 / 6) * (1 - d2 * (1.0 / 20)));
    const double cosD = 1 - d2 * 0.5 * (1 - d2 * (1.0 / 12) * (1 - d2 * (1.0 / 30)));
    return {sinA * cosD + cosA * sinD, cosA * cosD - sinA * sinD};
}

// From e'^2 and c directly (Gauss-Krueger's evaluation takes e'^2 as e' squared).
// constexpr, so that the tables of the projections are built at compile time.
constexpr ArcCoefficients arcCoefficients(double ep2, double c) {
    const double ep4 = ep2 * ep2, ep6 = ep4 * ep2, ep8 = ep6 * ep2;
    const double R = kRadToDeg;
    ArcCoefficients k{};
    k.ep2 = ep2;
    // Meridian arc G(phi) = E0 * phi_deg + E2 sin 2phi + E4 sin 4phi + E6 sin 6phi
    k.E0Poly = 1 - 3.0 / 4 * ep2 + 45.0 / 64 * ep4 - 175.0 / 256 * ep6 + 11025.0 / 16384 * ep8;
    k.E2 = (-3.0 / 8 * ep2 + 15.0 / 32 * ep4 - 525.0 / 1024 * ep6 + 2205.0 / 4096 * ep8) * c;
    k.E4 = (15.0 / 256 * ep4 - 105.0 / 1024 * ep6 + 2205.0 / 16384 * ep8) * c;
    k.E6 = (-35.0 / 3072 * ep6 + 315.0 / 12288 * ep8) * c;
    // Footpoint phi_f = sigma + F2 sin 2sigma + F4 sin 4sigma + F6 sin 6sigma
    k.F2 = (3.0 / 8 * ep2 - 3.0 / 16 * ep4 + 213.0 / 2048 * ep6 - 255.0 / 4096 * ep8) * R;
    k.F4 = (21.0 / 256 * ep4 - 21.0 / 256 * ep6 + 533.0 / 8192 * ep8) * R;
    k.F6 = (151.0 / 6144 * ep6 - 453.0 / 12288 * ep8) * R;
    return k;
}

// e'^2 = (2f - f^2) / (1 - f)^2 from the flattening.
constexpr double secondEccentricitySquared(double f) {
    return (2 * f - f * f) / ((1 - f) * (1 - f));
}

} // namespace lw
