#include "chart/MinMaxCache.h"

namespace trv630 {

void MinMaxCache::append(const ChunkedArray<float>& values)
{
    const std::size_t index = values.size() - 1;
    const float value = values[index];
    for (std::size_t k = 0;; ++k) {
        const unsigned shift = levelBits * static_cast<unsigned>(k + 1);
        const std::size_t span = std::size_t{1} << shift;
        if (k == levels_.size()) {
            // A level is created when its first block fills up, from the
            // sixteen blocks (or values) below it.
            if (index + 1 < span)
                return;
            ValueRange first;
            for (std::size_t i = 0; i < (std::size_t{1} << levelBits); ++i) {
                if (k == 0)
                    first.add(values[i]);
                else
                    first.add(levels_[k - 1][i]);
            }
            levels_.emplace_back().push_back(first);
            continue;
        }
        auto& level = levels_[k];
        const std::size_t block = index >> shift;
        if (block == level.size()) {
            ValueRange fresh;
            fresh.add(value);
            level.push_back(fresh);
        } else {
            level[block].add(value);
        }
    }
}

void MinMaxCache::clear()
{
    levels_.clear();
}

ValueRange MinMaxCache::range(const ChunkedArray<float>& values, std::size_t first,
                              std::size_t last) const
{
    ValueRange r;
    std::size_t i = first;
    auto take = [&](std::size_t k) { // one block of level k at i (k = 0: one value)
        if (k == 0)
            r.add(values[i]); // NaN fails both comparisons and is skipped
        else
            r.add(levels_[k - 1][i >> (levelBits * k)]);
        i += std::size_t{1} << (levelBits * k);
    };
    // Up: small blocks until i is aligned to the next level's blocks.
    std::size_t k = 0;
    for (;;) {
        const std::size_t next = std::size_t{1} << (levelBits * (k + 1));
        const std::size_t span = std::size_t{1} << (levelBits * k);
        while ((i & (next - 1)) != 0 && i + span <= last)
            take(k);
        if (k == levels_.size() || i + next > last)
            break;
        ++k;
    }
    // Down: the largest blocks that still fit.
    for (;; --k) {
        const std::size_t span = std::size_t{1} << (levelBits * k);
        while (i + span <= last)
            take(k);
        if (k == 0)
            break;
    }
    return r;
}

std::size_t MinMaxCache::bytesReserved() const
{
    std::size_t bytes = 0;
    for (const auto& level : levels_)
        bytes += level.bytesReserved();
    return bytes;
}

} // namespace trv630
