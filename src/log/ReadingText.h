// The value fields of the measurement record: formatReading's text of one
// float as UTF-8 bytes.
#pragma once

#include <cstddef>

namespace trv630 {

/// Room that writeReadingText may need (every character of formatReading's
/// longest text as three UTF-8 bytes).
inline constexpr std::size_t maxReadingTextBytes = 96;

/// Writes the fixed-point text of value with `decimals` (0..4) places and
/// the given decimal separator, UTF-8 encoded, to out (at least
/// maxReadingTextBytes of room); returns the end of what was written.
char* writeReadingText(char* out, float value, int decimals, char16_t separator);

} // namespace trv630
