#include "lists/records.h"

#include "text/utf8.h"

namespace lw::lists {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool isHighSurrogate(char32_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool isLowSurrogate(char32_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

} // namespace

bool RecordReader::feed(std::string_view bytes) {
    if (stopped_)
        return false;
    if (!encodingKnown_) {
        head_.append(bytes);
        if (head_.size() < 3)
            return true;
        decideEncoding();
        std::string head;
        head.swap(head_);
        return feed(head);
    }
    if (encoding_ == InputEncoding::Utf16LittleEndian ||
        encoding_ == InputEncoding::Utf16BigEndian) {
        decodeUtf16(bytes, false);
        return split(decoded_);
    }
    return split(bytes);
}

bool RecordReader::finish() {
    if (stopped_)
        return false;
    if (!encodingKnown_) {
        decideEncoding();
        std::string head;
        head.swap(head_);
        if (!feed(head))
            return false;
    }
    if (encoding_ == InputEncoding::Utf16LittleEndian ||
        encoding_ == InputEncoding::Utf16BigEndian) {
        decodeUtf16({}, true);
        if (!split(decoded_))
            return false;
    }
    if (carry_.empty())
        return true;
    std::string last;
    last.swap(carry_);
    return emit(last, "");
}

void RecordReader::decideEncoding() {
    encodingKnown_ = true;
    const std::string_view head = head_;
    if (head.starts_with("\xEF\xBB\xBF")) {
        encoding_ = InputEncoding::Utf8WithMark;
        head_.erase(0, 3);
    } else if (head.starts_with("\xFF\xFE")) {
        encoding_ = InputEncoding::Utf16LittleEndian;
        head_.erase(0, 2);
    } else if (head.starts_with("\xFE\xFF")) {
        encoding_ = InputEncoding::Utf16BigEndian;
        head_.erase(0, 2);
    }
}

// Two bytes a unit; a surrogate pair makes one character, a lone surrogate
// or a byte left over at the end becomes U+FFFD, which no field takes, so
// that the line is refused rather than read wrongly.
void RecordReader::decodeUtf16(std::string_view bytes, bool atEnd) {
    decoded_.clear();
    pendingUtf16_.append(bytes);
    const bool little = encoding_ == InputEncoding::Utf16LittleEndian;
    auto unitAt = [&](std::size_t i) -> char32_t {
        const auto first = static_cast<unsigned char>(pendingUtf16_[i]);
        const auto second = static_cast<unsigned char>(pendingUtf16_[i + 1]);
        return little ? (second << 8 | first) : (first << 8 | second);
    };
    std::size_t i = 0;
    while (i + 2 <= pendingUtf16_.size()) {
        const char32_t unit = unitAt(i);
        if (isHighSurrogate(unit)) {
            if (i + 4 > pendingUtf16_.size()) {
                if (!atEnd)
                    break;
                utf8::appendEncoded(decoded_, kReplacement);
                i += 2;
                continue;
            }
            const char32_t low = unitAt(i + 2);
            if (isLowSurrogate(low)) {
                utf8::appendEncoded(decoded_, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
                i += 4;
            } else {
                utf8::appendEncoded(decoded_, kReplacement);
                i += 2;
            }
            continue;
        }
        utf8::appendEncoded(decoded_, isLowSurrogate(unit) ? kReplacement : unit);
        i += 2;
    }
    pendingUtf16_.erase(0, i);
    if (atEnd && !pendingUtf16_.empty()) {
        utf8::appendEncoded(decoded_, kReplacement);
        pendingUtf16_.clear();
    }
}

// Lines end at "\n"; in a CSV file only where no quoted cell is open.
bool RecordReader::split(std::string_view text) {
    while (!text.empty()) {
        const std::size_t newline = text.find('\n');
        const std::string_view segment =
            newline == std::string_view::npos ? text : text.substr(0, newline);
        if (csv_)
            advanceQuoting(segment);
        if (newline == std::string_view::npos) {
            carry_.append(segment);
            return true;
        }
        ++linesInRecord_;
        if (csv_ && quoted_) {
            carry_.append(text.substr(0, newline + 1));
        } else if (carry_.empty()) {
            if (!emit(segment, "\n"))
                return false;
        } else {
            carry_.append(segment);
            std::string record;
            record.swap(carry_);
            if (!emit(record, "\n"))
                return false;
        }
        text.remove_prefix(newline + 1);
    }
    return true;
}

// A comment's quotes open nothing; a doubled quote inside a quoted cell
// closes and opens again, which leaves the count right.
void RecordReader::advanceQuoting(std::string_view text) {
    for (const char c : text) {
        if (!recordStarted_) {
            if (c == ' ' || c == '\t')
                continue;
            recordStarted_ = true;
            comment_ = c == '#';
        }
        if (c == '"' && !comment_)
            quoted_ = !quoted_;
    }
}

bool RecordReader::emit(std::string_view record, std::string_view end) {
    if (!record.empty() && record.back() == '\r') {
        record.remove_suffix(1);
        end = end.empty() ? "\r" : "\r\n";
    }
    const std::size_t first = lineNumber_;
    lineNumber_ += linesInRecord_;
    linesInRecord_ = 0;
    quoted_ = recordStarted_ = comment_ = false;
    if (!sink_(record, end, first))
        stopped_ = true;
    return !stopped_;
}

} // namespace lw::lists
