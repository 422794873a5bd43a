#include "conversion/result_line.h"

#include "model/job.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lw {
namespace {

struct LineCase {
    int format;
    std::vector<std::string> fields; // the output fields' texts in reading order
    const char* line;
};

TEST(ResultLine, OneLineWithSingleBlanksPerNotation) {
    const LineCase cases[] = {
        {kGradDezimal, {"N48.436333", "E009.967967"}, "N48.436333 E009.967967"},
        {kGradMinuten, {"N48", "26.179960", "E009", "58.078035"}, "N48 26.179960 E009 58.078035"},
        {kGradMinSek, {"N48", "26", "10.80", "E009", "58", "4.68"}, "N48 26 10.80 E009 58 4.68"},
        {kUTMzivil, {"32U", "0571595", "5365251"}, "32U 0571595 5365251"},
        {kUTMmil, {"32U  NU  76.15.52.95.51"}, "32U NU 76.15.52.95.51"},
        {kUTMref, {"32U  NU  7159565251"}, "32U NU 7159565251"},
        {kGaussKrueger, {"3571686.39", "5540758.79", "E009°"}, "R 3571686.39 H 5540758.79 E009°"},
        {kGaussKrueger, {"3571686,39", "5540758,79", "E009°"}, "R 3571686,39 H 5540758,79 E009°"},
        // A copied input keeps the blank the user typed in front of it.
        {kGradDezimal, {" 48.5", "9.5 "}, "48.5 9.5"},
        // The empty output mask gives nothing to copy.
        {kGradMinSek, {"", "", "", "", "", ""}, ""},
        {kGaussKrueger, {"", " ", ""}, ""},
        {kUTMmil, {""}, ""},
    };
    for (const LineCase& c : cases)
        EXPECT_EQ(resultLine(c.format, c.fields), c.line) << "format " << c.format;
}

TEST(ResultLine, FieldsOfEachOutputMask) {
    EXPECT_EQ(outputMaskFields(kGradMinSek).size(), 6u);
    EXPECT_EQ(outputMaskFields(kGaussKrueger).back(), Element::texMeridianAUS);
    EXPECT_TRUE(outputMaskFields(kKeinFormat).empty());
    EXPECT_TRUE(outputMaskFields(8).empty());
}

} // namespace
} // namespace lw
