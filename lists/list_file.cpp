#include "lists/list_file.h"

#include "lists/list.h"

#include "lists/charset.h"
#include "lists/records.h"
#include "model/notations.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <span>
#include <tuple>

namespace lw::lists {
namespace {

// Columns tried for the coordinate: the first that hold digits. Twelve give
// some 300 combinations of up to three, each tried on the sample rows.
constexpr std::size_t kMaxCandidates = 12;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// A letter of any script: ASCII, or a byte of a UTF-8 sequence.
bool isLetter(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) || static_cast<unsigned char>(c) >= 0x80;
}

// The cells as the list converter takes a CSV record apart: split at the
// delimiter outside quotes, trimmed, a quoted cell's quotes gone and its
// doubled quotes single.
std::vector<std::string> cellsOf(std::string_view line, char delimiter) {
    std::vector<std::string_view> raw;
    splitFields(line, delimiter, raw);
    std::vector<std::string> cells;
    cells.reserve(raw.size());
    for (std::string_view field : raw)
        cells.push_back(unquoted(field));
    return cells;
}

// The list converter's choice for a header without --trennzeichen.
std::optional<char> delimiterOf(std::string_view header) {
    for (char c : {';', '\t', ','})
        if (header.find(c) != std::string_view::npos)
            return c;
    return std::nullopt;
}

// "Breite", "UTM32 Ost", "Länge (WGS84)"; not "48,1", "-9.9", "N48", "32U".
bool isName(std::string_view cell) {
    if (cell.empty() || !std::any_of(cell.begin(), cell.end(), isLetter))
        return false;
    const char first = cell.front();
    if (isDigit(first) || first == '+' || first == '-' || first == '.' || first == ',')
        return false;
    const bool hemisphere = std::string_view("NSEWOnsewo").find(first) != std::string_view::npos;
    return !(hemisphere && cell.size() > 1 && (isDigit(cell[1]) || cell[1] == ' '));
}

std::string joined(const std::vector<std::string>& cells, std::size_t from, std::size_t count) {
    std::string text;
    for (std::size_t i = from; i < from + count; ++i) {
        if (!text.empty())
            text += ' ';
        text += cells[i];
    }
    return text;
}

bool namesColumns(const std::vector<std::string>& cells, const Engine& engine) {
    if (cells.size() < 2 ||
        !std::all_of(cells.begin(), cells.end(), [](const std::string& c) { return isName(c); }))
        return false;
    for (std::size_t from = 0; from < cells.size(); ++from)
        for (std::size_t count = 1; from + count <= cells.size(); ++count)
            if (engine.recognises(joined(cells, from, count)))
                return false;
    return true;
}

// ---- what a column's name says ----

std::string lowerAscii(std::string_view text) {
    std::string lower(text);
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

// Words are found inside a name ("Breitengrad", "Ostwert UTM"); the short
// ones must be the whole name.
bool names(std::string_view name, std::span<const std::string_view> words,
           std::span<const std::string_view> wholeNames) {
    const std::string lower = lowerAscii(trimmed(name));
    for (std::string_view word : words)
        if (lower.find(word) != std::string::npos)
            return true;
    return std::find(wholeNames.begin(), wholeNames.end(), lower) != wholeNames.end();
}

constexpr std::array<std::string_view, 3> kLatitudeWords = {"breite", "lat", "phi"};
constexpr std::array<std::string_view, 2> kLatitudeNames = {"b", "y"};
constexpr std::array<std::string_view, 5> kLongitudeWords = {"länge", "laenge", "lon", "lng",
                                                             "lambda"};
constexpr std::array<std::string_view, 2> kLongitudeNames = {"l", "x"};
constexpr std::array<std::string_view, 16> kCoordinateWords = {
    "breite", "lat",   "länge",  "laenge", "lon",  "lng",   "ost", "east",
    "nord",   "north", "rechts", "hoch",   "zone", "koord", "utm", "mgrs"};
constexpr std::array<std::string_view, 10> kCoordinateNames = {"x",  "y",  "e", "n", "rw",
                                                               "hw", "gk", "b", "l", "ref"};
constexpr std::array<std::string_view, 5> kIdentifierWords = {"nr", "nummer", "kennung", "name",
                                                              "bezeichnung"};
constexpr std::array<std::string_view, 3> kIdentifierNames = {"id", "pkt", "punkt"};

bool isPlainInteger(std::string_view cell) {
    return !cell.empty() && std::all_of(cell.begin(), cell.end(), isDigit);
}

// A running number (1, 2, 3 …) is the points' identifier, however well its
// values pass for degrees.
bool isRunningNumber(const CsvTable& table, std::size_t column) {
    long previous = -1;
    std::size_t seen = 0;
    for (const std::vector<std::string>& row : table.rows) {
        if (column >= row.size() || !isPlainInteger(row[column]) || row[column].size() > 9)
            return false;
        const long value = std::stol(row[column]);
        if (previous >= 0 && value != previous + 1)
            return false;
        previous = value;
        ++seen;
    }
    return seen >= 2;
}

// Rows the paste reader takes count first: a point refused by its checks
// (outside Germany, say) still stands in the right columns. Where several
// choices read alike (any two numbers read as degrees), the names decide,
// then the rows that convert, then the header's order.
struct Score {
    std::size_t recognised = 0, converted = 0;
    int naming = 0;
    bool inOrder = true;
    auto key() const { return std::make_tuple(recognised, naming, converted, inOrder); }
};

int namingScore(const CsvTable& table, const std::vector<std::size_t>& columns, PasteForm form) {
    int score = 0;
    for (std::size_t c : columns) {
        const std::string& name = table.columns[c];
        if (names(name, kCoordinateWords, kCoordinateNames))
            score += 1;
        if (names(name, kIdentifierWords, kIdentifierNames) || isRunningNumber(table, c))
            score -= 2;
    }
    // Bare degrees read latitude first: the columns must be in that order.
    if (form == PasteForm::Geographic && columns.size() == 2) {
        const std::string& first = table.columns[columns[0]];
        const std::string& second = table.columns[columns[1]];
        if (names(first, kLatitudeWords, kLatitudeNames) &&
            names(second, kLongitudeWords, kLongitudeNames))
            score += 2;
        if (names(first, kLongitudeWords, kLongitudeNames) &&
            names(second, kLatitudeWords, kLatitudeNames))
            score -= 4;
    }
    return score;
}

Score scoreOf(const CsvTable& table, const std::vector<std::size_t>& columns, Engine& engine) {
    Score score;
    std::string coordinate;
    for (const std::vector<std::string>& row : table.rows) {
        coordinate.clear();
        bool complete = true;
        for (std::size_t c : columns) {
            if (c >= row.size() || row[c].empty()) {
                complete = false;
                break;
            }
            if (!coordinate.empty())
                coordinate += ' ';
            coordinate += row[c];
        }
        if (!complete)
            continue;
        if (const PointResult* result = engine.tryConvert(coordinate)) {
            ++score.recognised;
            if (result->converted)
                ++score.converted;
        }
    }
    score.naming = namingScore(table, columns, engine.inputForm());
    score.inOrder = std::is_sorted(columns.begin(), columns.end());
    return score;
}

// Every ordered choice of up to `parts` candidates, in the header's order;
// for a pair of degrees also reversed (longitude columns often come first).
template <class Visit>
void forEachChoice(const std::vector<std::size_t>& candidates, std::size_t parts,
                   bool reversedPairs, Visit visit) {
    std::vector<std::size_t> choice;
    auto extend = [&](auto& self, std::size_t from) -> void {
        if (!choice.empty()) {
            visit(choice);
            if (reversedPairs && choice.size() == 2)
                visit(std::vector<std::size_t>{choice[1], choice[0]});
        }
        if (choice.size() == parts)
            return;
        for (std::size_t i = from; i < candidates.size(); ++i) {
            choice.push_back(candidates[i]);
            self(self, i + 1);
            choice.pop_back();
        }
    };
    extend(extend, 0);
}

} // namespace

std::optional<CsvTable> csvTableOf(std::string_view bytes, FileEncoding encoding,
                                   const Engine& engine, std::size_t sampleRows) {
    std::optional<CsvTable> table;
    bool decided = false;
    std::string utf8;
    RecordReader reader(true, [&](std::string_view record, std::string_view, std::size_t) {
        if (encoding == FileEncoding::Cp1252) {
            cp1252ToUtf8(record, utf8);
            record = utf8;
        }
        const std::string_view text = trimmed(record);
        if (text.empty() || text.front() == '#')
            return true;
        if (decided) {
            table->rows.push_back(cellsOf(record, table->delimiter));
            return table->rows.size() < sampleRows;
        }
        decided = true;
        const std::optional<char> delimiter = delimiterOf(record);
        if (!delimiter)
            return false;
        std::vector<std::string> cells = cellsOf(record, *delimiter);
        if (!namesColumns(cells, engine))
            return false;
        table = CsvTable{*delimiter, std::move(cells), {}};
        return sampleRows > 0;
    });
    if (reader.feed(bytes))
        reader.finish();
    return table;
}

std::vector<std::size_t> proposeColumns(const CsvTable& table, Engine& engine) {
    std::vector<std::size_t> candidates;
    for (std::size_t c = 0; c < table.columns.size() && candidates.size() < kMaxCandidates; ++c) {
        const auto first = std::find(table.columns.begin(), table.columns.end(), table.columns[c]);
        if (static_cast<std::size_t>(first - table.columns.begin()) != c)
            continue;
        const bool digits = std::any_of(table.rows.begin(), table.rows.end(), [&](const auto& row) {
            return c < row.size() && std::any_of(row[c].begin(), row[c].end(), isDigit);
        });
        if (digits)
            candidates.push_back(c);
    }
    std::vector<std::size_t> best;
    Score bestScore;
    bool any = false;
    forEachChoice(candidates, engine.inputParts(), engine.inputForm() == PasteForm::Geographic,
                  [&](const std::vector<std::size_t>& choice) {
                      const Score score = scoreOf(table, choice, engine);
                      if (score.recognised == 0)
                          return;
                      if (!any || score.key() > bestScore.key()) {
                          best = choice;
                          bestScore = score;
                          any = true;
                      }
                  });
    return best;
}

Options fileOptions(const TaskNames& task, FileEncoding encoding) {
    Options options;
    options.task = task;
    options.charset = encoding == FileEncoding::Cp1252 ? Charset::Cp1252 : Charset::Utf8;
    return options;
}

void chooseColumns(Options& options, const CsvTable& table,
                   const std::vector<std::size_t>& chosen) {
    options.csv = true;
    options.delimiter = table.delimiter;
    options.columns.clear();
    for (std::size_t c : chosen)
        options.columns.push_back(table.columns.at(c));
}

} // namespace lw::lists
