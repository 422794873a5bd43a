// One list, line by line: comments and blank lines passed through, an
// identifier in front of the coordinate kept, CSV columns taken apart and
// put together again, the character set converted on the way in and out.
#pragma once

#include "lists/engine.h"
#include "lists/options.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lw::lists {

// A value without the blanks, tabs and carriage returns around it.
std::string_view trimmed(std::string_view text);

// The raw fields of a CSV record, quotes kept: split at `delimiter` outside
// quotes (a quoted field may hold the delimiter and doubled quotes).
void splitFields(std::string_view line, char delimiter, std::vector<std::string_view>& fields);

// A field trimmed, a quoted one's quotes gone and its doubled quotes single.
std::string unquoted(std::string_view field);

// The message of a refusal on one line: its line breaks become single
// blanks, its empty lines and the blanks around its lines go.
std::string oneLine(std::string_view message);

// A line's values. Blanks fold; a semicolon, a comma that is no decimal
// comma, and in a line without either a tab, end a field, and two of them
// with nothing between (or one at either end) leave a field empty: that
// must be seen before the separators fold, or the values behind the gap
// would move into its place.
struct LineValues {
    std::vector<std::string_view> values;
    std::vector<std::size_t> starts; // where each value begins in the line
    std::size_t fields = 0;          // values and empty fields
    std::size_t emptyField = 0;      // 1-based place of the first empty field; 0: none
};

// How the line convertLine wrote last is made up, for a front end that
// shows its parts apart (the list in the window). Texts in UTF-8; `text`
// stays valid until the next convertLine.
struct LineParts {
    enum class Kind { PassedThrough, Header, Converted, Refused };
    Kind kind = Kind::PassedThrough;
    std::string identifier; // "" where the line names no point
    // Converted: the copy line; refused: the reason in the screen's words
    // (the output says it in the command line's). A view, since most
    // lines are read by no one after the output.
    std::string_view text;
    std::string place; // converted with the place asked for: "Lage: …"
    // The bytes at the end of the output that the place takes (with its tab
    // or delimiter), so that the same line without it can be written.
    std::size_t placeLength = 0;
    // Refused only because its first value, a point number, could as well
    // be the coordinate's first part: read with identifierFirst it would be
    // the point's name. `text` then leaves out the command line's option.
    bool identifierAsked = false;
    // Converted, with the place or the positions asked for: where the
    // point lies on GRS80 (WGS 84).
    std::optional<GeoPoint> position;
};

struct Separators;

class ListConverter {
public:
    // `options` must have passed parseOptions and checkTask.
    ListConverter(const Options& options, std::string decimalSeparator);

    // Converts one input line (its bytes without the line end) into `out`.
    // Returns false when the line could not be converted; `out` then holds
    // the refusal. In CSV mode the first line that is neither blank nor a
    // comment is the header: `usageError` is set when it lacks a column.
    bool convertLine(std::string_view line, std::string& out);

    // Set when the CSV header does not name every coordinate column; the run
    // must end as a usage error.
    std::optional<std::string> usageError;

    // Whether the CSV header has been read (always false without --csv).
    bool headerSeen() const { return headerSeen_; }

    // The parts of the line converted last.
    const LineParts& lastLine() const { return last_; }

private:
    void header(std::string_view line, std::string& out);
    bool csvRow(std::string_view line, std::string& out);
    bool csvRefusal(std::string_view message, std::string& out);
    void appendPlaceCell(const PointResult* result, std::string& out);
    void assembleRow(const std::vector<std::string>& outputs, std::string& out) const;
    bool plainCoordinateLine(std::string_view line, std::string& out);
    bool plainLine(std::string_view line, std::string& out);
    bool splitLine(std::string_view text, const Separators& separators, bool wholeTried,
                   std::string& out);
    bool writeResult(const PointResult& result, std::string_view identifier, char separator,
                     std::string& out);
    bool refuse(std::string_view identifier, char separator, std::string_view message,
                std::string& out);
    const PointResult& convertCoordinate(std::string_view text);
    void toOutputCharset(std::string& out);

    Options options_;
    Engine engine_;
    bool headerSeen_ = false;
    char delimiter_ = 0;
    std::string keep_;                           // control bytes the output keeps raw
    std::vector<std::size_t> coordinateColumns_; // positions of --spalten in the header
    std::size_t headerColumns_ = 0;
    std::string utf8Line_, coordinate_, converted_;
    std::vector<std::string_view> fields_;
    std::vector<std::string> outputCells_;
    LineValues values_;
    LineParts last_;
    std::string lastText_;                      // last_.text where it is a text of its own
    std::size_t placeFrom_ = std::string::npos; // where the place begins in the raw output
};

} // namespace lw::lists
