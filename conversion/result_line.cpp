#include "conversion/result_line.h"

#include "model/notations.h"

#include <algorithm>
#include <cstring>

namespace lw {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// Whether a text is one word: not empty, no blank or tab in it. A text of
// eight bytes or more is read eight bytes a step, the last step ending at
// its end, since a list asks it of every output field of every line.
[[gnu::always_inline]] inline bool isOneWord(std::string_view text) {
    if (text.size() < 8)
        return !text.empty() && std::none_of(text.begin(), text.end(), isBlank);
    constexpr std::uint64_t kOnes = 0x0101010101010101, kHighs = 0x8080808080808080;
    auto blankIn = [&](std::size_t at) {
        std::uint64_t word = 0;
        std::memcpy(&word, text.data() + at, 8);
        // Nonzero exactly where some byte of v is zero.
        auto zeroByteIn = [](std::uint64_t v) { return (v - kOnes) & ~v & kHighs; };
        return (zeroByteIn(word ^ (kOnes * ' ')) | zeroByteIn(word ^ (kOnes * '\t'))) != 0;
    };
    for (std::size_t at = 0; at + 8 < text.size(); at += 8)
        if (blankIn(at))
            return false;
    return !blankIn(text.size() - 8);
}

} // namespace

void appendWords(std::string& line, std::string_view text) {
    // Most texts are one word: appended whole, after a blank.
    if (isOneWord(text)) {
        if (!line.empty())
            line += ' ';
        line += text;
        return;
    }
    std::size_t pos = 0;
    while (pos < text.size()) {
        while (pos < text.size() && isBlank(text[pos]))
            ++pos;
        if (pos == text.size())
            return;
        const std::size_t start = pos;
        while (pos < text.size() && !isBlank(text[pos]))
            ++pos;
        if (!line.empty())
            line += ' ';
        line.append(text, start, pos - start);
    }
}

std::span<const Element> outputMaskFields(int format) {
    const Notation* notation = notationOf(format);
    return notation ? notation->outputFields : std::span<const Element>();
}

std::string resultLine(int format, std::string_view ellipsoid,
                       std::span<const std::string> fieldTexts) {
    std::string line;
    writeResultLine(line, format, ellipsoid, fieldTexts);
    return line;
}

namespace {

// The copy line's words gathered on the stack and assigned once: a list
// writes one line a point.
class LineWords {
public:
    // False once the words no longer fit (the caller then writes the line
    // word by word into the string).
    bool add(std::string_view text) {
        const char* p = text.data();
        const char* const end = p + text.size();
        for (;;) {
            while (p != end && isBlank(*p))
                ++p;
            if (p == end)
                return true;
            if (size_ != 0)
                buffer_[size_++] = ' ';
            while (p != end && !isBlank(*p)) {
                if (size_ + 1 >= sizeof buffer_)
                    return false;
                buffer_[size_++] = *p++;
            }
        }
    }
    // A text of one word, as most are, in one copy.
    bool addWord(std::string_view word) {
        if (size_ + 1 + word.size() > sizeof buffer_)
            return false;
        if (size_ != 0)
            buffer_[size_++] = ' ';
        std::memcpy(buffer_ + size_, word.data(), word.size());
        size_ += word.size();
        return true;
    }
    bool empty() const { return size_ == 0; }
    void assignTo(std::string& line) const { line.assign(buffer_, size_); }

private:
    char buffer_[160];
    std::size_t size_ = 0;
};

bool isBlankOnly(std::string_view text) {
    return std::all_of(text.begin(), text.end(), isBlank);
}

} // namespace

LineForm lineFormOf(int format, std::string_view ellipsoid) {
    const Notation* notation = notationOf(format);
    return {notation ? notation->outputMarks : std::span<const std::string_view>(),
            copyLineDatumName(ellipsoid, format)};
}

void writeResultLine(std::string& line, int format, std::string_view ellipsoid,
                     std::span<const std::string> fieldTexts) {
    writeResultLine(line, lineFormOf(format, ellipsoid), fieldTexts);
}

void writeResultLine(std::string& line, const LineForm& form,
                     std::span<const std::string> fieldTexts) {
    const std::span<const std::string_view> marks = form.marks;
    const std::string_view datum = form.datum;
    LineWords words;
    bool fits = true;
    for (std::size_t i = 0; i < fieldTexts.size() && fits; ++i) {
        const std::string_view text = fieldTexts[i];
        const bool oneWord = isOneWord(text);
        if (!oneWord && isBlankOnly(text))
            continue;
        if (i < marks.size() && !marks[i].empty())
            fits = words.add(marks[i]);
        fits = fits && (oneWord ? words.addWord(text) : words.add(text));
    }
    if (fits && !words.empty())
        fits = words.add(datum);
    if (fits) {
        words.assignTo(line);
        return;
    }
    line.clear();
    for (std::size_t i = 0; i < fieldTexts.size(); ++i) {
        if (isBlankOnly(fieldTexts[i]))
            continue;
        if (i < marks.size() && !marks[i].empty())
            appendWords(line, marks[i]);
        appendWords(line, fieldTexts[i]);
    }
    if (!line.empty() && !datum.empty())
        appendWords(line, datum);
}

} // namespace lw
