#include "ui/zoom.h"

#include "model/zoom.h"

#include <QApplication>
#include <QEvent>
#include <QGroupBox>
#include <QPointer>
#include <QScrollBar>
#include <QStyle>
#include <QWheelEvent>
#include <QWidget>

#include <cmath>
#include <unordered_map>
#include <vector>

namespace lw::ui {
namespace {

constexpr const char* kKeepProperty = "lwZoomKeepsOwnGeometry";
constexpr const char* kZoomName = "lwZoom";

// What the layout says of one element, and what the zoom last showed of it:
// a geometry or font that differs from the shown one was set by the screen.
struct Element {
    QRect geometry; // layout pixels, relative to the parent, unscrolled
    QFont font;     // at factor 1
    QRect shownGeometry;
    QString shownFont;
};

// Elements inside these are laid out by the zoom too; any other widget
// (field, button, scroll area) lays out its own inner parts.
bool isContainer(const QWidget* w) {
    return qobject_cast<const QGroupBox*>(w) || w->metaObject() == &QWidget::staticMetaObject;
}

QRect scaled(const QRect& r, double factor) {
    const Span x = zoomSpan(r.x(), r.width(), factor);
    const Span y = zoomSpan(r.y(), r.height(), factor);
    return QRect(x.start, y.start, x.length, y.length);
}

// A font with every property its own, so that a zoomed parent's font never
// reaches into a child's.
QFont ownFont(QFont font) {
    font.setResolveMask(QFont::AllPropertiesResolved);
    return font;
}

class Zoom : public QObject {
public:
    explicit Zoom(QWidget* screen) : QObject(screen), screen_(screen), layout_(screen->size()) {
        setObjectName(QLatin1String(kZoomName));
        for (auto& bar : bars_) {
            bar = new QScrollBar(screen);
            bar->setFocusPolicy(Qt::NoFocus);
            bar->hide();
            connect(bar, &QScrollBar::valueChanged, this, &Zoom::scrolled);
        }
        bars_[0]->setOrientation(Qt::Horizontal);
        bars_[0]->setObjectName(QStringLiteral("lwZoomScrollX"));
        bars_[1]->setObjectName(QStringLiteral("lwZoomScrollY"));
        recordChildren(screen);
        screen->installEventFilter(this);
        connect(qApp, &QApplication::focusChanged, this,
                [this](QWidget*, QWidget* now) { showFocused(now); });
    }

    double factor() const { return factor_; }
    QSize room() const {
        return QSize(static_cast<int>(screen_->width() / factor_),
                     static_cast<int>(screen_->height() / factor_));
    }
    QRect layoutGeometry(QWidget* w) const {
        auto it = elements_.find(w);
        return it == elements_.end() ? w->geometry() : it->second.geometry;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* w = static_cast<QWidget*>(watched);
        switch (event->type()) {
        case QEvent::Resize:
            if (w == screen_)
                relayout();
            else if (!applying_)
                takeOver(w);
            break;
        case QEvent::Move:
            if (w != screen_ && !applying_)
                takeOver(w);
            break;
        case QEvent::FontChange:
            if (w != screen_ && !applying_)
                takeOver(w);
            break;
        case QEvent::ChildPolished:
            if (w != screen_ && !isContainer(w))
                break; // a field's or button's own parts, the focus frame
            if (auto* child = qobject_cast<QWidget*>(static_cast<QChildEvent*>(event)->child()))
                if (!elements_.count(child) && wanted(child))
                    record(child);
            break;
        case QEvent::ShowToParent:
        case QEvent::HideToParent:
            if (w->parentWidget() == screen_)
                updateScroll();
            break;
        case QEvent::Wheel:
            if (w == screen_)
                return wheel(static_cast<QWheelEvent*>(event));
            break;
        default:
            break;
        }
        return false;
    }

private:
    bool wanted(QWidget* w) const {
        return !w->isWindow() && !w->property(kKeepProperty).toBool() && w != bars_[0] &&
               w != bars_[1];
    }

    void recordChildren(QWidget* parent) {
        for (QObject* o : parent->children())
            if (auto* w = qobject_cast<QWidget*>(o); w && wanted(w))
                record(w);
    }

    // The element as it is now is its layout (elements are placed in layout
    // pixels); from here on it is shown zoomed.
    void record(QWidget* w) {
        Element& e = elements_[w];
        e.geometry = w->geometry();
        e.font = w->font();
        w->installEventFilter(this);
        connect(w, &QObject::destroyed, this, [this, w] { elements_.erase(w); });
        apply(w, e);
        if (isContainer(w))
            recordChildren(w);
        if (w->parentWidget() == screen_)
            updateScroll();
    }

    // Whatever differs from what the zoom showed the screen has set itself,
    // in layout pixels: position, size and font each on their own. (Events
    // arriving while the zoom applies a layout are its own: Qt may deliver an
    // element's earlier move there.)
    void takeOver(QWidget* w) {
        auto it = elements_.find(w);
        if (it == elements_.end())
            return;
        Element& e = it->second;
        const QRect now = w->geometry();
        bool changed = false;
        if (now.topLeft() != e.shownGeometry.topLeft()) {
            e.geometry.moveTopLeft(now.topLeft());
            changed = true;
        }
        if (now.size() != e.shownGeometry.size()) {
            e.geometry.setSize(now.size());
            changed = true;
        }
        if (w->font().toString() != e.shownFont) {
            e.font = w->font();
            changed = true;
        }
        if (changed) {
            apply(w, e);
            if (w->parentWidget() == screen_)
                updateScroll();
        }
    }

    void apply(QWidget* w, Element& e) {
        const bool wasApplying = applying_;
        applying_ = true;
        QRect shown = scaled(e.geometry, factor_);
        if (w->parentWidget() == screen_)
            shown.translate(-offset_);
        e.shownGeometry = shown;
        const QFont font = ownFont(zoomedFont(e.font, factor_));
        e.shownFont = font.toString();
        if (w->font().toString() != e.shownFont)
            w->setFont(font);
        if (w->geometry() != shown)
            w->setGeometry(shown);
        applying_ = wasApplying;
    }

    void applyAll(bool onlyScreenChildren) {
        // Over a copy: showing an element may record a new one.
        std::vector<QWidget*> all;
        for (const auto& [w, e] : elements_)
            all.push_back(w);
        for (QWidget* w : all) {
            auto it = elements_.find(w);
            if (it != elements_.end() && (!onlyScreenChildren || w->parentWidget() == screen_))
                apply(w, it->second);
        }
    }

    void relayout() {
        const double f = lw::zoomFactor({screen_->width(), screen_->height()},
                                        {layout_.width(), layout_.height()});
        if (f != factor_) {
            factor_ = f;
            applyAll(false);
        }
        updateScroll();
    }

    // The shown part of the screen's own elements, zoomed and unscrolled.
    QSize content() const {
        QRect all;
        for (const auto& [w, e] : elements_)
            if (w->parentWidget() == screen_ && !w->isHidden())
                all |= scaled(e.geometry, factor_);
        return QSize(std::max(0, all.right() + 1), std::max(0, all.bottom() + 1));
    }

    void updateScroll() {
        const int thickness = screen_->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        const QSize c = content();
        room_ =
            scrollRoom({screen_->width(), screen_->height()}, {c.width(), c.height()}, thickness);
        const int view[2] = {room_.viewport.width, room_.viewport.height};
        const int range[2] = {room_.rangeX, room_.rangeY};
        const bool shown[2] = {room_.horizontal, room_.vertical};
        bars_[0]->setGeometry(0, screen_->height() - thickness, view[0], thickness);
        bars_[1]->setGeometry(screen_->width() - thickness, 0, thickness, view[1]);
        for (int i = 0; i < 2; ++i) {
            bars_[i]->setRange(0, range[i]);
            bars_[i]->setPageStep(view[i]);
            bars_[i]->setSingleStep(std::max(1, view[i] / 20));
            bars_[i]->setVisible(shown[i]);
            if (shown[i])
                bars_[i]->raise();
        }
        scrolled();
    }

    void scrolled() {
        const QPoint offset(bars_[0]->value(), bars_[1]->value());
        if (offset == offset_)
            return;
        offset_ = offset;
        applyAll(true);
    }

    bool wheel(QWheelEvent* event) {
        QScrollBar* bar =
            event->angleDelta().x() != 0 || !bars_[1]->isVisible() ? bars_[0] : bars_[1];
        if (!bar->isVisible())
            return false;
        QApplication::sendEvent(bar, event);
        return true;
    }

    // The focused element scrolls into view, as in any scrolling area; a
    // widget that an element lays out itself (a row of a list) as far as
    // that element shows it.
    void showFocused(QWidget* now) {
        if (!now || !screen_->isAncestorOf(now))
            return;
        QWidget* element = now;
        while (element != screen_ && !elements_.count(element))
            element = element->parentWidget();
        if (element == screen_)
            return;
        for (QWidget* w = element; w != screen_; w = w->parentWidget())
            if (!elements_.count(w))
                return;
        const QRect shown(element->mapTo(screen_, QPoint(0, 0)), element->size());
        const QRect r = QRect(now->mapTo(screen_, QPoint(0, 0)), now->size())
                            .intersected(shown)
                            .translated(offset_);
        if (r.isEmpty())
            return;
        bars_[0]->setValue(offsetShowing(offset_.x(), room_.viewport.width, room_.rangeX, r.left(),
                                         r.right() + 1));
        bars_[1]->setValue(offsetShowing(offset_.y(), room_.viewport.height, room_.rangeY, r.top(),
                                         r.bottom() + 1));
    }

    QWidget* screen_;
    QSize layout_;
    double factor_ = 1.0;
    QPoint offset_;
    ScrollRoom room_;
    QScrollBar* bars_[2] = {};
    // References stay valid while elements are added.
    std::unordered_map<QWidget*, Element> elements_;
    bool applying_ = false;
};

const Zoom* zoomOfScreen(const QWidget* widget) {
    return widget ? widget->window()->findChild<Zoom*>(QLatin1String(kZoomName),
                                                       Qt::FindDirectChildrenOnly)
                  : nullptr;
}

} // namespace

void installZoom(QWidget* screen) {
    new Zoom(screen);
}

void keepOwnGeometry(QWidget* widget) {
    widget->setProperty(kKeepProperty, true);
}

double zoomOf(const QWidget* widget) {
    const Zoom* zoom = zoomOfScreen(widget);
    return zoom ? zoom->factor() : 1.0;
}

QFont zoomedFont(const QFont& font, double factor) {
    QFont zoomed = font;
    if (font.pixelSize() > 0)
        zoomed.setPixelSize(std::max(1, static_cast<int>(std::lround(font.pixelSize() * factor))));
    else if (font.pointSizeF() > 0)
        zoomed.setPointSizeF(font.pointSizeF() * factor);
    return zoomed;
}

QSize layoutRoom(const QWidget* screen) {
    const Zoom* zoom = zoomOfScreen(screen);
    return zoom ? zoom->room() : screen->size();
}

QRect layoutGeometry(const QWidget* widget) {
    const Zoom* zoom = zoomOfScreen(widget);
    return zoom ? zoom->layoutGeometry(const_cast<QWidget*>(widget)) : widget->geometry();
}

} // namespace lw::ui
