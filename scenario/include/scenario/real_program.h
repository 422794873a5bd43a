// The program itself as the scenario runner starts it for each file: a fresh
// program state, the real screens over the recording platform, started as at
// program start.
#pragma once

#include "scenario/runner.h"

namespace lw::scenario {

std::unique_ptr<ProgramUnderTest> startRealProgram(ui::Platform& platform);

} // namespace lw::scenario
