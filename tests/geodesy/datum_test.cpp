#include "geodesy/datum.h"
#include "geodesy_test_support.h"
#include "procedures/procedures.h"
#include "text/numtext.h"

#include <cmath>
#include <ostream>

namespace lw::test {
namespace {

struct Shifted {
    std::string lat, lon, height;
};

Shifted shift(std::string lat, std::string lon, std::string height, std::string pair,
              RecordingMessages& m) {
    EllipsoidWechsel(lat, lon, height, pair, m);
    return {lat, lon, height};
}

TEST(EllipsoidWechsel, BesselToGrs80AtFiftyTen) {
    RecordingMessages m;
    const Shifted s = shift("50", "10", "300", "BG", m);
    EXPECT_TRUE(m.messages.empty());
    EXPECT_NEAR(readNumber(s.lat), 49.99885961, 5e-9);
    EXPECT_NEAR(readNumber(s.lon), 9.99879796, 5e-9);
    EXPECT_NEAR(readNumber(s.height), 273.54, 5e-3);
    // General number texts: a leading blank for positive values, 15 digits.
    EXPECT_EQ(s.lat[0], ' ');
    EXPECT_EQ(s.lat.substr(0, 9), " 49.99885");
}

TEST(EllipsoidWechsel, BackShiftReturnsToTheStartWithinTheMethodsError) {
    RecordingMessages m;
    const Shifted there = shift("50", "10", "300", "BG", m);
    const Shifted back = shift(there.lat, there.lon, "300", "GB", m);
    // The three-parameter Molodensky step is a first-order method: there and
    // back differ by a few centimetres, no more.
    EXPECT_NEAR(readNumber(back.lat), 50, 4e-7);
    EXPECT_NEAR(readNumber(back.lon), 10, 4e-7);
}

TEST(EllipsoidWechsel, PairsWithoutShiftLeaveEverythingUnchanged) {
    for (const char* pair : {"", "BH", "HB"}) {
        RecordingMessages m;
        const Shifted s = shift("50.5x", " 10", "abc", pair, m);
        EXPECT_EQ(s.lat, "50.5x") << pair;
        EXPECT_EQ(s.lon, " 10") << pair;
        EXPECT_EQ(s.height, "abc") << pair;
        EXPECT_TRUE(m.messages.empty());
    }
}

TEST(EllipsoidWechsel, PoleRaisesNoFault) {
    for (const char* pair : {"BG", "GB", "HG", "GH"}) {
        RecordingMessages m;
        const Shifted s = shift("90", "10", "300", pair, m);
        EXPECT_TRUE(m.messages.empty()) << pair;
        EXPECT_TRUE(std::isfinite(readNumber(s.lon))) << pair;
        EXPECT_EQ(s.lon.find_first_of("nN"), std::string::npos) << s.lon;
    }
}

TEST(EllipsoidWechsel, AbsurdInputShowsComputationErrorAndKeepsArguments) {
    const struct {
        const char* lat;
        const char* lon;
        const char* height;
        const char* pair;
    } cases[] = {
        {"1E400", "10", "300", "BG"}, // infinite latitude
        {"50", "-1E999", "300", "GH"},
        {"50", "10", "1E400", "HG"}, // infinite height
        {"50", "10", "300", "XY"},   // no constants for this pair
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "row " << (&c - &cases[0]));
        RecordingMessages m;
        const Shifted s = shift(c.lat, c.lon, c.height, c.pair, m);
        expectOneCritical(m, kComputationError);
        EXPECT_EQ(s.lat, c.lat);
        EXPECT_EQ(s.lon, c.lon);
        EXPECT_EQ(s.height, c.height);
    }
}

// Expected values: PROJ's +proj=molodensky (the full, not the abridged form)
// with the same translations and ellipsoid differences, for example
//   +proj=molodensky +a=6378388 +rf=297 +da=-251 +df=-1.4192685821048e-05
//                    +dx=-87 +dy=-98 +dz=-120
// for Hayford to GRS80 (da and df are target minus source), run through
// proj_trans at 47.5° N 11° E, height 300 m.
struct ShiftCase {
    const char* name;
    DatumShift shift;
    double latDeg, lonDeg, heightM;
};

void PrintTo(const ShiftCase& c, std::ostream* os) {
    *os << c.name;
}

class MolodenskyAgainstProj : public testing::TestWithParam<ShiftCase> {};

TEST_P(MolodenskyAgainstProj, PinnedAtOnePointTo5e9Degree) {
    const ShiftCase& c = GetParam();
    const GeoPointHeight g = molodensky({47.5, 11.0, 300}, c.shift).value();
    EXPECT_NEAR(g.latDeg, c.latDeg, 5e-9);
    EXPECT_NEAR(g.lonDeg, c.lonDeg, 5e-9);
    EXPECT_NEAR(g.heightM, c.heightM, 1e-3);
}

INSTANTIATE_TEST_SUITE_P(HayfordAndBessel, MolodenskyAgainstProj,
                         testing::Values(ShiftCase{"HayfordToGRS80", DatumShift::HayfordToGRS80,
                                                   47.4991422779, 10.9989436179, 342.6058},
                                         ShiftCase{"GRS80ToHayford", DatumShift::GRS80ToHayford,
                                                   47.5008576865, 11.0010564319, 257.3906}),
                         [](const testing::TestParamInfo<ShiftCase>& row) {
                             return std::string(row.param.name);
                         });

// The ellipsoid constants against PROJ's definitions (+ellps=intl: a 6378388,
// 1/f 297; +ellps=GRS80: a 6378137, 1/f 298.257222101; +ellps=bessel:
// a 6377397.155, 1/f 299.1528128); b, e, e' and c = a^2 / b derived from a
// and f in 30-digit decimal arithmetic. Bessel's constants carry the digits
// of the German survey tables, which give 1/f 299.15281285: hence its looser
// flattening bound.
struct EllipsoidCase {
    const char* name;
    const Ellipsoid* ellipsoid;
    double a, f, b, e, eP, c, fTolerance;
};

void PrintTo(const EllipsoidCase& c, std::ostream* os) {
    *os << c.name;
}

class EllipsoidConstants : public testing::TestWithParam<EllipsoidCase> {};

TEST_P(EllipsoidConstants, MatchProjsDefinition) {
    const EllipsoidCase& c = GetParam();
    const Ellipsoid& ell = *c.ellipsoid;
    EXPECT_EQ(ell.a, c.a);
    EXPECT_NEAR(ell.f, c.f, c.fTolerance);
    EXPECT_NEAR(ell.b, c.b, 1e-5 + c.fTolerance * c.a);
    EXPECT_NEAR(ell.e, c.e, 2e-14 + 100 * c.fTolerance);
    EXPECT_NEAR(ell.eP, c.eP, 2e-14 + 100 * c.fTolerance);
    EXPECT_NEAR(ell.c, c.c, 1e-5 + c.fTolerance * c.a);
}

INSTANTIATE_TEST_SUITE_P(
    ThreeEllipsoids, EllipsoidConstants,
    testing::Values(EllipsoidCase{"Hayford", &ellipsoid::Hayford, 6378388.0, 0.003367003367003367,
                                  6356911.946127946, 0.08199188997902977, 0.0822688896073373,
                                  6399936.608108108, 1e-17},
                    EllipsoidCase{"GRS80", &ellipsoid::GRS80, 6378137.0, 0.003352810681182319,
                                  6356752.314140356, 0.08181919104281579, 0.0820944381519172,
                                  6399593.625864023, 1e-17},
                    EllipsoidCase{"Bessel", &ellipsoid::Bessel, 6377397.155, 0.003342773182174806,
                                  6356078.962818188, 0.0816968312225275, 0.08197084115205089,
                                  6398786.848074195, 1e-12}),
    [](const testing::TestParamInfo<EllipsoidCase>& row) { return std::string(row.param.name); });

ProgramState jobState(const char* start, const char* target) {
    ProgramState s;
    s.job.StartEllipsoid = start;
    s.job.ZielEllipsoid = target;
    return s;
}

struct Pairs {
    std::string grsLat, grsLon, besLat, besLon, hayLat, hayLon;
};

Pairs pairsOf(const ProgramState& s) {
    const Arbeitsvariablen& c = s.calc;
    return {c.strBreiteGRS80,  c.strLaengeGRS80,   c.strBreiteBessel,
            c.strLaengeBessel, c.strBreiteHayford, c.strLaengeHayford};
}

// Each step of the datum stage at height 300 m, from PROJ's +proj=molodensky
// as above (a chain starts its second step from the first step's result).
struct ProjShift {
    double lat, lon;
};
constexpr ProjShift kGB_50_10{50.0011401283, 10.0012018914};
constexpr ProjShift kGH_50_10{50.0007955578, 10.0011353524};
constexpr ProjShift kBG_50_10{49.9988596097, 9.9987979621};
constexpr ProjShift kBG_GH_50_10{49.9996552132,
                                 9.9999333177}; // Bessel 50/10, then GRS80 to Hayford
constexpr ProjShift kHG_48_11{47.9991561442, 10.9989334511};
constexpr ProjShift kHG_GB_48_11{48.0000675436, 11.0002236557}; // Hayford 48/11, then to Bessel

void expectPair(const std::string& lat, const std::string& lon, const ProjShift& expected) {
    EXPECT_NEAR(readNumber(lat), expected.lat, 5e-9) << lat;
    EXPECT_NEAR(readNumber(lon), expected.lon, 5e-9) << lon;
    EXPECT_EQ(lat.substr(0, 1), " ") << "general number text: a leading blank";
}

TEST(EllipsoideBerechnen, Grs80ToGrs80CopiesInputCharacterForCharacter) {
    ProgramState s = jobState("GRS80", "GRS80");
    RecordingMessages m;
    EllipsoideBerechnen("50.000001", " 9.5", s.job.StartEllipsoid, s.job.ZielEllipsoid, s.calc, m);
    const Pairs p = pairsOf(s);
    EXPECT_EQ(p.grsLat, "50.000001");
    EXPECT_EQ(p.grsLon, " 9.5");
    EXPECT_EQ(p.besLat + p.besLon + p.hayLat + p.hayLon, "");
    EXPECT_EQ(s.calc.strArg4, ""); // no transformation ran
}

TEST(EllipsoideBerechnen, StartGrs80WritesOnlyTheTargetPair) {
    const struct {
        const char* target;
        const char* pair;
        ProjShift expected;
    } cases[] = {{"Bessel", "GB", kGB_50_10}, {"Hayford", "GH", kGH_50_10}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.target);
        ProgramState s = jobState("GRS80", c.target);
        RecordingMessages m;
        EllipsoideBerechnen("50", "10", s.job.StartEllipsoid, s.job.ZielEllipsoid, s.calc, m);
        const Pairs p = pairsOf(s);
        if (std::string(c.target) == "Bessel") {
            expectPair(p.besLat, p.besLon, c.expected);
            EXPECT_EQ(p.hayLat, "");
        } else {
            expectPair(p.hayLat, p.hayLon, c.expected);
            EXPECT_EQ(p.besLat, "");
        }
        EXPECT_EQ(p.grsLat, "");
        EXPECT_EQ(s.calc.strArg4, c.pair); // the slots carried the shift
    }
}

// The GRS80 pair always (every second step starts from it); the other
// ellipsoid's pair only for a job whose output reads it.
TEST(EllipsoideBerechnen, StartBesselShiftsOnToHayfordOnlyForAHayfordTarget) {
    for (const char* target : {"Bessel", "GRS80", "Hayford"}) {
        SCOPED_TRACE(target);
        ProgramState s = jobState("Bessel", target);
        RecordingMessages m;
        EllipsoideBerechnen("50", "10", s.job.StartEllipsoid, s.job.ZielEllipsoid, s.calc, m);
        const Pairs p = pairsOf(s);
        EXPECT_EQ(p.besLat, "50");
        EXPECT_EQ(p.besLon, "10");
        expectPair(p.grsLat, p.grsLon, kBG_50_10);
        if (std::string(target) == "Hayford") {
            // The second step starts from the first one's result, with height 300 again.
            expectPair(p.hayLat, p.hayLon, kBG_GH_50_10);
            EXPECT_EQ(s.calc.strArg4, "GH");
        } else {
            EXPECT_EQ(p.hayLat + p.hayLon, "");
            EXPECT_EQ(s.calc.strArg4, "BG");
        }
    }
    ProgramState s = jobState("Hayford", "GRS80");
    RecordingMessages m;
    EllipsoideBerechnen("48", "11", s.job.StartEllipsoid, s.job.ZielEllipsoid, s.calc, m);
    expectPair(s.calc.strBreiteGRS80, s.calc.strLaengeGRS80, kHG_48_11);
    EXPECT_EQ(s.calc.strBreiteBessel + s.calc.strLaengeBessel, "");
}

TEST(EllipsoideBerechnen, StartHayfordPassesThroughGrs80ToBessel) {
    ProgramState s = jobState("Hayford", "Bessel");
    RecordingMessages m;
    EllipsoideBerechnen("48", "11", s.job.StartEllipsoid, s.job.ZielEllipsoid, s.calc, m);
    const Pairs p = pairsOf(s);
    EXPECT_EQ(p.hayLat, "48");
    expectPair(p.grsLat, p.grsLon, kHG_48_11);
    expectPair(p.besLat, p.besLon, kHG_GB_48_11);
}

TEST(EllipsoideBerechnen, InputsThatAreWorkingVariablesAreReadBeforeOverwritten) {
    ProgramState s = jobState("Bessel", "GRS80");
    s.calc.strArg4 = "50";
    s.calc.strArg3 = "10";
    RecordingMessages m;
    EllipsoideBerechnen(s.calc.strArg4, s.calc.strArg3, s.job.StartEllipsoid, s.job.ZielEllipsoid,
                        s.calc, m);
    EXPECT_EQ(s.calc.strBreiteBessel, "50");
    EXPECT_EQ(s.calc.strLaengeBessel, "10");
    expectPair(s.calc.strBreiteGRS80, s.calc.strLaengeGRS80, kBG_50_10);
}

TEST(EllipsoideBerechnen, FailedStepStoresUntransformedTextsAndGoesOn) {
    ProgramState s = jobState("Bessel", "Hayford");
    RecordingMessages m;
    EllipsoideBerechnen("1E400", "10", s.job.StartEllipsoid, s.job.ZielEllipsoid, s.calc, m);
    EXPECT_EQ(m.messages.size(), 2u); // both steps fault
    EXPECT_EQ(s.calc.strBreiteGRS80, "1E400");
    EXPECT_EQ(s.calc.strBreiteHayford, "1E400");
    EXPECT_EQ(s.calc.strBreiteBessel, "1E400");
}

} // namespace
} // namespace lw::test
