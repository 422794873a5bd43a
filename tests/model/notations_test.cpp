// Which notations each ellipsoid offers. The selection screen enables its
// buttons by this table, and the Gauss-Krueger stages skip their work on a
// job whose target ellipsoid was cleared, so "no ellipsoid" must offer
// nothing.
#include "model/notations.h"

#include <gtest/gtest.h>

#include <string>

namespace lw {
namespace {

struct Case {
    const char* ellipsoid;
    const char* offeredCodes; // the format codes 0..7 offered, as digits
};

constexpr Case kCases[] = {
    {kGRS80, "123456"}, {kHayford, "123456"}, {kBessel, "1237"},
    {"", ""},           {"WGS", ""}, // a UTM ellipsoid text, not a job name
};

TEST(OffersNotation, GaussKruegerOnlyOnBesselUtmNeverOnIt) {
    for (const Case& c : kCases) {
        std::string offered;
        for (std::uint8_t code = kKeinFormat; code <= kGaussKrueger; ++code)
            if (offersNotation(c.ellipsoid, code))
                offered += static_cast<char>('0' + code);
        EXPECT_EQ(offered, c.offeredCodes) << "ellipsoid \"" << c.ellipsoid << "\"";
    }
}

} // namespace
} // namespace lw
