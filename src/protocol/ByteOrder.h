// Little-endian float32 and int32 fields of the module's reports. The bytes
// are taken unchanged: NaN payloads and infinities pass through as they are.
#pragma once

#include <bit>
#include <cstdint>
#include <span>

namespace trv630 {

inline std::uint32_t loadU32LE(std::span<const std::uint8_t, 4> b)
{
    return static_cast<std::uint32_t>(b[0]) | (static_cast<std::uint32_t>(b[1]) << 8) |
           (static_cast<std::uint32_t>(b[2]) << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
}

inline void storeU32LE(std::span<std::uint8_t, 4> b, std::uint32_t v)
{
    b[0] = static_cast<std::uint8_t>(v);
    b[1] = static_cast<std::uint8_t>(v >> 8);
    b[2] = static_cast<std::uint8_t>(v >> 16);
    b[3] = static_cast<std::uint8_t>(v >> 24);
}

inline float loadFloatLE(std::span<const std::uint8_t, 4> b) { return std::bit_cast<float>(loadU32LE(b)); }

inline void storeFloatLE(std::span<std::uint8_t, 4> b, float v) { storeU32LE(b, std::bit_cast<std::uint32_t>(v)); }

} // namespace trv630
