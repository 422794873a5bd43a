#include "lists/table.h"

#include "lists/charset.h"
#include "lists/records.h"
#include "places/describe.h"

#include <algorithm>
#include <array>

namespace lw::lists {
namespace {

constexpr std::array<std::string_view, 4> kEnds = {"", "\n", "\r\n", "\r"};
// As the list converter reads a file: a chunk at a time, so that a
// cancellation or the progress need not wait for the whole text.
constexpr std::size_t kChunk = 1 << 16;

std::uint8_t endIndex(std::string_view end) {
    for (std::size_t i = 0; i < kEnds.size(); ++i)
        if (kEnds[i] == end)
            return static_cast<std::uint8_t>(i);
    return 0;
}

std::uint32_t length(std::string_view text) {
    return static_cast<std::uint32_t>(text.size());
}

PointTable::Kind kindOf(LineParts::Kind kind) {
    switch (kind) {
    case LineParts::Kind::PassedThrough:
        return PointTable::Kind::PassedThrough;
    case LineParts::Kind::Header:
        return PointTable::Kind::Header;
    case LineParts::Kind::Converted:
        return PointTable::Kind::Converted;
    case LineParts::Kind::Refused:
        break;
    }
    return PointTable::Kind::Refused;
}

} // namespace

void PointTable::append(std::string_view input, std::string_view end, std::string_view output,
                        const LineParts& parts) {
    Stored s{texts_.size(),
             length(input),
             length(parts.identifier),
             length(parts.text),
             length(output),
             static_cast<std::uint32_t>(std::min(parts.placeLength, output.size())),
             kindOf(parts.kind),
             endIndex(end),
             parts.position.has_value(),
             parts.position ? parts.position->latDeg : 0.0,
             parts.position ? parts.position->lonDeg : 0.0};
    texts_.append(input);
    texts_.append(parts.identifier);
    texts_.append(parts.text);
    texts_.append(output);
    if (s.kind == Kind::Converted)
        ++converted_;
    if (s.kind == Kind::Refused) {
        ++refused_;
        refusedRows_.push_back(static_cast<std::uint32_t>(rows_.size()));
    }
    rows_.push_back(s);
}

void PointTable::append(const PointTable& other) {
    const std::uint64_t shift = texts_.size();
    const auto first = static_cast<std::uint32_t>(rows_.size());
    texts_.append(other.texts_);
    for (Stored s : other.rows_) {
        s.at += shift;
        rows_.push_back(s);
    }
    for (std::uint32_t r : other.refusedRows_)
        refusedRows_.push_back(first + r);
    converted_ += other.converted_;
    refused_ += other.refused_;
    mark_ = mark_ || other.mark_;
    cp1252_ = cp1252_ || other.cp1252_;
}

void PointTable::clear() {
    texts_.clear();
    rows_.clear();
    refusedRows_.clear();
    converted_ = refused_ = 0;
    mark_ = cp1252_ = false;
}

PointTable::Row PointTable::row(std::size_t i) const {
    const Stored& s = rows_[i];
    const std::string_view all(texts_);
    std::size_t at = s.at;
    auto take = [&](std::uint32_t n) {
        const std::string_view part = all.substr(at, n);
        at += n;
        return part;
    };
    Row row{s.kind, {}, {}, {}, std::nullopt, {}, kEnds[s.end]};
    row.input = take(s.input);
    row.identifier = take(s.identifier);
    row.text = take(s.text);
    if (s.positioned)
        row.position = GeoPoint{s.latDeg, s.lonDeg};
    row.output = writtenLine(s);
    return row;
}

std::string PointTable::placeLine(const Row& row) {
    if (row.kind != Kind::Converted)
        return std::string();
    if (!row.position)
        return std::string(places::kPlaceUnavailable);
    return places::describePlace(row.position->latDeg, row.position->lonDeg);
}

std::string_view PointTable::writtenLine(const Stored& s) const {
    const std::string_view output =
        std::string_view(texts_).substr(s.at + s.input + s.identifier + s.text, s.output);
    return withPlace_ ? output : output.substr(0, output.size() - s.placeInOutput);
}

std::optional<std::size_t> PointTable::nextRefused(std::size_t from) const {
    if (refusedRows_.empty())
        return std::nullopt;
    const auto it = std::lower_bound(refusedRows_.begin(), refusedRows_.end(), from);
    return it == refusedRows_.end() ? refusedRows_.front() : *it;
}

std::string PointTable::text() const {
    std::string text;
    std::size_t size = mark_ ? 3 : 0;
    for (const Stored& s : rows_)
        size += s.output + 2;
    text.reserve(size);
    if (mark_)
        text += "\xEF\xBB\xBF";
    for (const Stored& s : rows_) {
        text += writtenLine(s);
        text += kEnds[s.end];
    }
    return text;
}

std::string PointTable::linesOf(const std::vector<std::size_t>& rows) const {
    std::string text;
    for (std::size_t r : rows)
        if (r < rows_.size()) {
            text += writtenLine(rows_[r]);
            text += '\n';
        }
    return text;
}

namespace {

// A byte-order mark decides the character set over the one asked for.
bool hasMark(std::string_view bytes) {
    const std::string_view head = bytes.substr(0, 3);
    return head.starts_with("\xEF\xBB\xBF") || head.starts_with("\xFF\xFE") ||
           head.starts_with("\xFE\xFF");
}

// Lines looked at to tell whether a list names its points first: enough for
// a list's habit, few enough to cost no time before it shows.
constexpr std::size_t kIdentifierSampleLines = 200;

} // namespace

bool wantsIdentifierFirst(std::string_view bytes, const Options& options,
                          const std::string& decimalSeparator) {
    if (options.csv || options.identifierFirst)
        return false;
    Options own = options;
    own.place = false;
    if (hasMark(bytes))
        own.charset = Charset::Utf8;
    ListConverter list(own, decimalSeparator);
    std::size_t lines = 0, asked = 0, converted = 0;
    std::string out;
    auto take = [&](std::string_view record, std::string_view, std::size_t) {
        list.convertLine(record, out);
        const LineParts& line = list.lastLine();
        asked += line.identifierAsked ? 1 : 0;
        converted += line.kind == LineParts::Kind::Converted ? 1 : 0;
        return ++lines < kIdentifierSampleLines;
    };
    RecordReader reader(false, take);
    bool going = true;
    for (std::size_t read = 0; going && read < bytes.size(); read += kChunk)
        going = reader.feed(bytes.substr(read, kChunk));
    if (going)
        reader.finish();
    return asked > converted;
}

ListRunEnd convertList(std::string_view bytes, const Options& options,
                       const std::string& decimalSeparator, const std::atomic<bool>& cancel,
                       const std::function<void(PointTable& rows, std::size_t bytesRead)>& deliver,
                       std::size_t batchLines) {
    Options own = options;
    own.positions = true;
    own.identifierFirst =
        options.identifierFirst || wantsIdentifierFirst(bytes, options, decimalSeparator);
    // A byte-order mark decides the character set over the one asked for,
    // and a CSV file read with one is written with UTF-8's.
    const bool marked = hasMark(bytes);
    if (marked)
        own.charset = Charset::Utf8;
    ListConverter list(own, decimalSeparator);
    PointTable batch(options.place);
    batch.setMark(options.csv && marked);
    batch.setCp1252(own.charset == Charset::Cp1252);

    ListRunEnd end;
    std::string out, input;
    std::size_t read = 0;
    auto take = [&](std::string_view record, std::string_view lineEnd, std::size_t number) {
        if (cancel.load(std::memory_order_relaxed)) {
            end.cancelled = true;
            return false;
        }
        list.convertLine(record, out);
        if (list.usageError) {
            end.usageError = "Zeile " + std::to_string(number) + ": " + *list.usageError;
            return false;
        }
        if (own.charset == Charset::Cp1252)
            cp1252ToUtf8(record, input);
        else
            input.assign(record);
        escapeControlBytes(input);
        batch.append(input, lineEnd, out, list.lastLine());
        if (batch.size() >= batchLines) {
            deliver(batch, read);
            batch.clear();
            batch.setCp1252(own.charset == Charset::Cp1252);
        }
        return true;
    };
    RecordReader reader(own.csv, take);
    bool going = true;
    while (going && read < bytes.size()) {
        const std::string_view chunk = bytes.substr(read, kChunk);
        going = reader.feed(chunk);
        read += chunk.size();
    }
    if (going)
        reader.finish();
    if (batch.size() > 0 || !end.cancelled)
        deliver(batch, read);
    return end;
}

} // namespace lw::lists
