#include "conversion/selection_rules.h"

#include "conversion/datum_stage.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace lw {
namespace {

using S = SelectionSide;

// The screen as the rules leave it: what each button shows, nothing else.
struct ShownSelection : SelectionView {
    std::array<std::array<bool, 3>, 2> ellipsoidChosen{}, ellipsoidEnabled{};
    // By code: 1 to 8 and "Alle Schreibweisen" (9).
    std::array<std::array<bool, 10>, 2> formatChosen{}, formatEnabled{};
    bool continueEnabled = true;
    bool officialEnabled = true, officialChecked = true;
    std::string officialTooltip = "?";

    static std::size_t at(S side) { return side == S::Start ? 0 : 1; }
    void showEllipsoidChosen(S side, int index, bool chosen) override {
        ellipsoidChosen[at(side)][static_cast<std::size_t>(index)] = chosen;
    }
    void setEllipsoidEnabled(S side, int index, bool enabled) override {
        ellipsoidEnabled[at(side)][static_cast<std::size_t>(index)] = enabled;
    }
    void showFormatChosen(S side, int code, bool chosen) override {
        formatChosen[at(side)][static_cast<std::size_t>(code)] = chosen;
    }
    void setFormatEnabled(S side, int code, bool enabled) override {
        formatEnabled[at(side)][static_cast<std::size_t>(code)] = enabled;
    }
    void setContinueEnabled(bool enabled) override { continueEnabled = enabled; }
    void showOfficialChoice(bool enabled, bool checked, std::string_view tooltip) override {
        officialEnabled = enabled;
        officialChecked = checked;
        officialTooltip = std::string(tooltip);
    }

    // "1234560": the codes 1..7 whose buttons are enabled, 0 for the others.
    std::string offered(S side) const {
        std::string codes;
        for (int code = 1; code <= 7; ++code)
            codes += formatEnabled[at(side)][static_cast<std::size_t>(code)]
                         ? static_cast<char>('0' + code)
                         : '0';
        return codes;
    }
};

constexpr int kGrs80 = 0, kBessel = 1, kHayford = 2;

struct Selection : ::testing::Test {
    ConversionJob job;
    ShownSelection view;
    int gridQuestions = 0;
    bool gridFound = true;
    SelectionRules rules{job, view, [this] {
                             ++gridQuestions;
                             return gridFound;
                         }};
};

TEST_F(Selection, LoadingClearsTheJobAndChoosesGrs80OnBothSides) {
    job.Aufgabe = "77";
    job.FormatEIN = 7;
    rules.load();
    EXPECT_EQ(job.StartEllipsoid, "GRS80");
    EXPECT_EQ(job.ZielEllipsoid, "GRS80");
    EXPECT_EQ(job.EllipsoidPaar, "AA");
    EXPECT_EQ(job.Aufgabe, "");
    EXPECT_EQ(job.FormatEIN, 0);
    EXPECT_TRUE(view.ellipsoidChosen[0][kGrs80] && view.ellipsoidChosen[1][kGrs80]);
    EXPECT_EQ(view.offered(S::Start), "1234560");
    EXPECT_EQ(view.offered(S::Target), "1234560");
    EXPECT_FALSE(view.continueEnabled);
    EXPECT_EQ(gridQuestions, 0); // start-up never waits for PROJ
}

TEST_F(Selection, StartEllipsoidAloneLeavesThePairAndDisablesTheOutputColumn) {
    rules.load();
    rules.pressEllipsoid(S::Target, kBessel);
    rules.pressEllipsoid(S::Start, kBessel);
    EXPECT_EQ(job.EllipsoidPaar, "AB");
    EXPECT_EQ(view.offered(S::Start), "1230007");
    EXPECT_EQ(view.offered(S::Target), "0000000");
    rules.pressEllipsoid(S::Target, kGrs80);
    EXPECT_EQ(job.EllipsoidPaar, "BA");
    EXPECT_EQ(view.offered(S::Target), "1234560");
    rules.pressEllipsoid(S::Start, kHayford); // the pair follows only a target press
    EXPECT_EQ(job.EllipsoidPaar, "BA");
    EXPECT_EQ(job.StartEllipsoid, "Hayford");
}

TEST_F(Selection, BothFormatsEnableContinueAndMakeTheTaskCode) {
    rules.load();
    EXPECT_FALSE(rules.pressZahlenEingabe());
    rules.pressFormat(S::Start, 5);
    EXPECT_FALSE(view.continueEnabled);
    rules.pressFormat(S::Target, 2);
    EXPECT_TRUE(view.continueEnabled);
    EXPECT_TRUE(view.formatChosen[0][5] && view.formatChosen[1][2]);
    EXPECT_FALSE(view.formatChosen[1][1]);
    ASSERT_TRUE(rules.pressZahlenEingabe());
    EXPECT_EQ(job.Aufgabe, "52");
}

TEST_F(Selection, AChoiceTheNewEllipsoidDoesNotOfferIsCleared) {
    rules.load();
    rules.pressFormat(S::Start, 4);
    rules.pressFormat(S::Target, 1);
    rules.pressEllipsoid(S::Start, kBessel); // no UTM on Bessel
    EXPECT_EQ(job.FormatEIN, 0);
    EXPECT_FALSE(view.formatChosen[0][4]);
    EXPECT_FALSE(view.continueEnabled);
    EXPECT_EQ(job.FormatAUS, 1); // decimal degrees exist everywhere
}

// The return keeps the task's start side; the target comes back to GRS80,
// which clears an output it does not offer. No button looks chosen that is
// off: the outputs of the GRS80 target are offered again.
TEST_F(Selection, ReturnKeepsTheStartSideAndBringsTheTargetBackToGrs80) {
    rules.load();
    rules.pressEllipsoid(S::Start, kBessel);
    rules.pressEllipsoid(S::Target, kBessel);
    rules.pressFormat(S::Start, 7);
    rules.pressFormat(S::Target, 7);
    rules.prepareReturn();
    EXPECT_FALSE(view.continueEnabled);
    EXPECT_FALSE(view.ellipsoidEnabled[1][kGrs80]);
    rules.activate();
    EXPECT_EQ(job.StartEllipsoid, "Bessel");
    EXPECT_EQ(job.EllipsoidPaar, "BA");
    EXPECT_EQ(job.FormatEIN, 7);
    EXPECT_TRUE(view.ellipsoidChosen[0][kBessel]);
    EXPECT_TRUE(view.formatChosen[0][7]);
    EXPECT_EQ(view.offered(S::Start), "1230007");
    EXPECT_EQ(job.FormatAUS, 0); // Gauss-Krueger is not offered on GRS80
    EXPECT_FALSE(view.formatChosen[1][7]);
    EXPECT_EQ(view.offered(S::Target), "1234560");
    EXPECT_TRUE(view.ellipsoidChosen[1][kGrs80]);
    EXPECT_FALSE(view.continueEnabled);

    // A GRS80 task comes back as GRS80/GRS80, its formats kept.
    rules.pressEllipsoid(S::Start, kGrs80);
    rules.pressFormat(S::Start, 4);
    rules.pressFormat(S::Target, 5);
    rules.prepareReturn();
    rules.activate();
    EXPECT_EQ(job.EllipsoidPaar, "AA");
    EXPECT_EQ(job.FormatEIN, 4);
    EXPECT_EQ(job.FormatAUS, 5);
}

TEST_F(Selection, OfficialBoxOnlyForBesselAndGrs80AndAskedForTheGridOnce) {
    rules.load();
    EXPECT_FALSE(view.officialEnabled);
    EXPECT_EQ(view.officialTooltip, kOfficialPairOnlyText);
    rules.pressEllipsoid(S::Start, kBessel);
    rules.pressEllipsoid(S::Target, kGrs80);
    EXPECT_TRUE(view.officialEnabled);
    EXPECT_FALSE(view.officialChecked);
    EXPECT_EQ(view.officialTooltip, "");
    rules.pressEllipsoid(S::Target, kHayford);
    rules.pressEllipsoid(S::Target, kGrs80);
    EXPECT_EQ(gridQuestions, 1);
}

TEST_F(Selection, OfficialChoiceIsKeptAcrossOtherPairsAndReturns) {
    rules.load();
    rules.pressEllipsoid(S::Start, kBessel);
    rules.pressEllipsoid(S::Target, kGrs80);
    rules.chooseOfficial(true);
    EXPECT_TRUE(job.Amtlich);
    rules.pressEllipsoid(S::Target, kHayford);
    EXPECT_FALSE(job.Amtlich);
    EXPECT_FALSE(view.officialChecked);
    rules.chooseOfficial(false); // a disabled box cannot be changed
    rules.prepareReturn();
    rules.activate(); // the task's Bessel start kept, the target GRS80 again
    EXPECT_TRUE(job.Amtlich);
    EXPECT_TRUE(view.officialChecked);
    rules.pressEllipsoid(S::Start, kGrs80);
    EXPECT_FALSE(job.Amtlich);
    rules.pressEllipsoid(S::Target, kBessel); // GRS80 -> Bessel
    EXPECT_TRUE(job.Amtlich);
    EXPECT_TRUE(view.officialChecked);
    rules.chooseOfficial(false);
    rules.pressEllipsoid(S::Start, kBessel);
    rules.pressEllipsoid(S::Target, kGrs80);
    EXPECT_FALSE(job.Amtlich);
}

// "Alle Schreibweisen" needs no target ellipsoid: offered from the start,
// kept whatever ellipsoid is pressed, and with it the official box follows
// the start alone (the list holds Bessel and GRS80 lines).
TEST_F(Selection, AllNotationsNeedNoTargetAndOfferTheOfficialBoxByTheStart) {
    rules.load();
    rules.pressEllipsoid(S::Start, kBessel);
    EXPECT_EQ(view.offered(S::Target), "0000000"); // no target chosen yet
    EXPECT_TRUE(view.formatEnabled[1][kAlleSchreibweisen]);
    rules.pressFormat(S::Start, kGaussKrueger);
    rules.pressFormat(S::Target, kAlleSchreibweisen);
    EXPECT_TRUE(view.formatChosen[1][kAlleSchreibweisen]);
    EXPECT_TRUE(view.continueEnabled);
    EXPECT_TRUE(view.officialEnabled); // Bessel start, target still GRS80
    rules.pressEllipsoid(S::Target, kHayford);
    EXPECT_TRUE(view.officialEnabled);
    EXPECT_EQ(job.FormatAUS, kAlleSchreibweisen);
    rules.chooseOfficial(true);
    EXPECT_TRUE(job.Amtlich);
    ASSERT_TRUE(rules.pressZahlenEingabe());
    EXPECT_EQ(job.Aufgabe, "79");

    rules.pressEllipsoid(S::Start, kHayford); // no Bessel <-> GRS80 line from ED50
    EXPECT_FALSE(view.officialEnabled);
    EXPECT_FALSE(job.Amtlich);
    EXPECT_EQ(job.FormatAUS, kAlleSchreibweisen);
    rules.pressFormat(S::Target, kGradDezimal); // another choice replaces it
    EXPECT_FALSE(view.formatChosen[1][kAlleSchreibweisen]);
    EXPECT_TRUE(view.formatChosen[1][kGradDezimal]);
    rules.pressFormat(S::Start, kAlleSchreibweisen); // no input of that kind
    EXPECT_EQ(job.FormatEIN, 0);
}

TEST_F(Selection, WithoutTheGridTheBoxStaysDisabledAndSaysWhy) {
    gridFound = false;
    rules.load();
    rules.pressEllipsoid(S::Start, kBessel);
    rules.pressEllipsoid(S::Target, kGrs80);
    rules.chooseOfficial(true);
    EXPECT_FALSE(view.officialEnabled);
    EXPECT_FALSE(job.Amtlich);
    EXPECT_EQ(view.officialTooltip, kGridMissingText);
}

} // namespace
} // namespace lw
