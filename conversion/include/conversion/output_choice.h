// The neighbour zone or strip a user may choose beside the UTM amtlich and the
// Gauss-Krueger output: survey offices deliver whole states in one zone or
// strip, so a point near the border is wanted in the neighbour's too.
#pragma once

#include "conversion/driver_run.h"

#include <optional>
#include <string>
#include <vector>

namespace lw {

// The text of a choice field: none when empty (the point's own), the number
// when it is one or two digits, else the value 0, which no list allows.
std::optional<int> chosenNumber(const std::string& text);

// "31, 32 oder 33".
std::string alternatives(const std::vector<int>& values);

// Refuses a choice that the point does not allow: sound, output emptied,
// the message, the focus in the choice field with its text selected.
void refuseChoice(DriverRun& run, Element field, const std::string& message);

// What the accuracy line adds when a neighbour was used.
void noteNeighbour(DriverRun& run, const std::string& note);

} // namespace lw
