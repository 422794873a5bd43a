// The small map's frame: which one a point gets, and where it stands in it.
#include "places/map_frame.h"
#include "places/place_files.h"

#include <gtest/gtest.h>

namespace lw::places {
namespace {

const char* name(MapFrameKind kind) {
    switch (kind) {
    case MapFrameKind::Germany:
        return "Germany";
    case MapFrameKind::Europe:
        return "Europe";
    case MapFrameKind::World:
        return "World";
    }
    return "?";
}

TEST(MapFrameChoice, KnownPoints) {
    struct Case {
        const char* what;
        double lat, lon;
        MapFrameKind frame;
    } cases[] = {
        {"Krummbögle", 48.436333, 9.967967, MapFrameKind::Germany},
        {"Berlin", 52.52, 13.405, MapFrameKind::Germany},
        {"Sylt, Germany's north", 55.05, 8.41, MapFrameKind::Germany},
        {"Oberstdorf, Germany's south", 47.27, 10.22, MapFrameKind::Germany},
        {"Selfkant, Germany's west", 51.05, 5.87, MapFrameKind::Germany},
        {"Görlitz, Germany's east", 51.15, 15.04, MapFrameKind::Germany},
        {"Basel, across the border", 47.56, 7.59, MapFrameKind::Germany},
        {"Prague, a neighbour", 50.08, 14.42, MapFrameKind::Germany},
        {"the region's south-west corner", 47.0, 5.0, MapFrameKind::Germany},
        {"the region's north-east corner", 55.5, 16.0, MapFrameKind::Germany},
        {"just east of the region", 50.0, 16.01, MapFrameKind::Europe},
        {"just south of the region", 46.99, 10.0, MapFrameKind::Europe},
        {"Paris", 48.857, 2.352, MapFrameKind::Europe},
        {"Vienna", 48.208, 16.373, MapFrameKind::Europe},
        {"Copenhagen, north of the region", 55.68, 12.57, MapFrameKind::Europe},
        {"Reykjavík", 64.15, -21.94, MapFrameKind::Europe},
        {"Moscow", 55.76, 37.62, MapFrameKind::Europe},
        {"Athens", 37.98, 23.73, MapFrameKind::Europe},
        {"Lisbon", 38.72, -9.14, MapFrameKind::Europe},
        {"North Cape", 71.17, 25.78, MapFrameKind::Europe},
        {"Sydney", -33.8688, 151.2093, MapFrameKind::World},
        {"New York", 40.71, -74.01, MapFrameKind::World},
        {"Cairo, south of Europe", 30.04, 31.24, MapFrameKind::World},
        {"Svalbard, north of Europe", 78.22, 15.65, MapFrameKind::World},
        {"east of the date line", 65.0, 179.99, MapFrameKind::World},
        {"west of the date line", -16.5, -179.99, MapFrameKind::World},
        {"on the date line", 0.0, 180.0, MapFrameKind::World},
        {"80° S", -80.0, -180.0, MapFrameKind::World},
        {"Null Island", 0.0, 0.0, MapFrameKind::World},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(name(mapFrameFor(c.lat, c.lon).kind), name(c.frame)) << c.what;
}

// The map shows a point of a frame's region away from its edge, so that the
// cross stands whole in it.
TEST(MapFrameChoice, ARegionsCornersStandInsideTheirFrame) {
    struct Case {
        double lat, lon;
    } corners[] = {
        {47.0, 5.0},     {47.0, 16.0},  {55.5, 5.0},   {55.5, 16.0}, // Germany's region
        {34.0, -25.0},   {34.0, 45.0},  {72.0, -25.0}, {72.0, 45.0}, // Europe's region
        {-90.0, -180.0}, {90.0, 180.0},                              // the world
    };
    for (const Case& c : corners) {
        const MapFrame frame = mapFrameFor(c.lat, c.lon);
        const MapPoint p = project(frame, c.lat, c.lon);
        const double margin = frame.kind == MapFrameKind::World ? 0.0 : 0.25;
        EXPECT_GE(p.x, margin) << c.lat << " " << c.lon;
        EXPECT_LE(p.x, frame.width() - margin) << c.lat << " " << c.lon;
        EXPECT_GE(p.y, margin) << c.lat << " " << c.lon;
        EXPECT_LE(p.y, frame.height() - margin) << c.lat << " " << c.lon;
    }
}

TEST(MapProjection, CornersMiddleAndAspect) {
    struct Case {
        MapFrameKind kind;
        double widthOverHeight; // the map's shape
        double tolerance;
    } cases[] = {
        {MapFrameKind::Germany, 0.857, 0.002}, // 13° by 9.5° at 51.25° N
        {MapFrameKind::Europe, 1.099, 0.002},  // 74° by 41° at 52.5° N
        {MapFrameKind::World, 2.0, 1e-12},
    };
    for (const Case& c : cases) {
        const MapFrame f = mapFrame(c.kind);
        EXPECT_NEAR(f.width() / f.height(), c.widthOverHeight, c.tolerance) << name(c.kind);
        const MapPoint nw = project(f, f.northDeg, f.westDeg);
        const MapPoint se = project(f, f.southDeg, f.eastDeg);
        EXPECT_NEAR(nw.x, 0.0, 1e-12) << name(c.kind);
        EXPECT_NEAR(nw.y, 0.0, 1e-12) << name(c.kind);
        EXPECT_NEAR(se.x, f.width(), 1e-12) << name(c.kind);
        EXPECT_NEAR(se.y, f.height(), 1e-12) << name(c.kind);
        // North is up, east is right.
        const double midLat = (f.northDeg + f.southDeg) / 2, midLon = (f.westDeg + f.eastDeg) / 2;
        const MapPoint middle = project(f, midLat, midLon);
        EXPECT_NEAR(middle.x, f.width() / 2, 1e-12) << name(c.kind);
        EXPECT_NEAR(middle.y, f.height() / 2, 1e-12) << name(c.kind);
        EXPECT_LT(project(f, midLat, midLon).x, project(f, midLat, midLon + 1).x) << name(c.kind);
        EXPECT_LT(project(f, midLat + 1, midLon).y, project(f, midLat, midLon).y) << name(c.kind);
    }
    // The world's edges are the date line: a point either side of it stands
    // at the map's left or right edge.
    const MapFrame world = mapFrame(MapFrameKind::World);
    EXPECT_NEAR(project(world, 65, 179.99).x, 360.0, 0.02);
    EXPECT_NEAR(project(world, 65, -179.99).x, 0.0, 0.02);
}

// Germany's frame shows all of Germany and every state whole: an outline
// that ran out of the frame would be cut off at the map's edge.
TEST(MapFrameOfShippedOutlines, GermanyAndItsStatesLieWithinGermanysRegion) {
    const PlaceFiles files = readPlaceFiles(LW_TEST_PLACES_DIR);
    ASSERT_TRUE(files.outlines);
    const MapFrame germany = mapFrame(MapFrameKind::Germany);
    int states = 0;
    for (const Outline& o : files.outlines->all()) {
        if (o.kind != OutlineKind::GermanState && o.code != "DE")
            continue;
        states += o.kind == OutlineKind::GermanState;
        for (const OutlinePoint& corner : {o.southWest, o.northEast}) {
            EXPECT_EQ(mapFrameFor(corner.latDeg(), corner.lonDeg()).kind, MapFrameKind::Germany)
                << o.name;
            const MapPoint p = project(germany, corner.latDeg(), corner.lonDeg());
            EXPECT_GT(p.x, 0.5) << o.name;
            EXPECT_LT(p.x, germany.width() - 0.5) << o.name;
            EXPECT_GT(p.y, 0.5) << o.name;
            EXPECT_LT(p.y, germany.height() - 0.5) << o.name;
        }
    }
    EXPECT_EQ(states, 16);
}

} // namespace
} // namespace lw::places
