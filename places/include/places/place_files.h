// The place files the program ships (places.bin, outlines.bin), found the
// way the program finds its other parts: below the directory above its own
// (the build tree mirrors the installation), then below the installation
// prefix. Read on first use, so that start-up does not wait for them.
#pragma once

#include "places/outlines.h"
#include "places/place_data.h"

#include <filesystem>
#include <optional>
#include <vector>

namespace lw::places {

inline constexpr const char* kPlacesFileName = "places.bin";
inline constexpr const char* kOutlinesFileName = "outlines.bin";

struct PlaceFiles {
    std::optional<PlaceData> places;  // nullopt: missing or damaged
    std::optional<Outlines> outlines; // nullopt: missing or damaged
};

// Both files of one directory.
PlaceFiles readPlaceFiles(const std::filesystem::path& directory);

// Where the program looks, in order; the first directory holding a place
// file is taken.
std::vector<std::filesystem::path> placeFileDirectories();

// The program's files, read on the first call and kept to the end; the
// replacement while a ScopedPlaceFiles lives.
const PlaceFiles& programPlaceFiles();

// For tests: other files (damaged, missing, or the source tree's) for the
// lifetime of the object.
class ScopedPlaceFiles {
public:
    explicit ScopedPlaceFiles(const PlaceFiles& files);
    ~ScopedPlaceFiles();
    ScopedPlaceFiles(const ScopedPlaceFiles&) = delete;
    ScopedPlaceFiles& operator=(const ScopedPlaceFiles&) = delete;

private:
    const PlaceFiles* previous_;
};

} // namespace lw::places
