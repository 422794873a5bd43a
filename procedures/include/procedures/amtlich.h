// Coordinates as survey offices write them, on the exact transverse Mercator
// (geodesy/exact_tm.h), so that they hold the centimetre also in a
// neighbour zone or strip:
//
// - UTM amtlich (ETRS89, GRS80, northern hemisphere): the Ostwert carries the
//   zone in its millions, zone * 1000000 + easting ("32399340.60"), the
//   Nordwert is the northing ("5928794.18"); both to the centimetre.
// - Gauss-Krueger (DHDN, Bessel) in a 3 deg strip: Rechtswert (strip number
//   in the millions) and Hochwert to the centimetre.
//
// The zone or strip is the point's own unless the caller chooses one of its
// two neighbours. Output texts are rounded half away from zero to two
// decimals, trailing zeros kept, "." as the decimal separator. The functions
// report what stands in the way as a status; the messages are the caller's.
#pragma once

#include "geodesy/datum.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lw {

enum class AmtlichStatus {
    Done,
    SouthernPoint,   // the notation has no hemisphere: a point south of the equator
    ZoneNotAllowed,  // a chosen zone that is neither the point's own nor a neighbour
    StripNotAllowed, // a chosen meridian that is neither the own strip's nor a neighbour's
    NoZoneDigits,    // an Ostwert whose millions name no zone 1..60
    NoStripDigits,   // a strip 0 or a Rechtswert whose millions name no strip 1..119
    ComputationError // no finite result
};

// ---- UTM amtlich ---------------------------------------------------------------------------

// The point's own zone (with the Norway and Svalbard exceptions, as the
// other UTM notations have it) and the zones a caller may choose, west to
// east: the own one and its two neighbours (zone 1 and zone 60 are
// neighbours), each only where the point's easting in it stays within 0 to
// 1000000 m, so that it does not run into the zone digits of the Ostwert (in
// western Germany zone 33 is more than 500 km away). Own zone 0 and nothing
// allowed for a point off the globe.
struct ZoneChoices {
    int own;
    std::vector<int> allowed;
};
ZoneChoices utmAmtlichZoneChoices(GeoPoint etrs89);

// The point's own zone alone, 0 for a point off the globe.
int utmAmtlichOwnZone(GeoPoint etrs89);

struct UtmAmtlichTexts {
    AmtlichStatus status = AmtlichStatus::ComputationError;
    int zone = 0; // the zone used
    std::string ostwert, nordwert;
};

// ETRS89 degrees -> Ostwert and Nordwert, in the chosen zone or (none) the
// point's own.
UtmAmtlichTexts utmAmtlichFromGeo(GeoPoint etrs89, std::optional<int> chosenZone);

// The same in `zone`, which the caller has found among the point's choices
// (or which is its own): ZoneNotAllowed where the easting leaves the zone's
// million after all. One projection, no choices worked out.
UtmAmtlichTexts utmAmtlichInZone(GeoPoint etrs89, int zone);
// The same into the caller's texts, which keep their room from point to
// point (a list writes one a line): how it went.
AmtlichStatus writeUtmAmtlichInZone(GeoPoint etrs89, int zone, std::string& ostwert,
                                    std::string& nordwert);

struct GeoReading {
    AmtlichStatus status = AmtlichStatus::ComputationError;
    int zoneOrStrip = 0; // from the millions of the Ostwert or Rechtswert
    GeoPoint point{};
};

// Ostwert and Nordwert texts (decimal point or comma) -> ETRS89 degrees; the
// zone is read from the Ostwert's millions.
GeoReading geoFromUtmAmtlich(std::string_view ostwert, std::string_view nordwert);

// ---- Gauss-Krueger in a chosen 3 deg strip ---------------------------------------------------

// Central meridians in degrees of the point's own 3 deg strip and the ones a
// caller may choose, west to east: the own one and its two neighbours, each
// only where it has a strip number (from 3 deg east) and the point's
// Rechtswert stays within the strip's million.
struct MeridianChoices {
    int own;
    std::vector<int> allowed;
};
MeridianChoices gkMeridianChoices(GeoPoint bessel);

struct GkStripTexts {
    AmtlichStatus status = AmtlichStatus::ComputationError;
    int meridianDeg = 0; // central meridian of the strip used
    std::string rechtswert, hochwert;
};

// DHDN (Bessel) degrees -> Rechtswert and Hochwert in the strip of the chosen
// central meridian or (none) the point's own.
GkStripTexts gkStripFromGeo(GeoPoint bessel, std::optional<int> chosenMeridianDeg);

// Rechtswert and Hochwert texts (decimal point or comma) -> DHDN degrees; the
// strip is read from the Rechtswert's millions.
GeoReading geoFromGkStrip(std::string_view rechtswert, std::string_view hochwert);

} // namespace lw
