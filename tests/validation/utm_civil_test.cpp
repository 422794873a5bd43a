#include "support/fake_screen.h"
#include "validation/field_events.h"
#include "validation/validators.h"
#include "validation/zone_limits.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lw {
namespace {

using test::FakeScreen;
using Events = std::vector<std::string>;

const std::string kSound = "sound SystemHand";
const std::string kBandMessage = "Das 3. Zeichen der Zone muss einer der Buchstaben\r\n\r\n"
                                 "C D E F G H J K L M N P Q R S T U V W X\r\n\r\nsein";
const std::string kFirstChar = "Das 1. Zeichen der Zone muss eine Ziffer ( 0...6 ) sein!";
const std::string kSecondChar = "Das 2. Zeichen der Zone muss eine Ziffer ( 0...9 ) sein!";

TEST(ZoneLimits, BandRowsWithTheShortenedZones) {
    struct Case {
        std::string zone;
        std::string rechtsMin, rechtsMax, hochMin, hochMax;
    };
    const Case cases[] = {
        {"32U", "0276224", "0723776", "5316301", "6210141"},
        {"01C", "0396567", "0603433", "1116915", "2011066"},
        {"33N", "0166021", "0833979", "0000000", "0885504"},
        {"31V", "0312929", "0500000", "6206081", "7100467"},
        {"32V", "0126050", "0687071", "6206081", "7100467"},
        {"33V", "0312929", "0687071", "6206081", "7100467"},
        {"31X", "0396567", "0706636", "7988934", "9329004"},
        {"33X", "0293364", "0706636", "7988934", "9329004"},
        {"35X", "0293364", "0706636", "7988934", "9329004"},
        // 37X keeps the plain X maximum and minimum northing: its central
        // meridian point 75N 39E (37X 0500000 8323607) used to be out of range.
        {"37X", "0293364", "0603433", "7988934", "9329004"},
        {"00X", "0396567", "0603433", "7988934", "9329004"},
        {"61U", "0276224", "0723776", "5316301", "6210141"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.zone);
        FakeScreen screen;
        ProgramState state;
        screen.type(Element::texZone, c.zone);
        onLostFocus(screen, state, Element::texZone);
        EXPECT_EQ(state.calc.strRechtsMin, c.rechtsMin);
        EXPECT_EQ(state.calc.strRechtsMax, c.rechtsMax);
        EXPECT_EQ(state.calc.strHochMin, c.hochMin);
        EXPECT_EQ(state.calc.strHochMax, c.hochMax);
        EXPECT_EQ(screen.text(Element::labLimitsRechts),
                  c.rechtsMax + " Maximum\n" + c.rechtsMin + " Minimum");
        EXPECT_EQ(screen.text(Element::labLimitsHoch),
                  c.hochMax + " Maximum\n" + c.hochMin + " Minimum");
        EXPECT_EQ(screen.events(), (Events{"show labLimitsRechts", "show labLimitsHoch"}));
    }
    EXPECT_FALSE(zoneLimits("I", 32));
    EXPECT_FALSE(zoneLimits("", 32));
}

TEST(ZoneLimits, LeavingTheZoneRefusesBadCharactersInTheirOwnOrder) {
    struct Case {
        std::string zone;
        Events events;
    };
    const Case cases[] = {
        {"A2U",
         {kSound, "AusgabeReset", "critical: " + kFirstChar, "focus texZone", "select texZone"}},
        {"7",
         {kSound, "AusgabeReset", "critical: " + kFirstChar, "focus texZone", "select texZone"}},
        {"Ä2U",
         {kSound, "AusgabeReset", "critical: " + kFirstChar, "focus texZone", "select texZone"}},
        {"3AU",
         {kSound, "critical: " + kSecondChar, "AusgabeReset", "focus texZone", "select texZone"}},
        {"32I",
         {kSound, "critical: " + kBandMessage, "AusgabeReset", "focus texZone", "select texZone"}},
        {"32Ü",
         {kSound, "critical: " + kBandMessage, "AusgabeReset", "focus texZone", "select texZone"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "row " << (&c - &cases[0]));
        FakeScreen screen;
        ProgramState state;
        state.calc.strRechtsMax = "keep";
        screen.type(Element::texZone, c.zone);
        onLostFocus(screen, state, Element::texZone);
        EXPECT_EQ(screen.events(), c.events) << c.zone;
        EXPECT_EQ(state.calc.strRechtsMax, "keep");
    }
}

TEST(ZoneLimits, AnEmptyZoneShowsTheLimitsStoredBefore) {
    FakeScreen screen;
    ProgramState state;
    state.calc.strRechtsMin = "0276224";
    state.calc.strRechtsMax = "0723776";
    onLostFocus(screen, state, Element::texZone);
    EXPECT_EQ(screen.text(Element::labLimitsRechts), "0723776 Maximum\n0276224 Minimum");
    EXPECT_TRUE(screen.isVisible(Element::labLimitsHoch, false));
    EXPECT_TRUE(screen.messages.empty());
}

struct CivilCase {
    const char* name;
    std::string zone, rechts, hoch;
    std::string message; // "" = accepted
    Element focus = Element::Count_;
};

TEST(UTMZivilPruefen, TestsInOrderAgainstTheStoredLimits) {
    using E = Element;
    const std::string lengthMessage = "Der Rechtswert muss aus genau 7 Ziffern bestehen,\r\nwobei "
                                      "die erste Ziffer eine 0 sein muss!";
    const CivilCase cases[] = {
        {"valid", "32U", "0691831", "5334750", ""},
        {"easting at maximum", "32U", "0723776", "5334750", ""},
        {"easting above maximum", "32U", "0723777", "5334750",
         "Der Rechtswert darf das angezeigte Maximum nicht überschreiten!", E::texRechts},
        {"easting at minimum", "32U", "0276224", "5334750", ""},
        {"easting below minimum", "32U", "0276223", "5334750",
         "Der Rechtswert darf das angezeigte Minimum nicht unterschreiten!", E::texRechts},
        {"northing at limits", "32U", "0500000", "6210141", ""},
        {"northing above maximum", "32U", "0500000", "6210142",
         "Der Hochwert darf das angezeigte Maximum nicht überschreiten!", E::texHoch},
        {"northing below minimum", "32U", "0500000", "5316300",
         "Der Hochwert darf das angezeigte Minimum nicht unterschreiten!", E::texHoch},
        {"band N northing zero", "33N", "0500000", "0000000", ""},
        {"zone 37X central meridian", "37X", "0500000", "8323607", ""},
        {"zone 00X", "00X", "0500000", "8000000", "Es gibt keine Zone 00!", E::texZone},
        {"zone 61U", "61U", "0500000", "5500000", "Es gibt keine Zone 61!", E::texZone},
        {"zone 60X", "60X", "0500000", "8000000", ""},
        {"zone of two", "32", "0500000", "5500000",
         "Das Zonenfeld muss aus genau 3 Zeichen bestehen!", E::texZone},
        {"zone with umlaut counts as 3", "3ÄU", "0500000", "5500000", kSecondChar, E::texZone},
        {"letter then digit", "A2U", "0500000", "5500000", kFirstChar, E::texZone},
        {"band I", "32I", "0500000", "5500000", kBandMessage, E::texZone},
        {"Spitsbergen 32X", "32X", "0500000", "8000000",
         "Das Zonenfeld 32X entfällt auf Spitzbergen.", E::texZone},
        {"Spitsbergen 34X", "34X", "0500000", "8000000",
         "Das Zonenfeld 34X entfällt auf Spitzbergen.", E::texZone},
        {"Spitsbergen 36X", "36X", "0500000", "8000000",
         "Das Zonenfeld 36X entfällt auf Spitzbergen.", E::texZone},
        {"six-digit easting", "32U", "691831", "5334750", lengthMessage, E::texRechts},
        {"easting starting with 1", "32U", "1691831", "5334750",
         "Der Rechtswert muss mit 0 beginnen!", E::texRechts},
        {"easting with letter", "32U", "069183a", "5334750",
         "Im Rechtswert sind nur die Ziffern ( 0...9 ) zugelassen1", E::texRechts},
        {"easting zero", "32U", "0000000", "5334750", "Der Rechtswert kann nicht Null sein!",
         E::texRechts},
        {"eight-digit northing", "32U", "0691831", "53347500",
         "Der Hochwert muss aus genau 7 Ziffern bestehen!", E::texHoch},
        {"northing with blank", "32U", "0691831", "5334 50",
         "Im Hochwert sind nur die Ziffern ( 0...9 ) zugelassen!", E::texHoch},
    };
    for (const CivilCase& c : cases) {
        SCOPED_TRACE(c.name);
        FakeScreen screen;
        ProgramState state;
        screen.type(Element::texZone, c.zone);
        // The limits come from leaving the zone field, as on the screen.
        onLostFocus(screen, state, Element::texZone);
        screen.clearLog();
        screen.type(Element::texRechts, c.rechts);
        screen.type(Element::texHoch, c.hoch);
        screen.type(Element::texZone2, "32U");
        UTMZivilPruefen(screen, state);
        EXPECT_EQ(state.calc.blnEingabeOK, c.message.empty());
        if (c.message.empty()) {
            EXPECT_TRUE(screen.log.empty());
        } else {
            EXPECT_EQ(screen.events(), (Events{kSound, "critical: " + c.message, "AusgabeReset",
                                               "focus " + std::string(elementName(c.focus)),
                                               "select " + std::string(elementName(c.focus))}));
            EXPECT_TRUE(screen.outputEmpty());
        }
    }
}

// Without a zone "Berechnung" used to do nothing at all; it now refuses as the
// military and reference masks do, before the zone is handed to any other check.
TEST(UTMZivilPruefen, EmptyZoneIsRefusedByName) {
    FakeScreen screen;
    ProgramState state;
    state.calc.blnEingabeOK = true;
    state.job = {kGRS80, kBessel, "AB", "47", kGaussKrueger, kUTMzivil};
    screen.type(Element::texRechts, "0500000");
    screen.type(Element::texZone2, "32U");
    UTMZivilPruefen(screen, state);
    EXPECT_FALSE(state.calc.blnEingabeOK);
    EXPECT_EQ(screen.events(),
              (Events{kSound, "AusgabeReset", "focus texZone", "select texZone",
                      "critical: Ohne Angabe der Zone kann die Berechnung nicht durchgeführt "
                      "werden."}));
    EXPECT_TRUE(screen.outputEmpty());
}

TEST(UTMZivilPruefen, GaussKruegerRefusalDoesNotEndTheCheck) {
    FakeScreen screen;
    ProgramState state;
    state.job = {kGRS80, kBessel, "AB", "47", kGaussKrueger, kUTMzivil};
    screen.type(Element::texZone, "32V");
    onLostFocus(screen, state, Element::texZone);
    screen.clearLog();
    screen.type(Element::texRechts, "0500000");
    screen.type(Element::texHoch, "6700000");
    UTMZivilPruefen(screen, state);
    EXPECT_TRUE(state.calc.blnEingabeOK);
    ASSERT_EQ(screen.messages.size(), 1u);
    EXPECT_EQ(screen.messages[0].icon, MessageIcon::Information);
    EXPECT_EQ(state.job.FormatAUS, kKeinFormat);
}

} // namespace
} // namespace lw
