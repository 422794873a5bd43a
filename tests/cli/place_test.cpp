// --ort: where each converted point lies, after its line or in the last
// CSV column, from the source tree's place files.
#include "list_lines.h"
#include "lists/list.h"
#include "places/place_files.h"
#include "program_run.h"

#include <gtest/gtest.h>

namespace lw::lists {
namespace {

using testing::expectLines;
using testing::ProgramRun;
using testing::run;
using testing::task;

class ListPlace : public ::testing::Test {
protected:
    static Options withPlace(Options options) {
        options.place = true;
        return options;
    }
    places::PlaceFiles files_ = places::readPlaceFiles(LW_TEST_PLACES_DIR);
    places::ScopedPlaceFiles use_{files_};
};

TEST_F(ListPlace, AfterEachConvertedLineATabAndThePlace) {
    ASSERT_TRUE(files_.places);
    expectLines(withPlace(task("grs80", "dez", "grs80", "utm")),
                {{"P1 48.4119 9.785",
                  "P1 32U 0558090 5362380\tLage: in Blaubeuren (Baden-Württemberg, Deutschland)"},
                 {"N91 E9", "FEHLER: Die nördliche Breite muss kleiner sein als 84°. Ab 84° "
                            "beginnt UPS"},
                 {"# Kommentar", "# Kommentar"}});
    // The place is that of the point, not of the digits on another datum:
    // the ED50 digits of Krummbögle name it, 3.8 km from Dornstadt.
    expectLines(withPlace(task("grs80", "dez", "hayford", "utm")),
                {{"48.436333 9.967967", "32U 0571678 5365451 ED50\tLage: 3,8 km südöstlich von "
                                        "Dornstadt (Baden-Württemberg, Deutschland)"}});
    // An input copied into its own notation has its place too.
    expectLines(withPlace(task("grs80", "utm", "grs80", "utm")),
                {{"32U 0571595 5365251", "32U 0571595 5365251\tLage: 3,8 km südöstlich von "
                                         "Dornstadt (Baden-Württemberg, Deutschland)"}});
}

TEST_F(ListPlace, CsvLastColumnLage) {
    Options options = withPlace(task("grs80", "dez", "grs80", "utmmil"));
    options.csv = true;
    options.columns = {"Breite", "Länge"};
    expectLines(options,
                {{"Nr;Breite;Länge;Name", "Nr;UTM mil;Name;Lage"},
                 {"1;48,436333;9,967967;Krummbögle",
                  "1;32U NU 76.15.52.95.51;Krummbögle;3,8 km südöstlich von Dornstadt "
                  "(Baden-Württemberg, Deutschland)"},
                 {"2;;9,9;leer", "2;\"FEHLER: Die Spalte \"\"Breite\"\" ist leer.\";leer;"},
                 {"3;54,5;4;Nordsee",
                  "3;31U EA 63.49.76.61.04;Nordsee;auf See, 214 km nördlich von Alkmaar "
                  "(Niederlande)"}});
}

TEST_F(ListPlace, WithoutPlaceFilesNotAvailable) {
    const places::PlaceFiles none;
    places::ScopedPlaceFiles useNone(none);
    expectLines(withPlace(task("grs80", "dez", "grs80", "dez")),
                {{"48.4119 9.785", "N48.411900 E009.785000\tLage: nicht verfügbar"}});
}

// The program finds the files the build puts where an installation has them.
TEST(ListPlaceProgram, FindsItsPlaceFiles) {
    const ProgramRun r = run("--von grs80:dez --nach grs80:dez --ort", "-33.8688 151.2093\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "S33.868800 E151.209300\tLage: in Sydney (Australien)\n");
}

} // namespace
} // namespace lw::lists
