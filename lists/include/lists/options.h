// The command line of lagewandler-liste.
#pragma once

#include "lists/engine.h"

#include <optional>
#include <string>
#include <vector>

namespace lw::lists {

enum class Charset { Utf8, Cp1252 };

struct Options {
    TaskNames task;
    bool csv = false;
    std::vector<std::string> columns; // --spalten: the coordinate columns, in order
    char delimiter = 0;               // --trennzeichen; 0: found in the header line
    Charset charset = Charset::Utf8;
    std::string inputFile; // empty or "-": standard input
    // --kennung: the first value of every plain line is the point's identifier.
    bool identifierFirst = false;
    // --ort: where each converted point lies, after its line ("Lage" column).
    bool place = false;
    // Not on the command line: each converted line's GRS80 position in
    // lastLine(), for a front end that says where its points lie when
    // they are looked at (the place of every line costs up to 30 µs).
    bool positions = false;
    bool help = false, version = false;
};

struct ParsedOptions {
    std::optional<Options> options;
    std::string error; // one German line when options is empty
};

// Reads the arguments after the program's name. Checks the form of every
// option, not yet whether the task is offered (checkTask).
ParsedOptions parseOptions(const std::vector<std::string>& args);

// The text of --help.
std::string helpText();
// The text of --version: the program's name and version.
std::string versionText();

} // namespace lw::lists
