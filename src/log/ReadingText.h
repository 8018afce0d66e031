// The value fields of the measurement record: formatReading's text of one
// float, appended to the record's UTF-8 bytes.
#pragma once

#include <string>

namespace trv630 {

/// Appends the fixed-point text of value with `decimals` (0..4) places and
/// the given decimal separator, UTF-8 encoded.
void appendReadingText(std::string& out, float value, int decimals, char16_t separator);

} // namespace trv630
