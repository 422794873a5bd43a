#include "support/fake_screen.h"
#include "validation/validators.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace lw {
namespace {

using test::FakeScreen;
using Fields = std::vector<std::pair<Element, std::string>>;

const std::string kBreite = "Eingabefehler in der Breite!";
const std::string kNord =
    "Die nördliche Breite muss kleiner sein als 84°.\r\n\r\nAb 84° beginnt UPS";
const std::string kSued = "Der Zahlenwert der südlichen Breite darf nicht größer sein als "
                          "80°.\r\n\r\nDanach beginnt UPS.";
const std::string kLaenge = "Eingabefehler in der Länge!";
const std::string kLaenge180 = "Die geographische Länge darf 180° nicht überschreiten!";

struct Case {
    const char* name;
    Fields fields;
    bool south;          // south button instead of north
    std::string message; // "" = accepted
    Fields after = {};   // field texts expected afterwards
};

// Runs one check on a fresh screen and compares verdict, message and texts;
// a failure must clear the output and show exactly one critical box, no sound.
void runCases(const std::vector<Case>& cases, bool (*check)(CalcScreen&), Element north,
              Element south,
              const std::function<void(const FakeScreen&, const Case&)>& extra = {}) {
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeScreen screen;
        for (const auto& [field, text] : c.fields)
            screen.type(field, text);
        screen.type(Element::texBreiteAUS, "N48.000000");
        if (c.south)
            screen.check(south, north);
        const bool ok = check(screen);
        EXPECT_EQ(ok, c.message.empty());
        EXPECT_TRUE(screen.sounds.empty());
        if (c.message.empty()) {
            EXPECT_TRUE(screen.messages.empty());
        } else {
            ASSERT_EQ(screen.messages.size(), 1u);
            EXPECT_EQ(screen.messages[0].icon, MessageIcon::Critical);
            EXPECT_EQ(screen.messages[0].text, c.message);
            EXPECT_TRUE(screen.outputEmpty());
        }
        for (const auto& [field, text] : c.after)
            EXPECT_EQ(screen.text(field), text) << elementName(field);
        if (extra)
            extra(screen, c);
    }
}

TEST(ShapeTests, DecimalTwoAndThreeDigitTexts) {
    struct ShapeCase {
        std::string text;
        bool dezimal, zwei, drei;
    };
    const ShapeCase cases[] = {
        {"", false, false, false},    {"5", true, true, true},
        {"05", true, true, true},     {"009", true, false, true},
        {"180", true, false, true},   {"1234", true, false, false},
        {"5.", true, false, false},   {".5", false, false, false},
        {".", false, false, false},   {"1.2.3", false, false, false},
        {"1,5", false, false, false}, {"4 8", false, false, false},
        {"-5", false, false, false},  {"Ä", false, false, false},
        {"1Ä", false, false, false},  {"48.137155", true, false, false},
    };
    for (const ShapeCase& c : cases) {
        EXPECT_EQ(IstDezimalzahl(c.text), c.dezimal) << c.text;
        EXPECT_EQ(IstZweistellig(c.text), c.zwei) << c.text;
        EXPECT_EQ(IstDreistellig(c.text), c.drei) << c.text;
    }
}

TEST(GradDezimalPruefen, LimitsAndShapesWithFocusAfterTheMessage) {
    using E = Element;
    const std::vector<Case> cases = {
        {"north 83.999999", {{E::texBreite, "83.999999"}, {E::texLaenge, "11"}}, false, ""},
        {"north 84", {{E::texBreite, "84"}, {E::texLaenge, "11"}}, false, kNord},
        {"south 80", {{E::texBreite, "80"}, {E::texLaenge, "11"}}, true, ""},
        {"south just above 80", {{E::texBreite, "80.0000001"}, {E::texLaenge, "1"}}, true, kSued},
        {"longitude 180", {{E::texBreite, "48"}, {E::texLaenge, "180"}}, false, ""},
        {"longitude 180.1", {{E::texBreite, "48"}, {E::texLaenge, "180.1"}}, false, kLaenge180},
        {"longitude 0", {{E::texBreite, "0"}, {E::texLaenge, "0"}}, false, ""},
        {"trailing point", {{E::texBreite, "48."}, {E::texLaenge, "11."}}, false, ""},
        {"leading point", {{E::texBreite, ".5"}, {E::texLaenge, "11"}}, false, kBreite},
        {"lone point", {{E::texBreite, "48"}, {E::texLaenge, "."}}, false, kLaenge},
        {"two points", {{E::texBreite, "4.8.1"}, {E::texLaenge, "11"}}, false, kBreite},
        {"empty latitude", {{E::texLaenge, "11"}}, false, kBreite},
        {"empty longitude", {{E::texBreite, "48"}}, false, kLaenge},
        {"huge longitude",
         {{E::texBreite, "48"}, {E::texLaenge, std::string(400, '9')}},
         false,
         kLaenge180},
    };
    runCases(
        cases, GradDezimalPruefen, E::optDezN, E::optDezS,
        [](const FakeScreen& screen, const Case& c) {
            if (c.message.empty())
                return;
            const Element field = (c.message == kBreite || c.message == kNord || c.message == kSued)
                                      ? Element::texBreite
                                      : Element::texLaenge;
            const std::vector<std::string> order = {"AusgabeReset", "critical: " + c.message,
                                                    "focus " + std::string(elementName(field)),
                                                    "select " + std::string(elementName(field))};
            EXPECT_EQ(screen.events(), order);
        });
}

TEST(GradMinutenPruefen, FillsEmptyMinutesAndChecksDegreesAlone) {
    using E = Element;
    auto f = [](std::string bg, std::string bm, std::string lg, std::string lm) {
        return Fields{{E::texBreiteGrad, bg},
                      {E::texBreiteMinute, bm},
                      {E::texLaengeGrad, lg},
                      {E::texLaengeMinute, lm}};
    };
    const std::vector<Case> cases = {
        {"empty minutes",
         f("47", "", "11", ""),
         false,
         "",
         {{E::texBreiteMinute, "0"}, {E::texLaengeMinute, "0"}}},
        {"minutes 59.999999", f("47", "59.999999", "11", "59.999999"), false, ""},
        {"latitude minutes 60", f("47", "60", "11", "0"), false,
         "Der Minutenwert der Breite darf 59.999999 nicht überschreiten!"},
        {"longitude minutes 60", f("47", "0", "11", "60"), false,
         "Der Minutenwert der Länge darf 59.999999 nicht überschreiten!"},
        {"three-digit latitude", f("047", "0", "11", "0"), false, kBreite},
        {"three-digit longitude", f("47", "0", "009", "0"), false, ""},
        {"north 84 has a full stop here", f("84", "0", "11", "0"), false, kNord + "."},
        {"north 83", f("83", "59.9", "11", "0"), false, ""},
        {"south 80 and 30 minutes", f("80", "30", "180", "30"), true, ""},
        {"south 81", f("81", "0", "11", "0"), true, kSued},
        {"longitude 181", f("47", "0", "181", "0"), false, kLaenge180},
        {"pasted comma in minutes", f("47", "1,5", "11", "0"), false,
         "Eingabefehler im Minutenteil der Breite!"},
        {"bad longitude degrees", f("47", "0", "1a", "0"), false, kLaenge + "\r\n"},
        {"bad longitude minutes", f("47", "0", "11", ".5"), false,
         "Eingabefehler im Minutenteil der Länge!\r\n"},
        {"empty degrees keep the zero fill",
         f("", "", "11", ""),
         false,
         kBreite,
         {{E::texBreiteMinute, "0"}, {E::texLaengeMinute, "0"}}},
    };
    runCases(cases, GradMinutenPruefen, E::optGMN, E::optGMS,
             [](const FakeScreen& screen, const Case& c) {
                 EXPECT_EQ(screen.focus, Element::Count_); // this check never moves the focus
                 if (!c.message.empty()) {
                     EXPECT_EQ(screen.events(), (std::vector<std::string>{
                                                    "AusgabeReset", "critical: " + c.message}));
                 }
             });
}

TEST(GradMinSekPruefen, FillsZerosOnlyAfterTheLatitudeDegreesPassed) {
    using E = Element;
    auto f = [](std::string bg, std::string bm, std::string bs, std::string lg, std::string lm,
                std::string ls) {
        return Fields{{E::texBGrad, bg}, {E::texBMinute, bm}, {E::texBSekunde, bs},
                      {E::texLGrad, lg}, {E::texLMinute, lm}, {E::texLSekunde, ls}};
    };
    const Fields zeros = {
        {E::texBMinute, "0"}, {E::texBSekunde, "0"}, {E::texLMinute, "0"}, {E::texLSekunde, "0"}};
    const Fields untouched = {
        {E::texBMinute, ""}, {E::texBSekunde, ""}, {E::texLMinute, ""}, {E::texLSekunde, ""}};
    const std::vector<Case> cases = {
        {"only degrees", f("47", "", "", "11", "", ""), false, "", zeros},
        {"empty degrees", f("", "", "", "11", "", ""), false, kBreite, untouched},
        {"seconds 59.999999", f("47", "59", "59.999999", "180", "59", "59.999999"), false, ""},
        {"north 84", f("84", "", "", "11", "", ""), false, kNord, zeros},
        {"south 80", f("80", "30", "", "11", "", ""), true, ""},
        {"south 81", f("81", "", "", "11", "", ""), true, kSued},
        {"decimal minutes", f("47", "5.5", "", "11", "", ""), false,
         "Fehler in der Minuteneingabe der Breite!"},
        {"minutes 60", f("47", "60", "", "11", "", ""), false,
         "Die Minuteneingabe der Breite darf 59' nicht überschreiten!"},
        {"seconds 60", f("47", "1", "60", "11", "", ""), false,
         "Der Sekundenwert der Breite darf 59.999999 nicht überschreiten!"},
        {"seconds leading point", f("47", "1", ".5", "11", "", ""), false,
         "Eingabefehler im Sekundenteil der Breite!"},
        {"longitude 4 digits", f("47", "1", "1", "0180", "", ""), false, kLaenge},
        {"longitude 181", f("47", "1", "1", "181", "", ""), false, kLaenge180},
        {"longitude minutes 123", f("47", "1", "1", "11", "123", ""), false,
         "Fehler in der Minuteneingabe der Länge!"},
        {"longitude minutes 60", f("47", "1", "1", "11", "60", ""), false,
         "Die Minuteneingabe der Länge darf 59' nicht überschreiten!"},
        {"longitude seconds comma", f("47", "1", "1", "11", "1", "1,5"), false,
         "Eingabefehler im Sekundenteil der Länge!"},
        {"longitude seconds 59.9999991", f("47", "1", "1", "11", "1", "59.9999991"), false,
         "Der Sekundenwert der Länge darf 59.999999 nicht überschreiten!"},
    };
    runCases(
        cases, GradMinSekPruefen, E::optGradN, E::optGradS,
        [](const FakeScreen& screen, const Case&) { EXPECT_EQ(screen.focus, Element::Count_); });
}

} // namespace
} // namespace lw
