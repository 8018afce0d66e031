// The configuration that a simulated TRV630U keeps in memory, and its
// answers to the program's requests: a read request gets a parameter value,
// a write request is stored and acknowledged.
//
// Not thread-safe: the simulated module serialises every call.
#pragma once

#include "protocol/MeasurementFrame.h"

#include <cstdint>
#include <span>
#include <vector>

namespace trv630 {

class ModuleParameters {
public:
    ModuleParameters();

    /// Handles one output report (byte 0 report id, byte 1 opcode, then the
    /// payload). Returns the input reports to send back, each as the data
    /// after the report id (byte 0 = kind).
    std::vector<std::vector<std::uint8_t>> handleRequest(std::span<const std::uint8_t> outputReport);

    /// Spacing of measurement reports in ms (SendInterval).
    int sendIntervalMs() const;
    /// Output bits (bit n = transistor output n+1) that the stored output
    /// rules give for these values.
    std::uint8_t outputBits(const MeasurementFrame& frame) const;
};

} // namespace trv630
