// Zooms a screen's fixed layout with its window: every element's geometry and
// font grow by one factor (lw::zoomFactor), and where the window is smaller
// than the layout at factor 1 the screen scrolls, by its own scroll bars along
// the right and bottom edges, the mouse wheel and by following the keyboard
// focus. The screen and its code keep working in layout pixels (twips / 15):
// a geometry or font the screen sets on an element is read as one at
// factor 1, also later, and shown zoomed.
#pragma once

#include <QFont>
#include <QRect>
#include <QSize>

class QWidget;

namespace lw::ui {

// Installs the zoom on `screen`, once, at the end of its construction: the
// screen's size now is its layout's size at factor 1; the geometry and font of
// every element now (and of elements shown later) are the layout.
void installZoom(QWidget* screen);

// Leaves `widget` and its children alone: they follow the window's size
// themselves (help panels, the edge lines). Call before installZoom.
void keepOwnGeometry(QWidget* widget);

// The zoom factor of the screen holding `widget` (1 where no zoom is
// installed).
double zoomOf(const QWidget* widget);

// `font` at `factor`.
QFont zoomedFont(const QFont& font, double factor);

// The window of `screen` in layout pixels (its size divided by the factor).
QSize layoutRoom(const QWidget* screen);

// The geometry of an element in layout pixels, unscrolled.
QRect layoutGeometry(const QWidget* widget);

} // namespace lw::ui
