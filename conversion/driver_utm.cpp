// UTM rows of the driver: civil (format 4), military (5), reference (6).
#include "conversion/driver_stages.h"

#include "model/messages.h"
#include "procedures/procedures.h"
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

// A longitude beyond +-180 (the datum shift or 180 deg 30' E typed in
// degrees/minutes) is the same meridian one turn back.
std::string longitudeWithinHalfTurn(const std::string& lon) {
    double value = readNumber(lon);
    if (value > kHalfTurnDeg)
        return plainTextTrimmed(value - kFullTurnDeg);
    if (value < -kHalfTurnDeg)
        return plainTextTrimmed(value + kFullTurnDeg);
    return lon;
}

// A latitude without a band letter lies in the polar grid, not in UTM.
OutputOutcome refuseOutsideUtm(DriverRun& run, const std::string& lat) {
    refuseOutput(run, std::string(readNumber(lat) > 0 ? kNorthOfUtmText : kSouthOfUtmText));
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

// The point in UTM of the target ellipsoid, in the slots as GeoNachUTM
// leaves them (easting, northing, zone); nullopt where the row has ended:
// no UTM on the ellipsoid (nothing to write) or a point beyond UTM (refused).
std::optional<OutputOutcome> projectToUtm(DriverRun& run, const ResultPair& p,
                                          ProcedureOutcome& outcome) {
    std::string ellipsoid = utmEllipsoidText(run.job().ZielEllipsoid);
    if (ellipsoid.empty())
        return OutputOutcome::Written; // no UTM on this ellipsoid: nothing to write
    if (BreitenBand(p.lat).empty())
        return refuseOutsideUtm(run, p.lat);
    Arbeitsvariablen& calc = run.calc();
    calc.strArg1 = longitudeWithinHalfTurn(p.lon);
    calc.strArg2 = p.lat;
    calc.strArg3 = ellipsoid;
    outcome = GeoNachUTM(calc.strArg1, calc.strArg2, calc.strArg3, run.out);
    return std::nullopt;
}

// The slots as UTMnachMIL leaves them: the military text in slot 1.
void toMilitary(DriverRun& run, ProcedureOutcome& outcome) {
    Arbeitsvariablen& calc = run.calc();
    // Zone, easting, northing in the order UTMnachMIL takes them.
    std::string easting = calc.strArg1;
    calc.strArg1 = calc.strArg3;
    calc.strArg3 = calc.strArg2;
    calc.strArg2 = easting;
    outcome += UTMnachMIL(calc.strArg1, calc.strArg2, calc.strArg3, run.out);
}

} // namespace

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
    ProcedureOutcome outcome;
    if (const auto ended = projectToUtm(run, p, outcome))
        return *ended;
    const Arbeitsvariablen& calc = run.calc();
    run.out.setText(Element::texRechts2, calc.strArg1);
    run.out.setText(Element::texHoch2, calc.strArg2);
    run.out.setText(Element::texZone2, calc.strArg3);
    return written(outcome);
}

OutputOutcome utmMilitaryOutput(DriverRun& run, const ResultPair& p) {
    ProcedureOutcome outcome;
    if (const auto ended = projectToUtm(run, p, outcome))
        return *ended;
    toMilitary(run, outcome);
    run.out.setText(Element::texMilUTM, run.calc().strArg1);
    return written(outcome);
}

OutputOutcome utmReferenceOutput(DriverRun& run, const ResultPair& p) {
    ProcedureOutcome outcome;
    if (const auto ended = projectToUtm(run, p, outcome))
        return *ended;
    toMilitary(run, outcome);
    Arbeitsvariablen& calc = run.calc();
    outcome += MILnachREF(calc.strArg1, run.out);
    run.out.setText(Element::texREFAUS, calc.strArg1);
    return written(outcome);
}

} // namespace lw
