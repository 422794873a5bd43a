// Checks shared by the fuzz targets: a violated invariant aborts, so that
// libFuzzer keeps the input that caused it.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

namespace lw::fuzz {

[[noreturn]] inline void fail(const char* what, const std::string& detail) {
    std::fprintf(stderr, "invariant violated: %s: \"%s\"\n", what, detail.c_str());
    std::abort();
}

inline void require(bool ok, const char* what, const std::string& detail = {}) {
    if (!ok)
        fail(what, detail);
}

// A text the program shows must never carry a non-number or an exponent.
inline bool looksGarbled(const std::string& s) {
    for (const char* bad : {"nan", "NaN", "inf", "Inf", "e+", "E+", "e-", "E-"})
        if (s.find(bad) != std::string::npos)
            return true;
    return false;
}

} // namespace lw::fuzz
