// Writing one latitude or longitude (decimal-degree text) into the geographic
// output masks, with hemisphere letter and zero-padded degrees.
#pragma once

#include "model/job.h"
#include "model/screen.h"

#include <string>

namespace lw {

void BreiteDezAusgeben(CalcScreen& screen, const std::string& lat);
void LaengeDezAusgeben(CalcScreen& screen, const std::string& lon);
void BreiteGMAusgeben(CalcScreen& screen, ProgramState& state, const std::string& lat);
void LaengeGMAusgeben(CalcScreen& screen, ProgramState& state, const std::string& lon);
void BreiteGMSAusgeben(CalcScreen& screen, ProgramState& state, const std::string& lat);
void LaengeGMSAusgeben(CalcScreen& screen, ProgramState& state, const std::string& lon);

} // namespace lw
