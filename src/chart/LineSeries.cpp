#include "chart/LineSeries.h"

#include <algorithm>

namespace trv630 {

LineSeries::LineSeries(QString title, QColor colour, int lineWidth,
                       const ChunkedArray<double>* times)
    : title_(std::move(title)), colour_(colour), lineWidth_(lineWidth), times_(times)
{
}

std::size_t LineSeries::timeIndex(std::size_t i) const
{
    if (runs_.size() == 1)
        return runs_.front().timeStart + i;
    auto run = std::upper_bound(runs_.begin(), runs_.end(), i,
                                [](std::size_t v, const Run& r) { return v < r.valueStart; });
    --run;
    return run->timeStart + (i - run->valueStart);
}

std::size_t LineSeries::lowerBound(double x, std::size_t from) const
{
    std::size_t lo = from, hi = count();
    while (lo < hi) {
        const std::size_t mid = lo + (hi - lo) / 2;
        if (this->x(mid) < x)
            lo = mid + 1;
        else
            hi = mid;
    }
    return lo;
}

std::size_t LineSeries::upperBound(double x, std::size_t from) const
{
    std::size_t lo = from, hi = count();
    while (lo < hi) {
        const std::size_t mid = lo + (hi - lo) / 2;
        if (this->x(mid) <= x)
            lo = mid + 1;
        else
            hi = mid;
    }
    return lo;
}

void LineSeries::append(std::uint32_t timeIndex, float y)
{
    const auto valueIndex = static_cast<std::uint32_t>(values_.size());
    if (runs_.empty() || timeIndex != lastTimeIndex_ + 1)
        runs_.push_back({valueIndex, timeIndex});
    lastTimeIndex_ = timeIndex;
    values_.push_back(y);
    cache_.append(values_);
}

void LineSeries::clear()
{
    values_.clear();
    cache_.clear();
    runs_.clear();
    runs_.shrink_to_fit();
    lastTimeIndex_ = 0;
}

std::size_t LineSeries::bytesReserved() const
{
    return values_.bytesReserved() + cache_.bytesReserved() + runs_.capacity() * sizeof(Run);
}

} // namespace trv630
