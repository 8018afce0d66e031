// Paints a ChartScene in four layers (background; grid and axes with the
// titles; series; legend) over one PaintParams value. The same calls draw on
// the screen, on a printer and into an image.
#pragma once

#include "chart/ChartScene.h"
#include "chart/PaintParams.h"

#include <QLineF>

#include <vector>

class QPainter;

namespace trv630 {

class ChartRenderer {
public:
    explicit ChartRenderer(const ChartScene& scene) : scene_(scene) {}

    /// Places plot area and legend inside `area` (logical pixels).
    PaintParams layout(const QRectF& area) const;

    void paintBackground(QPainter& p, const PaintParams& params) const;
    void paintGridAndAxes(QPainter& p, const PaintParams& params) const;
    void paintSeries(QPainter& p, const PaintParams& params) const;
    void paintLegend(QPainter& p, const PaintParams& params) const;

    /// All layers into `area`.
    void render(QPainter& p, const QRectF& area) const;

private:
    const ChartScene& scene_;
    mutable std::vector<QLineF> lines_; // reused between series
    mutable std::vector<QRectF> rects_;
};

} // namespace trv630
