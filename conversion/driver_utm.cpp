// UTM rows of the driver: civil (format 4), military (5), reference (6).
#include "conversion/driver_stages.h"

#include "geodesy/utm.h"
#include "model/messages.h"
#include "procedures/procedures.h"
#include "text/numeric_fault.h"
#include "text/numtext.h"
#include "validation/validators.h"

#include <array>
#include <optional>

namespace lw {
namespace {

constexpr double kHalfTurnDeg = 180.0;
constexpr double kFullTurnDeg = 360.0;

// The same notation on the same ellipsoid needs no conversion: the input is
// shown as it stands. Across ellipsoids the point must go through the datum
// shift like any other conversion.
bool copiesInput(const ConversionJob& job) {
    return job.FormatAUS == job.FormatEIN && job.StartEllipsoid == job.ZielEllipsoid;
}

// Slots 1 to 3 hold easting, northing and zone: turn them into the point on
// the start ellipsoid.
InputResult pointFromCivilSlots(DriverRun& run) {
    Arbeitsvariablen& calc = run.calc();
    calc.strArg4 = utmEllipsoidText(run.job().StartEllipsoid);
    if (calc.strArg4.empty())
        return refused(); // no UTM on the start ellipsoid; the selection screen never offers it
    if (UTMnachGeo(calc.strArg1, calc.strArg2, calc.strArg3, calc.strArg4, run.out).failed)
        return failed();
    return point(calc.strArg4, calc.strArg3);
}

// Slots 1 to 7 hold zone, letters and the five digit pairs.
InputResult pointFromMilitarySlots(DriverRun& run) {
    Arbeitsvariablen& calc = run.calc();
    if (MILnachUTM(calc.strArg1, calc.strArg2, calc.strArg3, calc.strArg4, calc.strArg5,
                   calc.strArg6, calc.strArg7, run.out)
            .failed)
        return failed(); // the letters name no square; MILnachUTM has said so
    return pointFromCivilSlots(run);
}

// A latitude without a band letter lies in the polar grid, not in UTM.
OutputOutcome refuseOutsideUtm(DriverRun& run, double lat) {
    refuseOutput(run, std::string(lat > 0 ? kNorthOfUtmText : kSouthOfUtmText));
    return OutputOutcome::Ended;
}

constexpr std::array<Element, 5> kPairFields = {Element::tex10km, Element::tex1km, Element::tex100m,
                                                Element::tex10m, Element::tex1m};

// The copied military input: the easting digits of the five pairs, then their
// northing digits.
std::string copiedMilitaryText(const CalcScreen& screen) {
    std::string eastingDigits, northingDigits;
    for (Element field : kPairFields) {
        std::string pair = screen.text(field);
        if (pair.empty())
            continue;
        eastingDigits += pair.front();
        northingDigits += pair.back();
    }
    return screen.text(Element::texZoneM) + "  " + screen.text(Element::tex100km) + "  " +
           eastingDigits + northingDigits;
}

// The point in UTM of the target ellipsoid, as GeoNachUTM writes it; the
// outcome where the row has ended: no UTM on the ellipsoid (nothing to
// write), a point beyond UTM (refused), a failed projection.
struct UtmProjection {
    std::optional<OutputOutcome> ended;
    UtmTexts texts;
};

UtmProjection projectToUtm(DriverRun& run, const ResultPair& p) {
    const std::string ellipsoid = utmEllipsoidText(run.job().ZielEllipsoid);
    if (ellipsoid.empty())
        return {OutputOutcome::Written, {}}; // no UTM on this ellipsoid: nothing to write
    if (latitudeBand(singlePrecision(p.latDeg)) == '\0')
        return {refuseOutsideUtm(run, p.latDeg), {}};
    UtmProjection projection;
    try {
        projection.texts =
            utmTextsOf(longitudeWithinHalfTurn(p.lonDeg), p.latDeg, utmEllipsoid(ellipsoid));
    } catch (const NumericFault&) {
        projection.texts.projected = false;
    }
    if (!projection.texts.projected) {
        showComputationError(run.out);
        projection.ended = OutputOutcome::Failed;
    }
    return projection;
}

// The military text of a projected point, as UTMnachMIL writes it into
// slot 1 (zone, easting, northing in the order it takes them).
std::string militaryText(DriverRun& run, const UtmTexts& utm, ProcedureOutcome& outcome) {
    Arbeitsvariablen& calc = run.calc();
    calc.strArg1 = utm.zone;
    calc.strArg2 = utm.easting;
    calc.strArg3 = utm.northing;
    outcome += UTMnachMIL(calc.strArg1, calc.strArg2, calc.strArg3, run.out);
    return calc.strArg1;
}

} // namespace

double longitudeWithinHalfTurn(double lon) {
    if (lon > kHalfTurnDeg)
        return round15(lon - kFullTurnDeg);
    if (lon < -kHalfTurnDeg)
        return round15(lon + kFullTurnDeg);
    return lon;
}

InputResult utmCivilInput(DriverRun& run) {
    UTMZivilPruefen(run.screen, run.state);
    if (!run.calc().blnEingabeOK)
        return refused();
    if (copiesInput(run.job())) {
        run.out.setText(Element::texZone2, run.screen.text(Element::texZone));
        run.out.setText(Element::texRechts2, run.screen.text(Element::texRechts));
        run.out.setText(Element::texHoch2, run.screen.text(Element::texHoch));
        return copied();
    }
    Arbeitsvariablen& calc = run.calc();
    calc.strArg1 = run.screen.text(Element::texRechts);
    calc.strArg2 = run.screen.text(Element::texHoch);
    calc.strArg3 = run.screen.text(Element::texZone);
    return pointFromCivilSlots(run);
}

InputResult utmMilitaryInput(DriverRun& run) {
    UTMMilPruefen(run.screen, run.state);
    if (!run.calc().blnEingabeOK)
        return refused();
    if (copiesInput(run.job())) {
        run.out.setText(Element::texMilUTM, copiedMilitaryText(run.screen));
        return copied();
    }
    Arbeitsvariablen& calc = run.calc();
    calc.strArg1 = run.screen.text(Element::texZoneM);
    calc.strArg2 = run.screen.text(Element::tex100km);
    calc.strArg3 = run.screen.text(Element::tex10km);
    calc.strArg4 = run.screen.text(Element::tex1km);
    calc.strArg5 = run.screen.text(Element::tex100m);
    calc.strArg6 = run.screen.text(Element::tex10m);
    calc.strArg7 = run.screen.text(Element::tex1m);
    return pointFromMilitarySlots(run);
}

InputResult utmReferenceInput(DriverRun& run) {
    UTMRefPruefen(run.screen, run.state);
    if (!run.calc().blnEingabeOK)
        return refused();
    if (copiesInput(run.job())) {
        run.out.setText(Element::texREFAUS, run.screen.text(Element::texREFZone) + " " +
                                                run.screen.text(Element::texREF100) + " " +
                                                run.screen.text(Element::texREFZiffern));
        return copied();
    }
    Arbeitsvariablen& calc = run.calc();
    calc.strArg1 = run.screen.text(Element::texREFZone);
    calc.strArg2 = run.screen.text(Element::texREF100);
    calc.strArg3 = run.screen.text(Element::texREFZiffern);
    calc.strArg4.clear();
    calc.strArg5.clear();
    calc.strArg6.clear();
    calc.strArg7.clear();
    REFnachMIL(calc.strArg3, calc.strArg4, calc.strArg5, calc.strArg6, calc.strArg7);
    return pointFromMilitarySlots(run);
}

OutputOutcome utmCivilOutput(DriverRun& run, const ResultPair& p) {
    const UtmProjection utm = projectToUtm(run, p);
    if (utm.ended)
        return *utm.ended;
    run.out.setText(Element::texRechts2, utm.texts.easting);
    run.out.setText(Element::texHoch2, utm.texts.northing);
    run.out.setText(Element::texZone2, utm.texts.zone);
    return OutputOutcome::Written;
}

OutputOutcome utmMilitaryOutput(DriverRun& run, const ResultPair& p) {
    const UtmProjection utm = projectToUtm(run, p);
    if (utm.ended)
        return *utm.ended;
    ProcedureOutcome outcome;
    run.out.setText(Element::texMilUTM, militaryText(run, utm.texts, outcome));
    return written(outcome);
}

OutputOutcome utmReferenceOutput(DriverRun& run, const ResultPair& p) {
    const UtmProjection utm = projectToUtm(run, p);
    if (utm.ended)
        return *utm.ended;
    ProcedureOutcome outcome;
    Arbeitsvariablen& calc = run.calc();
    calc.strArg1 = militaryText(run, utm.texts, outcome);
    outcome += MILnachREF(calc.strArg1, run.out);
    run.out.setText(Element::texREFAUS, calc.strArg1);
    return written(outcome);
}

} // namespace lw
