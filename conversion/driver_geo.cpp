// Geographic rows of the driver: decimal degrees, degrees/minutes,
// degrees/minutes/seconds.
#include "conversion/driver_stages.h"

#include "conversion/result_display.h"
#include "procedures/angletext.h"
#include "validation/validators.h"

namespace lw {
namespace {

std::string withSign(const std::string& text, bool negative) {
    return negative ? "-" + text : text;
}

} // namespace

// Decimal degrees. The hemisphere goes onto the values here, before the datum
// stage, as for the other two notations: the datum shift must be computed at
// the point itself, not at its mirror image in the other hemisphere.
InputResult decimalInput(DriverRun& run) {
    if (!GradDezimalPruefen(run.screen))
        return refused();
    return point(
        withSign(run.screen.text(Element::texBreite), run.screen.isChecked(Element::optDezS)),
        withSign(run.screen.text(Element::texLaenge), run.screen.isChecked(Element::optDezW)));
}

InputResult degreesMinutesInput(DriverRun& run) {
    if (!GradMinutenPruefen(run.screen))
        return refused();
    Arbeitsvariablen& calc = run.calc();
    calc.strArg1 = run.screen.text(Element::texBreiteGrad);
    calc.strArg2 = run.screen.text(Element::texBreiteMinute);
    ProcedureOutcome outcome = GMnachDezimal(calc.strArg1, calc.strArg2, run.out);
    std::string lat = withSign(calc.strArg1, run.screen.isChecked(Element::optGMS));
    calc.strArg1 = run.screen.text(Element::texLaengeGrad);
    calc.strArg2 = run.screen.text(Element::texLaengeMinute);
    outcome += GMnachDezimal(calc.strArg1, calc.strArg2, run.out);
    std::string lon = withSign(calc.strArg1, run.screen.isChecked(Element::optGMW));
    return outcome.failed ? failed() : point(lat, lon);
}

InputResult degreesMinutesSecondsInput(DriverRun& run) {
    if (!GradMinSekPruefen(run.screen))
        return refused();
    Arbeitsvariablen& calc = run.calc();
    calc.strArg1 = run.screen.text(Element::texBGrad);
    calc.strArg2 = run.screen.text(Element::texBMinute);
    calc.strArg3 = run.screen.text(Element::texBSekunde);
    ProcedureOutcome outcome = GMSnachDezimal(calc.strArg1, calc.strArg2, calc.strArg3, run.out);
    std::string lat = withSign(calc.strArg1, run.screen.isChecked(Element::optGradS));
    calc.strArg1 = run.screen.text(Element::texLGrad);
    calc.strArg2 = run.screen.text(Element::texLMinute);
    calc.strArg3 = run.screen.text(Element::texLSekunde);
    outcome += GMSnachDezimal(calc.strArg1, calc.strArg2, calc.strArg3, run.out);
    std::string lon = withSign(calc.strArg1, run.screen.isChecked(Element::optGradW));
    return outcome.failed ? failed() : point(lat, lon);
}

OutputOutcome decimalOutput(DriverRun& run, const ResultPair& p) {
    BreiteDezAusgeben(run.out, p.latDeg);
    LaengeDezAusgeben(run.out, p.lonDeg);
    return OutputOutcome::Written;
}

OutputOutcome degreesMinutesOutput(DriverRun& run, const ResultPair& p) {
    ProcedureOutcome outcome = BreiteGMAusgeben(run.out, p.latDeg);
    outcome += LaengeGMAusgeben(run.out, p.lonDeg);
    return written(outcome);
}

OutputOutcome degreesMinutesSecondsOutput(DriverRun& run, const ResultPair& p) {
    ProcedureOutcome outcome = BreiteGMSAusgeben(run.out, p.latDeg);
    outcome += LaengeGMSAusgeben(run.out, p.lonDeg);
    return written(outcome);
}

} // namespace lw
