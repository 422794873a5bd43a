// FehlerTon, the error sound.
#pragma once

#include "model/screen.h"

namespace lw {

// FehlerTon's number for the critical-stop alert, the sound of every refusal.
inline constexpr int kCriticalStopSound = 2;

// Sound number 2 plays the system's critical-stop alert without waiting;
// 0, 1 and any number outside 0..2 play nothing.
void FehlerTon(CalcScreen& screen, int soundNumber);

} // namespace lw
