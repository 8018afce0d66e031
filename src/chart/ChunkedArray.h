// Append-only array stored in fixed-size chunks. Growth allocates one more
// chunk and never copies the elements already stored, so a day of chart
// history never needs twice its size for a moment as a doubling vector does.
#pragma once

#include <cstddef>
#include <memory>
#include <vector>

namespace trv630 {

template <typename T, std::size_t ChunkBits = 15>
class ChunkedArray {
public:
    static constexpr std::size_t chunkSize = std::size_t{1} << ChunkBits;

    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }

    const T& operator[](std::size_t i) const { return chunks_[i >> ChunkBits][i & (chunkSize - 1)]; }
    T& operator[](std::size_t i) { return chunks_[i >> ChunkBits][i & (chunkSize - 1)]; }
    const T& back() const { return (*this)[size_ - 1]; }
    T& back() { return (*this)[size_ - 1]; }

    void push_back(const T& value)
    {
        if ((size_ & (chunkSize - 1)) == 0 && (size_ >> ChunkBits) == chunks_.size())
            chunks_.push_back(std::make_unique_for_overwrite<T[]>(chunkSize));
        (*this)[size_] = value;
        ++size_;
    }

    /// Drops every element and frees the chunks.
    void clear()
    {
        chunks_.clear();
        chunks_.shrink_to_fit();
        size_ = 0;
    }

    /// Bytes held by the chunks (not counting the small chunk table).
    std::size_t bytesReserved() const { return chunks_.size() * chunkSize * sizeof(T); }

private:
    std::vector<std::unique_ptr<T[]>> chunks_;
    std::size_t size_ = 0;
};

} // namespace trv630
