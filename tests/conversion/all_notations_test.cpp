// "Alle Schreibweisen" against the single conversions: for random points in
// every input notation, each line of the list must be exactly what the
// single conversion to that ellipsoid and notation shows (its copy line), or
// the reason it gives; and the list must refuse an input as a single
// conversion does, leaving nothing else behind.
#include "conversion/all_notations.h"
#include "conversion/official_datum.h"
#include "conversion/pasted_coordinate.h"
#include "conversion/result_line.h"
#include "driver_test_support.h"
#include "model/all_notations.h"
#include "model/notations.h"
#include "validation/field_events.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace lw {
namespace {

using test::DriverBench;

// What one input is: the start, the notation and its typed fields and options.
struct Input {
    const char* start;
    int format;
    std::vector<std::pair<Element, std::string>> fields;
    std::vector<Element> options;
    bool amtlich = false;
};

void typeInput(DriverBench& bench, const Input& input) {
    for (const auto& [field, text] : input.fields)
        bench.screen.type(field, text);
    const Notation* notation = notationOf(input.format);
    for (Element option : input.options) {
        // The option's partner in its pair (N/S, E/W, 3°/6°).
        for (std::span<const Element> group : {notation->hemisphereOptions, notation->stripOptions})
            for (std::size_t i = 0; i < group.size(); ++i)
                if (group[i] == option)
                    bench.screen.check(option, group[i ^ 1]);
    }
    bench.state.job.Amtlich = input.amtlich;
    // Leaving the zone field sets the zone's limits, as a user's move does.
    if (notation->utm)
        onLostFocus(bench.screen, bench.state, notation->inputFields.front());
}

// What the single conversion shows: the copy line, or the last message as
// the list writes it.
struct Single {
    std::string text;
    bool value;
};

Single singleConversion(const Input& input, const char* target, int format) {
    DriverBench bench(input.start, target, input.format, format);
    typeInput(bench, input);
    bench.press();
    std::vector<std::string> texts;
    for (Element e : outputMaskFields(format))
        texts.push_back(bench.screen.text(e));
    const std::string line = resultLine(format, target, texts);
    if (!line.empty())
        return {line, true};
    return {bench.screen.messages.empty() ? ""
                                          : messageAsOneLine(bench.screen.messages.back().text),
            false};
}

// A decimal-degree input on `start`, optionally carried into another input
// notation of `start` by a single conversion and its copy line read back as
// a paste: every input notation with realistic texts.
std::optional<Input> randomInput(std::mt19937& rng) {
    std::uniform_int_distribution<int> pick(0, 2);
    const char* start = kEllipsoidLetters[static_cast<std::size_t>(pick(rng))].jobName;
    // Half in and around Germany, where every notation exists.
    std::uniform_real_distribution<double> anyLat(-89.0, 89.0), anyLon(-179.9, 179.9);
    std::uniform_real_distribution<double> deLat(46.5, 55.5), deLon(5.0, 16.0);
    const bool germany = rng() % 2 == 0;
    const double lat = germany ? deLat(rng) : anyLat(rng);
    const double lon = germany ? deLon(rng) : anyLon(rng);
    char latText[32], lonText[32];
    std::snprintf(latText, sizeof latText, "%.6f", std::abs(lat));
    std::snprintf(lonText, sizeof lonText, "%.6f", std::abs(lon));
    Input input{start,
                kGradDezimal,
                {{Element::texBreite, latText}, {Element::texLaenge, lonText}},
                {lat < 0 ? Element::optDezS : Element::optDezN,
                 lon < 0 ? Element::optDezW : Element::optDezE}};

    std::vector<int> others;
    for (const Notation& n : kNotations)
        if (offersNotation(start, n.code))
            others.push_back(n.code);
    const int format = others[rng() % others.size()];
    if (format == kGradDezimal)
        return input;
    const Single carried = singleConversion(input, start, format);
    if (!carried.value)
        return std::nullopt; // no such input for this point
    const std::optional<PastedCoordinate> pasted =
        recognisePastedCoordinate(format, carried.text, start);
    if (!pasted)
        return std::nullopt;
    Input other{start, format, pasted->fields, pasted->options};
    return other;
}

class AllNotations : public ::testing::Test {
protected:
    OfficialDatumModule module_{{LW_TEST_OFFICIAL_MODULE}};
    ScopedOfficialDatum use_{module_};

    static DriverBench listOf(const Input& input) {
        DriverBench bench(input.start, kGRS80, input.format, kAlleSchreibweisen);
        typeInput(bench, input);
        bench.press();
        return bench;
    }

    // Every line is the single conversion's; where no single conversion
    // takes the input, the list refuses it as the first one does.
    static void expectEverySingle(const Input& input, const DriverBench& list,
                                  const std::string& where) {
        const bool refused = std::all_of(kAllNotationsRows.begin(), kAllNotationsRows.end(),
                                         [&](Element e) { return list.screen.text(e).empty(); });
        if (refused) {
            DriverBench single(input.start, kGRS80, input.format, kGradDezimal);
            typeInput(single, input);
            single.press();
            EXPECT_FALSE(single.screen.messages.empty()) << where;
            EXPECT_EQ(list.screen.events(), single.screen.events()) << where;
        }
        const bool dhdnOutside = dhdnShiftOutsideGermany(input);
        for (const AllNotationsLine& line : kAllNotationsLines) {
            if (refused) {
                EXPECT_FALSE(singleConversion(input, line.ellipsoid, line.format).value)
                    << where << " " << allNotationsLabel(line);
                continue;
            }
            Single single = singleConversion(input, line.ellipsoid, line.format);
            if (single.value && dhdnOutside && std::string_view(line.ellipsoid) == kBessel)
                single = {std::string(kDhdnOutsideGermanyText), false};
            EXPECT_EQ(list.screen.text(line.field), single.text)
                << where << " " << allNotationsLabel(line);
            EXPECT_EQ(list.screen.isEnabled(line.field), single.value)
                << where << " " << allNotationsLabel(line);
        }
    }

    // The Bessel lines are reached by the DHDN shift and the point lies
    // outside Germany: the single conversion's Bessel decimal degrees
    // ("S45.847369 E121.395674 DHDN") outside the Gauss-Krueger box.
    static bool dhdnShiftOutsideGermany(const Input& input) {
        if (std::string_view(input.start) == kBessel)
            return false;
        const Single decimal = singleConversion(input, kBessel, kGradDezimal);
        if (!decimal.value)
            return false;
        const std::size_t east = decimal.text.find_first_of("EW", 1);
        const double lat = std::stod(decimal.text.substr(1, east - 1));
        const double lon = std::stod(decimal.text.substr(east + 1));
        return decimal.text[0] == 'S' || decimal.text[east] == 'W' || !(lat > 46 && lat < 56) ||
               !(lon > 5 && lon < 16);
    }
};

TEST_F(AllNotations, EveryLineIsTheSingleConversionForRandomPoints) {
    std::mt19937 rng(20261209);
    int points = 0, withReason = 0, refusedInputs = 0;
    while (points < 500) {
        std::optional<Input> input = randomInput(rng);
        if (!input)
            continue;
        input->amtlich = rng() % 4 == 0;
        ++points;
        const DriverBench list = listOf(*input);
        expectEverySingle(*input, list, input->fields.front().second);
        const bool refused = list.screen.text(Element::labAlleA).empty();
        refusedInputs += refused;
        if (!refused) {
            EXPECT_TRUE(list.screen.sounds.empty()) << "a list plays no alarm";
            for (const AllNotationsLine& line : kAllNotationsLines)
                withReason += !list.screen.isEnabled(line.field);
        }
    }
    // The random points reach the lines with reasons (Gauss-Krueger outside
    // Germany, BeTA2007 beyond its grid) and inputs refused as a whole
    // (beyond 84° N and 80° S), not only values.
    EXPECT_GT(withReason, 100);
    EXPECT_GT(refusedInputs, 0);
}

Input decimal(const char* start, const char* lat, const char* lon, bool south = false) {
    return {start,
            kGradDezimal,
            {{Element::texBreite, lat}, {Element::texLaenge, lon}},
            {south ? Element::optDezS : Element::optDezN, Element::optDezE}};
}

// Outside Germany the Gauss-Krueger line gives the reason of the
// Gauss-Krueger output, the other Bessel lines that the DHDN shift is made
// for Germany only; GRS80 and Hayford show their values. A Bessel start
// keeps its own lines: they are the input, no shift made them.
TEST_F(AllNotations, OutsideGermanyTheBesselLinesGiveTheirReasons) {
    const Input input = decimal(kGRS80, "43.6", "1.44");
    const DriverBench list = listOf(input);
    expectEverySingle(input, list, "Toulouse");
    EXPECT_FALSE(list.screen.isEnabled(Element::texAlleB7));
    EXPECT_TRUE(list.screen.text(Element::texAlleB7).starts_with("Ihr Punkt liegt nicht"));
    for (Element e : {Element::texAlleB1, Element::texAlleB2, Element::texAlleB3}) {
        EXPECT_FALSE(list.screen.isEnabled(e)) << elementName(e);
        EXPECT_EQ(list.screen.text(e), kDhdnOutsideGermanyText) << elementName(e);
    }
    for (Element e : {Element::texAlleA4, Element::texAlleC3, Element::texAlleC6})
        EXPECT_TRUE(list.screen.isEnabled(e)) << elementName(e);
    // Just inside the box (46° N, 5° E exclusive) the values stand.
    const DriverBench border = listOf(decimal(kGRS80, "46.01", "6.2"));
    EXPECT_TRUE(border.screen.isEnabled(Element::texAlleB1));
    EXPECT_EQ(border.screen.text(Element::texAlleB1).substr(0, 3), "N46");
    const DriverBench own = listOf(decimal(kBessel, "43.6", "1.44"));
    EXPECT_EQ(own.screen.text(Element::texAlleB1), "N43.600000 E001.440000 DHDN");
    EXPECT_FALSE(own.screen.isEnabled(Element::texAlleB7));
    EXPECT_EQ(list.screen.text(Element::labAlleA), "GRS80 (WGS84, ETRS89): kein Datumsübergang");
    EXPECT_TRUE(list.screen.messages.empty());
    EXPECT_TRUE(list.screen.sounds.empty());
}

// Above 84° N every geographic input check refuses the point, whatever the
// output: the list refuses it once, as each single conversion would.
TEST_F(AllNotations, AboveEightyFourNorthTheInputIsRefusedOnce) {
    const Input input = decimal(kGRS80, "85.5", "10.25");
    const DriverBench list = listOf(input);
    expectEverySingle(input, list, "85.5");
    ASSERT_EQ(list.screen.messages.size(), 1u);
    EXPECT_EQ(list.screen.messages[0].text,
              "Die nördliche Breite muss kleiner sein als 84°.\r\n\r\nAb 84° beginnt UPS");
}

// With "Amtliche Umrechnung" the Bessel group goes through BeTA2007; a point
// outside the grid gives its reason there and only there.
TEST_F(AllNotations, OfficialDatumForTheBesselGroupOnly) {
    Input inside = decimal(kGRS80, "48.436333", "9.967967");
    inside.amtlich = true;
    const DriverBench list = listOf(inside);
    expectEverySingle(inside, list, "inside");
    EXPECT_EQ(list.screen.text(Element::labAlleB),
              "Bessel (DHDN): Datumsübergang amtlich (BeTA2007)");
    EXPECT_EQ(list.screen.text(Element::labAlleC),
              "Hayford (ED50): Datumsübergang Molodensky (3 Parameter, Westeuropa): gegenüber "
              "ED50 der Landesnetze etwa 10 m");

    Input outside = decimal(kGRS80, "44.5", "9.9");
    outside.amtlich = true;
    const DriverBench far = listOf(outside);
    expectEverySingle(outside, far, "outside");
    for (Element e : {Element::texAlleB1, Element::texAlleB2, Element::texAlleB3})
        EXPECT_EQ(far.screen.text(e),
                  "Der Punkt liegt außerhalb des Gebiets der amtlichen Umrechnung BeTA2007. Ohne "
                  "das Häkchen rechnet Lagewandler mit der Näherung nach Molodensky, etwa 3 m "
                  "genau.");
    EXPECT_TRUE(far.screen.isEnabled(Element::texAlleA1));
    EXPECT_TRUE(far.screen.isEnabled(Element::texAlleC1));
}

// A Gauss-Krueger input shows its meridian beside it after a list, as after
// the single conversions that write a result, also where the first lines
// fail (GRS80 beyond the BeTA2007 grid, which a failed run would empty).
TEST_F(AllNotations, TheGaussKruegerMeridianStaysWhereLaterLinesWrite) {
    Input swiss = decimal(kBessel, "46.6", "6.5");
    const Single gk = singleConversion(swiss, kBessel, kGaussKrueger);
    ASSERT_TRUE(gk.value);
    const std::optional<PastedCoordinate> pasted =
        recognisePastedCoordinate(kGaussKrueger, gk.text, kBessel);
    ASSERT_TRUE(pasted);
    Input input{kBessel, kGaussKrueger, pasted->fields, pasted->options, true};
    const DriverBench list = listOf(input);
    expectEverySingle(input, list, gk.text);
    EXPECT_FALSE(list.screen.isEnabled(Element::texAlleA1)); // beyond the grid
    EXPECT_TRUE(list.screen.isEnabled(Element::texAlleB1));
    EXPECT_EQ(list.screen.text(Element::texMeridian), "E006°");
}

// An input no notation takes is refused once, with exactly the calls of a
// single conversion, and the list stays empty.
TEST_F(AllNotations, ARefusedInputIsRefusedOnceAsInASingleConversion) {
    for (const Input& input : {decimal(kGRS80, "91", "9.9"), decimal(kBessel, "48", "181"),
                               decimal(kHayford, "", "9")}) {
        DriverBench single(input.start, kGRS80, input.format, kGradMinuten);
        typeInput(single, input);
        single.press();
        ASSERT_FALSE(single.screen.messages.empty());

        const DriverBench list = listOf(input);
        EXPECT_EQ(list.screen.events(), single.screen.events()) << input.fields[0].second;
        for (Element e : kAllNotationsRows)
            EXPECT_EQ(list.screen.text(e), "") << elementName(e);
    }
}

// The whole list as "Ergebnis kopieren" copies it: each group's heading,
// then label and text, one line per notation in list order.
TEST_F(AllNotations, TheCopiedListNamesEveryLineUnderItsHeading) {
    const DriverBench list = listOf(decimal(kGRS80, "48.436333", "9.967967"));
    const std::string text = allNotationsText(list.screen);
    std::vector<std::string> lines;
    for (std::size_t start = 0, end; start <= text.size(); start = end + 1) {
        end = std::min(text.find('\n', start), text.size());
        lines.push_back(text.substr(start, end - start));
    }
    ASSERT_EQ(lines.size(), kAllNotationsRows.size());
    EXPECT_EQ(lines[0], "GRS80 (WGS84, ETRS89): kein Datumsübergang");
    EXPECT_EQ(lines[4], "GRS80 UTM zivil: 32U 0571595 5365251");
    EXPECT_EQ(lines[8], "Bessel (DHDN): Datumsübergang Molodensky (3 Parameter): gegenüber der "
                        "amtlichen Umrechnung etwa 3 m, bis 8 m");
    EXPECT_EQ(lines[12], "Bessel Gauß-Krüger: R 3571699.02 H 5366959.2 E009°");
    EXPECT_EQ(lines[13], "Hayford (ED50): Datumsübergang Molodensky (3 Parameter, Westeuropa): "
                         "gegenüber ED50 der Landesnetze etwa 10 m");
    EXPECT_EQ(lines[19], "Hayford UTM referentiell: 32U NU 7167865451 ED50");
    EXPECT_EQ(list.screen.text(Element::labGenauigkeit), kAllNotationsAccuracyText);
}

} // namespace
} // namespace lw
