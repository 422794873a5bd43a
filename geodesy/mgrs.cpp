#include "geodesy/mgrs.h"

#include "geodesy/grid_letters.h"
#include "geodesy/utm.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace lw {

namespace {

// The twenty row letters followed by their first five again, so that every
// run of ten, also one shifted by five letters, is one contiguous view.
constexpr std::size_t kRowCycleWithShift = kSquareRowLetters.size() + kSquareRowsPerMillion / 2;
constexpr std::array<char, kRowCycleWithShift> kRowLettersWrapped = [] {
    std::array<char, kRowCycleWithShift> letters{};
    for (std::size_t i = 0; i < letters.size(); ++i)
        letters[i] = kSquareRowLetters[i % kSquareRowLetters.size()];
    return letters;
}();

} // namespace

std::string_view columnLetters(int zone) {
    const int remainder = zone % 3;
    if (remainder < 0)
        return "";
    // Zones 1, 4, 7 .. take the first set, 2, 5, 8 .. the second, 3, 6, 9 ..
    // the third.
    const auto set = static_cast<std::size_t>((remainder + 2) % 3);
    return kSquareColumnLetters.substr(set * kSquareColumnsPerSet, kSquareColumnsPerSet);
}

std::string_view rowLetters(bool oddZone, bool oddMillions) {
    const std::size_t start =
        (oddZone ? 0 : kSquareRowsPerMillion / 2) + (oddMillions ? kSquareRowsPerMillion : 0);
    return {kRowLettersWrapped.data() + start, kSquareRowsPerMillion};
}

std::optional<int> columnDigit(char letter) {
    const auto pos = kSquareColumnLetters.find(letter);
    if (letter == '\0' || pos == std::string_view::npos)
        return std::nullopt;
    return static_cast<int>(pos % kSquareColumnsPerSet) + 1;
}

std::optional<RowDigit> rowDigit(char letter, bool oddZone) {
    if (letter == '\0')
        return std::nullopt;
    for (bool second : {false, true}) {
        const auto pos = rowLetters(oddZone, second).find(letter);
        if (pos != std::string_view::npos)
            return RowDigit{static_cast<int>(pos), second};
    }
    return std::nullopt;
}

std::optional<int> millionsDigit(char band, bool secondHalf, int hundredKmDigit) {
    // Bands C..X; -1 where a band has no square in that half of the cycle.
    constexpr std::array<int, kBandLetters.size()> firstHalf = {2, 2, 2, 4, 4, 6, 6, 8, 8, -1,
                                                                0, 0, 2, 2, 4, 4, 6, 6, 7, 8};
    constexpr std::array<int, kBandLetters.size()> secondHalfDigits = {
        1, -1, 3, 3, 5, 5, 7, 7, 9, 9, -1, 1, 1, 3, 3, 5, 5, 7, 7, 7};
    const auto pos = band == '\0' ? std::string_view::npos : kBandLetters.find(band);
    if (pos == std::string_view::npos)
        return std::nullopt;
    if (band == 'X' && secondHalf)
        return hundredKmDigit == 9 ? 7 : 9;
    const int digit = secondHalf ? secondHalfDigits[pos] : firstHalf[pos];
    if (digit < 0)
        return std::nullopt;
    return digit;
}

char bandOfNorthing(double northingM, bool northern) {
    // North, a northing above the i-th border lies in the (i + 1)-th band
    // after N (P above the first); south, one below the i-th border in the
    // (i + 1)-th band before M (L below the first).
    constexpr std::size_t n = kNorthernBandsFrom; // index of N; M is n - 1
    char band = '\0';
    if (northern) {
        if (northingM >= 0)
            band = kBandLetters[n];
        for (std::size_t i = 0; i < kBandBorderNorthingsM.size(); ++i)
            if (northingM > kBandBorderNorthingsM[i])
                band = kBandLetters[n + 1 + i];
    } else {
        if (northingM <= kEquatorNorthingSouthM - 1)
            band = kBandLetters[n - 1];
        for (std::size_t i = 0; i < kBandBorderNorthingsM.size(); ++i)
            if (northingM < southernBorderNorthingM(i))
                band = kBandLetters[n - 2 - i];
    }
    return band;
}

std::optional<GridPoint> squareSouthWestCorner(int zone, char band, char column, char row) {
    const std::optional<int> east = columnDigit(column);
    const std::optional<RowDigit> north = rowDigit(row, zone % 2 != 0);
    if (!east || !north)
        return std::nullopt;
    const std::optional<int> millions =
        millionsDigit(band, north->secondHalf, north->hundredKmDigit);
    if (!millions)
        return std::nullopt;
    return GridPoint{*east * kSquareSideM,
                     *millions * kMillionM + north->hundredKmDigit * kSquareSideM};
}

std::optional<BandEdges> bandEdges(char band) {
    const auto pos = band == '\0' ? std::string_view::npos : kBandLetters.find(band);
    if (pos == std::string_view::npos)
        return std::nullopt;
    const double south = kSouthernmostBandDeg + kBandHeightDeg * static_cast<double>(pos);
    const bool last = pos + 1 == kBandLetters.size();
    return BandEdges{south, last ? kNorthernmostBandDeg : south + kBandHeightDeg};
}

namespace {

// Far outside every zone, above all near the poles, the inverse series no
// longer converge. A latitude counts only where projecting it forward again
// gives back the grid point within this; inside the zones, the widened ones
// included, the round trip stays within centimetres.
constexpr double kRoundTripM = 1000;

std::optional<double> latitudeAt(double eastingM, double northingM, int zone, bool north,
                                 const Ellipsoid& ellipsoid) {
    const std::optional<GeoPoint> p = utmInverse(eastingM, northingM, zone, north, ellipsoid);
    if (!p)
        return std::nullopt;
    const std::optional<GridPoint> back = utmForward(p->latDeg, p->lonDeg, zone, ellipsoid);
    if (!back ||
        !(std::hypot(back->eastingM - eastingM, back->northingM - northingM) <= kRoundTripM))
        return std::nullopt;
    return p->latDeg;
}

// Smallest and largest latitude along one northing of a square, degrees. At a
// fixed northing the latitude is farthest from the equator on the central
// meridian and falls off towards either side; the columns begin and end at
// whole 100 km, so the central meridian (500 km) is never inside a square
// and the extremes lie at its two sides. None where no latitude counts.
struct LatitudeRange {
    double minDeg, maxDeg;
};

std::optional<LatitudeRange> latitudesAlong(double westM, double northingM, int zone, bool north,
                                            const Ellipsoid& ellipsoid) {
    std::optional<LatitudeRange> range;
    const double eastM = westM + kSquareSideM;
    for (double eastingM : {westM, eastM}) {
        const std::optional<double> lat = latitudeAt(eastingM, northingM, zone, north, ellipsoid);
        if (!lat)
            continue;
        if (!range)
            range = LatitudeRange{*lat, *lat};
        range->minDeg = std::min(range->minDeg, *lat);
        range->maxDeg = std::max(range->maxDeg, *lat);
    }
    return range;
}

} // namespace

bool fitsBand(char band, int zone, GridPoint squareCorner, GridPoint point,
              const Ellipsoid& ellipsoid) {
    const std::optional<BandEdges> edges = bandEdges(band);
    if (!edges)
        return false;
    const bool north = isNorthernBandLetter(band);
    const std::optional<double> lat =
        latitudeAt(point.eastingM, point.northingM, zone, north, ellipsoid);
    if (!lat)
        return false;
    if (*lat >= edges->southDeg - kBandEdgeToleranceDeg &&
        *lat <= edges->northDeg + kBandEdgeToleranceDeg)
        return true;
    // North of 84 deg UTM ends: no square reaches back into band X for it.
    if (edges->northDeg == kNorthernmostBandDeg && *lat > edges->northDeg)
        return false;

    const double westM = squareCorner.eastingM;
    if (*lat < edges->southDeg) {
        const auto top =
            latitudesAlong(westM, squareCorner.northingM + kSquareSideM, zone, north, ellipsoid);
        return top && top->maxDeg >= edges->southDeg;
    }
    const auto bottom = latitudesAlong(westM, squareCorner.northingM, zone, north, ellipsoid);
    return bottom && bottom->minDeg <= edges->northDeg;
}

} // namespace lw
