// Text procedures of the Gauss-Krueger projection.
#include "geodesy/gauss_krueger.h"
#include "model/germany.h"
#include "procedures/procedures.h"
#include "text/numeric_fault.h"
#include "text/numtext.h"

#include <cmath>

namespace lw {

namespace {

// Strip width in degrees from its text, 0 for anything but "3" and "6".
int stripWidthDeg(const std::string& text) {
    if (text == "3")
        return 3;
    if (text == "6")
        return 6;
    return 0;
}

// "E009°": hemisphere letter, central meridian padded to three digits.
std::string meridianText(double centralMeridianDeg, bool west) {
    // Central meridians are whole degrees; the usual ones are written directly,
    // the general number text is for absurd longitudes only.
    std::string digits = std::fabs(centralMeridianDeg) < 1000
                             ? std::to_string(static_cast<int>(centralMeridianDeg))
                             : plainTextTrimmed(finite(centralMeridianDeg));
    if (west)
        digits.erase(0, 1); // the minus sign (or, on the 0 meridian, the digit)
    if (digits.size() < 3)
        digits.insert(0, 3 - digits.size(), '0');
    return (west ? "W" : "E") + digits + "°";
}

} // namespace

GkProjection gkProjectionOf(double latDeg, double lonDeg, int stripWidthDeg) {
    const GkStrip strip =
        stripWidthDeg == 0 ? GkStrip{0, 0} : gkStripOfLongitude(lonDeg, stripWidthDeg);
    GkProjection projection;
    projection.meridian = meridianText(strip.centralMeridianDeg, lonDeg < 0);
    projection.point = gkForward(latDeg, lonDeg, strip);
    return projection;
}

ProcedureOutcome GeoNachGK(std::string& lat, std::string& lon, std::string& stripWidth,
                           MessageSink& messages) {
    try {
        GkProjection projection =
            gkProjectionOf(readNumber(lat), readNumber(lon), stripWidthDeg(stripWidth));
        stripWidth = std::move(projection.meridian);
        if (!projection.point)
            return ProcedureOutcome::computationError(messages);
        assignPlainText(lon, projection.point->rechtswertM);
        assignPlainText(lat, projection.point->hochwertM);
    } catch (const NumericFault&) {
        return ProcedureOutcome::computationError(messages);
    }
    return ProcedureOutcome::done();
}

GkReading gkReadingOf(double hochM, double rechtsM, double stripNo, int stripWidthDeg) {
    GkReading reading;
    reading.stripNo = stripNo;
    const double y = rechtsM - kGkFalseEastingM - reading.stripNo * kGkStripMultiplierM;
    const double L0 = gkCentralMeridianDeg(reading.stripNo, stripWidthDeg);
    if (L0 > germany::kEasternmostMeridianDeg) {
        reading.status = GkReading::Status::TooFarEast;
        return reading;
    }
    if (L0 == 0) { // strip 0, no digit, or no known width: no coordinates
        reading.status = GkReading::Status::NoStrip;
        return reading;
    }
    reading.centralMeridianDeg = L0;
    try {
        const std::optional<GeoPoint> g = gkInverse(hochM, finite(y), L0);
        if (g) {
            reading.point = *g;
            reading.status = GkReading::Status::Done;
        }
    } catch (const NumericFault&) {
    }
    return reading;
}

GkReading gkReadingOf(double hochM, std::string_view rechts, int stripWidthDeg) {
    GkReading reading =
        gkReadingOf(hochM, readNumber(rechts), readNumber(rechts.substr(0, 1)), stripWidthDeg);
    if (reading.status == GkReading::Status::Done || reading.status == GkReading::Status::Fault)
        reading.meridian = meridianText(reading.centralMeridianDeg, false);
    return reading;
}

ProcedureOutcome GKnachGeo(std::string& hoch, std::string& rechts, std::string& stripWidth,
                           MessageSink& messages) {
    const GkReading reading = gkReadingOf(readNumber(hoch), rechts, stripWidthDeg(stripWidth));
    switch (reading.status) {
    case GkReading::Status::TooFarEast:
        return ProcedureOutcome::showing(messages, MessageIcon::Critical, kGkStripTooWideText);
    case GkReading::Status::NoStrip:
        hoch.clear();
        rechts.clear();
        stripWidth = kFailureMarker;
        return ProcedureOutcome::failedSilently();
    case GkReading::Status::Fault:
        stripWidth = reading.meridian;
        return ProcedureOutcome::computationError(messages);
    case GkReading::Status::Done:
        break;
    }
    stripWidth = reading.meridian;
    assignPlainText(rechts, reading.point.lonDeg);
    assignPlainText(hoch, reading.point.latDeg);
    return ProcedureOutcome::done();
}

} // namespace lw
