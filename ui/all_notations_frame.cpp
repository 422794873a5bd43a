#include "ui/all_notations_frame.h"

#include "model/all_notations.h"
#include "ui/look.h"
#include "ui/zoom.h"

#include <QEvent>
#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScrollArea>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <utility>

namespace lw::ui {
namespace {

// Where the list stands, in twips: below "Ergebnis kopieren" (top 4995,
// height 450), over the whole width of the screen's buttons but for the
// last 750, so that at 200 % on a 1920 x 1080 display (960 x 540 layout
// pixels, less its scroll bar) no value reaches beyond the window's edge.
constexpr int kLeft = 75, kTop = 5520, kWidth = 14025;
// The rows inside the frame, below its caption.
constexpr int kInsideLeft = 75, kInsideTop = 300, kInsideBottom = 75;
constexpr int kRowSpacing = 15, kColumnGap = 300, kGroupGap = 120;
// Inner margins of a row, in twips: room for the focus frame around its text.
constexpr int kRowMarginX = 45, kRowMarginY = 15;
// Headings keep room for two lines (the datum shift and what it is worth),
// so that the first list shown does not push the screen's buttons down.
constexpr int kHeadingLines = 2;
constexpr const char* kCaption = "Ausgabe: Alle Schreibweisen";
constexpr const char* kGreyedDescription = "ausgegraut";

QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

// A heading or line of the list: a wrapping label that can hold the focus.
// The accessible name is what a screen reader says on arriving: the line's
// label and its text ("GRS80 UTM zivil: 32U 0571595 5365251").
class ListRow : public QLabel {
public:
    ListRow(AllNotationsList& list, QWidget* parent, QString label, std::function<void()> copy)
        : QLabel(parent), list_(list), label_(std::move(label)), copy_(std::move(copy)) {
        setWordWrap(true);
        setAlignment(Qt::AlignLeft | Qt::AlignTop);
        setTextFormat(Qt::PlainText); // a reason may hold "<" ("N46° < Breite")
        // Qt chains only widgets that take the focus in the Tab order; the
        // list decides which row is its Tab stop once it has texts.
        setFocusPolicy(Qt::ClickFocus);
        // The list's own focus frame is thin: a row's text sits close to it.
        setProperty("lwThinFocusFrame", true);
    }

    bool isLine() const { return !label_.isEmpty(); }
    bool isGreyed() const { return greyed_; }

    void setRowText(const QString& text) {
        setText(text);
        nameForScreenReaders();
    }
    void setGreyed(bool greyed) {
        greyed_ = greyed;
        look::setColour(this, QPalette::WindowText,
                        greyed ? QColor(look::kDisabledText) : QColor(Qt::black));
        nameForScreenReaders();
    }

    ListRow* above = nullptr;
    ListRow* below = nullptr;

    // An empty row still holds its lines: the list keeps its height when it
    // is emptied, and the first list shown moves nothing.
    int heightForWidth(int width) const override {
        return std::max(QLabel::heightForWidth(width), leastHeight());
    }
    QSize sizeHint() const override {
        QSize size = QLabel::sizeHint();
        size.setHeight(std::max(size.height(), leastHeight()));
        return size;
    }
    QSize minimumSizeHint() const override {
        QSize size = QLabel::minimumSizeHint();
        size.setHeight(std::max(size.height(), leastHeight()));
        return size;
    }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->matches(QKeySequence::Copy) || event->key() == Qt::Key_Return ||
            event->key() == Qt::Key_Enter) {
            copy();
            return;
        }
        if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) {
            moveTo(event->key() == Qt::Key_Up);
            return;
        }
        QLabel::keyPressEvent(event);
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        QLabel::mouseReleaseEvent(event);
        if (event->button() == Qt::LeftButton)
            copy();
    }
    void focusInEvent(QFocusEvent* event) override {
        QLabel::focusInEvent(event);
        list_.makeCurrent(this);
    }

private:
    int leastHeight() const {
        const QMargins m = contentsMargins();
        const int lines = isLine() ? 1 : kHeadingLines;
        return lines * fontMetrics().lineSpacing() + m.top() + m.bottom();
    }

    // Only a line with its copy line copies; a heading or a reason is no
    // coordinate.
    void copy() {
        if (isLine() && !greyed_ && !text().isEmpty())
            copy_();
    }

    // The next row with a text, greyed or not: every row can be read.
    void moveTo(bool up) {
        for (ListRow* next = up ? above : below; next; next = up ? next->above : next->below)
            if (!next->text().isEmpty()) {
                next->setFocus(up ? Qt::BacktabFocusReason : Qt::TabFocusReason);
                return;
            }
    }

    void nameForScreenReaders() {
        if (!isLine())
            return; // a heading is read by its text
        setAccessibleName(text().isEmpty() ? label_ : label_ + QStringLiteral(": ") + text());
        setAccessibleDescription(greyed_ ? QString::fromLatin1(kGreyedDescription) : QString());
    }

    AllNotationsList& list_;
    QString label_;
    std::function<void()> copy_;
    bool greyed_ = false;
};

namespace {

// Underlined, and otherwise the list's (zoomed, bold) font: a font that sets
// only that inherits family, size and weight from the parent. (A style sheet
// would take the colours from the desktop palette instead of the screen's.)
void underline(QLabel* heading) {
    QFont underlined;
    underlined.setUnderline(true);
    heading->setFont(underlined);
}

QGridLayout* newColumn() {
    auto* grid = new QGridLayout;
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setColumnStretch(1, 1);
    return grid;
}

// Layout pixels at the zoom's factor, as the zoom shows the rows' font.
int zoomed(int twips, double zoom) {
    return static_cast<int>(std::lround(look::px(twips) * zoom));
}

} // namespace

AllNotationsList::AllNotationsList(QWidget* screen, MaskWidgets& masks,
                                   std::function<void(Element)> copyLine,
                                   std::function<void(bool)> fitted)
    : QObject(screen), fitted_(std::move(fitted)) {
    frame_ = new QGroupBox(QString::fromUtf8(kCaption), screen);
    frame_->setObjectName(QStringLiteral("fraAlleAUS"));
    look::setFrameLook(frame_);
    frame_->setAccessibleName(QString::fromUtf8(kCaption));
    frame_->hide();
    masks.byElement[static_cast<std::size_t>(Element::fraAlleAUS)] = frame_;

    // The zoom scales the frame and the scroll area, placed in layout pixels
    // as every element is, with their font; the rows inside inherit that
    // font and follow the area by its own layout. The area scrolls only
    // should the rows ever need more than the frame gives.
    scroll_ = new QScrollArea(frame_);
    scroll_->setObjectName(QStringLiteral("scrAlle"));
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setWidgetResizable(true);
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll_->setFont(look::smallFont());
    scroll_->installEventFilter(this);
    scroll_->setWidget(buildRows(masks, copyLine));
    frame_->setGeometry(look::twipRect(kLeft, kTop, kWidth, 0));
    scroll_->setGeometry(look::twipRect(kInsideLeft, kInsideTop, kWidth - 2 * kInsideLeft, 0));
    textsChanged_ = true;
    scheduleRowsChanged();
}

// GRS80 in the left column, Bessel and Hayford in the right one: the
// right column's two groups hold about as many rows as the left one's
// group and its long reasons south of the equator.
QWidget* AllNotationsList::buildRows(MaskWidgets& masks,
                                     const std::function<void(Element)>& copyLine) {
    auto* content = new QWidget;
    columns_ = new QHBoxLayout(content);
    columns_->setContentsMargins(0, 0, 0, 0);
    grids_ = {newColumn(), newColumn()};
    for (QGridLayout* grid : grids_)
        columns_->addLayout(grid, 1);
    int rowOf[2] = {0, 0};
    for (const AllNotationsGroup& group : kAllNotationsGroups) {
        const std::size_t column = std::string_view(group.ellipsoid) == kGRS80 ? 0 : 1;
        addGroup(group, *grids_[column], rowOf[column], masks, copyLine);
    }
    for (std::size_t column = 0; column < grids_.size(); ++column)
        grids_[column]->setRowStretch(rowOf[column], 1);
    spaceOut();
    return content;
}

void AllNotationsList::addGroup(const AllNotationsGroup& group, QGridLayout& grid, int& row,
                                MaskWidgets& masks, const std::function<void(Element)>& copyLine) {
    QWidget* content = grid.parentWidget();
    if (row > 0)
        groupGaps_.push_back({&grid, row++});
    auto* heading = new ListRow(*this, content, QString(), [] {});
    underline(heading);
    grid.addWidget(heading, row++, 0, 1, 2);
    enterRow(heading, group.heading, masks);
    for (const AllNotationsLine& line : kAllNotationsLines) {
        if (std::string_view(line.ellipsoid) != group.ellipsoid)
            continue;
        auto* field = new ListRow(*this, content, QString::fromStdString(allNotationsLabel(line)),
                                  [copyLine, e = line.field] { copyLine(e); });
        // The heading names the ellipsoid; the caption only the notation.
        auto* caption =
            new QLabel(qs(notationOf(line.format)->label) + QStringLiteral(":"), content);
        caption->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        caption->setBuddy(field);
        captions_.push_back(caption);
        grid.addWidget(caption, row, 0);
        grid.addWidget(field, row++, 1);
        enterRow(field, line.field, masks);
    }
}

// In reading order, linked to the row above for Up and Down.
void AllNotationsList::enterRow(ListRow* row, Element e, MaskWidgets& masks) {
    row->setObjectName(qs(elementName(e)));
    masks.byElement[static_cast<std::size_t>(e)] = row;
    if (!rows_.empty()) {
        rows_.back()->below = row;
        row->above = rows_.back();
    }
    rows_.push_back(row);
}

// Gaps and margins grow with the zoom as the rows' font does (the zoom
// scales the area and its font; what lies inside it follows its layout).
void AllNotationsList::spaceOut() {
    const double zoom = zoomOf(frame_);
    columns_->setSpacing(zoomed(kColumnGap, zoom));
    for (QGridLayout* grid : grids_) {
        grid->setHorizontalSpacing(zoomed(kRowSpacing, zoom));
        grid->setVerticalSpacing(zoomed(kRowSpacing, zoom));
    }
    for (const auto& [grid, row] : groupGaps_)
        grid->setRowMinimumHeight(row, zoomed(kGroupGap, zoom));
    const int x = zoomed(kRowMarginX, zoom), y = zoomed(kRowMarginY, zoom);
    for (ListRow* row : rows_)
        row->setContentsMargins(x, y, x, y);
    for (QLabel* caption : captions_)
        caption->setContentsMargins(x, y, 0, y);
}

bool AllNotationsList::holds(const QWidget* row) const {
    return std::find(rows_.begin(), rows_.end(), row) != rows_.end();
}

void AllNotationsList::setRowText(QWidget* row, const QString& text) {
    auto* r = static_cast<ListRow*>(row);
    if (r->text() == text)
        return;
    r->setRowText(text);
    textsChanged_ = true;
    scheduleRowsChanged();
}

void AllNotationsList::setGreyed(QWidget* row, bool greyed) {
    static_cast<ListRow*>(row)->setGreyed(greyed);
}

bool AllNotationsList::isGreyed(const QWidget* row) const {
    return static_cast<const ListRow*>(row)->isGreyed();
}

// At the area's width, as a hidden area knows it already (its viewport
// learns it only when shown).
int AllNotationsList::neededHeight() const {
    const QWidget* content = scroll_->widget();
    int inside = content->heightForWidth(scroll_->width());
    if (inside < 0) // empty labels do not say that they wrap: the rows' least heights
        inside = content->sizeHint().height();
    const double zoom = zoomOf(frame_);
    return static_cast<int>(std::ceil(inside / zoom)) + look::px(kInsideTop + kInsideBottom);
}

// Once for all the texts one event writes: the list then takes its new
// Tab stop and height together.
void AllNotationsList::scheduleRowsChanged() {
    if (changePending_)
        return;
    changePending_ = true;
    QTimer::singleShot(0, this, [this] {
        changePending_ = false;
        const bool texts = std::exchange(textsChanged_, false);
        if (texts)
            updateTabStop();
        fitFrame();
        if (fitted_)
            fitted_(texts);
    });
}

// A new list starts at its first line; rows without a text take no focus.
void AllNotationsList::updateTabStop() {
    current_ = nullptr;
    for (ListRow* row : rows_)
        if (!current_ && row->isLine() && !row->text().isEmpty())
            current_ = row;
    makeCurrent(current_);
}

void AllNotationsList::makeCurrent(ListRow* row) {
    if (row)
        current_ = row;
    for (ListRow* r : rows_) {
        if (r->text().isEmpty())
            r->setFocusPolicy(Qt::NoFocus);
        else
            r->setFocusPolicy(r == current_ ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

// The frame grows to what its rows need and never shrinks while the screen
// is open: what lies below it moves at most once, down.
void AllNotationsList::fitFrame() {
    const QRect now = layoutGeometry(frame_);
    const int height = std::max(now.height(), neededHeight());
    if (height == now.height())
        return;
    frame_->setGeometry(QRect(now.topLeft(), QSize(now.width(), height)));
    const QRect inside = layoutGeometry(scroll_);
    scroll_->setGeometry(QRect(
        inside.topLeft(), QSize(inside.width(), height - look::px(kInsideTop + kInsideBottom))));
}

bool AllNotationsList::eventFilter(QObject* watched, QEvent* event) {
    if (watched == scroll_ && event->type() == QEvent::FontChange)
        spaceOut();
    if (watched == scroll_ && (event->type() == QEvent::Resize || event->type() == QEvent::Show ||
                               event->type() == QEvent::FontChange))
        scheduleRowsChanged();
    return false;
}

} // namespace lw::ui
