// The protocol side of a simulated TRV630U, independent of any transport:
// it makes the module's measurement reports and answers its requests. The
// virtual HID bus and the emulated hidraw device both drive one of these.
//
// Measurements are a deterministic function of the module's own time, which
// advances by one send interval per report (so a test sees the same values
// whatever the wall clock does):
//   analog inputs   slow sines (periods 8, 13, 21, 34 s) inside the input
//                   range ("0~10 V": 1..9 V, "0~20 mA": 5..19 mA), scaled as
//                   the module does: (raw + Offset1) * Coeff + Offset2; the
//                   average is the mean of the raw sine over the last second
//   encoders        turning shafts (encoder 1 about 2.5 rev/s, encoder 2 about
//                   -1 rev/s, each with a slow wobble); units by EncMode
//                   (rev or mm at 10 mm per revolution, per s or per min),
//                   then * Coeff + Offset; EncClearPosition zeroes the position
//   math channels   the MathMode function of the scaled analog values, with
//                   the register M chosen by MathRegister (MathFactor, the
//                   encoder positions, ...)
//   trigger inputs  IN1 active 1 s in every 4 s, IN2 3 s in every 6 s
//   outputs T1-T6   the stored output rules applied to these values
// TriggerMode 1 sends only while IN1 is active, 2 once per rising edge of IN1.
//
// Threading: thread-safe; one mutex serialises the parameter store and the
// module time (the streaming thread makes reports while the GUI thread
// writes requests).
#pragma once

#include "link/virtual/ModuleParameters.h"
#include "protocol/MeasurementFrame.h"
#include "protocol/MeasurementReport.h"
#include "protocol/Parameters.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <mutex>
#include <optional>
#include <span>
#include <vector>

namespace trv630 {

class SimulatedModule {
public:
    using Report = std::array<std::uint8_t, moduleInputReportSize>;

    SimulatedModule();

    /// Handles one output report (byte 0 report id, byte 1 opcode, payload).
    /// Returns the input reports to send back (data after the report id).
    std::vector<std::vector<std::uint8_t>> handleOutputReport(std::span<const std::uint8_t> report);

    /// The next measurement report, advancing the module time by one send
    /// interval; nothing when the trigger mode holds this one back.
    std::optional<Report> nextMeasurementReport();

    /// The values at module time t (seconds), without advancing anything.
    MeasurementFrame measurementAt(double t) const;
    double moduleTime() const;

    /// Spacing of measurement reports: SendInterval (ms, from the parameter
    /// store) unless an override is set.
    std::chrono::nanoseconds sendInterval() const;
    /// Test and benchmark hook: a spacing finer than SendInterval's 1 ms
    /// (e.g. 125 us for 8,000 reports/s). Zero or nullopt removes it.
    void setSendIntervalOverride(std::optional<std::chrono::nanoseconds> interval);

private:
    struct Config {
        std::array<AdcConfigValue, 4> adc;
        std::array<EncConfigValue, 2> enc;
        std::array<std::uint8_t, 2> mathMode{};
        std::array<std::uint8_t, 2> mathRegister{};
        std::array<float, 2> mathFactor{};
        std::uint8_t triggerMode = 0;
    };

    std::vector<std::vector<std::uint8_t>> askStore(ParameterId id, std::uint8_t index);
    void refreshConfig();
    MeasurementFrame frameAt(double t) const;
    double rawPosition(int encoder, double t) const;
    std::chrono::nanoseconds intervalLocked() const;

    mutable std::mutex mutex_;
    ModuleParameters store_;
    Config config_;
    std::array<double, 2> positionZero_{};
    double time_ = 0.0;
    bool in1WasActive_ = false;
    std::optional<std::chrono::nanoseconds> intervalOverride_;
};

} // namespace trv630
