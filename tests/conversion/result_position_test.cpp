// The GRS80 position behind a result, which the line "Lage: …" is made from,
// also where the run itself leaves no GRS80 pair behind.
#include "conversion/result_position.h"
#include "driver_test_support.h"

#include <gtest/gtest.h>

namespace lw {
namespace {

using test::DriverBench;
using test::Texts;

const Texts kBlaubeurenDegrees = {{Element::texBreite, "48.4119"}, {Element::texLaenge, "9.785"}};
// Krummbögle, N48.436333 E009.967967 on GRS80, in UTM zone 32.
const Texts kKrummboegleUtm = {
    {Element::texZone, "32U"}, {Element::texRechts, "0571595"}, {Element::texHoch, "5365251"}};
// A point in Gauß-Krüger (Bessel, DHDN) that is 32U 0571582 5538982 on GRS80.
const Texts kGaussKruegerPoint = {{Element::texGKRechts, "3571686.39"},
                                  {Element::texGKHoch, "5540758.79"}};

TEST(ResultPosition, OnGrs80WhateverTheJobWrites) {
    struct Case {
        const char* what;
        const char* start;
        const char* target;
        int in, out;
        Texts input;
        double lat, lon, toleranceDeg;
    };
    const Case cases[] = {
        {"GRS80 degrees to degrees", kGRS80, kGRS80, kGradDezimal, kGradDezimal, kBlaubeurenDegrees,
         48.4119, 9.785, 1e-9},
        // The run writes only the Bessel pair.
        {"GRS80 degrees to Bessel", kGRS80, kBessel, kGradDezimal, kGradMinSek, kBlaubeurenDegrees,
         48.4119, 9.785, 1e-9},
        // The run copies the input into the output: no degrees at all.
        {"UTM zivil copied", kGRS80, kGRS80, kUTMzivil, kUTMzivil, kKrummboegleUtm, 48.436333,
         9.967967, 2e-5},
        {"Gauß-Krüger to UTM", kBessel, kGRS80, kGaussKrueger, kUTMzivil, kGaussKruegerPoint,
         49.99886, 9.99880, 2e-5},
        // The same digits on ED50 lie about 200 m south and 80 m west: on
        // GRS80 Krummbögle is 32U 0571678 5365451 ED50.
        {"UTM zivil on Hayford copied", kHayford, kHayford, kUTMzivil, kUTMzivil, kKrummboegleUtm,
         48.43453, 9.96684, 5e-5},
    };
    for (const Case& c : cases) {
        DriverBench bench(c.start, c.target, c.in, c.out);
        bench.bandULimits();
        bench.type(c.input);
        const ProgramState before = bench.state;
        bench.screen.clearLog();
        const std::optional<GeoPoint> p = grs80PositionOfInput(bench.screen, bench.state);
        ASSERT_TRUE(p) << c.what;
        EXPECT_NEAR(p->latDeg, c.lat, c.toleranceDeg) << c.what;
        EXPECT_NEAR(p->lonDeg, c.lon, c.toleranceDeg) << c.what;
        // Nothing of the extra run reaches the screen or the program's state.
        EXPECT_TRUE(bench.screen.log.empty()) << c.what;
        EXPECT_TRUE(bench.screen.outputEmpty()) << c.what;
        EXPECT_EQ(bench.state.calc.strArg1, before.calc.strArg1) << c.what;
        EXPECT_EQ(bench.state.job.FormatAUS, before.job.FormatAUS) << c.what;
    }
}

TEST(ResultPosition, AnInputThatDoesNotConvertHasNoneAndSaysNothing) {
    DriverBench bench(kGRS80, kGRS80, kGradDezimal, kUTMzivil);
    bench.type({{Element::texBreite, "95"}, {Element::texLaenge, "9"}});
    bench.screen.clearLog();
    EXPECT_FALSE(grs80PositionOfInput(bench.screen, bench.state));
    EXPECT_TRUE(bench.screen.log.empty());
    EXPECT_TRUE(bench.screen.messages.empty());
    EXPECT_TRUE(bench.screen.sounds.empty());
}

} // namespace
} // namespace lw
