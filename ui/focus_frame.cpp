#include "ui/focus_frame.h"

#include <QApplication>
#include <QEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QWidget>

namespace lw::ui {
namespace {

constexpr QRgb kOnLight = 0x0000A0; // dark blue: stands out on every screen colour
constexpr QRgb kOnDark = 0xFFFF00;  // where an element sits on a dark background
constexpr int kButtonWidth = 3;
constexpr int kFieldWidth = 2; // a wider frame would touch the field's first character

// Lies over the focused widget as its child, transparent for the mouse, and
// paints only a frame along the widget's inner edge.
class FrameOverlay : public QWidget {
public:
    FrameOverlay() {
        setObjectName(QStringLiteral("lwFocusFrame"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::NoFocus);
    }

    void follow(QWidget* target) {
        if (target_)
            target_->removeEventFilter(this);
        target_ = target;
        if (!target) {
            hide();
            return;
        }
        setParent(target);
        target->installEventFilter(this);
        fit();
        show();
        raise();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == target_ && event->type() == QEvent::Resize)
            fit();
        return false;
    }

    void paintEvent(QPaintEvent*) override {
        if (!target_)
            return;
        const bool thin =
            qobject_cast<QLineEdit*>(target_) || target_->property("lwThinFocusFrame").toBool();
        const int width = thin ? kFieldWidth : kButtonWidth;
        QPainter painter(this);
        const QColor colour(backgroundIsDark() ? kOnDark : kOnLight);
        const QRect r = rect();
        painter.fillRect(r.x(), r.y(), r.width(), width, colour);
        painter.fillRect(r.x(), r.bottom() - width + 1, r.width(), width, colour);
        painter.fillRect(r.x(), r.y(), width, r.height(), colour);
        painter.fillRect(r.right() - width + 1, r.y(), width, r.height(), colour);
    }

private:
    void fit() { setGeometry(target_->rect()); }

    bool backgroundIsDark() const {
        QPalette::ColorRole role = target_->backgroundRole();
        if (qobject_cast<QLineEdit*>(target_))
            role = QPalette::Base;
        else if (target_->inherits("QPushButton"))
            role = QPalette::Button;
        return target_->palette().color(role).lightness() < 128;
    }

    QPointer<QWidget> target_;
};

// Owned by the application object, so the frame needs no variable of its
// own beyond the program's lifetime: found again by its name.
class FocusFrameKeeper : public QObject {
public:
    explicit FocusFrameKeeper(QObject* app) : QObject(app) {
        setObjectName(QLatin1String(kKeeperName));
        connect(qApp, &QApplication::focusChanged, this,
                [this](QWidget*, QWidget* now) { followFocus(now); });
        followFocus(QApplication::focusWidget());
    }
    static constexpr const char* kKeeperName = "lwFocusFrameKeeper";

    QWidget* shownFrame() const {
        return overlay_ && overlay_->isVisible() ? overlay_.data() : nullptr;
    }

private:
    void followFocus(QWidget* now) {
        if (!overlay_) // deleted together with the widget it lay over
            overlay_ = new FrameOverlay;
        overlay_->follow(now && now != overlay_ ? now : nullptr);
    }

    QPointer<FrameOverlay> overlay_;
};

FocusFrameKeeper* keeper() {
    return dynamic_cast<FocusFrameKeeper*>(qApp->findChild<QObject*>(
        QLatin1String(FocusFrameKeeper::kKeeperName), Qt::FindDirectChildrenOnly));
}

} // namespace

void installFocusFrame() {
    if (!keeper())
        new FocusFrameKeeper(qApp);
}

QWidget* focusFrame() {
    FocusFrameKeeper* k = keeper();
    return k ? k->shownFrame() : nullptr;
}

} // namespace lw::ui
