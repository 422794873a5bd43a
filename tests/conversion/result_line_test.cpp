#include "conversion/result_line.h"

#include "model/job.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lw {
namespace {

struct LineCase {
    int format;
    const char* ellipsoid;           // the target's job name
    std::vector<std::string> fields; // the output fields' texts in reading order
    std::string line;
};

TEST(ResultLine, OneLineWithSingleBlanksPerNotation) {
    const LineCase cases[] = {
        {kGradDezimal, kGRS80, {"N48.436333", "E009.967967"}, "N48.436333 E009.967967"},
        {kGradMinuten,
         kGRS80,
         {"N48", "26.179960", "E009", "58.078035"},
         "N48 26.179960 E009 58.078035"},
        {kGradMinSek,
         kGRS80,
         {"N48", "26", "10.80", "E009", "58", "4.68"},
         "N48 26 10.80 E009 58 4.68"},
        {kUTMzivil, kGRS80, {"32U", "0571595", "5365251"}, "32U 0571595 5365251"},
        {kUTMmil, kGRS80, {"32U  NU  76.15.52.95.51"}, "32U NU 76.15.52.95.51"},
        {kUTMref, kGRS80, {"32U  NU  7159565251"}, "32U NU 7159565251"},
        {kGaussKrueger,
         kBessel,
         {"3571686.39", "5540758.79", "E009°"},
         "R 3571686.39 H 5540758.79 E009°"},
        {kGaussKrueger,
         kBessel,
         {"3571686,39", "5540758,79", "E009°"},
         "R 3571686,39 H 5540758,79 E009°"},
        // A copied input keeps the blank the user typed in front of it.
        {kGradDezimal, kGRS80, {" 48.5", "9.5 "}, "48.5 9.5"},
        // The empty output mask gives nothing to copy.
        {kGradMinSek, kGRS80, {"", "", "", "", "", ""}, ""},
        {kGaussKrueger, kGRS80, {"", " ", ""}, ""},
        {kUTMmil, kGRS80, {""}, ""},
        // Lines of the older datums name theirs: a Hayford UTM line looks like
        // a WGS 84 line some 200 m away. Gauss-Krueger is DHDN by its name.
        {kUTMzivil, kHayford, {"32U", "0691735", "5334954"}, "32U 0691735 5334954 ED50"},
        {kUTMmil, kHayford, {"32U  NU  76.15.52.95.51"}, "32U NU 76.15.52.95.51 ED50"},
        {kGradDezimal, kHayford, {"N48.437", "E009.969"}, "N48.437 E009.969 ED50"},
        {kGradMinSek,
         kBessel,
         {"N48", "26", "10.80", "E009", "58", "4.68"},
         "N48 26 10.80 E009 58 4.68 DHDN"},
        {kGradDezimal, kBessel, {"", ""}, ""},
        {kGaussKrueger, kBessel, {"", "", ""}, ""},
        // A copied input longer than any output: its words all the same.
        {kGradDezimal,
         kHayford,
         {std::string(90, '4') + "  " + std::string(90, '8'), "\t9 "},
         std::string(90, '4') + " " + std::string(90, '8') + " 9 ED50"},
    };
    for (const LineCase& c : cases)
        EXPECT_EQ(resultLine(c.format, c.ellipsoid, c.fields), c.line)
            << "format " << c.format << " on " << c.ellipsoid;
}

// Texts are checked for blanks eight bytes at a time: a blank or a tab at
// any place of a text of any length up to three such steps splits it.
TEST(ResultLine, ABlankAnywhereInATextOfAnyLengthSplitsIt) {
    for (std::size_t length = 1; length <= 25; ++length) {
        const std::string word(length, '7');
        EXPECT_EQ(resultLine(kGradDezimal, kGRS80, std::vector<std::string>{word, "9"}),
                  word + " 9")
            << length;
        for (std::size_t at = 0; at < length; ++at)
            for (char blank : {' ', '\t'}) {
                std::string text = word;
                text[at] = blank;
                std::string expected;
                for (const std::string& part : {word.substr(0, at), word.substr(at + 1)})
                    if (!part.empty())
                        expected += part + " ";
                EXPECT_EQ(resultLine(kGradDezimal, kGRS80, std::vector<std::string>{text, "9"}),
                          expected + "9")
                    << length << " blank at " << at;
            }
    }
}

TEST(ResultLine, FieldsOfEachOutputMask) {
    EXPECT_EQ(outputMaskFields(kGradMinSek).size(), 6u);
    EXPECT_EQ(outputMaskFields(kGaussKrueger).back(), Element::labGKNachbar);
    EXPECT_TRUE(outputMaskFields(kKeinFormat).empty());
    EXPECT_EQ(outputMaskFields(kUTMamtlich).size(), 3u);
    EXPECT_TRUE(outputMaskFields(9).empty());
}

} // namespace
} // namespace lw
