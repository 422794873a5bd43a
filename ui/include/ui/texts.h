// The longer texts of the screens: the two help panels of the selection
// screen, the input hints and the mask captions of the calculation screen.
#pragma once

#include <QString>

namespace lw::ui::texts {

// Guide panel ("So geht's"): 24 lines, each ending with CR LF.
QString guide();
// Hint panel ("Hinweise"): 30 lines, each ending with CR LF.
QString hint();

// Hint of labEingabe for input format 1..7; empty for any other code.
QString inputHint(int format);

// Caption of the input or output mask of format 1..7 on `ellipsoid`:
// "Ellipsoid  " + ellipsoid + the format's suffix.
QString inputCaption(int format, const QString& ellipsoid);
QString outputCaption(int format, const QString& ellipsoid);

} // namespace lw::ui::texts
