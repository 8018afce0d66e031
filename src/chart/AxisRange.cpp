#include "chart/AxisRange.h"

#include <algorithm>
#include <cmath>

namespace trv630 {

AxisRange AxisRange::drawable() const
{
    if (!std::isfinite(min) || !std::isfinite(max))
        return {0, 1};
    if (max > min)
        return *this;
    if (max == min)
        return {min - 1, max + 1};
    return {max, min};
}

AxisTicks axisTicks(AxisRange range, double lengthPx, double labelExtent)
{
    AxisTicks ticks;
    const AxisRange r = range.drawable();
    const double span = r.max - r.min;
    if (lengthPx <= 0 || labelExtent <= 0)
        return ticks;
    const double maxLabels = std::max(1.0, lengthPx / (labelExtent * 1.2));
    const double rough = span / maxLabels;
    double power = std::pow(10.0, std::floor(std::log10(rough)));
    double step = power;
    for (double m : {1.0, 2.0, 5.0, 10.0}) {
        step = m * power;
        if (step >= rough)
            break;
    }
    ticks.step = step;
    ticks.decimals = std::clamp(static_cast<int>(-std::floor(std::log10(step) + 1e-9)), 0, 9);
    const double first = std::ceil(r.min / step - 1e-9);
    for (int i = 0; i < 200; ++i) {
        const double v = (first + i) * step;
        if (v > r.max + step * 1e-9)
            break;
        ticks.values.push_back(std::abs(v) < step * 1e-9 ? 0.0 : v);
    }
    return ticks;
}

} // namespace trv630
