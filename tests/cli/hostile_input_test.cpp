// Lists that try to make the program read a point wrongly or print garbage:
// shifted values, numbers that may be identifiers, control bytes, UTF-16,
// byte-order marks, line breaks in CSV cells, options that do not apply.
#include "list_lines.h"
#include "lists/list.h"
#include "program_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace lw::lists {
namespace {

using testing::ProgramRun;
using testing::run;

using testing::expectLines;
using testing::task;

bool hasRawControlByte(std::string_view text) {
    return std::any_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return (byte < 0x20 && c != '\t' && c != '\n' && c != '\r') || byte == 0x7F;
    });
}

constexpr const char* kHint =
    " Ist der erste Wert eine Kennung (Punktnummer), dann mit --kennung aufrufen.";

// Every value keeps its place: a gap, a missing or a surplus value refuses
// the line instead of moving the next value into the latitude.
TEST(HostileLines, ValuesNeverShift) {
    const std::string ambiguous = std::string("FEHLER: 3 Werte, Grad (dezimal) braucht 2.") + kHint;
    expectLines(
        task("grs80", "dez", "grs80", "utm"),
        {{"17;48.137393;", "17;FEHLER: Feld 3 ist leer; Grad (dezimal) braucht 2 Werte."},
         {"18;;11.575448", "18;FEHLER: Feld 2 ist leer; Grad (dezimal) braucht 2 Werte."},
         {";48.137393;11.575448", "FEHLER: Feld 1 ist leer; Grad (dezimal) braucht 2 Werte."},
         {"P3,,11.575448", "P3,FEHLER: Feld 2 ist leer; Grad (dezimal) braucht 2 Werte."},
         {"P4\t\t11.575448", "P4\tFEHLER: Feld 2 ist leer; Grad (dezimal) braucht 2 Werte."},
         // Numbers alone, but two tabs between them: a gap all the same.
         {"48.137393\t\t11.575448",
          "48.137393\tFEHLER: Feld 2 ist leer; Grad (dezimal) braucht 2 Werte."},
         {"48.137393\t11.575448", "32U 0691599 5334779"},
         {"48.137393 11.575448 45", ambiguous.c_str()},
         {"17 48.137393 11.575448", ambiguous.c_str()},
         {"48.137393", "FEHLER: 1 Wert, Grad (dezimal) braucht 2."},
         {"P1 48.137393", "P1 FEHLER: 1 Wert, Grad (dezimal) braucht 2."},
         {"48.1 11.5 45 7", "FEHLER: 4 Werte, Grad (dezimal) braucht 2."},
         {"P2 48.137393 11.575448 45", "P2 FEHLER: 3 Werte, Grad (dezimal) braucht 2."},
         // The point itself, after all of them.
         {"P1 48.137393 11.575448", "P1 32U 0691599 5334779"},
         {"48.137393;11.575448", "32U 0691599 5334779"},
         {"95 48.137393 11.575448", "95 32U 0691599 5334779"}});
    expectLines(task("bessel", "gk", "grs80", "utm"),
                {{"1001 3571686.39 5540758.79", "1001 32U 0571582 5538982"},
                 {"3571686.39 5540758.79 12",
                  (std::string("FEHLER: 3 Werte, Gauß-Krüger braucht 2.") + kHint).c_str()},
                 // One field more than the parts: the first is taken to name the point.
                 {"3571686.39;5540758.79;",
                  "3571686.39;FEHLER: Feld 3 ist leer; Gauß-Krüger braucht 2 Werte."},
                 {"3571686.39\t\t5540758.79",
                  "3571686.39\tFEHLER: Feld 2 ist leer; Gauß-Krüger braucht 2 Werte."}});
    expectLines(task("grs80", "utmamt", "grs80", "utm"),
                {{"17 32691599.19 5334779.12", "17 32U 0691599 5334779"},
                 {"32691599.19 5334779.12 17",
                  (std::string("FEHLER: 3 Werte, UTM amtlich braucht 2.") + kHint).c_str()}});
    // A whole line the paste reader takes still counts first.
    expectLines(task("grs80", "gms", "grs80", "utm"),
                {{"N 50° 06' 47\" E 8° 40' 55\"", "32U 0477259 5551249"},
                 {"48 26 10.8 9 58", "FEHLER: 5 Werte, Grad / Minuten / Sekunden braucht 6."}});
}

TEST(HostileLines, KennungDeclaresTheFirstValue) {
    Options options = task("grs80", "dez", "grs80", "utm");
    options.identifierFirst = true;
    expectLines(options,
                {{"17 48.137393 11.575448", "17 32U 0691599 5334779"},
                 {"48.137393 11.575448 45", "48.137393 38P 0500000 1279608"},
                 {"P1 48.137393 11.575448 45", "P1 FEHLER: 3 Werte, Grad (dezimal) braucht 2."},
                 {"17;48.137393;", "17;FEHLER: Feld 3 ist leer; Grad (dezimal) braucht "
                                   "2 Werte."},
                 {"17", "17 FEHLER: 0 Werte, Grad (dezimal) braucht 2."}});
}

// A link names a WGS 84 position whatever its commas: taken on GRS80,
// refused with the option to use on the other ellipsoids, never read as
// their coordinate or split into values.
TEST(HostileLines, LinksAreWgs84) {
    const char* link = "geo:48.137393,11.575448";
    const char* osm = "https://www.openstreetmap.org/?mlat=48.137393&mlon=11.575448#map=17/48/11";
    expectLines(task("grs80", "dez", "bessel", "gk"), {{link, "R 4468508.4 H 5333349.34 E012°"},
                                                       {osm, "R 4468508.4 H 5333349.34 E012°"}});
    for (const char* ellipsoid : {"bessel", "hayford"}) {
        const std::string refusal = std::string("FEHLER: Ein Link nennt eine Lage in WGS 84 "
                                                "(GRS80), keine auf ") +
                                    (ellipsoid[0] == 'b' ? "Bessel" : "Hayford") +
                                    ": dafür --von grs80:dez.";
        expectLines(task(ellipsoid, "dez", "grs80", "dez"),
                    {{link, refusal.c_str()}, {osm, refusal.c_str()}});
    }
}

// Control bytes never reach the output raw; a key filter's message quotes
// them escaped.
TEST(HostileLines, ControlBytesAreEscaped) {
    expectLines(
        task("grs80", "utmref", "grs80", "utmmil"),
        {{"32\x01NU 7159565251", "FEHLER: Die Eingabe von \\x01 ist für die Zone nicht zulässig!"},
         {"# \x1b[31m rot", "# \\x1B[31m rot"}});
}

// The fields beside the output are options here, and the messages say so.
TEST(HostileLines, MessagesSpeakOfTheCommandLine) {
    Options zone = task("grs80", "dez", "grs80", "utmamt");
    zone.task.zone = "40";
    expectLines(zone,
                {{"48.137393 11.575448", "FEHLER: Für diesen Punkt ist als Zone nur 32 oder 33 "
                                         "wählbar. Ohne --zone gilt seine eigene Zone 32."}});
    Options strip = task("grs80", "dez", "bessel", "gk");
    strip.task.strip = "3";
    expectLines(strip, {{"48.137393 11.575448",
                         "FEHLER: Für diesen Punkt ist als Bezugsmeridian nur 9, 12 "
                         "oder 15 wählbar. Ohne --streifen gilt sein eigener, 12."}});
}

// ---- the program on hostile bytes ----

TEST(HostileBytes, NulAndControlBytesNeitherEndNorGarbleAMessage) {
    std::string input;
    for (int byte = 0; byte < 0x20; ++byte)
        if (byte != '\n')
            input += "P" + std::to_string(byte) + " 48.1" + static_cast<char>(byte) + "x 9\n";
    input += std::string("\0\0\0\n", 4);
    const ProgramRun r = run("--von grs80:dez --nach grs80:utm", input);
    EXPECT_EQ(r.status, 1);
    const auto lines = [](const std::string& text) {
        return std::count(text.begin(), text.end(), '\n');
    };
    EXPECT_EQ(lines(r.out), lines(input));
    EXPECT_EQ(lines(r.err), lines(input)) << r.err;
    EXPECT_FALSE(hasRawControlByte(r.out)) << r.out;
    EXPECT_FALSE(hasRawControlByte(r.err)) << r.err;
    EXPECT_NE(r.err.find("Zeile 32: "), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("P0 "), std::string::npos) << r.err;
}

std::string utf16(const std::u16string& text, bool littleEndian) {
    std::string bytes = littleEndian ? "\xFF\xFE" : "\xFE\xFF";
    for (char16_t unit : text) {
        const char low = static_cast<char>(unit & 0xFF), high = static_cast<char>(unit >> 8);
        bytes += littleEndian ? low : high;
        bytes += littleEndian ? high : low;
    }
    return bytes;
}

TEST(HostileBytes, Utf16WithByteOrderMarkIsReadAsUtf16) {
    const std::u16string text =
        u"# Türme 𝄞\r\nP1 48.137393 11.575448\r\nP2 48.137393 11.575448 45\r\n";
    for (bool littleEndian : {true, false}) {
        const ProgramRun r = run("--von grs80:dez --nach grs80:utm", utf16(text, littleEndian));
        EXPECT_EQ(r.status, 1) << littleEndian;
        EXPECT_EQ(r.out, "# Türme 𝄞\r\nP1 32U 0691599 5334779\r\n"
                         "P2 FEHLER: 3 Werte, Grad (dezimal) braucht 2.\r\n")
            << littleEndian;
        EXPECT_EQ(r.err, "Zeile 3: P2 FEHLER: 3 Werte, Grad (dezimal) braucht 2.\n");
    }
    // A lone surrogate is no character: its line is refused, not misread.
    const ProgramRun lone =
        run("--von grs80:dez --nach grs80:utm", utf16(u"48.1\xD800 9\n48.137393 11.575448", true));
    EXPECT_EQ(lone.status, 1);
    EXPECT_EQ(lone.out.substr(0, 8), "FEHLER: ");
    EXPECT_NE(lone.out.find("\n32U 0691599 5334779"), std::string::npos) << lone.out;
}

TEST(HostileBytes, Utf8ByteOrderMarkIsSkippedAndKeptForCsv) {
    const ProgramRun plain = run("--von grs80:dez --nach grs80:utm", "\xEF\xBB\xBF"
                                                                     "48.137393 11.575448\n");
    EXPECT_EQ(plain.status, 0);
    EXPECT_EQ(plain.out, "32U 0691599 5334779\n");
    const ProgramRun csv = run("--csv --spalten B,L --von grs80:dez --nach grs80:utm",
                               "\xEF\xBB\xBF"
                               "B;L;Nr\n48.137393;11.575448;1\n");
    EXPECT_EQ(csv.status, 0) << csv.err;
    EXPECT_EQ(csv.out, "\xEF\xBB\xBF"
                       "Zone;Rechtswert;Hochwert;Nr\n32U;0691599;5334779;1\n");
}

TEST(HostileCsv, QuotedLineBreaksStayInTheirRecord) {
    const ProgramRun r = run("--csv --spalten B,L --von grs80:dez --nach grs80:utm",
                             "Nr;B;L;Name\r\n"
                             "1;48.137393;11.575448;\"Kirche\r\nam Markt; \"\"alt\"\"\"\r\n"
                             "2;48.137393;;\"a\nb\"\n"
                             "3;48.137393;11.575448;x\n"
                             "4;48.137393;11.575448;\"offen\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "Nr;Zone;Rechtswert;Hochwert;Name\r\n"
                     "1;32U;0691599;5334779;\"Kirche\r\nam Markt; \"\"alt\"\"\"\r\n"
                     "2;\"FEHLER: Die Spalte \"\"L\"\" ist leer.\";;;\"a\nb\"\n"
                     "3;32U;0691599;5334779;x\n"
                     "4;FEHLER: Ein Anführungszeichen wird bis zum Ende der Datei nicht "
                     "geschlossen.;;;\"offen\n");
    EXPECT_EQ(r.err, "Zeile 4: 2;\"FEHLER: Die Spalte \"\"L\"\" ist leer.\";;;\"a\\x0Ab\"\n"
                     "Zeile 7: 4;FEHLER: Ein Anführungszeichen wird bis zum Ende der Datei nicht "
                     "geschlossen.;;;\"offen\\x0A\n");
}

// UTM amtlich has a note field beside its output that the list never fills:
// the header gets exactly the two value columns, and no row a cell more.
TEST(HostileCsv, UtmAmtlichColumnsMatchTheHeader) {
    for (const char* zone : {"", "--zone 33 "}) {
        const ProgramRun r =
            run(std::string(zone) + "--csv --spalten B,L --von grs80:dez --nach grs80:utmamt",
                "Nr;B;L;Name\n1;48.137393;11.575448;a\n2;91;9;b\n");
        EXPECT_EQ(r.status, 1) << zone;
        const std::string row1 =
            *zone ? "1;33245239.31;5337244.40;a" : "1;32691599.19;5334779.12;a";
        EXPECT_EQ(r.out.substr(0, r.out.find('\n')), "Nr;Ostwert;Nordwert;Name") << zone;
        std::size_t start = 0;
        while (start < r.out.size()) {
            const std::size_t end = r.out.find('\n', start);
            const std::string row = r.out.substr(start, end - start);
            EXPECT_EQ(std::count(row.begin(), row.end(), ';'), 3) << zone << row;
            start = end + 1;
        }
        EXPECT_NE(r.out.find(row1), std::string::npos) << r.out;
    }
}

// More rows than one batch, on several workers: every row under the
// header's columns, in order.
TEST(HostileCsv, LongCsvOnSeveralWorkers) {
    std::string input = "Nr,Name,B,L\n", expected = "Nr,Name,Zone,Rechtswert,Hochwert\n";
    for (int i = 0; i < 5000; ++i) {
        const std::string n = std::to_string(i);
        input += n + ",Punkt " + n + (i % 2 ? ",48.137393,11.575448\n" : ",-33.9,18.4\n");
        expected +=
            n + ",Punkt " + n + (i % 2 ? ",32U,0691599,5334779\n" : ",34H,0259583,6245888\n");
    }
    for (const char* workers : {"1", "2", "3"}) {
        const ProgramRun r = run("--csv --spalten B,L --von grs80:dez --nach grs80:utm", input,
                                 std::string("LW_LISTE_WORKERS=") + workers);
        EXPECT_EQ(r.status, 0) << workers << r.err;
        EXPECT_TRUE(r.out == expected) << workers; // not printed: 5000 rows
    }
}

TEST(HostileCsv, Ed50AndDhdnColumnsNameTheirDatum) {
    const ProgramRun r =
        run("--csv --spalten B,L --von grs80:dez --nach hayford:dez", "B;L\n48.137393;11.575448\n");
    EXPECT_EQ(r.out, "Breite;Länge;Datum\nN48.138228;E011.576503;ED50\n");
    const ProgramRun gk =
        run("--csv --spalten B,L --von grs80:dez --nach bessel:gk", "B;L\n48.137393;11.575448\n");
    EXPECT_EQ(gk.out.substr(0, gk.out.find('\n')), "Rechtswert;Hochwert;Meridian");
}

TEST(HostileOptions, OptionsThatDoNotApplyAreRefused) {
    struct Case {
        const char* arguments;
        const char* message;
    };
    for (const Case& c : {
             Case{"--von grs80:dez --nach grs80:utm --zone 33",
                  "--zone gilt nur für die Ausgabe in UTM amtlich (--nach grs80:utmamt)."},
             Case{"--von grs80:dez --nach grs80:utmamt --streifen 9",
                  "--streifen gilt nur für die Ausgabe in Gauß-Krüger (--nach bessel:gk)."},
             Case{"--von grs80:dez --nach grs80:utm --csv --spalten B,L,B",
                  "--spalten nennt die Spalte \"B\" zweimal."},
             Case{"--von grs80:dez --nach grs80:utm --csv --spalten B,L --kennung",
                  "--kennung gilt nicht mit --csv: dort stehen die Koordinaten in den Spalten "
                  "von --spalten."},
             Case{"--von grs80:dez --nach grs80:utm /", "/: Das ist ein Ordner, keine Datei."},
         }) {
        const ProgramRun r = run(c.arguments, "48.1 9.9\n");
        EXPECT_EQ(r.status, 2) << c.arguments;
        EXPECT_EQ(r.out, "") << c.arguments;
        EXPECT_EQ(r.err, std::string("lagewandler-liste: ") + c.message + "\n") << c.arguments;
    }
}

// A copy of the program far from the build has no module of the official
// transformation beside it: that is told, not taken for a missing grid.
TEST(HostileOptions, MissingModuleIsNotAMissingGrid) {
    const std::string dir = ::testing::TempDir() + "liste-ohne-modul-" + std::to_string(::getpid());
    const std::string copy = dir + "/lagewandler-liste";
    ASSERT_EQ(std::system(("mkdir -p " + dir + " && cp " + LW_TEST_LISTE + " " + copy).c_str()), 0);
    const std::string command =
        "echo 53.5 7.48 | " + copy + " --von bessel:dez --nach grs80:dez --amtlich 2>&1 >/dev/null";
    std::string err;
    if (std::FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[512];
        while (std::fgets(buffer, sizeof buffer, pipe))
            err += buffer;
        ::pclose(pipe);
    }
    std::system(("rm -rf " + dir).c_str());
    if (err.empty())
        GTEST_SKIP() << "the module is installed where every copy finds it";
    EXPECT_EQ(err.rfind("lagewandler-liste: Das Modul der amtlichen Umrechnung fehlt (gesucht: " +
                            dir + "/",
                        0),
              0u)
        << err;
    EXPECT_EQ(err.find("BETA2007.gsb"), std::string::npos) << err;
}

TEST(HostileOptions, VersionAndEveryOptionInTheSynopsis) {
    const ProgramRun version = run("--version", "");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, std::string("lagewandler-liste ") + LW_TEST_VERSION + "\n");
    const std::string help = run("--help", "").out;
    const std::string synopsis = help.substr(0, help.find("\n\n"));
    for (const char* option :
         {"--von", "--nach", "--amtlich", "--zone", "--streifen", "--kennung", "--csv", "--spalten",
          "--trennzeichen", "--zeichensatz", "--help", "--version"})
        EXPECT_NE(synopsis.find(option), std::string::npos) << option;
}

} // namespace
} // namespace lw::lists
