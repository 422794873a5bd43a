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

// The driver passes only kUtmTextGrs80 or kUtmTextHayford.
const Ellipsoid& utmEllipsoid(const std::string& name) {
    return name == kUtmTextHayford ? ellipsoid::Hayford : ellipsoid::GRS80;
}

std::string lastChars(const std::string& text, std::size_t n) {
    return text.size() <= n ? text : text.substr(text.size() - n);
}

// Largest northing a 7-digit text can hold; a point a hair south of the
// equator would otherwise round to 10000000.
constexpr double kMaxNorthingM = 9999999;

// Zone number as two digits, "01" to "60".
std::string zoneDigitsText(int zone) {
    return {static_cast<char>('0' + zone / 10), static_cast<char>('0' + zone % 10)};
}

} // namespace

std::string BreitenBand(const std::string& lat) {
    const char band = latitudeBand(readNumberSingle(lat));
    return band == '\0' ? std::string() : std::string(1, band);
}

std::string ZonenNummer(const std::string& lon) {
    const int zone = zoneNumber(readNumberSingle(lon));
    return zone == 0 ? std::string() : zoneDigitsText(zone);
}

ProcedureOutcome GeoNachUTM(std::string& lon, std::string& lat, std::string& ellipsoidName,
                            MessageSink& messages) {
    try {
        const Ellipsoid& ell = utmEllipsoid(ellipsoidName);
        const double latDeg = readNumber(lat);
        const double lonDeg = readNumber(lon);

        const std::string band = BreitenBand(lat);
        std::string zoneDigits = ZonenNummer(lon);
        int zone = toInt16(readNumber(zoneDigits));
        const int exceptional = zoneWithExceptions(zone, band.empty() ? '\0' : band[0], lonDeg);
        if (exceptional != zone) {
            zone = exceptional;
            zoneDigits = zoneDigitsText(zone);
        }
        // A missing band or zone shows as a leading "0" of the three characters.
        ellipsoidName = lastChars("000" + zoneDigits + band, 3);

        const std::optional<GridPoint> p = utmForward(latDeg, lonDeg, zone, ell);
        if (!p)
            return ProcedureOutcome::computationError(messages);
        const double northing = p->northingM > kMaxNorthingM ? kMaxNorthingM : p->northingM;
        std::string eastingText = "0";
        eastingText += integerText(Runden(p->eastingM, 0));
        std::string northingText = "00000000";
        northingText += integerText(Runden(northing, 0));
        lon = std::move(eastingText);
        lat = lastChars(northingText, 7);
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
