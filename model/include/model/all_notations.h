// "Alle Schreibweisen": one point in every notation of every ellipsoid at
// once, for a control room that passes the same position to several
// services. The list is grouped by ellipsoid, GRS80 (WGS84, ETRS89), Bessel
// (DHDN), Hayford (ED50); within a group the notations follow the format
// buttons. Each group has a heading that says how its datum shift was made.
#pragma once

#include "model/notations.h"

#include <array>
#include <string>
#include <string_view>

namespace lw {

struct AllNotationsGroup {
    const char* ellipsoid;    // job name
    std::string_view caption; // the datums the ellipsoid stands for
    Element heading;
};

inline constexpr std::array<AllNotationsGroup, 3> kAllNotationsGroups = {{
    {kGRS80, "GRS80 (WGS84, ETRS89)", Element::labAlleA},
    {kBessel, "Bessel (DHDN)", Element::labAlleB},
    {kHayford, "Hayford (ED50)", Element::labAlleC},
}};

struct AllNotationsLine {
    const char* ellipsoid; // job name
    FormatCode format;
    Element field; // shows the copy line, or why the point has none
};

// Every notation each ellipsoid offers, in list order.
inline constexpr std::array<AllNotationsLine, 17> kAllNotationsLines = {{
    {kGRS80, kGradDezimal, Element::texAlleA1},
    {kGRS80, kGradMinuten, Element::texAlleA2},
    {kGRS80, kGradMinSek, Element::texAlleA3},
    {kGRS80, kUTMzivil, Element::texAlleA4},
    {kGRS80, kUTMmil, Element::texAlleA5},
    {kGRS80, kUTMref, Element::texAlleA6},
    {kGRS80, kUTMamtlich, Element::texAlleA8},
    {kBessel, kGradDezimal, Element::texAlleB1},
    {kBessel, kGradMinuten, Element::texAlleB2},
    {kBessel, kGradMinSek, Element::texAlleB3},
    {kBessel, kGaussKrueger, Element::texAlleB7},
    {kHayford, kGradDezimal, Element::texAlleC1},
    {kHayford, kGradMinuten, Element::texAlleC2},
    {kHayford, kGradMinSek, Element::texAlleC3},
    {kHayford, kUTMzivil, Element::texAlleC4},
    {kHayford, kUTMmil, Element::texAlleC5},
    {kHayford, kUTMref, Element::texAlleC6},
}};

// The Bessel lines of a point outside Germany, in place of their values:
// the DHDN shift (three parameters or BeTA2007) is made for Germany's area,
// and a DHDN position beyond it is one nobody uses. Outside means outside
// the box of the Gauss-Krueger output (model/germany.h), on Bessel.
inline constexpr std::string_view kDhdnOutsideGermanyText =
    "Der Datumsübergang nach DHDN ist nur für Deutschland festgelegt.";

// The accuracy line under the list: each group's heading says its datum
// shift and what it is worth; the grid references name a square.
inline constexpr std::string_view kAllNotationsAccuracyText =
    "Genauigkeit: siehe die Überschrift jeder Gruppe. UTM militärisch und referentiell nennen "
    "die Südwestecke des Planquadrats.";

// "GRS80 UTM zivil", "Bessel Gauß-Krüger": the ellipsoid and the notation.
inline std::string allNotationsLabel(const AllNotationsLine& line) {
    return std::string(line.ellipsoid) + " " + std::string(notationOf(line.format)->label);
}

} // namespace lw
