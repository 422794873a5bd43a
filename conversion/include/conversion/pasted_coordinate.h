// A whole coordinate received as text ("32U 571595 5365251",
// "N 50° 06' 47\" E 8° 40' 55\"") taken apart into the fields of an input
// mask, so that one paste fills the whole mask. Only the parts are found
// here; the screen types each part into its field through the key filters.
#pragma once

#include "model/screen.h"

#include "text/numtext.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace lw {

struct PastedCoordinate {
    // Every input field of the mask in typing order, with the text that goes
    // into it (empty for the military pairs a shorter reference leaves out).
    std::vector<std::pair<Element, std::string>> fields;
    // Options the text decides: hemispheres, Gauß-Krüger strip width.
    std::vector<Element> options;
};

// Whether a paste into `field` may fill its whole mask: the first input
// field of a mask.
bool takesWholeCoordinate(Element field);

// The parts of `text` when it holds one whole coordinate in the notation of
// the input mask `notation` (a format code); nullopt for any other text.
// `ellipsoid` is the mask's (a job name): a copy line's datum name at the
// end (" ED50", " DHDN") is taken when it is that ellipsoid's and makes the
// text no coordinate of the mask otherwise. A link or geo URI is WGS 84: a
// coordinate of a GRS80 mask (or of a mask whose ellipsoid is not given),
// of no Bessel or Hayford mask.
std::optional<PastedCoordinate> recognisePastedCoordinate(int notation, std::string_view text,
                                                          std::string_view ellipsoid = {});

// The common line of a list, read in one pass: plain numbers (digits, at
// most one point between digits) parted by blanks or tabs; for the
// geographic notations both sides with a hemisphere letter in front (N or S,
// then E or W) or neither, a minus sign before a side's degrees only without
// letters; for Gauß-Krüger easting and northing alone. For such a text the
// parts and options are those recognisePastedCoordinate gives, without its
// general machinery; nullopt for every other text, which that reads.
struct PlainCoordinate {
    static constexpr std::size_t kMostParts = 6; // three numbers a side
    // Views into the text, each digits with at most one point between them.
    std::array<std::string_view, kMostParts> parts;
    std::array<PlainDigits, kMostParts> numbers; // the parts as numbers
    std::size_t partCount = 0;
    std::array<Element, 2> options{};
    std::size_t optionCount = 0;
    bool tabbed = false; // a tab among its blanks
};
std::optional<PlainCoordinate> plainCoordinate(int notation, std::string_view text);
// The same into `plain` (whose parts past its counts stay as they were);
// false for no plain coordinate.
bool readPlainCoordinate(int notation, std::string_view text, PlainCoordinate& plain);

} // namespace lw
