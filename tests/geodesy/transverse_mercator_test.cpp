// The projection behind UTM and Gauss-Krueger with its parameters as given:
// both evaluations on every ellipsoid, the false origin and the scale.
#include "geodesy/transverse_mercator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace lw {
namespace {

constexpr double kCentralMeridianDeg = 9;

TransverseMercator plain(const Ellipsoid& ell, TmEvaluation evaluation) {
    return {&ell, kCentralMeridianDeg, 1, 0, 0, evaluation};
}

TEST(TransverseMercator, BothEvaluationsAgreeAndInvertOnEveryEllipsoid) {
    const struct {
        const char* name;
        const Ellipsoid* ell;
    } ellipsoids[] = {{"GRS80", &ellipsoid::GRS80},
                      {"Hayford", &ellipsoid::Hayford},
                      {"Bessel", &ellipsoid::Bessel}};
    for (const auto& e : ellipsoids) {
        SCOPED_TRACE(e.name);
        const TransverseMercator radians = plain(*e.ell, TmEvaluation::Radians);
        const TransverseMercator degrees = plain(*e.ell, TmEvaluation::Degrees);
        double worstApart = 0, worstBack = 0;
        for (double lat = -80; lat <= 84; lat += 4)
            for (double dl = -3; dl <= 3; dl += 0.75) {
                const double lon = kCentralMeridianDeg + dl;
                const GridPoint r = tmForward(radians, lat, lon).value();
                const GridPoint d = tmForward(degrees, lat, lon).value();
                worstApart = std::max({worstApart, std::fabs(r.eastingM - d.eastingM),
                                       std::fabs(r.northingM - d.northingM)});
                for (const auto& [tm, p] : {std::pair{radians, r}, std::pair{degrees, d}}) {
                    const GeoPoint g = tmInverse(tm, p.eastingM, p.northingM).value();
                    worstBack =
                        std::max({worstBack, std::fabs(g.latDeg - lat), std::fabs(g.lonDeg - lon)});
                }
            }
        std::printf("%s: evaluations %.3g m apart, round trip %.3g deg\n", e.name, worstApart,
                    worstBack);
        // Measured: at most 1.1e-8 m apart (Hayford, whose e'^2 from the
        // flattening and from e' differ most), 2.6e-8 deg back.
        EXPECT_LT(worstApart, 1e-7);
        EXPECT_LT(worstBack, 5e-8);
    }
}

TEST(TransverseMercator, FalseOriginAndScaleApplyToTheSeries) {
    for (TmEvaluation evaluation : {TmEvaluation::Radians, TmEvaluation::Degrees}) {
        SCOPED_TRACE(evaluation == TmEvaluation::Radians ? "radians" : "degrees");
        const TransverseMercator unit = plain(ellipsoid::GRS80, evaluation);
        TransverseMercator shifted = unit;
        shifted.scale = 0.9996;
        shifted.falseEastingM = 500000;
        shifted.falseNorthingM = 1000000;

        const GridPoint origin = tmForward(shifted, 0, kCentralMeridianDeg).value();
        EXPECT_EQ(origin.eastingM, 500000);
        EXPECT_EQ(origin.northingM, 1000000);
        const GeoPoint back = tmInverse(shifted, 500000, 1000000).value();
        EXPECT_NEAR(back.latDeg, 0, 1e-12);
        EXPECT_NEAR(back.lonDeg, kCentralMeridianDeg, 1e-12);

        const GridPoint p = tmForward(unit, 52, 11).value();
        const GridPoint q = tmForward(shifted, 52, 11).value();
        EXPECT_NEAR(q.eastingM, p.eastingM * 0.9996 + 500000, 1e-6);
        EXPECT_NEAR(q.northingM, p.northingM * 0.9996 + 1000000, 1e-6);
        const GeoPoint g = tmInverse(shifted, q.eastingM, q.northingM).value();
        EXPECT_NEAR(g.latDeg, 52, 1e-8);
        EXPECT_NEAR(g.lonDeg, 11, 1e-8);
    }
}

TEST(TransverseMercator, NonFiniteResultsGiveNone) {
    for (TmEvaluation evaluation : {TmEvaluation::Radians, TmEvaluation::Degrees}) {
        const TransverseMercator tm = plain(ellipsoid::Bessel, evaluation);
        EXPECT_FALSE(tmForward(tm, NAN, 9));
        EXPECT_FALSE(tmForward(tm, 50, INFINITY));
        EXPECT_FALSE(tmInverse(tm, NAN, 5500000));
        EXPECT_FALSE(tmInverse(tm, 100000, -INFINITY));
    }
}

} // namespace
} // namespace lw
