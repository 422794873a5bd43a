// The places a position is told by: GeoNames' places of at least 1,000
// inhabitants, in cells of one degree, so that the nearest of 112,000 is
// found by looking at a few cells (data/places/README.md gives the file's
// layout).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lw::places {

struct Place {
    double latDeg = 0, lonDeg = 0;
    // As a letter is addressed: "Blaubeuren"; a part of a city with its
    // city, "München-Schwabing".
    std::string_view name;
    // State and country, or the country alone, in German:
    // "Baden-Württemberg, Deutschland", "Frankreich".
    std::string_view region;
};

struct NearestPlace {
    Place place;
    double distanceKm = 0;
};

class PlaceData {
public:
    // The contents of a place file; nullopt when the bytes are no place
    // file, or a damaged or cut one.
    static std::optional<PlaceData> read(std::string_view bytes);

    // The place nearest to the position (degrees, south and west negative);
    // nullopt only when the file holds none.
    std::optional<NearestPlace> nearest(double latDeg, double lonDeg) const;
    // The nearest large place, a city of about 100,000 inhabitants or more.
    std::optional<NearestPlace> nearestLarge(double latDeg, double lonDeg) const;

    std::size_t size() const { return entries_.size(); }

private:
    struct Entry {
        double latDeg, lonDeg;
        std::uint32_t nameOffset;
        std::uint16_t region;
        std::uint8_t sizeClass; // 20 log10(inhabitants), rounded
    };

    Place placeOf(const Entry& e) const;
    std::optional<NearestPlace> nearestOf(const Entry* best, double bestKm) const;
    bool readEntries(class ByteReader& in, std::uint32_t placeCount, std::uint32_t regionCount);

    std::vector<Entry> entries_;           // cell by cell
    std::vector<std::uint32_t> cellStart_; // first entry of each cell, and the end
    std::vector<std::uint32_t> large_;     // the large places' entries
    std::vector<std::string> regions_;
    std::string names_; // the names, each ended by NUL
};

} // namespace lw::places
