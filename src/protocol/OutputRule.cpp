#include "protocol/OutputRule.h"

#include "protocol/ByteOrder.h"

namespace trv630 {

std::array<std::uint8_t, outputRulePayloadSize> outputRulePayload(const OutputRuleTable& table, int entry)
{
    std::array<std::uint8_t, outputRulePayloadSize> payload{};
    if (entry < 0 || entry >= outputRuleCount)
        return payload;
    const OutputRuleEntry& rule = table[static_cast<std::size_t>(entry)];
    payload[0] = outputRuleParameterId;
    payload[1] = static_cast<std::uint8_t>(entry);
    payload[2] = rule.source;
    payload[3] = rule.condition1;
    payload[4] = rule.condition2;
    payload[5] = rule.combination;
    payload[6] = rule.state;
    storeFloatLE(std::span(payload).subspan<7, 4>(), rule.value1);
    storeFloatLE(std::span(payload).subspan<11, 4>(), rule.value2);
    return payload;
}

} // namespace trv630
