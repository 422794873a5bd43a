// Letters of the military grid: 100 km squares named by a column letter
// (easting) and a row letter (northing), the same on GRS80 and Hayford.
#pragma once

#include "geodesy/grid_letters.h"

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

} // namespace lw
