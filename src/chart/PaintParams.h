// What every paint layer of the chart needs to know: where the chart and its
// plot area lie on the paint device, the visible ranges of both axes and the
// scale from values to device coordinates. Built once per paint.
#pragma once

#include <QRectF>

namespace trv630 {

struct PaintParams {
    QRectF area;          ///< the whole chart
    QRectF plot;          ///< the plot area inside the axes
    QRectF legend;        ///< the legend box
    double xMin = 0, xMax = 1; ///< visible time range (never empty)
    double yMin = 0, yMax = 1; ///< visible value range (never empty)
    qreal legendLineHeight = 0;
    qreal legendFirstLine = 0; ///< y of the first legend line's top edge

    double mapX(double x) const { return plot.left() + (x - xMin) * plot.width() / (xMax - xMin); }
    double mapY(double y) const { return plot.bottom() - (y - yMin) * plot.height() / (yMax - yMin); }
};

} // namespace trv630
