#include "places/place_files.h"

#include <fstream>
#include <string>
#include <system_error>

namespace lw::places {
namespace {

// Far more than the shipped files (about 3 MB): a larger file is no file of
// ours, and is not read into memory.
constexpr std::uintmax_t kMaxFileBytes = 64u << 20;

std::optional<std::string> readWholeFile(const std::filesystem::path& file) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    if (error || size > kMaxFileBytes)
        return std::nullopt;
    std::ifstream in(file, std::ios::binary);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    if (!in.read(bytes.data(), static_cast<std::streamsize>(bytes.size())))
        return std::nullopt;
    return bytes;
}

std::filesystem::path executableDirectory() {
    std::error_code error;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path() : exe.parent_path();
}

const PlaceFiles* replacement = nullptr;

} // namespace

PlaceFiles readPlaceFiles(const std::filesystem::path& directory) {
    PlaceFiles files;
    if (const std::optional<std::string> bytes = readWholeFile(directory / kPlacesFileName))
        files.places = PlaceData::read(*bytes);
    if (const std::optional<std::string> bytes = readWholeFile(directory / kOutlinesFileName))
        files.outlines = Outlines::read(*bytes);
    return files;
}

std::vector<std::filesystem::path> placeFileDirectories() {
    std::vector<std::filesystem::path> directories;
    if (const std::filesystem::path dir = executableDirectory(); !dir.empty())
        directories.push_back(dir.parent_path() / LW_PLACES_SUBDIR);
    directories.emplace_back(LW_PLACES_INSTALL_DIR);
    return directories;
}

const PlaceFiles& programPlaceFiles() {
    if (replacement)
        return *replacement;
    static const PlaceFiles program = [] {
        std::error_code ignored;
        for (const std::filesystem::path& dir : placeFileDirectories())
            if (std::filesystem::is_regular_file(dir / kPlacesFileName, ignored))
                return readPlaceFiles(dir);
        return PlaceFiles{};
    }();
    return program;
}

ScopedPlaceFiles::ScopedPlaceFiles(const PlaceFiles& files) : previous_(replacement) {
    replacement = &files;
}

ScopedPlaceFiles::~ScopedPlaceFiles() {
    replacement = previous_;
}

} // namespace lw::places
