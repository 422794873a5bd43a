// UTM amtlich through the calculation driver: the BKG test data of
// Gauss-Krueger in given strips and ETRS89/UTM in given zones through the
// official transformation, both ways, to the centimetre; the refusals with
// their texts; the neighbour zone and strip in the output and the copy line.
#include "conversion/official_datum.h"
#include "conversion/pasted_coordinate.h"
#include "conversion/result_line.h"
#include "driver_test_support.h"
#include "support/bkg_gk_utm_lines.h"
#include "text/numtext.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace lw {
namespace {

using test::DriverBench;
using test::kBkgGkUtmLines;

// A published value with six decimals rounded half away from zero to the
// centimetre, on its digits (no binary rounding in between).
std::string toCentimetres(const std::string& published) {
    const std::size_t point = published.find('.');
    std::string digits = published.substr(0, point) + published.substr(point + 1, 2);
    if (published[point + 3] >= '5')
        for (std::size_t i = digits.size(); i-- > 0;) {
            if (digits[i] != '9') {
                ++digits[i];
                break;
            }
            digits[i] = '0';
        }
    return digits.substr(0, digits.size() - 2) + "." + digits.substr(digits.size() - 2);
}

class Amtlich : public ::testing::Test {
protected:
    OfficialDatumModule module_{{LW_TEST_OFFICIAL_MODULE}};
    ScopedOfficialDatum use_{module_};

    void SetUp() override { ASSERT_TRUE(module_.gridAvailable()) << "module or grid missing"; }
};

// DHDN Gauss-Krueger in the published strip to UTM amtlich in the published
// zone, with "Amtliche Umrechnung": every line to the centimetre.
TEST_F(Amtlich, BkgLinesGaussKruegerToUtmAmtlichInTheGivenZone) {
    for (const auto& line : kBkgGkUtmLines) {
        DriverBench bench(kBessel, kGRS80, kGaussKrueger, kUTMamtlich);
        bench.state.job.Amtlich = true;
        bench.screen.check(Element::optDrei, Element::optSechs);
        bench.type({{Element::texGKRechts, line.rechtswert},
                    {Element::texGKHoch, line.hochwert},
                    {Element::texZoneWahl, std::to_string(line.zone)}});
        bench.press();
        EXPECT_EQ(bench.screen.text(Element::texAmtOstAUS),
                  std::to_string(line.zone) + toCentimetres(line.easting))
            << line.rechtswert;
        EXPECT_EQ(bench.screen.text(Element::texAmtNordAUS), toCentimetres(line.northing))
            << line.rechtswert;
        EXPECT_TRUE(bench.screen.messages.empty()) << line.rechtswert;
    }
}

// And back: UTM amtlich in the published zone to Gauss-Krueger in the
// published strip (chosen by its meridian).
TEST_F(Amtlich, BkgLinesUtmAmtlichToGaussKruegerInTheGivenStrip) {
    for (const auto& line : kBkgGkUtmLines) {
        DriverBench bench(kGRS80, kBessel, kUTMamtlich, kGaussKrueger);
        bench.state.job.Amtlich = true;
        bench.type({{Element::texAmtOst, std::to_string(line.zone) + line.easting},
                    {Element::texAmtNord, line.northing},
                    {Element::texStreifenWahl, std::to_string(3 * line.strip)}});
        bench.press();
        ASSERT_TRUE(bench.screen.messages.empty()) << line.easting;
        // The Gauss-Krueger output drops trailing zeros, as it always has.
        EXPECT_DOUBLE_EQ(readNumber(bench.screen.text(Element::texGKRechtsAUS)),
                         readNumber(toCentimetres(line.rechtswert)))
            << line.easting;
        EXPECT_DOUBLE_EQ(readNumber(bench.screen.text(Element::texGKHochAUS)),
                         readNumber(toCentimetres(line.hochwert)))
            << line.easting;
    }
}

// A cadastre's line typed to the millimetre, as offices hand them out: the
// Gauss-Krueger side on the exact transverse Mercator as well, or the
// series' tenth of a millimetre tips the Nordwert's centimetre (PROJ gives
// 5702714.406). Gauss-Krueger on its own keeps the series.
TEST_F(Amtlich, GaussKruegerSideOfUtmAmtlichIsExact) {
    DriverBench bench(kBessel, kGRS80, kGaussKrueger, kUTMamtlich);
    bench.state.job.Amtlich = true;
    bench.screen.check(Element::optDrei, Element::optSechs);
    bench.type({{Element::texGKRechts, "3607695.215"},
                {Element::texGKHoch, "5704557.217"},
                {Element::texZoneWahl, "32"}});
    bench.press();
    EXPECT_TRUE(bench.screen.messages.empty());
    EXPECT_EQ(bench.screen.text(Element::texAmtOstAUS), "32607578.86");
    EXPECT_EQ(bench.screen.text(Element::texAmtNordAUS), "5702714.41");
}

// ---- Without the official transformation ----------------------------------------------------

TEST(AmtlichDriver, OwnZoneTwoDecimalsAndTheCopyLine) {
    DriverBench bench(kGRS80, kGRS80, kGradDezimal, kUTMamtlich);
    bench.type(
        {{Element::texBreite, "48.4363326641023"}, {Element::texLaenge, "9.96796724981198"}});
    bench.press();
    EXPECT_EQ(bench.screen.text(Element::texAmtOstAUS), "32571594.63");
    EXPECT_EQ(bench.screen.text(Element::texAmtNordAUS), "5365251.16");
    EXPECT_EQ(bench.screen.text(Element::labAmtNachbar), "");
    std::vector<std::string> texts;
    for (Element e : outputMaskFields(kUTMamtlich))
        texts.push_back(bench.screen.text(e));
    EXPECT_EQ(resultLine(kUTMamtlich, kGRS80, texts), "32571594.63 5365251.16");
    EXPECT_EQ(bench.screen.text(Element::labGenauigkeit), "");
}

// The point's own zone typed into "Zone wählen" is the usual output, not a
// neighbour: no label, no accuracy line, a copy line without the word.
TEST(AmtlichDriver, OwnZoneChosenIsNoNeighbour) {
    DriverBench bench(kGRS80, kGRS80, kGradDezimal, kUTMamtlich);
    bench.type({{Element::texBreite, "48.4363326641023"},
                {Element::texLaenge, "9.96796724981198"},
                {Element::texZoneWahl, "32"}});
    bench.press();
    EXPECT_TRUE(bench.screen.messages.empty());
    EXPECT_EQ(bench.screen.text(Element::texAmtOstAUS), "32571594.63");
    EXPECT_EQ(bench.screen.text(Element::labAmtNachbar), "");
    EXPECT_EQ(bench.screen.text(Element::labGenauigkeit), "");
    std::vector<std::string> texts;
    for (Element e : outputMaskFields(kUTMamtlich))
        texts.push_back(bench.screen.text(e));
    EXPECT_EQ(resultLine(kUTMamtlich, kGRS80, texts), "32571594.63 5365251.16");
}

TEST(AmtlichDriver, NeighbourZoneShowsInTheOstwertTheCopyLineAndTheAccuracyLine) {
    DriverBench bench(kGRS80, kGRS80, kGradDezimal, kUTMamtlich);
    bench.type(
        {{Element::texBreite, "52"}, {Element::texLaenge, "12.5"}, {Element::texZoneWahl, "32"}});
    bench.press();
    EXPECT_EQ(bench.screen.text(Element::texAmtOstAUS), "32740240.81");
    EXPECT_EQ(bench.screen.text(Element::labAmtNachbar), "Nachbarzone");
    EXPECT_EQ(bench.screen.text(Element::labGenauigkeit),
              "Nachbarzone 32 statt der eigenen Zone 33");
    std::vector<std::string> texts;
    for (Element e : outputMaskFields(kUTMamtlich))
        texts.push_back(bench.screen.text(e));
    EXPECT_EQ(resultLine(kUTMamtlich, kGRS80, texts), "32740240.81 5766823.60 Nachbarzone");
}

TEST(AmtlichDriver, NeighbourStripOfGaussKrueger) {
    DriverBench bench(kBessel, kBessel, kGradDezimal, kGaussKrueger);
    bench.type({{Element::texBreite, "50"},
                {Element::texLaenge, "10.4"},
                {Element::texStreifenWahl, "12"}});
    bench.press();
    EXPECT_EQ(bench.screen.text(Element::texMeridianAUS), "E012°");
    EXPECT_EQ(bench.screen.text(Element::labGKNachbar), "Nachbarstreifen");
    EXPECT_EQ(bench.screen.text(Element::labGenauigkeit),
              "Nachbarstreifen E012° statt des eigenen E009°");
    // The own strip, chosen or not, is the usual output.
    DriverBench own(kBessel, kBessel, kGradDezimal, kGaussKrueger);
    own.type({{Element::texBreite, "50"}, {Element::texLaenge, "10.4"}});
    own.press();
    DriverBench chosenOwn(kBessel, kBessel, kGradDezimal, kGaussKrueger);
    chosenOwn.type({{Element::texBreite, "50"},
                    {Element::texLaenge, "10.4"},
                    {Element::texStreifenWahl, "9"}});
    chosenOwn.press();
    EXPECT_EQ(own.writtenOutput(), chosenOwn.writtenOutput());
    EXPECT_EQ(own.screen.text(Element::texMeridianAUS), "E009°");
}

struct Refusal {
    const char* name;
    int formatIn, formatOut;
    test::Texts typed;
    const char* message;
    Element focus;
};

TEST(AmtlichDriver, RefusalsWithTheirTexts) {
    const Refusal cases[] = {
        {"southern point",
         kGradDezimal,
         kUTMamtlich,
         {{Element::texBreite, "33.8688"}, {Element::texLaenge, "151.2093"}},
         "UTM amtlich gibt es nur auf der Nordhalbkugel:\r\nder Punkt liegt südlich des Äquators.",
         Element::Count_},
        {"zone not allowed",
         kGradDezimal,
         kUTMamtlich,
         {{Element::texBreite, "52"}, {Element::texLaenge, "12.5"}, {Element::texZoneWahl, "31"}},
         "Für diesen Punkt ist als Zone nur 32 oder 33 wählbar.\r\nOhne Eingabe gilt seine eigene "
         "Zone 33.",
         Element::texZoneWahl},
        {"strip not allowed",
         kGradDezimal,
         kGaussKrueger,
         {{Element::texBreite, "50"},
          {Element::texLaenge, "10.4"},
          {Element::texStreifenWahl, "15"}},
         "Für diesen Punkt ist als Bezugsmeridian nur 6, 9 oder 12 wählbar.\r\nOhne Eingabe gilt "
         "sein eigener, 9.",
         Element::texStreifenWahl},
        {"Ostwert without its zone",
         kUTMamtlich,
         kGradDezimal,
         {{Element::texAmtOst, "399340.60"}, {Element::texAmtNord, "5928794.18"}},
         "Dem Ostwert fehlt die Zone.\r\nDer Ostwert beginnt mit der Zone (1 bis 60), dann folgen "
         "6 Ziffern vor dem Komma, zum Beispiel 32399340.60.",
         Element::texAmtOst},
        {"zone 61",
         kUTMamtlich,
         kGradDezimal,
         {{Element::texAmtOst, "61399340.60"}, {Element::texAmtNord, "5928794.18"}},
         "Es gibt keine Zone 61!\r\nDer Ostwert beginnt mit der Zone (1 bis 60), dann folgen 6 "
         "Ziffern vor dem Komma, zum Beispiel 32399340.60.",
         Element::texAmtOst},
        {"zone 05 written with its leading zero",
         kUTMamtlich,
         kGradDezimal,
         {{Element::texAmtOst, "05399340.60"}, {Element::texAmtNord, "5928794.18"}},
         "Es gibt keine Zone 05!\r\nDer Ostwert beginnt mit der Zone (1 bis 60), dann folgen 6 "
         "Ziffern vor dem Komma, zum Beispiel 32399340.60.",
         Element::texAmtOst},
        {"zone 00",
         kUTMamtlich,
         kGradDezimal,
         {{Element::texAmtOst, "00399340.60"}, {Element::texAmtNord, "5928794.18"}},
         "Es gibt keine Zone 00!\r\nDer Ostwert beginnt mit der Zone (1 bis 60), dann folgen 6 "
         "Ziffern vor dem Komma, zum Beispiel 32399340.60.",
         Element::texAmtOst},
        {"northing too long",
         kUTMamtlich,
         kGradDezimal,
         {{Element::texAmtOst, "32399340.60"}, {Element::texAmtNord, "15928794.18"}},
         "Der Nordwert hat höchstens 7 Stellen vor dem Komma, zum Beispiel 5928794.18.",
         Element::texAmtNord},
        {"northing missing",
         kUTMamtlich,
         kGradDezimal,
         {{Element::texAmtOst, "32399340.60"}},
         "Der Nordwert fehlt.",
         Element::texAmtNord},
    };
    for (const Refusal& c : cases) {
        SCOPED_TRACE(c.name);
        const char* start =
            c.formatIn == kGradDezimal && c.formatOut == kGaussKrueger ? kBessel : kGRS80;
        DriverBench bench(start, c.formatOut == kGaussKrueger ? kBessel : kGRS80, c.formatIn,
                          c.formatOut);
        bench.fillOutput();
        bench.type(c.typed);
        if (std::string(c.name) == "southern point")
            bench.screen.check(Element::optDezS, Element::optDezN);
        bench.press();
        ASSERT_EQ(bench.screen.messages.size(), 1u);
        EXPECT_EQ(bench.screen.messages[0].text, c.message);
        EXPECT_EQ(bench.screen.sounds.size(), 1u);
        EXPECT_TRUE(bench.writtenOutput().empty());
        if (c.focus != Element::Count_) {
            EXPECT_EQ(bench.screen.focus, c.focus);
        }
    }
}

TEST(AmtlichPaste, EveryFormOfTheLine) {
    const std::pair<const char*, const char*> cases[] = {
        {"32399340.60 5928794.18", "32399340.60|5928794.18"},
        {"32399340,60 5928794,18", "32399340,60|5928794,18"},
        {"E 32399340.60 N 5928794.18", "32399340.60|5928794.18"},
        {"Ost 32399340.60, Nord 5928794.18", "32399340.60|5928794.18"},
        {"32U 399340.60 5928794.18", "32399340.60|5928794.18"},
        {"32740240.81 5766823.60 Nachbarzone", "32740240.81|5766823.60"},
    };
    for (const auto& [text, fields] : cases) {
        const auto pasted = recognisePastedCoordinate(kUTMamtlich, text, kGRS80);
        ASSERT_TRUE(pasted.has_value()) << text;
        std::string joined;
        for (const auto& [field, part] : pasted->fields)
            joined += (joined.empty() ? "" : "|") + part;
        EXPECT_EQ(joined, fields) << text;
    }
    for (const char* text : {"32U 39934.60 5928794.18", "32399340.60", "-32399340.60 5928794.18",
                             "32399340.60 5928794.18 ED50"})
        EXPECT_FALSE(recognisePastedCoordinate(kUTMamtlich, text, kGRS80).has_value()) << text;
}

} // namespace
} // namespace lw
