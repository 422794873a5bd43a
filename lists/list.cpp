#include "lists/list.h"

#include "lists/charset.h"
#include "model/notations.h"
#include "places/describe.h"

#include <cctype>
#include <cmath>
#include <cstdlib>

#include <algorithm>
#include <array>

namespace lw::lists {
namespace {

constexpr std::string_view kFehler = "FEHLER: ";
// The last column of a CSV file with --ort.
constexpr std::string_view kPlaceColumn = "Lage";
constexpr std::string_view kUnclosedQuote =
    "Ein Anführungszeichen wird bis zum Ende der Datei nicht geschlossen.";
constexpr std::string_view kInvalidUtf8 =
    "Die Zeile ist kein gültiges UTF-8 (für Windows-1252: --zeichensatz cp1252).";

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

} // namespace

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (isBlank(text.front()) || text.front() == '\r'))
        text.remove_prefix(1);
    while (!text.empty() && (isBlank(text.back()) || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

namespace {

// Blank lines and comments pass through as they are.
bool passesThrough(std::string_view line) {
    const std::string_view text = trimmed(line);
    return text.empty() || text.front() == '#';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// ---- the values of a plain line ----

// A comma between two digits is a decimal comma ("48,436333 9,967967") unless
// the line has nothing else to separate its values ("17,48.1,11.5").
bool isDecimalComma(std::string_view text, std::size_t i, bool otherSeparators) {
    return otherSeparators && i > 0 && i + 1 < text.size() && isDigit(text[i - 1]) &&
           isDigit(text[i + 1]);
}

} // namespace

// The characters of a line that may separate its values.
struct Separators {
    bool semicolon = false, blank = false, tab = false;
    bool comma = false, commaOffDigits = false; // a comma not between two digits

    bool otherThanCommas() const { return semicolon || blank || tab; }
    bool separatingComma() const { return comma && (!otherThanCommas() || commaOffDigits); }
    bool tabsSeparate() const { return !semicolon && !separatingComma(); }
    // Whether anything ends a field: without, no field can be empty.
    bool anyFieldEnd() const { return semicolon || separatingComma() || tab; }
};

namespace {

Separators separatorsOf(std::string_view text) {
    constexpr std::size_t kNone = std::string_view::npos;
    Separators found;
    found.semicolon = text.find(';') != kNone;
    found.blank = text.find(' ') != kNone;
    found.tab = text.find('\t') != kNone;
    for (std::size_t i = text.find(','); i != kNone; i = text.find(',', i + 1)) {
        found.comma = true;
        found.commaOffDigits = found.commaOffDigits || !isDecimalComma(text, i, true);
    }
    return found;
}

void valuesOf(std::string_view text, const Separators& separators, LineValues& line) {
    const bool otherSeparators = separators.otherThanCommas();
    const bool tabsSeparate = separators.tabsSeparate();
    auto endsField = [&](std::size_t i) {
        const char c = text[i];
        return c == ';' || (c == '\t' && tabsSeparate) ||
               (c == ',' && !isDecimalComma(text, i, otherSeparators));
    };
    line.values.clear();
    line.starts.clear();
    line.fields = line.emptyField = 0;
    auto markEmpty = [&] {
        ++line.fields;
        if (line.emptyField == 0)
            line.emptyField = line.fields;
    };
    bool fieldEmpty = true, afterSeparator = false;
    for (std::size_t i = 0; i < text.size();) {
        if (endsField(i)) {
            if (fieldEmpty)
                markEmpty();
            fieldEmpty = afterSeparator = true;
            ++i;
        } else if (isBlank(text[i]) || text[i] == '\r') {
            ++i;
        } else {
            const std::size_t start = i;
            while (i < text.size() && !endsField(i) && !isBlank(text[i]) && text[i] != '\r')
                ++i;
            line.values.push_back(text.substr(start, i - start));
            line.starts.push_back(start);
            ++line.fields;
            fieldEmpty = afterSeparator = false;
        }
    }
    if (afterSeparator)
        markEmpty();
}

// "17", "-48.5", "3571686,39": digits with at most one decimal point or comma.
bool isPlainNumber(std::string_view text) {
    if (!text.empty() && (text.front() == '-' || text.front() == '+'))
        text.remove_prefix(1);
    bool digits = false, decimal = false;
    for (char c : text) {
        if (isDigit(c))
            digits = true;
        else if ((c == '.' || c == ',') && !decimal)
            decimal = true;
        else
            return false;
    }
    return digits;
}

std::size_t integerDigits(std::string_view number) {
    std::size_t count = 0;
    for (char c : number) {
        if (c == '.' || c == ',')
            break;
        count += isDigit(c) ? 1 : 0;
    }
    return count;
}

bool startsWithWord(std::string_view text, std::string_view word) {
    if (text.size() < word.size())
        return false;
    for (std::size_t i = 0; i < word.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(text[i])) != word[i])
            return false;
    return true;
}

// Whether `value` may be the first part of a coordinate of the paste form:
// "P1" is none, nor "1001" before a Gauß-Krüger pair (a Rechtswert has seven
// digits), nor 95 before a pair of degrees.
bool mayBeFirstPart(PasteForm form, std::string_view value) {
    const bool number = isPlainNumber(value);
    switch (form) {
    case PasteForm::Geographic: {
        if (number) {
            std::string copy(value);
            std::replace(copy.begin(), copy.end(), ',', '.');
            return std::abs(std::strtod(copy.c_str(), nullptr)) <= 90.0;
        }
        if (!value.empty() &&
            std::string_view("NSEWOnsewo").find(value.front()) != std::string_view::npos)
            value.remove_prefix(1);
        return value.empty() || isDigit(value.front()) || value.front() == '-';
    }
    case PasteForm::GaussKrueger:
        return number ? integerDigits(value) == 7 : value == "R" || value == "r";
    case PasteForm::UtmAmtlich:
        // A zone written apart carries its band letter ("32U").
        if (number)
            return integerDigits(value) >= 6;
        return isDigit(value.front()) || startsWithWord(value, "E") || startsWithWord(value, "OST");
    case PasteForm::UtmCivil:
    case PasteForm::UtmMilitary:
    case PasteForm::UtmReference: {
        std::size_t digits = 0;
        while (digits < value.size() && isDigit(value[digits]))
            ++digits;
        const int zone =
            digits == 0 || digits > 2 ? 0 : std::stoi(std::string(value.substr(0, digits)));
        return zone >= 1 && zone <= 60;
    }
    }
    return true;
}

// Whether the paste form's parts can be counted as values: the military and
// reference notations write their digits in groups of any size.
bool countsValues(PasteForm form) {
    return form != PasteForm::UtmMilitary && form != PasteForm::UtmReference;
}

std::string valueCountText(std::size_t count, std::string_view label, std::size_t parts) {
    return std::to_string(count) + (count == 1 ? " Wert, " : " Werte, ") + std::string(label) +
           " braucht " + std::to_string(parts) + ".";
}

constexpr std::string_view kIdentifierHint =
    " Ist der erste Wert eine Kennung (Punktnummer), dann mit --kennung aufrufen.";

// The screen's words where a command line has others: the check box, the
// fields beside the output and the strip options are options and the meridian
// behind the line here.
struct Rewording {
    std::string_view screen, commandLine;
};
constexpr std::array<Rewording, 4> kRewordings = {{
    {"Ohne das Häkchen", "Ohne --amtlich"},
    {"Ohne Eingabe gilt seine eigene Zone", "Ohne --zone gilt seine eigene Zone"},
    {"Ohne Eingabe gilt sein eigener", "Ohne --streifen gilt sein eigener"},
    {"Wählen Sie eine kleinere Streifenbreite.",
     "Nennen Sie hinter dem Punkt den Meridian eines 3°-Streifens oder keinen."},
}};

std::string commandLineWords(std::string text) {
    for (const Rewording& r : kRewordings)
        if (const std::size_t at = text.find(r.screen); at != std::string::npos)
            text.replace(at, r.screen.size(), r.commandLine);
    return text;
}

// ---- CSV fields ----

} // namespace

void splitFields(std::string_view line, char delimiter, std::vector<std::string_view>& fields) {
    fields.clear();
    std::size_t start = 0;
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '"')
            quoted = !quoted;
        else if (line[i] == delimiter && !quoted) {
            fields.push_back(line.substr(start, i - start));
            start = i + 1;
        }
    }
    fields.push_back(line.substr(start));
}

std::string unquoted(std::string_view field) {
    field = trimmed(field);
    if (field.size() < 2 || field.front() != '"' || field.back() != '"')
        return std::string(field);
    std::string text;
    for (std::size_t i = 1; i + 1 < field.size(); ++i) {
        text += field[i];
        if (field[i] == '"' && field[i + 1] == '"')
            ++i;
    }
    return text;
}

namespace {

void appendQuotedIfNeeded(std::string& out, std::string_view text, char delimiter) {
    if (text.find(delimiter) == std::string_view::npos &&
        text.find_first_of("\"\r\n") == std::string_view::npos) {
        out += text;
        return;
    }
    out += '"';
    for (char c : text) {
        out += c;
        if (c == '"')
            out += '"';
    }
    out += '"';
}

char delimiterOfHeader(std::string_view header) {
    for (char c : {';', '\t', ','})
        if (header.find(c) != std::string_view::npos)
            return c;
    return ';';
}

// Where a converted point lies, the line the screen shows under its result.
std::string placeLine(const PointResult& result) {
    if (!result.grs80)
        return std::string(places::kPlaceUnavailable);
    return places::describePlace(result.grs80->latDeg, result.grs80->lonDeg);
}

} // namespace

std::string oneLine(std::string_view message) {
    std::string text;
    std::size_t start = 0;
    while (start <= message.size()) {
        std::size_t end = message.find('\n', start);
        if (end == std::string_view::npos)
            end = message.size();
        const std::string_view part = trimmed(message.substr(start, end - start));
        if (!part.empty()) {
            if (!text.empty())
                text += ' ';
            text += part;
        }
        start = end + 1;
    }
    return text;
}

ListConverter::ListConverter(const Options& options, std::string decimalSeparator)
    : options_(options), engine_(options.task, std::move(decimalSeparator), options.csv,
                                 options.place || options.positions) {
    // Quoted CSV cells may hold line breaks; nothing else passes raw.
    if (options_.csv)
        keep_ = "\r\n";
}

// The last cell of a CSV row with --ort: the place without "Lage: ", which
// is the column's name; empty for a refused row.
void ListConverter::appendPlaceCell(const PointResult* result, std::string& out) {
    if (!options_.place)
        return;
    placeFrom_ = out.size();
    out += delimiter_;
    if (result) {
        last_.place = placeLine(*result);
        appendQuotedIfNeeded(out, std::string_view(last_.place).substr(places::kLinePrefix.size()),
                             delimiter_);
    }
}

bool ListConverter::convertLine(std::string_view line, std::string& out) {
    out.clear();
    last_.kind = LineParts::Kind::PassedThrough;
    last_.identifier.clear();
    last_.text = {};
    last_.place.clear();
    last_.placeLength = 0;
    last_.identifierAsked = false;
    last_.position.reset();
    placeFrom_ = std::string::npos;
    if (plainCoordinateLine(line, out)) {
        toOutputCharset(out);
        return true;
    }
    if (passesThrough(line)) {
        out = line;
        escapeControlBytes(out);
        return true;
    }
    std::string_view text = line;
    if (options_.charset == Charset::Cp1252) {
        // ASCII is the same in either character set.
        if (!isAscii(line)) {
            cp1252ToUtf8(line, utf8Line_);
            text = utf8Line_;
        }
    } else if (!isValidUtf8(line)) {
        out = kFehler;
        out += kInvalidUtf8;
        last_.kind = LineParts::Kind::Refused;
        last_.text = kInvalidUtf8;
        return false;
    }
    bool converted = true;
    if (!options_.csv)
        converted = plainLine(text, out);
    else if (!headerSeen_)
        header(text, out);
    else
        converted = csvRow(text, out);
    std::string place;
    if (placeFrom_ != std::string::npos)
        place = out.substr(placeFrom_);
    escapeControlBytes(out, keep_);
    toOutputCharset(out);
    if (!place.empty()) {
        escapeControlBytes(place, keep_);
        toOutputCharset(place);
        last_.placeLength = place.size();
    }
    return converted;
}

// The commonest line of all: a coordinate alone, numbers between blanks
// (ASCII, the same in either character set; no link, no field end such as a
// tab, nothing to escape), converted by the short way. Its output is the
// copy line alone; lines with a place or an identifier first take the way
// below.
bool ListConverter::plainCoordinateLine(std::string_view line, std::string& out) {
    if (options_.csv || options_.identifierFirst || options_.place ||
        !engine_.plainLineInto(line, out, last_.position))
        return false;
    last_.kind = LineParts::Kind::Converted;
    last_.text = out; // UTF-8 still: toOutputCharset swaps a converted text in
    return true;
}

void ListConverter::toOutputCharset(std::string& out) {
    if (options_.charset != Charset::Cp1252 || isAscii(out))
        return;
    utf8ToCp1252(out, converted_);
    out.swap(converted_);
}

// A whole coordinate as the paste reader takes it; any other text goes into
// the first field alone, as on the screen.
const PointResult& ListConverter::convertCoordinate(std::string_view text) {
    if (const PointResult* result = engine_.tryConvert(text))
        return *result;
    return engine_.convertAsText(text);
}

bool ListConverter::plainLine(std::string_view line, std::string& out) {
    const std::string_view text = trimmed(line);
    // A link is one part, whatever its commas; its datum is WGS 84's.
    if (const std::optional<std::string> link = engine_.linkOffGrs80(text))
        return refuse({}, ' ', *link, out);
    const Separators separators = separatorsOf(text);
    // A line without a field end has no empty field, and most such lines are
    // whole coordinates: they need no taking apart.
    const bool wholeFirst = !options_.identifierFirst && !separators.anyFieldEnd();
    if (wholeFirst)
        if (const PointResult* result = engine_.tryConvert(text))
            return writeResult(*result, {}, ' ', out);
    return splitLine(text, separators, wholeFirst, out);
}

// A line taken apart into its values. `wholeTried`: the whole line was
// tried as a coordinate already.
bool ListConverter::splitLine(std::string_view text, const Separators& separators, bool wholeTried,
                              std::string& out) {
    valuesOf(text, separators, values_);
    const LineValues& split = values_;
    const std::vector<std::string_view>& values = split.values;
    const std::size_t parts = engine_.inputParts();
    const PasteForm form = engine_.inputForm();
    // A semicolon separates like a blank; no coordinate holds one.
    std::string_view whole = text;
    if (separators.semicolon) {
        coordinate_.assign(text);
        std::replace(coordinate_.begin(), coordinate_.end(), ';', ' ');
        whole = coordinate_;
    }
    auto separatorAfterFirst = [&] {
        const std::size_t end = split.starts.front() + values.front().size();
        return end < text.size() ? text[end] : ' ';
    };

    if (split.emptyField != 0) {
        // The first value names the point when it cannot be the first part,
        // or when the fields are one more than the notation's parts.
        const bool identified = split.emptyField != 1 && !values.empty() &&
                                (options_.identifierFirst || split.fields == parts + 1 ||
                                 !mayBeFirstPart(form, values.front()));
        return refuse(identified ? values.front() : std::string_view(),
                      identified ? separatorAfterFirst() : ' ',
                      "Feld " + std::to_string(split.emptyField) + " ist leer; " +
                          std::string(engine_.inputLabel()) + " braucht " + std::to_string(parts) +
                          " Werte.",
                      out);
    }
    // A whole line the paste reader takes counts first.
    if (!options_.identifierFirst && !wholeTried)
        if (const PointResult* result = engine_.tryConvert(whole))
            return writeResult(*result, {}, ' ', out);

    // A leading value names the point by itself only where it cannot be the
    // coordinate's first part; where it can, --kennung says so.
    const bool identified =
        options_.identifierFirst || (values.size() >= 2 && !mayBeFirstPart(form, values.front()));
    const std::string_view identifier = identified ? values.front() : std::string_view();
    const char separator = identified ? separatorAfterFirst() : ' ';
    const std::size_t first = identified ? 1 : 0;
    const std::string_view coordinate =
        first < values.size() ? whole.substr(split.starts[first]) : std::string_view();

    if (identified && !coordinate.empty())
        if (const PointResult* result = engine_.tryConvert(coordinate))
            return writeResult(*result, identifier, separator, out);
    const std::size_t count = values.size() - first;
    if (!identified && values.size() >= 2 && engine_.recognises(whole.substr(split.starts[1]))) {
        const std::string countText = valueCountText(count, engine_.inputLabel(), parts);
        const bool converted = refuse({}, ' ', countText + std::string(kIdentifierHint), out);
        lastText_ = oneLine(countText);
        last_.text = lastText_;
        last_.identifierAsked = true;
        return converted;
    }
    const bool allNumbers = std::all_of(values.begin() + static_cast<std::ptrdiff_t>(first),
                                        values.end(), isPlainNumber);
    if (coordinate.empty() || (countsValues(form) && allNumbers && count != parts))
        return refuse(identifier, separator, valueCountText(count, engine_.inputLabel(), parts),
                      out);
    return writeResult(engine_.convertAsText(coordinate), identifier, separator, out);
}

bool ListConverter::writeResult(const PointResult& result, std::string_view identifier,
                                char separator, std::string& out) {
    if (!result.converted)
        return refuse(identifier, separator, result.message, out);
    // convertLine cleared the identifier: most lines name no point.
    if (!identifier.empty()) {
        out += identifier;
        out += separator;
        last_.identifier = identifier;
    }
    out += result.line;
    last_.kind = LineParts::Kind::Converted;
    last_.text = result.line;
    last_.position = result.grs80;
    // A tab, so that the place is cut off again by one field (cut -f1).
    if (options_.place) {
        placeFrom_ = out.size();
        last_.place = placeLine(result);
        out += '\t';
        out += last_.place;
    }
    return true;
}

bool ListConverter::refuse(std::string_view identifier, char separator, std::string_view message,
                           std::string& out) {
    if (!identifier.empty()) {
        out += identifier;
        out += separator;
    }
    last_.kind = LineParts::Kind::Refused;
    last_.identifier = identifier;
    lastText_ = oneLine(message);
    last_.text = lastText_;
    out += kFehler;
    out += commandLineWords(lastText_);
    return false;
}

// The row again: the output columns where the first coordinate column was,
// the other coordinate columns gone, every other field as it came.
void ListConverter::assembleRow(const std::vector<std::string>& outputs, std::string& out) const {
    const std::size_t count = std::max(fields_.size(), headerColumns_);
    const std::size_t outputAt =
        *std::min_element(coordinateColumns_.begin(), coordinateColumns_.end());
    bool firstCell = true;
    auto cell = [&](std::string_view text) {
        if (!firstCell)
            out += delimiter_;
        out += text;
        firstCell = false;
    };
    for (std::size_t i = 0; i < count; ++i) {
        if (i == outputAt) {
            for (const std::string& output : outputs)
                cell(output);
        } else if (std::find(coordinateColumns_.begin(), coordinateColumns_.end(), i) ==
                   coordinateColumns_.end()) {
            cell(i < fields_.size() ? fields_[i] : std::string_view());
        }
    }
}

void ListConverter::header(std::string_view line, std::string& out) {
    headerSeen_ = true;
    last_.kind = LineParts::Kind::Header;
    if (std::count(line.begin(), line.end(), '"') % 2 != 0) {
        usageError = "Die Kopfzeile schließt ein Anführungszeichen nicht.";
        return;
    }
    delimiter_ = options_.delimiter ? options_.delimiter : delimiterOfHeader(line);
    // --trennzeichen may have chosen a control character.
    keep_ += delimiter_;
    splitFields(line, delimiter_, fields_);
    headerColumns_ = fields_.size();
    std::vector<std::string> names;
    for (std::string_view field : fields_)
        names.push_back(unquoted(field));
    for (const std::string& column : options_.columns) {
        const auto it = std::find(names.begin(), names.end(), column);
        if (it == names.end()) {
            usageError = "Die Spalte \"" + column + "\" fehlt in der Kopfzeile.";
            return;
        }
        coordinateColumns_.push_back(static_cast<std::size_t>(it - names.begin()));
    }
    std::vector<std::string> captions;
    for (const std::string& caption : engine_.outputCaptions()) {
        captions.emplace_back();
        appendQuotedIfNeeded(captions.back(), caption, delimiter_);
    }
    outputCells_.resize(captions.size());
    assembleRow(captions, out);
    if (options_.place) {
        placeFrom_ = out.size();
        out += delimiter_ + std::string(kPlaceColumn);
    }
}

bool ListConverter::csvRow(std::string_view line, std::string& out) {
    splitFields(line, delimiter_, fields_);
    if (std::count(line.begin(), line.end(), '"') % 2 != 0)
        return csvRefusal(kUnclosedQuote, out);
    coordinate_.clear();
    for (std::size_t i = 0; i < coordinateColumns_.size(); ++i) {
        const std::size_t column = coordinateColumns_[i];
        const std::string cell = column < fields_.size() ? unquoted(fields_[column]) : "";
        if (trimmed(cell).empty())
            return csvRefusal("Die Spalte \"" + options_.columns[i] + "\" ist leer.", out);
        if (!coordinate_.empty())
            coordinate_ += ' ';
        coordinate_ += cell;
    }
    const PointResult& result = convertCoordinate(trimmed(coordinate_));
    if (!result.converted)
        return csvRefusal(result.message, out);
    for (std::size_t c = 0; c < outputCells_.size(); ++c) {
        outputCells_[c].clear();
        appendQuotedIfNeeded(outputCells_[c], result.columns[c], delimiter_);
    }
    assembleRow(outputCells_, out);
    last_.kind = LineParts::Kind::Converted;
    last_.text = result.line;
    last_.position = result.grs80;
    appendPlaceCell(&result, out);
    return true;
}

// The row with the refusal in the first output column, the others empty.
bool ListConverter::csvRefusal(std::string_view message, std::string& out) {
    for (std::string& cell : outputCells_)
        cell.clear();
    last_.kind = LineParts::Kind::Refused;
    lastText_ = oneLine(message);
    last_.text = lastText_;
    if (!outputCells_.empty())
        appendQuotedIfNeeded(outputCells_.front(),
                             std::string(kFehler) + commandLineWords(lastText_), delimiter_);
    assembleRow(outputCells_, out);
    appendPlaceCell(nullptr, out);
    return false;
}

} // namespace lw::lists
