// The scenario file format: one command per line, words separated by blanks,
// and a trailing TEXT that is either taken as it stands (trailing blanks
// removed) or written as a quoted string with the escapes \" \\ \r \n \t.
#pragma once

#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lw::scenario {

// One command line of a file, with its line number (1-based) and its text
// without surrounding blanks. Blank lines and comment lines are not commands.
struct CommandLine {
    int number = 0;
    std::string text;
};

std::vector<CommandLine> readCommandLines(std::istream& in);

// Splits off the first blank-separated word of `rest`; `rest` keeps what
// follows it, leading blanks removed.
std::string takeWord(std::string_view& rest);

// A TEXT operand: the decoded text, or the reason it could not be read.
struct TextOperand {
    std::optional<std::string> text;
    std::string error;
};

TextOperand parseTextOperand(std::string_view rest);

// The text as a quoted string in the file format's escapes, for output lines.
std::string quotedText(std::string_view text);

} // namespace lw::scenario
