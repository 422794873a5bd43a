// The input and output rows of the calculation driver, one pair per notation
// (geographic in driver_geo.cpp, UTM in driver_utm.cpp, Gauss-Krueger and UTM
// amtlich in driver_gk.cpp and driver_amtlich.cpp).
#pragma once

#include "conversion/driver_run.h"
#include "geodesy/datum.h"
#include "procedures/outcome.h"

#include <string>

namespace lw {

// What an input row leaves for the rest of the run.
enum class InputOutcome {
    Refused, // the check refused the input (it has said why): nothing more
    Failed,  // a conversion procedure refused the input: the run ends without output
    Copied,  // input and output notation and ellipsoid agree: the input was
             // copied into the output mask, no datum or output stage
    Point,   // the point on the start ellipsoid, for the datum stage
};

// The point in decimal degrees (south and west negative) as the stages hand
// it on: each value as the text between two procedures reads back, so that
// every later digit is the one the texts gave.
struct InputResult {
    InputOutcome outcome = InputOutcome::Refused;
    GeoPoint point{};
};

inline InputResult refused() {
    return {};
}
inline InputResult failed() {
    return {InputOutcome::Failed, {}};
}
inline InputResult copied() {
    return {InputOutcome::Copied, {}};
}
inline InputResult point(double lat, double lon) {
    return {InputOutcome::Point, {lat, lon}};
}
// The point of two texts, as the datum stage reads them.
InputResult point(const std::string& lat, const std::string& lon);

// What an output row did.
enum class OutputOutcome {
    Written, // the output texts are held back in run.out, ready to commit
    Ended,   // the point has no place in the output notation; the row has
             // cleared the output and told the user
    Failed,  // a conversion procedure failed (it has told the user): the run
             // ends without output
};

// An output row whose procedures ran: written, unless one of them failed.
inline OutputOutcome written(const ProcedureOutcome& procedures) {
    return procedures.failed ? OutputOutcome::Failed : OutputOutcome::Written;
}

// The target ellipsoid's point, handed on as InputResult's.
using ResultPair = GeoPoint;

// One input row and one output row per notation; the driver lists them in
// the notation table's order (kRows in driver.cpp).
InputResult decimalInput(DriverRun& run);
InputResult degreesMinutesInput(DriverRun& run);
InputResult degreesMinutesSecondsInput(DriverRun& run);
InputResult utmCivilInput(DriverRun& run);
InputResult utmMilitaryInput(DriverRun& run);
InputResult utmReferenceInput(DriverRun& run);
InputResult gaussKruegerInput(DriverRun& run);
InputResult amtlichInput(DriverRun& run);

// A longitude beyond +-180 (the datum shift or 180 deg 30' E typed in
// degrees/minutes) is the same meridian one turn back, handed on as text.
double longitudeWithinHalfTurn(double lon);

// Whether UTM amtlich has the latitude: from the equator up to 84 deg north.
bool withinUtmAmtlich(GeoPoint p);

OutputOutcome decimalOutput(DriverRun& run, const ResultPair& p);
OutputOutcome degreesMinutesOutput(DriverRun& run, const ResultPair& p);
OutputOutcome degreesMinutesSecondsOutput(DriverRun& run, const ResultPair& p);
OutputOutcome utmCivilOutput(DriverRun& run, const ResultPair& p);
OutputOutcome utmMilitaryOutput(DriverRun& run, const ResultPair& p);
OutputOutcome utmReferenceOutput(DriverRun& run, const ResultPair& p);
OutputOutcome gaussKruegerOutput(DriverRun& run, const ResultPair& p);
OutputOutcome amtlichOutput(DriverRun& run, const ResultPair& p);

} // namespace lw
