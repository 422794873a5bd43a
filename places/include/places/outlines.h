// Outlines of the countries of the world and of Germany's 16 states, from
// Natural Earth (data/places/README.md gives the file's layout): the country
// a point far from any place lies in, and the shapes a map is drawn from.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lw::places {

enum class OutlineKind : std::uint8_t {
    Country = 0,     // Natural Earth 1:50m, about 200 m along the coast
    GermanState = 1, // Natural Earth 1:10m admin-1
};

// A corner in 1e-5 degree (about a metre), as the file holds it.
struct OutlinePoint {
    std::int32_t lonE5, latE5;
    double lonDeg() const { return lonE5 * 1e-5; }
    double latDeg() const { return latE5 * 1e-5; }
};

struct Outline {
    OutlineKind kind = OutlineKind::Country;
    std::string name; // German: "Deutschland", "Baden-Württemberg"
    std::string code; // ISO 3166 alpha-2 ("DE") for a country, HASC ("DE.BW") for a state
    // Closed rings; holes (lakes, enclaves) are rings of their own: a point
    // is inside when an odd number of rings surround it.
    std::vector<std::vector<OutlinePoint>> rings;
    OutlinePoint southWest{}, northEast{};

    bool contains(double latDeg, double lonDeg) const;
};

class Outlines {
public:
    // The contents of an outline file; nullopt when the bytes are no outline
    // file, or a damaged or cut one.
    static std::optional<Outlines> read(std::string_view bytes);

    const std::vector<Outline>& all() const { return outlines_; }
    // The country the position lies in; nullptr at sea (and on the few
    // islands too small for the 1:50m outlines).
    const Outline* countryAt(double latDeg, double lonDeg) const;

private:
    std::vector<Outline> outlines_;
};

} // namespace lw::places
