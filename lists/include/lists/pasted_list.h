// A text of several lines pasted into the first field of an input mask: a
// list of points, or one coordinate written over two lines ("Breite: 48.1"
// and "Länge: 11.5", as web pages and e-mails give them).
#pragma once

#include <cstddef>
#include <string_view>

namespace lw::lists {

// The text without the blank lines around it, how many lines it has and its
// first. The last line keeps its line end, as a list file's does.
struct PastedLines {
    std::string_view text;
    std::size_t count = 0;
    std::string_view first;
};
PastedLines pastedLines(std::string_view text);

// Whether `text` pasted into the first field of the input mask of
// `notation` (a format code) on `ellipsoid` (a job name) is a list: two
// lines or more, and either its first two lines are each a whole point of
// the mask (latitude and longitude on one line), or the whole text is no
// one coordinate of any notation. A line that names one axis only
// ("N 48° 08.246", then "E 011° 34.530") is half of a coordinate.
bool isPastedList(std::string_view text, int notation, std::string_view ellipsoid);

} // namespace lw::lists
