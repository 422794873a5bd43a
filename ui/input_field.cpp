#include "ui/input_field.h"

#include "validation/field_events.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QPointer>

#include <optional>

namespace lw::ui {
namespace {

// The character code a key press delivers to the handlers: a printable
// character, Enter or Backspace. Other keys (arrows, Delete, Escape, editing
// shortcuts) keep Qt's line-edit behaviour and reach no handler.
std::optional<char32_t> typedCode(const QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return kEnter;
    case Qt::Key_Backspace:
        return kBackspace;
    default:
        break;
    }
    if (event.modifiers() & (Qt::ControlModifier | Qt::MetaModifier))
        return std::nullopt;
    const QList<uint> codes = event.text().toUcs4();
    if (codes.size() != 1)
        return std::nullopt;
    // Escape, Delete and other control characters type nothing: a refusal
    // message would have to show an invisible character.
    const auto code = static_cast<char32_t>(codes.front());
    if (code < 0x20 || (code >= 0x7F && code < 0xA0))
        return std::nullopt;
    return code;
}

// Focus moves a message box or another window causes (and gives back) are
// not moves between the screen's elements: the handlers must not see them.
bool isMoveWithinScreen(const QFocusEvent& event) {
    return event.reason() != Qt::ActiveWindowFocusReason && event.reason() != Qt::PopupFocusReason;
}

} // namespace

InputField::InputField(Element field, FieldEventSink& sink, QWidget* parent)
    : QLineEdit(parent), field_(field), sink_(sink) {
    setObjectName(QString::fromLatin1(elementName(field).data(),
                                      static_cast<qsizetype>(elementName(field).size())));
}

void InputField::keyPressEvent(QKeyEvent* event) {
    const std::optional<char32_t> code = typedCode(*event);
    if (!code || !hasKeyHandler(field_)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    event->accept();
    // The handler may show a message box; the field must still exist after it.
    QPointer<InputField> self(this);
    const char32_t result = sink_.fieldKeyPress(field_, *code);
    if (!self || result == 0)
        return;
    if (result == *code) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    // Rewritten on the way in (upper case, comma to point): typing it
    // replaces the selection as the original key would have.
    insert(QString::fromUcs4(&result, 1));
}

void InputField::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    if (isMoveWithinScreen(*event))
        sink_.fieldGotFocus(field_);
}

void InputField::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (isMoveWithinScreen(*event))
        sink_.fieldLostFocus(field_);
}

} // namespace lw::ui
