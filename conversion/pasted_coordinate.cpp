#include "conversion/pasted_coordinate.h"

#include "conversion/map_link.h"
#include "geodesy/gauss_krueger.h"
#include "model/notations.h"
#include "text/utf8.h"

#include <algorithm>
#include <array>
#include <span>

namespace lw {
namespace {

bool isDigit(char32_t c) {
    return c >= U'0' && c <= U'9';
}

// Blanks, tabs, line ends, and the no-break, thin and narrow no-break spaces
// web pages and typeset texts put between the parts of a coordinate.
bool isBlank(char32_t c) {
    switch (c) {
    case U' ':
    case U'\t':
    case U'\r':
    case U'\n':
    case 0xA0:   // no-break space
    case 0x2009: // thin space
    case 0x202F: // narrow no-break space
        return true;
    default:
        return false;
    }
}

// Degree, minute and second marks, typed or typeset; they end a number as a
// blank does.
bool isAngleMark(char32_t c) {
    switch (c) {
    case U'\'':
    case U'"':
    case 0xB0:   // °
    case 0xBA:   // º, often typed for the degree sign
    case 0xB4:   // ´
    case 0x2019: // ’
    case 0x201D: // ”
    case 0x2032: // ′
    case 0x2033: // ″
        return true;
    default:
        return false;
    }
}

// ASCII letters and the umlauts of the labels ("Länge") in capitals.
char32_t upper(char32_t c) {
    if (c >= U'a' && c <= U'z')
        return c - U'a' + U'A';
    if (c == 0xE4 || c == 0xF6 || c == 0xFC) // ä ö ü
        return c - 0x20;
    return c;
}

// Whether `word` is one of `words` (given in capitals), in any case.
bool isOneOf(std::u32string_view word, std::initializer_list<std::u32string_view> words) {
    for (std::u32string_view candidate : words) {
        if (candidate.size() != word.size())
            continue;
        bool same = true;
        for (std::size_t i = 0; i < word.size() && same; ++i)
            same = upper(word[i]) == candidate[i];
        if (same)
            return true;
    }
    return false;
}

// The parts in the order of the mask's fields; a part missing leaves its field empty.
template <typename Part>
PastedCoordinate withParts(const Notation& notation, std::span<const Part> parts) {
    PastedCoordinate coordinate;
    const std::span<const Element> fields = notation.inputFields;
    coordinate.fields.reserve(fields.size());
    for (std::size_t i = 0; i < fields.size(); ++i)
        coordinate.fields.emplace_back(fields[i],
                                       i < parts.size() ? utf8::encode(parts[i]) : std::string());
    return coordinate;
}

PastedCoordinate withParts(const Notation& notation,
                           std::initializer_list<std::u32string_view> parts) {
    return withParts(notation, std::span<const std::u32string_view>(parts.begin(), parts.size()));
}

PastedCoordinate withParts(const Notation& notation, const std::vector<std::u32string>& parts) {
    return withParts(notation, std::span<const std::u32string>(parts));
}

// ---- Geographic and Gauß-Krüger texts: numbers and words ----

// A token's text points into the text taken apart, which outlives it.
struct Token {
    bool number;
    std::u32string_view text;
    bool negative = false; // a number written with a leading minus sign
};

// The hyphen-minus of a keyboard and the typeset minus sign.
bool isMinus(char32_t c) {
    return c == U'-' || c == 0x2212;
}

// Labels end in ":" or "=" ("R=4468508.40", "Breite: 48.1"), the two values
// of a pair are often parted by ";" or "/".
bool separatesTokens(char32_t c) {
    return isBlank(c) || isAngleMark(c) || c == U',' || c == U';' || c == U':' || c == U'=' ||
           c == U'/';
}

// Numbers are digits with at most one decimal point or decimal comma, kept as
// written (the fields turn a comma into a point as they do when typed); a
// comma is a decimal comma only between digits of a number that has no
// decimal separator yet, elsewhere it separates like a blank. A minus sign
// right before a digit belongs to the number, as web maps and phones write
// southern and western coordinates. Words are runs of any other characters.
std::vector<Token> numbersAndWords(std::u32string_view text) {
    std::vector<Token> tokens;
    tokens.reserve(8);
    std::size_t i = 0;
    while (i < text.size()) {
        const bool plusSign = text[i] == U'+' && i + 1 < text.size() && isDigit(text[i + 1]);
        if (separatesTokens(text[i]) || plusSign) {
            ++i; // a plus sign says what no sign says: north, east
            continue;
        }
        const bool negative = isMinus(text[i]) && i + 1 < text.size() && isDigit(text[i + 1]);
        if (negative)
            ++i;
        Token token{isDigit(text[i]), {}, negative};
        bool decimal = false;
        const std::size_t start = i;
        for (; i < text.size(); ++i) {
            const char32_t c = text[i];
            if (token.number) {
                const bool decimalComma = c == U',' && i + 1 < text.size() && isDigit(text[i + 1]);
                const bool separator = !decimal && (c == U'.' || decimalComma);
                if (!isDigit(c) && !separator)
                    break;
                decimal = decimal || separator;
            } else if (isDigit(c) || separatesTokens(c)) {
                break;
            }
        }
        token.text = text.substr(start, i - start);
        tokens.push_back(token);
    }
    return tokens;
}

enum class Axis { Latitude, Longitude };

struct Hemisphere {
    Axis axis;
    bool northOrEast;
};

// The words web pages and e-mails put before latitude and longitude. They
// name the axis only; a minus sign still says south or west.
std::optional<Axis> axisLabel(std::u32string_view word) {
    if (isOneOf(word, {U"LAT", U"LATITUDE", U"BREITE"}))
        return Axis::Latitude;
    if (isOneOf(word, {U"LON", U"LNG", U"LONG", U"LONGITUDE", U"LÄNGE", U"LAENGE"}))
        return Axis::Longitude;
    return std::nullopt;
}

// N, S, E, W, or O for "Ost".
std::optional<Hemisphere> hemisphereLetter(std::u32string_view word) {
    if (word.size() != 1)
        return std::nullopt;
    switch (upper(word[0])) {
    case U'N':
        return Hemisphere{Axis::Latitude, true};
    case U'S':
        return Hemisphere{Axis::Latitude, false};
    case U'E':
    case U'O':
        return Hemisphere{Axis::Longitude, true};
    case U'W':
        return Hemisphere{Axis::Longitude, false};
    default:
        return std::nullopt;
    }
}

// The most numbers a geographic text holds: both sides of the notation with
// the most numbers per axis.
constexpr std::size_t kMostGeographicNumbers = [] {
    int most = 0;
    for (const Notation& notation : kNotations)
        most = std::max(most, notation.numbersPerAxis);
    return 2 * static_cast<std::size_t>(most);
}();

// The numbers of a geographic text in the order written.
struct GeographicNumbers {
    std::array<std::u32string_view, kMostGeographicNumbers> texts;
    std::array<bool, kMostGeographicNumbers> negative{};
    std::size_t count = 0;
};

struct Side {
    std::size_t firstNumber = 0; // its numbers in GeographicNumbers
    std::optional<Hemisphere> hemisphere;
    bool labelled = false; // the axis from a label, the hemisphere from the sign
    bool negative = false; // its degrees written with a minus sign
};

std::optional<Axis> axisOf(const Side& side) {
    if (side.hemisphere)
        return side.hemisphere->axis;
    return std::nullopt;
}

struct Letter {
    std::size_t numbersBefore;
    Hemisphere hemisphere;
    bool label = false; // "Lat", "Breite": the axis alone
};

// Which side a hemisphere letter belongs to, by the numbers before it. A
// letter between the two sides goes with the style of the text (letters in
// front: "N48 E9"; behind: "48N 9E"), and where the text shows no style, with
// its axis.
std::optional<std::size_t> sideOfLetter(const Letter& letter, std::size_t perSide,
                                        bool lettersInFront, bool lettersBehind) {
    if (letter.numbersBefore == 0)
        return 0;
    if (letter.numbersBefore == 2 * perSide)
        return 1;
    if (letter.numbersBefore != perSide)
        return std::nullopt;
    if (lettersInFront != lettersBehind)
        return lettersInFront ? 1 : 0;
    return letter.hemisphere.axis == Axis::Latitude ? 0 : 1;
}

// Latitude and longitude of a geographic text with `perSide` numbers each;
// hemisphere letters may put the longitude first. Every side gets its
// hemisphere: from its letter, else south or west for a minus sign before its
// degrees, else north or east, so that a text without letters never keeps the
// hemispheres of an earlier point.
// More numbers than two sides hold, or more letters than two sides take,
// make no coordinate whatever follows; the lists stop there.
std::optional<std::array<Side, 2>>
geographicSides(const std::vector<Token>& tokens, std::size_t perSide, GeographicNumbers& numbers) {
    std::array<Letter, 2> letterList{};
    std::size_t letterCount = 0;
    for (const Token& token : tokens) {
        if (token.number) {
            if (numbers.count == 2 * perSide)
                return std::nullopt;
            numbers.texts[numbers.count] = token.text;
            numbers.negative[numbers.count++] = token.negative;
            continue;
        }
        std::optional<Hemisphere> hemisphere = hemisphereLetter(token.text);
        const std::optional<Axis> label = axisLabel(token.text);
        if (label)
            hemisphere = Hemisphere{*label, true};
        if (!hemisphere || letterCount == letterList.size())
            return std::nullopt;
        letterList[letterCount++] = {numbers.count, *hemisphere, label.has_value()};
    }
    if (numbers.count != 2 * perSide)
        return std::nullopt;
    const std::span<const Letter> letters(letterList.data(), letterCount);
    const std::span<const bool> negative(numbers.negative.data(), numbers.count);
    bool lettersInFront = false, lettersBehind = false;
    for (const Letter& letter : letters) {
        lettersInFront = lettersInFront || letter.numbersBefore == 0;
        lettersBehind = lettersBehind || letter.numbersBefore == 2 * perSide;
    }
    std::array<Side, 2> sides;
    for (const Letter& letter : letters) {
        const auto side = sideOfLetter(letter, perSide, lettersInFront, lettersBehind);
        if (!side || sides[*side].hemisphere)
            return std::nullopt;
        sides[*side].hemisphere = letter.hemisphere;
        sides[*side].labelled = letter.label;
    }
    for (std::size_t i = 0; i < negative.size(); ++i) {
        const bool degrees = i % perSide == 0;
        if (negative[i] && !degrees)
            return std::nullopt; // a minus sign belongs before the degrees
    }
    sides[0].firstNumber = 0;
    sides[1].firstNumber = perSide;
    sides[0].negative = negative[0];
    sides[1].negative = negative[perSide];
    if (axisOf(sides[0]) == Axis::Longitude || axisOf(sides[1]) == Axis::Latitude)
        std::swap(sides[0], sides[1]);
    if (axisOf(sides[0]) == Axis::Longitude || axisOf(sides[1]) == Axis::Latitude)
        return std::nullopt;
    for (std::size_t k = 0; k < sides.size(); ++k) {
        Side& side = sides[k];
        if (side.labelled)
            side.hemisphere->northOrEast = !side.negative;
        else if (side.hemisphere && side.negative)
            return std::nullopt; // "S -33": which of the two is meant?
        if (!side.hemisphere)
            side.hemisphere = Hemisphere{k == 0 ? Axis::Latitude : Axis::Longitude, !side.negative};
    }
    return sides;
}

// The mask's option for a hemisphere: north, south, east, west in the table.
Element hemisphereOption(const Notation& notation, Axis axis, bool northOrEast) {
    const std::size_t index = (axis == Axis::Latitude ? 0 : 2) + (northOrEast ? 0 : 1);
    return notation.hemisphereOptions[index];
}

std::optional<PastedCoordinate> geographic(const Notation& notation, std::u32string_view text) {
    const auto perSide = static_cast<std::size_t>(notation.numbersPerAxis);
    GeographicNumbers numbers;
    const auto sides = geographicSides(numbersAndWords(text), perSide, numbers);
    if (!sides)
        return std::nullopt;
    std::array<std::u32string_view, kMostGeographicNumbers> parts;
    std::size_t partCount = 0;
    for (const Side& side : *sides)
        for (std::size_t i = 0; i < perSide; ++i)
            parts[partCount++] = numbers.texts[side.firstNumber + i];
    PastedCoordinate coordinate =
        withParts(notation, std::span<const std::u32string_view>(parts.data(), partCount));
    coordinate.options.reserve(sides->size());
    for (const Side& side : *sides)
        if (side.hemisphere)
            coordinate.options.push_back(
                hemisphereOption(notation, side.hemisphere->axis, side.hemisphere->northOrEast));
    return coordinate;
}

// The strip widths in the order of the notation's strip options.
constexpr std::array<int, 2> kStripWidthsDeg = {3, 6};

// The value of a run of digits, at most kBeyondAnyMeridian: a pasted text
// may carry any number of digits, and a longer run fits no strip anyway.
constexpr int kBeyondAnyMeridian = 1000;

int digitValue(std::u32string_view digits) {
    int value = 0;
    for (char32_t c : digits) {
        value = value * 10 + static_cast<int>(c - U'0');
        if (value >= kBeyondAnyMeridian)
            return kBeyondAnyMeridian;
    }
    return value;
}

// The strip width a central meridian means with the strip number (the first
// digit of the easting), by the one rule the projection uses. nullopt when it
// fits neither width: such a text is no whole coordinate. No option where it
// fits both (strip 0, which the checks refuse anyway).
std::optional<std::vector<Element>> stripWidthOptions(const Notation& notation,
                                                      std::u32string_view easting,
                                                      std::u32string_view meridian) {
    const int strip = static_cast<int>(easting.front() - U'0');
    const double degrees = digitValue(meridian);
    std::vector<Element> fitting;
    for (std::size_t i = 0; i < kStripWidthsDeg.size(); ++i)
        if (degrees == gkCentralMeridianDeg(strip, kStripWidthsDeg[i]))
            fitting.push_back(notation.stripOptions[i]);
    if (fitting.empty())
        return std::nullopt;
    if (fitting.size() > 1)
        fitting.clear(); // both widths: the text decides nothing
    return fitting;
}

bool isWholeNumber(std::u32string_view text) {
    for (char32_t c : text)
        if (!isDigit(c))
            return false;
    return !text.empty();
}

// "3571686.39 5540758.79", optionally labelled ("R … H …", "R=… H=…",
// "RW … HW …", "Rechtswert … Hochwert …") and the central meridian behind,
// as the output mask shows it ("E009°").
std::optional<PastedCoordinate> gaussKrueger(const Notation& notation, std::u32string_view text) {
    std::vector<Token> tokens = numbersAndWords(text);
    // The copy line of a neighbour strip ends so; the Rechtswert names its strip.
    if (!tokens.empty() && !tokens.back().number && tokens.back().text.size() == 15) {
        std::u32string word;
        for (char32_t c : tokens.back().text)
            word += upper(c);
        if (word == U"NACHBARSTREIFEN")
            tokens.pop_back();
    }
    std::size_t next = 0;
    auto skipWord = [&](std::initializer_list<std::u32string_view> words) {
        if (next < tokens.size() && !tokens[next].number && isOneOf(tokens[next].text, words)) {
            ++next;
            return true;
        }
        return false;
    };
    auto takeNumber = [&]() -> std::optional<std::u32string_view> {
        if (next < tokens.size() && tokens[next].number && !tokens[next].negative)
            return tokens[next++].text;
        return std::nullopt;
    };
    skipWord({U"R", U"RW", U"RECHTSWERT"});
    const auto easting = takeNumber();
    skipWord({U"H", U"HW", U"HOCHWERT"});
    const auto northing = takeNumber();
    if (!easting || !northing)
        return std::nullopt;
    PastedCoordinate coordinate = withParts(notation, {*easting, *northing});
    if (skipWord({U"E", U"O"})) {
        const auto meridian = takeNumber();
        if (!meridian || !isWholeNumber(*meridian))
            return std::nullopt;
        const auto options = stripWidthOptions(notation, *easting, *meridian);
        if (!options)
            return std::nullopt;
        coordinate.options = *options;
    }
    if (next != tokens.size())
        return std::nullopt;
    return coordinate;
}

// "32399340.60 5928794.18" with decimal points or commas, optionally "E"/"Ost"
// and "N"/"Nord" before the values, or the zone apart, with or without its
// band letter ("32U 399340.60 5928794.18", "32 399340.60 5928794.18": the
// letter is dropped, the zone goes in front of the easting); "Nachbarzone" behind, as the copy line
// of a neighbour zone ends, is taken off.
std::optional<PastedCoordinate> utmAmtlich(const Notation& notation, std::u32string_view text) {
    std::vector<Token> tokens = numbersAndWords(text);
    auto isWord = [&](std::size_t i, std::u32string_view word) {
        if (i >= tokens.size() || tokens[i].number || tokens[i].text.size() != word.size())
            return false;
        for (std::size_t k = 0; k < word.size(); ++k)
            if (upper(tokens[i].text[k]) != word[k])
                return false;
        return true;
    };
    if (!tokens.empty() && isWord(tokens.size() - 1, U"NACHBARZONE"))
        tokens.pop_back();
    std::size_t next = 0;
    auto skipLabel = [&](std::initializer_list<std::u32string_view> labels) {
        for (std::u32string_view label : labels)
            if (isWord(next, label)) {
                ++next;
                return;
            }
    };
    auto wholeNumberAt = [&](std::size_t i) {
        return i < tokens.size() && tokens[i].number && !tokens[i].negative &&
               isWholeNumber(tokens[i].text);
    };
    std::u32string zone;
    if (wholeNumberAt(0) && tokens[0].text.size() <= 2 && tokens.size() > 1 && !tokens[1].number &&
        tokens[1].text.size() == 1) {
        zone.assign(tokens[0].text); // "32U": the band letter says nothing the Ostwert does not
        next = 2;
    } else if (wholeNumberAt(0) && tokens[0].text.size() <= 2 && tokens.size() == 3 &&
               tokens[1].number && tokens[2].number) {
        zone.assign(tokens[0].text); // "32 691599.19 5334779.12": the zone apart, no band
        next = 1;
    }
    skipLabel({U"E", U"OST", U"O"});
    if (next >= tokens.size() || !tokens[next].number || tokens[next].negative)
        return std::nullopt;
    std::u32string ost(tokens[next++].text);
    if (!zone.empty()) {
        const std::size_t before = std::min(ost.find_first_of(U".,"), ost.size());
        if (before != 6)
            return std::nullopt; // the easting of a zone written apart has six digits
        ost = zone + ost;
    }
    skipLabel({U"N", U"NORD"});
    if (next >= tokens.size() || !tokens[next].number || tokens[next].negative)
        return std::nullopt;
    const std::u32string_view nord = tokens[next++].text;
    if (next != tokens.size())
        return std::nullopt;
    return withParts(notation, {ost, nord});
}

// ---- UTM texts: runs of digits and of letters ----

struct Run {
    bool digits;
    std::u32string text;
    char32_t
        before; // 0: joined to the run before; U' ': after blanks or commas; U'.': after a point
};

// Whether `text` begins with `word` in any case, followed by a blank or a
// colon; gives what follows.
std::optional<std::u32string_view> afterWord(std::u32string_view text, std::u32string_view word) {
    if (text.size() <= word.size())
        return std::nullopt;
    for (std::size_t i = 0; i < word.size(); ++i)
        if (upper(text[i]) != word[i])
            return std::nullopt;
    const char32_t next = text[word.size()];
    if (!isBlank(next) && next != U':')
        return std::nullopt;
    return text.substr(word.size() + 1);
}

std::u32string_view withoutLeadingBlanks(std::u32string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    return text;
}

// References are often labelled: "UTMREF 32U NU 71595 65251", "MGRS …",
// "UTM 32U …". The label goes; the reference is read as without it.
std::u32string_view withoutPrefixWord(std::u32string_view text) {
    text = withoutLeadingBlanks(text);
    for (std::u32string_view word : {U"UTMREF", U"MGRS", U"UTM"})
        if (const auto rest = afterWord(text, word))
            return *rest;
    return text;
}

// Points separate like blanks but mark the military pairs ("76.15.52").
std::vector<Run> digitAndLetterRuns(std::u32string_view text) {
    std::vector<Run> runs;
    char32_t separator = U' ';
    for (char32_t c : text) {
        if (isBlank(c) || c == U',') {
            separator = separator == U'.' ? U'.' : U' ';
            continue;
        }
        if (c == U'.') {
            separator = U'.';
            continue;
        }
        const bool digit = isDigit(c);
        if (!runs.empty() && separator == 0 && runs.back().digits == digit)
            runs.back().text += c;
        else
            runs.push_back({digit, std::u32string(1, c), separator});
        separator = 0;
    }
    return runs;
}

struct GridHead {
    std::u32string zone;   // "32U"
    std::u32string square; // "NU", or empty for UTM civil
    std::span<const Run> digitGroups;
};

// The zone, two digits and the band letter, then for the grid notations the
// two square letters, written together ("32UNU") or apart ("32U NU"); all
// that follows must be digit groups.
std::optional<GridHead> gridHead(const std::vector<Run>& runs, bool withSquare) {
    if (runs.size() < 2 || !runs[0].digits || runs[0].text.size() != 2 || runs[1].digits)
        return std::nullopt;
    GridHead head;
    head.zone = runs[0].text + runs[1].text.substr(0, 1);
    head.square = runs[1].text.substr(1);
    std::size_t next = 2;
    if (withSquare && head.square.empty() && next < runs.size() && !runs[next].digits)
        head.square = runs[next++].text;
    if (head.square.size() != (withSquare ? 2u : 0u))
        return std::nullopt;
    head.digitGroups = std::span<const Run>(runs).subspan(next);
    for (const Run& group : head.digitGroups)
        if (!group.digits)
            return std::nullopt;
    return head;
}

std::optional<PastedCoordinate> utmCivil(const Notation& notation, std::u32string_view text) {
    const std::vector<Run> runs = digitAndLetterRuns(withoutPrefixWord(text));
    const auto head = gridHead(runs, false);
    if (!head || head->digitGroups.size() != 2)
        return std::nullopt;
    std::u32string easting = head->digitGroups[0].text;
    const std::u32string& northing = head->digitGroups[1].text;
    if ((easting.size() != 6 && easting.size() != 7) || northing.size() != 7)
        return std::nullopt;
    if (easting.size() == 6)
        easting.insert(easting.begin(), U'0'); // easting below 1000 km, written without its 0
    return withParts(notation, {head->zone, easting, northing});
}

// Easting and northing digits of equal count taken pairwise: "71595" and
// "65251" give "76", "15", "52", "95", "51".
std::vector<std::u32string> interleaved(const std::u32string& easting,
                                        const std::u32string& northing) {
    std::vector<std::u32string> pairs;
    for (std::size_t i = 0; i < easting.size(); ++i)
        pairs.push_back({easting[i], northing[i]});
    return pairs;
}

bool allOfLength(std::span<const Run> groups, std::size_t length) {
    for (const Run& group : groups)
        if (group.text.size() != length)
            return false;
    return true;
}

// The five digit pairs of the military mask from the forms in use: the
// program's own pairs ("76.15.52.95.51", or three to five pairs apart), a
// standard grid reference in one even group ("7159565251") or as easting
// and northing ("71595 65251").
std::optional<std::vector<std::u32string>> militaryPairs(std::span<const Run> groups) {
    if (groups.empty() || groups.size() > 5)
        return std::nullopt;
    bool pointed = false;
    for (std::size_t i = 1; i < groups.size(); ++i)
        pointed = pointed || groups[i].before == U'.';
    if (pointed || groups.size() >= 3) {
        if (!allOfLength(groups, 2))
            return std::nullopt;
        std::vector<std::u32string> pairs;
        for (const Run& group : groups)
            pairs.push_back(group.text);
        return pairs;
    }
    if (groups.size() == 1) {
        const std::u32string& digits = groups[0].text;
        if (digits.size() % 2 != 0 || digits.size() > 10)
            return std::nullopt;
        const std::size_t half = digits.size() / 2;
        return interleaved(digits.substr(0, half), digits.substr(half));
    }
    if (groups[0].text.size() != groups[1].text.size() || groups[0].text.size() > 5)
        return std::nullopt;
    return interleaved(groups[0].text, groups[1].text);
}

std::optional<PastedCoordinate> utmMilitary(const Notation& notation, std::u32string_view text) {
    const std::vector<Run> runs = digitAndLetterRuns(withoutPrefixWord(text));
    const auto head = gridHead(runs, true);
    if (!head)
        return std::nullopt;
    const auto pairs = militaryPairs(head->digitGroups);
    if (!pairs)
        return std::nullopt;
    std::vector<std::u32string> parts = {head->zone, head->square};
    parts.insert(parts.end(), pairs->begin(), pairs->end());
    return withParts(notation, parts);
}

// One digit group as the mask takes it, or easting and northing of equal
// length joined into it.
std::optional<PastedCoordinate> utmReference(const Notation& notation, std::u32string_view text) {
    const std::vector<Run> runs = digitAndLetterRuns(withoutPrefixWord(text));
    const auto head = gridHead(runs, true);
    if (!head)
        return std::nullopt;
    const std::span<const Run> groups = head->digitGroups;
    if (groups.size() == 1)
        return withParts(notation, {head->zone, head->square, groups[0].text});
    if (groups.size() == 2 && groups[0].text.size() == groups[1].text.size())
        return withParts(notation, {head->zone, head->square, groups[0].text + groups[1].text});
    return std::nullopt;
}

// A copy line may end in the name of its datum (" ED50", " DHDN"). Taken off
// when it is the datum of the mask's ellipsoid; a line of another datum is no
// coordinate of this mask (its numbers would mean a place some hundred
// metres away).
std::optional<std::u32string_view> withoutDatumName(std::u32string_view text,
                                                    std::string_view ellipsoid) {
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    for (std::string_view datum : kDatumNames) {
        if (text.size() <= datum.size())
            continue;
        const std::u32string_view tail = text.substr(text.size() - datum.size());
        bool same = true;
        for (std::size_t i = 0; i < datum.size(); ++i)
            same = same && upper(tail[i]) == static_cast<char32_t>(datum[i]);
        const char32_t before = text[text.size() - datum.size() - 1];
        if (!same || !(isBlank(before) || before == U','))
            continue;
        if (datum != datumNameOf(ellipsoid))
            return std::nullopt;
        return text.substr(0, text.size() - datum.size());
    }
    return text;
}

static_assert(PlainCoordinate::kMostParts == kMostGeographicNumbers);

bool isPlainBlank(char c) {
    return c == ' ' || c == '\t';
}

bool isPlainHemisphereLetter(char c) {
    return c == 'N' || c == 'S' || c == 'E' || c == 'W';
}

} // namespace

std::optional<PlainCoordinate> plainCoordinate(int code, std::string_view text) {
    PlainCoordinate plain;
    if (!readPlainCoordinate(code, text, plain))
        return std::nullopt;
    return plain;
}

bool readPlainCoordinate(int code, std::string_view text, PlainCoordinate& plain) {
    const Notation* notation = notationOf(code);
    if (!notation)
        return false;
    const bool geographicForm = notation->paste == PasteForm::Geographic;
    if (!geographicForm && notation->paste != PasteForm::GaussKrueger)
        return false;
    const std::size_t perSide =
        geographicForm ? static_cast<std::size_t>(notation->numbersPerAxis) : 1;
    if (2 * perSide != notation->inputFields.size())
        return false;
    plain.partCount = 0;
    plain.optionCount = 0;
    plain.tabbed = false;
    std::array<char, 2> letters{};
    std::array<bool, 2> negative{};
    const char* p = text.data();
    const char* const end = p + text.size();
    auto skipBlanks = [&] {
        for (; p != end && isPlainBlank(*p); ++p)
            plain.tabbed = plain.tabbed || *p == '\t';
    };
    for (std::size_t side = 0; side < 2; ++side) {
        skipBlanks();
        if (geographicForm && p != end && isPlainHemisphereLetter(*p)) {
            letters[side] = *p++;
            skipBlanks();
        }
        for (std::size_t i = 0; i < perSide; ++i) {
            skipBlanks();
            const bool minus = geographicForm && i == 0 && p != end && *p == '-';
            if (minus)
                ++p;
            const char* const start = p;
            p = readPlainDigitsAt(p, end, plain.numbers[plain.partCount]);
            // A number ends the text or stands before a blank.
            if (!p || (p != end && !isPlainBlank(*p)))
                return false;
            plain.parts[plain.partCount++] = {start, static_cast<std::size_t>(p - start)};
            if (i == 0)
                negative[side] = minus;
        }
    }
    skipBlanks();
    if (p != end)
        return false;
    if (!geographicForm)
        return true;
    const bool lettered = letters[0] != 0 || letters[1] != 0;
    if (lettered) {
        const bool inOrder =
            (letters[0] == 'N' || letters[0] == 'S') && (letters[1] == 'E' || letters[1] == 'W');
        if (!inOrder || negative[0] || negative[1])
            return false;
    }
    const bool north = lettered ? letters[0] == 'N' : !negative[0];
    const bool east = lettered ? letters[1] == 'E' : !negative[1];
    plain.options[plain.optionCount++] = hemisphereOption(*notation, Axis::Latitude, north);
    plain.options[plain.optionCount++] = hemisphereOption(*notation, Axis::Longitude, east);
    return true;
}

bool takesWholeCoordinate(Element field) {
    const Notation* notation = notationOfInputField(field);
    return notation && notation->inputFields.front() == field;
}

std::optional<PastedCoordinate> recognisePastedCoordinate(int code, std::string_view text,
                                                          std::string_view ellipsoid) {
    const Notation* notation = notationOf(code);
    if (!notation)
        return std::nullopt;
    // A link names a WGS 84 position in decimal degrees. Unlike a plain pair
    // of numbers, whose datum the user knows and chose, it says its datum:
    // read on Bessel or Hayford it would name a place some hundred metres
    // away, so only GRS80 reads it.
    if (const auto link = linkedPosition(text)) {
        if (code != kGradDezimal || !(ellipsoid.empty() || ellipsoid == kGRS80))
            return std::nullopt;
        return geographic(*notation, utf8::decode(link->latitude + " " + link->longitude));
    }
    const std::u32string decoded = utf8::decode(text);
    const auto chars = withoutDatumName(decoded, ellipsoid);
    if (!chars)
        return std::nullopt;
    switch (notation->paste) {
    case PasteForm::Geographic:
        return geographic(*notation, *chars);
    case PasteForm::UtmCivil:
        return utmCivil(*notation, *chars);
    case PasteForm::UtmMilitary:
        return utmMilitary(*notation, *chars);
    case PasteForm::UtmReference:
        return utmReference(*notation, *chars);
    case PasteForm::GaussKrueger:
        return gaussKrueger(*notation, *chars);
    case PasteForm::UtmAmtlich:
        return utmAmtlich(*notation, *chars);
    }
    return std::nullopt;
}

} // namespace lw
