#include "places/place_data.h"

#include "byte_reader.h"
#include "places/sphere.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace lw::places {
namespace {

constexpr std::string_view kMagic = "LWORTE01";
// One cell per degree, rows from 90° S, columns from 180° W.
constexpr int kRows = 180, kColumns = 360;
constexpr std::uint32_t kCells = kRows * kColumns;
// A place's position within its cell, in 1/65536 of a degree (under 2 m).
constexpr double kCellFraction = 65536.0;
// Bytes of one place record: position (2 + 2), size class, region.
constexpr std::size_t kRecordBytes = 7;
// "Large": 20 log10(100,000), a city ("Großstadt") of 100,000 inhabitants.
constexpr std::uint8_t kLargeSizeClass = 100;

struct FilledCell {
    std::uint32_t cell, count;
};

// The filled cells in strictly increasing order, whose counts add up to the
// places the header announced.
std::optional<std::vector<FilledCell>> readCells(ByteReader& in, std::uint32_t placeCount) {
    const std::uint32_t filled = in.u32();
    if (in.failed() || filled > kCells || filled > in.remaining() / 4)
        return std::nullopt;
    std::vector<FilledCell> cells;
    cells.reserve(filled);
    std::uint64_t total = 0;
    for (std::uint32_t i = 0; i < filled; ++i) {
        const FilledCell c{in.u16(), in.u16()};
        if (in.failed() || c.cell >= kCells || c.count == 0 ||
            (!cells.empty() && c.cell <= cells.back().cell))
            return std::nullopt;
        total += c.count;
        cells.push_back(c);
    }
    if (total != placeCount)
        return std::nullopt;
    return cells;
}

std::array<double, 3> onUnitSphere(double latDeg, double lonDeg) {
    const double phi = latDeg * kRadPerDeg, lambda = lonDeg * kRadPerDeg;
    return {std::cos(phi) * std::cos(lambda), std::cos(phi) * std::sin(lambda), std::sin(phi)};
}

double squaredChord(const std::array<double, 3>& a, const std::array<double, 3>& b) {
    const double dx = a[0] - b[0], dy = a[1] - b[1], dz = a[2] - b[2];
    return dx * dx + dy * dy + dz * dz;
}

} // namespace

std::optional<PlaceData> PlaceData::read(std::string_view bytes) {
    ByteReader in(bytes);
    if (!in.expect(kMagic))
        return std::nullopt;
    const std::uint32_t regionCount = in.u32();
    const std::uint32_t placeCount = in.u32();
    // Every place needs its record and at least one byte of name: a count
    // beyond that is damage, not a reason to reserve memory.
    if (in.failed() || placeCount > in.remaining() / (kRecordBytes + 2) ||
        regionCount > in.remaining() || regionCount > 0xFFFF)
        return std::nullopt;
    const std::optional<std::vector<FilledCell>> cells = readCells(in, placeCount);
    if (!cells)
        return std::nullopt;

    PlaceData data;
    for (std::uint32_t i = 0; i < regionCount && !in.failed(); ++i)
        data.regions_.emplace_back(in.text());
    std::vector<Entry>& entries = data.entries_;
    entries.reserve(placeCount);
    for (const FilledCell& c : *cells) {
        const double south = static_cast<int>(c.cell / kColumns) - 90;
        const double west = static_cast<int>(c.cell % kColumns) - 180;
        for (std::uint32_t i = 0; i < c.count; ++i) {
            Entry e{};
            e.latDeg = south + in.u16() / kCellFraction;
            e.lonDeg = west + in.u16() / kCellFraction;
            e.sizeClass = in.u8();
            e.region = in.u16();
            if (in.failed() || e.region >= regionCount)
                return std::nullopt;
            entries.push_back(e);
        }
    }
    for (Entry& e : entries) {
        const std::string_view name = in.text();
        if (in.failed() || name.empty())
            return std::nullopt;
        e.nameOffset = static_cast<std::uint32_t>(data.names_.size());
        data.names_.append(name);
        data.names_.push_back('\0');
    }
    if (in.failed() || !in.atEnd())
        return std::nullopt;
    data.all_.build(entries, 0);
    data.large_.build(entries, kLargeSizeClass);
    return data;
}

std::optional<NearestPlace> PlaceData::nearestIn(const KdTree& tree, double latDeg,
                                                 double lonDeg) const {
    if (!(std::isfinite(latDeg) && std::isfinite(lonDeg)))
        return std::nullopt;
    const std::uint32_t i = tree.nearest(onUnitSphere(latDeg, lonDeg));
    if (i == UINT32_MAX)
        return std::nullopt;
    const Entry& e = entries_[i];
    return NearestPlace{Place{e.latDeg, e.lonDeg, std::string_view(names_.c_str() + e.nameOffset),
                              regions_[e.region]},
                        distanceKm(latDeg, lonDeg, e.latDeg, e.lonDeg)};
}

std::optional<NearestPlace> PlaceData::nearest(double latDeg, double lonDeg) const {
    return nearestIn(all_, latDeg, lonDeg);
}

std::optional<NearestPlace> PlaceData::nearestLarge(double latDeg, double lonDeg) const {
    return nearestIn(large_, latDeg, lonDeg);
}

void PlaceData::KdTree::build(const std::vector<Entry>& entries, std::uint8_t minSizeClass) {
    for (std::uint32_t i = 0; i < entries.size(); ++i)
        if (entries[i].sizeClass >= minSizeClass)
            nodes.push_back({onUnitSphere(entries[i].latDeg, entries[i].lonDeg), i});
    auto split = [this](auto& self, std::size_t lo, std::size_t hi, std::size_t axis) -> void {
        if (hi - lo < 2)
            return;
        const std::size_t mid = lo + (hi - lo) / 2;
        std::nth_element(nodes.begin() + static_cast<std::ptrdiff_t>(lo),
                         nodes.begin() + static_cast<std::ptrdiff_t>(mid),
                         nodes.begin() + static_cast<std::ptrdiff_t>(hi),
                         [axis](const Node& a, const Node& b) { return a.p[axis] < b.p[axis]; });
        self(self, lo, mid, (axis + 1) % 3);
        self(self, mid + 1, hi, (axis + 1) % 3);
    };
    split(split, 0, nodes.size(), 0);
}

std::uint32_t PlaceData::KdTree::nearest(const std::array<double, 3>& q) const {
    std::uint32_t best = UINT32_MAX;
    double bestChord2 = std::numeric_limits<double>::infinity();
    // The half the point lies in first; the other only where the splitting
    // plane is nearer than the nearest place found.
    auto search = [&](auto& self, std::size_t lo, std::size_t hi, std::size_t axis) -> void {
        if (lo >= hi)
            return;
        const std::size_t mid = lo + (hi - lo) / 2;
        const Node& node = nodes[mid];
        if (const double d2 = squaredChord(q, node.p); d2 < bestChord2) {
            bestChord2 = d2;
            best = node.entry;
        }
        const double beyond = q[axis] - node.p[axis];
        const std::size_t next = (axis + 1) % 3;
        if (beyond < 0) {
            self(self, lo, mid, next);
            if (beyond * beyond < bestChord2)
                self(self, mid + 1, hi, next);
        } else {
            self(self, mid + 1, hi, next);
            if (beyond * beyond < bestChord2)
                self(self, lo, mid, next);
        }
    };
    search(search, 0, nodes.size(), 0);
    return best;
}

} // namespace lw::places
