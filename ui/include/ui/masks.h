// The fourteen masks of the calculation screen: one input and one output
// mask per coordinate format, each a captioned frame with its fields, labels
// and option groups, built from one table.
#pragma once

#include "model/screen.h"

#include <QString>
#include <array>
#include <functional>

class QGroupBox;
class QWidget;

namespace lw::ui {

class InputField;

struct MaskWidgets {
    // Every element of the calculation screen's masks by Element. The
    // screen's own elements outside the masks (labEingabe, the buttons,
    // labBeenden, labGenauigkeit) come back nullptr; the screen enters them.
    std::array<QWidget*, kElementCount> byElement{};

    // A mask's frame (a notation's inputFrame or outputFrame).
    QGroupBox* frame(Element e) const;
};

// Creates an input field for `field` as child of `parent`; the screen
// supplies fields that forward their key and focus events.
using InputFieldFactory = std::function<InputField*(Element field, QWidget* parent)>;

// Builds all fourteen masks on `screen`, every frame hidden.
MaskWidgets buildMasks(QWidget* screen, const InputFieldFactory& makeInputField);

} // namespace lw::ui
