// A list converted for the window: every line with its parts (identifier,
// input as read, result or reason, where the point lies) and the line the list converter
// writes for it, kept compactly: all texts in one buffer, a row their
// lengths. The whole list's text is the list converter's output, byte for
// byte, so that what the window copies or saves is what the command line
// writes for the same lines and options.
#pragma once

#include "lists/list.h"
#include "lists/options.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lw::lists {

class PointTable {
public:
    enum class Kind : std::uint8_t { PassedThrough, Header, Converted, Refused };

    // One row's texts, valid while the table is not changed.
    struct Row {
        Kind kind;
        std::string_view input;           // as read, UTF-8, control bytes escaped
        std::string_view identifier;      // UTF-8
        std::string_view text;            // copy line or reason in the screen's words, UTF-8
        std::optional<GeoPoint> position; // converted: where the point lies on GRS80
        std::string_view output; // the line the list converter writes, in its character set
        std::string_view end;    // the line end the input had
    };

    // `withPlace`: whether the written lines keep the place (--ort); the
    // rows show it either way.
    explicit PointTable(bool withPlace = false) : withPlace_(withPlace) {}

    void setWithPlace(bool withPlace) { withPlace_ = withPlace; }
    // The list converter writes a UTF-8 mark first (CSV read with one).
    void setMark(bool mark) { mark_ = mark; }
    // Its lines are in Windows-1252 (asked for, and no byte-order mark
    // said otherwise); else in UTF-8.
    void setCp1252(bool cp1252) { cp1252_ = cp1252; }
    bool writesCp1252() const { return cp1252_; }

    // Adds the line just converted: `input` as read (UTF-8), its end, the
    // converter's output (with the place) and its parts.
    void append(std::string_view input, std::string_view end, std::string_view output,
                const LineParts& parts);
    // Moves the rows of `other` (converted meanwhile) behind these.
    void append(const PointTable& other);
    void clear();
    // Room for `rows` rows, so that a list of known length grows its rows
    // once.
    void reserve(std::size_t rows) { rows_.reserve(rows); }

    std::size_t size() const { return rows_.size(); }
    Row row(std::size_t i) const;
    // The place line of a row ("Lage: …"; "" for a row that converted
    // nothing), described when asked: only the rows looked at need it.
    static std::string placeLine(const Row& row);
    std::size_t converted() const { return converted_; }
    std::size_t refused() const { return refused_; }
    // The first refused row at or after `from`, wrapping round; nullopt
    // when no row is refused.
    std::optional<std::size_t> nextRefused(std::size_t from) const;

    // The list converter's whole output for these rows.
    std::string text() const;
    // The written lines of the given rows, one a line, each ended by "\n".
    std::string linesOf(const std::vector<std::size_t>& rows) const;

    // Bytes the texts take, and the rows beyond them.
    std::size_t textBytes() const { return texts_.size(); }
    std::size_t overheadBytes() const {
        return rows_.capacity() * sizeof(Stored) + refusedRows_.capacity() * sizeof(std::uint32_t);
    }

private:
    // Lengths of the row's texts, which follow each other in `texts_`.
    struct Stored {
        std::uint64_t at;
        std::uint32_t input, identifier, text, output, placeInOutput;
        Kind kind;
        std::uint8_t end; // index into kEnds
        bool positioned;
        double latDeg, lonDeg; // where a converted point lies, when positioned
    };
    std::string_view writtenLine(const Stored& s) const;

    std::string texts_;
    std::vector<Stored> rows_;
    std::vector<std::uint32_t> refusedRows_;
    std::size_t converted_ = 0, refused_ = 0;
    bool withPlace_ = false, mark_ = false, cp1252_ = false;
};

// How a list run ended.
struct ListRunEnd {
    bool cancelled = false;
    // A CSV header without a coordinate column: the list converter's usage
    // error, "Zeile N: …".
    std::optional<std::string> usageError;
};

// Whether a plain list's lines begin with point numbers that could as well
// be a coordinate's first part ("17 48.137 11.575"): of its first lines,
// more are refused for that alone than convert. The window, which has no
// --kennung, then reads the list as lagewandler-liste --kennung does.
bool wantsIdentifierFirst(std::string_view bytes, const Options& options,
                          const std::string& decimalSeparator);

// Reads `bytes` as the list converter reads a file (byte-order marks,
// records, CSV) and converts every line with `options`, as it does. Every
// `batchLines` rows (and at the end) `deliver` gets the rows converted since
// and how many input bytes are read. `cancel` set stops it between lines.
// The rows always carry the point's position; `options.place` decides
// whether the written lines carry its place.
ListRunEnd convertList(std::string_view bytes, const Options& options,
                       const std::string& decimalSeparator, const std::atomic<bool>& cancel,
                       const std::function<void(PointTable& rows, std::size_t bytesRead)>& deliver,
                       std::size_t batchLines = 2048);

} // namespace lw::lists
