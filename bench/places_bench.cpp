// The place line's cost: reading the place files (once, with the first
// result) and one line, for points in Germany, where the nearest place is a
// few kilometres away, and anywhere on earth, where it may be hundreds of
// kilometres away at sea (tools/bench_startup.sh prints it). The files are
// found as the program finds them, below the directory above this one.
#include "places/describe.h"
#include "places/place_files.h"

#include <chrono>
#include <cstdio>
#include <random>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double microseconds(Clock::duration d) {
    return std::chrono::duration<double, std::micro>(d).count();
}

// Microseconds a line, the best of five rounds over the same points.
double perLine(const std::vector<std::pair<double, double>>& points) {
    double best = 1e300;
    std::size_t sink = 0;
    for (int round = 0; round < 5; ++round) {
        const Clock::time_point start = Clock::now();
        for (const auto& [lat, lon] : points)
            sink += lw::places::describePlace(lat, lon).size();
        best =
            std::min(best, microseconds(Clock::now() - start) / static_cast<double>(points.size()));
    }
    if (sink == 0)
        std::puts("no line");
    return best;
}

std::vector<std::pair<double, double>> randomPoints(double south, double north, double west,
                                                    double east, unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> lat(south, north), lon(west, east);
    std::vector<std::pair<double, double>> points(20000);
    for (auto& p : points)
        p = {lat(random), lon(random)};
    return points;
}

} // namespace

int main() {
    const Clock::time_point start = Clock::now();
    const lw::places::PlaceFiles& files = lw::places::programPlaceFiles();
    const double loadMs = microseconds(Clock::now() - start) / 1000;
    if (!files.places || !files.outlines) {
        std::fprintf(stderr, "places bench: the place files were not found\n");
        return 1;
    }
    std::printf("place files read (first result)   %7.1f ms  (%zu places)\n", loadMs,
                files.places->size());
    std::printf("place line, Germany                %7.2f µs a line\n",
                perLine(randomPoints(47.3, 55.0, 5.9, 15.0, 1)));
    std::printf("place line, anywhere on earth      %7.2f µs a line\n",
                perLine(randomPoints(-90, 90, -180, 180, 2)));
    return 0;
}
