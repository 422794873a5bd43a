// Behaviour of one "Berechnung" beyond the plain conversions: refusals, copies,
// hemispheres, the Gauss-Krueger area and the points outside UTM. Expected
// coordinates are derived from the conversion rules independently of this code.
#include "driver_test_support.h"

#include "text/numeric_fault.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace lw {
namespace {

using test::asMap;
using test::DriverBench;
using test::FakeScreen;
using test::Texts;

const std::string kNorthOfUtm =
    "Die nördliche Breite muss kleiner sein als 84°.\r\n\r\nAb 84° beginnt UPS.";
const std::string kSouthOfUtm = "Der Zahlenwert der südlichen Breite darf nicht größer sein als "
                                "80°.\r\n\r\nDanach beginnt UPS.";
const std::string kOutsideGermany = "Ihr Punkt liegt nicht in Deutschland,\n"
                                    "deshalb wird Gauß-Krüger nicht berechnet.\n\n"
                                    "Beachten Sie bitte die Grenzwerte für Gauß-Krüger:\n"
                                    " N46° < Breite < N56°\n"
                                    "E005° < Länge  < E016°\n";

Texts decimal(const char* lat, const char* lon) {
    return {{Element::texBreite, lat}, {Element::texLaenge, lon}};
}
Texts degreesMinutes(const char* latD, const char* latM, const char* lonD, const char* lonM) {
    return {{Element::texBreiteGrad, latD},
            {Element::texBreiteMinute, latM},
            {Element::texLaengeGrad, lonD},
            {Element::texLaengeMinute, lonM}};
}
Texts civil(const char* zone, const char* easting, const char* northing) {
    return {{Element::texZone, zone}, {Element::texRechts, easting}, {Element::texHoch, northing}};
}
Texts gaussKrueger(const char* rechts, const char* hoch) {
    return {{Element::texGKRechts, rechts}, {Element::texGKHoch, hoch}};
}

// ---- The hemisphere of decimal-degree input ------------------------------------------------

// The sign used to be put on the target pair after the datum shift, so that
// the shift was computed at the mirrored point: 650 m off at 33.9 S on Bessel,
// 195 m at 3 W on Hayford.
TEST(DriverHemisphere, DecimalInputIsSignedBeforeTheDatumShift) {
    struct Case {
        const char* start;
        const char* target;
        const char* lat;
        const char* lon;
        bool south, west;
        const char* latOut;
        const char* lonOut;
    } cases[] = {
        {kBessel, kGRS80, "33.9", "18.4", true, false, "S33.894787", "E018.398161"},
        {kHayford, kGRS80, "48", "3", false, true, "N47.999007", "W003.001372"},
        // Unaffected: on one ellipsoid the values pass unchanged.
        {kGRS80, kGRS80, "33.9", "18.4", true, false, "S33.900000", "E018.400000"},
        {kGRS80, kGRS80, "48.5", "9.5", false, true, "N48.500000", "W009.500000"},
        {kGRS80, kGRS80, "0", "0", true, true, "S00.000000", "W000.000000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "row " << (&c - &cases[0]));
        DriverBench bench(c.start, c.target, kGradDezimal, kGradDezimal);
        bench.type(decimal(c.lat, c.lon));
        if (c.south)
            bench.screen.check(Element::optDezS, Element::optDezN);
        if (c.west)
            bench.screen.check(Element::optDezW, Element::optDezE);
        bench.press();
        EXPECT_EQ(bench.writtenOutput(),
                  asMap({{Element::texBreiteAUS, c.latOut}, {Element::texLaengeAUS, c.lonOut}}))
            << c.start << " " << c.lat << " " << c.lon;
    }
}

TEST(DriverHemisphere, SouthernDecimalInputAsDegreesMinutes) {
    DriverBench bench(kGRS80, kGRS80, kGradDezimal, kGradMinuten);
    bench.type(decimal("0.25", "9"));
    bench.screen.check(Element::optDezS, Element::optDezN);
    bench.press();
    EXPECT_EQ(bench.writtenOutput(), asMap({{Element::texBreiteGradAUS, "S00"},
                                            {Element::texBreiteMinuteAUS, "15.000000"},
                                            {Element::texLaengeGradAUS, "E009"},
                                            {Element::texLaengeMinuteAUS, "0.000000"}}));
}

TEST(DriverHemisphere, DegreesMinutesSouthEntersTheDatumShiftSigned) {
    DriverBench bench(kBessel, kGRS80, kGradMinuten, kGradDezimal);
    bench.type(degreesMinutes("48", "30", "9", "30"));
    bench.screen.check(Element::optGMS, Element::optGMN);
    bench.press();
    EXPECT_EQ(bench.writtenOutput(), asMap({{Element::texBreiteAUS, "S48.494334"},
                                            {Element::texLaengeAUS, "E009.498902"}}));
}

TEST(DriverDatum, BesselDegreesMinutesSecondsToGrs80Decimal) {
    DriverBench bench(kBessel, kGRS80, kGradMinSek, kGradDezimal);
    bench.type({{Element::texBGrad, "50"}, {Element::texLGrad, "10"}}); // the rest filled with "0"
    bench.press();
    EXPECT_EQ(bench.writtenOutput(), asMap({{Element::texBreiteAUS, "N49.998860"},
                                            {Element::texLaengeAUS, "E009.998798"}}));
}

// ---- Refused input writes nothing -----------------------------------------------------------

TEST(DriverRefusedInput, ACheckThatRefusesEndsTheRunWithTheMaskAsItLeftIt) {
    {
        DriverBench bench(kGRS80, kGRS80, kGradDezimal, kUTMzivil);
        bench.fillOutput();
        bench.type(decimal("", "9"));
        bench.press();
        ASSERT_EQ(bench.screen.messages.size(), 1u);
        EXPECT_EQ(bench.screen.messages[0].text, "Eingabefehler in der Breite!");
        EXPECT_TRUE(bench.screen.outputEmpty()); // emptied by the check itself
    }
    {
        // Refusal R2 does not clear the output mask, and neither does the driver.
        DriverBench bench(kBessel, kBessel, kGaussKrueger, kGaussKrueger);
        bench.fillOutput();
        bench.type(gaussKrueger("3571686.5.5", "5540759"));
        bench.press();
        ASSERT_EQ(bench.screen.messages.size(), 1u);
        EXPECT_EQ(bench.screen.messages[0].text, "Im Rechtswert ist nur 1 Komma zugelassen!");
        for (Element e : kOutputFields)
            EXPECT_EQ(bench.screen.text(e), "alt") << elementName(e);
        EXPECT_EQ(bench.screen.text(Element::texMeridian), "");
    }
}

TEST(DriverRefusedInput, AfterTheZoneCheckRefusedGaussKruegerNothingIsWritten) {
    DriverBench bench(kGRS80, kBessel, kUTMzivil, kGaussKrueger);
    bench.state.calc.strRechtsMin = "0126050"; // zone 32V as leaving texZone stores it
    bench.state.calc.strRechtsMax = "0687071";
    bench.state.calc.strHochMin = "6206081";
    bench.state.calc.strHochMax = "7100467";
    bench.fillOutput();
    bench.type(civil("32V", "0500000", "6650000"));
    bench.press();
    ASSERT_EQ(bench.screen.messages.size(), 1u);
    EXPECT_EQ(bench.screen.messages[0].icon, MessageIcon::Information);
    EXPECT_EQ(bench.state.job.ZielEllipsoid, "");
    EXPECT_EQ(bench.state.job.FormatAUS, 0);

    bench.press(); // validates again, computes, writes nothing
    EXPECT_TRUE(bench.screen.messages.empty());
    for (Element e : kOutputFields)
        EXPECT_EQ(bench.screen.text(e), "alt") << elementName(e);
    EXPECT_EQ(bench.screen.text(Element::labStreifenbreite), "");
}

// ---- A procedure that refuses ends the run ---------------------------------------------------

// A 6° Rechtswert beginning with 4 names the 24° meridian. The strip refusal
// used to be followed by a result computed from the unconverted texts; now the
// input check refuses it first, as lying east of Germany.
TEST(DriverProcedureRefusal, StripOutsideGermanyEndsTheRunWithoutOutput) {
    DriverBench bench(kBessel, kBessel, kGaussKrueger, kGradDezimal);
    bench.fillOutput();
    bench.screen.check(Element::optSechs, Element::optDrei);
    bench.type(gaussKrueger("4485221", "5540759"));
    bench.press();
    ASSERT_EQ(bench.screen.messages.size(), 1u);
    EXPECT_EQ(bench.screen.messages[0].text,
              "Der Rechtswert ist zu groß.\r\nIhr Punkt liegt östlich von Deutschland.");
    EXPECT_TRUE(bench.screen.outputEmpty());
    EXPECT_EQ(bench.screen.text(Element::labStreifenbreite), "");
}

TEST(DriverProcedureRefusal, SquareThatDoesNotExistEndsTheRunWithoutOutput) {
    DriverBench bench(kGRS80, kGRS80, kUTMmil, kGradDezimal);
    bench.fillOutput();
    bench.type({{Element::texZoneM, "33M"}, {Element::tex100km, "WA"}});
    bench.press();
    ASSERT_EQ(bench.screen.messages.size(), 1u);
    EXPECT_EQ(bench.screen.messages[0].text,
              "Der 2. Buchstabe des 100km-Quadrates ist nicht zulässig.");
    EXPECT_TRUE(bench.screen.outputEmpty());
}

// A screen whose locale lookup faults, standing for a numeric fault in a step
// without a handler of its own, after part of the output was computed.
class FaultingScreen : public test::FakeScreen {
public:
    std::string localeDecimalSeparator() const override { throw NumericFault{}; }
};

TEST(DriverProcedureRefusal, NumericFaultWithoutOwnHandlerLeavesNoPartialOutput) {
    ProgramState state;
    state.job = {kBessel, kBessel, "BB", "77", kGaussKrueger, kGaussKrueger};
    FaultingScreen screen;
    for (Element e : kOutputFields)
        screen.type(e, "alt");
    screen.check(Element::optSechs, Element::optDrei);
    screen.type(Element::texGKRechts, "2600000");
    screen.type(Element::texGKHoch, "5540000");
    comRechnenClick(screen, state);
    ASSERT_EQ(screen.messages.size(), 1u);
    EXPECT_EQ(screen.messages[0].text, kComputationErrorText);
    EXPECT_TRUE(screen.outputEmpty());
    EXPECT_EQ(screen.text(Element::texMeridian), "");
    EXPECT_EQ(screen.text(Element::labStreifenbreite), "");
}

// ---- Copies of the input ---------------------------------------------------------------------

TEST(DriverCopies, SameNotationOnTheSameEllipsoidIsCopied) {
    {
        DriverBench bench(kGRS80, kGRS80, kUTMmil, kUTMmil);
        bench.type({{Element::texZoneM, "32U"},
                    {Element::tex100km, "MV"},
                    {Element::tex10km, "12"},
                    {Element::tex1km, "34"},
                    {Element::tex100m, "56"},
                    {Element::tex10m, "78"},
                    {Element::tex1m, "90"}});
        bench.press();
        EXPECT_EQ(bench.writtenOutput(), asMap({{Element::texMilUTM, "32U  MV  1357924680"}}));
    }
    {
        DriverBench bench(kGRS80, kGRS80, kUTMref, kUTMref);
        bench.type({{Element::texREFZone, "32U"},
                    {Element::texREF100, "MV"},
                    {Element::texREFZiffern, "1234567890"}});
        bench.press();
        EXPECT_EQ(bench.writtenOutput(), asMap({{Element::texREFAUS, "32U MV 1234567890"}}));
    }
    {
        DriverBench bench(kHayford, kHayford, kUTMzivil, kUTMzivil);
        bench.bandULimits();
        bench.type(civil("32U", "0571666", "5539110"));
        bench.press();
        EXPECT_EQ(bench.writtenOutput(), asMap({{Element::texZone2, "32U"},
                                                {Element::texRechts2, "0571666"},
                                                {Element::texHoch2, "5539110"}}));
    }
}

// The copy used to be made whatever the two ellipsoids were: GRS80 values
// shown as Hayford ones, some 200 m off.
TEST(DriverCopies, SameNotationAcrossEllipsoidsIsConverted) {
    {
        DriverBench bench(kGRS80, kHayford, kUTMzivil, kUTMzivil);
        bench.bandULimits();
        bench.type(civil("32U", "0571666", "5539110"));
        bench.press();
        EXPECT_EQ(bench.writtenOutput(), asMap({{Element::texZone2, "32U"},
                                                {Element::texRechts2, "0571750"},
                                                {Element::texHoch2, "5539311"}}));
    }
    {
        DriverBench bench(kGRS80, kHayford, kUTMmil, kUTMmil);
        bench.type({{Element::texZoneM, "32U"},
                    {Element::tex100km, "NU"},
                    {Element::tex10km, "76"},
                    {Element::tex1km, "15"},
                    {Element::tex100m, "52"},
                    {Element::tex10m, "95"},
                    {Element::tex1m, "51"}});
        bench.press();
        EXPECT_EQ(bench.writtenOutput(), asMap({{Element::texMilUTM, "32U  NU  76.15.64.75.91"}}));
    }
    {
        DriverBench bench(kHayford, kGRS80, kUTMref, kUTMref);
        bench.type({{Element::texREFZone, "32U"},
                    {Element::texREF100, "NU"},
                    {Element::texREFZiffern, "7159565251"}});
        bench.press();
        EXPECT_EQ(bench.writtenOutput(), asMap({{Element::texREFAUS, "32U  NU  7151165051"}}));
    }
}

TEST(DriverCopies, CivilInputToDecimalOnTheSameEllipsoid) {
    DriverBench bench(kGRS80, kGRS80, kUTMzivil, kGradDezimal);
    bench.bandULimits();
    bench.type(civil("32U", "0571666", "5539110"));
    bench.press();
    EXPECT_EQ(bench.writtenOutput(), asMap({{Element::texBreiteAUS, "N50.000002"},
                                            {Element::texLaengeAUS, "E009.999994"}}));
}

// Gauss-Krueger to Gauss-Krueger used to copy 6° values under the 3° label:
// the strip number in front of the Rechtswert was then wrong.
TEST(DriverCopies, GaussKruegerIsCopiedOnlyFromThreeDegreeStripsAboutTheSameMeridian) {
    struct Case {
        bool sixDegrees;
        const char* rechts;
        const char* hoch;
        const char* inputMeridian;
        const char* rechtsOut;
        const char* hochOut;
        const char* meridianOut;
    } cases[] = {
        {false, "3571686.39", "5540758.79", "E009°", "3571686.39", "5540758.79", "E009°"},
        // 6° strip about 12° E: the same meridian, but another strip number
        {true, "2600000", "5540000", "E012°", "4600000", "5540000", "E012°"},
        // 3° strip about 9° E, but the point lies nearer to 12° E
        {false, "3700000", "5540000", "E009°", "4484791.85", "5536294.59", "E012°"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "row " << (&c - &cases[0]));
        DriverBench bench(kBessel, kBessel, kGaussKrueger, kGaussKrueger);
        if (c.sixDegrees)
            bench.screen.check(Element::optSechs, Element::optDrei);
        bench.type(gaussKrueger(c.rechts, c.hoch));
        bench.press();
        EXPECT_TRUE(bench.screen.messages.empty()) << c.rechts;
        EXPECT_EQ(bench.screen.text(Element::texMeridian), c.inputMeridian) << c.rechts;
        EXPECT_EQ(bench.writtenOutput(), asMap({{Element::texGKRechtsAUS, c.rechtsOut},
                                                {Element::texGKHochAUS, c.hochOut},
                                                {Element::texMeridianAUS, c.meridianOut},
                                                {Element::labStreifenbreite, "3"}}))
            << c.rechts;
    }
}

// 6° strips used to be checked against the 3° easting limits, so every 6°
// point west of about 10.3° E was refused as lying west of Germany.
TEST(DriverGaussKruegerInput, SixDegreeStripsAreAcceptedAndGiveThreeDegreeOutput) {
    struct Case {
        const char* name;
        const char* rechts;
        const char* hoch;
        const char* inputMeridian;
        const char* rechtsOut;
        const char* hochOut;
        const char* meridianOut;
    } cases[] = {
        // Expected values agree with PROJ (tmerc on Bessel, k=1, inverse about
        // the 6° meridian, forward about the 3° one) to the centimetre.
        // 50° N 10° E in 6° strips, typed back in
        {"50N 10E", "2356630.99", "5542196.74", "E012°", "3571686.38", "5540758.79", "E009°"},
        // strip 3 lies about 18° E; the point itself (15.72° E) east of 15° E
        {"strip 3", "3340000", "5650000", "E018°", "5550720.15", "5647777.14", "E015°"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DriverBench bench(kBessel, kBessel, kGaussKrueger, kGaussKrueger);
        bench.screen.check(Element::optSechs, Element::optDrei);
        bench.type(gaussKrueger(c.rechts, c.hoch));
        bench.press();
        EXPECT_TRUE(bench.screen.messages.empty());
        EXPECT_EQ(bench.screen.text(Element::texMeridian), c.inputMeridian);
        EXPECT_EQ(bench.writtenOutput(), asMap({{Element::texGKRechtsAUS, c.rechtsOut},
                                                {Element::texGKHochAUS, c.hochOut},
                                                {Element::texMeridianAUS, c.meridianOut},
                                                {Element::labStreifenbreite, "3"}}));
    }
}

// ---- Gauss-Krueger output ------------------------------------------------------------------

TEST(DriverGaussKruegerOutput, LocaleNumberTextWithoutTrailingZerosOrGrouping) {
    struct Case {
        const char* start;
        const char* lat;
        const char* lon;
        const char* separator;
        const char* rechts;
        const char* hoch;
    } cases[] = {
        {kGRS80, "48.5", "9.5", ".", "3537026.53", "5373706.96"},
        {kGRS80, "48.5", "9.5", ",", "3537026,53", "5373706,96"},
        {kBessel, "46.000001", "9", ",", "3500000", "5095568,57"}, // whole metres: no separator
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "row " << (&c - &cases[0]));
        DriverBench bench(c.start, kBessel, kGradDezimal, kGaussKrueger);
        bench.screen.decimalSeparator = c.separator;
        bench.type(decimal(c.lat, c.lon));
        bench.press();
        EXPECT_EQ(bench.writtenOutput(), asMap({{Element::texGKRechtsAUS, c.rechts},
                                                {Element::texGKHochAUS, c.hoch},
                                                {Element::texMeridianAUS, "E009°"},
                                                {Element::labStreifenbreite, "3"}}))
            << c.lat << " " << c.separator;
    }
}

TEST(DriverGaussKruegerOutput, PointsOutsideGermanyAreRefusedAtTheExclusiveBounds) {
    const Texts outside[] = {decimal("46", "9"), decimal("56", "9"), decimal("50", "5"),
                             decimal("50", "16"), decimal("60", "9")};
    for (const Texts& input : outside) {
        DriverBench bench(kBessel, kBessel, kGradDezimal, kGaussKrueger);
        bench.fillOutput();
        bench.screen.type(Element::labStreifenbreite, "3");
        bench.type(input);
        bench.press();
        std::vector<std::string> expected = {"sound SystemHand", "AusgabeReset",
                                             "critical: " + kOutsideGermany};
        EXPECT_EQ(bench.screen.events(), expected) << input[0].second << " " << input[1].second;
        EXPECT_TRUE(bench.screen.outputEmpty());
        EXPECT_EQ(bench.screen.text(Element::labStreifenbreite), "");
    }
}

TEST(DriverGaussKruegerOutput, UnderAnotherTargetFormatSevenWritesNothing) {
    DriverBench bench(kGRS80, kGRS80, kGradDezimal, kGaussKrueger);
    bench.type(decimal("48.5", "9.5"));
    bench.press();
    EXPECT_TRUE(bench.screen.messages.empty());
    EXPECT_TRUE(bench.writtenOutput().empty());
}

// ---- UTM output beyond the UTM domain -------------------------------------------------------

// A longitude beyond 180° used to give zone texts like "00P" and eastings of
// ten digits; latitudes past the band letters gave "033".
TEST(DriverUtmDomain, LongitudeBeyond180IsTakenOneTurnBack) {
    DriverBench bench(kGRS80, kGRS80, kGradMinuten, kUTMzivil);
    bench.type(degreesMinutes("10", "0", "180", "30"));
    bench.press();
    EXPECT_TRUE(bench.screen.messages.empty());
    EXPECT_EQ(bench.writtenOutput(), asMap({{Element::texZone2, "01P"},
                                            {Element::texRechts2, "0225929"},
                                            {Element::texHoch2, "1106451"}}));
}

TEST(DriverUtmDomain, GeographicOutputKeepsTheLongitudeAsItIs) {
    DriverBench bench(kGRS80, kGRS80, kGradMinuten, kGradDezimal);
    bench.type(degreesMinutes("10", "0", "180", "30"));
    bench.press();
    EXPECT_EQ(bench.screen.text(Element::texLaengeAUS), "E180.500000");
}

TEST(DriverUtmDomain, LatitudeWithoutBandLetterIsRefusedLikeTheInputCheck) {
    struct Case {
        const char* start;
        int formatOut;
        Texts input;
        bool south;
        const std::string& message;
    } cases[] = {
        {kGRS80, kUTMzivil, degreesMinutes("80", "30", "10", "0"), true, kSouthOfUtm},
        {kGRS80, kUTMmil, degreesMinutes("80", "30", "10", "0"), true, kSouthOfUtm},
        // Hayford 83° 59.9999' N lies north of 84° on GRS80.
        {kHayford, kUTMref, degreesMinutes("83", "59.9999", "10", "0"), false, kNorthOfUtm},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "row " << (&c - &cases[0]));
        DriverBench bench(c.start, kGRS80, kGradMinuten, c.formatOut);
        bench.fillOutput();
        bench.type(c.input);
        if (c.south)
            bench.screen.check(Element::optGMS, Element::optGMN);
        bench.press();
        std::vector<std::string> expected = {"sound SystemHand", "AusgabeReset",
                                             "critical: " + c.message};
        EXPECT_EQ(bench.screen.events(), expected) << c.start << " " << c.formatOut;
        EXPECT_TRUE(bench.screen.outputEmpty());
    }
}

TEST(DriverUtmDomain, NorthernmostBandIsUnaffected) {
    DriverBench bench(kGRS80, kGRS80, kGradMinuten, kUTMzivil);
    bench.type(degreesMinutes("83", "59", "10", "0"));
    bench.press();
    EXPECT_EQ(bench.writtenOutput(), asMap({{Element::texZone2, "33X"},
                                            {Element::texRechts2, "0441561"},
                                            {Element::texHoch2, "9328771"}}));
}

// ---- Seconds shown as 60.00 ----------------------------------------------------------------

TEST(DriverSeconds, SecondsThatWouldShowAs60CarryIntoMinutesAndDegrees) {
    DriverBench bench(kGRS80, kGRS80, kGradDezimal, kGradMinSek);
    bench.type(decimal("47.9999988888889", "9.99999988888889")); // 59' 59.996" both
    bench.press();
    EXPECT_EQ(bench.writtenOutput(), asMap({{Element::texBGradAUS, "N48"},
                                            {Element::texBMinuteAUS, "00"},
                                            {Element::texBSekundeAUS, "0.00"},
                                            {Element::texLGradAUS, "E010"},
                                            {Element::texLMinuteAUS, "00"},
                                            {Element::texLSekundeAUS, "0.00"}}));
}

// ---- Hemisphere options of every geographic input mask ---------------------------------------

// S and W on each geographic input notation give the signed point (GRS80 to
// GRS80, so the numbers pass unchanged). Degrees, minutes and seconds with W
// used to come out east.
struct HemisphereCase {
    const char* name;
    int format;
    bool south, west;
    const char *latOut, *lonOut;
};

void PrintTo(const HemisphereCase& c, std::ostream* os) {
    *os << c.name;
}

class DriverHemisphereOptions : public testing::TestWithParam<HemisphereCase> {};

Texts typedPoint(int format) {
    switch (format) {
    case kGradDezimal:
        return decimal("48.5", "9.75");
    case kGradMinuten:
        return degreesMinutes("48", "30", "9", "45");
    default:
        return {{Element::texBGrad, "48"},   {Element::texBMinute, "30"},
                {Element::texBSekunde, "0"}, {Element::texLGrad, "9"},
                {Element::texLMinute, "45"}, {Element::texLSekunde, "0"}};
    }
}

void chooseHemispheres(FakeScreen& screen, int format, bool south, bool west) {
    struct Options {
        Element n, s, e, w;
    };
    const Options o =
        format == kGradDezimal
            ? Options{Element::optDezN, Element::optDezS, Element::optDezE, Element::optDezW}
        : format == kGradMinuten
            ? Options{Element::optGMN, Element::optGMS, Element::optGME, Element::optGMW}
            : Options{Element::optGradN, Element::optGradS, Element::optGradE, Element::optGradW};
    if (south)
        screen.check(o.s, o.n);
    if (west)
        screen.check(o.w, o.e);
}

TEST_P(DriverHemisphereOptions, SignedPointReachesTheOutput) {
    const HemisphereCase& c = GetParam();
    DriverBench bench(kGRS80, kGRS80, c.format, kGradDezimal);
    bench.type(typedPoint(c.format));
    chooseHemispheres(bench.screen, c.format, c.south, c.west);
    bench.press();
    EXPECT_TRUE(bench.screen.messages.empty());
    EXPECT_EQ(bench.writtenOutput(),
              asMap({{Element::texBreiteAUS, c.latOut}, {Element::texLaengeAUS, c.lonOut}}));
}

INSTANTIATE_TEST_SUITE_P(
    EveryGeographicNotation, DriverHemisphereOptions,
    testing::Values(
        HemisphereCase{"decimal_S", kGradDezimal, true, false, "S48.500000", "E009.750000"},
        HemisphereCase{"decimal_W", kGradDezimal, false, true, "N48.500000", "W009.750000"},
        HemisphereCase{"decimal_SW", kGradDezimal, true, true, "S48.500000", "W009.750000"},
        HemisphereCase{"minutes_S", kGradMinuten, true, false, "S48.500000", "E009.750000"},
        HemisphereCase{"minutes_W", kGradMinuten, false, true, "N48.500000", "W009.750000"},
        HemisphereCase{"minutes_SW", kGradMinuten, true, true, "S48.500000", "W009.750000"},
        HemisphereCase{"seconds_S", kGradMinSek, true, false, "S48.500000", "E009.750000"},
        HemisphereCase{"seconds_W", kGradMinSek, false, true, "N48.500000", "W009.750000"},
        HemisphereCase{"seconds_SW", kGradMinSek, true, true, "S48.500000", "W009.750000"}),
    [](const testing::TestParamInfo<HemisphereCase>& row) { return std::string(row.param.name); });

// Exactly 180° stays where it was typed: 180° E in zone 60, 180° W in zone 01
// (PROJ: +proj=utm +south +ellps=GRS80, zones 60 and 1).
TEST(DriverUtmDomain, LongitudeOf180IsNotTurned) {
    for (bool west : {false, true}) {
        SCOPED_TRACE(west ? "180 W" : "180 E");
        DriverBench bench(kGRS80, kGRS80, kGradDezimal, kUTMzivil);
        bench.type(decimal("33", "180"));
        bench.screen.check(Element::optDezS, Element::optDezN);
        if (west)
            bench.screen.check(Element::optDezW, Element::optDezE);
        bench.press();
        EXPECT_TRUE(bench.screen.messages.empty());
        EXPECT_EQ(bench.writtenOutput(), asMap({{Element::texZone2, west ? "01H" : "60H"},
                                                {Element::texRechts2, west ? "0219700" : "0780300"},
                                                {Element::texHoch2, "6344714"}}));
    }
}

} // namespace
} // namespace lw
