// The line under a result that says where the point lies, from its GRS80
// (WGS 84) position: "Lage: 2,1 km südwestlich von Blaubeuren
// (Baden-Württemberg, Deutschland)".
#pragma once

#include "places/outlines.h"
#include "places/place_data.h"

#include <string>
#include <string_view>

namespace lw::places {

// The line when the place files are missing or damaged.
inline constexpr std::string_view kPlaceUnavailable = "Lage: nicht verfügbar";
inline constexpr std::string_view kLinePrefix = "Lage: ";
// Nearer than this the point lies "in" the place: about the radius of a
// small town's centre.
inline constexpr double kInPlaceKm = 0.5;
// Farther than this from any place, the nearest place means little (it is a
// hamlet across a desert or a sea): the line names the nearest large city
// and the country or the sea the point lies in.
inline constexpr double kRemoteKm = 50.0;

// "Lage: in Blaubeuren (…)", "Lage: 2,1 km südwestlich von Blaubeuren (…)"
// or, remote, "Lage: in Algerien, 420 km südöstlich von Ouargla (Algerien)"
// and "Lage: auf See, …". Without outlines a remote point names the city
// alone.
std::string describePlace(const PlaceData& places, const Outlines* outlines, double latDeg,
                          double lonDeg);

// The same with the program's place files, read on the first call;
// kPlaceUnavailable when they are missing or damaged. Safe to call from
// several threads.
std::string describePlace(double latDeg, double lonDeg);

// "2,1 km" below 10 km, "23 km", "1.234 km": German number form.
std::string distanceText(double km);
// The compass word of eight for a direction in degrees from north:
// "nördlich", "nordöstlich" … "nordwestlich".
std::string_view directionWord(double bearingDeg);

} // namespace lw::places
