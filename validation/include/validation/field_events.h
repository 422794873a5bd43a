// Key presses and focus changes in the input fields of the calculation screen.
// The Qt screen forwards its events here; nothing in here knows the toolkit.
#pragma once

#include "model/job.h"
#include "model/screen.h"

#include <optional>
#include <string>
#include <string_view>

namespace lw {

// Key codes the filters admit besides their characters.
inline constexpr char32_t kBackspace = 8;
inline constexpr char32_t kTab = 9;
inline constexpr char32_t kEnter = 13;

// Whether the field has a key-press handler (every input field but texMeridian).
bool hasKeyHandler(Element field);

// What a field's key filter makes of one key, before anything is done: the
// character to insert (upper-cased, comma to point where the field wants
// it), or the refusal's message. Enter comes back as it is.
struct KeyVerdict {
    char32_t kept = 0;
    std::string refusal; // "" when the key is taken
    bool refused() const { return !refusal.empty(); }
};
KeyVerdict filterKey(Element field, char32_t code);

// A key press in an input field: upper-casing, filter, refusal (error sound,
// output cleared, message), comma to point, Enter moving the focus. Returns
// the character to insert, or 0 when the key is discarded. Enter is discarded
// after moving the focus; Backspace and Tab come back unchanged.
char32_t onKeyPress(CalcScreen& screen, ProgramState& state, Element field, char32_t code);

// What a text no reader takes as a coordinate leaves in `field` when it goes
// in as typed (typeIntoField below), decided before anything is done: the
// characters the filter took, and the message of the first it refused, at
// which the typing stopped ("" when it took them all). nullopt for a field
// without a filter.
struct TypedText {
    std::string text;
    std::string refusal;
};
std::optional<TypedText> typedThroughFilter(Element field, std::string_view text);

// A text no reader takes as a coordinate goes into `field` as typed: each
// character through onKeyPress until the first one the filter refuses, which
// gets that character's message as a typed one does; what follows it is not
// typed. Blanks around the text go, as a copied line often carries them; a
// tab or line break inside it is a blank to the filter, other control
// characters are no key. Returns what the field takes (UTF-8); nullopt for a
// field without a filter, which takes a paste as it is.
std::optional<std::string> typeIntoField(CalcScreen& screen, ProgramState& state, Element field,
                                         std::string_view text);

// The field received the focus (output cleared, whole text selected; zone
// guard of texRechts/texHoch; limit labels hidden for texZone).
void onGotFocus(CalcScreen& screen, ProgramState& state, Element field);

// The field lost the focus (comma to point in texBreite/texLaenge; zone check
// and limits of texZone).
void onLostFocus(CalcScreen& screen, ProgramState& state, Element field);

// "Krummbögle in Grad": the sample point into the decimal-degree fields. When
// that changes the input of the task (decimal degrees in), the output is
// emptied as after any other change of the input, so that no result of the
// previous point stands beside it. With another input mask the hidden decimal
// fields change alone.
void fillSamplePoint(CalcScreen& screen, const ConversionJob& job);

} // namespace lw
