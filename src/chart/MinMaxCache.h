// Multi-resolution minimum/maximum of a growing value array: level k holds
// the extremes of every aligned block of 16^k values, so the extremes of any
// index range cost a few dozen reads however long the history is.
#pragma once

#include "chart/ChunkedArray.h"

#include <cstddef>
#include <limits>
#include <vector>

namespace trv630 {

struct ValueRange {
    float min = std::numeric_limits<float>::infinity();
    float max = -std::numeric_limits<float>::infinity();

    void add(float v)
    {
        if (v < min)
            min = v;
        if (v > max)
            max = v;
    }
    void add(const ValueRange& r)
    {
        if (r.min < min)
            min = r.min;
        if (r.max > max)
            max = r.max;
    }
    bool empty() const { return min > max; }
};

class MinMaxCache {
public:
    static constexpr unsigned levelBits = 4; ///< 16 values per block of level 1

    /// Records the newest element of `values` (call after every push_back).
    void append(const ChunkedArray<float>& values);
    void clear();

    /// Extremes of values[first, last) of `values`, the array this cache follows.
    /// NaN values are ignored.
    ValueRange range(const ChunkedArray<float>& values, std::size_t first, std::size_t last) const;

    std::size_t bytesReserved() const;

private:
    std::vector<ChunkedArray<ValueRange, 12>> levels_;
};

} // namespace trv630
