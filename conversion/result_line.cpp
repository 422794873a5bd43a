#include "conversion/result_line.h"

#include "model/notations.h"

#include <algorithm>

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

void writeResultLine(std::string& line, int format, std::string_view ellipsoid,
                     std::span<const std::string> fieldTexts) {
    const Notation* notation = notationOf(format);
    const std::span<const std::string_view> marks =
        notation ? notation->outputMarks : std::span<const std::string_view>();
    line.clear();
    for (std::size_t i = 0; i < fieldTexts.size(); ++i) {
        const std::string& text = fieldTexts[i];
        // (A loop, not find_first_not_of: that asks memchr once a character.)
        if (std::all_of(text.begin(), text.end(), isBlank))
            continue;
        if (i < marks.size() && !marks[i].empty())
            appendWords(line, marks[i]);
        appendWords(line, text);
    }
    const std::string_view datum = copyLineDatumName(ellipsoid, format);
    if (!line.empty() && !datum.empty())
        appendWords(line, datum);
}

} // namespace lw
