// Check of Gauss-Krueger input: easting (Rechtswert) and northing (Hochwert)
// of digits and at most one point, inside Germany, with exactly seven digits
// before the point. The first digit of the easting is the strip number, so a
// text with more or fewer digits before the point names the wrong strip.
#include "validation/validators.h"

#include "model/germany.h"
#include "text/numtext.h"
#include "text/utf8.h"
#include "validation/refusal.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <tuple>

namespace lw {
namespace {

using refusal::Step;

constexpr std::string_view kGridChars = ".0123456789";
constexpr std::size_t kDigitsBeforePoint = 7;
constexpr std::string_view kMissingDecimals = ".00";

enum class CharFault { None, BadChar, SecondPoint };

CharFault charFault(const std::string& text) {
    if (!refusal::allCharsIn(text, kGridChars))
        return CharFault::BadChar;
    if (std::count(text.begin(), text.end(), '.') > 1)
        return CharFault::SecondPoint;
    return CharFault::None;
}

// Whether the text has seven digits before its point; a text without a point
// must be exactly seven digits and then gets ".00" in the field.
bool completePointPosition(CalcScreen& screen, Element field) {
    const std::string text = screen.text(field);
    const std::size_t point = text.find('.');
    if (point == std::string::npos) {
        if (utf8::charCount(text) != kDigitsBeforePoint)
            return false;
        screen.setText(field, text + std::string(kMissingDecimals));
        return true;
    }
    return point == kDigitsBeforePoint;
}

std::string charMessage(const char* coordinate) {
    return std::string("Im ") + coordinate +
           " sind nur die Zeichen\r\n\r\n0 1 2 3 4 5 6 7 8 9 und das Komma\r\n\r\nzugelassen.";
}

} // namespace

void GKLimitsSetzen(const CalcScreen& screen, Arbeitsvariablen& calc) {
    const germany::RechtsLimits& rechts = screen.isChecked(Element::optSechs)
                                              ? germany::kRechtsSixDegrees
                                              : germany::kRechtsThreeDegrees;
    calc.strRechtsMin = rechts.min;
    calc.strRechtsMax = rechts.max;
    calc.strHochMin = germany::kHochMin;
    calc.strHochMax = germany::kHochMax;
}

void GKLimitsZeigen(CalcScreen& screen, Arbeitsvariablen& calc) {
    GKLimitsSetzen(screen, calc);
    // These two labels break their lines with a single line feed.
    screen.setText(Element::labGKLimitsRechts,
                   calc.strRechtsMax + "  Maximum\n" + calc.strRechtsMin + "  Minimum");
    screen.setText(Element::labGKLimitsHoch,
                   calc.strHochMax + "  Maximum\n" + calc.strHochMin + "  Minimum");
}

namespace {

constexpr auto R = Element::texGKRechts;
constexpr auto H = Element::texGKHoch;
constexpr auto S = Step::Sound, Z = Step::Reset, M = Step::Message, F = Step::Focus;

// Only digits and one point in both texts; the easting is looked at first.
bool charactersPass(CalcScreen& screen, const std::string& rechts, const std::string& hoch) {
    switch (charFault(rechts)) {
    case CharFault::BadChar:
        refusal::refuse(screen, {S, M, Z, F}, charMessage("Rechtswert"), R);
        return false;
    case CharFault::SecondPoint:
        refusal::refuse(screen, {S, M, F}, "Im Rechtswert ist nur 1 Komma zugelassen!", R);
        return false;
    case CharFault::None:
        break;
    }
    switch (charFault(hoch)) {
    case CharFault::BadChar:
        refusal::refuse(screen, {S, M, Z, F}, charMessage("Hochwert"), H);
        return false;
    case CharFault::SecondPoint:
        refusal::refuse(screen, {S, M, Z, F}, "Im Hochwert ist nur 1 Komma zugelassen!", H);
        return false;
    case CharFault::None:
        break;
    }
    return true;
}

struct RangeFault {
    const char* message;
    Element field;
};

// The first coordinate outside Germany (limits included).
std::optional<RangeFault> rangeFault(const Arbeitsvariablen& calc, double rechts, double hoch) {
    if (rechts < readNumber(calc.strRechtsMin))
        return RangeFault{
            "Der Rechtswert ist zu klein.\r\nIhr Punkt liegt westlich von Deutschland.", R};
    if (rechts > readNumber(calc.strRechtsMax))
        return RangeFault{"Der Rechtswert ist zu groß.\r\nIhr Punkt liegt östlich von Deutschland.",
                          R};
    if (hoch < readNumber(calc.strHochMin))
        return RangeFault{"Der Hochwert ist zu klein.\r\nIhr Punkt liegt südlich von Deutschland.",
                          H};
    if (hoch > readNumber(calc.strHochMax))
        return RangeFault{"Der Hochwert ist zu groß.\r\nIhr Punkt liegt nördlich von Deutschland.",
                          H};
    return std::nullopt;
}

bool rangePass(CalcScreen& screen, const Arbeitsvariablen& calc, const std::string& rechts,
               const std::string& hoch) {
    const auto fault = rangeFault(calc, readNumber(rechts), readNumber(hoch));
    if (!fault)
        return true;
    refusal::refuse(screen, {S, Z, M, F}, fault->message, fault->field);
    return false;
}

} // namespace

void GKPruefen(CalcScreen& screen, ProgramState& state) {
    Arbeitsvariablen& calc = state.calc;
    calc.blnEingabeOK = false;
    const std::string rechts = screen.text(R);
    const std::string hoch = screen.text(H);
    // An empty field used to end the check without a word, and "Berechnung"
    // then did nothing at all.
    for (const auto& [text, field, what] :
         {std::tuple{&rechts, R, "Rechtswert"}, std::tuple{&hoch, H, "Hochwert"}}) {
        if (text->empty()) {
            refusal::refuse(screen, {S, Z, M, F}, refusal::missingValueMessage(what), field);
            return;
        }
    }
    GKLimitsSetzen(screen, calc);
    if (!charactersPass(screen, rechts, hoch) || !rangePass(screen, calc, rechts, hoch))
        return;
    if (!completePointPosition(screen, R))
        return refusal::refuse(screen, {S, Z, M, Z, F},
                               "Der Rechtswert muss genau 7 Stellen vor dem Komma haben!", R);
    if (!completePointPosition(screen, H))
        return refusal::refuse(screen, {S, M, Z, F},
                               "Der Hochwert muss genau 7 Stellen vor dem Komma haben!", H);
    calc.blnEingabeOK = true;
}

bool isGaussKruegerValue(const std::string& value) {
    if (charFault(value) != CharFault::None)
        return false;
    const std::size_t point = value.find('.');
    return (point == std::string::npos ? utf8::charCount(value) : point) == kDigitsBeforePoint;
}

} // namespace lw
