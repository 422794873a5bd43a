// Checks of the three geographic notations (decimal degrees; degrees and
// decimal minutes; degrees, minutes and seconds). Coordinates are typed
// without sign; the north/south option only chooses the latitude limit, since
// UTM ends at 84° north and 80° south and polar points need UPS instead.
#include "validation/validators.h"

#include "model/messages.h"
#include "model/notations.h"
#include "text/numtext.h"
#include "text/utf8.h"
#include "validation/refusal.h"

#include <algorithm>
#include <array>
#include <span>
#include <vector>

namespace lw {
namespace {

using refusal::Step;

constexpr double kNorthLimitDeg = 84;        // refused from here on
constexpr double kSouthLimitDeg = 80;        // admitted up to here
constexpr double kLongitudeLimitDeg = 180;   // admitted up to here
constexpr double kWholeMinutesLimit = 59;    // admitted up to here
constexpr double kFractionLimit = 59.999999; // minutes and seconds with decimals

const std::string kBreiteFehler = "Eingabefehler in der Breite!";
const std::string kLaengeFehler = "Eingabefehler in der Länge!";
const std::string kLaengeZuGross = "Die geographische Länge darf 180° nicht überschreiten!";

using refusal::Refusal;

// The texts of a geographic mask as its check reads them, with the ones it
// completes (an empty minutes or seconds field reads as "0").
class MaskTexts {
public:
    explicit MaskTexts(std::span<const std::pair<Element, std::string_view>> typed)
        : typed_(typed) {}
    // A field the mask does not have reads as empty.
    std::string_view text(Element field) const {
        const std::size_t i = indexOf(field);
        if (i >= typed_.size())
            return {};
        return filled_[i] ? kZero : typed_[i].second;
    }
    double value(Element field) const { return readNumber(text(field)); }
    void fillEmptyWithZero(Element field, std::vector<std::pair<Element, std::string>>& completed) {
        const std::size_t i = indexOf(field);
        if (i < typed_.size() && text(field).empty()) {
            filled_[i] = true;
            completed.emplace_back(field, kZero);
        }
    }

private:
    static constexpr std::string_view kZero = "0";
    std::size_t indexOf(Element field) const {
        std::size_t i = 0;
        while (i < typed_.size() && typed_[i].first != field)
            ++i;
        return i;
    }
    std::span<const std::pair<Element, std::string_view>> typed_;
    std::array<bool, 6> filled_{}; // degrees, minutes, seconds twice at the most
};

// A failed geographic check: output cleared, then the message; no sound.
Refusal failure(std::string message) {
    return {{Step::Reset, Step::Message}, std::move(message)};
}

Refusal failureWithFocus(std::string message, Element field) {
    return {{Step::Reset, Step::Message, Step::Focus}, std::move(message), field};
}

bool beyondNorthLimit(double lat, Hemisphere hemisphere) {
    return hemisphere.north && lat >= kNorthLimitDeg;
}
bool beyondSouthLimit(double lat, Hemisphere hemisphere) {
    return hemisphere.south && lat > kSouthLimitDeg;
}

// Whether a latitude in degrees lies beyond the UTM limit of the chosen
// hemisphere; returns the message to show, or "".
std::string latitudeLimitFault(double lat, Hemisphere hemisphere, std::string_view northMessage) {
    if (beyondNorthLimit(lat, hemisphere))
        return std::string(northMessage);
    if (beyondSouthLimit(lat, hemisphere))
        return std::string(kSouthOfUtmText);
    return std::string();
}

bool isDigitsUpTo(std::string_view text, std::size_t maxChars) {
    const std::size_t n = utf8::charCount(text);
    return n >= 1 && n <= maxChars && refusal::allCharsIn(text, refusal::kDigits);
}

std::optional<Refusal> decimalRefusal(const MaskTexts& t, Hemisphere hemisphere,
                                      std::array<double, 2>& degrees) {
    if (!IstDezimalzahl(t.text(Element::texBreite)))
        return failureWithFocus(kBreiteFehler, Element::texBreite);
    degrees[0] = t.value(Element::texBreite);
    if (auto fault = latitudeLimitFault(degrees[0], hemisphere, kNorthOfUtmTextWithoutStop);
        !fault.empty())
        return failureWithFocus(fault, Element::texBreite);
    if (!IstDezimalzahl(t.text(Element::texLaenge)))
        return failureWithFocus(kLaengeFehler, Element::texLaenge);
    degrees[1] = t.value(Element::texLaenge);
    if (degrees[1] > kLongitudeLimitDeg) // also in admitsDecimalDegrees
        return failureWithFocus(kLaengeZuGross, Element::texLaenge);
    return std::nullopt;
}

std::optional<Refusal> minutesRefusal(MaskTexts& t, Hemisphere hemisphere,
                                      std::vector<std::pair<Element, std::string>>& completed) {
    t.fillEmptyWithZero(Element::texBreiteMinute, completed);
    t.fillEmptyWithZero(Element::texLaengeMinute, completed);

    if (!IstZweistellig(t.text(Element::texBreiteGrad)))
        return failure(kBreiteFehler);
    if (auto fault =
            latitudeLimitFault(t.value(Element::texBreiteGrad), hemisphere, kNorthOfUtmText);
        !fault.empty())
        return failure(fault);
    if (!IstDezimalzahl(t.text(Element::texBreiteMinute)))
        return failure("Eingabefehler im Minutenteil der Breite!");
    if (t.value(Element::texBreiteMinute) > kFractionLimit)
        return failure("Der Minutenwert der Breite darf 59.999999 nicht überschreiten!");
    if (!IstDreistellig(t.text(Element::texLaengeGrad)))
        return failure(kLaengeFehler + "\r\n");
    if (t.value(Element::texLaengeGrad) > kLongitudeLimitDeg)
        return failure(kLaengeZuGross);
    if (!IstDezimalzahl(t.text(Element::texLaengeMinute)))
        return failure("Eingabefehler im Minutenteil der Länge!\r\n");
    if (t.value(Element::texLaengeMinute) > kFractionLimit)
        return failure("Der Minutenwert der Länge darf 59.999999 nicht überschreiten!");
    return std::nullopt;
}

std::optional<Refusal> secondsRefusal(MaskTexts& t, Hemisphere hemisphere,
                                      std::vector<std::pair<Element, std::string>>& completed) {
    if (!IstZweistellig(t.text(Element::texBGrad)))
        return failure(kBreiteFehler);
    for (Element e :
         {Element::texBMinute, Element::texBSekunde, Element::texLMinute, Element::texLSekunde})
        t.fillEmptyWithZero(e, completed);

    if (auto fault =
            latitudeLimitFault(t.value(Element::texBGrad), hemisphere, kNorthOfUtmTextWithoutStop);
        !fault.empty())
        return failure(fault);
    if (!IstZweistellig(t.text(Element::texBMinute)))
        return failure("Fehler in der Minuteneingabe der Breite!");
    if (t.value(Element::texBMinute) > kWholeMinutesLimit)
        return failure("Die Minuteneingabe der Breite darf 59' nicht überschreiten!");
    if (!IstDezimalzahl(t.text(Element::texBSekunde)))
        return failure("Eingabefehler im Sekundenteil der Breite!");
    if (t.value(Element::texBSekunde) > kFractionLimit)
        return failure("Der Sekundenwert der Breite darf 59.999999 nicht überschreiten!");
    if (!IstDreistellig(t.text(Element::texLGrad)))
        return failure(kLaengeFehler);
    if (t.value(Element::texLGrad) > kLongitudeLimitDeg)
        return failure(kLaengeZuGross);
    if (!IstZweistellig(t.text(Element::texLMinute)))
        return failure("Fehler in der Minuteneingabe der Länge!");
    if (t.value(Element::texLMinute) > kWholeMinutesLimit)
        return failure("Die Minuteneingabe der Länge darf 59' nicht überschreiten!");
    if (!IstDezimalzahl(t.text(Element::texLSekunde)))
        return failure("Eingabefehler im Sekundenteil der Länge!");
    if (t.value(Element::texLSekunde) > kFractionLimit)
        return failure("Der Sekundenwert der Länge darf 59.999999 nicht überschreiten!");
    return std::nullopt;
}

// The check of the screen's mask: its texts and hemisphere options into the
// core, the completed texts back, the refusal carried out.
bool checkOnScreen(CalcScreen& screen, int format) {
    const Notation& notation = *notationOf(format);
    const std::size_t count = notation.inputFields.size();
    std::array<std::string, 6> texts;
    std::array<std::pair<Element, std::string_view>, 6> typed;
    for (std::size_t i = 0; i < count && i < texts.size(); ++i) {
        texts[i] = screen.text(notation.inputFields[i]);
        typed[i] = {notation.inputFields[i], texts[i]};
    }
    const Hemisphere hemisphere{screen.isChecked(notation.hemisphereOptions[0]),
                                screen.isChecked(notation.hemisphereOptions[1])};
    const GeographicCheck check =
        checkGeographic(format, std::span(typed).first(std::min(count, typed.size())), hemisphere);
    for (const auto& [field, text] : check.completed)
        screen.setText(field, text);
    if (check.refusal)
        refusal::carryOut(screen, *check.refusal);
    return !check.refusal;
}

} // namespace

GeographicCheck checkGeographic(int format,
                                std::span<const std::pair<Element, std::string_view>> typed,
                                Hemisphere hemisphere) {
    MaskTexts texts(typed);
    GeographicCheck check;
    if (format == kGradDezimal)
        check.refusal = decimalRefusal(texts, hemisphere, check.decimalDegrees);
    else if (format == kGradMinuten)
        check.refusal = minutesRefusal(texts, hemisphere, check.completed);
    else
        check.refusal = secondsRefusal(texts, hemisphere, check.completed);
    return check;
}

bool admitsDecimalDegrees(PlainDigits lat, PlainDigits lon, Hemisphere hemisphere) {
    // Such texts are decimal numbers (IstDezimalzahl): only the limits remain.
    return !beyondNorthLimit(lat.value, hemisphere) && !beyondSouthLimit(lat.value, hemisphere) &&
           !(lon.value > kLongitudeLimitDeg);
}

bool IstDezimalzahl(std::string_view text) {
    if (text.empty() || text.front() == '.')
        return false;
    // Digits and at most one point, in one pass: a list checks two a line.
    std::size_t points = 0;
    for (char c : text) {
        if (c == '.')
            ++points;
        else if (c < '0' || c > '9')
            return false;
    }
    return points <= 1;
}

bool IstZweistellig(std::string_view text) {
    return isDigitsUpTo(text, 2);
}

bool IstDreistellig(std::string_view text) {
    return isDigitsUpTo(text, 3);
}

bool GradDezimalPruefen(CalcScreen& screen) {
    return checkOnScreen(screen, kGradDezimal);
}

bool GradMinutenPruefen(CalcScreen& screen) {
    return checkOnScreen(screen, kGradMinuten);
}

bool GradMinSekPruefen(CalcScreen& screen) {
    return checkOnScreen(screen, kGradMinSek);
}

} // namespace lw
