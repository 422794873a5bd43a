// A list's point entered as the screen enters a paste: the outcome carries
// the result texts, or the refusal with its steps in the order the screen
// takes them.
#include "conversion/point_entry.h"

#include "model/notations.h"
#include "validation/refusal.h"

#include "driver_test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lw {
namespace {

using Kind = ScreenStep::Kind;

using test::jobOf;

ConversionJob job(const char* start, int in, const char* target, int out) {
    return jobOf(start, in, target, out);
}

const PointOutcome& entered(PointEntry& entry, const std::string& text) {
    const ConversionJob& j = entry.job();
    if (auto pasted = recognisePastedCoordinate(j.FormatEIN, text, j.StartEllipsoid))
        return entry.convertParts(*pasted);
    return entry.convertTyped(text);
}

std::string textAfter(const PointOutcome& outcome, Element field) {
    const std::string* text = outcome.textAfter(field);
    return text ? *text : "(nicht geschrieben)";
}

std::vector<Kind> kinds(const PointOutcome& outcome) {
    std::vector<Kind> all;
    for (const ScreenStep& step : outcome.steps)
        all.push_back(step.kind);
    return all;
}

TEST(PointEntry, ResultTextsOfAPastedPoint) {
    PointEntry entry(job(kGRS80, kGradDezimal, kGRS80, kUTMzivil), {}, ".");
    const PointOutcome& outcome = entered(entry, "48.137393 11.575448");
    EXPECT_EQ(outcome.end, RunEnd::Written);
    EXPECT_EQ(outcome.firstMessage(), nullptr);
    EXPECT_EQ(textAfter(outcome, Element::texZone2), "32U");
    EXPECT_EQ(textAfter(outcome, Element::texRechts2), "0691599");
    EXPECT_EQ(textAfter(outcome, Element::texHoch2), "5334779");
    // The next point starts from an empty mask: nothing of this one stays.
    const PointOutcome& next = entered(entry, "52.516275 13.377704");
    EXPECT_EQ(textAfter(next, Element::texZone2), "33U");
}

// Refusals before the run (a key the filter refuses, a zone left with a
// wrong first digit) give the same steps as on the screen, and the run
// itself does not start.
TEST(PointEntry, RefusalsAsTheScreenTakesThem) {
    struct Case {
        ConversionJob job;
        const char* text;
        const char* messageStart;
        std::vector<Kind> steps;
    };
    const Case cases[] = {
        {job(kGRS80, kGradDezimal, kGRS80, kUTMzivil),
         "48.1x 11.5",
         "Die Eingabe von\r\nx\r\n",
         {Kind::Sound, Kind::Reset, Kind::Message}},
        {job(kGRS80, kUTMzivil, kGRS80, kGradDezimal),
         "72U 0691599 5334779",
         "Das 1. Zeichen der Zone",
         {Kind::Sound, Kind::Reset, Kind::Message, Kind::Focus, Kind::SelectAll}},
        {job(kGRS80, kGradDezimal, kGRS80, kUTMzivil),
         "95 11.5",
         "",
         {Kind::Reset, Kind::Message, Kind::Focus, Kind::SelectAll}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        PointEntry entry(c.job, {}, ".");
        const PointOutcome& outcome = entered(entry, c.text);
        EXPECT_EQ(outcome.end, RunEnd::InputRefused);
        ASSERT_NE(outcome.firstMessage(), nullptr);
        EXPECT_EQ(outcome.firstMessage()->rfind(c.messageStart, 0), 0u) << *outcome.firstMessage();
        EXPECT_EQ(kinds(outcome), c.steps);
    }
}

} // namespace
} // namespace lw
