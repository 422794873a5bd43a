#include "support/fake_screen.h"
#include "validation/validators.h"

#include <gtest/gtest.h>

#include <array>
#include <cctype>
#include <ostream>
#include <string>
#include <vector>

namespace lw {
namespace {

using test::FakeScreen;
using Events = std::vector<std::string>;

const std::string S = "sound SystemHand";
const std::string Z = "AusgabeReset";
const std::string FR = "focus texGKRechts";
const std::string FH = "focus texGKHoch";
const std::string SR = "select texGKRechts";
const std::string SH = "select texGKHoch";

std::string box(const std::string& text) {
    return "critical: " + text;
}

std::string charText(const std::string& coordinate) {
    return "Im " + coordinate +
           " sind nur die Zeichen\r\n\r\n0 1 2 3 4 5 6 7 8 9 und das Komma\r\n\r\nzugelassen.";
}

const std::string R1 = box(charText("Rechtswert"));
const std::string R2 = box("Im Rechtswert ist nur 1 Komma zugelassen!");
const std::string H1 = box(charText("Hochwert"));
const std::string H2 = box("Im Hochwert ist nur 1 Komma zugelassen!");
const std::string R3 =
    box("Der Rechtswert ist zu klein.\r\nIhr Punkt liegt westlich von Deutschland.");
const std::string R4 =
    box("Der Rechtswert ist zu groß.\r\nIhr Punkt liegt östlich von Deutschland.");
const std::string H3 =
    box("Der Hochwert ist zu klein.\r\nIhr Punkt liegt südlich von Deutschland.");
const std::string H4 =
    box("Der Hochwert ist zu groß.\r\nIhr Punkt liegt nördlich von Deutschland.");
const std::string R5 = box("Der Rechtswert muss genau 7 Stellen vor dem Komma haben!");
const std::string H5 = box("Der Hochwert muss genau 7 Stellen vor dem Komma haben!");

struct Case {
    const char* name;
    std::string rechts, hoch;
    Events events; // {} = accepted
    std::string rechtsAfter = "", hochAfter = "";
};

TEST(GKPruefen, RefusalsWithTheirOwnOrderOfSoundBoxResetAndFocus) {
    const Case cases[] = {
        {"no points get .00", "3571686", "5540759", {}, "3571686.00", "5540759.00"},
        {"point at 8 unchanged", "3571686.25", "5540759.", {}, "3571686.25", "5540759."},
        {"easting limits inclusive", "2484700", "5107150", {}, "2484700.00", "5107150.00"},
        {"upper limits inclusive", "5538200", "6197355", {}, "5538200.00", "6197355.00"},
        {"R3 just below", "2484699.99", "5540759", {S, Z, R3, FR, SR}},
        {"R4 just above", "5538200.01", "5540759", {S, Z, R4, FR, SR}},
        {"H3 below", "3571686", "5107149", {S, Z, H3, FH, SH}},
        {"H4 above", "3571686", "6197356", {S, Z, H4, FH, SH}},
        {"two points R2 not R1", "3571686.5.5", "5540759", {S, R2, FR, SR}},
        {"comma R1", "3571686,5", "5540759", {S, R1, Z, FR, SR}},
        {"letter R1", "357168x", "5540759", {S, R1, Z, FR, SR}},
        {"umlaut R1", "357168Ä", "5540759", {S, R1, Z, FR, SR}},
        {"R1 before the northing is looked at", "3571686,5", "55x", {S, R1, Z, FR, SR}},
        {"H1", "3571686", "5540 759", {S, H1, Z, FH, SH}},
        {"H2", "3571686", "5540.7.59", {S, H2, Z, FH, SH}},
        {"range after both character tests", "1", "5540x", {S, H1, Z, FH, SH}},
        {"R5 point too late", "03571686.5", "5540759", {S, Z, R5, Z, FR, SR}},
        {"six digits before the point fall below the range first",
         "357168.60",
         "5540759",
         {S, Z, R3, FR, SR}},
        {"H5 point too late", "3571686", "05540759.5", {S, H5, Z, FH, SH}, "3571686.00"},
        // Used to pass with ".00" appended; the conversion then read strip 0
        // and showed nothing at all.
        {"eight digits without point R5", "03571686", "5540759", {S, Z, R5, Z, FR, SR}, "03571686"},
        {"eight digits northing without point H5",
         "3571686",
         "05540759",
         {S, H5, Z, FH, SH},
         "3571686.00",
         "05540759"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeScreen screen;
        ProgramState state;
        screen.type(Element::texGKRechts, c.rechts);
        screen.type(Element::texGKHoch, c.hoch);
        screen.type(Element::texGKRechtsAUS, "3571686.00");
        GKPruefen(screen, state);
        EXPECT_EQ(state.calc.blnEingabeOK, c.events.empty());
        EXPECT_EQ(screen.events(), c.events);
        if (!c.rechtsAfter.empty()) {
            EXPECT_EQ(screen.text(Element::texGKRechts), c.rechtsAfter);
        }
        if (!c.hochAfter.empty()) {
            EXPECT_EQ(screen.text(Element::texGKHoch), c.hochAfter);
        }
        EXPECT_EQ(state.calc.strRechtsMin, "2484700");
        EXPECT_EQ(state.calc.strHochMax, "6197355");
    }
}

// An empty field refuses with the value it lacks, the easting first, and
// nothing else of the check runs (the texts keep no ".00").
TEST(GKPruefen, EmptyFieldNamesTheMissingValue) {
    const Case cases[] = {
        {"empty easting", "", "5540759", {S, Z, box("Der Rechtswert fehlt."), FR, SR}},
        {"empty northing", "3571686", "", {S, Z, box("Der Hochwert fehlt."), FH, SH}},
        {"both empty: the easting", "", "", {S, Z, box("Der Rechtswert fehlt."), FR, SR}},
        {"empty before a bad character", "", "55x", {S, Z, box("Der Rechtswert fehlt."), FR, SR}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeScreen screen;
        ProgramState state;
        state.calc.blnEingabeOK = true;
        screen.type(Element::texGKRechts, c.rechts);
        screen.type(Element::texGKHoch, c.hoch);
        GKPruefen(screen, state);
        EXPECT_FALSE(state.calc.blnEingabeOK);
        EXPECT_EQ(screen.events(), c.events);
        EXPECT_EQ(screen.text(Element::texGKRechts), c.rechts);
        EXPECT_EQ(screen.text(Element::texGKHoch), c.hoch);
    }
}

TEST(GKPruefen, AppendedDecimalsMakeTheNextRunSeeThePoint) {
    FakeScreen screen;
    ProgramState state;
    screen.type(Element::texGKRechts, "3571686");
    screen.type(Element::texGKHoch, "5540759");
    GKPruefen(screen, state);
    GKPruefen(screen, state);
    EXPECT_TRUE(state.calc.blnEingabeOK);
    EXPECT_EQ(screen.text(Element::texGKRechts), "3571686.00");
}

// The easting limits follow the selected strip width; the northing limits,
// the limit texts and the order of the checks do not.
struct StripCase {
    const char* name;
    bool sixDegrees;
    std::string rechts;
    Events events; // {} = accepted
};

void PrintTo(const StripCase& c, std::ostream* os) {
    *os << c.name;
}

class GKPruefenStripWidth : public testing::TestWithParam<StripCase> {};

TEST_P(GKPruefenStripWidth, EastingLimitsOfTheSelectedStrips) {
    const StripCase& c = GetParam();
    FakeScreen screen;
    ProgramState state;
    if (c.sixDegrees)
        screen.check(Element::optSechs, Element::optDrei);
    screen.type(Element::texGKRechts, c.rechts);
    screen.type(Element::texGKHoch, "5540759");
    GKPruefen(screen, state);
    EXPECT_EQ(state.calc.blnEingabeOK, c.events.empty());
    EXPECT_EQ(screen.events(), c.events);
    EXPECT_EQ(state.calc.strRechtsMin, c.sixDegrees ? "1484700" : "2484700");
    EXPECT_EQ(state.calc.strRechtsMax, c.sixDegrees ? "3350587" : "5538200");
    EXPECT_EQ(state.calc.strHochMin, "5107150");
    EXPECT_EQ(state.calc.strHochMax, "6197355");
}

INSTANTIATE_TEST_SUITE_P(
    BothWidths, GKPruefenStripWidth,
    testing::Values(
        StripCase{"3deg west limit", false, "2484700", {}},
        StripCase{"3deg below west limit", false, "2484699.99", {S, Z, R3, FR, SR}},
        StripCase{"3deg east limit", false, "5538200", {}},
        StripCase{"3deg above east limit", false, "5538200.01", {S, Z, R4, FR, SR}},
        StripCase{"3deg strip 1 is west of Germany", false, "1484700", {S, Z, R3, FR, SR}},
        StripCase{"6deg west limit", true, "1484700", {}},
        StripCase{"6deg below west limit", true, "1484699.99", {S, Z, R3, FR, SR}},
        StripCase{"6deg east limit", true, "3350587", {}},
        StripCase{"6deg above east limit", true, "3350587.01", {S, Z, R4, FR, SR}},
        // Used to be refused as lying west of Germany (3° limits in 6° strips).
        StripCase{"6deg 50N 10E", true, "2356630.99", {}},
        StripCase{"6deg strip 3 east of 15E", true, "3340000", {}},
        StripCase{"6deg strip 4 is east of Germany", true, "4485221", {S, Z, R4, FR, SR}}),
    [](const testing::TestParamInfo<StripCase>& row) {
        std::string name = row.param.name;
        for (char& ch : name)
            if (!std::isalnum(static_cast<unsigned char>(ch)))
                ch = '_';
        return name;
    });

TEST(GKLimitsZeigen, LabelsShowTheLimitsOfTheSelectedStrips) {
    FakeScreen screen;
    ProgramState state;
    GKLimitsZeigen(screen, state.calc);
    EXPECT_EQ(screen.text(Element::labGKLimitsRechts), "5538200  Maximum\n2484700  Minimum");
    EXPECT_EQ(screen.text(Element::labGKLimitsHoch), "6197355  Maximum\n5107150  Minimum");
    screen.check(Element::optSechs, Element::optDrei);
    GKLimitsZeigen(screen, state.calc);
    EXPECT_EQ(screen.text(Element::labGKLimitsRechts), "3350587  Maximum\n1484700  Minimum");
    EXPECT_EQ(screen.text(Element::labGKLimitsHoch), "6197355  Maximum\n5107150  Minimum");
    EXPECT_EQ(state.calc.strRechtsMin, "1484700");
}

} // namespace
} // namespace lw

namespace lw {
namespace {

PlainDigits plainDigitsOf(const std::string& text) {
    PlainDigits number;
    const char* end = text.data() + text.size();
    EXPECT_EQ(readPlainDigitsAt(text.data(), end, number), end) << text;
    return number;
}

// What a list's plain reader lets pass without the texts must be what the
// checks let pass with them: at the limits of both strip widths and of the
// hemispheres, and with digits before the point one too few or too many.
TEST(PlainChecks, AdmitWhatTheTextChecksAdmit) {
    const std::vector<std::string> rechtsTexts = {
        "2484700",  "2484699.99", "2484700.00", "5538200",    "5538200.01",
        "1484700",  "1484699.9",  "3350587.00", "3350587.01", "3570296.99",
        "357029.9", "35702969.9", "0357029",    "03570296",   "03570296.99"};
    const std::vector<std::string> hochTexts = {
        "5107150",   "5107149.99", "6197355",  "6197355.01",
        "5900419.2", "590041.9",   "59004192", "5900419.123456789012345",
        "05900419.2"};
    for (bool six : {false, true}) {
        const germany::GaussKruegerExtent& extent = germany::gaussKruegerExtent(six);
        for (const std::string& rechts : rechtsTexts)
            for (const std::string& hoch : hochTexts)
                EXPECT_EQ(admitsGaussKrueger(plainDigitsOf(rechts), plainDigitsOf(hoch), extent),
                          !checkGaussKrueger(rechts, hoch, extent).refusal)
                    << rechts << " " << hoch << " six " << six;
    }
    const std::vector<std::string> latitudes = {"0",  "83.999999", "84", "84.0000001",
                                                "80", "80.000001", "90", "123456789012345678"};
    const std::vector<std::string> longitudes = {"0", "180", "180.0000001", "181", "179.999999"};
    for (const Hemisphere hemisphere : {Hemisphere{true, false}, Hemisphere{false, true}})
        for (const std::string& lat : latitudes)
            for (const std::string& lon : longitudes) {
                const std::array<std::pair<Element, std::string_view>, 2> typed = {
                    {{Element::texBreite, lat}, {Element::texLaenge, lon}}};
                EXPECT_EQ(admitsDecimalDegrees(plainDigitsOf(lat), plainDigitsOf(lon), hemisphere),
                          !checkGeographic(kGradDezimal, typed, hemisphere).refusal)
                    << lat << " " << lon << " north " << hemisphere.north;
            }
}

} // namespace
} // namespace lw
