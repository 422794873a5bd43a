// UTM amtlich and Gauss-Krueger in a chosen strip: the texts to the
// centimetre (expected values from PROJ, EPSG:4647 and EPSG:5650 with the
// zone in the easting), the zone and strip choices, the refusals, and the way
// back from the texts.
#include "procedures/amtlich.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace lw {
namespace {

TEST(UtmAmtlich, TextsToTheCentimetreInTheOwnOrANeighbourZone) {
    const struct {
        GeoPoint p;
        std::optional<int> zone;
        const char *ostwert, *nordwert;
    } cases[] = {
        // PROJ: 32500000.000000 5761038.212467: trailing zeros stay
        {{52, 9}, std::nullopt, "32500000.00", "5761038.21"},
        // 33088279.436581 5778053.301213: the neighbour zone, 6 deg off its meridian
        {{52, 9}, 33, "33088279.44", "5778053.30"},
        // 32400504.549507 5928940.793459 and 33002924.136179 5954110.189481:
        // 7.5 deg west of zone 33's meridian, the easting padded to six digits
        {{53.5, 7.5}, std::nullopt, "32400504.55", "5928940.79"},
        {{53.5, 7.5}, 33, "33002924.14", "5954110.19"},
        // 32693566.088292 5330684.896553: Bavaria in zone 32
        {{48.1, 11.6}, 32, "32693566.09", "5330684.90"},
        // 33376360.272923 6018565.691730 and 32766744.453161 6024656.681984
        {{54.3, 13.1}, std::nullopt, "33376360.27", "6018565.69"},
        {{54.3, 13.1}, 32, "32766744.45", "6024656.68"},
        // 33341844.841273 5262867.076824
        {{47.5, 12.9}, 33, "33341844.84", "5262867.08"},
        // on the equator the Nordwert is 0
        {{0, 9}, std::nullopt, "32500000.00", "0.00"},
        {{-0.0, 9}, std::nullopt, "32500000.00", "0.00"},
    };
    for (const auto& c : cases) {
        const UtmAmtlichTexts t = utmAmtlichFromGeo(c.p, c.zone);
        EXPECT_EQ(t.status, AmtlichStatus::Done) << c.ostwert;
        EXPECT_EQ(t.ostwert, c.ostwert);
        EXPECT_EQ(t.nordwert, c.nordwert) << c.ostwert;
        EXPECT_EQ(t.zone, std::stoi(std::string(c.ostwert).substr(0, 2))) << c.ostwert;
    }
}

TEST(UtmAmtlich, ZoneChoicesAreTheOwnZoneAndTheNeighboursTheEastingFits) {
    const struct {
        GeoPoint p;
        int own;
        std::vector<int> allowed;
    } cases[] = {
        {{52, 9}, 32, {31, 32, 33}},
        {{52, 12}, 32, {32, 33}},    // a boundary goes west; zone 31 is 617 km away
        {{52, 12.01}, 33, {32, 33}}, // zone 34 would give a negative easting
        {{47.3, 6}, 31, {31, 32}},   // zone 30's easting is negative
        {{60, -177}, 1, {60, 1, 2}}, // zone 1 and 60 are neighbours
        {{60, 179}, 60, {59, 60, 1}},
        {{10, -177}, 1, {1}},    // nearer the equator 6 deg are more than 500 km
        {{61, 5}, 32, {31, 32}}, // south-west Norway belongs to zone 32
        {{std::nan(""), 9}, 0, {}},
        {{52, 181}, 0, {}},
    };
    for (const auto& c : cases) {
        const ZoneChoices z = utmAmtlichZoneChoices(c.p);
        EXPECT_EQ(z.own, c.own) << c.p.latDeg << " " << c.p.lonDeg;
        EXPECT_EQ(z.allowed, c.allowed) << c.p.latDeg << " " << c.p.lonDeg;
    }
}

TEST(UtmAmtlich, RefusalsAndTheirStatus) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        GeoPoint p;
        std::optional<int> zone;
        AmtlichStatus status;
    } cases[] = {
        {{-0.001, 9}, std::nullopt, AmtlichStatus::SouthernPoint},
        {{-52, 9}, 32, AmtlichStatus::SouthernPoint},
        {{52, 9}, 34, AmtlichStatus::ZoneNotAllowed},
        {{52, 9}, 30, AmtlichStatus::ZoneNotAllowed},
        {{52, 9}, 0, AmtlichStatus::ZoneNotAllowed},
        {{52, 9}, 61, AmtlichStatus::ZoneNotAllowed},
        // the neighbour's easting would go below 0 or beyond 1000 km
        {{0.5, 3.01}, 32, AmtlichStatus::ZoneNotAllowed},
        {{0.5, 14.99}, 32, AmtlichStatus::ZoneNotAllowed},
        {{47.5, 6.1}, 33, AmtlichStatus::ZoneNotAllowed},
        {{nan, 9}, std::nullopt, AmtlichStatus::ComputationError},
        {{52, nan}, std::nullopt, AmtlichStatus::ComputationError},
        {{95, 9}, std::nullopt, AmtlichStatus::ComputationError},
        {{52, 1e300}, std::nullopt, AmtlichStatus::ComputationError},
    };
    for (const auto& c : cases) {
        const UtmAmtlichTexts t = utmAmtlichFromGeo(c.p, c.zone);
        EXPECT_EQ(t.status, c.status) << c.p.latDeg << " " << c.p.lonDeg;
        EXPECT_TRUE(t.ostwert.empty() && t.nordwert.empty()) << c.p.latDeg << " " << c.p.lonDeg;
    }
    // A zone asked for directly whose easting leaves the million: the same
    // refusal, no zone and no texts.
    for (const auto& [p, zone] :
         {std::pair{GeoPoint{0.5, 3.01}, 32}, std::pair{GeoPoint{47.5, 6.1}, 33}}) {
        const UtmAmtlichTexts t = utmAmtlichInZone(p, zone);
        EXPECT_EQ(t.status, AmtlichStatus::ZoneNotAllowed) << zone;
        EXPECT_EQ(t.zone, 0) << zone;
        EXPECT_TRUE(t.ostwert.empty() && t.nordwert.empty()) << zone;
    }
}

TEST(UtmAmtlich, BackFromTheTexts) {
    const struct {
        const char *ostwert, *nordwert;
        int zone;
        GeoPoint p;
    } cases[] = {
        {"32500000.00", "5761038.21", 32, {52, 9}},
        {"32500000,00", "5761038,21", 32, {52, 9}}, // decimal comma
        {" 33088279.44", "5778053.30 ", 33, {52, 9}},
        {"33002924.14", "5954110.19", 33, {53.5, 7.5}},
        {"1500000", "0", 1, {0, -177}}, // a one-digit zone
    };
    for (const auto& c : cases) {
        const GeoReading r = geoFromUtmAmtlich(c.ostwert, c.nordwert);
        ASSERT_EQ(r.status, AmtlichStatus::Done) << c.ostwert;
        EXPECT_EQ(r.zoneOrStrip, c.zone) << c.ostwert;
        // a centimetre is about 1e-7 deg
        EXPECT_NEAR(r.point.latDeg, c.p.latDeg, 1.5e-7) << c.ostwert;
        EXPECT_NEAR(r.point.lonDeg, c.p.lonDeg, 2.5e-7) << c.ostwert;
    }
}

TEST(UtmAmtlich, TextsThatNameNoZoneOrAreSouthern) {
    const struct {
        const char *ostwert, *nordwert;
        AmtlichStatus status;
    } cases[] = {
        {"399340.60", "5928794.18", AmtlichStatus::NoZoneDigits}, // the zone left out
        {"61500000.00", "5928794.18", AmtlichStatus::NoZoneDigits},
        {"", "5928794.18", AmtlichStatus::NoZoneDigits},
        {"-32399340.60", "5928794.18", AmtlichStatus::NoZoneDigits},
        {"32399340.60", "-1.00", AmtlichStatus::SouthernPoint},
        {"1e400", "5928794.18", AmtlichStatus::ComputationError},
        {"32399340.60", "1e400", AmtlichStatus::ComputationError},
    };
    for (const auto& c : cases)
        EXPECT_EQ(geoFromUtmAmtlich(c.ostwert, c.nordwert).status, c.status) << c.ostwert;
}

TEST(UtmAmtlich, RoundTripOverGermanyInAllThreeZonesStaysWithinACentimetre) {
    for (double lat = 47.25; lat <= 55.25; lat += 0.5)
        for (double lon = 5.75; lon <= 15.25; lon += 0.5)
            for (int zone : utmAmtlichZoneChoices({lat, lon}).allowed) {
                const UtmAmtlichTexts t = utmAmtlichFromGeo({lat, lon}, zone);
                ASSERT_EQ(t.status, AmtlichStatus::Done) << lat << " " << lon << " " << zone;
                const GeoReading r = geoFromUtmAmtlich(t.ostwert, t.nordwert);
                ASSERT_EQ(r.status, AmtlichStatus::Done) << t.ostwert;
                EXPECT_EQ(r.zoneOrStrip, zone);
                EXPECT_NEAR(r.point.latDeg, lat, 1e-7) << t.ostwert;
                EXPECT_NEAR(r.point.lonDeg, lon, 1.5e-7) << t.ostwert;
            }
}

// ---- Gauss-Krueger in a chosen strip ------------------------------------------------------

TEST(GkStrip, TextsToTheCentimetreInTheOwnOrANeighbourStrip) {
    const struct {
        GeoPoint p;
        std::optional<int> meridian;
        int meridianUsed;
        const char *rechtswert, *hochwert;
    } cases[] = {
        // PROJ on the program's Bessel: 4402160.388442 5674684.717797
        {{51.2, 10.6}, std::nullopt, 12, "4402160.39", "5674684.72"},
        {{51.2, 10.6}, 12, 12, "4402160.39", "5674684.72"},
        // 3611815.970272 5674969.943324: the western neighbour
        {{51.2, 10.6}, 9, 9, "3611815.97", "5674969.94"},
    };
    for (const auto& c : cases) {
        const GkStripTexts t = gkStripFromGeo(c.p, c.meridian);
        EXPECT_EQ(t.status, AmtlichStatus::Done) << c.rechtswert;
        EXPECT_EQ(t.meridianDeg, c.meridianUsed) << c.rechtswert;
        EXPECT_EQ(t.rechtswert, c.rechtswert);
        EXPECT_EQ(t.hochwert, c.hochwert) << c.rechtswert;
    }
}

TEST(GkStrip, MeridianChoicesAreTheOwnStripAndItsNumberedNeighbours) {
    const struct {
        GeoPoint p;
        int own;
        std::vector<int> allowed;
    } cases[] = {
        {{51.2, 10.6}, 12, {9, 12, 15}}, {{51.2, 10.5}, 12, {9, 12, 15}}, // half-way goes east
        {{51.2, 10.49}, 9, {6, 9, 12}},  {{51.2, 4.4}, 3, {3, 6}},        // strip 0 has no number
        {{51.2, 1.4}, 0, {3}},           {{std::nan(""), 9}, 0, {}},
    };
    for (const auto& c : cases) {
        const MeridianChoices m = gkMeridianChoices(c.p);
        EXPECT_EQ(m.own, c.own) << c.p.lonDeg;
        EXPECT_EQ(m.allowed, c.allowed) << c.p.lonDeg;
    }
}

TEST(GkStrip, RefusalsAndTheirStatus) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        GeoPoint p;
        std::optional<int> meridian;
        AmtlichStatus status;
    } cases[] = {
        {{51.2, 10.6}, 18, AmtlichStatus::StripNotAllowed},
        {{51.2, 10.6}, 6, AmtlichStatus::StripNotAllowed},
        {{51.2, 10.6}, 10, AmtlichStatus::StripNotAllowed}, // not a strip's meridian
        {{51.2, 1.4}, 0, AmtlichStatus::StripNotAllowed},
        {{51.2, 0.5}, std::nullopt, AmtlichStatus::NoStripDigits},
        {{51.2, -2}, std::nullopt, AmtlichStatus::NoStripDigits},
        {{nan, 10}, std::nullopt, AmtlichStatus::ComputationError},
        {{51.2, 181}, std::nullopt, AmtlichStatus::ComputationError},
    };
    for (const auto& c : cases) {
        const GkStripTexts t = gkStripFromGeo(c.p, c.meridian);
        EXPECT_EQ(t.status, c.status) << c.p.latDeg << " " << c.p.lonDeg;
        EXPECT_TRUE(t.rechtswert.empty() && t.hochwert.empty());
    }
}

TEST(GkStrip, BackFromTheTexts) {
    const struct {
        const char *rechtswert, *hochwert;
        AmtlichStatus status;
        int strip;
    } cases[] = {
        {"3611815.97", "5674969.94", AmtlichStatus::Done, 3},
        {"4402160,39", "5674684,72", AmtlichStatus::Done, 4},
        {"611815.97", "5674969.94", AmtlichStatus::NoStripDigits, 0},
        {"", "5674969.94", AmtlichStatus::NoStripDigits, 0},
        {"120500000", "5674969.94", AmtlichStatus::NoStripDigits, 0},
        {"1e400", "5674969.94", AmtlichStatus::ComputationError, 0},
    };
    for (const auto& c : cases) {
        const GeoReading r = geoFromGkStrip(c.rechtswert, c.hochwert);
        EXPECT_EQ(r.status, c.status) << c.rechtswert;
        if (c.status != AmtlichStatus::Done)
            continue;
        EXPECT_EQ(r.zoneOrStrip, c.strip);
        EXPECT_NEAR(r.point.latDeg, 51.2, 1e-7) << c.rechtswert;
        EXPECT_NEAR(r.point.lonDeg, 10.6, 1.5e-7) << c.rechtswert;
    }
}

} // namespace
} // namespace lw
