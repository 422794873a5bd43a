#include "validation/sound.h"

#include <array>
#include <string>

namespace lw {
namespace {

// System sound aliases by sound number. Only number 2, the critical stop, is
// ever used; the empty names keep the numbering of the alert table.
constexpr std::array<const char*, 3> kSoundAliases = {"", "", "SystemHand"};

} // namespace

void FehlerTon(CalcScreen& screen, int soundNumber) {
    if (soundNumber < 0 || soundNumber >= static_cast<int>(kSoundAliases.size()))
        return;
    const std::string alias = kSoundAliases[static_cast<std::size_t>(soundNumber)];
    // An empty alias plays nothing: no fallback to a default sound.
    if (!alias.empty())
        screen.playSystemSound(alias);
}

} // namespace lw
