// An input field of the calculation screen: a line edit that hands its key
// presses and its focus changes to the screen's field handlers.
#pragma once

#include "model/screen.h"

#include <QClipboard>
#include <QLineEdit>

#include <optional>
#include <string>

namespace lw::ui {

class FieldEventSink {
public:
    virtual ~FieldEventSink() = default;
    // Returns the character to insert, or 0 to discard the key.
    virtual char32_t fieldKeyPress(Element field, char32_t code) = 0;
    virtual void fieldGotFocus(Element field) = 0;
    virtual void fieldLostFocus(Element field) = 0;
    // A paste of `text` into the field (keys, context menu, middle click).
    // True when the sink took it; otherwise the field pastes as usual.
    virtual bool fieldPaste(Element /*field*/, const std::string& /*text*/) { return false; }
    // A paste the sink did not take, as the field's key filter lets it in
    // when typed; nullopt where the field has no filter and pastes as usual.
    virtual std::optional<std::string> typedPaste(Element /*field*/, const std::string& /*text*/) {
        return std::nullopt;
    }
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
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // Every way of pasting ends here, so that the sink sees the pasted text.
    void pasteFrom(QClipboard::Mode mode);

    Element field_;
    FieldEventSink& sink_;
};

} // namespace lw::ui
