#include "scenario/widget_driver.h"

#include <QAbstractButton>
#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

#include <array>

namespace lw::scenario {
namespace {

// Enough for any chain of events one action starts; a bound so that a widget
// that keeps posting events cannot hang the runner.
constexpr int kMaxEventRounds = 1000;

QWidget* findIn(const QList<QWidget*>& windows, const QString& name, bool visibleWindows) {
    for (QWidget* window : windows) {
        if (window->isVisible() != visibleWindows)
            continue;
        if (window->objectName() == name)
            return window;
        if (auto* child = window->findChild<QWidget*>(name))
            return child;
    }
    return nullptr;
}

// Radio buttons and check boxes react only to clicks on their indicator and
// text, not on the empty rest of their rectangle.
QPoint clickSpot(QWidget* w) {
    const bool radio = qobject_cast<QRadioButton*>(w) != nullptr;
    if (!radio && !qobject_cast<QCheckBox*>(w))
        return w->rect().center();
    QStyleOptionButton option;
    option.initFrom(w);
    option.text = static_cast<QAbstractButton*>(w)->text();
    const auto element = radio ? QStyle::SE_RadioButtonIndicator : QStyle::SE_CheckBoxIndicator;
    const QRect indicator = w->style()->subElementRect(element, &option, w);
    return indicator.isValid() ? indicator.center() : w->rect().center();
}

struct NamedKey {
    const char* name;
    Qt::Key key;
    const char* text;
};

constexpr std::array<NamedKey, 4> kNamedKeys = {{
    {"Enter", Qt::Key_Return, "\r"},
    {"Tab", Qt::Key_Tab, "\t"},
    {"Backspace", Qt::Key_Backspace, "\b"},
    {"Escape", Qt::Key_Escape, "\x1b"},
}};

bool sendKey(Qt::Key key, const QString& text) {
    QWidget* target = QApplication::focusWidget();
    if (!target)
        return false;
    QTest::sendKeyEvent(QTest::Click, target, key, text, Qt::NoModifier);
    processPendingEvents();
    return true;
}

QPalette::ColorRole paintedRole(QWidget* w) {
    if (qobject_cast<QLineEdit*>(w))
        return QPalette::Base;
    if (qobject_cast<QPushButton*>(w))
        return QPalette::Button;
    return QPalette::Window;
}

QString colorWord(QWidget* w) {
    const QColor color = w->palette().color(QPalette::Active, paintedRole(w));
    return QStringLiteral("color=") + color.name(QColor::HexRgb).toUpper();
}

bool hasFocus(QWidget* w) {
    QWidget* focused = QApplication::focusWidget();
    return focused && (focused == w || focused == w->focusProxy());
}

} // namespace

void processPendingEvents() {
    QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
    for (int round = 0; round < kMaxEventRounds; ++round) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        const bool handled = dispatcher && dispatcher->processEvents(QEventLoop::AllEvents);
        if (!handled)
            return;
    }
}

QWidget* findElement(const QString& name) {
    if (name.isEmpty())
        return nullptr;
    const QList<QWidget*> windows = QApplication::topLevelWidgets();
    if (QWidget* w = findIn(windows, name, true))
        return w;
    return findIn(windows, name, false);
}

std::optional<QString> unreachableReason(QWidget* w) {
    if (!w->isVisible())
        return QStringLiteral("hidden");
    if (!w->isEnabled())
        return QStringLiteral("disabled");
    QWidget* modal = QApplication::activeModalWidget();
    if (modal && w->window() != modal)
        return QStringLiteral("blocked by ") + modal->objectName();
    return std::nullopt;
}

bool takesClickFocus(QWidget* w) {
    return (w->focusPolicy() & Qt::ClickFocus) == Qt::ClickFocus;
}

void focusLikeClick(QWidget* w) {
    QWidget* window = w->window();
    if (QApplication::activeWindow() != window) {
        window->activateWindow();
        processPendingEvents();
    }
    if (!hasFocus(w) && takesClickFocus(w)) {
        w->setFocus(Qt::MouseFocusReason);
        processPendingEvents();
    }
}

void clickOn(QWidget* w) {
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, clickSpot(w));
    processPendingEvents();
}

void pressForDoubleClick(QWidget* w) {
    clickOn(w);
}

void finishDoubleClick(QWidget* w) {
    const QPoint spot = clickSpot(w);
    QPointer<QWidget> guard(w);
    QTest::mouseDClick(w, Qt::LeftButton, Qt::NoModifier, spot);
    if (guard)
        QTest::mouseRelease(w, Qt::LeftButton, Qt::NoModifier, spot);
    processPendingEvents();
}

bool isKeyName(const QString& name) {
    for (const NamedKey& k : kNamedKeys)
        if (name == QLatin1String(k.name))
            return true;
    return false;
}

bool pressNamedKey(const QString& name) {
    for (const NamedKey& k : kNamedKeys)
        if (name == QLatin1String(k.name))
            return sendKey(k.key, QString::fromLatin1(k.text));
    return false;
}

bool typeCharacter(QChar c) {
    if (c == u'\r' || c == u'\n')
        return pressNamedKey(QStringLiteral("Enter"));
    if (c == u'\t')
        return pressNamedKey(QStringLiteral("Tab"));
    // Qt's key codes for printable characters are the upper-case code points.
    const auto key = static_cast<Qt::Key>(c.toUpper().unicode());
    return sendKey(key, QString(c));
}

void selectAllText(QWidget* w) {
    if (auto* edit = qobject_cast<QLineEdit*>(w))
        edit->selectAll();
}

void pasteIntoFocused(const QString& text) {
    auto* edit = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    if (!edit || edit->isReadOnly())
        return;
    edit->selectAll();
    edit->insert(text);
    processPendingEvents();
}

QString clipboardText() {
    return QApplication::clipboard()->text();
}

void setClipboardText(const QString& text) {
    QApplication::clipboard()->setText(text);
    processPendingEvents();
}

bool pressPasteKeys() {
    QWidget* target = QApplication::focusWidget();
    if (!target)
        return false;
    QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
    processPendingEvents();
    return true;
}

std::optional<QString> elementText(QWidget* w) {
    if (w->isWindow())
        return w->windowTitle();
    if (auto* edit = qobject_cast<QLineEdit*>(w))
        return edit->text();
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        return button->text();
    if (auto* label = qobject_cast<QLabel*>(w))
        return label->text();
    if (auto* frame = qobject_cast<QGroupBox*>(w))
        return frame->title();
    return std::nullopt;
}

std::optional<QString> actualStateWord(QWidget* w, const QString& word) {
    auto either = [](bool yes, const char* a, const char* b) {
        return QString::fromLatin1(yes ? a : b);
    };
    if (word == u"visible" || word == u"hidden")
        return either(w->isVisible(), "visible", "hidden");
    if (word == u"enabled" || word == u"disabled")
        return either(w->isEnabled(), "enabled", "disabled");
    if (word == u"checked" || word == u"unchecked") {
        auto* button = qobject_cast<QAbstractButton*>(w);
        if (!button)
            return QStringLiteral("not checkable");
        return either(button->isChecked(), "checked", "unchecked");
    }
    if (word == u"focused")
        return either(hasFocus(w), "focused", "not focused");
    if (word == u"readonly") {
        auto* edit = qobject_cast<QLineEdit*>(w);
        return either(edit && edit->isReadOnly(), "readonly", "not readonly");
    }
    if (word.startsWith(u"color="))
        return colorWord(w);
    return std::nullopt;
}

} // namespace lw::scenario
