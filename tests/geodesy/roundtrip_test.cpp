// Round trips over grids of points, through the typed functions (unrounded)
// and through the text procedures (rounded to whole metres).
#include "geodesy/gauss_krueger.h"
#include "geodesy/utm.h"
#include "geodesy_test_support.h"
#include "procedures/procedures.h"
#include "text/numtext.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace lw::test {
namespace {

TEST(UtmRoundTrip, TypedSeriesWithinThreeDegreesOfTheCentralMeridian) {
    for (const Ellipsoid* ell : {&ellipsoid::GRS80, &ellipsoid::Hayford}) {
        double worstNorth = 0, worstSouth = 0;
        for (double lat = -80; lat <= 84; lat += 2)
            for (double dl = -3; dl <= 3; dl += 0.5) {
                const GridPoint p = utmForward(lat, 9 + dl, 32, *ell).value();
                const GeoPoint g = utmInverse(p.eastingM, p.northingM, 32, lat >= 0, *ell).value();
                double& worst = lat >= 0 ? worstNorth : worstSouth;
                worst = std::max({worst, std::fabs(g.latDeg - lat), std::fabs(g.lonDeg - 9 - dl)});
            }
        std::printf("UTM round trip worst north %.3g deg, south %.3g deg\n", worstNorth,
                    worstSouth);
        // Measured: 2.6e-8 deg north, in longitude near 84 deg (under 1 mm).
        EXPECT_LT(worstNorth, 5e-8);
        // South the inverse rounds 10000000 - northing to whole metres, which
        // alone can cost 0.5 m = 4.5e-6 deg (measured 4.5e-6 deg).
        EXPECT_LT(worstSouth, 9e-6);
    }
}

TEST(GaussKruegerRoundTrip, TypedSeriesOverGermany) {
    for (int width : {3, 6}) {
        double worst = 0;
        for (double lat = 47; lat <= 55.1; lat += 0.25)
            for (double lon = 5.5; lon <= 15.1; lon += 0.25) {
                const GkStrip s = gkStripOfLongitude(lon, width);
                const GkPoint p = gkForward(lat, lon, s).value();
                const double y = p.rechtswertM - kGkFalseEastingM - s.number * kGkStripMultiplierM;
                const GeoPoint g = gkInverse(p.hochwertM, y, s.centralMeridianDeg).value();
                worst = std::max({worst, std::fabs(g.latDeg - lat), std::fabs(g.lonDeg - lon)});
            }
        // Measured: 9.4e-10 deg (3 deg strips), 9.9e-9 deg (6 deg strips).
        std::printf("GK %d round trip worst %.3g deg\n", width, worst);
        EXPECT_LT(worst, width == 3 ? 2e-9 : 2e-8) << width;
    }
}

// Geographic -> UTM text -> military -> UTM text -> geographic: the whole
// chain loses only the rounding to whole metres.
TEST(MilitaryRoundTrip, GeographicThroughLettersAndBack) {
    const struct {
        double lat, lon;
    } points[] = {{50, 10},   {-33.9, 18.4}, {82, 15},   {82, 27},   {83.5, 30}, {72.05, 15},
                  {72.5, 26}, {60, 5},       {-79, -70}, {-0.5, 40}, {0.5, -60}, {45, 179.9}};
    for (const auto& p : points) {
        RecordingMessages m;
        std::string e = plainText(p.lon), n = plainText(p.lat), zone = "WGS";
        GeoNachUTM(e, n, zone, m);
        const std::string civil = zone + " " + e + " " + n;
        std::string mil = zone;
        UTMnachMIL(mil, e, n, m);
        // "33X  WM  02.03.08.30.11": zone, letters, five pairs
        std::string z = mil.substr(0, 3), letters = mil.substr(5, 2), p1 = mil.substr(9, 2),
                    p2 = mil.substr(12, 2), p3 = mil.substr(15, 2), p4 = mil.substr(18, 2),
                    p5 = mil.substr(21, 2);
        MILnachUTM(z, letters, p1, p2, p3, p4, p5, m);
        EXPECT_EQ(p1 + " " + z + " " + letters, civil) << mil;
        std::string wgs = "WGS";
        UTMnachGeo(z, letters, p1, wgs, m);
        EXPECT_NEAR(readNumber(wgs), p.lat, 1e-5) << mil;
        // Half a metre of rounding is 4.5e-6 deg of latitude, and of longitude
        // divided by cos(lat).
        EXPECT_NEAR(readNumber(p1), p.lon, 1e-5 / std::cos(p.lat * kDegToRad)) << mil;
        EXPECT_TRUE(m.messages.empty()) << mil;
    }
}

} // namespace
} // namespace lw::test
