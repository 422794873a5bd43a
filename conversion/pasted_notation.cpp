#include "conversion/pasted_notation.h"

#include "conversion/pasted_coordinate.h"
#include "model/notations.h"
#include "text/numtext.h"
#include "validation/validators.h"

#include <algorithm>
#include <utility>

namespace lw {
namespace {

// The geographic readers take any numbers; a latitude beyond 90°, a
// longitude beyond 180° or minutes and seconds of 60 and more are no angles,
// but the numbers of another notation ("3571686 5540758" is Gauss-Krueger,
// "32571594.63 5365251.16" UTM amtlich). The mask's own reader still fills
// them in, where the field filters and checks say what is wrong.
bool anglesPossible(const Notation& notation, const PastedCoordinate& coordinate) {
    if (notation.paste != PasteForm::Geographic)
        return true;
    const auto perAxis = static_cast<std::size_t>(notation.numbersPerAxis);
    if (coordinate.fields.size() != 2 * perAxis)
        return false;
    for (std::size_t axis = 0; axis < 2; ++axis)
        for (std::size_t part = 0; part < perAxis; ++part) {
            const double value = readNumber(coordinate.fields[axis * perAxis + part].second);
            const double limit = part > 0 ? 60.0 : axis == 0 ? 90.0 : 180.0;
            if (!(part > 0 ? value < limit : value <= limit))
                return false;
        }
    return true;
}

// A typed comma becomes a point in the fields.
std::string withPoint(std::string text) {
    std::replace(text.begin(), text.end(), ',', '.');
    return text;
}

// UTM amtlich is how German survey offices write ETRS89/UTM: an Ostwert
// with the zone in front that its check takes, in a zone covering Germany.
// Bare numbers of another kind (Gauss-Krueger's "3571686.39" would be zone 3
// in the Pacific) are not taken for it.
bool germanOstwert(const Notation& notation, const PastedCoordinate& coordinate) {
    if (notation.paste != PasteForm::UtmAmtlich)
        return true;
    const std::string ostwert = withPoint(coordinate.fields.front().second);
    return isUtmAmtlichOstwert(ostwert) &&
           isGermanUtmZone(static_cast<int>(readNumber(ostwert) / 1e6));
}

// Gauss-Krueger values have seven digits before the point, as their check
// demands: an Ostwert of UTM amtlich ("32571594.63") is none.
bool gaussKruegerDigits(const Notation& notation, const PastedCoordinate& coordinate) {
    if (notation.paste != PasteForm::GaussKrueger)
        return true;
    return std::all_of(coordinate.fields.begin(), coordinate.fields.end(), [](const auto& field) {
        return isGaussKruegerValue(withPoint(field.second));
    });
}

bool takes(int notation, std::string_view text, std::string_view ellipsoid) {
    if (!offersNotation(ellipsoid, static_cast<std::uint8_t>(notation)))
        return false;
    const std::optional<PastedCoordinate> coordinate =
        recognisePastedCoordinate(notation, text, ellipsoid);
    const Notation& n = *notationOf(notation);
    return coordinate && anglesPossible(n, *coordinate) && germanOstwert(n, *coordinate) &&
           gaussKruegerDigits(n, *coordinate);
}

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

// The only candidate, or nullopt for none and for several.
template <typename T> std::optional<T> onlyOne(const std::vector<T>& candidates) {
    if (candidates.size() != 1)
        return std::nullopt;
    return candidates.front();
}

// Each notation on the first ellipsoid in screen order that takes the text
// with it; a datum name in the text leaves only its own ellipsoid.
std::vector<PastedStart> startsOnAnyEllipsoid(std::string_view text) {
    std::vector<PastedStart> starts;
    for (const Notation& n : kNotations)
        for (const EllipsoidLetter& e : kEllipsoidLetters)
            if (takes(n.code, text, e.jobName)) {
                starts.push_back({e.jobName, n.code, true});
                break;
            }
    return starts;
}

std::vector<PastedStart> startsOn(std::string_view text, const std::string& ellipsoid) {
    std::vector<PastedStart> starts;
    for (int code : notationsTakingPaste(text, ellipsoid))
        starts.push_back({ellipsoid, code, true});
    return starts;
}

} // namespace

std::vector<int> notationsTakingPaste(std::string_view text, std::string_view ellipsoid) {
    std::vector<int> codes;
    for (const Notation& n : kNotations)
        if (takes(n.code, text, ellipsoid))
            codes.push_back(n.code);
    return codes;
}

std::optional<int> otherNotationOfPaste(std::string_view text, std::string_view ellipsoid,
                                        int ownNotation) {
    if (takes(ownNotation, text, ellipsoid))
        return std::nullopt;
    return onlyOne(notationsTakingPaste(text, ellipsoid));
}

std::string notationSwitchQuestion(int notation, std::string_view text) {
    const Notation* n = notationOf(notation);
    const std::string label = n ? std::string(n->label) : std::string();
    return "Der eingefügte Text ist eine Angabe in " + label + ": " + std::string(trimmed(text)) +
           ". Eingabeformat auf " + label + " umstellen?";
}

ConversionJob jobWithInputNotation(const ConversionJob& job, int notation) {
    ConversionJob next = job;
    next.FormatEIN = static_cast<std::uint8_t>(notation);
    // The task's own output digit where it has one: on the calculation
    // screen the task, not FormatAUS, says which output mask is shown.
    const int output = job.Aufgabe.empty() ? job.FormatAUS : job.Aufgabe.back() - '0';
    next.Aufgabe = taskCode(notation, output);
    return next;
}

bool showsOutputMask(const ConversionJob& job) {
    return job.FormatAUS != kKeinFormat && !job.ZielEllipsoid.empty();
}

std::optional<PastedStart> startSideOfPaste(std::string_view text, const ConversionJob& job,
                                            bool ellipsoidChosen) {
    if (job.FormatEIN != kKeinFormat && takes(job.FormatEIN, text, job.StartEllipsoid))
        return PastedStart{job.StartEllipsoid, job.FormatEIN, false};
    if (ellipsoidChosen)
        return onlyOne(startsOn(text, job.StartEllipsoid));
    return onlyOne(startsOnAnyEllipsoid(text));
}

void choosePastedStart(SelectionRules& rules, const ConversionJob& job, const PastedStart& start) {
    for (std::size_t i = 0; i < kEllipsoidLetters.size(); ++i)
        if (start.ellipsoid == kEllipsoidLetters[i].jobName &&
            start.ellipsoid != job.StartEllipsoid)
            rules.pressEllipsoid(SelectionSide::Start, static_cast<int>(i));
    rules.pressFormat(SelectionSide::Start, start.notation);
}

void PendingPaste::keep(const ConversionJob& job, std::string text) {
    ellipsoid_ = job.StartEllipsoid;
    notation_ = job.FormatEIN;
    text_ = std::move(text);
}

std::optional<std::string> PendingPaste::takeFor(const ConversionJob& job) {
    std::optional<std::string> text = std::exchange(text_, std::nullopt);
    if (job.StartEllipsoid != ellipsoid_ || job.FormatEIN != notation_)
        return std::nullopt;
    return text;
}

} // namespace lw
