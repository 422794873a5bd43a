// The input taken apart into records: lines, or in a CSV file the records of
// RFC 4180, whose quoted cells may hold line breaks. A byte-order mark at the
// start decides the encoding: UTF-8's is skipped, and a file in UTF-16 (as
// spreadsheets save "Unicode text") is read as UTF-16 and handed on as UTF-8.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace lw::lists {

enum class InputEncoding { AsWritten, Utf8WithMark, Utf16LittleEndian, Utf16BigEndian };

class RecordReader {
public:
    // Gets each record without its line end, the end ("\n", "\r\n" or "" at
    // the end of the input) and the number of its first line; returns false
    // to stop the reading.
    using Sink =
        std::function<bool(std::string_view record, std::string_view end, std::size_t lineNumber)>;

    RecordReader(bool csv, Sink sink) : csv_(csv), sink_(std::move(sink)) {}

    // The next bytes of the input; false once the sink stopped the reading.
    bool feed(std::string_view bytes);
    // The end of the input: the last record, also without a line end.
    bool finish();

    // Known once the first three bytes (or all, when fewer) were fed.
    InputEncoding encoding() const { return encoding_; }
    bool encodingKnown() const { return encodingKnown_; }

private:
    void decideEncoding();
    void decodeUtf16(std::string_view bytes, bool atEnd);
    bool split(std::string_view text);
    bool emit(std::string_view record, std::string_view end);
    void advanceQuoting(std::string_view text);

    bool csv_;
    Sink sink_;
    InputEncoding encoding_ = InputEncoding::AsWritten;
    bool encodingKnown_ = false;
    bool stopped_ = false;
    std::string head_;           // the first bytes, until the encoding is known
    std::string pendingUtf16_;   // an odd byte or a high surrogate's two bytes
    std::string decoded_;        // UTF-16 input as UTF-8
    std::string carry_;          // the record begun in an earlier chunk
    std::size_t lineNumber_ = 1; // of the next record's first line
    std::size_t linesInRecord_ = 0;
    // CSV: whether the record so far is inside a quoted cell, and whether it
    // is a comment (quotes in it do not count).
    bool quoted_ = false;
    bool recordStarted_ = false, comment_ = false;
};

} // namespace lw::lists
