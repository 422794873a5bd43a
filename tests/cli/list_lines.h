// Lines through the list converter as a test states them: the task, then
// each input line with the output line it must give.
#pragma once

#include "lists/list.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace lw::lists::testing {

inline Options task(const char* from, const char* fromNotation, const char* to,
                    const char* toNotation) {
    Options options;
    options.task = {from, fromNotation, to, toNotation, false, {}, {}};
    return options;
}

struct Line {
    const char* in;
    const char* out;
    // Whether the line counts as converted; unstated: unless it says FEHLER.
    std::optional<bool> converted = std::nullopt;
};

// Each line through one list of the task, in order: a refusal must not
// disturb the lines after it.
inline void expectLines(const Options& options, const std::vector<Line>& lines,
                        const char* decimalSeparator = ".") {
    ListConverter list(options, decimalSeparator);
    std::string out;
    for (const Line& line : lines) {
        const bool converted =
            line.converted.value_or(std::string(line.out).find("FEHLER: ") == std::string::npos);
        EXPECT_EQ(list.convertLine(line.in, out), converted) << line.in;
        EXPECT_EQ(out, line.out) << line.in;
    }
}

} // namespace lw::lists::testing
