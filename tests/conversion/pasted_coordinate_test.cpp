#include "conversion/pasted_coordinate.h"

#include "model/job.h"
#include "model/notations.h"

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace lw {
namespace {

// A text that fills its mask: the field texts joined by "|" in typing
// order, and the options it selects joined by blanks.
struct Recognised {
    int notation;
    const char* text;
    const char* fields;
    const char* options;
};

std::string joinedFields(const PastedCoordinate& coordinate) {
    std::string joined;
    for (const auto& [field, text] : coordinate.fields)
        joined += (joined.empty() ? "" : "|") + text;
    return joined;
}

std::string joinedOptions(const PastedCoordinate& coordinate) {
    std::string joined;
    for (Element option : coordinate.options)
        joined += (joined.empty() ? "" : " ") + std::string(elementName(option));
    return joined;
}

void PrintTo(const Recognised& c, std::ostream* os) {
    *os << c.notation << " \"" << c.text << "\"";
}

class RecognisedText : public ::testing::TestWithParam<Recognised> {};

TEST_P(RecognisedText, FillsEveryFieldOfTheMask) {
    const Recognised& c = GetParam();
    const auto coordinate = recognisePastedCoordinate(c.notation, c.text);
    ASSERT_TRUE(coordinate.has_value());
    EXPECT_EQ(joinedFields(*coordinate), c.fields);
    EXPECT_EQ(joinedOptions(*coordinate), c.options);
}

INSTANTIATE_TEST_SUITE_P(
    Decimal, RecognisedText,
    ::testing::Values(
        Recognised{kGradDezimal, "N48.436333 E009.967967", "48.436333|009.967967",
                   "optDezN optDezE"},
        Recognised{kGradDezimal, "48.436333, 9.967967", "48.436333|9.967967", "optDezN optDezE"},
        Recognised{kGradDezimal, "48.436333,9.967967", "48.436333|9.967967", "optDezN optDezE"},
        Recognised{kGradDezimal, "48,436333 9,967967", "48,436333|9,967967", "optDezN optDezE"},
        Recognised{kGradDezimal, "48,436333, 9,967967", "48,436333|9,967967", "optDezN optDezE"},
        Recognised{kGradDezimal, "48.5°S\t9.25°W", "48.5|9.25", "optDezS optDezW"},
        Recognised{kGradDezimal, "S 48.5 W 9.25", "48.5|9.25", "optDezS optDezW"},
        Recognised{kGradDezimal, "48.5 n 9.25 o", "48.5|9.25", "optDezN optDezE"},
        Recognised{kGradDezimal, "E9.25 N48.5", "48.5|9.25", "optDezN optDezE"},
        Recognised{kGradDezimal, "9.25E 48.5S", "48.5|9.25", "optDezS optDezE"},
        Recognised{kGradDezimal, "48.5 S 9.25", "48.5|9.25", "optDezS optDezE"},
        Recognised{kGradDezimal, "  48. 9 \n", "48.|9", "optDezN optDezE"}));

// Texts without letters mean north and east, as phones and web maps give
// them; a minus sign means south or west. A text without letters once kept
// the hemispheres of the point before, so that "48.137154, 11.576124" after
// a southern point landed south of the equator. "48, 9" is two whole numbers,
// not a decimal comma.
INSTANTIATE_TEST_SUITE_P(
    Signs, RecognisedText,
    ::testing::Values(
        Recognised{kGradDezimal, "40.7128, -74.0060", "40.7128|74.0060", "optDezN optDezW"},
        Recognised{kGradDezimal, "-33.8688 151.2093", "33.8688|151.2093", "optDezS optDezE"},
        Recognised{kGradDezimal, "−33.8688, −70.5", "33.8688|70.5", "optDezS optDezW"},
        Recognised{kGradDezimal, "48, 9", "48|9", "optDezN optDezE"},
        Recognised{kGradDezimal, "-48.5 E9.25", "48.5|9.25", "optDezS optDezE"},
        Recognised{kGradMinuten, "-48 26.5 -9 58", "48|26.5|9|58", "optGMS optGMW"}));

INSTANTIATE_TEST_SUITE_P(
    DegreesMinutes, RecognisedText,
    ::testing::Values(Recognised{kGradMinuten, "N48 26.179960 E009 58.078035",
                                 "48|26.179960|009|58.078035", "optGMN optGME"},
                      Recognised{kGradMinuten, "48° 26,17996' S, 9° 58,078035' W",
                                 "48|26,17996|9|58,078035", "optGMS optGMW"},
                      // A point in the degrees is the key filter's to refuse, not the reader's.
                      Recognised{kGradMinuten, "N48.5 26 E9 58", "48.5|26|9|58", "optGMN optGME"}));

INSTANTIATE_TEST_SUITE_P(DegreesMinutesSeconds, RecognisedText,
                         ::testing::Values(Recognised{kGradMinSek, "N48 26 10.80 E009 58 4.68",
                                                      "48|26|10.80|009|58|4.68",
                                                      "optGradN optGradE"},
                                           Recognised{kGradMinSek, "N 50° 06' 47\" E 8° 40' 55\"",
                                                      "50|06|47|8|40|55", "optGradN optGradE"},
                                           Recognised{kGradMinSek, "50°6′47,5″N 8°40′55″O",
                                                      "50|6|47,5|8|40|55", "optGradN optGradE"},
                                           Recognised{kGradMinSek, "50 6 47 8 40 55",
                                                      "50|6|47|8|40|55", "optGradN optGradE"}));

INSTANTIATE_TEST_SUITE_P(
    UtmCivil, RecognisedText,
    ::testing::Values(Recognised{kUTMzivil, "32U 0571595 5365251", "32U|0571595|5365251", ""},
                      Recognised{kUTMzivil, "32U 571595 5365251", "32U|0571595|5365251", ""},
                      Recognised{kUTMzivil, "32u\t571582,5538982", "32u|0571582|5538982", ""},
                      Recognised{kUTMzivil, "32 U 0571595 5365251", "32U|0571595|5365251", ""},
                      Recognised{kUTMzivil, "32Ü 0571595 5365251", "32Ü|0571595|5365251", ""}));

INSTANTIATE_TEST_SUITE_P(
    UtmMilitary, RecognisedText,
    ::testing::Values(Recognised{kUTMmil, "32U NU 76.15.52.95.51", "32U|NU|76|15|52|95|51", ""},
                      Recognised{kUTMmil, "32U  NU  76.15.52.95.51", "32U|NU|76|15|52|95|51", ""},
                      Recognised{kUTMmil, "32UNU7159565251", "32U|NU|76|15|52|95|51", ""},
                      Recognised{kUTMmil, "32U NU 71595 65251", "32U|NU|76|15|52|95|51", ""},
                      Recognised{kUTMmil, "32U MV 12345 67890", "32U|MV|16|27|38|49|50", ""},
                      Recognised{kUTMmil, "32U NU 76 15 52 95 51", "32U|NU|76|15|52|95|51", ""},
                      Recognised{kUTMmil, "35S MB 86.99.83", "35S|MB|86|99|83||", ""},
                      Recognised{kUTMmil, "32UNU7165", "32U|NU|76|15|||", ""},
                      Recognised{kUTMmil, "32U NU 71 65", "32U|NU|76|15|||", ""},
                      Recognised{kUTMmil, "32u nu 7159565251", "32u|nu|76|15|52|95|51", ""}));

INSTANTIATE_TEST_SUITE_P(
    UtmReference, RecognisedText,
    ::testing::Values(Recognised{kUTMref, "32U NU 7159565251", "32U|NU|7159565251", ""},
                      Recognised{kUTMref, "32U  NU  7159565251", "32U|NU|7159565251", ""},
                      Recognised{kUTMref, "32UMV1234567890", "32U|MV|1234567890", ""},
                      Recognised{kUTMref, "32U MV 12345 67890", "32U|MV|1234567890", ""},
                      Recognised{kUTMref, "32U,MV,1234,5678", "32U|MV|12345678", ""},
                      // An odd group is the validator's to refuse, with its own message.
                      Recognised{kUTMref, "32U NU 123", "32U|NU|123", ""}));

INSTANTIATE_TEST_SUITE_P(
    GaussKrueger, RecognisedText,
    ::testing::Values(
        Recognised{kGaussKrueger, "R 3571686.39 H 5540758.79 E009°", "3571686.39|5540758.79",
                   "optDrei"},
        Recognised{kGaussKrueger, "3571686,39 5540758,79", "3571686,39|5540758,79", ""},
        Recognised{kGaussKrueger, "3571686.39,5540758.79", "3571686.39|5540758.79", ""},
        Recognised{kGaussKrueger, "R 3571686,39 H 5540758,79 E009°", "3571686,39|5540758,79",
                   "optDrei"},
        // The meridian of strip k is 3k in 3° strips and 6k in 6° strips; it
        // sets the width. The reader once took 6k - 3 for 6° strips and left
        // "E006°" and "E018°" pastes in 3° strips, where they computed nothing.
        Recognised{kGaussKrueger, "r 2571686 h 5540758 e006", "2571686|5540758", "optDrei"},
        Recognised{kGaussKrueger, "2571686 5540758 E012°", "2571686|5540758", "optSechs"},
        Recognised{kGaussKrueger, "1571686 5540758 E003°", "1571686|5540758", "optDrei"},
        Recognised{kGaussKrueger, "1571686.39 5540758.79 E006°", "1571686.39|5540758.79",
                   "optSechs"},
        Recognised{kGaussKrueger, "3290856.00 5655734.08 E018°", "3290856.00|5655734.08",
                   "optSechs"},
        // Strip 0 has its meridian at 0° in both widths: the text decides nothing.
        Recognised{kGaussKrueger, "0571686 5540758 E000°", "0571686|5540758", ""}));

// Labelled references: the label goes. "UTMREF 32U NU 71595 65251" once went
// into the zone field alone and left the other fields as they were.
INSTANTIATE_TEST_SUITE_P(
    Labels, RecognisedText,
    ::testing::Values(Recognised{kUTMmil, "UTMREF 32U NU 71595 65251", "32U|NU|76|15|52|95|51", ""},
                      Recognised{kUTMmil, "mgrs: 32UNU7159565251", "32U|NU|76|15|52|95|51", ""},
                      Recognised{kUTMref, "MGRS 32U NU 7159565251", "32U|NU|7159565251", ""},
                      Recognised{kUTMzivil, "UTM 32U 571595 5365251", "32U|0571595|5365251", ""}));

// A copy line's datum name is taken where it is the mask's ellipsoid's, and
// makes the text no coordinate of a mask on another ellipsoid.
struct OnEllipsoid {
    int notation;
    const char* ellipsoid;
    const char* text;
    const char* fields; // nullptr: no whole coordinate
};

TEST(PastedDatumName, TakenOnItsOwnEllipsoidOnly) {
    const OnEllipsoid cases[] = {
        {kUTMzivil, kHayford, "32U 0691735 5334954 ED50", "32U|0691735|5334954"},
        {kUTMzivil, kGRS80, "32U 0691735 5334954 ED50", nullptr},
        {kUTMzivil, kHayford, "32U 0691735 5334954", "32U|0691735|5334954"},
        {kUTMmil, kHayford, "32U NU 76.15.52.95.51 ed50", "32U|NU|76|15|52|95|51"},
        {kGradDezimal, kBessel, "N48.437 E009.969 DHDN", "48.437|009.969"},
        {kGradDezimal, kHayford, "N48.437 E009.969 DHDN", nullptr},
        {kGradDezimal, "", "N48.437 E009.969 DHDN", nullptr},
        {kGaussKrueger, kBessel, "R 3571686.39 H 5540758.79 E009° DHDN", "3571686.39|5540758.79"},
        {kGradMinSek, kBessel, "N48 26 10.80 E009 58 4.68 DHDN", "48|26|10.80|009|58|4.68"},
    };
    for (const OnEllipsoid& c : cases) {
        const auto coordinate = recognisePastedCoordinate(c.notation, c.text, c.ellipsoid);
        ASSERT_EQ(coordinate.has_value(), c.fields != nullptr) << c.text << " on " << c.ellipsoid;
        if (c.fields) {
            EXPECT_EQ(joinedFields(*coordinate), c.fields) << c.text;
        }
    }
}

// Texts that are not one whole coordinate of the mask: they go into the
// focused field alone.
struct Refused {
    int notation;
    const char* text;
};

void PrintTo(const Refused& c, std::ostream* os) {
    *os << c.notation << " \"" << c.text << "\"";
}

class UnrecognisedText : public ::testing::TestWithParam<Refused> {};

TEST_P(UnrecognisedText, IsNoWholeCoordinate) {
    EXPECT_FALSE(recognisePastedCoordinate(GetParam().notation, GetParam().text).has_value());
}

INSTANTIATE_TEST_SUITE_P(
    Geographic, UnrecognisedText,
    ::testing::Values(Refused{kGradDezimal, ""}, Refused{kGradDezimal, "48.436333"},
                      Refused{kGradDezimal, "48,9"}, // one number with a decimal comma
                      Refused{kGradDezimal, "48.4 9.9 1.0"}, Refused{kGradDezimal, "N48 N9"},
                      Refused{kGradDezimal, "E48 E9"}, Refused{kGradDezimal, "N48 9 S"},
                      Refused{kGradDezimal, "--48.5 9.25"}, Refused{kGradDezimal, "Nord 48 9"},
                      // A minus sign belongs before the degrees, and not beside a letter.
                      Refused{kGradMinuten, "48 -26.5 9 58"},
                      Refused{kGradDezimal, "S -33.8 151.2"}, Refused{kGradDezimal, "48.4.3 9"},
                      Refused{kGradDezimal, "N48 26.1 E9 58.0"},
                      Refused{kGradMinuten, "N48.436333 E009.967967"},
                      Refused{kGradMinSek, "N48 26.179960 E009 58.078035"},
                      Refused{kGradMinSek, "48 26 10 N 8 E 40 55"}));

INSTANTIATE_TEST_SUITE_P(
    Utm, UnrecognisedText,
    ::testing::Values(
        Refused{kUTMzivil, "32U"}, Refused{kUTMzivil, "32U 57159 5365251"},
        Refused{kUTMzivil, "32U 0571595 536525"}, Refused{kUTMzivil, "32U 0571595 5365251 7"},
        Refused{kUTMzivil, "2U 0571595 5365251"}, Refused{kUTMzivil, "32UN 0571595 5365251"},
        Refused{kUTMzivil, "32U 571595.5 5365251"}, Refused{kUTMzivil, "N48.436333 E009.967967"},
        Refused{kUTMmil, "32U NU"}, Refused{kUTMmil, "32U N 7159565251"},
        Refused{kUTMmil, "32U NUV 7159565251"}, Refused{kUTMmil, "32U NU 715956525"},
        Refused{kUTMmil, "32U NU 715956525100"}, Refused{kUTMmil, "32U NU 7159 652"},
        Refused{kUTMmil, "32U NU 76.15.5.95.51"}, Refused{kUTMmil, "32U NU 76 15 52 95 51 00"},
        Refused{kUTMmil, "32U NU 76 15 X2"}, Refused{kUTMref, "32U NU"},
        Refused{kUTMref, "32U NU 123 4567"}, Refused{kUTMref, "32U NU 12 34 56"},
        Refused{kUTMref, "32U 0571595 5365251"}));

INSTANTIATE_TEST_SUITE_P(
    GaussKrueger, UnrecognisedText,
    ::testing::Values(Refused{kGaussKrueger, "3571686.39"},
                      Refused{kGaussKrueger, "3571686.39 5540758.79 1"},
                      Refused{kGaussKrueger, "H 3571686.39 R 5540758.79"},
                      Refused{kGaussKrueger, "3571686.39 5540758.79 E012°"}, // neither width
                      Refused{kGaussKrueger, "2571686 5540758 E009°"},       // 6k - 3 is no rule
                      Refused{kGaussKrueger, "3571686.39 5540758.79 E9.5"},
                      // more digits than an int holds
                      Refused{kGaussKrueger, "3571686.39 5540758.79 E55407581600°"},
                      Refused{kGaussKrueger, "3571686.39 x 5540758.79"}));

// The forms users paste from web pages, e-mails and other programs: labels
// before the values (with ":" or "="), ";" or "/" between them, plus signs,
// and the thin and narrow no-break spaces typeset texts put between parts.
INSTANTIATE_TEST_SUITE_P(
    PastedForms, RecognisedText,
    ::testing::Values(
        Recognised{kGaussKrueger, "R=4468508.40 H=5333349.34", "4468508.40|5333349.34", ""},
        Recognised{kGaussKrueger, "R: 4468508.40 H: 5333349.34", "4468508.40|5333349.34", ""},
        Recognised{kGaussKrueger, "RW 4468508.40 HW 5333349.34", "4468508.40|5333349.34", ""},
        Recognised{kGaussKrueger, "Rechtswert 4468508,40 Hochwert 5333349,34",
                   "4468508,40|5333349,34", ""},
        Recognised{kGaussKrueger, "rechtswert: 4468508,40\nhochwert: 5333349,34",
                   "4468508,40|5333349,34", ""},
        Recognised{kGaussKrueger, "4468508,40;5333349,34", "4468508,40|5333349,34", ""},
        Recognised{kGradDezimal, "48.1374; 11.5755", "48.1374|11.5755", "optDezN optDezE"},
        Recognised{kGradDezimal, "Lat 48.1 Lon 11.5", "48.1|11.5", "optDezN optDezE"},
        Recognised{kGradDezimal, "Lat: -33.9, Lng: -70.5", "33.9|70.5", "optDezS optDezW"},
        Recognised{kGradDezimal, "Breite 48,1 Länge 11,5", "48,1|11,5", "optDezN optDezE"},
        Recognised{kGradDezimal, "Breite: 48.1374\nLänge: 11.5755", "48.1374|11.5755",
                   "optDezN optDezE"},
        Recognised{kGradDezimal, "Länge: 11.5755\r\nBreite: 48.1374", "48.1374|11.5755",
                   "optDezN optDezE"},
        Recognised{kGradDezimal, "+48.1 +11.5", "48.1|11.5", "optDezN optDezE"},
        Recognised{kGradDezimal, "48.1 / 11.5", "48.1|11.5", "optDezN optDezE"},
        Recognised{kGradDezimal, "48.1374\u2009N\u202F11.5755\u2009E", "48.1374|11.5755",
                   "optDezN optDezE"},
        Recognised{kGradMinSek, "48°\u202F8′\u202F14″\u2009N 11°\u202F34′\u202F32″\u2009E",
                   "48|8|14|11|34|32", "optGradN optGradE"},
        Recognised{kUTMzivil, "32U\u2009691608\u2009 5334760", "32U|0691608|5334760", ""},
        Recognised{kUTMamtlich, "32 691599.19 5334779.12", "32691599.19|5334779.12", ""},
        Recognised{kUTMamtlich, "32U 691599.19 5334779.12", "32691599.19|5334779.12", ""},
        // Three pairs apart leave the last two empty, as the dotted form does.
        Recognised{kUTMmil, "32U NU 76 15 52", "32U|NU|76|15|52||", ""},
        Recognised{kUTMmil, "32U NU 76.15.52", "32U|NU|76|15|52||", ""}));

// Labels that name an axis twice, or a hemisphere letter beside a label, and
// forms of one notation in another's mask.
INSTANTIATE_TEST_SUITE_P(PastedForms, UnrecognisedText,
                         ::testing::Values(Refused{kGradDezimal, "Lat 48.1 Lat 11.5"},
                                           Refused{kGradDezimal, "Breite 48.1 N Länge 11.5"},
                                           Refused{kGradDezimal, "Lat 48.1 Lon 11.5 Lon"},
                                           Refused{kGradDezimal, "++48.1 11.5"},
                                           Refused{kGaussKrueger,
                                                   "Hochwert 4468508.40 Rechtswert 5333349.34"},
                                           Refused{kGaussKrueger, "RW 4468508.40 HW"},
                                           Refused{kUTMamtlich, "32 5691599.19 5334779.12"},
                                           Refused{kUTMamtlich, "32 691599.19 5334779.12 7"}));

TEST(TakesWholeCoordinate, OnlyTheFirstFieldOfEachMask) {
    for (Element first :
         {Element::texBreite, Element::texBreiteGrad, Element::texBGrad, Element::texZone,
          Element::texZoneM, Element::texREFZone, Element::texGKRechts})
        EXPECT_TRUE(takesWholeCoordinate(first)) << elementName(first);
    for (Element other :
         {Element::texLaenge, Element::texBreiteMinute, Element::texRechts, Element::tex100km,
          Element::texREFZiffern, Element::texGKHoch, Element::texMeridian, Element::texBreiteAUS})
        EXPECT_FALSE(takesWholeCoordinate(other)) << elementName(other);
}

// The one-pass reader of a list's common line must give exactly what the
// general reader gives wherever it takes a text, and take the usual lines.
// Random texts of the characters either reader reacts to, near the plain
// forms, for every notation (the others must be left to the general reader).
TEST(PlainCoordinate, TakesOnlyWhatTheReaderReadsAlike) {
    std::mt19937 random(20261209);
    auto pick = [&](std::string_view from) { return from[random() % from.size()]; };
    // Sides of one to three numbers, each side perhaps with a letter or a
    // sign in front; then now and then a character changed, dropped or added.
    auto line = [&](std::size_t perSide) {
        std::string text;
        for (int side = 0; side < 2; ++side) {
            if (random() % 3 == 0)
                text += pick("NSEWOnse");
            if (random() % 4 == 0)
                text += ' ';
            const std::size_t numbers = random() % 4 == 0 ? 1 + random() % 3 : perSide;
            for (std::size_t i = 0; i < numbers; ++i) {
                if (random() % 5 == 0)
                    text += '-';
                for (std::size_t d = 0, digits = 1 + random() % 7; d < digits; ++d)
                    text += pick("0123456789");
                if (random() % 2 == 0) {
                    text += pick("..........,");
                    for (std::size_t d = 0, digits = random() % 4; d < digits; ++d)
                        text += pick("0123456789");
                }
                text += pick("    \t");
            }
        }
        if (random() % 3 == 0) {
            const std::size_t at = random() % text.size();
            const char c = pick("NSEW-+.,; \t0\x80'");
            if (random() % 3 == 0)
                text.erase(at, 1);
            else if (random() % 2 == 0)
                text[at] = c;
            else
                text.insert(at, 1, c);
        }
        return text;
    };
    std::size_t taken = 0;
    for (const Notation& notation : kNotations) {
        for (int n = 0; n < 30000; ++n) {
            const std::string text = line(notation.paste == PasteForm::Geographic
                                              ? static_cast<std::size_t>(notation.numbersPerAxis)
                                              : 1);
            const auto plain = plainCoordinate(notation.code, text);
            if (!plain)
                continue;
            ++taken;
            const auto pasted = recognisePastedCoordinate(notation.code, text, kGRS80);
            ASSERT_TRUE(pasted) << text;
            ASSERT_EQ(pasted->fields.size(), plain->partCount) << text;
            for (std::size_t i = 0; i < plain->partCount; ++i)
                EXPECT_EQ(pasted->fields[i].second, plain->parts[i]) << text;
            EXPECT_EQ(pasted->options,
                      std::vector<Element>(plain->options.begin(),
                                           plain->options.begin() +
                                               static_cast<std::ptrdiff_t>(plain->optionCount)))
                << text;
        }
    }
    EXPECT_GT(taken, 10000u); // of 240,000
    for (const auto& [code, text] : std::initializer_list<std::pair<int, std::string_view>>{
             {kGradDezimal, "N48.137393 E11.575448"},
             {kGradDezimal, "-33.8688\t151.2093 "},
             {kGradDezimal, "S 33.8688 W 70.1"},
             {kGradMinuten, "N48 8.24358 E11 34.52688"},
             {kGradMinSek, "48 8 14.6 -11 34 31.6"},
             {kGaussKrueger, "3571686.39 5540758.79"}})
        EXPECT_TRUE(plainCoordinate(code, text)) << text;
    for (const auto& [code, text] : std::initializer_list<std::pair<int, std::string_view>>{
             {kGradDezimal, "48,1 11,5"},     // decimal commas: the reader's
             {kGradDezimal, "E11.5 N48.1"},   // longitude first
             {kGradDezimal, "S-33.9 E151.2"}, // letter and sign
             {kGradDezimal, "48.1N 11.5E"},   // letters behind
             {kGaussKrueger, "-3571686.39 5540758.79"},
             {kUTMzivil, "32 691599.19 5334779.12"}})
        EXPECT_FALSE(plainCoordinate(code, text)) << text;
}

} // namespace
} // namespace lw
