// The staging table of the six-part write of the transistor-output rules
// (ParameterId 16, OutputRule): filled from the output-rule page, sent one
// part per write acknowledgement.
#pragma once

#include <array>
#include <cstdint>

namespace trv630 {

inline constexpr std::uint8_t outputRuleParameterId = 16;
inline constexpr int outputRuleCount = 6;
inline constexpr std::size_t outputRulePayloadSize = 15;

/// One output's rule, as chosen on the page (output k+1 is entry k).
struct OutputRuleEntry {
    std::uint8_t source = 0;      ///< selected index of outK_W
    std::uint8_t condition1 = 0;  ///< selected index of outK_B
    std::uint8_t condition2 = 0;  ///< selected index of outK_C
    std::uint8_t combination = 0; ///< selected index of outK_T
    std::uint8_t state = 0;       ///< selected index of outK_S
    float value1 = 0.0f;          ///< number in outK_N
    float value2 = 0.0f;          ///< number in outK_M
};

using OutputRuleTable = std::array<OutputRuleEntry, outputRuleCount>;

/// WriteRequest payload of part `entry` (0..5):
///   byte 0      16 (OutputRule)
///   byte 1      entry
///   bytes 2-6   source, condition 1, condition 2, combination, state
///   bytes 7-10  value 1, float32 LE
///   bytes 11-14 value 2, float32 LE
/// An entry outside 0..5 gives an all-zero payload.
std::array<std::uint8_t, outputRulePayloadSize> outputRulePayload(const OutputRuleTable& table, int entry);

} // namespace trv630
