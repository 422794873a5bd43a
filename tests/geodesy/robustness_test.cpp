// Every text procedure over a table of hostile texts: nothing may crash, and
// no argument may come back holding "nan" or "inf" — a fault must show the
// computation error message instead.
#include "geodesy/gauss_krueger.h"
#include "geodesy/utm.h"
#include "geodesy_test_support.h"
#include "procedures/angletext.h"
#include "procedures/procedures.h"

#include <cmath>
#include <functional>
#include <limits>

#include <algorithm>
#include <cctype>
#include <vector>

namespace lw::test {
namespace {

const std::vector<std::string> kHostile = {
    "",       "abc",         "1E400",  "-1E400",  "1E-400",  "1E308",
    "-1E308", "99999999999", "-",      ".",       "nan",     "inf",
    "1D300",  "0",           "90",     "-90",     "180",     "-180.0000001",
    " 5 0 ",  "Ä",           "32U",    "0571666", "5539110", "0000000",
    "3",      "6",           "Fehler",
};

bool clean(const std::string& s) {
    std::string lower = s;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower.find("nan") == std::string::npos && lower.find("inf") == std::string::npos;
}

// Checks only texts the procedure wrote, and only when no input spelled
// "nan" or "inf" itself (the military text repeats the zone text as typed).
void expectClean(const std::vector<std::string>& before, const std::vector<std::string>& after) {
    if (!std::all_of(before.begin(), before.end(), clean))
        return;
    for (std::size_t i = 0; i < after.size(); ++i)
        if (after[i] != before[i]) {
            EXPECT_TRUE(clean(after[i]))
                << "argument " << i + 1 << " became \"" << after[i] << "\"";
        }
}

// Runs `call` on every triple of hostile texts; `call` gets the argument
// vector (with room for seven slots) and changes it as the procedure does.
template <class Call> void overAllTriples(Call call) {
    for (const std::string& a : kHostile)
        for (const std::string& b : kHostile)
            for (const std::string& c : kHostile) {
                const std::vector<std::string> before = {a, b, c, "61", "61", "60", "WGS"};
                std::vector<std::string> v = before;
                call(v);
                expectClean(before, v);
            }
}

TEST(Robustness, DatumShift) {
    RecordingMessages m;
    for (const char* pair : {"BG", "GB", "HG", "GH"})
        overAllTriples([&](std::vector<std::string>& v) {
            std::string p = pair;
            EllipsoidWechsel(v[0], v[1], v[2], p, m);
        });
    for (const char* start : {"GRS80", "Bessel", "Hayford"}) {
        ProgramState s;
        s.job.StartEllipsoid = start;
        s.job.ZielEllipsoid = "Bessel";
        for (const std::string& a : kHostile)
            for (const std::string& b : kHostile) {
                EllipsoideBerechnen(a, b, s.job.StartEllipsoid, s.job.ZielEllipsoid, s.calc, m);
                EXPECT_TRUE(clean(s.calc.strBreiteGRS80 + s.calc.strLaengeGRS80 +
                                  s.calc.strBreiteBessel + s.calc.strLaengeBessel) ||
                            !clean(a + b));
            }
    }
}

TEST(Robustness, Utm) {
    RecordingMessages m;
    for (const char* ell : {"WGS", "Hayford"}) {
        overAllTriples([&](std::vector<std::string>& v) {
            v[2] = ell;
            GeoNachUTM(v[0], v[1], v[2], m);
        });
        overAllTriples([&](std::vector<std::string>& v) {
            std::string e = ell;
            UTMnachGeo(v[0], v[1], v[2], e, m);
        });
    }
    for (const std::string& t : kHostile) {
        EXPECT_TRUE(clean(BreitenBand(t)));
        EXPECT_TRUE(clean(ZonenNummer(t)));
    }
}

TEST(Robustness, MilitaryGrid) {
    RecordingMessages m;
    overAllTriples([&](std::vector<std::string>& v) { UTMnachMIL(v[0], v[1], v[2], m); });
    overAllTriples([&](std::vector<std::string>& v) {
        MILnachUTM(v[0], v[1], v[2], v[3], v[4], v[5], v[6], m);
    });
    overAllTriples([&](std::vector<std::string>& v) { REFnachMIL(v[2], v[3], v[4], v[5], v[6]); });
    // The reference text keeps the first nine characters and adds at most ten
    // (fewer where the text is too short to hold five pairs); a fault leaves
    // the text as it was.
    for (const std::string& t : kHostile) {
        SCOPED_TRACE("\"" + t + "\"");
        RecordingMessages box;
        std::string s = t;
        MILnachREF(s, box);
        if (box.messages.empty()) {
            EXPECT_LE(s.size(), 19u);
            EXPECT_TRUE(clean(s) || !clean(t)) << s;
            EXPECT_EQ(s.substr(0, 9), (t + ".00.00.00.00.00").substr(0, 9));
        } else {
            expectOneCritical(box, kComputationError);
            EXPECT_EQ(s, t);
        }
    }
}

TEST(Robustness, GaussKrueger) {
    RecordingMessages m;
    overAllTriples([&](std::vector<std::string>& v) { GeoNachGK(v[0], v[1], v[2], m); });
    overAllTriples([&](std::vector<std::string>& v) { GKnachGeo(v[0], v[1], v[2], m); });
}

// The driver learns of a failure from the outcome alone: it must say "failed"
// exactly when the procedure showed a box, and carry that box's text.
using Procedure = std::function<ProcedureOutcome(std::vector<std::string>&, MessageSink&)>;

void expectOutcomeTellsTheBoxes(const char* name, const Procedure& procedure) {
    RecordingMessages m;
    overAllTriples([&](std::vector<std::string>& v) {
        const std::vector<std::string> in = v;
        const std::size_t before = m.messages.size();
        const ProcedureOutcome outcome = procedure(v, m);
        const bool showed = m.messages.size() > before;
        const std::string inputs = in[0] + "|" + in[1] + "|" + in[2];
        EXPECT_EQ(outcome.failed, showed) << name << " on " << inputs;
        if (showed) {
            EXPECT_EQ(outcome.shown, m.messages[before].text) << name << " on " << inputs;
        }
    });
}

TEST(ProcedureOutcomes, FailedExactlyWhenABoxWasShown) {
    expectOutcomeTellsTheBoxes("GeoNachUTM",
                               [](auto& v, auto& m) { return GeoNachUTM(v[0], v[1], v[2], m); });
    expectOutcomeTellsTheBoxes(
        "UTMnachGeo", [](auto& v, auto& m) { return UTMnachGeo(v[0], v[1], v[2], v[6], m); });
    expectOutcomeTellsTheBoxes("UTMnachMIL",
                               [](auto& v, auto& m) { return UTMnachMIL(v[0], v[1], v[2], m); });
    expectOutcomeTellsTheBoxes("MILnachUTM", [](auto& v, auto& m) {
        return MILnachUTM(v[0], v[1], v[2], v[3], v[4], v[5], v[6], m);
    });
    expectOutcomeTellsTheBoxes("MILnachREF", [](auto& v, auto& m) { return MILnachREF(v[0], m); });
    expectOutcomeTellsTheBoxes("GeoNachGK",
                               [](auto& v, auto& m) { return GeoNachGK(v[0], v[1], v[2], m); });
    expectOutcomeTellsTheBoxes("EllipsoidWechsel", [](auto& v, auto& m) {
        std::string pair = v[2].size() == 2 ? v[2] : "BG";
        return EllipsoidWechsel(v[0], v[1], v[3], pair, m);
    });
    expectOutcomeTellsTheBoxes(
        "GMSnachDezimal", [](auto& v, auto& m) { return GMSnachDezimal(v[0], v[1], v[2], m); });
    expectOutcomeTellsTheBoxes("DezimalNachGMS", [](auto& v, auto& m) {
        return DezimalNachGMS(v[0], v[1], v[2], v[3], m);
    });
}

// GKnachGeo alone fails without a box, when the Rechtswert names no strip:
// then it empties both coordinates and leaves the marker as meridian.
TEST(ProcedureOutcomes, GaussKruegerWithoutStripFailsSilentlyWithMarker) {
    RecordingMessages m;
    overAllTriples([&](std::vector<std::string>& v) {
        const std::size_t before = m.messages.size();
        const ProcedureOutcome outcome = GKnachGeo(v[0], v[1], v[2], m);
        const bool showed = m.messages.size() > before;
        if (outcome.failed && !showed) {
            EXPECT_EQ(v[2], "Fehler");
            EXPECT_EQ(v[0] + v[1], "");
        }
        if (!outcome.failed) {
            EXPECT_FALSE(showed);
        }
    });
}

// The typed functions report absurd input as no result, never as a number.
TEST(GeodesyFailures, NonFiniteInputGivesNoResult) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (double bad : {nan, inf, -inf}) {
        EXPECT_FALSE(utmForward(bad, 9, 32, ellipsoid::GRS80)) << bad;
        EXPECT_FALSE(utmForward(50, bad, 32, ellipsoid::GRS80)) << bad;
        EXPECT_FALSE(utmInverse(bad, 5500000, 32, true, ellipsoid::Hayford)) << bad;
        EXPECT_FALSE(gkForward(bad, 9, gkStripOfLongitude(9, 3))) << bad;
        EXPECT_FALSE(gkInverse(5500000, bad, 9)) << bad;
        EXPECT_FALSE(molodensky({bad, 10, 300}, DatumShift::BesselToGRS80)) << bad;
        EXPECT_FALSE(molodensky({50, 10, bad}, DatumShift::GRS80ToHayford)) << bad;
    }
    EXPECT_TRUE(molodensky({90, 10, 300}, DatumShift::BesselToGRS80)); // the pole is no fault
}

} // namespace
} // namespace lw::test
