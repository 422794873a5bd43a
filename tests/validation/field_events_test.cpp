#include "support/fake_screen.h"
#include "text/utf8.h"
#include "validation/field_events.h"
#include "validation/field_rules.h"
#include "validation/key_filters.h"
#include "validation/sound.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lw {
namespace {

using test::FakeScreen;
using Events = std::vector<std::string>;

const std::string kSound = "sound SystemHand";

TEST(KeyFilters, AdmitTheirAsciiSetsAndEditingKeysOnly) {
    struct Case {
        char32_t code;
        bool ziffern, dezimal, alphanum, buchstaben;
    };
    const Case cases[] = {
        {U'0', true, true, true, false},
        {U'9', true, true, true, false},
        {U'.', false, true, false, false},
        {U',', false, true, false, false},
        {U'A', false, false, true, true},
        {U'z', false, false, true, true},
        {8, true, true, true, true},
        {9, true, true, true, true},
        {13, true, true, true, true},
        {10, false, false, false, false},
        {0, false, false, false, false},
        {U' ', false, false, false, false},
        {U'-', false, false, false, false},
        {U'+', false, false, false, false},
        {U'/', false, false, false, false},
        {U':', false, false, false, false},
        {U'@', false, false, false, false},
        {U'[', false, false, false, false},
        {U'`', false, false, false, false},
        {U'{', false, false, false, false},
        {0xC4, false, false, false, false},
        {0xE4, false, false, false, false}, // Ä ä
        {0xDF, false, false, false, false},
        {0x0660, false, false, false, false}, // ß, Arabic zero
        {0x1D7CE, false, false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<unsigned>(c.code));
        EXPECT_EQ(ZiffernTaste(c.code), c.ziffern);
        EXPECT_EQ(DezimalTaste(c.code), c.dezimal);
        EXPECT_EQ(AlphanumTaste(c.code), c.alphanum);
        EXPECT_EQ(BuchstabenTaste(c.code), c.buchstaben);
    }
}

TEST(KeyFilters, UpperCasingCoversAsciiAndLatin1LettersOnly) {
    const std::pair<char32_t, char32_t> cases[] = {
        {U'a', U'A'}, {U'z', U'Z'}, {U'A', U'A'}, {U'5', U'5'}, {U'{', U'{'},
        {0xE0, 0xC0}, {0xE4, 0xC4}, {0xFE, 0xDE}, {0xF7, 0xF7}, // ÷ stays
        {0xFF, 0xFF}, {0xDF, 0xDF},                             // ÿ, ß stay
    };
    for (auto [in, out] : cases)
        EXPECT_EQ(upperCaseKey(in), out) << static_cast<unsigned>(in);
}

struct KeyCase {
    Element field;
    char32_t code;
    char32_t inserted;   // 0 = discarded
    std::string message; // "" = none
};

TEST(KeyPress, RewritesOrRefusesAsTheFieldRuleSays) {
    const KeyCase cases[] = {
        {Element::texBreite, U',', U'.', ""},
        {Element::texBreite, U'7', U'7', ""},
        {Element::texBGrad, U'x', 0, "Die Eingabe von\r\nx\r\nist für die Breite nicht zulässig!"},
        {Element::texBGrad, U',', 0, "Die Eingabe von\r\n,\r\nist für die Breite nicht zulässig!"},
        {Element::texBreiteGrad, U'.', 0,
         "Die Eingabe von\r\n.\r\nist für die Breite nicht zulässig!"},
        {Element::texLaengeMinute, U'a', 0,
         "Die Eingabe von\r\na\r\nist für die Minuteneingabe der Länge nicht zulässig!"},
        {Element::texZone, U'u', U'U', ""},
        {Element::texZone, 0xE4, 0, "Die Eingabe von\r\nÄ\r\nist für die Zone nicht zulässig!"},
        {Element::texREF100, U'q', U'Q', ""},
        {Element::texREF100, U'1', 0, "Die Eingabe von\r\n1\r\nist bei 100km nicht zulässig!"},
        {Element::texREFZiffern, U'/', 0,
         "Die Eingabe von\r\n/\r\nist für die Ziffern nicht zulässig!"},
        {Element::texGKRechts, U',', U'.', ""},
        {Element::texGKHoch, U'e', 0,
         "Die Eingabe von\r\ne\r\nist für den Hochwert nicht zulässig!"},
        {Element::texRechts, U'.', 0,
         "Die Eingabe von\r\n.\r\nist für den Rechtswert nicht zulässig!"},
        // Unfiltered fields take anything; only tex100km upper-cases.
        {Element::tex100km, U'm', U'M', ""},
        {Element::tex100km, 0xFC, 0xDC, ""},
        {Element::tex10km, U'x', U'x', ""},
        {Element::tex1m, U',', U',', ""},
    };
    for (const KeyCase& c : cases) {
        SCOPED_TRACE(std::string(elementName(c.field)) + " " + std::to_string(c.code));
        FakeScreen screen;
        ProgramState state;
        screen.type(c.field, "12");
        EXPECT_EQ(onKeyPress(screen, state, c.field, c.code), c.inserted);
        EXPECT_EQ(screen.text(c.field), "12");
        if (c.message.empty()) {
            EXPECT_TRUE(screen.log.empty());
        } else {
            EXPECT_EQ(screen.events(), (Events{kSound, "AusgabeReset", "critical: " + c.message}));
        }
    }
}

TEST(KeyPress, RefusedKeyEmptiesTheOutputMask) {
    FakeScreen screen;
    ProgramState state;
    screen.type(Element::texBreiteAUS, "N48.000000");
    onKeyPress(screen, state, Element::texBGrad, U'q');
    EXPECT_TRUE(screen.outputEmpty());
}

TEST(KeyPress, BlankAndSignsAreRefusedInEveryFilteredField) {
    for (const FieldRule& rule : fieldRules()) {
        if (rule.filter == KeyFilter::None)
            continue;
        for (char32_t code : {U' ', U'-', U'+', char32_t{0xDF}}) {
            FakeScreen screen;
            ProgramState state;
            EXPECT_EQ(onKeyPress(screen, state, rule.field, code), 0u) << elementName(rule.field);
            ASSERT_EQ(screen.messages.size(), 1u);
            EXPECT_EQ(screen.messages[0].text, "Die Eingabe von\r\n" + utf8::encode(code) + "\r\n" +
                                                   std::string(rule.messageEnding));
            EXPECT_EQ(screen.sounds, (Events{"SystemHand"}));
        }
    }
}

TEST(KeyPress, BackspaceAndTabPassEveryField) {
    for (const FieldRule& rule : fieldRules()) {
        FakeScreen screen;
        ProgramState state;
        EXPECT_EQ(onKeyPress(screen, state, rule.field, kBackspace), kBackspace);
        EXPECT_EQ(onKeyPress(screen, state, rule.field, kTab), kTab);
        EXPECT_TRUE(screen.log.empty()) << elementName(rule.field);
    }
}

TEST(KeyPress, EnterMovesTheFocusAlongEachMask) {
    const std::pair<Element, Element> cases[] = {
        {Element::texBreite, Element::texLaenge},
        {Element::texLaenge, Element::comRechnen},
        {Element::texLaengeMinute, Element::comRechnen},
        {Element::texLSekunde, Element::comRechnen},
        {Element::texRechts, Element::texHoch},
        {Element::texHoch, Element::comRechnen},
        {Element::tex100km, Element::tex10km},
        {Element::tex1m, Element::comRechnen},
        {Element::texREFZiffern, Element::comRechnen},
        {Element::texGKHoch, Element::comRechnen},
    };
    for (auto [field, target] : cases) {
        FakeScreen screen;
        ProgramState state;
        EXPECT_EQ(onKeyPress(screen, state, field, kEnter), 0u);
        EXPECT_EQ(screen.events(), (Events{"focus " + std::string(elementName(target))}));
    }
}

TEST(KeyPress, EnterInZoneEnablesTheEastingBeforeFocusingIt) {
    FakeScreen screen;
    ProgramState state;
    EXPECT_EQ(onKeyPress(screen, state, Element::texZone, kEnter), 0u);
    EXPECT_EQ(screen.events(), (Events{"enable texRechts", "focus texRechts"}));
}

TEST(KeyPress, EveryInputFieldButTheMeridianHasAHandler) {
    EXPECT_EQ(fieldRules().size(), 31u); // 29 input fields, 2 output choices
    EXPECT_TRUE(hasKeyHandler(Element::texBreite));
    EXPECT_TRUE(hasKeyHandler(Element::tex1m));
    EXPECT_FALSE(hasKeyHandler(Element::texMeridian));
    EXPECT_FALSE(hasKeyHandler(Element::texBreiteAUS));
}

TEST(FocusEvents, EnteringAFieldClearsOutputAndSelectsOrGuardsTheZone) {
    struct Case {
        Element field;
        std::string zone;
        Events events;
    };
    const std::string guard = "critical: Sie müssen zuerst die Zone eingeben,\r\n"
                              "sonst kann ich die gültigen Extremwerte nicht berechnen.";
    const Case cases[] = {
        {Element::texBreite, "", {"AusgabeReset", "select texBreite"}},
        {Element::tex10km, "", {"AusgabeReset", "select tex10km"}},
        {Element::texZone,
         "32U",
         {"hide labLimitsRechts", "hide labLimitsHoch", "AusgabeReset", "select texZone"}},
        {Element::texRechts,
         "",
         {kSound, "AusgabeReset", guard, "focus texZone", "select texZone"}},
        {Element::texHoch, "", {kSound, "AusgabeReset", guard, "focus texZone", "select texZone"}},
        {Element::texRechts, "32U", {"AusgabeReset", "select texRechts"}},
        {Element::texHoch, "3", {"AusgabeReset", "select texHoch"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "row " << (&c - &cases[0]));
        FakeScreen screen;
        ProgramState state;
        screen.type(Element::texZone, c.zone);
        screen.type(Element::texZone2, "32U");
        onGotFocus(screen, state, c.field);
        EXPECT_EQ(screen.events(), c.events) << elementName(c.field);
        EXPECT_TRUE(screen.outputEmpty());
    }
}

TEST(FocusEvents, LeavingALatitudeOrLongitudeTurnsPastedCommasIntoPoints) {
    const std::pair<std::string, std::string> cases[] = {
        {"48,137", "48.137"}, {"1,2,3", "1.2.3"}, {"48.5", "48.5"}, {"", ""}};
    for (Element field : {Element::texBreite, Element::texLaenge}) {
        for (const auto& [typed, after] : cases) {
            FakeScreen screen;
            ProgramState state;
            screen.type(field, typed);
            onLostFocus(screen, state, field);
            EXPECT_EQ(screen.text(field), after);
        }
    }
    FakeScreen screen;
    ProgramState state;
    screen.type(Element::texBreiteMinute, "1,5"); // mended by the check, not here
    onLostFocus(screen, state, Element::texBreiteMinute);
    EXPECT_EQ(screen.text(Element::texBreiteMinute), "1,5");
}

// The sample button used to leave the previous point's result beside the
// sample point, ready to be copied as if it were the sample's.
TEST(SamplePoint, EmptiesTheOutputWhenItChangesTheTasksInput) {
    const std::string lat = "48.4363326641023", lon = "9.96796724981198";
    struct Case {
        const char* name;
        std::uint8_t input;
        std::string latBefore, lonBefore;
        bool outputEmptied;
    };
    const Case cases[] = {
        {"another point", kGradDezimal, "12.5", "7", true},
        {"empty fields", kGradDezimal, "", "", true},
        {"only the longitude differs", kGradDezimal, lat, "7", true},
        {"the sample point already", kGradDezimal, lat, lon, false},
        {"hidden decimal mask", kGradMinuten, "12.5", "7", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeScreen screen;
        ConversionJob job;
        job.FormatEIN = c.input;
        screen.type(Element::texBreite, c.latBefore);
        screen.type(Element::texLaenge, c.lonBefore);
        screen.type(Element::texZone2, "32U");
        fillSamplePoint(screen, job);
        EXPECT_EQ(screen.text(Element::texBreite), lat);
        EXPECT_EQ(screen.text(Element::texLaenge), lon);
        EXPECT_EQ(screen.events(), c.outputEmptied ? Events{"AusgabeReset"} : Events{});
        EXPECT_EQ(screen.outputEmpty(), c.outputEmptied);
    }
}

TEST(FehlerTon, OnlySoundNumberTwoPlaysTheCriticalStop) {
    const std::pair<int, std::size_t> cases[] = {{-1, 0}, {0, 0}, {1, 0}, {2, 1}, {3, 0}};
    for (auto [number, played] : cases) {
        FakeScreen screen;
        FehlerTon(screen, number);
        EXPECT_EQ(screen.sounds.size(), played) << number;
        if (played) {
            EXPECT_EQ(screen.sounds[0], "SystemHand");
        }
    }
}

TEST(Utf8, CountsAndQuotesCharactersNotBytes) {
    EXPECT_EQ(utf8::charCount("Äb€"), 3u);
    EXPECT_EQ(utf8::nthChar("Äb€", 1), "Ä");
    EXPECT_EQ(utf8::nthChar("Äb€", 3), "€");
    EXPECT_EQ(utf8::nthChar("Äb€", 4), "");
    EXPECT_EQ(utf8::leftChars("Ä1X", 2), "Ä1");
    EXPECT_EQ(utf8::lastChar(""), "");
    EXPECT_EQ(utf8::charCount("\xC3"), 1u); // a lone lead byte is one character
    EXPECT_EQ(utf8::nthChar("\xFF", 1), "\xEF\xBF\xBD");
    EXPECT_EQ(utf8::encode(char32_t{0x110000}), "\xEF\xBF\xBD");
    EXPECT_EQ(utf8::decode("a\xC3\x84"), (std::u32string{U'a', 0xC4}));
}

} // namespace
} // namespace lw
