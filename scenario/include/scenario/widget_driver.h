// Drives real Qt widgets the way a user does: finds them by objectName, moves
// the focus as a mouse click moves it, clicks, double-clicks, types keys to the
// focused widget, and reads back texts and states. Knows nothing of the program.
#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace lw::scenario {

// Runs every pending event (posted events, window-system events, deferred
// deletions) until none is left.
void processPendingEvents();

// The widget whose objectName is `name` in any top-level window; visible
// windows are searched before hidden ones. nullptr when there is none.
QWidget* findElement(const QString& name);

// Why a user could not reach the widget with the mouse, or nullopt if he can.
std::optional<QString> unreachableReason(QWidget* w);

// Whether a mouse click would give the widget the keyboard focus.
bool takesClickFocus(QWidget* w);

// Moves the focus to `w` as a mouse press does (its window is activated
// first). Nothing happens when `w` already has it.
void focusLikeClick(QWidget* w);

// A left click, and a double click (press, release, double-click, release),
// in the widget's clickable spot.
void clickOn(QWidget* w);
void pressForDoubleClick(QWidget* w);
void finishDoubleClick(QWidget* w);

// The key names of the file format: Enter, Tab, Backspace, Escape.
bool isKeyName(const QString& name);
// One key press and release on the focused widget; false when no widget has
// the focus.
bool pressNamedKey(const QString& name);
bool typeCharacter(QChar c);

// Selects the whole text of a line edit (no key press).
void selectAllText(QWidget* w);
// Replaces the whole text of the focused line edit as pasting does.
void pasteIntoFocused(const QString& text);

// The desktop clipboard's text, and putting a text on it.
QString clipboardText();
void setClipboardText(const QString& text);
// The paste keys (Ctrl+V) pressed on the focused widget, which pastes
// through its own paste path; false when no widget has the focus.
bool pressPasteKeys();

// A field's text, a caption (button, label, frame) or a window's title;
// nullopt for a widget that shows none of them.
std::optional<QString> elementText(QWidget* w);

// The word of `expect-state` that describes the widget for the asked word:
// "visible" or "hidden" for "visible"/"hidden", and so on; "color=#RRGGBB"
// for a colour. nullopt when `word` is not a state word.
std::optional<QString> actualStateWord(QWidget* w, const QString& word);

} // namespace lw::scenario
