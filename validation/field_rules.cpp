#include "validation/field_rules.h"

#include "model/notations.h"
#include "validation/key_filters.h"

#include <array>

namespace lw {
namespace {

using E = Element;
using F = KeyFilter;
using G = GotFocusKind;
using L = LoseFocusKind;

constexpr std::string_view kBreite = "ist für die Breite nicht zulässig!";
constexpr std::string_view kLaenge = "ist für die Länge nicht zulässig!";
constexpr std::string_view kZone = "ist für die Zone nicht zulässig!";
constexpr std::string_view kRechtswert = "ist für den Rechtswert nicht zulässig!";
constexpr std::string_view kHochwert = "ist für den Hochwert nicht zulässig!";

// clang-format off
constexpr std::array<FieldRule, 31> kRules = {{
    // field             upper filter        comma  message ending                                           Enter target      enable first  got focus     lose focus
    {E::texBreite,        false, F::Dezimal,    true,  kBreite,                                                 E::texLaenge,       false, G::Standard,  L::CommaToPoint},
    {E::texLaenge,        false, F::Dezimal,    true,  kLaenge,                                                 E::comRechnen,      false, G::Standard,  L::CommaToPoint},
    {E::texBreiteGrad,    false, F::Ziffern,    false, kBreite,                                                 E::texBreiteMinute, false, G::Standard,  L::None},
    {E::texBreiteMinute,  false, F::Dezimal,    true,  "ist für die Minuten der Breite nicht zulässig!",        E::texLaengeGrad,   false, G::Standard,  L::None},
    {E::texLaengeGrad,    false, F::Ziffern,    false, kLaenge,                                                 E::texLaengeMinute, false, G::Standard,  L::None},
    {E::texLaengeMinute,  false, F::Dezimal,    true,  "ist für die Minuteneingabe der Länge nicht zulässig!",  E::comRechnen,      false, G::Standard,  L::None},
    {E::texBGrad,         false, F::Ziffern,    false, kBreite,                                                 E::texBMinute,      false, G::Standard,  L::None},
    {E::texBMinute,       false, F::Ziffern,    false, "ist für die Minuteneingabe nicht zulässig!",            E::texBSekunde,     false, G::Standard,  L::None},
    {E::texBSekunde,      false, F::Dezimal,    true,  "ist für die Sekunden der Breite nicht zulässig!",       E::texLGrad,        false, G::Standard,  L::None},
    {E::texLGrad,         false, F::Ziffern,    false, kLaenge,                                                 E::texLMinute,      false, G::Standard,  L::None},
    {E::texLMinute,       false, F::Ziffern,    false, "ist für die Minuteneingabe der Länge nicht zulässig!",  E::texLSekunde,     false, G::Standard,  L::None},
    {E::texLSekunde,      false, F::Dezimal,    true,  "ist für die Sekunden der Länge nicht zulässig!",        E::comRechnen,      false, G::Standard,  L::None},
    {E::texZone,          true,  F::Alphanum,   false, kZone,                                                   E::texRechts,       true,  G::ZoneEntry, L::ZoneLimits},
    {E::texRechts,        false, F::Ziffern,    false, kRechtswert,                                             E::texHoch,         false, G::ZoneGuard, L::None},
    {E::texHoch,          false, F::Ziffern,    false, kHochwert,                                               E::comRechnen,      false, G::ZoneGuard, L::None},
    {E::texZoneM,         true,  F::Alphanum,   false, kZone,                                                   E::tex100km,        false, G::Standard,  L::None},
    {E::tex100km,         true,  F::None,       false, "",                                                      E::tex10km,         false, G::Standard,  L::None},
    {E::tex10km,          false, F::None,       false, "",                                                      E::tex1km,          false, G::Standard,  L::None},
    {E::tex1km,           false, F::None,       false, "",                                                      E::tex100m,         false, G::Standard,  L::None},
    {E::tex100m,          false, F::None,       false, "",                                                      E::tex10m,          false, G::Standard,  L::None},
    {E::tex10m,           false, F::None,       false, "",                                                      E::tex1m,           false, G::Standard,  L::None},
    {E::tex1m,            false, F::None,       false, "",                                                      E::comRechnen,      false, G::Standard,  L::None},
    {E::texREFZone,       true,  F::Alphanum,   false, kZone,                                                   E::texREF100,       false, G::Standard,  L::None},
    {E::texREF100,        true,  F::Buchstaben, false, "ist bei 100km nicht zulässig!",                         E::texREFZiffern,   false, G::Standard,  L::None},
    {E::texREFZiffern,    false, F::Ziffern,    false, "ist für die Ziffern nicht zulässig!",                   E::comRechnen,      false, G::Standard,  L::None},
    {E::texGKRechts,      false, F::Dezimal,    true,  kRechtswert,                                             E::texGKHoch,       false, G::Standard,  L::None},
    {E::texGKHoch,        false, F::Dezimal,    true,  kHochwert,                                               E::comRechnen,      false, G::Standard,  L::None},
    {E::texAmtOst,        false, F::Dezimal,    true,  "ist für den Ostwert nicht zulässig!",                   E::texAmtNord,      false, G::Standard,  L::None},
    {E::texAmtNord,       false, F::Dezimal,    true,  "ist für den Nordwert nicht zulässig!",                  E::comRechnen,      false, G::Standard,  L::None},
    // The choices beside the output: entering one empties the output like any change of the input.
    {E::texStreifenWahl,  false, F::Ziffern,    false, "ist für den Bezugsmeridian nicht zulässig!",            E::comRechnen,      false, G::Standard,  L::None},
    {E::texZoneWahl,      false, F::Ziffern,    false, kZone,                                                   E::comRechnen,      false, G::Standard,  L::None},
}};
// clang-format on

// The rules follow the input masks of the notation table, field by field,
// then the output choices in code order.
constexpr bool rulesFollowTheMasks() {
    std::size_t next = 0;
    for (const Notation& n : kNotations)
        for (Element e : n.inputFields)
            if (next >= kRules.size() || kRules[next++].field != e)
                return false;
    for (const Notation& n : kNotations)
        if (n.outputChoice != Element::Count_ &&
            (next >= kRules.size() || kRules[next++].field != n.outputChoice))
            return false;
    return next == kRules.size();
}
static_assert(rulesFollowTheMasks(), "one rule per input field, in the masks' typing order");

} // namespace

std::span<const FieldRule> fieldRules() {
    return kRules;
}

const FieldRule* fieldRule(Element field) {
    // Every key press asks: a table by element instead of a search.
    static constexpr std::array<const FieldRule*, kElementCount> kByElement = [] {
        std::array<const FieldRule*, kElementCount> table{};
        for (const FieldRule& rule : kRules)
            if (!table[static_cast<std::size_t>(rule.field)])
                table[static_cast<std::size_t>(rule.field)] = &rule;
        return table;
    }();
    const auto index = static_cast<std::size_t>(field);
    return index < kByElement.size() ? kByElement[index] : nullptr;
}

bool admits(KeyFilter filter, char32_t code) {
    switch (filter) {
    case KeyFilter::None:
        return true;
    case KeyFilter::Ziffern:
        return ZiffernTaste(code);
    case KeyFilter::Dezimal:
        return DezimalTaste(code);
    case KeyFilter::Alphanum:
        return AlphanumTaste(code);
    case KeyFilter::Buchstaben:
        return BuchstabenTaste(code);
    }
    return false;
}

} // namespace lw
