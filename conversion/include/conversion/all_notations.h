// "Berechnung" with the output "Alle Schreibweisen": the point in every
// notation of every ellipsoid (model/all_notations.h). Each line is what the
// single conversion to that ellipsoid and notation shows, computed by the
// same driver run, or the reason that conversion gives when the point has no
// place in the notation (UTM above 84° N, Gauss-Krueger outside Germany, a
// point beyond the BeTA2007 grid). The Bessel lines of a point outside
// Germany give the reason that the DHDN shift is made for Germany only.
#pragma once

#include "model/job.h"
#include "model/screen.h"

#include <string>

namespace lw {

// Computes the list and writes it: each group's heading, each line's copy
// line (the field enabled) or reason (disabled), and the accuracy line. An
// input the check refuses is refused once, exactly as a single conversion
// refuses it, and no list is written.
void alleSchreibweisenBerechnen(CalcScreen& screen, ProgramState& state);

// What "Ergebnis kopieren" copies of the list on `screen`: each group's
// heading (its datum shift and what it is worth), then one "Label: text"
// line per notation, in list order, joined with "\n"; "" when the list is
// empty.
std::string allNotationsText(const CalcScreen& screen);

// A message box's text as a list line gives it: every line break (CR LF or
// LF, also several) one blank.
std::string messageAsOneLine(const std::string& message);

} // namespace lw
