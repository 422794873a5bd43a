// The truncated series against PROJ's exact transverse Mercator (an
// independent oracle). The bounds are twice the largest difference measured
// per latitude band, so a wrong coefficient, sign or dropped term fails while
// the known truncation error passes. docs/accuracy.md lists the figures.
#include "geodesy/gauss_krueger.h"
#include "geodesy/utm.h"
#include "proj_oracle.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>

namespace lw::test {
namespace {

// Largest differences inside one latitude band.
struct Differences {
    double forwardM = 0;   // easting/northing, metres
    double inverseDeg = 0; // latitude/longitude, degrees
};

struct Band {
    double latFrom, latTo;
    Differences bound; // twice the measured maximum
};

TEST(ProjCrossCheck, UtmWithinThreeDegreesOfTheCentralMeridian) {
    // Measured maxima (GRS80 and Hayford alike, both hemispheres): forward
    // 2.53 mm / 0.63 mm / 0.59 mm, inverse 6.9e-9 / 5.7e-9 / 8.7e-9 deg.
    const Band bands[] = {
        {0, 40, {0.0051, 1.4e-8}},
        {40, 60, {0.0013, 1.2e-8}},
        {60, 84, {0.0012, 1.8e-8}},
    };
    const struct {
        const Ellipsoid* ell;
        const char* ellps;
    } ellipsoids[] = {{&ellipsoid::GRS80, "GRS80"}, {&ellipsoid::Hayford, "intl"}};

    for (const auto& e : ellipsoids)
        for (bool south : {false, true}) {
            Proj proj(std::string("+proj=utm +zone=32 +ellps=") + e.ellps +
                      (south ? " +south" : ""));
            ASSERT_TRUE(proj.ok());
            for (const Band& band : bands) {
                Differences d;
                const double latTo = south ? std::min(band.latTo, 80.0) : band.latTo;
                for (double lat = band.latFrom; lat <= latTo; lat += 0.5)
                    for (double dl = -3; dl <= 3; dl += 0.25) {
                        const double phi = south ? -lat : lat, lon = 9 + dl;
                        if (south && phi == 0)
                            continue;
                        const GridPoint ours = utmForward(phi, lon, 32, *e.ell).value();
                        const PJ_XY ref = proj.forward(phi, lon);
                        d.forwardM = std::max({d.forwardM, std::fabs(ours.eastingM - ref.x),
                                               std::fabs(ours.northingM - ref.y)});
                        // The inverse works on whole metres (the southern
                        // northing is rounded inside it): compare on those.
                        const double x = std::round(ref.x), y = std::round(ref.y);
                        const GeoPoint back = utmInverse(x, y, 32, !south, *e.ell).value();
                        const PJ_LP refBack = proj.inverse(x, y);
                        d.inverseDeg = std::max({d.inverseDeg, std::fabs(back.latDeg - refBack.phi),
                                                 std::fabs(back.lonDeg - refBack.lam)});
                    }
                std::printf("UTM %-5s %s %2.0f..%2.0f: forward %.3g m, inverse %.3g deg\n", e.ellps,
                            south ? "S" : "N", band.latFrom, band.latTo, d.forwardM, d.inverseDeg);
                EXPECT_LE(d.forwardM, band.bound.forwardM) << e.ellps << " " << band.latFrom;
                EXPECT_LE(d.inverseDeg, band.bound.inverseDeg) << e.ellps << " " << band.latFrom;
            }
        }
}

TEST(ProjCrossCheck, GaussKruegerOnBesselOverGermany) {
    const struct {
        int width;
        Differences bound;
    } widths[] = {// measured: 3 deg 0.086 mm / 1.5e-9 deg; 6 deg 0.56 mm / 4.6e-9 deg
                  {3, {1.8e-4, 3.1e-9}},
                  {6, {0.0012, 9.2e-9}}};
    for (const auto& w : widths) {
        Differences d;
        for (double lat = 47.25; lat <= 55.05; lat += 0.1)
            for (double lon = 5.9; lon <= 15.05; lon += 0.1) {
                const GkStrip s = gkStripOfLongitude(lon, w.width);
                Proj proj("+proj=tmerc +k=1 +ellps=bessel +lat_0=0 +lon_0=" +
                          std::to_string(s.centralMeridianDeg) +
                          " +x_0=" + std::to_string(s.number * 1000000 + 500000));
                ASSERT_TRUE(proj.ok());
                const GkPoint ours = gkForward(lat, lon, s).value();
                const PJ_XY ref = proj.forward(lat, lon);
                d.forwardM = std::max({d.forwardM, std::fabs(ours.rechtswertM - ref.x),
                                       std::fabs(ours.hochwertM - ref.y)});
                const double y = ref.x - 500000 - s.number * 1000000;
                const GeoPoint back = gkInverse(ref.y, y, s.centralMeridianDeg).value();
                d.inverseDeg = std::max(
                    {d.inverseDeg, std::fabs(back.latDeg - lat), std::fabs(back.lonDeg - lon)});
            }
        std::printf("GK %d deg: forward %.3g m, inverse %.3g deg\n", w.width, d.forwardM,
                    d.inverseDeg);
        EXPECT_LE(d.forwardM, w.bound.forwardM) << w.width;
        EXPECT_LE(d.inverseDeg, w.bound.inverseDeg) << w.width;
    }
}

} // namespace
} // namespace lw::test
