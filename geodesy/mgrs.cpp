#include "geodesy/mgrs.h"

#include <array>

namespace lw {

std::string_view columnLetters(int zone) {
    switch (zone % 3) {
    case 1:
        return "ABCDEFGH";
    case 2:
        return "JKLMNPQR";
    case 0:
        return "STUVWXYZ";
    default:
        return "";
    }
}

std::string_view rowLetters(bool oddZone, bool oddMillions) {
    if (oddZone)
        return oddMillions ? "LMNPQRSTUV" : "ABCDEFGHJK";
    return oddMillions ? "RSTUVABCDE" : "FGHJKLMNPQ";
}

std::optional<int> columnDigit(char letter) {
    for (std::string_view set : {"ABCDEFGH", "JKLMNPQR", "STUVWXYZ"}) {
        const auto pos = set.find(letter);
        if (letter != '\0' && pos != std::string_view::npos)
            return static_cast<int>(pos) + 1;
    }
    return std::nullopt;
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
    constexpr std::string_view bands = "CDEFGHJKLMNPQRSTUVWX";
    constexpr std::array<int, 20> firstHalf = {2, 2, 2, 4, 4, 6, 6, 8, 8, -1,
                                               0, 0, 2, 2, 4, 4, 6, 6, 7, 8};
    constexpr std::array<int, 20> secondHalfDigits = {1, -1, 3, 3, 5, 5, 7, 7, 9, 9,
                                                      -1, 1, 1, 3, 3, 5, 5, 7, 7, 7};
    const auto pos = band == '\0' ? std::string_view::npos : bands.find(band);
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
    // Northings of the band borders 8, 16 .. 72 deg and 80 deg (band X from
    // 72 deg) on the central meridian; the southern ones mirror them.
    constexpr std::array<double, 9> borders = {885504,  1771254, 2657479, 3544370, 4432069,
                                               5320656, 6210141, 7100467, 7991509};
    constexpr std::string_view north = "PQRSTUVWX";
    constexpr std::string_view south = "LKJHGFEDC";
    char band = '\0';
    if (northern) {
        if (northingM >= 0)
            band = 'N';
        for (std::size_t i = 0; i < borders.size(); ++i)
            if (northingM > borders[i])
                band = north[i];
    } else {
        if (northingM <= 9999999)
            band = 'M';
        for (std::size_t i = 0; i < borders.size(); ++i)
            if (northingM < 10000000 - borders[i])
                band = south[i];
    }
    return band;
}

} // namespace lw
