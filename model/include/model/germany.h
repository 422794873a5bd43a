// Germany's area, where alone Gauss-Krueger coordinates are given, in every
// form the program checks it: the geographic box of the Gauss-Krueger output,
// the Gauss-Krueger extent in metres of the input check, the easternmost
// central meridian a Rechtswert may name, and the UTM zone fields that cover
// it. They are one fact seen four ways, so they stand together here: a
// change to one must be weighed against the others.
#pragma once

#include <array>
#include <string_view>

namespace lw::germany {

// The box the Gauss-Krueger output accepts, on Bessel, bounds exclusive; the
// message of a point outside names the same numbers.
inline constexpr double kLatMinDeg = 46.0;
inline constexpr double kLatMaxDeg = 56.0;
inline constexpr double kLonMinDeg = 5.0;
inline constexpr double kLonMaxDeg = 16.0;

constexpr bool inGaussKruegerBox(double latDeg, double lonDeg) {
    return latDeg > kLatMinDeg && latDeg < kLatMaxDeg && lonDeg > kLonMinDeg && lonDeg < kLonMaxDeg;
}

// The Gauss-Krueger extent in metres, limits included, as the input check and
// its labels show them (seven-digit texts). The northings do not depend on
// the strip width; the eastings do, since their first digit is the strip
// number: 3° strips 2 to 5 (6° E to 15° E), 6° strips 1 to 3 (6° E to 18° E).
struct RechtsLimits {
    std::string_view min; // west border
    std::string_view max; // east border
};
inline constexpr RechtsLimits kRechtsThreeDegrees{"2484700", "5538200"};
// The same distance west of 6° E as in 3° strips, now in strip 1; in the east
// the 3° strips' border carried into strip 3 (central meridian 18° E).
inline constexpr RechtsLimits kRechtsSixDegrees{"1484700", "3350587"};
inline constexpr std::string_view kHochMin = "5107150"; // south border
inline constexpr std::string_view kHochMax = "6197355"; // north border

// A limit text's value, for comparing numbers with it.
constexpr double metresOf(std::string_view digits) {
    double metres = 0;
    for (char digit : digits)
        metres = metres * 10 + (digit - '0');
    return metres;
}

// The extent in numbers for a strip width (6° strips or 3° strips).
struct GaussKruegerExtent {
    double rechtsMin, rechtsMax, hochMin, hochMax;
};
constexpr GaussKruegerExtent extentOf(const RechtsLimits& rechts) {
    return {metresOf(rechts.min), metresOf(rechts.max), metresOf(kHochMin), metresOf(kHochMax)};
}
// (Both worked out when compiling: the check asks twice a list line.)
inline constexpr GaussKruegerExtent kExtentThreeDegrees = extentOf(kRechtsThreeDegrees);
inline constexpr GaussKruegerExtent kExtentSixDegrees = extentOf(kRechtsSixDegrees);
constexpr const GaussKruegerExtent& gaussKruegerExtent(bool sixDegrees) {
    return sixDegrees ? kExtentSixDegrees : kExtentThreeDegrees;
}

// The central meridian of the easternmost strip that reaches Germany (6°
// strip 3); a Rechtswert naming one further east lies outside.
inline constexpr double kEasternmostMeridianDeg = 18;

// The UTM zone fields Germany lies in: zones 31 to 33, bands T and U.
inline constexpr std::array<std::string_view, 6> kUtmZoneFields = {"31T", "31U", "32T",
                                                                   "32U", "33T", "33U"};

} // namespace lw::germany
