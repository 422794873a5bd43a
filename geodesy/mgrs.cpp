#include "geodesy/mgrs.h"

#include "geodesy/grid_letters.h"

#include <array>

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

} // namespace lw
