// Text procedures of the datum shift.
#include "geodesy/datum.h"
#include "procedures/procedures.h"
#include "text/numtext.h"

#include <functional>
#include <optional>

namespace lw {

namespace {

// Height handed to every shift. The transformed height is not shown; 300 m is
// a typical terrain height and keeps M + h and N + h realistic.
constexpr const char* kWorkingHeight = "300";

std::optional<DatumShift> shiftOfPairCode(const std::string& code) {
    if (code == "BG")
        return DatumShift::BesselToGRS80;
    if (code == "GB")
        return DatumShift::GRS80ToBessel;
    if (code == "HG")
        return DatumShift::HayfordToGRS80;
    if (code == "GH")
        return DatumShift::GRS80ToHayford;
    return std::nullopt;
}

double workingHeightM() {
    static const double height = readNumber(kWorkingHeight);
    return height;
}

// Whether `text` is one of the working variables of `calc`.
bool isWithin(const Arbeitsvariablen& calc, const std::string& text) {
    const std::less<const void*> before;
    return !before(&text, &calc) && before(&text, &calc + 1);
}

// Runs one shift through the argument slots and returns the slots' latitude
// and longitude, transformed or (after a fault) as they went in. `lat` and
// `lon` are read before anything is written, so that they may be working
// variables other than the argument slots and the outputs.
ProcedureOutcome shiftThroughSlots(Arbeitsvariablen& calc, const std::string& lat,
                                   const std::string& lon, const char* pairCode,
                                   MessageSink& messages, std::string& outLat,
                                   std::string& outLon) {
    calc.strArg1 = lat;
    calc.strArg2 = lon;
    calc.strArg3 = kWorkingHeight;
    calc.strArg4 = pairCode;
    ProcedureOutcome outcome =
        EllipsoidWechsel(calc.strArg1, calc.strArg2, calc.strArg3, calc.strArg4, messages);
    outLat = calc.strArg1;
    outLon = calc.strArg2;
    return outcome;
}

} // namespace

ProcedureOutcome EllipsoidWechsel(std::string& lat, std::string& lon, std::string& height,
                                  std::string& pairCode, MessageSink& messages) {
    // Bessel <-> Hayford has no row: such jobs pass through GRS80 in two steps.
    if (pairCode.empty() || pairCode == "BH" || pairCode == "HB")
        return ProcedureOutcome::done();
    const GeoPointHeight in{readNumber(lat), readNumber(lon), readNumber(height)};
    const std::optional<DatumShift> shift = shiftOfPairCode(pairCode);
    // No constants for an unknown pair: the division by a = 0 faults.
    const std::optional<GeoPointHeight> out = shift ? molodensky(in, *shift) : std::nullopt;
    if (!out)
        return ProcedureOutcome::computationError(messages);
    assignPlainText(lat, out->latDeg);
    assignPlainText(lon, out->lonDeg);
    assignPlainText(height, out->heightM);
    return ProcedureOutcome::done();
}

namespace {

// One shift in numbers: the point as the slots hand it on (each value as its
// text reads back), or, after a failure, as it went in.
GeoPoint shiftedPoint(GeoPoint p, DatumShift shift, ProcedureOutcome& outcome,
                      MessageSink& messages) {
    const std::optional<GeoPointHeight> out =
        molodensky({p.latDeg, p.lonDeg, workingHeightM()}, shift);
    if (!out) {
        outcome += ProcedureOutcome::computationError(messages);
        return p;
    }
    return {round15(out->latDeg), round15(out->lonDeg)};
}

} // namespace

DatumRoute datumRoute(const std::string& start, const std::string& target) {
    // The shifts EllipsoideBerechnen runs, in its order: a Bessel or Hayford
    // start goes to GRS80 first, whatever the target.
    using Target = DatumRoute::Target;
    DatumRoute route;
    if (start == kGRS80) {
        route.known = true;
        if (target == kGRS80)
            route.target = Target::Start;
        else if (target == kBessel || target == kHayford)
            route = {true, std::nullopt, Target::Shifted,
                     target == kBessel ? DatumShift::GRS80ToBessel : DatumShift::GRS80ToHayford};
        return route;
    }
    const bool bessel = start == kBessel;
    if (!bessel && start != kHayford)
        return route;
    route.known = true;
    route.toGrs80 = bessel ? DatumShift::BesselToGRS80 : DatumShift::HayfordToGRS80;
    if (target == start)
        route.target = Target::Start;
    else if (target == kGRS80)
        route.target = Target::Grs80;
    else if (target == (bessel ? kHayford : kBessel)) {
        route.target = Target::Shifted;
        route.fromGrs80 = bessel ? DatumShift::GRS80ToHayford : DatumShift::GRS80ToBessel;
    }
    return route;
}

DatumPoints pointOnEllipsoid(GeoPoint p, const DatumRoute& route, ProcedureOutcome& outcome,
                             MessageSink& messages) {
    using Target = DatumRoute::Target;
    if (!route.known)
        return {};
    const GeoPoint grs80 = route.toGrs80 ? shiftedPoint(p, *route.toGrs80, outcome, messages) : p;
    switch (route.target) {
    case Target::Start:
        return {p, grs80};
    case Target::Grs80:
        return {grs80, grs80};
    case Target::Shifted:
        return {shiftedPoint(grs80, route.fromGrs80, outcome, messages), grs80};
    case Target::None:
        break;
    }
    return {std::nullopt, grs80};
}

DatumPoints pointOnEllipsoid(GeoPoint p, const std::string& start, const std::string& target,
                             ProcedureOutcome& outcome, MessageSink& messages) {
    return pointOnEllipsoid(p, datumRoute(start, target), outcome, messages);
}

ProcedureOutcome EllipsoideBerechnen(const std::string& latIn, const std::string& lonIn,
                                     const std::string& start, const std::string& target,
                                     Arbeitsvariablen& c, MessageSink& messages) {
    // The inputs may be working variables themselves, which the shifts
    // overwrite: then they are copied first.
    std::string latCopy, lonCopy;
    const bool inside = isWithin(c, latIn) || isWithin(c, lonIn);
    if (inside) {
        latCopy = latIn;
        lonCopy = lonIn;
    }
    const std::string& lat = inside ? latCopy : latIn;
    const std::string& lon = inside ? lonCopy : lonIn;
    ProcedureOutcome outcome;

    if (start == kGRS80) {
        if (target == kGRS80) {
            c.strBreiteGRS80 = lat;
            c.strLaengeGRS80 = lon;
        } else if (target == kBessel) {
            outcome += shiftThroughSlots(c, lat, lon, "GB", messages, c.strBreiteBessel,
                                         c.strLaengeBessel);
        } else if (target == kHayford) {
            outcome += shiftThroughSlots(c, lat, lon, "GH", messages, c.strBreiteHayford,
                                         c.strLaengeHayford);
        }
    } else if (start == kBessel) {
        outcome +=
            shiftThroughSlots(c, lat, lon, "BG", messages, c.strBreiteGRS80, c.strLaengeGRS80);
        // The second step only where its pair is read: the output reads the
        // target's pair alone, and the Hayford shift was a tenth of a
        // Gauss-Krueger line's cost.
        if (target == kHayford)
            outcome += shiftThroughSlots(c, c.strBreiteGRS80, c.strLaengeGRS80, "GH", messages,
                                         c.strBreiteHayford, c.strLaengeHayford);
        c.strBreiteBessel = lat;
        c.strLaengeBessel = lon;
    } else if (start == kHayford) {
        outcome +=
            shiftThroughSlots(c, lat, lon, "HG", messages, c.strBreiteGRS80, c.strLaengeGRS80);
        c.strBreiteHayford = lat;
        c.strLaengeHayford = lon;
        if (target == kBessel)
            outcome += shiftThroughSlots(c, c.strBreiteGRS80, c.strLaengeGRS80, "GB", messages,
                                         c.strBreiteBessel, c.strLaengeBessel);
    }
    return outcome;
}

} // namespace lw
