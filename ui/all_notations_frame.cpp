#include "ui/all_notations_frame.h"

#include "model/all_notations.h"
#include "ui/look.h"

#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollArea>

#include <vector>

namespace lw::ui {
namespace {

// Where the output masks are, in twips.
constexpr int kLeft = 7500, kTop = 4995, kWidth = 7350, kHeight = 3000;
// The scrolling list inside the frame, below its caption.
constexpr int kScrollLeft = 75, kScrollTop = 300;
constexpr const char* kCaption = "Ausgabe: Alle Schreibweisen";

QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A line of the list: read-only, reached by Tab, copied whole by a click,
// by Enter or by Ctrl+C (a copy of a part of it would be no coordinate).
class ListLine : public QLineEdit {
public:
    ListLine(QWidget* parent, std::function<void()> copy, QScrollArea* scroll)
        : QLineEdit(parent), copy_(std::move(copy)), scroll_(scroll) {
        setReadOnly(true);
        setFocusPolicy(Qt::StrongFocus);
    }

    ListLine* above = nullptr;
    ListLine* below = nullptr;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->matches(QKeySequence::Copy) || event->key() == Qt::Key_Return ||
            event->key() == Qt::Key_Enter) {
            copy_();
            return;
        }
        if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) {
            moveTo(event->key() == Qt::Key_Up);
            return;
        }
        QLineEdit::keyPressEvent(event);
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        QLineEdit::mouseReleaseEvent(event);
        if (event->button() == Qt::LeftButton)
            copy_();
    }
    void focusInEvent(QFocusEvent* event) override {
        QLineEdit::focusInEvent(event);
        scroll_->ensureWidgetVisible(this);
    }

private:
    // The next line that holds a copy line; lines that give a reason instead
    // are disabled and passed over.
    void moveTo(bool up) {
        for (ListLine* next = up ? above : below; next; next = up ? next->above : next->below)
            if (next->isEnabled()) {
                next->setFocus(up ? Qt::BacktabFocusReason : Qt::TabFocusReason);
                return;
            }
    }

    std::function<void()> copy_;
    QScrollArea* scroll_;
};

// Underlined, and otherwise the list's (zoomed, bold) font: a font that sets
// only that inherits family, size and weight from the parent. (A style sheet
// would take the colours from the desktop palette instead of the screen's.)
QLabel* makeHeading(QWidget* parent) {
    auto* heading = new QLabel(parent);
    heading->setWordWrap(true);
    QFont underlined;
    underlined.setUnderline(true);
    heading->setFont(underlined);
    return heading;
}

} // namespace

QGroupBox* buildAllNotationsFrame(QWidget* screen, MaskWidgets& masks,
                                  std::function<void(Element line)> copyLine) {
    auto* frame = new QGroupBox(QString::fromUtf8(kCaption), screen);
    frame->setObjectName(QStringLiteral("fraAlleAUS"));
    look::setFrameLook(frame);
    frame->setGeometry(look::twipRect(kLeft, kTop, kWidth, kHeight));
    frame->setAccessibleName(QString::fromUtf8(kCaption));
    frame->hide();
    masks.byElement[static_cast<std::size_t>(Element::fraAlleAUS)] = frame;

    // The zoom scales the frame and the scroll area, placed in layout pixels
    // as every element is, with their font; the lines inside inherit that
    // font and follow the area by its own layout.
    auto* scroll = new QScrollArea(frame);
    scroll->setGeometry(look::twipRect(kScrollLeft, kScrollTop, kWidth - 2 * kScrollLeft,
                                       kHeight - kScrollTop - kScrollLeft));
    scroll->setObjectName(QStringLiteral("scrAlle"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setFont(look::smallFont());

    auto* content = new QWidget;
    auto* grid = new QGridLayout(content);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(look::px(15));
    grid->setColumnStretch(1, 1);
    int row = 0;
    ListLine* previous = nullptr;
    for (const AllNotationsGroup& group : kAllNotationsGroups) {
        QLabel* heading = makeHeading(content);
        heading->setObjectName(qs(elementName(group.heading)));
        grid->addWidget(heading, row++, 0, 1, 2);
        masks.byElement[static_cast<std::size_t>(group.heading)] = heading;
        for (const AllNotationsLine& line : kAllNotationsLines) {
            if (std::string_view(line.ellipsoid) != group.ellipsoid)
                continue;
            const QString label = QString::fromStdString(allNotationsLabel(line));
            auto* field = new ListLine(
                content, [copyLine, e = line.field] { copyLine(e); }, scroll);
            field->setObjectName(qs(elementName(line.field)));
            field->setAccessibleName(label);
            auto* caption = new QLabel(label + QStringLiteral(":"), content);
            caption->setBuddy(field);
            grid->addWidget(caption, row, 0);
            grid->addWidget(field, row++, 1);
            masks.byElement[static_cast<std::size_t>(line.field)] = field;
            if (previous) {
                previous->below = field;
                field->above = previous;
            }
            previous = field;
        }
    }
    grid->setRowStretch(row, 1);
    scroll->setWidget(content);
    return frame;
}

} // namespace lw::ui
