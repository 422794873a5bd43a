// The calculation driver: what "Berechnung" runs. One conversion of the point
// in the input mask: input stage (check, then decimal degrees on the start
// ellipsoid), datum stage, output stage (format or project into the output mask).
#pragma once

#include "model/job.h"
#include "model/screen.h"

namespace lw {

// "Berechnung": one run, or with the output "Alle Schreibweisen" one run per
// notation of the list.
void comRechnenClick(CalcScreen& screen, ProgramState& state);

// How one run of the driver ended.
enum class RunEnd {
    InputRefused, // the input's check or procedures refused it (and said why)
    NoOutput,     // the point has no place in the output notation (it was said why)
    Written,      // the result is on the screen
};

// One run for the job's target ellipsoid and output notation.
RunEnd runConversion(CalcScreen& screen, ProgramState& state);

} // namespace lw
