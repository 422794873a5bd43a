#include "ui/input_field.h"

#include "validation/field_events.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
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

// The standard menu's "Paste": named "edit-paste" by newer Qt versions,
// known by its (translated) caption in older ones.
bool isPasteAction(const QAction& action) {
    return action.objectName() == QLatin1String("edit-paste") ||
           action.text().startsWith(QLineEdit::tr("&Paste"));
}

} // namespace

InputField::InputField(Element field, FieldEventSink& sink, QWidget* parent)
    : QLineEdit(parent), field_(field), sink_(sink) {
    setObjectName(QString::fromLatin1(elementName(field).data(),
                                      static_cast<qsizetype>(elementName(field).size())));
}

void InputField::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste)) {
        event->accept();
        pasteFrom(QClipboard::Clipboard);
        return;
    }
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

// The standard menu, its "Paste" taken through pasteFrom().
void InputField::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    for (QAction* action : menu->actions())
        if (isPasteAction(*action)) {
            QObject::disconnect(action, &QAction::triggered, nullptr, nullptr);
            connect(action, &QAction::triggered, this,
                    [this] { pasteFrom(QClipboard::Clipboard); });
        }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

// A middle click pastes the selection where the desktop has one (X11).
void InputField::mouseReleaseEvent(QMouseEvent* event) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (event->button() == Qt::MiddleButton && clipboard->supportsSelection() && !isReadOnly()) {
        event->accept();
        pasteFrom(QClipboard::Selection);
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void InputField::pasteFrom(QClipboard::Mode mode) {
    const QString text = QGuiApplication::clipboard()->text(mode);
    QPointer<InputField> self(this); // the sink may show message boxes
    if (sink_.fieldPaste(field_, text.toStdString()) || !self)
        return;
    if (mode == QClipboard::Selection)
        deselect(); // a middle click inserts at the cursor, as Qt's own does
    const std::optional<std::string> typed = sink_.typedPaste(field_, text.toStdString());
    if (!self)
        return;
    if (typed)
        insert(QString::fromStdString(*typed));
    else if (mode == QClipboard::Clipboard)
        paste();
    else
        insert(text);
}

} // namespace lw::ui
