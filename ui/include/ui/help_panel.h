// A help panel of the selection screen ("So geht's", "Hinweise"): a label
// with a long text inside a borderless scrolling area of the label's colour,
// covering the whole window, so that its text can be read on any display.
// A click, Enter, Space or Escape on the label closes it.
#pragma once

#include <QColor>
#include <QFont>
#include <QObject>
#include <QString>

#include <optional>

class QScrollArea;
class QWidget;

namespace lw::ui {

class ClickableLabel;

class HelpPanel : public QObject {
    Q_OBJECT
public:
    HelpPanel(QWidget* screen, const char* labelName, QColor colour, const QFont& font);

    ClickableLabel* label() const { return label_; }
    QScrollArea* area() const { return area_; }

    // Sets the text, scrolls to its beginning, shows the panel above the
    // screen and gives the label the focus.
    void open(const QString& text);
    void hide();
    void setGeometry(int width, int height);

    // For a text with its own line breaks: rather than let the label wrap a
    // line a little too wide (which leaves its last word alone), steps the
    // font down until the widest line fits, to at most `smallestPixels`;
    // only then lines wrap. The font is the zoomed one; the next `open`
    // shows the text in it.
    void fitLines(const QString& text, const QString& lineBreak, int smallestPixels);

signals:
    // The user closed the panel by click or key.
    void closed();

private:
    QWidget* screen_;
    ClickableLabel* label_;
    QScrollArea* area_;
    QFont font_;                  // at zoom factor 1
    std::optional<QFont> fitted_; // set by fitLines for the next open
};

} // namespace lw::ui
