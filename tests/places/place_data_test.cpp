#include "place_file_writer.h"
#include "places/place_data.h"
#include "places/sphere.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

namespace lw::places {
namespace {

using test::PlaceRow;

// Places where the grid has its edges: both poles, both sides of the date
// line, the equator and the prime meridian, and a random scatter.
std::vector<PlaceRow> scatteredPlaces() {
    std::vector<PlaceRow> rows = {
        {89.9, 10, "Nordpol", 1000},
        {-89.9, -170, "Südpol", 1000},
        {-16.8, 179.95, "Ost", 2000},
        {-16.8, -179.95, "West", 2000},
        {0.0, 0.0, "Null", 5000},
        {65.0, -179.999, "Tschuktschen", 1000},
        {48.4119, 9.7850, "Blaubeuren", 11797},
    };
    std::mt19937 random(7);
    std::uniform_real_distribution<double> lat(-89.99, 89.99), lon(-180, 179.999);
    for (int i = 0; i < 3000; ++i)
        rows.push_back({lat(random), lon(random), "Ort" + std::to_string(i), 1000 + i * 50});
    return rows;
}

TEST(PlaceSearch, FindsWhatLookingAtEveryPlaceFinds) {
    const std::vector<PlaceRow> rows = scatteredPlaces();
    const std::optional<PlaceData> data = PlaceData::read(test::placeFile({"Gebiet"}, rows));
    ASSERT_TRUE(data);
    ASSERT_EQ(data->size(), rows.size());
    std::mt19937 random(11);
    std::uniform_real_distribution<double> lat(-90, 90), lon(-180, 180);
    std::vector<std::pair<double, double>> queries = {
        {90, 0}, {-90, 0}, {-16.8, 180}, {-16.8, -180}, {0, 0}, {65, 179.999}, {48.4, 9.9}};
    for (int i = 0; i < 2000; ++i)
        queries.emplace_back(lat(random), lon(random));
    for (const auto& [qLat, qLon] : queries) {
        double bruteKm = 1e9;
        for (const PlaceRow& p : rows)
            bruteKm = std::min(bruteKm, distanceKm(qLat, qLon, p.latDeg, p.lonDeg));
        const std::optional<NearestPlace> found = data->nearest(qLat, qLon);
        ASSERT_TRUE(found);
        // The file keeps a position to 1/65536 degree: under 2 m.
        EXPECT_NEAR(found->distanceKm, bruteKm, 0.003) << qLat << " " << qLon;
    }
}

TEST(PlaceSearch, LargeMeansAHundredThousandInhabitants) {
    const std::optional<PlaceData> data =
        PlaceData::read(test::placeFile({"Gebiet"}, {{48.40, 9.99, "Ulm", 120451},
                                                     {48.41, 9.78, "Blaubeuren", 11797},
                                                     {48.14, 11.57, "München", 1260391}}));
    ASSERT_TRUE(data);
    EXPECT_EQ(data->nearest(48.41, 9.79)->place.name, "Blaubeuren");
    EXPECT_EQ(data->nearestLarge(48.41, 9.79)->place.name, "Ulm");
    EXPECT_EQ(data->nearestLarge(48.2, 11.0)->place.name, "München");
}

TEST(PlaceSearch, AFileWithoutPlacesFindsNone) {
    const std::optional<PlaceData> data = PlaceData::read(test::placeFile({}, {}));
    ASSERT_TRUE(data);
    EXPECT_FALSE(data->nearest(48, 9));
    EXPECT_FALSE(data->nearestLarge(48, 9));
}

TEST(PlaceSearch, NoNumberIsNoPosition) {
    const std::optional<PlaceData> data =
        PlaceData::read(test::placeFile({"Gebiet"}, {{48.4, 9.8, "Ort", 2000}}));
    ASSERT_TRUE(data);
    EXPECT_FALSE(data->nearest(std::nan(""), 9));
    EXPECT_FALSE(data->nearest(48, INFINITY));
}

std::string smallFile() {
    return test::placeFile({"Baden-Württemberg, Deutschland", "Frankreich"},
                           {{48.4119, 9.7850, "Blaubeuren", 11797, 0},
                            {48.58, 7.75, "Strasbourg", 277270, 1},
                            {48.40, 9.99, "Ulm", 120451, 0}});
}

TEST(DamagedPlaceFile, EveryCutIsRefused) {
    const std::string whole = smallFile();
    ASSERT_TRUE(PlaceData::read(whole));
    for (std::size_t n = 0; n < whole.size(); ++n)
        EXPECT_FALSE(PlaceData::read(whole.substr(0, n))) << "cut after " << n << " bytes";
}

TEST(DamagedPlaceFile, AnyChangedByteIsReadOrRefusedNeverOverrun) {
    const std::string whole = smallFile();
    for (std::size_t i = 0; i < whole.size(); ++i)
        for (int value : {0x00, 0x7F, 0x80, 0xFF}) {
            std::string damaged = whole;
            damaged[i] = static_cast<char>(value);
            if (const std::optional<PlaceData> data = PlaceData::read(damaged))
                (void)data->nearest(48.4, 9.8); // under the sanitizers: no read beyond
        }
}

TEST(DamagedPlaceFile, EachKindOfDamageIsRefused) {
    const std::string good = smallFile();
    struct Case {
        const char* what;
        std::function<std::string()> make;
    };
    const Case cases[] = {
        {"empty", [] { return std::string(); }},
        {"another file's magic", [&] { return "LWORTE02" + good.substr(8); }},
        {"a byte beyond the end", [&] { return good + "x"; }},
        {"a region the file lacks",
         [] {
             return test::placeFile({"Gebiet"}, {{48.4, 9.8, "Ort", 2000, 1}});
         }},
        {"an empty name",
         [] {
             return test::placeFile({"Gebiet"}, {{48.4, 9.8, "", 2000}});
         }},
        {"a control character in a name",
         [] {
             return test::placeFile({"Gebiet"}, {{48.4, 9.8, "O\x1bt", 2000}});
         }},
        {"a name that is no UTF-8",
         [] {
             return test::placeFile({"Gebiet"}, {{48.4, 9.8, "Ort\xC3", 2000}});
         }},
        {"more places announced than the file holds",
         [&] {
             std::string d = good;
             d[12] = static_cast<char>(0xFF);
             return d;
         }},
    };
    for (const Case& c : cases)
        EXPECT_FALSE(PlaceData::read(c.make())) << c.what;
}

} // namespace
} // namespace lw::places
