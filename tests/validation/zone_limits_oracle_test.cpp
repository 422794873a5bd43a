// The zone limits of all twenty bands: every digit pinned, and every value
// checked against GeographicLib's exact transverse Mercator, which knows
// nothing of the table. A wrong digit in any row, in any of its four limits,
// fails here; before, only rows C, N, U, V and X were pinned.
#include "validation/zone_limits.h"

#include <GeographicLib/TransverseMercator.hpp>
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>

namespace lw {
namespace {

struct Row {
    char band;
    const char *rechtsMin, *rechtsMax, *hochMin, *hochMax;
};

// The table as the program shows it beside the UTM civil fields (6 deg zones).
constexpr std::array<Row, 20> kRows = {{
    {'C', "0396567", "0603433", "1116915", "2011066"},
    {'D', "0353305", "0646695", "2008491", "2902985"},
    {'E', "0312929", "0687071", "2899533", "3793919"},
    {'F', "0276225", "0723775", "3789859", "4683699"},
    {'G', "0243901", "0756099", "4679344", "5572242"},
    {'H', "0216577", "0783423", "5567931", "6459563"},
    {'J', "0194773", "0805227", "6455630", "7345772"},
    {'K', "0178901", "0821099", "7342521", "8231064"},
    {'L', "0169257", "0830743", "8228746", "9115701"},
    {'M', "0166022", "0833978", "9114496", "9999999"},
    {'N', "0166021", "0833979", "0000000", "0885504"},
    {'P', "0169256", "0830744", "0884299", "1771254"},
    {'Q', "0178900", "0821100", "1768936", "2657479"},
    {'R', "0194773", "0805227", "2654228", "3544370"},
    {'S', "0216577", "0783423", "3540437", "4432069"},
    {'T', "0243900", "0756100", "4427758", "5320656"},
    {'U', "0276224", "0723776", "5316301", "6210141"},
    {'V', "0312929", "0687071", "6206081", "7100467"},
    {'W', "0353305", "0646695", "7097015", "7991509"},
    {'X', "0396567", "0603433", "7988934", "9329004"},
}};

TEST(ZoneLimitsTable, AllFourLimitsOfEveryBandAsShown) {
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.band);
        const auto limits = zoneLimits(std::string(1, row.band), 30); // a plain 6 deg zone
        ASSERT_TRUE(limits);
        EXPECT_EQ(limits->rechtsMin, row.rechtsMin);
        EXPECT_EQ(limits->rechtsMax, row.rechtsMax);
        EXPECT_EQ(limits->hochMin, row.hochMin);
        EXPECT_EQ(limits->hochMax, row.hochMax);
    }
}

// The extremes of a band's points in a 6 deg zone on GRS80: eastings widest
// at the band's latitude nearest the equator on the zone's edge; the smallest
// northing on the central meridian at the southern edge in the north (on the
// zone's edge in the south), the largest on the zone's edge at the northern
// edge in the north (on the central meridian in the south). The table holds
// whole metres; a few values lie up to 1.5 m inside the exact extremes, and
// band M's northing stops one metre short of the equator's 10,000,000.
TEST(ZoneLimitsTable, EveryLimitWithinTwoMetresOfTheExactProjection) {
    const GeographicLib::TransverseMercator tm(6378137, 1 / 298.257222101, 0.9996);
    // Easting and northing of a latitude at a distance from the central
    // meridian; a southern band counts its northings from 10,000 km.
    auto easting = [&tm](double lat, double lonFromMeridian) {
        double x = 0, y = 0;
        tm.Forward(0, lat, lonFromMeridian, x, y);
        return 500000 + x;
    };
    auto northing = [&tm](double lat, double lonFromMeridian, bool northern) {
        double x = 0, y = 0;
        tm.Forward(0, lat, lonFromMeridian, x, y);
        return northern ? y : 10000000 + y;
    };
    for (std::size_t i = 0; i < kRows.size(); ++i) {
        const Row& row = kRows[i];
        SCOPED_TRACE(row.band);
        const double south = -80 + 8.0 * static_cast<double>(i);
        const double north = row.band == 'X' ? 84 : south + 8;
        const bool northern = south >= 0;
        const double nearEquator = northern ? south : north;
        const double eastMax = easting(nearEquator, 3);
        const double hochMin = northing(south, northern ? 0 : 3, northern);
        const double hochMax = northing(north, northern ? 3 : 0, northern);
        constexpr double tolerance = 2; // metres
        EXPECT_NEAR(std::stod(row.rechtsMin), 1000000 - eastMax, tolerance);
        EXPECT_NEAR(std::stod(row.rechtsMax), eastMax, tolerance);
        EXPECT_NEAR(std::stod(row.hochMin), hochMin, tolerance);
        EXPECT_NEAR(std::stod(row.hochMax), hochMax, tolerance);
    }
}

} // namespace
} // namespace lw
