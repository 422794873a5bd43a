// The character sets a list may come in: UTF-8, and Windows-1252, which old
// Windows programs still write. Lines are converted on their way in and out,
// so that everything between works on UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace lw::lists {

// Whether every byte of `text` is below 0x80: such a text is the same in
// UTF-8 and Windows-1252.
bool isAscii(std::string_view text);

// Whether `text` is well-formed UTF-8 (no stray, overlong or surrogate
// sequences).
bool isValidUtf8(std::string_view text);

// Windows-1252 to UTF-8. The five bytes the code page leaves open (0x81,
// 0x8D, 0x8F, 0x90, 0x9D) become the control characters of the same number,
// so that the way back gives the same bytes.
void cp1252ToUtf8(std::string_view text, std::string& out);

// UTF-8 to Windows-1252; a character the code page lacks becomes "?".
void utf8ToCp1252(std::string_view text, std::string& out);

// Control bytes other than the tab (and the bytes in `keep`) written as
// "\xNN", so that no output line and no message carries them raw.
void escapeControlBytes(std::string& text, std::string_view keep = {});

} // namespace lw::lists
