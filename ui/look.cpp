#include "ui/look.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>

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

// One Fusion style for all coloured buttons: the platform styles may paint
// the button face from the theme and ignore the palette.
QStyle* buttonStyle() {
    static QStyle* style = [] {
        QStyle* s = QStyleFactory::create(QStringLiteral("Fusion"));
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
