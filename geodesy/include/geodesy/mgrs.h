// Letters of the military grid: 100 km squares named by a column letter
// (easting) and a row letter (northing), the same on GRS80 and Hayford.
#pragma once

#include "geodesy/ellipsoids.h"
#include "geodesy/grid_letters.h"
#include "geodesy/transverse_mercator.h"

#include <optional>
#include <string_view>

namespace lw {

// Column letters for the hundred-kilometre easting digits 1..8, chosen by the
// zone number modulo 3 (so that neighbouring zones never share a letter).
// Empty for a negative remainder (no such zone).
std::string_view columnLetters(int zone);

// Row letters for the hundred-kilometre northing digits 0..9: a 2,000 km
// cycle of 20 letters, the even millions taking the first ten; even zones are
// shifted by five letters.
std::string_view rowLetters(bool oddZone, bool oddMillions);

// Hundred-kilometre easting digit 1..8 of a column letter, whatever the zone.
std::optional<int> columnDigit(char letter);

struct RowDigit {
    int hundredKmDigit; // 0..9
    bool secondHalf;    // the letter stands for an odd millions digit
};
std::optional<RowDigit> rowDigit(char letter, bool oddZone);

// Millions digit of the northing for a band letter and a cycle half. Band X
// spans 7,989 to 9,329 km, so its second half means 7 only at its southern
// edge (hundred-km digit 9) and 9 further north. No digit for a band with no
// square in that half (M first, N and D second) or for a letter that is no band.
std::optional<int> millionsDigit(char band, bool secondHalf, int hundredKmDigit);

// Band letter of a decoded northing, from the band thresholds of the northern
// or southern hemisphere.
char bandOfNorthing(double northingM, bool northern);

// South-west corner of the 100 km square that the letters name in a zone and
// band: easting from the column letter, northing from the row letter and the
// band's millions digit. None where the letters name no square of the band.
std::optional<GridPoint> squareSouthWestCorner(int zone, char band, char column, char row);

// Latitudes of a band letter's southern and northern edge, degrees.
struct BandEdges {
    double southDeg, northDeg;
};
std::optional<BandEdges> bandEdges(char band);

// Latitudes within this of a band edge count as on it: a metre, the last
// place of a grid reference.
inline constexpr double kBandEdgeToleranceDeg = 1e-5;

// Whether a point decoded from a grid reference may carry its band letter.
// A reference names the south-west corner of a cell inside its 100 km square,
// and the square may straddle a band border: then it belongs to both bands.
// So the decoded point fits when it lies in the band, or when it lies beyond
// a border between two bands and its square reaches into the band. Band C's
// squares may reach in from south of 80 deg S too (a coarse reference's
// corner lies south of its point); beyond 84 deg N, where UTM ends, nothing
// fits. A point far outside every zone, where the series fail, fits no band.
// Squares are those of `zone` on `ellipsoid`.
bool fitsBand(char band, int zone, GridPoint squareCorner, GridPoint point,
              const Ellipsoid& ellipsoid);

} // namespace lw
