#include "chart/Decimator.h"

#include <algorithm>
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
        const QPointF next(p_.mapX(x), mapY(y));
        if (havePrevious_)
            lines_.emplace_back(previous_, next);
        previous_ = next;
        havePrevious_ = true;
    }

    /// A dense column as one vertical segment at its centre from its
    /// minimum to its maximum. When the previous point lies in the next
    /// column to the left, the segment is stretched to it instead of adding
    /// the joining segment (which would cover the same pixels); the line
    /// goes on from the column's last point.
    void column(double centreX, double firstX, float first, const ValueRange& extent, float last)
    {
        if (extent.empty())
            return;
        const double cx = p_.mapX(centreX);
        double top = mapY(extent.max), bottom = mapY(extent.min);
        if (havePrevious_ && cx - previous_.x() <= 1.5) {
            top = std::min(top, previous_.y());
            bottom = std::max(bottom, previous_.y());
        } else {
            point(firstX, first);
        }
        lines_.emplace_back(QPointF(cx, top), QPointF(cx, bottom));
        previous_ = QPointF(cx, mapY(std::isnan(last) ? extent.max : last));
        havePrevious_ = true;
    }

private:
    /// Device y, kept within ten plot heights of the plot area so that an
    /// infinite or huge value still gives a line the rasteriser can clip.
    double mapY(double y) const
    {
        const double span = 10 * p_.plot.height();
        return std::clamp(p_.mapY(y), p_.plot.top() - span, p_.plot.bottom() + span);
    }

    const PaintParams& p_;
    std::vector<QLineF>& lines_;
    QPointF previous_;
    bool havePrevious_ = false;
};

/// First point in [lo, hi) whose X is >= target (> target when `after`),
/// hi when none. Starts at the point the average spacing predicts and
/// widens from there: a few reads for evenly sampled data instead of a
/// binary search over the whole history.
std::size_t seek(const LineSeries& s, double target, std::size_t lo, std::size_t hi, double spacing,
                 bool after)
{
    auto before = [&](std::size_t j) {
        const double x = s.x(j);
        return after ? x <= target : x < target;
    };
    if (lo >= hi || !before(lo))
        return lo;
    // Invariant: `a` is before the target; `b` is not (or hi).
    std::size_t a = lo, b = hi;
    const double ahead = (target - s.x(lo)) / spacing;
    std::size_t j = lo + 1;
    if (ahead > 1)
        j = ahead >= double(hi - lo) ? hi - 1 : lo + static_cast<std::size_t>(ahead);
    j = std::min(j, hi - 1);
    std::size_t step = 1;
    if (before(j)) {
        a = j;
        while (a + step < hi && before(a + step)) {
            a += step;
            step *= 2;
        }
        b = std::min(a + step, hi);
    } else {
        b = j;
        while (b - a > step && !before(b - step)) {
            b -= step;
            step *= 2;
        }
        a = std::max(a, b > step ? b - step : a);
    }
    while (b - a > 1) {
        const std::size_t mid = a + (b - a) / 2;
        if (before(mid))
            a = mid;
        else
            b = mid;
    }
    return b;
}

} // namespace

void decimateSeries(const LineSeries& series, const PaintParams& params,
                    std::vector<QLineF>& lines)
{
    lines.clear();
    const std::size_t n = series.count();
    if (n == 0)
        return;
    const double spacing =
        n > 1 ? std::max((series.x(n - 1) - series.x(0)) / double(n - 1), 1e-9) : 1.0;
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
        const std::size_t last = c + 1 == columns ? seek(series, params.xMax, i, end, spacing, true)
                                                  : seek(series, right, i, end, spacing, false);
        if (last - i <= 2) {
            for (; i < last; ++i)
                out.point(series.x(i), series.y(i));
            continue;
        }
        out.column(right - columnWidth / 2, series.x(i), series.y(i), series.yRange(i, last),
                   series.y(last - 1));
        i = last;
    }
    // Points right of the plot area.
    for (; i < end; ++i)
        out.point(series.x(i), series.y(i));
}

} // namespace trv630
