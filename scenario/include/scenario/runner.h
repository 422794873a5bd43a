// Plays scenario files against a program: each file gets a fresh program,
// its commands act on the real widgets, its checks are counted, and the run
// ends with the line "N passed, M failed".
#pragma once

#include "ui/platform.h"

#include <functional>
#include <istream>
#include <memory>
#include <ostream>
#include <string>

namespace lw::scenario {

// Whatever one file runs against: built over the file's recording platform,
// started (its first screen shown), and destroyed when the file ends.
class ProgramUnderTest {
public:
    virtual ~ProgramUnderTest() = default;
};

using ProgramFactory = std::function<std::unique_ptr<ProgramUnderTest>(ui::Platform&)>;

class Runner {
public:
    Runner(ProgramFactory factory, std::ostream& out);
    ~Runner();

    // Runs the file at `path`; FAIL lines name it as given.
    void runFile(const std::string& path);
    // Runs the commands read from `in`; FAIL lines name `fileName`.
    void runScript(const std::string& fileName, std::istream& in);

    int passed() const { return passed_; }
    int failed() const { return failed_; }

    // Writes the closing line and gives the exit status: 0 when nothing failed.
    int finish();

    // Output plumbing shared with the session of one file.
    void writeLine(const std::string& line);
    void pass() { ++passed_; }
    void fail(const std::string& file, int line, const std::string& expected,
              const std::string& found);

private:
    ProgramFactory factory_;
    std::ostream& out_;
    int passed_ = 0;
    int failed_ = 0;
};

} // namespace lw::scenario
