// Fuzzes the readers of the place files: arbitrary bytes read as a place file
// and as an outline file. The files ship with the program and may be cut or
// damaged on a disk; the line then says "nicht verfügbar".
// Invariants: no crash and no read beyond the bytes (under the sanitizers);
// a file that is read answers every position with a place whose name and
// region are texts, at a finite distance, and a line that starts "Lage: ".
#include "fuzz_invariants.h"
#include "places/describe.h"
#include "places/outlines.h"
#include "places/place_data.h"

#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

namespace {

using namespace lw::places;

// The poles, both sides of the date line, the grid's corner cells, and
// Krummbögle.
constexpr std::pair<double, double> kProbes[] = {
    {90, 0},       {-90, 0},   {0, 180},        {0, -180},       {-89.5, -179.5},
    {89.5, 179.5}, {0.0, 0.0}, {48.436, 9.968}, {-16.8, 179.99},
};

void checkPlaces(const PlaceData& data) {
    for (const auto& [lat, lon] : kProbes) {
        for (const std::optional<NearestPlace>& found :
             {data.nearest(lat, lon), data.nearestLarge(lat, lon)}) {
            if (!found)
                continue;
            lw::fuzz::require(!found->place.name.empty(), "a place without a name");
            lw::fuzz::require(std::isfinite(found->distanceKm) && found->distanceKm >= 0 &&
                                  found->distanceKm < 20100,
                              "a distance beyond half the earth",
                              std::to_string(found->distanceKm));
        }
        const std::string line = describePlace(data, nullptr, lat, lon);
        lw::fuzz::require(line.rfind("Lage: ", 0) == 0, "a line without \"Lage: \"", line);
    }
}

void checkOutlines(const Outlines& outlines) {
    for (const auto& [lat, lon] : kProbes)
        if (const Outline* country = outlines.countryAt(lat, lon))
            lw::fuzz::require(country->kind == OutlineKind::Country && !country->name.empty(),
                              "a country that is none", country->name);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (const std::optional<PlaceData> places = PlaceData::read(bytes))
        checkPlaces(*places);
    if (const std::optional<Outlines> outlines = Outlines::read(bytes))
        checkOutlines(*outlines);
    return 0;
}
