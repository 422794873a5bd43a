// The official DHDN <-> ETRS89 transformation (the BeTA2007 grid of the
// federal mapping agency), as the calculation driver and the selection screen
// ask for it.
//
// PROJ does the work, in a module that is loaded only on the first question
// (OfficialDatumModule), so that a program that never uses it neither starts
// slower nor holds PROJ in memory. Everything above this interface can be
// tested with a stand-in.
#pragma once

#include "geodesy/datum.h"

#include <memory>
#include <string>
#include <vector>

namespace lw {

enum class OfficialDirection { DhdnToEtrs89, Etrs89ToDhdn };

enum class OfficialOutcome {
    Done,
    OutsideGrid, // the grid covers Germany with a margin; the point lies beyond it
    Unavailable, // no module, or PROJ cannot open BETA2007.gsb
};

struct OfficialResult {
    OfficialOutcome outcome = OfficialOutcome::Unavailable;
    GeoPoint point{}; // the transformed point when Done
};

class OfficialDatum {
public:
    virtual ~OfficialDatum() = default;
    // Whether the transformation can be done at all (module and grid there).
    virtual bool gridAvailable() = 0;
    // One point, decimal degrees (latitude, longitude), south and west negative.
    virtual OfficialResult transform(OfficialDirection direction, GeoPoint p) = 0;
};

// The module-backed transformation: loads the first of the candidate module
// files that opens and offers the expected interface, at the first call of
// either function, and keeps it loaded.
class OfficialDatumModule final : public OfficialDatum {
public:
    explicit OfficialDatumModule(std::vector<std::string> candidateFiles);
    ~OfficialDatumModule() override;
    OfficialDatumModule(const OfficialDatumModule&) = delete;
    OfficialDatumModule& operator=(const OfficialDatumModule&) = delete;

    bool gridAvailable() override;
    OfficialResult transform(OfficialDirection direction, GeoPoint p) override;

private:
    struct Calls;
    Calls* load();

    std::vector<std::string> candidates_;
    bool tried_ = false;
    std::unique_ptr<Calls> calls_; // set once the module is loaded
};

// Where the program looks for the module, in this order: next to the
// executable; in the library directory that lies beside the executable's
// directory (the installed layout, mirrored in the build tree); in the
// installation's library directory.
std::vector<std::string> officialModuleCandidates();

// The transformation the driver and the selection screen use: the program's
// one module, or the stand-in of a ScopedOfficialDatum.
OfficialDatum& officialDatum();

// Puts another transformation in place of the program's for its lifetime
// (tests: a stand-in, or the module at a path of the test's choosing).
class ScopedOfficialDatum {
public:
    explicit ScopedOfficialDatum(OfficialDatum& replacement);
    ~ScopedOfficialDatum();
    ScopedOfficialDatum(const ScopedOfficialDatum&) = delete;
    ScopedOfficialDatum& operator=(const ScopedOfficialDatum&) = delete;

private:
    OfficialDatum* previous_;
};

} // namespace lw
