#include "conversion/result_position.h"

#include "conversion/driver.h"
#include "model/notations.h"

namespace lw {
namespace {

ConversionJob toGrs80Degrees(ConversionJob job) {
    job.ZielEllipsoid = kGRS80;
    job.FormatAUS = kGradDezimal;
    job.Aufgabe = taskCode(job.FormatEIN, kGradDezimal);
    job.EllipsoidPaar = std::string{job.EllipsoidPaar.empty() ? '?' : job.EllipsoidPaar[0], 'A'};
    job.Amtlich = false;
    return job;
}

} // namespace

std::optional<GeoPoint> grs80PositionOfInput(const MaskView& screen, const ProgramState& state) {
    ProgramState run{toGrs80Degrees(state.job), state.calc};
    const PointOutcome outcome = convertPoint(InputMask(screen), run);
    if (outcome.end != RunEnd::Written)
        return std::nullopt;
    return outcome.grs80;
}

} // namespace lw
