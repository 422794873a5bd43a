#include "conversion/pasted_notation.h"

#include "conversion/datum_stage.h"
#include "conversion/map_link.h"
#include "conversion/pasted_coordinate.h"
#include "geodesy/mgrs.h"
#include "geodesy/utm.h"
#include "model/notations.h"
#include "text/numtext.h"
#include "validation/validators.h"

#include <algorithm>
#include <cctype>
#include <cmath>
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

// ---- Several readings of one text: the same point or not ----

// Where a UTM reading puts the point: the south-west corner of the cell its
// digits name (a metre for zone, easting and northing), in its zone.
struct GridReading {
    int zone = 0;
    char band = 0;
    GridPoint corner{};
    double cellM = 1;
};

int twoDigits(std::string_view text) {
    if (text.size() < 2 || !std::isdigit(static_cast<unsigned char>(text[0])) ||
        !std::isdigit(static_cast<unsigned char>(text[1])))
        return 0;
    return (text[0] - '0') * 10 + (text[1] - '0');
}

char upperLetter(char c) {
    return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

// Easting and northing digits of equal count within their 100 km square,
// the cell they name from its size.
std::optional<GridReading> withinSquare(const std::string& zoneText, const std::string& square,
                                        const std::string& eastDigits,
                                        const std::string& northDigits) {
    const int zone = twoDigits(zoneText);
    if (zone == 0 || zoneText.size() != 3 || square.size() != 2 || eastDigits.size() > 5 ||
        eastDigits.size() != northDigits.size())
        return std::nullopt;
    const char band = upperLetter(zoneText[2]);
    const auto corner =
        squareSouthWestCorner(zone, band, upperLetter(square[0]), upperLetter(square[1]));
    if (!corner)
        return std::nullopt;
    const double cell = std::pow(10.0, 5 - static_cast<int>(eastDigits.size()));
    GridReading reading{zone, band, *corner, cell};
    reading.corner.eastingM += readNumber(eastDigits.empty() ? "0" : eastDigits) * cell;
    reading.corner.northingM += readNumber(northDigits.empty() ? "0" : northDigits) * cell;
    return reading;
}

std::optional<GridReading> gridReading(const Notation& notation,
                                       const PastedCoordinate& coordinate) {
    std::vector<std::string> parts;
    for (const auto& field : coordinate.fields)
        parts.push_back(withPoint(field.second));
    switch (notation.paste) {
    case PasteForm::UtmCivil: {
        const int zone = twoDigits(parts[0]);
        if (zone == 0 || parts[0].size() != 3)
            return std::nullopt;
        return GridReading{
            zone, upperLetter(parts[0][2]), {readNumber(parts[1]), readNumber(parts[2])}, 1};
    }
    case PasteForm::UtmAmtlich: {
        const double ost = readNumber(parts[0]);
        const int zone = static_cast<int>(ost / 1e6);
        return GridReading{zone, 0, {ost - zone * 1e6, readNumber(parts[1])}, 1};
    }
    case PasteForm::UtmMilitary: {
        std::string east, north;
        for (std::size_t i = 2; i < parts.size(); ++i)
            if (parts[i].size() == 2) {
                east += parts[i][0];
                north += parts[i][1];
            }
        return withinSquare(parts[0], parts[1], east, north);
    }
    case PasteForm::UtmReference: {
        const std::string& digits = parts[2];
        if (digits.size() % 2 != 0)
            return std::nullopt;
        const std::size_t half = digits.size() / 2;
        return withinSquare(parts[0], parts[1], digits.substr(0, half), digits.substr(half));
    }
    case PasteForm::Geographic:
    case PasteForm::GaussKrueger:
        break;
    }
    return std::nullopt;
}

const Ellipsoid* utmEllipsoid(std::string_view name) {
    if (name == kGRS80)
        return &ellipsoid::GRS80;
    if (name == kHayford)
        return &ellipsoid::Hayford;
    return nullptr;
}

// The geographic position a reading names, on the ellipsoid it is read on.
// German survey offices' UTM (no band letter) is northern.
std::optional<GeoPoint> positionOfReading(const GridReading& reading, std::string_view ellipsoid) {
    const Ellipsoid* e = utmEllipsoid(ellipsoid);
    if (!e)
        return std::nullopt;
    const bool north = reading.band == 0 || reading.band >= 'N';
    return utmInverse(reading.corner.eastingM, reading.corner.northingM, reading.zone, north, *e);
}

// Two positions closer than `toleranceM`, measured on a sphere of the
// Earth's mean radius: plenty for telling a cell apart from a point
// kilometres away.
bool samePlace(GeoPoint a, GeoPoint b, double toleranceM) {
    constexpr double kMeanRadiusM = 6371000;
    const double north = (a.latDeg - b.latDeg) * kDegToRad * kMeanRadiusM;
    const double east = (a.lonDeg - b.lonDeg) * kDegToRad * kMeanRadiusM *
                        std::cos((a.latDeg + b.latDeg) / 2 * kDegToRad);
    return std::hypot(north, east) <= toleranceM;
}

// How directly a notation reads a text several notations read to the same
// point: zone, easting and northing are UTM zivil as written (UTM amtlich
// needs the zone moved into its Ostwert), easting and northing digits after
// the square a reference (UTM militärisch needs them taken apart in pairs).
int indirectness(const Notation& notation) {
    return notation.paste == PasteForm::UtmAmtlich || notation.paste == PasteForm::UtmMilitary ? 1
                                                                                               : 0;
}

struct Reading {
    int notation;
    std::string ellipsoid;
};

// The one notation to offer among readings of `text`: the only one, or,
// where all name the same point within the coarsest cell among them, the one
// that reads the text most directly. nullopt for none, and for readings of
// different points: the program does not guess.
std::optional<Reading> oneReading(const std::vector<Reading>& readings, std::string_view text) {
    if (readings.size() <= 1)
        return readings.empty() ? std::nullopt : std::optional<Reading>(readings.front());
    std::vector<GeoPoint> positions;
    double toleranceM = 1;
    for (const Reading& r : readings) {
        const Notation& n = *notationOf(r.notation);
        const auto coordinate = recognisePastedCoordinate(r.notation, text, r.ellipsoid);
        const auto grid = coordinate ? gridReading(n, *coordinate) : std::nullopt;
        const auto position = grid ? positionOfReading(*grid, r.ellipsoid) : std::nullopt;
        if (!position)
            return std::nullopt;
        positions.push_back(*position);
        toleranceM = std::max(toleranceM, grid->cellM);
    }
    for (const GeoPoint& p : positions)
        if (!samePlace(p, positions.front(), toleranceM))
            return std::nullopt;
    const auto byDirectness = [](const Reading& a, const Reading& b) {
        return indirectness(*notationOf(a.notation)) < indirectness(*notationOf(b.notation));
    };
    const auto best = std::min_element(readings.begin(), readings.end(), byDirectness);
    if (std::count_if(readings.begin(), readings.end(),
                      [&](const Reading& r) { return !byDirectness(*best, r); }) != 1)
        return std::nullopt; // equally direct readings: no ground to choose
    return *best;
}

std::optional<int> oneNotation(const std::vector<int>& codes, std::string_view text,
                               std::string_view ellipsoid) {
    std::vector<Reading> readings;
    for (int code : codes)
        readings.push_back({code, std::string(ellipsoid)});
    const auto reading = oneReading(readings, text);
    return reading ? std::optional<int>(reading->notation) : std::nullopt;
}

std::optional<PastedStart> oneStart(const std::vector<PastedStart>& starts, std::string_view text) {
    std::vector<Reading> readings;
    for (const PastedStart& start : starts)
        readings.push_back({start.notation, start.ellipsoid});
    const auto reading = oneReading(readings, text);
    if (!reading)
        return std::nullopt;
    return PastedStart{reading->ellipsoid, reading->notation, true};
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
    return oneNotation(notationsTakingPaste(text, ellipsoid), text, ellipsoid);
}

bool namesWgs84Position(std::string_view text) {
    return linkedPosition(text).has_value();
}

bool asksForGrs80Start(std::string_view text, std::string_view ellipsoid) {
    return ellipsoid != kGRS80 && namesWgs84Position(text);
}

std::string grs80StartQuestion(int ownNotation, std::string_view text) {
    const std::string label(notationOf(kGradDezimal)->label);
    return "Der eingefügte Text ist eine Angabe in " + label +
           " auf dem Ellipsoid GRS80 (WGS 84): " + std::string(trimmed(text)) +
           ". Startellipsoid auf GRS80" +
           (ownNotation == kGradDezimal ? std::string() : " und Eingabeformat auf " + label) +
           " umstellen?";
}

ConversionJob jobOnGrs80Start(const ConversionJob& job) {
    ConversionJob next = jobWithInputNotation(job, kGradDezimal);
    next.StartEllipsoid = kGRS80;
    if (next.EllipsoidPaar.size() == 2)
        next.EllipsoidPaar[0] = kEllipsoidLetters[0].pairLetter;
    // The user's official transformation holds where the new pair still
    // offers it (Bessel target, or the list); it is never switched on here.
    next.Amtlich = job.Amtlich && (job.FormatAUS == kAlleSchreibweisen ||
                                   officialDatumOffered(kGRS80, job.ZielEllipsoid));
    return next;
}

std::string notationSwitchQuestion(int notation, std::string_view text) {
    const Notation* n = notationOf(notation);
    const std::string label = n ? std::string(n->label) : std::string();
    return "Der eingefügte Text ist eine Angabe in " + label + ": " + std::string(trimmed(text)) +
           ". Eingabeformat auf " + label + " umstellen?";
}

std::string pastedStartQuestion(const PastedStart& start, const ConversionJob& job,
                                std::string_view text) {
    if (start.ellipsoid != job.StartEllipsoid && namesWgs84Position(text))
        return grs80StartQuestion(job.FormatEIN, text);
    return notationSwitchQuestion(start.notation, text);
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
    if (namesWgs84Position(text)) // whatever ellipsoid was chosen
        return PastedStart{kGRS80, kGradDezimal, true};
    if (ellipsoidChosen)
        return oneStart(startsOn(text, job.StartEllipsoid), text);
    return oneStart(startsOnAnyEllipsoid(text), text);
}

// A start press other than GRS80 leaves the output buttons waiting for a
// target press; the target chosen is pressed again, so that the output side
// stays as chosen and usable: no output looks chosen whose button is off.
void choosePastedStart(SelectionRules& rules, const ConversionJob& job, const PastedStart& start) {
    const std::string target = job.ZielEllipsoid; // `job` is the one the presses change
    for (std::size_t i = 0; i < kEllipsoidLetters.size(); ++i) {
        if (start.ellipsoid != kEllipsoidLetters[i].jobName ||
            start.ellipsoid == job.StartEllipsoid)
            continue;
        rules.pressEllipsoid(SelectionSide::Start, static_cast<int>(i));
        for (std::size_t t = 0; t < kEllipsoidLetters.size(); ++t)
            if (static_cast<int>(i) != kGrs80Button && target == kEllipsoidLetters[t].jobName)
                rules.pressEllipsoid(SelectionSide::Target, static_cast<int>(t));
    }
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
