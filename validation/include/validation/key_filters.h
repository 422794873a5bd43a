// Which characters an input field admits while typing. The filters are the
// first line of defence; the input checks look at the complete texts later.
#pragma once

namespace lw {

// Key codes are Unicode code points. Each filter admits its ASCII set plus
// Backspace (8), Tab (9) and Enter (13); umlauts, sharp s, blanks and signs
// are refused by all of them.
bool ZiffernTaste(char32_t code);    // 0-9
bool DezimalTaste(char32_t code);    // 0-9 . ,
bool AlphanumTaste(char32_t code);   // A-Z a-z 0-9
bool BuchstabenTaste(char32_t code); // A-Z a-z

// Upper-case form of a typed character: a-z and the Latin-1 letters
// U+00E0..U+00FE (except the division sign U+00F7) become capitals; every
// other code comes back unchanged.
char32_t upperCaseKey(char32_t code);

} // namespace lw
