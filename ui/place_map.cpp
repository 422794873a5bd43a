#include "ui/place_map.h"

#include "places/outlines.h"
#include "ui/look.h"
#include "ui/zoom.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace lw::ui {
namespace {

using places::MapFrame;
using places::MapFrameKind;
using places::OutlineKind;
using places::OutlinePoint;

// Outlines beside the frame are projected too: a widget of another shape
// than the frame's shows a little more than the frame. Farther ones are
// never seen.
constexpr double kBesideFrameDeg = 5.0;

bool ringNearFrame(const std::vector<OutlinePoint>& ring, const MapFrame& f, double shiftDeg) {
    if (f.kind == MapFrameKind::World)
        return true;
    double west = 1e9, east = -1e9, south = 1e9, north = -1e9;
    for (const OutlinePoint& p : ring) {
        west = std::min(west, p.lonDeg() + shiftDeg);
        east = std::max(east, p.lonDeg() + shiftDeg);
        south = std::min(south, p.latDeg());
        north = std::max(north, p.latDeg());
    }
    return east >= f.westDeg - kBesideFrameDeg && west <= f.eastDeg + kBesideFrameDeg &&
           north >= f.southDeg - kBesideFrameDeg && south <= f.northDeg + kBesideFrameDeg;
}

void addRing(QPainterPath& path, const std::vector<OutlinePoint>& ring, const MapFrame& f,
             double shiftDeg) {
    for (std::size_t i = 0; i < ring.size(); ++i) {
        const places::MapPoint p =
            places::project(f, ring[i].latDeg(), ring[i].lonDeg() + shiftDeg);
        if (i == 0)
            path.moveTo(p.x, p.y);
        else
            path.lineTo(p.x, p.y);
    }
    path.closeSubpath();
}

// Rings that cross the date line run on beyond 180° (Russia's east, Fiji):
// on the world's map they are drawn once more 360° to the west, so that
// their part beyond the line shows at the left edge.
std::vector<double> shiftsFor(const places::Outline& o, const MapFrame& f) {
    std::vector<double> shifts{0.0};
    if (f.kind == MapFrameKind::World) {
        if (o.northEast.lonDeg() > 180.0)
            shifts.push_back(-360.0);
        if (o.southWest.lonDeg() < -180.0)
            shifts.push_back(360.0);
    }
    return shifts;
}

// The path in the widget's pixels, leaving out corners less than half a
// pixel from the one before: the world's 1:50m coasts have far more corners
// than a small map has pixels, and each costs time at every stroke.
QPainterPath scaledPath(const QPainterPath& path, const QTransform& t) {
    QPainterPath out;
    out.setFillRule(path.fillRule());
    QPointF last;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        const QPointF p = t.map(QPointF(e.x, e.y));
        if (e.isMoveTo()) {
            if (i > 0)
                out.closeSubpath();
            out.moveTo(p);
            last = p;
        } else if ((p - last).manhattanLength() >= 0.5) {
            out.lineTo(p);
            last = p;
        }
    }
    if (path.elementCount() > 0)
        out.closeSubpath();
    return out;
}

QColor mixed(const QColor& a, const QColor& b, double share) {
    return QColor::fromRgbF(static_cast<float>(a.redF() * (1 - share) + b.redF() * share),
                            static_cast<float>(a.greenF() * (1 - share) + b.greenF() * share),
                            static_cast<float>(a.blueF() * (1 - share) + b.blueF() * share));
}

} // namespace

PlaceMap::PlaceMap(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("picKarte"));
    setFocusPolicy(Qt::NoFocus); // the place line is read with the result already
    setAttribute(Qt::WA_OpaquePaintEvent);
}

bool PlaceMap::showPoint(const places::Outlines* outlines, double latDeg, double lonDeg,
                         const QString& line) {
    if (!outlines || !std::isfinite(latDeg) || !std::isfinite(lonDeg)) {
        clear();
        return false;
    }
    frame_ = places::mapFrameFor(latDeg, lonDeg);
    framePaths(*outlines);
    point_ = places::project(frame_, latDeg, lonDeg);
    setAccessibleName(line);
    update();
    return true;
}

void PlaceMap::clear() {
    point_.reset();
    setAccessibleName(QString());
    update();
}

const PlaceMap::Paths& PlaceMap::framePaths(const places::Outlines& outlines) {
    if (projectedFrom_ != &outlines) {
        projectedFrom_ = &outlines;
        framePaths_ = {};
        shownSize_ = QSize();
        drawnKey_ = CacheKey{};
    }
    std::optional<Paths>& paths = framePaths_[static_cast<std::size_t>(frame_.kind)];
    if (paths)
        return *paths;
    paths.emplace();
    paths->land.setFillRule(Qt::OddEvenFill);
    for (const places::Outline& o : outlines.all()) {
        const bool state = o.kind == OutlineKind::GermanState;
        if (state && frame_.kind != MapFrameKind::Germany)
            continue; // too small to tell apart on a larger map
        for (const double shift : shiftsFor(o, frame_))
            for (const auto& ring : o.rings)
                if (ringNearFrame(ring, frame_, shift))
                    addRing(state ? paths->states : paths->land, ring, frame_, shift);
    }
    return *paths;
}

// The frame fitted into the widget, its middle on the widget's.
QTransform PlaceMap::toWidget() const {
    const double scale = std::min(width() / frame_.width(), height() / frame_.height());
    return QTransform(scale, 0, 0, scale, (width() - frame_.width() * scale) / 2,
                      (height() - frame_.height() * scale) / 2);
}

const PlaceMap::Paths& PlaceMap::shownPaths() {
    if (shownSize_ != size() || shownKind_ != frame_.kind) {
        const std::optional<Paths>& paths = framePaths_[static_cast<std::size_t>(frame_.kind)];
        const QTransform t = toWidget();
        shown_.land = paths ? scaledPath(paths->land, t) : QPainterPath();
        shown_.states = paths ? scaledPath(paths->states, t) : QPainterPath();
        shownSize_ = size();
        shownKind_ = frame_.kind;
    }
    return shown_;
}

// Water a shade towards the highlight colour, land the fields' colour, the
// borders the text's and the states' the middle tone: a map in either
// palette, light or dark.
void PlaceMap::paintMap(QPainter& painter) {
    const QPalette& pal = palette();
    painter.fillRect(rect(),
                     mixed(pal.color(QPalette::Base), pal.color(QPalette::Highlight), 0.18));
    painter.setRenderHint(QPainter::Antialiasing);
    const Paths& paths = shownPaths();
    const double zoom = zoomOf(this);
    painter.fillPath(paths.land, pal.color(QPalette::Base));
    painter.strokePath(paths.states, QPen(pal.color(QPalette::Mid), 0.6 * zoom));
    painter.strokePath(paths.land, QPen(pal.color(QPalette::Text), 1.0 * zoom));
}

void PlaceMap::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QPalette& pal = palette();
    const QRect all = rect();
    if (!point_) {
        painter.fillRect(all, pal.color(QPalette::Base));
    } else {
        // The map itself changes only with the frame, the size and the
        // palette; between those a paint is a copy and a cross.
        const qreal ratio = devicePixelRatioF();
        const CacheKey key{frame_.kind, size(), pal.cacheKey(), ratio};
        if (!(key == drawnKey_)) {
            drawn_ = QPixmap((QSizeF(size()) * ratio).toSize());
            drawn_.setDevicePixelRatio(ratio);
            QPainter onPixmap(&drawn_);
            paintMap(onPixmap);
            drawnKey_ = key;
        }
        painter.drawPixmap(0, 0, drawn_);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setClipRect(all);
        const double zoom = zoomOf(this);
        const QPointF at = toWidget().map(QPointF(point_->x, point_->y));
        const double arm = std::max(5.0, std::min(width(), height()) * 0.06);
        const double thick = std::max(2.0, arm / 3.5);
        for (const auto& [colour, w] : {std::pair{pal.color(QPalette::Base), thick + 2.5 * zoom},
                                        std::pair{QColor(look::kMapCross), thick}}) {
            painter.setPen(QPen(colour, w, Qt::SolidLine, Qt::FlatCap));
            painter.drawLine(at - QPointF(arm, 0), at + QPointF(arm, 0));
            painter.drawLine(at - QPointF(0, arm), at + QPointF(0, arm));
        }
        painter.setClipping(false);
        painter.setRenderHint(QPainter::Antialiasing, false);
    }
    painter.setPen(pal.color(QPalette::Mid));
    painter.drawRect(all.adjusted(0, 0, -1, -1));
}

} // namespace lw::ui
