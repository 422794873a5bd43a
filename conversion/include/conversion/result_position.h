// Where the point of the input mask lies on GRS80 (WGS 84), for the line
// that says in words where a result lies.
//
// A run's outcome carries it where the run converted its input; an input
// copied into an output of its own notation and ellipsoid is never turned
// into degrees, and a run that ended without a result says nothing. So the
// input is converted once more, to decimal degrees on GRS80 with the
// Molodensky shift (the official one may refuse a point beyond its grid
// that the job itself, without a shift, takes; for a place named to 100 m
// its few metres do not count).
#pragma once

#include "geodesy/datum.h"
#include "model/job.h"
#include "model/screen.h"

#include <optional>

namespace lw {

// The position, degrees south and west negative; nullopt when the input
// mask holds nothing that converts. Reads `screen` and never writes it:
// no text, message or sound of this run reaches it.
std::optional<GeoPoint> grs80PositionOfInput(const MaskView& screen, const ProgramState& state);

} // namespace lw
