// picKarte, the small map beside a result: the point as a cross on Germany
// with its states, on Europe or on the world, drawn from the outlines the
// program ships (no tiles, no network), in the colours of its palette.
#pragma once

#include "places/map_frame.h"

#include <QPainterPath>
#include <QPixmap>
#include <QWidget>

#include <array>
#include <optional>

class QPainter;

namespace lw::places {
class Outlines;
}

namespace lw::ui {

class PlaceMap : public QWidget {
public:
    explicit PlaceMap(QWidget* parent);

    // Shows the point (degrees, south and west negative) in the frame it
    // gets, named `line` for screen readers; the outlines are projected here,
    // once per frame. False, and the map emptied, without outlines (a missing
    // or damaged file): a frame with nothing in it says nothing.
    bool showPoint(const places::Outlines* outlines, double latDeg, double lonDeg,
                   const QString& line);
    // Empties the map: no point, no name.
    void clear();

    bool hasPoint() const { return point_.has_value(); }
    places::MapFrameKind frameKind() const { return frame_.kind; }
    // The shape the map wants for its frame: width over height.
    double aspect() const { return frame_.width() / frame_.height(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Paths {
        QPainterPath land;   // every country's rings, filled even-odd (lakes stay open)
        QPainterPath states; // Germany's states, on Germany's map only
    };
    const Paths& framePaths(const places::Outlines& outlines);
    const Paths& shownPaths();
    QTransform toWidget() const;
    void paintMap(QPainter& painter);

    places::MapFrame frame_;
    std::optional<places::MapPoint> point_;
    // In the frame's units, projected once per frame choice and outline file.
    const places::Outlines* projectedFrom_ = nullptr;
    std::array<std::optional<Paths>, 3> framePaths_;
    // The frame's paths scaled to the widget, kept while frame and size stay.
    Paths shown_;
    places::MapFrameKind shownKind_ = places::MapFrameKind::World;
    QSize shownSize_;
    // The map drawn without its cross, and what it was drawn for.
    struct CacheKey {
        places::MapFrameKind kind = places::MapFrameKind::World;
        QSize size;
        qint64 palette = 0;
        qreal ratio = 0;
        bool operator==(const CacheKey&) const = default;
    };
    QPixmap drawn_;
    CacheKey drawnKey_;
};

} // namespace lw::ui
