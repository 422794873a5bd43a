#include "text/numtext.h"
#include "geodesy/datum.h"
#include "procedures/procedures.h"
#include "geodesy_test_support.h"

#include <cmath>

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

TEST(EllipsoidWechsel, BackShiftReturnsCloseButNotExactly) {
    RecordingMessages m;
    const Shifted there = shift("50", "10", "300", "BG", m);
    const Shifted back = shift(there.lat, there.lon, "300", "GB", m);
    const double dLat = readNumber(back.lat) - 50, dLon = readNumber(back.lon) - 10;
    EXPECT_LT(std::fabs(dLat), 4e-7);
    EXPECT_LT(std::fabs(dLon), 4e-7);
    EXPECT_TRUE(dLat != 0 || dLon != 0);
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
        {"50", "10", "1E400", "HG"},  // infinite height
        {"50", "10", "300", "XY"},    // no constants for this pair
    };
    for (const auto& c : cases) {
        RecordingMessages m;
        const Shifted s = shift(c.lat, c.lon, c.height, c.pair, m);
        expectOneCritical(m, kComputationError);
        EXPECT_EQ(s.lat, c.lat);
        EXPECT_EQ(s.lon, c.lon);
        EXPECT_EQ(s.height, c.height);
    }
}

TEST(Molodensky, HayfordShiftMatchesReverseToDecimetres) {
    const GeoPointHeight p{47.5, 11.0, 300};
    const GeoPointHeight g = molodensky(p, DatumShift::HayfordToGRS80).value();
    const GeoPointHeight back =
        molodensky({g.latDeg, g.lonDeg, 300}, DatumShift::GRS80ToHayford).value();
    EXPECT_NEAR(back.latDeg, p.latDeg, 1e-6);
    EXPECT_NEAR(back.lonDeg, p.lonDeg, 1e-6);
    // ED50 lies some 100 m north-east of ETRS89 positions in Bavaria.
    EXPECT_LT(g.latDeg, p.latDeg);
    EXPECT_LT(g.lonDeg, p.lonDeg);
}

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

std::string shifted(const std::string& lat, const std::string& lon, const char* pair, bool wantLat) {
    std::string a = lat, b = lon, h = "300", p = pair;
    RecordingMessages m;
    EllipsoidWechsel(a, b, h, p, m);
    return wantLat ? a : b;
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
    } cases[] = {{"Bessel", "GB"}, {"Hayford", "GH"}};
    for (const auto& c : cases) {
        ProgramState s = jobState("GRS80", c.target);
        RecordingMessages m;
        EllipsoideBerechnen("50", "10", s.job.StartEllipsoid, s.job.ZielEllipsoid, s.calc, m);
        const Pairs p = pairsOf(s);
        const std::string lat = shifted("50", "10", c.pair, true);
        const std::string lon = shifted("50", "10", c.pair, false);
        if (std::string(c.target) == "Bessel") {
            EXPECT_EQ(p.besLat, lat);
            EXPECT_EQ(p.besLon, lon);
            EXPECT_EQ(p.hayLat, "");
        } else {
            EXPECT_EQ(p.hayLat, lat);
            EXPECT_EQ(p.hayLon, lon);
            EXPECT_EQ(p.besLat, "");
        }
        EXPECT_EQ(p.grsLat, "");
        EXPECT_EQ(s.calc.strArg4, c.pair); // the slots carried the shift
    }
}

TEST(EllipsoideBerechnen, StartBesselFillsAllThreePairsWhateverTheTarget) {
    for (const char* target : {"Bessel", "GRS80", "Hayford"}) {
        ProgramState s = jobState("Bessel", target);
        RecordingMessages m;
        EllipsoideBerechnen("50", "10", s.job.StartEllipsoid, s.job.ZielEllipsoid, s.calc, m);
        const Pairs p = pairsOf(s);
        EXPECT_EQ(p.besLat, "50");
        EXPECT_EQ(p.besLon, "10");
        EXPECT_EQ(p.grsLat, shifted("50", "10", "BG", true));
        EXPECT_EQ(p.grsLon, shifted("50", "10", "BG", false));
        // The second step starts from the 15-digit texts, with height 300 again.
        EXPECT_EQ(p.hayLat, shifted(p.grsLat, p.grsLon, "GH", true));
        EXPECT_EQ(p.hayLon, shifted(p.grsLat, p.grsLon, "GH", false));
        EXPECT_EQ(s.calc.strArg4, "GH");
    }
}

TEST(EllipsoideBerechnen, StartHayfordPassesThroughGrs80ToBessel) {
    ProgramState s = jobState("Hayford", "Bessel");
    RecordingMessages m;
    EllipsoideBerechnen("48", "11", s.job.StartEllipsoid, s.job.ZielEllipsoid, s.calc, m);
    const Pairs p = pairsOf(s);
    EXPECT_EQ(p.hayLat, "48");
    EXPECT_EQ(p.grsLat, shifted("48", "11", "HG", true));
    EXPECT_EQ(p.besLat, shifted(p.grsLat, p.grsLon, "GB", true));
    EXPECT_EQ(p.besLon, shifted(p.grsLat, p.grsLon, "GB", false));
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
    EXPECT_EQ(s.calc.strBreiteGRS80, shifted("50", "10", "BG", true));
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
