// The frame "Alle Schreibweisen" of the calculation screen: in place of an
// output mask, one heading per ellipsoid and one line per notation
// (model/all_notations.h), GRS80 in the left column, Bessel and Hayford in
// the right one. The frame is as tall as its rows need, so that every line
// shows whole (it grows, and never shrinks while the screen is open); the
// screen places what lies below it.
//
// The list is one Tab stop, the first line of a new list, then the row used
// last: Up and Down move between its rows (headings and greyed reasons too,
// so that the keyboard and a screen reader reach them); a click on a line,
// or Enter or Ctrl+C on it, copies its copy line. A row without text takes
// no focus.
#pragma once

#include "ui/masks.h"

#include <QObject>

#include <array>
#include <functional>
#include <utility>
#include <vector>

class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QScrollArea;
class QWidget;

namespace lw {
struct AllNotationsGroup;
}

namespace lw::ui {

class ListRow;

class AllNotationsList : public QObject {
public:
    // Builds the frame on `screen`, hidden, and enters it, its headings and
    // lines into `masks`. `copyLine` receives the line a user copies;
    // `fitted` is called after the frame has taken the height its rows need
    // (after the event that changed them), with whether their texts changed.
    AllNotationsList(QWidget* screen, MaskWidgets& masks, std::function<void(Element)> copyLine,
                     std::function<void(bool textsChanged)> fitted);

    QGroupBox* frame() const { return frame_; }

    // Whether `row` is a heading or line of the list.
    bool holds(const QWidget* row) const;
    void setRowText(QWidget* row, const QString& text);
    // A greyed line gives the reason its conversion refused the point: shown
    // grey, copied by nobody, still reached by the keyboard.
    void setGreyed(QWidget* row, bool greyed);
    bool isGreyed(const QWidget* row) const;

    // The frame's height in layout pixels that shows every row at the
    // frame's width, without scrolling.
    int neededHeight() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildRows(MaskWidgets& masks, const std::function<void(Element)>& copyLine);
    void addGroup(const AllNotationsGroup& group, QGridLayout& grid, int& row, MaskWidgets& masks,
                  const std::function<void(Element)>& copyLine);
    void enterRow(ListRow* row, Element e, MaskWidgets& masks);
    void scheduleRowsChanged();
    void updateTabStop();
    void makeCurrent(ListRow* row);
    void fitFrame();
    void spaceOut();

    QGroupBox* frame_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    std::vector<ListRow*> rows_; // in reading order
    std::vector<QLabel*> captions_;
    QHBoxLayout* columns_ = nullptr;
    std::array<QGridLayout*, 2> grids_{};
    std::vector<std::pair<QGridLayout*, int>> groupGaps_; // grid and row of each gap
    ListRow* current_ = nullptr;                          // the one row Tab reaches
    std::function<void(bool)> fitted_;
    bool changePending_ = false;
    bool textsChanged_ = false; // since the last update of the Tab stop

    friend class ListRow;
};

} // namespace lw::ui
