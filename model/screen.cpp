#include "model/screen.h"

namespace lw {
namespace {

// One row per mask, in the order of Element.
// clang-format off
constexpr std::array<std::string_view, kElementCount> kNames = {
    "texBreite", "texLaenge", "optDezN", "optDezS", "optDezE", "optDezW",
    "texBreiteGrad", "texBreiteMinute", "texLaengeGrad", "texLaengeMinute",
    "optGMN", "optGMS", "optGME", "optGMW",
    "texBGrad", "texBMinute", "texBSekunde", "texLGrad", "texLMinute", "texLSekunde",
    "optGradN", "optGradS", "optGradE", "optGradW",
    "texZone", "texRechts", "texHoch", "labLimitsRechts", "labLimitsHoch",
    "texZoneM", "tex100km", "tex10km", "tex1km", "tex100m", "tex10m", "tex1m",
    "texREFZone", "texREF100", "texREFZiffern",
    "texGKRechts", "texGKHoch", "labGKLimitsRechts", "labGKLimitsHoch", "optDrei", "optSechs",
    "texMeridian",
    "texBreiteAUS", "texLaengeAUS",
    "texBreiteGradAUS", "texBreiteMinuteAUS", "texLaengeGradAUS", "texLaengeMinuteAUS",
    "texBGradAUS", "texBMinuteAUS", "texBSekundeAUS", "texLGradAUS", "texLMinuteAUS",
    "texLSekundeAUS",
    "texZone2", "texRechts2", "texHoch2", "texMilUTM", "texREFAUS",
    "texGKRechtsAUS", "texGKHochAUS", "texMeridianAUS",
    "labStreifenbreite",
    "fraGrad", "fraGradMin", "fraGradMinSek", "fraZIV", "fraMIL", "fraREF", "fraGK",
    "fraGradAUS", "fraGradMinAUS", "fraGradMinSekAUS", "fraMILAUS", "fraZIVAUS", "fraREFAUS",
    "fraGKAUS",
    "labEingabe", "comRechnen", "comStartoption", "comKrummboegleGrad", "labBeenden",
    "labGenauigkeit",
};
// clang-format on

} // namespace

std::string_view elementName(Element e) {
    return kNames[static_cast<std::size_t>(e)];
}

std::optional<Element> elementByName(std::string_view name) {
    for (std::size_t i = 0; i < kNames.size(); ++i)
        if (kNames[i] == name)
            return static_cast<Element>(i);
    return std::nullopt;
}

} // namespace lw
