// The shown result as one line of text, the form "Ergebnis kopieren" puts on
// the clipboard: the output mask's fields in reading order, single blanks
// between the parts, Gauß-Krüger values marked "R" and "H".
#pragma once

#include "model/screen.h"

#include <span>
#include <string>
#include <string_view>

namespace lw {

// Appends the blank-separated words of `text` (blanks and tabs), each after a
// single blank when `line` is not empty; the military and reference fields
// show their parts two blanks apart.
void appendWords(std::string& line, std::string_view text);

// The output fields of the mask of `format` (1 to 7) in reading order;
// empty for any other code.
std::span<const Element> outputMaskFields(int format);

// The line for the texts of those fields, given in the same order, on the
// target ellipsoid `ellipsoid` (a job name), which adds the datum name where
// the line would be ambiguous (" ED50", " DHDN"); "" when every field is
// empty.
std::string resultLine(int format, std::string_view ellipsoid,
                       std::span<const std::string> fieldTexts);

// The same into `line`, which keeps its capacity from line to line.
void writeResultLine(std::string& line, int format, std::string_view ellipsoid,
                     std::span<const std::string> fieldTexts);

// What the line of a notation on an ellipsoid adds to the fields' texts: the
// marks before them and the datum name after them. Worked out once for a
// list, which writes a line a point.
struct LineForm {
    std::span<const std::string_view> marks;
    std::string_view datum;
};
LineForm lineFormOf(int format, std::string_view ellipsoid);
void writeResultLine(std::string& line, const LineForm& form,
                     std::span<const std::string> fieldTexts);

} // namespace lw
