// Gauss-Krueger output exists only for points in Germany, which lie in the
// UTM zones 31 to 33 and the bands T and U. A UTM input outside them cannot
// give Gauss-Krueger output, so the job loses its target and output format.
#include "validation/validators.h"

#include "model/germany.h"
#include "model/notations.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace lw {
namespace {

bool gaussKruegerFromUtm(const ConversionJob& job) {
    return job.FormatAUS == kGaussKrueger && offersNotation(job.ZielEllipsoid, kGaussKrueger) &&
           isUtmNotation(job.FormatEIN) && offersNotation(job.StartEllipsoid, job.FormatEIN);
}

} // namespace

bool isGermanUtmZone(int zone) {
    return std::any_of(
        germany::kUtmZoneFields.begin(), germany::kUtmZoneFields.end(),
        [zone](std::string_view z) { return (z[0] - '0') * 10 + (z[1] - '0') == zone; });
}

void AusgabeRahmenVerbergen(CalcScreen& screen) {
    for (const Notation& notation : kNotations)
        screen.setVisible(notation.outputFrame, false);
}

bool GKZonePruefen(CalcScreen& screen, ProgramState& state, const std::string& zone) {
    if (!gaussKruegerFromUtm(state.job))
        return true;
    if (std::find(germany::kUtmZoneFields.begin(), germany::kUtmZoneFields.end(), zone) !=
        germany::kUtmZoneFields.end())
        return true;
    // Like the outside-Germany box of the Gauss-Krueger output, this box
    // breaks its lines with a single line feed.
    screen.showMessage(MessageIcon::Information,
                       "Deutschland liegt nicht im Zonenfeld " + zone +
                           "\nGauß-Krüger Koordinaten werden deshalb nicht berechnet.");
    state.job.ZielEllipsoid.clear();
    state.job.FormatAUS = kKeinFormat;
    AusgabeRahmenVerbergen(screen);
    return false;
}

} // namespace lw
