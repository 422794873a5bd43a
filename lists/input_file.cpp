#include "lists/input_file.h"

#include <sys/stat.h>

#include <cerrno>

namespace lw::lists {

std::string unreadableText(const std::string& path, int error) {
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return path + ": Die Datei gibt es nicht.";
    case EISDIR:
        return path + ": Das ist ein Ordner, keine Datei.";
    case EACCES:
    case EPERM:
        return path + ": Keine Berechtigung, die Datei zu lesen.";
    default:
        return path + ": Die Datei kann nicht gelesen werden (Fehler " + std::to_string(error) +
               ").";
    }
}

std::string readFailedText(const std::string& source) {
    return source + ": Lesefehler, die Eingabe ist nicht vollständig gelesen.";
}

// A folder opens on Linux and fails only at the first read, so it is told
// apart first.
std::FILE* openInput(const std::string& path, std::string& error) {
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) {
        error = unreadableText(path, EISDIR);
        return nullptr;
    }
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        error = unreadableText(path, errno);
    return file;
}

std::string tooLargeText(const std::string& path, std::size_t most) {
    return path + ": Die Datei ist größer als " + std::to_string(most >> 20) +
           " MB. So lange Listen wandelt lagewandler-liste um.";
}

std::optional<std::string> readWholeFile(const std::string& path, std::string& error,
                                         std::size_t most) {
    std::FILE* file = openInput(path, error);
    if (!file)
        return std::nullopt;
    std::string bytes;
    char chunk[1 << 16];
    std::size_t got = 0;
    // A device or a pipe that never ends stops here as well.
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) {
        if (bytes.size() + got > most) {
            std::fclose(file);
            error = tooLargeText(path, most);
            return std::nullopt;
        }
        bytes.append(chunk, got);
    }
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) {
        error = readFailedText(path);
        return std::nullopt;
    }
    return bytes;
}

} // namespace lw::lists
