// Building blocks shared by the input checks: the refusal sequence, the
// character sets of the zone digits (the band and square letters are the
// grid's, geodesy/grid_letters.h), and the zone and square shape tests that
// the civil, military and reference checks have in common.
#pragma once

#include "model/screen.h"

#include <array>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace lw::refusal {

// One action of a refusal. The checks differ in the order of sound, message
// box, output clearing and focus, so each names its own sequence.
enum class Step { Sound, Reset, Message, Focus };

// A refusal as a check decides it, before anything is done: its steps in
// their order, the message of its box and the field to focus. A check that
// returns one says everything a front end needs to carry it out or to
// write it (the list converter writes the message alone).
struct Refusal {
    static constexpr std::size_t kMaxSteps = 5; // one refusal resets twice
    std::array<Step, kMaxSteps> steps{};
    std::size_t stepCount = 0;
    std::string message;
    Element focus = Element::Count_;

    Refusal() = default;
    Refusal(std::initializer_list<Step> sequence, std::string text,
            Element field = Element::Count_);
};

// Performs the refusal's steps in their order: Sound plays FehlerTon(2),
// Reset is AusgabeReset, Message a critical box with the message, Focus
// moves the focus to the field and selects its text.
void carryOut(CalcScreen& screen, const Refusal& refusal);

// The same for a refusal stated in place.
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
