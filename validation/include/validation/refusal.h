// Building blocks shared by the input checks: the refusal sequence, the
// character sets of the zone digits (the band and square letters are the
// grid's, geodesy/grid_letters.h), and the zone and square shape tests that
// the civil, military and reference checks have in common.
#pragma once

#include "model/screen.h"

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace lw::refusal {

// One action of a refusal. The checks differ in the order of sound, message
// box, output clearing and focus, so each names its own sequence.
enum class Step { Sound, Reset, Message, Focus };

// Performs the steps in the given order: Sound plays FehlerTon(2), Reset is
// AusgabeReset, Message a critical box with `message`, Focus moves the focus
// to `focus` and selects its text.
void refuse(CalcScreen& screen, std::initializer_list<Step> steps, const std::string& message,
            Element focus = Element::Count_);

// The common refusal of a point: error sound, output mask emptied, critical
// box with `message`.
void refuseCritical(CalcScreen& screen, const std::string& message);

inline constexpr std::string_view kDigits = "0123456789";
inline constexpr std::string_view kZoneFirstChars = "0123456";

inline constexpr std::string_view kZoneFirstCharMessage =
    "Das 1. Zeichen der Zone muss eine Ziffer ( 0...6 ) sein!";
inline constexpr std::string_view kZoneSecondCharMessage =
    "Das 2. Zeichen der Zone muss eine Ziffer ( 0...9 ) sein!";
// An empty zone field at "Berechnung", in every UTM mask that has one.
inline constexpr std::string_view kZoneMissingMessage =
    "Ohne Angabe der Zone kann die Berechnung nicht durchgeführt werden.";
inline constexpr std::string_view kBandLetterMessage =
    "Das 3. Zeichen der Zone muss einer der Buchstaben\r\n\r\n"
    "C D E F G H J K L M N P Q R S T U V W X\r\n\r\nsein";

// "Der Hochwert fehlt.": the refusal of an empty field at "Berechnung",
// which names the value the user has still to type.
std::string missingValueMessage(std::string_view what);

// Whether one character (a UTF-8 text) is in an ASCII set. A missing
// character (the empty text) passes, as in a position past the text's end.
bool charInSet(std::string_view ch, std::string_view set);

// Whether every character of the text is in the set.
bool allCharsIn(std::string_view text, std::string_view set);

// The first fault of a zone text ("32U": zone number 01..60, band letter),
// as its message; nullopt when the zone is well formed.
std::optional<std::string> zoneFault(std::string_view zone);

// The first fault of a 100 km square ("MV"); the length message differs
// between the military and the reference mask.
std::optional<std::string> squareFault(std::string_view square, std::string_view lengthMessage);

} // namespace lw::refusal
