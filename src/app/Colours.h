// Colours of the design, given as Windows colour values 0x00BBGGRR (blue in
// the high byte, red in the low byte: 0x0000FF is red).
#pragma once

#include <QColor>

#include <cstdint>

namespace trv630 {

constexpr QColor fromWindowsColour(std::uint32_t bgr)
{
    return QColor(static_cast<int>(bgr & 0xFFu), static_cast<int>((bgr >> 8) & 0xFFu),
                  static_cast<int>((bgr >> 16) & 0xFFu));
}

/// Background of an edit box whose text was rejected (light red).
inline constexpr std::uint32_t badInputColour = 0x667CFD;
/// Background of an edit box whose number was clamped (light green).
inline constexpr std::uint32_t clampedColour = 0xC0DCC0;

} // namespace trv630
