// Files as the window opens them: their encoding found without being told,
// CSV told from a plain list, the coordinate columns proposed, and the list
// written back in the encoding it came in.
#include "lists/charset.h"
#include "lists/file_encoding.h"
#include "lists/input_file.h"
#include "lists/list_file.h"
#include "lists/records.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lw::lists {
namespace {

std::string fixture(const char* name) {
    std::string error;
    const std::optional<std::string> bytes =
        readWholeFile(std::string(LW_TEST_LIST_FILES) + "/" + name, error);
    EXPECT_TRUE(bytes) << error;
    return bytes.value_or("");
}

TaskNames task(const char* from, const char* fromNotation, const char* to, const char* toNotation) {
    return {from, fromNotation, to, toNotation, false, {}, {}};
}

// The UTF-8 the record reader hands on for `bytes` (records joined by "\n").
std::string readBack(const std::string& bytes, FileEncoding encoding) {
    std::string text;
    RecordReader reader(false, [&](std::string_view record, std::string_view end, std::size_t) {
        text += record;
        text += end;
        return true;
    });
    reader.feed(bytes);
    reader.finish();
    if (encoding != FileEncoding::Cp1252)
        return text;
    std::string utf8;
    cp1252ToUtf8(text, utf8);
    return utf8;
}

TEST(FileEncoding, SpreadsheetAndEditorFilesAreToldApart) {
    const struct {
        const char* file;
        FileEncoding encoding;
    } cases[] = {
        {"kirchtuerme_libreoffice.csv", FileEncoding::Cp1252},
        {"grenzsteine_unicode.txt", FileEncoding::Utf16LittleEndian},
        {"ziele_utf8.txt", FileEncoding::Utf8},
    };
    for (const auto& c : cases) {
        const std::string bytes = fixture(c.file);
        EXPECT_EQ(detectEncoding(bytes), c.encoding) << c.file;
        EXPECT_FALSE(notTextReason(bytes, c.encoding)) << c.file;
    }
}

TEST(FileEncoding, MarksDecideThenValidUtf8ThenWindows1252) {
    const struct {
        std::string bytes;
        FileEncoding encoding;
    } cases[] = {
        {"", FileEncoding::Utf8},
        {"P1 48.1 9.9\n", FileEncoding::Utf8},
        {"\xEF\xBB\xBFNr;Breite\n", FileEncoding::Utf8WithMark},
        {"\xFF\xFEN\0", FileEncoding::Utf16LittleEndian},
        {"\xFE\xFF\0N", FileEncoding::Utf16BigEndian},
        {"Kirchturm S\xC3\xB6"
         "flingen 48.4 9.9",
         FileEncoding::Utf8},
        {"Kirchturm S\xF6"
         "flingen 48.4 9.9",
         FileEncoding::Cp1252},
        // One stray byte at the very end makes the whole file Windows-1252.
        {"P1 48.1 9.9 \xC3\xB6\nP2 48.2 9.8 \xB0", FileEncoding::Cp1252},
        {"\xC3", FileEncoding::Cp1252},
    };
    for (const auto& c : cases)
        EXPECT_EQ(detectEncoding(c.bytes), c.encoding) << c.bytes;
}

TEST(FileEncoding, BinaryFilesAreNoList) {
    const std::string xlsx("PK\x03\x04\x14\0\x06\0", 8);
    EXPECT_TRUE(notTextReason(xlsx, detectEncoding(xlsx)));
    const std::string utf16("\xFF\xFEP\0"
                            "1\0",
                            6);
    EXPECT_FALSE(notTextReason(utf16, detectEncoding(utf16)));
}

// Saved in the encoding it came in, the list reads back as the same text.
TEST(FileEncoding, SavedTextReadsBackInEveryEncoding) {
    const std::string text = "# Grenzsteine Übung\r\nGS 1;32U 0571582 5538982;am Weg\r\n"
                             "GS 2;FEHLER: Die Eingabe von ° ist nicht zulässig! €\n𝔾 end";
    for (FileEncoding e : {FileEncoding::Utf8, FileEncoding::Utf8WithMark,
                           FileEncoding::Utf16LittleEndian, FileEncoding::Utf16BigEndian}) {
        const std::string bytes = encodeText(text, e);
        EXPECT_EQ(detectEncoding(bytes), e) << encodingName(e);
        EXPECT_EQ(readBack(bytes, e), text) << encodingName(e);
    }
    const std::string cp1252 = encodeText("Söflingen ° € 𝔾", FileEncoding::Cp1252);
    EXPECT_EQ(cp1252, "S\xF6"
                      "flingen \xB0 \x80 ?");
    EXPECT_EQ(encodeText("N", FileEncoding::Utf16LittleEndian), std::string("\xFF\xFEN\0", 4));
    EXPECT_EQ(encodeText("N", FileEncoding::Utf16BigEndian), std::string("\xFE\xFF\0N", 4));
}

// The list converter's text becomes the file's encoding again; its own
// UTF-8 mark (CSV read with a mark) is not written twice or in UTF-16.
TEST(FileEncoding, ListTextIsSavedAsTheFileCame) {
    const struct {
        std::string list;
        FileEncoding encoding;
        std::string saved;
    } cases[] = {
        {"P1 32U 0571595 5365251\n", FileEncoding::Utf8, "P1 32U 0571595 5365251\n"},
        {"S\xF6;32U\r\n", FileEncoding::Cp1252, "S\xF6;32U\r\n"},
        {"P1\n", FileEncoding::Utf8WithMark, "\xEF\xBB\xBFP1\n"},
        {"\xEF\xBB\xBFNr;UTM\n", FileEncoding::Utf8WithMark, "\xEF\xBB\xBFNr;UTM\n"},
        {"\xEF\xBB\xBF\xC3\x9C\r\n", FileEncoding::Utf16LittleEndian,
         std::string("\xFF\xFE\xDC\0\r\0\n\0", 8)},
        {"N", FileEncoding::Utf16BigEndian, std::string("\xFE\xFF\0N", 4)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(savedListText(c.list, c.encoding), c.saved) << c.list;
}

TEST(InputFile, UnreadableFilesAreToldInGerman) {
    std::string error;
    EXPECT_FALSE(readWholeFile("/nonexistent/liste.csv", error));
    EXPECT_EQ(error, "/nonexistent/liste.csv: Die Datei gibt es nicht.");
    EXPECT_FALSE(readWholeFile(LW_TEST_LIST_FILES, error));
    EXPECT_EQ(error, std::string(LW_TEST_LIST_FILES) + ": Das ist ein Ordner, keine Datei.");
    // A device that never ends is read up to the limit, not for ever.
    EXPECT_FALSE(readWholeFile("/dev/zero", error, std::size_t{2} << 20));
    EXPECT_EQ(error, "/dev/zero: Die Datei ist größer als 2 MB. So lange Listen wandelt "
                     "lagewandler-liste um.");
}

std::optional<CsvTable> tableOf(const std::string& bytes, const TaskNames& names) {
    const Engine engine(names, ".", false);
    return csvTableOf(bytes, detectEncoding(bytes), engine);
}

TEST(CsvTable, FixturesWithAHeaderAreCsvAndThePlainListIsNot) {
    const auto libre =
        tableOf(fixture("kirchtuerme_libreoffice.csv"), task("grs80", "dez", "grs80", "utm"));
    ASSERT_TRUE(libre);
    EXPECT_EQ(libre->delimiter, ';');
    EXPECT_EQ(libre->columns,
              (std::vector<std::string>{"Nr", "Bezeichnung", "Breite", "Länge", "Höhe"}));
    ASSERT_EQ(libre->rows.size(), 3u);
    EXPECT_EQ(libre->rows[1][1], "Grenzstein \"Söflingen\"");
    EXPECT_EQ(libre->rows[1][4], "");

    const auto unicode =
        tableOf(fixture("grenzsteine_unicode.txt"), task("bessel", "gk", "grs80", "utm"));
    ASSERT_TRUE(unicode);
    EXPECT_EQ(unicode->delimiter, '\t');
    EXPECT_EQ(unicode->columns,
              (std::vector<std::string>{"Punkt", "Rechtswert", "Hochwert", "Bemerkung"}));
    EXPECT_EQ(unicode->rows[1][3], "Überhang");

    EXPECT_FALSE(tableOf(fixture("ziele_utf8.txt"), task("grs80", "dez", "grs80", "utm")));
}

TEST(CsvTable, OnlyAFirstLineOfNamesIsAHeader) {
    const struct {
        const char* text;
        bool header;
    } cases[] = {
        {"# Liste\n\nNr;Breite;Länge\n1;48.1;9.9\n", true},
        {"X,Y\n9.9,48.1\n", true},
        {"\"Breite, Grad\";\"Länge, Grad\"\n48.1;9.9\n", true},
        {"P1;48.1;9.9\n", false},   // a point with an identifier
        {"P1;N48.1;E9.9\n", false}, // the hemisphere letters make it a coordinate
        {"Turm;N 48.1;E 9.9\n", false},
        {"Kirchtürme im Alb-Donau-Kreis\n", false},                // one cell: a refused line
        {"\"Kirchtürme; Alb-Donau-Kreis\"\nP1 48.1 9.9\n", false}, // one quoted cell
        {"Nr;;Länge\n", false},
        {"32U;NU;76.15.52.95.51\n", false},
        {"", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(tableOf(c.text, task("grs80", "dez", "grs80", "utm")).has_value(), c.header)
            << c.text;
}

std::vector<std::string> proposed(const TaskNames& names, const std::string& csv) {
    Engine engine(names, ".", false);
    const std::optional<CsvTable> table = csvTableOf(csv, detectEncoding(csv), engine);
    if (!table)
        return {"(keine Kopfzeile)"};
    std::vector<std::string> columns;
    for (std::size_t c : proposeColumns(*table, engine))
        columns.push_back(table->columns[c]);
    return columns;
}

TEST(ColumnProposal, TheColumnsWhoseValuesTheInputNotationTakes) {
    using Columns = std::vector<std::string>;
    const struct {
        TaskNames task;
        const char* csv;
        Columns columns;
    } cases[] = {
        {task("grs80", "dez", "grs80", "utm"),
         "Nr;Breite;Länge;Höhe\n1;48,41;9,78;519\n2;48,40;9,77;530\n",
         {"Breite", "Länge"}},
        // Longitude first: the names put latitude first again.
        {task("grs80", "dez", "grs80", "utm"),
         "Name,Lon,Lat\nA,9.78,48.41\nB,9.77,48.40\n",
         {"Lat", "Lon"}},
        // Nameless columns: the running number is the identifier.
        {task("grs80", "dez", "grs80", "utm"),
         "A;B;C\n1;48.41;9.78\n2;48.40;9.77\n3;48.39;9.76\n",
         {"B", "C"}},
        // Values beyond 90° are no latitude, whatever the names say.
        {task("grs80", "dez", "grs80", "utm"),
         "Wert 1;Wert 2;Wert 3\n170.5;48.41;9.78\n",
         {"Wert 2", "Wert 3"}},
        {task("grs80", "utm", "grs80", "dez"),
         "Nr;Zone;Ost;Nord\n1;32U;571595;5365251\n2;32U;0571600;5365300\n",
         {"Zone", "Ost", "Nord"}},
        {task("grs80", "utm", "grs80", "dez"),
         "Punkt;Koordinate\nA;32U 0571595 5365251\n",
         {"Koordinate"}},
        {task("grs80", "utmmil", "grs80", "dez"),
         "Punkt;MGRS;Bemerkung\nA;32UNU7159565251;x\n",
         {"MGRS"}},
        {task("bessel", "gk", "grs80", "utm"),
         "Nr;Rechtswert;Hochwert\n1001;3571686,39;5540758,79\n1002;3571700;5540800\n",
         {"Rechtswert", "Hochwert"}},
        {task("grs80", "utmamt", "grs80", "dez"),
         "Flurstück;Ost;Nord\n12/3;32399340.60;5928794.18\n",
         {"Ost", "Nord"}},
        {task("grs80", "gms", "grs80", "dez"),
         "Ort;Breite;Länge\nA;\"N 48° 26' 10.80\"\"\";\"E 9° 58' 4.68\"\"\"\n",
         {"Breite", "Länge"}},
        // Nothing reads as a coordinate: nothing proposed.
        {task("grs80", "dez", "grs80", "utm"), "Nr;Name\n1;Krummbögle\n", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(proposed(c.task, c.csv), c.columns) << c.csv;
}

TEST(ColumnProposal, ChosenColumnsBecomeTheListConvertersOptions) {
    const std::string bytes = fixture("kirchtuerme_libreoffice.csv");
    const FileEncoding encoding = detectEncoding(bytes);
    Options options = fileOptions(task("grs80", "dez", "grs80", "utm"), encoding);
    EXPECT_EQ(options.charset, Charset::Cp1252);
    EXPECT_FALSE(options.csv);
    Engine engine(options.task, ".", false);
    const std::optional<CsvTable> table = csvTableOf(bytes, encoding, engine);
    ASSERT_TRUE(table);
    chooseColumns(options, *table, proposeColumns(*table, engine));
    EXPECT_TRUE(options.csv);
    EXPECT_EQ(options.delimiter, ';');
    EXPECT_EQ(options.columns, (std::vector<std::string>{"Breite", "Länge"}));
    EXPECT_EQ(fileOptions(options.task, FileEncoding::Utf16LittleEndian).charset, Charset::Utf8);
}

} // namespace
} // namespace lw::lists
