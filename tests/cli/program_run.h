// Runs lagewandler-liste as a shell does, for the tests of the program.
#pragma once

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

namespace lw::lists::testing {

struct ProgramRun {
    int status;
    std::string out, err;
};

inline std::string slurp(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// Runs the program with `arguments` (shell words) and `input` on standard
// input; `environment` (shell words) goes before it.
inline ProgramRun run(const std::string& arguments, const std::string& input,
                      const std::string& environment = "") {
    // CTest runs the tests side by side: each its own files.
    const std::string dir = ::testing::TempDir() + "liste-" + std::to_string(::getpid()) + "-";
    const std::string in = dir + "in.txt", out = dir + "out.txt", err = dir + "err.txt";
    std::ofstream(in, std::ios::binary) << input;
    const std::string command = "LC_ALL=C " + environment + " " + LW_TEST_LISTE + " " + arguments +
                                " <" + in + " >" + out + " 2>" + err;
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, slurp(out), slurp(err)};
}

} // namespace lw::lists::testing
