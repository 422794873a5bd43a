#include "conversion/official_datum.h"

#include "official/official_datum_abi.h"

#include <dlfcn.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <system_error>

namespace lw {

struct OfficialDatumModule::Calls {
    lw_official_available_fn available;
    lw_official_transform_fn transform;
};

OfficialDatumModule::OfficialDatumModule(std::vector<std::string> candidateFiles)
    : candidates_(std::move(candidateFiles)) {}

OfficialDatumModule::~OfficialDatumModule() = default;

// The module stays loaded to the end of the process: PROJ keeps state of its
// own that is not meant to be unloaded under it.
OfficialDatumModule::Calls* OfficialDatumModule::load() {
    if (tried_)
        return calls_.get();
    tried_ = true;
    for (const std::string& file : candidates_) {
        void* handle = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!handle)
            continue;
        auto version = reinterpret_cast<lw_official_abi_version_fn>(
            dlsym(handle, LW_OFFICIAL_ABI_VERSION_SYMBOL));
        auto available =
            reinterpret_cast<lw_official_available_fn>(dlsym(handle, LW_OFFICIAL_AVAILABLE_SYMBOL));
        auto transform =
            reinterpret_cast<lw_official_transform_fn>(dlsym(handle, LW_OFFICIAL_TRANSFORM_SYMBOL));
        if (version && available && transform && version() == LW_OFFICIAL_ABI_VERSION) {
            calls_ = std::make_unique<Calls>(Calls{available, transform});
            return calls_.get();
        }
        dlclose(handle); // a module of another interface: look further
    }
    return nullptr;
}

bool OfficialDatumModule::gridAvailable() {
    Calls* calls = load();
    return calls && calls->available() != 0;
}

OfficialResult OfficialDatumModule::transform(OfficialDirection direction, GeoPoint p) {
    Calls* calls = load();
    if (!calls)
        return {};
    double lat = p.latDeg, lon = p.lonDeg;
    const int status =
        calls->transform(direction == OfficialDirection::DhdnToEtrs89 ? LW_OFFICIAL_DHDN_TO_ETRS89
                                                                      : LW_OFFICIAL_ETRS89_TO_DHDN,
                         &lat, &lon);
    switch (status) {
    case LW_OFFICIAL_DONE:
        return {OfficialOutcome::Done, GeoPoint{lat, lon}};
    case LW_OFFICIAL_OUTSIDE_GRID:
        return {OfficialOutcome::OutsideGrid, {}};
    default:
        return {};
    }
}

namespace {

std::filesystem::path executableDirectory() {
    std::error_code error;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path() : exe.parent_path();
}

OfficialDatum* replacement = nullptr;

} // namespace

std::vector<std::string> officialModuleCandidates() {
    const std::filesystem::path file = LW_OFFICIAL_MODULE_FILE;
    std::vector<std::string> candidates;
    if (const std::filesystem::path dir = executableDirectory(); !dir.empty()) {
        candidates.push_back((dir / file).string());
        candidates.push_back((dir.parent_path() / LW_OFFICIAL_MODULE_SUBDIR / file).string());
    }
    candidates.push_back((std::filesystem::path(LW_OFFICIAL_MODULE_INSTALL_DIR) / file).string());
    return candidates;
}

OfficialDatum& officialDatum() {
    if (replacement)
        return *replacement;
    static OfficialDatumModule program(officialModuleCandidates());
    return program;
}

ScopedOfficialDatum::ScopedOfficialDatum(OfficialDatum& r) : previous_(replacement) {
    replacement = &r;
}

ScopedOfficialDatum::~ScopedOfficialDatum() {
    replacement = previous_;
}

} // namespace lw
