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

constexpr std::size_t kDigitsBeforePoint = 7;
constexpr std::string_view kMissingDecimals = ".00";

enum class CharFault { None, BadChar, SecondPoint };

// Digits and points, in one pass: a list checks two values a line.
CharFault charFault(std::string_view text) {
    std::size_t points = 0;
    for (char c : text) {
        if (c == '.')
            ++points;
        else if (c < '0' || c > '9')
            return CharFault::BadChar;
    }
    return points > 1 ? CharFault::SecondPoint : CharFault::None;
}

// Whether the text has seven digits before its point; a text without a point
// must be exactly seven digits and then gets ".00" in `completed`, the text
// the field is to show.
bool completePointPosition(std::string_view text, std::string& completed) {
    const std::size_t point = text.find('.');
    if (point == std::string_view::npos) {
        if (utf8::charCount(text) != kDigitsBeforePoint)
            return false;
        completed.assign(text).append(kMissingDecimals);
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
using refusal::Refusal;

// Only digits and one point in both texts; the easting is looked at first.
std::optional<Refusal> charactersRefusal(std::string_view rechts, std::string_view hoch) {
    switch (charFault(rechts)) {
    case CharFault::BadChar:
        return Refusal({S, M, Z, F}, charMessage("Rechtswert"), R);
    case CharFault::SecondPoint:
        return Refusal({S, M, F}, "Im Rechtswert ist nur 1 Komma zugelassen!", R);
    case CharFault::None:
        break;
    }
    switch (charFault(hoch)) {
    case CharFault::BadChar:
        return Refusal({S, M, Z, F}, charMessage("Hochwert"), H);
    case CharFault::SecondPoint:
        return Refusal({S, M, Z, F}, "Im Hochwert ist nur 1 Komma zugelassen!", H);
    case CharFault::None:
        break;
    }
    return std::nullopt;
}

// Which side of Germany's extent (limits included) a point lies beyond
// first, in the order the check looks.
enum class Beyond { Nothing, West, East, South, North };
Beyond beyondExtent(const germany::GaussKruegerExtent& extent, double rechts, double hoch) {
    if (rechts < extent.rechtsMin)
        return Beyond::West;
    if (rechts > extent.rechtsMax)
        return Beyond::East;
    if (hoch < extent.hochMin)
        return Beyond::South;
    if (hoch > extent.hochMax)
        return Beyond::North;
    return Beyond::Nothing;
}

// The first coordinate outside Germany.
std::optional<Refusal> rangeRefusal(const germany::GaussKruegerExtent& extent, double rechts,
                                    double hoch) {
    const auto outside = [](const char* message, Element field) {
        return Refusal({S, Z, M, F}, message, field);
    };
    switch (beyondExtent(extent, rechts, hoch)) {
    case Beyond::West:
        return outside("Der Rechtswert ist zu klein.\r\nIhr Punkt liegt westlich von Deutschland.",
                       R);
    case Beyond::East:
        return outside("Der Rechtswert ist zu groß.\r\nIhr Punkt liegt östlich von Deutschland.",
                       R);
    case Beyond::South:
        return outside("Der Hochwert ist zu klein.\r\nIhr Punkt liegt südlich von Deutschland.", H);
    case Beyond::North:
        return outside("Der Hochwert ist zu groß.\r\nIhr Punkt liegt nördlich von Deutschland.", H);
    case Beyond::Nothing:
        break;
    }
    return std::nullopt;
}

} // namespace

GaussKruegerCheck checkGaussKrueger(std::string_view rechts, std::string_view hoch,
                                    const germany::GaussKruegerExtent& extent) {
    GaussKruegerCheck check;
    // An empty field used to end the check without a word, and "Berechnung"
    // then did nothing at all.
    for (const auto& [text, field, what] :
         {std::tuple{rechts, R, "Rechtswert"}, std::tuple{hoch, H, "Hochwert"}}) {
        if (text.empty()) {
            check.refusal = Refusal({S, Z, M, F}, refusal::missingValueMessage(what), field);
            return check;
        }
    }
    check.refusal = charactersRefusal(rechts, hoch);
    if (!check.refusal) {
        check.rechtsM = readNumber(rechts);
        check.hochM = readNumber(hoch);
        check.refusal = rangeRefusal(extent, check.rechtsM, check.hochM);
    }
    if (check.refusal)
        return check;
    if (!completePointPosition(rechts, check.completedRechts)) {
        check.refusal =
            Refusal({S, Z, M, Z, F}, "Der Rechtswert muss genau 7 Stellen vor dem Komma haben!", R);
        return check;
    }
    if (!completePointPosition(hoch, check.completedHoch))
        check.refusal =
            Refusal({S, M, Z, F}, "Der Hochwert muss genau 7 Stellen vor dem Komma haben!", H);
    return check;
}

bool admitsGaussKrueger(PlainDigits rechts, PlainDigits hoch,
                        const germany::GaussKruegerExtent& extent) {
    // Such texts pass the character check; a text without a point has all
    // its digits before the point and is completed (its value stays).
    return beyondExtent(extent, rechts.value, hoch.value) == Beyond::Nothing &&
           rechts.digitsBeforePoint == kDigitsBeforePoint &&
           hoch.digitsBeforePoint == kDigitsBeforePoint;
}

void GKPruefen(CalcScreen& screen, ProgramState& state) {
    Arbeitsvariablen& calc = state.calc;
    calc.blnEingabeOK = false;
    const std::string rechts = screen.text(R);
    const std::string hoch = screen.text(H);
    // The limits of the strip width in force, whenever both texts are there.
    if (!rechts.empty() && !hoch.empty())
        GKLimitsSetzen(screen, calc);
    const GaussKruegerCheck check = checkGaussKrueger(
        rechts, hoch, germany::gaussKruegerExtent(screen.isChecked(Element::optSechs)));
    // A text without a point shows its ".00" also when the other is refused.
    if (!check.completedRechts.empty())
        screen.setText(R, check.completedRechts);
    if (!check.completedHoch.empty())
        screen.setText(H, check.completedHoch);
    if (check.refusal) {
        refusal::carryOut(screen, *check.refusal);
        return;
    }
    calc.blnEingabeOK = true;
}

bool isGaussKruegerValue(const std::string& value) {
    if (charFault(value) != CharFault::None)
        return false;
    const std::size_t point = value.find('.');
    return (point == std::string::npos ? utf8::charCount(value) : point) == kDigitsBeforePoint;
}

} // namespace lw
