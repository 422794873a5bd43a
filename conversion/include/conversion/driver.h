// The calculation driver: what "Berechnung" runs. One conversion of the point
// in the input mask: input stage (check, then decimal degrees on the start
// ellipsoid), datum stage, output stage (format or project into the output mask).
#pragma once

#include "conversion/point_outcome.h"
#include "model/job.h"
#include "model/screen.h"

namespace lw {

// "Berechnung": one run, or with the output "Alle Schreibweisen" one run per
// notation of the list.
void comRechnenClick(CalcScreen& screen, ProgramState& state);

// One run for the job's target ellipsoid and output notation, on the texts
// and options of `mask`: how it ended and what it does to the screen. The
// run may change `state` (working variables; the Gauss-Krueger zone check
// takes target and output format from the job).
PointOutcome convertPoint(const MaskView& mask, ProgramState& state);
// The same into `outcome`, whose room is kept from run to run (a list).
void convertPoint(const MaskView& mask, ProgramState& state, PointOutcome& outcome);

// convertPoint on the screen's mask, its steps taken on the screen.
RunEnd runConversion(CalcScreen& screen, ProgramState& state);

} // namespace lw
