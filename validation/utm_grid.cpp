// Checks of the two grid-letter notations: UTM military (zone, 100 km
// square, five digit pairs from 10 km down to 1 m) and UTM reference (zone,
// 100 km square, one even-length digit group of easting then northing digits).
#include "validation/validators.h"

#include "geodesy/mgrs.h"
#include "model/job.h"
#include "text/numtext.h"
#include "text/utf8.h"
#include "validation/refusal.h"

#include <array>
#include <optional>
#include <string_view>

namespace lw {
namespace {

using refusal::Step;

const std::string kZoneMissing(refusal::kZoneMissingMessage);
const std::string kSquareMissing =
    "Ohne Angabe des 100km-Quadrates kann die Berechnung nicht durchgeführt werden.";

constexpr std::string_view kMilSquareLength =
    "Für das 100km Quadrat sind genau 2 Buchstaben erforderlich.";
constexpr std::string_view kRefSquareLength = "Genau 2 Buchstaben sind erforderlich. Beispiel: NU";

struct DigitPairField {
    Element field;
    std::string_view name; // as the messages call it
};

constexpr std::array<DigitPairField, 5> kDigitPairs = {{
    {Element::tex10km, "10km"},
    {Element::tex1km, "1km"},
    {Element::tex100m, "100m"},
    {Element::tex10m, "10m"},
    {Element::tex1m, "1m"},
}};

// An empty reference digit group stands for the square's south-west corner.
constexpr std::string_view kEmptyReferenceDigits = "0000000000";
constexpr std::size_t kMaxReferenceDigits = 10;

using refusal::Refusal;

// A missing field: output cleared and focus set before the box is shown.
Refusal missingRefusal(const std::string& message, Element field) {
    return {{Step::Sound, Step::Reset, Step::Focus, Step::Message}, message, field};
}

Refusal fieldRefusal(std::string message, Element field) {
    return {{Step::Sound, Step::Message, Step::Reset, Step::Focus}, std::move(message), field};
}

// Zone and 100 km square of either mask, the zone first.
std::optional<Refusal> zoneAndSquareRefusal(std::string_view zone, std::string_view square,
                                            Element zoneField, Element squareField,
                                            std::string_view squareLengthMessage) {
    if (auto fault = refusal::zoneFault(zone))
        return fieldRefusal(std::move(*fault), zoneField);
    if (auto fault = refusal::squareFault(square, squareLengthMessage))
        return fieldRefusal(std::move(*fault), squareField);
    return std::nullopt;
}

// A count written as the number-to-text conversion writes it: with a leading blank.
std::string countText(std::size_t n) {
    return plainText(static_cast<double>(n));
}

// Completes a short digit pair with leading zeros in `text` (the field
// keeps the completion, whatever follows); returns its fault, if any.
std::optional<std::string> digitPairFault(std::string& text, const DigitPairField& pair) {
    const std::size_t length = utf8::charCount(text);
    if (length < 2)
        text = (length == 0 ? "00" : "0" + text);
    const std::string prefix = "Im " + std::string(pair.name) + " Feld sind ";
    if (length > 2)
        return prefix + "keine" + countText(length) + "-stelligen Eingaben zugelassen!";
    if (!refusal::allCharsIn(text, refusal::kDigits))
        return prefix +
               "nur ganze Zahlen aus den Ziffern\r\n\r\n0 1 2 3 4 5 6 7 8 9\r\n\r\nzugelassen.";
    return std::nullopt;
}

std::optional<std::string> referenceDigitsFault(std::string_view digits) {
    if (!refusal::allCharsIn(digits, refusal::kDigits))
        return "In der Zifferngruppe sind nur ganze Zahlen aus den Ziffern\r\n\r\n"
               "0 1 2 3 4 5 6 7 8 9\r\n\r\nzugelassen, also auch keine Leerstelle oder /";
    const std::size_t length = utf8::charCount(digits);
    if (length > kMaxReferenceDigits)
        return "Sie haben mehr als 10 Ziffern eingegeben!";
    if (length % 2 != 0)
        return "Die Zifferngruppe muss geradzahlig sein\r\n"
               "2 oder 4 oder 6 oder 8 oder 10 Ziffern.\r\n\r\n" +
               countText(length) + " ist nicht geradzahlig.";
    return std::nullopt;
}

// Metres east or north of the square's corner that the digits of a grid
// reference give: the first digit counts 10 km, each further one a tenth of
// the one before.
double offsetInSquareM(std::string_view digits) {
    double metres = 0;
    double step = kSquareSideM;
    for (char d : digits) {
        step /= 10;
        metres += (d - '0') * step;
    }
    return metres;
}

// Zone, band and square of a well-formed zone and square ("32U", "NU") with
// the point's place in the square: the refusal when the point lies outside
// the zone's band, beyond what a square across a band border allows. Letters
// that name no square of the band are left to the conversion, which refuses
// them with its own message.
std::optional<std::string> bandFault(std::string_view zone, std::string_view square,
                                     std::string_view eastDigits, std::string_view northDigits,
                                     const ConversionJob& job) {
    const std::string zoneDigits(zone.substr(0, 2));
    const int zoneNumber = static_cast<int>(readNumber(zoneDigits));
    const char band = zone.back();
    const std::optional<GridPoint> corner =
        squareSouthWestCorner(zoneNumber, band, square[0], square[1]);
    if (!corner)
        return std::nullopt;
    const GridPoint point{corner->eastingM + offsetInSquareM(eastDigits),
                          corner->northingM + offsetInSquareM(northDigits)};
    const Ellipsoid& ellipsoid =
        job.StartEllipsoid == kHayford ? ellipsoid::Hayford : ellipsoid::GRS80;
    if (fitsBand(band, zoneNumber, *corner, point, ellipsoid))
        return std::nullopt;
    return "Das 100km-Quadrat " + std::string(square) + " liegt nicht im Band " +
           std::string(1, band) + " der Zone " + zoneDigits + ".";
}

} // namespace

std::optional<Refusal> gridFieldsMissing(std::string_view zone, std::string_view square,
                                         Element zoneField, Element squareField) {
    if (zone.empty())
        return missingRefusal(kZoneMissing, zoneField);
    if (square.empty())
        return missingRefusal(kSquareMissing, squareField);
    return std::nullopt;
}

GridCheck checkUtmMilitary(std::string_view zone, std::string_view square,
                           const std::array<std::string_view, 5>& pairs, const ConversionJob& job) {
    GridCheck check;
    check.refusal =
        zoneAndSquareRefusal(zone, square, Element::texZoneM, Element::tex100km, kMilSquareLength);
    if (check.refusal)
        return check;
    std::string eastDigits, northDigits;
    for (std::size_t i = 0; i < kDigitPairs.size(); ++i) {
        const DigitPairField& pair = kDigitPairs[i];
        std::string digits(pairs[i]);
        auto fault = digitPairFault(digits, pair);
        if (digits != pairs[i])
            check.completed.emplace_back(pair.field, digits);
        if (fault) {
            check.refusal = fieldRefusal(std::move(*fault), pair.field);
            return check;
        }
        eastDigits += digits.front();
        northDigits += digits.back();
    }
    if (auto fault = bandFault(zone, square, eastDigits, northDigits, job))
        check.refusal = fieldRefusal(std::move(*fault), Element::texZoneM);
    return check;
}

std::string_view referenceDigitsOrCorner(std::string_view digits) {
    return digits.empty() ? kEmptyReferenceDigits : digits;
}

std::optional<Refusal> utmReferenceRefusal(std::string_view zone, std::string_view square,
                                           std::string_view digits, const ConversionJob& job) {
    if (auto refused = zoneAndSquareRefusal(zone, square, Element::texREFZone, Element::texREF100,
                                            kRefSquareLength))
        return refused;
    if (auto fault = referenceDigitsFault(digits))
        return fieldRefusal(std::move(*fault), Element::texREFZiffern);
    // Easting digits first, then as many northing digits.
    const std::size_t half = digits.size() / 2;
    if (auto fault = bandFault(zone, square, digits.substr(0, half), digits.substr(half), job))
        return fieldRefusal(std::move(*fault), Element::texREFZone);
    return std::nullopt;
}

void UTMMilPruefen(CalcScreen& screen, ProgramState& state) {
    state.calc.blnEingabeOK = false;
    const std::string zone = screen.text(Element::texZoneM);
    const std::string square = screen.text(Element::tex100km);
    if (auto missing = gridFieldsMissing(zone, square, Element::texZoneM, Element::tex100km))
        return refusal::carryOut(screen, *missing);
    // A refusal here only withdraws the Gauss-Krueger output.
    GKZonePruefen(screen, state, zone);

    std::array<std::string, kDigitPairs.size()> texts;
    std::array<std::string_view, kDigitPairs.size()> pairs;
    for (std::size_t i = 0; i < texts.size(); ++i)
        pairs[i] = texts[i] = screen.text(kDigitPairs[i].field);
    const GridCheck check = checkUtmMilitary(zone, square, pairs, state.job);
    for (const auto& [field, text] : check.completed)
        screen.setText(field, text);
    if (check.refusal)
        return refusal::carryOut(screen, *check.refusal);
    state.calc.blnEingabeOK = true;
}

void UTMRefPruefen(CalcScreen& screen, ProgramState& state) {
    state.calc.blnEingabeOK = false;
    const std::string zone = screen.text(Element::texREFZone);
    const std::string square = screen.text(Element::texREF100);
    if (auto missing = gridFieldsMissing(zone, square, Element::texREFZone, Element::texREF100))
        return refusal::carryOut(screen, *missing);
    const std::string typed = screen.text(Element::texREFZiffern);
    const std::string digits(referenceDigitsOrCorner(typed));
    if (digits != typed)
        screen.setText(Element::texREFZiffern, digits);
    // A refusal here only withdraws the Gauss-Krueger output.
    GKZonePruefen(screen, state, zone);

    if (auto refused = utmReferenceRefusal(zone, square, digits, state.job))
        return refusal::carryOut(screen, *refused);
    state.calc.blnEingabeOK = true;
}

} // namespace lw
