#include "places/describe.h"

#include "places/place_files.h"
#include "places/sphere.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace lw::places {
namespace {

// Clockwise from north, each word for 45° around its direction.
constexpr std::array<std::string_view, 8> kDirectionWords = {
    "nördlich", "nordöstlich", "östlich",  "südöstlich",
    "südlich",  "südwestlich", "westlich", "nordwestlich",
};

constexpr double kLastParallelDeg = 89.9999;

std::string withRegion(const Place& place) {
    return std::string(place.name) + " (" + std::string(place.region) + ")";
}

// "2,1 km südwestlich von Blaubeuren (…)": from the place to the point.
std::string fromPlace(const NearestPlace& found, double latDeg, double lonDeg) {
    const double bearing = bearingDeg(found.place.latDeg, found.place.lonDeg, latDeg, lonDeg);
    return distanceText(found.distanceKm) + " " + std::string(directionWord(bearing)) + " von " +
           withRegion(found.place);
}

std::string remoteLine(const PlaceData& places, const Outlines* outlines,
                       const NearestPlace& nearest, double latDeg, double lonDeg) {
    const NearestPlace city = places.nearestLarge(latDeg, lonDeg).value_or(nearest);
    std::string line(kLinePrefix);
    if (outlines) {
        // The outlines end at the poles, which a point exactly there would
        // meet on the edge.
        const double inside = std::clamp(latDeg, -kLastParallelDeg, kLastParallelDeg);
        const Outline* country = outlines->countryAt(inside, lonDeg);
        line += country ? "in " + country->name + ", " : std::string("auf See, ");
    }
    return line + fromPlace(city, latDeg, lonDeg);
}

} // namespace

// Whole numbers only: the C library's number texts follow the locale the
// screens set, and the line has its German form whatever the locale.
std::string distanceText(double km) {
    const long long tenths = std::llround(km * 10);
    if (tenths < 100)
        return std::to_string(tenths / 10) + "," + std::to_string(tenths % 10) + " km";
    std::string text = std::to_string(std::llround(km));
    for (auto pos = static_cast<std::ptrdiff_t>(text.size()) - 3; pos > 0; pos -= 3)
        text.insert(static_cast<std::size_t>(pos), ".");
    return text + " km";
}

std::string_view directionWord(double bearingDeg) {
    const double sector = std::floor(std::fmod(bearingDeg + 22.5, 360.0) / 45.0);
    const auto index = static_cast<std::size_t>(sector < 0 ? sector + 8 : sector) % 8;
    return kDirectionWords[index];
}

std::string describePlace(const PlaceData& places, const Outlines* outlines, double latDeg,
                          double lonDeg) {
    if (!(std::isfinite(latDeg) && std::isfinite(lonDeg)) || std::abs(latDeg) > 90)
        return std::string(kPlaceUnavailable);
    lonDeg = std::remainder(lonDeg, 360.0); // 180° E and 180° W are one meridian
    const std::optional<NearestPlace> nearest = places.nearest(latDeg, lonDeg);
    if (!nearest)
        return std::string(kPlaceUnavailable);
    if (nearest->distanceKm < kInPlaceKm)
        return std::string(kLinePrefix) + "in " + withRegion(nearest->place);
    if (nearest->distanceKm <= kRemoteKm)
        return std::string(kLinePrefix) + fromPlace(*nearest, latDeg, lonDeg);
    return remoteLine(places, outlines, *nearest, latDeg, lonDeg);
}

std::string describePlace(double latDeg, double lonDeg) {
    const PlaceFiles& files = programPlaceFiles();
    if (!files.places)
        return std::string(kPlaceUnavailable);
    return describePlace(*files.places, files.outlines ? &*files.outlines : nullptr, latDeg,
                         lonDeg);
}

} // namespace lw::places
