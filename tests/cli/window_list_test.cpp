// Lists in the window: which pasted texts are lists, and that the rows the
// window shows write exactly what lagewandler-liste writes for the same
// lines and options, with and without the place, plain and CSV.
#include "lists/pasted_list.h"
#include "lists/table.h"
#include "model/job.h"
#include "places/place_files.h"
#include "program_run.h"

#include <gtest/gtest.h>

#include <array>

namespace lw::lists {
namespace {

struct PasteCase {
    const char* text;
    int notation;
    const char* ellipsoid;
    bool list;
};

TEST(PastedList, SeveralPointsAreAListAxesOnTwoLinesAreOneCoordinate) {
    const PasteCase cases[] = {
        {"Breite: 48.1374\nLänge: 11.5755", kGradDezimal, kGRS80, false},
        {"\n\nBreite: 48.1374\r\nLänge: 11.5755\n\n", kGradDezimal, kGRS80, false},
        {"N 48° 08.246\nE 011° 34.530", kGradMinuten, kGRS80, false},
        // Read alone, each half is a decimal point; together they are
        // degrees and minutes, which the screen offers to switch to.
        {"N 48° 08.246\nE 011° 34.530\n", kGradDezimal, kGRS80, false},
        {"E 011° 34.530\nN 48° 08.246", kGradDezimal, kGRS80, false},
        {"R 3571686.39\nH 5540758.79", kGaussKrueger, kBessel, false},
        // A point and, on the next line, its meridian.
        {"3571686.39 5540758.79\nE009°", kGaussKrueger, kBessel, false},
        {"48.1 11.5\n", kGradDezimal, kGRS80, false},
        // Four numbers that degrees and minutes would take as one point.
        {"48.436333 9.967967\n48.1 11.5", kGradDezimal, kGRS80, true},
        {"N48.436333 E009.967967\nN48.1 E011.5", kGradDezimal, kGRS80, true},
        {"P1 48.137393 11.575448\nP2 99 88", kGradDezimal, kGRS80, true},
        {"# Gipfel\nP1 48.1 11.5", kGradDezimal, kGRS80, true},
        {"32U 571595 5365251\n32U 571600 5365300", kUTMzivil, kGRS80, true},
        {"Krummbögle\nBlaubeuren", kGradDezimal, kGRS80, true},
    };
    for (const PasteCase& c : cases)
        EXPECT_EQ(isPastedList(c.text, c.notation, c.ellipsoid), c.list) << c.text;
}

TEST(PastedList, BlankLinesAroundGoTheLastLineEndStays) {
    const PastedLines lines = pastedLines("\n \t\nA 1\r\n\r\nB 2\r\n\n  \n");
    EXPECT_EQ(lines.text, "A 1\r\n\r\nB 2\r\n");
    EXPECT_EQ(lines.count, 3u);
    EXPECT_EQ(lines.first, "A 1");
    EXPECT_EQ(pastedLines(" \n\n").count, 0u);
    EXPECT_EQ(pastedLines("A\rB").count, 2u);
}

PointTable converted(const std::string& bytes, const Options& options, ListRunEnd* end = nullptr,
                     const std::atomic<bool>* cancel = nullptr) {
    PointTable table(options.place);
    std::atomic<bool> going{false};
    const ListRunEnd e = convertList(
        bytes, options, ".", cancel ? *cancel : going,
        [&](PointTable& rows, std::size_t) { table.append(rows); }, 3);
    if (end)
        *end = e;
    return table;
}

Options options(bool csv, bool place) {
    Options o;
    o.task = {"grs80", "dez", "grs80", "utm", false, {}, {}};
    o.csv = csv;
    o.place = place;
    if (csv)
        o.columns = {"Breite", "Länge"};
    return o;
}

class WindowList : public ::testing::Test {
protected:
    places::PlaceFiles files_ = places::readPlaceFiles(LW_TEST_PLACES_DIR);
    places::ScopedPlaceFiles use_{files_};
};

TEST_F(WindowList, WritesWhatTheListConverterWritesWithAndWithoutThePlace) {
    struct Case {
        bool csv;
        const char* arguments;
        std::string input;
    };
    const std::string plain = "# Gipfel\nP1 48.4119 9.785\n\nP2 99 88\r\n17;48.1;\n"
                              "geo:48.436333,9.967967\nKrummbögle\nP3 48.1\x01 11.5";
    // A UTF-8 mark, a quoted cell with the delimiter and a line break, a
    // refused row, an empty coordinate cell.
    const std::string csv = "\xEF\xBB\xBFNr;Breite;Länge;Name\n1;48,4119;9,785;\"Blau;beuren\"\n"
                            "2;99;88;x\n3;;11.5;\"zwei\nZeilen\"\n";
    const Case cases[] = {
        {false, "--von grs80:dez --nach grs80:utm", plain},
        {false, "--von grs80:dez --nach grs80:utm --ort", plain},
        {true, "--csv --spalten Breite,Länge --von grs80:dez --nach grs80:utm", csv},
        {true, "--csv --spalten Breite,Länge --von grs80:dez --nach grs80:utm --ort", csv},
    };
    for (const Case& c : cases) {
        const bool place = std::string(c.arguments).find("--ort") != std::string::npos;
        const testing::ProgramRun program = testing::run(c.arguments, c.input);
        const PointTable table = converted(c.input, options(c.csv, place));
        EXPECT_EQ(table.text(), program.out) << c.arguments;
        // Every row shows its place, asked for or not; the header none.
        const PointTable::Row first = table.row(1);
        EXPECT_EQ(first.kind, PointTable::Kind::Converted) << c.arguments;
        EXPECT_EQ(PointTable::placeLine(first),
                  "Lage: in Blaubeuren (Baden-Württemberg, Deutschland)")
            << c.arguments;
    }
}

TEST_F(WindowList, RowsShowTheirPartsAndTheReasonInTheScreensWords) {
    Options o = options(false, false);
    o.task = {"grs80", "dez", "grs80", "utmamt", false, "32", {}};
    const PointTable table = converted("P1 48.4119 9.785\nP2 48.1 -20.5\nP3 99 1\n", o);
    ASSERT_EQ(table.size(), 3u);
    EXPECT_EQ(table.row(0).identifier, "P1");
    EXPECT_EQ(table.row(0).input, "P1 48.4119 9.785");
    EXPECT_EQ(table.row(0).text, "32558089.61 5362380.49");
    EXPECT_EQ(table.row(0).output, "P1 32558089.61 5362380.49");
    EXPECT_EQ(table.refused(), 2u);
    // A zone the point cannot have: the screen names its field, the command
    // line its option.
    EXPECT_NE(table.row(1).text.find("Ohne Eingabe gilt seine eigene Zone 27."),
              std::string_view::npos);
    EXPECT_NE(table.row(1).output.find("Ohne --zone gilt seine eigene Zone 27."),
              std::string_view::npos);
    EXPECT_EQ(table.nextRefused(0), 1u);
    EXPECT_EQ(table.nextRefused(2), 2u);
    EXPECT_EQ(table.nextRefused(3), 1u); // round again
}

// Point numbers that could be a latitude: the command line asks for
// --kennung, the window, which has no such option, reads the list so where
// more lines need it than convert without it.
TEST_F(WindowList, NumberedPointsAreReadAsWithKennung) {
    const std::string numbered = "# Grenzsteine\n17 48.4119 9.785\n18 48.1 11.5\n19 99 88\n";
    EXPECT_TRUE(wantsIdentifierFirst(numbered, options(false, false), "."));
    const PointTable table = converted(numbered, options(false, false));
    EXPECT_EQ(table.text(),
              testing::run("--kennung --von grs80:dez --nach grs80:utm", numbered).out);
    EXPECT_EQ(table.row(1).identifier, "17");
    EXPECT_EQ(table.refused(), 1u);
    // As many bare points as numbered ones: the list stays as written, and
    // the reason shown leaves out the command line's option.
    const std::string mixed = "48.4119 9.785\n17 48.1 11.5\n";
    EXPECT_FALSE(wantsIdentifierFirst(mixed, options(false, false), "."));
    const PointTable asWritten = converted(mixed, options(false, false));
    EXPECT_EQ(asWritten.text(), testing::run("--von grs80:dez --nach grs80:utm", mixed).out);
    EXPECT_EQ(asWritten.row(1).text.find("--kennung"), std::string_view::npos);
    EXPECT_NE(asWritten.row(1).output.find("--kennung"), std::string_view::npos);
    EXPECT_FALSE(wantsIdentifierFirst("1;48.1;11.5\n", options(true, false), "."));
}

TEST_F(WindowList, Windows1252LinesAreWrittenInItAndShownInUtf8) {
    const std::string input = "St\xC4in 48.4119 9.785\nX\xE4 99 88\n";
    Options o = options(false, false);
    o.charset = Charset::Cp1252;
    const PointTable table = converted(input, o);
    EXPECT_TRUE(table.writesCp1252());
    EXPECT_EQ(table.text(),
              testing::run("--zeichensatz cp1252 --von grs80:dez --nach grs80:utm", input).out);
    EXPECT_EQ(table.row(0).identifier, "StÄin");
    EXPECT_EQ(table.row(0).input, "StÄin 48.4119 9.785");
    // A byte-order mark says UTF-8 whatever was asked.
    EXPECT_FALSE(converted("\xEF\xBB\xBFP1 48.1 11.5\n", o).writesCp1252());
    // Lines of a coordinate alone (the short way) and copy lines with a
    // degree sign: written in Windows-1252, shown in UTF-8, each row its own.
    const struct {
        TaskNames task;
        const char* arguments;
        std::array<const char*, 2> texts;
    } plainCases[] = {
        {{"grs80", "dez", "grs80", "utm", false, {}, {}},
         "--von grs80:dez --nach grs80:utm",
         {"32U 0558090 5362380", "33U 0390163 5762247"}},
        {{"bessel", "dez", "bessel", "gk", false, {}, {}},
         "--von bessel:dez --nach bessel:gk",
         {"R 3558105.78 H 5363978.74 E009°", "R 4596135.16 H 5763676.28 E012°"}},
    };
    const std::string plain = "N48.4119 E9.785\nN52 E13.4\n";
    for (const auto& c : plainCases) {
        o.task = c.task;
        const PointTable rows = converted(plain, o);
        EXPECT_EQ(rows.text(),
                  testing::run(std::string("--zeichensatz cp1252 ") + c.arguments, plain).out);
        for (std::size_t i = 0; i < c.texts.size(); ++i)
            EXPECT_EQ(rows.row(i).text, c.texts[i]) << c.arguments;
    }
}

TEST_F(WindowList, CancelStopsBetweenLinesKeepingTheRowsSoFar) {
    std::string many;
    for (int i = 0; i < 1000; ++i)
        many += "48.1 11.5\n";
    std::atomic<bool> cancel{false};
    PointTable table;
    const ListRunEnd end = convertList(
        many, options(false, false), ".", cancel,
        [&](PointTable& rows, std::size_t) {
            table.append(rows);
            cancel = true;
        },
        10);
    EXPECT_TRUE(end.cancelled);
    EXPECT_EQ(table.size(), 10u);
}

TEST_F(WindowList, CsvHeaderWithoutTheColumnIsTheListConvertersUsageError) {
    ListRunEnd end;
    const PointTable table = converted("Nr;Lat;Lon\n1;48.1;11.5\n", options(true, false), &end);
    ASSERT_TRUE(end.usageError.has_value());
    EXPECT_EQ(*end.usageError, "Zeile 1: Die Spalte \"Breite\" fehlt in der Kopfzeile.");
    EXPECT_EQ(table.size(), 0u);
}

} // namespace
} // namespace lw::lists
