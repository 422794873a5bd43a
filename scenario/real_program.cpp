#include "scenario/real_program.h"

#include "model/job.h"
#include "ui/program.h"

namespace lw::scenario {
namespace {

class RealProgram : public ProgramUnderTest {
public:
    explicit RealProgram(ui::Platform& platform) : program_(state_, platform) { program_.start(); }

private:
    ProgramState state_; // outlives the program built over it
    ui::Program program_;
};

} // namespace

std::unique_ptr<ProgramUnderTest> startRealProgram(ui::Platform& platform) {
    return std::make_unique<RealProgram>(platform);
}

} // namespace lw::scenario
