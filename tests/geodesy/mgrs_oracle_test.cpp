// The military letters against GeographicLib's MGRS, an independent
// implementation of the same lettering, on GRS80 points all over the grid.
#include "procedures/procedures.h"
#include "support/fake_screen.h"
#include "text/numtext.h"

#include <GeographicLib/MGRS.hpp>
#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace lw::test {
namespace {

struct Civil {
    std::string zone, easting, northing;
};

Civil toUtm(double lat, double lon, RecordingMessages& m) {
    std::string e = plainText(lon), n = plainText(lat), z = "WGS";
    GeoNachUTM(e, n, z, m);
    return {z, e, n};
}

std::string withoutBlanks(std::string s) {
    std::erase(s, ' ');
    return s;
}

std::string withoutLeadingZero(const std::string& s) {
    return s[0] == '0' ? s.substr(1) : s;
}

// Latitudes and longitudes that avoid band and zone borders, where the two
// programs may place a boundary point differently.
template <class F> void forEachPoint(F f) {
    for (double lat = -79.7; lat < 84; lat += 1.9)
        for (double lon = -179.3; lon < 180; lon += 3.7)
            f(lat, lon);
}

TEST(MgrsOracle, LettersAndReferenceTextMatchGeographicLib) {
    int compared = 0;
    forEachPoint([&](double lat, double lon) {
        RecordingMessages m;
        const Civil c = toUtm(lat, lon, m);
        std::string ref = c.zone;
        std::string e = c.easting, n = c.northing;
        UTMnachMIL(ref, e, n, m);
        MILnachREF(ref, m);
        ASSERT_TRUE(m.messages.empty());

        const int zone = std::stoi(c.zone.substr(0, 2));
        std::string theirs;
        GeographicLib::MGRS::Forward(zone, lat >= 0, readNumber(c.easting), readNumber(c.northing),
                                     lat, 5, theirs);
        EXPECT_EQ(withoutLeadingZero(withoutBlanks(ref)), withoutLeadingZero(theirs))
            << lat << " " << lon;
        ++compared;
    });
    EXPECT_GT(compared, 4000);
}

TEST(MgrsOracle, DecodingMatchesGeographicLibIncludingFarNorth) {
    forEachPoint([&](double lat, double lon) {
        RecordingMessages m;
        const Civil c = toUtm(lat, lon, m);
        std::string mil = c.zone, e = c.easting, n = c.northing;
        UTMnachMIL(mil, e, n, m);
        // "32U  NA  73.19.61.61.60"
        std::string z = mil.substr(0, 3), letters = mil.substr(5, 2), p1 = mil.substr(9, 2),
                    p2 = mil.substr(12, 2), p3 = mil.substr(15, 2), p4 = mil.substr(18, 2),
                    p5 = mil.substr(21, 2);
        std::string ref = mil;
        MILnachREF(ref, m);
        MILnachUTM(z, letters, p1, p2, p3, p4, p5, m);
        ASSERT_TRUE(m.messages.empty()) << mil;

        int zone = 0, prec = 0;
        bool northp = false;
        double x = 0, y = 0;
        GeographicLib::MGRS::Reverse(withoutBlanks(ref), zone, northp, x, y, prec, false);
        EXPECT_EQ(readNumber(z), x) << mil;
        EXPECT_EQ(readNumber(letters), y) << mil;
    });
}

} // namespace
} // namespace lw::test
