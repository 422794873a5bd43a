#include "ui/look.h"

#include <QApplication>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOptionButton>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace lw::ui::look {
namespace {

constexpr const char* kSansFamily = "Arial";
constexpr const char* kMonoFamily = "Courier New";
constexpr double kPointsPerInch = 72.0;
constexpr double kDotsPerInch = 96.0;
constexpr double kScreenPoints = 12.0;
constexpr double kSmallPoints = 9.6;

QFont boldFont(const char* family, double points, QFont::StyleHint hint) {
    QFont font(QString::fromLatin1(family));
    font.setStyleHint(hint);
    font.setPixelSize(static_cast<int>(std::lround(points * kDotsPerInch / kPointsPerInch)));
    font.setBold(true);
    return font;
}

// Fusion's button face: a vertical gradient of the button colour, a dark
// outline (the focus colour while focused from the keyboard) and a faint
// light line inside it. Fusion strokes both lines and fills the face as
// antialiased rounded paths, which made painting the two dozen large buttons
// of the first frame its largest part; straight lines and one fill give the
// same face but for the four corner pixels, which stay unpainted.
class ButtonFaceStyle : public QProxyStyle {
public:
    ButtonFaceStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        if (element != PE_PanelButtonCommand || !drawFace(option, painter))
            QProxyStyle::drawPrimitive(element, option, painter, widget);
    }

private:
    // The colours as Fusion derives them from the palette.
    static QColor faceColour(const QPalette& palette) {
        QColor colour = palette.button().color();
        const int grey = qGray(colour.rgb());
        colour = colour.lighter(100 + std::max(1, (180 - grey) / 6));
        colour.setHsv(colour.hue(), colour.saturation() * 3 / 4, colour.value());
        return colour;
    }
    static QColor focusOutline(const QPalette& palette) {
        QColor colour = palette.color(QPalette::Highlight).darker(125);
        if (colour.value() > 160)
            colour.setHsl(colour.hue(), colour.saturation(), 160);
        return colour;
    }

    // Fusion's vertical gradient from `from` at y = top to `to` at y = bottom,
    // one solid row at a time: each row of a vertical gradient has one
    // colour, and a solid row is a plain memory fill where the gradient
    // would be computed pixel by pixel.
    static void fillVerticalGradient(QPainter* painter, QRect area, int top, int bottom,
                                     QColor from, QColor to) {
        const double span = std::max(1, bottom - top);
        auto mix = [](int a, int b, double t) {
            return static_cast<int>(std::lround(a + (b - a) * t));
        };
        for (int y = area.top(); y <= area.bottom(); ++y) {
            const double t = std::clamp((y + 0.5 - top) / span, 0.0, 1.0);
            const QColor row(mix(from.red(), to.red(), t), mix(from.green(), to.green(), t),
                             mix(from.blue(), to.blue(), t));
            painter->fillRect(QRect(area.left(), y, area.width(), 1), row);
        }
    }

    // Flat, default and textured faces are left to Fusion: the screens have none.
    static bool drawFace(const QStyleOption* option, QPainter* painter) {
        const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
        const auto special = QStyleOptionButton::Flat | QStyleOptionButton::DefaultButton;
        if ((button && (button->features & special)) ||
            option->palette.window().style() == Qt::TexturePattern || option->rect.width() < 4 ||
            option->rect.height() < 4)
            return false;
        const QStyle::State state = option->state;
        const bool enabled = state & State_Enabled;
        const bool down = state & (State_Sunken | State_On);
        const bool focused = (state & State_HasFocus) && (state & State_KeyboardFocusChange);
        const QColor face = faceColour(option->palette);
        QColor outline =
            focused ? focusOutline(option->palette) : option->palette.window().color().darker(140);
        if (!enabled)
            outline = outline.lighter(115);

        const QRect r = option->rect;
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing, false);
        if (down) {
            painter->fillRect(r.adjusted(1, 1, -1, -1), face.darker(110));
        } else {
            const QColor base = enabled && (state & State_MouseOver) ? face : face.darker(104);
            fillVerticalGradient(painter, r.adjusted(1, 1, -1, -1), r.top(), r.bottom(),
                                 base.lighter(124), base.lighter(102));
        }
        const int left = r.left(), top = r.top(), right = r.right(), bottom = r.bottom();
        painter->setPen(outline);
        const QLine border[] = {{left + 1, top, right - 1, top},
                                {left + 1, bottom, right - 1, bottom},
                                {left, top + 1, left, bottom - 1},
                                {right, top + 1, right, bottom - 1}};
        painter->drawLines(border, 4);
        painter->setPen(QColor(255, 255, 255, 30));
        const QLine inner[] = {{left + 1, top + 1, right - 1, top + 1},
                               {left + 1, bottom - 1, right - 1, bottom - 1},
                               {left + 1, top + 2, left + 1, bottom - 2},
                               {right - 1, top + 2, right - 1, bottom - 2}};
        painter->drawLines(inner, 4);
        painter->restore();
        return true;
    }
};

// One style for all coloured buttons: the platform styles may paint the
// button face from the theme and ignore the palette.
QStyle* buttonStyle() {
    static QStyle* style = [] {
        QStyle* s = new ButtonFaceStyle;
        s->setParent(qApp);
        return s;
    }();
    return style;
}

// Frames draw their caption on the border line, as the screens' layout
// expects: the first elements sit just below the caption, inside the border.
QStyle* frameStyle() {
    static QStyle* style = [] {
        QStyle* s = QStyleFactory::create(QStringLiteral("Windows"));
        s->setParent(qApp);
        return s;
    }();
    return style;
}

} // namespace

void setFrameLook(QWidget* frame) {
    frame->setStyle(frameStyle());
}

int px(int twips) {
    return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel));
}

QRect twipRect(int left, int top, int width, int height) {
    return QRect(px(left), px(top), px(width), px(height));
}

QColor buttonFace() {
    return buttonStyle()->standardPalette().color(QPalette::Active, QPalette::Button);
}

void setScreenLook(QWidget* screen) {
    screen->setPalette(buttonStyle()->standardPalette());
}

QFont screenFont() {
    return boldFont(kSansFamily, kScreenPoints, QFont::SansSerif);
}
QFont smallFont() {
    return boldFont(kSansFamily, kSmallPoints, QFont::SansSerif);
}
QFont courierFont(double points) {
    return boldFont(kMonoFamily, points, QFont::Monospace);
}

void setColour(QWidget* w, QPalette::ColorRole role, QColor colour) {
    QPalette palette = w->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, role, colour);
    w->setPalette(palette);
}

// Text on one of the screens' own light colours is always black (grey while
// disabled): a dark desktop palette would otherwise write white text on them.
void setTextOnLight(QWidget* w, QPalette::ColorRole role) {
    QPalette palette = w->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive})
        palette.setColor(group, role, Qt::black);
    palette.setColor(QPalette::Disabled, role, QColor(kDisabledText));
    w->setPalette(palette);
}

void setBackground(QWidget* w, QColor colour) {
    setColour(w, QPalette::Window, colour);
    setTextOnLight(w, QPalette::WindowText);
    w->setAutoFillBackground(true);
}

void setButtonColour(QWidget* w, QColor colour) {
    if (w->style() != buttonStyle())
        w->setStyle(buttonStyle());
    setColour(w, QPalette::Button, colour);
    setTextOnLight(w, QPalette::ButtonText);
}

void setFieldColour(QWidget* w, QColor colour) {
    setColour(w, QPalette::Base, colour);
    setTextOnLight(w, QPalette::Text);
}

void setTextColour(QWidget* w, QColor colour) {
    setColour(w, QPalette::WindowText, colour);
}

} // namespace lw::ui::look
