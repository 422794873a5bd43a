#include "text/numtext.h"
#include "procedures/procedures.h"
#include "geodesy/utm.h"
#include "geodesy_test_support.h"

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
        RecordingMessages m;
        const Utm u = forward(c.lat, c.lon, "WGS", m);
        EXPECT_EQ(u.zone, c.zone) << c.lat << " " << c.lon;
        EXPECT_EQ(u.easting, c.easting) << c.lat << " " << c.lon;
        EXPECT_EQ(u.northing, c.northing) << c.lat << " " << c.lon;
        EXPECT_TRUE(m.messages.empty());
    }
}

TEST(UtmForward, SvalbardZonesUseTheirOwnCentralMeridian) {
    const struct {
        const char *lon, *zone;
        double centralMeridian;
    } cases[] = {{"10", "33X", 15}, {"35", "37X", 39}, {"5", "31X", 3}, {"25", "35X", 27}};
    for (const auto& c : cases) {
        RecordingMessages m;
        const Utm u = forward("78", c.lon, "WGS", m);
        EXPECT_EQ(u.zone, c.zone);
        // West of the central meridian the easting is below 500 km, east above.
        EXPECT_EQ(readNumber(u.easting) < 500000, readNumber(c.lon) < c.centralMeridian) << c.lon;
    }
}

TEST(UtmForward, BandBoundariesBelongToTheBandNearerTheEquator) {
    const struct {
        const char *lat, *band;
    } cases[] = {{"8", "N"},  {"-8", "M"},   {"0", "N"},   {"84", "X"},       {"-80", "C"},
                 {"72", "W"}, {"72.01", "X"}, {"8.0001", "P"}, {"-8.0001", "L"}, {"84.001", ""},
                 {"-80.001", ""}, {"", "N"},   {"abc", "N"}};
    for (const auto& c : cases)
        EXPECT_EQ(BreitenBand(c.lat), c.band) << c.lat;
}

TEST(UtmForward, ZoneBoundariesBelongToTheZoneNearerGreenwich) {
    const struct {
        const char *lon, *zone;
    } cases[] = {{"6", "31"},  {"-6", "30"},      {"0", "31"},     {"180", "60"}, {"-180", "01"},
                 {"6.0001", "32"}, {"-6.0001", "29"}, {"180.01", ""}, {"-180.01", ""}};
    for (const auto& c : cases)
        EXPECT_EQ(ZonenNummer(c.lon), c.zone) << c.lon;
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

TEST(UtmForward, HayfordDiffersFromGrs80) {
    RecordingMessages m;
    const Utm g = forward("50", "10", "WGS", m);
    const Utm h = forward("50", "10", "Hayford", m);
    EXPECT_EQ(h.zone, "32U");
    EXPECT_NE(h.northing, g.northing);
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
    const char* cases[][3] = {{"1E400", "5316300", "32U"}, {"0500000", "1E400", "32U"},
                              {"0500000", "5316300", "1E400U"}};
    for (const auto& c : cases) {
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
