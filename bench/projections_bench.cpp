// Per-point time of our projections (typed and as text procedures) next to
// PROJ's proj_trans on the same points, with the ratio PROJ / ours at the end.
#include "geodesy/gauss_krueger.h"
#include "geodesy/utm.h"
#include "procedures/procedures.h"
#include "text/numtext.h"

#include <benchmark/benchmark.h>
#include <proj.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

using namespace lw;

class NoMessages : public MessageSink {
public:
    void showMessage(MessageIcon, const std::string&) override {}
};

struct Sample {
    double lat, lon; // GRS80 / Bessel degrees, zone 32 and strip 3
    GridPoint utm;   // our UTM of it
    GkPoint gk;      // our Gauss-Krueger of it
    std::string latText, lonText, eastText, northText, hochText, rechtsText, zoneText;
};

const std::vector<Sample>& samples() {
    static const std::vector<Sample> all = [] {
        std::vector<Sample> v;
        for (int i = 0; i < 32; ++i)
            for (int j = 0; j < 32; ++j) {
                Sample s{};
                s.lat = 47.3 + i * 0.24;
                s.lon = 7.6 + j * 0.09; // inside zone 32 and Gauss-Krueger strip 3
                s.utm = *utmForward(s.lat, s.lon, 32, ellipsoid::GRS80);
                s.gk = *gkForward(s.lat, s.lon, gkStripOfLongitude(s.lon, 3));
                s.latText = plainTextTrimmed(s.lat);
                s.lonText = plainTextTrimmed(s.lon);
                NoMessages m;
                std::string e = s.lonText, n = s.latText, z = "WGS";
                GeoNachUTM(e, n, z, m);
                s.eastText = e, s.northText = n, s.zoneText = z;
                std::string h = s.latText, r = s.lonText, w = "3";
                GeoNachGK(h, r, w, m);
                s.hochText = fixedDecimals(readNumber(h), 2);
                s.rechtsText = fixedDecimals(readNumber(r), 2);
                v.push_back(s);
            }
        return v;
    }();
    return all;
}

// One PROJ transformation object for the whole run.
class ProjOp {
public:
    explicit ProjOp(const char* def) : ctx_(proj_context_create()), p_(proj_create(ctx_, def)) {}
    ~ProjOp() {
        proj_destroy(p_);
        proj_context_destroy(ctx_);
    }
    PJ* get() const { return p_; }

private:
    PJ_CONTEXT* ctx_;
    PJ* p_;
};

const ProjOp& projUtm() {
    static const ProjOp op("+proj=utm +zone=32 +ellps=GRS80");
    return op;
}
const ProjOp& projGk() {
    static const ProjOp op("+proj=tmerc +lat_0=0 +lon_0=9 +k=1 +x_0=3500000 +ellps=bessel");
    return op;
}

template <class F> void perPoint(benchmark::State& state, F f) {
    const auto& pts = samples();
    std::size_t i = 0;
    for (auto _ : state) {
        f(pts[i]);
        i = (i + 1) % pts.size();
    }
    state.SetItemsProcessed(state.iterations());
}

void UtmForward_ours(benchmark::State& st) {
    perPoint(st, [](const Sample& s) {
        benchmark::DoNotOptimize(utmForward(s.lat, s.lon, 32, ellipsoid::GRS80));
    });
}
void UtmForward_proj(benchmark::State& st) {
    perPoint(st, [](const Sample& s) {
        PJ_COORD c = proj_coord(proj_torad(s.lon), proj_torad(s.lat), 0, 0);
        benchmark::DoNotOptimize(proj_trans(projUtm().get(), PJ_FWD, c));
    });
}
void UtmInverse_ours(benchmark::State& st) {
    perPoint(st, [](const Sample& s) {
        benchmark::DoNotOptimize(
            utmInverse(s.utm.eastingM, s.utm.northingM, 32, true, ellipsoid::GRS80));
    });
}
void UtmInverse_proj(benchmark::State& st) {
    perPoint(st, [](const Sample& s) {
        PJ_COORD c = proj_coord(s.utm.eastingM, s.utm.northingM, 0, 0);
        benchmark::DoNotOptimize(proj_trans(projUtm().get(), PJ_INV, c));
    });
}
void GkForward_ours(benchmark::State& st) {
    perPoint(st, [](const Sample& s) {
        benchmark::DoNotOptimize(gkForward(s.lat, s.lon, gkStripOfLongitude(s.lon, 3)));
    });
}
void GkForward_proj(benchmark::State& st) {
    perPoint(st, [](const Sample& s) {
        PJ_COORD c = proj_coord(proj_torad(s.lon), proj_torad(s.lat), 0, 0);
        benchmark::DoNotOptimize(proj_trans(projGk().get(), PJ_FWD, c));
    });
}
void GkInverse_ours(benchmark::State& st) {
    perPoint(st, [](const Sample& s) {
        benchmark::DoNotOptimize(gkInverse(s.gk.hochwertM, s.gk.rechtswertM - 3500000, 9));
    });
}
void GkInverse_proj(benchmark::State& st) {
    perPoint(st, [](const Sample& s) {
        PJ_COORD c = proj_coord(s.gk.rechtswertM, s.gk.hochwertM, 0, 0);
        benchmark::DoNotOptimize(proj_trans(projGk().get(), PJ_INV, c));
    });
}

// Text procedures: the argument slots are filled anew for every call, as the
// driver does.
void Text_GeoNachUTM(benchmark::State& st) {
    NoMessages m;
    perPoint(st, [&](const Sample& s) {
        std::string a = s.lonText, b = s.latText, c = "WGS";
        GeoNachUTM(a, b, c, m);
        benchmark::DoNotOptimize(a.data());
    });
}
void Text_UTMnachGeo(benchmark::State& st) {
    NoMessages m;
    perPoint(st, [&](const Sample& s) {
        std::string a = s.eastText, b = s.northText, c = s.zoneText, d = "WGS";
        UTMnachGeo(a, b, c, d, m);
        benchmark::DoNotOptimize(a.data());
    });
}
void Text_GeoNachGK(benchmark::State& st) {
    NoMessages m;
    perPoint(st, [&](const Sample& s) {
        std::string a = s.latText, b = s.lonText, c = "3";
        GeoNachGK(a, b, c, m);
        benchmark::DoNotOptimize(a.data());
    });
}
void Text_GKnachGeo(benchmark::State& st) {
    NoMessages m;
    perPoint(st, [&](const Sample& s) {
        std::string a = s.hochText, b = s.rechtsText, c = "3";
        GKnachGeo(a, b, c, m);
        benchmark::DoNotOptimize(a.data());
    });
}
void Text_UTMnachMIL(benchmark::State& st) {
    NoMessages m;
    perPoint(st, [&](const Sample& s) {
        std::string a = s.zoneText, b = s.eastText, c = s.northText;
        UTMnachMIL(a, b, c, m);
        benchmark::DoNotOptimize(a.data());
    });
}
void Text_MILnachUTM(benchmark::State& st) {
    NoMessages m;
    perPoint(st, [&](const Sample& s) {
        std::string a = s.zoneText, b = "NA",
                    p1 = s.eastText.substr(2, 1) + s.northText.substr(2, 1), p2 = "19", p3 = "61",
                    p4 = "61", p5 = "60";
        MILnachUTM(a, b, p1, p2, p3, p4, p5, m);
        benchmark::DoNotOptimize(a.data());
    });
}

// The shared text-number rules, for reading the text procedures' figures.
void Rule_readNumber(benchmark::State& st) {
    perPoint(st, [](const Sample& s) { benchmark::DoNotOptimize(readNumber(s.latText)); });
}
void Rule_plainText(benchmark::State& st) {
    perPoint(st, [](const Sample& s) { benchmark::DoNotOptimize(plainText(s.lat).data()); });
}
void Rule_integerText(benchmark::State& st) {
    perPoint(st, [](const Sample& s) {
        benchmark::DoNotOptimize(integerText(Runden(s.utm.northingM, 0)).data());
    });
}

BENCHMARK(UtmForward_ours);
BENCHMARK(UtmForward_proj);
BENCHMARK(UtmInverse_ours);
BENCHMARK(UtmInverse_proj);
BENCHMARK(GkForward_ours);
BENCHMARK(GkForward_proj);
BENCHMARK(GkInverse_ours);
BENCHMARK(GkInverse_proj);
BENCHMARK(Text_GeoNachUTM);
BENCHMARK(Text_UTMnachGeo);
BENCHMARK(Text_GeoNachGK);
BENCHMARK(Text_GKnachGeo);
BENCHMARK(Text_UTMnachMIL);
BENCHMARK(Text_MILnachUTM);
BENCHMARK(Rule_readNumber);
BENCHMARK(Rule_plainText);
BENCHMARK(Rule_integerText);

// Keeps the console output and remembers each benchmark's time per point.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& r : runs)
            if (r.run_type == Run::RT_Iteration && r.iterations > 0)
                // CPU time: the build machine is shared, so wall time also
                // counts other processes' time slices.
                nsPerPoint[r.benchmark_name()] = r.GetAdjustedCPUTime(); // ns (default unit)
    }
    std::map<std::string, double> nsPerPoint;
};

void printRatios(const std::map<std::string, double>& ns) {
    std::printf("\n%-12s %12s %12s %14s\n", "operation", "ours ns/pt", "PROJ ns/pt", "PROJ / ours");
    for (const char* op : {"UtmForward", "UtmInverse", "GkForward", "GkInverse"}) {
        const auto ours = ns.find(std::string(op) + "_ours");
        const auto proj = ns.find(std::string(op) + "_proj");
        if (ours != ns.end() && proj != ns.end())
            std::printf("%-12s %12.1f %12.1f %13.2fx\n", op, ours->second, proj->second,
                        proj->second / ours->second);
    }
    std::printf("\n%-18s %12s %s\n", "text procedure", "ns/point", "(target < 1000)");
    for (const auto& [name, t] : ns)
        if (name.rfind("Text_", 0) == 0)
            std::printf("%-18s %12.1f %s\n", name.c_str() + 5, t, t < 1000 ? "ok" : "SLOW");
    std::printf("\n%-18s %12s\n", "number text rule", "ns/call");
    for (const auto& [name, t] : ns)
        if (name.rfind("Rule_", 0) == 0)
            std::printf("%-18s %12.1f\n", name.c_str() + 5, t);
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    printRatios(reporter.nsPerPoint);
    benchmark::Shutdown();
    return 0;
}
