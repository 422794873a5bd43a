#include "lists/job_task.h"

#include "conversion/datum_stage.h"
#include "model/notations.h"

#include <cctype>

namespace lw::lists {
namespace {

// The command line names an ellipsoid by its job name in lower case.
std::optional<std::string> ellipsoidName(const std::string& jobName) {
    std::string lower;
    for (char c : jobName)
        lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (std::string_view name : ellipsoidNames())
        if (name == lower)
            return lower;
    return std::nullopt;
}

} // namespace

std::optional<TaskNames> taskOfJob(const ConversionJob& job, const std::string& zone,
                                   const std::string& strip) {
    const Notation* in = notationOf(job.FormatEIN);
    const Notation* out = notationOf(job.FormatAUS);
    const std::optional<std::string> start = ellipsoidName(job.StartEllipsoid);
    const std::optional<std::string> target = ellipsoidName(job.ZielEllipsoid);
    if (!in || !out || !start || !target)
        return std::nullopt;
    TaskNames task;
    task.startEllipsoid = *start;
    task.startNotation = in->names.shortName;
    task.targetEllipsoid = *target;
    task.targetNotation = out->names.shortName;
    task.official = job.Amtlich && officialDatumOffered(job.StartEllipsoid, job.ZielEllipsoid);
    if (out->outputChoice == Element::texZoneWahl)
        task.zone = zone;
    if (out->outputChoice == Element::texStreifenWahl)
        task.strip = strip;
    return task;
}

} // namespace lw::lists
