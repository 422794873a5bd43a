// The official DHDN <-> ETRS89 transformation of the federal mapping agency:
// the NTv2 grid BETA2007.gsb, applied by PROJ. This module alone links PROJ;
// the program loads it on first use (official_datum_abi.h).
//
// The grid is named explicitly in a pipeline, so that PROJ cannot pick some
// other operation between DHDN and ETRS89 (there are several in its
// database, most of them Helmert shifts metres away from the grid).
#include "official/official_datum_abi.h"

#include <proj.h>

#include <cmath>

namespace {

// Longitude and latitude in degrees in (PROJ's x, y order, not the latitude
// first of the EPSG geographic systems), to radians for hgridshift and back.
// Forward is DHDN -> ETRS89, the direction the grid is defined in; the
// inverse iterates on the grid.
constexpr const char* kPipeline = "+proj=pipeline"
                                  " +step +proj=unitconvert +xy_in=deg +xy_out=rad"
                                  " +step +proj=hgridshift +grids=BETA2007.gsb"
                                  " +step +proj=unitconvert +xy_in=rad +xy_out=deg";

// Opened once: the context, and the pipeline if PROJ found the grid.
struct Transformation {
    PJ_CONTEXT* context = nullptr;
    PJ* pipeline = nullptr;

    Transformation() {
        context = proj_context_create();
        if (!context)
            return;
        // A missing grid is answered by the return values; PROJ must not
        // print on the program's terminal.
        proj_log_level(context, PJ_LOG_NONE);
        pipeline = proj_create(context, kPipeline);
    }
    ~Transformation() {
        proj_destroy(pipeline);
        proj_context_destroy(context);
    }
    Transformation(const Transformation&) = delete;
    Transformation& operator=(const Transformation&) = delete;
};

Transformation& transformation() {
    static Transformation t;
    return t;
}

} // namespace

extern "C" {

__attribute__((visibility("default"))) int lw_official_abi_version(void) {
    return LW_OFFICIAL_ABI_VERSION;
}

__attribute__((visibility("default"))) int lw_official_available(void) {
    return transformation().pipeline != nullptr ? 1 : 0;
}

__attribute__((visibility("default"))) int lw_official_transform(int direction, double* latDeg,
                                                                 double* lonDeg) {
    PJ* pipeline = transformation().pipeline;
    if (!pipeline)
        return LW_OFFICIAL_UNAVAILABLE;
    PJ_COORD c = proj_coord(*lonDeg, *latDeg, 0.0, 0.0);
    proj_errno_reset(pipeline);
    PJ_COORD out =
        proj_trans(pipeline, direction == LW_OFFICIAL_ETRS89_TO_DHDN ? PJ_INV : PJ_FWD, c);
    // Outside the grid PROJ reports an error and returns HUGE_VAL.
    if (proj_errno(pipeline) != 0 || !std::isfinite(out.lp.lam) || !std::isfinite(out.lp.phi))
        return LW_OFFICIAL_OUTSIDE_GRID;
    *lonDeg = out.xy.x;
    *latDeg = out.xy.y;
    return LW_OFFICIAL_DONE;
}

} // extern "C"
