// The range of one chart axis and the arithmetic of its scale labels.
#pragma once

#include <vector>

namespace trv630 {

struct AxisRange {
    double min = 0;
    double max = 1;

    bool operator==(const AxisRange&) const = default;

    /// The range to draw: a range of zero width (both ends equal, as after a
    /// single value of 0) is opened by 1 on each side so that it has a scale.
    AxisRange drawable() const;
};

/// Scale label positions: multiples of a 1, 2 or 5 times a power of ten step,
/// the smallest step whose labels of `labelExtent` pixels keep at least 20 %
/// of their size apart on an axis `lengthPx` long.
struct AxisTicks {
    double step = 1;
    int decimals = 0;
    std::vector<double> values;
};
AxisTicks axisTicks(AxisRange range, double lengthPx, double labelExtent);

} // namespace trv630
