// Opening a list file for reading, and why it cannot be, in German: the same
// words from the command line and in the window.
#pragma once

#include <cstddef>
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

// The most a list file read whole may hold: about eight million lines, kept
// in memory with their rows; the list converter streams longer ones.
inline constexpr std::size_t kMostListFileBytes = std::size_t{256} << 20;

// "PATH: Die Datei ist größer als 256 MB. …" for a limit of `most` bytes.
std::string tooLargeText(const std::string& path, std::size_t most = kMostListFileBytes);

// The whole file, or nullopt with the reason in `error` (also for a read
// that fails half-way, which would lose lines, and for a file larger than
// `most` bytes).
std::optional<std::string> readWholeFile(const std::string& path, std::string& error,
                                         std::size_t most = kMostListFileBytes);

} // namespace lw::lists
