// The military letters against GeographicLib's MGRS, an independent
// implementation of the same lettering, on GRS80 points all over the grid.
#include "geodesy/mgrs.h"
#include "geodesy/utm.h"
#include "procedures/procedures.h"
#include "support/fake_screen.h"
#include "text/numtext.h"

#include <GeographicLib/MGRS.hpp>
#include <GeographicLib/TransverseMercator.hpp>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

namespace lw::test {
namespace {

struct Civil {
    std::string zone, easting, northing;
};

Civil toUtm(double lat, double lon, RecordingMessages& m) {
    std::string e = plainText(lon), n = plainText(lat), z = "WGS";
    GeoNachUTM(e, n, z, m);
    return {z, e, n};
}

std::string withoutBlanks(std::string s) {
    std::erase(s, ' ');
    return s;
}

std::string withoutLeadingZero(const std::string& s) {
    return s[0] == '0' ? s.substr(1) : s;
}

// Latitudes and longitudes that avoid band and zone borders, where the two
// programs may place a boundary point differently.
template <class F> void forEachPoint(F f) {
    for (double lat = -79.7; lat < 84; lat += 1.9)
        for (double lon = -179.3; lon < 180; lon += 3.7)
            f(lat, lon);
}

TEST(MgrsOracle, LettersAndReferenceTextMatchGeographicLib) {
    int compared = 0;
    forEachPoint([&](double lat, double lon) {
        RecordingMessages m;
        const Civil c = toUtm(lat, lon, m);
        std::string ref = c.zone;
        std::string e = c.easting, n = c.northing;
        UTMnachMIL(ref, e, n, m);
        MILnachREF(ref, m);
        ASSERT_TRUE(m.messages.empty());

        const int zone = std::stoi(c.zone.substr(0, 2));
        std::string theirs;
        GeographicLib::MGRS::Forward(zone, lat >= 0, readNumber(c.easting), readNumber(c.northing),
                                     lat, 5, theirs);
        EXPECT_EQ(withoutLeadingZero(withoutBlanks(ref)), withoutLeadingZero(theirs))
            << lat << " " << lon;
        ++compared;
    });
    EXPECT_GT(compared, 4000);
}

TEST(MgrsOracle, DecodingMatchesGeographicLibIncludingFarNorth) {
    forEachPoint([&](double lat, double lon) {
        RecordingMessages m;
        const Civil c = toUtm(lat, lon, m);
        std::string mil = c.zone, e = c.easting, n = c.northing;
        UTMnachMIL(mil, e, n, m);
        // "32U  NA  73.19.61.61.60"
        std::string z = mil.substr(0, 3), letters = mil.substr(5, 2), p1 = mil.substr(9, 2),
                    p2 = mil.substr(12, 2), p3 = mil.substr(15, 2), p4 = mil.substr(18, 2),
                    p5 = mil.substr(21, 2);
        std::string ref = mil;
        MILnachREF(ref, m);
        MILnachUTM(z, letters, p1, p2, p3, p4, p5, m);
        ASSERT_TRUE(m.messages.empty()) << mil;

        int zone = 0, prec = 0;
        bool northp = false;
        double x = 0, y = 0;
        GeographicLib::MGRS::Reverse(withoutBlanks(ref), zone, northp, x, y, prec, false);
        EXPECT_EQ(readNumber(z), x) << mil;
        EXPECT_EQ(readNumber(letters), y) << mil;
    });
}

// Latitudes of a square's edges by GeographicLib's exact transverse Mercator,
// sampled at eleven eastings: the lowest on its southern edge, the highest on
// its northern edge.
struct SquareLatitudes {
    double lowestDeg = 90, highestDeg = -90;
};

SquareLatitudes squareLatitudes(double westM, double southM, bool northern) {
    static const GeographicLib::TransverseMercator tm(6378137, 1 / 298.257222101, 0.9996);
    SquareLatitudes range;
    for (int i = 0; i <= 10; ++i) {
        const double x = westM + i * 10000 - 500000;
        const double offset = northern ? 0 : 10000000;
        double lat = 0, lon = 0;
        tm.Reverse(0, x, southM - offset, lat, lon);
        range.lowestDeg = std::min(range.lowestDeg, lat);
        tm.Reverse(0, x, southM + 100000 - offset, lat, lon);
        range.highestDeg = std::max(range.highestDeg, lat);
    }
    return range;
}

GeoPoint cornerPoint(GridPoint corner, bool northern) {
    static const GeographicLib::TransverseMercator tm(6378137, 1 / 298.257222101, 0.9996);
    double lat = 0, lon = 0;
    tm.Reverse(0, corner.eastingM - 500000, corner.northingM - (northern ? 0 : 10000000), lat, lon);
    return {lat, lon};
}

// The widest zones reach 6 deg from their central meridian (32V, 31X to 37X);
// squares with a corner much farther out hold no point of any zone, and the
// program's series are not made for them.
constexpr double kBeyondEveryZoneDeg = 9;

// Every square of every band in zones 1 to 6 (every column set and row
// shift; the geometry is the same in every zone), named by its corner alone.
// A square fits a band when it meets the band; GeographicLib, which reads the
// same letters, takes every square that fits, and more only beyond 84 deg N
// and 80 deg S, where its UTM overlaps the polar grid.
TEST(MgrsOracle, SquaresFitTheBandsTheyMeet) {
    int fitting = 0, refused = 0, outside = 0;
    for (int zone = 1; zone <= 6; ++zone)
        for (char band : kBandLetters)
            for (char column : columnLetters(zone))
                for (char row : kSquareRowLetters) {
                    const std::optional<GridPoint> corner =
                        squareSouthWestCorner(zone, band, column, row);
                    if (!corner)
                        continue; // refused by the letters already
                    const std::string ref = "0" + std::to_string(zone) + band + column + row;
                    const bool northern = isNorthernBandLetter(band);
                    const GeoPoint cornerGeo = cornerPoint(*corner, northern);
                    if (std::fabs(cornerGeo.lonDeg) > kBeyondEveryZoneDeg) {
                        ++outside;
                        continue;
                    }
                    const SquareLatitudes square =
                        squareLatitudes(corner->eastingM, corner->northingM, northern);
                    const BandEdges edges = *bandEdges(band);
                    // North of 84 deg only the square's corner itself is looked at.
                    const bool meets = square.highestDeg >= edges.southDeg &&
                                       (band == 'X' ? cornerGeo.latDeg <= edges.northDeg
                                                    : square.lowestDeg <= edges.northDeg);
                    const bool fits = fitsBand(band, zone, *corner, *corner, ellipsoid::GRS80);
                    EXPECT_EQ(fits, meets) << ref;
                    (fits ? fitting : refused) += 1;

                    int z = 0, prec = 0;
                    bool northp = false;
                    double x = 0, y = 0;
                    try {
                        GeographicLib::MGRS::Reverse(ref, z, northp, x, y, prec, false);
                    } catch (const GeographicLib::GeographicErr&) {
                        continue;
                    }
                    if (y != corner->northingM)
                        continue; // the two read the row letter in different millions
                    const bool polarOverlap = square.lowestDeg > kNorthernmostBandDeg ||
                                              square.highestDeg < kSouthernmostBandDeg;
                    EXPECT_TRUE(fits || polarOverlap) << ref;
                }
    EXPECT_GT(fitting, 2000);
    EXPECT_GT(refused, 2000);
    EXPECT_LT(outside, fitting / 5) << "far too many squares left out";
}

} // namespace
} // namespace lw::test
