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

// The same for a value as the driver's stages hand it on (south and west
// negative; "-0" counts as negative, as its text would). They leave the
// argument slots alone.
void BreiteDezAusgeben(CalcScreen& screen, double lat);
void LaengeDezAusgeben(CalcScreen& screen, double lon);
ProcedureOutcome BreiteGMAusgeben(CalcScreen& screen, double lat);
ProcedureOutcome LaengeGMAusgeben(CalcScreen& screen, double lon);
ProcedureOutcome BreiteGMSAusgeben(CalcScreen& screen, double lat);
ProcedureOutcome LaengeGMSAusgeben(CalcScreen& screen, double lon);

// The texts the last two show, written straight into the caller's texts,
// which keep their room from point to point (a list writes one a line):
// false where the value faults.
bool writeLatitudeDms(double lat, std::string& degrees, std::string& minutes, std::string& seconds);
bool writeLongitudeDms(double lon, std::string& degrees, std::string& minutes,
                       std::string& seconds);

} // namespace lw
