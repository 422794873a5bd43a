#include "model/messages.h"
#include "procedures/angletext.h"
#include "text/numtext.h"

#include "support/fake_screen.h"

#include <gtest/gtest.h>

#include <string>

namespace lw {
namespace {

using test::RecordingMessages;

struct GM {
    std::string degrees, minutes;
};
GM toGM(std::string text) {
    RecordingMessages m;
    GM r;
    DezimalNachGM(text, r.degrees, r.minutes, m);
    EXPECT_TRUE(m.messages.empty());
    return r;
}

struct GMS {
    std::string degrees, minutes, seconds;
};
GMS toGMS(std::string text) {
    RecordingMessages m;
    GMS r;
    DezimalNachGMS(text, r.degrees, r.minutes, r.seconds, m);
    EXPECT_TRUE(m.messages.empty());
    return r;
}

TEST(DezimalNachGM, PadsSignsAndCarriesAtTheThreshold) {
    struct Case {
        const char* in;
        const char* degrees;
        const char* minutes;
    } cases[] = {
        {"0.5", "00", "30"},
        {"-0.5", "-00", "30"},
        {"9.5", "09", "30"},
        {"123.5", "123", "30"},
        {"47.9999999999", "48", "0.000000"}, // 59.999999994 rounds to 60: carry
        {"47.99999998", "47", "59.999999"},  // 59.9999988 rounds to 59.999999: no carry
        {"48.4363326641023", "48", "26.17996"},
        {"48", "48", "0.000000"},
        {"-0.25", "-00", "15"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "row " << (&c - &cases[0]));
        GM r = toGM(c.in);
        EXPECT_EQ(r.degrees, c.degrees) << c.in;
        EXPECT_EQ(r.minutes, c.minutes) << c.in;
    }
}

TEST(DezimalNachGM, ReadsACommaAndLeavesAPointInTheCallersText) {
    RecordingMessages m;
    std::string text = "48,25", d, mi;
    DezimalNachGM(text, d, mi, m);
    EXPECT_EQ(text, "48.25");
    EXPECT_EQ(d, "48");
    EXPECT_EQ(mi, "15");
}

TEST(DezimalNachGMS, CarriesTwiceAboveTheThresholdOnly) {
    struct Case {
        const char* in;
        const char* degrees;
        const char* minutes;
        const char* secondsPrefix;
    } cases[] = {
        {"47.9999999999", "48", "00", "0.00"},   // seconds 59.99999964: two carries
        {"47.99999999", "47", "59", "59.99996"}, // seconds 59.999964: no carry
        {"-0.5", "-00", "30", "0.00"},
        {"9", "09", "00", "0.00"},
        {"48.4363326641023", "48", "26", "10.797"},
        {"9.96796724981198", "09", "58", "04.682"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "row " << (&c - &cases[0]));
        GMS r = toGMS(c.in);
        EXPECT_EQ(r.degrees, c.degrees) << c.in;
        EXPECT_EQ(r.minutes, c.minutes) << c.in;
        EXPECT_EQ(r.seconds.rfind(c.secondsPrefix, 0), 0u) << c.in << " -> " << r.seconds;
    }
}

TEST(DezimalNachGMS, SecondsBelowTheThresholdDoNotCarry) {
    // 10 degrees 0 minutes 59.9999 seconds
    GMS r = toGMS("10.0166666388888889");
    EXPECT_EQ(r.minutes, "00");
    EXPECT_EQ(r.seconds.rfind("59.9999", 0), 0u) << r.seconds;
}

TEST(GMnachDezimal, LeavesLeadingBlankAndEmptiesMinutes) {
    RecordingMessages m;
    std::string d = "48", mi = "30";
    GMnachDezimal(d, mi, m);
    EXPECT_EQ(d, " 48.5");
    EXPECT_EQ(mi, "");
    d = "48";
    mi = "15,5";
    GMnachDezimal(d, mi, m);
    EXPECT_NEAR(readNumber(d), 48.0 + 15.5 / 60.0, 1e-12);
}

TEST(GMSnachDezimal, AddsMinutesAndSecondsWithoutCommaReplacement) {
    RecordingMessages m;
    std::string d = "48", mi = "26", s = "10.8";
    GMSnachDezimal(d, mi, s, m);
    EXPECT_EQ(d, " 48.4363333333333");
    std::string d2 = "48", s2 = "10,8";
    GMSnachDezimal(d2, mi, s2, m);
    EXPECT_EQ(d2, " 48.4361111111111"); // "10,8" reads as 10
}

TEST(AngleTexts, ImpossibleValuesShowTheComputationErrorAndKeepTheArguments) {
    RecordingMessages m;
    std::string huge(400, '9');
    std::string d = huge, mi = "3,5";
    GMnachDezimal(d, mi, m);
    EXPECT_EQ(d, huge);
    EXPECT_EQ(mi, "3.5"); // the comma replacement has already happened
    std::string text = huge, deg = "x", min = "y", sec = "z";
    DezimalNachGMS(text, deg, min, sec, m);
    EXPECT_EQ(deg, "x");
    DezimalNachGM(text, deg, min, m);
    EXPECT_EQ(min, "y");
    ASSERT_EQ(m.messages.size(), 3u);
    EXPECT_EQ(m.messages[0].text, std::string(kComputationErrorText));
    EXPECT_EQ(m.messages[0].icon, MessageIcon::Critical);
}

} // namespace
} // namespace lw
