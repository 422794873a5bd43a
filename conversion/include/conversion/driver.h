// The calculation driver: what "Berechnung" runs. One conversion of the point
// in the input mask: input stage (check, then decimal degrees on the start
// ellipsoid), datum stage, output stage (format or project into the output mask).
#pragma once

#include "model/job.h"
#include "model/screen.h"

namespace lw {

void comRechnenClick(CalcScreen& screen, ProgramState& state);

} // namespace lw
