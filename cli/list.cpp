#include "cli/list.h"

#include "cli/charset.h"
#include "model/notations.h"

#include <cctype>

#include <algorithm>

namespace lw::cli {
namespace {

constexpr std::string_view kFehler = "FEHLER: ";
constexpr std::string_view kInvalidUtf8 =
    "Die Zeile ist kein gültiges UTF-8 (für Windows-1252: --zeichensatz cp1252).";

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// Blank, tab, comma or semicolon: what may stand between identifier and point.
bool separatesFields(char c) {
    return isBlank(c) || c == ',' || c == ';';
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (isBlank(text.front()) || text.front() == '\r'))
        text.remove_prefix(1);
    while (!text.empty() && (isBlank(text.back()) || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

// Blank lines and comments pass through as they are.
bool passesThrough(std::string_view line) {
    const std::string_view text = trimmed(line);
    return text.empty() || text.front() == '#';
}

std::size_t fieldCount(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (!separatesFields(text[i]) && (i == 0 || separatesFields(text[i - 1])))
            ++count;
    return count;
}

// The fields of a coordinate: a copy line's datum name at the end (" ED50",
// " DHDN") is no part of it.
std::size_t coordinateFieldCount(std::string_view text) {
    std::size_t count = fieldCount(text);
    const std::size_t last = text.find_last_of(" \t,;");
    const std::string_view tail = last == std::string_view::npos ? text : text.substr(last + 1);
    for (std::string_view datum : kDatumNames) {
        bool same = tail.size() == datum.size();
        for (std::size_t i = 0; same && i < datum.size(); ++i)
            same = std::toupper(static_cast<unsigned char>(tail[i])) == datum[i];
        if (same && count > 0)
            --count;
    }
    return count;
}

// ---- CSV fields ----

// The raw fields of a line, quotes kept; a quoted field may hold the
// delimiter and doubled quotes.
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

void appendQuotedIfNeeded(std::string& out, std::string_view text, char delimiter) {
    if (text.find(delimiter) == std::string_view::npos &&
        text.find('"') == std::string_view::npos) {
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
    : options_(options), engine_(options.task, std::move(decimalSeparator), options.csv) {}

bool ListConverter::convertLine(std::string_view line, std::string& out) {
    out.clear();
    if (passesThrough(line)) {
        out = line;
        return true;
    }
    std::string_view text = line;
    if (options_.charset == Charset::Cp1252) {
        cp1252ToUtf8(line, utf8Line_);
        text = utf8Line_;
    } else if (!isValidUtf8(line)) {
        out = kFehler;
        out += kInvalidUtf8;
        return false;
    }
    bool converted = true;
    if (!options_.csv)
        converted = plainLine(text, out);
    else if (!headerSeen_)
        header(text, out);
    else
        converted = csvRow(text, out);
    toOutputCharset(out);
    return converted;
}

void ListConverter::toOutputCharset(std::string& out) {
    if (options_.charset != Charset::Cp1252)
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
    // A semicolon separates like a blank; no coordinate holds one.
    coordinate_.assign(trimmed(line));
    std::replace(coordinate_.begin(), coordinate_.end(), ';', ' ');
    const std::string_view text = coordinate_;
    const PointResult* result = engine_.tryConvert(text);
    std::string_view identifier;
    char separator = ' ';
    if (!result) {
        // The first field may be the point's identifier.
        const std::size_t end =
            std::find_if(text.begin(), text.end(), separatesFields) - text.begin();
        std::size_t rest = end;
        while (rest < text.size() && separatesFields(text[rest]))
            ++rest;
        if (rest < text.size()) {
            result = engine_.tryConvert(text.substr(rest));
            if (result || coordinateFieldCount(text) == engine_.inputParts() + 1) {
                identifier = text.substr(0, end);
                separator = trimmed(line)[end];
                if (!result)
                    result = &engine_.convertAsText(text.substr(rest));
            }
        }
        if (!result)
            result = &engine_.convertAsText(text);
    }
    if (!identifier.empty()) {
        out += identifier;
        out += separator;
    }
    if (result->converted) {
        out += result->line;
        return true;
    }
    out += kFehler;
    out += oneLine(result->message);
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
    delimiter_ = options_.delimiter ? options_.delimiter : delimiterOfHeader(line);
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
}

bool ListConverter::csvRow(std::string_view line, std::string& out) {
    splitFields(line, delimiter_, fields_);
    coordinate_.clear();
    for (std::size_t column : coordinateColumns_) {
        if (column >= fields_.size())
            continue;
        if (!coordinate_.empty())
            coordinate_ += ' ';
        coordinate_ += unquoted(fields_[column]);
    }
    const PointResult& result = convertCoordinate(trimmed(coordinate_));
    for (std::size_t c = 0; c < outputCells_.size(); ++c) {
        outputCells_[c].clear();
        if (result.converted)
            appendQuotedIfNeeded(outputCells_[c], result.columns[c], delimiter_);
        else if (c == 0)
            appendQuotedIfNeeded(outputCells_[c], std::string(kFehler) + oneLine(result.message),
                                 delimiter_);
    }
    assembleRow(outputCells_, out);
    return result.converted;
}

} // namespace lw::cli
