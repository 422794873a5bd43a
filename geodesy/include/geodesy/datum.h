// Datum shift between the three ellipsoids: a standard Molodensky
// transformation with three translation parameters, always to or from GRS80.
//
// Accuracy: a three-parameter shift approximates the official
// transformations; Bessel/DHDN to GRS80 differs from the official BeTA2007
// grid by 3.6 m on average and up to 9.9 m over Germany. The Molodensky
// formulas themselves stay within 3 cm of a strict earth-centred translation
// with the same parameters (docs/accuracy.md). Heights take part in the
// formula but are not a result the program shows.
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
