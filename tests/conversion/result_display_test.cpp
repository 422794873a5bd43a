#include "conversion/result_display.h"

#include "support/fake_screen.h"

#include <gtest/gtest.h>

#include <string>

namespace lw {
namespace {

using test::FakeScreen;

struct DecimalCase {
    const char* in;
    const char* latitude;  // texBreiteAUS
    const char* longitude; // texLaengeAUS
};

TEST(ResultDisplayDecimal, HemisphereLetterAndPaddedDegrees) {
    const DecimalCase cases[] = {
        {"-5.5", "S05.500000", "W005.500000"},
        {"48.137155", "N48.137155", "E048.137155"},
        {" 48.5", "N48.500000", "E048.500000"}, // plain number text with its blank
        {"11.57549", "N11.575490", "E011.575490"},
        {"0", "N00.000000", "E000.000000"},
        {"-0", "S00.000000", "W000.000000"},
        {"123.4", "N", "E123.400000"}, // three degree digits have no place in a latitude
        {"1234.5", "N", "E"},
        {"48.4363326641023", "N48.436333", "E048.436333"},
        {"9.9999999", "N10.000000", "E010.000000"}, // rounding carries into the degrees
    };
    for (const DecimalCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "row " << (&c - &cases[0]));
        FakeScreen screen;
        BreiteDezAusgeben(screen, c.in);
        LaengeDezAusgeben(screen, c.in);
        EXPECT_EQ(screen.text(Element::texBreiteAUS), c.latitude) << c.in;
        EXPECT_EQ(screen.text(Element::texLaengeAUS), c.longitude) << c.in;
        EXPECT_TRUE(screen.messages.empty());
    }
}

struct DegreesMinutesCase {
    const char* in;
    const char* latDegrees;
    const char* lonDegrees;
    const char* minutes;
};

TEST(ResultDisplayDegreesMinutes, PadsDegreesAndCarriesRoundedMinutes) {
    const DegreesMinutesCase cases[] = {
        {"-0.25", "S00", "W000", "15.000000"},
        {"47.9999999999", "N48", "E048", "0.000000"}, // minutes round to 60
        {"47.99999998", "N47", "E047", "59.999999"},
        {"9.5", "N09", "E009", "30.000000"},
        {"123.5", "N", "E123", "30.000000"},
        {"48.4363326641023", "N48", "E048", "26.179960"},
        {"9.96796724981198", "N09", "E009", "58.078035"},
    };
    for (const DegreesMinutesCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "row " << (&c - &cases[0]));
        FakeScreen screen;
        ProgramState state;
        BreiteGMAusgeben(screen, state, c.in);
        LaengeGMAusgeben(screen, state, c.in);
        EXPECT_EQ(screen.text(Element::texBreiteGradAUS), c.latDegrees) << c.in;
        EXPECT_EQ(screen.text(Element::texBreiteMinuteAUS), c.minutes) << c.in;
        EXPECT_EQ(screen.text(Element::texLaengeGradAUS), c.lonDegrees) << c.in;
        EXPECT_EQ(screen.text(Element::texLaengeMinuteAUS), c.minutes) << c.in;
        EXPECT_TRUE(screen.messages.empty());
    }
}

struct DmsCase {
    const char* in;
    const char* latDegrees;
    const char* lonDegrees;
    const char* minutes;
    const char* seconds;
};

TEST(ResultDisplayDegreesMinutesSeconds, PadsAndFormatsSeconds) {
    const DmsCase cases[] = {
        {"9", "N09", "E009", "00", "0.00"},
        {"-0.5", "S00", "W000", "30", "0.00"},
        {"48.4363326641023", "N48", "E048", "26", "10.80"},
        {"9.96796724981198", "N09", "E009", "58", "4.68"}, // the "0" before 4.68 does not survive
        {"47.9999999999", "N48", "E048", "00", "0.00"},    // DezimalNachGMS carries twice
        {"-75.25", "S75", "W075", "15", "0.00"},
    };
    for (const DmsCase& c : cases) {
        FakeScreen screen;
        ProgramState state;
        BreiteGMSAusgeben(screen, state, c.in);
        LaengeGMSAusgeben(screen, state, c.in);
        EXPECT_EQ(screen.text(Element::texBGradAUS), c.latDegrees) << c.in;
        EXPECT_EQ(screen.text(Element::texBMinuteAUS), c.minutes) << c.in;
        EXPECT_EQ(screen.text(Element::texBSekundeAUS), c.seconds) << c.in;
        EXPECT_EQ(screen.text(Element::texLGradAUS), c.lonDegrees) << c.in;
        EXPECT_EQ(screen.text(Element::texLMinuteAUS), c.minutes) << c.in;
        EXPECT_EQ(screen.text(Element::texLSekundeAUS), c.seconds) << c.in;
    }
}

// Seconds from 59.995 up to the carry threshold 59.999999 used to be shown as
// "60.00", which the seconds input check itself refuses.
TEST(ResultDisplayDegreesMinutesSeconds, SecondsThatRoundToSixtyCarryIntoTheMinutes) {
    auto dms = [](int d, int m, double s) { return d + m / 60.0 + s / 3600.0; };
    struct Case {
        double value;
        const char* latDegrees;
        const char* minutes;
        const char* seconds;
    } cases[] = {
        {dms(47, 30, 59.996), "N47", "31", "0.00"},
        {dms(47, 8, 59.9999), "N47", "09", "0.00"},
        {dms(47, 59, 59.996), "N48", "00", "0.00"}, // and the minutes into the degrees
        {-dms(0, 59, 59.996), "S01", "00", "0.00"},
        {dms(47, 30, 59.994), "N47", "30", "59.99"},    // unaffected: below the rounding
        {dms(47, 30, 59.9999999), "N47", "31", "0.00"}, // DezimalNachGMS's own carry
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "row " << (&c - &cases[0]));
        FakeScreen screen;
        ProgramState state;
        char buf[40];
        std::snprintf(buf, sizeof buf, "%.15g", c.value);
        BreiteGMSAusgeben(screen, state, buf);
        EXPECT_EQ(screen.text(Element::texBGradAUS), c.latDegrees) << buf;
        EXPECT_EQ(screen.text(Element::texBMinuteAUS), c.minutes) << buf;
        EXPECT_EQ(screen.text(Element::texBSekundeAUS), c.seconds) << buf;
    }
}

TEST(ResultDisplayDegreesMinutesSeconds, LongitudeCarryKeepsThreeDigits) {
    FakeScreen screen;
    ProgramState state;
    LaengeGMSAusgeben(screen, state, "9.99999988888889"); // 9° 59' 59.99600"
    EXPECT_EQ(screen.text(Element::texLGradAUS), "E010");
    EXPECT_EQ(screen.text(Element::texLMinuteAUS), "00");
    EXPECT_EQ(screen.text(Element::texLSekundeAUS), "0.00");
}

TEST(ResultDisplay, DegreeProceduresUseSlotsOneToFourAsScratch) {
    FakeScreen screen;
    ProgramState state;
    state.calc.strArg5 = "untouched";
    BreiteGMSAusgeben(screen, state, "48,5"); // a comma reads as a point
    EXPECT_EQ(state.calc.strArg1, "48.5");
    EXPECT_EQ(state.calc.strArg2, "48");
    EXPECT_EQ(state.calc.strArg3, "30");
    EXPECT_EQ(state.calc.strArg4, "0.00");
    EXPECT_EQ(state.calc.strArg5, "untouched");
    EXPECT_EQ(screen.text(Element::texBGradAUS), "N48");
}

} // namespace
} // namespace lw
