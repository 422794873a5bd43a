// The few widget behaviours the screens need beyond Qt's defaults.
#pragma once

#include <QLabel>
#include <QPushButton>

namespace lw::ui {

// A command button that Enter presses as well as Space, so that a task can be
// done from the keyboard alone (Enter in a last field moves to "Berechnung",
// Enter again calculates).
class ScreenButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// A label that reports clicks and double clicks (help panels, quit label),
// and, once it takes the keyboard focus, Enter or Space as `activated` and
// Escape as `cancelled`, so that what the mouse does can be done by keyboard.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();
    void doubleClicked();
    void activated();
    void cancelled();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace lw::ui
