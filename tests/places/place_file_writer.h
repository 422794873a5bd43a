// Small place and outline files made in the test, in the layout
// tools/make_places.js writes, for the search against a brute force and
// for damaged files.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace lw::places::test {

struct PlaceRow {
    double latDeg, lonDeg;
    std::string name;
    int inhabitants;
    std::uint16_t region = 0;
};

inline void putU16(std::string& out, unsigned v) {
    out.push_back(static_cast<char>(v & 0xFF));
    out.push_back(static_cast<char>((v >> 8) & 0xFF));
}
inline void putU32(std::string& out, std::uint32_t v) {
    putU16(out, v & 0xFFFF);
    putU16(out, v >> 16);
}
inline void putText(std::string& out, const std::string& text) {
    out += text;
    out.push_back('\0');
}
inline void putSvarint(std::string& out, std::int64_t v) {
    std::uint64_t z =
        v >= 0 ? 2 * static_cast<std::uint64_t>(v) : 2 * static_cast<std::uint64_t>(-v) - 1;
    while (z >= 0x80) {
        out.push_back(static_cast<char>((z & 0x7F) | 0x80));
        z >>= 7;
    }
    out.push_back(static_cast<char>(z));
}

inline unsigned cellOf(const PlaceRow& p) {
    const int row = std::min(179, static_cast<int>(std::floor(p.latDeg + 90)));
    const int column = std::min(359, static_cast<int>(std::floor(p.lonDeg + 180)));
    return static_cast<unsigned>(row * 360 + column);
}

inline std::string placeFile(const std::vector<std::string>& regions, std::vector<PlaceRow> rows) {
    // Cell by cell, and within a cell from south to north.
    std::stable_sort(rows.begin(), rows.end(), [](const PlaceRow& a, const PlaceRow& b) {
        return cellOf(a) != cellOf(b) ? cellOf(a) < cellOf(b) : a.latDeg < b.latDeg;
    });
    std::map<unsigned, unsigned> counts;
    for (const PlaceRow& p : rows)
        ++counts[cellOf(p)];
    std::string out = "LWORTE01";
    putU32(out, static_cast<std::uint32_t>(regions.size()));
    putU32(out, static_cast<std::uint32_t>(rows.size()));
    putU32(out, static_cast<std::uint32_t>(counts.size()));
    for (const auto& [cell, n] : counts) {
        putU16(out, cell);
        putU16(out, n);
    }
    for (const std::string& r : regions)
        putText(out, r);
    for (const PlaceRow& p : rows) {
        const unsigned cell = cellOf(p);
        putU16(out,
               static_cast<unsigned>(std::lround((p.latDeg + 90 - cell / 360) * 65536)) & 0xFFFF);
        putU16(out,
               static_cast<unsigned>(std::lround((p.lonDeg + 180 - cell % 360) * 65536)) & 0xFFFF);
        out.push_back(static_cast<char>(std::lround(20 * std::log10(p.inhabitants))));
        putU16(out, p.region);
    }
    for (const PlaceRow& p : rows)
        putText(out, p.name);
    return out;
}

struct OutlineRow {
    std::uint8_t kind;
    std::string name, code;
    std::vector<std::vector<std::pair<double, double>>> rings; // (lon, lat)
};

inline std::string outlineFile(const std::vector<OutlineRow>& outlines) {
    std::string out = "LWUMRIS1";
    putU32(out, static_cast<std::uint32_t>(outlines.size()));
    for (const OutlineRow& o : outlines) {
        out.push_back(static_cast<char>(o.kind));
        putText(out, o.name);
        putText(out, o.code);
        putU32(out, static_cast<std::uint32_t>(o.rings.size()));
        for (const auto& ring : o.rings) {
            putU32(out, static_cast<std::uint32_t>(ring.size()));
            std::int64_t lastLon = 0, lastLat = 0;
            for (const auto& [lon, lat] : ring) {
                const std::int64_t qLon = std::llround(lon * 1e5), qLat = std::llround(lat * 1e5);
                putSvarint(out, qLon - lastLon);
                putSvarint(out, qLat - lastLat);
                lastLon = qLon;
                lastLat = qLat;
            }
        }
    }
    return out;
}

} // namespace lw::places::test
