// The common list point on numbers alone against the whole run: wherever the
// short way answers, its output texts and GRS80 point are the run's, for
// every task it covers, on random points and on the limits of the checks
// and outputs; wherever the run refuses or writes a note, it does not answer.
#include "conversion/plain_run.h"

#include "conversion/point_entry.h"
#include "conversion/result_line.h"
#include "model/notations.h"

#include "driver_test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace lw {
namespace {

constexpr std::array kEllipsoids = {kGRS80, kBessel, kHayford};

ConversionJob job(const char* start, int in, const char* target, int out, bool official) {
    ConversionJob j = test::jobOf(start, in, target, out);
    j.Amtlich = official;
    return j;
}

std::string fixed(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

// Decimal degrees as lists write them: letters or signs, up to nine
// decimals, around the limits of the checks (84 N, 80 S, 180) and of UTM
// amtlich and the Norwegian and Svalbard zones, and anywhere.
std::vector<std::string> decimalTexts(std::mt19937& random) {
    std::vector<std::string> texts = {
        "N84 E10",        "N83.9999999 E10", "S80 W10",          "S80.0000001 W10",
        "N0 E180",        "N10 E180.000001", "N10 W179.9999999", "0 0",
        "-0.0000001 6",   "N56.5 E3.00001",  "N72 E9",           "N72 E21.000001",
        "N47.999999 E12", "N50 E6",          "N50 E5.9999999",   "48.137393 11.575448",
        "N48.1 E181",     "N48.1.2 E11",     "N84.000001 E1",    "S79.999999 E1"};
    std::uniform_real_distribution<double> lat(-90, 90), lon(-185, 185), deLat(46, 56.5),
        deLon(4.5, 16.5);
    std::uniform_int_distribution<int> decimals(0, 9), form(0, 3);
    for (int i = 0; i < 400; ++i) {
        const bool germany = i % 2 == 0;
        const double a = germany ? deLat(random) : lat(random);
        const double b = germany ? deLon(random) : lon(random);
        const int da = decimals(random), db = decimals(random);
        if (form(random) == 0)
            texts.push_back(fixed(a, da) + " " + fixed(b, db));
        else
            texts.push_back(std::string(a < 0 ? "S" : "N") + fixed(std::fabs(a), da) + " " +
                            (b < 0 ? "W" : "E") + fixed(std::fabs(b), db));
    }
    return texts;
}

// Gauss-Krueger Rechtswert and Hochwert: in and around Germany, every strip
// digit, with and without a point, with six and eight digits before it.
std::vector<std::string> gaussKruegerTexts(std::mt19937& random) {
    std::vector<std::string> texts = {
        "2484700 5107150", "2484699.99 5107150", "5538200.00 6197355.00", "5538200.01 6197355",
        "3500000 5500000", "350000.5 5500000",   "35000000 5500000",      "6500000.12 5500000.34",
        "0500000 5500000", "1484700.5 5300000.5"};
    std::uniform_real_distribution<double> east(0, 1000000), north(5000000, 6300000);
    std::uniform_int_distribution<int> strip(1, 6), decimals(0, 3);
    for (int i = 0; i < 400; ++i) {
        const double rechts = strip(random) * 1000000.0 + east(random);
        texts.push_back(fixed(rechts, decimals(random)) + " " +
                        fixed(north(random), decimals(random)));
    }
    return texts;
}

struct Tally {
    int points = 0, answered = 0;
};

// Every text of the task through both; the short way's texts where it answers.
void compareTask(const ConversionJob& j, const std::vector<std::string>& texts, Tally& tally) {
    PointEntry entry(j, {}, ".");
    const PlainRun plain(j, true);
    const std::span<const Element> fields = outputMaskFields(j.FormatAUS);
    std::vector<std::string> shortTexts(fields.size());
    for (const std::string& text : texts) {
        const std::optional<PlainCoordinate> parts = plainCoordinate(j.FormatEIN, text);
        if (!parts || !entry.keptAsTyped(*parts))
            continue;
        ++tally.points;
        GeoPoint grs80{};
        const bool answered = plain.convert(*parts, shortTexts, grs80);
        const PointOutcome& run = *entry.convertPlain(*parts);
        if (!answered)
            continue;
        ++tally.answered;
        SCOPED_TRACE(j.StartEllipsoid + " " + j.Aufgabe + " " + j.ZielEllipsoid + ": " + text);
        ASSERT_EQ(run.firstMessage(), nullptr) << *run.firstMessage();
        ASSERT_EQ(run.end, RunEnd::Written);
        for (std::size_t i = 0; i < fields.size(); ++i) {
            const std::string* written = run.textAfter(fields[i]);
            EXPECT_EQ(shortTexts[i], written ? *written : std::string()) << "field " << i;
        }
        ASSERT_TRUE(run.grs80.has_value());
        EXPECT_EQ(grs80.latDeg, run.grs80->latDeg);
        EXPECT_EQ(grs80.lonDeg, run.grs80->lonDeg);
    }
}

TEST(PlainRun, GivesTheRunsTextsWhereverItAnswers) {
    std::mt19937 random(2026);
    const std::vector<std::string> decimal = decimalTexts(random);
    const std::vector<std::string> gk = gaussKruegerTexts(random);
    Tally tally;
    int tasks = 0;
    for (const char* start : kEllipsoids)
        for (const char* target : kEllipsoids)
            for (const Notation& in : kNotations)
                for (const Notation& out : kNotations) {
                    if (!offersNotation(start, in.code) || !offersNotation(target, out.code))
                        continue;
                    const ConversionJob j = job(start, in.code, target, out.code, false);
                    if (!PlainRun(j, true).covers())
                        continue;
                    ++tasks;
                    compareTask(j, in.code == kGaussKrueger ? gk : decimal, tally);
                }
    // Both input rows with every output row they reach, on most points.
    EXPECT_GE(tasks, 25);
    EXPECT_GT(tally.answered, tally.points * 3 / 5) << tally.answered << " of " << tally.points;
}

TEST(PlainRun, LeavesToTheRunWhatItDoesNotCover) {
    // The official transformation, a chosen neighbour zone, the copy of
    // the input, Gauss-Krueger output (the locale's separator).
    EXPECT_FALSE(PlainRun(job(kBessel, kGaussKrueger, kGRS80, kUTMzivil, true), true).covers());
    EXPECT_FALSE(PlainRun(job(kGRS80, kGradDezimal, kGRS80, kUTMamtlich, false), false).covers());
    EXPECT_FALSE(PlainRun(job(kGRS80, kGradDezimal, kGRS80, kGradDezimal, false), true).covers());
    EXPECT_FALSE(PlainRun(job(kGRS80, kGradDezimal, kBessel, kGaussKrueger, false), true).covers());
    EXPECT_TRUE(PlainRun(job(kBessel, kGaussKrueger, kGRS80, kUTMzivil, false), true).covers());
}

} // namespace
} // namespace lw
