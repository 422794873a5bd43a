// Text procedures of the UTM projection.
#include "geodesy/utm.h"
#include "geodesy/grid_letters.h"
#include "procedures/procedures.h"
#include "text/numeric_fault.h"
#include "text/numtext.h"

#include <cctype>
#include <utility>

namespace lw {

namespace {

// Largest northing a 7-digit text can hold; a point a hair south of the
// equator would otherwise round to 10000000.
constexpr double kMaxNorthingM = 9999999;

// Zone number as two digits, "01" to "60".
std::string zoneDigitsText(int zone) {
    return {static_cast<char>('0' + zone / 10), static_cast<char>('0' + zone % 10)};
}

} // namespace

// The driver passes only kUtmTextGrs80 or kUtmTextHayford.
const Ellipsoid& utmEllipsoid(const std::string& name) {
    return name == kUtmTextHayford ? ellipsoid::Hayford : ellipsoid::GRS80;
}

std::string BreitenBand(const std::string& lat) {
    const char band = latitudeBand(readNumberSingle(lat));
    return band == '\0' ? std::string() : std::string(1, band);
}

std::string ZonenNummer(const std::string& lon) {
    const int zone = zoneNumber(readNumberSingle(lon));
    return zone == 0 ? std::string() : zoneDigitsText(zone);
}

UtmTexts utmTextsOf(double lonDeg, double latDeg, const Ellipsoid& ell) {
    // Band and zone as BreitenBand and ZonenNummer read the texts.
    const char band = latitudeBand(singlePrecision(latDeg));
    const int zone = zoneWithExceptions(zoneNumber(singlePrecision(lonDeg)), band, lonDeg);
    UtmTexts texts;
    // A missing band or zone shows as a leading "0" of the three characters.
    char zoneText[] = {'0', '0', '0', '0', '0'}; // "000", the zone's digits, the band
    std::size_t end = 3;
    if (zone != 0) {
        zoneText[end++] = static_cast<char>('0' + zone / 10);
        zoneText[end++] = static_cast<char>('0' + zone % 10);
    }
    if (band != '\0')
        zoneText[end++] = band;
    texts.zone.assign(zoneText + end - 3, 3);
    const std::optional<GridPoint> p = utmForward(latDeg, lonDeg, zone, ell);
    if (!p)
        return texts;
    const double northing = p->northingM > kMaxNorthingM ? kMaxNorthingM : p->northingM;
    texts.easting = "0";
    appendIntegerText(texts.easting, Runden(p->eastingM, 0));
    texts.northing = "00000000";
    appendIntegerText(texts.northing, Runden(northing, 0));
    texts.northing.erase(0, texts.northing.size() - 7);
    texts.projected = true;
    return texts;
}

ProcedureOutcome GeoNachUTM(std::string& lon, std::string& lat, std::string& ellipsoidName,
                            MessageSink& messages) {
    try {
        UtmTexts texts = utmTextsOf(readNumber(lon), readNumber(lat), utmEllipsoid(ellipsoidName));
        ellipsoidName = std::move(texts.zone);
        if (!texts.projected)
            return ProcedureOutcome::computationError(messages);
        lon = std::move(texts.easting);
        lat = std::move(texts.northing);
    } catch (const NumericFault&) {
        return ProcedureOutcome::computationError(messages);
    }
    return ProcedureOutcome::done();
}

ProcedureOutcome UTMnachGeo(std::string& easting, std::string& northing, std::string& zone,
                            std::string& ellipsoidName, MessageSink& messages) {
    try {
        const Ellipsoid& ell = utmEllipsoid(ellipsoidName);
        const char band = zone.size() >= 3
                              ? static_cast<char>(std::toupper(static_cast<unsigned char>(zone[2])))
                              : '\0';
        const bool north = isNorthernBandLetter(band);
        const double zoneNo = readNumber(zone);
        const double E = roundHalfEvenWhole(readNumber(easting));
        const double Nn = roundHalfEvenWhole(readNumber(northing));

        const std::optional<GeoPoint> g = utmInverse(E, Nn, zoneNo, north, ell);
        if (!g)
            return ProcedureOutcome::computationError(messages);
        // Texts with "." whatever the locale: the number rules never use ",".
        std::string latRounded = plainTextTrimmed(finite(Runden(g->latDeg, 6)));
        std::string lonRounded = plainTextTrimmed(finite(Runden(g->lonDeg, 6)));
        northing = std::move(latRounded);
        easting = std::move(lonRounded);
        zone = plainTextTrimmed(g->lonDeg);
        ellipsoidName = plainTextTrimmed(g->latDeg);
    } catch (const NumericFault&) {
        return ProcedureOutcome::computationError(messages);
    }
    return ProcedureOutcome::done();
}

} // namespace lw
