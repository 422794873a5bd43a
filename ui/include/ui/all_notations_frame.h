// The frame "Alle Schreibweisen" of the calculation screen: in place of an
// output mask, one heading per ellipsoid and one read-only line per notation
// (model/all_notations.h), scrolling where the frame is too small. A click on
// a line, or Enter or Ctrl+C on it, copies the line; Up and Down move between
// the lines.
#pragma once

#include "ui/masks.h"

#include <functional>

class QGroupBox;
class QWidget;

namespace lw::ui {

// Builds the frame on `screen`, hidden, and enters it, its headings and
// lines into `masks`. `copyLine` receives the line a user copies.
QGroupBox* buildAllNotationsFrame(QWidget* screen, MaskWidgets& masks,
                                  std::function<void(Element line)> copyLine);

} // namespace lw::ui
