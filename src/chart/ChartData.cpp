#include "chart/ChartData.h"

#include "chart/ChartLog.h"

#include <algorithm>

namespace trv630 {

LineSeries& ChartData::addSeries(const QString& title, QColor colour, int lineWidth)
{
    return series_.emplace_back(title, colour, lineWidth, &times_);
}

bool ChartData::addPoint(int index, double x, float y)
{
    LineSeries& s = series(index);
    std::size_t entry = 0;
    if (times_.empty() || x > times_.back()) {
        times_.push_back(x);
        entry = times_.size() - 1;
    } else if (x == times_.back()) {
        entry = times_.size() - 1;
    } else {
        qCWarning(lcChart) << "point at" << x << "refused: the chart is already at"
                           << times_.back();
        return false;
    }
    if (s.count() > 0 && entry < s.lastTimeIndex())
        return false;
    s.append(static_cast<std::uint32_t>(entry), y);
    return true;
}

void ChartData::clearPoints()
{
    for (auto& s : series_)
        s.clear();
    times_.clear();
}

bool ChartData::xExtent(double& first, double& last) const
{
    bool any = false;
    for (const auto& s : series_) {
        if (s.count() == 0)
            continue;
        const double a = s.x(0), b = s.x(s.count() - 1);
        first = any ? std::min(first, a) : a;
        last = any ? std::max(last, b) : b;
        any = true;
    }
    return any;
}

std::size_t ChartData::bytesReserved() const
{
    std::size_t bytes = times_.bytesReserved();
    for (const auto& s : series_)
        bytes += s.bytesReserved();
    return bytes;
}

} // namespace trv630
