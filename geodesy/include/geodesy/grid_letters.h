// The letters of the UTM grid and its military squares, with the northings of
// the band borders: one table for the projections, the grid letters, the
// input checks and the zone limits.
//
// References: DMA TM 8358.1, "Datums, Ellipsoids, Grids, and Grid Reference
// Systems", 1990 (the 100 km square lettering), and DMA TM 8358.2 (see utm.h).
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace lw {

// Latitude bands C to X from 80 deg S, 8 deg each (X 12 deg, 72 to 84 deg N);
// I and O are left out to avoid confusion with 1 and 0.
inline constexpr std::string_view kBandLetters = "CDEFGHJKLMNPQRSTUVWX";
inline constexpr double kSouthernmostBandDeg = -80; // the southern edge of band C
inline constexpr double kBandHeightDeg = 8;
inline constexpr double kNorthernmostBandDeg = 84; // the northern edge of band X

// The first ten bands lie south of the equator (C to M), the other ten north
// of it (N to X).
inline constexpr std::size_t kNorthernBandsFrom = 10;
inline constexpr std::string_view kNorthernBandLetters = kBandLetters.substr(kNorthernBandsFrom);

// True for the band letters north of the equator, 'N' to 'X'.
constexpr bool isNorthernBandLetter(char band) {
    return band != '\0' && kNorthernBandLetters.find(band) != std::string_view::npos;
}

// Northings of the band borders at 8, 16 .. 72 deg N where they meet the edge
// of a 6 deg zone (3 deg from the central meridian), on GRS80 and rounded to
// whole metres: the largest northing of bands N, P .. W. South of the equator
// the borders mirror them: 10,000,000 minus these is the smallest northing of
// bands M, L .. D. Written as fixed numbers rather than computed, so that the
// thresholds do not move with the last digits of the series.
inline constexpr std::array<int, 9> kBandBorderNorthingsM = {
    885504, 1771254, 2657479, 3544370, 4432069, 5320656, 6210141, 7100467, 7991509};

// Northing of the equator as the southern hemisphere counts it (the false
// northing south).
inline constexpr int kEquatorNorthingSouthM = 10000000;

// The i-th southern border, mirrored from the i-th northern one.
constexpr int southernBorderNorthingM(std::size_t i) {
    return kEquatorNorthingSouthM - kBandBorderNorthingsM[i];
}

// Column letters of the 100 km squares: three sets of eight for the
// hundred-kilometre easting digits 1..8, the set chosen by the zone number.
inline constexpr std::string_view kSquareColumnLetters = "ABCDEFGHJKLMNPQRSTUVWXYZ";
inline constexpr std::size_t kSquareColumnsPerSet = 8;

// Side of a square, metres.
inline constexpr double kSquareSideM = 100000;
inline constexpr double kMillionM = 1000000;

// Row letters of the 100 km squares: a cycle of twenty for the
// hundred-kilometre northing digits, ten letters to each million metres.
inline constexpr std::string_view kSquareRowLetters = "ABCDEFGHJKLMNPQRSTUV";
inline constexpr std::size_t kSquareRowsPerMillion = 10;

} // namespace lw
