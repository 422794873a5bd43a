// The exact transverse Mercator against PROJ's default tmerc (the same
// sixth-order series, an independent implementation), over Germany in the
// own and the neighbour UTM zones and Gauss-Krueger strips; round trips; the
// edges. Centimetre results need 0.5 mm; the bounds are far tighter (the
// measured maxima are a few nanometres), so that a wrong coefficient of the
// fourth or fifth order fails too.
#include "geodesy/exact_tm.h"
#include "geodesy/utm.h"
#include "proj_oracle.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdio>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace lw::test {
namespace {

constexpr double kBoundM = 2e-8;    // forward and inverse, metres
constexpr double kBoundDeg = 2e-13; // inverse, degrees (about 0.02 micrometres)
constexpr double kRequiredM = 5e-4; // what the centimetre needs
constexpr double kMetresPerDeg = 111e3;

std::string utmDefinition(int zone, const char* ellps) {
    return std::string("+proj=tmerc +ellps=") + ellps +
           " +lon_0=" + std::to_string(6 * zone - 183) + " +k=0.9996 +x_0=500000";
}

// Bessel as PROJ defines it (1/f = 299.1528128), or with the program's own
// flattening: its last digits differ by 5.6e-13, which is worth up to 4.2
// micrometres over Germany; the series are compared on the same ellipsoid.
std::string gkDefinition(int strip, bool programsFlattening) {
    return std::string("+proj=tmerc ") +
           (programsFlattening ? "+a=6377397.155 +f=0.0033427731816161" : "+ellps=bessel") +
           " +lon_0=" + std::to_string(3 * strip) +
           " +k=1 +x_0=" + std::to_string(strip * 1000000 + 500000);
}

struct Worst {
    double forwardM = 0, inverseDeg = 0, roundTripDeg = 0;
    void check(const char* what, double boundM = kBoundM, double boundDeg = kBoundDeg) const {
        std::printf("%-28s forward %.3g m, inverse %.3g deg, round trip %.3g deg\n", what, forwardM,
                    inverseDeg, roundTripDeg);
        EXPECT_LE(forwardM, boundM) << what;
        EXPECT_LE(inverseDeg, boundDeg) << what;
        EXPECT_LE(roundTripDeg, kBoundDeg) << what;
        EXPECT_LE(std::max(forwardM, inverseDeg * kMetresPerDeg), kRequiredM) << what;
    }
};

// Germany and its surroundings: 47..55.5 N, 5..15.5 E, on a 0.25 deg grid,
// as far as the longitude lies within `reachDeg` of the central meridian.
template <class Ours, class Back>
void compareOverGermany(const Proj& proj, double centralMeridianDeg, double reachDeg, Ours ours,
                        Back back, Worst& w) {
    for (double lat = 47; lat <= 55.5; lat += 0.25)
        for (double lon = 5; lon <= 15.5; lon += 0.25) {
            if (std::fabs(lon - centralMeridianDeg) > reachDeg)
                continue;
            const GridPoint g = ours(GeoPoint{lat, lon}).value();
            const PJ_XY ref = proj.forward(lat, lon);
            w.forwardM = std::max(
                {w.forwardM, std::fabs(g.eastingM - ref.x), std::fabs(g.northingM - ref.y)});
            // Inverse on PROJ's grid point, against PROJ's own inverse of it.
            const GeoPoint p = back(GridPoint{ref.x, ref.y}).value();
            const PJ_LP refBack = proj.inverse(ref.x, ref.y);
            w.inverseDeg = std::max({w.inverseDeg, std::fabs(p.latDeg - refBack.phi),
                                     std::fabs(p.lonDeg - refBack.lam)});
            const GeoPoint trip = back(g).value();
            w.roundTripDeg = std::max(
                {w.roundTripDeg, std::fabs(trip.latDeg - lat), std::fabs(trip.lonDeg - lon)});
        }
}

TEST(ExactTmAgainstProj, UtmOwnAndNeighbourZonesOverGermany) {
    // 31 and 34 reach 9 deg and more into Germany, 32 and 33 cover it whole.
    for (int zone : {31, 32, 33, 34}) {
        Proj proj(utmDefinition(zone, "GRS80"));
        ASSERT_TRUE(proj.ok());
        Worst w;
        compareOverGermany(
            proj, 6 * zone - 183, 10,
            [zone](GeoPoint p) { return utmExactForward(p, zone, ellipsoid::GRS80); },
            [zone](GridPoint g) { return utmExactInverse(g, zone, ellipsoid::GRS80); }, w);
        w.check(("UTM zone " + std::to_string(zone) + " GRS80").c_str());
    }
}

TEST(ExactTmAgainstProj, UtmOfTheEpsgSystems) {
    // ETRS89 / UTM 32N and 33N, and the same with the zone in the easting.
    const struct {
        const char* crs;
        int zone;
        double zoneInEastingM;
    } systems[] = {{"EPSG:25832", 32, 0},
                   {"EPSG:25833", 33, 0},
                   {"EPSG:4647", 32, 32e6},
                   {"EPSG:5650", 33, 33e6}};
    for (const auto& s : systems) {
        Proj proj("EPSG:4258", s.crs);
        ASSERT_TRUE(proj.ok()) << s.crs;
        const double shift = s.zoneInEastingM;
        Worst w;
        compareOverGermany(
            proj, 6 * s.zone - 183, 10,
            [&](GeoPoint p) {
                GridPoint g = utmExactForward(p, s.zone, ellipsoid::GRS80).value();
                g.eastingM += shift;
                return std::optional<GridPoint>(g);
            },
            [&](GridPoint g) {
                return utmExactInverse({g.eastingM - shift, g.northingM}, s.zone, ellipsoid::GRS80);
            },
            w);
        w.check(s.crs);
    }
}

TEST(ExactTmAgainstProj, UtmOnHayford) {
    Proj proj(utmDefinition(32, "intl"));
    ASSERT_TRUE(proj.ok());
    Worst w;
    compareOverGermany(
        proj, 9, 10, [](GeoPoint p) { return utmExactForward(p, 32, ellipsoid::Hayford); },
        [](GridPoint g) { return utmExactInverse(g, 32, ellipsoid::Hayford); }, w);
    w.check("UTM zone 32 Hayford");
}

TEST(ExactTmAgainstProj, GaussKruegerOwnAndNeighbourStripsOverGermany) {
    for (bool programsFlattening : {true, false})
        for (int strip : {1, 2, 3, 4, 5, 6}) {
            Proj proj(gkDefinition(strip, programsFlattening));
            ASSERT_TRUE(proj.ok());
            Worst w;
            compareOverGermany(
                proj, 3 * strip, 4.5,
                [strip](GeoPoint p) -> std::optional<GridPoint> {
                    const GkPoint k = gkExactForward(p, strip).value();
                    return GridPoint{k.rechtswertM, k.hochwertM};
                },
                [strip](GridPoint g) {
                    return gkExactInverse({g.northingM, g.eastingM}, strip);
                },
                w);
            const std::string what =
                "GK strip " + std::to_string(strip) + (programsFlattening ? "" : " ellps=bessel");
            if (programsFlattening)
                w.check(what.c_str());
            else // measured 4.2e-6 m and 3.8e-11 deg
                w.check(what.c_str(), 1e-5, 1e-10);
        }
}

// Far beyond any zone: out to 40 deg from the meridian and to the poles, on
// both hemispheres (measured: 13 nm, round trip 9.5e-13 deg).
TEST(ExactTmAgainstProj, FarFromTheMeridianAndNearThePoles) {
    Proj proj(utmDefinition(32, "GRS80"));
    ASSERT_TRUE(proj.ok());
    double forwardM = 0, roundTripDeg = 0;
    for (double lat = -89.5; lat <= 89.5; lat += 2.5)
        for (double dl = -40; dl <= 40; dl += 2.5) {
            const GridPoint g = utmExactForward({lat, 9 + dl}, 32, ellipsoid::GRS80).value();
            const PJ_XY ref = proj.forward(lat, 9 + dl);
            forwardM =
                std::max({forwardM, std::fabs(g.eastingM - ref.x), std::fabs(g.northingM - ref.y)});
            const GeoPoint back = utmExactInverse(g, 32, ellipsoid::GRS80).value();
            roundTripDeg = std::max(
                {roundTripDeg, std::fabs(back.latDeg - lat), std::fabs(back.lonDeg - 9 - dl)});
        }
    std::printf("far: forward %.3g m, round trip %.3g deg\n", forwardM, roundTripDeg);
    EXPECT_LE(forwardM, 3e-8);
    EXPECT_LE(roundTripDeg, 2e-12);
}

// ---- Edges ---------------------------------------------------------------------------------

// Quarter meridian of GRS80 scaled by 0.9996: the northing of the pole.
constexpr double kGrs80QuarterMeridianM = 10001965.729;

TEST(ExactTm, ThePolesMapToTheQuarterMeridianOnTheCentralMeridian) {
    for (double lon : {9.0, 3.0, 100.0, -171.0})
        for (double sign : {1.0, -1.0}) {
            const GridPoint g = utmExactForward({sign * 90, lon}, 32, ellipsoid::GRS80).value();
            EXPECT_NEAR(g.northingM, sign * kGrs80QuarterMeridianM * kUtmScale, 1e-3) << lon;
            EXPECT_NEAR(g.eastingM, kUtmFalseEastingM, 1e-6) << lon;
            const GeoPoint back = utmExactInverse(g, 32, ellipsoid::GRS80).value();
            EXPECT_NEAR(back.latDeg, sign * 90, 1e-9) << lon;
        }
}

TEST(ExactTm, EquatorAndCentralMeridian) {
    const struct {
        GeoPoint p;
        double eastingM, northingM, tolM;
    } cases[] = {
        {{0, 9}, 500000, 0, 0},                  // origin: exactly the false easting
        {{0, 10}, 611280.6509, 0, 1e-4},         // on the equator the northing stays 0
        {{52, 9}, 500000, 5761038.2125, 1e-4},   // on the meridian the easting stays
        {{-52, 9}, 500000, -5761038.2125, 1e-4}, // northern hemisphere: negative south
    };
    for (const auto& c : cases) {
        const GridPoint g = utmExactForward(c.p, 32, ellipsoid::GRS80).value();
        EXPECT_NEAR(g.eastingM, c.eastingM, c.tolM) << c.p.latDeg << " " << c.p.lonDeg;
        EXPECT_NEAR(g.northingM, c.northingM, c.tolM) << c.p.latDeg << " " << c.p.lonDeg;
    }
}

TEST(ExactTm, MirrorSymmetryAboutMeridianAndEquator) {
    for (double lat : {1.0, 30.0, 52.5, 80.0})
        for (double dl : {0.5, 4.0, 9.5}) {
            const GridPoint ne = utmExactForward({lat, 9 + dl}, 32, ellipsoid::GRS80).value();
            const GridPoint nw = utmExactForward({lat, 9 - dl}, 32, ellipsoid::GRS80).value();
            const GridPoint se = utmExactForward({-lat, 9 + dl}, 32, ellipsoid::GRS80).value();
            EXPECT_NEAR(ne.eastingM - 500000, 500000 - nw.eastingM, 1e-8);
            EXPECT_NEAR(ne.northingM, nw.northingM, 1e-8);
            EXPECT_NEAR(ne.northingM, -se.northingM, 1e-8);
            EXPECT_NEAR(ne.eastingM, se.eastingM, 1e-8);
        }
}

TEST(ExactTm, LongitudeIsTakenModulo360) {
    const GridPoint a = utmExactForward({50, 12}, 32, ellipsoid::GRS80).value();
    const GridPoint b = utmExactForward({50, 12 + 360}, 32, ellipsoid::GRS80).value();
    const GridPoint c = utmExactForward({50, 12 - 720}, 32, ellipsoid::GRS80).value();
    EXPECT_NEAR(a.eastingM, b.eastingM, 1e-6);
    EXPECT_NEAR(a.northingM, c.northingM, 1e-6);
}

// The projection's sinh and cosh from one expm1 must be the library's to
// the bit, or a centimetre could flip: random arguments of every size up to
// 2, both signs, the edges of the shared range and their neighbours.
TEST(Hyperbolic, TheLibrarysSinhAndCoshToTheBit) {
    auto bits = [](double v) { return std::bit_cast<std::uint64_t>(v); };
    auto expectLibrarys = [&](double x) {
        const Hyperbolic h = hyperbolic(x);
        const double s = std::sinh(x), c = std::cosh(x);
        if (std::isnan(x)) {
            EXPECT_TRUE(std::isnan(h.sinh) && std::isnan(h.cosh));
            return;
        }
        ASSERT_EQ(bits(h.sinh), bits(s)) << std::hexfloat << x;
        ASSERT_EQ(bits(h.cosh), bits(c)) << std::hexfloat << x;
    };
    std::vector<double> edges = {0.0,
                                 0x1p-28,
                                 0x1.62e43p-2,
                                 0.5,
                                 1.0,
                                 std::numeric_limits<double>::infinity(),
                                 std::numeric_limits<double>::quiet_NaN()};
    for (double e : std::vector<double>(edges))
        for (double d : {std::nextafter(e, 0.0), std::nextafter(e, 1.0)})
            edges.push_back(d);
    for (double e : edges) {
        expectLibrarys(e);
        expectLibrarys(-e);
    }
    std::mt19937_64 random(28);
    std::uniform_real_distribution<double> exponent(-32, 1), mantissa(1, 2);
    for (int i = 0; i < 1000000; ++i) {
        const double x = std::ldexp(mantissa(random), static_cast<int>(exponent(random)));
        expectLibrarys(i % 2 == 0 ? x : -x);
    }
}

TEST(ExactTm, NoResultForNonFiniteOrImpossibleInput) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const GeoPoint badPoints[] = {{nan, 9}, {50, nan}, {inf, 9}, {50, -inf}, {90.5, 9}, {-91, 9}};
    for (const GeoPoint& p : badPoints)
        EXPECT_FALSE(utmExactForward(p, 32, ellipsoid::GRS80)) << p.latDeg << " " << p.lonDeg;
    const GridPoint badGrid[] = {{nan, 5e6}, {5e5, nan}, {inf, 5e6}, {5e5, -inf}, {1e300, 5e6}};
    for (const GridPoint& g : badGrid)
        EXPECT_FALSE(utmExactInverse(g, 32, ellipsoid::GRS80)) << g.eastingM << " " << g.northingM;
}

TEST(ExactTm, ZonesAndStripsOutsideTheirRangeGiveNoResult) {
    for (int zone : {0, 61, -1})
        EXPECT_FALSE(utmExactForward({50, 9}, zone, ellipsoid::GRS80)) << zone;
    EXPECT_FALSE(utmExactInverse({5e5, 5e6}, 61, ellipsoid::GRS80));
    for (int zone : {1, 60})
        EXPECT_TRUE(utmExactForward({50, 6.0 * zone - 183}, zone, ellipsoid::GRS80)) << zone;
    for (int strip : {-1, 120})
        EXPECT_FALSE(gkExactForward({50, 9}, strip)) << strip;
    EXPECT_FALSE(gkExactInverse({5.5e6, 3.5e6}, 120));
    EXPECT_TRUE(gkExactForward({50, 357}, 119));
    EXPECT_TRUE(gkExactForward({50, 1}, 0));
}

TEST(ExactTm, GaussKruegerStripCarriesItsNumberInTheRechtswert) {
    const struct {
        int strip;
        double lonDeg;
        double rechtswertM;
    } cases[] = {{3, 9, 3500000}, {4, 12, 4500000}, {2, 6, 2500000}};
    for (const auto& c : cases) {
        const GkPoint p = gkExactForward({51, c.lonDeg}, c.strip).value();
        EXPECT_NEAR(p.rechtswertM, c.rechtswertM, 1e-9) << c.strip;
        const GkStrip s = gkThreeDegreeStrip(c.strip);
        EXPECT_EQ(s.centralMeridianDeg, c.lonDeg);
        EXPECT_EQ(s.number, c.strip);
    }
}

} // namespace
} // namespace lw::test
