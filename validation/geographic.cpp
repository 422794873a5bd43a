// Checks of the three geographic notations (decimal degrees; degrees and
// decimal minutes; degrees, minutes and seconds). Coordinates are typed
// without sign; the north/south option only chooses the latitude limit, since
// UTM ends at 84° north and 80° south and polar points need UPS instead.
#include "validation/validators.h"

#include "model/messages.h"
#include "text/numtext.h"
#include "text/utf8.h"
#include "validation/refusal.h"

#include <algorithm>

namespace lw {
namespace {

using refusal::Step;

constexpr double kNorthLimitDeg = 84;        // refused from here on
constexpr double kSouthLimitDeg = 80;        // admitted up to here
constexpr double kLongitudeLimitDeg = 180;   // admitted up to here
constexpr double kWholeMinutesLimit = 59;    // admitted up to here
constexpr double kFractionLimit = 59.999999; // minutes and seconds with decimals

constexpr std::string_view kDecimalChars = "0123456789.";

const std::string kBreiteFehler = "Eingabefehler in der Breite!";
const std::string kLaengeFehler = "Eingabefehler in der Länge!";
const std::string kLaengeZuGross = "Die geographische Länge darf 180° nicht überschreiten!";

double valueOf(const CalcScreen& screen, Element field) {
    return readNumber(screen.text(field));
}

// A failed geographic check: output cleared, then the message; no sound.
bool fail(CalcScreen& screen, const std::string& message) {
    refusal::refuse(screen, {Step::Reset, Step::Message}, message);
    return false;
}

bool failWithFocus(CalcScreen& screen, const std::string& message, Element field) {
    refusal::refuse(screen, {Step::Reset, Step::Message, Step::Focus}, message, field);
    return false;
}

// Whether a latitude in degrees lies beyond the UTM limit of the chosen
// hemisphere; returns the message to show, or "".
std::string latitudeLimitFault(const CalcScreen& screen, Element degrees, Element north,
                               Element south, std::string_view northMessage) {
    const double lat = valueOf(screen, degrees);
    if (screen.isChecked(north) && lat >= kNorthLimitDeg)
        return std::string(northMessage);
    if (screen.isChecked(south) && lat > kSouthLimitDeg)
        return std::string(kSouthOfUtmText);
    return std::string();
}

bool isDigitsUpTo(const std::string& text, std::size_t maxChars) {
    const std::size_t n = utf8::charCount(text);
    return n >= 1 && n <= maxChars && refusal::allCharsIn(text, refusal::kDigits);
}

void fillEmptyWithZero(CalcScreen& screen, Element field) {
    if (screen.text(field).empty())
        screen.setText(field, "0");
}

} // namespace

bool IstDezimalzahl(const std::string& text) {
    if (text.empty() || text.front() == '.')
        return false;
    if (!refusal::allCharsIn(text, kDecimalChars))
        return false;
    return std::count(text.begin(), text.end(), '.') <= 1;
}

bool IstZweistellig(const std::string& text) {
    return isDigitsUpTo(text, 2);
}

bool IstDreistellig(const std::string& text) {
    return isDigitsUpTo(text, 3);
}

bool GradDezimalPruefen(CalcScreen& screen) {
    if (!IstDezimalzahl(screen.text(Element::texBreite)))
        return failWithFocus(screen, kBreiteFehler, Element::texBreite);
    if (auto fault = latitudeLimitFault(screen, Element::texBreite, Element::optDezN,
                                        Element::optDezS, kNorthOfUtmTextWithoutStop);
        !fault.empty())
        return failWithFocus(screen, fault, Element::texBreite);
    if (!IstDezimalzahl(screen.text(Element::texLaenge)))
        return failWithFocus(screen, kLaengeFehler, Element::texLaenge);
    if (valueOf(screen, Element::texLaenge) > kLongitudeLimitDeg)
        return failWithFocus(screen, kLaengeZuGross, Element::texLaenge);
    return true;
}

bool GradMinutenPruefen(CalcScreen& screen) {
    fillEmptyWithZero(screen, Element::texBreiteMinute);
    fillEmptyWithZero(screen, Element::texLaengeMinute);

    if (!IstZweistellig(screen.text(Element::texBreiteGrad)))
        return fail(screen, kBreiteFehler);
    if (auto fault = latitudeLimitFault(screen, Element::texBreiteGrad, Element::optGMN,
                                        Element::optGMS, kNorthOfUtmText);
        !fault.empty())
        return fail(screen, fault);
    if (!IstDezimalzahl(screen.text(Element::texBreiteMinute)))
        return fail(screen, "Eingabefehler im Minutenteil der Breite!");
    if (valueOf(screen, Element::texBreiteMinute) > kFractionLimit)
        return fail(screen, "Der Minutenwert der Breite darf 59.999999 nicht überschreiten!");
    if (!IstDreistellig(screen.text(Element::texLaengeGrad)))
        return fail(screen, kLaengeFehler + "\r\n");
    if (valueOf(screen, Element::texLaengeGrad) > kLongitudeLimitDeg)
        return fail(screen, kLaengeZuGross);
    if (!IstDezimalzahl(screen.text(Element::texLaengeMinute)))
        return fail(screen, "Eingabefehler im Minutenteil der Länge!\r\n");
    if (valueOf(screen, Element::texLaengeMinute) > kFractionLimit)
        return fail(screen, "Der Minutenwert der Länge darf 59.999999 nicht überschreiten!");
    return true;
}

bool GradMinSekPruefen(CalcScreen& screen) {
    if (!IstZweistellig(screen.text(Element::texBGrad)))
        return fail(screen, kBreiteFehler);
    for (Element e :
         {Element::texBMinute, Element::texBSekunde, Element::texLMinute, Element::texLSekunde})
        fillEmptyWithZero(screen, e);

    if (auto fault = latitudeLimitFault(screen, Element::texBGrad, Element::optGradN,
                                        Element::optGradS, kNorthOfUtmTextWithoutStop);
        !fault.empty())
        return fail(screen, fault);
    if (!IstZweistellig(screen.text(Element::texBMinute)))
        return fail(screen, "Fehler in der Minuteneingabe der Breite!");
    if (valueOf(screen, Element::texBMinute) > kWholeMinutesLimit)
        return fail(screen, "Die Minuteneingabe der Breite darf 59' nicht überschreiten!");
    if (!IstDezimalzahl(screen.text(Element::texBSekunde)))
        return fail(screen, "Eingabefehler im Sekundenteil der Breite!");
    if (valueOf(screen, Element::texBSekunde) > kFractionLimit)
        return fail(screen, "Der Sekundenwert der Breite darf 59.999999 nicht überschreiten!");
    if (!IstDreistellig(screen.text(Element::texLGrad)))
        return fail(screen, kLaengeFehler);
    if (valueOf(screen, Element::texLGrad) > kLongitudeLimitDeg)
        return fail(screen, kLaengeZuGross);
    if (!IstZweistellig(screen.text(Element::texLMinute)))
        return fail(screen, "Fehler in der Minuteneingabe der Länge!");
    if (valueOf(screen, Element::texLMinute) > kWholeMinutesLimit)
        return fail(screen, "Die Minuteneingabe der Länge darf 59' nicht überschreiten!");
    if (!IstDezimalzahl(screen.text(Element::texLSekunde)))
        return fail(screen, "Eingabefehler im Sekundenteil der Länge!");
    if (valueOf(screen, Element::texLSekunde) > kFractionLimit)
        return fail(screen, "Der Sekundenwert der Länge darf 59.999999 nicht überschreiten!");
    return true;
}

} // namespace lw
