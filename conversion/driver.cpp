#include "conversion/driver.h"

#include "conversion/all_notations.h"
#include "conversion/datum_stage.h"
#include "conversion/driver_stages.h"
#include "conversion/notation_rows.h"
#include "model/notations.h"
#include "procedures/procedures.h"
#include "text/numeric_fault.h"
#include "text/numtext.h"

#include <optional>

namespace lw {
namespace {

InputResult inputStage(DriverRun& run) {
    const int format = run.job().FormatEIN;
    const NotationRows* rows = notationRowsOf(format);
    return rows ? rows->input(run) : refused();
}

OutputOutcome outputStage(DriverRun& run, const ResultPair& p) {
    const int format = run.job().FormatAUS;
    const NotationRows* rows = notationRowsOf(format);
    // No output format (the zone check may have taken it): nothing to write.
    return rows ? rows->output(run, p) : OutputOutcome::Written;
}

// How the stages ended: where the run stopped, and whether a procedure
// failed on the way (it has told the user), so that the run must end without
// output.
struct StagesEnd {
    RunEnd end;
    bool failed = false;
};

// Input, datum and output stage. `inputDone` is set once the input has passed
// its check and its procedures, so that a caller can tell a refused input
// from a point the output notation cannot show.
StagesEnd convert(DriverRun& run, bool& inputDone) {
    InputResult input = inputStage(run);
    if (input.outcome == InputOutcome::Failed)
        return {RunEnd::InputRefused, true};
    if (input.outcome == InputOutcome::Refused)
        return {RunEnd::InputRefused}; // the check has said why; nothing more to do
    inputDone = true;
    if (input.outcome == InputOutcome::Point) {
        // No target point where the job has no target (the Gauss-Krueger
        // zone check may have taken it away).
        std::optional<ResultPair> p;
        if (datumStage(run, input.point, p).failed)
            return {RunEnd::NoOutput, true};
        if (!p)
            return {RunEnd::NoOutput};
        run.target = p;
        const OutputOutcome output = outputStage(run, *p);
        if (output == OutputOutcome::Failed)
            return {RunEnd::NoOutput, true};
        if (output == OutputOutcome::Ended)
            return {RunEnd::NoOutput};
    }
    const std::string_view accuracy = genauigkeitsText(run.job());
    if (run.accuracyNote.empty())
        run.record.hold(Element::labGenauigkeit, accuracy);
    else
        run.out.setText(Element::labGenauigkeit,
                        std::string(accuracy) + (accuracy.empty() ? "" : ". ") + run.accuracyNote);
    run.record.commit();
    return {RunEnd::Written};
}

// A failed run leaves no result behind: the output mask is emptied, and so is
// the meridian that Gauss-Krueger input shows beside the input.
void endFailedRun(DriverRun& run) {
    run.out.AusgabeReset();
    if (run.job().FormatEIN == kGaussKrueger)
        run.screen.setText(Element::texMeridian, std::string());
}

} // namespace

InputResult point(const std::string& lat, const std::string& lon) {
    return point(readNumber(lat), readNumber(lon));
}

PointOutcome convertPoint(const MaskView& mask, ProgramState& state) {
    PointOutcome outcome;
    convertPoint(mask, state, outcome);
    return outcome;
}

void convertPoint(const MaskView& mask, ProgramState& state, PointOutcome& outcome) {
    outcome.steps.clear();
    outcome.end = RunEnd::InputRefused;
    outcome.grs80.reset();
    outcome.target.reset();
    DriverRun run(mask, state, outcome);
    bool inputDone = false;
    try {
        const StagesEnd stages = convert(run, inputDone);
        if (stages.failed)
            endFailedRun(run);
        outcome.end = stages.end;
        outcome.grs80 = run.grs80;
        outcome.target = run.target;
    } catch (const NumericFault&) {
        // A numeric fault in a step without a handler of its own (rounding,
        // fixed-decimal formatting, the output procedures): the same message
        // as the procedures show, and no result. Anything else (no memory, a
        // broken invariant) is no fault of the input and ends the program.
        showComputationError(run.screen);
        endFailedRun(run);
        outcome.end = inputDone ? RunEnd::NoOutput : RunEnd::InputRefused;
    }
}

RunEnd runConversion(CalcScreen& screen, ProgramState& state) {
    const PointOutcome outcome = convertPoint(screen, state);
    carryOut(screen, outcome);
    return outcome.end;
}

void comRechnenClick(CalcScreen& screen, ProgramState& state) {
    if (state.job.FormatAUS == kAlleSchreibweisen)
        alleSchreibweisenBerechnen(screen, state);
    else
        runConversion(screen, state);
}

} // namespace lw
