// Datum shift between the three ellipsoids: a standard Molodensky
// transformation with three translation parameters, always to or from GRS80.
//
// Accuracy: a three-parameter shift approximates the official
// transformations; Bessel/DHDN to GRS80 differs from the official BeTA2007
// grid by 3.6 m on average and up to 9.9 m over Germany. The Molodensky
// formulas themselves stay within 3 cm of a strict earth-centred translation
// with the same parameters (docs/accuracy.md). Heights take part in the
// formula but are not a result the program shows.
//
// References:
// - The standard (not the abridged) Molodensky formulas for the changes in
//   latitude, longitude and height from the translations and the differences
//   in a and f: NIMA TR8350.2, "Department of Defense World Geodetic System
//   1984, Its Definition and Relationships with Local Geodetic Systems",
//   3rd ed., 2000; earlier DMA TR 8350.2 (1987).
// - Three-parameter translations of the kind that report tabulates for local
//   datums to WGS 84 (whose ellipsoid GRS80 equals to 0.1 mm). The values in
//   shiftParameters() are this program's own set for DHDN and ED50; their
//   accuracy is measured, not taken on trust (docs/accuracy.md).
#pragma once

#include "geodesy/ellipsoids.h"

#include <optional>

namespace lw {

struct GeoPoint {
    double latDeg;
    double lonDeg;
};

struct GeoPointHeight {
    double latDeg;
    double lonDeg;
    double heightM;
};

enum class DatumShift { BesselToGRS80, GRS80ToBessel, HayfordToGRS80, GRS80ToHayford };

// One row of the shift table: translation of the earth-centred frame, metres,
// added from source to target.
struct ShiftParameters {
    const Ellipsoid* source;
    const Ellipsoid* target;
    double dX, dY, dZ;
};

ShiftParameters shiftParameters(DatumShift shift);

// Molodensky shift of one point. None when an intermediate or a result is not
// finite (absurd input); the poles give a result.
std::optional<GeoPointHeight> molodensky(const GeoPointHeight& p, DatumShift shift);

} // namespace lw
