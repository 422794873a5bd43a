#include "geodesy/gauss_krueger.h"
#include "geodesy_test_support.h"
#include "procedures/procedures.h"
#include "text/numtext.h"

namespace lw::test {
namespace {

struct Gk {
    std::string hoch, rechts, meridian;
};

Gk toGk(const char* lat, const char* lon, const char* width, RecordingMessages& m) {
    std::string a = lat, b = lon, c = width;
    GeoNachGK(a, b, c, m);
    return {a, b, c};
}

Gk toGeo(const std::string& hoch, const std::string& rechts, const char* width,
         RecordingMessages& m) {
    std::string a = hoch, b = rechts, c = width;
    GKnachGeo(a, b, c, m);
    return {a, b, c};
}

TEST(GaussKruegerForward, BesselFiftyTenInBothStripWidths) {
    const struct {
        const char* width;
        const char* meridian;
        double rechts, hoch;
    } cases[] = {
        {"3", "E009°", 3571686.39, 5540758.79},
        // The Part's "about 2356630.99" is a loose rounding of 2356630.9995.
        {"6", "E012°", 2356631.00, 5542196.74},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "row " << (&c - &cases[0]));
        RecordingMessages m;
        const Gk g = toGk("50", "10", c.width, m);
        EXPECT_EQ(g.meridian, c.meridian);
        EXPECT_NEAR(readNumber(g.rechts), c.rechts, 0.006) << c.width;
        EXPECT_NEAR(readNumber(g.hoch), c.hoch, 0.006) << c.width;
        EXPECT_EQ(g.hoch[0], ' '); // general number text
        EXPECT_TRUE(m.messages.empty());
    }
}

TEST(GaussKruegerForward, HalfWayLongitudeGoesToTheEasternStrip) {
    const struct {
        const char *lon, *width, *meridian, *stripDigit;
    } cases[] = {{"10.5", "3", "E012°", "4"},   {"10.4999", "3", "E009°", "3"},
                 {"9", "6", "E012°", "2"},      {"8.9999", "6", "E006°", "1"},
                 {"-1", "3", "W000°", nullptr}, {"-2", "3", "W003°", "-"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "row " << (&c - &cases[0]));
        RecordingMessages m;
        const Gk g = toGk("50", c.lon, c.width, m);
        EXPECT_EQ(g.meridian, c.meridian) << c.lon;
        if (c.stripDigit) {
            EXPECT_EQ(trimBlanks(g.rechts).substr(0, 1), c.stripDigit) << c.lon;
        }
    }
}

TEST(GaussKruegerForward, FaultKeepsCoordinatesAfterMeridianIsWritten) {
    RecordingMessages m;
    const Gk g = toGk("1E400", "10", "3", m);
    expectOneCritical(m, kComputationError);
    EXPECT_EQ(g.hoch, "1E400");
    EXPECT_EQ(g.rechts, "10");
    EXPECT_EQ(g.meridian, "E009°");

    RecordingMessages m2; // an infinite longitude has no meridian either
    const Gk h = toGk("50", "1E400", "3", m2);
    expectOneCritical(m2, kComputationError);
    EXPECT_EQ(h.meridian, "3");
}

TEST(GaussKruegerInverse, ReturnsTheForwardPointToBetterThan1e9Degree) {
    RecordingMessages m;
    for (const char* width : {"3", "6"}) {
        const Gk g = toGk("50", "10", width, m);
        // As typed back into the input mask: the number without its leading blank.
        const Gk back = toGeo(trimBlanks(g.hoch), trimBlanks(g.rechts), width, m);
        EXPECT_NEAR(readNumber(back.hoch), 50, 1e-9) << width;
        EXPECT_NEAR(readNumber(back.rechts), 10, 1e-9) << width;
        EXPECT_EQ(back.meridian, g.meridian);
    }
    EXPECT_TRUE(m.messages.empty());
}

TEST(GaussKruegerInverse, StripWidthRefusals) {
    const std::string tooWide =
        "Die gewählte Streifenbreite führt zu einem Punkt ausserhalb von Deutschland.\r\n"
        "Wählen Sie eine kleinere Streifenbreite.";
    { // refusal A: 6 deg strip 4 has its meridian at 24 deg E
        RecordingMessages m;
        const Gk g = toGeo("5540758.79", "4485221", "6", m);
        expectOneCritical(m, tooWide);
        EXPECT_EQ(g.hoch + "|" + g.rechts + "|" + g.meridian, "5540758.79|4485221|6");
    }
    { // the same Rechtswert in 3 deg strips
        RecordingMessages m;
        const Gk g = toGeo("5540758.79", "4485221", "3", m);
        EXPECT_EQ(g.meridian, "E012°");
        EXPECT_TRUE(m.messages.empty());
    }
    // refusal B: no strip number or no known width, silently no coordinates
    const struct {
        const char *rechts, *width;
    } silent[] = {{"0571686", "3"}, {"X571686", "3"}, {"", "6"}, {"3571686", "9"}, {"3571686", ""}};
    for (const auto& c : silent) {
        RecordingMessages m;
        const Gk g = toGeo("5540758.79", c.rechts, c.width, m);
        EXPECT_EQ(g.hoch + "|" + g.rechts + "|" + g.meridian, "||Fehler") << c.rechts;
        EXPECT_TRUE(m.messages.empty());
    }
}

TEST(GaussKruegerInverse, FaultKeepsCoordinatesAfterMeridianIsWritten) {
    RecordingMessages m;
    const Gk g = toGeo("1E400", "3571686", "3", m);
    expectOneCritical(m, kComputationError);
    EXPECT_EQ(g.hoch + "|" + g.rechts + "|" + g.meridian, "1E400|3571686|E009°");
}

} // namespace
} // namespace lw::test
