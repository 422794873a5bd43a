// All 49 input/output combinations, from typed texts to the exact output texts.
//
// The point is the sample point "Krummbögle" (48.4363326641023 N,
// 9.96796724981198 E on GRS80) in every notation on GRS80, and Bessel 50 N
// 10 E as Gauss-Krueger input. The expected texts were derived from the
// conversion rules step by step (series, Molodensky shift, rounding and text
// rules) independently of this code, and checked against PROJ to the metre.
#include "driver_test_support.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace lw {
namespace {

using test::DriverBench;
using test::Texts;

Texts typedInput(int format) {
    switch (format) {
    case kGradDezimal:
        return {{Element::texBreite, "48.4363326641023"}, {Element::texLaenge, "9.96796724981198"}};
    case kGradMinuten:
        return {{Element::texBreiteGrad, "48"},
                {Element::texBreiteMinute, "26.17996"},
                {Element::texLaengeGrad, "9"},
                {Element::texLaengeMinute, "58.078035"}};
    case kGradMinSek:
        return {{Element::texBGrad, "48"},      {Element::texBMinute, "26"},
                {Element::texBSekunde, "10.8"}, {Element::texLGrad, "9"},
                {Element::texLMinute, "58"},    {Element::texLSekunde, "4.68"}};
    case kUTMzivil:
        return {{Element::texZone, "32U"},
                {Element::texRechts, "0571595"},
                {Element::texHoch, "5365251"}};
    case kUTMmil:
        return {{Element::texZoneM, "32U"}, {Element::tex100km, "NU"}, {Element::tex10km, "76"},
                {Element::tex1km, "15"},    {Element::tex100m, "52"},  {Element::tex10m, "95"},
                {Element::tex1m, "51"}};
    case kUTMref:
        return {{Element::texREFZone, "32U"},
                {Element::texREF100, "NU"},
                {Element::texREFZiffern, "7159565251"}};
    default:
        return {{Element::texGKRechts, "3571686.39"}, {Element::texGKHoch, "5540758.79"}};
    }
}

// The output fields of each format, in the order the expected texts list them.
std::vector<Element> outputFields(int format) {
    switch (format) {
    case kGradDezimal:
        return {Element::texBreiteAUS, Element::texLaengeAUS};
    case kGradMinuten:
        return {Element::texBreiteGradAUS, Element::texBreiteMinuteAUS, Element::texLaengeGradAUS,
                Element::texLaengeMinuteAUS};
    case kGradMinSek:
        return {Element::texBGradAUS, Element::texBMinuteAUS, Element::texBSekundeAUS,
                Element::texLGradAUS, Element::texLMinuteAUS, Element::texLSekundeAUS};
    case kUTMzivil:
        return {Element::texZone2, Element::texRechts2, Element::texHoch2};
    case kUTMmil:
        return {Element::texMilUTM};
    case kUTMref:
        return {Element::texREFAUS};
    default:
        return {Element::texGKRechtsAUS, Element::texGKHochAUS, Element::texMeridianAUS,
                Element::labStreifenbreite};
    }
}

// Gauss-Krueger outside its own ellipsoid pair is impossible: format 7 needs
// Bessel, formats 4-6 need GRS80 or Hayford.
struct Ellipsoids {
    const char* start;
    const char* target;
};
Ellipsoids ellipsoidsFor(int in, int out) {
    const char* start = in == kGaussKrueger ? kBessel : kGRS80;
    const char* target = out == kGaussKrueger                     ? kBessel
                         : in == kGaussKrueger && out < kUTMzivil ? kBessel
                                                                  : kGRS80;
    return {start, target};
}

struct Combination {
    int in, out;
    std::vector<std::string> texts;
};

const std::vector<std::string> kDecimalSample = {"N48.436333", "E009.967967"};
const std::vector<std::string> kCivilSample = {"32U", "0571595", "5365251"};
const std::vector<std::string> kMilitarySample = {"32U  NU  76.15.52.95.51"};
const std::vector<std::string> kReferenceSample = {"32U  NU  7159565251"};
const std::vector<std::string> kGaussKruegerSample = {"3571699.04", "5366959.16", "E009°", "3"};
// The UTM point decoded to whole metres lies a few decimetres off the sample.
const std::vector<std::string> kDecimalFromUtm = {"N48.436331", "E009.967972"};
const std::vector<std::string> kMinutesFromUtm = {"N48", "26.179873", "E009", "58.078334"};
const std::vector<std::string> kSecondsFromUtm = {"N48", "26", "10.79", "E009", "58", "4.70"};
const std::vector<std::string> kGaussKruegerFromUtm = {"3571699.41", "5366959.01", "E009°", "3"};

const std::vector<Combination> kCombinations = {
    {1, 1, kDecimalSample},
    {1, 2, {"N48", "26.179960", "E009", "58.078035"}},
    {1, 3, {"N48", "26", "10.80", "E009", "58", "4.68"}},
    {1, 4, kCivilSample},
    {1, 5, kMilitarySample},
    {1, 6, kReferenceSample},
    {1, 7, kGaussKruegerSample},
    {2, 1, kDecimalSample},
    {2, 2, {"N48", "26.179960", "E009", "58.078035"}},
    {2, 3, {"N48", "26", "10.80", "E009", "58", "4.68"}},
    {2, 4, kCivilSample},
    {2, 5, kMilitarySample},
    {2, 6, kReferenceSample},
    {2, 7, kGaussKruegerSample},
    {3, 1, kDecimalSample},
    {3, 2, {"N48", "26.180000", "E009", "58.078000"}},
    {3, 3, {"N48", "26", "10.80", "E009", "58", "4.68"}},
    {3, 4, kCivilSample},
    {3, 5, kMilitarySample},
    {3, 6, kReferenceSample},
    {3, 7, {"3571698.99", "5366959.24", "E009°", "3"}},
    {4, 1, kDecimalFromUtm},
    {4, 2, kMinutesFromUtm},
    {4, 3, kSecondsFromUtm},
    {4, 4, kCivilSample}, // copied: same notation, same ellipsoid
    {4, 5, kMilitarySample},
    {4, 6, kReferenceSample},
    {4, 7, kGaussKruegerFromUtm},
    {5, 1, kDecimalFromUtm},
    {5, 2, kMinutesFromUtm},
    {5, 3, kSecondsFromUtm},
    {5, 4, kCivilSample},
    {5, 5, {"32U  NU  7159565251"}}, // copied: easting digits, then northing digits
    {5, 6, kReferenceSample},
    {5, 7, kGaussKruegerFromUtm},
    {6, 1, kDecimalFromUtm},
    {6, 2, kMinutesFromUtm},
    {6, 3, kSecondsFromUtm},
    {6, 4, kCivilSample},
    {6, 5, kMilitarySample},
    {6, 6, {"32U NU 7159565251"}}, // copied with single blanks
    {6, 7, kGaussKruegerFromUtm},
    {7, 1, {"N50.000000", "E010.000000"}},
    {7, 2, {"N50", "0.000001", "E010", "0.000003"}},
    {7, 3, {"N50", "00", "0.00", "E010", "00", "0.00"}},
    {7, 4, {"32U", "0571582", "5538982"}},
    {7, 5, {"32U  NA  73.18.59.88.22"}},
    {7, 6, {"32U  NA  7158238982"}},
    {7, 7, {"3571686.39", "5540758.79", "E009°", "3"}}, // copied: 3° strips, same meridian
};

// Computed Gauss-Krueger output follows the locale; a copy shows the typed text.
std::string withSeparator(std::string text, const std::string& separator, bool computedGK) {
    std::size_t point = text.find('.');
    if (computedGK && point != std::string::npos)
        text.replace(point, 1, separator);
    return text;
}

void runCombination(const Combination& c, const std::string& separator) {
    Ellipsoids e = ellipsoidsFor(c.in, c.out);
    DriverBench bench(e.start, e.target, c.in, c.out);
    bench.type(typedInput(c.in));
    bench.bandULimits();
    bench.screen.decimalSeparator = separator;
    bench.press();

    std::string label = "combination " + std::to_string(c.in) + std::to_string(c.out) + " (" +
                        e.start + " -> " + e.target + "), separator " + separator;
    EXPECT_TRUE(bench.screen.messages.empty()) << label << ": " << bench.screen.messages[0].text;

    std::vector<Element> fields = outputFields(c.out);
    ASSERT_EQ(fields.size(), c.texts.size()) << label;
    std::map<Element, std::string> expected;
    bool computedGK = c.out == kGaussKrueger && c.in != kGaussKrueger;
    for (std::size_t i = 0; i < fields.size(); ++i)
        expected[fields[i]] = withSeparator(c.texts[i], separator, computedGK);
    EXPECT_EQ(bench.writtenOutput(), expected) << label;
    if (c.in == kGaussKrueger) {
        EXPECT_EQ(bench.screen.text(Element::texMeridian), "E009°") << label;
    }
}

TEST(DriverCombinations, EveryInputToEveryOutputWithPointSeparator) {
    ASSERT_EQ(kCombinations.size(), 49u);
    for (const Combination& c : kCombinations)
        runCombination(c, ".");
}

TEST(DriverCombinations, GaussKruegerOutputUsesTheLocaleDecimalComma) {
    for (const Combination& c : kCombinations)
        if (c.out == kGaussKrueger)
            runCombination(c, ",");
}

} // namespace
} // namespace lw
