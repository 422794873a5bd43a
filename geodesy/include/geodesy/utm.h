// UTM on GRS80 or Hayford: latitude bands, zone numbers with the Norway and
// Svalbard exceptions, and the zones' transverse Mercator projections
// (transverse_mercator.h, in its radian evaluation).
//
// The series are truncated: the forward one at the l^5 term of the easting and
// the l^4 term of the northing, the inverse one at y^6 / y^5. Measured against
// PROJ's exact transverse Mercator within 3 deg of the central meridian the
// forward differences stay below 2.6 mm and the inverse ones below 9e-9 deg
// (about 1 mm), on GRS80 and Hayford alike (docs/accuracy.md has the table).
// Beyond 3 deg (the widened zones 32V and 31X..37X) they grow quickly with the
// distance.
//
// References:
// - The series: see transverse_mercator.h.
// - Zones, bands, the scale 0.9996 and the Norway and Svalbard exceptions:
//   DMA TM 8358.2, "The Universal Grids: Universal Transverse Mercator (UTM)
//   and Universal Polar Stereographic (UPS)", 1989.
#pragma once

#include "geodesy/datum.h"
#include "geodesy/ellipsoids.h"
#include "geodesy/grid_letters.h"
#include "geodesy/transverse_mercator.h"

#include <optional>

namespace lw {

// Scale on the central meridian, false easting, false northing south.
inline constexpr double kUtmScale = 0.9996;
inline constexpr double kUtmFalseEastingM = 500000;
inline constexpr double kUtmFalseNorthingSouthM = kEquatorNorthingSouthM;

// Band letter of a latitude held in single precision; '\0' below -80 or above
// 84. A boundary latitude belongs to the band nearer the equator (8 gives
// 'N', -8 gives 'M').
char latitudeBand(float latDeg);

// First and last UTM zone: 60 zones of 6 deg from 180 deg W.
inline constexpr int kUtmZoneFirst = 1;
inline constexpr int kUtmZoneLast = 60;

// Zone number 1..60 of a longitude held in single precision; 0 when |lon| >
// 180. A boundary longitude belongs to the zone nearer Greenwich (6 gives 31,
// -6 gives 30, 0 gives 31).
int zoneNumber(float lonDeg);

// Zone after the exceptions of bands V (south-west Norway) and X (Svalbard);
// the comparisons use the longitude at full precision.
int zoneWithExceptions(int zone, char band, double lonDeg);

// Central meridian of a zone, degrees.
inline double utmCentralMeridianDeg(double zone) {
    return (zone - 30) * 6 - 3;
}

// Forward series into the given zone, unrounded; the false northing is added
// south of the equator. None when the result is not finite.
std::optional<GridPoint> utmForward(double latDeg, double lonDeg, int zone,
                                    const Ellipsoid& ellipsoid);

// Inverse series. `zone` may be any number (its central meridian is used);
// `north` says which hemisphere the northing counts from; a southern one is
// taken to whole metres first. None when the result is not finite.
std::optional<GeoPoint> utmInverse(double eastingM, double northingM, double zone, bool north,
                                   const Ellipsoid& ellipsoid);

} // namespace lw
