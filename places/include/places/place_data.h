// The places a position is told by: GeoNames' places of at least 1,000
// inhabitants (data/places/README.md gives the file's layout). The nearest
// of 112,000 is found in a k-d tree of their points on the unit sphere, in
// a few microseconds anywhere: by the poles, across the date line and far
// out at sea alike, where cells of latitude and longitude do badly.
#pragma once

#include <array>
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
    // Points in 3-D on the unit sphere, where the straight distance orders
    // places as the great-circle distance does. Each range of `nodes` is
    // split at its middle on x, y, z in turn, the halves below and above.
    struct KdTree {
        struct Node {
            std::array<double, 3> p;
            std::uint32_t entry;
        };
        std::vector<Node> nodes;

        void build(const std::vector<Entry>& entries, std::uint8_t minSizeClass);
        // The nearest entry's index; none (UINT32_MAX) in an empty tree.
        std::uint32_t nearest(const std::array<double, 3>& q) const;
    };

    std::optional<NearestPlace> nearestIn(const KdTree& tree, double latDeg, double lonDeg) const;

    std::vector<Entry> entries_;
    KdTree all_;
    KdTree large_; // the large places alone
    std::vector<std::string> regions_;
    std::string names_; // the names, each ended by NUL
};

} // namespace lw::places
