// Both screens stay whole on every common display: at 1024 x 768, 1920 x 1080
// and 3840 x 2160 (device pixels; run once more at QT_SCALE_FACTOR=2) every
// named element is in view or reachable by the screen's scroll bars, its
// geometry and font grow by the same factor, and a caption that fitted its
// element at factor 1 still fits.
#include "model/zoom.h"
#include "ui/look.h"
#include "ui_test_support.h"

#include <QAbstractButton>
#include <QLabel>
#include <QScrollBar>
#include <QtTest>

#include <cmath>
#include <map>

using namespace lw::ui::test;

namespace {

constexpr QSize kDisplays[] = {{1024, 768}, {1920, 1080}, {3840, 2160}};
const QSize kSelectionLayout(1000, 667), kCalculationLayout(1024, 768); // layout pixels

struct Base {
    QRect geometry; // in the window, at factor 1
    int fontPixels;
    bool captionFits;
};

QString caption(QWidget* w) {
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        return button->text();
    if (auto* label = qobject_cast<QLabel*>(w); label && !label->wordWrap())
        return label->text();
    return QString();
}

bool captionFits(QWidget* w) {
    const QString text = caption(w).trimmed();
    return text.isEmpty() || QFontMetrics(w->font()).horizontalAdvance(text) <= w->width();
}

// The screen's own elements: named, shown, not the zoom's or Qt's parts, not
// the edge lines (which follow the window).
QList<QWidget*> elements(QWidget* window) {
    QList<QWidget*> found;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        const QString name = w->objectName();
        if (name.isEmpty() || name.startsWith(QLatin1String("lw")) ||
            name.startsWith(QLatin1String("qt_")) || name.startsWith(QLatin1String("Line")) ||
            !w->isVisible())
            continue;
        found << w;
    }
    return found;
}

QRect inWindow(QWidget* w) {
    return QRect(w->mapTo(w->window(), QPoint(0, 0)), w->size());
}

std::map<QString, Base> record(QWidget* window) {
    std::map<QString, Base> bases;
    for (QWidget* w : elements(window))
        bases[w->objectName()] = {inWindow(w), w->font().pixelSize(), captionFits(w)};
    return bases;
}

QScrollBar* bar(QWidget* window, const char* name) {
    return window->findChild<QScrollBar*>(QLatin1String(name));
}

// Scrolls along one axis so that [start, end) (window pixels at the bars'
// current offset) shows; checks that it does, both its edges where it is
// larger than the view.
bool reachable(QScrollBar* scroll, int start, int end, int view) {
    const int offset = scroll && scroll->isVisible() ? scroll->value() : 0;
    const int max = scroll && scroll->isVisible() ? scroll->maximum() : 0;
    const int contentStart = start + offset, contentEnd = end + offset;
    const int toStart = std::clamp(contentStart, 0, max);
    if (contentStart - toStart < 0)
        return false;
    const int toEnd = std::clamp(contentEnd - view, 0, max);
    return contentEnd - toEnd <= view && (end - start > view || contentStart - toEnd >= 0);
}

void checkWhole(QWidget* window, const std::map<QString, Base>& bases, QSize layout,
                const QString& where) {
    const double f =
        lw::zoomFactor({window->width(), window->height()}, {layout.width(), layout.height()});
    QScrollBar* across = bar(window, "lwZoomScrollX");
    QScrollBar* down = bar(window, "lwZoomScrollY");
    QVERIFY(across && down);
    const int viewWidth = window->width() - (down->isVisible() ? down->width() : 0);
    const int viewHeight = window->height() - (across->isVisible() ? across->height() : 0);
    int lowest = 0, rightmost = 0;
    for (QWidget* w : elements(window)) {
        const QString at = where + QLatin1Char(' ') + w->objectName();
        auto base = bases.find(w->objectName());
        QVERIFY2(base != bases.end(), qPrintable(at));
        const Base& b = base->second;
        QVERIFY2(std::abs(w->width() - b.geometry.width() * f) <= 1.0, qPrintable(at));
        QVERIFY2(std::abs(w->height() - b.geometry.height() * f) <= 1.0, qPrintable(at));
        QVERIFY2(w->font().pixelSize() == static_cast<int>(std::lround(b.fontPixels * f)),
                 qPrintable(at));
        QVERIFY2(!b.captionFits || captionFits(w), qPrintable(at + QStringLiteral(" caption")));
        const QRect r = inWindow(w);
        QVERIFY2(reachable(across, r.left(), r.right() + 1, viewWidth), qPrintable(at));
        QVERIFY2(reachable(down, r.top(), r.bottom() + 1, viewHeight), qPrintable(at));
        lowest = std::max(lowest, r.bottom() + 1 + (down->isVisible() ? down->value() : 0));
        rightmost =
            std::max(rightmost, r.right() + 1 + (across->isVisible() ? across->value() : 0));
    }
    // Below the largest factor the layout fills the window in one direction.
    if (f < lw::kLargestZoom && f > 1.0)
        QVERIFY2(lowest >= window->height() * 0.85 || rightmost >= window->width() * 0.85,
                 qPrintable(where));
}

void resizeTo(QWidget* window, QSize size) {
    window->showNormal();
    window->resize(size);
    settle();
}

QList<QSize> windowSizes() {
    const double ratio = qApp->devicePixelRatio();
    QList<QSize> sizes;
    for (QSize display : kDisplays)
        sizes << QSize(static_cast<int>(display.width() / ratio),
                       static_cast<int>(display.height() / ratio));
    return sizes;
}

QString sizeName(QSize s) {
    return QStringLiteral("%1x%2").arg(s.width()).arg(s.height());
}

struct Task {
    const char* start;
    const char* target;
    const char* input;
    const char* output;
};

// Every input and every output mask once.
constexpr Task kTasks[] = {
    {"comGRSEin", "comGRSAus", "comGradDezEIN", "comUTMzivilAUS"},
    {"comGRSEin", "comGRSAus", "comGradMinEIN", "comGradMinAUS"},
    {"comGRSEin", "comGRSAus", "comGradMinSekEIN", "comGradMinSekAUS"},
    {"comGRSEin", "comGRSAus", "comUTMzivilEIN", "comGradDezAUS"},
    {"comGRSEin", "comGRSAus", "comUTMmilEIN", "comUTMmilAUS"},
    {"comGRSEin", "comGRSAus", "comUTMrefEIN", "comUTMrefAUS"},
    {"comBesselEIN", "comBesselAUS", "comGKEIN", "comGKAUS"},
};

} // namespace

class ZoomTest : public QObject {
    Q_OBJECT
private slots:
    void selectionScreenWholeOnEveryDisplay();
    void calculationScreenWholeOnEveryDisplay();
    void focusScrollsIntoView();
};

void ZoomTest::selectionScreenWholeOnEveryDisplay() {
    RunningProgram p;
    QWidget* selection = p.program->selectionWindow();
    resizeTo(selection, kSelectionLayout);
    const auto bases = record(selection);
    QVERIFY(bases.size() > 20);
    for (QSize size : windowSizes()) {
        resizeTo(selection, size);
        checkWhole(selection, bases, kSelectionLayout,
                   QStringLiteral("fo1Vorwahl ") + sizeName(size));
        // The guide covers the window and its text zooms too.
        p.click("comSoGehts");
        auto* guide = p.find<QLabel>("labSoGehts");
        QCOMPARE(guide->parentWidget()->parentWidget()->geometry(), selection->rect());
        const double f = lw::zoomFactor({size.width(), size.height()},
                                        {kSelectionLayout.width(), kSelectionLayout.height()});
        QCOMPARE(guide->font().pixelSize(), static_cast<int>(std::lround(16 * f)));
        p.click("labSoGehts");
    }
    resizeTo(selection, kSelectionLayout); // back to factor 1: the layout as it was
    QCOMPARE(record(selection).at(QStringLiteral("comSoGehts")).geometry,
             bases.at(QStringLiteral("comSoGehts")).geometry);
}

void ZoomTest::calculationScreenWholeOnEveryDisplay() {
    RunningProgram p;
    for (const Task& t : kTasks) {
        p.openTask(t.start, t.target, t.input, t.output);
        QWidget* calc = p.calc();
        QVERIFY(calc);
        resizeTo(calc, kCalculationLayout);
        const auto bases = record(calc);
        for (QSize size : windowSizes()) {
            resizeTo(calc, size);
            checkWhole(calc, bases, kCalculationLayout,
                       QStringLiteral("foBerechnungen %1 %2").arg(t.input, sizeName(size)));
        }
        p.click("comStartoption");
    }
}

// From the keyboard alone: Tab to an element outside the view scrolls it in.
void ZoomTest::focusScrollsIntoView() {
    RunningProgram p;
    QWidget* selection = p.program->selectionWindow();
    resizeTo(selection, QSize(480, 300));
    QScrollBar* down = bar(selection, "lwZoomScrollY");
    QVERIFY(down->isVisible());
    QCOMPARE(down->value(), 0);
    QWidget* quit = p.find("comBeenden");
    quit->setFocus(Qt::TabFocusReason);
    settle();
    QVERIFY(down->value() > 0);
    const QRect r = inWindow(quit);
    QVERIFY(r.top() >= 0);
    QVERIFY(r.bottom() < selection->height() - bar(selection, "lwZoomScrollX")->height());
    // The mouse wheel scrolls back up (a page at most per turn, as in any
    // scrolling area).
    for (int turn = 0; turn < 5; ++turn) {
        QWheelEvent wheel(QPointF(10, 10), selection->mapToGlobal(QPointF(10, 10)), QPoint(),
                          QPoint(0, 120 * 20), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                          false);
        QApplication::sendEvent(selection, &wheel);
    }
    QCOMPARE(down->value(), 0);
}

QTEST_MAIN(ZoomTest)
#include "zoom_test.moc"
