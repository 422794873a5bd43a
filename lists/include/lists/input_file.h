// Opening a list file for reading, and why it cannot be, in German: the same
// words from the command line and in the window.
#pragma once

#include <cstdio>
#include <optional>
#include <string>

namespace lw::lists {

// "PATH: Die Datei gibt es nicht." and the like, for an errno value.
std::string unreadableText(const std::string& path, int error);

// A read that stopped half-way: "SOURCE: Lesefehler, …".
std::string readFailedText(const std::string& source);

// The file opened for reading ("rb"), or nullptr with the reason in `error`.
std::FILE* openInput(const std::string& path, std::string& error);

// The whole file, or nullopt with the reason in `error` (also for a read
// that fails half-way, which would lose lines).
std::optional<std::string> readWholeFile(const std::string& path, std::string& error);

} // namespace lw::lists
