// The band letter of military and reference input against the 100 km square:
// a letter whose band the square does not reach is refused; every reference
// the program writes, and every shorter one cut from it, is taken.
#include "driver_test_support.h"
#include "text/numtext.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <random>
#include <string>

namespace lw {
namespace {

using test::DriverBench;
using test::Texts;
using E = Element;

constexpr std::array<E, 5> kPairFields = {E::tex10km, E::tex1km, E::tex100m, E::tex10m, E::tex1m};

// A military text as the output writes it: "32U  NU  76.15.52.95.51".
struct Military {
    std::string zone, square;
    std::string eastDigits, northDigits; // five each
};

Military splitMilitary(const std::string& text) {
    Military m{text.substr(0, 3), text.substr(5, 2), "", ""};
    for (std::size_t pos = 9; pos < text.size(); pos += 3) {
        m.eastDigits += text[pos];
        m.northDigits += text[pos + 1];
    }
    return m;
}

std::string militaryOf(const char* ellipsoid, double lat, double lon) {
    DriverBench bench(ellipsoid, ellipsoid, kGradDezimal, kUTMmil);
    bench.type({{E::texBreite, std::to_string(std::fabs(lat))},
                {E::texLaenge, std::to_string(std::fabs(lon))}});
    if (lat < 0)
        bench.screen.check(E::optDezS, E::optDezN);
    if (lon < 0)
        bench.screen.check(E::optDezW, E::optDezE);
    bench.press();
    return bench.screen.text(E::texMilUTM);
}

// Signed degrees of a decimal output text ("S05.500000").
double signedDegrees(const std::string& text) {
    const double value = readNumber(text.substr(1));
    return (text[0] == 'S' || text[0] == 'W') ? -value : value;
}

// The first `digits` places of easting and northing, in the military mask
// (the pairs beyond them left empty) or as a reference group.
Texts militaryInput(const Military& m, std::size_t digits) {
    Texts texts = {{E::texZoneM, m.zone}, {E::tex100km, m.square}};
    for (std::size_t k = 0; k < digits; ++k)
        texts.emplace_back(kPairFields[k], std::string{m.eastDigits[k], m.northDigits[k]});
    return texts;
}
Texts referenceInput(const Military& m, std::size_t digits) {
    return {{E::texREFZone, m.zone},
            {E::texREF100, m.square},
            {E::texREFZiffern, m.eastDigits.substr(0, digits) + m.northDigits.substr(0, digits)}};
}

struct Decoded {
    bool refused;
    double lat, lon;
};

Decoded decode(const char* ellipsoid, int format, const Texts& input) {
    DriverBench bench(ellipsoid, ellipsoid, format, kGradDezimal);
    bench.type(input);
    bench.press();
    if (!bench.screen.messages.empty())
        return {true, 0, 0};
    return {false, signedDegrees(bench.screen.text(E::texBreiteAUS)),
            signedDegrees(bench.screen.text(E::texLaengeAUS))};
}

TEST(BandLetter, EveryReferenceTheProgramWritesIsTakenAtEveryLength) {
    std::mt19937 random(20260808);
    std::uniform_real_distribution<double> latitude(-79.99, 83.99), longitude(-179.99, 179.99);
    int decoded = 0;
    for (const char* ellipsoid : {kGRS80, kHayford}) {
        for (int i = 0; i < 600; ++i) {
            const double lat = latitude(random), lon = longitude(random);
            const std::string text = militaryOf(ellipsoid, lat, lon);
            ASSERT_EQ(text.size(), 23u) << lat << " " << lon;
            const Military m = splitMilitary(text);
            for (std::size_t digits = 0; digits <= 5; ++digits) {
                SCOPED_TRACE(testing::Message() << ellipsoid << " " << lat << " " << lon << " "
                                                << text << ", " << digits << " digits");
                const Decoded mil = decode(ellipsoid, kUTMmil, militaryInput(m, digits));
                const Decoded ref = decode(ellipsoid, kUTMref, referenceInput(m, digits));
                ASSERT_FALSE(mil.refused);
                ASSERT_FALSE(ref.refused);
                EXPECT_EQ(mil.lat, ref.lat);
                EXPECT_EQ(mil.lon, ref.lon);
                if (digits == 5) { // the 1 m reference gives the point back
                    EXPECT_NEAR(mil.lat, lat, 2e-5);
                    EXPECT_NEAR(std::remainder(mil.lon - lon, 360), 0, 2e-4);
                }
                ++decoded;
            }
        }
    }
    EXPECT_EQ(decoded, 2 * 600 * 6);
}

struct BandCase {
    const char* zone;
    const char* square;
    const char* east;
    const char* north;
    const char* message; // "" = taken, with this point:
    const char* lat = "";
    const char* lon = "";
};

// A finger beside U on the keyboard, or a band from the wrong side: 32V, 32X
// and 32S with square NU used to give points in Norway, beyond 84 deg N and
// in band R without a word. Squares across a band border fit both bands.
// The points taken are GeographicLib's (MGRS::Reverse, UTMUPS::Reverse).
const BandCase kBandCases[] = {
    {"32U", "NU", "71595", "65251", "", "N48.436331", "E009.967972"},
    {"32V", "NU", "71595", "65251", "Das 100km-Quadrat NU liegt nicht im Band V der Zone 32."},
    {"32X", "NU", "71595", "65251", "Das 100km-Quadrat NU liegt nicht im Band X der Zone 32."},
    {"32S", "NU", "71595", "65251", "Das 100km-Quadrat NU liegt nicht im Band S der Zone 32."},
    // W is the right letter for this square in the far north.
    {"32W", "NU", "71595", "65251", "", "N66.398538", "E010.602638"},
    // Band C: a correct reference of a point at 77.8 deg S, in zone 32's grid
    // just east of its edge.
    {"32C", "NU", "71595", "65251", "", "S77.771767", "E012.029266"},
    // Square NU straddles the border of T and U at 48 deg N: its corner lies
    // in T, its northern part in U; a point of either part with either letter.
    {"32U", "NU", "", "", "", "N47.853342", "E009.000000"},
    {"32T", "NU", "72000", "20657", "", "N48.035139", "E009.965866"},
    {"32T", "NU", "00000", "99999", "", "N48.753004", "E009.000000"},
    // Square WV straddles 72 deg N: taken with W for a point of band X.
    {"33W", "WV", "00000", "94510", "", "N72.050004", "E015.000000"},
    {"33X", "WM", "02030", "83011", "", "N82.700349", "E015.143107"},
    // North of 84 deg UTM ends: nothing fits there.
    {"33X", "WP", "00000", "99999", "Das 100km-Quadrat WP liegt nicht im Band X der Zone 33."},
    // South of 80 deg S a square reaching into band C is taken (a short
    // reference's corner lies south of its point); one wholly south is not.
    {"01C", "EM", "", "", "", "S80.164978", "W177.000000"},
    {"01C", "EL", "", "", "Das 100km-Quadrat EL liegt nicht im Band C der Zone 01."},
};

TEST(BandLetter, SquareOutsideTheBandIsRefusedNamingZoneBandAndSquare) {
    for (const BandCase& c : kBandCases) {
        for (int format : {kUTMmil, kUTMref}) {
            SCOPED_TRACE(testing::Message() << c.zone << " " << c.square << " " << c.east << " "
                                            << c.north << (format == kUTMmil ? " mil" : " ref"));
            const Military m{c.zone, c.square, c.east, c.north};
            const std::size_t digits = std::string(c.east).size();
            DriverBench bench(kGRS80, kGRS80, format, kGradDezimal);
            bench.fillOutput();
            bench.type(format == kUTMmil ? militaryInput(m, digits) : referenceInput(m, digits));
            bench.press();
            const E zoneField = format == kUTMmil ? E::texZoneM : E::texREFZone;
            if (*c.message) {
                const std::string zone(elementName(zoneField));
                EXPECT_EQ(bench.screen.events(),
                          (std::vector<std::string>{
                              "sound SystemHand", std::string("critical: ") + c.message,
                              "AusgabeReset", "focus " + zone, "select " + zone}));
                EXPECT_TRUE(bench.screen.outputEmpty());
            } else {
                EXPECT_TRUE(bench.screen.messages.empty());
                EXPECT_EQ(bench.screen.text(E::texBreiteAUS), c.lat);
                EXPECT_EQ(bench.screen.text(E::texLaengeAUS), c.lon);
            }
        }
    }
}

} // namespace
} // namespace lw
