#include "conversion/result_line.h"

#include "model/notations.h"

#include <algorithm>
#include <cstring>

namespace lw {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

} // namespace

void appendWords(std::string& line, std::string_view text) {
    // Most texts are one word: appended whole, after a blank.
    if (!text.empty() && std::none_of(text.begin(), text.end(), isBlank)) {
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
        const bool oneWord = !text.empty() && std::none_of(text.begin(), text.end(), isBlank);
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
