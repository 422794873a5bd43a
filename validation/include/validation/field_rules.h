// How each input field of the calculation screen reacts to typing and to
// focus changes. The event handlers in field_events.h follow this table; the
// Qt screen consults it to know which fields to hook up.
#pragma once

#include "model/screen.h"

#include <span>
#include <string_view>

namespace lw {

enum class KeyFilter { None, Ziffern, Dezimal, Alphanum, Buchstaben };

enum class GotFocusKind {
    Standard,  // output cleared, whole text selected
    ZoneEntry, // limit labels hidden, then standard
    ZoneGuard, // refused while texZone is empty, else standard
};

enum class LoseFocusKind {
    None,
    CommaToPoint, // pasted commas become points
    ZoneLimits,   // zone characters checked, easting/northing limits looked up
};

struct FieldRule {
    Element field;
    bool upperCase;
    KeyFilter filter;
    bool commaToPoint;
    std::string_view messageEnding; // last line of the refusal message; "" without filter
    Element enterTarget;
    bool enableTargetFirst; // Enter enables the target before focusing it
    GotFocusKind gotFocus;
    LoseFocusKind loseFocus;
};

// Every input field with handlers, in the masks' typing order (the notation
// table's input fields).
std::span<const FieldRule> fieldRules();

// The rule of an input field, or nullptr for any other element.
const FieldRule* fieldRule(Element field);

// Whether the filter admits the key code.
bool admits(KeyFilter filter, char32_t code);

} // namespace lw
