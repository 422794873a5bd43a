#include "place_file_writer.h"
#include "places/describe.h"
#include "places/place_files.h"

#include <gtest/gtest.h>

namespace lw::places {
namespace {

const PlaceFiles& shipped() {
    static const PlaceFiles files = readPlaceFiles(LW_TEST_PLACES_DIR);
    return files;
}

struct KnownPoint {
    double lat, lon;
    const char* line;
};

// Each line was checked against a map.
TEST(PlaceLine, AtKnownPoints) {
    ASSERT_TRUE(shipped().places && shipped().outlines);
    const KnownPoint cases[] = {
        // A town's centre, and a point 2 km to its south-west.
        {48.4119, 9.7850, "Lage: in Blaubeuren (Baden-Württemberg, Deutschland)"},
        {48.398, 9.765, "Lage: 2,1 km südwestlich von Blaubeuren (Baden-Württemberg, Deutschland)"},
        // The sample point of the calculation screen.
        {48.436333, 9.967967,
         "Lage: 3,8 km südöstlich von Dornstadt (Baden-Württemberg, Deutschland)"},
        // City centres; GeoNames' "Munich" under its German name; a part
        // of a city named with its city.
        {48.1374, 11.5755, "Lage: in München (Bayern, Deutschland)"},
        {48.15, 11.60, "Lage: 1,2 km westlich von München-Bogenhausen (Bayern, Deutschland)"},
        {52.52, 13.405, "Lage: in Berlin-Mitte (Berlin, Deutschland)"},
        {53.55, 9.99, "Lage: in Hamburg (Hamburg, Deutschland)"},
        // Across the border from each other: Basel and Lörrach.
        {47.56, 7.59, "Lage: 1,3 km östlich von Basel (Schweiz)"},
        {47.60, 7.66, "Lage: 1,7 km südlich von Lörrach (Baden-Württemberg, Deutschland)"},
        // An island in the sea, and the open sea.
        {54.18, 7.89, "Lage: in Helgoland (Schleswig-Holstein, Deutschland)"},
        {54.5, 4.0, "Lage: auf See, 214 km nördlich von Alkmaar (Niederlande)"},
        // Southern hemisphere.
        {-33.8688, 151.2093, "Lage: in Sydney (Australien)"},
        // Both sides of the date line give the same line.
        {-16.8, 179.99,
         "Lage: in Fidschi, 2.283 km nördlich von Auckland-North Shore (Neuseeland)"},
        {-16.8, -179.99,
         "Lage: in Fidschi, 2.283 km nördlich von Auckland-North Shore (Neuseeland)"},
        {-16.8, 180.0, "Lage: in Fidschi, 2.283 km nördlich von Auckland-North Shore (Neuseeland)"},
        // Far from any place: the country, or the sea, and a large city.
        {23.0, 12.0, "Lage: in Niger, 511 km südwestlich von Al Jadīd (Libyen)"},
        {0.0, -160.0, "Lage: auf See, 2.381 km südlich von Honolulu (Vereinigte Staaten)"},
        {90.0, 0.0, "Lage: auf See, 2.296 km nördlich von Norilsk (Russland)"},
        {-90.0, 0.0, "Lage: in Antarktis, 4.097 km südlich von Punta Arenas (Chile)"},
    };
    for (const KnownPoint& c : cases)
        EXPECT_EQ(describePlace(*shipped().places, &*shipped().outlines, c.lat, c.lon), c.line)
            << c.lat << " " << c.lon;
}

TEST(PlaceLine, InAPlaceUnderHalfAKilometre) {
    const std::optional<PlaceData> data =
        PlaceData::read(test::placeFile({"Gebiet"}, {{0.0, 0.0, "Null", 5000}}));
    ASSERT_TRUE(data);
    // 0.0045° of latitude are 500 m.
    EXPECT_EQ(describePlace(*data, nullptr, 0.0044, 0), "Lage: in Null (Gebiet)");
    EXPECT_EQ(describePlace(*data, nullptr, 0.0046, 0), "Lage: 0,5 km nördlich von Null (Gebiet)");
    // 50 km are 0.4497°: beyond, the line names a large place (here none:
    // the nearest) and, without outlines, no country.
    EXPECT_EQ(describePlace(*data, nullptr, 0.449, 0), "Lage: 50 km nördlich von Null (Gebiet)");
    EXPECT_EQ(describePlace(*data, nullptr, 0, -0.46), "Lage: 51 km westlich von Null (Gebiet)");
}

TEST(PlaceLine, NoPositionOrNoPlaceIsNotAvailable) {
    const std::optional<PlaceData> empty = PlaceData::read(test::placeFile({}, {}));
    ASSERT_TRUE(empty && shipped().places);
    EXPECT_EQ(describePlace(*empty, nullptr, 48, 9), kPlaceUnavailable);
    EXPECT_EQ(describePlace(*shipped().places, nullptr, std::nan(""), 9), kPlaceUnavailable);
    EXPECT_EQ(describePlace(*shipped().places, nullptr, 91, 9), kPlaceUnavailable);
}

TEST(PlaceLine, MissingOrDamagedFilesAreNotAvailable) {
    const PlaceFiles missing = readPlaceFiles("/nonexistent/lagewandler");
    EXPECT_FALSE(missing.places);
    EXPECT_FALSE(missing.outlines);
    ScopedPlaceFiles useMissing(missing);
    EXPECT_EQ(describePlace(48.4119, 9.7850), kPlaceUnavailable);

    PlaceFiles damaged;
    damaged.places = PlaceData::read("LWORTE01 cut");
    ScopedPlaceFiles useDamaged(damaged);
    EXPECT_EQ(describePlace(48.4119, 9.7850), kPlaceUnavailable);
}

TEST(PlaceLine, WithoutOutlinesTheRemoteLineNamesTheCityAlone) {
    PlaceFiles placesOnly;
    placesOnly.places = shipped().places;
    ScopedPlaceFiles use(placesOnly);
    EXPECT_EQ(describePlace(54.5, 4.0), "Lage: 214 km nördlich von Alkmaar (Niederlande)");
    EXPECT_EQ(describePlace(48.4119, 9.7850),
              "Lage: in Blaubeuren (Baden-Württemberg, Deutschland)");
}

TEST(PlaceLine, DistanceInGermanNumberForm) {
    const std::pair<double, const char*> cases[] = {
        {0.5, "0,5 km"},        {2.14, "2,1 km"},       {2.16, "2,2 km"},    {9.94, "9,9 km"},
        {9.96, "10 km"},        {23.4, "23 km"},        {999.6, "1.000 km"}, {1234.4, "1.234 km"},
        {12345.6, "12.346 km"}, {20015.0, "20.015 km"},
    };
    for (const auto& [km, text] : cases)
        EXPECT_EQ(distanceText(km), text) << km;
}

TEST(PlaceLine, EightDirectionWords) {
    const std::pair<double, const char*> cases[] = {
        {0, "nördlich"},       {22.4, "nördlich"},      {22.6, "nordöstlich"}, {90, "östlich"},
        {135, "südöstlich"},   {180, "südlich"},        {225, "südwestlich"},  {270, "westlich"},
        {315, "nordwestlich"}, {337.4, "nordwestlich"}, {337.6, "nördlich"},   {359.9, "nördlich"},
    };
    for (const auto& [bearing, word] : cases)
        EXPECT_EQ(directionWord(bearing), word) << bearing;
}

} // namespace
} // namespace lw::places
