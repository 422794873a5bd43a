// Easting and northing limits of UTM civil input, by latitude band.
//
// Within one band the smallest and largest easting and northing that a point
// of the band can have are fixed; zones cut short by the Norway and Svalbard
// exceptions (31V, 32V, 31X to 37X) have narrower eastings. The limits are
// shown beside the easting and northing fields when the zone field is left,
// and UTMZivilPruefen compares the typed values with them.
#pragma once

#include "model/job.h"
#include "model/screen.h"
#include "validation/refusal.h"

#include <optional>
#include <string_view>

namespace lw {

// Seven-digit texts, leading zeros included.
struct ZoneLimits {
    std::string_view rechtsMin, rechtsMax, hochMin, hochMax;
};

// Limits of a band letter ("C".."X"), with the replacements of the shortened
// zones applied for the given zone number; nullopt for any other band text.
std::optional<ZoneLimits> zoneLimits(std::string_view band, double zoneNumber);

// Leaving texZone, decided before anything is done: the refusal of the
// zone's characters, or the limits of its band (none for a zone whose band
// letter names no limits, which leaves the stored ones as they are).
struct ZoneLeaving {
    std::optional<refusal::Refusal> refusal;
    std::optional<ZoneLimits> limits;
};
ZoneLeaving leaveZoneField(std::string_view zone);

// The limits into the working variables UTMZivilPruefen compares with.
void storeZoneLimits(const ZoneLimits& limits, Arbeitsvariablen& calc);

// On leaving texZone: checks the zone's characters (refusing with the error
// sound, a message and the focus back in texZone), looks up the limits of its
// band into state.calc and shows them in labLimitsRechts/labLimitsHoch.
void ZoneUndLimitsPruefen(CalcScreen& screen, ProgramState& state);

// On entering texRechts or texHoch: refused while texZone is empty, since the
// limits depend on the zone; otherwise output cleared and text selected.
void ZoneZuerstPruefen(CalcScreen& screen, Element enteredField);

} // namespace lw
