// Check of UTM amtlich input, the form of ETRS89/UTM coordinates in the
// lists of German survey offices: the Ostwert carries the zone (1 to 60) in
// front of the six digits of the easting ("32399340.60"), the Nordwert has at
// most seven digits before the point. Both are digits with at most one point
// (a typed comma becomes one); decimals are optional.
#include "validation/validators.h"

#include "geodesy/utm.h"
#include "validation/refusal.h"

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>

namespace lw {
namespace {

using refusal::Step;

constexpr std::string_view kNumberChars = ".0123456789";
constexpr std::size_t kEastingDigits = 6;
constexpr std::size_t kMaxNorthingDigits = 7;
constexpr const char* kExample = "zum Beispiel 32399340.60";

std::string digitsBeforePoint(const std::string& text) {
    return text.substr(0, std::min(text.find('.'), text.size()));
}

// What the text lacks as a number of digits with at most one point.
std::optional<std::string> numberFault(const std::string& text, const char* what) {
    if (text.empty())
        return refusal::missingValueMessage(what);
    if (!refusal::allCharsIn(text, kNumberChars))
        return std::string("Im ") + what +
               " sind nur die Zeichen\r\n\r\n0 1 2 3 4 5 6 7 8 9 und das Komma\r\n\r\nzugelassen.";
    if (std::count(text.begin(), text.end(), '.') > 1)
        return std::string("Im ") + what + " darf nur ein Komma stehen.";
    if (digitsBeforePoint(text).empty())
        return std::string("Vor dem Komma des ") + what + "s fehlen die Ziffern.";
    return std::nullopt;
}

std::optional<std::string> ostwertFault(const std::string& text) {
    if (auto fault = numberFault(text, "Ostwert"))
        return fault;
    const std::string digits = digitsBeforePoint(text);
    const std::string form = std::string("Der Ostwert beginnt mit der Zone (1 bis 60), dann folgen "
                                         "6 Ziffern vor dem Komma, ") +
                             kExample + ".";
    if (digits.size() <= kEastingDigits)
        return "Dem Ostwert fehlt die Zone.\r\n" + form;
    if (digits.size() > kEastingDigits + 2)
        return "Der Ostwert hat zu viele Ziffern vor dem Komma.\r\n" + form;
    const std::string zone = digits.substr(0, digits.size() - kEastingDigits);
    const int number = std::stoi(zone); // one or two digits
    if (number < kUtmZoneFirst || number > kUtmZoneLast || zone.front() == '0')
        return "Es gibt keine Zone " + zone + "!\r\n" + form;
    return std::nullopt;
}

std::optional<std::string> nordwertFault(const std::string& text) {
    if (auto fault = numberFault(text, "Nordwert"))
        return fault;
    if (digitsBeforePoint(text).size() > kMaxNorthingDigits)
        return std::string("Der Nordwert hat höchstens 7 Stellen vor dem Komma, zum Beispiel "
                           "5928794.18.");
    return std::nullopt;
}

} // namespace

std::optional<refusal::Refusal> utmAmtlichRefusal(std::string_view ostwert,
                                                  std::string_view nordwert) {
    const auto refused = [](std::string message, Element field) {
        return refusal::Refusal({Step::Sound, Step::Reset, Step::Message, Step::Focus},
                                std::move(message), field);
    };
    if (auto fault = ostwertFault(std::string(ostwert)))
        return refused(std::move(*fault), Element::texAmtOst);
    if (auto fault = nordwertFault(std::string(nordwert)))
        return refused(std::move(*fault), Element::texAmtNord);
    return std::nullopt;
}

void UTMAmtlichPruefen(CalcScreen& screen, ProgramState& state) {
    state.calc.blnEingabeOK = false;
    if (const auto refused =
            utmAmtlichRefusal(screen.text(Element::texAmtOst), screen.text(Element::texAmtNord))) {
        refusal::carryOut(screen, *refused);
        return;
    }
    state.calc.blnEingabeOK = true;
}

bool isUtmAmtlichOstwert(const std::string& ostwert) {
    return !ostwertFault(ostwert).has_value();
}

} // namespace lw
