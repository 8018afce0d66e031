#include "protocol/Report.h"

#include <algorithm>

namespace trv630 {

std::optional<std::span<const std::uint8_t>> buildOutputReport(OutputReportBuffer& buffer,
                                                               std::uint8_t opcode,
                                                               std::span<const std::uint8_t> payload,
                                                               std::optional<int> outputReportLength)
{
    buffer.fill(0);
    if (!outputReportLength)
        return std::nullopt;
    const long long length = *outputReportLength;
    if (length > static_cast<long long>(buffer.size()) || length < 2 + static_cast<long long>(payload.size()))
        return std::nullopt;

    buffer[0] = outputReportId;
    buffer[1] = opcode;
    std::copy(payload.begin(), payload.end(), buffer.begin() + 2);
    return std::span<const std::uint8_t>(buffer.data(), static_cast<std::size_t>(length));
}

} // namespace trv630
