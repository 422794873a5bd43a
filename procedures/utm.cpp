// Text procedures of the UTM projection.
#include "geodesy/utm.h"
#include "geodesy/grid_letters.h"
#include "procedures/procedures.h"
#include "text/numeric_fault.h"
#include "text/numtext.h"

#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstring>
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

// `zeros` zeros, then the whole number as integerText writes it; of that
// the last `last` characters where `last` is not 0. In one assignment: a
// list writes two a point.
void assignPadded(std::string& out, std::size_t zeros, double whole, std::size_t last) {
    if (whole >= 0 && whole < 1e9 && whole == std::trunc(whole)) {
        // Zeros first, the digits over them from the right: the zeros before the digits
        // are then in place.
        char text[24];
        std::memset(text, '0', sizeof text);
        char* const end = text + sizeof text;
        char* const begin = writeDigitsBefore(end, static_cast<std::uint64_t>(whole)) - zeros;
        const auto length = static_cast<std::size_t>(end - begin);
        const std::size_t from = last != 0 && length > last ? length - last : 0;
        out.assign(begin + from, length - from);
        return;
    }
    out.assign(zeros, '0');
    appendIntegerText(out, whole);
    if (last != 0 && out.size() > last)
        out.erase(0, out.size() - last);
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

UtmTextsWritten writeUtmTexts(double lonDeg, double latDeg, const Ellipsoid& ell,
                              std::string& zoneText, std::string& easting, std::string& northing) {
    // Band and zone as BreitenBand and ZonenNummer read the texts.
    const char band = latitudeBand(singlePrecision(latDeg));
    const int zone = zoneWithExceptions(zoneNumber(singlePrecision(lonDeg)), band, lonDeg);
    // A missing band or zone shows as a leading "0" of the three characters.
    char text[6] = {'0', '0', '0'}; // "000", the zone's two digits, the band
    std::size_t end = 3;
    if (zone != 0) {
        text[end++] = static_cast<char>('0' + zone / 10);
        text[end++] = static_cast<char>('0' + zone % 10);
    }
    if (band != '\0')
        text[end++] = band;
    zoneText.assign(text + end - 3, 3);
    const std::optional<GridPoint> p = utmForward(latDeg, lonDeg, zone, ell);
    if (!p)
        return {band, false};
    const double northingM = p->northingM > kMaxNorthingM ? kMaxNorthingM : p->northingM;
    assignPadded(easting, 1, Runden(p->eastingM, 0), 0);
    assignPadded(northing, 8, Runden(northingM, 0), 7);
    return {band, true};
}

UtmTexts utmTextsOf(double lonDeg, double latDeg, const Ellipsoid& ell) {
    UtmTexts texts;
    const UtmTextsWritten written =
        writeUtmTexts(lonDeg, latDeg, ell, texts.zone, texts.easting, texts.northing);
    texts.projected = written.projected;
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
