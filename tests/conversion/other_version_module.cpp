// A stand-in official-datum module that offers the three calls under another
// interface version. The loader must refuse it; if it took it, every answer
// would show: the grid always there, every point moved to -999 deg.
#include "official/official_datum_abi.h"

#define LW_EXPORT __attribute__((visibility("default")))

extern "C" {

LW_EXPORT int lw_official_abi_version(void) {
    return LW_OFFICIAL_ABI_VERSION + 1;
}

LW_EXPORT int lw_official_available(void) {
    return 1;
}

LW_EXPORT int lw_official_transform(int /*direction*/, double* latDeg, double* lonDeg) {
    *latDeg = -999;
    *lonDeg = -999;
    return LW_OFFICIAL_DONE;
}
}
