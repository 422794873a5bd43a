// An input field of the calculation screen: a line edit that hands its key
// presses and its focus changes to the screen's field handlers.
#pragma once

#include "model/screen.h"

#include <QLineEdit>

namespace lw::ui {

class FieldEventSink {
public:
    virtual ~FieldEventSink() = default;
    // Returns the character to insert, or 0 to discard the key.
    virtual char32_t fieldKeyPress(Element field, char32_t code) = 0;
    virtual void fieldGotFocus(Element field) = 0;
    virtual void fieldLostFocus(Element field) = 0;
};

class InputField : public QLineEdit {
    Q_OBJECT
public:
    InputField(Element field, FieldEventSink& sink, QWidget* parent);
    Element element() const { return field_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    Element field_;
    FieldEventSink& sink_;
};

} // namespace lw::ui
