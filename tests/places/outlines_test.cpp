#include "place_file_writer.h"
#include "places/outlines.h"
#include "places/place_files.h"

#include <gtest/gtest.h>

#include <set>

namespace lw::places {
namespace {

using test::OutlineRow;

std::string nameAt(const Outlines& outlines, double lat, double lon) {
    const Outline* country = outlines.countryAt(lat, lon);
    return country ? country->name : "";
}

// A square country with a lake, and a state of the same outline (states are
// for the map, never the answer to "which country").
std::string squareFile() {
    const std::vector<std::pair<double, double>> outer = {{0, 0}, {10, 0}, {10, 10}, {0, 10}};
    const std::vector<std::pair<double, double>> lake = {{4, 4}, {6, 4}, {6, 6}, {4, 6}};
    return test::outlineFile(
        {{1, "Land", "DE.XX", {outer}}, {0, "Quadratien", "QQ", {outer, lake}}});
}

TEST(Outlines, AHoleIsNoPartOfTheCountry) {
    const std::optional<Outlines> outlines = Outlines::read(squareFile());
    ASSERT_TRUE(outlines);
    ASSERT_EQ(outlines->all().size(), 2u);
    struct Case {
        double lat, lon;
        const char* country; // "": none
    } cases[] = {
        {2, 2, "Quadratien"}, {5, 5, ""},  {5, 8, "Quadratien"},
        {5, 11, ""},          {-1, 5, ""}, {9.99, 0.01, "Quadratien"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(nameAt(*outlines, c.lat, c.lon), c.country) << c.lat << " " << c.lon;
}

TEST(DamagedOutlineFile, EveryCutIsRefused) {
    const std::string whole = squareFile();
    ASSERT_TRUE(Outlines::read(whole));
    for (std::size_t n = 0; n < whole.size(); ++n)
        EXPECT_FALSE(Outlines::read(whole.substr(0, n))) << "cut after " << n << " bytes";
}

TEST(DamagedOutlineFile, EachKindOfDamageIsRefused) {
    const std::vector<std::pair<double, double>> square = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    struct Case {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"an unknown kind", test::outlineFile({{2, "Land", "", {square}}})},
        {"a ring of two corners", test::outlineFile({{0, "Land", "", {{{0, 0}, {1, 1}}}}})},
        {"no ring", test::outlineFile({{0, "Land", "", {}}})},
        {"no name", test::outlineFile({{0, "", "XX", {square}}})},
        {"a corner beyond the pole",
         test::outlineFile({{0, "Land", "", {{{0, 0}, {1, 90.5}, {2, 0}}}}})},
        {"a number of more than five bytes",
         "LWUMRIS1\1\0\0\0\0L\0\0\1\0\0\0\3\0\0\0\xFF\xFF\xFF\xFF\xFF\xFF\x01"},
        {"a byte beyond the end", squareFile() + "x"},
    };
    for (const Case& c : cases)
        EXPECT_FALSE(Outlines::read(c.bytes)) << c.what;
}

TEST(ShippedOutlines, CountriesAroundTheWorldAndGermanysStates) {
    const PlaceFiles files = readPlaceFiles(LW_TEST_PLACES_DIR);
    ASSERT_TRUE(files.outlines);
    struct Case {
        double lat, lon;
        const char* country;
    } cases[] = {
        {48.41, 9.79, "Deutschland"},
        {47.56, 7.59, "Schweiz"},       // Basel, beside Germany
        {54.5, 4.0, ""},                // North Sea
        {-33.87, 151.21, "Australien"}, // southern hemisphere
        {-17.8, 178.0, "Fidschi"},      // just west of the date line
        {66.0, -175.0, "Russland"},     // Chukotka, east of the date line
        {-85.0, 0.0, "Antarktis"},
        {23.0, 12.0, "Niger"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(nameAt(*files.outlines, c.lat, c.lon), c.country) << c.lat << " " << c.lon;

    std::set<std::string> states;
    for (const Outline& o : files.outlines->all())
        if (o.kind == OutlineKind::GermanState)
            states.insert(o.name);
    EXPECT_EQ(states.size(), 16u);
    EXPECT_TRUE(states.count("Baden-Württemberg") && states.count("Mecklenburg-Vorpommern"));
}

} // namespace
} // namespace lw::places
