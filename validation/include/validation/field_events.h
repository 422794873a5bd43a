// Key presses and focus changes in the input fields of the calculation screen.
// The Qt screen forwards its events here; nothing in here knows the toolkit.
#pragma once

#include "model/job.h"
#include "model/screen.h"

namespace lw {

// Key codes the filters admit besides their characters.
inline constexpr char32_t kBackspace = 8;
inline constexpr char32_t kTab = 9;
inline constexpr char32_t kEnter = 13;

// Whether the field has a key-press handler (every input field but texMeridian).
bool hasKeyHandler(Element field);

// A key press in an input field: upper-casing, filter, refusal (error sound,
// output cleared, message), comma to point, Enter moving the focus. Returns
// the character to insert, or 0 when the key is discarded. Enter is discarded
// after moving the focus; Backspace and Tab come back unchanged.
char32_t onKeyPress(CalcScreen& screen, ProgramState& state, Element field, char32_t code);

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
