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

std::optional<std::string> svalbardFault(std::string_view zone) {
    for (std::string_view gap : kSvalbardGaps)
        if (zone == gap)
            return "Das Zonenfeld " + std::string(zone) + " entfällt auf Spitzbergen.";
    return std::nullopt;
}

std::optional<std::string> eastingFault(std::string_view easting, const Arbeitsvariablen& calc) {
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
std::optional<std::string> northingFault(std::string_view northing, const Arbeitsvariablen& calc) {
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

refusal::Refusal fieldRefusal(std::string message, Element field) {
    return {{Step::Sound, Step::Message, Step::Reset, Step::Focus}, std::move(message), field};
}

} // namespace

std::optional<refusal::Refusal> utmCivilRefusal(std::string_view zone, std::string_view easting,
                                                std::string_view northing,
                                                const Arbeitsvariablen& calc) {
    // As in the military and reference masks: without a zone there is
    // nothing to check the easting and northing against.
    if (zone.empty())
        return refusal::Refusal({Step::Sound, Step::Reset, Step::Focus, Step::Message},
                                std::string(refusal::kZoneMissingMessage), Element::texZone);
    if (auto fault = refusal::zoneFault(zone))
        return fieldRefusal(std::move(*fault), Element::texZone);
    if (auto fault = svalbardFault(zone))
        return fieldRefusal(std::move(*fault), Element::texZone);
    if (auto fault = eastingFault(easting, calc))
        return fieldRefusal(std::move(*fault), Element::texRechts);
    if (auto fault = northingFault(northing, calc))
        return fieldRefusal(std::move(*fault), Element::texHoch);
    return std::nullopt;
}

void UTMZivilPruefen(CalcScreen& screen, ProgramState& state) {
    state.calc.blnEingabeOK = false;
    const std::string zone = screen.text(Element::texZone);
    // A refusal here only withdraws the Gauss-Krueger output; the input
    // itself is still checked and converted.
    if (!zone.empty())
        GKZonePruefen(screen, state, zone);
    if (const auto refused = utmCivilRefusal(zone, screen.text(Element::texRechts),
                                             screen.text(Element::texHoch), state.calc)) {
        refusal::carryOut(screen, *refused);
        return;
    }
    state.calc.blnEingabeOK = true;
}

} // namespace lw
