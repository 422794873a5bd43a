// The task of the calculation screen in the names of the list converter, so
// that a list in the window is converted as `lagewandler-liste` converts it
// for the same task.
#pragma once

#include "lists/engine.h"
#include "model/job.h"

#include <optional>
#include <string>

namespace lw::lists {

// The job's ellipsoids and notations by their command-line names, the
// official transformation where the job's pair offers it, and the neighbour
// zone or strip typed beside the output ("" for the point's own). nullopt
// for a job no list converts ("Alle Schreibweisen", no task yet).
std::optional<TaskNames> taskOfJob(const ConversionJob& job, const std::string& zone,
                                   const std::string& strip);

} // namespace lw::lists
