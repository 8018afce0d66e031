// The configuration that a simulated TRV630U keeps in memory, and its
// answers to the program's requests: a read request gets a parameter value,
// a write request is stored and acknowledged.
//
// Not thread-safe: the simulated module serialises every call.
#pragma once

#include "protocol/MeasurementFrame.h"
#include "protocol/Parameters.h"

#include <array>
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
    ///
    /// A write of a writable id with an index in range is stored and
    /// acknowledged (2, id, index; EthernetConfig acknowledges index 0). A read
    /// of a directly readable id with an index in range gets its value
    /// (1, id, index, value). Anything else (unknown opcode or id, index out of
    /// range, a read of a write-only id, a short report) gets no answer.
    std::vector<std::vector<std::uint8_t>> handleRequest(std::span<const std::uint8_t> outputReport);

    /// Spacing of measurement reports in ms (SendInterval, 1 to 60000).
    int sendIntervalMs() const;
    /// Output bits (bit n = transistor output n+1) that the stored output
    /// rules give for these values.
    std::uint8_t outputBits(const MeasurementFrame& frame) const;

    /// Measured value of an output-rule source (2..15); 0 for the others.
    static float sourceValue(const MeasurementFrame& frame, std::uint8_t source);

    // The stored configuration, readable for tests and the simulation.
    std::array<AdcConfigValue, 4> adc{};
    std::array<EncConfigValue, 2> enc{};
    std::array<std::uint8_t, 2> mathMode{};
    std::array<std::uint8_t, 2> mathRegister{};
    std::array<float, 2> mathFactor{};
    std::array<float, 2> mathCalibration{};
    std::array<int, 2> encoderClears{}; ///< EncClearPosition commands received per encoder
    std::uint8_t triggerMode = 0;
    std::int32_t sendInterval = 10;
    std::int32_t triggerFilter = 0;
    std::uint8_t masterMode = 0;
    std::array<std::uint8_t, 2> masterRegisterType{};
    OutputRuleTable outputRules{};
    std::uint8_t modbusAddress = 1;
    std::uint8_t modbusBaudRate = 0;
    EthernetBytes ethernet{};
    std::array<char, 4> firmwareVersion{};
    std::int16_t temperatureTenths = 0;
    DiagnosticsRecord diagnostics{};

private:
    std::vector<std::uint8_t> reply(const ParameterInfo& info, std::uint8_t index) const;
    void store(const ParameterInfo& info, std::uint8_t index, std::span<const std::uint8_t> value);
};

} // namespace trv630
