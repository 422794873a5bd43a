#include "places/outlines.h"

#include "byte_reader.h"

#include <algorithm>
#include <cmath>

namespace lw::places {
namespace {

constexpr std::string_view kMagic = "LWUMRIS1";
// Rings that cross the date line run on beyond 180° (data/places/README.md).
constexpr std::int64_t kMaxLonE5 = 360'00000, kMaxLatE5 = 90'00000;
// The least bytes a corner, a ring and an outline take: a count beyond what
// the rest of the file could hold is damage, not a reason to reserve memory.
constexpr std::size_t kMinPointBytes = 2;
constexpr std::size_t kMinRingBytes = 4 + 3 * kMinPointBytes;
constexpr std::size_t kMinOutlineBytes = 1 + 2 + 1 + 4 + kMinRingBytes;

bool readRing(ByteReader& in, std::vector<OutlinePoint>& ring) {
    const std::uint32_t count = in.u32();
    if (in.failed() || count < 3 || count > in.remaining() / kMinPointBytes)
        return false;
    ring.reserve(count);
    std::int64_t lon = 0, lat = 0;
    for (std::uint32_t i = 0; i < count; ++i) {
        lon += in.svarint();
        lat += in.svarint();
        if (in.failed() || std::abs(lon) > kMaxLonE5 || std::abs(lat) > kMaxLatE5)
            return false;
        ring.push_back({static_cast<std::int32_t>(lon), static_cast<std::int32_t>(lat)});
    }
    return true;
}

bool readOutline(ByteReader& in, Outline& outline) {
    const std::uint8_t kind = in.u8();
    if (kind > static_cast<std::uint8_t>(OutlineKind::GermanState))
        return false;
    outline.kind = static_cast<OutlineKind>(kind);
    outline.name = in.text();
    outline.code = in.text();
    const std::uint32_t rings = in.u32();
    if (in.failed() || outline.name.empty() || rings == 0 || rings > in.remaining() / kMinRingBytes)
        return false;
    outline.rings.resize(rings);
    for (auto& ring : outline.rings)
        if (!readRing(in, ring))
            return false;
    OutlinePoint sw{INT32_MAX, INT32_MAX}, ne{INT32_MIN, INT32_MIN};
    for (const auto& ring : outline.rings)
        for (const OutlinePoint& p : ring) {
            sw = {std::min(sw.lonE5, p.lonE5), std::min(sw.latE5, p.latE5)};
            ne = {std::max(ne.lonE5, p.lonE5), std::max(ne.latE5, p.latE5)};
        }
    outline.southWest = sw;
    outline.northEast = ne;
    return true;
}

// Even-odd rule over all rings: a ray to the east crosses the outline an odd
// number of times from a point inside.
bool evenOdd(const std::vector<std::vector<OutlinePoint>>& rings, double latDeg, double lonDeg) {
    bool inside = false;
    for (const auto& ring : rings)
        for (std::size_t i = 0, j = ring.size() - 1; i < ring.size(); j = i++) {
            const double xi = ring[i].lonDeg(), yi = ring[i].latDeg();
            const double xj = ring[j].lonDeg(), yj = ring[j].latDeg();
            if ((yi > latDeg) != (yj > latDeg) &&
                lonDeg < (xj - xi) * (latDeg - yi) / (yj - yi) + xi)
                inside = !inside;
        }
    return inside;
}

} // namespace

// A ring that crosses the date line runs on beyond 180°: the point is looked
// for at its longitude and 360° from it.
bool Outline::contains(double latDeg, double lonDeg) const {
    if (latDeg < southWest.latDeg() || latDeg > northEast.latDeg())
        return false;
    for (double lon : {lonDeg, lonDeg + 360, lonDeg - 360})
        if (lon >= southWest.lonDeg() && lon <= northEast.lonDeg() && evenOdd(rings, latDeg, lon))
            return true;
    return false;
}

std::optional<Outlines> Outlines::read(std::string_view bytes) {
    ByteReader in(bytes);
    if (!in.expect(kMagic))
        return std::nullopt;
    const std::uint32_t count = in.u32();
    if (in.failed() || count > in.remaining() / kMinOutlineBytes)
        return std::nullopt;
    Outlines outlines;
    outlines.outlines_.resize(count);
    for (Outline& outline : outlines.outlines_)
        if (!readOutline(in, outline))
            return std::nullopt;
    if (!in.atEnd())
        return std::nullopt;
    return outlines;
}

const Outline* Outlines::countryAt(double latDeg, double lonDeg) const {
    for (const Outline& outline : outlines_)
        if (outline.kind == OutlineKind::Country && outline.contains(latDeg, lonDeg))
            return &outline;
    return nullptr;
}

} // namespace lw::places
