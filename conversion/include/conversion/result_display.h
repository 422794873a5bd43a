// Writing one latitude or longitude (decimal-degree text) into the geographic
// output masks, with hemisphere letter and zero-padded degrees.
#pragma once

#include "model/job.h"
#include "model/screen.h"
#include "procedures/outcome.h"

#include <string>

namespace lw {

void BreiteDezAusgeben(CalcScreen& screen, const std::string& lat);
void LaengeDezAusgeben(CalcScreen& screen, const std::string& lon);
// These four split the angle with DezimalNachGM(S) and report its outcome.
ProcedureOutcome BreiteGMAusgeben(CalcScreen& screen, ProgramState& state, const std::string& lat);
ProcedureOutcome LaengeGMAusgeben(CalcScreen& screen, ProgramState& state, const std::string& lon);
ProcedureOutcome BreiteGMSAusgeben(CalcScreen& screen, ProgramState& state, const std::string& lat);
ProcedureOutcome LaengeGMSAusgeben(CalcScreen& screen, ProgramState& state, const std::string& lon);

} // namespace lw
