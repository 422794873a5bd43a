// A focus frame that every focusable element of both screens shows while it
// has the focus: wide and dark, so that it stands out on the screens' light
// colours (also on the cyan "Weiter zur Zahleneingabe"), and shown from the
// first moment, not only once the keyboard has been used as Qt's own faint
// focus rectangle is.
#pragma once

class QWidget;

namespace lw::ui {

// Starts following the application's focus; once is enough, later calls do
// nothing.
void installFocusFrame();

// The frame drawn over the focused widget, or nullptr while no widget has
// the focus (for tests).
QWidget* focusFrame();

} // namespace lw::ui
