#include "conversion/driver.h"

#include "conversion/datum_stage.h"
#include "conversion/driver_stages.h"
#include "procedures/procedures.h"
#include "text/numeric_fault.h"

#include <optional>

namespace lw {
namespace {

InputResult inputStage(DriverRun& run) {
    int format = run.job().FormatEIN;
    switch (format) {
    case kGradDezimal:
    case kGradMinuten:
    case kGradMinSek:
        return geographicInput(run, format);
    case kUTMzivil:
    case kUTMmil:
    case kUTMref:
        return utmInput(run, format);
    case kGaussKrueger:
        return gaussKruegerInput(run);
    default:
        return refused();
    }
}

// The target ellipsoid's result pair, which the datum stage has just filled;
// none when the job has no target (the Gauss-Krueger zone check may have
// taken it away).
std::optional<ResultPair> targetPair(DriverRun& run) {
    const std::string& target = run.job().ZielEllipsoid;
    const Arbeitsvariablen& calc = run.calc();
    if (target == kGRS80)
        return ResultPair{calc.strBreiteGRS80, calc.strLaengeGRS80};
    if (target == kBessel)
        return ResultPair{calc.strBreiteBessel, calc.strLaengeBessel};
    if (target == kHayford)
        return ResultPair{calc.strBreiteHayford, calc.strLaengeHayford};
    return std::nullopt;
}

OutputOutcome outputStage(DriverRun& run, const ResultPair& p) {
    int format = run.job().FormatAUS;
    switch (format) {
    case kGradDezimal:
    case kGradMinuten:
    case kGradMinSek:
        return geographicOutput(run, format, p);
    case kUTMzivil:
    case kUTMmil:
    case kUTMref:
        return utmOutput(run, format, p);
    case kGaussKrueger:
        return gaussKruegerOutput(run, p);
    default:
        return OutputOutcome::Written; // no output format: nothing to write
    }
}

// Input, datum and output stage. Returns false when a procedure failed on the
// way (it has told the user), so that the run must end without output.
bool convert(DriverRun& run) {
    InputResult input = inputStage(run);
    if (input.outcome == InputOutcome::Failed)
        return false;
    if (input.outcome == InputOutcome::Refused)
        return true; // the check has said why; nothing more to do
    if (input.outcome == InputOutcome::Point) {
        if (datumStage(run, input.lat, input.lon).failed)
            return false;
        std::optional<ResultPair> p = targetPair(run);
        if (!p)
            return true;
        const OutputOutcome output = outputStage(run, *p);
        if (output == OutputOutcome::Failed)
            return false;
        if (output == OutputOutcome::Ended)
            return true;
    }
    run.out.setText(Element::labGenauigkeit, genauigkeitsText(run.job()));
    run.out.commit();
    return true;
}

// A failed run leaves no result behind: the output mask is emptied, and so is
// the meridian that Gauss-Krueger input shows beside the input.
void endFailedRun(DriverRun& run) {
    run.out.AusgabeReset();
    if (run.job().FormatEIN == kGaussKrueger)
        run.screen.setText(Element::texMeridian, std::string());
}

} // namespace

void comRechnenClick(CalcScreen& screen, ProgramState& state) {
    DriverRun run(screen, state);
    try {
        if (!convert(run))
            endFailedRun(run);
    } catch (const NumericFault&) {
        // A numeric fault in a step without a handler of its own (rounding,
        // fixed-decimal formatting, the output procedures): the same message
        // as the procedures show, and no result. Anything else (no memory, a
        // broken invariant) is no fault of the input and ends the program.
        showComputationError(screen);
        endFailedRun(run);
    }
}

} // namespace lw
