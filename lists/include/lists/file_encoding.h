// How a list file's bytes are written, for a reader that cannot be told:
// the window opens files that spreadsheets, editors and old Windows programs
// saved. A byte-order mark says it; without one, text that is valid UTF-8 is
// UTF-8 (Windows-1252 umlauts almost never form valid UTF-8 sequences), and
// anything else is taken for Windows-1252, which gives every byte a character.
// Saving writes the list back in the encoding it came in.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lw::lists {

enum class FileEncoding { Utf8, Utf8WithMark, Utf16LittleEndian, Utf16BigEndian, Cp1252 };

FileEncoding detectEncoding(std::string_view bytes);

// A name for messages ("UTF-16", "Windows-1252").
std::string_view encodingName(FileEncoding encoding);

// Why the bytes are no list of text at all, in one German sentence; nullopt
// for text. A zero byte outside UTF-16 marks a binary file: a spreadsheet in
// its own format (.xlsx, .ods), a picture, a program.
std::optional<std::string> notTextReason(std::string_view bytes, FileEncoding encoding);

// UTF-8 text in `encoding`, the byte-order mark in front where the encoding
// has one. A character Windows-1252 lacks becomes "?".
std::string encodeText(std::string_view utf8, FileEncoding encoding);

// What lagewandler-liste writes for a file (Windows-1252 for a Windows-1252
// file, else UTF-8, a UTF-8 mark in front of CSV read with a mark) as the
// file came: UTF-16 with its mark in place of UTF-8's, a plain UTF-8 list
// with its mark as well.
std::string savedListText(std::string_view listText, FileEncoding encoding);

} // namespace lw::lists
