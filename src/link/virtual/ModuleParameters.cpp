#include "link/virtual/ModuleParameters.h"

namespace trv630 {

ModuleParameters::ModuleParameters() = default;

std::vector<std::vector<std::uint8_t>> ModuleParameters::handleRequest(std::span<const std::uint8_t> report)
{
    if (report.size() >= 4 && report[1] == 2)
        return {{2, report[2], report[3]}};
    return {};
}

int ModuleParameters::sendIntervalMs() const { return 10; }

std::uint8_t ModuleParameters::outputBits(const MeasurementFrame&) const { return 0; }

} // namespace trv630
