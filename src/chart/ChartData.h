// The points of a chart: one shared, ascending time column and the line
// series that refer to it. A live chart adds its points in time order, so a
// point whose X equals the newest time reuses that entry and a later X adds
// one; a point older than the newest time of the chart is refused (its
// series is left unchanged).
//
// GUI thread only.
#pragma once

#include "chart/ChunkedArray.h"
#include "chart/LineSeries.h"

#include <deque>

namespace trv630 {

class ChartData {
public:
    ChartData() = default;
    ChartData(const ChartData&) = delete;
    ChartData& operator=(const ChartData&) = delete;

    LineSeries& addSeries(const QString& title, QColor colour, int lineWidth);
    int seriesCount() const { return static_cast<int>(series_.size()); }
    LineSeries& series(int i) { return series_.at(static_cast<std::size_t>(i)); }
    const LineSeries& series(int i) const { return series_.at(static_cast<std::size_t>(i)); }

    /// Adds (x, y) to series `index`; false when x lies before the newest
    /// time of the chart or before the series' last point.
    bool addPoint(int index, double x, float y);
    /// Removes all points of all series.
    void clearPoints();

    /// Smallest and largest X of any point; false when there is none.
    bool xExtent(double& first, double& last) const;

    std::size_t bytesReserved() const;

private:
    ChunkedArray<double> times_;
    std::deque<LineSeries> series_; // stable addresses
};

} // namespace trv630
