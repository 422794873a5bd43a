// The program as a shell runs it: exit status, standard output and error,
// files, help.
#include "program_run.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

namespace {

using lw::lists::testing::ProgramRun;
using lw::lists::testing::run;

TEST(ListProgram, AllConvertedIsZero) {
    const ProgramRun r = run("--von bessel:gk --nach grs80:utm",
                             "# DHDN\nP1 3571686.39 5540758.79\r\n\n3571686.39 5540758.79");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "# DHDN\nP1 32U 0571582 5538982\r\n\n32U 0571582 5538982");
    EXPECT_EQ(r.err, "");
}

TEST(ListProgram, SomeFailedIsOneWithTheLineNumberOnStandardError) {
    const ProgramRun r = run("--von grs80:dez --nach grs80:utm", "48.4 9.9\nN91 E9\n48.4 9.9\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "32U 0566615 5361151\n"
                     "FEHLER: Die nördliche Breite muss kleiner sein als 84°. Ab 84° beginnt UPS\n"
                     "32U 0566615 5361151\n");
    EXPECT_EQ(r.err, "Zeile 2: FEHLER: Die nördliche Breite muss kleiner sein als 84°. Ab 84° "
                     "beginnt UPS\n");
}

TEST(ListProgram, UsageErrorsAreTwoWithOneLine) {
    struct Case {
        const char* arguments;
        const char* message;
    };
    for (const Case& c : {
             Case{
                 "--von bessel:kk --nach grs80:utm",
                 "Unbekannte Schreibweise \"kk\" (dez, gm, gms, utm, utmmil, utmref, gk, utmamt)."},
             Case{"--von wgs:gk --nach grs80:utm",
                  "Unbekanntes Ellipsoid \"wgs\" (grs80, bessel, hayford)."},
             Case{"--von bessel:utm --nach grs80:dez",
                  "Die Schreibweise utm gibt es auf Bessel nicht."},
             Case{"--von grs80:dez --nach hayford:gk",
                  "Die Schreibweise gk gibt es auf Hayford nicht."},
             Case{"--von hayford:dez --nach grs80:dez --amtlich",
                  "Die amtliche Umrechnung (BeTA2007) gibt es nur zwischen bessel und grs80."},
             Case{"--von grs80:dez", "--von und --nach fehlen, etwa --von bessel:gk --nach "
                                     "grs80:utm (--help zeigt mehr)."},
             Case{"--von grs80 --nach grs80:dez",
                  "--von grs80: erwartet ELLIPSOID:SCHREIBWEISE, etwa bessel:gk."},
             Case{"--von grs80:dez --nach grs80:dez --zeichensatz latin9",
                  "Unbekannter Zeichensatz \"latin9\" (utf8, cp1252)."},
             Case{"--von grs80:dez --nach grs80:dez --csv",
                  "--csv braucht --spalten mit den Koordinatenspalten."},
             Case{"--von grs80:dez --nach grs80:dez --schnell",
                  "Unbekannte Option --schnell (--help zeigt alle)."},
             Case{"--von grs80:dez --nach grs80:dez /nonexistent/liste.txt",
                  "/nonexistent/liste.txt: Die Datei gibt es nicht."},
         }) {
        const ProgramRun r = run(c.arguments, "48.4 9.9\n");
        EXPECT_EQ(r.status, 2) << c.arguments;
        EXPECT_EQ(r.out, "") << c.arguments;
        EXPECT_EQ(r.err, std::string("lagewandler-liste: ") + c.message + "\n") << c.arguments;
    }
}

TEST(ListProgram, CsvHeaderWithoutTheColumnIsTwo) {
    const ProgramRun r =
        run("--von grs80:dez --nach grs80:utm --csv --spalten B,L", "Nr;B;X\n1;48;9\n");
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "lagewandler-liste: Zeile 1: Die Spalte \"L\" fehlt in der Kopfzeile.\n");
}

TEST(ListProgram, ReadsAFileAndEveryLineGivesOne) {
    const std::string path =
        ::testing::TempDir() + "liste-datei-" + std::to_string(::getpid()) + ".txt";
    std::string input, expected;
    for (int i = 0; i < 5000; ++i) {
        input += i % 100 == 0 ? "\n" : "N48.436333 E009.967967\n";
        expected += i % 100 == 0 ? "\n" : "32U NU 76.15.52.95.51\n";
    }
    std::ofstream(path, std::ios::binary) << input;
    const ProgramRun r = run("--von grs80:dez --nach grs80:utmmil " + path, "");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, expected);
}

// Many lines go through several lists side by side; the output keeps the
// input's order and the line numbers on standard error are the input's.
TEST(ListProgram, LongListKeepsItsOrder) {
    std::string input, expected, errors;
    for (int i = 1; i <= 20000; ++i) {
        const std::string id = "P" + std::to_string(i) + " ";
        if (i % 997 == 0) {
            input += id + "N91 E9\n";
            const std::string refusal =
                id + "FEHLER: Die nördliche Breite muss kleiner sein als 84°. Ab 84° beginnt UPS";
            expected += refusal + "\n";
            errors += "Zeile " + std::to_string(i) + ": " + refusal + "\n";
        } else {
            input += id + (i % 2 ? "48.4 9.9\n" : "33.9 S 18.4 E\n");
            expected += id + (i % 2 ? "32U 0566615 5361151\n" : "34H 0259583 6245888\n");
        }
    }
    const ProgramRun r = run("--von grs80:dez --nach grs80:utm", input);
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.out == expected); // not printed: 20000 lines
    EXPECT_EQ(r.err, errors);
}

// The official transformation through the installed grid: the first BKG
// test point, and a point outside the grid refused with its message.
TEST(ListProgram, OfficialTransformation) {
    const ProgramRun r =
        run("--von bessel:dez --nach grs80:dez --amtlich", "53.5 7.483333333333\n10 10\n");
    if (r.status == 2)
        GTEST_SKIP() << "no BETA2007 grid: " << r.err;
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "N53.498461 E007.482506\n"
                     "FEHLER: Der Punkt liegt außerhalb des Gebiets der amtlichen Umrechnung "
                     "BeTA2007. Ohne --amtlich rechnet Lagewandler mit der Näherung nach "
                     "Molodensky, etwa 3 m genau.\n");
}

TEST(ListProgram, HelpInGerman) {
    const ProgramRun r = run("--help", "");
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("Aufruf: lagewandler-liste --von ELLIPSOID:SCHREIBWEISE"),
              std::string::npos);
    EXPECT_NE(r.out.find("Rückgabewert: 0"), std::string::npos);
}

} // namespace
