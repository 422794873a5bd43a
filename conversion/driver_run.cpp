#include "conversion/driver_run.h"

#include "procedures/procedures.h"
#include "validation/refusal.h"

#include <algorithm>

namespace lw {

std::string RunScreen::text(Element e) const {
    // The latest held-back write wins, as it would on the screen.
    auto it = std::find_if(pending_.rbegin(), pending_.rend(),
                           [e](const auto& write) { return write.first == e; });
    return it != pending_.rend() ? it->second : real_.text(e);
}

void RunScreen::setText(Element e, const std::string& text) {
    pending_.emplace_back(e, text);
}

// Emptying the output mask also drops what this run has not yet written.
void RunScreen::AusgabeReset() {
    pending_.clear();
    real_.AusgabeReset();
}

void RunScreen::commit() {
    for (const auto& [element, text] : pending_)
        real_.setText(element, text);
    pending_.clear();
}

// Through the run's output screen, which drops what the run has held back.
void refuseOutput(DriverRun& run, const std::string& message) {
    refusal::refuseCritical(run.out, message);
}

std::string utmEllipsoidText(const std::string& ellipsoidName) {
    if (ellipsoidName == kGRS80)
        return kUtmTextGrs80;
    if (ellipsoidName == kHayford)
        return kUtmTextHayford;
    return std::string();
}

} // namespace lw
