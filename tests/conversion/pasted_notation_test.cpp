#include "conversion/pasted_notation.h"

#include "conversion/pasted_coordinate.h"
#include "model/job.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lw {
namespace {

// ---- Which notations take a text ----

struct Taken {
    const char* ellipsoid;
    const char* text;
    std::vector<int> notations;
};

void PrintTo(const Taken& c, std::ostream* os) {
    *os << c.ellipsoid << " \"" << c.text << "\"";
}

class NotationsTaking : public ::testing::TestWithParam<Taken> {};

TEST_P(NotationsTaking, AreThoseWhoseReaderTakesTheWholeText) {
    const Taken& c = GetParam();
    EXPECT_EQ(notationsTakingPaste(c.text, c.ellipsoid), c.notations);
}

INSTANTIATE_TEST_SUITE_P(
    CopyLines, NotationsTaking,
    ::testing::Values(Taken{kGRS80, "N48.436333 E009.967967", {kGradDezimal}},
                      Taken{kGRS80, "N48 26.179960 E009 58.078035", {kGradMinuten}},
                      Taken{kGRS80, "N48 26 10.80 E009 58 4.68", {kGradMinSek}},
                      Taken{kGRS80, "32U 0571595 5365251", {kUTMzivil}},
                      Taken{kGRS80, "32U NU 76.15.52.95.51", {kUTMmil}},
                      Taken{kGRS80, "32571594.63 5365251.16 Nachbarzone", {kUTMamtlich}},
                      Taken{kBessel, "R 3571686.39 H 5540758.79 E009°", {kGaussKrueger}},
                      Taken{kBessel, "N48 26 14.28 E009 58 8.85 DHDN", {kGradMinSek}},
                      Taken{kHayford, "32U 0571678 5365451 ED50", {kUTMzivil}},
                      // The grid reference of UTM referentiell is also one the military
                      // reader splits into pairs; a bare pair of numbers is decimal
                      // degrees to one reader and a UTM amtlich point to the other.
                      Taken{kGRS80, "32U NU 7159565251", {kUTMmil, kUTMref}},
                      Taken{kGRS80, "32571594.63 5365251.16", {kUTMamtlich}}));

INSTANTIATE_TEST_SUITE_P(OfferedByTheEllipsoidOnly, NotationsTaking,
                         ::testing::Values(
                             // Gauss-Krueger is Bessel's alone, UTM never Bessel's.
                             Taken{kGRS80, "R 3571686.39 H 5540758.79 E009°", {}},
                             Taken{kBessel, "32U 0571595 5365251", {}},
                             Taken{kBessel, "3571686.39 5540758.79", {kGaussKrueger}},
                             Taken{kHayford, "3571686.39 5540758.79", {}},
                             // A datum name of another ellipsoid: no notation of this one.
                             Taken{kGRS80, "N48 26 14.28 E009 58 8.85 DHDN", {}},
                             Taken{kBessel, "32U 0571678 5365451 ED50", {}},
                             Taken{kGRS80, "Krummbögle", {}}, Taken{kGRS80, "", {}}));

// A link names a WGS 84 position: decimal degrees on GRS80, no coordinate of
// Bessel or Hayford (read there it would be some hundred metres off).
INSTANTIATE_TEST_SUITE_P(
    LinksAreDecimalDegreesOnGrs80Only, NotationsTaking,
    ::testing::Values(
        Taken{kGRS80, "geo:48.436333,9.967967", {kGradDezimal}},
        Taken{kBessel, "geo:48.436333,9.967967", {}},
        Taken{kHayford, "https://www.openstreetmap.org/#map=17/48.43633/9.96797", {}},
        Taken{kGRS80, "https://www.google.com/maps/@48.436333,9.967967,17z", {kGradDezimal}}));

// Texts two notations take: both readings name the same point, so it is no
// ambiguity, or they name different points.
INSTANTIATE_TEST_SUITE_P(
    TwoReadings, NotationsTaking,
    ::testing::Values(Taken{kGRS80, "32U 691608 5334760", {kUTMzivil, kUTMamtlich}},
                      Taken{kGRS80, "32U PU 91608 34760", {kUTMmil, kUTMref}},
                      Taken{kGRS80, "32uPU9160834760", {kUTMmil, kUTMref}},
                      Taken{kGRS80, "32U NU 71 65", {kUTMmil, kUTMref}}));

TEST(OtherNotationOfPaste, IsTheOnlyOtherOneAndNeverAGuess) {
    // The military copy line in the decimal-degree mask.
    EXPECT_EQ(otherNotationOfPaste("32U NU 76.15.52.95.51", kGRS80, kGradDezimal), kUTMmil);
    // Decimal degrees in the UTM civil mask.
    EXPECT_EQ(otherNotationOfPaste("N48.436333 E009.967967", kGRS80, kUTMzivil), kGradDezimal);
    EXPECT_EQ(otherNotationOfPaste(" geo:48.436333,9.967967\n", kGRS80, kGradMinSek), kGradDezimal);
    EXPECT_EQ(otherNotationOfPaste("R 3571686.39 H 5540758.79 E009°", kBessel, kGradMinSek),
              kGaussKrueger);
    // Numbers that are no angles: the only notation they fit, also where
    // the mask's reader would take them as numbers.
    EXPECT_EQ(otherNotationOfPaste("3571686.39 5540758.79", kBessel, kGradDezimal), kGaussKrueger);
    EXPECT_EQ(otherNotationOfPaste("3571686.39 5540758.79", kBessel, kGradMinSek), kGaussKrueger);
    EXPECT_EQ(otherNotationOfPaste("32571594.63 5365251.16", kGRS80, kUTMzivil), kUTMamtlich);
    EXPECT_EQ(otherNotationOfPaste("48 75 9 12", kGRS80, kUTMzivil), std::nullopt); // 75 minutes
    EXPECT_EQ(otherNotationOfPaste("48 60 9 12", kGRS80, kUTMzivil), std::nullopt);
    EXPECT_EQ(otherNotationOfPaste("48 59.5 9 12", kGRS80, kUTMzivil), kGradMinuten);
    EXPECT_EQ(otherNotationOfPaste("90 0 180 0", kGRS80, kUTMzivil), kGradMinuten);
    EXPECT_EQ(otherNotationOfPaste("91.5 9.9", kGRS80, kUTMzivil), std::nullopt);
    EXPECT_EQ(otherNotationOfPaste("48.4 9.9", kGRS80, kUTMzivil), kGradDezimal);
    // Gauss-Krueger numbers on GRS80: no Gauss-Krueger there, and as UTM
    // amtlich they would lie in zone 3, far from Germany.
    EXPECT_EQ(otherNotationOfPaste("3571686.39 5540758.79", kGRS80, kUTMzivil), std::nullopt);
    EXPECT_EQ(otherNotationOfPaste("33127866.38 5377040.46", kGRS80, kGradDezimal), kUTMamtlich);
    EXPECT_EQ(otherNotationOfPaste("1127866.38 5377040.46", kGRS80, kUTMzivil), std::nullopt);
    // The mask takes it itself: nothing to ask.
    EXPECT_EQ(otherNotationOfPaste("48.4 9.9", kBessel, kGradDezimal), std::nullopt);
    EXPECT_EQ(otherNotationOfPaste("32U NU 7159565251", kGRS80, kUTMmil), std::nullopt);
    EXPECT_EQ(otherNotationOfPaste("32U NU 76.15.52.95.51", kGRS80, kUTMmil), std::nullopt);
    // Two others read it to the same point: the one reading it as written.
    EXPECT_EQ(otherNotationOfPaste("32U NU 7159565251", kGRS80, kGradDezimal), kUTMref);
    // Another ellipsoid's datum name: the ellipsoid stays, nothing is asked.
    EXPECT_EQ(otherNotationOfPaste("N48 26 14.28 E009 58 8.85 DHDN", kGRS80, kGradDezimal),
              std::nullopt);
    EXPECT_EQ(otherNotationOfPaste("32U 0571678 5365451 ED50", kGRS80, kGradDezimal), std::nullopt);
    EXPECT_EQ(otherNotationOfPaste("Krummbögle", kGRS80, kGradDezimal), std::nullopt);
}

// Readings of one text by two notations compared by the point they name:
// the same point (within the coarser cell) asks for the notation that reads
// the text as written, different points ask nothing.
TEST(OtherNotationOfPaste, ReadingsOfTheSamePointAreNoAmbiguity) {
    struct Case {
        const char* text;
        int ownNotation;
        std::optional<int> offered;
    };
    for (const Case& c : std::initializer_list<Case>{
             {"32U 691608 5334760", kGradDezimal, kUTMzivil},
             {"32U 691608 5334760", kUTMmil, kUTMzivil},
             {"32U 691608 5334760 ED50", kGradDezimal, std::nullopt}, // not GRS80's
             {"32U PU 91608 34760", kGradDezimal, kUTMref},
             {"32U PU 91608 34760", kUTMzivil, kUTMref},
             {"32uPU9160834760", kGaussKrueger, kUTMref},
             {"32U NU 71 65", kGradDezimal, kUTMref},
             {"32U NU 76.15.52.95.51", kGradDezimal, kUTMmil}, // pairs: military alone
             {"32U 691608 5334760", kUTMzivil, std::nullopt},  // the mask's own
             {"32U PU 91608 34760", kUTMmil, std::nullopt},
         })
        EXPECT_EQ(otherNotationOfPaste(c.text, kGRS80, c.ownNotation), c.offered)
            << c.text << " in " << c.ownNotation;
}

TEST(Grs80Start, LinksInBesselAndHayfordMasksAskForIt) {
    for (const char* link : {"geo:48.137393,11.575448;crs=wgs84",
                             "https://www.openstreetmap.org/?mlat=48.1374&mlon=11.5755"}) {
        EXPECT_FALSE(asksForGrs80Start(link, kGRS80)) << link;
        EXPECT_TRUE(asksForGrs80Start(link, kBessel)) << link;
        EXPECT_TRUE(asksForGrs80Start(link, kHayford)) << link;
        EXPECT_FALSE(recognisePastedCoordinate(kGradDezimal, link, kBessel)) << link;
    }
    // Plain numbers name no datum: the user's ellipsoid reads them.
    EXPECT_FALSE(asksForGrs80Start("48.137393 11.575448", kBessel));
    EXPECT_FALSE(asksForGrs80Start("geo:48.1,11.5;crs=ed50", kHayford));
    EXPECT_EQ(grs80StartQuestion(kGradDezimal, " geo:48.137393,11.575448\n"),
              "Der eingefügte Text ist eine Angabe in Grad (dezimal) auf dem Ellipsoid GRS80 "
              "(WGS 84): geo:48.137393,11.575448. Startellipsoid auf GRS80 umstellen?");
    EXPECT_EQ(grs80StartQuestion(kGaussKrueger, "geo:48.137393,11.575448"),
              "Der eingefügte Text ist eine Angabe in Grad (dezimal) auf dem Ellipsoid GRS80 "
              "(WGS 84): geo:48.137393,11.575448. Startellipsoid auf GRS80 und Eingabeformat "
              "auf Grad (dezimal) umstellen?");
}

TEST(Grs80Start, KeepsTargetAndOutputAndTheOfficialChoiceWhereOffered) {
    ConversionJob job;
    job.StartEllipsoid = kBessel;
    job.ZielEllipsoid = kBessel;
    job.EllipsoidPaar = "BB";
    job.FormatEIN = kGaussKrueger;
    job.FormatAUS = kGaussKrueger;
    job.Aufgabe = "77";
    ConversionJob next = jobOnGrs80Start(job);
    EXPECT_EQ(next.StartEllipsoid, kGRS80);
    EXPECT_EQ(next.ZielEllipsoid, kBessel);
    EXPECT_EQ(next.EllipsoidPaar, "AB");
    EXPECT_EQ(next.FormatEIN, kGradDezimal);
    EXPECT_EQ(next.FormatAUS, kGaussKrueger);
    EXPECT_EQ(next.Aufgabe, "17");
    EXPECT_FALSE(next.Amtlich); // never switched on here
    // DHDN to ETRS89 officially: GRS80 to GRS80 has no datum step.
    job.ZielEllipsoid = kGRS80;
    job.EllipsoidPaar = "BA";
    job.FormatAUS = kUTMzivil;
    job.Aufgabe = "74";
    job.Amtlich = true;
    next = jobOnGrs80Start(job);
    EXPECT_EQ(next.EllipsoidPaar, "AA");
    EXPECT_EQ(next.Aufgabe, "14");
    EXPECT_FALSE(next.Amtlich);
    // The list keeps it: it holds Bessel lines.
    job.FormatAUS = kAlleSchreibweisen;
    EXPECT_TRUE(jobOnGrs80Start(job).Amtlich);
}

TEST(NotationSwitchQuestion, NamesTheNotationAndTheTrimmedText) {
    EXPECT_EQ(notationSwitchQuestion(kUTMmil, " \t32U NU 76.15.52.95.51\r\n"),
              "Der eingefügte Text ist eine Angabe in UTM militärisch: 32U NU 76.15.52.95.51. "
              "Eingabeformat auf UTM militärisch umstellen?");
    EXPECT_EQ(notationSwitchQuestion(kGaussKrueger, "3571686.39 5540758.79"),
              "Der eingefügte Text ist eine Angabe in Gauß-Krüger: 3571686.39 5540758.79. "
              "Eingabeformat auf Gauß-Krüger umstellen?");
}

// ---- The new pasted forms, read by the decimal-degree mask itself ----

struct Linked {
    const char* text;
    const char* fields; // "" for no coordinate
    const char* options = "";
};

void PrintTo(const Linked& c, std::ostream* os) {
    *os << '"' << c.text << '"';
}

class LinkInDecimalMask : public ::testing::TestWithParam<Linked> {};

TEST_P(LinkInDecimalMask, FillsTheMaskWithTheDigitsAsWritten) {
    const Linked& c = GetParam();
    const auto pasted = recognisePastedCoordinate(kGradDezimal, c.text, kGRS80);
    if (*c.fields == '\0') {
        EXPECT_FALSE(pasted.has_value());
        return;
    }
    ASSERT_TRUE(pasted.has_value());
    ASSERT_EQ(pasted->fields.size(), 2u);
    EXPECT_EQ(pasted->fields[0].second + "|" + pasted->fields[1].second, c.fields);
    std::string options;
    for (Element option : pasted->options)
        options += (options.empty() ? "" : " ") + std::string(elementName(option));
    EXPECT_EQ(options, c.options);
}

INSTANTIATE_TEST_SUITE_P(
    GeoUris, LinkInDecimalMask,
    ::testing::Values(
        Linked{"geo:48.436333,9.967967", "48.436333|9.967967", "optDezN optDezE"},
        Linked{"  GEO:48.436333,9.967967\n", "48.436333|9.967967", "optDezN optDezE"},
        Linked{"geo:48.436333,9.967967,512.5", "48.436333|9.967967", "optDezN optDezE"},
        Linked{"geo:-33.8688,151.2093;crs=wgs84;u=35", "33.8688|151.2093", "optDezS optDezE"},
        Linked{"geo:40.7128,-74.006;u=10", "40.7128|74.006", "optDezN optDezW"},
        Linked{"geo:48,9;CRS=WGS84", "48|9", "optDezN optDezE"},
        Linked{"geo:90,180", "90|180", "optDezN optDezE"}, Linked{"geo:48.4,9.9;crs=ed50", ""},
        Linked{"geo:48.4,9.9;crs=wgs84x", ""}, Linked{"geo:91,9.9", ""},
        Linked{"geo:48.4,180.5", ""}, Linked{"geo:48.4", ""}, Linked{"geo:48.4,", ""},
        Linked{"geo:,9.9", ""}, Linked{"geo:48.4,9.9,", ""}, Linked{"geo:48.4,9.9;", ""},
        Linked{"geo:48.4;9.9", ""}, Linked{"geo: 48.4,9.9", ""}, Linked{"geo:48.4,9.9 Kirche", ""},
        Linked{"geo:48.4.1,9.9", ""}, Linked{"geo:", ""}));

INSTANTIATE_TEST_SUITE_P(
    WebMaps, LinkInDecimalMask,
    ::testing::Values(
        Linked{"https://www.openstreetmap.org/#map=17/48.43633/9.96797", "48.43633|9.96797",
               "optDezN optDezE"},
        Linked{"https://www.openstreetmap.org/#map=9/-33.87/151.21&layers=C", "33.87|151.21",
               "optDezS optDezE"},
        Linked{"https://www.openstreetmap.org/?mlat=48.43633&mlon=9.96797#map=17/48.4/9.9",
               "48.43633|9.96797", "optDezN optDezE"},
        Linked{"https://www.openstreetmap.org/?mlon=-9.5&layers=N&mlat=48.25", "48.25|9.5",
               "optDezN optDezW"},
        Linked{"http://osm.org/?zoom=5&mlat=48.1&mlon=9.2", "48.1|9.2", "optDezN optDezE"},
        Linked{"https://www.google.com/maps/@48.436333,9.967967,17z", "48.436333|9.967967",
               "optDezN optDezE"},
        Linked{"https://www.google.de/maps/place/Ulm/@48.4,9.98,500m/data=!3m1", "48.4|9.98",
               "optDezN optDezE"},
        Linked{"https://www.openstreetmap.org/#map=17/91/9.96797", ""},
        Linked{"https://www.openstreetmap.org/#map=17/48.4/-181", ""},
        Linked{"https://www.openstreetmap.org/#map=17/48.4", ""},
        Linked{"https://www.openstreetmap.org/#map=48.4/9.9", ""},
        Linked{"https://www.openstreetmap.org/#map=17/48.4/9.9x", ""},
        Linked{"https://www.openstreetmap.org/?mlat=48.4#map=17/48.4/9.9", ""},
        Linked{"https://www.openstreetmap.org/?mlat=48.4&mlon=east", ""},
        Linked{"https://www.openstreetmap.org/?mlat=95&mlon=9", ""},
        Linked{"https://www.google.com/maps/@48.436333,9.967967", ""},
        Linked{"https://www.google.com/maps/@48.436333,9.967967,17", ""},
        Linked{"https://www.google.com/maps/@48.436333,17z", ""},
        Linked{"https://www.google.com/maps/@-91,9.9,17z", ""},
        Linked{"www.openstreetmap.org/#map=17/48.43633/9.96797", ""},
        Linked{"https://www.openstreetmap.org/ #map=17/48.43633/9.96797", ""},
        Linked{"https://www.openstreetmap.org/", ""}, Linked{"https://", ""}));

// A link with a pin gives the pin, never the map's view beside it; a link
// with a view alone gives the view.
INSTANTIATE_TEST_SUITE_P(
    Pins, LinkInDecimalMask,
    ::testing::Values(
        Linked{"https://www.google.com/maps/place/Marienplatz/@48.1373932,11.5729998,17z/"
               "data=!3m1!4b1!4m6!3m5!1s0x0:0x0!8m2!3d48.1373932!4d11.5755747",
               "48.1373932|11.5755747", "optDezN optDezE"},
        Linked{
            "https://www.google.com/maps/place/X/@-33.86,151.2,15z/data=!4m2!3d-33.8688!4d151.2093"
            "?entry=ttu",
            "33.8688|151.2093", "optDezS optDezE"},
        Linked{"https://www.google.com/maps?q=48.1374,11.5755", "48.1374|11.5755",
               "optDezN optDezE"},
        Linked{"https://maps.google.com/?q=48.1374%2C-11.5755&z=17", "48.1374|11.5755",
               "optDezN optDezW"},
        Linked{"https://www.google.com/maps/search/?api=1&query=48.1374,11.5755", "48.1374|11.5755",
               "optDezN optDezE"},
        Linked{"https://www.google.com/maps/search/?api=1&query=48.1374%2C%2011.5755",
               "48.1374|11.5755", "optDezN optDezE"},
        Linked{"https://maps.apple.com/?ll=48.1374,11.5755&q=Marienplatz", "48.1374|11.5755",
               "optDezN optDezE"},
        Linked{"https://maps.apple.com/?q=48.1374,11.5755&sll=48.2,11.6", "48.1374|11.5755",
               "optDezN optDezE"},
        Linked{"https://www.bing.com/maps?cp=48.1374~11.5755&lvl=17", "48.1374|11.5755",
               "optDezN optDezE"},
        Linked{"https://www.bing.com/maps?cp=48.2~11.6&sp=point.48.1374_11.5755_Marienplatz",
               "48.1374|11.5755", "optDezN optDezE"},
        Linked{"https://www.bing.com/maps?sp=point.48.1374_11.5755~point.48.2_11.6",
               "48.1374|11.5755", "optDezN optDezE"},
        Linked{"geo:0,0?q=48.1374,11.5755(Marienplatz)", "48.1374|11.5755", "optDezN optDezE"},
        Linked{"geo:0,0?q=48.1374,11.5755(Marien platz München)", "48.1374|11.5755",
               "optDezN optDezE"},
        Linked{"geo:48.1374,11.5755?z=17", "48.1374|11.5755", "optDezN optDezE"},
        Linked{"geo:48.2,11.6?q=48.1374,11.5755", "48.1374|11.5755", "optDezN optDezE"},
        // A view alone is taken as the position, as before.
        Linked{"https://www.google.com/maps/@48.2,11.6,17z/data=!3m1!1e3", "48.2|11.6",
               "optDezN optDezE"},
        Linked{"https://www.google.com/maps?q=Marienplatz#map=17/48.2/11.6", "48.2|11.6",
               "optDezN optDezE"},
        // No place: no pin and no view, or a pin beyond the poles.
        Linked{"geo:0,0?q=Marienplatz", ""}, Linked{"geo:0,0?q=48.1,11.5x", ""},
        Linked{"https://www.google.com/maps?q=Marienplatz", ""},
        Linked{"https://www.google.com/maps/place/X/data=!3d48.1!4x11.5", ""},
        Linked{"https://www.bing.com/maps?sp=point.48.1_", ""},
        Linked{"https://maps.apple.com/?ll=98.1,11.5", ""}));

TEST(LinkInOtherMasks, IsDecimalDegreesOnly) {
    for (int notation :
         {kGradMinuten, kGradMinSek, kUTMzivil, kUTMmil, kUTMref, kGaussKrueger, kUTMamtlich})
        EXPECT_FALSE(recognisePastedCoordinate(notation, "geo:48.436333,9.967967", kGRS80))
            << notation;
}

// ---- The job after the switch ----

TEST(JobWithInputNotation, KeepsEllipsoidsAndOutput) {
    ConversionJob job{kHayford, kBessel, "CB", "52", kGradMinuten, kUTMmil, false};
    const ConversionJob next = jobWithInputNotation(job, kGradDezimal);
    EXPECT_EQ(next.FormatEIN, kGradDezimal);
    EXPECT_EQ(next.FormatAUS, kGradMinuten);
    EXPECT_EQ(next.Aufgabe, "12");
    EXPECT_EQ(next.StartEllipsoid, kHayford);
    EXPECT_EQ(next.ZielEllipsoid, kBessel);
    EXPECT_EQ(next.EllipsoidPaar, "CB");

    ConversionJob official{kBessel, kGRS80, "BA", "71", kGradDezimal, kGaussKrueger, true};
    EXPECT_TRUE(jobWithInputNotation(official, kGradMinSek).Amtlich);
    // After a refused Gauss-Krueger output the task still names the shown
    // output mask; an output the table does not know stays as it is.
    job.FormatAUS = kKeinFormat;
    EXPECT_EQ(jobWithInputNotation(job, kUTMzivil).Aufgabe, "42");
    EXPECT_FALSE(showsOutputMask(jobWithInputNotation(job, kUTMzivil)));
    job.FormatAUS = kGradMinuten;
    EXPECT_TRUE(showsOutputMask(jobWithInputNotation(job, kUTMzivil)));
    job.ZielEllipsoid.clear();
    EXPECT_FALSE(showsOutputMask(jobWithInputNotation(job, kUTMzivil)));
    job.Aufgabe = "19";
    EXPECT_EQ(jobWithInputNotation(job, kGaussKrueger).Aufgabe, "79");
    // No task yet (the selection screen): the chosen output.
    job.Aufgabe.clear();
    job.FormatAUS = kUTMref;
    EXPECT_EQ(jobWithInputNotation(job, kGradMinSek).Aufgabe, "36");
}

// ---- The selection screen ----

struct NoView : SelectionView {
    void showEllipsoidChosen(SelectionSide, int, bool) override {}
    void setEllipsoidEnabled(SelectionSide, int, bool) override {}
    void showFormatChosen(SelectionSide, int, bool) override {}
    void setFormatEnabled(SelectionSide, int, bool) override {}
    void setContinueEnabled(bool) override {}
    void showOfficialChoice(bool, bool, std::string_view) override {}
};

struct PasteOnSelection : ::testing::Test {
    ConversionJob job;
    NoView view;
    SelectionRules rules{job, view, [] { return false; }};
    void SetUp() override {
        rules.load();
        rules.activate();
    }
    std::string start(const char* text) {
        const auto s = startSideOfPaste(text, job, rules.startEllipsoidChosen());
        if (!s)
            return "none";
        return s->ellipsoid + " " + std::to_string(s->notation) + (s->ask ? " ask" : "");
    }
};

TEST_F(PasteOnSelection, WithTheDefaultEllipsoidTheTextNamesItsOwn) {
    EXPECT_FALSE(rules.startEllipsoidChosen());
    EXPECT_EQ(start("R 3571686.39 H 5540758.79 E009°"), "Bessel 7 ask");
    EXPECT_EQ(start("N48 26 14.28 E009 58 8.85 DHDN"), "Bessel 3 ask");
    EXPECT_EQ(start("32U 0571678 5365451 ED50"), "Hayford 4 ask");
    EXPECT_EQ(start("32U NU 76.15.52.95.51"), "GRS80 5 ask");
    // Two readings of the same point: the one as written.
    EXPECT_EQ(start("32U 691608 5334760"), "GRS80 4 ask");
    EXPECT_EQ(start("32U PU 91608 34760"), "GRS80 6 ask");
    EXPECT_EQ(start("geo:48.436333,9.967967"), "GRS80 1 ask");
    EXPECT_EQ(start("32571594.63 5365251.16 Nachbarzone"), "GRS80 8 ask");
    // Numbers that are no angles: the one notation they fit.
    EXPECT_EQ(start("3571686.39 5540758.79"), "Bessel 7 ask");
    EXPECT_EQ(start("32571594.63 5365251.16"), "GRS80 8 ask");
    EXPECT_EQ(start("Krummbögle"), "none");
    EXPECT_EQ(start(""), "none");
}

TEST_F(PasteOnSelection, WithAChosenEllipsoidOnlyItsNotations) {
    rules.pressEllipsoid(SelectionSide::Start, 2); // Hayford
    EXPECT_TRUE(rules.startEllipsoidChosen());
    EXPECT_EQ(start("R 3571686.39 H 5540758.79 E009°"), "none");
    EXPECT_EQ(start("N48 26 14.28 E009 58 8.85 DHDN"), "none");
    EXPECT_EQ(start("32U 0571678 5365451 ED50"), "Hayford 4 ask");
    EXPECT_EQ(start("3571686.39 5540758.79"), "none"); // no angles, no Gauss-Krueger on ED50
    EXPECT_EQ(start("48.4 9.9"), "Hayford 1 ask");
    // A link is WGS 84: GRS80 whatever ellipsoid was chosen.
    EXPECT_EQ(start("geo:48.4,9.9"), "GRS80 1 ask");
    // The chosen input takes it already: kept without a question.
    rules.pressFormat(SelectionSide::Start, kGradDezimal);
    EXPECT_EQ(start("48.4 9.9"), "Hayford 1");
    // A return to the screen keeps the task's start: Hayford is still the
    // user's choice; GRS80 stands as the default only where it was the start.
    rules.activate();
    EXPECT_TRUE(rules.startEllipsoidChosen());
    EXPECT_EQ(job.StartEllipsoid, kHayford);
    rules.pressEllipsoid(SelectionSide::Start, 0);
    rules.activate();
    EXPECT_FALSE(rules.startEllipsoidChosen());
}

TEST_F(PasteOnSelection, JaPressesEllipsoidWhereNeededAndFormat) {
    rules.pressEllipsoid(SelectionSide::Target, 2);
    rules.pressFormat(SelectionSide::Target, kUTMzivil);
    choosePastedStart(rules, job, *startSideOfPaste("32U NU 76.15.52.95.51", job, false));
    // GRS80 stands already: not pressed again, which would reset the target.
    EXPECT_EQ(job.StartEllipsoid, kGRS80);
    EXPECT_EQ(job.ZielEllipsoid, kHayford);
    EXPECT_EQ(job.FormatEIN, kUTMmil);
    EXPECT_TRUE(rules.continueEnabled());

    choosePastedStart(rules, job, *startSideOfPaste("R 3571686.39 H 5540758.79", job, false));
    EXPECT_EQ(job.StartEllipsoid, kBessel);
    EXPECT_EQ(job.FormatEIN, kGaussKrueger);
    // The target pressed again after the start: its outputs are offered, the
    // chosen one stays chosen, and the task can go on at once.
    EXPECT_EQ(job.EllipsoidPaar, "BC");
    EXPECT_EQ(job.FormatAUS, kUTMzivil);
    EXPECT_TRUE(rules.continueEnabled());
}

TEST(PendingPaste, WaitsForTheJobItWasKeptFor) {
    ConversionJob job{kBessel, kGRS80, "BA", "", kGradDezimal, kGaussKrueger, false};
    PendingPaste pending;
    EXPECT_EQ(pending.takeFor(job), std::nullopt);
    pending.keep(job, "R 3571686.39 H 5540758.79");
    job.ZielEllipsoid = kHayford; // the output side may change
    EXPECT_EQ(pending.takeFor(job), "R 3571686.39 H 5540758.79");
    EXPECT_EQ(pending.takeFor(job), std::nullopt); // once only
    pending.keep(job, "R 3571686.39 H 5540758.79");
    job.FormatEIN = kGradMinSek;
    EXPECT_EQ(pending.takeFor(job), std::nullopt);
    job.FormatEIN = kGaussKrueger;
    EXPECT_EQ(pending.takeFor(job), std::nullopt); // dropped, not kept for later
}

} // namespace
} // namespace lw
