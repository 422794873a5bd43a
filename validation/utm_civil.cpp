// Check of UTM civil input: zone, 7-digit easting with a leading zero,
// 7-digit northing, both within the limits shown for the zone's band.
#include "validation/validators.h"

#include "text/numtext.h"
#include "text/utf8.h"
#include "validation/refusal.h"

#include <array>
#include <optional>

namespace lw {
namespace {

using refusal::Step;

constexpr std::size_t kGridDigits = 7;

// Band X of the even zones 32, 34 and 36 does not exist: Svalbard's wide
// odd zones cover it.
constexpr std::array<std::string_view, 3> kSvalbardGaps = {"32X", "34X", "36X"};

std::optional<std::string> svalbardFault(const std::string& zone) {
    for (std::string_view gap : kSvalbardGaps)
        if (zone == gap)
            return "Das Zonenfeld " + zone + " entfällt auf Spitzbergen.";
    return std::nullopt;
}

std::optional<std::string> eastingFault(const std::string& easting, const Arbeitsvariablen& calc) {
    if (utf8::charCount(easting) != kGridDigits)
        return "Der Rechtswert muss aus genau 7 Ziffern bestehen,\r\n"
               "wobei die erste Ziffer eine 0 sein muss!";
    if (utf8::nthChar(easting, 1) != "0")
        return "Der Rechtswert muss mit 0 beginnen!";
    if (!refusal::allCharsIn(easting, refusal::kDigits))
        return "Im Rechtswert sind nur die Ziffern ( 0...9 ) zugelassen1";
    const double value = readNumber(easting);
    if (value == 0)
        return "Der Rechtswert kann nicht Null sein!";
    if (value > readNumber(calc.strRechtsMax))
        return "Der Rechtswert darf das angezeigte Maximum nicht überschreiten!";
    if (value < readNumber(calc.strRechtsMin))
        return "Der Rechtswert darf das angezeigte Minimum nicht unterschreiten!";
    return std::nullopt;
}

// No zero test: band N begins at the equator, northing 0000000.
std::optional<std::string> northingFault(const std::string& northing,
                                         const Arbeitsvariablen& calc) {
    if (utf8::charCount(northing) != kGridDigits)
        return "Der Hochwert muss aus genau 7 Ziffern bestehen!";
    if (!refusal::allCharsIn(northing, refusal::kDigits))
        return "Im Hochwert sind nur die Ziffern ( 0...9 ) zugelassen!";
    const double value = readNumber(northing);
    if (value > readNumber(calc.strHochMax))
        return "Der Hochwert darf das angezeigte Maximum nicht überschreiten!";
    if (value < readNumber(calc.strHochMin))
        return "Der Hochwert darf das angezeigte Minimum nicht unterschreiten!";
    return std::nullopt;
}

void refuseField(CalcScreen& screen, const std::string& message, Element field) {
    refusal::refuse(screen, {Step::Sound, Step::Message, Step::Reset, Step::Focus}, message, field);
}

} // namespace

void UTMZivilPruefen(CalcScreen& screen, ProgramState& state) {
    state.calc.blnEingabeOK = false;
    const std::string zone = screen.text(Element::texZone);
    // As in the military and reference masks: without a zone there is
    // nothing to check the easting and northing against.
    if (zone.empty()) {
        refusal::refuse(screen, {Step::Sound, Step::Reset, Step::Focus, Step::Message},
                        std::string(refusal::kZoneMissingMessage), Element::texZone);
        return;
    }
    // A refusal here only withdraws the Gauss-Krueger output; the input
    // itself is still checked and converted.
    GKZonePruefen(screen, state, zone);

    if (auto fault = refusal::zoneFault(zone)) {
        refuseField(screen, *fault, Element::texZone);
        return;
    }
    if (auto fault = svalbardFault(zone)) {
        refuseField(screen, *fault, Element::texZone);
        return;
    }
    if (auto fault = eastingFault(screen.text(Element::texRechts), state.calc)) {
        refuseField(screen, *fault, Element::texRechts);
        return;
    }
    if (auto fault = northingFault(screen.text(Element::texHoch), state.calc)) {
        refuseField(screen, *fault, Element::texHoch);
        return;
    }
    state.calc.blnEingabeOK = true;
}

} // namespace lw
