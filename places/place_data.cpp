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
    data.cellStart_.assign(kCells + 1, 0);
    for (const FilledCell& c : *cells)
        data.cellStart_[c.cell + 1] = c.count;
    for (std::uint32_t cell = 0; cell < kCells; ++cell)
        data.cellStart_[cell + 1] += data.cellStart_[cell];

    data.entries_.reserve(placeCount);
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
            data.entries_.push_back(e);
        }
    }
    for (Entry& e : data.entries_) {
        const std::string_view name = in.text();
        if (in.failed() || name.empty())
            return std::nullopt;
        e.nameOffset = static_cast<std::uint32_t>(data.names_.size());
        data.names_.append(name);
        data.names_.push_back('\0');
    }
    if (in.failed() || !in.atEnd())
        return std::nullopt;
    for (std::uint32_t i = 0; i < data.entries_.size(); ++i)
        if (data.entries_[i].sizeClass >= kLargeSizeClass)
            data.large_.push_back(i);
    return data;
}

Place PlaceData::placeOf(const Entry& e) const {
    return Place{e.latDeg, e.lonDeg, std::string_view(names_.c_str() + e.nameOffset),
                 regions_[e.region]};
}

std::optional<NearestPlace> PlaceData::nearestOf(const Entry* best, double bestKm) const {
    if (!best)
        return std::nullopt;
    return NearestPlace{placeOf(*best), bestKm};
}

// Cells are searched row by row outwards from the position's own, each row
// from the position's column outwards, and a row or column is left as soon
// as no point of it can be nearer than the nearest place found: its
// latitude gap, or its distance from the position's great circle through
// the poles, is larger.
std::optional<NearestPlace> PlaceData::nearest(double latDeg, double lonDeg) const {
    if (!(std::isfinite(latDeg) && std::isfinite(lonDeg)))
        return std::nullopt;
    const Entry* best = nullptr;
    double bestKm = std::numeric_limits<double>::infinity();
    auto searchCell = [&](int row, int column) {
        const std::uint32_t cell = static_cast<std::uint32_t>(row * kColumns + column);
        for (std::uint32_t i = cellStart_[cell]; i < cellStart_[cell + 1]; ++i) {
            const Entry& e = entries_[i];
            const double d = distanceKm(latDeg, lonDeg, e.latDeg, e.lonDeg);
            if (d < bestKm) {
                bestKm = d;
                best = &e;
            }
        }
    };
    const int row0 = std::clamp(static_cast<int>(std::floor(latDeg + 90)), 0, kRows - 1);
    const int column0 = std::clamp(static_cast<int>(std::floor(lonDeg + 180)), 0, kColumns - 1);
    const double cosLat = std::cos(latDeg * kRadPerDeg);
    auto searchRow = [&](int row) {
        for (int dc = 0; dc <= kColumns / 2; ++dc) {
            const double offsetDeg = std::min(90, std::max(0, dc - 1));
            if (kEarthRadiusKm * std::asin(cosLat * std::sin(offsetDeg * kRadPerDeg)) > bestKm)
                return;
            searchCell(row, (column0 + dc) % kColumns);
            if (dc != 0 && dc != kColumns / 2)
                searchCell(row, (column0 - dc + kColumns) % kColumns);
        }
    };
    auto latitudeGapKm = [&](int row) {
        const double south = row - 90, north = south + 1;
        const double gapDeg = latDeg < south ? south - latDeg : latDeg > north ? latDeg - north : 0;
        return gapDeg * kRadPerDeg * kEarthRadiusKm;
    };
    for (int dr = 0; dr < kRows; ++dr) {
        bool searched = false;
        for (int row : {row0 - dr, row0 + dr}) {
            if (row < 0 || row >= kRows || (dr == 0 && row != row0) || latitudeGapKm(row) > bestKm)
                continue;
            searchRow(row);
            searched = true;
            if (dr == 0)
                break;
        }
        if (!searched && dr > 0)
            break;
    }
    return nearestOf(best, bestKm);
}

std::optional<NearestPlace> PlaceData::nearestLarge(double latDeg, double lonDeg) const {
    if (!(std::isfinite(latDeg) && std::isfinite(lonDeg)))
        return std::nullopt;
    const Entry* best = nullptr;
    double bestKm = std::numeric_limits<double>::infinity();
    for (std::uint32_t i : large_) {
        const double d = distanceKm(latDeg, lonDeg, entries_[i].latDeg, entries_[i].lonDeg);
        if (d < bestKm) {
            bestKm = d;
            best = &entries_[i];
        }
    }
    return nearestOf(best, bestKm);
}

} // namespace lw::places
