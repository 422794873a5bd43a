// The three reference ellipsoids and the angle factors of the geodesy layer.
//
// The decimal values are the program's own constants, written here once and
// used as they stand: none is derived at run time, so every projection and
// datum shift computes with exactly these digits. They are the published
// defining values (a, and f as 1/299.1528128 for Bessel 1841, 1/297 for
// Hayford 1909 = International 1924, 1/298.257222101 for GRS80), with b, e,
// e' and c carried to 15 significant digits.
//
// References for the defining values:
// - Bessel 1841: F. W. Bessel's determination of the earth's figure,
//   Astronomische Nachrichten 19 (1842); the ellipsoid of DHDN.
// - Hayford 1909, adopted as the International Ellipsoid by the IUGG at
//   Madrid in 1924.
// - GRS80: H. Moritz, "Geodetic Reference System 1980", Bulletin Géodésique
//   54 (1980); reprinted in Journal of Geodesy 74 (2000).
#pragma once

namespace lw {

struct Ellipsoid {
    double a;  // semi-major axis, metres
    double f;  // flattening
    double b;  // semi-minor axis, metres
    double e;  // first eccentricity (not squared)
    double eP; // second eccentricity e' (not squared)
    double c;  // polar radius of curvature a^2 / b, metres
};

namespace ellipsoid {

// Bessel 1841: the ellipsoid of DHDN (Potsdam datum) and of Gauss-Krueger.
inline constexpr Ellipsoid Bessel{6377397.155,        0.0033427731816161, 6356078.96282175,
                                  0.0816968312157118, 0.0819708411451664, 6398786.84807061};
// Hayford 1909 (International 1924): the ellipsoid of ED50 and older UTM maps.
inline constexpr Ellipsoid Hayford{6378388.0,         0.00336700336700337, 6356911.94612795,
                                   0.081991889979022, 0.0822688896073294,  6399936.6081081};
// GRS80: the ellipsoid of ETRS89, equal to WGS 84's to within 0.1 mm.
inline constexpr Ellipsoid GRS80{6378137.0,          0.00335281068118232, 6356752.31414036,
                                 0.0818191910428152, 0.0820944381519166,  6399593.62586402};

} // namespace ellipsoid

// Angle factors. They follow from pi carried to 15 significant digits only
// (3.14159265358979), not from a more exact one: with it cos(90 deg) comes
// out near 1.6e-15 instead of 6e-17, which keeps the poles free of divisions
// by zero.
inline constexpr double kDegToRad = 0.017453292519943278;
inline constexpr double kRadToDeg = 57.29577951308238;

} // namespace lw
