#include "geodesy/grid_letters.h"
#include "geodesy/utm.h"
#include "geodesy_test_support.h"
#include "procedures/procedures.h"
#include "text/numtext.h"

#include <algorithm>
#include <cmath>
#include <ostream>

namespace lw::test {
namespace {

struct Utm {
    std::string easting, northing, zone;
};

Utm forward(const char* lat, const char* lon, const char* ellipsoid, RecordingMessages& m) {
    std::string a = lon, b = lat, c = ellipsoid;
    GeoNachUTM(a, b, c, m);
    return {a, b, c};
}

TEST(UtmForward, KnownPoints) {
    const struct {
        const char *lat, *lon, *zone, *easting, *northing;
    } cases[] = {
        {"50", "10", "32U", "0571666", "5539110"},
        {"48", "9", "32T", "0500000", "5316300"}, // on the central meridian
        {"-33.9", "18.4", "34H", "0259583", "6245888"},
        {"60", "5", "32V", "0276980", "6658157"}, // Norway: zone 32 from 3 deg E
        {"60", "2", "31V", "0444224", "6651833"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "row " << (&c - &cases[0]));
        RecordingMessages m;
        const Utm u = forward(c.lat, c.lon, "WGS", m);
        EXPECT_EQ(u.zone, c.zone) << c.lat << " " << c.lon;
        EXPECT_EQ(u.easting, c.easting) << c.lat << " " << c.lon;
        EXPECT_EQ(u.northing, c.northing) << c.lat << " " << c.lon;
        EXPECT_TRUE(m.messages.empty());
    }
}

// Expected eastings and northings: PROJ, +proj=utm +zone=Z +ellps=GRS80
// (or +ellps=intl for Hayford), rounded to the metre.
TEST(UtmForward, SvalbardZonesUseTheirOwnCentralMeridian) {
    const struct {
        const char *lon, *zone, *easting, *northing;
    } cases[] = {{"10", "33X", "0384085", "8663320"},
                 {"35", "37X", "0407230", "8661539"},
                 {"5", "31X", "0546411", "8659162"},
                 {"25", "35X", "0453589", "8659162"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lon);
        RecordingMessages m;
        const Utm u = forward("78", c.lon, "WGS", m);
        EXPECT_EQ(u.zone, c.zone);
        EXPECT_EQ(u.easting, c.easting);
        EXPECT_EQ(u.northing, c.northing);
    }
}

// Svalbard's zones 31X, 33X, 35X and 37X at their exact borders: a border is
// part of the western zone (0° and 42° belong to 31X and 37X themselves). A
// border moved by one comparison gave the unused zones 32X, 34X and 36X.
struct BorderCase {
    const char* lon;
    const char* zone;
};

void PrintTo(const BorderCase& c, std::ostream* os) {
    *os << c.lon << " -> " << c.zone;
}

class SvalbardZoneBorders : public testing::TestWithParam<BorderCase> {};

TEST_P(SvalbardZoneBorders, BorderLongitudeBelongsToTheWesternZone) {
    const BorderCase& c = GetParam();
    RecordingMessages m;
    EXPECT_EQ(forward("78", c.lon, "WGS", m).zone, c.zone) << "longitude " << c.lon;
    EXPECT_TRUE(m.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(WestAndEastBorders, SvalbardZoneBorders,
                         testing::Values(BorderCase{"-0.00001", "30X"}, BorderCase{"0", "31X"},
                                         BorderCase{"9", "31X"}, BorderCase{"9.00001", "33X"},
                                         BorderCase{"21", "33X"}, BorderCase{"21.00001", "35X"},
                                         BorderCase{"33", "35X"}, BorderCase{"33.00001", "37X"},
                                         BorderCase{"42", "37X"}, BorderCase{"42.00001", "38X"}));

// Norway: 31V ends at 3° E, 32V at 12° E (both inclusive).
TEST(UtmForward, NorwayZoneBorders) {
    const BorderCase cases[] = {
        {"0", "31V"}, {"3", "31V"}, {"3.00001", "32V"}, {"12", "32V"}, {"12.00001", "33V"}};
    for (const BorderCase& c : cases) {
        RecordingMessages m;
        EXPECT_EQ(forward("60", c.lon, "WGS", m).zone, c.zone) << "longitude " << c.lon;
    }
}

// At exactly 180° E the point lies in zone 60 (east of its central meridian
// 177° E), at 180° W in zone 01 (west of 177° W); PROJ gives the same metres.
TEST(UtmForward, LongitudeOf180LiesInZone60EastAndZone01West) {
    const struct {
        const char *lon, *zone, *easting, *northing;
    } cases[] = {{"180", "60H", "0780300", "6344714"},
                 {"-180", "01H", "0219700", "6344714"},
                 {"179.5", "60H", "0733570", "6345937"},
                 {"-179.5", "01H", "0266430", "6345937"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lon);
        RecordingMessages m;
        const Utm u = forward("-33", c.lon, "WGS", m);
        EXPECT_EQ(u.zone, c.zone);
        EXPECT_EQ(u.easting, c.easting);
        EXPECT_EQ(u.northing, c.northing);
    }
}

TEST(UtmForward, BandBoundariesBelongToTheBandNearerTheEquator) {
    const struct {
        const char *lat, *band;
    } cases[] = {{"8", "N"},      {"-8", "M"},    {"0", "N"},      {"84", "X"},      {"-80", "C"},
                 {"72", "W"},     {"72.01", "X"}, {"8.0001", "P"}, {"-8.0001", "L"}, {"84.001", ""},
                 {"-80.001", ""}, {"", "N"},      {"abc", "N"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "row " << (&c - &cases[0]));
        EXPECT_EQ(BreitenBand(c.lat), c.band) << c.lat;
    }
}

// Every band limit and the floats on either side of it: the band counted by
// the limits the latitude lies beyond, away from the equator.
TEST(UtmForward, EveryBandLimitAndItsNeighbours) {
    for (int limit = -80; limit <= 84; limit += (limit == 80 ? 4 : 8)) {
        const auto at = static_cast<float>(limit);
        for (float lat : {std::nextafter(at, -100.0f), at, std::nextafter(at, 100.0f)}) {
            const double beyond = std::ceil(std::fabs(lat) / 8.0);                 // limits passed
            const int index = lat > 0 ? std::min(9 + static_cast<int>(beyond), 19) // X to 84°
                                      : 10 - static_cast<int>(beyond);
            const char expected = lat < -80 || lat > 84 ? '\0' : kBandLetters[index];
            EXPECT_EQ(latitudeBand(lat), expected) << lat;
        }
    }
}

// Every zone limit and the floats on either side of it: the zone counted by
// the limits the longitude lies beyond, away from Greenwich.
TEST(UtmForward, EveryZoneLimitAndItsNeighbours) {
    for (int limit = -180; limit <= 180; limit += 6) {
        const auto at = static_cast<float>(limit);
        for (float lon : {std::nextafter(at, -200.0f), at, std::nextafter(at, 200.0f)}) {
            const auto beyond = static_cast<int>(std::ceil(std::fabs(lon) / 6.0)); // limits passed
            const int expected = std::fabs(lon) > 180 ? 0
                                 : lon > 0            ? 30 + beyond
                                 : lon < 0            ? 31 - beyond
                                                      : 31;
            EXPECT_EQ(zoneNumber(lon), expected) << lon;
        }
    }
}

TEST(UtmForward, ZoneBoundariesBelongToTheZoneNearerGreenwich) {
    const struct {
        const char *lon, *zone;
    } cases[] = {{"6", "31"},       {"-6", "30"},   {"0", "31"},
                 {"180", "60"},     {"-180", "01"}, {"6.0001", "32"},
                 {"-6.0001", "29"}, {"180.01", ""}, {"-180.01", ""}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "row " << (&c - &cases[0]));
        EXPECT_EQ(ZonenNummer(c.lon), c.zone) << c.lon;
    }
}

TEST(UtmForward, BandAndZoneReadTheLatitudeInSinglePrecision) {
    // 84.000001 rounds to the float 84.0 and so still has a band.
    EXPECT_EQ(BreitenBand("84.000001"), "X");
    EXPECT_EQ(ZonenNummer("6.0000001"), "31");
}

TEST(UtmForward, MissingBandOrZoneShowsAsLeadingZero) {
    RecordingMessages m;
    EXPECT_EQ(forward("85", "10", "WGS", m).zone, "032");
    EXPECT_EQ(forward("50", "190", "WGS", m).zone, "00U");
}

TEST(UtmForward, HairSouthOfTheEquatorGivesSevenNines) {
    RecordingMessages m;
    const Utm u = forward("-0.0000001", "9", "WGS", m);
    EXPECT_EQ(u.zone, "32M");
    EXPECT_EQ(u.northing, "9999999");
}

// The same point on the two UTM ellipsoids (PROJ: +ellps=GRS80 and
// +ellps=intl, zone 32): a wrong Hayford constant moves the Hayford figures.
TEST(UtmForward, HayfordAndGrs80AgreeWithProj) {
    const struct {
        const char *ellipsoid, *easting, *northing;
    } cases[] = {{"WGS", "0571666", "5539110"}, {"Hayford", "0571670", "5539221"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ellipsoid);
        RecordingMessages m;
        const Utm u = forward("50", "10", c.ellipsoid, m);
        EXPECT_EQ(u.zone, "32U");
        EXPECT_EQ(u.easting, c.easting);
        EXPECT_EQ(u.northing, c.northing);
    }
}

TEST(UtmForward, FaultInSeriesKeepsCoordinatesButWritesZone) {
    RecordingMessages m;
    const Utm u = forward("1E400", "10", "WGS", m);
    expectOneCritical(m, kComputationError);
    EXPECT_EQ(u.zone, "032");
    EXPECT_EQ(u.easting, "10");
    EXPECT_EQ(u.northing, "1E400");
}

struct Geo {
    std::string lon6, lat6, lonFull, latFull;
};

Geo inverse(const char* e, const char* n, const char* zone, const char* ellipsoid,
            RecordingMessages& m) {
    std::string a = e, b = n, c = zone, d = ellipsoid;
    UTMnachGeo(a, b, c, d, m);
    return {a, b, c, d};
}

TEST(UtmInverse, KnownPoints) {
    const struct {
        const char *e, *n, *zone, *lon, *lat;
    } cases[] = {
        {"0571666", "5539110", "32U", "9.999994", "50.000002"},
        {"0500000", "5316300", "32U", "9", "47.999998"},
        {"0259583", "6245888", "34H", "18.399998", "-33.9"},
        {"0276980", "6658157", "32V", "5.000001", "59.999998"},
        {"0571666", "5539110", "32u", "9.999994", "50.000002"}, // lower-case band
        {"500000.5", "5316300", "32U", "9", "47.999998"},       // halves to even
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "row " << (&c - &cases[0]));
        RecordingMessages m;
        const Geo g = inverse(c.e, c.n, c.zone, "WGS", m);
        EXPECT_EQ(g.lon6, c.lon) << c.e << " " << c.n << " " << c.zone;
        EXPECT_EQ(g.lat6, c.lat) << c.e << " " << c.n << " " << c.zone;
        EXPECT_NEAR(readNumber(g.lonFull), readNumber(c.lon), 5e-7);
        EXPECT_NEAR(readNumber(g.latFull), readNumber(c.lat), 5e-7);
        EXPECT_TRUE(m.messages.empty());
    }
}

TEST(UtmInverse, ZoneWithoutBandLetterCountsAsSouthern) {
    RecordingMessages m;
    const Geo g = inverse("0500000", "5316300", "32", "WGS", m);
    EXPECT_LT(readNumber(g.latFull), 0);
}

TEST(UtmInverse, HalvesRoundToEvenBeforeUse) {
    RecordingMessages m;
    EXPECT_EQ(inverse("0500001.5", "5316300", "32U", "WGS", m).lonFull,
              inverse("0500002", "5316300", "32U", "WGS", m).lonFull);
    EXPECT_EQ(inverse("0500000", "5316300.5", "32U", "WGS", m).latFull,
              inverse("0500000", "5316300", "32U", "WGS", m).latFull);
}

TEST(UtmInverse, FaultKeepsAllFourArguments) {
    const char* cases[][3] = {
        {"1E400", "5316300", "32U"}, {"0500000", "1E400", "32U"}, {"0500000", "5316300", "1E400U"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "row " << (&c - &cases[0]));
        RecordingMessages m;
        const Geo g = inverse(c[0], c[1], c[2], "WGS", m);
        expectOneCritical(m, kComputationError);
        EXPECT_EQ(g.lon6, c[0]);
        EXPECT_EQ(g.lat6, c[1]);
        EXPECT_EQ(g.lonFull, c[2]);
        EXPECT_EQ(g.latFull, "WGS");
    }
}

} // namespace
} // namespace lw::test
