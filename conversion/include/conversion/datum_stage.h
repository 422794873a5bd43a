// The datum stage of the calculation driver, and the accuracy line that goes
// with its result.
//
// By default the point is carried between the ellipsoids by the
// three-parameter Molodensky shifts through GRS80. For a Bessel (DHDN) <->
// GRS80 (ETRS89) job the user may choose the official transformation through
// the BeTA2007 grid instead (ConversionJob::Amtlich); only the datum step
// changes, every input and output notation stays as it is.
#pragma once

#include "conversion/driver_run.h"
#include "geodesy/datum.h"
#include "procedures/outcome.h"

#include <optional>
#include <string>
#include <string_view>

namespace lw {

// The messages of the official transformation.
inline constexpr const char* kGridMissingText =
    "Das Gitter BETA2007.gsb wurde nicht gefunden (Paket proj-data).";
// Beyond the grid the user is told what is left to do.
inline constexpr const char* kOutsideGridText =
    "Der Punkt liegt außerhalb des Gebiets der amtlichen Umrechnung BeTA2007.\r\n"
    "Ohne das Häkchen rechnet Lagewandler mit der Näherung nach Molodensky, etwa 3 m genau.";

// Whether the official transformation can be chosen for this pair of start
// and target ellipsoid: DHDN -> ETRS89 or ETRS89 -> DHDN.
bool officialDatumOffered(const std::string& startEllipsoid, const std::string& targetEllipsoid);

// The point on the job's target ellipsoid from the point on its start
// ellipsoid, as the stages hand points on; none where the job has no target.
// A point the official transformation cannot take is refused with a message
// box, which ends the run without output.
ProcedureOutcome datumStage(DriverRun& run, GeoPoint start, std::optional<GeoPoint>& target);

// The line labGenauigkeit shows with a result of this job: how exact the
// datum step is, and for the military and reference notations what their
// digits mean. Empty when there is nothing to say.
std::string_view genauigkeitsText(const ConversionJob& job);

// Whether the job takes the official transformation (BeTA2007) between its
// ellipsoids.
bool usesOfficialDatum(const ConversionJob& job);

} // namespace lw
