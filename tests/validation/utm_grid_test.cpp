#include "support/fake_screen.h"
#include "validation/validators.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lw {
namespace {

using test::FakeScreen;
using Events = std::vector<std::string>;
using E = Element;

const std::string kSound = "sound SystemHand";
const std::string kZoneMissing =
    "Ohne Angabe der Zone kann die Berechnung nicht durchgeführt werden.";
const std::string kSquareMissing =
    "Ohne Angabe des 100km-Quadrates kann die Berechnung nicht durchgeführt werden.";
const std::string kBand = "Das 3. Zeichen der Zone muss einer der Buchstaben\r\n\r\n"
                          "C D E F G H J K L M N P Q R S T U V W X\r\n\r\nsein";
const std::string kSquareFirst = "Die 1. Stelle im 100km Quadrat muss einer der Buchstaben\r\n\r\n"
                                 "A B C D E F G H J K L M N P Q R S T U V W X Y Z\r\n\r\nsein.";
const std::string kSquareSecond = "Die 2. Stelle im 100km Quadrat muss einer der Buchstaben\r\n\r\n"
                                  "A B C D E F G H J K L M N P Q R S T U V\r\n\r\nsein.";

std::string digitsOnly(const std::string& name) {
    return "Im " + name +
           " Feld sind nur ganze Zahlen aus den Ziffern\r\n\r\n"
           "0 1 2 3 4 5 6 7 8 9\r\n\r\nzugelassen.";
}

// Box first, then output cleared, then focus; the missing-field cases clear
// and focus before the box.
Events failure(const std::string& message, Element focus) {
    return {kSound, "critical: " + message, "AusgabeReset",
            "focus " + std::string(elementName(focus)),
            "select " + std::string(elementName(focus))};
}
Events missing(const std::string& message, Element focus) {
    return {kSound, "AusgabeReset", "focus " + std::string(elementName(focus)),
            "select " + std::string(elementName(focus)), "critical: " + message};
}

struct MilCase {
    const char* name;
    std::vector<std::string> texts; // zone, square, 10km, 1km, 100m, 10m, 1m
    Events events;                  // {} = accepted silently
    std::vector<std::string> pairsAfter = {};
};

constexpr E kMilFields[] = {E::texZoneM, E::tex100km, E::tex10km, E::tex1km,
                            E::tex100m,  E::tex10m,   E::tex1m};

TEST(UTMMilPruefen, PresenceZoneSquareAndDigitPairsInOrder) {
    const MilCase cases[] = {
        {"short pairs completed",
         {"32U", "MV", "5", "", "12", "3", "45"},
         {},
         {"05", "00", "12", "03", "45"}},
        {"zone missing", {"", "MV", "1", "1", "1", "1", "1"}, missing(kZoneMissing, E::texZoneM)},
        {"square missing",
         {"32U", "", "1", "1", "1", "1", "1"},
         missing(kSquareMissing, E::tex100km)},
        {"zone 61U", {"61U", "MV"}, failure("Es gibt keine Zone 61!", E::texZoneM)},
        {"zone 00U", {"00U", "MV"}, failure("Es gibt keine Zone 00!", E::texZoneM)},
        {"zone 7AU",
         {"7AU", "MV"},
         failure("Das 1. Zeichen der Zone muss eine Ziffer ( 0...6 ) sein!", E::texZoneM)},
        {"zone 3AU",
         {"3AU", "MV"},
         failure("Das 2. Zeichen der Zone muss eine Ziffer ( 0...9 ) sein!", E::texZoneM)},
        {"zone 32I", {"32I", "MV"}, failure(kBand, E::texZoneM)},
        {"zone 32O", {"32O", "MV"}, failure(kBand, E::texZoneM)},
        {"zone of four",
         {"32UU", "MV"},
         failure("Das Zonenfeld muss aus genau 3 Zeichen bestehen!", E::texZoneM)},
        {"square of three",
         {"32U", "MVV"},
         failure("Für das 100km Quadrat sind genau 2 Buchstaben erforderlich.", E::tex100km)},
        {"square IA", {"32U", "IA"}, failure(kSquareFirst, E::tex100km)},
        {"square AW", {"32U", "AW"}, failure(kSquareSecond, E::tex100km)},
        {"square with umlaut", {"32U", "ÄA"}, failure(kSquareFirst, E::tex100km)},
        {"10km of three",
         {"32U", "MV", "123"},
         failure("Im 10km Feld sind keine 3-stelligen Eingaben zugelassen!", E::tex10km)},
        {"1m of four",
         {"32U", "MV", "1", "1", "1", "1", "1234"},
         failure("Im 1m Feld sind keine 4-stelligen Eingaben zugelassen!", E::tex1m),
         {"01", "01", "01", "01", "1234"}},
        {"100m with letter",
         {"32U", "MV", "1", "2", "x"},
         failure(digitsOnly("100m"), E::tex100m),
         {"01", "02", "0x", "", ""}},
        {"10m with blank",
         {"32U", "MV", "1", "2", "3", "4 "},
         failure(digitsOnly("10m"), E::tex10m)},
        {"1km umlaut pair",
         {"32U", "MV", "1", "Ä"},
         failure(digitsOnly("1km"), E::tex1km),
         {"01", "0Ä", "", "", ""}},
    };
    for (const MilCase& c : cases) {
        SCOPED_TRACE(c.name);
        FakeScreen screen;
        ProgramState state;
        for (std::size_t i = 0; i < c.texts.size(); ++i)
            screen.type(kMilFields[i], c.texts[i]);
        screen.type(E::texMilUTM, "32UMV");
        UTMMilPruefen(screen, state);
        EXPECT_EQ(state.calc.blnEingabeOK, c.events.empty());
        EXPECT_EQ(screen.events(), c.events);
        if (!c.events.empty()) {
            EXPECT_TRUE(screen.outputEmpty());
        }
        for (std::size_t i = 0; i < c.pairsAfter.size(); ++i)
            EXPECT_EQ(screen.text(kMilFields[i + 2]), c.pairsAfter[i]) << i;
    }
}

struct RefCase {
    const char* name;
    std::string zone, square, digits;
    Events events;
    std::string digitsAfter = "";
};

TEST(UTMRefPruefen, ZoneSquareAndDigitGroup) {
    const std::string digitsMessage =
        "In der Zifferngruppe sind nur ganze Zahlen aus den Ziffern\r\n\r\n"
        "0 1 2 3 4 5 6 7 8 9\r\n\r\nzugelassen, also auch keine Leerstelle oder /";
    auto parity = [](int n) {
        return "Die Zifferngruppe muss geradzahlig sein\r\n2 oder 4 oder 6 oder 8 oder 10 "
               "Ziffern.\r\n\r\n " +
               std::to_string(n) + " ist nicht geradzahlig.";
    };
    const RefCase cases[] = {
        {"valid", "32U", "MV", "1234", {}, "1234"},
        {"ten digits", "32U", "MV", "1234567890", {}, "1234567890"},
        {"empty group is ten zeros", "32U", "MV", "", {}, "0000000000"},
        {"zone missing", "", "MV", "", missing(kZoneMissing, E::texREFZone), ""},
        {"square missing", "32U", "", "", missing(kSquareMissing, E::texREF100), ""},
        {"twelve digits", "32U", "MV", "123456789012",
         failure("Sie haben mehr als 10 Ziffern eingegeben!", E::texREFZiffern)},
        {"nine digits", "32U", "MV", "123456789", failure(parity(9), E::texREFZiffern)},
        {"five digits", "32U", "MV", "12345", failure(parity(5), E::texREFZiffern)},
        {"blank", "32U", "MV", "12 4", failure(digitsMessage, E::texREFZiffern)},
        {"slash", "32U", "MV", "12/4", failure(digitsMessage, E::texREFZiffern)},
        {"eleven with blank fails digits first", "32U", "MV", "1234567890 ",
         failure(digitsMessage, E::texREFZiffern)},
        {"square of three", "32U", "MVX", "12",
         failure("Genau 2 Buchstaben sind erforderlich. Beispiel: NU", E::texREF100), "12"},
        {"square AW", "32U", "AW", "12", failure(kSquareSecond, E::texREF100)},
        {"zone 00U keeps zero fill", "00U", "MV", "",
         failure("Es gibt keine Zone 00!", E::texREFZone), "0000000000"},
    };
    for (const RefCase& c : cases) {
        SCOPED_TRACE(c.name);
        FakeScreen screen;
        ProgramState state;
        screen.type(E::texREFZone, c.zone);
        screen.type(E::texREF100, c.square);
        screen.type(E::texREFZiffern, c.digits);
        screen.type(E::texREFAUS, "32UMV");
        UTMRefPruefen(screen, state);
        EXPECT_EQ(state.calc.blnEingabeOK, c.events.empty());
        EXPECT_EQ(screen.events(), c.events);
        if (!c.digitsAfter.empty()) {
            EXPECT_EQ(screen.text(E::texREFZiffern), c.digitsAfter);
        }
    }
}

struct ZoneJobCase {
    const char* name;
    std::string start, target;
    std::uint8_t formatIn, formatOut;
    std::string zone;
    bool verdict;
};

TEST(GKZonePruefen, RefusesGaussKruegerOutputOutsideGermanyOnly) {
    const ZoneJobCase cases[] = {
        // The six zones covering Germany, then their neighbours on every side.
        {"31T passes", kGRS80, kBessel, kUTMzivil, kGaussKrueger, "31T", true},
        {"31U passes", kGRS80, kBessel, kUTMmil, kGaussKrueger, "31U", true},
        {"32T passes", kHayford, kBessel, kUTMzivil, kGaussKrueger, "32T", true},
        {"32U passes", kGRS80, kBessel, kUTMzivil, kGaussKrueger, "32U", true},
        {"33T passes", kHayford, kBessel, kUTMref, kGaussKrueger, "33T", true},
        {"33U passes", kGRS80, kBessel, kUTMref, kGaussKrueger, "33U", true},
        {"30U refused", kGRS80, kBessel, kUTMzivil, kGaussKrueger, "30U", false},
        {"34U refused", kGRS80, kBessel, kUTMzivil, kGaussKrueger, "34U", false},
        {"33S refused", kHayford, kBessel, kUTMref, kGaussKrueger, "33S", false},
        {"32V refused", kGRS80, kBessel, kUTMmil, kGaussKrueger, "32V", false},
        {"lower case refused", kGRS80, kBessel, kUTMmil, kGaussKrueger, "32u", false},
        {"four characters refused", kGRS80, kBessel, kUTMmil, kGaussKrueger, "32UU", false},
        {"no Gauss-Krueger output", kGRS80, kBessel, kUTMzivil, kGradDezimal, "32V", true},
        {"target not Bessel", kGRS80, kGRS80, kUTMzivil, kGaussKrueger, "32V", true},
        {"start Bessel", kBessel, kBessel, kUTMzivil, kGaussKrueger, "32V", true},
        {"geographic input", kGRS80, kBessel, kGradDezimal, kGaussKrueger, "32V", true},
    };
    const Events hidden = {"hide fraGradAUS", "hide fraGradMinAUS", "hide fraGradMinSekAUS",
                           "hide fraZIVAUS",  "hide fraMILAUS",     "hide fraREFAUS",
                           "hide fraGKAUS",   "hide fraAMTAUS"};
    for (const ZoneJobCase& c : cases) {
        SCOPED_TRACE(c.name);
        FakeScreen screen;
        ProgramState state;
        state.job = {c.start, c.target, "AB", "47", c.formatOut, c.formatIn};
        EXPECT_EQ(GKZonePruefen(screen, state, c.zone), c.verdict);
        if (c.verdict) {
            EXPECT_TRUE(screen.log.empty());
            EXPECT_EQ(state.job.ZielEllipsoid, c.target);
            continue;
        }
        Events expected = {"information: Deutschland liegt nicht im Zonenfeld " + c.zone +
                           "\nGauß-Krüger Koordinaten werden deshalb nicht berechnet."};
        expected.insert(expected.end(), hidden.begin(), hidden.end());
        EXPECT_EQ(screen.events(), expected);
        EXPECT_EQ(state.job.ZielEllipsoid, "");
        EXPECT_EQ(state.job.FormatAUS, kKeinFormat);
        EXPECT_EQ(state.job.StartEllipsoid, c.start);
    }
}

TEST(UTMMilPruefen, ZoneOutsideGermanyIsReportedFirstAndTheCheckGoesOn) {
    FakeScreen screen;
    ProgramState state;
    state.job = {kGRS80, kBessel, "AB", "57", kGaussKrueger, kUTMmil};
    for (auto [field, text] : {std::pair{E::texZoneM, "32VV"}, {E::tex100km, "MV"}})
        screen.type(field, text);
    UTMMilPruefen(screen, state);
    ASSERT_EQ(screen.messages.size(), 2u);
    EXPECT_EQ(screen.messages[0].icon, MessageIcon::Information);
    EXPECT_EQ(screen.messages[1].text, "Das Zonenfeld muss aus genau 3 Zeichen bestehen!");

    // MP: a square of band V (MV lies 300 km further north, in band W).
    FakeScreen passing;
    state.job = {kGRS80, kBessel, "AB", "57", kGaussKrueger, kUTMmil};
    passing.type(E::texZoneM, "32V");
    passing.type(E::tex100km, "MP");
    UTMMilPruefen(passing, state);
    EXPECT_TRUE(state.calc.blnEingabeOK);
    EXPECT_EQ(passing.messages.size(), 1u);
    EXPECT_EQ(state.job.FormatAUS, kKeinFormat);
}

} // namespace
} // namespace lw
