// UTM amtlich and Gauss-Krueger in a chosen strip: zone and strip choices,
// the texts to the centimetre, and the way back from them.
#include "procedures/amtlich.h"

#include "geodesy/exact_tm.h"
#include "geodesy/gauss_krueger.h"
#include "geodesy/utm.h"
#include "text/numeric_fault.h"
#include "text/numtext.h"

#include <algorithm>
#include <cmath>

namespace lw {

namespace {

// Offices give these coordinates to the centimetre.
constexpr int kCentimetreDecimals = 2;

// The millions of an Ostwert or Rechtswert name the zone or the strip.
constexpr double kZoneMultiplierM = 1000000;

// A Rechtswert below 1000000 m names no strip.
constexpr int kFirstNumberedStrip = 1;

// Longitude and latitude that the zone and strip lookups can take.
bool usablePoint(GeoPoint p) {
    return std::fabs(p.latDeg) <= 90 && std::fabs(p.lonDeg) <= 180; // also NaN
}

// A number text with a decimal point or comma, by the leading-number reader.
double numberOf(std::string_view text) {
    std::string copy(text);
    commaToPoint(copy);
    return readNumber(copy);
}

std::string centimetres(double metres) {
    return fixedDecimals(metres, kCentimetreDecimals);
}

// Zones run round the globe: 60 and 1 are neighbours.
int zoneStep(int zone, int step) {
    return (zone - 1 + step + kUtmZoneLast) % kUtmZoneLast + 1;
}

bool contains(const std::vector<int>& values, int value) {
    return std::find(values.begin(), values.end(), value) != values.end();
}

// Zone or strip number and the metres below it from an Ostwert or Rechtswert.
struct Millions {
    double number;
    double restM;
};
Millions splitMillions(double value) {
    const double number = std::floor(value / kZoneMultiplierM);
    return {number, value - number * kZoneMultiplierM};
}

// Whether metres below the millions stay there.
bool withinTheMillion(double metres) {
    return metres >= 0 && metres < kZoneMultiplierM;
}

bool eastingFitsZone(GeoPoint p, int zone) {
    const std::optional<GridPoint> g = utmExactForward(p, zone, ellipsoid::GRS80);
    return g && withinTheMillion(g->eastingM);
}

bool rechtswertFitsStrip(GeoPoint p, int meridianDeg) {
    const int strip = meridianDeg / kGkThreeDegreeWidth;
    if (strip < kFirstNumberedStrip)
        return false;
    const std::optional<GkPoint> g = gkExactForward(p, strip);
    return g && withinTheMillion(g->rechtswertM - strip * kZoneMultiplierM);
}

} // namespace

// ---- UTM amtlich ---------------------------------------------------------------------------

int utmAmtlichOwnZone(GeoPoint etrs89) {
    if (!usablePoint(etrs89))
        return 0;
    const float lat = static_cast<float>(etrs89.latDeg), lon = static_cast<float>(etrs89.lonDeg);
    return zoneWithExceptions(zoneNumber(lon), latitudeBand(lat), etrs89.lonDeg);
}

ZoneChoices utmAmtlichZoneChoices(GeoPoint etrs89) {
    const int own = utmAmtlichOwnZone(etrs89);
    if (own == 0)
        return {0, {}};
    ZoneChoices choices{own, {}};
    for (int zone : {zoneStep(own, -1), own, zoneStep(own, +1)})
        if (eastingFitsZone(etrs89, zone))
            choices.allowed.push_back(zone);
    return choices;
}

AmtlichStatus writeUtmAmtlichInZone(GeoPoint etrs89, int zone, std::string& ostwert,
                                    std::string& nordwert) {
    const std::optional<GridPoint> g = utmExactForward(etrs89, zone, ellipsoid::GRS80);
    if (!g || !withinTheMillion(g->eastingM))
        return AmtlichStatus::ZoneNotAllowed;
    try {
        assignFixedDecimals(ostwert, zone * kZoneMultiplierM + g->eastingM, kCentimetreDecimals);
        assignFixedDecimals(nordwert, g->northingM, kCentimetreDecimals);
    } catch (const NumericFault&) {
        return AmtlichStatus::ComputationError;
    }
    return AmtlichStatus::Done;
}

UtmAmtlichTexts utmAmtlichInZone(GeoPoint etrs89, int zone) {
    UtmAmtlichTexts out;
    out.status = writeUtmAmtlichInZone(etrs89, zone, out.ostwert, out.nordwert);
    if (out.status != AmtlichStatus::ZoneNotAllowed)
        out.zone = zone;
    return out;
}

UtmAmtlichTexts utmAmtlichFromGeo(GeoPoint etrs89, std::optional<int> chosenZone) {
    UtmAmtlichTexts out;
    const int own = utmAmtlichOwnZone(etrs89);
    if (own == 0)
        return out; // not a point on the globe
    if (etrs89.latDeg < 0) {
        out.status = AmtlichStatus::SouthernPoint;
        return out;
    }
    // Only a chosen zone needs its neighbours worked out.
    if (chosenZone && !contains(utmAmtlichZoneChoices(etrs89).allowed, *chosenZone)) {
        out.status = AmtlichStatus::ZoneNotAllowed;
        return out;
    }
    return utmAmtlichInZone(etrs89, chosenZone.value_or(own));
}

GeoReading geoFromUtmAmtlich(std::string_view ostwert, std::string_view nordwert) {
    GeoReading out;
    const double ost = numberOf(ostwert), nord = numberOf(nordwert);
    if (!std::isfinite(ost) || !std::isfinite(nord))
        return out;
    const Millions m = splitMillions(ost);
    if (!(m.number >= kUtmZoneFirst && m.number <= kUtmZoneLast)) {
        out.status = AmtlichStatus::NoZoneDigits;
        return out;
    }
    out.zoneOrStrip = static_cast<int>(m.number);
    if (nord < 0) {
        out.status = AmtlichStatus::SouthernPoint;
        return out;
    }
    const std::optional<GeoPoint> p =
        utmExactInverse({m.restM, nord}, out.zoneOrStrip, ellipsoid::GRS80);
    if (!p)
        return out;
    out.point = *p;
    out.status = AmtlichStatus::Done;
    return out;
}

// ---- Gauss-Krueger in a chosen 3 deg strip ---------------------------------------------------

MeridianChoices gkMeridianChoices(GeoPoint bessel) {
    if (!usablePoint(bessel))
        return {0, {}};
    const int own =
        static_cast<int>(gkStripOfLongitude(bessel.lonDeg, kGkThreeDegreeWidth).centralMeridianDeg);
    MeridianChoices choices{own, {}};
    for (int meridian : {own - kGkThreeDegreeWidth, own, own + kGkThreeDegreeWidth})
        if (rechtswertFitsStrip(bessel, meridian))
            choices.allowed.push_back(meridian);
    return choices;
}

GkStripTexts gkStripFromGeo(GeoPoint bessel, std::optional<int> chosenMeridianDeg) {
    GkStripTexts out;
    if (!usablePoint(bessel))
        return out;
    const MeridianChoices choices = gkMeridianChoices(bessel);
    const int meridian = chosenMeridianDeg.value_or(choices.own);
    // The own strip 0 and those west of Greenwich have no number for the
    // millions.
    if (!chosenMeridianDeg && meridian < kFirstNumberedStrip * kGkThreeDegreeWidth) {
        out.status = AmtlichStatus::NoStripDigits;
        return out;
    }
    if (!contains(choices.allowed, meridian)) {
        out.status = AmtlichStatus::StripNotAllowed;
        return out;
    }
    out.meridianDeg = meridian;
    const std::optional<GkPoint> p = gkExactForward(bessel, meridian / kGkThreeDegreeWidth);
    if (!p)
        return out;
    try {
        out.rechtswert = centimetres(p->rechtswertM);
        out.hochwert = centimetres(p->hochwertM);
    } catch (const NumericFault&) {
        return out;
    }
    out.status = AmtlichStatus::Done;
    return out;
}

GeoReading geoFromGkStrip(std::string_view rechtswert, std::string_view hochwert) {
    GeoReading out;
    const double rechts = numberOf(rechtswert), hoch = numberOf(hochwert);
    if (!std::isfinite(rechts) || !std::isfinite(hoch))
        return out;
    const Millions m = splitMillions(rechts);
    if (!(m.number >= kFirstNumberedStrip && m.number <= kGkThreeDegreeStripLast)) {
        out.status = AmtlichStatus::NoStripDigits;
        return out;
    }
    out.zoneOrStrip = static_cast<int>(m.number);
    const std::optional<GeoPoint> p = gkExactInverse({hoch, rechts}, out.zoneOrStrip);
    if (!p)
        return out;
    out.point = *p;
    out.status = AmtlichStatus::Done;
    return out;
}

} // namespace lw
