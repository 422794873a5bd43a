// The list line by line: input forms, identifiers, comments, refusals with
// the screen's messages, CSV with pass-through columns, character sets.
#include "list_lines.h"
#include "lists/charset.h"
#include "lists/list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lw::lists {
namespace {

using testing::expectLines;
using testing::task;

TEST(ListLines, EveryInputFormOfThePasteReader) {
    expectLines(task("grs80", "dez", "grs80", "utm"),
                {{"N48.436333 E009.967967", "32U 0571595 5365251", true},
                 {"48.436333, 9.967967", "32U 0571595 5365251", true},
                 {"48,436333 9,967967", "32U 0571595 5365251", true},
                 {"48.436333;9.967967", "32U 0571595 5365251", true},
                 {"  48.436333\t9.967967  ", "32U 0571595 5365251", true},
                 {"33.9 S 18.4 E", "34H 0259583 6245888", true},
                 {"9.967967 E 48.436333 N", "32U 0571595 5365251", true}});
    expectLines(task("grs80", "gms", "grs80", "dez"),
                {{"N 48° 26' 10.80\" E 9° 58' 4.68\"", "N48.436333 E009.967967", true},
                 {"48°26′10,8″N 9°58′4,68″O", "N48.436333 E009.967967", true}});
    expectLines(task("grs80", "gm", "grs80", "gms"),
                {{"N48 26.179960 E009 58.078035", "N48 26 10.80 E009 58 4.68", true}});
    expectLines(task("grs80", "utm", "grs80", "dez"),
                {{"32U 0571595 5365251", "N48.436331 E009.967972", true},
                 {"32U 571595 5365251", "N48.436331 E009.967972", true},
                 {"32u0571595,5365251", "N48.436331 E009.967972", true}});
    expectLines(task("grs80", "utmmil", "grs80", "utmref"),
                {{"32U NU 76.15.52.95.51", "32U NU 7159565251", true},
                 {"32UNU7159565251", "32U NU 7159565251", true},
                 {"32U NU 71595 65251", "32U NU 7159565251", true}});
    expectLines(task("grs80", "utmref", "grs80", "utmmil"),
                {{"32U NU 7159565251", "32U NU 76.15.52.95.51", true}});
    expectLines(task("bessel", "gk", "bessel", "gk"),
                {{"3571686.39 5540758.79", "R 3571686.39 H 5540758.79 E009°", true},
                 {"R 3571686,39 H 5540758,79 E009°", "R 3571686.39 H 5540758.79 E009°", true}});
}

TEST(ListLines, GaussKruegerOutputInTheLocalesNumbers) {
    expectLines(task("grs80", "dez", "bessel", "gk"),
                {{"N48.436333 E009.967967", "R 3571699,02 H 5366959,2 E009°", true}}, ",");
}

TEST(ListLines, IdentifierInFrontIsKept) {
    expectLines(task("bessel", "gk", "grs80", "utm"),
                {{"P1 3571686.39 5540758.79", "P1 32U 0571582 5538982", true},
                 {"17\t3571686.39\t5540758.79", "17\t32U 0571582 5538982", true},
                 {"A-3,3571686.39,5540758.79", "A-3,32U 0571582 5538982", true},
                 {"A-4;3571686,39;5540758,79", "A-4;32U 0571582 5538982", true},
                 // No coordinate behind it, but one field more than the mask has.
                 {"P9 99 88",
                  "P9 FEHLER: Der Rechtswert ist zu klein. Ihr Punkt liegt westlich "
                  "von Deutschland.",
                  false}});
}

TEST(ListLines, CommentsAndBlankLinesPassThrough) {
    expectLines(task("grs80", "dez", "grs80", "utm"),
                {{"# Liste vom 1.2.1990", "# Liste vom 1.2.1990", true},
                 {"", "", true},
                 {"   \t", "   \t", true},
                 {"  # eingerückt", "  # eingerückt", true},
                 {"48.436333 9.967967", "32U 0571595 5365251", true}});
}

// Refusals of the checks, the key filters and the output stage, each with
// the message the screen shows, and the next line converted again.
TEST(ListLines, RefusalsCarryTheScreensMessageAndTheRunGoesOn) {
    expectLines(
        task("grs80", "dez", "grs80", "utm"),
        {{"N91 E9", "FEHLER: Die nördliche Breite muss kleiner sein als 84°. Ab 84° beginnt UPS",
          false},
         {"48.5 26 9 58", "FEHLER: 4 Werte, Grad (dezimal) braucht 2.", false},
         {"Krummbögle", "FEHLER: Die Eingabe von K ist für die Breite nicht zulässig!", false},
         {"N48.436333 E009.967967", "32U 0571595 5365251", true}});
    expectLines(
        task("grs80", "gm", "grs80", "dez"),
        {{"N48.5 26 E9 58", "FEHLER: Die Eingabe von . ist für die Breite nicht zulässig!", false},
         {"N48 26 E9 58", "N48.433333 E009.966667", true}});
    expectLines(
        task("grs80", "utm", "grs80", "dez"),
        {{"32X 0571595 5365251", "FEHLER: Das Zonenfeld 32X entfällt auf Spitzbergen.", false},
         {"32U 0971595 5365251",
          "FEHLER: Der Rechtswert darf das angezeigte Maximum nicht überschreiten!", false},
         {"32U 0571595 5365251", "N48.436331 E009.967972", true}});
    expectLines(task("grs80", "utm", "bessel", "gk"),
                {{"34H 0259583 6245888",
                  "FEHLER: Deutschland liegt nicht im Zonenfeld 34H Gauß-Krüger Koordinaten "
                  "werden deshalb nicht berechnet.",
                  false},
                 {"32U 0571595 5365251", "R 3571699.41 H 5366959.01 E009°", true}});
    expectLines(task("grs80", "dez", "bessel", "gk"),
                {{"N40 E9",
                  "FEHLER: Ihr Punkt liegt nicht in Deutschland, deshalb wird Gauß-Krüger nicht "
                  "berechnet. Beachten Sie bitte die Grenzwerte für Gauß-Krüger: N46° < Breite < "
                  "N56° E005° < Länge  < E016°",
                  false}});
    expectLines(
        task("bessel", "gk", "grs80", "dez"),
        {{"foo", "FEHLER: Die Eingabe von f ist für den Rechtswert nicht zulässig!", false}});
}

TEST(ListLines, InvalidUtf8IsRefusedForItsLineOnly) {
    expectLines(task("grs80", "dez", "grs80", "utm"),
                {{"48.4\xff 9.9",
                  "FEHLER: Die Zeile ist kein gültiges UTF-8 (für Windows-1252: "
                  "--zeichensatz cp1252).",
                  false},
                 {"# \xff stays", "# \xff stays", true},
                 {"48.436333 9.967967", "32U 0571595 5365251", true}});
}

TEST(ListLines, Windows1252InAndOut) {
    Options options = task("grs80", "gms", "grs80", "dez");
    options.charset = Charset::Cp1252;
    expectLines(options, {{"S\xfc"
                           "d-3 48\xb0 26' 10.80\" 9\xb0 58' 4.68\"",
                           "S\xfc"
                           "d-3 N48.436333 E009.967967",
                           true},
                          {"# Gr\xfc\xdf"
                           "e \x80",
                           "# Gr\xfc\xdf"
                           "e \x80",
                           true}});
    options.task.startNotation = "utmref";
    // A letter the key filter refuses, quoted in the message in the file's own code page.
    expectLines(options,
                {{"32\xdcNU 7159565251",
                  "FEHLER: Die Eingabe von \xdc ist f\xfcr die Zone nicht zul\xe4ssig!", false}});
}

TEST(Charset, Windows1252RoundTripsEveryByte) {
    std::string all;
    for (int b = 1; b < 256; ++b)
        all += static_cast<char>(b);
    std::string utf8, back;
    cp1252ToUtf8(all, utf8);
    EXPECT_TRUE(isValidUtf8(utf8));
    utf8ToCp1252(utf8, back);
    EXPECT_EQ(back, all);
    cp1252ToUtf8("\x80\x9f\xe4", utf8);
    EXPECT_EQ(utf8, "€Ÿä");
}

TEST(Charset, MalformedUtf8IsTold) {
    struct Case {
        const char* text;
        bool valid;
    };
    for (const Case& c :
         {Case{"Grüße \xef\xbf\xbd", true}, Case{"\xc3", false}, Case{"\xc0\xaf", false},
          Case{"\xed\xa0\x80", false}, Case{"\xf4\x90\x80\x80", false}, Case{"a\x80", false}})
        EXPECT_EQ(isValidUtf8(c.text), c.valid) << c.text;
}

// Lines are looked at eight bytes at a time: a byte at any place of a longer
// line counts, at a word's edge and in the short rest alike.
TEST(Charset, EveryPlaceOfALongLineCounts) {
    struct Escape {
        char byte;
        const char* keep;
        std::string_view written; // "" where the byte stays
    };
    const std::string plain(19, '5');
    for (std::size_t at = 0; at < plain.size(); ++at) {
        for (const Escape& e :
             {Escape{'\x00', "", "\\x00"}, Escape{'\x1f', "", "\\x1F"}, Escape{'\x7f', "", "\\x7F"},
              Escape{'\r', "", "\\x0D"}, Escape{'\r', "\r\n", ""}, Escape{'\t', "", ""},
              Escape{' ', "", ""}, Escape{'~', "", ""}, Escape{'\x80', "", ""},
              Escape{'\xff', "", ""}}) {
            // A tab before it leaves the rest to be looked at as well.
            for (const std::size_t tab : {at, std::size_t{0}}) {
                std::string line = plain;
                line[tab] = '\t';
                line[at] = e.byte;
                std::string text = line;
                escapeControlBytes(text, e.keep);
                if (!e.written.empty())
                    line.replace(at, 1, e.written);
                EXPECT_EQ(text, line) << at << " " << int(e.byte);
            }
        }
        std::string line = plain;
        line[at] = '\xff';
        EXPECT_FALSE(isValidUtf8(line)) << at;
        EXPECT_FALSE(isAscii(line)) << at;
        line.replace(at, 1, "ä");
        EXPECT_TRUE(isValidUtf8(line)) << at;
        EXPECT_FALSE(isAscii(line)) << at;
    }
    EXPECT_TRUE(isAscii(plain));
    EXPECT_TRUE(isAscii(""));
}

TEST(ListLines, MessagesOnOneLine) {
    EXPECT_EQ(oneLine("a\r\nb"), "a b");
    EXPECT_EQ(oneLine("a\r\n\r\nb."), "a b.");
    EXPECT_EQ(oneLine("a,\n b\n"), "a, b");
}

// ---- CSV ----

Options csv(const char* columns, const char* from, const char* fromNotation, const char* to,
            const char* toNotation) {
    Options options = task(from, fromNotation, to, toNotation);
    options.csv = true;
    std::string list = columns;
    for (std::size_t start = 0;;) {
        const std::size_t comma = list.find(',', start);
        options.columns.push_back(list.substr(start, comma - start));
        if (comma == std::string::npos)
            break;
        start = comma + 1;
    }
    return options;
}

TEST(ListCsv, CoordinateColumnsReplacedOthersPassThrough) {
    expectLines(csv("Rechts,Hoch", "bessel", "gk", "grs80", "utm"),
                {{"Nr;Rechts;Hoch;Bemerkung", "Nr;Zone;Rechtswert;Hochwert;Bemerkung", true},
                 {"1;3571686,39;5540758,79;Kirche", "1;32U;0571582;5538982;Kirche", true},
                 {"# Kommentar", "# Kommentar", true},
                 {"2;99;88;\"Turm; alt\"",
                  "2;FEHLER: Der Rechtswert ist zu klein. Ihr Punkt liegt westlich von "
                  "Deutschland.;;;\"Turm; alt\"",
                  false},
                 {"3;3571686.39;5540758.79", "3;32U;0571582;5538982;", true},
                 {"4;3571686.39;5540758.79;a;b", "4;32U;0571582;5538982;a;b", true}});
}

TEST(ListCsv, ColumnsInAnyOrderAndQuotedFields) {
    // Hoch before Rechts in the file; --spalten gives the notation's order.
    expectLines(csv("R,H", "bessel", "gk", "grs80", "dez"),
                {{"H,Name,R", "Breite,Länge,Name", true},
                 {"5540758.79,\"Kirche, alt\",\"3571686.39\"",
                  "N49.998860,E009.998798,\"Kirche, alt\"", true}});
    expectLines(csv("Breite,Länge", "grs80", "dez", "bessel", "gk"),
                {{"Breite\tLänge\tNr", "Rechtswert\tHochwert\tMeridian\tNr", true},
                 {"48.436333\t9.967967\t7", "3571699.02\t5366959.2\tE009°\t7", true}});
}

TEST(ListCsv, DecimalCommaInACommaFileIsQuoted) {
    expectLines(csv("B,L", "grs80", "dez", "bessel", "gk"),
                {{"B,L", "Rechtswert,Hochwert,Meridian", true},
                 {"48.436333,9.967967", "\"3571699,02\",\"5366959,2\",E009°", true}},
                ",");
}

TEST(ListCsv, MissingColumnIsAUsageError) {
    ListConverter list(csv("Rechts,Hoch", "bessel", "gk", "grs80", "utm"), ".");
    std::string out;
    list.convertLine("Nr;Rechts;H", out);
    ASSERT_TRUE(list.usageError.has_value());
    EXPECT_EQ(*list.usageError, "Die Spalte \"Hoch\" fehlt in der Kopfzeile.");
}

} // namespace
} // namespace lw::lists
