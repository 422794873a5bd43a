// The longer texts of the screens: the two help panels of the selection
// screen, the input hints and the mask captions of the calculation screen.
#pragma once

#include <QString>

namespace lw::ui::texts {

// Guide panel ("So geht's"): 24 lines, each ending with CR LF.
QString guide();
// Hint panel ("Hinweise"): 30 lines, each ending with CR LF.
QString hint();

// The question "Lagewandler beenden" asks before the program ends (also
// Enter or Space on the calculation screen's quit label).
QString quitQuestion();

// Hint of labEingabe for input format 1..7; empty for any other code.
QString inputHint(int format);

// Caption of the input or output mask of format 1..7 on `ellipsoid`:
// "Ellipsoid  " + ellipsoid + the format's suffix.
QString inputCaption(int format, const QString& ellipsoid);
QString outputCaption(int format, const QString& ellipsoid);

// What a screen reader reads for a mask frame: "Eingabe" or "Ausgabe" and
// the caption without its run of dots, e.g. "Eingabe: Ellipsoid GRS80, Grad
// (dezimal)".
QString maskAccessibleName(bool input, const QString& caption);

} // namespace lw::ui::texts
