// PROJ as an independent oracle for the projections: one projection from a
// PROJ string, or the operation between two coordinate reference systems
// (EPSG codes), both taking geographic degrees and giving metres.
#pragma once

#include <proj.h>

#include <string>

namespace lw::test {

class Proj {
public:
    // A projection from its PROJ string ("+proj=tmerc ...").
    explicit Proj(const std::string& definition)
        : ctx_(proj_context_create()), p_(proj_create(ctx_, definition.c_str())) {}
    // The operation from a geographic to a projected system ("EPSG:4258",
    // "EPSG:25832"), in longitude-latitude-degree and easting-northing order
    // whatever axis order the systems declare.
    Proj(const std::string& geographicCrs, const std::string& projectedCrs)
        : ctx_(proj_context_create()), degrees_(true) {
        PJ* op = proj_create_crs_to_crs(ctx_, geographicCrs.c_str(), projectedCrs.c_str(), nullptr);
        p_ = op ? proj_normalize_for_visualization(ctx_, op) : nullptr;
        proj_destroy(op);
    }
    ~Proj() {
        proj_destroy(p_);
        proj_context_destroy(ctx_);
    }
    Proj(const Proj&) = delete;
    Proj& operator=(const Proj&) = delete;
    bool ok() const { return p_ != nullptr; }

    // Geographic degrees -> projected metres.
    PJ_XY forward(double latDeg, double lonDeg) const {
        PJ_COORD c = degrees_ ? proj_coord(lonDeg, latDeg, 0, 0)
                              : proj_coord(proj_torad(lonDeg), proj_torad(latDeg), 0, 0);
        return proj_trans(p_, PJ_FWD, c).xy;
    }
    // Projected metres -> geographic degrees (lam = longitude, phi = latitude).
    PJ_LP inverse(double x, double y) const {
        PJ_COORD c = proj_coord(x, y, 0, 0);
        PJ_LP lp = proj_trans(p_, PJ_INV, c).lp;
        if (degrees_)
            return lp;
        return {proj_todeg(lp.lam), proj_todeg(lp.phi)};
    }

private:
    PJ_CONTEXT* ctx_;
    PJ* p_ = nullptr;
    bool degrees_ = false;
};

} // namespace lw::test
