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

// A missing field: output cleared and focus set before the box is shown.
void refuseMissing(CalcScreen& screen, const std::string& message, Element field) {
    refusal::refuse(screen, {Step::Sound, Step::Reset, Step::Focus, Step::Message}, message, field);
}

void refuseField(CalcScreen& screen, const std::string& message, Element field) {
    refusal::refuse(screen, {Step::Sound, Step::Message, Step::Reset, Step::Focus}, message, field);
}

// Zone and 100 km square of either mask; true when both are well formed.
bool zoneAndSquarePass(CalcScreen& screen, Element zoneField, Element squareField,
                       std::string_view squareLengthMessage) {
    if (auto fault = refusal::zoneFault(screen.text(zoneField))) {
        refuseField(screen, *fault, zoneField);
        return false;
    }
    if (auto fault = refusal::squareFault(screen.text(squareField), squareLengthMessage)) {
        refuseField(screen, *fault, squareField);
        return false;
    }
    return true;
}

// A count written as the number-to-text conversion writes it: with a leading blank.
std::string countText(std::size_t n) {
    return plainText(static_cast<double>(n));
}

// Completes a short digit pair with leading zeros in the field (the
// completion stays, whatever follows); returns its fault, if any.
std::optional<std::string> digitPairFault(CalcScreen& screen, const DigitPairField& pair) {
    std::string text = screen.text(pair.field);
    const std::size_t length = utf8::charCount(text);
    if (length < 2) {
        text = (length == 0 ? "00" : "0" + text);
        screen.setText(pair.field, text);
    }
    const std::string prefix = "Im " + std::string(pair.name) + " Feld sind ";
    if (length > 2)
        return prefix + "keine" + countText(length) + "-stelligen Eingaben zugelassen!";
    if (!refusal::allCharsIn(text, refusal::kDigits))
        return prefix +
               "nur ganze Zahlen aus den Ziffern\r\n\r\n0 1 2 3 4 5 6 7 8 9\r\n\r\nzugelassen.";
    return std::nullopt;
}

std::optional<std::string> referenceDigitsFault(const std::string& digits) {
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
std::optional<std::string> bandFault(const std::string& zone, const std::string& square,
                                     std::string_view eastDigits, std::string_view northDigits,
                                     const ConversionJob& job) {
    const std::string zoneDigits = zone.substr(0, 2);
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
    return "Das 100km-Quadrat " + square + " liegt nicht im Band " + std::string(1, band) +
           " der Zone " + zoneDigits + ".";
}

} // namespace

void UTMMilPruefen(CalcScreen& screen, ProgramState& state) {
    state.calc.blnEingabeOK = false;
    if (screen.text(Element::texZoneM).empty())
        return refuseMissing(screen, kZoneMissing, Element::texZoneM);
    if (screen.text(Element::tex100km).empty())
        return refuseMissing(screen, kSquareMissing, Element::tex100km);
    // A refusal here only withdraws the Gauss-Krueger output.
    GKZonePruefen(screen, state, screen.text(Element::texZoneM));

    if (!zoneAndSquarePass(screen, Element::texZoneM, Element::tex100km, kMilSquareLength))
        return;
    std::string eastDigits, northDigits;
    for (const DigitPairField& pair : kDigitPairs) {
        if (auto fault = digitPairFault(screen, pair)) {
            refuseField(screen, *fault, pair.field);
            return;
        }
        const std::string digits = screen.text(pair.field);
        eastDigits += digits.front();
        northDigits += digits.back();
    }
    if (auto fault = bandFault(screen.text(Element::texZoneM), screen.text(Element::tex100km),
                               eastDigits, northDigits, state.job)) {
        refuseField(screen, *fault, Element::texZoneM);
        return;
    }
    state.calc.blnEingabeOK = true;
}

void UTMRefPruefen(CalcScreen& screen, ProgramState& state) {
    state.calc.blnEingabeOK = false;
    if (screen.text(Element::texREFZone).empty())
        return refuseMissing(screen, kZoneMissing, Element::texREFZone);
    if (screen.text(Element::texREF100).empty())
        return refuseMissing(screen, kSquareMissing, Element::texREF100);
    if (screen.text(Element::texREFZiffern).empty())
        screen.setText(Element::texREFZiffern, std::string(kEmptyReferenceDigits));
    // A refusal here only withdraws the Gauss-Krueger output.
    GKZonePruefen(screen, state, screen.text(Element::texREFZone));

    if (!zoneAndSquarePass(screen, Element::texREFZone, Element::texREF100, kRefSquareLength))
        return;
    const std::string digits = screen.text(Element::texREFZiffern);
    if (auto fault = referenceDigitsFault(digits)) {
        refuseField(screen, *fault, Element::texREFZiffern);
        return;
    }
    // Easting digits first, then as many northing digits.
    const std::string_view group = digits;
    const std::size_t half = group.size() / 2;
    if (auto fault = bandFault(screen.text(Element::texREFZone), screen.text(Element::texREF100),
                               group.substr(0, half), group.substr(half), state.job)) {
        refuseField(screen, *fault, Element::texREFZone);
        return;
    }
    state.calc.blnEingabeOK = true;
}

} // namespace lw
