#include "conversion/result_line.h"

#include "model/notations.h"

#include <algorithm>

namespace lw {
namespace {

// Appends the blank-separated words of `text`, each after a single blank;
// the military and reference fields show their parts two blanks apart.
void appendWords(std::string& line, const std::string& text) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t start = text.find_first_not_of(" \t", pos);
        if (start == std::string::npos)
            return;
        const std::size_t end = std::min(text.find_first_of(" \t", start), text.size());
        if (!line.empty())
            line += ' ';
        line.append(text, start, end - start);
        pos = end;
    }
}

} // namespace

std::span<const Element> outputMaskFields(int format) {
    const Notation* notation = notationOf(format);
    return notation ? notation->outputFields : std::span<const Element>();
}

std::string resultLine(int format, std::string_view ellipsoid,
                       std::span<const std::string> fieldTexts) {
    const Notation* notation = notationOf(format);
    const std::span<const std::string_view> marks =
        notation ? notation->outputMarks : std::span<const std::string_view>();
    std::string line;
    for (std::size_t i = 0; i < fieldTexts.size(); ++i) {
        const std::string& text = fieldTexts[i];
        if (text.find_first_not_of(" \t") == std::string::npos)
            continue;
        if (i < marks.size() && !marks[i].empty())
            appendWords(line, std::string(marks[i]));
        appendWords(line, text);
    }
    const std::string_view datum = copyLineDatumName(ellipsoid, format);
    if (!line.empty() && !datum.empty())
        appendWords(line, std::string(datum));
    return line;
}

} // namespace lw
