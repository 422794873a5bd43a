#include "lists/pasted_list.h"

#include "conversion/pasted_coordinate.h"
#include "conversion/pasted_notation.h"

#include <vector>

namespace lw::lists {
namespace {

constexpr std::size_t kMostLinesOfOneCoordinate = 8;

// The hemisphere letters of one axis: a line whose letters are all of them
// names that axis alone.
bool lettersAllIn(std::string_view line, std::string_view letters) {
    bool any = false;
    for (char c : line) {
        const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        if (!letter)
            continue;
        const char upper = static_cast<char>(c & ~0x20);
        if (letters.find(upper) == std::string_view::npos)
            return false;
        any = true;
    }
    return any;
}

bool namesOneAxis(std::string_view line) {
    return lettersAllIn(line, "NS") || lettersAllIn(line, "EWO");
}

bool isPointOfMask(std::string_view line, int notation, std::string_view ellipsoid) {
    return !namesOneAxis(line) && recognisePastedCoordinate(notation, line, ellipsoid).has_value();
}

} // namespace

PastedLines pastedLines(std::string_view text) {
    auto blank = [](std::string_view line) {
        return line.find_first_not_of(" \t\r\n\f\v") == std::string_view::npos;
    };
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos)
            end = text.size();
        lines.push_back(text.substr(start, end - start));
        if (end == text.size())
            break;
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    std::size_t first = 0, last = lines.size();
    while (first < last && blank(lines[first]))
        ++first;
    while (last > first && blank(lines[last - 1]))
        --last;
    PastedLines pasted;
    if (first == last)
        return pasted;
    // The last line keeps its line end: a list file ends so.
    const std::size_t from = static_cast<std::size_t>(lines[first].data() - text.data());
    std::size_t to =
        static_cast<std::size_t>(lines[last - 1].data() - text.data()) + lines[last - 1].size();
    if (text.compare(to, 2, "\r\n") == 0)
        to += 2;
    else if (to < text.size())
        ++to;
    pasted.text = text.substr(from, to - from);
    pasted.count = last - first;
    pasted.first = lines[first];
    return pasted;
}

bool isPastedList(std::string_view text, int notation, std::string_view ellipsoid) {
    const PastedLines lines = pastedLines(text);
    if (lines.count < 2)
        return false;
    // No coordinate is written over more lines than it has parts and their
    // labels; a long text need not be read whole.
    if (lines.count > kMostLinesOfOneCoordinate)
        return true;
    const PastedLines rest = pastedLines(lines.text.substr(
        static_cast<std::size_t>(lines.first.data() - lines.text.data()) + lines.first.size()));
    if (isPointOfMask(lines.first, notation, ellipsoid) &&
        isPointOfMask(rest.first, notation, ellipsoid))
        return true;
    return !recognisePastedCoordinate(notation, text, ellipsoid) &&
           notationsTakingPaste(text, ellipsoid).empty();
}

} // namespace lw::lists
