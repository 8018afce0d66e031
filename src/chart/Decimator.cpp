#include "chart/Decimator.h"

#include <cmath>

namespace trv630 {

namespace {

class LineBuilder {
public:
    LineBuilder(const PaintParams& p, std::vector<QLineF>& lines) : p_(p), lines_(lines) {}

    void point(double x, float y)
    {
        if (std::isnan(y))
            return; // a gap value: bridged by the neighbours
        const QPointF next(p_.mapX(x), p_.mapY(y));
        if (havePrevious_)
            lines_.emplace_back(previous_, next);
        previous_ = next;
        havePrevious_ = true;
    }

    /// A dense column: joins the previous point to the column's first
    /// point, draws its extent at the column's centre, goes on from its last.
    void column(double centreX, double firstX, float first, const ValueRange& extent, double lastX,
                float last)
    {
        point(firstX, first);
        if (!extent.empty()) {
            const double cx = p_.mapX(centreX);
            lines_.emplace_back(QPointF(cx, p_.mapY(extent.min)), QPointF(cx, p_.mapY(extent.max)));
        }
        point(lastX, last);
    }

private:
    const PaintParams& p_;
    std::vector<QLineF>& lines_;
    QPointF previous_;
    bool havePrevious_ = false;
};

} // namespace

void decimateSeries(const LineSeries& series, const PaintParams& params,
                    std::vector<QLineF>& lines)
{
    lines.clear();
    const std::size_t n = series.count();
    if (n == 0)
        return;
    std::size_t begin = series.lowerBound(params.xMin);
    std::size_t end = series.upperBound(params.xMax, begin);
    if (begin > 0)
        --begin; // the point left of the visible range
    if (end < n)
        ++end; // the point right of it
    LineBuilder out(params, lines);

    const int columns = std::max(1, static_cast<int>(std::ceil(params.plot.width())));
    const double columnWidth = (params.xMax - params.xMin) / columns;
    std::size_t i = begin;
    // Points left of the plot area.
    for (; i < end && series.x(i) < params.xMin; ++i)
        out.point(series.x(i), series.y(i));
    for (int c = 0; c < columns && i < end; ++c) {
        const double right = params.xMin + (c + 1) * columnWidth;
        // Points of this column: x in [left, right); the last column also
        // takes the points on the right edge itself.
        const std::size_t stop =
            c + 1 == columns ? series.upperBound(params.xMax, i) : series.lowerBound(right, i);
        const std::size_t last = std::min(stop, end);
        if (last - i <= 2) {
            for (; i < last; ++i)
                out.point(series.x(i), series.y(i));
            continue;
        }
        out.column(right - columnWidth / 2, series.x(i), series.y(i), series.yRange(i, last),
                   series.x(last - 1), series.y(last - 1));
        i = last;
    }
    // Points right of the plot area.
    for (; i < end; ++i)
        out.point(series.x(i), series.y(i));
}

} // namespace trv630
